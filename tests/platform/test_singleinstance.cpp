// The one-copy lock and the raise request a second start sends the first.
#include "singleinstance.h"

#include <QTemporaryDir>
#include <QtTest>
#include <future>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    // The second start's request reaches the first whether its window is
    // already waiting for it or comes afterwards.
    void secondStartRaisesTheFirst_data() {
        QTest::addColumn<bool>("handlerFirst");
        QTest::newRow("window waits") << true;
        QTest::newRow("before the window") << false;
    }
    void secondStartRaisesTheFirst() {
        QFETCH(bool, handlerFirst);
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString name = QStringLiteral("Raise Test");
        SingleInstance first(name);
        QVERIFY(first.isFirst());
        QCOMPARE(QFileInfo(SingleInstance::socketPathFor(name)).absolutePath(), runtime.path());
        int raised = 0;
        if (handlerFirst) first.onRaiseRequest([&] { ++raised; });

        SingleInstance second(name);
        QVERIFY(!second.isFirst());
        // The first answers from this thread's event loop, so the second asks
        // from another thread.
        std::future<bool> answered =
            std::async(std::launch::async, [&second] { return second.askFirstToRaise(5000); });
        QTRY_VERIFY(answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(answered.get());
        if (!handlerFirst) first.onRaiseRequest([&] { ++raised; });
        QTRY_COMPARE(raised, 1);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
