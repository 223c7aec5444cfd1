// The few HID library calls the device layer needs, behind one small
// interface: production binds it to hidapi, tests bind it to the virtual mouse.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

struct HidDeviceRecord {
    QByteArray path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    QString serialNumber;
    uint16_t releaseNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = -1;
};

class HidDevice; // an open device of the port in use (opaque)

class HidPort {
public:
    virtual ~HidPort() = default;
    virtual int init() = 0;
    virtual int exit() = 0;
    // vid/pid 0 list every device.
    virtual std::vector<HidDeviceRecord> enumerate(uint16_t vid, uint16_t pid) = 0;
    virtual HidDevice* openPath(const char* path) = 0;
    // Whether the last failed openPath() was refused for lack of permission
    // rather than because the device is gone. The device layer opens under
    // one lock, so this answers for its own last open.
    virtual bool lastOpenDenied() const { return false; }
    virtual void close(HidDevice* device) = 0;
    virtual int write(HidDevice* device, const uint8_t* data, size_t length) = 0;
    virtual int readTimeout(HidDevice* device, uint8_t* data, size_t length, int milliseconds) = 0;
};

// The port in use: hidapi unless a test put another in its place.
HidPort& hidPort();
// nullptr restores hidapi. The caller keeps ownership of `port`.
void setHidPort(HidPort* port);
