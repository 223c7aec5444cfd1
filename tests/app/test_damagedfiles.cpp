// The window over damaged, locked and unwritable settings files: it starts,
// names each file once, and never sends a reset profile's zeros to the mouse.
#include "appconfig.h"
#include "devicetable.h"
#include "inifile.h"
#include "inprocessport.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "mainwindow.h"
#include "paths.h"
#include "profilefile.h"
#include "testutil.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Accepts every notice box and keeps its text; answers file dialogs with `filePath`.
class NoticeReader : public QObject {
public:
    NoticeReader()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                if (dialog->property("read").toBool()) return;
                dialog->setProperty("read", true);
                const QString path = filePath;
                QTimer::singleShot(0, dialog, [dialog, path] {
                    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                        edit->setText(path);
                    static_cast<QDialog*>(dialog)->accept();
                });
                return;
            }
            auto* box = qobject_cast<KestMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("read").toBool()) return;
            box->setProperty("read", true);
            texts << box->text();
            if (box->kind() != KestMessageBox::Disconnect) box->accept();
        });
        m_timer.start();
    }
    QStringList texts;
    QString filePath;

private:
    QTimer m_timer;
};

bool waitFor(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) QTest::qWait(20);
    return condition();
}

} // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void namedOnceAndNothingZeroSent_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("atStart");
        QTest::newRow("random bytes in the current profile")
            << "random" << "Profile \"Profile 1\" was damaged and has been reset." << true;
        QTest::newRow("hostile line in Config.ini")
            << "hostile" << "Configs/Config.ini was damaged; the damaged lines were removed."
            << true;
        QTest::newRow("lock directory")
            << "lock" << "Configs/Config.ini is locked; changes to it are not saved." << false;
        QTest::newRow("directory at the profile's path")
            << "dir" << "Configs/Profile/Profile 1.prof could not be saved." << false;
    }

    void namedOnceAndNothingZeroSent()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, notice);
        QFETCH(bool, atStart);
        TempAppDir app(APP_DIR);
        vm::VirtualMouse mouse;
        InProcessHidPort port(mouse);
        setHidPort(&port);
        mouse.plug(vm::Link::Receiver);
        takeFileNotices();
        setIniLockWaitMs(200);

        const QString profile = profilePathForName("Profile 1");
        if (trouble == "random") {
            QRandomGenerator rng(3);
            QByteArray noise(3000, '\0');
            for (char& c : noise) c = char(rng.bounded(256));
            writeText(profile, noise);
        } else if (trouble == "hostile") {
            const QByteArray hostile = "x=@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)";
            writeText(mainConfigPath(), readText(mainConfigPath()) + "\n[Evil]\n" + hostile + "\n");
        } else if (trouble == "lock") {
            QDir().mkpath(mainConfigPath() + ".lock");
        } else if (trouble == "dir") {
            QFile::remove(profile);
            QDir().mkpath(profile);
        }

        NoticeReader notices;
        {
            MousecfgWidget w;
            QTest::qWait(500);
            if (atStart) QVERIFY(!notices.texts.isEmpty()); // told before any command
            QCOMPARE(w.editedSettings().profiles[0].buttons[0].Fun, 1); // left click kept
            w.editedSettings().profiles[0].scrollspeed = 4;
            QCOMPARE(w.writeToMouse(true), 0); // the mouse still gets what the window shows
            QVERIFY(waitFor([&] { return !notices.texts.isEmpty(); }));
            QVERIFY2(notices.texts.first().split('\n').contains(notice),
                     qPrintable(notices.texts.join(" | ")));
            QVERIFY(mouse.reportRate(0) > 0);

            // Told once: another command brings no second notice of the same kind.
            const int shown = notices.texts.size();
            w.button("btnFront")->click();
            QTest::qWait(100);
            QCOMPARE(notices.texts.size(), shown);
        }
        setHidPort(nullptr);
    }

    void damagedConfigImportChangesNothing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("string list") << "string list";
        QTest::newRow("out of range") << "out of range";
    }

    void damagedConfigImportChangesNothing()
    {
        QFETCH(QString, damage);
        TempAppDir app(APP_DIR);
        vm::VirtualMouse mouse;
        InProcessHidPort port(mouse);
        setHidPort(&port);
        mouse.plug(vm::Link::Receiver);
        NoticeReader notices;
        {
            MousecfgWidget w;
            QTest::qWait(300);
            const QString conf = app.file("saved.conf");
            notices.filePath = conf;
            w.button("btnSaveConfig")->click();
            QVERIFY(notices.texts.isEmpty());
            QByteArray text = readText(conf);
            if (damage == "string list") {
                text += "\n[X]\nx=@Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)\n";
            } else {
                const int at = text.indexOf("\npollrate=", text.indexOf("[PROFILE_1]"));
                QVERIFY(at > 0);
                text.replace(at, text.indexOf('\n', at + 1) - at, "\npollrate=-1");
            }
            writeText(conf, text);

            DeviceSettings& s = w.editedSettings();
            s.profiles[1].scrollspeed = uint8_t(s.profiles[1].scrollspeed + 1);
            const MouseProfile before = s.profiles[1];
            w.button("btnLoadConfig")->click();
            QVERIFY(waitFor([&] { return !notices.texts.isEmpty(); }));
            QCOMPARE(notices.texts.last(),
                     QStringLiteral("The file is damaged and was not loaded."));
            QVERIFY(s.profiles[1] == before);
        }
        setHidPort(nullptr);
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "test_damagedfiles.moc"
