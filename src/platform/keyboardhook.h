// Sees every key typed while it exists, the way a system-wide low-level
// keyboard hook would: each key-down and key-up reaches `keyEvent` as the
// set-1 scan code with the hook flags of keycodes.h (kHookExtended,
// kHookAltDown, kHookKeyUp), on the thread that made the hook.
//
// On an X11 desktop the keys come from the whole display; elsewhere (Wayland,
// no display) only the keys typed into this program's own windows are seen.
// The hook is installed by the constructor and removed by the destructor.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

class KeyboardHook : public QObject {
    Q_OBJECT
public:
    explicit KeyboardHook(QObject* parent = nullptr);
    ~KeyboardHook() override;

    // False when no way of seeing keys could be set up; the hook then stays
    // silent.
    bool isActive() const;
    // True when keys typed into other programs are seen too (X11); false
    // when only this program's own windows give keys, so a key reaches the
    // hook only while one of them has the keyboard focus.
    bool seesWholeDesktop() const;

signals:
    void keyEvent(quint32 scanCode, quint32 flags);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The scan code and extended flag a key produces, by its Linux input key code
// (evdev; an X11 key code is that plus 8); false for keys the program does
// not know.
bool hookKeyFromEvdev(int evdevCode, uint32_t& scanCode, bool& extended);
