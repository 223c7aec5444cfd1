// Follows whether the desktop has a tray (an X11 notification area or the
// status-notifier service) and a notification service, also when either
// appears after start.
#pragma once

#include <QObject>
#include <QTimer>

class TrayWatch : public QObject {
    Q_OBJECT
public:
    // Looks once at once (waiting briefly for the session bus), then follows
    // changes without blocking.
    explicit TrayWatch(QObject* parent = nullptr);
    ~TrayWatch() override;

    bool trayAvailable() const { return m_tray; }
    // Desktop notifications would be shown: the service runs or the bus
    // starts it when asked.
    bool notificationsAvailable() const { return m_notificationsRunning || m_notificationsOnCall; }
    // The toolkit's icon goes through the status-notifier service, and its
    // messages through the notification service; an X11 notification area's
    // icon draws its messages itself.
    bool trayOverBus() const { return m_overBus; }

    // How often a missing tray is looked for again; the bus tells of the
    // status-notifier service at once, an X11 notification area only this way.
    static constexpr int kRecheckMs = 3000;

signals:
    // Once, when a tray is there (at once or later).
    void trayAppeared();

private:
    static bool x11TrayNow();
    void recheckTray();
    void askAboutNotifications();
    void setTray(bool there, bool overBus);

    QTimer m_recheck;
    bool m_tray = false;
    bool m_overBus = false;
    bool m_asking = false;
    bool m_notificationsRunning = false;
    bool m_notificationsOnCall = false;
};
