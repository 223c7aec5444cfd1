// A check shared by the dialog tests: every control a dialog shows lies
// inside it, and no label or button text is cut.
#pragma once

#include "kitscale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

// "" when the dialog's own controls fit; otherwise what does not.
inline QString dialogLayoutProblem(QWidget& dialog, double scale) {
    const QRect inside = dialog.rect();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (w->parentWidget() != &dialog || !w->isVisibleTo(&dialog)) continue;
        if (!inside.contains(w->geometry()))
            return QStringLiteral("%1 lies outside").arg(w->metaObject()->className());
        QString text;
        int room = w->width();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // A wrapped text needs the height of its lines at this width.
            if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("\"%1\" is cut").arg(label->text());
            if (!label->wordWrap()) text = label->text();
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            text = box->text();
            room -= box->sizeHint().width() - box->fontMetrics().horizontalAdvance(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // Sized to its longest item, a choice shows each one whole.
            if (combo->sizeAdjustPolicy() == QComboBox::AdjustToContents &&
                combo->sizeHint().width() > combo->width())
                return QStringLiteral("\"%1\" is cut").arg(combo->currentText());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            room -= button->iconSize().width() + scaled(16, scale);
        }
        if (w->fontMetrics().horizontalAdvance(text) > room)
            return QStringLiteral("\"%1\" is cut").arg(text);
    }
    return QString();
}
