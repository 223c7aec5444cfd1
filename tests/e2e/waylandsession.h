// An end-to-end session on a headless Wayland compositor (sway) instead of an
// X server: the compositor, the daemon, the companion and the program run as
// an unprivileged user (sway refuses root), and are driven with swaymsg and
// wtype and pictured with grim.
#pragma once

#include "e2esession.h"

#include <QJsonObject>
#include <QList>

class WaylandSession : public E2eSession {
public:
    WaylandSession();
    ~WaylandSession();

    // The user's folders, the compositor with a pointer and a keyboard, the
    // daemon and the companion. False with the reason in error(); with
    // canRun() false as well when this machine cannot host the compositor.
    bool startWayland();
    bool canRun() const { return m_canRun; }

    // Starts the program and waits for its window; an empty object on failure.
    QJsonObject startProgramView(int timeoutMs = 45000);
    // Starts another client: a window titled `title` that logs its focus
    // changes to `title`.out; `args` follow the title.
    QProcess* startFocusWindow(const QString& title, const QStringList& args = {});
    // Runs a copy of the built helper `built` in the session, its output in
    // `name`.out, without the variables named in `unset`.
    QProcess* startHelper(const QString& name, const QString& built, const QStringList& args,
                          const QStringList& unset = {});

    QString swaymsg(const QStringList& args, int* status = nullptr) const;
    // The windows in sway's tree (their nodes: name, app_id, pid, shell,
    // focused, visible, rect).
    QList<QJsonObject> views() const;
    QJsonObject view(const QString& title) const;
    QJsonObject waitForView(const QString& title, int timeoutMs) const;
    QJsonObject focusedView() const;

    // A left click at a point relative to the window's top-left corner.
    void click(const QJsonObject& view, QPoint at) const;
    // Runs wtype with `args` (text, or -k KEYSYM ...) into the focused window.
    void type(const QStringList& args) const;
    // A picture of the whole output, kept in the session folder as `name`.
    QImage picture(const QString& name) const;

private:
    bool fail(const QString& why, bool canRun);
    QString helperCopy(const QString& built) const;

    bool m_canRun = true;
    QString m_focusWindow;
    std::unique_ptr<QProcess> m_sway;
    std::unique_ptr<QProcess> m_input;
    std::vector<std::unique_ptr<QProcess>> m_clients;
};

// Starts the Wayland session; skips the test where the machine cannot host it.
#define WAYLAND_START(session)                                                                     \
    do {                                                                                           \
        if (!(session).startWayland()) {                                                           \
            if (!(session).canRun()) QSKIP(qPrintable((session).error()));                         \
            QFAIL(qPrintable((session).error() + '\n' + (session).diagnostics()));                 \
        }                                                                                          \
    } while (false)
