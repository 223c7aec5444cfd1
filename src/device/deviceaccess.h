// Why the mouse could not be opened, and what the user can do when this user
// may not open its nodes.
#pragma once

#include <QString>
#include <QStringList>

enum class MouseAccess {
    NotFound, // no complete connection of the mouse, or its nodes vanished
    Denied,   // found, but its nodes refused this user
    Open,     // a command collection is open
};

struct AccessDiagnosis {
    MouseAccess access = MouseAccess::NotFound;
    QStringList deniedPaths; // each refused node once, in the order tried
};

// Where the package puts the rule that gives users the mouse's nodes.
constexpr char kUdevRulePath[] = "/usr/lib/udev/rules.d/60-mousecfg.rules";

// The outcome of the last OpenDeviceByName().
AccessDiagnosis lastOpenDiagnosis();

// The user this process runs as.
QString currentUserName();

// The notice for nodes `paths` that `user` may not open: the rule to install,
// or the command that opens them to the user until the next replug. The
// command is quoted for a shell and stays untranslated.
QString accessDeniedText(const QStringList& paths, const QString& user);

// `word` as one shell word: unchanged when it needs no quoting.
QString shellQuoted(const QString& word);
