// The command-line tool's setting arguments: how each is checked and turned
// into a value, and the words the tool prints for the values it shows.
#pragma once

#include "buttonrules.h"
#include "clicommands.h"
#include "records.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

enum class OptionKind { Number, Switch, Mode };

// The sensor options of the DPI page; the mouse keeps one set for all profiles.
struct SensorOption {
    const char* name;
    uint8_t DeviceSettings::*field;
    OptionKind kind;
    int min;
    int max;
};
// nullptr when `name` is no sensor option.
const SensorOption* findOption(const QString& name);
QString optionText(const SensorOption& option, int value);
// The value of `text` for `option`, or -1 with the message.
int parseOption(const SensorOption& option, const QString& text, QString* error);

// The DPI a stage may take on the sensor in use, as step numbers.
struct DpiRange {
    int sensor = 0;
    int minStep = 0;
    int maxStep = 0;
    int stageCount = kDpiStageCount;
    int minDpi() const;
    int maxDpi() const;
};
// Sets the stage values of `profile` from the arguments of `dpi`; false with
// the message when one is no number or does not fit.
bool setDpi(MouseProfile& profile, const CliOptions& options, const DpiRange& range,
            QString* error);
// "400 800* 1600": the stages in use, the current one marked.
QString dpiLine(const MouseProfile& profile, const DpiRange& range);
QJsonObject dpiObject(const MouseProfile& profile, const DpiRange& range, int profileIndex);

// A button function the tool can set without a dialog.
struct ButtonAssignment {
    int record = -1;
    int code = -1;
    uint8_t key = 0; // the single key's code
};
// Checks `button NUMBER FUNCTION`: the number against the rows the window
// numbers (`records`), the function against what the window's menu offers
// that row on a product with `features`, less what needs a dialog.
bool parseButtonAssignment(const QString& number, const QString& function,
                           const std::vector<int>& records, const ProductFeatures& features,
                           ButtonAssignment* out, QString* error);
// The record of button `number` (as the window numbers them), or -1 with the message.
int buttonRecord(const QString& number, const std::vector<int>& records, QString* error);
// What a button does, as the window's label says it; "code N" for a code the
// window has no words for.
QString buttonText(const ButtonInfo& button, int record, const QStringList& macroNames);
