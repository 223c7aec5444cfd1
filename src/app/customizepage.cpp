#include "customizepage.h"

#include "buttonpanel.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QScrollArea>
#include <QScrollBar>

namespace {
const QRect kButtonPageRect(285, 342, 664, 199);
} // namespace

CustomizePage::CustomizePage(QWidget* parent)
    : m_area(new QScrollArea(parent)), m_scale(displayScale()) {
    m_area->setObjectName(QStringLiteral("buttonPage"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setAttribute(Qt::WA_TranslucentBackground);
    m_area->viewport()->setAutoFillBackground(false);
    m_window = new ButtonPanel(nullptr, nullptr, m_scale);
    m_area->setWidget(m_window);
    m_area->setWidgetResizable(false);
    // Geometry, sheet and rows come with the first applyScale, which the
    // page gets as soon as it is built.
    m_area->hide();
}

QList<QWidget*> CustomizePage::widgets() const {
    return {m_area};
}

void CustomizePage::refresh(DeviceSettings& edited) {
    m_window->setProfile(&edited.current());
}

void CustomizePage::retranslate() {
    m_window->retranslate();
}

void CustomizePage::applyScale(double scale) {
    m_scale = scale;
    m_area->setGeometry(scaledRect(kButtonPageRect, scale));
    m_area->setStyleSheet(scrollAreaStyleSheet(themeColor(), scale));
    m_area->verticalScrollBar()->setStyleSheet(scrollAreaStyleSheet(themeColor(), scale));
    m_window->resize(m_area->viewport()->size());
    m_window->rescale(scale);
    fitWindow();
}

void CustomizePage::relayout() {
    m_window->resize(m_area->viewport()->size());
    m_window->layoutButtons();
    fitWindow();
}

void CustomizePage::fitWindow() {
    // The rows are spread over the visible height; a list that needs more
    // makes the window taller and the area scrolls.
    const int width = m_area->width() - m_area->verticalScrollBar()->sizeHint().width();
    const int height = qMax(m_area->height(), m_window->contentHeight());
    m_window->resize(width, height);
}
