// Helpers shared by the tests: throw-away application directories.
#pragma once

#include <QMap>
#include <QString>
#include <QProcess>
#include <QTemporaryDir>

// A temporary application directory, filled from a fixture folder (or left
// empty), that the store's path functions use while it lives.
class TempAppDir {
public:
    // `source`: a folder to copy in ("" for an empty directory).
    explicit TempAppDir(const QString& source = QString());
    ~TempAppDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + '/' + relative; }

private:
    QTemporaryDir m_dir;
};

// A private X server (Xvfb) for tests that need a real one; DISPLAY points
// at it while it lives.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    // False (with the reason in error()) when Xvfb is missing or does not start.
    bool start();
    QString display() const { return m_display; }
    QString error() const { return m_error; }

private:
    QProcess* m_process;
    QString m_display;
    QString m_error;
    QByteArray m_oldDisplay;
};

QString fixture(const QString& name); // tests/fixtures/<name>
QString dataDir();                    // the product data of data/

bool copyTree(const QString& from, const QString& to);
void writeText(const QString& path, const QByteArray& text);
QByteArray readText(const QString& path);
// Every file below `root` (links followed), by path relative to it.
QMap<QString, QByteArray> filesBelow(const QString& root);
