// The MACRO tab's page: the macro editor at its place in the window.
#pragma once

#include "tabpage.h"

class MacroPanel;
class QWidget;

class MacroPage : public TabPage {
public:
    explicit MacroPage(QWidget* parent);
    QList<QWidget*> widgets() const override;
    // The editor works on macro files; the profiles are only asked about.
    void refresh(DeviceSettings& edited) override;
    void collect(DeviceSettings&) override {}
    void retranslate() override;
    void applyScale(double scale) override;

    MacroPanel* dialog() const { return m_dialog; }

private:
    MacroPanel* m_dialog;
};
