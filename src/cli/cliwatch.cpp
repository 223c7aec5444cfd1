#include "cliwatch.h"

#include "appconfig.h"
#include "dpi.h"
#include "lowbattery.h"
#include "mousesession.h"
#include "paths.h"
#include "productdef.h"
#include "records.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handlers only write a byte here; the event loop reads it and ends.
int g_signalPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    // Nothing to do when the pipe is full: one byte is enough.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// Longer than the status thread's pause between its reads.
constexpr int kOffConfirmMs = 1500;

class Watcher : public QObject {
public:
    Watcher(bool json, FILE* out, FILE* err) : m_json(json), m_out(out), m_err(err) {
        m_thresholds = {readBatteryWarn(), readBatteryCritical()};
        m_settings = std::make_unique<DeviceSettings>();
        loadSettings(*m_settings);
        m_profile = m_settings->currentProfile % kProfileCount;
        m_stage = m_settings->current().dpi;
        m_rate = m_settings->current().pollrate;
        // A poll answered after the thread's short read looks like a sleeping
        // mouse until the answer arrives a moment later: only a silence that
        // lasts is told.
        m_offPending.setSingleShot(true);
        m_offPending.setInterval(kOffConfirmMs);
        connect(&m_offPending, &QTimer::timeout, this, [this] {
            m_level = kOff;
            line(QStringLiteral("battery off"), {{"event", "battery"}, {"off", true}});
        });
        connect(&m_session, &MouseSession::batteryChanged, this, &Watcher::onBattery);
        connect(&m_session, &MouseSession::mouseChanged, this, &Watcher::onStatus);
        connect(&m_session, &MouseSession::connectionChanged, this, &Watcher::onConnection);
    }

    // An exit code when watching cannot begin, else kExitDone.
    int start() {
        // The watch only reads: it does not make this mouse the window's current one.
        MouseSession::Options options;
        options.claimProduct = false;
        switch (m_session.startAndWait(options)) {
        case MouseSession::Opening::NoHidLibrary:
            std::fputs("mousecfg-cli: the HID library cannot start\n", m_err);
            return kExitNoMouse;
        case MouseSession::Opening::Denied:
            std::fputs(qPrintable(m_session.accessText() + QLatin1Char('\n')), m_err);
            return kExitAccessDenied;
        case MouseSession::Opening::Open:
        case MouseSession::Opening::NoMouse: // waited for
            break;
        }
        return kExitDone;
    }

private:
    void line(const QString& text, const QJsonObject& json) {
        const QByteArray bytes =
            m_json ? QJsonDocument(json).toJson(QJsonDocument::Compact) : text.toUtf8();
        std::fputs(bytes.constData(), m_out);
        std::fputc('\n', m_out);
        // A status bar reading a pipe must see each line as it happens.
        std::fflush(m_out);
    }

    void onBattery(const BatteryState& b) {
        if (b.off) {
            if (m_level != kOff && !m_offPending.isActive()) m_offPending.start();
            return;
        }
        m_offPending.stop();
        if (b.level != m_level)
            line(QStringLiteral("battery %1%").arg(b.level),
                 {{"event", "battery"}, {"level", b.level}});
        if (m_level <= kOff || b.charging != m_charging)
            line(b.charging ? QStringLiteral("charging") : QStringLiteral("discharging"),
                 {{"event", b.charging ? "charging" : "discharging"}});
        m_level = b.level;
        m_charging = b.charging;
        // As the window: on the cable the mouse runs on it and charges.
        switch (nextLowBatteryWarning(m_lowBattery, m_thresholds, b.level, b.charging || b.wired)) {
        case LowBatteryWarning::Low:
            line(QStringLiteral("battery low %1%").arg(b.level),
                 {{"event", "battery low"}, {"level", b.level}});
            break;
        case LowBatteryWarning::Critical:
            line(QStringLiteral("battery very low %1%").arg(b.level),
                 {{"event", "battery very low"}, {"level", b.level}});
            break;
        case LowBatteryWarning::None:
            break;
        }
    }

    void onStatus(int profile, int stage, int rate) {
        if (profile >= 0 && profile != m_profile) {
            m_profile = profile;
            line(QStringLiteral("profile %1").arg(profile + 1),
                 {{"event", "profile"}, {"profile", profile + 1}});
        }
        if (stage >= 0 && stage != m_stage) {
            m_stage = stage;
            // The stage's value as the settings folder records it for that profile.
            const int dpi =
                dpiFromStep(m_settings->profiles[m_profile].stages[stage].y, readSensorModel());
            line(QStringLiteral("dpi %1").arg(stage + 1),
                 {{"event", "dpi"}, {"stage", stage + 1}, {"dpi", dpi}});
        }
        if (rate >= 0 && rate != m_rate) {
            m_rate = rate;
            const int hz = reportRateHz(rate);
            line(QStringLiteral("rate %1Hz").arg(hz), {{"event", "rate"}, {"hz", hz}});
        }
    }

    void onConnection(const MouseConnection& c) {
        // The first report is what the watch started with.
        if (!m_started) {
            m_started = true;
            m_receiver = c.receiverLinked;
            m_cable = c.cableLinked;
            return;
        }
        // Back after none was there: its battery is told afresh, as the window does.
        if (!m_receiver && !m_cable && (c.receiverLinked || c.cableLinked))
            m_lowBattery = LowBatteryState();
        tellLink(QStringLiteral("receiver"), m_receiver, c.receiverLinked);
        tellLink(QStringLiteral("cable"), m_cable, c.cableLinked);
        m_receiver = c.receiverLinked;
        m_cable = c.cableLinked;
    }

    void tellLink(const QString& which, bool before, bool after) {
        if (before == after) return;
        if (before)
            line(QStringLiteral("unplugged ") + which,
                 {{"event", "unplugged"}, {"connection", which}});
        else
            line(QStringLiteral("plugged ") + which, {{"event", "plugged"}, {"connection", which}});
    }

    static constexpr int kUnknown = -1;
    static constexpr int kOff = 0;

    bool m_json;
    FILE* m_out;
    FILE* m_err;
    LowBatteryThresholds m_thresholds{};
    LowBatteryState m_lowBattery;
    std::unique_ptr<DeviceSettings> m_settings;
    int m_level = kUnknown;
    bool m_charging = false;
    int m_profile = 0;
    int m_stage = 0;
    int m_rate = 0;
    bool m_started = false;
    bool m_receiver = false;
    bool m_cable = false;
    QTimer m_offPending;
    MouseSession m_session;
};

} // namespace

int runWatch(const CliOptions& o, FILE* out, FILE* err) {
    if (!usbIdsIn(productDefinitionPath())) {
        std::fputs(qPrintable(QStringLiteral("mousecfg-cli: cannot read the product data '%1'\n")
                                  .arg(QDir::toNativeSeparators(productDefinitionPath()))),
                   err);
        return kExitBadFile;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        std::fputs("mousecfg-cli: cannot watch for signals\n", err);
        return kExitNoMouse;
    }
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    int status = kExitDone;
    {
        Watcher watcher(o.json, out, err);
        status = watcher.start();
        if (status == kExitDone) {
            QSocketNotifier stop(g_signalPipe[0], QSocketNotifier::Read);
            QObject::connect(&stop, &QSocketNotifier::activated, QCoreApplication::instance(),
                             &QCoreApplication::quit);
            QCoreApplication::exec();
        }
    }
    return status;
}
