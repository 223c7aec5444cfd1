// Keeps the shared theme value in step with Config.ini while the program runs.
#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;

class KitThemeWatcher : public QObject {
    Q_OBJECT
public:
    // Watches the main Config.ini of the current application folder.
    explicit KitThemeWatcher(QObject* parent = nullptr);

signals:
    // The accent colour or a language's font differs from before: widgets
    // should be styled again. Not sent for changes to anything else.
    void themeChanged();

private:
    void reload();
    void watchFile();

    QFileSystemWatcher* m_watcher;
    QString m_path;
};
