// The window lends its mouse to one command-line write at a time, and takes
// it back when the writer is done or gone.
#include "devicelender.h"
#include "testutil.h"

#include <QtTest>
#include <atomic>
#include <thread>

class TestDeviceLender : public QObject {
    Q_OBJECT
    QTemporaryDir m_runtime;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit()); }

    void oneBorrowerAtATimeInOrder() {
        DeviceLender lender(QStringLiteral("Test Mutex"));
        QVERIFY(lender.listening());
        QStringList events;
        connect(&lender, &DeviceLender::lendRequested, this, [&] {
            events << "lend";
            lender.confirmLent();
        });
        connect(&lender, &DeviceLender::returned, this, [&] { events << "back"; });

        // Each writer notes when it holds the mouse; two never overlap.
        std::atomic<int> holding{0}, overlaps{0}, served{0};
        auto writer = [&](bool hangUp) {
            DeviceBorrow borrow;
            if (!borrow.borrow(QStringLiteral("Test Mutex"), 10000)) return;
            if (++holding > 1) ++overlaps;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            --holding;
            ++served;
            if (!hangUp) borrow.giveBack();
        }; // a writer that just ends hangs up
        std::thread a(writer, false), b(writer, true);
        QTRY_COMPARE_WITH_TIMEOUT(served.load(), 2, 10000);
        a.join();
        b.join();
        QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"lend", "back", "lend", "back"}), 5000);
        QCOMPARE(overlaps.load(), 0);
    }

    void noWindowNoBorrow() {
        DeviceBorrow borrow;
        QVERIFY(!borrow.borrow(QStringLiteral("Nobody Listens"), 500));
    }
};

QTEST_GUILESS_MAIN(TestDeviceLender)
#include "test_devicelender.moc"
