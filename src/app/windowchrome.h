// The frameless window's own face: the display scale that follows the screen
// the window is on, the skinned background at that scale, and dragging the
// window by any spot that takes no click itself.
#pragma once

#include "windowdrag.h"

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <array>
#include <future>

class QPainter;
class QScreen;
class QWidget;
struct ScreenScale;

class WindowChrome : public QObject {
public:
    // Logical window size; every geometry of the window is in these units.
    static constexpr int kWidth = 999;
    static constexpr int kHeight = 640;

    // Takes the scale of the primary screen and starts decoding the
    // background for it on a worker.
    WindowChrome(QWidget* window, const QString& appDir);
    ~WindowChrome() override;

    double scale() const { return m_scale; }
    int scaleIndex() const { return m_index; }
    // The window's size at the scale.
    QSize scaledSize() const;
    // Sizes the window at the scale, centred on the primary screen, without
    // the desktop's frame.
    void frameWindow();
    // Places every child of the window that has a "logicalRect" at the scale.
    void placeChildren();

    // Takes in the start-up background; false when the window's size changed
    // meanwhile (the window lays out again, which makes the right one).
    bool takeStartupBackground();
    // Makes the background for the window's size when it has none yet.
    void ensureBackground();
    void paintBackground(QPainter& painter) const;
    // After a resize: follows the screen's scale, or snaps to the step whose
    // width the window was given. True when the scale changed.
    bool followScreen();
    // Shows the window at a ladder step of its own until the screen's scale
    // changes (a window dragged between screens of one scale keeps it).
    void useScaleIndex(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setScreenScale(const ScreenScale& s);
    void setScaleIndex(int index);
    // The background's size in device pixels at the scale and device ratio.
    QSize backgroundPixels() const;
    QPixmap backgroundPixmap(QImage image) const;

    QWidget* m_window;
    QString m_appDir;
    double m_scale = 1.0;
    int m_index = 0;
    int m_screenIndex = 0;                 // the step of the screen the window last followed
    double m_ratio = 1.0;                  // the toolkit's device pixel ratio
    std::array<QPixmap, 17> m_backgrounds; // per scale index, made when first needed
    std::future<QImage> m_startup;         // the first one, decoded on a worker
    WindowDrag m_drag;
};
