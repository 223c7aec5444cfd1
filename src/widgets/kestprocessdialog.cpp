#include "kestprocessdialog.h"

#include "kitscale.h"
#include "kittheme.h"
#include "windowdrag.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QScreen>
#include <QTimer>

KestProcessDialog::KestProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    initKitResources();
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    const int side = scaled(kSize);
    setFixedSize(side, side);

    m_label = new QLabel(this);
    m_label->setGeometry(rect());
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_movie = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    // The animation is drawn at twice the logical size; scale it to the panel.
    const int anim = scaled(kSize * 3 / 4);
    m_movie->setScaledSize(QSize(anim, anim));
    m_label->setMovie(m_movie);
    m_movie->start();
}

void KestProcessDialog::slotProcessDlg() {
    QTimer::singleShot(0, this, &KestProcessDialog::updateProgress);
}

void KestProcessDialog::slotProcessResult(int result) {
    m_result = result;
    slotProcessDlg();
}

void KestProcessDialog::updateProgress() {
    // A worker that finishes before the dialog is on screen must not leave
    // exec() waiting forever: remember it and close once shown.
    if (isVisible())
        accept();
    else
        m_finished = true;
}

void KestProcessDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap bg = skinPixmap(QStringLiteral("/skin/process.png"));
    if (bg.isNull()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 32, 36, 235));
        p.drawRoundedRect(rect(), scaled(14), scaled(14));
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), bg);
    }
}

void KestProcessDialog::showEvent(QShowEvent* event) {
    // Where the desktop places windows it centres this one on its parent.
    if (windowsPlaceThemselves()) {
        if (QWidget* host = parentWidget() ? parentWidget()->window() : nullptr)
            move(host->geometry().center() - rect().center());
        else if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (m_finished) QTimer::singleShot(0, this, &KestProcessDialog::updateProgress);
}
