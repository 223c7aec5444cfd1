#include "macrostepwords.h"

#include "keycodes.h"

#include <QCoreApplication>

// The texts keep the step list's context, so its catalogue translates them
// wherever they are shown.

namespace {

int usableUnit(int unit) {
    return unit > 0 ? unit : 10;
}

} // namespace

QString buttonStepName(uint8_t bit) {
    switch (bit) {
    case 1:
        return QCoreApplication::translate("MacroStepDelegate", "LEFT CLICK");
    case 2:
        return QCoreApplication::translate("MacroStepDelegate", "RIGHT CLICK");
    case 4:
        return QCoreApplication::translate("MacroStepDelegate", "MIDDLE CLICK");
    case 8:
        return QCoreApplication::translate("MacroStepDelegate", "FORWARD");
    case 16:
        return QCoreApplication::translate("MacroStepDelegate", "BACKWARD");
    default:
        return QString();
    }
}

QString moveStepName(MoveDirection direction) {
    switch (direction) {
    case MoveDirection::Left:
        return QCoreApplication::translate("MacroStepDelegate", "MOVE LEFT");
    case MoveDirection::Right:
        return QCoreApplication::translate("MacroStepDelegate", "MOVE RIGHT");
    case MoveDirection::Up:
        return QCoreApplication::translate("MacroStepDelegate", "MOVE UP");
    case MoveDirection::Down:
        return QCoreApplication::translate("MacroStepDelegate", "MOVE DOWN");
    }
    return QString();
}

MacroStepWords macroStepWords(const MacroStep& step, int unitMs) {
    MacroStepWords words;
    const QString pressState = stepIsPress(step)
                                   ? QCoreApplication::translate("MacroStepDelegate", "Press")
                                   : QCoreApplication::translate("MacroStepDelegate", "Release");
    switch (stepKind(step)) {
    case kStepKey: {
        uint8_t code = 0;
        if (usageToKeyCode(step.dataL, code)) words.name = keyName(code);
        words.state = pressState;
        break;
    }
    case kStepButton:
        words.name = buttonStepName(step.dataL);
        words.state = pressState;
        break;
    case kStepMove:
        words.name = moveStepName(moveDirection(step));
        words.state = QString::number(moveDistance(step));
        break;
    case kStepDelay:
        words.name = QCoreApplication::translate("MacroStepDelegate", "DELAY");
        words.delay = QString::number(qint64(delayCount(step)) * usableUnit(unitMs));
        break;
    default:
        break;
    }
    return words;
}

QString macroStepLine(const MacroStep& step, int unitMs) {
    const MacroStepWords w = macroStepWords(step, unitMs);
    if (w.name.isEmpty())
        return QStringLiteral("? %1 %2 %3").arg(step.map).arg(step.dataL).arg(step.dataH);
    if (!w.delay.isEmpty()) return QStringLiteral("%1 %2 ms").arg(w.name, w.delay);
    return QStringLiteral("%1 %2").arg(w.name, w.state);
}
