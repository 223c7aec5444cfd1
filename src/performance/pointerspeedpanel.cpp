#include "pointerspeedpanel.h"

#include "kestlabel.h"
#include "kestslider.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "language.h"
#include "mousesettings.h"
#include "perflog.h"
#include "productdef.h"
#include "radiostyle.h"
#include "reportratepanel.h"
#include "settingsrange.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// Three rows of 22 in a 506 x 77 panel: captions in the first column, the
// on/off options in two columns on the right, scroll speed and the desktop's
// mouse settings at the bottom right in every variant. The note on the
// desktop's pointer speed takes the free part of the last row, or a fourth
// row where the sensor modes fill it.
constexpr OptionPlacement kOptionLayout[] = {
    {"keyTitle", {{0, 2, 88, 22}, {0, 2, 88, 22}, {0, 2, 88, 22}}},
    {"keySlider", {{92, 2, 140, 22}, {92, 2, 140, 22}, {92, 2, 140, 22}}},
    {"keyValue", {{234, 2, 30, 22}, {234, 2, 30, 22}, {234, 2, 30, 22}}},
    {"syncBox", {{0, 0, 0, 0}, {274, 2, 106, 22}, {274, 2, 106, 22}}},
    {"liftTitle", {{0, 28, 88, 22}, {0, 28, 88, 22}, {0, 28, 88, 22}}},
    {"lift1Box", {{92, 28, 58, 22}, {92, 28, 58, 22}, {92, 28, 58, 22}}},
    {"lift2Box", {{154, 28, 58, 22}, {154, 28, 58, 22}, {154, 28, 58, 22}}},
    {"angleBox", {{0, 0, 0, 0}, {0, 0, 0, 0}, {384, 2, 122, 22}}},
    {"jitterBox", {{0, 0, 0, 0}, {0, 0, 0, 0}, {274, 28, 106, 22}}},
    {"wakeBox", {{0, 0, 0, 0}, {0, 0, 0, 0}, {384, 28, 122, 22}}},
    {"modeTitle", {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 54, 88, 22}}},
    {"modeBox0", {{0, 0, 0, 0}, {0, 0, 0, 0}, {92, 54, 52, 22}}},
    {"modeBox1", {{0, 0, 0, 0}, {0, 0, 0, 0}, {146, 54, 80, 22}}},
    {"modeBox2", {{0, 0, 0, 0}, {0, 0, 0, 0}, {228, 54, 100, 22}}},
    {"scrollSpin", {{332, 54, 48, 22}, {332, 54, 48, 22}, {332, 54, 48, 22}}},
    {"settingButton", {{384, 54, 122, 22}, {384, 54, 122, 22}, {384, 54, 122, 22}}},
    {"speedNote", {{0, 54, 328, 22}, {0, 54, 328, 22}, {0, 78, 506, 16}}},
};

} // namespace

PointerSpeedPanel::PointerSpeedPanel(QWidget* parent)
    : QWidget(parent), m_keyTitle(new KestLabel(this)),
      m_keySlider(new KestSlider(Qt::Horizontal, this)), m_keyValue(new KestLabel(this)),
      m_sync(new QCheckBox(this)), m_liftTitle(new KestLabel(this)), m_lift1(new QCheckBox(this)),
      m_lift2(new QCheckBox(this)), m_angle(new QCheckBox(this)), m_jitter(new QCheckBox(this)),
      m_wake(new QCheckBox(this)), m_modeTitle(new KestLabel(this)), m_spin(new QSpinBox(this)),
      m_settingButton(new QPushButton(this)), m_speedNote(new KestLabel(this)) {
    setObjectName(QStringLiteral("PointerSpeedPanel"));
    m_keyTitle->setObjectName(QStringLiteral("keyTitle"));
    m_keySlider->setObjectName(QStringLiteral("keySlider"));
    m_keyValue->setObjectName(QStringLiteral("keyValue"));
    m_sync->setObjectName(QStringLiteral("syncBox"));
    m_liftTitle->setObjectName(QStringLiteral("liftTitle"));
    m_lift1->setObjectName(QStringLiteral("lift1Box"));
    m_lift2->setObjectName(QStringLiteral("lift2Box"));
    m_angle->setObjectName(QStringLiteral("angleBox"));
    m_jitter->setObjectName(QStringLiteral("jitterBox"));
    m_wake->setObjectName(QStringLiteral("wakeBox"));
    m_modeTitle->setObjectName(QStringLiteral("modeTitle"));
    for (int i = 0; i < 3; ++i) {
        m_modes[i] = new QCheckBox(this);
        m_modes[i]->setObjectName(QStringLiteral("modeBox%1").arg(i));
    }
    m_spin->setObjectName(QStringLiteral("scrollSpin"));
    m_settingButton->setObjectName(QStringLiteral("settingButton"));
    m_speedNote->setObjectName(QStringLiteral("speedNote"));
    m_speedNote->setWordWrap(true);
    m_speedNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_keySlider->setRange(kKeyResponseRange.min, kKeyResponseRange.max);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(1);
    m_keySlider->setTickPosition(QSlider::NoTicks);
    m_keyValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_spin->setRange(kScrollSpeedRange.min, kScrollSpeedRange.max);
    m_spin->setAlignment(Qt::AlignCenter);

    connect(m_keySlider, &QSlider::valueChanged, this, &PointerSpeedPanel::onKeyResponse);
    connect(m_spin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PointerSpeedPanel::sValueChangedSlot);
    for (QCheckBox* box :
         {m_sync, m_lift1, m_lift2, m_angle, m_jitter, m_wake, m_modes[0], m_modes[1], m_modes[2]})
        // Toggled, not clicked: assistive tools and keys toggle without a click.
        connect(box, &QCheckBox::toggled, this, &PointerSpeedPanel::checkbtn_clicked);
    connect(m_settingButton, &QPushButton::clicked, this, &PointerSpeedPanel::btn_clicked);

    retranslate();
    applyScale();
}

QCheckBox* PointerSpeedPanel::modeBox(int mode) const {
    return mode >= 0 && mode < 3 ? m_modes[mode] : nullptr;
}

void PointerSpeedPanel::loadProfile(MouseProfile* profile, quint8 sync, quint8 liftHigh,
                                    quint8 angleValue, quint8 jitter, quint8 debounce, quint8 wake,
                                    quint8 sensorMode) {
    m_profile = profile;
    m_options = {sync, liftHigh, angleValue, jitter, debounce, wake, sensorMode};

    {
        const QSignalBlocker block(m_keySlider);
        m_keySlider->setValue(debounce);
    }
    m_keyValue->setText(QStringLiteral("%1").arg(debounce));
    {
        const QSignalBlocker block(m_spin);
        if (m_profile) m_spin->setValue(m_profile->scrollspeed);
        m_spin->setFont(fontFor(currentLanguageIndex(), displayScale()));
    }
    const QSignalBlocker b1(m_sync), b2(m_angle), b3(m_jitter), b4(m_wake);
    m_sync->setChecked(sync != 0);
    m_angle->setChecked(angleValue == 0);
    m_jitter->setChecked(jitter == 0);
    m_wake->setChecked(wake == 0);
    showLift();
    if (sensorMode <= 2) showMode(sensorMode);
}

void PointerSpeedPanel::setLift(quint8 lift) {
    m_options.LiftHigh = lift;
    showLift();
}

void PointerSpeedPanel::retranslate() {
    m_keyTitle->setText(tr("Key Response"));
    m_sync->setText(tr("Enable sync"));
    m_liftTitle->setText(tr("Lift Distance"));
    m_lift1->setText(tr("1mm"));
    m_lift2->setText(tr("2mm"));
    m_angle->setText(tr("Angle Snapping"));
    m_jitter->setText(tr("Jitter"));
    m_wake->setText(tr("Motion Wake"));
    m_modeTitle->setText(tr("Sensor Mode"));
    m_modes[0]->setText(tr("Eco"));
    m_modes[1]->setText(tr("Standard"));
    m_modes[2]->setText(tr("Competitive"));
    m_settingButton->setText(tr("Mouse Setting"));
    m_spin->setToolTip(tr("Scroll speed"));
    m_spin->setAccessibleName(tr("Scroll speed"));
    setAccessibleLabel(m_keySlider, tr("Key response, %1 ms"));
    // The round boxes say which choice they belong to.
    for (QCheckBox* box : {m_lift1, m_lift2})
        box->setAccessibleName(tr("Lift distance, %1").arg(box->text()));
    for (QCheckBox* box : m_modes)
        box->setAccessibleName(tr("Sensor mode, %1").arg(box->text()));
    m_speedNote->setText(tr("Pointer speed is set in the desktop's mouse settings"));
}

void PointerSpeedPanel::setDesktopSpeedReachable(bool reachable) {
    m_speedReachable = reachable;
    applyScale();
}

void PointerSpeedPanel::applyScale() {
    const double s = displayScale();
    const QColor accent = themeColor();
    const QFont font = scaledFont(kitFont(), 11, s);
    for (KestLabel* l : {m_keyTitle, m_liftTitle, m_modeTitle, m_keyValue})
        l->refreshFont(11);
    m_speedNote->refreshFont(9);
    m_keySlider->refreshStyle();
    // The lift and sensor-mode boxes act as radio groups and look like them.
    for (QCheckBox* box : findChildren<QCheckBox*>()) {
        const bool radio = box == m_lift1 || box == m_lift2 || box == m_modes[0] ||
                           box == m_modes[1] || box == m_modes[2];
        setKitLook(box, radio ? "roundBox" : "squareBox");
        box->setFont(font);
    }
    m_spin->setStyleSheet(spinStyleSheet(accent, s));
    m_spin->setFont(fontFor(currentLanguageIndex(), s));
    m_settingButton->setStyleSheet(flatButtonStyleSheet(accent, s));
    m_settingButton->setFont(font);

    // Any other SyncMode keeps what the panel is built with: every control,
    // placed as in the fullest layout, rather than a pile at the corner.
    int mode = syncMode();
    if (mode < 0 || mode > 2) mode = 2;
    m_variant = mode;
    for (const OptionPlacement& place : kOptionLayout) {
        QWidget* w = findChild<QWidget*>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        if (!w) continue;
        const int* r = place.rect[mode];
        const QRect logical(r[0], r[1], r[2], r[3]);
        w->setGeometry(logical.isEmpty() ? QRect() : scaledRect(logical, s));
        w->setVisible(!logical.isEmpty());
    }
    if (m_speedReachable) {
        m_speedNote->setGeometry(QRect());
        m_speedNote->hide();
    }
}

void PointerSpeedPanel::sValueChangedSlot(int s) {
    qCDebug(lcPerformance, "slider_clicked 1 = %d", s);
    if (m_profile) m_profile->scrollspeed = quint8(s);
}

void PointerSpeedPanel::checkbtn_clicked() {
    QObject* box = sender();
    if (box == m_sync) {
        m_options.Sync = m_sync->isChecked() ? 1 : 0;
    } else if (box == m_lift1 || box == m_lift2) {
        m_options.LiftHigh = box == m_lift1 ? 1 : 2;
        showLift();
        emit RefreshLift(m_options.LiftHigh);
    } else if (box == m_angle) {
        m_options.AngleValue = m_angle->isChecked() ? 0 : 1;
    } else if (box == m_jitter) {
        m_options.Jitter = m_jitter->isChecked() ? 0 : 1;
    } else if (box == m_wake) {
        m_options.Wake = m_wake->isChecked() ? 0 : 1;
    } else {
        for (int i = 0; i < 3; ++i) {
            if (box == m_modes[i]) {
                m_options.SensorMode = quint8(i);
                showMode(i);
            }
        }
    }
}

void PointerSpeedPanel::btn_clicked() {
    openMouseSettings();
}

void PointerSpeedPanel::onKeyResponse(int value) {
    qCDebug(lcPerformance, "slider_clicked 1 = %d", value);
    m_options.Debounce = quint8(value);
    m_keyValue->setText(QStringLiteral("%1").arg(value));
}

void PointerSpeedPanel::showLift() {
    // Anything but 1 shows as 2 mm, the value the device falls back to.
    const bool one = m_options.LiftHigh == 1;
    const QSignalBlocker b1(m_lift1), b2(m_lift2);
    m_lift1->setChecked(one);
    m_lift2->setChecked(!one);
}

void PointerSpeedPanel::showMode(int mode) {
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(m_modes[i]);
        m_modes[i]->setChecked(i == mode);
    }
}

void linkLiftControls(ReportRatePanel* rate, PointerSpeedPanel* speed) {
    QObject::connect(rate, &ReportRatePanel::RefreshLift, speed, &PointerSpeedPanel::setLift);
    QObject::connect(speed, &PointerSpeedPanel::RefreshLift, rate, &ReportRatePanel::setLift);
}
