#include "cliarguments.h"

#include "buttondescription.h"
#include "buttonfunctions.h"
#include "dpi.h"
#include "keycodes.h"
#include "settingsrange.h"

#include <QJsonArray>

namespace {

constexpr SensorOption kOptions[] = {
    {"lift", &DeviceSettings::LiftHigh, OptionKind::Number, 1, 2},
    {"debounce", &DeviceSettings::Debounce, OptionKind::Number, kKeyResponseRange.min,
     kKeyResponseRange.max},
    {"angle-snap", &DeviceSettings::AngleValue, OptionKind::Switch, 0, 1},
    {"motion-sync", &DeviceSettings::Sync, OptionKind::Switch, 0, 1},
    {"jitter", &DeviceSettings::Jitter, OptionKind::Switch, 0, 1},
    {"wake", &DeviceSettings::Wake, OptionKind::Switch, 0, 1},
    {"sensor-mode", &DeviceSettings::SensorMode, OptionKind::Mode, 0, 2},
};
constexpr const char* kSensorModes[] = {"eco", "standard", "competitive"};
constexpr const char* kSwitchWords[] = {"off", "on"};

// The catalogue's label as one word for the command line: "Play/Pause" is
// play-pause, "DPI +" dpi-plus.
QString functionSlug(const ButtonFunction& f) {
    QString label = QString::fromLatin1(f.label).toLower();
    label.replace(QLatin1Char('+'), QStringLiteral(" plus"));
    label.replace(QLatin1Char('-'), QStringLiteral(" minus"));
    QString slug;
    for (const QChar c : label) {
        if (c.isLetterOrNumber())
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug;
}

// The window sets these without a dialog; the others need one.
bool withoutDialog(const ButtonFunction& f) {
    return f.kind == FunctionKind::Plain;
}

QString settableSlugs(int record, const ProductFeatures& features) {
    QStringList slugs;
    for (const ButtonFunction& f : kButtonFunctions)
        if (withoutDialog(f) && functionOffered(f.code, record, features)) slugs << functionSlug(f);
    return slugs.join(QStringLiteral(", "));
}

// The key code named `name` in either name set, case aside.
bool keyCodeNamed(const QString& name, uint8_t* code) {
    for (const KeyRow& k : kKeyRows) {
        if (k.usage < 0) continue; // the mouse cannot send it
        if (name.compare(QString::fromUtf8(k.name), Qt::CaseInsensitive) == 0 ||
            (k.french && name.compare(QString::fromUtf8(k.french), Qt::CaseInsensitive) == 0)) {
            *code = k.code;
            return true;
        }
    }
    return false;
}

} // namespace

const SensorOption* findOption(const QString& name) {
    for (const SensorOption& o : kOptions)
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

QString optionText(const SensorOption& o, int value) {
    switch (o.kind) {
    case OptionKind::Switch:
        return QLatin1String(kSwitchWords[value ? 1 : 0]);
    case OptionKind::Mode:
        return value >= 0 && value <= 2 ? QLatin1String(kSensorModes[value])
                                        : QString::number(value);
    case OptionKind::Number:
        break;
    }
    return QString::number(value);
}

int parseOption(const SensorOption& o, const QString& text, QString* error) {
    const QString t = text.toLower();
    if (o.kind == OptionKind::Switch) {
        for (int i = 0; i < 2; ++i)
            if (t == QLatin1String(kSwitchWords[i])) return i;
        *error = QStringLiteral("%1: expected on or off, not '%2'").arg(o.name, text);
        return -1;
    }
    if (o.kind == OptionKind::Mode) {
        for (int i = 0; i < 3; ++i)
            if (t == QLatin1String(kSensorModes[i])) return i;
        *error =
            QStringLiteral("%1: expected eco, standard or competitive, not '%2'").arg(o.name, text);
        return -1;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < o.min || v > o.max) {
        *error = QStringLiteral("%1: expected a number from %2 to %3, not '%4'")
                     .arg(QLatin1String(o.name))
                     .arg(o.min)
                     .arg(o.max)
                     .arg(text);
        return -1;
    }
    return v;
}

int DpiRange::minDpi() const {
    return dpiFromStep(uint32_t(minStep), sensor);
}

int DpiRange::maxDpi() const {
    return dpiFromStep(uint32_t(maxStep), sensor);
}

bool setDpi(MouseProfile& p, const CliOptions& o, const DpiRange& r, QString* error) {
    if (o.stage >= r.stageCount) {
        *error = QStringLiteral("dpi: this mouse has %1 stages").arg(r.stageCount);
        return false;
    }
    if (o.stage < 0 && o.args.size() > r.stageCount) {
        *error = QStringLiteral("dpi: this mouse has %1 stages, not %2")
                     .arg(r.stageCount)
                     .arg(o.args.size());
        return false;
    }
    std::vector<uint32_t> steps;
    for (const QString& a : o.args) {
        // The window's rule for a typed value, one value per stage.
        const TypedDpi typed = readTypedDpi(a, r.sensor, r.minStep, r.maxStep, false);
        if (typed.outcome == TypedDpi::Outcome::NotANumber) {
            *error = QStringLiteral("dpi: '%1' is not a number").arg(a);
            return false;
        }
        if (!typed.ok()) {
            *error = QStringLiteral("dpi: '%1' is outside the sensor's range %2 to %3")
                         .arg(a)
                         .arg(typed.minDpi)
                         .arg(typed.maxDpi);
            return false;
        }
        steps.push_back(typed.y);
    }
    const auto set = [&](int stage, uint32_t step) {
        DpiStage& s = p.stages[stage];
        s.used = 1;
        s.x = s.y = s.xy = step;
    };
    if (o.stage >= 0) {
        set(o.stage, steps.front());
        return true;
    }
    // The listed values become the stages in use, the others are switched off.
    for (int i = 0; i < r.stageCount; ++i) {
        if (i < int(steps.size()))
            set(i, steps[size_t(i)]);
        else
            p.stages[i].used = 0;
    }
    if (p.dpi >= int(steps.size())) p.dpi = 0;
    return true;
}

QString dpiLine(const MouseProfile& p, const DpiRange& r) {
    QStringList values;
    for (int i = 0; i < r.stageCount; ++i) {
        if (!p.stages[i].used) continue;
        values << QString::number(dpiFromStep(p.stages[i].y, r.sensor)) +
                      (i == p.dpi ? QStringLiteral("*") : QString());
    }
    return values.join(QLatin1Char(' '));
}

QJsonObject dpiObject(const MouseProfile& p, const DpiRange& r, int profile) {
    QJsonArray stages;
    for (int i = 0; i < r.stageCount; ++i) {
        if (!p.stages[i].used) continue;
        stages.append(QJsonObject{{QStringLiteral("stage"), i + 1},
                                  {QStringLiteral("dpi"), dpiFromStep(p.stages[i].y, r.sensor)}});
    }
    return {{QStringLiteral("profile"), profile + 1},
            {QStringLiteral("stage"), p.dpi + 1},
            {QStringLiteral("stages"), stages}};
}

int buttonRecord(const QString& number, const std::vector<int>& records, QString* error) {
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || n < 1 || n > int(records.size())) {
        *error = QStringLiteral("button: expected a button number from 1 to %1, not '%2'")
                     .arg(records.size())
                     .arg(number);
        return -1;
    }
    return records[size_t(n - 1)];
}

bool parseButtonAssignment(const QString& number, const QString& function,
                           const std::vector<int>& records, const ProductFeatures& features,
                           ButtonAssignment* out, QString* error) {
    const int record = buttonRecord(number, records, error);
    if (record < 0) return false;
    out->record = record;
    if (function.startsWith(QLatin1String("key:"), Qt::CaseInsensitive)) {
        if (!keyCodeNamed(function.mid(4), &out->key)) {
            *error = QStringLiteral("button: no key is named '%1'").arg(function.mid(4));
            return false;
        }
        out->code = kSingleKeyCode;
        return true;
    }
    bool known = false;
    for (const ButtonFunction& f : kButtonFunctions) {
        if (functionSlug(f) != function.toLower()) continue;
        known = true;
        if (!functionOffered(f.code, record, features)) continue;
        if (!withoutDialog(f)) {
            *error = QStringLiteral("button: '%1' needs the window").arg(function);
            return false;
        }
        out->code = f.code;
        return true;
    }
    *error = QStringLiteral("button: %1 '%2'; the functions are %3 and key:NAME")
                 .arg(known ? QStringLiteral("this mouse's menu does not offer")
                            : QStringLiteral("unknown function"),
                      function, settableSlugs(record, features));
    return false;
}

QString buttonText(const ButtonInfo& b, int record, const QStringList& macroNames) {
    const QString text = buttonDescription(b, record, macroNames);
    return text.isEmpty() ? QStringLiteral("code %1").arg(b.Fun) : text;
}
