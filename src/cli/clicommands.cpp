#include "clicommands.h"

#include "cliappprofile.h"
#include "cliwatch.h"

#include "appconfig.h"
#include "clisettings.h"
#include "commands.h"
#include "dpi.h"
#include "mousesession.h"
#include "paths.h"
#include "productdef.h"
#include "protocol.h"
#include "records.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace {

// The status thread's pace answers a poll well within this; a mouse asleep
// behind its receiver never does.
constexpr int kBatteryWaitMs = 500;

struct CommandSpec {
    const char* name;
    const char* arguments;
    const char* summary;
    int minArgs;
    int maxArgs;
};

constexpr CommandSpec kCommands[] = {
    {"list", "", "The connected mice, one line each.", 0, 0},
    {"battery", "", "Battery level and charging, e.g. \"85% charging\".", 0, 0},
    {"status", "",
     "One line: mouse, connection, battery, profile, DPI stage and\n"
     "                        report rate.",
     0, 0},
    {"profile", "[1-5]", "Show the on-mouse profile, or select profile N.", 0, 1},
    {"dpi", "[DPI...]",
     "Show the DPI stages in use (the current one marked *), or set\n"
     "                        them, e.g. \"dpi 400 800 1600\"; with --stage N only\n"
     "                        stage N.",
     0, kDpiStageCount},
    {"rate", "[Hz]", "Show or set the report rate (125, 250, 500 or 1000).", 0, 1},
    {"lift", "[1|2]", "Show or set the lift-off distance in mm.", 0, 1},
    {"debounce", "[1-255]", "Show or set the key response time.", 0, 1},
    {"angle-snap", "[on|off]", "Show or set angle snapping.", 0, 1},
    {"motion-sync", "[on|off]", "Show or set motion sync.", 0, 1},
    {"jitter", "[on|off]", "Show or set the jitter filter.", 0, 1},
    {"wake", "[on|off]", "Show or set motion wake.", 0, 1},
    {"sensor-mode", "[MODE]", "Show or set the sensor mode: eco, standard or competitive.", 0, 1},
    {"apply", "FILE.prof", "Write a profile file to an on-mouse profile.", 1, 1},
    {"export", "FILE", "Save a profile (FILE.prof) or all settings (FILE.conf) to a file.", 1, 1},
    {"import", "FILE",
     "Load FILE.prof into the profile list and onto a profile, or all\n"
     "                        settings from FILE.conf, and write them to the mouse.",
     1, 1},
    {"button", "[N [FUNCTION]]",
     "List the buttons' functions, show button N (as the window\n"
     "                        numbers them), or set it to FUNCTION: a function of\n"
     "                        the window's menu (e.g. dpi-switch) or key:NAME.",
     0, 2},
    {"macro", "[show NAME]",
     "List the saved macros, or show the steps of one (delays in\n"
     "                        milliseconds).",
     0, 2},
    {"app-profile", "ACTION",
     "Profiles that follow the application in front: list, add\n"
     "                        APP N, remove APP, default N|none, on or off.",
     1, 3},
    {"watch", "",
     "One line per change (battery, profile, DPI, rate, plugging)\n"
     "                        until stopped.",
     0, 0},
};

const CommandSpec* findCommand(const QString& name) {
    for (const CommandSpec& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

void print(FILE* f, const QString& text) {
    std::fputs(text.toUtf8().constData(), f);
}

QJsonObject batteryObject(const MouseReading& m) {
    QJsonObject o;
    o[QStringLiteral("off")] = !m.answered;
    if (m.answered) {
        o[QStringLiteral("level")] = m.level;
        o[QStringLiteral("charging")] = m.battery.charge != 0;
    }
    return o;
}

QJsonObject statusObject(const MouseReading& m) {
    QJsonObject o;
    o[QStringLiteral("name")] = m.name;
    o[QStringLiteral("connection")] =
        m.cable ? QStringLiteral("cable") : QStringLiteral("receiver");
    o[QStringLiteral("battery")] = batteryObject(m);
    o[QStringLiteral("profile")] = m.profile + 1;
    o[QStringLiteral("dpiStage")] = m.dpiStage + 1;
    o[QStringLiteral("dpi")] = m.dpi;
    o[QStringLiteral("reportRate")] = m.rateHz;
    return o;
}

QByteArray compact(const QJsonDocument& d) {
    return d.toJson(QJsonDocument::Compact) + '\n';
}

// The mouse as the window would show it; the battery only when asked for.
MouseReading readMouse(MouseSession& session, bool withBattery) {
    MouseReading m;
    m.name = session.connection().product;
    m.cable = session.connection().cableInUse;
    if (withBattery && session.readBatteryAndWait(&m.battery, kBatteryWaitMs)) {
        m.answered = true;
        m.level = batteryLevel(m.battery.raw(), readBatteryFull());
    }
    // Profile, DPI stage and rate as the window last recorded them: the
    // mouse tells them only when its own buttons change them.
    auto s = std::make_unique<DeviceSettings>();
    loadCurrentSettings(*s);
    m.profile = s->currentProfile % kProfileCount;
    const MouseProfile& p = s->current();
    m.dpiStage = p.dpi < kDpiStageCount ? p.dpi : 0;
    m.dpi = dpiFromStep(p.stages[m.dpiStage].y, readSensorModel());
    m.rateHz = reportRateHz(p.pollrate);
    return m;
}

// Opens the mouse as the window does at start; an exit code other than
// kExitDone when it cannot be used.
int openMouse(MouseSession& session, FILE* err) {
    if (!usbIdsIn(productDefinitionPath())) {
        print(err, QStringLiteral("mousecfg-cli: cannot read the product data '%1'\n")
                       .arg(QDir::toNativeSeparators(productDefinitionPath())));
        return kExitBadFile;
    }
    // One command needs neither the status thread nor notices of plugging.
    MouseSession::Options options;
    options.poll = false;
    options.watchDevices = false;
    switch (session.startAndWait(options)) {
    case MouseSession::Opening::Open:
        return kExitDone;
    case MouseSession::Opening::NoHidLibrary:
        print(err, QStringLiteral("mousecfg-cli: the HID library cannot start\n"));
        return kExitNoMouse;
    case MouseSession::Opening::Denied:
        print(err, session.accessText() + QLatin1Char('\n'));
        return kExitAccessDenied;
    case MouseSession::Opening::NoMouse:
        break;
    }
    print(err, QStringLiteral("mousecfg-cli: no mouse connected\n"));
    return kExitNoMouse;
}

int selectProfile(MouseSession& session, int profile, bool json, FILE* out, FILE* err) {
    WriterLock lock;
    const QString refused = lock.take();
    if (!refused.isEmpty()) {
        print(err, QStringLiteral("mousecfg-cli: %1\n").arg(refused));
        return kExitWriteFailed;
    }
    // As the window's profile menu does: select, then apply every block.
    const uint8_t r = session.selectProfileAndWait(profile);
    if (r != kResultOk) {
        print(err,
              QStringLiteral("mousecfg-cli: writing to the mouse failed (result %1)\n").arg(r));
        return kExitWriteFailed;
    }
    if (!saveCurrentProfileId(profile))
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be saved\n")
                       .arg(QDir::toNativeSeparators(mainConfigPath())));
    if (json)
        std::fputs(compact(QJsonDocument(QJsonObject{{QStringLiteral("profile"), profile + 1}})),
                   out);
    else
        print(out, QStringLiteral("profile %1\n").arg(profile + 1));
    return kExitDone;
}

} // namespace

bool parseCommandLine(const QStringList& arguments, CliOptions* o, QString* error) {
    *o = CliOptions();
    QStringList positional;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o->help = true;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            o->version = true;
        } else if (a == QLatin1String("--json")) {
            o->json = true;
        } else if (a == QLatin1String("--config-dir") || a.startsWith("--config-dir=")) {
            if (a.contains(QLatin1Char('='))) {
                o->configDir = a.mid(a.indexOf(QLatin1Char('=')) + 1);
            } else if (i + 1 < arguments.size()) {
                o->configDir = arguments[++i];
            } else {
                *error = QStringLiteral("--config-dir needs a folder");
                return false;
            }
            if (o->configDir.isEmpty()) {
                *error = QStringLiteral("--config-dir needs a folder");
                return false;
            }
        } else if (a == QLatin1String("--profile") || a.startsWith("--profile=") ||
                   a == QLatin1String("--stage") || a.startsWith("--stage=")) {
            const bool isProfile = a.startsWith(QLatin1String("--profile"));
            const int count = isProfile ? kProfileCount : kDpiStageCount;
            QString value;
            if (a.contains(QLatin1Char('=')))
                value = a.mid(a.indexOf(QLatin1Char('=')) + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < 1 || n > count) {
                *error = QStringLiteral("%1: expected a number from 1 to %2, not '%3'")
                             .arg(a.section(QLatin1Char('='), 0, 0))
                             .arg(count)
                             .arg(value);
                return false;
            }
            (isProfile ? o->profile : o->stage) = n - 1;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1 &&
                   !(a.size() == 2 && a[1].isDigit())) {
            *error = QStringLiteral("unknown option '%1'").arg(a);
            return false;
        } else {
            positional << a;
        }
    }
    if (o->help || o->version) return true;
    if (positional.isEmpty()) {
        *error = QStringLiteral("no command given");
        return false;
    }
    o->command = positional.takeFirst();
    o->args = positional;
    const CommandSpec* c = findCommand(o->command);
    if (!c) {
        *error = QStringLiteral("unknown command '%1'").arg(o->command);
        return false;
    }
    if (o->args.size() < c->minArgs || o->args.size() > c->maxArgs) {
        *error = QStringLiteral("wrong number of arguments for '%1'").arg(o->command);
        return false;
    }
    const bool fileCommand =
        o->command == QLatin1String("export") || o->command == QLatin1String("import");
    if (fileCommand && !isProfileFile(o->args[0]) && !isSettingsFile(o->args[0])) {
        *error = QStringLiteral("%1: the file name must end in .prof or .conf").arg(o->command);
        return false;
    }
    if (o->command == QLatin1String("macro") && !o->args.isEmpty() &&
        (o->args.size() != 2 || o->args[0] != QLatin1String("show"))) {
        *error = QStringLiteral("macro: expected 'macro show NAME'");
        return false;
    }
    const bool perProfile =
        o->command == QLatin1String("dpi") || o->command == QLatin1String("rate") ||
        o->command == QLatin1String("button") || o->command == QLatin1String("apply") ||
        (fileCommand && isProfileFile(o->args[0]));
    if (o->profile >= 0 && !perProfile) {
        *error = QStringLiteral("--profile goes with dpi, rate, button, apply and profile files; "
                                "the other settings are shared by all profiles");
        return false;
    }
    if (o->stage >= 0 && (o->command != QLatin1String("dpi") || o->args.size() != 1)) {
        *error = QStringLiteral("--stage goes with 'dpi' and one value");
        return false;
    }
    if (o->command == QLatin1String("app-profile")) {
        *error = appProfileUsageError(o->args);
        if (!error->isEmpty()) return false;
    }
    if (o->command == QLatin1String("profile") && !o->args.isEmpty()) {
        bool ok = false;
        const int n = o->args[0].toInt(&ok);
        if (!ok || n < 1 || n > kProfileCount) {
            *error = QStringLiteral("profile: expected a number from 1 to %1, not '%2'")
                         .arg(kProfileCount)
                         .arg(o->args[0]);
            return false;
        }
    }
    return true;
}

QString usageText() {
    QString text = QStringLiteral(
        "Usage: mousecfg-cli [options] <command> [arguments]\n"
        "Reads and sets the wireless gaming mouse from scripts, status bars and launchers.\n"
        "\nCommands:\n");
    for (const CommandSpec& c : kCommands) {
        const QString head =
            QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.arguments));
        text += QStringLiteral("  %1%2\n").arg(head.trimmed().leftJustified(22), c.summary);
    }
    text += QStringLiteral(
        "\nOptions:\n"
        "  --json                Print the answer as one line of JSON.\n"
        "  --config-dir <folder> Use the settings in <folder>, as the window does.\n"
        "  --profile <1-5>       The on-mouse profile dpi, rate, button, apply, and\n"
        "                        export and import of .prof files work on\n"
        "                        (default: the one in use). The other sensor\n"
        "                        settings are shared by all profiles.\n"
        "  --stage <N>           With dpi and one value: set only stage N.\n"
        "  -h, --help            Show this help and exit.\n"
        "  -v, --version         Show the version and exit.\n"
        "\nA setting given a value is checked, written to the mouse and saved for the\n"
        "window. While the window runs, it lends the mouse for the write and then\n"
        "shows what was written.\n"
        "\nExit status: 0 done, 1 wrong usage, 2 no mouse, 3 access denied,\n"
        "4 writing to the mouse failed, 5 a file could not be read.\n");
    return text;
}

QString batteryLine(const MouseReading& m) {
    if (!m.answered) return QStringLiteral("off");
    return QStringLiteral("%1%").arg(m.level) +
           (m.battery.charge ? QStringLiteral(" charging") : QString());
}

QString statusLine(const MouseReading& m) {
    return QStringLiteral("%1 %2 %3 profile %4 dpi %5 %6Hz")
        .arg(m.name, m.cable ? QStringLiteral("cable") : QStringLiteral("receiver"), batteryLine(m))
        .arg(m.profile + 1)
        .arg(m.dpiStage + 1)
        .arg(m.rateHz);
}

QByteArray batteryJson(const MouseReading& m) {
    return compact(QJsonDocument(batteryObject(m)));
}

QByteArray statusJson(const MouseReading& m) {
    return compact(QJsonDocument(statusObject(m)));
}

int runCommand(const CliOptions& o, FILE* out, FILE* err) {
    if (o.help) {
        print(out, usageText());
        return kExitDone;
    }
    if (o.version) {
        std::printf("mousecfg-cli %s\n", MOUSECFG_VERSION);
        return kExitDone;
    }
    if (!o.configDir.isEmpty()) {
        if (!QDir().mkpath(o.configDir)) {
            print(err, QStringLiteral("mousecfg-cli: cannot create the settings folder '%1'\n")
                           .arg(o.configDir));
            return kExitUsage;
        }
        setConfigDirOverride(o.configDir);
    }
    // A first run before the window's fills the user's folder the same way.
    seedConfigDir();
    // It waits for a mouse that is not there yet, so it opens its own.
    if (o.command == QLatin1String("watch")) return runWatch(o, out, err);

    if (o.command == QLatin1String("app-profile")) return runAppProfileCommand(o, out, err);
    if (o.command == QLatin1String("export")) return runExportCommand(o, out, err);
    if (o.command == QLatin1String("macro")) return runMacroCommand(o, out, err);
    MouseSession session;
    const int opened = openMouse(session, err);
    if (opened != kExitDone) return opened;

    if (isSettingCommand(o.command)) return runSettingCommand(o, session, out, err);
    if (o.command == QLatin1String("profile") && !o.args.isEmpty())
        return selectProfile(session, o.args[0].toInt() - 1, o.json, out, err);

    const bool withBattery = o.command != QLatin1String("profile");
    const MouseReading m = readMouse(session, withBattery);
    if (o.command == QLatin1String("battery")) {
        if (o.json)
            std::fputs(batteryJson(m), out);
        else
            print(out, batteryLine(m) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("status")) {
        if (o.json)
            std::fputs(statusJson(m), out);
        else
            print(out, statusLine(m) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("list")) {
        // The device table holds one product; a second entry would list here.
        if (o.json)
            std::fputs(compact(QJsonDocument(QJsonArray{statusObject(m)})), out);
        else
            print(out, statusLine(m) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("profile")) {
        if (o.json)
            std::fputs(
                compact(QJsonDocument(QJsonObject{{QStringLiteral("profile"), m.profile + 1}})),
                out);
        else
            print(out, QStringLiteral("profile %1\n").arg(m.profile + 1));
    }
    return kExitDone;
}
