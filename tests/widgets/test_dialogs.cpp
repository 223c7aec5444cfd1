// The message box kinds and the progress dialog, run modally as the program
// runs them.
#include "kestmessagebox.h"
#include "kestoverlay.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "kittheme.h"
#include "paths.h"
#include <QLabel>

#include <QMovie>
#include <QThread>
#include <QtTest>

namespace {

// Fails a test that would otherwise hang in exec(): closes every open modal
// dialog after `ms` and records that it had to.
struct Watchdog {
    bool fired = false;
    QTimer timer;
    explicit Watchdog(int ms) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                fired = true;
                static_cast<QDialog*>(w)->done(-1);
            }
        });
        timer.start(ms);
    }
};

} // namespace

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void cleanupTestCase() { setAppDirOverride(QString()); }

    void buttonsPerKind_data();
    void buttonsPerKind();
    void longTextIsNotCut_data();
    void longTextIsNotCut();
    void execResults_data();
    void execResults();
    void disconnectWarningAcceptsItself_data();
    void disconnectWarningAcceptsItself();
    void processDialogClosesOnWorkerSignal_data();
    void processDialogClosesOnWorkerSignal();
    void processDialogAnimation();
    void builtInImages_data();
    void builtInImages();
};

void DialogTest::buttonsPerKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("acceptText");
    QTest::addColumn<bool>("hasReject");
    QTest::newRow("question") << 1 << "Yes" << true;
    QTest::newRow("notice") << 2 << "Ok" << false;
    QTest::newRow("kind 3") << 3 << "Ok" << false;
    QTest::newRow("disconnect") << 4 << "Ok" << false;
    QTest::newRow("kind 0") << 0 << "Ok" << false;
}

void DialogTest::buttonsPerKind() {
    QFETCH(int, kind);
    QFETCH(QString, acceptText);
    QFETCH(bool, hasReject);
    KestMessageBox box(nullptr, QStringLiteral("Warning"), QStringLiteral("Profile Exist!"), kind);
    QCOMPARE(box.title(), QStringLiteral("Warning"));
    QCOMPARE(box.text(), QStringLiteral("Profile Exist!"));
    QVERIFY(box.acceptButton());
    QCOMPARE(box.acceptButton()->text(), acceptText);
    QCOMPARE(box.rejectButton() != nullptr, hasReject);
    if (hasReject) QCOMPARE(box.rejectButton()->text(), QStringLiteral("No"));
    QCOMPARE(box.findChildren<KestPushButton*>().size(), hasReject ? 2 : 1);
    QVERIFY(box.isModal());
}

void DialogTest::longTextIsNotCut_data() {
    QTest::addColumn<int>("words");
    QTest::newRow("short") << 3;
    QTest::newRow("two lines") << 14;
    QTest::newRow("a paragraph") << 120;
}

void DialogTest::longTextIsNotCut() {
    QFETCH(int, words);
    QStringList text;
    for (int i = 0; i < words; ++i)
        text << QStringLiteral("word%1").arg(i);
    KestMessageBox box(nullptr, QStringLiteral("Warning"), text.join(' '), 2);
    const QLabel* label = nullptr;
    for (const QLabel* l : box.findChildren<QLabel*>())
        if (l->text() == text.join(' ')) label = l;
    QVERIFY(label);
    const int needed =
        label->fontMetrics()
            .boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text())
            .height();
    QVERIFY(label->height() >= needed);
    // The text stays above the button row.
    QVERIFY(label->geometry().bottom() < box.acceptButton()->geometry().top());
    QVERIFY(box.height() >= KestMessageBox::kHeight);
}

void DialogTest::execResults_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("question yes") << 1 << "accept" << 1;
    QTest::newRow("question no") << 1 << "reject" << 0;
    QTest::newRow("notice ok") << 2 << "accept" << 1;
    QTest::newRow("notice escape") << 2 << "escape" << 0;
    QTest::newRow("disconnect ok") << 4 << "accept" << 1;
}

void DialogTest::execResults() {
    QFETCH(int, kind);
    QFETCH(QString, action);
    QFETCH(int, result);
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    KestMessageBox box(&parent, QStringLiteral("Warning"), QStringLiteral("text"), kind);
    QTimer::singleShot(50, &box, [&] {
        if (action == "accept")
            QTest::mouseClick(box.acceptButton(), Qt::LeftButton);
        else if (action == "reject")
            QTest::mouseClick(box.rejectButton(), Qt::LeftButton);
        else
            QTest::keyClick(&box, Qt::Key_Escape);
    });
    bool dimmed = false;
    QTimer::singleShot(20, &box, [&] {
        const auto veils = parent.findChildren<KestOverlay*>();
        dimmed = veils.size() == 1 && veils.first()->isVisible() &&
                 veils.first()->geometry() == parent.rect();
    });
    Watchdog dog(3000);
    QCOMPARE(box.exec(), result);
    QVERIFY(!dog.fired);
    QVERIFY(!box.acceptedByProbe());
    // The parent is dimmed while the box is up and lit again afterwards.
    QVERIFY(dimmed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(parent.findChildren<KestOverlay*>().isEmpty());
}

void DialogTest::disconnectWarningAcceptsItself_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("connectAfterProbes"); // -1: never
    QTest::addColumn<bool>("selfAccepted");
    QTest::newRow("mouse comes back") << 4 << 3 << true;
    QTest::newRow("mouse already there") << 4 << 0 << true;
    QTest::newRow("never comes back") << 4 << -1 << false;
    // Only the disconnect warning watches the connection.
    QTest::newRow("notice ignores probe") << 2 << 0 << false;
}

// The box asks when it shows and when its owner reports a device event;
// between events it keeps no timer running.
void DialogTest::disconnectWarningAcceptsItself() {
    QFETCH(int, kind);
    QFETCH(int, connectAfterProbes);
    QFETCH(bool, selfAccepted);
    KestMessageBox box(nullptr, QStringLiteral("Warning"), QStringLiteral("Dongle Disconnect!"),
                       kind);
    int probes = 0;
    box.setConnectionProbe([&] {
        ++probes;
        return connectAfterProbes >= 0 && probes > connectAfterProbes;
    });
    bool timerRunning = false;
    QTimer events; // stands in for the device notifier
    events.setInterval(50);
    QObject::connect(&events, &QTimer::timeout, &box, [&] {
        for (const QTimer* t : box.findChildren<QTimer*>())
            timerRunning |= t->isActive();
        box.recheckConnection();
    });
    events.start();
    if (!selfAccepted)
        QTimer::singleShot(800, &box,
                           [&] { QTest::mouseClick(box.acceptButton(), Qt::LeftButton); });
    Watchdog dog(5000);
    QCOMPARE(box.exec(), 1);
    events.stop();
    QVERIFY(!dog.fired);
    QVERIFY(!timerRunning);
    QCOMPARE(box.acceptedByProbe(), selfAccepted);
    if (selfAccepted) QCOMPARE(probes, connectAfterProbes + 1);
    if (kind != KestMessageBox::Disconnect) QCOMPARE(probes, 0);
    if (kind == KestMessageBox::Disconnect && !selfAccepted) QVERIFY(probes >= 3);
}

class FakeWorker : public QThread {
    Q_OBJECT
public:
    void run() override {
        msleep(100);
        emit DoProcessDlg(4);
    }
signals:
    void DoProcessDlg(int result);
};

void DialogTest::processDialogClosesOnWorkerSignal_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("worker thread signal") << "thread";
    // A worker faster than the dialog: the signal lands before exec().
    QTest::newRow("finished before exec") << "before";
    QTest::newRow("direct call in loop") << "timer";
}

void DialogTest::processDialogClosesOnWorkerSignal() {
    QFETCH(QString, how);
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    KestProcessDialog dlg(&parent);
    QCOMPARE(dlg.size(), QSize(KestProcessDialog::kSize, KestProcessDialog::kSize));
    FakeWorker worker;
    if (how == "thread") {
        connect(&worker, &FakeWorker::DoProcessDlg, &dlg, &KestProcessDialog::slotProcessResult);
        worker.start();
    } else if (how == "before") {
        dlg.slotProcessDlg();
        QCoreApplication::processEvents();
    } else {
        QTimer::singleShot(30, &dlg, &KestProcessDialog::slotProcessDlg);
    }
    Watchdog dog(4000);
    QCOMPARE(dlg.exec(), 1);
    QVERIFY(!dog.fired);
    worker.wait();
    if (how == "thread") QCOMPARE(dlg.resultCode(), 4);
}

void DialogTest::processDialogAnimation() {
    KestProcessDialog dlg;
    QVERIFY(dlg.movie()->isValid());
    QCOMPARE(dlg.movie()->frameCount(), 24);
    QCOMPARE(dlg.movie()->state(), QMovie::Running);
}

void DialogTest::builtInImages_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("loading") << ":/skin/loading.gif";
    QTest::newRow("yes") << ":/yes_Btn";
    QTest::newRow("no") << ":/no_Btn";
}

void DialogTest::builtInImages() {
    QFETCH(QString, path);
    initKitResources();
    QImage img(path);
    QVERIFY2(!img.isNull(), qPrintable(path));
    QVERIFY(img.width() >= 28);
}

QTEST_MAIN(DialogTest)
#include "test_dialogs.moc"
