// The CUSTOMIZE tab's own part: the button window in its scroll area. The
// mouse picture and its markers belong to the main window.
#pragma once

#include "tabpage.h"

class ButtonPanel;
class QScrollArea;
class QWidget;

class CustomizePage : public TabPage {
public:
    explicit CustomizePage(QWidget* parent);
    QList<QWidget*> widgets() const override;
    // The window edits the current profile in place.
    void refresh(DeviceSettings& edited) override;
    void collect(DeviceSettings&) override {}
    void retranslate() override;
    void applyScale(double scale) override;

    ButtonPanel* buttonWindow() const { return m_window; }
    // Lays the rows out again after the product may have changed.
    void relayout();

private:
    void fitWindow();

    QScrollArea* m_area;
    ButtonPanel* m_window;
    double m_scale = 1.0;
};
