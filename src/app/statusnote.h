// The window's one line that says what a command just did (applied, copied,
// saved where), gone after a few seconds; it sits in a fixed place above the
// commands, so showing it moves nothing.
#pragma once

#include "kestlabel.h"

class QTimer;

class StatusNote : public KestLabel {
    Q_OBJECT
public:
    explicit StatusNote(QWidget* window);

    // Shows `text` for a few seconds; `failed` draws it as a failure.
    void showNote(const QString& text, bool failed = false);
    // The whole text while it shows (the line may elide it), else empty.
    QString note() const { return m_note; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString m_note;
    QTimer* m_timer;
};
