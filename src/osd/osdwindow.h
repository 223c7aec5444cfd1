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

    // The last part of the duration fades the notice out.
    static constexpr int kFadeMs = 250;
    static constexpr int kFadeSteps = 10;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont noticeFont() const;
    void fadeStep();

    OsdNotice m_notice;
    double m_screenFactor = 1.0;
    QTimer m_hideTimer;
    QTimer m_fadeTimer;
    int m_fadeLeft = 0;
};
