#include "customizepage.h"

#include "buttonpanel.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"
#include "mouseview.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace {
const QRect kButtonPageRect(285, 342, 664, 199);
} // namespace

CustomizePage::CustomizePage(QWidget* parent, MouseView* view)
    : m_area(new QScrollArea(parent)), m_view(view), m_scale(displayScale()) {
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
    m_area->setAccessibleName(QCoreApplication::translate("CustomizePage", "Button functions"));
    // Not a Tab stop of its own: the rows are, and it scrolls to them.
    m_area->setFocusPolicy(Qt::NoFocus);

    // A row under the pointer lights its marker; a marker opens its row's menu.
    QObject::connect(
        m_window, &ButtonPanel::SelBtnControl, m_view,
        [this](KestPushButton* row, bool on) { m_view->hoverRecord(m_window->recordOf(row), on); });
    QObject::connect(m_view, &MouseView::markerClicked, m_window, &ButtonPanel::openMenu);
    QObject::connect(m_window, &ButtonPanel::assignmentChanged, m_view,
                     [this] { updateMarkers(); });
}

QList<QWidget*> CustomizePage::widgets() const {
    return {m_area};
}

void CustomizePage::refresh(DeviceSettings& edited) {
    m_window->setProfile(&edited.current());
    updateMarkers();
}

void CustomizePage::retranslate() {
    m_area->setAccessibleName(QCoreApplication::translate("CustomizePage", "Button functions"));
    m_window->retranslate();
    updateMarkers();
}

void CustomizePage::setEditable(bool editable) {
    m_window->setEnabled(editable);
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
    updateMarkers();
}

void CustomizePage::fitWindow() {
    // The rows are spread over the visible height; a list that needs more
    // makes the window taller and the area scrolls.
    const int width = m_area->width() - m_area->verticalScrollBar()->sizeHint().width();
    const int height = qMax(m_area->height(), m_window->contentHeight());
    m_window->resize(width, height);
}

void CustomizePage::updateMarkers() {
    auto target = [this](int record) {
        const KestPushButton* row = m_window->buttonForRecord(record);
        return MouseView::Target{row ? record : -1, row ? row->label() : QString()};
    };
    MouseView::Targets t;
    for (int i = 0; i < MouseView::kFrontMarkers; ++i)
        t.front << target(m_window->recordOfRow(i + 1));
    // The side picture shows the two thumb buttons, rows 4 and 5.
    for (int i = 0; i < MouseView::kSideMarkers; ++i)
        t.side << target(m_window->recordOfRow(i + 4));
    t.wheel << target(kWheelUpEntry) << target(kWheelDownEntry);
    m_view->setTargets(t);
}
