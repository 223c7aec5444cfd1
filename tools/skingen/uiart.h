// The window chrome, controls and icons of the skin.
#pragma once

#include "canvas.h"
#include "gifwriter.h"

#include <QImage>
#include <QSizeF>

namespace skin {

enum class Look { Normal, Hover, Active };
enum class Glyph { Close, Minimise };
enum class MacroIcon { Key, KeyDown, KeyUp, MouseMove, Delay };

// At the usual oversampling, and at 1 for the window at its logical size (a
// quarter of the pixels to decode when the program starts).
QImage mainBackground(double oversample = kOversample);
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
// One shot of a gun file: lit for the shots in use, dimmed for the rest.
QImage bullet(bool used);
// The small triangle on a number field's step button.
QImage spinArrow(bool up);
QImage dialogBackground();
QImage processBackground();
QImage messageIcon(bool question);
QImage appIcon(int pixels);
QImage confirmIcon(bool yes);
GifAnimation loadingAnimation();

} // namespace skin
