// Which on-mouse profile follows which application in front: the rules, their
// file, and the one lookup and the one set of edits the window and the tool
// both use.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Bounds on what a rules file, a caller or a typed name may hand us.
constexpr int kMaxAppRules = 500;
constexpr int kMaxAppIdLength = 128;
constexpr int kLeaveProfile = -1; // the default that leaves the profile as it is

// One application's profile; `app` is already normalised.
struct AppRule {
    QString app;
    int profile = 0; // 0-4
    bool operator==(const AppRule& o) const { return app == o.app && profile == o.profile; }
};

struct AppProfiles {
    bool enabled = false;
    int defaultProfile = kLeaveProfile; // 0-4, or kLeaveProfile
    QList<AppRule> rules;               // at most kMaxAppRules, no id twice
    bool operator==(const AppProfiles& o) const {
        return enabled == o.enabled && defaultProfile == o.defaultProfile && rules == o.rules;
    }
};

// The application in front as a focus source saw it. Any field may be empty.
struct FocusedApp {
    QString windowClass; // X11 WM_CLASS class, or KWin's resource class
    QString instance;    // X11 WM_CLASS instance, or KWin's resource name
    QString appId;       // Wayland app id / desktop-file id
    QString executable;  // base name of the process's executable
    qint64 pid = 0;
    bool operator==(const FocusedApp& o) const {
        return windowClass == o.windowClass && instance == o.instance && appId == o.appId &&
               executable == o.executable && pid == o.pid;
    }
    bool operator!=(const FocusedApp& o) const { return !(*this == o); }
};

// Case folded, trimmed, without a ".desktop" ending. Empty for an id that is
// unusable (see appIdProblem).
QString normalizedAppId(const QString& id);
// Why `id` cannot be a rule's application (untranslated, for
// QCoreApplication::translate("AppProfiles", ...)), or nullptr when it can.
const char* appIdProblem(const QString& id);
// Every normalised id `app` answers to, most specific first: the app id with
// and without its reverse-DNS prefix, the window class and instance, the
// executable. No duplicates, no unusable ids.
QStringList appIdsOf(const FocusedApp& app);
// The profile (0-4) for `app`: its first matching rule, else the default.
// kLeaveProfile when switched off or when nothing applies.
int profileForApp(const AppProfiles& rules, const FocusedApp& app);
// The rule's profile for exactly this normalised id, or kLeaveProfile.
int ruleFor(const AppProfiles& rules, const QString& app);

// Edits. Each returns nullptr when done, else the problem (untranslated,
// context "AppProfiles"); `rules` is unchanged on a problem.
const char* setAppRule(AppProfiles& rules, const QString& app, int profile);
const char* removeAppRule(AppProfiles& rules, const QString& app);
const char* setDefaultAppProfile(AppProfiles& rules, int profile); // 0-4 or kLeaveProfile

// "<config>/AppProfiles.ini".
QString appProfilesPath();
enum class AppProfilesRead { Read, Missing, Damaged };
// A damaged file (hostile values, bad ids or profiles, too many rules) is
// kept aside as "<file>.damaged", noted once for the user, and reads as
// rules switched off.
AppProfilesRead readAppProfiles(AppProfiles& rules, const QString& path = appProfilesPath());
// Replaces the file whole; false when it could not be written.
bool writeAppProfiles(const AppProfiles& rules, const QString& path = appProfilesPath());
