#include "startupsettings.h"

#include "appconfig.h"
#include "defaults.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <malloc.h>
#include <sys/resource.h>

namespace {
constexpr int kOthersNice = 10;
} // namespace

StartupSettings::StartupSettings(QObject* parent) : QObject(parent) {
    m_current = std::async(std::launch::async, [] {
        auto settings = std::make_unique<DeviceSettings>();
        loadCurrentSettings(*settings);
        return settings;
    });
}

std::unique_ptr<DeviceSettings> StartupSettings::takeCurrent() {
    return m_current.get();
}

void StartupSettings::readOthers(DeviceSettings& sent, DeviceSettings& edited,
                                 std::function<void()> joined) {
    m_sent = &sent;
    m_edited = &edited;
    m_joined = std::move(joined);
    auto rest = std::make_unique<DeviceSettings>();
    rest->currentProfile = sent.currentProfile;
    std::copy(std::begin(sent.profileNames), std::end(sent.profileNames),
              std::begin(rest->profileNames));
    m_others = std::async(std::launch::async, [rest = std::move(rest)]() mutable {
        // Nothing shown at start-up needs these: on a machine with few cores
        // they take what the window's own start leaves over (the nice value
        // is the calling thread's own on Linux).
        setpriority(PRIO_PROCESS, 0, kOthersNice);
        loadOtherProfiles(*rest);
        return std::move(rest);
    });
    qApp->installEventFilter(this);
}

void StartupSettings::complete() {
    if (!m_others.valid()) return;
    qApp->removeEventFilter(this);
    const std::unique_ptr<DeviceSettings> rest = m_others.get();
    for (int i = 0; i < kProfileCount; ++i) {
        if (i == m_sent->currentProfile) continue;
        m_sent->profiles[i] = rest->profiles[i];
        m_edited->profiles[i] = rest->profiles[i];
    }
    m_joined();
}

void StartupSettings::tidyUpLater() {
    // Nothing reads the default profile file during start-up: rewrite it once
    // the window is up instead of making the user wait for it.
    QTimer::singleShot(1000, this, [] {
        writeDefaultProfileFile();
        // Start-up parsed six large profile files on worker threads; hand the
        // memory they freed back rather than keep it for a tray program's life.
        malloc_trim(0);
    });
}

bool StartupSettings::eventFilter(QObject* watched, QEvent* event) {
    // Input acts on the profiles: a click or key must not meet them half read.
    if (m_others.valid()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            complete();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
