#include "dpi.h"

#include <QStringList>
#include <cstdlib>

namespace {

int sensor3104(int a) {
    if (a > 106) return a * 80 - 4240;
    const int d = a * 40;
    return d == 560 ? 500 : d;
}

int sensor3212(int a) {
    if (a < 64) {
        const int d = (a * 38 / 10) * 10;
        switch (d) {
        case 790:
            return 800;
        case 1210:
            return 1200;
        case 1630:
            return 1600;
        case 2390:
            return 2400;
        default:
            return d;
        }
    }
    if (a <= 94) return ((a - 32) * 76 / 10) * 10;
    const int d = ((a - 63) * 152 / 10) * 10;
    return d == 7290 ? 7200 : d;
}

} // namespace

int dpiFromStep(uint32_t code, int sensor) {
    // Step codes are small; keep the arithmetic in int like the tables do.
    const int a = code > 100000 ? 100000 : int(code);
    switch (sensor) {
    case 3325:
    case 33252:
        if (a <= 50) return a * 100;
        if (a <= 75) return (a - 50) * 200 + 5000;
        return (a - 75) * 400 + 10000;
    case 3327:
        if (a <= 61) return (a + 1) * 100;
        if (a <= 92) return (a - 61) * 200 + 6200;
        if (a == 106) return 16400;
        return (a - 92) * 300 + 12300;
    case 3311:
    case 3360:
    case 33112:
        return a <= 120 ? a * 100 : (a - 120) * 200 + 12000;
    case 3333:
        return a <= 80 ? a * 100 : (a - 80) * 200 + 8000;
    case 3335:
    case 33352:
        return a <= 160 ? a * 100 : (a - 160) * 200 + 16000;
    case 3370:
        return a <= 200 ? a * 50 : (a - 200) * 100 + 10000;
    case 3389:
        return a <= 320 ? a * 50 : (a - 320) * 100 + 16000;
    case 3395:
    case 33952:
        return a <= 519 ? (a + 1) * 50 : (a - 519) * 100 + 26000;
    case 3399:
        return a <= 399 ? (a + 1) * 50 : (a - 399) * 100 + 20000;
    case 3104:
    case 31042:
        return sensor3104(a);
    case 3212:
        return sensor3212(a);
    default:
        return 0;
    }
}

uint32_t stepForDpi(int dpi, int sensor, int minStep, int maxStep) {
    int best = minStep;
    for (int s = minStep; s <= maxStep; ++s)
        if (std::abs(dpiFromStep(uint32_t(s), sensor) - dpi) <
            std::abs(dpiFromStep(uint32_t(best), sensor) - dpi))
            best = s;
    return uint32_t(best < 0 ? 0 : best);
}

TypedDpi readTypedDpi(const QString& text, int sensor, int minStep, int maxStep, bool pair) {
    TypedDpi r;
    r.minDpi = dpiFromStep(uint32_t(qMax(minStep, 0)), sensor);
    r.maxDpi = dpiFromStep(uint32_t(qMax(maxStep, 0)), sensor);
    // Anything longer than two numbers and their separator is not a value.
    if (text.size() > 24) return r;
    QString spaced = text;
    for (QChar& c : spaced)
        if (c == QLatin1Char(',') || c == QLatin1Char('x') || c == QLatin1Char('X') ||
            c == QLatin1Char('/') || c == QChar(0x00d7))
            c = QLatin1Char(' ');
    const QStringList parts = spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > (pair ? 2 : 1)) return r;
    int values[2] = {0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok) return r;
    }
    if (parts.size() == 1) values[1] = values[0];
    for (int v : values)
        if (v < r.minDpi || v > r.maxDpi) {
            r.outcome = TypedDpi::Outcome::OutOfRange;
            return r;
        }
    r.x = stepForDpi(values[0], sensor, minStep, maxStep);
    r.y = stepForDpi(values[1], sensor, minStep, maxStep);
    r.outcome = TypedDpi::Outcome::Ok;
    return r;
}
