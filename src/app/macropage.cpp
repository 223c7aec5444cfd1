#include "macropage.h"

#include "kitscale.h"
#include "macropanel.h"

namespace {
const QRect kMacroPageRect(285, 74, 665, 467);
} // namespace

MacroPage::MacroPage(QWidget* parent) : m_dialog(new MacroPanel(parent)) {
    m_dialog->hide();
}

QList<QWidget*> MacroPage::widgets() const {
    return {m_dialog};
}

void MacroPage::refresh(DeviceSettings& edited) {
    m_dialog->setSettings(&edited);
}

void MacroPage::retranslate() {
    m_dialog->retranslate();
}

void MacroPage::applyScale(double scale) {
    m_dialog->setGeometry(scaledRect(kMacroPageRect, scale));
    m_dialog->applyScale(scale);
}
