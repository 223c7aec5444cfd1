// The one-copy lock and the raise request a second start sends the first.
#include "singleinstance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <future>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    // The second start's request reaches the first whether its window is
    // already waiting for it or comes afterwards; a stranger's line does not.
    void secondStartRaisesTheFirst_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("handlerFirst");
        QTest::addColumn<int>("raises");
        QTest::newRow("window waits") << QByteArray() << true << 1;
        QTest::newRow("before the window") << QByteArray() << false << 1;
        QTest::newRow("not a request") << QByteArray("show me\n") << true << 0;
    }
    void secondStartRaisesTheFirst() {
        QFETCH(QByteArray, request);
        QFETCH(bool, handlerFirst);
        QFETCH(int, raises);
        const QString name = QStringLiteral("Raise Test %1").arg(QTest::currentDataTag());
        SingleInstance first(name);
        QVERIFY(first.isFirst());
        QVERIFY(QFileInfo(SingleInstance::socketPathFor(name)).absolutePath() == m_runtime.path());
        int raised = 0;
        if (handlerFirst) first.onRaiseRequest([&] { ++raised; });

        SingleInstance second(name);
        QVERIFY(!second.isFirst());
        // The first answers from this thread's event loop, so the second asks
        // from another thread.
        std::future<bool> answered;
        QLocalSocket stranger;
        if (request.isEmpty()) {
            answered =
                std::async(std::launch::async, [&second] { return second.askFirstToRaise(5000); });
            QTRY_VERIFY(answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            QVERIFY(answered.get());
        } else {
            stranger.connectToServer(SingleInstance::socketPathFor(name));
            QVERIFY(stranger.waitForConnected(2000));
            stranger.write(request);
            QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        }
        if (!handlerFirst) first.onRaiseRequest([&] { ++raised; });
        QTest::qWait(50);
        QCOMPARE(raised, raises);
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
