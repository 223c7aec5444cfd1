#include "inprocessport.h"

#include <QString>

// HidDevice stays opaque to the device layer; this port hands out its own
// handle objects under that name.
struct InProcessHidPort::Handle {
    int id = -1;
};

InProcessHidPort::InProcessHidPort(vm::VirtualMouse& mouse) : m_mouse(mouse) {}

InProcessHidPort::~InProcessHidPort() {
    for (Handle* h : m_open) {
        m_mouse.close(h->id);
        delete h;
    }
}

int InProcessHidPort::init() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_initFails) return -1;
    ++m_initCount;
    return 0;
}

int InProcessHidPort::exit() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_initCount > 0) --m_initCount;
    return 0;
}

std::vector<HidDeviceRecord> InProcessHidPort::enumerate(uint16_t vid, uint16_t pid) {
    std::vector<HidDeviceRecord> records;
    for (const vm::Collection& c : m_mouse.enumerate(vid, pid)) {
        HidDeviceRecord r;
        r.path = QByteArray::fromStdString(c.path);
        r.vendorId = c.vendorId;
        r.productId = c.productId;
        r.serialNumber = QString::fromStdWString(c.serialNumber);
        r.releaseNumber = c.releaseNumber;
        r.usagePage = c.usagePage;
        r.usage = c.usage;
        r.interfaceNumber = c.interfaceNumber;
        records.push_back(r);
    }
    return records;
}

HidDevice* InProcessHidPort::openPath(const char* path) {
    if (!path) return nullptr;
    const int id = m_mouse.open(path);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastOpenDenied = id == vm::kOpenDenied;
    if (id < 0) return nullptr;
    auto* h = new Handle{id};
    m_open.insert(h);
    return reinterpret_cast<HidDevice*>(h);
}

bool InProcessHidPort::lastOpenDenied() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastOpenDenied;
}

InProcessHidPort::Handle* InProcessHidPort::handleOf(HidDevice* device) const {
    auto* h = reinterpret_cast<Handle*>(device);
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open.count(h) ? h : nullptr;
}

void InProcessHidPort::close(HidDevice* device) {
    Handle* h = handleOf(device);
    if (!h) return;
    m_mouse.close(h->id);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.erase(h);
    delete h;
}

int InProcessHidPort::write(HidDevice* device, const uint8_t* data, size_t length) {
    Handle* h = handleOf(device);
    return h ? m_mouse.write(h->id, data, length) : -1;
}

int InProcessHidPort::readTimeout(HidDevice* device, uint8_t* data, size_t length,
                                  int milliseconds) {
    Handle* h = handleOf(device);
    return h ? m_mouse.read(h->id, data, length, milliseconds) : -1;
}

void InProcessHidPort::setInitFails(bool fails) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_initFails = fails;
}

int InProcessHidPort::openCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_open.size());
}

int InProcessHidPort::initCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_initCount;
}
