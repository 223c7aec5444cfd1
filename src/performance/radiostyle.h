// Style sheets the performance pages share for their option controls.
#pragma once

#include <QColor>
#include <QString>

// The scroll-speed spin box.
QString spinStyleSheet(const QColor& accent, double scale);
// The "Mouse Setting" button.
QString flatButtonStyleSheet(const QColor& accent, double scale);

// Makes the compiled-in arrow images available; safe to call more than once.
void initPerformanceResources();
