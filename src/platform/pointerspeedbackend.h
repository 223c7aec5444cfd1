// One way of reaching the desktop's own pointer-speed setting, and the
// mapping between the program's 1-20 scale and the desktop's -1..1.
#pragma once

#include <QLoggingCategory>

#include <memory>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(lcPointer)

class PointerSpeedBackend {
public:
    virtual ~PointerSpeedBackend() = default;
    // For the log: which setting is in use.
    virtual const char* name() const = 0;
    // The desktop's value, -1..1 (0 is its unaccelerated default); nothing
    // when it cannot be read.
    virtual std::optional<double> read() = 0;
    // False when the desktop did not take the value.
    virtual bool write(double value) = 0;
};

// The desktop's -1..1 for a speed of 1-20: 1 is -1, 10 is 0, 20 is 1,
// linear on either side; out-of-range speeds are clamped.
double desktopFromSpeed(int speed);
// The 1-20 speed nearest to a desktop value; out-of-range values are clamped.
int speedFromDesktop(double value);

// Each is null where its setting cannot be reached in this session.
std::unique_ptr<PointerSpeedBackend> gnomePointerSpeed();
std::unique_ptr<PointerSpeedBackend> kwinPointerSpeed();
std::unique_ptr<PointerSpeedBackend> libinputPointerSpeed();
