// The one text-fit check the window, page and dialog tests share: every
// control lies inside its parent, no text is cut, no text runs into another
// control, and every menu item is shown whole.
#pragma once

#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QTextDocument>
#include <QWidget>

namespace textfit {

inline QString where(const QWidget* w, const QString& text) {
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, text);
}

// Inner parts of compound controls and the contents of scrolled views are
// placed by their owner, not by the window's layout.
inline bool placedByOwner(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    if (!p) return true;
    if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QAbstractButton*>(p))
        return true;
    const QWidget* gp = p->parentWidget();
    return gp && qobject_cast<const QAbstractScrollArea*>(gp);
}

// The text a control shows on its face and the width it has for it; a
// negative room when the control tells by itself (or shows no text).
inline int textRoom(QWidget* w, double scale, QString& text, QFontMetrics& fm) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap() || Qt::mightBeRichText(label->text())) return -1;
        text = label->text();
        return label->contentsRect().width() - 2 * label->margin() - 2 * label->indent();
    }
    if (auto* kest = qobject_cast<KestPushButton*>(w)) {
        text = kest->text();
        fm = QFontMetrics(kest->textFont());
        return kest->textRect().width();
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* box = static_cast<QAbstractButton*>(w);
        text = box->text();
        return box->width() - (box->sizeHint().width() - fm.horizontalAdvance(text));
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        text = button->text();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
        return button->width() - icon - scaled(16, scale);
    }
    return -1;
}

inline void checkMenu(QMenu* menu, QStringList& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        // A menu of this item alone is as wide as the item needs.
        QMenu probe;
        probe.setProperty("kitLook", menu->property("kitLook"));
        probe.setStyleSheet(menu->styleSheet());
        probe.setFont(menu->font());
        probe.addAction(a);
        probe.ensurePolished();
        if (probe.sizeHint().width() > menu->width())
            out << QStringLiteral("%1 is cut (%2 px for %3)")
                       .arg(where(menu, a->text()))
                       .arg(menu->width())
                       .arg(probe.sizeHint().width());
    }
}

inline void checkView(QAbstractItemView* view, double scale, QStringList& out) {
    QAbstractItemModel* model = view->model();
    if (!model) return;
    if (auto* table = qobject_cast<QTableView*>(view)) {
        QHeaderView* header = table->horizontalHeader();
        for (int c = 0; header->isVisible() && c < model->columnCount(); ++c) {
            const QString text = model->headerData(c, Qt::Horizontal).toString();
            const int need = header->fontMetrics().horizontalAdvance(text) + scaled(8, scale);
            if (need > header->sectionSize(c) && header->sectionViewportPosition(c) >= 0)
                out << where(header, text) + QStringLiteral(" is cut");
            if (header->sectionViewportPosition(c) + qMin(need, header->sectionSize(c)) >
                header->viewport()->width())
                out << where(header, text) + QStringLiteral(" runs past the view");
        }
    }
    // Each shown cell is as wide as its delegate asks for.
    for (int r = 0; r < qMin(model->rowCount(), 200); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex i = model->index(r, c);
            const QRect cell = view->visualRect(i);
            if (cell.isEmpty()) continue;
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.rect = cell;
            option.font = view->font();
            QAbstractItemDelegate* d = view->itemDelegateForColumn(c);
            if (!d) d = view->itemDelegate();
            if (d->sizeHint(option, i).width() > cell.width())
                out << where(view, i.data().toString()) + QStringLiteral(" is cut");
        }
}

// An empty label draws nothing another text could run into.
inline bool blank(const QWidget* w) {
    auto* label = qobject_cast<const QLabel*>(w);
    auto* kest = qobject_cast<const KestLabel*>(w);
    return label && label->text().isEmpty() && (!kest || kest->skinImage().isEmpty());
}

} // namespace textfit

// Every problem under `root` (its menus included): cut texts, controls that
// lie outside their parent, texts that run into another control.
inline QStringList textFitProblems(QWidget& root, double scale) {
    QStringList out;
    QList<QWidget*> all = root.findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (auto* menu = qobject_cast<QMenu*>(w)) textfit::checkMenu(menu, out);
        if (!w->isVisibleTo(&root)) continue;
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) textfit::checkView(view, scale, out);
        QWidget* parent = w->parentWidget();
        if (!textfit::placedByOwner(w) && !parent->rect().contains(w->geometry()))
            out << textfit::where(w, w->metaObject()->className()) +
                       QStringLiteral(" lies outside");
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // A wrapped text needs the height of its lines at this width.
            if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                out << textfit::where(w, label->text()) + QStringLiteral(" is cut");
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // Sized to its longest item, a choice shows each one whole.
            if (combo->sizeAdjustPolicy() == QComboBox::AdjustToContents &&
                combo->sizeHint().width() > combo->width())
                out << textfit::where(w, combo->currentText()) + QStringLiteral(" is cut");
        }
        // A control in a scrolled page is seen only inside the view.
        if (parent->parentWidget() &&
            qobject_cast<QAbstractScrollArea*>(parent->parentWidget()->parentWidget()) &&
            !parent->parentWidget()->rect().contains(
                QRect(w->mapTo(parent->parentWidget(), QPoint()), w->size())))
            out << textfit::where(w, w->property("text").toString()) +
                       QStringLiteral(" is out of view");
        QString text;
        QFontMetrics fm = w->fontMetrics();
        const int room = textfit::textRoom(w, scale, text, fm);
        if (text.isEmpty() || room < 0) continue;
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = qMax(widest, fm.horizontalAdvance(line));
        if (widest > room)
            out << QStringLiteral("%1 is cut (%2 px for %3)")
                       .arg(textfit::where(w, text))
                       .arg(room)
                       .arg(widest);
        // What shows text keeps clear of every control beside it.
        for (QWidget* other : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != w && other->isVisibleTo(&root) &&
                !other->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                !qobject_cast<QMenu*>(other) && !textfit::blank(other) &&
                w->geometry().intersects(other->geometry()))
                out << QStringLiteral("%1 overlaps %2")
                           .arg(textfit::where(w, text),
                                textfit::where(other, other->property("text").toString()));
    }
    return out;
}

// "" when a dialog's own controls fit; otherwise the first thing that does not.
inline QString dialogLayoutProblem(QWidget& dialog, double scale) {
    return textFitProblems(dialog, scale).value(0);
}
