// Style sheets the performance pages share for their option controls.
#pragma once

#include <QColor>
#include <QString>

// Check boxes drawn from the skin's square check images.
QString squareBoxStyleSheet(double scale);
// Check boxes that act as a radio group, drawn from the skin's round images.
QString roundBoxStyleSheet(double scale);
// Radio buttons drawn from the same round images.
QString radioStyleSheet(double scale);
// The scroll-speed spin box.
QString spinStyleSheet(const QColor& accent, double scale);
// The "Mouse Setting" button.
QString flatButtonStyleSheet(const QColor& accent, double scale);

// Makes the compiled-in arrow images available; safe to call more than once.
void initPerformanceResources();
