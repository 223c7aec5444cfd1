// The DPI page: one row per DPI stage of the product, the current stage, and
// the sleep controls of products without lighting.
#pragma once

#include "records.h"

#include <QWidget>

class KestLabel;
class DpiStageRow;
class KestSlider;
class QButtonGroup;
class QCheckBox;

class DpiStagePanel : public QWidget {
    Q_OBJECT
public:
    explicit DpiStagePanel(QWidget* parent = nullptr);

    // Copies the profile and shows its stages for the given sensor model.
    void loadProfile(const MouseProfile& profile, int sensorType);
    void selectStage(int index);
    // Lays the page out at the current display scale.
    void applyScale();
    void retranslate();

    const MouseProfile& profile() const { return m_profile; }
    quint8 dpi() const { return m_profile.dpi; }
    const DpiStage (&stages() const)[kDpiStageCount] { return m_profile.stages; }
    quint8 ledSleepTime() const { return m_profile.LedSleepTime; }
    quint8 ledMoveOff() const { return m_profile.LedMoveOFF; }

    int sensorType() const { return m_sensor; }
    int stageCount() const { return m_stageCount; }
    bool hasSleepControls() const { return m_sleepShown; }
    DpiStageRow* row(int index) const;
    KestSlider* sleepSlider() const { return m_sleepSlider; }
    KestLabel* sleepLabel() const { return m_sleepLabel; }
    QCheckBox* moveOffBox() const { return m_moveOffBox; }

public slots:
    void onRadioChanged();
    void onStateChanged(int state);
    void onLinkChanged(quint8 link, quint8 index);
    void onEnableChanged(quint8 used, quint8 index);
    void onSliderChanged(int x, int y, quint8 index);
    void MouseinSignal(quint8 index);
    void slotLabelClick(KestLabel* label);
    void checkbtn_clicked();
    void slider_clicked(int iValue);
    void slotSliderMouseChange();

private:
    void readProduct();
    void layoutRows();
    void showSleepValue();

    MouseProfile m_profile;
    int m_sensor = 0;
    int m_stageCount = kDpiStageCount;
    bool m_sleepShown = false;

    DpiStageRow* m_rows[kDpiStageCount];
    QButtonGroup* m_group;
    KestLabel* m_title;
    KestLabel* m_sleepTitle;
    KestSlider* m_sleepSlider;
    KestLabel* m_sleepLabel;
    QCheckBox* m_moveOffBox;
};
