#include "kestmessagebox.h"

#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QTimer>

KestMessageBox::KestMessageBox(QWidget* parent, const QString& title, const QString& text, int kind)
    : KestDialogFrame(parent, displayScale()), m_kind(kind) {
    setWindowTitle(title);

    m_title = new KestLabel(title, this);
    m_title->refreshFont(15);
    QFont tf = m_title->font();
    tf.setBold(true);
    m_title->setFont(tf);
    m_title->setTextColor(QColor(236, 238, 242));

    m_icon = new KestLabel(this);
    m_icon->setAlignment(Qt::AlignCenter);

    m_text = new KestLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->refreshFont(13);

    m_accept = makeButton(QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"));
    m_accept->setDefault(true);
    connect(m_accept, &QPushButton::clicked, this, &QDialog::accept);
    if (m_kind == Question) {
        m_accept->setText(tr("Yes"));
        m_reject = makeButton(QStringLiteral("msgBoxNoBtn"), QStringLiteral(":/no_Btn"));
        m_reject->setText(tr("No"));
        connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
    } else if (m_kind == ApplyDiscardStay) {
        m_accept->setText(tr("Apply"));
        m_discard = makeButton(QStringLiteral("msgBoxDiscardBtn"), QStringLiteral(":/no_Btn"));
        m_discard->setText(tr("Discard"));
        connect(m_discard, &QPushButton::clicked, this, [this] { done(kDiscarded); });
        m_reject = makeButton(QStringLiteral("msgBoxStayBtn"), QStringLiteral(":/no_Btn"));
        m_reject->setText(tr("Stay"));
        connect(m_reject, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        m_accept->setText(tr("Ok"));
    }
    setIconImage(m_kind == Question ? QStringLiteral("/skin/msg_question.png")
                                    : QStringLiteral("/skin/msg_warning.png"));

    layoutContents();
}

QString KestMessageBox::title() const {
    return m_title->text();
}
QString KestMessageBox::text() const {
    return m_text->text();
}

KestPushButton* KestMessageBox::addButton(const QString& text, int result) {
    // No icon: the tick is the box's own answer, the cross its refusal.
    KestPushButton* b =
        makeButton(QStringLiteral("msgBoxExtraBtn%1").arg(m_extra.size()), QString());
    b->setText(text);
    connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
    m_extra.append(b);
    layoutContents();
    return b;
}

void KestMessageBox::setIconImage(const QString& name) {
    m_icon->setSkinImage(name);
}

void KestMessageBox::setTextSelectable(bool selectable) {
    m_text->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void KestMessageBox::setConnectionProbe(std::function<bool()> probeFn) {
    m_probe = std::move(probeFn);
}

void KestMessageBox::recheckConnection() {
    if (m_kind != Disconnect || !m_probe || !isVisible() || m_acceptedByProbe) return;
    if (m_probe()) {
        m_acceptedByProbe = true;
        accept();
    }
}

void KestMessageBox::layoutContents() {
    const double s = scale();
    // A long (or translated) text makes the box taller instead of being cut.
    const int textWidth = scaled(kWidth - 106, s);
    const int needed =
        m_text->fontMetrics()
            .boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap, m_text->text())
            .height();
    const int extra = qMax(0, int((needed - scaled(80, s)) / s) + 1);
    const int height = kHeight + (needed > scaled(80, s) ? extra : 0);
    setFixedSize(scaledSize(QSize(kWidth, height), s));
    m_title->setGeometry(scaledRect(QRect(22, 12, kWidth - 44, 26), s));
    m_icon->setGeometry(scaledRect(QRect(24, 62, 44, 44), s));
    m_text->setGeometry(scaledRect(QRect(84, 48, kWidth - 106, height - kHeight + 80), s));
    const QSize button(96, 28);
    const int y = height - 18 - button.height();
    // Right to left: the one that keeps everything as it is, then the others,
    // then the added ones as wide as their text.
    QList<KestPushButton*> order{m_reject, m_discard, m_accept};
    order += m_extra;
    int x = kWidth - 20;
    for (KestPushButton* b : order) {
        if (!b) continue;
        int width = button.width();
        if (m_extra.contains(b))
            width = qMax(width, int(b->fontMetrics().horizontalAdvance(b->text()) / s) + 28);
        x -= width;
        b->setGeometry(scaledRect(QRect(QPoint(x, y), QSize(width, button.height())), s));
        x -= 12;
    }
}

void KestMessageBox::showEvent(QShowEvent* event) {
    KestDialogFrame::showEvent(event);
    // A mouse that came between the decision to warn and now closes it at once.
    if (m_kind == Disconnect) QTimer::singleShot(0, this, &KestMessageBox::recheckConnection);
}
