// The window's D-Bus face on a private session bus, with a real mouse
// session on the in-process virtual mouse and the real tool as a client.
#include "appfollower.h"
#include "hidport.h"
#include "inprocessport.h"
#include "mousebus.h"
#include "mousesession.h"
#include "testutil.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

namespace {

// Every member of our interfaces as "interface kind name type:direction:name...".
QSet<QString> members(const QString& xml) {
    QSet<QString> out;
    QXmlStreamReader r(xml);
    QString iface, member;
    while (!r.atEnd()) {
        r.readNext();
        const QString tag = r.name().toString();
        const auto attr = [&](const char* n) { return r.attributes().value(n).toString(); };
        if (r.isStartElement() && tag == "interface") {
            iface = attr("name");
        } else if (!iface.startsWith("io.mousecfg.")) {
            continue;
        } else if (r.isStartElement() && tag == "property") {
            out << iface + " property " + attr("name") + ' ' + attr("type") + ' ' + attr("access");
        } else if (r.isStartElement() && (tag == "method" || tag == "signal")) {
            member = iface + ' ' + tag + ' ' + attr("name");
        } else if (r.isStartElement() && tag == "arg") {
            member += ' ' + attr("type") + ':' + attr("direction") + ':' + attr("name");
        } else if (r.isEndElement() && (tag == "method" || tag == "signal")) {
            // Signals' arguments go out whether or not a direction is written.
            out << member.replace(QStringLiteral("::"), QStringLiteral(":out:"));
        }
    }
    return out;
}

// Another program on the bus: calls within one connection never see an error reply.
QDBusConnection client() {
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
}

QDBusMessage call(const QString& iface, const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(kBusService, kBusPath, iface, method);
    m.setArguments(args);
    // The window answers on this thread.
    return client().call(m, QDBus::BlockWithGui);
}

QVariant busProperty(const QString& iface, const QString& name) {
    const QDBusMessage r = call("org.freedesktop.DBus.Properties", "Get", {iface, name});
    return r.arguments().value(0).value<QDBusVariant>().variant();
}

} // namespace

class TestMouseBus : public QObject {
    Q_OBJECT
public slots:
    void heard(const QDBusMessage& m) { m_heard << m; }

private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected()) QSKIP("no session bus");
        setHidPort(&m_port);
        m_mouse.plug(vm::Link::Receiver);
        m_mouse.setBatteryRaw(1019);
        MouseSession::Options options;
        options.watchDevices = false;
        m_session.start(options);
        QVERIFY(QTest::qWaitFor([this] { return m_session.known(); }));
        MouseBus::Hooks hooks;
        hooks.selectProfile = [](int, QString* name) {
            *name = QStringLiteral("Busy");
            return QStringLiteral("a write is running");
        };
        hooks.dpiStageCount = [] { return 4; };
        m_bus = std::make_unique<MouseBus>(&m_session, &m_follower, hooks);
        QVERIFY(m_bus->publish());
        // A second window on the same bus does not get the name.
        MouseBus second(&m_session, &m_follower, {});
        QVERIFY(!second.publish());
        for (const char* name : {"BatteryChanged", "PropertiesChanged"})
            QVERIFY(client().connect(QString(), kBusPath, QString(), name, this,
                                     SLOT(heard(QDBusMessage))));
    }
    void cleanupTestCase() {
        m_bus.reset();
        setHidPort(nullptr);
    }

    // The shipped description and what the program exports never drift.
    void introspection() {
        const QDBusMessage r = call("org.freedesktop.DBus.Introspectable", "Introspect");
        QCOMPARE(r.type(), QDBusMessage::ReplyMessage);
        const QSet<QString> exported = members(r.arguments().value(0).toString());
        const QSet<QString> shipped =
            members(QString::fromUtf8(readText(dataDir() + "/dbus/io.mousecfg.mousecfg.xml")));
        QVERIFY(shipped.size() > 20);
        QCOMPARE(QSet<QString>(exported - shipped), QSet<QString>());
        QCOMPARE(QSet<QString>(shipped - exported), QSet<QString>());
    }

    void refusals_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("error"); // the last part of its name
        QTest::addColumn<QString>("message");
        const QString mouse = kBusMouseInterface, rules = kBusRulesInterface;
        QTest::newRow("profile 9")
            << mouse + ".SelectProfile" << QVariantList{9} << "InvalidArgument"
            << "profile must be 1-5, not 9";
        QTest::newRow("the window is busy") << mouse + ".SelectProfile" << QVariantList{2} << "Busy"
                                            << "a write is running";
        QTest::newRow("stage 5 of 4")
            << mouse + ".SelectDpiStage" << QVariantList{5} << "InvalidArgument"
            << "DPI stage must be 1-4, not 5";
        QTest::newRow("rate 300") << mouse + ".SetReportRate" << QVariantList{300}
                                  << "InvalidArgument"
                                  << "125, 250, 500 or 1000 Hz, not 300";
        QTest::newRow("focus from x11")
            << mouse + ".ReportFocus" << QVariantList{"x11", "a", "b", "c", "1"}
            << "InvalidArgument"
            << "source must be kwin or gnome, not 'x11'";
        QTest::newRow("rule for profile 0")
            << rules + ".SetRule" << QVariantList{"steam", 0} << "InvalidArgument"
            << "profile must be 1-5, not 0";
        QTest::newRow("default 6")
            << rules + ".SetDefaultProfile" << QVariantList{6} << "InvalidArgument"
            << "must be 0-5";
    }
    void refusals() {
        QFETCH(QString, method);
        QFETCH(QVariantList, args);
        QFETCH(QString, error);
        QFETCH(QString, message);
        const int dot = method.lastIndexOf('.');
        const QDBusMessage r = call(method.left(dot), method.mid(dot + 1), args);
        QCOMPARE(r.errorName(), "io.mousecfg.mousecfg.Error." + error);
        QVERIFY2(r.errorMessage().contains(message), qPrintable(r.errorMessage()));
    }

    // A status bar's view: the level as the mouse reports it, each change
    // announced both ways, and no mouse once the receiver is pulled.
    void batteryAndConnection() {
        QVERIFY(QTest::qWaitFor(
            [] { return busProperty(kBusMouseInterface, "BatteryLevel") == 100; }, 10000));
        m_heard.clear();
        m_mouse.setBatteryRaw(849);
        m_session.pausePolling();
        m_session.resumePolling(); // a fresh thread polls at once
        const auto heardBattery = [this] {
            bool named = false, changed = false;
            for (const QDBusMessage& m : m_heard) {
                named |= m.member() == "BatteryChanged" && m.arguments() == QVariantList{40, false};
                changed |= m.member() == "PropertiesChanged" &&
                           m.arguments().value(0) == kBusMouseInterface;
            }
            return named && changed;
        };
        QVERIFY(QTest::qWaitFor(heardBattery, 10000));

        m_mouse.unplug(vm::Link::Receiver);
        m_session.deviceInterface("HID#VID_248A&PID_FA02&Col01", false);
        m_session.deviceInterface("HID#VID_248A&PID_FA02&Col04", false);
        QVERIFY(
            QTest::qWaitFor([] { return busProperty(kBusMouseInterface, "Connected") == false; }));
        QCOMPARE(busProperty(kBusMouseInterface, "BatteryLevel"), QVariant(0));
        const QDBusMessage r = call(kBusMouseInterface, "SelectProfile", {1});
        QCOMPARE(r.errorName(), QString(kBusNoMouse));
    }

private:
    TempAppDir m_app{APP_DIR};
    vm::VirtualMouse m_mouse;
    InProcessHidPort m_port{m_mouse};
    MouseSession m_session;
    AppFollower m_follower;
    std::unique_ptr<MouseBus> m_bus;
    QList<QDBusMessage> m_heard;
};

QTEST_GUILESS_MAIN(TestMouseBus)
#include "test_mousebus.moc"
