// Prints how long one verified command (write + echo read) takes through the
// in-process port and through the daemon's socket, and the cost of `state`.
#include "inprocessport.h"
#include "virtualmouse.h"
#include "wire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int kRounds = 20000;
constexpr int kSocketRounds = 5000;

vm::Report chunk(uint8_t offset) {
    vm::Report r{};
    r[0] = vm::kCommandReportId;
    r[2] = vm::kMarker;
    r[3] = vm::kCmdButtons;
    r[4] = offset;
    r[6] = 24;
    r[7] = offset == 0 ? vm::kOpFirst : vm::kOpFurther;
    r[1] = vm::reportChecksum(r.data());
    return r;
}

void inProcess() {
    vm::VirtualMouse mouse;
    mouse.plug(vm::Link::Receiver);
    InProcessHidPort port(mouse);
    HidDevice* dev = port.openPath(port.enumerate(0, 0).at(1).path.constData());
    uint8_t in[64];
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRounds; ++i) {
        const vm::Report r = chunk(uint8_t((i % 4) * 24));
        port.write(dev, r.data(), r.size());
        port.readTimeout(dev, in, 33, 150);
    }
    const double us = double(t.nsecsElapsed()) / 1000.0 / kRounds;
    std::printf("in-process verified command: %.2f us per write+echo (%d rounds)\n", us, kRounds);
    std::printf("log after the run: %zu lines\n", mouse.logLines().size());

    t.restart();
    size_t chars = 0;
    for (int i = 0; i < 100; ++i)
        chars += mouse.describeState().size();
    std::printf("state text: %.1f us per decode (%zu chars)\n",
                double(t.nsecsElapsed()) / 1000.0 / 100, chars / 100);
}

void overSocket() {
    QTemporaryDir dir;
    const QString socket = dir.filePath("bench.sock");
    qputenv("VIRTUAL_MOUSE_SOCKET", socket.toUtf8());
    QProcess daemon;
    daemon.start(VIRTUAL_MOUSE, {"start", APP_DIR, "--foreground", "--motion", "0"});
    std::string text;
    for (int i = 0; i < 250 && vmwire::control({"ping"}, &text) != 0; ++i)
        QThread::msleep(20);
    const int fd = vmwire::connectTo(socket.toStdString());
    if (fd < 0) {
        std::printf("daemon: not reachable, skipped\n");
        return;
    }
    std::string answer;
    vmwire::Writer open;
    open.u8(vmwire::OpOpen).str("/dev/virtual-mouse/receiver-1");
    vmwire::sendFrame(fd, open.data());
    vmwire::receiveFrame(fd, &answer);
    vmwire::Reader r(answer);
    const int handle = r.i32();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kSocketRounds; ++i) {
        const vm::Report rep = chunk(uint8_t((i % 4) * 24));
        vmwire::Writer w;
        w.u8(vmwire::OpWrite)
            .i32(handle)
            .str(std::string(reinterpret_cast<const char*>(rep.data()), 33));
        vmwire::sendFrame(fd, w.data());
        vmwire::receiveFrame(fd, &answer);
        vmwire::Writer rd;
        rd.u8(vmwire::OpRead).i32(handle).u32(33).i32(150);
        vmwire::sendFrame(fd, rd.data());
        vmwire::receiveFrame(fd, &answer);
    }
    const double us = double(t.nsecsElapsed()) / 1000.0 / kSocketRounds;
    std::printf("daemon socket verified command: %.1f us per write+echo (%d rounds)\n", us,
                kSocketRounds);
    ::close(fd);
    vmwire::control({"stop"}, &text);
    daemon.waitForFinished(5000);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    inProcess();
    overSocket();
    return 0;
}
