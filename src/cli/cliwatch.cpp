#include "cliwatch.h"

#include "appconfig.h"
#include "deviceaccess.h"
#include "devicetable.h"
#include "dpi.h"
#include "lowbattery.h"
#include "paths.h"
#include "productdef.h"
#include "records.h"
#include "statuspollthread.h"

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

// The window's fallback pace for noticing plugs; the tool has no other way
// (its device notices would bring the window's X11 libraries along).
constexpr int kScanMs = 2000;
// The window waits as long after a plug before it opens the mouse: the
// nodes are not always ready at once.
constexpr int kReopenDelayMs = 200;
// Longer than the status thread's pause between its reads.
constexpr int kOffConfirmMs = 1500;

// One connection as a scan saw it; a new path is a replug between scans.
struct Link {
    bool present = false;
    QByteArray path;
    bool operator==(const Link& o) const { return present == o.present && path == o.path; }
    bool operator!=(const Link& o) const { return !(*this == o); }
};
Link receiverLink(const DeviceEntry& e) {
    return {e.receiverConnected(), e.receiverConnected() ? QByteArray(e.receiverCommandPath) : ""};
}
Link cableLink(const DeviceEntry& e) {
    return {e.cableConnected(), e.cableConnected() ? QByteArray(e.cableCommandPath) : ""};
}

class Watcher : public QObject {
public:
    Watcher(bool json, FILE* out, FILE* err) : m_json(json), m_out(out), m_err(err) {
        m_full = readBatteryFull();
        m_thresholds = {readBatteryWarn(), readBatteryCritical()};
        m_settings = std::make_unique<DeviceSettings>();
        loadSettings(*m_settings);
        m_profile = m_settings->currentProfile % kProfileCount;
        m_stage = m_settings->current().dpi;
        m_rate = m_settings->current().pollrate;
        m_reopen.setSingleShot(true);
        m_reopen.setInterval(kReopenDelayMs);
        connect(&m_reopen, &QTimer::timeout, this, [this] { reopen(); });
        // A poll answered after the thread's short read looks like a sleeping
        // mouse until the answer arrives a moment later: only a silence that
        // lasts is told.
        m_offPending.setSingleShot(true);
        m_offPending.setInterval(kOffConfirmMs);
        connect(&m_offPending, &QTimer::timeout, this, [this] {
            m_level = kOff;
            line(QStringLiteral("battery off"), {{"event", "battery"}, {"off", true}});
        });
    }

    ~Watcher() override {
        m_status.stop();
        CloseDevices();
    }

    // An exit code when watching cannot begin, else kExitDone.
    int start() {
        const DeviceEntry& e = deviceTable().entries[0];
        m_receiver = receiverLink(e);
        m_cable = cableLink(e);
        // The watch only reads: it does not make this mouse the window's current one.
        m_name = readCurrentProductName();
        if (!isTableName(m_name)) m_name = QString::fromLatin1(e.mouseName);
        if (m_receiver.present || m_cable.present) {
            OpenDeviceByName(m_name.toLatin1());
            const AccessDiagnosis d = lastOpenDiagnosis();
            if (d.access == MouseAccess::Denied) {
                std::fputs(qPrintable(accessDeniedText(d.deniedPaths, currentUserName()) +
                                      QLatin1Char('\n')),
                           m_err);
                return kExitAccessDenied;
            }
            m_status.start();
        }
        connect(&m_scan, &QTimer::timeout, this, [this] { scan(); });
        m_scan.start(kScanMs);
        return kExitDone;
    }

private:
    bool isTableName(const QString& name) const {
        return name == QString::fromLatin1(deviceTable().entries[0].mouseName);
    }

    void line(const QString& text, const QJsonObject& json) {
        const QByteArray bytes =
            m_json ? QJsonDocument(json).toJson(QJsonDocument::Compact) : text.toUtf8();
        std::fputs(bytes.constData(), m_out);
        std::fputc('\n', m_out);
        // A status bar reading a pipe must see each line as it happens.
        std::fflush(m_out);
    }

    void onBattery(quint8 charge, quint8 low, quint8 high) {
        BatteryReport b;
        b.charge = charge;
        b.low = low;
        b.high = high;
        if (b.mouseOff()) {
            if (m_level != kOff && !m_offPending.isActive()) m_offPending.start();
            return;
        }
        m_offPending.stop();
        const int level = batteryLevel(b.raw(), m_full);
        const bool charging = charge != 0;
        if (level != m_level)
            line(QStringLiteral("battery %1%").arg(level),
                 {{"event", "battery"}, {"level", level}});
        if (m_level <= kOff || charging != m_charging)
            line(charging ? QStringLiteral("charging") : QStringLiteral("discharging"),
                 {{"event", charging ? "charging" : "discharging"}});
        m_level = level;
        m_charging = charging;
        // As the window: on the cable the mouse runs on it and charges.
        const bool wired = deviceHandles().cableCommand.isOpen();
        switch (nextLowBatteryWarning(m_lowBattery, m_thresholds, level, charging || wired)) {
        case LowBatteryWarning::Low:
            line(QStringLiteral("battery low %1%").arg(level),
                 {{"event", "battery low"}, {"level", level}});
            break;
        case LowBatteryWarning::Critical:
            line(QStringLiteral("battery very low %1%").arg(level),
                 {{"event", "battery very low"}, {"level", level}});
            break;
        case LowBatteryWarning::None:
            break;
        }
    }

    void onStatus(quint8 profile, quint8 stage, quint8 rate) {
        if (profile < kProfileCount && profile != m_profile) {
            m_profile = profile;
            line(QStringLiteral("profile %1").arg(profile + 1),
                 {{"event", "profile"}, {"profile", profile + 1}});
        }
        if (stage < kDpiStageCount && stage != m_stage) {
            m_stage = stage;
            // The stage's value as the settings folder records it for that profile.
            const int dpi =
                dpiFromStep(m_settings->profiles[m_profile].stages[stage].y, readSensorModel());
            line(QStringLiteral("dpi %1").arg(stage + 1),
                 {{"event", "dpi"}, {"stage", stage + 1}, {"dpi", dpi}});
        }
        const int hz = reportRateHz(rate);
        if (hz != 0 && rate != m_rate) {
            m_rate = rate;
            line(QStringLiteral("rate %1Hz").arg(hz), {{"event", "rate"}, {"hz", hz}});
        }
    }

    void scan() {
        // A copy of the table's entry with only what is there now.
        DeviceEntry& now = m_scratch->entries[0];
        now = deviceTable().entries[0];
        now.receiverMouseFound = now.receiverCommandFound = 0;
        now.cableMouseFound = now.cableCommandFound = 0;
        m_scratch->count = 1;
        for (const HidDeviceRecord& r : hidPort().enumerate(0, 0))
            recordEnumeratedDevice(*m_scratch, r);
        const Link receiver = receiverLink(now);
        const Link cable = cableLink(now);
        if (receiver == m_receiver && cable == m_cable) return;
        // Back after none was there: its battery is told afresh, as the window does.
        if (!m_receiver.present && !m_cable.present) m_lowBattery = LowBatteryState();
        tellLink(QStringLiteral("receiver"), m_receiver, receiver);
        tellLink(QStringLiteral("cable"), m_cable, cable);
        m_receiver = receiver;
        m_cable = cable;
        // The handles of a pulled connection are dead; the other one, or the
        // one just plugged, is opened afresh.
        m_status.stop();
        CloseDevices();
        deviceTable().entries[0] = now;
        m_reopen.start();
    }

    void tellLink(const QString& which, const Link& before, const Link& after) {
        if (before == after) return;
        if (before.present)
            line(QStringLiteral("unplugged ") + which,
                 {{"event", "unplugged"}, {"connection", which}});
        if (after.present)
            line(QStringLiteral("plugged ") + which, {{"event", "plugged"}, {"connection", which}});
    }

    void reopen() {
        m_status.stop();
        CloseDevices();
        if (!m_receiver.present && !m_cable.present) return;
        OpenDeviceByName(m_name.toLatin1());
        // A new connection polls at once, so its battery is known quickly.
        if (commandHandleOpen()) m_status.start();
    }

    static constexpr int kUnknown = -1;
    static constexpr int kOff = 0;

    bool m_json;
    FILE* m_out;
    FILE* m_err;
    QString m_name;
    int m_full = 0;
    LowBatteryThresholds m_thresholds{};
    LowBatteryState m_lowBattery;
    std::unique_ptr<DeviceSettings> m_settings;
    int m_level = kUnknown;
    bool m_charging = false;
    int m_profile = 0;
    int m_stage = 0;
    int m_rate = 0;
    Link m_receiver;
    Link m_cable;
    std::unique_ptr<DeviceTable> m_scratch = std::make_unique<DeviceTable>();
    QTimer m_scan;
    QTimer m_reopen;
    QTimer m_offPending;
    StatusThreadControl m_status{[this](StatusPollThread* t) {
        // Queued to this thread: the lines are printed from the event loop only.
        connect(t, &StatusPollThread::RefreshBatteryStatus, this, &Watcher::onBattery);
        connect(t, &StatusPollThread::RefreshStatus, this,
                [this](quint8 p, quint8 d, quint8 r, quint8) { onStatus(p, d, r); });
    }};
};

} // namespace

int runWatch(const CliOptions& o, FILE* out, FILE* err) {
    if (!usbIdsIn(productDefinitionPath())) {
        std::fputs(qPrintable(QStringLiteral("mousecfg-cli: cannot read the product data '%1'\n")
                                  .arg(QDir::toNativeSeparators(productDefinitionPath()))),
                   err);
        return kExitBadFile;
    }
    LoadDeviceTable();
    if (EnumerateDevices() < 0) {
        std::fputs("mousecfg-cli: the HID library cannot start\n", err);
        return kExitNoMouse;
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
    ShutdownHid();
    return status;
}
