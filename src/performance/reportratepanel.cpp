#include "reportratepanel.h"

#include "kestaction.h"
#include "kestlabel.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "perflog.h"
#include "radiostyle.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QRadioButton>
#include <QSignalBlocker>

ReportRatePanel::ReportRatePanel(QWidget* parent)
    : QWidget(parent), m_rateTitle(new KestLabel(this)),
      m_rateButton(new KestPushButton(QStringList{QStringLiteral("/skin/rate.png")}, this)),
      m_menu(new KestMenu(this, 140)), m_liftTitle(new KestLabel(this)),
      m_liftGroup(new QButtonGroup(this)), m_lift1(new QRadioButton(this)),
      m_lift2(new QRadioButton(this)) {
    setObjectName(QStringLiteral("ReportRatePanel"));
    for (int i = 0; i < 4; ++i) {
        m_actions[i] = new KestAction(m_menu);
        m_actions[i]->setData(int(kRateTexts[i].code));
        m_menu->addAction(m_actions[i]);
    }
    m_rateButton->setMenu(m_menu);
    connect(m_menu, &QMenu::triggered, this, &ReportRatePanel::onRateChosen);

    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    m_lift2->setChecked(true);
    // A click on the lift shown sends it again; assistive tools toggle
    // without a click. A click that toggled has been sent by then.
    connect(m_liftGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked) return;
        m_toggledLift = id;
        onRadioChanged();
    });
    connect(m_liftGroup, &QButtonGroup::idPressed, this, [this] { m_toggledLift = -1; });
    connect(m_liftGroup, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != m_toggledLift) onRadioChanged();
        m_toggledLift = -1;
    });

    retranslate();
    applyScale();
}

KestAction* ReportRatePanel::rateAction(int menuIndex) const {
    return menuIndex >= 0 && menuIndex < 4 ? m_actions[menuIndex] : nullptr;
}

QRadioButton* ReportRatePanel::liftButton(int id) const {
    return id == 0 ? m_lift1 : id == 1 ? m_lift2 : nullptr;
}

QString ReportRatePanel::rateText(quint8 code) {
    for (const RateText& r : kRateTexts)
        if (r.code == code) return QCoreApplication::translate("ReportRatePanel", r.text);
    return QString();
}

void ReportRatePanel::loadProfile(const MouseProfile& profile, quint8 lift) {
    m_profile = profile;
    showRate();
    setLift(lift);
}

void ReportRatePanel::setLift(quint8 lift) {
    m_lift = lift == 1 || lift == 2 ? lift : 2;
    const QSignalBlocker block(m_liftGroup);
    (m_lift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void ReportRatePanel::retranslate() {
    m_rateTitle->setText(tr("REPORT RATE"));
    m_liftTitle->setText(tr("Lift off Distance"));
    for (int i = 0; i < 4; ++i)
        m_actions[i]->setText(tr(kRateTexts[i].text));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
    setAccessibleLabel(m_rateButton, tr("Report rate"));
    for (QRadioButton* r : {m_lift1, m_lift2})
        r->setAccessibleName(tr("Lift-off distance, %1").arg(r->text()));
    showRate();
}

void ReportRatePanel::applyScale() {
    const double s = displayScale();
    QFont title = scaledFont(kitFont(), 13, s);
    title.setBold(true);
    m_rateTitle->setFont(title);
    m_liftTitle->setFont(title);
    m_rateButton->refreshFont(13);
    m_menu->refreshStyle();
    for (KestAction* a : m_actions)
        a->refreshFont();
    for (QRadioButton* r : {m_lift1, m_lift2}) {
        setKitLook(r, "radio");
        r->setFont(kitFont());
    }
    m_rateTitle->setGeometry(scaledRect(QRect(4, 4, 145, 18), s));
    m_rateButton->setGeometry(scaledRect(QRect(4, 28, 140, 32), s));
    m_liftTitle->setGeometry(scaledRect(QRect(4, 80, 145, 18), s));
    m_lift1->setGeometry(scaledRect(QRect(4, 104, 68, 22), s));
    m_lift2->setGeometry(scaledRect(QRect(76, 104, 68, 22), s));
}

void ReportRatePanel::onRadioChanged() {
    const int id = m_liftGroup->checkedId();
    if (id < 0) return;
    m_lift = quint8(id + 1);
    qCDebug(lcPerformance, "m_iLift = %d", m_lift);
    emit RefreshLift(m_lift);
}

void ReportRatePanel::onRateChosen(QAction* action) {
    if (!action) return;
    m_profile.pollrate = quint8(action->data().toInt());
    showRate();
}

void ReportRatePanel::showRate() {
    const QString text = rateText(m_profile.pollrate);
    if (!text.isEmpty()) m_rateButton->setLabel(text);
}
