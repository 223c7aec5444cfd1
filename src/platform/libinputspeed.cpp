// The libinput driver's "Accel Speed" property of the X server's pointer
// devices (XInput 2): read from the first that has it, written to all.
#include "pointerspeedbackend.h"

#include <QtGlobal>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <cstring>
#include <vector>

namespace {

// A device may go away between the listing and the call; its error must
// fail that call, not end the program (Xlib's default handler exits).
int g_xErrors = 0;
int countError(Display*, XErrorEvent*) {
    ++g_xErrors;
    return 0;
}

class ErrorTrap {
public:
    explicit ErrorTrap(Display* d) : m_display(d) {
        g_xErrors = 0;
        m_old = XSetErrorHandler(countError);
    }
    ~ErrorTrap() { XSetErrorHandler(m_old); }
    bool failed() {
        XSync(m_display, False);
        return g_xErrors != 0;
    }

private:
    Display* m_display;
    int (*m_old)(Display*, XErrorEvent*) = nullptr;
};

class LibinputSpeed : public PointerSpeedBackend {
public:
    LibinputSpeed(Display* d, Atom prop, Atom floatType)
        : m_display(d), m_prop(prop), m_float(floatType) {}
    ~LibinputSpeed() override { XCloseDisplay(m_display); }
    const char* name() const override { return "libinput Accel Speed"; }

    // The slave pointers that have the property now (devices come and go).
    std::vector<int> devices() {
        std::vector<int> ids;
        ErrorTrap trap(m_display);
        int count = 0;
        XIDeviceInfo* info = XIQueryDevice(m_display, XIAllDevices, &count);
        for (int i = 0; info && i < count; ++i) {
            if (info[i].use != XISlavePointer) continue;
            if (readDevice(info[i].deviceid)) ids.push_back(info[i].deviceid);
        }
        if (info) XIFreeDeviceInfo(info);
        return ids;
    }

    std::optional<double> read() override {
        const std::vector<int> ids = devices();
        if (ids.empty()) return std::nullopt;
        return readDevice(ids.front());
    }

    bool write(double value) override {
        const std::vector<int> ids = devices();
        if (ids.empty()) return false;
        const float f = float(value);
        long word = 0; // format 32 data travels as longs
        static_assert(sizeof(f) <= sizeof(word));
        std::memcpy(&word, &f, sizeof(f));
        ErrorTrap trap(m_display);
        for (const int id : ids)
            XIChangeProperty(m_display, id, m_prop, m_float, 32, XIPropModeReplace,
                             reinterpret_cast<unsigned char*>(&word), 1);
        if (trap.failed()) {
            qCWarning(lcPointer) << "the X server refused the pointer speed";
            return false;
        }
        return true;
    }

private:
    std::optional<double> readDevice(int id) {
        ErrorTrap trap(m_display);
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        const Status s = XIGetProperty(m_display, id, m_prop, 0, 1, False, m_float, &type, &format,
                                       &items, &after, &data);
        std::optional<double> result;
        if (s == Success && !trap.failed() && type == m_float && format == 32 && items >= 1) {
            float f = 0;
            std::memcpy(&f, data, sizeof(f));
            result = double(f);
        }
        if (data) XFree(data);
        return result;
    }

    Display* m_display;
    Atom m_prop;
    Atom m_float;
};

} // namespace

std::unique_ptr<PointerSpeedBackend> libinputPointerSpeed() {
    // Under Wayland the X server is XWayland, whose devices are not the
    // desktop's; its settings live with the compositor.
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return nullptr;
    int opcode = 0, event = 0, error = 0, major = 2, minor = 0;
    const Atom prop = XInternAtom(d, "libinput Accel Speed", True);
    if (!XQueryExtension(d, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(d, &major, &minor) != Success || prop == None) {
        XCloseDisplay(d);
        return nullptr;
    }
    auto backend = std::make_unique<LibinputSpeed>(d, prop, XInternAtom(d, "FLOAT", False));
    if (backend->devices().empty()) return nullptr;
    return backend;
}
