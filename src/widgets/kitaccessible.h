// Roles, names and values that assistive tools read from the skinned kit's
// controls, which draw themselves and so tell them nothing on their own.
#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QAbstractSlider;
class QWidget;

// Installs the kit's accessibility factory; later calls do nothing.
void installKitAccessibility();

// The name pattern of a control: "%1" stands for what it shows now (a
// button's text, a slider's value in its unit). A menu button whose pattern
// has no "%1" reads "<pattern>: <text>".
void setAccessibleLabel(QWidget* widget, const QString& pattern);
QString accessibleLabel(const QWidget* widget);

// The role of a control drawn on a plain widget. A button's "Press" comes to
// it as the Space key does, so it needs nothing more than keyboard handling.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// How a slider's positions read in their real unit (DPI, ms, ...): the unit
// value of a position and the position nearest a unit value. Assistive
// tools then read and set the slider in that unit.
struct KitValueMap {
    std::function<int(int)> toUnit;
    std::function<int(int)> toPosition;
};
void setAccessibleValueMap(QAbstractSlider* slider, const KitValueMap& map);
// The unit value a slider shows (its position when it has no map).
int accessibleValue(const QAbstractSlider* slider);

// Tells assistive tools that a control's name changed, for names computed
// from state they do not see change.
void notifyAccessibleName(QWidget* widget);
