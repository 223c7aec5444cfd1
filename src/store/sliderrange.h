// The DPI slider range of each sensor model: the step numbers at the two ends
// of a stage slider, the DPI shown beside them and whether "Link XY" is offered.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

// Which products a row applies to, for sensors whose range depends on the
// product rather than on the sensor alone.
enum class RangeCondition {
    Always,
    Flag33254,     // "PROFILE/33254" = 1
    NoFlag33254,   // "PROFILE/33254" != 1
    ReducedList,   // product in kReducedRangeProducts
    NotReducedList // any other product
};

struct SliderRange {
    int sensor;
    RangeCondition condition;
    int minStep;
    int maxStep;
    int minLabel; // DPI shown at the low end
    int maxLabel; // DPI shown at the high end
    bool showLink;
};

// First matching row wins, so conditional rows of a sensor come first.
constexpr SliderRange kSliderRanges[] = {
    {3104, RangeCondition::Always, 14, 105, 500, 4200, true},
    {31042, RangeCondition::Always, 14, 158, 500, 8400, true},
    {3212, RangeCondition::Always, 16, 111, 600, 7200, false},
    {3311, RangeCondition::Always, 1, 120, 100, 12000, false},
    {33112, RangeCondition::Always, 1, 180, 100, 24000, false},
    {3325, RangeCondition::Flag33254, 1, 90, 100, 16000, false},
    {33252, RangeCondition::Flag33254, 1, 90, 100, 16000, false},
    {3325, RangeCondition::NoFlag33254, 1, 50, 100, 5000, false},
    {33252, RangeCondition::NoFlag33254, 1, 75, 100, 10000, false},
    {3327, RangeCondition::ReducedList, 1, 92, 200, 12400, false},
    {3327, RangeCondition::NotReducedList, 1, 106, 200, 16400, false},
    {3333, RangeCondition::Always, 2, 120, 200, 16000, false},
    {3335, RangeCondition::Always, 1, 160, 100, 16000, false},
    {33352, RangeCondition::Always, 1, 240, 100, 32000, false},
    {3360, RangeCondition::Always, 1, 180, 100, 24000, true},
    {3370, RangeCondition::Always, 1, 290, 50, 19000, false},
    {3389, RangeCondition::Always, 2, 480, 100, 32000, true},
    {3395, RangeCondition::Always, 0, 519, 50, 26000, false},
    {3399, RangeCondition::Always, 0, 599, 50, 40000, true},
};

// Products whose 3327 sensor is limited to 12400 DPI by their firmware.
constexpr std::string_view kReducedRangeProducts[] = {
    "Qorv Vela",
};

// Until a known sensor sets them, rows keep these placeholder ends.
constexpr int kPlaceholderMinStep = 1;
constexpr int kPlaceholderMaxStep = 100;
constexpr int kPlaceholderMinLabel = 100;
constexpr int kPlaceholderMaxLabel = 10000;

bool isReducedRangeProduct(const QString& product);

// The product facts that pick between a sensor's rows.
struct RangeContext {
    bool flag33254 = false;
    bool reducedRange = false;
};

// The range row for a sensor model, or nothing for a sensor the table lacks.
std::optional<SliderRange> sliderRangeFor(int sensor, const RangeContext& context);
// The same, with the facts read from the product definition and Config.ini.
RangeContext currentRangeContext();
