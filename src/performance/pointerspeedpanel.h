// The sensor option panel of the DPI tab: key response, motion sync, lift
// distance, angle snapping, jitter, motion wake, sensor mode and the wheel's
// scroll speed.
#pragma once

#include "records.h"

#include <QWidget>

class KestLabel;
class KestSlider;
class QCheckBox;
class QPushButton;
class QSpinBox;

// The seven option bytes in the order the main window loads and collects them.
struct SensorOptions {
    quint8 Sync = 0;
    quint8 LiftHigh = 0;
    quint8 AngleValue = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
};

// One control of the layout tables: logical geometry per "PROFILE/SyncMode"
// variant; an empty rectangle hides the control in that variant.
struct OptionPlacement {
    const char* name; // object name of the control
    int rect[3][4];   // variants 0, 1, 2: x, y, width, height
};

class PointerSpeedPanel : public QWidget {
    Q_OBJECT
public:
    explicit PointerSpeedPanel(QWidget* parent = nullptr);

    // `profile` is the current profile of the edited settings; the scroll
    // speed is written straight into it. It must outlive the panel or the
    // next load.
    void loadProfile(MouseProfile* profile, quint8 sync, quint8 liftHigh, quint8 angleValue,
                     quint8 jitter, quint8 debounce, quint8 wake, quint8 sensorMode);
    void retranslate();
    // Lays the panel out for the product's SyncMode at the current scale; a
    // SyncMode other than 0-1 gets the full layout (variant 2).
    void applyScale();
    // Where the desktop's pointer speed cannot be reached, a note beside the
    // mouse-settings button says where it is set instead.
    void setDesktopSpeedReachable(bool reachable);

    SensorOptions options() const { return m_options; }
    quint8 sync() const { return m_options.Sync; }
    quint8 liftHigh() const { return m_options.LiftHigh; }
    quint8 angleValue() const { return m_options.AngleValue; }
    quint8 jitter() const { return m_options.Jitter; }
    quint8 debounce() const { return m_options.Debounce; }
    quint8 wake() const { return m_options.Wake; }
    quint8 sensorMode() const { return m_options.SensorMode; }
    quint8 mousespeed() const { return m_profile ? m_profile->mousespeed : 0; }
    quint8 scrollspeed() const { return m_profile ? m_profile->scrollspeed : 0; }
    int layoutVariant() const { return m_variant; }

    KestSlider* keyResponseSlider() const { return m_keySlider; }
    KestLabel* keyResponseLabel() const { return m_keyValue; }
    QSpinBox* scrollSpin() const { return m_spin; }
    QPushButton* mouseSettingButton() const { return m_settingButton; }
    KestLabel* speedNote() const { return m_speedNote; }
    QCheckBox* syncBox() const { return m_sync; }
    QCheckBox* lift1Box() const { return m_lift1; }
    QCheckBox* lift2Box() const { return m_lift2; }
    QCheckBox* angleBox() const { return m_angle; }
    QCheckBox* jitterBox() const { return m_jitter; }
    QCheckBox* wakeBox() const { return m_wake; }
    QCheckBox* modeBox(int mode) const;

signals:
    // The user chose a lift distance here (1 or 2).
    void RefreshLift(quint8 iLift);

public slots:
    void sValueChangedSlot(int s);
    void checkbtn_clicked();
    void btn_clicked();
    // Shows a lift chosen elsewhere; emits nothing.
    void setLift(quint8 lift);

private:
    void onKeyResponse(int value);
    void showLift();
    void showMode(int mode);

    MouseProfile* m_profile = nullptr;
    SensorOptions m_options;
    int m_variant = 0;
    bool m_speedReachable = true;

    KestLabel* m_keyTitle;
    KestSlider* m_keySlider;
    KestLabel* m_keyValue;
    QCheckBox* m_sync;
    KestLabel* m_liftTitle;
    QCheckBox* m_lift1;
    QCheckBox* m_lift2;
    QCheckBox* m_angle;
    QCheckBox* m_jitter;
    QCheckBox* m_wake;
    KestLabel* m_modeTitle;
    QCheckBox* m_modes[3];
    QSpinBox* m_spin;
    QPushButton* m_settingButton;
    KestLabel* m_speedNote;
};

// Keeps the lift controls of the two panels showing one value: a choice in
// either is pushed into the other.
class ReportRatePanel;
void linkLiftControls(ReportRatePanel* rate, PointerSpeedPanel* speed);
