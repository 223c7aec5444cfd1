// The mouse picture in the colours of its lighting: the lit parts (a mask
// drawn with the artwork) recoloured for the effect the profile has chosen.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

struct LightTint {
    enum Kind {
        Plain,    // the picture as drawn
        Colour,   // the lights in one colour
        Spectrum, // effects that run through the colours
        Dark,     // the lights off
    };
    Kind kind = Plain;
    QColor colour; // for Colour
};

// The look of lighting effect `ledMode` whose own colour is `colour`. Only
// the effects with a colour of their own show it; an effect no control knows
// reads as OFF, as the lighting page shows it.
LightTint lightTintFor(int ledMode, const QColor& colour);

// `base` with every pixel under `mask` (by the mask's alpha, scaled to the
// base's size) recoloured for `tint`: lit in the colour at the brightness the
// picture had there, or dimmed to a dark grey. Pixels outside the mask and
// the base's alpha are left alone; without a mask the base comes back as is.
QImage tintedMouse(const QImage& base, const QImage& mask, const LightTint& tint);

// The skin picture `picture` scaled to fit `size` (as scaledSkinPixmap) with
// the lights the skin image `mask` marks tinted; the last look is kept, so
// redrawing an unchanged view costs nothing. A missing or unreadable mask
// gives the plain picture.
QPixmap tintedSkinPixmap(const QString& picture, const QString& mask, const QSize& size,
                         const LightTint& tint);
