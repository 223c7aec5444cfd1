#include "devicetable.h"

#include "deviceaccess.h"
#include "devicelog.h"

#include <QRegularExpression>
#include <algorithm>
#include <appconfig.h>
#include <cstring>
#include <productdef.h>

namespace {
DeviceTable g_table;
uint16_t g_cableRelease = 0;
std::mutex g_commandMutex;
AccessDiagnosis g_access; // guarded by g_commandMutex

const QByteArray kPathPrefix = QByteArrayLiteral("\\\\?\\");

bool fieldEquals(const char* field, int size, const QByteArray& text) {
    const int n = int(strnlen(field, size_t(size)));
    return n == text.size() && std::memcmp(field, text.constData(), size_t(n)) == 0;
}
} // namespace

DeviceTable& deviceTable() {
    return g_table;
}
namespace {
// Built after the HID port, so that at exit the set is torn down while the
// port it closes handles through still exists.
struct HandleSetHolder {
    HandleSetHolder() { hidPort(); }
    DeviceHandleSet set;
};
} // namespace

DeviceHandleSet& deviceHandles() {
    static HandleSetHolder holder;
    return holder.set;
}
uint16_t cableReleaseNumber() {
    return g_cableRelease;
}
std::mutex& commandHandleMutex() {
    return g_commandMutex;
}

void copyField(char* field, int size, const QByteArray& text) {
    const int n = std::min<int>(int(text.size()), size - 1);
    std::memset(field, 0, size_t(size));
    std::memcpy(field, text.constData(), size_t(n));
}

HidHandle& HidHandle::operator=(HidHandle&& o) noexcept {
    if (this != &o) {
        reset();
        m_port = o.m_port;
        m_device = o.m_device;
        o.m_port = nullptr;
        o.m_device = nullptr;
    }
    return *this;
}

void HidHandle::reset() {
    if (m_device && m_port) m_port->close(m_device);
    m_device = nullptr;
    m_port = nullptr;
}

bool commandHandleOpen() {
    std::lock_guard<std::mutex> lock(g_commandMutex);
    return commandHandle() != nullptr;
}

const HidHandle* commandHandle() {
    if (deviceHandles().cableCommand.isOpen()) return &deviceHandles().cableCommand;
    if (deviceHandles().receiverCommand.isOpen()) return &deviceHandles().receiverCommand;
    return nullptr;
}

void LoadDeviceTable() {
    g_table = DeviceTable();
    const UsbIds ids = usbIds();
    g_table.count = 1;
    DeviceEntry& e = g_table.entries[0];
    e.receiverVid = uint32_t(ids.vid1);
    e.cableVid = uint32_t(ids.vid2);
    e.receiverPid = uint32_t(ids.pid1);
    e.cablePid = uint32_t(ids.pid2);
    const uint32_t sig[4][2] = {{kMouseUsage, kGenericDesktopPage},
                                {kCommandUsage, kGenericDesktopPage},
                                {kMouseUsage, kGenericDesktopPage},
                                {kCommandUsage, kGenericDesktopPage}};
    std::memcpy(e.signature, sig, sizeof sig);
    const QByteArray name = readMouseList0().toLatin1();
    copyField(e.mouseName, kMouseNameSize, name);
    qCDebug(lcDevice) << "mouse name" << name;
}

bool isCommandCollectionPath(const QByteArray& path) {
    // Windows lists each top-level collection under its own path ending in
    // "colNN"; there the command collection is the fourth. hidraw gives all
    // collections of an interface one path without a suffix, so there the
    // usage alone tells them apart.
    static const QRegularExpression suffix(QStringLiteral("col[0-9a-f]{2}"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString p = QString::fromLatin1(path);
    if (!suffix.match(p).hasMatch()) return true;
    return p.contains(QLatin1String("col04"), Qt::CaseInsensitive);
}

void recordEnumeratedDevice(DeviceTable& table, const HidDeviceRecord& r) {
    if (r.vendorId == 0x04D9)
        qCDebug(lcDevice,
                "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                r.vendorId, r.productId, r.path.constData(), qPrintable(r.serialNumber), r.usage,
                r.usagePage);
    const bool mouse = r.usage == kMouseUsage && r.usagePage == kGenericDesktopPage;
    const bool command = r.usage == kCommandUsage && r.usagePage == kGenericDesktopPage;
    for (uint32_t i = 0; i < table.count && i < uint32_t(kDeviceTableCapacity); ++i) {
        DeviceEntry& e = table.entries[i];
        if (r.vendorId == e.receiverVid && r.productId == e.receiverPid) {
            if (mouse) {
                copyField(e.receiverMousePath, kDevicePathSize, r.path);
                e.receiverMouseFound = 1;
                qCDebug(lcDevice, "1 %s", r.path.constData());
            } else if (command && isCommandCollectionPath(r.path)) {
                copyField(e.receiverCommandPath, kDevicePathSize, r.path);
                e.receiverCommandFound = 1;
                qCDebug(lcDevice, "2 %s", r.path.constData());
            }
        }
        if (r.vendorId == e.cableVid && r.productId == e.cablePid) {
            if (mouse) {
                copyField(e.cableMousePath, kDevicePathSize, r.path);
                e.cableMouseFound = 1;
                qCDebug(lcDevice, "3 %s", r.path.constData());
            } else if (command) {
                copyField(e.cableCommandPath, kDevicePathSize, r.path);
                e.cableCommandFound = 1;
                g_cableRelease = r.releaseNumber;
                qCDebug(lcDevice, "4 %s", r.path.constData());
            }
        }
    }
}

int EnumerateDevices() {
    HidPort& port = hidPort();
    if (port.init() < 0) return -1;
    for (const HidDeviceRecord& r : port.enumerate(0, 0))
        recordEnumeratedDevice(g_table, r);
    return 0;
}

namespace {

// Paths stored from a notification are in the Windows interface form, which
// this platform cannot open; a fresh enumeration supplies the real paths.
void refreshPaths(DeviceEntry& e) {
    DeviceTable scratch;
    scratch.count = 1;
    DeviceEntry& s = scratch.entries[0];
    s.receiverVid = e.receiverVid;
    s.receiverPid = e.receiverPid;
    s.cableVid = e.cableVid;
    s.cablePid = e.cablePid;
    const uint16_t release = g_cableRelease; // only the start-up enumeration sets it
    for (const HidDeviceRecord& r : hidPort().enumerate(0, 0))
        recordEnumeratedDevice(scratch, r);
    g_cableRelease = release;
    auto take = [](char* to, const char* from, uint32_t found) {
        if (found) std::memcpy(to, from, kDevicePathSize);
    };
    take(e.receiverMousePath, s.receiverMousePath, s.receiverMouseFound);
    take(e.receiverCommandPath, s.receiverCommandPath, s.receiverCommandFound);
    take(e.cableMousePath, s.cableMousePath, s.cableMouseFound);
    take(e.cableCommandPath, s.cableCommandPath, s.cableCommandFound);
}

bool needsRefresh(const DeviceEntry& e) {
    for (const char* p :
         {e.receiverMousePath, e.receiverCommandPath, e.cableMousePath, e.cableCommandPath})
        if (std::strncmp(p, kPathPrefix.constData(), size_t(kPathPrefix.size())) == 0) return true;
    return false;
}

// A refused node is noted in `denied`, so the user can be told which nodes to grant.
HidHandle openPath(const char* path, QStringList& denied) {
    HidPort& port = hidPort();
    HidDevice* d = port.openPath(path);
    if (!d && port.lastOpenDenied()) {
        const QString p = QString::fromLocal8Bit(path);
        if (!denied.contains(p)) denied << p;
    }
    return HidHandle(d ? &port : nullptr, d);
}

} // namespace

void OpenDeviceByName(const QByteArray& name) {
    std::lock_guard<std::mutex> lock(g_commandMutex);
    g_access = AccessDiagnosis();
    if (hidPort().init() < 0 || g_table.count == 0) return;
    QStringList denied;
    for (uint32_t i = 0; i < g_table.count && i < uint32_t(kDeviceTableCapacity); ++i) {
        DeviceEntry& e = g_table.entries[i];
        if (!fieldEquals(e.mouseName, kMouseNameSize, name)) continue;
        if (needsRefresh(e)) refreshPaths(e);
        if (e.receiverMouseFound && e.receiverCommandFound) {
            deviceHandles().receiverMouse = openPath(e.receiverMousePath, denied);
            deviceHandles().receiverCommand = openPath(e.receiverCommandPath, denied);
        }
        if (e.cableMouseFound && e.cableCommandFound) {
            deviceHandles().cableMouse = openPath(e.cableMousePath, denied);
            deviceHandles().cableCommand = openPath(e.cableCommandPath, denied);
        }
    }
    // Only a refusal that leaves no way to the mouse is worth telling.
    if (commandHandle())
        g_access.access = MouseAccess::Open;
    else if (!denied.isEmpty())
        g_access = {MouseAccess::Denied, denied};
}

AccessDiagnosis lastOpenDiagnosis() {
    std::lock_guard<std::mutex> lock(g_commandMutex);
    return g_access;
}

void CloseDevices() {
    std::lock_guard<std::mutex> lock(g_commandMutex);
    deviceHandles().receiverMouse.reset();
    deviceHandles().receiverCommand.reset();
    deviceHandles().cableMouse.reset();
    deviceHandles().cableCommand.reset();
}

void ShutdownHid() {
    hidPort().exit();
}

int connectedMouseCount(const DeviceTable& table) {
    int n = 0;
    for (uint32_t i = 0; i < table.count && i < uint32_t(kDeviceTableCapacity); ++i)
        if (table.entries[i].receiverConnected() || table.entries[i].cableConnected()) ++n;
    return n;
}

InterfaceName parseInterfaceName(const QString& name) {
    struct Pattern {
        const char* regex;
        CollectionKind kind;
    };
    static const Pattern patterns[] = {
        {R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&col01)", CollectionKind::Mouse},
        {R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&col04)", CollectionKind::Command},
        {R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&MI_00&col01)", CollectionKind::Mouse},
        {R"(HID#VID_(?<vid>\w{4})&PID_(?<pid>\w{4})&MI_00&col04)", CollectionKind::Command},
    };
    for (const Pattern& p : patterns) {
        const QRegularExpression re(QString::fromLatin1(p.regex),
                                    QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = re.match(name);
        if (!m.hasMatch()) continue;
        InterfaceName out;
        out.kind = p.kind;
        bool ok = false;
        out.vid = m.captured(QStringLiteral("vid")).toUInt(&ok, 16);
        if (!ok) out.vid = 0;
        out.pid = m.captured(QStringLiteral("pid")).toUInt(&ok, 16);
        if (!ok) out.pid = 0;
        return out;
    }
    return {};
}

DeviceChange applyDeviceChange(DeviceTable& table, const QString& name, bool arrived,
                               const QByteArray& currentName) {
    DeviceChange change;
    const InterfaceName parsed = parseInterfaceName(name);
    if (parsed.kind == CollectionKind::None) return change;
    const QByteArray path = kPathPrefix + name.toLatin1();
    for (uint32_t i = 0; i < table.count && i < uint32_t(kDeviceTableCapacity); ++i) {
        DeviceEntry& e = table.entries[i];
        EntryReaction r;
        r.entry = int(i);
        if (parsed.vid == e.receiverVid && parsed.pid == e.receiverPid)
            r.receiver = true;
        else if (!(parsed.vid == e.cableVid && parsed.pid == e.cablePid))
            continue;
        const bool mouse = parsed.kind == CollectionKind::Mouse;
        uint32_t& flag = r.receiver ? (mouse ? e.receiverMouseFound : e.receiverCommandFound)
                                    : (mouse ? e.cableMouseFound : e.cableCommandFound);
        char* field = r.receiver ? (mouse ? e.receiverMousePath : e.receiverCommandPath)
                                 : (mouse ? e.cableMousePath : e.cableCommandPath);
        if (arrived) {
            copyField(field, kDevicePathSize, path);
            if (!flag) change.collectionAppeared = true;
            flag = 1;
            r.connectionCompleted = r.receiver ? e.receiverConnected() : e.cableConnected();
        } else {
            if (!flag) continue;
            flag = 0;
            r.entryCleared = !e.anyFound();
        }
        r.currentMouse = fieldEquals(e.mouseName, kMouseNameSize, currentName);
        const bool present = r.receiver ? (e.receiverMouseFound || e.receiverCommandFound)
                                        : (e.cableMouseFound || e.cableCommandFound);
        r.reopen = r.currentMouse && present;
        change.entries.push_back(r);
    }
    return change;
}
