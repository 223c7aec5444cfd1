// The main window on the in-process virtual mouse: construction, the battery
// and connection display, on-mouse changes with their notices, device
// arrivals and removals, and how the profile commands are reached and answered.
#include "appconfig.h"
#include "buttonpanel.h"
#include "devicetable.h"
#include "dpistagepanel.h"
#include "inifile.h"
#include "inprocessport.h"
#include "kestmessagebox.h"
#include "kestprogressbar.h"
#include "kestpushbutton.h"
#include "language.h"
#include "linkstate.h"
#include "mainwindow.h"
#include "mousesession.h"
#include "osdpayload.h"
#include "paths.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMessageBox>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QThread>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

namespace {

// Answers the modal boxes the window opens: records their texts and presses
// accept (or reject) on each.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(bool accept = true) : m_accept(accept) {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    QStringList texts;
    QList<int> kinds;
    // Runs while a disconnect warning is open (its own event loop is running).
    std::function<void()> whileDisconnected;
    // The answer given to file dialogs ("" cancels them).
    QString filePath;
    QStringList fileCaptions;
    void setAccept(bool accept) { m_accept = accept; }

private:
    void poll() {
        // The file dialog's own "replace it?" question.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* question = qobject_cast<QMessageBox*>(top);
            if (question && question->isVisible()) {
                if (QAbstractButton* yes = question->button(QMessageBox::Yes)) yes->click();
                return;
            }
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            if (dialog->property("answered").toBool()) return;
            dialog->setProperty("answered", true);
            fileCaptions << dialog->windowTitle();
            // Answered from a fresh event, so the answer may open its own
            // question while this poll has returned.
            const QString path = filePath;
            QTimer::singleShot(0, dialog, [dialog, path] {
                if (path.isEmpty()) {
                    dialog->reject();
                } else {
                    // Typed into the name field, as a person would.
                    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                        edit->setText(path);
                    static_cast<QDialog*>(dialog)->accept();
                }
            });
            return;
        }
        auto* box = qobject_cast<KestMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool()) return;
        box->setProperty("answered", true);
        texts << box->text();
        kinds << box->kind();
        if (box->kind() == KestMessageBox::Disconnect) {
            // Left to its probe; the test acts while the box is up.
            if (whileDisconnected) QTimer::singleShot(50, whileDisconnected);
            return;
        }
        m_accept ? box->accept() : box->reject();
    }
    QTimer m_timer;
    bool m_accept;
};

// Stands in for the on-screen-display companion: keeps every payload. It
// answers from its own thread, as the real companion answers from its own
// process, because the window waits for the receipt.
class OsdListener {
public:
    OsdListener() {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this] {
                m_server = new QLocalServer;
                QLocalServer::removeServer(osdServerName());
                m_server->listen(osdServerName());
                QObject::connect(m_server, &QLocalServer::newConnection, [this] {
                    while (QLocalSocket* sock = m_server->nextPendingConnection()) {
                        auto buffer = std::make_shared<QByteArray>();
                        QObject::connect(sock, &QLocalSocket::readyRead, [this, sock, buffer] {
                            *buffer += sock->readAll();
                            while (buffer->size() >= kOsdPayloadSize) {
                                {
                                    QMutexLocker lock(&m_mutex);
                                    m_payloads << buffer->left(kOsdPayloadSize);
                                }
                                buffer->remove(0, kOsdPayloadSize);
                                sock->write(QByteArray(1, '\x01')); // the companion's receipt
                            }
                        });
                    }
                });
            },
            Qt::BlockingQueuedConnection);
    }
    ~OsdListener() {
        QMetaObject::invokeMethod(
            &m_context, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    QList<QByteArray> payloads() const {
        QMutexLocker lock(&m_mutex);
        return m_payloads;
    }
    QStringList texts() const {
        QStringList out;
        for (const QByteArray& p : payloads()) {
            OsdNotice notice;
            decodeOsdPayload(p, &notice);
            out << notice.text;
        }
        return out;
    }

private:
    struct Context : QObject {};
    QThread m_thread;
    Context m_context;
    QLocalServer* m_server = nullptr;
    mutable QMutex m_mutex;
    QList<QByteArray> m_payloads;
};

struct Rig {
    // `link`: the mouse comes plugged in through it.
    explicit Rig(std::optional<vm::Link> link = std::nullopt) : app(APP_DIR), port(mouse) {
        setHidPort(&port);
        if (link) mouse.plug(*link);
    }
    ~Rig() { setHidPort(nullptr); }
    TempAppDir app;
    vm::VirtualMouse mouse;
    InProcessHidPort port;
};

// The window as the program has it a moment after its first paint: the
// device side started, and what the session found passed on to the window
// (its reactions, such as the disconnect warning, wait for the event loop).
struct StartedWindow : MainWindow {
    StartedWindow() {
        startDevices();
        QElapsedTimer t;
        t.start();
        while (!session()->known() && t.elapsed() < 5000) {
            QThread::msleep(5);
            QCoreApplication::sendPostedEvents(session(), QEvent::MetaCall);
        }
    }
    // A battery report as the session passes it on.
    void tellBattery(bool off, int level = 0, bool charging = false, bool wired = false) {
        setMouseOffFlag(off);
        BatteryState b;
        b.off = off;
        b.level = level;
        b.charging = charging;
        b.wired = wired;
        onBatteryChanged(b);
    }
    void interface(const char* name, bool arrived) { session()->deviceInterface(name, arrived); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void constructionWithMouse() {
        Rig rig(vm::Link::Receiver);
        rig.mouse.setBatteryMillivolts(3950);
        BoxAnswerer boxes;
        StartedWindow w;
        QCOMPARE(w.connectedMice(), 1);
        QCOMPARE(readCurrentProductName(), QStringLiteral("Qorv Stratos"));
        QCOMPARE(w.currentTab(), int(MainWindow::LightingTab));
        QCOMPARE(w.nameEditText(), QStringLiteral("Profile 1"));
        QCOMPARE(w.profileList(), QStringList({"FPS", "MOBA", "Office"}));
        QVERIFY(QFile::exists(profilePathForName("DefaultProfile")));
        // The first battery report reaches the bar through the status thread.
        QVERIFY(QTest::qWaitFor([&] { return w.batteryLevelShown() == 70; }));
        QCOMPARE(w.connectionDisplayState(), 2);
        QTest::qWait(300);
        QVERIFY(boxes.texts.isEmpty());
    }

    void constructionWithoutMouseWarnsUntilOneArrives() {
        Rig rig;
        BoxAnswerer boxes;
        StartedWindow w;
        QCOMPARE(w.connectedMice(), 0);
        QCOMPARE(w.connectionDisplayState(), 3);
        bool openWhileWaiting = false;
        // The receiver comes while the warning is up: its two collections
        // arrive and the box accepts itself.
        bool timerInBox = false;
        boxes.whileDisconnected = [&] {
            openWhileWaiting = w.warningBoxOpen();
            for (const QTimer* t : w.warningBox()->findChildren<QTimer*>())
                timerInBox |= t->isActive();
            rig.mouse.plug(vm::Link::Receiver);
            w.interface("HID#VID_248A&PID_FA02&Col01", true);
            w.interface("HID#VID_248A&PID_FA02&Col04", true);
        };
        QVERIFY(QTest::qWaitFor([&] { return boxes.texts.contains("Dongle Disconnect!"); }));
        QVERIFY(QTest::qWaitFor([&] { return !w.warningBoxOpen(); }));
        QVERIFY(openWhileWaiting);
        QVERIFY(!timerInBox);
        QCOMPARE(boxes.kinds.last(), int(KestMessageBox::Disconnect));
        QCOMPARE(w.connectedMice(), 1);
        QCOMPARE(readDiff(), 1); // newly seen collections ask for a full write
        QVERIFY(w.isVisible());
    }

    // What the bar shows of a report (the session decodes it).
    void batteryDisplay_data() {
        QTest::addColumn<bool>("off");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<QString>("text");
        QTest::newRow("level") << false << 90 << false << "90%";
        QTest::newRow("wired") << false << 30 << true << "";
        QTest::newRow("off") << true << 0 << false << "MOUSE OFF";
    }
    void batteryDisplay() {
        QFETCH(bool, off);
        QFETCH(int, level);
        QFETCH(bool, wired);
        QFETCH(QString, text);
        Rig rig;
        rig.mouse.plug(wired ? vm::Link::Cable : vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        w.tellBattery(off, level, false, wired);
        if (!off) {
            QCOMPARE(w.batteryLevelShown(), level);
            QCOMPARE(readBattery(), level);
        }
        QCOMPARE(w.batteryText(), text);
        QVERIFY(!w.chargingIconVisible());
    }

    void onMouseChangesAndNotices() {
        Rig rig(vm::Link::Receiver);
        OsdListener osd;
        BoxAnswerer boxes;
        StartedWindow w;
        DeviceSettings& s = w.editedSettings();
        QCOMPARE(int(s.currentProfile), 0);
        // Step 31 is 1600 DPI on the shipped product's 3395 sensor.
        s.current().stages[1].y = 31;
        w.refreshPages(); // as if edited on the DPI tab
        w.onMouseChanged(0, 1, s.current().pollrate);
        QVERIFY(QTest::qWaitFor([&] { return osd.payloads().size() == 1 && !w.noticePending(); }));
        QCOMPARE(osd.texts().last(), QStringLiteral("DPI 2:1600"));
        const QByteArray payload = osd.payloads().last();
        QCOMPARE(payload.size(), 1044);
        QCOMPARE(payload.mid(0, 4), QByteArray("D\0P\0", 4));
        QCOMPARE(qFromLittleEndian<qint32>(payload.constData() + 516), 1500);
        QCOMPARE(qFromLittleEndian<qint32>(payload.constData() + 524), 0x919191);
        QCOMPARE(qFromLittleEndian<qint32>(payload.constData() + 528), 60);
        QCOMPARE(int(s.current().dpi), 1);
        MouseProfile onDisk;
        loadProfileByName(onDisk, s.profileNames[0]);
        QCOMPARE(int(onDisk.dpi), 1);

        w.onMouseChanged(0, 1, 2);
        QVERIFY(QTest::qWaitFor([&] { return osd.payloads().size() == 2 && !w.noticePending(); }));
        QCOMPARE(osd.texts().last(), QStringLiteral("500 HZ"));
        QCOMPARE(int(s.current().pollrate), 2);

        w.onMouseChanged(3, s.profiles[3].dpi, s.profiles[3].pollrate);
        QCOMPARE(int(s.currentProfile), 3);
        QCOMPARE(w.nameEditText(), QStringLiteral("Profile 4"));
        QCOMPARE(
            QSettings(mainConfigPath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 3);

        // The mouse's own DPI button, end to end through the status thread.
        // The mouse reports its own profile, stage and rate; the window follows.
        rig.mouse.pressDpiButton();
        rig.mouse.pressDpiButton();
        const int active = rig.mouse.activeProfile();
        QVERIFY(QTest::qWaitFor([&] {
            return s.currentProfile == active && s.current().dpi == rig.mouse.dpiStage(active) &&
                   s.current().pollrate == rig.mouse.reportRate(active);
        }));
        QVERIFY2(QTest::qWaitFor([&] { return osd.texts().filter("DPI ").size() >= 2; }),
                 qPrintable(osd.texts().join(" / ")));
        // What the mouse changed itself is on it: only the window's own edit
        // (the stage's value above) is left to send.
        s.profiles[0].stages[1].y = w.sentSettings().profiles[0].stages[1].y;
        w.onMouseChanged(active, rig.mouse.dpiStage(active), rig.mouse.reportRate(active));
        QTRY_VERIFY(!w.unsentMarkShown());
    }

    void lastConnectionPulled() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        w.tellBattery(false, 30, false, true); // on the cable the bar holds 100
        rig.mouse.unplug(vm::Link::Receiver);
        bool stillOpenAfterOne = false;
        auto* bar = QAccessible::queryAccessibleInterface(w.findChild<KestProgressBar*>());
        QStringList unplugged;
        // Plugging back closes the box by itself; one collection is not a connection.
        boxes.whileDisconnected = [&] {
            unplugged << bar->valueInterface()->currentValue().toString()
                      << bar->text(QAccessible::Name);
            rig.mouse.plug(vm::Link::Receiver);
            w.interface("HID#VID_248A&PID_FA02&Col01", true);
            QTest::qWait(300);
            stillOpenAfterOne = w.warningBoxOpen();
            w.interface("HID#VID_248A&PID_FA02&Col04", true);
        };
        w.interface("HID#VID_248A&PID_FA02&Col04", false);
        w.interface("HID#VID_248A&PID_FA02&Col01", false);
        QVERIFY(QTest::qWaitFor([&] { return w.connectedMice() == 0; }));
        QVERIFY(QTest::qWaitFor([&] { return boxes.texts.contains("Dongle Disconnect!"); }));
        QVERIFY(QTest::qWaitFor([&] { return !w.warningBoxOpen(); }));
        QVERIFY(stillOpenAfterOne);
        QCOMPARE(unplugged, QStringList({"0", "Battery: mouse not connected"}));
        QVERIFY(QTest::qWaitFor([&] { return deviceHandles().receiverCommand.isOpen(); }));
    }

    // The window worked through accessibility actions alone, as a screen reader does.
    void accessibilityActionsReachTheMouse() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.button("tab0")); // the tab shown, not Close
        auto act = [](QObject* control, const QString& action) {
            QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(action);
        };
        act(w.button("tab2"), QAccessibleActionInterface::toggleAction());
        QCOMPARE(w.currentTab(), int(MainWindow::DpiTab));
        act(w.button("slot3"), QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(rig.mouse.activeProfile(), 3);
        act(w.findChild<QAbstractButton*>("lift2Box"), QAccessibleActionInterface::toggleAction());
        act(w.button("btnApply"), QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(int(w.sentSettings().LiftHigh), 2); // from 1
        QCOMPARE(rig.mouse.block(3, 1).at(5) & 0x0f, 2);
    }

    void deleteRefusedBeforeTheQuestion_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("not in the list") << "Nobody"
                                         << "The profile does not exist.";
        QTest::newRow("bound but never listed")
            << "Profile 2"
            << "The default Profile cannot be deleted or renamed.";
    }
    void deleteRefusedBeforeTheQuestion() {
        QFETCH(QString, typed);
        QFETCH(QString, notice);
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        const QStringList before = w.profileList();
        w.findChild<QLineEdit*>()->setText(typed);
        w.button("btnDelete")->click();
        QCOMPARE(boxes.texts, QStringList{notice}); // and no "Are you sure" first
        QCOMPARE(w.profileList(), before);
    }

    void addWhileUnpluggedStaysInTheProductFolder() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QTest::qWait(100);
        const QString product = readCurrentProductName();
        QVERIFY(!product.isEmpty());
        QString productWhileOut;
        QString added;
        boxes.whileDisconnected = [&] {
            productWhileOut = readCurrentProductName();
            w.button("btnAdd")->click();
            added = w.nameEditText();
            rig.mouse.plug(vm::Link::Receiver);
            w.interface("HID#VID_248A&PID_FA02&Col01", true);
            w.interface("HID#VID_248A&PID_FA02&Col04", true);
        };
        rig.mouse.unplug(vm::Link::Receiver);
        w.interface("HID#VID_248A&PID_FA02&Col04", false);
        w.interface("HID#VID_248A&PID_FA02&Col01", false);
        QVERIFY(QTest::qWaitFor([&] { return w.connectedMice() == 0; }));
        QCOMPARE(readCurrentProductName(), product);
        QVERIFY(QTest::qWaitFor([&] { return boxes.texts.contains("Dongle Disconnect!"); }));
        QVERIFY(QTest::qWaitFor([&] { return !w.warningBoxOpen(); }));
        QCOMPARE(productWhileOut, product);
        QVERIFY(!added.isEmpty());
        QVERIFY(QFile::exists(productProfileFolder(product) + added + ".prof"));
        QVERIFY(readProfileList().contains(added));
        const QSettings top(mainConfigPath(), QSettings::IniFormat);
        QVERIFY(!top.contains("PROFILE_LIST/Count"));
        QCOMPARE(readCurrentProductName(), product);
    }

    void keptProductNameStaysInsideTheFolders_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("kept");
        QTest::newRow("the product") << "Qorv Stratos"
                                     << "Qorv Stratos";
        QTest::newRow("leads outside") << "../../mousecfg-outside"
                                       << "";
        QTest::newRow("absolute") << "/tmp/mousecfg-outside"
                                  << "";
    }
    void keptProductNameStaysInsideTheFolders() {
        QFETCH(QString, stored);
        QFETCH(QString, kept);
        Rig rig;
        BoxAnswerer boxes;
        QSettings(mainConfigPath(), QSettings::IniFormat)
            .setValue("Config/CurrentProductName", stored);
        const QString outside = QDir::cleanPath(configDir() + "/../../mousecfg-outside");
        QDir(outside).removeRecursively();
        StartedWindow w;
        QCOMPARE(w.connectedMice(), 0);
        QCOMPARE(readCurrentProductName(), kept);
        w.button("btnAdd")->click();
        const bool escaped =
            QFileInfo::exists(outside) || QFileInfo::exists("/tmp/mousecfg-outside");
        QDir(outside).removeRecursively();
        QDir("/tmp/mousecfg-outside").removeRecursively();
        QVERIFY(!escaped);
        if (!kept.isEmpty()) QVERIFY(QFile::exists(ProfileLibrary::pathFor(w.nameEditText())));
    }

    void applyWritesOnlyWhatChanged() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        writeDiff(0);
        StartedWindow w;
        QTest::qWait(100);
        rig.mouse.clearLog();
        // Nothing changed: nothing is sent, no message.
        QCOMPARE(w.writeToMouse(false), 0);
        QCOMPARE(rig.mouse.logLines().size(), size_t(0) + countPolls(rig));
        QVERIFY(boxes.texts.isEmpty());

        // The mouse is off: the notice, and nothing sent.
        w.tellBattery(true);
        w.editedSettings().current().pollrate = 8;
        rig.mouse.clearLog();
        QCOMPARE(w.writeToMouse(false), 5);
        QCOMPARE(boxes.texts.last(), QStringLiteral("Mouse is sleeping or not connected."));
        QCOMPARE(countWrites(rig), 0);

        // A failing mouse: the notice, and a full write pending, marked.
        w.tellBattery(false, 90);
        rig.mouse.injectFault(vm::Fault::WriteFail, 1);
        QCOMPARE(w.writeToMouse(false), 4);
        QCOMPARE(boxes.texts.last(), QStringLiteral("Send data failed, please try again."));
        QCOMPARE(readDiff(), 1);
        QTRY_VERIFY(w.unsentMarkShown());

        // Then everything goes, and the flag and the mark clear.
        QCOMPARE(w.writeToMouse(false), 0);
        QCOMPARE(readDiff(), 0);
        QCOMPARE(rig.mouse.reportRate(0), 8);
        QTRY_VERIFY(!w.unsentMarkShown());
    }

    void profileWithoutLeftClickNotSent() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        for (ButtonInfo& b : w.editedSettings().current().buttons)
            b.Fun = 0;
        rig.mouse.clearLog();
        QCOMPARE(w.writeToMouse(true), 7);
        QCOMPARE(boxes.texts.last(), QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
        QCOMPARE(countWrites(rig), 0);
    }

    // The name field and the profile menu reach the profile commands (which
    // have their own test); a refusal's notice is shown.
    void profileCommands() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        DeviceSettings& s = w.editedSettings();

        // Rename by Enter of a protected name: refused, the field shows it again.
        s.profileNames[0] = "Profile 3";
        auto* edit = w.findChild<QLineEdit*>();
        edit->setText("Other");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(boxes.texts.last(),
                 QStringLiteral("The default Profile cannot be deleted or renamed."));
        QCOMPARE(w.nameEditText(), QStringLiteral("Profile 3"));

        // Choosing a name bound to another on-mouse profile is refused.
        s.profileNames[2] = "FPS";
        QVERIFY(triggerMenuAction(w, "FPS"));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Profile is Already Used!"));
        QVERIFY(s.profileNames[0] != "FPS");
        QVERIFY(triggerMenuAction(w, "MOBA"));
        QCOMPARE(s.profileNames[0], QStringLiteral("MOBA"));
        QCOMPARE(w.nameEditText(), QStringLiteral("MOBA"));
    }

    void configExportAndImport() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        DeviceSettings& s = w.editedSettings();
        s.profiles[2].scrollspeed = 7;
        const QString path = rig.app.file("saved.conf");
        writeText(path, "[Stale]\nkey=1\n"); // the dialog already agreed to replace it
        boxes.filePath = path;
        w.button("btnSaveConfig")->click();
        QCOMPARE(boxes.fileCaptions.last(), QStringLiteral("Save Config File"));
        QCOMPARE(readProductTag(path), QStringLiteral("Qorv Stratos"));
        QVERIFY(!readText(path).contains("[Stale]"));
        QVERIFY(boxes.texts.isEmpty());

        // Loading it back after a change restores the saved values and writes them.
        s.profiles[2].scrollspeed = 2;
        rig.mouse.clearLog();
        w.button("btnLoadConfig")->click();
        QCOMPARE(boxes.fileCaptions.last(), QStringLiteral("Load Config File"));
        QCOMPARE(int(s.profiles[2].scrollspeed), 7);
        QVERIFY(countWrites(rig) > 0);

        // Another product's file is ignored without a word.
        writeProductTag(path, "Someone Else");
        s.profiles[2].scrollspeed = 3;
        w.button("btnLoadConfig")->click();
        QCOMPARE(int(s.profiles[2].scrollspeed), 3);
        QVERIFY(boxes.texts.isEmpty());
    }

    void profileFileExportAndForeignImport() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        QVERIFY(triggerMenuAction(w, "FPS")); // bind a library profile with a file
        const QString out = rig.app.file("fps-out.prof");
        writeText(out, "old");
        boxes.filePath = out;
        w.button("btnExportProfile")->click();
        QCOMPARE(boxes.fileCaptions.last(), QStringLiteral("Save Profile File"));
        QCOMPARE(readProductTag(out), QStringLiteral("Qorv Stratos"));

        const QString foreign = rig.app.file("Foreign.prof");
        writeText(foreign, "[MouseName]\nName=Other Mouse\n[PROFILE]\npollrate=8\n");
        boxes.filePath = foreign;
        w.button("btnImportProfile")->click();
        QCOMPARE(boxes.texts.last(), QStringLiteral("The file is not match current mouse!"));
        QVERIFY(!QFile::exists(ProfileLibrary::pathFor("Foreign")));
        QVERIFY(!w.profileList().contains("Foreign"));
    }

    void resetAndResetAll() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes(false);
        StartedWindow w;
        QTest::qWait(100);
        DeviceSettings& s = w.editedSettings();
        s.current().buttons[1].Fun = 16;
        w.button("btnReset")->click();
        QCOMPARE(boxes.texts.last(), QStringLiteral("Are you sure you want reset this profile?"));
        QCOMPARE(s.current().buttons[1].Fun, 16); // declined
        boxes.setAccept(true);
        w.button("btnReset")->click();
        QCOMPARE(s.current().buttons[1].Fun, 2);

        s.profileNames[3] = "Mine";
        s.profiles[4].pollrate = 8;
        rig.mouse.clearLog();
        w.button("btnResetAll")->click();
        QCOMPARE(boxes.texts.last(), QStringLiteral("Are you sure you want reset all profiles?"));
        QCOMPARE(s.profileNames[3], QStringLiteral("Profile 4"));
        QCOMPARE(int(s.profiles[4].pollrate), 8); // only the first profile is renewed
        // Everything was sent: every block of the mouse's profile 0 is there.
        for (int block = 1; block <= 4; ++block)
            QVERIFY(!rig.mouse.block(0, block).empty());
        QCOMPARE(readDiff(), 0);
    }

    // Without a tray a hidden window could not be reached again: closing quits.
    void closeWithoutTrayQuits() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // offscreen has none
        // The application's own loop: the quit ends it, and it leaves no
        // quit behind for the dialogs of the tests that follow.
        QTimer::singleShot(0, &w, [&] { w.button("btnClose")->click(); });
        QTimer::singleShot(5000, &w, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void closeAsksAboutUnappliedChanges() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        writeDiff(0);
        StartedWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.editedSettings().LiftHigh = w.editedSettings().LiftHigh == 1 ? 2 : 1;
        const int lift = w.editedSettings().LiftHigh;
        w.refreshPages();
        QTRY_VERIFY(w.unsentMarkShown());
        // "Stay": nothing is sent and the window stays with its edit.
        boxes.setAccept(false);
        w.button("btnClose")->click();
        QCOMPARE(boxes.kinds.last(), int(KestMessageBox::ApplyDiscardStay));
        QVERIFY(w.isVisible());
        QCOMPARE(int(w.editedSettings().LiftHigh), lift);
        // "Apply": written, then the window goes (here, with no tray, the program).
        boxes.setAccept(true);
        QTimer::singleShot(0, &w, [&] { w.button("btnClose")->click(); });
        QTimer::singleShot(8000, &w, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(readDiff(), 0);
        QCOMPARE(int(w.sentSettings().LiftHigh), lift);
    }

    void firmwareCommand() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        QTest::mousePress(w.button("btnFirmware"), Qt::LeftButton);
        QCOMPARE(
            boxes.texts.last(),
            QStringLiteral("To update the firmware, please connect to the computer with a cable."));
        // With the cable: the question, then no updater to start, and the program stays.
        rig.mouse.plug(vm::Link::Cable);
        w.interface("HID#VID_248A&PID_FB01&Col01", true);
        w.interface("HID#VID_248A&PID_FB01&Col04", true);
        QVERIFY(QTest::qWaitFor([&] { return w.session()->connection().cableMouse; }));
        QTest::mousePress(w.button("btnFirmware"), Qt::LeftButton);
        QCOMPARE(boxes.texts.at(boxes.texts.size() - 2),
                 QStringLiteral("Do you want to upgrade the firmware?"));
        QCOMPARE(boxes.texts.last(), QStringLiteral("The firmware updater could not be started."));
    }

    // The profiles not in use are read beside the first paint; input that
    // comes before the mouse is looked for waits for them.
    void inputBeforeTheDeviceStartWaitsForEveryProfile() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        MainWindow w; // as in the moment after the first paint
        const DeviceSettings& s = w.editedSettings();
        QCOMPARE(s.profiles[1].ProfileName, QString());
        QTest::keyClick(w.findChild<QLineEdit*>(), Qt::Key_End);
        DeviceSettings onDisk;
        loadSettings(onDisk);
        for (int i = 1; i < kProfileCount; ++i) {
            QVERIFY(s.profiles[i] == onDisk.profiles[i]);
            QVERIFY(w.sentSettings().profiles[i] == onDisk.profiles[i]);
        }
        QVERIFY(!w.devicesStarted());
    }

    // A page not opened yet holds nothing of its own: Apply, the mouse's own
    // profile switch and a language change pass it by, and opening it shows
    // the settings of that moment without changing them. An edit made on it
    // afterwards survives leaving its tab.
    void unopenedPageNeitherLosesNorInventsEdits() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(100);
        QVERIFY(!w.pageBuilt(MainWindow::DpiTab));
        QVERIFY(!w.findChild<DpiStagePanel*>());
        DeviceSettings& s = w.editedSettings();
        s.current().stages[1].y = 31;
        s.current().pollrate = 2;
        const DeviceSettings edited = s;
        w.button("btnApply")->click();
        QVERIFY(sameSettings(w.sentSettings(), edited));
        QCOMPARE(int(rig.mouse.reportRate(0)), 2);

        w.onMouseChanged(3, s.profiles[3].dpi, s.profiles[3].pollrate);
        QVERIFY(triggerMenuAction(w, QStringLiteral("Deutsch")));
        QVERIFY(!w.pageBuilt(MainWindow::DpiTab));
        const DeviceSettings beforeOpening = s;
        w.selectTab(MainWindow::DpiTab);
        auto* page = w.findChild<DpiStagePanel*>();
        QVERIFY(page && !page->isHidden());
        QCOMPARE(int(page->dpi()), int(s.profiles[3].dpi));
        w.collectPages();
        QVERIFY(sameSettings(s, beforeOpening));

        const int stage = (page->dpi() + 1) % page->stageCount();
        page->selectStage(stage);
        w.selectTab(MainWindow::LightingTab);
        w.button("btnApply")->click();
        QCOMPARE(int(w.sentSettings().current().dpi), stage);
        QCOMPARE(int(rig.mouse.dpiStage(3)), stage);
    }

    // The CUSTOMIZE tab: built on first opening, its markers named after the
    // rows they stand for and lit from them, its picks refused while the
    // macro page holds the window, and the macro page opened for a macro
    // when there is none yet.
    void customizePageAndMarkers() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QVERIFY(!w.pageBuilt(MainWindow::CustomizeTab));
        w.selectTab(MainWindow::CustomizeTab);
        auto* window = w.findChild<ButtonPanel*>();
        QVERIFY(window && window->isVisible());
        const QStringList labels = {"Left", "Right",      "Middle",     "Forward",
                                    "Back", "DPI Switch", "Rate Switch"};
        for (int i = 0; i < 20; ++i) {
            KestPushButton* marker = w.button(QStringLiteral("marker%1").arg(i));
            QCOMPARE(marker->toolTip(), labels.value(i));
            QCOMPARE(marker->isVisible(), i < labels.size());
        }
        QCOMPARE(w.button("wheelUp")->toolTip(), QStringLiteral("Scroll Up"));
        QCOMPARE(w.button("sideMarker0")->toolTip(), QStringLiteral("Forward"));
        // The names follow the language.
        QVERIFY(triggerMenuAction(w, QStringLiteral("Deutsch")));
        QCOMPARE(w.button("marker1")->toolTip(), QStringLiteral("Rechts"));
        QVERIFY(triggerMenuAction(w, QStringLiteral("English")));
        QCOMPARE(w.button("marker1")->toolTip(), QStringLiteral("Right"));

        // A row lights its marker while the pointer is on it.
        KestPushButton* third = window->buttonForRecord(2);
        emit third->OverSignal(third, true);
        QCOMPARE(w.button("marker2")->visualState(), KestPushButton::Hover);
        emit third->OverSignal(third, false);
        QCOMPARE(w.button("marker2")->visualState(), KestPushButton::Normal);

        // A pick changes the label, the marker's name and, on Apply, the mouse.
        window->slotMouseEnter(third);
        window->actionFor(45)->trigger(); // Mute
        QCOMPARE(w.button("marker2")->toolTip(), QStringLiteral("Mute"));
        w.button("btnApply")->click();
        QCOMPARE(w.sentSettings().current().buttons[2].Fun, 45);

        // While the macro page records, nothing on this page opens.
        w.slotEnableButtons(false);
        QVERIFY(!window->isEnabled());
        bool opened = false;
        QTimer::singleShot(200, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened = true;
                popup->close();
            }
        });
        w.button("marker1")->click();
        QTest::qWait(300);
        QVERIFY(!opened);
        w.slotEnableButtons(true);
        QVERIFY(window->isEnabled());

        // A macro without any macro saved goes to the macro page instead.
        window->slotMouseEnter(window->buttonForRecord(3));
        window->actionFor(200)->trigger();
        QTRY_COMPARE(w.currentTab(), int(MainWindow::MacroTab));
        QCOMPARE(w.editedSettings().current().buttons[3].Fun, 4);
        QVERIFY(boxes.texts.isEmpty());
    }

    void tabReachesEveryCommandInOrder() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.selectTab(MainWindow::DpiTab);
        auto* page = w.findChild<DpiStagePanel*>();
        QVERIFY(page && page->isVisible());
        w.button("tab0")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 300 && !visited.contains("btnClose"); ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (auto* b = qobject_cast<KestPushButton*>(focus))
                visited << b->objectName();
            else if (page->isAncestorOf(focus) && !visited.contains("page"))
                visited << "page";
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        const QStringList expected = {"tab0",
                                      "tab1",
                                      "tab2",
                                      "tab3",
                                      "slot0",
                                      "slot4",
                                      "btnSlotMenu",
                                      "btnProfileList",
                                      "btnApplyName",
                                      "btnAdd",
                                      "btnCopy",
                                      "btnDelete",
                                      "btnReset",
                                      "btnResetAll",
                                      "btnLoadConfig",
                                      "btnSaveConfig",
                                      "btnImportProfile",
                                      "btnExportProfile",
                                      "page",
                                      "btnFirmware",
                                      "btnOk",
                                      "btnCancel",
                                      "btnApply",
                                      "btnLanguage",
                                      "btnMin",
                                      "btnClose"};
        int at = -1;
        for (const QString& name : expected) {
            const int found = visited.indexOf(name, at + 1);
            QVERIFY2(found > at, qPrintable(name + " after " + visited.mid(0, at + 1).join(' ')));
            at = found;
        }
        for (const QString& name : visited)
            // The picture's pointers stay out.
            QVERIFY2(!name.startsWith("marker"), qPrintable(name));
    }

    void keysActivateTheFocusedControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Space on the DPI tab") << "tab2" << int(Qt::Key_Space) << "dpi tab";
        QTest::newRow("Return on ADD") << "btnAdd" << int(Qt::Key_Return) << "added";
        QTest::newRow("Enter on Apply") << "btnApply" << int(Qt::Key_Enter) << "written";
    }
    void keysActivateTheFocusedControl() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, effect);
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::qWait(100);
        const int listed = w.profileList().size();
        w.editedSettings().current().pollrate = 8;
        w.refreshPages(); // as if chosen on the DPI tab
        KestPushButton* b = w.button(control);
        b->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key(key));
        if (effect == "dpi tab") QCOMPARE(w.currentTab(), int(MainWindow::DpiTab));
        if (effect == "added") QCOMPARE(w.profileList().size(), listed + 1);
        if (effect == "written")
            QVERIFY(QTest::qWaitFor([&] { return rig.mouse.reportRate(0) == 8; }));
    }

    void mouseOffFitsInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("offText");
        QTest::addColumn<QString>("qtLookIn"); // Qt's own file dialog text
        QTest::newRow("English") << "English"
                                 << "MOUSE OFF"
                                 << "Look in:";
        QTest::newRow("French") << QString::fromUtf8("Français") << QString::fromUtf8("ÉTEINTE")
                                << "Voir dans :";
        QTest::newRow("German") << "Deutsch"
                                << "MAUS AUS"
                                << "Suchen in:";
        QTest::newRow("Chinese") << QString::fromUtf8("简体中文") << QString::fromUtf8("鼠标关闭")
                                 << QString::fromUtf8("查找范围：");
    }
    void mouseOffFitsInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, offText);
        QFETCH(QString, qtLookIn);
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        // Through another language first: what it loaded must not stay behind.
        QVERIFY(triggerMenuAction(w, QStringLiteral("Deutsch")));
        QVERIFY(triggerMenuAction(w, language));
        w.tellBattery(true);
        auto* bar = w.findChild<KestProgressBar*>();
        QVERIFY(bar);
        bar->ensurePolished();
        QCOMPARE(bar->text(), offText);
        QVERIFY2(QFontMetrics(bar->font()).horizontalAdvance(bar->text()) <= bar->width(),
                 qPrintable(
                     QStringLiteral("%1 px in %2").arg(bar->font().pixelSize()).arg(bar->width())));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), qtLookIn);
    }

    void languageSwitchKeepsIndexWithoutCatalogue() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        QDir(rig.app.file("lang")).removeRecursively();
        StartedWindow w;
        QVERIFY(triggerMenuAction(w, QString::fromUtf8("Deutsch")));
        QCOMPARE(readLanguageId(), 2);
        QCOMPARE(currentLanguageIndex(), 2);
        QCOMPARE(w.button("btnLanguage")->label(), QStringLiteral("Deutsch"));
        QCOMPARE(w.button("btnApply")->label(), QStringLiteral("Apply")); // still English
    }

    // Damaged, locked and unwritable settings files: the window starts,
    // names each file once, and never sends a reset profile's zeros.
    void namedOnceAndNothingZeroSent_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("atStart");
        QTest::newRow("random bytes in the current profile")
            << "random"
            << "Profile \"Profile 1\" was damaged and has been reset." << true;
        QTest::newRow("hostile line in Config.ini")
            << "hostile"
            << "Configs/Config.ini was damaged; the damaged lines were removed." << true;
        QTest::newRow("lock directory")
            << "lock"
            << "Configs/Config.ini is locked; changes to it are not saved." << false;
        QTest::newRow("directory at the profile's path")
            << "dir"
            << "Configs/Profile/Profile 1.prof could not be saved." << false;
    }
    void namedOnceAndNothingZeroSent() {
        QFETCH(QString, trouble);
        QFETCH(QString, notice);
        QFETCH(bool, atStart);
        Rig rig(vm::Link::Receiver);
        takeFileNotices();
        setIniLockWaitMs(200);
        const QString profile = profilePathForName("Profile 1");
        if (trouble == "random") writeText(profile, randomBytes(3000, 3));
        if (trouble == "hostile")
            writeText(mainConfigPath(),
                      readText(mainConfigPath()) + "\n[Evil]\nx=" + kHostileStringList + "\n");
        if (trouble == "lock") QDir().mkpath(mainConfigPath() + ".lock");
        if (trouble == "dir") {
            QFile::remove(profile);
            QDir().mkpath(profile);
        }
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(500);
        if (atStart) QVERIFY(!boxes.texts.isEmpty());               // told before any command
        QCOMPARE(w.editedSettings().profiles[0].buttons[0].Fun, 1); // left click kept
        w.editedSettings().profiles[0].scrollspeed = 4;
        QCOMPARE(w.writeToMouse(true), 0); // the mouse still gets what the window shows
        QVERIFY(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }));
        QVERIFY2(boxes.texts.first().split('\n').contains(notice),
                 qPrintable(boxes.texts.join(" | ")));
        QVERIFY(rig.mouse.reportRate(0) > 0);
        // Told once: another command brings no second notice of the same kind.
        const int shown = boxes.texts.size();
        w.button("btnFront")->click();
        QTest::qWait(100);
        QCOMPARE(boxes.texts.size(), shown);
    }

    // The window's side of a refused import: the notice, and nothing applied.
    void damagedConfigImportChangesNothing() {
        Rig rig(vm::Link::Receiver);
        BoxAnswerer boxes;
        StartedWindow w;
        QTest::qWait(300);
        const QString conf = rig.app.file("saved.conf");
        boxes.filePath = conf;
        w.button("btnSaveConfig")->click();
        QVERIFY(boxes.texts.isEmpty());
        writeText(conf, readText(conf) + "\n[X]\nx=" + kHostileStringList + "\n");
        DeviceSettings& s = w.editedSettings();
        s.profiles[1].scrollspeed = uint8_t(s.profiles[1].scrollspeed + 1);
        const MouseProfile before = s.profiles[1];
        w.button("btnLoadConfig")->click();
        QVERIFY(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }));
        QCOMPARE(boxes.texts.last(), QStringLiteral("The file is damaged and was not loaded."));
        QVERIFY(s.profiles[1] == before);
    }

    // The front view shows the lighting of the profile in use: its colour on
    // the lit parts, no light for OFF, the drawn light where the product has
    // no lighting or the picture no mask.
    void mouseViewFollowsLighting_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("expected");
        const QColor green(0, 255, 0);
        const int lighting = MainWindow::LightingTab;
        const int customise = MainWindow::CustomizeTab;
        QTest::newRow("FULL LIGHTED") << lighting << 1 << green << ""
                                      << "colour";
        QTest::newRow("CUSTOMIZE, FULL LIGHTED") << customise << 1 << green << ""
                                                 << "colour";
        QTest::newRow("OFF") << lighting << 0 << green << ""
                             << "dark";
        QTest::newRow("RAINBOW") << lighting << 4 << green << ""
                                 << "spectrum";
        QTest::newRow("no lighting") << customise << 1 << green << "nolight"
                                     << "drawn";
        QTest::newRow("mask missing") << lighting << 1 << green << "nomask"
                                      << "drawn";
        QTest::newRow("mask damaged") << lighting << 1 << green << "badmask"
                                      << "drawn";
    }
    void mouseViewFollowsLighting() {
        QFETCH(int, tab);
        QFETCH(int, effect);
        QFETCH(QColor, colour);
        QFETCH(QString, trouble);
        QFETCH(QString, expected);
        Rig rig(vm::Link::Receiver);
        const QString mask =
            rig.app.file("skin/mouse/" + readCurrentProductName() + "/Mouse_light.png");
        QVERIFY(QFile::exists(mask));
        if (trouble == "nolight")
            writeText(productDefinitionPath(),
                      readText(productDefinitionPath()).replace("ledDisable=0", "ledDisable=1"));
        if (trouble == "nomask") QFile::remove(mask);
        if (trouble == "badmask") writeText(mask, randomBytes(5000, 7));
        BoxAnswerer boxes;
        StartedWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.selectTab(tab);
        // Another profile's lighting first: the switch must bring this one's.
        MouseProfile& p = w.editedSettings().profiles[2];
        p.LedMode = uint8_t(effect);
        p.ledModes[effect].RGB = colour;
        w.editedSettings().profiles[1].LedMode = 1;
        w.editedSettings().profiles[1].ledModes[1].RGB = QColor(255, 0, 0);
        w.switchSlot(1, false);
        w.switchSlot(2, false);
        const auto* view = w.findChild<QLabel*>("mouseView");
        QVERIFY(view);
        QVERIFY(QTest::qWaitFor([&] { return !view->pixmap(Qt::ReturnByValue).isNull(); }));
        QVERIFY(view->isVisible());
        const QImage shown =
            view->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
        // The lit pixels: saturated and bright; the drawn light is cyan.
        int drawnLight = 0, lit = 0, inColour = 0;
        QSet<int> sectors;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = QColor::fromRgba(shown.pixel(x, y));
                if (c.alpha() < 128 || c.hsvSaturation() < 100 || c.value() < 100) continue;
                const int h = c.hsvHue();
                ++lit;
                sectors << h / 60;
                drawnLight += h >= 170 && h <= 210;
                inColour += std::abs(h - colour.hsvHue()) <= 20;
            }
        const QString counts = QStringLiteral("lit %1, drawn %2, in colour %3, hues %4")
                                   .arg(lit)
                                   .arg(drawnLight)
                                   .arg(inColour)
                                   .arg(sectors.size());
        const int match = expected == "colour" ? inColour : expected == "drawn" ? drawnLight : lit;
        if (expected == "spectrum")
            QVERIFY2(sectors.size() >= 3, qPrintable(counts));
        else
            QVERIFY2(match == lit && (expected == "dark") == (lit == 0), qPrintable(counts));
    }

private:
    static bool triggerMenuAction(QWidget& w, const QString& text) {
        for (QMenu* menu : w.findChildren<QMenu*>())
            for (QAction* a : menu->actions())
                if (a->text() == text) {
                    a->trigger();
                    return true;
                }
        return false;
    }
    static size_t countPolls(Rig& rig) {
        size_t polls = 0;
        for (const std::string& line : rig.mouse.logLines())
            if (line.find(" out 05 24 fa 48") != std::string::npos) ++polls;
        return polls;
    }
    static int countWrites(Rig& rig) {
        int writes = 0;
        for (const std::string& line : rig.mouse.logLines())
            if (line.find(" out ") != std::string::npos &&
                line.find(" out 05 24 fa 48") == std::string::npos)
                ++writes;
        return writes;
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
