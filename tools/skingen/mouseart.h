// Stylised pictures of a product's mouse: the top view with one lit picture
// per button, and the side view.
#pragma once

#include <QImage>
#include <QString>

namespace skin {

struct MouseStyle {
    QString product;
    int buttons = 7;
    double widthScale = 1.0;
    double lengthScale = 1.0;
    bool perforated = false; // a honeycomb shell lit from inside
    bool sideStrips = false; // accent light strips along the flanks
};

// The look of a product: known names get their own proportions, any other
// product the standard shape.
MouseStyle mouseStyleFor(const QString& product, int buttons);

// Logical 300 × 400. `lit` 1..buttons lights that button, 0 none.
QImage mouseTop(const MouseStyle& style, int lit);
// Logical 300 × 400, white where the top view shows the mouse's own
// lighting (its alpha is how much of a pixel the light makes), transparent
// elsewhere; the window tints those parts with the chosen colour.
QImage mouseLightMask(const MouseStyle& style);
// Logical 300 × 300, front to the left.
QImage mouseSide(const MouseStyle& style);

// Button areas the top view knows how to draw (more are clamped).
constexpr int kMaxDrawnButtons = 16;

} // namespace skin
