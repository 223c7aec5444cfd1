// The window's corner that shows the mouse's link and battery: the battery
// bar in its frame, the receiver and charge icons and the "MOUSE OFF" caption.
#pragma once

#include <QCoreApplication>
#include <QPixmap>

class KestLabel;
class KestProgressBar;
class QPainter;
class QWidget;
struct BatteryState;

class ConnectionDisplay {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // The controls are made as children of `window`, placed by "logicalRect".
    explicit ConnectionDisplay(QWidget* window);

    // The session's connection state (3 before the mouse was looked for) and
    // whether the session has told what is connected.
    void showConnection(int state, bool known);
    // A battery report; a new level is kept for the next start.
    void showBattery(const BatteryState& battery);
    // The frame behind the bar, over the window's background.
    void paintFrame(QPainter& painter) const;
    void refreshStyle();

    int state() const { return m_state; }
    int level() const { return m_level; }
    // The bar's text as shown, empty while it shows none.
    QString text() const;
    bool chargingIconVisible() const;

private:
    // What assistive tools are told of the bar.
    void describe();

    QWidget* m_window;
    KestProgressBar* m_battery;
    KestLabel* m_dongleIcon;
    KestLabel* m_chargeIcon;
    QPixmap m_bat1, m_bat2;
    int m_state = 3;
    int m_level = 10;
    bool m_known = false;        // the session told what is connected
    bool m_batteryKnown = false; // a battery report arrived in this run
    bool m_charging = false;     // as the last report said
    bool m_wired = false;
};
