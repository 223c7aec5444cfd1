// Build-time generator: writes the profile files of an application directory
// from its product definition with the program's own profile writer.
//
//   profgen <app dir>
//
// Writes Configs/Profile/<name>.prof for the five names of Config.ini,
// Configs/Profile/DefaultProfile.prof, and in the current product's folder the
// template DefaultProfile.prof and one file per saved-profile list entry.
#include "appconfig.h"
#include "defaults.h"
#include "filename.h"
#include "paths.h"
#include "profilefile.h"

#include <QCoreApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: profgen <application directory>\n");
        return 2;
    }
    setAppDirOverride(QString::fromLocal8Bit(argv[1]));

    const QString product = readCurrentProductName();
    if (!ensureConfigFolders(product)) {
        std::fprintf(stderr, "profgen: cannot create the configuration folders\n");
        return 1;
    }

    MouseProfile profile;
    makeDefaultProfile(profile);
    writeDefaultProfileFile();

    const QSettings config(mainConfigPath(), QSettings::IniFormat);
    for (int i = 1; i <= kProfileCount; ++i) {
        const QString name = config.value(QStringLiteral("Config/Profile%1").arg(i)).toString();
        if (name.isEmpty()) continue;
        MouseProfile p = profile;
        p.ProfileName = name;
        if (!saveProfileByName(p, name)) {
            std::fprintf(stderr, "profgen: invalid profile name '%s'\n", qPrintable(name));
            return 1;
        }
    }

    if (!product.isEmpty()) {
        const QString folder = productProfileFolder(product);
        writeProfile(profile, folder + "DefaultProfile.prof");
        for (const QString& name : readProfileList()) {
            if (!isValidFileName(name)) {
                std::fprintf(stderr, "profgen: invalid list name '%s'\n", qPrintable(name));
                return 1;
            }
            MouseProfile p = profile;
            p.ProfileName = name;
            writeProfile(p, folder + name + ".prof");
        }
    }
    return 0;
}
