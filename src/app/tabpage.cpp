#include "tabpage.h"

#include "kitscale.h"

#include <QWidget>

EmptyPage::EmptyPage(QWidget* parent, const QRect& logicalGeometry)
    : m_widget(new QWidget(parent)), m_geometry(logicalGeometry)
{
    m_widget->setAttribute(Qt::WA_TranslucentBackground);
    m_widget->hide();
}

void EmptyPage::applyScale(double scale) { m_widget->setGeometry(scaledRect(m_geometry, scale)); }
