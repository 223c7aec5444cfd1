#include "appprofiles.h"

#include "inifile.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const char kSuffix[] = ".desktop";

bool validProfile(int profile) {
    return profile >= 0 && profile < 5;
}

int indexOf(const AppProfiles& rules, const QString& app) {
    for (int i = 0; i < rules.rules.size(); ++i)
        if (rules.rules[i].app == app) return i;
    return -1;
}

// What a file's values mean, or false when one of them is not ours.
bool parse(const IniFile& ini, AppProfiles& rules) {
    const QString enabled =
        ini.value(QStringLiteral("AppProfiles/Enabled"), QStringLiteral("false"))
            .toString()
            .toLower();
    if (enabled != QLatin1String("true") && enabled != QLatin1String("false")) return false;
    rules.enabled = enabled == QLatin1String("true");
    bool ok = false;
    const int def = ini.value(QStringLiteral("AppProfiles/Default"), 0).toString().toInt(&ok);
    if (!ok || def < 0 || def > 5) return false;
    rules.defaultProfile = def - 1;
    const int size = ini.value(QStringLiteral("Rules/size"), 0).toString().toInt(&ok);
    if (!ok || size < 0 || size > kMaxAppRules) return false;
    for (int i = 1; i <= size; ++i) {
        const QString app = ini.value(QStringLiteral("Rules/%1/App").arg(i)).toString();
        const int profile =
            ini.value(QStringLiteral("Rules/%1/Profile").arg(i)).toString().toInt(&ok) - 1;
        // A rule the program would not have written is a damaged file.
        if (!ok || setAppRule(rules, app, profile) || rules.rules.size() != i) return false;
    }
    return true;
}

} // namespace

const char* appIdProblem(const QString& id) {
    const QString t = id.trimmed();
    if (t.isEmpty()) return QT_TRANSLATE_NOOP("AppProfiles", "The application's name is empty.");
    if (t.size() > kMaxAppIdLength)
        return QT_TRANSLATE_NOOP("AppProfiles",
                                 "An application's name is at most 128 characters long.");
    for (const QChar c : t) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Other_Control || cat == QChar::Other_Format ||
            cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph ||
            c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QT_TRANSLATE_NOOP(
                "AppProfiles", "An application's name cannot hold control characters or slashes.");
    }
    return nullptr;
}

QString normalizedAppId(const QString& id) {
    if (appIdProblem(id)) return QString();
    QString n = id.trimmed().toCaseFolded();
    if (n.endsWith(QLatin1String(kSuffix)) && n.size() > int(sizeof kSuffix) - 1)
        n.chop(int(sizeof kSuffix) - 1);
    return n;
}

QStringList appIdsOf(const FocusedApp& app) {
    QStringList ids;
    auto add = [&ids](const QString& id) {
        const QString n = normalizedAppId(id);
        if (!n.isEmpty() && !ids.contains(n)) ids << n;
    };
    add(app.appId);
    // "org.example.Game" is also known as "game".
    const QString appId = normalizedAppId(app.appId);
    const int dot = appId.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && dot + 1 < appId.size()) add(appId.mid(dot + 1));
    add(app.windowClass);
    add(app.instance);
    add(app.executable);
    return ids;
}

int ruleFor(const AppProfiles& rules, const QString& app) {
    const int i = indexOf(rules, app);
    return i < 0 ? kLeaveProfile : rules.rules[i].profile;
}

int profileForApp(const AppProfiles& rules, const FocusedApp& app) {
    if (!rules.enabled) return kLeaveProfile;
    for (const QString& id : appIdsOf(app)) {
        const int profile = ruleFor(rules, id);
        if (profile != kLeaveProfile) return profile;
    }
    return rules.defaultProfile;
}

const char* setAppRule(AppProfiles& rules, const QString& app, int profile) {
    if (const char* problem = appIdProblem(app)) return problem;
    if (!validProfile(profile))
        return QT_TRANSLATE_NOOP("AppProfiles", "The profile must be 1 to 5.");
    const QString id = normalizedAppId(app);
    const int i = indexOf(rules, id);
    if (i >= 0) {
        rules.rules[i].profile = profile;
        return nullptr;
    }
    if (rules.rules.size() >= kMaxAppRules)
        return QT_TRANSLATE_NOOP("AppProfiles", "There are already 500 rules; remove one first.");
    rules.rules.append({id, profile});
    return nullptr;
}

const char* removeAppRule(AppProfiles& rules, const QString& app) {
    const int i = indexOf(rules, normalizedAppId(app));
    if (i < 0) return QT_TRANSLATE_NOOP("AppProfiles", "There is no rule for this application.");
    rules.rules.removeAt(i);
    return nullptr;
}

const char* setDefaultAppProfile(AppProfiles& rules, int profile) {
    if (profile != kLeaveProfile && !validProfile(profile))
        return QT_TRANSLATE_NOOP("AppProfiles", "The profile must be 1 to 5.");
    rules.defaultProfile = profile;
    return nullptr;
}

QString appProfilesPath() {
    return configDir() + QStringLiteral("/AppProfiles.ini");
}

AppProfilesRead readAppProfiles(AppProfiles& rules, const QString& path) {
    rules = AppProfiles();
    if (!QFileInfo::exists(path)) return AppProfilesRead::Missing;
    AppProfiles read;
    const bool fine = [&] {
        const IniFile ini(path, IniFile::Refuse);
        return ini.intact() && parse(ini, read);
    }();
    if (fine) {
        rules = read;
        return AppProfilesRead::Read;
    }
    // Kept for the user to look at; the rules start again, switched off.
    QFile::rename(path, freeDamagedName(path));
    addFileNotice(FileNotice::RulesSetAside, path);
    return AppProfilesRead::Damaged;
}

bool writeAppProfiles(const AppProfiles& rules, const QString& path) {
    if (!ensureParentFolder(path)) return false;
    // QSettings writes the text so that it quotes and escapes names exactly
    // as the reader expects them; the file itself is replaced whole.
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/mousecfg-rules.XXXXXX"));
    if (!scratch.isValid()) return false;
    const QString draft = scratch.filePath(QStringLiteral("rules.ini"));
    {
        QSettings ini(draft, QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        ini.setIniCodec("UTF-8");
#endif
        ini.setValue(QStringLiteral("AppProfiles/Enabled"), rules.enabled);
        ini.setValue(QStringLiteral("AppProfiles/Default"), rules.defaultProfile + 1);
        ini.beginWriteArray(QStringLiteral("Rules"), int(rules.rules.size()));
        for (int i = 0; i < rules.rules.size(); ++i) {
            ini.setArrayIndex(i);
            ini.setValue(QStringLiteral("App"), rules.rules[i].app);
            ini.setValue(QStringLiteral("Profile"), rules.rules[i].profile + 1);
        }
        ini.endArray();
        ini.sync();
        if (ini.status() != QSettings::NoError) return false;
    }
    QFile f(draft);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return writeIniText(path, f.readAll());
}
