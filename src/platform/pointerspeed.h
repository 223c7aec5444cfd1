// The desktop's pointer speed on the program's 1-20 scale (10 = the
// desktop's default), through the first of the desktop's own settings that
// can be reached; the user's value is put back when this is destroyed.
#pragma once

#include <memory>
#include <optional>

class PointerSpeedBackend;

class DesktopPointerSpeed {
public:
    // Looks for the desktop's setting: GNOME's, KWin's, then the X server's
    // libinput devices.
    DesktopPointerSpeed();
    ~DesktopPointerSpeed();
    DesktopPointerSpeed(const DesktopPointerSpeed&) = delete;
    DesktopPointerSpeed& operator=(const DesktopPointerSpeed&) = delete;

    // False where no setting could be reached; then nothing is ever changed.
    bool reachable() const { return m_backend != nullptr; }
    // The current speed, 1-20; 0 when it cannot be read.
    int read();
    // Applies `speed` (clamped to 1-20); false when the desktop did not take it.
    bool apply(int speed);
    // Puts back the value the user had before the first apply, unless the
    // user has chosen another since; false when that write failed.
    bool restore();

private:
    std::unique_ptr<PointerSpeedBackend> m_backend;
    std::optional<double> m_userValue; // before our first change
    std::optional<double> m_written;   // our last change
};
