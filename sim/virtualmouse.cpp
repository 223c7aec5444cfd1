#include "virtualmouse.h"

#include "statedecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vm {

namespace {

// hidraw keeps a bounded ring of input reports per open file; the oldest go first.
constexpr size_t kQueueLimit = 64;
constexpr size_t kLogLimit = 200000;
constexpr int kMotionReportSize = 8;
constexpr uint8_t kRateCycle[] = {1, 2, 4, 8};

struct FaultNameEntry {
    Fault fault;
    const char* name;
};
constexpr FaultNameEntry kFaultNames[] = {
    {Fault::LostEcho, "lost"},
    {Fault::CorruptCommand, "corrupt-command"},
    {Fault::CorruptData, "corrupt-data"},
    {Fault::ZeroEcho, "zero"},
    {Fault::ReadFail, "read-fail"},
    {Fault::WriteFail, "write-fail"},
    {Fault::PullCable, "pull-cable"},
    {Fault::Motion, "motion"},
};

// Each plugging makes a new device node, so a quick replug is never mistaken
// for the device that was there before.
const char* const kLinkPaths[kLinkCount] = {"/dev/virtual-mouse/receiver-",
                                            "/dev/virtual-mouse/cable-"};
constexpr uint16_t kReleaseNumbers[kLinkCount] = {0x0100, 0x0105};

size_t blockCapacity(int blockNumber) {
    return blockNumber == kCmdMacro ? kMacroBlockCapacity : kSmallBlockCapacity;
}

} // namespace

bool faultFromName(const std::string& name, Fault* fault) {
    for (const auto& entry : kFaultNames) {
        if (name == entry.name) {
            *fault = entry.fault;
            return true;
        }
    }
    return false;
}

const char* faultName(Fault fault) {
    for (const auto& entry : kFaultNames)
        if (entry.fault == fault) return entry.name;
    return "?";
}

std::vector<std::string> faultNames() {
    std::vector<std::string> names;
    for (const auto& entry : kFaultNames)
        names.push_back(entry.name);
    return names;
}

const char* linkName(Link link) {
    return link == Link::Receiver ? "receiver" : "cable";
}

bool linkFromName(const std::string& name, Link* link) {
    if (name == "receiver") {
        *link = Link::Receiver;
        return true;
    }
    if (name == "cable") {
        *link = Link::Cable;
        return true;
    }
    return false;
}

VirtualMouse::VirtualMouse(const UsbIdentity& ids)
    : m_start(std::chrono::steady_clock::now()), m_ids(ids) {
    for (auto& t : m_lastMotion)
        t = m_start;
}

std::string VirtualMouse::devicePath(Link link) const {
    return kLinkPaths[int(link)] + std::to_string(m_plugCount[int(link)]);
}

// ---- host side ------------------------------------------------------------

std::vector<Collection> VirtualMouse::enumerate(uint16_t vid, uint16_t pid) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Collection> list;
    for (int i = 0; i < kLinkCount; ++i) {
        if (!m_plugged[i]) continue;
        const Link link = Link(i);
        Collection c;
        c.path = devicePath(link);
        c.vendorId = link == Link::Receiver ? m_ids.receiverVid : m_ids.cableVid;
        c.productId = link == Link::Receiver ? m_ids.receiverPid : m_ids.cablePid;
        c.releaseNumber = kReleaseNumbers[i];
        c.interfaceNumber = 1;
        c.manufacturer = L"Virtual";
        c.product = link == Link::Receiver ? L"Virtual Mouse Receiver" : L"Virtual Mouse";
        c.link = link;
        if ((vid != 0 && vid != c.vendorId) || (pid != 0 && pid != c.productId)) continue;
        // Mouse collection first, then the command collection, as the
        // report descriptor lists them.
        c.usagePage = 1;
        c.usage = 2;
        list.push_back(c);
        c.usage = 0;
        list.push_back(c);
    }
    return list;
}

bool VirtualMouse::collectionForPath(const std::string& path, Collection* out) const {
    for (const Collection& c : enumerate()) {
        if (c.path == path) {
            if (out) *out = c;
            return true;
        }
    }
    return false;
}

int VirtualMouse::open(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < kLinkCount; ++i) {
        if (m_plugged[i] && path == devicePath(Link(i))) {
            if (m_accessDenied) return kOpenDenied;
            const int id = m_nextHandle++;
            m_handles[id] = Handle{Link(i), m_generation[i], {}};
            return id;
        }
    }
    return -1;
}

void VirtualMouse::close(int handle) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handles.erase(handle);
    m_arrived.notify_all();
}

bool VirtualMouse::handleValid(int handle) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(handle);
    if (it == m_handles.end()) return false;
    const int i = int(it->second.link);
    return m_plugged[i] && it->second.generation == m_generation[i];
}

int VirtualMouse::write(int handle, const uint8_t* data, size_t length) {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_handles.find(handle);
    if (it == m_handles.end() || !data || length == 0) return -1;
    const Link link = it->second.link;
    const int li = int(link);
    if (!m_plugged[li] || it->second.generation != m_generation[li]) return -1;
    if (link == Link::Cable && m_faults[Fault::PullCable] > 0) {
        if (--m_faults[Fault::PullCable] == 0) {
            // Pulled while this report was on its way: the host sees a failed write.
            m_plugged[li] = false;
            ++m_generation[li];
            m_arrived.notify_all();
            return -1;
        }
    }
    if (takeFault(Fault::WriteFail)) return -1;
    if (data[0] != kCommandReportId)
        return -1; // hidraw rejects report IDs the descriptor does not declare

    Report report{};
    std::memcpy(report.data(), data, std::min(length, kReportSize));
    logReport(link, true, report.data(), report.size());
    handleReport(link, report);
    return int(length);
}

int VirtualMouse::read(int handle, uint8_t* data, size_t length, int timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        auto it = m_handles.find(handle);
        if (it == m_handles.end()) return -1;
        const int li = int(it->second.link);
        if (!m_plugged[li] || it->second.generation != m_generation[li]) return -1;
        if (takeFault(Fault::ReadFail)) return -1;
        maybeQueueMotion(it->second.link);
        it = m_handles.find(handle);
        if (!it->second.queue.empty()) {
            std::vector<uint8_t> report = std::move(it->second.queue.front());
            it->second.queue.pop_front();
            const size_t n = std::min(length, report.size());
            if (data && n) std::memcpy(data, report.data(), n);
            return int(n);
        }
        if (timeoutMs == 0) return 0;
        if (timeoutMs < 0) {
            m_arrived.wait(lock);
        } else if (m_arrived.wait_until(lock, deadline) == std::cv_status::timeout) {
            // One last look: a report may have arrived with the timeout.
            it = m_handles.find(handle);
            if (it == m_handles.end() || it->second.queue.empty()) return 0;
        }
    }
}

// ---- the mouse's side of the protocol ------------------------------------

bool VirtualMouse::linkAnswers(Link link) const {
    // Behind the receiver a sleeping mouse is silent; on the cable it is awake.
    return m_plugged[int(link)] && !(link == Link::Receiver && m_asleep);
}

void VirtualMouse::handleReport(Link link, const Report& report) {
    if (!linkAnswers(link)) return;
    if (report[kPosMarker] != kMarker || report[kPosChecksum] != reportChecksum(report.data()))
        return; // a damaged report is dropped without an answer

    const uint8_t code = report[kPosCommand];
    switch (code) {
    case kCmdSettings:
    case kCmdDpi:
    case kCmdButtons:
    case kCmdLighting:
    case kCmdMacro:
        handleBlockWrite(report);
        break;
    case kCmdApply:
        if (report[kPosParam1] == kApplyMarker) m_applied |= report[kPosParam2];
        break;
    case kCmdSelectProfile:
        if (report[kPosParam1] < 5) m_activeProfile = report[kPosParam1];
        break;
    case kCmdBeginEnd:
        if (report[kPosParam1] == 0) {
            m_writeOpen = true;
            m_applied = 0;
            m_writeStatus = 0; // until the write is closed the settings are not whole
        } else if (report[kPosParam1] == 1) {
            m_writeOpen = false;
            m_writeStatus = 1;
        }
        break;
    case kCmdPoll: {
        const Report battery = batteryReport();
        deliver(link, std::vector<uint8_t>(battery.begin(), battery.end()));
        break;
    }
    default:
        break;
    }
    if (isVerifiedCommand(code)) sendEcho(link, report);
}

void VirtualMouse::handleBlockWrite(const Report& report) {
    const int blockNumber = report[kPosCommand];
    Staging& staging = m_staging[blockNumber - 1];
    const uint8_t op = report[kPosOperation];
    const int length = std::min<int>(report[kPosLength], kMaxChunk);
    const size_t offset = blockNumber == kCmdMacro
                              ? size_t(report[kPosParam1] | (report[kPosParam2] << 8))
                              : size_t(report[kPosParam1]);

    if (op == kOpCommit) {
        const size_t commitOffset = blockNumber == kCmdMacro ? kMacroCommitOffset : kCommitOffset;
        if (staging.open && offset == commitOffset && length == 1 &&
            report[kPosData] == kCommitData) {
            if (blockNumber == kCmdSettings && staging.data.size() >= 19) {
                // The settings block carries the active profile, the report
                // rates and the current profile's DPI stage.
                if (staging.data[6] < 5) m_activeProfile = staging.data[6];
                for (int p = 0; p < 5; ++p)
                    m_rate[p] = staging.data[11 + p];
                m_dpiStage[m_activeProfile] = staging.data[17];
            }
            m_profiles[m_activeProfile].blocks[blockNumber - 1] = staging.data;
            staging = Staging();
        }
        return;
    }
    if (op == kOpFirst)
        staging = Staging{true, {}};
    else if (op != kOpFurther || !staging.open)
        return; // a further chunk without its first one is not stored
    if (offset + size_t(length) > blockCapacity(blockNumber)) return;
    if (staging.data.size() < offset + size_t(length))
        staging.data.resize(offset + size_t(length), 0);
    // An empty first chunk leaves the buffer without storage to copy into.
    if (length > 0)
        std::memcpy(staging.data.data() + offset, report.data() + kPosData, size_t(length));
}

void VirtualMouse::sendEcho(Link link, const Report& report) {
    if (takeFault(Fault::LostEcho)) return;
    Report echo = report;
    if (takeFault(Fault::ZeroEcho)) {
        echo.fill(0);
    } else if (takeFault(Fault::CorruptCommand)) {
        echo[kPosParam2] ^= 0x5A;
    } else if (takeFault(Fault::CorruptData)) {
        echo[kPosData] ^= 0xFF;
        echo[kPosChecksum] = reportChecksum(echo.data());
    }
    deliver(link, std::vector<uint8_t>(echo.begin(), echo.end()));
}

Report VirtualMouse::batteryReport() const {
    Report r{};
    r[kPosId] = kCommandReportId;
    r[kPosMarker] = kMarker;
    r[kPosCommand] = kCmdPoll;
    r[kPosBatteryLow] = uint8_t(m_batteryRaw & 0xFF);
    r[kPosBatteryHigh] = uint8_t(m_batteryRaw >> 8);
    r[kPosCharging] = m_charging ? 1 : 0;
    r[kPosWriteStatus] = m_writeStatus;
    r[kPosVariant] = m_variant;
    r[kPosChecksum] = reportChecksum(r.data());
    return r;
}

void VirtualMouse::deliver(Link link, const std::vector<uint8_t>& report, bool first) {
    logReport(link, false, report.data(), report.size());
    for (auto& entry : m_handles) {
        Handle& h = entry.second;
        if (h.link != link || h.generation != m_generation[int(link)]) continue;
        if (first) {
            h.queue.push_front(report);
            while (h.queue.size() > kQueueLimit)
                h.queue.pop_back();
        } else {
            h.queue.push_back(report);
            while (h.queue.size() > kQueueLimit)
                h.queue.pop_front();
        }
    }
    m_arrived.notify_all();
}

void VirtualMouse::maybeQueueMotion(Link link) {
    if (!linkAnswers(link)) return;
    const auto now = std::chrono::steady_clock::now();
    bool due = false;
    bool first = false;
    if (m_faults[Fault::Motion] > 0) {
        --m_faults[Fault::Motion];
        due = first = true;
    } else if (m_motionIntervalMs > 0 &&
               now - m_lastMotion[int(link)] >= std::chrono::milliseconds(m_motionIntervalMs)) {
        due = true;
    }
    if (!due) return;
    m_lastMotion[int(link)] = now;
    // Report ID 1: buttons, 16-bit X and Y, wheel, pan; a small circle.
    static constexpr int8_t kSteps[] = {3, 2, 0, -2, -3, -2, 0, 2};
    const int s = m_motionStep++ % 8;
    std::vector<uint8_t> motion(kMotionReportSize, 0);
    motion[0] = kMotionReportId;
    motion[2] = uint8_t(kSteps[s]);
    motion[3] = kSteps[s] < 0 ? 0xFF : 0;
    motion[4] = uint8_t(kSteps[(s + 2) % 8]);
    motion[5] = kSteps[(s + 2) % 8] < 0 ? 0xFF : 0;
    deliver(link, motion, first);
}

Link VirtualMouse::statusLink(bool* any) const {
    // The mouse talks over the cable when it is plugged, else over the air.
    if (m_plugged[int(Link::Cable)]) {
        *any = true;
        return Link::Cable;
    }
    *any = linkAnswers(Link::Receiver);
    return Link::Receiver;
}

void VirtualMouse::sendStatusReport() {
    m_asleep = false; // a button press wakes the mouse
    bool any = false;
    const Link link = statusLink(&any);
    if (!any) return;
    Report r{};
    r[kPosId] = kCommandReportId;
    r[kPosMarker] = kMarker;
    r[kPosCommand] = kCmdStatus;
    r[kPosStatusProfile] = uint8_t(m_activeProfile);
    r[kPosStatusDpi] = uint8_t(m_dpiStage[m_activeProfile]);
    r[kPosStatusRate] = uint8_t(m_rate[m_activeProfile]);
    r[kPosStatusMode] = 0;
    r[kPosChecksum] = reportChecksum(r.data());
    deliver(link, std::vector<uint8_t>(r.begin(), r.end()));
}

int VirtualMouse::dpiStageCount(int profile) const {
    const std::vector<uint8_t>& dpi = m_profiles[profile].blocks[kCmdDpi - 1];
    if (!dpi.empty() && dpi[0] >= 1 && dpi[0] <= 8) return dpi[0];
    return 8;
}

bool VirtualMouse::takeFault(Fault fault) {
    auto it = m_faults.find(fault);
    if (it == m_faults.end() || it->second <= 0) return false;
    --it->second;
    return true;
}

void VirtualMouse::logReport(Link link, bool out, const uint8_t* data, size_t length) {
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - m_start)
                             .count();
    std::string line = std::to_string(ms);
    line += link == Link::Receiver ? " R " : " C ";
    line += out ? "out" : "in";
    char hex[4];
    for (size_t i = 0; i < kReportSize; ++i) {
        std::snprintf(hex, sizeof hex, " %02x", i < length ? data[i] : 0);
        line += hex;
    }
    if (m_log.size() >= kLogLimit) m_log.erase(m_log.begin(), m_log.begin() + kLogLimit / 10);
    m_log.push_back(std::move(line));
}

// ---- things done to the hardware -----------------------------------------

void VirtualMouse::plug(Link link) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged[int(link)]) {
        m_plugged[int(link)] = true;
        ++m_generation[int(link)];
        ++m_plugCount[int(link)];
    }
}

void VirtualMouse::unplug(Link link) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_plugged[int(link)]) {
        m_plugged[int(link)] = false;
        ++m_generation[int(link)];
        m_arrived.notify_all();
    }
}

bool VirtualMouse::plugged(Link link) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged[int(link)];
}

void VirtualMouse::setAsleep(bool asleep) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asleep = asleep;
}

void VirtualMouse::setAccessDenied(bool denied) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_accessDenied = denied;
}

bool VirtualMouse::asleep() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_asleep;
}

void VirtualMouse::pressProfileButton() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_activeProfile = (m_activeProfile + 1) % 5;
    sendStatusReport();
}

void VirtualMouse::pressDpiButton() {
    std::lock_guard<std::mutex> lock(m_mutex);
    int& stage = m_dpiStage[m_activeProfile];
    stage = (stage + 1) % dpiStageCount(m_activeProfile);
    sendStatusReport();
}

void VirtualMouse::pressRateButton() {
    std::lock_guard<std::mutex> lock(m_mutex);
    int& rate = m_rate[m_activeProfile];
    const auto* it = std::find(std::begin(kRateCycle), std::end(kRateCycle), rate);
    rate =
        (it == std::end(kRateCycle) || it + 1 == std::end(kRateCycle)) ? kRateCycle[0] : *(it + 1);
    sendStatusReport();
}

void VirtualMouse::setBatteryMillivolts(int millivolts) {
    // The host reads raw * 4.125 as millivolts.
    const int raw = (std::max(millivolts, 0) * 8 + 16) / 33;
    setBatteryRaw(uint16_t(std::min(raw, 0xFFFF)));
}

void VirtualMouse::setBatteryRaw(uint16_t raw) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_batteryRaw = raw;
}

uint16_t VirtualMouse::batteryRaw() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_batteryRaw;
}

void VirtualMouse::setCharging(bool charging) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_charging = charging;
}

void VirtualMouse::setWriteStatus(uint8_t status) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
}

uint8_t VirtualMouse::writeStatus() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writeStatus;
}

void VirtualMouse::setVariant(uint8_t variant) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_variant = variant;
}

void VirtualMouse::injectFault(Fault fault, int count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults[fault] = std::max(count, 0);
}

int VirtualMouse::pendingFault(Fault fault) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_faults.find(fault);
    return it == m_faults.end() ? 0 : it->second;
}

void VirtualMouse::clearFaults() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
}

void VirtualMouse::setMotionInterval(int ms) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_motionIntervalMs = std::max(ms, 0);
}

// ---- what the mouse holds ------------------------------------------------

int VirtualMouse::activeProfile() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_activeProfile;
}

int VirtualMouse::dpiStage(int profile) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return (profile >= 0 && profile < 5) ? m_dpiStage[profile] : -1;
}

int VirtualMouse::reportRate(int profile) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return (profile >= 0 && profile < 5) ? m_rate[profile] : -1;
}

ProfileBlocks VirtualMouse::profileBlocks(int profile) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return (profile >= 0 && profile < 5) ? m_profiles[profile] : ProfileBlocks();
}

std::vector<uint8_t> VirtualMouse::block(int profile, int blockNumber) const {
    if (blockNumber < 1 || blockNumber > kBlockCount) return {};
    return profileBlocks(profile).blocks[blockNumber - 1];
}

uint8_t VirtualMouse::appliedBits() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_applied;
}

bool VirtualMouse::writeOpen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writeOpen;
}

std::string VirtualMouse::describeState() const {
    MouseSnapshot snap;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        snap.receiverPlugged = m_plugged[0];
        snap.cablePlugged = m_plugged[1];
        snap.asleep = m_asleep;
        snap.activeProfile = m_activeProfile;
        snap.batteryRaw = m_batteryRaw;
        snap.charging = m_charging;
        snap.writeStatus = m_writeStatus;
        snap.variant = m_variant;
        for (int p = 0; p < 5; ++p) {
            snap.profiles[p] = m_profiles[p];
            snap.dpiStage[p] = m_dpiStage[p];
            snap.rate[p] = m_rate[p];
        }
    }
    return describeMouse(snap);
}

std::vector<std::string> VirtualMouse::logLines() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

std::string VirtualMouse::logText() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string text;
    for (const std::string& line : m_log) {
        text += line;
        text += '\n';
    }
    return text;
}

void VirtualMouse::clearLog() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
}

} // namespace vm
