// Device-layer figures: (a) a full profile write against the in-process
// virtual mouse, compared with the protocol's own waits; (b) the CPU time the
// idle status thread takes. Prints its figures; never part of the test run.
#include "devicetable.h"
#include "inprocessport.h"
#include "profilewrite.h"
#include "statuspollthread.h"
#include "testutil.h"
#include "transport.h"
#include "virtualmouse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSettings>
#include <QThread>
#include <appconfig.h>
#include <cstdio>
#include <ctime>
#include <paths.h>

namespace {

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

void writeMacro(const QString& name, int steps) {
    ensureParentFolder(macroFilePath(name));
    QSettings ini(macroFilePath(name), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Setting/Count"), steps);
    for (int k = 0; k < steps; ++k) {
        ini.setValue(QStringLiteral("Setting/Map_%1").arg(k), k % 2 ? 0x04 : 0x84);
        ini.setValue(QStringLiteral("Setting/DataH_%1").arg(k), 0);
        ini.setValue(QStringLiteral("Setting/DataL_%1").arg(k), 4 + k / 2);
    }
}

int countOut(const vm::VirtualMouse& mouse) {
    int n = 0;
    for (const std::string& line : mouse.logLines())
        if (line.find(" out ") != std::string::npos) ++n;
    return n;
}

void fullWrite() {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    mouse.plug(vm::Link::Receiver);
    setHidPort(&port);
    LoadDeviceTable();
    EnumerateDevices();
    OpenDeviceByName(QByteArray(deviceTable().entries[0].mouseName));

    auto settings = std::make_unique<DeviceSettings>();
    loadSettings(*settings);
    MouseProfile& p = settings->current();
    // Five macros on buttons 1-5 (button 0 keeps its click).
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("bench%1").arg(i);
        writeMacro(name, 8 + 4 * i);
        p.buttons[1 + i].Fun = 200;
        p.buttons[1 + i].LoopNumber = 1;
        p.buttons[1 + i].macroname = name;
    }
    mouse.clearLog();
    QElapsedTimer clock;
    clock.start();
    const uint8_t result = ProfileWrite(*settings, 15, nullptr);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    const int reports = countOut(mouse);
    const double waits = 10.0 * reports + 50.0 * 5;
    std::printf("full write (mask 15, 5 macros): result %d, %d reports\n", result, reports);
    std::printf("  wall time %.1f ms, protocol waits %.1f ms (10 ms x %d + 50 ms x 5)\n", ms, waits,
                reports);
    std::printf("  overhead %.2f%% (target <= 5%%)\n", (ms / waits - 1.0) * 100.0);
    // The same write with every wait removed: the program's own share.
    setLinkTiming({0, 0, 150});
    setMacroEncodeDelayMs(0);
    mouse.clearLog();
    clock.restart();
    const uint8_t again = ProfileWrite(*settings, 15, nullptr);
    std::printf("  without waits: result %d, %.1f ms\n", again, double(clock.nsecsElapsed()) / 1e6);
    setLinkTiming(LinkTiming());
    setMacroEncodeDelayMs(50);
    CloseDevices();
    setHidPort(nullptr);
}

void idleStatus(int seconds) {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    mouse.plug(vm::Link::Receiver);
    setHidPort(&port);
    LoadDeviceTable();
    EnumerateDevices();
    OpenDeviceByName(QByteArray(deviceTable().entries[0].mouseName));
    StatusThreadControl control;
    const double cpu0 = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    control.start();
    QThread::sleep(unsigned(seconds));
    control.stop();
    const double cpu = cpuSeconds() - cpu0;
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    std::printf(
        "idle status thread over %.1f s: %.1f ms CPU, %.3f%% of one core (target < 0.5%%)\n", wall,
        cpu * 1000.0, cpu / wall * 100.0);
    CloseDevices();
    setHidPort(nullptr);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.device.debug=false"));
    int seconds = 30;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--seconds"));
    if (at > 0 && at + 1 < args.size()) seconds = args[at + 1].toInt();
    TempAppDir dir(dataDir());
    fullWrite();
    idleStatus(seconds);
    return 0;
}
