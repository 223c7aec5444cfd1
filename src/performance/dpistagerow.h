// One DPI stage row of the DPI page: enable box, X/Y slider, "Link XY" box
// and the read-outs of the values in DPI, the DPI one opening a field to type it.
#pragma once

#include <QWidget>

class KestLabel;
class KestLineEdit;
class TwoBarSlider;
class QCheckBox;

class DpiStageRow : public QWidget {
    Q_OBJECT
public:
    explicit DpiStageRow(quint8 index, QWidget* parent = nullptr);

    quint8 index() const { return m_index; }
    // Range, end labels and "Link XY" visibility from the sensor's table row;
    // a sensor the table lacks keeps what the row has.
    void setSensorType(int sensor);
    int sensorType() const { return m_sensor; }
    void setLink(quint8 link);
    void setUsed(quint8 used);
    // Shows a stored stage; emits nothing.
    void setValues(int x, int y);

    quint8 link() const { return m_link; }
    quint8 used() const { return m_used; }
    int x() const { return m_x; }
    int y() const { return m_y; }

    // The current stage is drawn on the highlight palette.
    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

    void retranslate();
    // Restyles the row at the current display scale and lays it out.
    void applyScale();
    // Places the children for the row's current size (hidden widgets get no
    // resize events, so the page calls this after moving a row).
    void relayout();

    TwoBarSlider* slider() const { return m_slider; }
    QCheckBox* linkBox() const { return m_linkBox; }
    QCheckBox* enableBox() const { return m_enableBox; }
    KestLabel* minLabel() const { return m_minLabel; }
    KestLabel* maxLabel() const { return m_maxLabel; }
    KestLabel* xLabel() const { return m_xLabel; }
    KestLabel* yLabel() const { return m_yLabel; }
    KestLabel* dpiLabel() const { return m_dpiLabel; }
    // The field over the DPI read-out while a value is typed.
    KestLineEdit* dpiEdit() const { return m_dpiEdit; }

    // Opens the field over the DPI read-out with the stage's value chosen.
    void openDpiEdit(const QString& typed = QString());
    // Enter: a value in the sensor's range becomes the stage's, as a drag
    // would make it; anything else is refused with the range, the field open.
    bool commitDpiEdit();
    void cancelDpiEdit();

signals:
    void DPISignal(int x, int y, quint8 index);
    void LinkSignal(quint8 link, quint8 index);
    void EnableSignal(quint8 used, quint8 index);
    void MouseinSignal(quint8 index);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(KestLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateReadouts();
    // Names the enable box by the stage's DPI and whether it is the current one.
    void describe();
    QString dpiHint() const;

    quint8 m_index;
    int m_sensor = 0;
    quint8 m_link = 0;
    quint8 m_used = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_showLink = false;
    bool m_highlighted = false;

    KestLabel* m_minLabel;
    KestLabel* m_maxLabel;
    QCheckBox* m_linkBox;
    QCheckBox* m_enableBox;
    TwoBarSlider* m_slider;
    KestLabel* m_xLabel;
    KestLabel* m_yLabel;
    KestLabel* m_dpiLabel;
    KestLineEdit* m_dpiEdit;
};
