#include "tabpage.h"

#include <QWidget>

bool LazyPage::build(DeviceSettings& edited, double scale) {
    if (m_page || !m_make) return false;
    m_page = m_make();
    if (!m_page) return false;
    m_page->applyScale(scale);
    m_page->setEditable(m_editable);
    m_page->retranslate();
    m_page->refresh(edited);
    return true;
}

QList<QWidget*> LazyPage::widgets() const {
    return m_page ? m_page->widgets() : QList<QWidget*>();
}

void LazyPage::refresh(DeviceSettings& edited) {
    if (m_page) m_page->refresh(edited);
}

void LazyPage::collect(DeviceSettings& edited) {
    if (m_page) m_page->collect(edited);
}

void LazyPage::retranslate() {
    if (m_page) m_page->retranslate();
}

void LazyPage::applyScale(double scale) {
    if (m_page) m_page->applyScale(scale);
}

void LazyPage::relayout() {
    if (m_page) m_page->relayout();
}

void LazyPage::setEditable(bool editable) {
    m_editable = editable;
    if (m_page) m_page->setEditable(editable);
}
