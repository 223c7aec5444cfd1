#include "desktopfocus.h"

#include "focussources.h"
#include "paths.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QVariantMap>

namespace {

constexpr int kTimeoutMs = 2000;
const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScriptingPath = QStringLiteral("/Scripting");
const QString kScripting = QStringLiteral("org.kde.kwin.Scripting");
const QString kShell = QStringLiteral("org.gnome.Shell");
const QString kShellPath = QStringLiteral("/org/gnome/Shell");
const QString kExtensions = QStringLiteral("org.gnome.Shell.Extensions");

// The session bus, when there is one to ask: without an address, asking
// would start a bus launcher.
bool sessionBus(QDBusConnection& bus) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        return false;
    bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface();
}

bool serviceOnBus(const QString& service) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return sessionBus(bus) && bus.interface()->isServiceRegistered(service).value();
}

QDBusMessage callKWin(const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(kKWin, kScriptingPath, kScripting, method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, kTimeoutMs);
}

bool replied(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage;
}

QString kwinScriptFile() {
    return productDataDir() + QStringLiteral("/kwin/") + QLatin1String(kKWinFocusScript) +
           QStringLiteral("/contents/code/main.js");
}

} // namespace

bool kwinScriptingAvailable() {
    return serviceOnBus(kKWin);
}

bool startKWinFocusScript() {
    const QString file = kwinScriptFile();
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcFocus) << "The KWin focus script is missing:" << file;
        return false;
    }
    const QString plugin = QLatin1String(kKWinFocusScript);
    // One of an earlier run of ours (a crash left it loaded) would hold the name.
    const QDBusMessage loaded = callKWin(QStringLiteral("isScriptLoaded"), {plugin});
    if (replied(loaded) && loaded.arguments().value(0).toBool())
        callKWin(QStringLiteral("unloadScript"), {plugin});
    const QDBusMessage id = callKWin(QStringLiteral("loadScript"), {file, plugin});
    if (!replied(id) || id.arguments().value(0).toInt() < 0) {
        qCWarning(lcFocus) << "KWin refused the focus script:" << id.errorMessage();
        return false;
    }
    return replied(callKWin(QStringLiteral("start"), {}));
}

void stopKWinFocusScript() {
    if (serviceOnBus(kKWin))
        callKWin(QStringLiteral("unloadScript"), {QLatin1String(kKWinFocusScript)});
}

GnomeExtensionState gnomeFocusExtensionState() {
    if (!serviceOnBus(kShell)) return GnomeExtensionState::NotGnome;
    QDBusMessage m = QDBusMessage::createMethodCall(kShell, kShellPath, kExtensions,
                                                    QStringLiteral("GetExtensionInfo"));
    m << QString::fromLatin1(kGnomeFocusExtension);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(m, QDBus::Block, kTimeoutMs);
    if (!replied(reply)) return GnomeExtensionState::NotGnome;
    // An unknown extension comes back as an empty dictionary.
    const QVariantMap info = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    if (info.isEmpty()) return GnomeExtensionState::Missing;
    QVariant state = info.value(QStringLiteral("state"));
    if (state.canConvert<QDBusVariant>()) state = state.value<QDBusVariant>().variant();
    return state.toDouble() == 1.0 ? GnomeExtensionState::Enabled : GnomeExtensionState::Disabled;
}
