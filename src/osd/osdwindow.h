// The companion's notice window: frameless, translucent, always on top,
// near the bottom of the screen, gone after the notice's duration.
#pragma once

#include "osdpayload.h"

#include <QTimer>
#include <QWidget>

class OsdWindow : public QWidget {
    Q_OBJECT
public:
    explicit OsdWindow(QWidget* parent = nullptr);
    // Shows (or replaces) the notice and restarts the hide timer.
    void showNotice(const OsdNotice& notice);
    OsdNotice notice() const { return m_notice; }
    int remainingMs() const { return m_hideTimer.isActive() ? m_hideTimer.remainingTime() : 0; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont noticeFont() const;
    OsdNotice m_notice;
    QTimer m_hideTimer;
};
