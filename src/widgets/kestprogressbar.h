// The skinned progress bar used as the battery gauge: an accent-coloured
// chunk, or an all-grey look when the mouse is off.
#pragma once

#include <QProgressBar>

class KestProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit KestProgressBar(QWidget* parent = nullptr);
    void setOffLook(bool off);
    bool offLook() const { return m_off; }
    void refreshStyle();

private:
    bool m_off = false;
};
