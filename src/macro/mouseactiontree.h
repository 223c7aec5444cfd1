// The mouse actions of the macro page: the five buttons with their press and
// release, and the four move rows with a distance each.
#pragma once

#include "macrofile.h"

#include <QTreeWidget>
#include <QWidget>

class KestLineEdit;
class KestPushButton;

// One move row: the direction's button and its distance field.
class MouseActionItem : public QWidget {
    Q_OBJECT
public:
    explicit MouseActionItem(MoveDirection direction, QWidget* parent = nullptr);

    MoveDirection direction() const { return m_direction; }
    // The distance typed, 1-120; 0 while the field holds no such number.
    int distance() const;
    KestLineEdit* distanceField() const { return m_distance; }
    KestPushButton* button() const { return m_button; }

    // Acts as a press of the row's button.
    void press();
    void retranslate();
    void setScale(double scale);

signals:
    // The row's button was pressed (mouse, Space, or Enter in the field) with
    // a valid distance; without one the field takes the focus instead.
    void pressed(MouseActionItem* item);

private:
    void applyFonts();
    MoveDirection m_direction;
    KestPushButton* m_button;
    KestLineEdit* m_distance;
};

class MouseActionTree : public QTreeWidget {
    Q_OBJECT
public:
    enum class TreeAction { None, Press, Release, Click, Expanded };

    explicit MouseActionTree(QWidget* parent = nullptr);

    // Interprets a click on `item` the way the macro page needs it: a
    // collapsed button item collapses all others and expands itself
    // (Expanded); an expanded one asks for a full click (Click); a child asks
    // for a press or release (Press / Release). `button` gets the editor's
    // button index 0..4 (LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD). Move rows
    // and null give None.
    TreeAction actionFor(QTreeWidgetItem* item, int* button);

    QTreeWidgetItem* buttonItem(int index) const;
    QTreeWidgetItem* moveItem(MoveDirection direction) const;
    MouseActionItem* moveRow(MoveDirection direction) const;

    void retranslate();
    void setScale(double scale);

protected:
    // Enter and Space act on the current item as a click does: itemClicked
    // for the button items, the row's press for a move row.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyStyle();
    double m_scale = 1.0;
};
