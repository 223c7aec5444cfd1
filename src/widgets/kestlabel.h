// A label in the kit's font that can show a skin image and reports clicks.
#pragma once

#include <QLabel>

class KestLabel : public QLabel {
    Q_OBJECT
public:
    explicit KestLabel(QWidget* parent = nullptr);
    KestLabel(const QString& text, QWidget* parent = nullptr);

    // Shows a skin image scaled to the label (keeping its aspect ratio); a
    // missing image leaves the label empty.
    void setSkinImage(const QString& name);
    QString skinImage() const { return m_image; }
    void setTextColor(const QColor& colour);
    // Re-reads the current language's font; `logicalPixels` > 0 overrides the size.
    void refreshFont(int logicalPixels = 0);

signals:
    void LabelClickSignal(KestLabel* label);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyImage();
    QString m_image;
    int m_fontPixels = 0;
};
