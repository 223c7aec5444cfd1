#include "mouseserver.h"

#include "controlcommands.h"
#include "wire.h"

#include <QMetaObject>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <thread>
#include <unistd.h>

namespace {

std::string utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

// A read without a timeout waits in slices, so that a client that hangs up
// meanwhile does not leave its thread waiting for ever.
int readFor(vm::VirtualMouse& mouse, int fd, int id, char* data, uint32_t length, int timeout) {
    auto* out = reinterpret_cast<uint8_t*>(data);
    if (timeout >= 0) return mouse.read(id, out, length, timeout);
    constexpr int kSliceMs = 250;
    for (;;) {
        const int n = mouse.read(id, out, length, kSliceMs);
        if (n != 0) return n;
        pollfd p{fd, POLLRDHUP, 0};
        if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLRDHUP | POLLHUP | POLLERR))) return -1;
    }
}

// Serves one client until it hangs up; the handles it opened close with it.
void serveClient(std::shared_ptr<vm::VirtualMouse> mouse, int fd, MouseServer* server) {
    std::set<int> handles;
    std::string request;
    while (vmwire::receiveFrame(fd, &request)) {
        vmwire::Reader in(request);
        vmwire::Writer out;
        bool stop = false;
        switch (in.u8()) {
        case vmwire::OpEnumerate: {
            const uint16_t vid = in.u16();
            const uint16_t pid = in.u16();
            const auto list = mouse->enumerate(vid, pid);
            out.u32(uint32_t(list.size()));
            for (const vm::Collection& c : list) {
                vmwire::WireCollection w;
                w.path = c.path;
                w.vendorId = c.vendorId;
                w.productId = c.productId;
                w.releaseNumber = c.releaseNumber;
                w.usagePage = c.usagePage;
                w.usage = c.usage;
                w.interfaceNumber = c.interfaceNumber;
                w.serialNumber = utf8(c.serialNumber);
                w.manufacturer = utf8(c.manufacturer);
                w.product = utf8(c.product);
                vmwire::putCollection(out, w);
            }
            break;
        }
        case vmwire::OpOpen: {
            static_assert(vm::kOpenDenied == vmwire::kOpenDenied, "one answer for a refused open");
            const int id = mouse->open(in.str());
            if (id > 0) handles.insert(id);
            out.i32(id);
            break;
        }
        case vmwire::OpClose: {
            const int id = in.i32();
            if (handles.erase(id)) mouse->close(id);
            out.i32(0);
            break;
        }
        case vmwire::OpWrite: {
            const int id = in.i32();
            const std::string data = in.str();
            out.i32(
                handles.count(id)
                    ? mouse->write(id, reinterpret_cast<const uint8_t*>(data.data()), data.size())
                    : -1);
            break;
        }
        case vmwire::OpRead: {
            const int id = in.i32();
            const uint32_t length = std::min<uint32_t>(in.u32(), 4096);
            const int timeout = in.i32();
            std::string data(length, '\0');
            const int n =
                handles.count(id) ? readFor(*mouse, fd, id, &data[0], length, timeout) : -1;
            out.i32(n);
            out.str(n > 0 ? data.substr(0, size_t(n)) : std::string());
            break;
        }
        case vmwire::OpControl: {
            std::vector<std::string> args(std::min<uint32_t>(in.u32(), 64));
            for (std::string& a : args)
                a = in.str();
            const vm::ControlResult result =
                in.ok() ? vm::runControl(*mouse, args) : vm::ControlResult{2, "damaged request\n"};
            out.i32(result.status).str(result.text);
            stop = result.stop;
            break;
        }
        default:
            out.i32(-1);
            break;
        }
        if (!vmwire::sendFrame(fd, out.data())) break;
        if (stop) QMetaObject::invokeMethod(server, "stopRequested", Qt::QueuedConnection);
    }
    for (int id : handles)
        mouse->close(id);
    ::close(fd);
}

} // namespace

MouseServer::MouseServer(std::shared_ptr<vm::VirtualMouse> mouse, QObject* parent)
    : QLocalServer(parent), m_mouse(std::move(mouse)) {}

void MouseServer::incomingConnection(quintptr socketDescriptor) {
    const int fd = int(socketDescriptor);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    // The thread owns the descriptor; the model outlives it through the shared pointer.
    std::thread(serveClient, m_mouse, fd, this).detach();
}
