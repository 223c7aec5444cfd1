// The device table (which USB IDs are the receiver and the cable, which
// collections were found where), the open handle set, and the rule that turns
// device-interface notifications into reactions.
#pragma once

#include "hidport.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <mutex>
#include <vector>

constexpr int kDeviceTableCapacity = 200;
constexpr int kDevicePathSize = 255;
constexpr int kMouseNameSize = 256;

// Usage and usage page of the collections that matter.
constexpr uint32_t kMouseUsage = 2;
constexpr uint32_t kCommandUsage = 0;
constexpr uint32_t kGenericDesktopPage = 1;

struct DeviceEntry {
    uint32_t receiverVid = 0;
    uint32_t cableVid = 0;
    uint32_t receiverPid = 0;
    uint32_t cablePid = 0;
    // (usage, usage page): receiver mouse, receiver command, cable mouse, cable command.
    uint32_t signature[4][2] = {};
    char receiverMousePath[kDevicePathSize] = {};
    char receiverCommandPath[kDevicePathSize] = {};
    char cableMousePath[kDevicePathSize] = {};
    char cableCommandPath[kDevicePathSize] = {};
    // Found flags in this order: receiver mouse, cable mouse, receiver command, cable command.
    uint32_t receiverMouseFound = 0;
    uint32_t cableMouseFound = 0;
    uint32_t receiverCommandFound = 0;
    uint32_t cableCommandFound = 0;
    char mouseName[kMouseNameSize] = {}; // Latin-1

    bool receiverConnected() const { return receiverMouseFound && receiverCommandFound; }
    bool cableConnected() const { return cableMouseFound && cableCommandFound; }
    bool anyFound() const {
        return receiverMouseFound || cableMouseFound || receiverCommandFound || cableCommandFound;
    }
};

struct DeviceTable {
    DeviceEntry entries[kDeviceTableCapacity];
    uint32_t count = 0;
};

// The process-wide table.
DeviceTable& deviceTable();

// Copies `text` into a fixed path or name field, cut to fit with its NUL.
void copyField(char* field, int size, const QByteArray& text);

// Release number of the cable's command collection seen at start-up; 0 when
// the cable was not there then.
uint16_t cableReleaseNumber();

// An open HID device, closed through the port that opened it.
class HidHandle {
public:
    HidHandle() = default;
    HidHandle(HidPort* port, HidDevice* device) : m_port(port), m_device(device) {}
    HidHandle(const HidHandle&) = delete;
    HidHandle& operator=(const HidHandle&) = delete;
    HidHandle(HidHandle&& o) noexcept { *this = std::move(o); }
    HidHandle& operator=(HidHandle&& o) noexcept;
    ~HidHandle() { reset(); }

    void reset();
    bool isOpen() const { return m_device != nullptr; }
    HidDevice* get() const { return m_device; }
    HidPort* port() const { return m_port; }

private:
    HidPort* m_port = nullptr;
    HidDevice* m_device = nullptr;
};

struct DeviceHandleSet {
    HidHandle receiverMouse;
    HidHandle receiverCommand;
    HidHandle cableMouse;
    HidHandle cableCommand;
};

// The process-wide handle set.
DeviceHandleSet& deviceHandles();

// The command collection in use: the cable's when open, else the receiver's;
// nullptr when neither is open. Callers on other threads hold the command
// handle mutex while they use it.
const HidHandle* commandHandle();
// Whether a command handle is open (takes the command handle mutex).
bool commandHandleOpen();

// Fills entry 0 from the product definition and "Mouse_List/0".
void LoadDeviceTable();
// Lists every HID device and records the collections of the table's entries.
// Returns -1 when the HID library cannot start.
int EnumerateDevices();
// Applies the enumeration rule to one device record (exposed for tests).
void recordEnumeratedDevice(DeviceTable& table, const HidDeviceRecord& record);
// Whether a path names a command collection: a path with a collection suffix
// must name collection 04; hidraw paths carry none.
bool isCommandCollectionPath(const QByteArray& path);

void OpenDeviceByName(const QByteArray& name);
void CloseDevices();
void ShutdownHid();

// Entries whose receiver pair or cable pair is complete.
int connectedMouseCount(const DeviceTable& table);

// ---- device-change rule ----

enum class CollectionKind { None, Mouse, Command };

struct InterfaceName {
    CollectionKind kind = CollectionKind::None;
    uint32_t vid = 0;
    uint32_t pid = 0;
};
// Classifies a name like "HID#VID_248A&PID_FA02&Col04" (case ignored).
InterfaceName parseInterfaceName(const QString& name);

// What one notification means for one entry.
struct EntryReaction {
    int entry = -1;
    bool receiver = false;            // the notification is the receiver's (else the cable's)
    bool connectionCompleted = false; // arrival: both collections of that connection present
    bool entryCleared = false;        // removal: none of the entry's four collections is left
    bool currentMouse = false;        // the entry is the current mouse
    bool reopen = false;              // a collection of the notified connection is still present
};

struct DeviceChange {
    std::vector<EntryReaction> entries;
    bool collectionAppeared = false; // store a full write as pending
};

// Updates `table` for an arrival or removal of `name` (the interface name
// without its "\\?\" prefix). `currentName` is the current mouse's name.
DeviceChange applyDeviceChange(DeviceTable& table, const QString& name, bool arrived,
                               const QByteArray& currentName);

// Held while a report is written and its answer read on the command handle,
// and while handles are opened or closed, so that the status poll never falls
// between a command and its echo.
std::mutex& commandHandleMutex();
