#include "sliderrange.h"

#include "appconfig.h"
#include "productdef.h"

bool isReducedRangeProduct(const QString& product) {
    const QByteArray utf8 = product.toUtf8();
    const std::string_view name(utf8.constData(), size_t(utf8.size()));
    for (std::string_view listed : kReducedRangeProducts) {
        if (listed == name) return true;
    }
    return false;
}

static bool conditionHolds(RangeCondition condition, const RangeContext& context) {
    switch (condition) {
    case RangeCondition::Always:
        return true;
    case RangeCondition::Flag33254:
        return context.flag33254;
    case RangeCondition::NoFlag33254:
        return !context.flag33254;
    case RangeCondition::ReducedList:
        return context.reducedRange;
    case RangeCondition::NotReducedList:
        return !context.reducedRange;
    }
    return false;
}

std::optional<SliderRange> sliderRangeFor(int sensor, const RangeContext& context) {
    for (const SliderRange& row : kSliderRanges) {
        if (row.sensor == sensor && conditionHolds(row.condition, context)) return row;
    }
    return std::nullopt;
}

RangeContext currentRangeContext() {
    RangeContext context;
    context.flag33254 = sensorFlag33254() == 1;
    // The product in use is the one the configuration names; fall back to the
    // definition file's own name when the configuration has none yet.
    QString product = readCurrentProductName();
    if (product.isEmpty()) product = productName();
    context.reducedRange = isReducedRangeProduct(product);
    return context;
}
