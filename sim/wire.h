// The framing between the virtual-mouse daemon and its clients (the command
// line and the drop-in HID library): length-prefixed frames over a Unix socket.
// Free of Qt so the drop-in library stays small.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vmwire {

enum Op : uint8_t {
    OpEnumerate = 1, // u16 vid, u16 pid -> u32 count, records
    OpOpen = 2,      // string path -> i32 handle, kOpenDenied, or -1 (no such device)
    OpClose = 3,     // i32 handle -> i32 0
    OpWrite = 4,     // i32 handle, bytes -> i32 result
    OpRead = 5,      // i32 handle, u32 length, i32 timeout -> i32 result, bytes
    OpControl = 6,   // u32 argc, strings -> i32 exit status, string text
};

// The open answer for a node this user may not open.
constexpr int32_t kOpenDenied = -2;

// VIRTUAL_MOUSE_SOCKET, else $XDG_RUNTIME_DIR/virtual-mouse.sock, else a
// per-user name under /tmp, so that two users never share one daemon.
std::string socketPath();

int connectTo(const std::string& path); // a connected descriptor, or -1
bool sendFrame(int fd, const std::string& payload);
bool receiveFrame(int fd, std::string* payload);

class Writer {
public:
    Writer& u8(uint8_t v);
    Writer& u16(uint16_t v);
    Writer& u32(uint32_t v);
    Writer& i32(int32_t v);
    Writer& str(const std::string& s); // u32 length + bytes
    const std::string& data() const { return m_data; }

private:
    std::string m_data;
};

class Reader {
public:
    explicit Reader(const std::string& data) : m_data(data) {}
    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32();
    std::string str();
    bool ok() const { return m_ok; } // false once a read ran past the end

private:
    bool take(size_t n, const char** p);
    const std::string& m_data;
    size_t m_pos = 0;
    bool m_ok = true;
};

// One collection record of an enumeration answer.
struct WireCollection {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t releaseNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int32_t interfaceNumber = 0;
    std::string serialNumber; // UTF-8
    std::string manufacturer;
    std::string product;
};
void putCollection(Writer& w, const WireCollection& c);
WireCollection getCollection(Reader& r);

// Sends one control command and returns its exit status and text; -1 and an
// explanation when no daemon answers.
int control(const std::vector<std::string>& args, std::string* text,
            const std::string& path = socketPath());

} // namespace vmwire
