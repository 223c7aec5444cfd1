// Writes settings files with this build's Qt, or reads them and prints every
// key as this build understands it, so two builds can be held against each
// other. Usage: settings-probe write|read <folder>
#include "inifile.h"
#include "profilefile.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

namespace {

const QStringList kNames{QStringLiteral("Jeu d’été"), QStringLiteral("游戏 ☆"),
                         QStringLiteral("plain")};

QString shown(const QVariant& v) {
    if (v.canConvert<QColor>() && v.userType() == QMetaType::QColor)
        return QStringLiteral("colour ") + v.value<QColor>().name(QColor::HexArgb);
    if (v.userType() == QMetaType::QStringList)
        return QStringLiteral("list ") + v.toStringList().join(QLatin1Char('|'));
    return QString::fromLatin1(v.typeName()) + QLatin1Char(' ') + v.toString();
}

int write(const QDir& dir) {
    MouseProfile p;
    p.ProfileName = kNames[0];
    for (int i = 0; i < kLedModeCount; ++i)
        p.ledModes[i].RGB = QColor::fromRgb(QRgb(0x102030u * uint(i + 1) + 0x0f));
    for (int i = 0; i < kButtonEntryCount; ++i)
        p.buttons[i].macroname = kNames[i % kNames.size()];
    p.stages[0].xy = 1600;
    if (!writeProfile(p, dir.filePath(QStringLiteral("probe.prof")))) return 1;
    IniFile config(dir.filePath(QStringLiteral("Config.ini")));
    config.setValue(QStringLiteral("Profile/List"), kNames);
    config.setValue(QStringLiteral("Profile/Current"), kNames[1]);
    config.setValue(QStringLiteral("Config/Diff"), 1);
    config.setValue(QStringLiteral("Light/Colour"), QColor(12, 34, 56));
    return config.save() ? 0 : 1;
}

int read(const QDir& dir) {
    QTextStream out(stdout);
    MouseProfile p;
    ProfileFault fault;
    if (!readProfile(p, dir.filePath(QStringLiteral("probe.prof")), &fault)) {
        out << "profile not whole: " << fault.key << ' ' << fault.what << '\n';
        return 1;
    }
    out << "name " << p.ProfileName << '\n';
    forEachProfileKey(p, false, [&](const QString& key, const QVariant& v) {
        out << key << '=' << shown(v) << '\n';
    });
    const IniFile config(dir.filePath(QStringLiteral("Config.ini")));
    for (const char* key : {"Profile/List", "Profile/Current", "Config/Diff", "Light/Colour"})
        out << key << '=' << shown(config.value(QString::fromLatin1(key))) << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) return 2;
    const QDir dir(args[2]);
    return args[1] == QLatin1String("write") ? write(dir) : read(dir);
}
