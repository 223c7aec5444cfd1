// The LIGHTING tab: the mouse's lighting effect with its brightness, speed and
// colour, the lighting sleep time and lights off while the mouse moves. It
// edits one profile record in memory; the write worker sends it.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>

struct MouseProfile;
class DefaultColorArea;
class KestLabel;
class KestMenu;
class KestPushButton;
class KestSlider;
class QCheckBox;

// One lighting effect: its menu text and the controls it has.
struct LightingEffect {
    const char* text;
    bool brightness;
    bool speed;
    bool colour;
    bool offered; // in the effect menu
};
constexpr int kLightingEffectCount = 14;
extern const LightingEffect kLightingEffects[kLightingEffectCount];
// The effect menu's order.
constexpr std::array<int, 10> kEffectMenuOrder = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
// The effect a stored LedMode is shown as: a value past the table is "OFF".
int shownEffect(int ledMode);

class LightingPanel : public QWidget {
    Q_OBJECT
public:
    explicit LightingPanel(QWidget* parent = nullptr);

    void showProfile(MouseProfile* profile);
    void retranslate();
    void setScale(double scale);

    // What the page shows, for the window and the tests.
    int effect() const { return m_effect; }
    KestPushButton* effectButton() const { return m_effectButton; }
    KestMenu* effectMenu() const { return m_menu; }
    KestSlider* brightnessSlider() const { return m_bright; }
    KestSlider* speedSlider() const { return m_speed; }
    KestSlider* sleepSlider() const { return m_sleep; }
    QCheckBox* moveOffBox() const { return m_moveOff; }
    DefaultColorArea* swatch() const { return m_swatch; }
    KestLabel* sleepValue() const { return m_sleepValue; }
    QWidget* labelFor(const QWidget* control) const;

signals:
    // Something the mouse picture or the window shows of the lighting changed.
    void lightingChanged();

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(QColor color);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

private:
    void refresh();
    // Names the sleep slider by its time, for assistive tools.
    void describeControls();
    void rebuildMenu();
    void layoutFor(int effect);
    void chooseEffect(int effect);
    void onSliderChanged(int value);
    void place(QWidget* w, int x, int y, int width, int height);

    MouseProfile* m_profile = nullptr;
    double m_scale = 1.0;
    int m_effect = 0;
    bool m_sleepShown = false;
    KestLabel* m_title;
    KestPushButton* m_effectButton;
    KestMenu* m_menu;
    KestLabel* m_brightLabel;
    KestSlider* m_bright;
    KestLabel* m_brightValue;
    KestLabel* m_speedLabel;
    KestSlider* m_speed;
    KestLabel* m_speedValue;
    KestLabel* m_colourLabel;
    DefaultColorArea* m_swatch;
    KestLabel* m_sleepLabel;
    KestSlider* m_sleep;
    KestLabel* m_sleepValue;
    QCheckBox* m_moveOff;
};
