// The skinned push button: drawn from a list of state images, with an
// optional painted number, press and hover signals for the windows that
// track which button the user is on.
#pragma once

#include "qtcompat.h"
#include <QPushButton>

#include <QStringList>

class KestPushButton : public QPushButton {
    Q_OBJECT
public:
    // What the button currently looks like; the index into the state images.
    enum VisualState { Normal = 0, Hover = 1, Pressed = 2 };

    explicit KestPushButton(QWidget* parent = nullptr);
    // `images`: normal, hover, pressed (a shorter list reuses its last image).
    KestPushButton(const QStringList& images, QWidget* parent = nullptr);

    void setStateImages(const QStringList& images);
    QStringList stateImages() const { return m_images; }
    // The image name drawn for a state ("" when the list is empty).
    QString imageFor(VisualState state) const;
    VisualState visualState() const;

    // Keeps the button drawn as pressed (a selected tab or slot button); a
    // checkable button is checked with it, so assistive tools see the choice.
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // Sends EnterSignal for a press that starts now (from any source).
    void announcePress();
    // Forces the hover look on or off, for markers lit from elsewhere.
    void setHoverLook(bool hover);

    // Sets the painted text and the tool tip together.
    void setLabel(const QString& label);
    QString label() const { return text(); }
    // A number painted at the left of the label (0: none).
    void setNumber(int number);
    int number() const { return m_number; }

    void setTextColor(const QColor& normal, const QColor& active);
    // Where the label is drawn: clear of the number, the icon and, on a
    // button with a menu, the arrow at its right end.
    QRect textRect() const;
    // The font the label is drawn at: the button's own, made smaller (down to
    // three quarters) when the label would not fit otherwise.
    QFont textFont() const;
    // Re-reads the current language's font at the current display scale;
    // `logicalPixels` > 0 overrides the configured size.
    void refreshFont(int logicalPixels = 0);

signals:
    // Left press (or Space/Enter from the keyboard) on an enabled button,
    // before any menu opens; a click that came without a press (click(), an
    // assistive tool's "Press") sends it just before `clicked`. Once per press.
    void EnterSignal(KestPushButton* button);
    // The pointer entered (true) or left (false) the button.
    void OverSignal(KestPushButton* button, bool over);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList m_images;
    bool m_hover = false;
    bool m_forcedHover = false;
    bool m_selected = false;
    bool m_pressSignalled = false; // EnterSignal went out for the press now ending
    int m_number = 0;
    int m_fontPixels = 0;
    QColor m_textColor;
    QColor m_activeTextColor;
};
