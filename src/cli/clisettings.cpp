#include "clisettings.h"

#include "devicelender.h"

#include "appconfig.h"
#include "batteryreading.h"
#include "buttonfunctions.h"
#include "buttonrules.h"
#include "cliarguments.h"
#include "commands.h"
#include "defaults.h"
#include "dpi.h"
#include "inifile.h"
#include "macrofile.h"
#include "macrostepwords.h"
#include "mousesession.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "protocol.h"
#include "records.h"
#include "settingsrange.h"
#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// Another tool's write takes a few seconds at most; waiting longer means it hangs.
constexpr int kWriterWaitMs = 15000;

void print(FILE* f, const QString& text) {
    std::fputs(text.toUtf8().constData(), f);
}

QString offeredRates() {
    QStringList rates;
    for (uint8_t code : kReportRateCodes)
        rates << QString::number(reportRateHz(code));
    return rates.join(QStringLiteral(", "));
}

// Where in `text` the key `group/key` is set (1-based), 0 when nowhere.
int lineOfKey(const QByteArray& text, const QString& group, const QString& key) {
    const QList<QByteArray> lines = text.split('\n');
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section != group) continue;
        // Sub-groups are written with backslashes.
        QString k = line.left(eq).trimmed();
        k.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (k == key) return i + 1;
    }
    return 0;
}

// The first line the variant check refuses (1-based), 0 when none.
int firstHostileLine(const QByteArray& text) {
    const QList<QByteArray> all = text.split('\n');
    const QList<QByteArray> kept = iniWithoutHostileLines(text).split('\n');
    for (int i = 0; i < all.size(); ++i)
        if (i >= kept.size() || all[i] != kept[i]) return i + 1;
    return 0;
}

// Reads a whole profile file; false with "<file>:<line>: what" in `error`.
bool readProfileFile(const QString& path, MouseProfile& profile, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read").arg(shown);
        return false;
    }
    // Profile files are a few hundred kilobytes; anything far larger is no profile.
    const QByteArray text = f.read(16 * 1024 * 1024);
    if (!iniVariantsSafe(path)) {
        *error = QStringLiteral("%1:%2: a value the program never writes")
                     .arg(shown)
                     .arg(firstHostileLine(text));
        return false;
    }
    ProfileFault fault;
    if (!readProfile(profile, path, &fault)) {
        const int line = lineOfKey(text, QStringLiteral("PROFILE"), fault.key);
        *error =
            line > 0
                ? QStringLiteral("%1:%2: '%3' %4").arg(shown).arg(line).arg(fault.key, fault.what)
                : QStringLiteral("%1: '%2' %3").arg(shown, fault.key, fault.what);
        return false;
    }
    const QString tag = readProductTag(path);
    if (!tag.isEmpty() && tag != readCurrentProductName()) {
        *error = QStringLiteral("%1: made for the %2, not this mouse").arg(shown, tag);
        return false;
    }
    if (!hasLeftClick(profile)) {
        *error = QStringLiteral("%1: no button keeps the left click").arg(shown);
        return false;
    }
    return true;
}

// Saves and sends `edited` through the window's write path. A failed write
// puts back the files of `sent`, still marked, so the window sends them whole
// on its next start.
int writeSettings(MouseSession& session, const DeviceSettings& edited, DeviceSettings& sent,
                  int target, int forcedFlags, FILE* err) {
    SettingsWriteOptions options;
    options.target = target;
    options.forcedFlags = forcedFlags;
    options.onFailure = SettingsWriteOptions::OnFailure::RestoreSent;
    const SettingsWriteResult r = session.writeAndWait(edited, sent, options);
    if (!r.unsavedFile.isEmpty())
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be saved\n")
                       .arg(QDir::toNativeSeparators(r.unsavedFile)));
    if (r.result != kResultOk) {
        print(err, QStringLiteral("mousecfg-cli: writing to the mouse failed (result %1)\n")
                       .arg(r.result));
        return kExitWriteFailed;
    }
    return kExitDone;
}

QByteArray compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

WriterLock::WriterLock() = default;
WriterLock::~WriterLock() = default;

QString WriterLock::take() {
    const QString mutex = SingleInstance::mutexNameFor(productName());
    m_queue =
        std::make_unique<QLockFile>(SingleInstance::lockPathFor(mutex + QStringLiteral(" tool")));
    m_queue->setStaleLockTime(0);
    // As with the window's lock, only a live holder stops the write.
    if (!m_queue->tryLock(kWriterWaitMs) && m_queue->error() == QLockFile::LockFailedError)
        return QStringLiteral("another mousecfg-cli is still writing to the mouse");
    m_window = std::make_unique<SingleInstance>(mutex);
    if (m_window->isFirst()) return QString();
    // The window has the mouse: it lets go of it for the write, and shows
    // what was written when it takes it back.
    m_window.reset();
    m_borrow = std::make_unique<DeviceBorrow>();
    if (!m_borrow->borrow(mutex, kWriterWaitMs))
        return QStringLiteral("the mousecfg window is running but does not hand over the mouse: "
                              "change the setting there, or quit the window first");
    return QString();
}

bool isSettingCommand(const QString& name) {
    return findOption(name) || name == QLatin1String("dpi") || name == QLatin1String("rate") ||
           name == QLatin1String("apply") || name == QLatin1String("import") ||
           name == QLatin1String("button");
}

bool isProfileFile(const QString& path) {
    return path.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive);
}

bool isSettingsFile(const QString& path) {
    return path.endsWith(QLatin1String(".conf"), Qt::CaseInsensitive);
}

int runExportCommand(const CliOptions& o, FILE* out, FILE* err) {
    const QString& path = o.args[0];
    auto s = std::make_unique<DeviceSettings>();
    loadSettings(*s);
    const int target = o.profile >= 0 ? o.profile : s->currentProfile;
    const QString product = readCurrentProductName();
    bool ok = false;
    if (isSettingsFile(path)) {
        ok = exportSettingsFile(*s, product, path);
    } else {
        // As the window exports: the bound library file, tagged and copied.
        const QString name = s->profileNames[target];
        ok = ProfileLibrary::ensureFile(name, s->profiles[target]) &&
             ProfileLibrary::exportFile(name, product, path).ok();
    }
    if (!ok) {
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be written\n")
                       .arg(QDir::toNativeSeparators(path)));
        return kExitBadFile;
    }
    if (o.json)
        std::fputs(compact({{QStringLiteral("file"), path}}), out);
    else
        print(out, QStringLiteral("%1\n").arg(QDir::toNativeSeparators(path)));
    return kExitDone;
}

int runSettingCommand(const CliOptions& o, MouseSession& session, FILE* out, FILE* err) {
    // Held from reading the files to the end of the write, so two tools never
    // mix their changes.
    WriterLock lock;
    // `button N` shows one button; every other argument sets something.
    const bool writes =
        !o.args.isEmpty() && !(o.command == QLatin1String("button") && o.args.size() == 1);
    if (writes) {
        const QString refused = lock.take();
        if (!refused.isEmpty()) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(refused));
            return kExitWriteFailed;
        }
    }
    auto sent = std::make_unique<DeviceSettings>();
    loadSettings(*sent);
    const SettingsLimits limits = currentSettingsLimits();
    bringIntoRange(*sent, limits);
    auto edited = std::make_unique<DeviceSettings>(*sent);
    int target = o.profile >= 0 ? o.profile : sent->currentProfile;
    MouseProfile& p = edited->profiles[target];
    const auto usage = [&](const QString& message) {
        print(err, QStringLiteral("mousecfg-cli: %1\n").arg(message));
        return kExitUsage;
    };
    int forced = 0;

    if (const SensorOption* opt = findOption(o.command)) {
        if (!o.args.isEmpty()) {
            QString error;
            const int v = parseOption(*opt, o.args[0], &error);
            if (v < 0) return usage(error);
            edited.get()->*opt->field = uint8_t(v);
        }
    } else if (o.command == QLatin1String("rate")) {
        if (!o.args.isEmpty()) {
            const int hz = o.args[0].toInt();
            const auto code = std::find_if(std::begin(kReportRateCodes), std::end(kReportRateCodes),
                                           [&](uint8_t c) { return reportRateHz(c) == hz; });
            if (code == std::end(kReportRateCodes))
                return usage(QStringLiteral("rate: '%1' is not offered; the rates are %2 Hz")
                                 .arg(o.args[0], offeredRates()));
            p.pollrate = *code;
        }
    } else if (o.command == QLatin1String("import") && isSettingsFile(o.args[0])) {
        const QString shown = QDir::toNativeSeparators(o.args[0]);
        switch (importSettingsFile(*edited, readCurrentProductName(), o.args[0])) {
        case SettingsImport::Damaged:
            print(err, QStringLiteral("mousecfg-cli: %1: damaged, nothing loaded\n").arg(shown));
            return kExitBadFile;
        case SettingsImport::OtherProduct:
            print(err, QStringLiteral("mousecfg-cli: %1: made for another mouse\n").arg(shown));
            return kExitBadFile;
        case SettingsImport::Done:
            break;
        }
        bringIntoRange(*edited, limits);
        target = edited->currentProfile;
    } else if (o.command == QLatin1String("import")) {
        // Checked whole first, so a damaged file is named with its line.
        QString error;
        auto read = std::make_unique<MouseProfile>();
        if (!readProfileFile(o.args[0], *read, &error)) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(error));
            return kExitBadFile;
        }
        // As the window imports: into the library under its own name, then
        // bound to the profile.
        QStringList list = readProfileList();
        QString name;
        const ProfileLibrary::Outcome added =
            ProfileLibrary::importFile(list, o.args[0], readCurrentProductName(), &name);
        if (!added.ok()) {
            print(err, QStringLiteral("mousecfg-cli: %1: %2\n")
                           .arg(QDir::toNativeSeparators(o.args[0]), added.message));
            return kExitBadFile;
        }
        bringIntoRange(*read, limits);
        read->ProfileName = name;
        p = *read;
        edited->profileNames[target] = name;
    } else if (o.command == QLatin1String("apply")) {
        QString error;
        auto read = std::make_unique<MouseProfile>();
        if (!readProfileFile(o.args[0], *read, &error)) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(error));
            return kExitBadFile;
        }
        bringIntoRange(*read, limits);
        // The values go to the file the slot is bound to, under its name.
        read->ProfileName = p.ProfileName;
        read->ProfilePath = p.ProfilePath;
        p = *read;
        // A profile file is a whole profile: all of its blocks are sent.
        forced = ChangeGeneral | ChangeDpi | ChangeButtons | ChangeLighting;
    }

    DpiRange range;
    range.sensor = readSensorModel();
    range.stageCount = limits.stageCount;
    if (limits.steps) {
        range.minStep = limits.steps->minStep;
        range.maxStep = limits.steps->maxStep;
    }
    if (o.command == QLatin1String("dpi") && !o.args.isEmpty()) {
        if (!limits.steps) return usage(QStringLiteral("dpi: the sensor's range is unknown"));
        QString error;
        if (!setDpi(p, o, range, &error)) return usage(error);
    }

    const std::vector<int> buttons = numberedButtonRecords();
    if (o.command == QLatin1String("button") && o.args.size() == 2) {
        QString error;
        ButtonAssignment a;
        if (!parseButtonAssignment(o.args[0], o.args[1], buttons, currentProductFeatures(), &a,
                                   &error))
            return usage(error);
        if (!keepsLeftClick(p, a.record, a.code))
            return usage(
                QStringLiteral("button: button %1 holds the last left click").arg(o.args[0]));
        if (a.code == kSingleKeyCode)
            assignSingleKey(p.buttons[a.record], a.key);
        else
            assignPlain(p.buttons[a.record], a.code);
    }

    if (writes) {
        const int r = writeSettings(session, *edited, *sent, target, forced, err);
        if (r != kExitDone) return r;
    }

    // The values now on the mouse, as a script reads them back.
    if (const SensorOption* opt = findOption(o.command)) {
        const int v = edited.get()->*opt->field;
        if (o.json)
            std::fputs(compact({{QLatin1String(opt->name), opt->kind == OptionKind::Number
                                                               ? QJsonValue(v)
                                                               : QJsonValue(optionText(*opt, v))}}),
                       out);
        else
            print(out, optionText(*opt, v) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("rate")) {
        const int hz = reportRateHz(p.pollrate);
        if (o.json)
            std::fputs(
                compact({{QStringLiteral("profile"), target + 1}, {QStringLiteral("rate"), hz}}),
                out);
        else
            print(out, QStringLiteral("%1\n").arg(hz));
    } else if (o.command == QLatin1String("dpi")) {
        if (o.json)
            std::fputs(compact(dpiObject(p, range, target)), out);
        else
            print(out, dpiLine(p, range) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("import")) {
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1},
                                {QStringLiteral("name"), edited->profileNames[target]}}),
                       out);
        else
            print(out, QStringLiteral("profile %1: %2\n")
                           .arg(target + 1)
                           .arg(edited->profileNames[target]));
    } else if (o.command == QLatin1String("button")) {
        size_t first = 0;
        size_t last = buttons.size();
        if (!o.args.isEmpty()) {
            QString error;
            if (buttonRecord(o.args[0], buttons, &error) < 0) return usage(error);
            first = size_t(o.args[0].toInt() - 1);
            last = first + 1;
        }
        const QStringList macros = readMacroNames();
        QJsonArray shown;
        for (size_t i = first; i < last; ++i) {
            const QString text = buttonText(p.buttons[buttons[i]], buttons[i], macros);
            if (o.json)
                shown.append(QJsonObject{{QStringLiteral("button"), int(i) + 1},
                                         {QStringLiteral("function"), text}});
            else
                print(out, QStringLiteral("%1 %2\n").arg(i + 1).arg(text));
        }
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1},
                                {QStringLiteral("buttons"), shown}}),
                       out);
    } else if (o.command == QLatin1String("apply")) {
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1}}), out);
        else
            print(out, QStringLiteral("profile %1 written\n").arg(target + 1));
    }
    return kExitDone;
}

int runMacroCommand(const CliOptions& o, FILE* out, FILE* err) {
    const QStringList names = readMacroNames();
    if (o.args.isEmpty()) {
        if (o.json)
            std::fputs(
                QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Compact) +
                    '\n',
                out);
        else
            for (const QString& n : names)
                print(out, n + QLatin1Char('\n'));
        return kExitDone;
    }
    const QString& name = o.args[1];
    if (!names.contains(name) || !QFileInfo(macroFilePath(name)).isFile()) {
        print(err, QStringLiteral("mousecfg-cli: no macro is named '%1'\n").arg(name));
        return kExitBadFile;
    }
    const std::vector<MacroStep> steps = readMacroSteps(name);
    // Delays in milliseconds, as the window's step list shows them.
    const int unit = minDelay();
    QJsonArray lines;
    for (const MacroStep& s : steps) {
        if (o.json)
            lines.append(macroStepLine(s, unit));
        else
            print(out, macroStepLine(s, unit) + QLatin1Char('\n'));
    }
    if (o.json)
        std::fputs(compact({{QStringLiteral("name"), name}, {QStringLiteral("steps"), lines}}),
                   out);
    return kExitDone;
}
