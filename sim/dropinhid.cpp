// A drop-in HID library with hidapi's C interface that forwards every call to
// the virtual-mouse daemon; loaded with LD_PRELOAD it lets the unmodified
// program talk to the virtual mouse. Each open device has its own connection,
// so a thread blocked in a read never holds up another thread's writes.
#include "wire.h"

#include <hidapi/hidapi.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <unistd.h>

// Reads and writes go over two connections, each with its own daemon-side
// handle, so that a thread waiting in a read does not hold up a write, as
// with a real device node. The write handle's own input queue is never read.
struct Channel {
    int fd = -1;
    int32_t handle = -1;
    std::mutex mutex;
};

struct hid_device_ {
    Channel reader;
    Channel writer;
    bool nonblocking = false;
    vmwire::WireCollection info;
    hid_device_info* deviceInfo = nullptr;
    // Literals only, so that the reader and the writer may set it at once.
    std::atomic<const wchar_t*> error{nullptr};
};

namespace {

std::mutex g_errorMutex;
std::wstring g_error;

void setGlobalError(const std::wstring& text) {
    std::lock_guard<std::mutex> lock(g_errorMutex);
    g_error = text;
}

std::wstring wide(const std::string& text) {
    std::wstring out;
    for (unsigned char c : text)
        out += wchar_t(c);
    return out;
}

wchar_t* dupWide(const std::string& text) {
    const std::wstring w = wide(text);
    auto* out = static_cast<wchar_t*>(std::calloc(w.size() + 1, sizeof(wchar_t)));
    if (out) std::wmemcpy(out, w.c_str(), w.size());
    return out;
}

// One request and its answer over `fd`; false when the daemon is gone.
bool roundTrip(int fd, const vmwire::Writer& request, std::string* answer) {
    return fd >= 0 && vmwire::sendFrame(fd, request.data()) && vmwire::receiveFrame(fd, answer);
}

bool enumerateAll(uint16_t vid, uint16_t pid, std::vector<vmwire::WireCollection>* out) {
    const int fd = vmwire::connectTo(vmwire::socketPath());
    if (fd < 0) {
        setGlobalError(L"the virtual mouse daemon is not running");
        return false;
    }
    vmwire::Writer w;
    w.u8(vmwire::OpEnumerate).u16(vid).u16(pid);
    std::string answer;
    const bool ok = roundTrip(fd, w, &answer);
    ::close(fd);
    if (!ok) return false;
    vmwire::Reader r(answer);
    const uint32_t count = r.u32();
    for (uint32_t i = 0; i < count && r.ok(); ++i)
        out->push_back(vmwire::getCollection(r));
    return r.ok();
}

hid_device_info* makeInfo(const vmwire::WireCollection& c) {
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    if (!info) return nullptr;
    info->path = strdup(c.path.c_str());
    info->vendor_id = c.vendorId;
    info->product_id = c.productId;
    info->serial_number = dupWide(c.serialNumber);
    info->release_number = c.releaseNumber;
    info->manufacturer_string = dupWide(c.manufacturer);
    info->product_string = dupWide(c.product);
    info->usage_page = c.usagePage;
    info->usage = c.usage;
    info->interface_number = c.interfaceNumber;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

int copyString(const std::string& text, wchar_t* out, size_t maxlen) {
    if (!out || maxlen == 0) return -1;
    const std::wstring w = wide(text);
    const size_t n = std::min(w.size(), maxlen - 1);
    std::wmemcpy(out, w.c_str(), n);
    out[n] = 0;
    return 0;
}

int unsupported(hid_device* dev) {
    if (dev) dev->error = L"not supported by the virtual mouse";
    return -1;
}

// `denied` is set when the daemon refused the open as a node without permission.
bool openChannel(const char* path, Channel* channel, bool* denied) {
    const int fd = vmwire::connectTo(vmwire::socketPath());
    if (fd < 0) {
        setGlobalError(L"the virtual mouse daemon is not running");
        return false;
    }
    vmwire::Writer w;
    w.u8(vmwire::OpOpen).str(path);
    std::string answer;
    if (!roundTrip(fd, w, &answer)) {
        ::close(fd);
        return false;
    }
    vmwire::Reader r(answer);
    const int32_t handle = r.i32();
    if (!r.ok() || handle <= 0) {
        ::close(fd);
        *denied = r.ok() && handle == vmwire::kOpenDenied;
        setGlobalError(*denied ? L"Permission denied" : L"no such device");
        return false;
    }
    channel->fd = fd;
    channel->handle = handle;
    return true;
}

void closeChannel(Channel* channel) {
    std::lock_guard<std::mutex> lock(channel->mutex);
    if (channel->fd < 0) return;
    vmwire::Writer w;
    w.u8(vmwire::OpClose).i32(channel->handle);
    std::string answer;
    roundTrip(channel->fd, w, &answer);
    ::close(channel->fd);
    channel->fd = -1;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void) {
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void) {
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id) {
    std::vector<vmwire::WireCollection> list;
    if (!enumerateAll(vendor_id, product_id, &list)) return nullptr;
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const auto& c : list) {
        *tail = makeInfo(c);
        if (!*tail) break;
        tail = &(*tail)->next;
    }
    return head;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs) {
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path) {
    if (!path) return nullptr;
    std::vector<vmwire::WireCollection> list;
    enumerateAll(0, 0, &list);
    auto* dev = new hid_device_;
    bool denied = false;
    if (!openChannel(path, &dev->reader, &denied) || !openChannel(path, &dev->writer, &denied)) {
        closeChannel(&dev->reader);
        closeChannel(&dev->writer);
        delete dev;
        // Last, as hidraw's open leaves it for the caller to read.
        if (denied) errno = EACCES;
        return nullptr;
    }
    for (const auto& c : list) {
        if (c.path == path) {
            dev->info = c;
            break;
        }
    }
    return dev;
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id,
                                                 unsigned short product_id,
                                                 const wchar_t* serial_number) {
    std::vector<vmwire::WireCollection> list;
    if (!enumerateAll(vendor_id, product_id, &list)) return nullptr;
    for (const auto& c : list) {
        if (serial_number && wide(c.serialNumber) != serial_number) continue;
        return hid_open_path(c.path.c_str());
    }
    setGlobalError(L"no such device");
    return nullptr;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev) {
    if (!dev) return;
    closeChannel(&dev->reader);
    closeChannel(&dev->writer);
    hid_free_enumeration(dev->deviceInfo);
    delete dev;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, const unsigned char* data,
                                          size_t length) {
    if (!dev || !data) return -1;
    std::lock_guard<std::mutex> lock(dev->writer.mutex);
    vmwire::Writer w;
    w.u8(vmwire::OpWrite)
        .i32(dev->writer.handle)
        .str(std::string(reinterpret_cast<const char*>(data), length));
    std::string answer;
    if (!roundTrip(dev->writer.fd, w, &answer)) {
        dev->error = L"the virtual mouse daemon is gone";
        return -1;
    }
    vmwire::Reader r(answer);
    const int result = r.i32();
    if (result < 0) dev->error = L"write failed";
    return r.ok() ? result : -1;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data,
                                                 size_t length, int milliseconds) {
    if (!dev || !data) return -1;
    std::lock_guard<std::mutex> lock(dev->reader.mutex);
    vmwire::Writer w;
    w.u8(vmwire::OpRead).i32(dev->reader.handle).u32(uint32_t(length)).i32(milliseconds);
    std::string answer;
    if (!roundTrip(dev->reader.fd, w, &answer)) {
        dev->error = L"the virtual mouse daemon is gone";
        return -1;
    }
    vmwire::Reader r(answer);
    const int result = r.i32();
    const std::string bytes = r.str();
    if (!r.ok()) return -1;
    if (result > 0) std::memcpy(data, bytes.data(), std::min(bytes.size(), length));
    if (result < 0) dev->error = L"read failed";
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length) {
    return hid_read_timeout(dev, data, length, dev && dev->nonblocking ? 0 : -1);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device* dev, int nonblock) {
    if (!dev) return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device* dev, const unsigned char*,
                                                        size_t) {
    return unsupported(dev);
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char*, size_t) {
    return unsupported(dev);
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device* dev, unsigned char*, size_t) {
    return unsupported(dev);
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string,
                                                    size_t maxlen) {
    return dev ? copyString(dev->info.manufacturer, string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    return dev ? copyString(dev->info.product, string, maxlen) : -1;
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string,
                                                     size_t maxlen) {
    return dev ? copyString(dev->info.serialNumber, string, maxlen) : -1;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_get_device_info(hid_device* dev) {
    if (!dev) return nullptr;
    if (!dev->deviceInfo) dev->deviceInfo = makeInfo(dev->info);
    return dev->deviceInfo;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device* dev, int, wchar_t*, size_t) {
    return unsupported(dev);
}

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device* dev) {
    if (dev) {
        const wchar_t* e = dev->error.load();
        return e ? e : L"Success";
    }
    static thread_local std::wstring copy;
    std::lock_guard<std::mutex> lock(g_errorMutex);
    copy = g_error.empty() ? L"Success" : g_error;
    return copy.c_str();
}

HID_API_EXPORT const struct hid_api_version* HID_API_CALL hid_version(void) {
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR,
                                            HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char* HID_API_CALL hid_version_str(void) {
    return HID_API_VERSION_STR;
}

} // extern "C"
