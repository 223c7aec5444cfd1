#include "connectiondisplay.h"

#include "appconfig.h"
#include "kestlabel.h"
#include "kestprogressbar.h"
#include "kitscale.h"
#include "kittheme.h"
#include "mousesession.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

ConnectionDisplay::ConnectionDisplay(QWidget* window)
    : m_window(window), m_battery(new KestProgressBar(window)), m_dongleIcon(new KestLabel(window)),
      m_chargeIcon(new KestLabel(window)), m_bat1(skinPixmap(QStringLiteral("/skin/bat1.png"))),
      m_bat2(skinPixmap(QStringLiteral("/skin/bat2.png"))),
      m_level(qBound(10, readBattery(), 100)) {
    m_battery->setRange(0, 100);
    m_battery->setValue(0); // hidden until a report; a first "off" report still shows its caption
    m_battery->setProperty("logicalRect", QRect(79, 592, 62, 25));
    m_dongleIcon->setSkinImage(QStringLiteral("/skin/dongle.png"));
    m_dongleIcon->setProperty("logicalRect", QRect(24, 588, 36, 36));
    m_chargeIcon->setSkinImage(QStringLiteral("/skin/lightning.png"));
    m_chargeIcon->setProperty("logicalRect", QRect(164, 584, 26, 40));
    m_chargeIcon->hide();
    describe();
}

void ConnectionDisplay::showConnection(int state, bool known) {
    m_state = state;
    m_known = known;
    // A mouse unplugged took its level with it; the next report brings one.
    if (state == 3) m_batteryKnown = false;
    describe();
    // Nothing is shown before the mouse was looked for, and no level before
    // one was reported.
    m_battery->setVisible(state >= 2 && m_batteryKnown);
    m_dongleIcon->setVisible(known && (state == 1 || state == 2));
    m_chargeIcon->hide();
    m_window->update();
}

void ConnectionDisplay::showBattery(const BatteryState& b) {
    m_batteryKnown = true;
    if (b.off) {
        m_battery->setOffLook(true);
        m_battery->setCaption(tr("MOUSE OFF"));
        m_battery->setTextVisible(true);
        m_chargeIcon->hide();
        describe();
        return;
    }
    m_battery->setOffLook(false);
    m_charging = b.charging || b.wired;
    m_wired = b.wired;
    m_battery->setCaption(b.wired ? QString() : QStringLiteral("%p%"));
    m_battery->setTextVisible(!b.wired);
    if (b.level != m_level) {
        m_level = b.level;
        writeBattery(b.level);
    }
    m_battery->setValue(b.wired ? 100 : b.level);
    describe();
}

void ConnectionDisplay::describe() {
    // Assistive tools read the bar's value: it holds a level only while one
    // is shown, never the last one of a mouse that is gone or asleep.
    const bool gone = m_state == 3;
    const bool off = m_battery->offLook();
    if (gone || off || !m_batteryKnown) m_battery->setValue(0);
    const QString none = gone ? tr("mouse not connected") : off ? tr("MOUSE OFF") : QString();
    m_battery->setAccessibleDescription(none);
    if (!none.isEmpty()) {
        m_battery->setAccessibleName(tr("Battery: %1").arg(none));
        return;
    }
    if (!m_batteryKnown) {
        m_battery->setAccessibleName(tr("Battery level"));
        return;
    }
    // What the bar, the charge icon and the receiver icon show, in words.
    QStringList parts{m_wired ? tr("Battery") : tr("Battery %1%").arg(m_battery->value())};
    if (m_charging) parts << tr("charging");
    parts << (m_state == 0 ? tr("cable") : tr("receiver"));
    m_battery->setAccessibleName(parts.join(QStringLiteral(", ")));
}

void ConnectionDisplay::paintFrame(QPainter& painter) const {
    const QPixmap& frame = m_state <= 1 ? m_bat2 : m_bat1;
    if (!frame.isNull()) painter.drawPixmap(scaledRect(69, 581, 86, 47), frame);
}

void ConnectionDisplay::refreshStyle() {
    m_battery->refreshStyle();
}

QString ConnectionDisplay::text() const {
    if (!m_battery->isTextVisible()) return QString();
    return m_battery->text();
}

bool ConnectionDisplay::chargingIconVisible() const {
    return m_chargeIcon->isVisible();
}
