// The colour editor: a hue strip, a saturation/value square, a preview,
// H/S/V and R/G/B fields, a hexadecimal field and seven preset swatches, kept
// in step with each other.
#pragma once

#include "kestdialogframe.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class KestLabel;
class KestLineEdit;
class KestPushButton;
class QSpinBox;

// The square's one mapping between a saturation or value (0-255) and a marker
// position (0 to 128 × scale): every path goes through these two, so a
// position and the value it shows never disagree.
int svPositionFromValue(int value, double scale);
int svValueFromPosition(int position, double scale);

// What a hexadecimal text stands for while it is being typed: by its length
// 1-2 blue, 3 shorthand, 4 green and blue, 5 and 6 red, green and blue;
// empty or longer than six digits is black.
QColor colorFromHexText(const QString& text);
// The six lowercase digits a finished text becomes.
QString normalizedHexText(const QString& text);
// "rrggbb", lowercase.
QString hexTextOf(const QColor& colour);

// The vertical hue strip with its marker; hue 0 at the bottom, 360 at the top.
class HColorArea : public QWidget {
    Q_OBJECT
public:
    HColorArea(QWidget* parent, double scale);

    void setHue(int h);
    int hue() const { return m_hue; }
    // 0 at the bottom of the strip, 1 at the top.
    double position() const { return m_position; }
    // The pixel row the marker points at.
    int markerY() const;
    int stripTop() const;
    int stripHeight() const;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPointF& pos);
    void buildStrip();

    double m_scale;
    int m_hue = 0;
    double m_position = 0;
    QPixmap m_strip;
};

// The square: saturation left to right, value bottom to top, for one hue.
class SVColorArea : public QWidget {
    Q_OBJECT
public:
    SVColorArea(QWidget* parent, double scale);

    // Hue and the marker for saturation s and value v.
    void setPositions(int h, int s, int v);
    // Keeps the marker where it was relative to the square.
    void rescale(double newScale);

    int hue() const { return m_hue; }
    int satPos() const { return m_satPos; }
    int valPos() const { return m_valPos; }
    int side() const { return m_side; }
    // The marker's centre in the widget.
    QPoint markerCenter() const { return QPoint(m_satPos, m_side - m_valPos); }

signals:
    void svChangedSignal(int hue, int satPos, int valPos);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int h);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPoint& pos);
    void buildBase();
    void buildOverlay();

    int m_hue = 0;
    int m_satPos = 0;
    int m_valPos = 0;
    int m_side;
    double m_scale;
    QPixmap m_base;
    QPixmap m_overlay;
};

// The chosen colour, large.
class PreviewColorArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget* parent = nullptr, double scale = 1.0);

    void setColor(const QColor& colour);
    QColor color() const { return m_color; }

signals:
    // Hue, saturation and value, each as the fields show them.
    void svChangedSignal(int hue, int saturation, int value);

public slots:
    void svChangedSlot(int h, int sPos, int vPos);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_scale;
    QColor m_color = Qt::black;
};

// A clickable colour swatch of any size; Space or Enter clicks it too.
class DefaultColorArea : public QWidget {
    Q_OBJECT
public:
    explicit DefaultColorArea(QWidget* parent = nullptr);

    void setColor(const QColor& colour);
    QColor color() const { return m_color; }

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color = Qt::black;
};

constexpr int kPresetCount = 7;

// The modal colour editor the lighting page opens on a swatch.
class ColorEditorDialog : public KestDialogFrame {
    Q_OBJECT
public:
    ColorEditorDialog(QWidget* parent, double scale);
    ~ColorEditorDialog() override;

    // Shows `colour` everywhere; ignored while a preset is being written.
    void setColor(const QColor& colour);
    // The colour the editor shows; what "OK" accepts.
    QColor color() const;
    static QColor presetColor(int index);

    HColorArea* hueStrip() const { return m_strip; }
    SVColorArea* square() const { return m_square; }
    PreviewColorArea* preview() const { return m_preview; }
    DefaultColorArea* preset(int index) const { return m_presets[index]; }
    QSpinBox* hField() const { return m_h; }
    QSpinBox* sField() const { return m_s; }
    QSpinBox* vField() const { return m_v; }
    QSpinBox* rField() const { return m_r; }
    QSpinBox* gField() const { return m_g; }
    QSpinBox* bField() const { return m_b; }
    KestLineEdit* hexEdit() const { return m_hex; }
    KestPushButton* yesButton() const { return m_yes; }
    KestPushButton* noButton() const { return m_no; }
    QString heading() const;

signals:
    void KestChangeColor(QColor color);
    void ApplyColor();

public slots:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void color_clicked();
    void hValueChangedSlot(int h);
    void sValueChangedSlot(int s);
    void vValueChangedSlot(int v);
    void rValueChangedSlot(int r);
    void gValueChangedSlot(int g);
    void bValueChangedSlot(int b);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString& text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Which control the user moved: it keeps what the user set and is not
    // rewritten from the colour.
    enum class From { Outside, HsvFields, RgbFields, Square, HexText };

    void place(QWidget* widget, int x, int y, int w, int h) const;
    void applyFonts();
    void retranslate();
    void hsvFieldChanged();
    void rgbFieldChanged();
    // Shows `colour` (hue h, saturation s, value v) in every control but the
    // one it came from and emits KestChangeColor once.
    void showColor(const QColor& colour, int h, int s, int v, From from);

    KestLabel* m_title;
    HColorArea* m_strip;
    SVColorArea* m_square;
    PreviewColorArea* m_preview;
    QSpinBox* m_h;
    QSpinBox* m_s;
    QSpinBox* m_v;
    QSpinBox* m_r;
    QSpinBox* m_g;
    QSpinBox* m_b;
    KestLabel* m_colorLabel;
    KestLineEdit* m_hex;
    DefaultColorArea* m_presets[kPresetCount];
    KestPushButton* m_yes;
    KestPushButton* m_no;

    int m_hue = 0;
    int m_sat = 0;
    int m_val = 0;
    QColor m_current = Qt::black;
    // Set while a handler runs: the controls it writes must not answer back.
    bool m_busy = false;
    // Cleared while a colour is written into the R, G and B fields, so a
    // half-written colour is never taken.
    bool m_acceptSetColor = true;
};
