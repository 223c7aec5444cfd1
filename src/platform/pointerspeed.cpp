#include "pointerspeed.h"

#include "pointerspeedbackend.h"

#include <cmath>
#include <utility>

Q_LOGGING_CATEGORY(lcPointer, "mousecfg.pointer")

namespace {
// libinput keeps the value as a float; a read-back differs in the 8th digit.
constexpr double kSameValue = 1e-4;
} // namespace

DesktopPointerSpeed::DesktopPointerSpeed() {
    // The desktops first: where one runs, it owns the devices' property and
    // would put its own value back over a direct change.
    for (auto find : {gnomePointerSpeed, kwinPointerSpeed, libinputPointerSpeed}) {
        m_backend = find();
        if (m_backend) break;
    }
    if (m_backend)
        qCDebug(lcPointer) << "pointer speed through" << m_backend->name();
    else
        qCDebug(lcPointer) << "no desktop pointer speed to reach";
}

DesktopPointerSpeed::~DesktopPointerSpeed() {
    restore();
}

int DesktopPointerSpeed::read() {
    if (!m_backend) return 0;
    const std::optional<double> v = m_backend->read();
    return v ? speedFromDesktop(*v) : 0;
}

bool DesktopPointerSpeed::apply(int speed) {
    if (!m_backend) return false;
    if (!m_userValue) {
        // Without the user's own value there would be nothing to restore.
        m_userValue = m_backend->read();
        if (!m_userValue) {
            qCWarning(lcPointer) << "pointer speed left alone: the current one cannot be read";
            return false;
        }
    }
    const double value = desktopFromSpeed(speed);
    if (!m_backend->write(value)) return false;
    m_written = value;
    qCDebug(lcPointer) << "pointer speed set to" << speed << "=" << value;
    return true;
}

bool DesktopPointerSpeed::restore() {
    if (!m_backend || !m_userValue || !m_written) return true;
    const std::optional<double> user = std::exchange(m_userValue, std::nullopt);
    const double written = *std::exchange(m_written, std::nullopt);
    const std::optional<double> now = m_backend->read();
    if (!now || std::abs(*now - written) > kSameValue) {
        qCDebug(lcPointer) << "pointer speed changed by the user since; kept";
        return true;
    }
    if (m_backend->write(*user)) return true;
    qCWarning(lcPointer) << "the user's pointer speed could not be put back";
    return false;
}
