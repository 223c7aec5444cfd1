#include "wire.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vmwire {

namespace {

// Frames larger than this are refused: nothing in the protocol comes near it.
constexpr uint32_t kMaxFrame = 64 * 1024 * 1024;

bool writeAll(int fd, const char* data, size_t n) {
    while (n > 0) {
        const ssize_t k = ::send(fd, data, n, MSG_NOSIGNAL);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        data += k;
        n -= size_t(k);
    }
    return true;
}

bool readAll(int fd, char* data, size_t n) {
    while (n > 0) {
        const ssize_t k = ::recv(fd, data, n, 0);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        data += k;
        n -= size_t(k);
    }
    return true;
}

} // namespace

std::string socketPath() {
    if (const char* env = std::getenv("VIRTUAL_MOUSE_SOCKET"); env && *env) return env;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/virtual-mouse.sock";
    return "/tmp/virtual-mouse-" + std::to_string(::getuid()) + ".sock";
}

int connectTo(const std::string& path) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return -1;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendFrame(int fd, const std::string& payload) {
    const uint32_t n = uint32_t(payload.size());
    const char header[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF),
                            char((n >> 24) & 0xFF)};
    std::string frame(header, 4);
    frame += payload;
    return writeAll(fd, frame.data(), frame.size());
}

bool receiveFrame(int fd, std::string* payload) {
    unsigned char header[4];
    if (!readAll(fd, reinterpret_cast<char*>(header), 4)) return false;
    const uint32_t n =
        header[0] | (header[1] << 8) | (header[2] << 16) | (uint32_t(header[3]) << 24);
    if (n > kMaxFrame) return false;
    payload->assign(n, '\0');
    return n == 0 || readAll(fd, &(*payload)[0], n);
}

Writer& Writer::u8(uint8_t v) {
    m_data += char(v);
    return *this;
}

Writer& Writer::u16(uint16_t v) {
    return u8(uint8_t(v & 0xFF)).u8(uint8_t(v >> 8));
}

Writer& Writer::u32(uint32_t v) {
    return u16(uint16_t(v & 0xFFFF)).u16(uint16_t(v >> 16));
}

Writer& Writer::i32(int32_t v) {
    return u32(uint32_t(v));
}

Writer& Writer::str(const std::string& s) {
    u32(uint32_t(s.size()));
    m_data += s;
    return *this;
}

bool Reader::take(size_t n, const char** p) {
    if (!m_ok || m_data.size() - m_pos < n) {
        m_ok = false;
        return false;
    }
    *p = m_data.data() + m_pos;
    m_pos += n;
    return true;
}

uint8_t Reader::u8() {
    const char* p = nullptr;
    return take(1, &p) ? uint8_t(*p) : 0;
}

uint16_t Reader::u16() {
    const uint16_t lo = u8();
    return uint16_t(lo | (u8() << 8));
}

uint32_t Reader::u32() {
    const uint32_t lo = u16();
    return lo | (uint32_t(u16()) << 16);
}

int32_t Reader::i32() {
    return int32_t(u32());
}

std::string Reader::str() {
    const uint32_t n = u32();
    const char* p = nullptr;
    return take(n, &p) ? std::string(p, n) : std::string();
}

void putCollection(Writer& w, const WireCollection& c) {
    w.str(c.path).u16(c.vendorId).u16(c.productId).u16(c.releaseNumber).u16(c.usagePage);
    w.u16(c.usage).i32(c.interfaceNumber).str(c.serialNumber).str(c.manufacturer).str(c.product);
}

WireCollection getCollection(Reader& r) {
    WireCollection c;
    c.path = r.str();
    c.vendorId = r.u16();
    c.productId = r.u16();
    c.releaseNumber = r.u16();
    c.usagePage = r.u16();
    c.usage = r.u16();
    c.interfaceNumber = r.i32();
    c.serialNumber = r.str();
    c.manufacturer = r.str();
    c.product = r.str();
    return c;
}

int control(const std::vector<std::string>& args, std::string* text, const std::string& path) {
    const int fd = connectTo(path);
    if (fd < 0) {
        *text = "no virtual mouse daemon is listening on " + path;
        return -1;
    }
    Writer w;
    w.u8(OpControl).u32(uint32_t(args.size()));
    for (const std::string& a : args)
        w.str(a);
    std::string answer;
    const bool ok = sendFrame(fd, w.data()) && receiveFrame(fd, &answer);
    ::close(fd);
    if (!ok) {
        *text = "the virtual mouse daemon on " + path + " closed the connection";
        return -1;
    }
    Reader r(answer);
    const int status = r.i32();
    *text = r.str();
    if (!r.ok()) {
        *text = "the virtual mouse daemon sent a damaged answer";
        return -1;
    }
    return status;
}

} // namespace vmwire
