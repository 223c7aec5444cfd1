// The X/Y resolution slider of one DPI stage: an X bar and a Y bar, or one
// bar that moves both when the stage's axes are linked.
#pragma once

#include <QWidget>

class KestSlider;

class TwoBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit TwoBarSlider(QWidget* parent = nullptr);

    // Linked shows the single bar, unlinked the X and Y bars.
    void setLinked(bool linked);
    bool isLinked() const { return m_linked; }
    // Positions the bars without emitting SliderChangedSignal.
    void setValues(int x, int y);
    void setRange(int maxStep, int minStep);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    int xValue() const;
    int yValue() const;
    int singleValue() const;
    KestSlider* xBar() const { return m_xBar; }
    KestSlider* yBar() const { return m_yBar; }
    KestSlider* singleBar() const { return m_single; }

    // Re-applies the kit's slider style and lays the bars out at the current scale.
    void refreshStyle();
    // Places the bars for the current size.
    void relayout();

signals:
    // (x, y) after the user moved a bar; the single bar gives (v, v).
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onAxisChanged();
    void onSingleChanged(int value);

    KestSlider* m_xBar;
    KestSlider* m_yBar;
    KestSlider* m_single;
    bool m_linked = false;
    int m_min = 0;
    int m_max = 0;
};
