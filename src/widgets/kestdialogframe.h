// The frameless skinned dialog the program's boxes are drawn as: the
// "/skin/dlg.png" background with an accent rule under the title, moved by
// dragging anywhere, shown centred over its window behind a dimming overlay.
#pragma once

#include "windowdrag.h"

#include <QDialog>
#include <QStringList>

class KestOverlay;
class KestPushButton;

class KestDialogFrame : public QDialog {
    Q_OBJECT
public:
    // `scale` multiplies every logical size the frame draws.
    KestDialogFrame(QWidget* parent, double scale);

    double scale() const { return m_scale; }
    // The images of the frame's OK / Cancel style buttons (normal, hover,
    // pressed).
    static QStringList buttonImages();

protected:
    // A bottom-row button with the kit's images and a compiled-in icon
    // (":/yes_Btn", ":/no_Btn").
    KestPushButton* makeButton(const QString& objectName, const QString& iconResource);
    // Logical y of the rule under the title.
    static constexpr int kRuleY = 40;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double m_scale;
    KestOverlay* m_overlay = nullptr;
    WindowDrag m_drag;
};
