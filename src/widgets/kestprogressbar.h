// The skinned progress bar used as the battery gauge: an accent-coloured
// chunk, or an all-grey look when the mouse is off.
#pragma once

#include <QProgressBar>

class KestProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit KestProgressBar(QWidget* parent = nullptr);
    void setOffLook(bool off);
    // Sets the shown text (QProgressBar's format) at the largest font size,
    // up to the normal one, at which it fits the bar.
    void setCaption(const QString& format);
    // The logical font size the text is drawn at.
    int captionPixels() const { return m_pixels; }
    bool offLook() const { return m_off; }
    void refreshStyle();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The text in a colour per part, so it reads over the fill and the track.
    void paintEvent(QPaintEvent* event) override;

private:
    int fittingPixels() const;
    // Where the chunk ends, in the bar's own coordinates.
    int fillEnd() const;

    bool m_off = false;
    int m_pixels = 0;
};
