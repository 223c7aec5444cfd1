// The device layer's HID port bound to a VirtualMouse in the same process, for tests.
#pragma once

#include "hidport.h"
#include "virtualmouse.h"

#include <mutex>
#include <set>

class InProcessHidPort : public HidPort {
public:
    // The mouse must outlive the port.
    explicit InProcessHidPort(vm::VirtualMouse& mouse);
    ~InProcessHidPort() override;

    int init() override;
    int exit() override;
    std::vector<HidDeviceRecord> enumerate(uint16_t vid, uint16_t pid) override;
    HidDevice* openPath(const char* path) override;
    bool lastOpenDenied() const override;
    void close(HidDevice* device) override;
    int write(HidDevice* device, const uint8_t* data, size_t length) override;
    int readTimeout(HidDevice* device, uint8_t* data, size_t length, int milliseconds) override;

    vm::VirtualMouse& mouse() { return m_mouse; }
    // Makes init() fail, as when the HID library cannot start.
    void setInitFails(bool fails);
    int openCount() const; // handles open now
    int initCount() const; // init() calls minus exit() calls

private:
    struct Handle;
    Handle* handleOf(HidDevice* device) const;

    vm::VirtualMouse& m_mouse;
    mutable std::mutex m_mutex;
    std::set<Handle*> m_open;
    bool m_initFails = false;
    bool m_lastOpenDenied = false;
    int m_initCount = 0;
};
