// The production binding of the HID port to the distribution's hidapi (hidraw
// backend). The only file that sees hidapi's header.
#include "hidport.h"

#include <atomic>
#include <cerrno>
#include <hidapi.h>

namespace {

class HidapiPort final : public HidPort {
public:
    int init() override { return hid_init(); }
    int exit() override { return hid_exit(); }

    std::vector<HidDeviceRecord> enumerate(uint16_t vid, uint16_t pid) override {
        std::vector<HidDeviceRecord> out;
        hid_device_info* list = hid_enumerate(vid, pid);
        for (hid_device_info* d = list; d; d = d->next) {
            HidDeviceRecord r;
            r.path = QByteArray(d->path ? d->path : "");
            r.vendorId = d->vendor_id;
            r.productId = d->product_id;
            if (d->serial_number) r.serialNumber = QString::fromWCharArray(d->serial_number);
            r.releaseNumber = d->release_number;
            r.usagePage = d->usage_page;
            r.usage = d->usage;
            r.interfaceNumber = d->interface_number;
            out.push_back(r);
        }
        hid_free_enumeration(list);
        return out;
    }

    HidDevice* openPath(const char* path) override {
        errno = 0;
        hid_device* d = hid_open_path(path);
        // Read at once: hidapi keeps only a text, and later calls reuse errno.
        const int error = errno;
        m_denied = !d && (error == EACCES || error == EPERM);
        return reinterpret_cast<HidDevice*>(d);
    }
    bool lastOpenDenied() const override { return m_denied.load(); }
    void close(HidDevice* device) override { hid_close(native(device)); }
    int write(HidDevice* device, const uint8_t* data, size_t length) override {
        return hid_write(native(device), data, length);
    }
    int readTimeout(HidDevice* device, uint8_t* data, size_t length, int milliseconds) override {
        return hid_read_timeout(native(device), data, length, milliseconds);
    }

private:
    static hid_device* native(HidDevice* d) { return reinterpret_cast<hid_device*>(d); }

    std::atomic<bool> m_denied{false};
};

std::atomic<HidPort*> g_port{nullptr};

} // namespace

HidPort& hidPort() {
    static HidapiPort hidapi;
    HidPort* p = g_port.load();
    return p ? *p : hidapi;
}

void setHidPort(HidPort* port) {
    g_port.store(port);
}
