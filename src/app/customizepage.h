// The CUSTOMIZE tab's own part: the button window in its scroll area, tied to
// the mouse view's markers (which row each points at, hover and clicks).
#pragma once

#include "tabpage.h"

class ButtonPanel;
class MouseView;
class QScrollArea;
class QWidget;

class CustomizePage : public TabPage {
public:
    CustomizePage(QWidget* parent, MouseView* view);
    QList<QWidget*> widgets() const override;
    // The window edits the current profile in place.
    void refresh(DeviceSettings& edited) override;
    void collect(DeviceSettings&) override {}
    void retranslate() override;
    void applyScale(double scale) override;
    void relayout() override;
    void setEditable(bool editable) override;

    ButtonPanel* buttonWindow() const { return m_window; }

private:
    void fitWindow();
    // Tells the mouse view where its markers point and what those buttons do.
    void updateMarkers();

    QScrollArea* m_area;
    ButtonPanel* m_window;
    MouseView* m_view;
    double m_scale = 1.0;
};
