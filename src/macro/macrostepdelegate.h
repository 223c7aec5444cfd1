// Paints the rows of the macro step list: an icon and a name per step kind,
// press or release, and the delay in milliseconds.
#pragma once

#include "macrofile.h"
#include "macrostepwords.h"

#include <QFontMetrics>
#include <QString>
#include <QStyledItemDelegate>

// What one step looks like in the list. Empty strings draw nothing.
struct StepLook {
    QString icon;      // skin image before the name
    QString name;      // key, button, direction or "DELAY"
    QString stateIcon; // key down / key up image
    QString stateText; // "Press", "Release", or a move's distance
    QString delay;     // the "DELAY(ms)" column: a delay step's milliseconds
};

// `unit` is the product's delay unit in milliseconds; the words are
// macroStepWords(), the icons the list's own.
StepLook describeStep(const MacroStep& step, int unit);

class MacroStepDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The model's columns: Map and DataH show as "ACTION" and "DELAY(ms)",
    // DataL is hidden.
    enum Column { MapColumn = 0, DataHColumn = 1, DataLColumn = 2 };

    MacroStepDelegate(int delayUnit, QObject* parent = nullptr);
    void setScale(double scale);
    double scale() const { return m_scale; }
    int delayUnit() const { return m_unit; }

    // The step held by the row of `index`: the three columns are the decimal
    // texts of Map, DataH and DataL. False when one of them is no byte.
    static bool stepAt(const QModelIndex& index, MacroStep& step);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // The press/release block at the right of the action column.
    int stateWidth(const QFontMetrics& fm, const StepLook& look) const;

    int m_unit;
    double m_scale = 1.0;
};
