#include "lightingpage.h"

#include "kitscale.h"
#include "lightinggroup.h"
#include "lightingpanel.h"

namespace {
// The whole page area: the effect controls on the left, the mouse picture
// (the window's own) on the right.
const QRect kLightingPageRect(285, 74, 664, 467);
} // namespace

LightingPage::LightingPage(QWidget* parent) : m_window(new LightingPanel(parent)) {
    m_window->hide();
}

QList<QWidget*> LightingPage::widgets() const {
    return {m_window};
}

void LightingPage::refresh(DeviceSettings& edited) {
    m_window->showProfile(&lightingProfile(edited));
}

void LightingPage::retranslate() {
    m_window->retranslate();
}

void LightingPage::applyScale(double scale) {
    m_window->setGeometry(scaledRect(kLightingPageRect, scale));
    m_window->setScale(scale);
}
