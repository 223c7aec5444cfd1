// The status thread: polls the battery and picks up the status reports the
// mouse sends when its own buttons change profile, DPI stage or report rate.
#pragma once

#include "batteryreading.h"

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// The thread's pacing. Tests may shorten it; the program never changes it.
struct StatusTiming {
    int pollSettleMs = 10;  // between the poll and its read
    int readTimeoutMs = 50; // per read, short to stay responsive to stop
    int afterPollMs = 450;
    int afterReportMs = 400;
    int afterFailureMs = 450;
};
StatusTiming statusTiming();
void setStatusTiming(const StatusTiming& timing);

// Reads per battery poll.
constexpr int kReadsPerPoll = 57;

// What statusRead returns when no command handle is open.
constexpr int kNoCommandHandle = -1000;

// One look at the command handle, under the command lock: the battery poll
// first when `poll`, then one read into `buffer` (64 bytes). Returns the
// read's result (length, 0 on timeout, negative on failure).
int statusRead(bool poll, uint8_t* buffer, const StatusTiming& timing);

// Polls the battery once, for a caller with no status thread running, and
// waits up to `waitMs` for the answer; status reports that come first are
// skipped. False when no answer came (the mouse is asleep or off) or no
// command handle is open.
bool pollBatteryOnce(BatteryReport* report, int waitMs);

class StatusPollThread : public QThread {
    Q_OBJECT
public:
    explicit StatusPollThread(QObject* parent = nullptr) : QThread(parent) {}
    ~StatusPollThread() override;

    // Asks the thread to end; it does at its next look at the flag, and its
    // pauses end at once.
    void requestStop();
    bool stopRequested() const { return m_stop.load() != 0; }

    // Battery polls sent so far (for diagnostics).
    int pollCount() const { return m_polls.load(); }
    int readCount() const { return m_reads.load(); }

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void pause(int ms);
    void handleBattery(const uint8_t* report);

    std::atomic<uint8_t> m_stop{0};
    std::atomic<int> m_polls{0};
    std::atomic<int> m_reads{0};
    std::mutex m_pauseMutex;
    std::condition_variable m_wake;
};

// Owns the status thread: at most one runs, and a stopped one has ended (or
// is given up on after a bounded wait) before anything touches the handles.
class StatusThreadControl {
public:
    // Called with every new thread before it starts, to connect its signals.
    using Connector = std::function<void(StatusPollThread*)>;

    explicit StatusThreadControl(Connector connector = {});
    ~StatusThreadControl();
    StatusThreadControl(const StatusThreadControl&) = delete;
    StatusThreadControl& operator=(const StatusThreadControl&) = delete;

    // Starts a new thread (stopping the old one first). Returns false only
    // when an old thread would not end.
    bool start();
    // Stops the thread and waits for it to end, at most `kStopWaitMs`.
    void stop();
    bool running() const;
    // The thread last started, or nullptr (for tests).
    StatusPollThread* thread() const;

    static constexpr int kStopWaitMs = 1000;

private:
    void stopLocked();

    Connector m_connector;
    mutable std::mutex m_mutex;
    std::unique_ptr<StatusPollThread> m_thread;
    std::unique_ptr<StatusPollThread> m_stuck; // would not end in time
};
