// The on-mouse profile follows the application in front, on an X server with
// a window manager and through the desktop's D-Bus method, and the tool
// edits the rules through the running window.
#include "e2esession.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QtTest>

namespace {

QProcess* startClient(E2eSession& s, const QString& appId, const QString& title) {
    return s.startProgram(QStringLiteral(FOCUS_WINDOW), {"--app-id", appId, title}, s.childEnv());
}

int cli(const E2eSession& s, const QStringList& args, QString* out = nullptr) {
    QProcess p;
    p.setProcessEnvironment(s.childEnv());
    p.start(s.appFile(QStringLiteral("mousecfg-cli")), args);
    if (!p.waitForFinished(20000)) return -1;
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode();
}

} // namespace

class TestFollow : public QObject {
    Q_OBJECT
private slots:
    void followsTheActiveWindow() {
        E2eSession s;
        SESSION_START(s, QStringList());
        if (s.startBus().isEmpty()) QSKIP("dbus-daemon is not installed");
        if (!s.startWindowManager()) QSKIP("openbox is not installed");
        writeFollowRules(s);
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        startClient(s, QStringLiteral("gamea"), QStringLiteral("Game A"));
        startClient(s, QStringLiteral("org.example.GameB"), QStringLiteral("Game B"));
        startClient(s, QStringLiteral("editor"), QStringLiteral("Editor"));
        const QString a = s.waitForWindow(QStringLiteral("Game A"), 20000);
        const QString b = s.waitForWindow(QStringLiteral("Game B"), 20000);
        const QString other = s.waitForWindow(QStringLiteral("Editor"), 20000);
        SESSION_VERIFY(s, !a.isEmpty() && !b.isEmpty() && !other.isEmpty());

        s.xdotool({"windowactivate", "--sync", a});
        SESSION_VERIFY(s, activeProfileBecomes(s, 1));
        SESSION_VERIFY(s, waitUntil([&] { return osdTexts(s).contains("Profile 2"); }, 5000));
        s.xdotool({"windowactivate", "--sync", b});
        SESSION_VERIFY(s, activeProfileBecomes(s, 2));
        // No rule: the default.
        s.xdotool({"windowactivate", "--sync", other});
        SESSION_VERIFY(s, activeProfileBecomes(s, 0));

        // Switched off through the window: focus no longer moves the profile.
        QString out;
        QVERIFY2(cli(s, {"app-profile", "off"}, &out) == 0, qPrintable(out));
        s.xdotool({"windowactivate", "--sync", a});
        QTest::qWait(1500);
        QCOMPARE(activeProfile(s), 0);
        const QString file = s.appFile(QStringLiteral("Configs/AppProfiles.ini"));
        QCOMPARE(iniValue(file, "AppProfiles/Enabled"), QStringLiteral("false"));

        // A desktop's script telling of a window the X server does not know.
        QVERIFY2(cli(s, {"app-profile", "add", "Wayland.Only.Game", "5"}, &out) == 0,
                 qPrintable(out));
        QVERIFY2(cli(s, {"app-profile", "on"}, &out) == 0, qPrintable(out));
        QDBusConnection bus = QDBusConnection::connectToBus(
            s.childEnv().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QStringLiteral("t"));
        auto focus = [&](const QStringList& args) {
            QDBusMessage m =
                QDBusMessage::createMethodCall("io.mousecfg.mousecfg", "/io/mousecfg/mousecfg",
                                               "io.mousecfg.mousecfg.Mouse", "ReportFocus");
            for (const QString& arg : args)
                m << arg;
            return bus.call(m, QDBus::Block, 5000);
        };
        QCOMPARE(focus({"kwin", "", "", "wayland.only.game.desktop", "0"}).type(),
                 QDBusMessage::ReplyMessage);
        SESSION_VERIFY(s, activeProfileBecomes(s, 4));

        // The interface's methods reach the mouse, and its properties follow
        // what the mouse did itself.
        auto mouseCall = [&](const char* method, int value) {
            QDBusMessage m =
                QDBusMessage::createMethodCall("io.mousecfg.mousecfg", "/io/mousecfg/mousecfg",
                                               "io.mousecfg.mousecfg.Mouse", method);
            m << value;
            return bus.call(m, QDBus::Block, 10000).type();
        };
        auto shown = [&](const char* name) {
            QDBusMessage m =
                QDBusMessage::createMethodCall("io.mousecfg.mousecfg", "/io/mousecfg/mousecfg",
                                               "org.freedesktop.DBus.Properties", "Get");
            m << "io.mousecfg.mousecfg.Mouse" << name;
            return bus.call(m, QDBus::Block, 5000)
                .arguments()
                .value(0)
                .value<QDBusVariant>()
                .variant()
                .toInt();
        };
        QCOMPARE(mouseCall("SelectProfile", 2), QDBusMessage::ReplyMessage);
        SESSION_VERIFY(s, activeProfileBecomes(s, 1));
        QCOMPARE(mouseCall("SetReportRate", 250), QDBusMessage::ReplyMessage);
        QVERIFY(profileState(s.vm({"state"}), 1).contains(QLatin1String("(250 Hz)")));
        QCOMPARE(s.vm({"press", "profile"}), QString());
        SESSION_VERIFY(s,
                       waitUntil([&] { return shown("Profile") == activeProfile(s) + 1; }, 10000));
        QDBusConnection::disconnectFromBus(QStringLiteral("t"));
    }
};

QTEST_MAIN(TestFollow)
#include "test_follow.moc"
