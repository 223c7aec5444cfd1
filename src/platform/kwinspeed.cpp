// KDE Plasma's pointer acceleration through KWin's input-device objects on
// the session bus, read from the first pointer and written to every one.
#include "pointerspeedbackend.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace {

constexpr int kTimeoutMs = 2000;
const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManager = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDevice = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QVariant property(const QDBusConnection& bus, const QString& path, const QString& iface,
                  const QString& name) {
    QDBusMessage m =
        QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Get"));
    m << iface << name;
    const QDBusMessage reply = bus.call(m, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

class KwinSpeed : public PointerSpeedBackend {
public:
    KwinSpeed(const QDBusConnection& bus, QStringList paths)
        : m_bus(bus), m_paths(std::move(paths)) {}
    const char* name() const override { return "KWin pointer acceleration"; }

    std::optional<double> read() override {
        const QVariant v =
            property(m_bus, m_paths.constFirst(), kDevice, QStringLiteral("pointerAcceleration"));
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok) return std::nullopt;
        return d;
    }

    bool write(double value) override {
        bool all = true;
        for (const QString& path : m_paths) {
            QDBusMessage m =
                QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Set"));
            m << kDevice << QStringLiteral("pointerAcceleration")
              << QVariant::fromValue(QDBusVariant(value));
            const QDBusMessage reply = m_bus.call(m, QDBus::Block, kTimeoutMs);
            if (reply.type() != QDBusMessage::ReplyMessage) {
                qCWarning(lcPointer)
                    << "KWin refused the speed for" << path << reply.errorMessage();
                all = false;
            }
        }
        return all;
    }

private:
    QDBusConnection m_bus;
    QStringList m_paths;
};

} // namespace

std::unique_ptr<PointerSpeedBackend> kwinPointerSpeed() {
    // Without a session bus, asking for one would start a bus launcher.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        return nullptr;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return nullptr;
    if (!bus.interface()->isServiceRegistered(kService).value()) return nullptr;
    QStringList paths;
    const QStringList names =
        property(bus, kManagerPath, kManager, QStringLiteral("devicesSysNames")).toStringList();
    for (const QString& sysName : names) {
        const QString path = kManagerPath + QLatin1Char('/') + sysName;
        if (property(bus, path, kDevice, QStringLiteral("pointer")).toBool()) paths << path;
    }
    if (paths.isEmpty()) return nullptr;
    return std::make_unique<KwinSpeed>(bus, paths);
}
