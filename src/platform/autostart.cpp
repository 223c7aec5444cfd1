#include "autostart.h"

#include "inifile.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr char kEntryName[] = "io.mousecfg.mousecfg.desktop";

// One argument of an Exec line: quoted when it holds anything but plain
// characters, with the characters the quoting reserves escaped.
QString execArgument(const QString& arg) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool plain = !arg.isEmpty();
    for (const QChar c : arg)
        if (reserved.contains(c)) plain = false;
    if (plain) return arg;
    QString out = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        // A field code would be expanded by the session.
        if (c == QLatin1Char('%')) out += QLatin1Char('%');
        out += c;
    }
    return out + QLatin1Char('"');
}

// The string type of the entry file escapes its backslashes once more.
QString entryString(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return out;
}
} // namespace

QString autostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QLatin1String(kEntryName);
}

QByteArray autostartEntry(const QString& program, const QStringList& args) {
    QStringList exec{execArgument(program)};
    for (const QString& a : args)
        exec << execArgument(a);
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Qorv Mouse Settings\n"
                                        "Comment=Keeps the mouse's settings in the tray\n"
                                        "Exec=%1\n"
                                        "Icon=mousecfg\n"
                                        "Terminal=false\n"
                                        "NoDisplay=true\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(entryString(exec.join(QLatin1Char(' '))));
    return text.toUtf8();
}

bool autostartEnabled() {
    QFile file(autostartEntryPath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    // A user who switched the entry off in the desktop's own settings keeps
    // it off.
    const QByteArray text = file.read(64 * 1024);
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l == "Hidden=true" || l == "X-GNOME-Autostart-enabled=false") return false;
    }
    return text.startsWith("[Desktop Entry]");
}

bool setAutostart(bool on, const QString& program, const QStringList& args) {
    const QString path = autostartEntryPath();
    if (!on) return !QFileInfo::exists(path) || QFile::remove(path);
    return ensureParentFolder(path) && writeFileAtomic(path, autostartEntry(program, args));
}
