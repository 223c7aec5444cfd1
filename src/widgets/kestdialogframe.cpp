#include "kestdialogframe.h"

#include "kestoverlay.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

KestDialogFrame::KestDialogFrame(QWidget* parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_scale(scale) {
    initKitResources();
    // Before any child exists: a sheet installed while the children are being
    // made (the first box after a change of scale) resets their colours later.
    applyKitStyleSheet();
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

QStringList KestDialogFrame::buttonImages() {
    return {QStringLiteral("/skin/dlgbtn-1.png"), QStringLiteral("/skin/dlgbtn-2.png"),
            QStringLiteral("/skin/dlgbtn-3.png")};
}

KestPushButton* KestDialogFrame::makeButton(const QString& objectName,
                                            const QString& iconResource) {
    auto* button = new KestPushButton(buttonImages(), this);
    button->setObjectName(objectName);
    button->setIcon(QIcon(skinPixmap(iconResource)));
    button->setIconSize(scaledSize(QSize(14, 14), m_scale));
    // An icon-only button is named by its tip; a label set later replaces it.
    if (iconResource == QLatin1String(":/yes_Btn")) button->setToolTip(tr("OK"));
    if (iconResource == QLatin1String(":/no_Btn")) button->setToolTip(tr("Cancel"));
    return button;
}

void KestDialogFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPixmap bg = skinPixmap(QStringLiteral("/skin/dlg.png"));
    if (bg.isNull()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 32, 36));
        p.drawRoundedRect(rect(), scaled(8, m_scale), scaled(8, m_scale));
    } else {
        drawSkinImage(p, rect(), bg);
    }
    // A thin accent rule under the title ties the box to the window theme.
    p.setPen(QPen(themeColor(), qMax(1.0, m_scale)));
    const int y = scaled(kRuleY, m_scale);
    p.drawLine(QPointF(scaled(22, m_scale), y), QPointF(width() - scaled(22, m_scale), y));
}

void KestDialogFrame::showEvent(QShowEvent* event) {
    QWidget* host = parentWidget() ? parentWidget()->window() : nullptr;
    const bool placeSelf = windowsPlaceThemselves();
    if (host && host->isVisible()) {
        if (placeSelf) move(host->geometry().center() - rect().center());
        if (!m_overlay) m_overlay = new KestOverlay(host);
        m_overlay->show();
        m_overlay->raise();
    } else if (const QScreen* screen = this->screen(); screen && placeSelf) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void KestDialogFrame::hideEvent(QHideEvent* event) {
    if (m_overlay) {
        m_overlay->deleteLater();
        m_overlay = nullptr;
    }
    QDialog::hideEvent(event);
}

void KestDialogFrame::mousePressEvent(QMouseEvent* event) {
    m_drag.handle(this, event);
    QDialog::mousePressEvent(event);
}

void KestDialogFrame::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.handle(this, event)) QDialog::mouseMoveEvent(event);
}

void KestDialogFrame::mouseReleaseEvent(QMouseEvent* event) {
    m_drag.handle(this, event);
    QDialog::mouseReleaseEvent(event);
}
