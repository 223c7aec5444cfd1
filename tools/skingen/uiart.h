// The window chrome, controls and icons of the skin.
#pragma once

#include "gifwriter.h"

#include <QImage>
#include <QSizeF>

namespace skin {

enum class Look { Normal, Hover, Active };
enum class Glyph { Close, Minimise };
enum class MacroIcon { Key, KeyDown, KeyUp, MouseMove, Delay };

QImage mainBackground();
QImage windowButton(Glyph glyph, Look look);
// A pill button; `notch` reserves a darker square at the left for a number.
QImage pillButton(const QSizeF& size, Look look, bool notch);
QImage dropDownButton();
QImage selectionBar();
QImage toggle(bool on);
QImage checkBox(bool checked);
QImage radio(bool checked);
QImage batteryFrame(bool wired);
QImage lightning();
QImage dongle();
QImage marker(Look look);
QImage wheelMarker(bool up, bool lit, bool square);
QImage macroIcon(MacroIcon kind);
QImage dialogBackground();
QImage processBackground();
QImage messageIcon(bool question);
QImage appIcon(int pixels);
QImage confirmIcon(bool yes);
GifAnimation loadingAnimation();

} // namespace skin
