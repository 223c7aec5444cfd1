// The one text-fit check the window, page and dialog tests share: every
// control lies inside its parent, no text is cut, no text runs into another
// control, and every menu item and table cell is shown whole.
#pragma once

#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTableView>
#include <QTextDocument>

namespace textfit {

inline QString where(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\"")
        .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(), text);
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
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!qobject_cast<QPushButton*>(w) && !qobject_cast<QCheckBox*>(w) &&
        !qobject_cast<QRadioButton*>(w))
        return -1;
    text = button->text();
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        return w->width() - (w->sizeHint().width() - fm.horizontalAdvance(text));
    return w->width() - (button->icon().isNull() ? 0 : button->iconSize().width()) -
           scaled(16, scale);
}

// Each item, alone in a menu of the same look, needs no more than the width.
inline void checkMenu(QMenu* menu, QStringList& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        QMenu probe;
        probe.setProperty("kitLook", menu->property("kitLook"));
        probe.setStyleSheet(menu->styleSheet());
        probe.setFont(menu->font());
        probe.addAction(a);
        probe.ensurePolished();
        if (probe.sizeHint().width() > menu->width())
            out << where(menu, a->text()) + QStringLiteral(" is cut");
    }
}

// Headers fit their sections and the view; each cell is as wide as its
// delegate asks for.
inline void checkView(QAbstractItemView* view, double scale, QStringList& out) {
    QAbstractItemModel* model = view->model();
    if (!model) return;
    auto* table = qobject_cast<QTableView*>(view);
    QHeaderView* header = table ? table->horizontalHeader() : nullptr;
    for (int c = 0; header && header->isVisible() && c < model->columnCount(); ++c) {
        if (header->isSectionHidden(c)) continue;
        const QString text = model->headerData(c, Qt::Horizontal).toString();
        const int need = header->fontMetrics().horizontalAdvance(text) + scaled(8, scale);
        const int at = header->sectionViewportPosition(c);
        if ((need > header->sectionSize(c) && at >= 0) ||
            at + qMin(need, header->sectionSize(c)) > header->viewport()->width())
            out << where(header, text) + QStringLiteral(" is cut");
    }
    for (int r = 0; r < qMin(model->rowCount(), 200); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex i = model->index(r, c);
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.rect = view->visualRect(i);
            option.font = view->font();
            QAbstractItemDelegate* d = view->itemDelegateForColumn(c);
            if (!option.rect.isEmpty() &&
                (d ? d : view->itemDelegate())->sizeHint(option, i).width() > option.rect.width())
                out << where(view, i.data().toString()) + QStringLiteral(" is cut");
        }
}

// Inner parts of compound controls and the contents of scrolled views are
// placed by their owner, not by the window's layout.
inline bool placedByOwner(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    return qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
           qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QAbstractButton*>(p) ||
           qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
}

// Something another text could run into: not an empty label, a menu or a
// mark the pointer goes through.
inline bool solid(const QWidget* w) {
    auto* label = qobject_cast<const QLabel*>(w);
    auto* kest = qobject_cast<const KestLabel*>(w);
    return !qobject_cast<const QMenu*>(w) && !w->testAttribute(Qt::WA_TransparentForMouseEvents) &&
           !(label && label->text().isEmpty() && (!kest || kest->skinImage().isEmpty()));
}

} // namespace textfit

// Every problem under `root` (its menus included): cut texts, controls that
// lie outside their parent or out of their scrolled view, overlapping texts.
inline QStringList textFitProblems(QWidget& root, double scale) {
    using namespace textfit;
    QStringList out;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) checkMenu(menu, out);
        if (!w->isVisibleTo(&root)) continue;
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) checkView(view, scale, out);
        QWidget* parent = w->parentWidget();
        const QString shown = w->property("text").toString();
        if (!placedByOwner(w) && !parent->rect().contains(w->geometry()))
            out << where(w, shown) + QStringLiteral(" lies outside");
        auto* label = qobject_cast<QLabel*>(w);
        auto* combo = qobject_cast<QComboBox*>(w);
        // A wrapped text needs the height of its lines; a list sized to its
        // longest item shows each one whole.
        if ((label && label->wordWrap() && label->heightForWidth(w->width()) > w->height()) ||
            (combo && combo->sizeAdjustPolicy() == QComboBox::AdjustToContents &&
             combo->sizeHint().width() > w->width()))
            out << where(w, shown) + QStringLiteral(" is cut");
        QWidget* page = parent->parentWidget();
        if (page && qobject_cast<QAbstractScrollArea*>(page->parentWidget()) &&
            !page->rect().contains(QRect(w->mapTo(page, QPoint()), w->size())))
            out << where(w, shown) + QStringLiteral(" is out of view");
        QString text;
        QFontMetrics fm = w->fontMetrics();
        const int room = textRoom(w, scale, text, fm);
        if (text.isEmpty() || room < 0) continue;
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = qMax(widest, fm.horizontalAdvance(line));
        if (widest > room)
            out << where(w, text) + QStringLiteral(" is cut (%1 px for %2)").arg(room).arg(widest);
        for (QWidget* other : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != w && other->isVisibleTo(&root) && solid(other) &&
                w->geometry().intersects(other->geometry()))
                out << where(w, text) + QStringLiteral(" overlaps ") +
                           where(other, other->property("text").toString());
    }
    return out;
}

// "" when a dialog's own controls fit; otherwise the first thing that does not.
inline QString dialogLayoutProblem(QWidget& dialog, double scale) {
    return textFitProblems(dialog, scale).value(0);
}
