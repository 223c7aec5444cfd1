#include "traywatch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <memory>

namespace {
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
constexpr int kFirstLookMs = 1000;

// The toolkit's own tray decides once, on its first look, whether the bus
// has a tray; it is asked only when a host has registered with the watcher,
// so an early "no" of a half-started panel is never the one it keeps.
QDBusMessage hostRegisteredQuery() {
    QDBusMessage m = QDBusMessage::createMethodCall(
        kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    m << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    return m;
}

bool hostRegistered(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
} // namespace

TrayWatch::TrayWatch(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool host = bus.isConnected() &&
                      hostRegistered(bus.call(hostRegisteredQuery(), QDBus::Block, kFirstLookMs));
    setTray(host || x11TrayNow(), host);
    if (bus.isConnected()) {
        auto* services = new QDBusServiceWatcher(this);
        services->setConnection(bus);
        services->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
        services->addWatchedService(kWatcherService);
        services->addWatchedService(kNotificationsService);
        connect(services, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString& service, const QString&, const QString& owner) {
                    if (service == kNotificationsService)
                        m_notificationsRunning = !owner.isEmpty();
                    else if (!owner.isEmpty())
                        recheckTray();
                });
        askAboutNotifications();
    }
    m_recheck.setInterval(kRecheckMs);
    connect(&m_recheck, &QTimer::timeout, this, &TrayWatch::recheckTray);
    if (!m_tray) m_recheck.start();
}

TrayWatch::~TrayWatch() = default;

void TrayWatch::setTray(bool there, bool overBus) {
    if (!there || m_tray) return;
    m_tray = true;
    m_overBus = overBus;
    m_recheck.stop();
    emit trayAppeared();
}

bool TrayWatch::x11TrayNow() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    // A connection of its own, kept: the toolkit's is not ours to use.
    static const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) return false;
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display.get()));
    const Atom selection = XInternAtom(display.get(), name.constData(), False);
    return XGetSelectionOwner(display.get(), selection) != None;
}

void TrayWatch::recheckTray() {
    if (m_tray) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        setTray(x11TrayNow(), false);
        return;
    }
    // Never waits on the bus here: the answer comes back as a signal.
    if (m_asking) return;
    m_asking = true;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(hostRegisteredQuery()), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        m_asking = false;
        const bool host = hostRegistered(w->reply());
        setTray(host || x11TrayNow(), host);
    });
}

void TrayWatch::askAboutNotifications() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto ask = [&](const QString& method, auto take) {
        QDBusMessage m = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), method);
        if (method == QLatin1String("NameHasOwner")) m << kNotificationsService;
        auto* call = new QDBusPendingCallWatcher(bus.asyncCall(m), this);
        connect(call, &QDBusPendingCallWatcher::finished, this, [take](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusMessage reply = w->reply();
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                take(reply.arguments().first());
        });
    };
    ask(QStringLiteral("NameHasOwner"), [this](const QVariant& v) {
        m_notificationsRunning = m_notificationsRunning || v.toBool();
    });
    ask(QStringLiteral("ListActivatableNames"), [this](const QVariant& v) {
        m_notificationsOnCall = v.toStringList().contains(kNotificationsService);
    });
}
