// A menu action that always carries the current language's font.
#pragma once

#include <QAction>

class KestAction : public QAction {
    Q_OBJECT
public:
    explicit KestAction(QObject* parent = nullptr);
    KestAction(const QString& text, QObject* parent = nullptr);
    // Re-reads the language font at the current display scale.
    void refreshFont();

private:
    void applyFont();
};
