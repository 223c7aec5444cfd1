#include "testutil.h"

#include "paths.h"
#include "records.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

TempAppDir::TempAppDir(const QString& source) {
    if (!source.isEmpty()) copyTree(source, m_dir.path());
    // The staged program folder may carry a configuration changed by running
    // the program there; tests start from the configuration as shipped.
    if (QFileInfo(source) == QFileInfo(QStringLiteral(APP_DIR))) {
        QDir(m_dir.path() + QStringLiteral("/Configs")).removeRecursively();
        copyTree(QStringLiteral(PRISTINE_DATA_DIR), m_dir.path());
    }
    setAppDirOverride(m_dir.path());
}

TempAppDir::~TempAppDir() {
    // Make everything writable again so the folder can be removed.
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QFile(m_dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile(p).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    setAppDirOverride(QString());
}

XvfbServer::XvfbServer() : m_process(new QProcess), m_oldDisplay(qgetenv("DISPLAY")) {}

XvfbServer::~XvfbServer() {
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000)) m_process->kill();
        m_process->waitForFinished(1000);
    }
    delete m_process;
    qputenv("DISPLAY", m_oldDisplay);
}

bool XvfbServer::start() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        m_error = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // -displayfd picks a free display and tells us its number; -noreset keeps
    // the server's settings when short-lived connections close.
    m_process->start(
        xvfb, {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x800x24"});
    if (!m_process->waitForStarted() || !m_process->waitForReadyRead(10000)) {
        m_error = QStringLiteral("Xvfb did not start");
        return false;
    }
    m_display = ":" + QString::fromLatin1(m_process->readLine().trimmed());
    qputenv("DISPLAY", m_display.toLatin1());
    // A bus address that fails at once: without one the toolkit would fork a
    // bus launcher for its accessibility lookup, which can hang a busy test.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/mousecfg-test-bus");
    return true;
}

QString prepareXvfbTests(XvfbServer& xvfb) {
    QString skip;
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        skip = QStringLiteral("xdotool is not installed");
    else if (!xvfb.start())
        skip = xvfb.error();
    qputenv("QT_QPA_PLATFORM", skip.isEmpty() ? "xcb" : "offscreen");
    return skip;
}

namespace {
QByteArray gsettings(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("gsettings"), args);
    p.waitForFinished();
    return p.exitCode() == 0 ? p.readAllStandardOutput().trimmed() : QByteArray();
}
const QStringList kMouseSpeed{QStringLiteral("org.gnome.desktop.peripherals.mouse"),
                              QStringLiteral("speed")};
} // namespace

bool gnomeSettingsIn(const QString& configHome) {
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    return !gsettings(QStringList{QStringLiteral("get")} + kMouseSpeed).isEmpty();
}

double gnomeMouseSpeed() {
    return gsettings(QStringList{QStringLiteral("get")} + kMouseSpeed).toDouble();
}

void setGnomeMouseSpeed(double value) {
    gsettings(QStringList{QStringLiteral("set")} + kMouseSpeed << QString::number(value, 'g', 17));
}

QString fixture(const QString& name) {
    return QStringLiteral(FIXTURES_DIR "/") + name;
}
QString dataDir() {
    return QStringLiteral(DATA_DIR);
}

bool copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (QFileInfo(src).isDir())
            ok = QDir().mkpath(dst) && ok;
        else
            ok = QFile::copy(src, dst) && ok;
    }
    return ok;
}

void writeText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text);
}

QByteArray readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QMap<QString, QByteArray> filesBelow(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        files.insert(p.mid(root.size() + 1), readText(p));
    }
    return files;
}

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

const QByteArray kHostileStringList = R"(@Variant(\0\0\0\v\0\x7f\xff\xff\xff))";
const QByteArray kHostilePolygon = R"(@Variant(\0\0\0G\0\x7f\xff\xff\xff))";

bool sameSettings(const DeviceSettings& a, const DeviceSettings& b) {
    for (int i = 0; i < kProfileCount; ++i)
        if (a.profiles[i] != b.profiles[i] || a.profileNames[i] != b.profileNames[i]) return false;
    return a.currentProfile == b.currentProfile && a.AngleValue == b.AngleValue &&
           a.LiftHigh == b.LiftHigh && a.Sync == b.Sync && a.Count == b.Count &&
           a.Jitter == b.Jitter && a.Debounce == b.Debounce && a.Wake == b.Wake &&
           a.SensorMode == b.SensorMode;
}
