// Lets one window take the keys the desktop keeps for itself (Super,
// Alt+Tab) while a key is being captured in it.
//
// On Wayland a compositor that offers keyboard-shortcut inhibition passes
// those keys to the window while it has the keyboard focus; elsewhere, or
// where the compositor refuses, nothing changes. Asked for by the
// constructor, given up by the destructor: keep one only while the window
// is shown, and end it before the window is hidden.
#pragma once

#include <memory>

class QWindow;

class ShortcutInhibit {
public:
    explicit ShortcutInhibit(QWindow* window);
    ~ShortcutInhibit();
    ShortcutInhibit(const ShortcutInhibit&) = delete;
    ShortcutInhibit& operator=(const ShortcutInhibit&) = delete;

    // True when the request reached a compositor that offers it; whether the
    // compositor grants it is its own affair.
    bool requested() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
