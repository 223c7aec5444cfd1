// Helpers shared by the tests: throw-away application directories.
#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

struct DeviceSettings;

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

// For a test program whose cases type with xdotool on a private X server:
// starts `xvfb` and picks the matching platform (offscreen when it cannot
// run). Returns why the X11 cases must be skipped, "" when they can run.
// Call before the application object is made.
QString prepareXvfbTests(XvfbServer& xvfb);

// A GNOME session as far as its mouse speed goes: the real `gsettings`
// keeping its keys in a file below `configHome`. False when gsettings or
// the desktop schemas are missing.
bool gnomeSettingsIn(const QString& configHome);
double gnomeMouseSpeed();
void setGnomeMouseSpeed(double value);

QString fixture(const QString& name); // tests/fixtures/<name>
QString dataDir();                    // the product data of data/

bool copyTree(const QString& from, const QString& to);
void writeText(const QString& path, const QByteArray& text);
QByteArray readText(const QString& path);
// Every file below `root` (links followed), by path relative to it.
QMap<QString, QByteArray> filesBelow(const QString& root);

// `size` bytes of noise, the same for the same seed.
QByteArray randomBytes(int size, quint32 seed);
// Variant values whose lengths the INI library would trust when decoding:
// a list of 2^31 strings, a polygon of 2^31 points.
extern const QByteArray kHostileStringList;
extern const QByteArray kHostilePolygon;
// Every profile, its name, and every device-wide setting alike.
bool sameSettings(const DeviceSettings& a, const DeviceSettings& b);
