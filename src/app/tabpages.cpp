#include "tabpages.h"

#include "buttonpanel.h"
#include "customizepage.h"
#include "dpipage.h"
#include "lightingpage.h"
#include "lightingpanel.h"
#include "macropage.h"
#include "macropanel.h"
#include "tabpage.h"

#include <QWidget>

TabPages::TabPages(QWidget* window, MouseView* view, DeviceSettings& edited,
                   bool desktopSpeedReachable)
    : m_edited(edited) {
    m_pages.push_back(std::make_unique<LazyPage>([this, window]() -> std::unique_ptr<TabPage> {
        auto page = std::make_unique<LightingPage>(window);
        connect(page->window(), &LightingPanel::lightingChanged, this, &TabPages::lightingChanged);
        return page;
    }));
    m_pages.push_back(
        std::make_unique<LazyPage>([this, window, view]() -> std::unique_ptr<TabPage> {
            auto page = std::make_unique<CustomizePage>(window, view);
            ButtonPanel* w = page->buttonWindow();
            connect(w, &ButtonPanel::macroNeeded, this, &TabPages::macroNeeded);
            connect(w, &ButtonPanel::PopOneClickBox, this, &TabPages::oneClickNeeded);
            return page;
        }));
    m_pages.push_back(std::make_unique<LazyPage>(
        [this, window, desktopSpeedReachable]() -> std::unique_ptr<TabPage> {
            auto dpi = std::make_unique<DpiPage>(window, desktopSpeedReachable);
            connect(dpi.get(), &DpiPage::liftChanged, this, &TabPages::liftChanged);
            return dpi;
        }));
    m_pages.push_back(std::make_unique<LazyPage>([this, window]() -> std::unique_ptr<TabPage> {
        auto page = std::make_unique<MacroPage>(window);
        connect(page->dialog(), &MacroPanel::EnableButtonsSignal, this, &TabPages::editableChanged);
        connect(page->dialog(), &MacroPanel::ExportedSignal, this, &TabPages::done);
        return page;
    }));
}

TabPages::~TabPages() = default;

bool TabPages::ensure(int tab, double scale) {
    if (tab < 0 || size_t(tab) >= m_pages.size()) return false;
    LazyPage& page = *m_pages[size_t(tab)];
    if (page.built()) return false;
    collect();
    return page.build(m_edited, scale);
}

bool TabPages::built(int tab) const {
    return tab >= 0 && size_t(tab) < m_pages.size() && m_pages[size_t(tab)]->built();
}

void TabPages::show(int tab) {
    for (size_t i = 0; i < m_pages.size(); ++i)
        for (QWidget* w : m_pages[i]->widgets())
            w->setVisible(int(i) == tab);
}

void TabPages::refresh() {
    for (auto& page : m_pages)
        page->refresh(m_edited);
}

void TabPages::refresh(int tab) {
    m_pages[size_t(tab)]->refresh(m_edited);
}

void TabPages::collect() {
    for (auto& page : m_pages)
        page->collect(m_edited);
}

void TabPages::retranslate() {
    for (auto& page : m_pages)
        page->retranslate();
}

void TabPages::applyScale(double scale) {
    for (auto& page : m_pages)
        page->applyScale(scale);
}

void TabPages::relayout(int tab) {
    m_pages[size_t(tab)]->relayout();
}

void TabPages::setEditable(bool editable) {
    for (auto& page : m_pages)
        page->setEditable(editable);
}

QList<QWidget*> TabPages::focusChain() const {
    QList<QWidget*> order;
    auto takesTab = [](const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
    for (auto& page : m_pages)
        for (QWidget* part : page->widgets())
            for (QWidget* w : part->findChildren<QWidget*>()) {
                bool inner = false;
                for (QWidget* up = w->parentWidget(); up && up != part; up = up->parentWidget())
                    inner = inner || takesTab(up);
                if (takesTab(w) && !inner) order << w;
            }
    return order;
}
