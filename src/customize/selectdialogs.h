// The dialogs that choose a value from a list or a range for a mouse button:
// the sniper DPI step and a macro with its repeat mode.
#pragma once

#include "skindialog.h"

class KestLabel;
class KestLineEdit;
class KestSlider;
class QButtonGroup;
class QCheckBox;
class QListWidget;

// The sniper step range of a sensor. A stored step below `lowest` or above
// `highest` (a value the slider never produced) starts on `fallback`.
struct SniperRange {
    int sensor;
    int minimum;
    int maximum;
    int lowest;
    int highest;
    int fallback;
};
constexpr SniperRange kSniperRanges[] = {
    {3325, 1, 10, 1, 10, 3},    {3327, 1, 10, 1, 10, 3},    {3360, 1, 10, 1, 10, 3},
    {3335, 1, 10, 1, 10, 3},    {3333, 2, 10, 1, 10, 3},    {3389, 2, 20, 2, 20, 6},
    {3212, 16, 32, 17, 32, 16}, {3104, 14, 26, 15, 26, 14},
};
// The range of a sensor the table lacks: every step a byte can hold.
constexpr SniperRange kAnySensorRange = {0, 1, 255, 0, 255, 1};
const SniperRange& sniperRangeFor(int sensor);

class SniperDialog : public SkinDialog {
    Q_OBJECT
public:
    // `sensorCode` is "MouseSenSor/1" of the configuration.
    SniperDialog(QWidget* parent, double scale, int sensorCode, quint8 step);

    quint8 step() const { return m_step; }
    // Validates a stored step as the sensor's range says and shows it.
    void setStep(int step);
    KestSlider* slider() const { return m_slider; }
    QString dpiText() const;

signals:
    void SetSniperValue(quint8 step);

protected:
    void retranslate() override;

private:
    void onSliderChanged(int value);

    const SniperRange& m_range;
    int m_sensor;
    quint8 m_step = 0;
    KestSlider* m_slider;
    KestLabel* m_dpi;
    KestLabel* m_unit;
    KestLabel* m_min;
    KestLabel* m_max;
};

class MacroSelectDialog : public SkinDialog {
    Q_OBJECT
public:
    enum Mode { LoopMode, WhileDownMode, UntilDownMode, ModeCount };
    // `names`: the macro list; `name`, `loops`, `mode`: what the button holds
    // (no selection when `name` is not in the list, loops outside 1-255 show 1,
    // an unknown mode shows the first).
    MacroSelectDialog(QWidget* parent, double scale, const QStringList& names, const QString& name,
                      int loops, int mode);

    // The selected macro ("" while none is).
    QString name() const;
    // The loop count, 0 while the field is empty.
    int loops() const;
    int mode() const;

    QListWidget* list() const { return m_list; }
    KestLineEdit* loopsEdit() const { return m_loops; }
    QCheckBox* modeBox(int mode) const { return m_boxes[mode]; }

protected:
    void retranslate() override;

private:
    void updateOk();

    QListWidget* m_list;
    KestLineEdit* m_loops;
    QButtonGroup* m_group;
    QCheckBox* m_boxes[ModeCount];
};
