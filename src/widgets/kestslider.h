// The skinned slider: accent-coloured track, and a click on the track jumps
// straight to that value instead of paging.
#pragma once

#include <QSlider>

class KestSlider : public QSlider {
    Q_OBJECT
public:
    explicit KestSlider(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);
    void refreshStyle();
    // The value under a position in widget coordinates.
    int valueAt(const QPoint& pos) const;

signals:
    // The user pressed or released the slider with the mouse.
    void SliderMouseSignal();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
