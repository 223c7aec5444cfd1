// Dragging a frameless window by its body: the desktop moves it where it can
// (the only way on Wayland), else the window moves itself (X11 without a
// window manager that offers moves). And whether a window may place itself
// at all.
#pragma once

#include <QPoint>

class QEvent;
class QWidget;

// False where the desktop alone places windows (Wayland): there a dialog is
// placed by its transient parent and a move() only misleads the toolkit about
// where the window is.
bool windowsPlaceThemselves();

class WindowDrag {
public:
    // Follows press, move and release events of `window`; true when the
    // event started or continued a drag.
    bool handle(QWidget* window, QEvent* event);

private:
    bool m_pressed = false;
    bool m_moving = false;
    QPoint m_pressAt;    // global position of the press
    QPoint m_frameStart; // where the window was then
};
