#include "dpipage.h"

#include "appconfig.h"
#include "dpistagepanel.h"
#include "kitscale.h"
#include "pointerspeedpanel.h"
#include "reportratepanel.h"

#include <algorithm>
#include <iterator>

namespace {
const QRect kDpiRect(286, 75, 456, 386);
const QRect kPointSpeedRect(286, 413, 506, 95);
const QRect kReportRateRect(746, 75, 149, 200);
} // namespace

DpiPage::DpiPage(QWidget* parent, bool desktopSpeedReachable)
    : m_dpi(new DpiStagePanel(parent)), m_point(new PointerSpeedPanel(parent)),
      m_rate(new ReportRatePanel(parent)) {
    // The lift shows in both panels; they stay in step so the value on
    // screen is the value sent.
    linkLiftControls(m_rate, m_point);
    m_point->setDesktopSpeedReachable(desktopSpeedReachable);
    connect(m_rate, &ReportRatePanel::RefreshLift, this, &DpiPage::liftChanged);
    connect(m_point, &PointerSpeedPanel::RefreshLift, this, &DpiPage::liftChanged);
    for (QWidget* w : widgets())
        w->hide();
}

QList<QWidget*> DpiPage::widgets() const {
    return {m_dpi, m_point, m_rate};
}

void DpiPage::refresh(DeviceSettings& edited) {
    MouseProfile& p = edited.current();
    m_point->loadProfile(&p, edited.Sync, edited.LiftHigh, edited.AngleValue, edited.Jitter,
                         edited.Debounce, edited.Wake, edited.SensorMode);
    m_rate->loadProfile(p, edited.LiftHigh);
    m_dpi->loadProfile(p, readSensorModel());
}

void DpiPage::collect(DeviceSettings& edited) {
    MouseProfile& p = edited.current();
    p.dpi = m_dpi->dpi();
    std::copy(std::begin(m_dpi->stages()), std::end(m_dpi->stages()), std::begin(p.stages));
    if (m_dpi->hasSleepControls()) {
        p.LedSleepTime = m_dpi->ledSleepTime();
        p.LedMoveOFF = m_dpi->ledMoveOff();
    }
    p.mousespeed = m_point->mousespeed();
    p.scrollspeed = m_point->scrollspeed();
    edited.Sync = m_point->sync();
    edited.LiftHigh = m_point->liftHigh();
    edited.AngleValue = m_point->angleValue();
    edited.Jitter = m_point->jitter();
    edited.Debounce = m_point->debounce();
    edited.Wake = m_point->wake();
    edited.SensorMode = m_point->sensorMode();
    p.pollrate = m_rate->pollrate();
}

void DpiPage::retranslate() {
    m_dpi->retranslate();
    m_point->retranslate();
    m_rate->retranslate();
}

void DpiPage::applyScale(double scale) {
    m_dpi->setGeometry(scaledRect(kDpiRect, scale));
    m_point->setGeometry(scaledRect(kPointSpeedRect, scale));
    m_rate->setGeometry(scaledRect(kReportRateRect, scale));
    m_dpi->applyScale();
    m_point->applyScale();
    m_rate->applyScale();
}
