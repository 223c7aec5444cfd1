// The DPI tab: the stage editor, the sensor options and the report rate, as
// one page of the main window.
#pragma once

#include "tabpage.h"

#include <QObject>

class DpiStagePanel;
class PointerSpeedPanel;
class ReportRatePanel;
class QWidget;

class DpiPage : public QObject, public TabPage {
    Q_OBJECT
public:
    DpiPage(QWidget* parent, bool desktopSpeedReachable);
    QList<QWidget*> widgets() const override;
    void refresh(DeviceSettings& edited) override;
    void collect(DeviceSettings& edited) override;
    void retranslate() override;
    void applyScale(double scale) override;

    DpiStagePanel* dpiWindow() const { return m_dpi; }
    PointerSpeedPanel* pointSpeed() const { return m_point; }
    ReportRatePanel* reportRate() const { return m_rate; }

signals:
    // The lift-off distance chosen in either panel.
    void liftChanged(quint8 lift);

private:
    DpiStagePanel* m_dpi;
    PointerSpeedPanel* m_point;
    ReportRatePanel* m_rate;
};
