// The focus sources FocusWatch runs itself: X11's active window, a
// compositor's i3-style IPC socket and a wlroots compositor's toplevel list.
// Each hands the application in front to a
// callback and can list the applications with a window.
#pragma once

#include "appprofiles.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <functional>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcFocus)

class QLocalSocket;
class QSocketNotifier;
class QTimer;
struct _XDisplay;

using FocusSink = std::function<void(const FocusedApp&)>;

// Longest text kept from any field a desktop hands us.
constexpr int kMaxFocusText = 256;
// Bounds on what one look at the desktop may cost.
constexpr int kMaxFocusWindows = 1000;
constexpr int kMaxIpcMessage = 4 * 1024 * 1024;

// The base name of /proc/<pid>/exe; empty when unreadable or pid <= 0.
QString executableOf(qint64 pid);

// _NET_ACTIVE_WINDOW on the root window of its own Xlib connection.
class X11Focus {
public:
    // Null when the display cannot be opened.
    static std::unique_ptr<X11Focus> open(FocusSink sink);
    ~X11Focus();
    X11Focus(const X11Focus&) = delete;
    X11Focus& operator=(const X11Focus&) = delete;

    // The window in front now, if there is one (else false).
    bool inFront(FocusedApp& app);
    // The managed windows' applications (_NET_CLIENT_LIST).
    QList<FocusedApp> running();
    // Set when the X server went away; the connection is then unusable.
    bool lost() const { return m_lost; }

private:
    X11Focus() = default;
    void readEvents();
    bool describe(unsigned long window, FocusedApp& app);

    _XDisplay* m_display = nullptr;
    unsigned long m_root = 0;
    unsigned long m_activeAtom = 0;
    unsigned long m_clientListAtom = 0;
    unsigned long m_pidAtom = 0;
    bool m_lost = false;
    FocusSink m_sink;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// A window-focus subscription on sway's (or i3's) IPC socket, with one tree
// request at start for the window already in front.
class SwayFocus : public QObject {
public:
    SwayFocus(const QString& socketPath, FocusSink sink, QObject* parent = nullptr);
    ~SwayFocus() override;
    // The views in the compositor's tree, asked on a connection of its own.
    QList<FocusedApp> running() const;

    // The messages of the protocol, for the tree request.
    static QByteArray message(quint32 type, const QByteArray& payload);

private:
    void connectNow();
    void readMessages();
    void retryLater();
    void onMessage(quint32 type, const QByteArray& payload);

    QString m_path;
    FocusSink m_sink;
    QLocalSocket* m_socket;
    QTimer* m_retry;
    QByteArray m_buffer;
    int m_failures = 0;
};

// The toplevel a wlroots compositor marks activated, from its foreign-toplevel
// list on a Wayland connection of our own (not the toolkit's). The protocol
// names no process, so the pid stays 0.
class ToplevelFocus {
public:
    // Null when no compositor answers or it offers no toplevel list (or the
    // program was built without the Wayland client library).
    static std::unique_ptr<ToplevelFocus> open(FocusSink sink);
    ~ToplevelFocus();
    ToplevelFocus(const ToplevelFocus&) = delete;
    ToplevelFocus& operator=(const ToplevelFocus&) = delete;

    // The toplevel in front now, if there is one (else false).
    bool inFront(FocusedApp& app) const;
    // The app ids of the live toplevels.
    QList<FocusedApp> running() const;

private:
    ToplevelFocus();
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The view's application: app_id for Wayland clients, class and instance
// from window_properties for X11 ones, and the pid.
FocusedApp swayApp(const QJsonObject& node);
