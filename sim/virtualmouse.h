// A model of the mouse's receiver and cable as the device side of the command
// protocol sees them; thread-safe, shared by the in-process port and the daemon.
#pragma once

#include "reportformat.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace vm {

enum class Link { Receiver = 0, Cable = 1 };

// What open() answers for a present node this user may not open.
constexpr int kOpenDenied = -2;
constexpr int kLinkCount = 2;

enum class Fault {
    LostEcho,       // the next echoes are not sent
    CorruptCommand, // the next echoes differ in their command part
    CorruptData,    // the next echoes differ in their data part
    ZeroEcho,       // the next echoes are all zero bytes
    ReadFail,       // the next reads fail
    WriteFail,      // the next writes fail
    PullCable,      // the cable is pulled on the count-th cable write from now
    Motion,         // the next reads each find a movement report first
};

// Parses the names used on the command line ("lost", "corrupt-command", ...).
bool faultFromName(const std::string& name, Fault* fault);
const char* faultName(Fault fault);
std::vector<std::string> faultNames();

// One top-level collection as hidapi's hidraw backend lists it.
struct Collection {
    std::string path; // shared by the collections of one interface
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t releaseNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = 0;
    std::wstring serialNumber;
    std::wstring manufacturer;
    std::wstring product;
    Link link = Link::Receiver;
};

struct UsbIdentity {
    uint16_t receiverVid = 0x248A;
    uint16_t receiverPid = 0xFA02;
    uint16_t cableVid = 0x248A;
    uint16_t cablePid = 0xFB01;
};

// What one on-mouse profile holds: the sealed (committed) blocks.
struct ProfileBlocks {
    std::vector<uint8_t> blocks[kBlockCount]; // empty: never committed
};

class VirtualMouse {
public:
    explicit VirtualMouse(const UsbIdentity& ids = UsbIdentity());
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // Host side: the calls a HID library makes.
    std::vector<Collection> enumerate(uint16_t vid = 0, uint16_t pid = 0) const;
    // A handle > 0, kOpenDenied while access is denied, or -1 (no such device).
    int open(const std::string& path);
    void close(int handle);
    // Returns the length written, or -1 (unplugged, failed write fault, bad report).
    int write(int handle, const uint8_t* data, size_t length);
    // Returns the bytes read, 0 on timeout, -1 on failure. timeout < 0 waits forever.
    int read(int handle, uint8_t* data, size_t length, int timeoutMs);
    bool handleValid(int handle) const;
    // The collection the path names (first match); false when absent.
    bool collectionForPath(const std::string& path, Collection* out) const;

    // Mouse side: the things a person does with the hardware.
    void plug(Link link);
    void unplug(Link link);
    bool plugged(Link link) const;
    void setAsleep(bool asleep);
    bool asleep() const;
    // Refuses new opens as a node without permission does; the devices stay
    // listed and handles already open keep working.
    void setAccessDenied(bool denied);
    // Each press wakes a sleeping mouse and sends a status report.
    void pressProfileButton();
    void pressDpiButton();
    void pressRateButton();

    // Battery report contents.
    void setBatteryMillivolts(int millivolts); // stored as the raw value mV / 4.125
    void setBatteryRaw(uint16_t raw);
    uint16_t batteryRaw() const;
    void setCharging(bool charging);
    void setWriteStatus(uint8_t status);
    uint8_t writeStatus() const;
    void setVariant(uint8_t variant);

    // Faults apply to the next `count` matching events.
    void injectFault(Fault fault, int count);
    int pendingFault(Fault fault) const;
    void clearFaults();
    // Movement reports every `ms` while the host reads (0: only on request).
    void setMotionInterval(int ms);

    // What the mouse holds.
    int activeProfile() const;
    int dpiStage(int profile) const;
    int reportRate(int profile) const;
    ProfileBlocks profileBlocks(int profile) const;
    std::vector<uint8_t> block(int profile, int blockNumber) const; // blockNumber 1-5
    uint8_t appliedBits() const; // block bits seen in apply commands since the last begin
    bool writeOpen() const;      // between begin and end of a profile write
    std::string describeState() const;

    // Report log lines "<ms> <R|C> <out|in> <33 hex bytes>".
    std::vector<std::string> logLines() const;
    std::string logText() const;
    void clearLog();

private:
    struct Handle {
        Link link;
        unsigned generation;
        std::deque<std::vector<uint8_t>> queue;
    };
    struct Staging {
        bool open = false;
        std::vector<uint8_t> data;
    };

    void handleReport(Link link, const Report& report);
    void handleBlockWrite(const Report& report);
    void sendEcho(Link link, const Report& report);
    // `first`: ahead of the reports already waiting.
    void deliver(Link link, const std::vector<uint8_t>& report, bool first = false);
    void sendStatusReport();
    bool linkAnswers(Link link) const;
    std::string devicePath(Link link) const;
    Link statusLink(bool* any) const;
    Report batteryReport() const;
    void logReport(Link link, bool out, const uint8_t* data, size_t length);
    void maybeQueueMotion(Link link);
    bool takeFault(Fault fault);
    int dpiStageCount(int profile) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::chrono::steady_clock::time_point m_start;

    UsbIdentity m_ids;
    bool m_plugged[kLinkCount] = {false, false};
    unsigned m_generation[kLinkCount] = {1, 1};
    unsigned m_plugCount[kLinkCount] = {0, 0};
    bool m_asleep = false;
    bool m_accessDenied = false;

    std::map<int, Handle> m_handles;
    int m_nextHandle = 1;

    uint16_t m_batteryRaw = 1000;
    bool m_charging = false;
    uint8_t m_writeStatus = 1;
    uint8_t m_variant = 0;

    std::map<Fault, int> m_faults;
    int m_motionIntervalMs = 0;
    std::chrono::steady_clock::time_point m_lastMotion[kLinkCount];
    int m_motionStep = 0;

    int m_activeProfile = 0;
    int m_dpiStage[5] = {0, 0, 0, 0, 0};
    int m_rate[5] = {1, 1, 1, 1, 1};
    ProfileBlocks m_profiles[5];
    Staging m_staging[kBlockCount];
    uint8_t m_applied = 0;
    bool m_writeOpen = false;

    std::vector<std::string> m_log;
};

const char* linkName(Link link); // "receiver" / "cable"
bool linkFromName(const std::string& name, Link* link);

} // namespace vm
