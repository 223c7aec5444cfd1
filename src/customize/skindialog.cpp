#include "skindialog.h"

#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QEvent>

namespace {
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
} // namespace

SkinDialog::SkinDialog(QWidget* parent, double scale, const QSize& logicalSize)
    : KestDialogFrame(parent, scale), m_logical(logicalSize), m_title(new KestLabel(this)),
      m_ok(makeButton(QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"))),
      m_cancel(makeButton(QStringLiteral("msgBoxNoBtn"), QStringLiteral(":/no_Btn"))) {
    setKitFont(m_title, 15, true);
    m_title->setTextColor(QColor(236, 238, 242));
    for (KestPushButton* b : {m_ok, m_cancel})
        setKitFont(b, 13);
    m_ok->setDefault(true);
    // Released, not pressed: a press that slides off the button does nothing.
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    place(m_title, 22, 12, m_logical.width() - 44, 26);
    setLogicalHeight(m_logical.height());
    retranslateFrame();
}

int SkinDialog::buttonRowTop() const {
    return m_logical.height() - 18 - kButtonHeight;
}

void SkinDialog::setLogicalHeight(int height) {
    m_logical.setHeight(height);
    setFixedSize(scaledSize(m_logical, scale()));
    const int right = m_logical.width() - 20 - kButtonWidth;
    place(m_cancel, right, buttonRowTop(), kButtonWidth, kButtonHeight);
    place(m_ok, right - kButtonWidth - 12, buttonRowTop(), kButtonWidth, kButtonHeight);
}

QString SkinDialog::title() const {
    return m_title->text();
}

void SkinDialog::setTitle(const QString& text) {
    m_title->setText(text);
    setWindowTitle(text);
}

void SkinDialog::place(QWidget* widget, int x, int y, int w, int h) const {
    widget->setGeometry(scaledRect(QRect(x, y, w, h), scale()));
}

void SkinDialog::setKitFont(QWidget* widget, int logicalPixels, bool bold) {
    m_fonts.push_back({widget, logicalPixels, bold});
    applyKitFont(widget, logicalPixels, bold);
}

void SkinDialog::applyKitFont(QWidget* widget, int logicalPixels, bool bold) const {
    QFont f = scaledFont(kitFont(), logicalPixels, scale());
    f.setBold(bold);
    widget->setFont(f);
}

void SkinDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (const KitFont& f : m_fonts)
            applyKitFont(f.widget, f.logicalPixels, f.bold);
        retranslateFrame();
        retranslate();
    }
    KestDialogFrame::changeEvent(event);
}

void SkinDialog::retranslateFrame() {
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}
