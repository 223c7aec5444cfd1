#include "mousestatus.h"

#include <QtGlobal>
#include <cstdlib>

namespace {
constexpr int kWidthsForIndex[4] = {999, 1248, 1498, 1748};
} // namespace

const char* reportRateText(int code) {
    switch (reportRateHz(code)) {
    case 125:
        return QT_TRANSLATE_NOOP("MainWindow", "125 HZ");
    case 250:
        return QT_TRANSLATE_NOOP("MainWindow", "250 HZ");
    case 500:
        return QT_TRANSLATE_NOOP("MainWindow", "500 HZ");
    case 1000:
        return QT_TRANSLATE_NOOP("MainWindow", "1000 HZ");
    default:
        return "";
    }
}

int scaleIndexForWidth(int width) {
    for (int i = 0; i < 4; ++i)
        if (std::abs(width - kWidthsForIndex[i]) <= 9) return i;
    return -1;
}
