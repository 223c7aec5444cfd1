// A translucent veil over a window, shown behind modal dialogs so the
// window reads as inactive; it follows its parent's size.
#pragma once

#include <QWidget>

class KestOverlay : public QWidget {
    Q_OBJECT
public:
    // `alpha`: 0 (invisible) to 255 (opaque) darkening.
    explicit KestOverlay(QWidget* parent, int alpha = 120);
    void setAlpha(int alpha);
    int alpha() const { return m_alpha; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_alpha;
};
