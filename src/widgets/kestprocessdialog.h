// The modal "working" dialog shown while a profile is written: a small
// frameless panel with the loading animation, closed by the worker's signal.
#pragma once

#include <QDialog>

class QLabel;
class QMovie;

class KestProcessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSize = 128; // logical, before the display scale

    explicit KestProcessDialog(QWidget* parent = nullptr);
    // The worker's result passed to slotProcessResult (-1 until one arrives).
    int resultCode() const { return m_result; }
    QMovie* movie() const { return m_movie; }

public slots:
    // The worker finished: close on the next turn of the event loop, so a
    // signal that arrives before exec() has started still closes the dialog.
    void slotProcessDlg();
    // Same, carrying the worker's result code.
    void slotProcessResult(int result);
    void updateProgress();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_label;
    QMovie* m_movie;
    int m_result = -1;
    bool m_finished = false;
};
