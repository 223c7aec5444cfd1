// The LIGHTING tab's page: the lighting editor at its place in the window,
// editing the profile whose lighting the product sends.
#pragma once

#include "tabpage.h"

class LightingPanel;
class QWidget;

class LightingPage : public TabPage {
public:
    explicit LightingPage(QWidget* parent);
    QList<QWidget*> widgets() const override;
    // The current profile, or profile 0 for products whose one lighting
    // setting serves every profile.
    void refresh(DeviceSettings& edited) override;
    // The editor changes the profile in place.
    void collect(DeviceSettings&) override {}
    void retranslate() override;
    void applyScale(double scale) override;

    LightingPanel* window() const { return m_window; }

private:
    LightingPanel* m_window;
};
