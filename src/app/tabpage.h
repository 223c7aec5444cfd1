// What the main window needs of the page behind a tab: its widgets to show or
// hide, loading the current profile into it, reading it back, texts and scale.
#pragma once

#include "records.h"

#include <QList>
#include <QRect>
#include <functional>
#include <memory>

class QWidget;

class TabPage {
public:
    virtual ~TabPage() = default;
    // Every widget the page shows when its tab is selected.
    virtual QList<QWidget*> widgets() const = 0;
    // Pushes the edited settings into the page (the current profile and the
    // device options); loading never counts as an edit.
    virtual void refresh(DeviceSettings& edited) = 0;
    // Copies what the page edits back into the edited settings.
    virtual void collect(DeviceSettings& edited) = 0;
    virtual void retranslate() = 0;
    // Lays the page out again at the display scale.
    virtual void applyScale(double scale) = 0;
    // Lays the page out again for another product's definition.
    virtual void relayout() {}
    // False while another page holds the window (the macro page recording):
    // the page takes no edits meanwhile.
    virtual void setEditable(bool) {}
};

// A page built the first time its tab is opened, so start-up pays only for the
// page it shows. Until then it holds no edits of its own: collecting is a
// no-op and refreshing leaves nothing to do, because the page reads the edited
// settings as they stand when it is built.
class LazyPage : public TabPage {
public:
    using Factory = std::function<std::unique_ptr<TabPage>()>;
    explicit LazyPage(Factory make) : m_make(std::move(make)) {}

    bool built() const { return m_page != nullptr; }
    TabPage* page() const { return m_page.get(); }
    // Builds the page at `scale` with the current texts and `edited` loaded;
    // true when it was built by this call.
    bool build(DeviceSettings& edited, double scale);

    QList<QWidget*> widgets() const override;
    void refresh(DeviceSettings& edited) override;
    void collect(DeviceSettings& edited) override;
    void retranslate() override;
    void applyScale(double scale) override;
    void relayout() override;
    void setEditable(bool editable) override;

private:
    Factory m_make;
    std::unique_ptr<TabPage> m_page;
    bool m_editable = true; // handed on when the page is built
};
