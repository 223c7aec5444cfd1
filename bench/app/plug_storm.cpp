// How the window answers while its mouse is pulled and plugged again and
// again: a MainWindow on the offscreen platform against the in-process
// virtual mouse, 100 unplug/plug cycles of the receiver, and a ping posted to
// the window's event loop every 100 ms from another thread. Prints how many
// answers took over 200 ms and the longest.
//
//   build/bench/app/bench_plug_storm [cycles]
#include "inprocessport.h"
#include "mainwindow.h"
#include "mousesession.h"
#include "testutil.h"
#include "virtualmouse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Posts a ping to the GUI thread every 100 ms and records how long each
// took to be answered; a ping still unanswered counts from its sending.
class Pinger {
public:
    explicit Pinger(QObject* target) : m_target(target) {
        m_clock.start();
        m_thread = std::thread([this] { run(); });
    }
    ~Pinger() { stop(); }
    void stop() {
        if (!m_thread.joinable()) return;
        m_stop = true;
        m_thread.join();
    }
    std::vector<qint64> answers() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_answers;
    }

private:
    void run() {
        while (!m_stop) {
            const qint64 sent = m_clock.elapsed();
            QMetaObject::invokeMethod(
                m_target,
                [this, sent] {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_answers.push_back(m_clock.elapsed() - sent);
                },
                Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    QObject* m_target;
    QElapsedTimer m_clock;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<qint64> m_answers;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The figures are the output; the program's debug lines would bury them.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
        if (type == QtFatalMsg) abort();
    });
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    TempAppDir dir(QStringLiteral(APP_DIR));
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    setHidPort(&port);
    mouse.plug(vm::Link::Receiver);

    int result = 0;
    {
        MainWindow w;
        w.show();
        w.startDevices();
        // The virtual mouse has no udev node: the notifier's scan sees its
        // plugging, made quick here so every cycle is seen.
        w.session()->setScanInterval(100);
        // The pulls the window was told of: every cycle must be seen.
        int pullsSeen = 0;
        QObject::connect(w.session(), &MouseSession::connectionChanged,
                         [&pullsSeen](const MouseConnection& c) { pullsSeen += c.mice.isEmpty(); });

        std::atomic<bool> done{false};
        std::thread plugger([&] {
            for (int i = 0; i < cycles; ++i) {
                mouse.unplug(vm::Link::Receiver);
                std::this_thread::sleep_for(std::chrono::milliseconds(700));
                mouse.plug(vm::Link::Receiver);
                std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            }
            done = true;
        });
        Pinger pinger(&w);
        QTimer finish;
        QObject::connect(&finish, &QTimer::timeout, [&] {
            if (!done) return;
            // The dialog the last unplug may have left open ends with the loop.
            QApplication::exit(0);
        });
        finish.start(100);
        QApplication::exec();
        plugger.join();
        pinger.stop();
        QApplication::processEvents();
        const std::vector<qint64> answers = pinger.answers();
        const long slow =
            std::count_if(answers.begin(), answers.end(), [](qint64 ms) { return ms > 200; });
        const qint64 longest =
            answers.empty() ? 0 : *std::max_element(answers.begin(), answers.end());
        std::printf("%d unplug/plug cycles (%d pulls seen): %zu pings, %ld answered after more "
                    "than 200 ms, longest %lld ms\n",
                    cycles, pullsSeen, answers.size(), slow, static_cast<long long>(longest));
        result = slow == 0 ? 0 : 1;
    }
    setHidPort(nullptr);
    return result;
}
