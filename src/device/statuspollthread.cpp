#include "statuspollthread.h"

#include "devicelog.h"
#include "devicetable.h"
#include "linkstate.h"
#include "protocol.h"
#include "transport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <cstring>

namespace {
std::atomic<int> g_pollSettle{10};
std::atomic<int> g_readTimeout{50};
std::atomic<int> g_afterPoll{450};
std::atomic<int> g_afterReport{400};
std::atomic<int> g_afterFailure{450};
} // namespace

StatusTiming statusTiming() {
    return {g_pollSettle.load(), g_readTimeout.load(), g_afterPoll.load(), g_afterReport.load(),
            g_afterFailure.load()};
}

void setStatusTiming(const StatusTiming& t) {
    g_pollSettle = t.pollSettleMs;
    g_readTimeout = t.readTimeoutMs;
    g_afterPoll = t.afterPollMs;
    g_afterReport = t.afterReportMs;
    g_afterFailure = t.afterFailureMs;
}

StatusPollThread::~StatusPollThread() {
    requestStop();
    wait();
}

void StatusPollThread::requestStop() {
    {
        std::lock_guard<std::mutex> lock(m_pauseMutex);
        m_stop = 1;
    }
    m_wake.notify_all();
}

void StatusPollThread::pause(int ms) {
    std::unique_lock<std::mutex> lock(m_pauseMutex);
    m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stop.load() != 0; });
}

void StatusPollThread::handleBattery(const uint8_t* report) {
    const BatteryReport b = batteryReportFrom(report);
    setLastBatteryVariant(b.variant);
    emit RefreshBatteryStatus(b.charge, b.low, b.high);
    if (!b.mouseOff()) emit RefreshWriteStatus(b.writeStatus);
}

int statusRead(bool poll, uint8_t* buf, const StatusTiming& t) {
    std::lock_guard<std::mutex> lock(commandHandleMutex());
    const HidHandle* h = commandHandle();
    if (!h) return kNoCommandHandle;
    std::memset(buf, 0, 64);
    if (poll) {
        const CommandReport report = statusPollReport();
        if (h->port()->write(h->get(), report.bytes.data(), kReportSize) < 0)
            qCDebug(lcDevice, "Unable to send a feature report.");
        QThread::msleep(unsigned(t.pollSettleMs));
    }
    return readCommandReport(*h->port(), h->get(), buf, t.readTimeoutMs);
}

bool pollBatteryOnce(BatteryReport* report, int waitMs) {
    const StatusTiming t = statusTiming();
    QElapsedTimer clock;
    clock.start();
    uint8_t buf[64];
    bool poll = true;
    for (;;) {
        const int r = statusRead(poll, buf, t);
        if (r == kNoCommandHandle) return false;
        poll = false;
        if (r > 0 && buf[kPosCommand] == kCmdStatusPoll) {
            *report = batteryReportFrom(buf);
            setLastBatteryVariant(report->variant);
            // An all-zero answer means the same as none.
            return !report->mouseOff();
        }
        if (r < 0 || clock.elapsed() >= waitMs) return false;
    }
}

void StatusPollThread::run() {
    qCDebug(lcDevice, "StatusPollThread.");
    const StatusTiming t = statusTiming();
    int cycle = 0;
    uint8_t buf[64];
    // False when no command handle is open any more.
    auto readOnce = [&](bool poll, int& result) {
        result = statusRead(poll, buf, t);
        if (result == kNoCommandHandle) return false;
        if (poll) ++m_polls;
        ++m_reads;
        return true;
    };

    for (;;) {
        if (m_stop) {
            qCDebug(lcDevice, "StatusPollThread Stop.");
            return;
        }
        int r = 0;
        if (cycle == 0) {
            if (!readOnce(true, r)) return;
            if (r <= 0) {
                // No answer: the mouse is asleep or off behind its receiver.
                emit RefreshBatteryStatus(0, 0, 0);
            } else {
                qCDebug(lcDevice, "Threadread bat - %x %x %x %x %x %x %x %x", buf[0], buf[1],
                        buf[2], buf[3], buf[4], buf[5], buf[6], buf[7]);
                if (buf[kPosCommand] == kCmdStatusPoll) handleBattery(buf);
            }
            pause(t.afterPollMs);
            cycle = 2;
        } else {
            ++cycle;
        }

        if (m_stop) continue;
        if (!readOnce(false, r)) return;
        if (r < 0) {
            qCDebug(lcDevice, "Unable to read a feature report 1.");
            pause(t.afterFailureMs);
        } else if (r > 0 && buf[kPosCommand] == kCmdStatusReport) {
            emit RefreshStatus(buf[4], buf[5], buf[6], buf[7]);
            pause(t.afterReportMs);
        } else if (r > 0 && buf[kPosCommand] == kCmdStatusPoll) {
            handleBattery(buf);
            pause(t.afterReportMs);
        } else {
            pause(t.afterReportMs);
        }
        if (cycle >= kReadsPerPoll) cycle = 0;
    }
}

StatusThreadControl::StatusThreadControl(Connector connector) : m_connector(std::move(connector)) {}

StatusThreadControl::~StatusThreadControl() {
    std::lock_guard<std::mutex> lock(m_mutex);
    stopLocked();
    // Destroying a running thread would abort the program: wait it out.
    if (m_stuck) m_stuck->wait();
}

bool StatusThreadControl::start() {
    std::lock_guard<std::mutex> lock(m_mutex);
    stopLocked();
    if (m_stuck) {
        if (!m_stuck->wait(kStopWaitMs)) {
            qCWarning(lcDevice) << "status thread still running; not starting another";
            return false;
        }
        m_stuck.reset();
    }
    m_thread = std::make_unique<StatusPollThread>();
    // The object may be created on a worker (after a profile write); it
    // belongs with the program's main thread that later releases it.
    if (QCoreApplication::instance())
        m_thread->moveToThread(QCoreApplication::instance()->thread());
    if (m_connector) m_connector(m_thread.get());
    m_thread->start(QThread::InheritPriority);
    return true;
}

void StatusThreadControl::stop() {
    std::lock_guard<std::mutex> lock(m_mutex);
    stopLocked();
}

void StatusThreadControl::stopLocked() {
    if (!m_thread) return;
    m_thread->requestStop();
    if (m_thread->wait(kStopWaitMs)) {
        m_thread.reset();
        return;
    }
    qCWarning(lcDevice) << "status thread did not end in time";
    if (m_stuck) m_stuck->wait(); // never leave two behind
    m_stuck = std::move(m_thread);
}

bool StatusThreadControl::running() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread && m_thread->isRunning();
}

StatusPollThread* StatusThreadControl::thread() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.get();
}
