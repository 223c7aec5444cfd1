#include "keyboardhook.h"

#include "keycodes.h"
#include "xrecordkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// Key events are private: they show only with this category switched on.
Q_LOGGING_CATEGORY(lcKeys, "mousecfg.platform.keys", QtWarningMsg)

namespace {

struct HookKey {
    uint16_t evdev; // linux/input-event-codes.h
    uint8_t scan;   // set 1
    bool extended;
    int qtKey;   // for events without a native code; 0 when Qt cannot tell the key apart
    bool keypad; // Qt reports it with Qt::KeypadModifier
};

// A keypad key has a second row for the Qt key it gives with NumLock off;
// hookKeyFromEvdev takes the first row of a code.
constexpr HookKey kHookKeys[] = {
    {1, 0x01, false, Qt::Key_Escape, false},
    {2, 0x02, false, Qt::Key_1, false},
    {3, 0x03, false, Qt::Key_2, false},
    {4, 0x04, false, Qt::Key_3, false},
    {5, 0x05, false, Qt::Key_4, false},
    {6, 0x06, false, Qt::Key_5, false},
    {7, 0x07, false, Qt::Key_6, false},
    {8, 0x08, false, Qt::Key_7, false},
    {9, 0x09, false, Qt::Key_8, false},
    {10, 0x0A, false, Qt::Key_9, false},
    {11, 0x0B, false, Qt::Key_0, false},
    {12, 0x0C, false, Qt::Key_Minus, false},
    {13, 0x0D, false, Qt::Key_Equal, false},
    {14, 0x0E, false, Qt::Key_Backspace, false},
    {15, 0x0F, false, Qt::Key_Tab, false},
    {16, 0x10, false, Qt::Key_Q, false},
    {17, 0x11, false, Qt::Key_W, false},
    {18, 0x12, false, Qt::Key_E, false},
    {19, 0x13, false, Qt::Key_R, false},
    {20, 0x14, false, Qt::Key_T, false},
    {21, 0x15, false, Qt::Key_Y, false},
    {22, 0x16, false, Qt::Key_U, false},
    {23, 0x17, false, Qt::Key_I, false},
    {24, 0x18, false, Qt::Key_O, false},
    {25, 0x19, false, Qt::Key_P, false},
    {26, 0x1A, false, Qt::Key_BracketLeft, false},
    {27, 0x1B, false, Qt::Key_BracketRight, false},
    {28, 0x1C, false, Qt::Key_Return, false},
    {29, 0x1D, false, Qt::Key_Control, false},
    {30, 0x1E, false, Qt::Key_A, false},
    {31, 0x1F, false, Qt::Key_S, false},
    {32, 0x20, false, Qt::Key_D, false},
    {33, 0x21, false, Qt::Key_F, false},
    {34, 0x22, false, Qt::Key_G, false},
    {35, 0x23, false, Qt::Key_H, false},
    {36, 0x24, false, Qt::Key_J, false},
    {37, 0x25, false, Qt::Key_K, false},
    {38, 0x26, false, Qt::Key_L, false},
    {39, 0x27, false, Qt::Key_Semicolon, false},
    {40, 0x28, false, Qt::Key_Apostrophe, false},
    {41, 0x29, false, Qt::Key_QuoteLeft, false},
    {42, 0x2A, false, Qt::Key_Shift, false},
    {43, 0x2B, false, Qt::Key_Backslash, false},
    {44, 0x2C, false, Qt::Key_Z, false},
    {45, 0x2D, false, Qt::Key_X, false},
    {46, 0x2E, false, Qt::Key_C, false},
    {47, 0x2F, false, Qt::Key_V, false},
    {48, 0x30, false, Qt::Key_B, false},
    {49, 0x31, false, Qt::Key_N, false},
    {50, 0x32, false, Qt::Key_M, false},
    {51, 0x33, false, Qt::Key_Comma, false},
    {52, 0x34, false, Qt::Key_Period, false},
    {53, 0x35, false, Qt::Key_Slash, false},
    {54, 0x36, false, 0, false}, // right Shift
    {55, 0x37, false, Qt::Key_Asterisk, true},
    {56, 0x38, false, Qt::Key_Alt, false},
    {57, 0x39, false, Qt::Key_Space, false},
    {58, 0x3A, false, Qt::Key_CapsLock, false},
    {59, 0x3B, false, Qt::Key_F1, false},
    {60, 0x3C, false, Qt::Key_F2, false},
    {61, 0x3D, false, Qt::Key_F3, false},
    {62, 0x3E, false, Qt::Key_F4, false},
    {63, 0x3F, false, Qt::Key_F5, false},
    {64, 0x40, false, Qt::Key_F6, false},
    {65, 0x41, false, Qt::Key_F7, false},
    {66, 0x42, false, Qt::Key_F8, false},
    {67, 0x43, false, Qt::Key_F9, false},
    {68, 0x44, false, Qt::Key_F10, false},
    {69, 0x45, true, Qt::Key_NumLock, false},
    {70, 0x46, false, Qt::Key_ScrollLock, false},
    {71, 0x47, false, Qt::Key_7, true},
    {71, 0x47, false, Qt::Key_Home, true},
    {72, 0x48, false, Qt::Key_8, true},
    {72, 0x48, false, Qt::Key_Up, true},
    {73, 0x49, false, Qt::Key_9, true},
    {73, 0x49, false, Qt::Key_PageUp, true},
    {74, 0x4A, false, Qt::Key_Minus, true},
    {75, 0x4B, false, Qt::Key_4, true},
    {75, 0x4B, false, Qt::Key_Left, true},
    {76, 0x4C, false, Qt::Key_5, true},
    {76, 0x4C, false, Qt::Key_Clear, true},
    {77, 0x4D, false, Qt::Key_6, true},
    {77, 0x4D, false, Qt::Key_Right, true},
    {78, 0x4E, false, Qt::Key_Plus, true},
    {79, 0x4F, false, Qt::Key_1, true},
    {79, 0x4F, false, Qt::Key_End, true},
    {80, 0x50, false, Qt::Key_2, true},
    {80, 0x50, false, Qt::Key_Down, true},
    {81, 0x51, false, Qt::Key_3, true},
    {81, 0x51, false, Qt::Key_PageDown, true},
    {82, 0x52, false, Qt::Key_0, true},
    {82, 0x52, false, Qt::Key_Insert, true},
    {83, 0x53, false, Qt::Key_Period, true},
    {83, 0x53, false, Qt::Key_Delete, true},
    {87, 0x57, false, Qt::Key_F11, false},
    {88, 0x58, false, Qt::Key_F12, false},
    {96, 0x1C, true, Qt::Key_Enter, true},
    {97, 0x1D, true, 0, false}, // right Ctrl
    {98, 0x35, true, Qt::Key_Slash, true},
    {99, 0x37, true, Qt::Key_Print, false},
    {100, 0x38, true, Qt::Key_AltGr, false},
    {102, 0x47, true, Qt::Key_Home, false},
    {103, 0x48, true, Qt::Key_Up, false},
    {104, 0x49, true, Qt::Key_PageUp, false},
    {105, 0x4B, true, Qt::Key_Left, false},
    {106, 0x4D, true, Qt::Key_Right, false},
    {107, 0x4F, true, Qt::Key_End, false},
    {108, 0x50, true, Qt::Key_Down, false},
    {109, 0x51, true, Qt::Key_PageDown, false},
    {110, 0x52, true, Qt::Key_Insert, false},
    {111, 0x53, true, Qt::Key_Delete, false},
    {119, 0x45, false, Qt::Key_Pause, false},
    {125, 0x5B, true, Qt::Key_Super_L, false},
    {126, 0x5C, true, Qt::Key_Super_R, false},
    {127, 0x5D, true, Qt::Key_Menu, false},
};

const HookKey* keyFromEvdev(int evdevCode) {
    for (const HookKey& k : kHookKeys)
        if (k.evdev == evdevCode) return &k;
    return nullptr;
}

const HookKey* keyFromQt(int qtKey, bool keypad) {
    if (qtKey == 0) return nullptr;
    for (const HookKey& k : kHookKeys)
        if (k.qtKey == qtKey && k.keypad == keypad) return &k;
    return nullptr;
}

// Sees the keys typed into this program's own windows. An event is taken
// where it first arrives (its window, or the widget it was sent to) and not
// again when it is passed on to the window's widgets or a widget's parents.
class KeyFilter : public QObject {
public:
    explicit KeyFilter(std::function<void(const HookKey&, bool up)> sink)
        : m_sink(std::move(sink)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
        if (passedOn(watched, event)) return false;
        m_lastEvent = event;
        m_lastType = type;
        m_lastReceiver = watched;

        const auto* e = static_cast<QKeyEvent*>(event);
        const bool up = type == QEvent::KeyRelease;
        if (up && e->isAutoRepeat()) return false;
        if (const HookKey* key = keyOf(*e)) m_sink(*key, up);
        return false;
    }

private:
    static bool isCharacter(int qtKey) { return qtKey >= 0x20 && qtKey <= 0xFF; }

    static const HookKey* keyOf(const QKeyEvent& e) {
        const HookKey* byQt = keyFromQt(e.key(), e.modifiers().testFlag(Qt::KeypadModifier));
        // The native code is the key's place, evdev + 8, on xcb and Wayland
        // alike; offscreen leaves it 0.
        if (e.nativeScanCode() == 0) return byQt;
        const HookKey* byPlace = keyFromEvdev(int(e.nativeScanCode()) - 8);
        // A character from a place that gives none on any PC keyboard (Escape,
        // Tab, F1...): the key map is made up, as a virtual keyboard's is, and
        // only the character tells the key.
        if (!byPlace ||
            (byQt && byPlace->qtKey != 0 && !isCharacter(byPlace->qtKey) && isCharacter(e.key())))
            return byQt;
        return byPlace;
    }

    bool passedOn(QObject* watched, const QEvent* event) const {
        if (event != m_lastEvent || event->type() != m_lastType || !m_lastReceiver ||
            !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (m_lastReceiver->isWindowType())
            return widget->window()->windowHandle() == m_lastReceiver;
        return m_lastReceiver->isWidgetType() && widget != m_lastReceiver &&
               widget->isAncestorOf(static_cast<QWidget*>(m_lastReceiver.data()));
    }

    std::function<void(const HookKey&, bool up)> m_sink;
    // Only compared, never used: the event may be gone.
    const QEvent* m_lastEvent = nullptr;
    QEvent::Type m_lastType = QEvent::None;
    QPointer<QObject> m_lastReceiver;
};

} // namespace

struct KeyboardHook::Impl {
    KeyboardHook* q;
    bool leftAlt = false;
    bool rightAlt = false;
    std::unique_ptr<XRecordKeys> record;
    std::unique_ptr<KeyFilter> filter;

    // Last thing done: the receiver may destroy the hook.
    void deliver(const HookKey& key, bool up) {
        if (key.scan == 0x38) (key.extended ? rightAlt : leftAlt) = !up;
        uint32_t flags = (key.extended ? kHookExtended : 0) | (up ? kHookKeyUp : 0);
        if (leftAlt || rightAlt) flags |= kHookAltDown;
        qCDebug(lcKeys, "key scan 0x%02x flags 0x%02x", key.scan, flags);
        emit q->keyEvent(key.scan, flags);
    }
};

KeyboardHook::KeyboardHook(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
    d->q = this;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The toolkit's own connection is not shared: the recorded events
        // arrive on a connection that does nothing else.
        d->record = XRecordKeys::open(qgetenv("DISPLAY"), [impl = d.get()](int xKeyCode, bool up) {
            if (const HookKey* key = keyFromEvdev(xKeyCode - 8)) impl->deliver(*key, up);
        });
        if (d->record) {
            qCDebug(lcKeys) << "keys seen on the whole X display";
            return;
        }
    }
    if (!qApp) return;
    d->filter = std::make_unique<KeyFilter>(
        [impl = d.get()](const HookKey& key, bool up) { impl->deliver(key, up); });
    qApp->installEventFilter(d->filter.get());
    qCDebug(lcKeys) << "keys seen in this program's windows";
}

KeyboardHook::~KeyboardHook() = default;

bool KeyboardHook::isActive() const {
    return d->record || d->filter;
}

bool KeyboardHook::seesWholeDesktop() const {
    return d->record != nullptr;
}

bool hookKeyFromEvdev(int evdevCode, uint32_t& scanCode, bool& extended) {
    const HookKey* key = keyFromEvdev(evdevCode);
    if (!key) return false;
    scanCode = key->scan;
    extended = key->extended;
    return true;
}
