// The look the button page's small dialogs share: the kit's skinned frame
// with a title and OK / Cancel at the bottom right, laid out at the window's
// scale and retranslated when the language changes.
#pragma once

#include "kestdialogframe.h"

#include <vector>

class KestLabel;
class KestPushButton;

class SkinDialog : public KestDialogFrame {
    Q_OBJECT
public:
    QString title() const;
    KestPushButton* okButton() const { return m_ok; }
    KestPushButton* cancelButton() const { return m_cancel; }

protected:
    // `logicalSize` is the dialog's size before the scale; content goes
    // between kBodyTop and the button row.
    SkinDialog(QWidget* parent, double scale, const QSize& logicalSize);
    static constexpr int kBodyTop = 54;
    static constexpr int kMargin = 28;

    void setTitle(const QString& text);
    // Sets the subclass's texts: called by its constructor and again on every
    // language change.
    virtual void retranslate() {}
    // Places `widget` at a logical rectangle.
    void place(QWidget* widget, int x, int y, int w, int h) const;
    // Gives `widget` the kit's font at `logicalPixels` × the dialog's scale,
    // and again after a language change (the font follows the language).
    void setKitFont(QWidget* widget, int logicalPixels, bool bold = false);
    int logicalWidth() const { return m_logical.width(); }
    // Where the OK / Cancel row starts; a new height moves it to the bottom.
    int buttonRowTop() const;
    void setLogicalHeight(int height);

    void changeEvent(QEvent* event) override;

private:
    void retranslateFrame();
    void applyKitFont(QWidget* widget, int logicalPixels, bool bold) const;

    struct KitFont {
        QWidget* widget;
        int logicalPixels;
        bool bold;
    };
    // Not widget properties: a property change repolishes the widget, which
    // drops the colours the labels keep in their palettes.
    std::vector<KitFont> m_fonts;
    QSize m_logical;
    KestLabel* m_title;
    KestPushButton* m_ok;
    KestPushButton* m_cancel;
};
