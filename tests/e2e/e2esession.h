// One end-to-end session: a private X server, the virtual mouse daemon, the
// notice companion and the real program, all on a throw-away copy of the
// staged application folder. Everything a session starts ends with it.
#pragma once

#include "testutil.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

class E2eSession {
public:
    // The window title of the staged product.
    static QString productTitle() { return QStringLiteral("Qorv Stratos"); }

    E2eSession();
    ~E2eSession();
    E2eSession(const E2eSession&) = delete;
    E2eSession& operator=(const E2eSession&) = delete;

    // Xvfb, then the daemon (`daemonArgs` go after "start <app dir>"), then
    // the companion. False with the reason in error() when any did not come up.
    bool startAll(const QStringList& daemonArgs = {});
    // The display's DPI, before it starts: the X server's and, unless 96, the
    // desktop's font setting (Xft.dpi), which the toolkit scales by.
    void setDpi(int dpi) { m_dpi = dpi; }
    // Whether startAll starts the companion (the program may start it itself).
    void setCompanion(bool start) { m_companion = start; }
    // Every process the session starts from now on runs through `prefix`
    // (a command that switches the user, then runs the rest).
    void setRunAs(const QStringList& prefix) { m_runAs = prefix; }
    // A variable childEnv() sets beyond its own (or instead of one).
    void setEnv(const QString& name, const QString& value) { m_env.insert(name, value); }
    bool startDisplay();
    bool startMouse(const QStringList& daemonArgs = {});
    bool startOsd();
    // A notification area on the display (a bare X server has none).
    bool startTray();
    // A private session bus that every later child uses; its address, or
    // empty when dbus-daemon is missing.
    QString startBus();
    // A window manager (openbox), which hands the focus to a window that
    // asks and keeps _NET_ACTIVE_WINDOW; false when it is missing or does
    // not take over the screen.
    bool startWindowManager();
    // The accessibility bus and its registry, on the bus startBus() made;
    // programs started later expose their widgets there. False when
    // at-spi2-core is missing or did not come up.
    bool startAccessibility();

    // Starts the program with the drop-in HID library; the returned process
    // stays owned by the session. `env` replaces the session's environment.
    QProcess* startProgram();
    QProcess* startProgram(QProcessEnvironment env, const QStringList& args = {});
    // Another executable of the program (an installed copy), same preload.
    QProcess* startProgram(const QString& program, const QStringList& args,
                           QProcessEnvironment env);
    // Terminates every program this session started (SIGTERM, as a logout would).
    void stopPrograms();
    // Starts the program and waits until its window is mapped; "" on failure.
    // A bound, not a wait: the sanitizer build on a busy machine starts slowly.
    QString startProgramWindow(int timeoutMs = 45000);

    // Runs `virtual-mouse <args>` against this session's daemon.
    QString vm(const QStringList& args, int* status = nullptr) const;
    // Runs `xdotool <args>` on this session's display.
    QString xdotool(const QStringList& args, int* status = nullptr) const;

    // Visible windows whose title is exactly `title`.
    QStringList findWindows(const QString& title) const;
    QString waitForWindow(const QString& title, int timeoutMs) const;
    bool waitForNoWindow(const QString& title, int timeoutMs) const;
    QPoint windowOrigin(const QString& id) const;

    // Left click at a point given relative to the window's top-left corner.
    void click(const QString& id, int x, int y) const;
    void keys(const QStringList& names) const;
    bool screenshot(const QString& id, const QString& pngPath) const;

    QString appDir() const { return m_app.path(); }
    QString appFile(const QString& relative) const { return m_app.file(relative); }
    QString workDir() const { return m_work.path(); }
    QByteArray osdLog() const;
    QString display() const { return m_display; }
    QString error() const { return m_error; }
    // The tails of every child's output, for failure messages.
    QByteArray diagnostics() const;

    // Ends processes that run an executable of this session's application
    // folder but are no children of it (a companion the program started).
    void stopStrays() const;

    // What every process of the session runs with: the private display,
    // runtime folder and daemon socket.
    QProcessEnvironment childEnv() const;
    // Terminates and reaps one process started by this session.
    static void stop(QProcess* p, int graceMs = 3000);

protected:
    void setError(const QString& why) { m_error = why; }
    // Starts `program` as a child of the session, its output kept in <name>.out.
    QProcess* spawn(const QString& name, const QString& program, const QStringList& args,
                    const QProcessEnvironment& env);
    QString run(const QString& program, const QStringList& args, int* status,
                const QProcessEnvironment& env) const;

private:
    QTemporaryDir m_work;
    TempAppDir m_app;
    QString m_display;
    QString m_error;
    std::unique_ptr<QProcess> m_xvfb;
    std::unique_ptr<QProcess> m_daemon;
    std::unique_ptr<QProcess> m_osd;
    std::unique_ptr<QProcess> m_tray;
    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_manager;
    std::unique_ptr<QProcess> m_a11yBus;
    std::unique_ptr<QProcess> m_a11yRegistry;
    std::vector<std::unique_ptr<QProcess>> m_programs;
    QStringList m_logs;
    bool m_companion = true;
    QStringList m_runAs;
    QProcessEnvironment m_env;
    int m_dpi = 96;
};

// Fails the calling test with every child's output tail.
#define SESSION_VERIFY(session, cond)                                                              \
    QVERIFY2((cond), (QByteArray(#cond) + '\n' + (session).diagnostics()).constData())

// Starts the display, the daemon (with `daemonArgs`) and the companion;
// skips the test where no X server can be started.
#define SESSION_START(session, daemonArgs)                                                         \
    do {                                                                                           \
        if (!(session).startAll(daemonArgs)) {                                                     \
            if ((session).error() == QLatin1String("Xvfb is not installed"))                       \
                QSKIP("Xvfb is not installed");                                                    \
            QFAIL(qPrintable((session).error() + '\n' + (session).diagnostics()));                 \
        }                                                                                          \
    } while (false)

// Files of the staged application folder.
QString configIni(const E2eSession& s);
QString profileFile(const E2eSession& s, int slot); // slot 0-4

// The on-mouse profile the virtual mouse has active (0-4), -1 when unknown,
// and a wait of up to 10 s for it to become `profile`.
int activeProfile(const E2eSession& s);
bool activeProfileBecomes(const E2eSession& s, int profile);
// Rules of the follow tests: "gamea" on profile 2, "org.example.GameB" on 3,
// every other application on 1.
void writeFollowRules(const E2eSession& s);

// One profile's part of `virtual-mouse state`.
QString profileState(const QString& state, int profile);

// The notice texts the companion logged, oldest first.
QStringList osdTexts(const E2eSession& s);
// Presses the mouse's DPI button; true when the program passes a notice on.
bool hearsDpiButton(const E2eSession& s);

// Command codes of the reports the program sent, battery polls left out.
QSet<QString> sentCommands(const QString& log);
// A picture of `window` with the pointer off it, kept in the session folder
// as `name`; null when it could not be taken.
QImage grab(const E2eSession& s, const QString& window, const QString& name);
// Two pictures show the same thing when their light parts (text, marks,
// filled boxes) cover the same pixels; the shade of a button's text, which
// follows focus and press states, does not count.
bool sameLook(const QImage& a, const QImage& b);

// Polls `condition` every 100 ms while the event loop runs, up to `timeoutMs`.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

// The value of `key` ("Group/Key") in an INI file, read fresh.
QString iniValue(const QString& path, const QString& key);
void setIniValue(const QString& path, const QString& key, const QVariant& value);
