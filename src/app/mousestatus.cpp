#include "mousestatus.h"

#include <QtGlobal>
#include <cstdlib>

namespace {
constexpr int kWidthsForIndex[4] = {999, 1248, 1498, 1748};
} // namespace

int batteryLevel(int raw, int fullMillivolts)
{
    const long long x = static_cast<long long>(raw) * 990;
    if (x / 240 >= fullMillivolts) return 100;
    struct Step {
        long long above;
        int level;
    };
    static constexpr Step steps[] = {{983999, 90}, {959999, 80}, {935999, 70}, {911999, 60},
                                     {887999, 50}, {839999, 40}, {815999, 30}, {767999, 20}};
    for (const Step& s : steps)
        if (x > s.above) return s.level;
    return 10;
}

int connectionState(bool cable, bool receiver, bool charging)
{
    if (cable) return receiver ? 1 : 0;
    if (receiver) return charging ? 1 : 2;
    return 3;
}

const char* reportRateText(int code)
{
    switch (code) {
    case 8: return QT_TRANSLATE_NOOP("MousecfgWidget", "125 HZ");
    case 4: return QT_TRANSLATE_NOOP("MousecfgWidget", "250 HZ");
    case 2: return QT_TRANSLATE_NOOP("MousecfgWidget", "500 HZ");
    case 1: return QT_TRANSLATE_NOOP("MousecfgWidget", "1000 HZ");
    default: return "";
    }
}

int scaleIndexForWidth(int width)
{
    for (int i = 0; i < 4; ++i)
        if (std::abs(width - kWidthsForIndex[i]) <= 9) return i;
    return -1;
}
