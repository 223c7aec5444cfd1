#include "transport.h"

#include "devicelog.h"
#include "devicetable.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

std::atomic<int> g_settleMs{10};
std::atomic<int> g_retryMs{50};
std::atomic<int> g_readTimeoutMs{150};

constexpr int kReadFailuresBeforeRewrite = 30;
constexpr int kMismatchesBeforeRewrite = 20;
constexpr int kMaxRewrites = 2;
constexpr int kMaxZeroRewrites = 5;

void sleepMs(int ms) {
    if (ms > 0) QThread::msleep(unsigned(ms));
}

// Commands above 10 are not echoed, except apply and begin/end.
bool isVerified(uint8_t command) {
    return command <= 10 || command == kCmdApplyBlock || command == kCmdProfileWrite;
}

enum Comparison { Match = 0, CommandDiffers = 1, DataDiffers = 2 };

Comparison compareEcho(const uint8_t* sent, const uint8_t* got) {
    // The checksum (byte 1) and the operation (byte 7) are not part of the echo check.
    for (int i : {0, 2, 3, 4, 5, 6})
        if (sent[i] != got[i]) return CommandDiffers;
    const int n = sent[kPosLength];
    if (sent[kPosCommand] <= 10 && n != 0) {
        const int len = std::min(n, kMaxData);
        if (std::memcmp(sent + kPosData, got + kPosData, size_t(len)) != 0) return DataDiffers;
    }
    return Match;
}

void tracePacket(const char* dir, const uint8_t* data) {
    if (!lcPackets().isDebugEnabled()) return;
    qCDebug(lcPackets, "%s %s", dir,
            QByteArray(reinterpret_cast<const char*>(data), kReportSize).toHex(' ').constData());
}

} // namespace

LinkTiming linkTiming() {
    return {g_settleMs.load(), g_retryMs.load(), g_readTimeoutMs.load()};
}

void setLinkTiming(const LinkTiming& t) {
    g_settleMs = t.settleMs;
    g_retryMs = t.retryMs;
    g_readTimeoutMs = t.readTimeoutMs;
}

int readCommandReport(HidPort& port, HidDevice* device, uint8_t* buffer, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    int remaining = timeoutMs;
    for (;;) {
        std::memset(buffer, 0, kReportSize);
        const int r = port.readTimeout(device, buffer, kReportSize, remaining);
        if (r <= 0) return r;
        // A zero first byte is an all-zero answer and is the caller's to judge;
        // any other report ID is the mouse's own input on the same node.
        if (buffer[kPosId] == kReportId || buffer[kPosId] == 0) return r;
        remaining = timeoutMs - int(clock.elapsed());
        if (remaining <= 0) {
            std::memset(buffer, 0, kReportSize);
            return 0;
        }
    }
}

uint8_t SendCommand(const CommandReport& report) {
    std::lock_guard<std::mutex> lock(commandHandleMutex());
    const HidHandle* handle = commandHandle();
    if (!handle) return kResultNoDevice;
    HidPort& port = *handle->port();
    HidDevice* device = handle->get();
    const LinkTiming timing = linkTiming();

    uint8_t sent[64] = {};
    uint8_t got[64] = {};
    std::copy(report.bytes.begin(), report.bytes.end(), sent);
    sent[kPosChecksum] = reportChecksum(report); // whatever the caller put there
    const uint8_t command = sent[kPosCommand];

    int readFailures = 0;
    int mismatches = 0;
    int zeroAnswers = 0;
    int rewrites = 0;
    int lastComparison = -1; // none made yet in this call

    enum Step { Write, Read } step = Write;
    for (;;) {
        if (step == Write) {
            tracePacket("out", sent);
            if (port.write(device, sent, kReportSize) < 0) {
                qCDebug(lcDevice, "Unable to send a feature report.");
                return kResultWriteFailed;
            }
            sleepMs(timing.settleMs);
            if (!isVerified(command)) return kResultOk;
        }

        const int r = readCommandReport(port, device, got, timing.readTimeoutMs);
        if (r < 0) {
            ++readFailures;
            if (readFailures < kReadFailuresBeforeRewrite) {
                sleepMs(timing.retryMs);
                step = Read;
                continue;
            }
            if (++rewrites <= kMaxRewrites) {
                step = Write;
                continue;
            }
            return kResultGaveUp;
        }
        tracePacket("in", got);

        int comparison;
        if (std::all_of(got, got + 8, [](uint8_t v) { return v == 0; })) {
            if (++zeroAnswers <= kMaxZeroRewrites) {
                step = Write;
                continue;
            }
            // Nothing but zeros: verified only if an earlier echo in this call
            // was compared; otherwise nothing was confirmed and the call fails.
            if (lastComparison < 0) return kResultGaveUp;
            comparison = lastComparison;
        } else {
            comparison = compareEcho(sent, got);
            lastComparison = comparison;
        }

        if (comparison == Match) return kResultOk;
        if (comparison == DataDiffers) {
            if (++rewrites <= kMaxRewrites) {
                zeroAnswers = 0;
                step = Write;
                continue;
            }
            return kResultGaveUp;
        }
        // The command part differs: most likely a report meant for another reader.
        if (++mismatches < kMismatchesBeforeRewrite) {
            sleepMs(timing.retryMs);
            zeroAnswers = 0;
            step = Read;
            continue;
        }
        if (++rewrites <= kMaxRewrites) {
            zeroAnswers = 0;
            step = Write;
            continue;
        }
        return kResultGaveUp;
    }
}
