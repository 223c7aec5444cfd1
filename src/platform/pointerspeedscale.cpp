#include "pointerspeedbackend.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMin = 1, kNeutral = 10, kMax = 20;
} // namespace

// Nine steps below the neutral 10 and ten above it, so both ends land on
// the desktop's -1 and 1 exactly.
double desktopFromSpeed(int speed) {
    const int s = std::clamp(speed, kMin, kMax);
    const double steps = s < kNeutral ? kNeutral - kMin : kMax - kNeutral;
    return (s - kNeutral) / steps;
}

int speedFromDesktop(double value) {
    if (std::isnan(value)) return kNeutral;
    const double v = std::clamp(value, -1.0, 1.0);
    const double steps = v < 0 ? kNeutral - kMin : kMax - kNeutral;
    return std::clamp(kNeutral + int(std::lround(v * steps)), kMin, kMax);
}
