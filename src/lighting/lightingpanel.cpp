#include "lightingpanel.h"

#include "coloreditordialog.h"
#include "kestlabel.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "productdef.h"
#include "records.h"

#include <QAction>
#include <QCheckBox>
#include <QLoggingCategory>
#include <QSignalBlocker>

Q_LOGGING_CATEGORY(lcLighting, "mousecfg.lighting", QtWarningMsg)

const LightingEffect kLightingEffects[kLightingEffectCount] = {
    {QT_TRANSLATE_NOOP("LightingPanel", "OFF"), false, false, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "FULL LIGHTED"), true, false, true, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "BREATHING"), false, true, true, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "7 COLOR BREATHING"), false, true, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "RAINBOW"), true, true, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "FLASH"), true, true, false, false},
    {QT_TRANSLATE_NOOP("LightingPanel", "Horizontal WAVE"), true, true, false, false},
    {QT_TRANSLATE_NOOP("LightingPanel", "Horizontal GO WITHOUT TRACE"), true, true, false, false},
    {QT_TRANSLATE_NOOP("LightingPanel", "Raindrop"), true, true, false, false},
    {QT_TRANSLATE_NOOP("LightingPanel", "WAVE"), true, true, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "GO WITHOUT TRACE"), true, true, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "REACTIVE"), true, false, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "yo-yo"), true, true, false, true},
    {QT_TRANSLATE_NOOP("LightingPanel", "Marbles"), true, true, false, true},
};

int shownEffect(int ledMode) {
    return ledMode >= 0 && ledMode < kLightingEffectCount ? ledMode : 0;
}

namespace {
constexpr int kLeft = 30;
constexpr int kLabelW = 201, kLabelH = 18;
constexpr int kSliderW = 228, kSliderH = 25;
constexpr int kValueX = 265, kValueW = 100;
// The two slider rows: label line and slider line.
constexpr int kRowLabelY[2] = {78, 137};
constexpr int kRowSliderY[2] = {97, 156};
constexpr int kColourLabelY = 196;
constexpr QRect kSwatch(kLeft, 215, 64, 64);
constexpr int kSleepLabelY = 300, kSleepSliderY = 320;
constexpr QRect kMoveOff(kLeft, 360, 200, 25);

const QColor kValueColour(150, 155, 163);
} // namespace

LightingPanel::LightingPanel(QWidget* parent)
    : QWidget(parent), m_title(new KestLabel(this)),
      m_effectButton(new KestPushButton({QStringLiteral("/skin/rate.png")}, this)),
      m_menu(new KestMenu(this, 210)), m_brightLabel(new KestLabel(this)),
      m_bright(new KestSlider(Qt::Horizontal, this)), m_brightValue(new KestLabel(this)),
      m_speedLabel(new KestLabel(this)), m_speed(new KestSlider(Qt::Horizontal, this)),
      m_speedValue(new KestLabel(this)), m_colourLabel(new KestLabel(this)),
      m_swatch(new DefaultColorArea(this)), m_sleepLabel(new KestLabel(this)),
      m_sleep(new KestSlider(Qt::Horizontal, this)), m_sleepValue(new KestLabel(this)),
      m_moveOff(new QCheckBox(this)) {
    setObjectName(QStringLiteral("LightingPanel"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_effectButton->setObjectName(QStringLiteral("btnEffect"));
    m_effectButton->setMenu(m_menu);
    m_swatch->setObjectName(QStringLiteral("colorSwatch"));
    m_swatch->setFocusPolicy(Qt::StrongFocus);
    setAccessibleRole(m_swatch, QAccessible::Button);
    m_moveOff->setObjectName(QStringLiteral("chkMoveOff"));
    setKitLook(m_moveOff, "squareBox");
    m_bright->setRange(1, 3);
    m_speed->setRange(1, 5);
    const SleepRange sleep = sleepRange();
    m_sleep->setRange(sleep.min, qMax(sleep.min, sleep.max));
    m_sleepShown = showSleep() != 0;
    for (KestSlider* s : {m_bright, m_speed, m_sleep}) {
        s->setSingleStep(1);
        s->setPageStep(1);
        connect(s, &QSlider::valueChanged, this, &LightingPanel::onSliderChanged);
        connect(s, &KestSlider::SliderMouseSignal, this, &LightingPanel::slotSliderMouseChange);
    }
    for (KestLabel* l : {m_brightValue, m_speedValue, m_sleepValue})
        l->setTextColor(kValueColour);
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &LightingPanel::color_clicked);
    // Toggled, not clicked: assistive tools toggle without a click.
    connect(m_moveOff, &QCheckBox::toggled, this, &LightingPanel::checkbtn_clicked);
    for (QWidget* w : {static_cast<QWidget*>(m_sleepLabel), static_cast<QWidget*>(m_sleep),
                       static_cast<QWidget*>(m_sleepValue), static_cast<QWidget*>(m_moveOff)})
        w->setVisible(m_sleepShown);
    retranslate();
    layoutFor(0);
}

QWidget* LightingPanel::labelFor(const QWidget* control) const {
    if (control == m_bright) return m_brightLabel;
    if (control == m_speed) return m_speedLabel;
    if (control == m_swatch) return m_colourLabel;
    if (control == m_sleep) return m_sleepLabel;
    return nullptr;
}

void LightingPanel::place(QWidget* w, int x, int y, int width, int height) {
    w->setProperty("logicalRect", QRect(x, y, width, height));
    w->setGeometry(scaledRect(QRect(x, y, width, height), m_scale));
}

void LightingPanel::setScale(double scale) {
    m_scale = scale;
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect r = w->property("logicalRect").toRect();
        if (r.isValid()) w->setGeometry(scaledRect(r, scale));
    }
    QFont bold = scaledFont(kitFont(), 14, scale);
    bold.setBold(true);
    m_title->setFont(bold);
    for (KestLabel* l : {m_brightLabel, m_speedLabel, m_colourLabel, m_sleepLabel})
        l->refreshFont(12);
    for (KestLabel* l : {m_brightValue, m_speedValue, m_sleepValue})
        l->refreshFont(12);
    m_moveOff->setFont(scaledFont(kitFont(), 12, scale));
    m_effectButton->refreshFont(13);
    m_menu->refreshStyle();
    for (KestSlider* s : {m_bright, m_speed, m_sleep})
        s->refreshStyle();
}

void LightingPanel::retranslate() {
    m_title->setText(tr("EFFECT"));
    m_brightLabel->setText(tr("BRIGHTNESS"));
    m_speedLabel->setText(tr("SPEED"));
    m_colourLabel->setText(tr("COLOR"));
    m_sleepLabel->setText(tr("SLEEP TIME"));
    m_moveOff->setText(tr("MOVE TO LIGHT OFF"));
    m_moveOff->setAccessibleName(tr("Lights off while the mouse moves"));
    setAccessibleLabel(m_effectButton, tr("Lighting effect"));
    setAccessibleLabel(m_bright, tr("Brightness, %1"));
    setAccessibleLabel(m_speed, tr("Speed, %1"));
    if (m_profile) refresh();
}

void LightingPanel::showProfile(MouseProfile* profile) {
    m_profile = profile;
    refresh();
}

void LightingPanel::refresh() {
    if (!m_profile) return;
    // A stored effect past the table is shown as "OFF"; nothing is written
    // until the user picks one.
    m_effect = shownEffect(m_profile->LedMode);
    layoutFor(m_effect);
    const LedModeInfo& led = m_profile->ledModes[m_effect];
    {
        // Values outside the ranges are shown clamped, and stay stored as
        // they are until the user moves the slider.
        const QSignalBlocker a(m_bright), b(m_speed), c(m_sleep);
        m_bright->setValue(int(qMin<uint32_t>(led.bright, 100)));
        m_speed->setValue(int(qMin<uint32_t>(led.breath, 100)));
        m_sleep->setValue(m_profile->LedSleepTime);
    }
    m_brightValue->setText(QString::number(m_bright->value()));
    m_speedValue->setText(QString::number(m_speed->value()));
    m_sleepValue->setText(QString::number(m_sleep->value()) + tr(" MINUTE"));
    m_swatch->setColor(led.RGB);
    describeControls();
    {
        const QSignalBlocker block(m_moveOff);
        m_moveOff->setChecked(m_profile->LedMoveOFF == 0);
    }
    rebuildMenu();
}

void LightingPanel::rebuildMenu() {
    m_menu->clear();
    for (int i : kEffectMenuOrder) {
        QAction* a = m_menu->addAction(tr(kLightingEffects[i].text));
        a->setData(i);
        connect(a, &QAction::triggered, this, [this, i] { chooseEffect(i); });
    }
}

void LightingPanel::layoutFor(int effect) {
    const LightingEffect& e = kLightingEffects[shownEffect(effect)];
    m_effectButton->setLabel(tr(e.text));
    place(m_title, kLeft, 20, kLabelW, kLabelH);
    place(m_effectButton, kLeft, 40, 210, 28);
    // Speed moves up where brightness is hidden and the effect has a speed
    // (breathing and seven-colour breathing).
    const int brightRow = (!e.brightness && e.speed) ? 1 : 0;
    const int speedRow = 1 - brightRow;
    auto row = [this](KestLabel* label, KestSlider* slider, KestLabel* value, int r, bool shown) {
        place(label, kLeft, kRowLabelY[r], kLabelW, kLabelH);
        place(slider, kLeft, kRowSliderY[r], kSliderW, kSliderH);
        place(value, kValueX, kRowSliderY[r] + 3, kValueW, kLabelH);
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(slider),
                           static_cast<QWidget*>(value)})
            w->setVisible(shown);
    };
    row(m_brightLabel, m_bright, m_brightValue, brightRow, e.brightness);
    row(m_speedLabel, m_speed, m_speedValue, speedRow, e.speed);
    place(m_colourLabel, kLeft, kColourLabelY, kLabelW, kLabelH);
    place(m_swatch, kSwatch.x(), kSwatch.y(), kSwatch.width(), kSwatch.height());
    m_colourLabel->setVisible(e.colour);
    m_swatch->setVisible(e.colour);
    if (m_sleepShown) {
        place(m_sleepLabel, kLeft, kSleepLabelY, kLabelW, kLabelH);
        place(m_sleep, kLeft, kSleepSliderY, kSliderW, kSliderH);
        place(m_sleepValue, kValueX, kSleepSliderY + 3, kValueW, kLabelH);
        place(m_moveOff, kMoveOff.x(), kMoveOff.y(), kMoveOff.width(), kMoveOff.height());
    }
}

void LightingPanel::chooseEffect(int effect) {
    if (!m_profile || effect < 0 || effect >= kLightingEffectCount) return;
    m_effect = effect;
    layoutFor(effect);
    m_profile->LedMode = uint8_t(effect);
    const LedModeInfo& led = m_profile->ledModes[effect];
    {
        const QSignalBlocker a(m_bright), b(m_speed);
        m_bright->setValue(int(qMin<uint32_t>(led.bright, 100)));
        m_speed->setValue(int(qMin<uint32_t>(led.breath, 100)));
    }
    m_brightValue->setText(QString::number(m_bright->value()));
    m_speedValue->setText(QString::number(m_speed->value()));
    m_swatch->setColor(led.RGB);
    qCDebug(lcLighting, "EffectMenuFunction i=%d r=%d g=%d b=%d", effect, led.RGB.red(),
            led.RGB.green(), led.RGB.blue());
    emit lightingChanged();
}

void LightingPanel::onSliderChanged(int value) {
    if (!m_profile) return;
    if (sender() == m_sleep) {
        m_profile->LedSleepTime = uint8_t(value);
        m_sleepValue->setText(QString::number(value) + tr(" MINUTE"));
        describeControls();
        return;
    }
    // An effect past the table is shown as "OFF", which has no sliders.
    if (m_profile->LedMode >= kLightingEffectCount) return;
    LedModeInfo& led = m_profile->ledModes[m_profile->LedMode];
    if (sender() == m_bright) {
        led.bright = uint32_t(value);
        m_brightValue->setText(QString::number(value));
    } else if (sender() == m_speed) {
        led.breath = uint32_t(value);
        m_speedValue->setText(QString::number(value));
    }
    emit lightingChanged();
}

void LightingPanel::describeControls() {
    const int minutes = m_sleep->value();
    m_sleep->setAccessibleName(minutes == 1 ? tr("Sleep time, 1 minute")
                                            : tr("Sleep time, %1 minutes").arg(minutes));
}

void LightingPanel::slotSliderMouseChange() {}

void LightingPanel::slotSendLedState(QColor color) {
    // Shows a colour on the swatch without storing it.
    m_swatch->setColor(color);
}

void LightingPanel::slotApplyColor() {}

void LightingPanel::color_clicked() {
    if (!m_profile || m_profile->LedMode >= kLightingEffectCount) return;
    LedModeInfo& led = m_profile->ledModes[m_profile->LedMode];
    ColorEditorDialog editor(this, m_scale);
    editor.setColor(led.RGB);
    if (editor.exec() != QDialog::Accepted) return;
    led.RGB = editor.color();
    m_swatch->setColor(led.RGB);
    emit lightingChanged();
}

void LightingPanel::checkbtn_clicked() {
    if (!m_profile) return;
    m_profile->LedMoveOFF = m_moveOff->isChecked() ? 0 : 255;
}
