#include "deviceaccess.h"

#include <QCoreApplication>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

QString currentUserName() {
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("$USER") : user;
}

QString shellQuoted(const QString& word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(word).hasMatch()) return word;
    QString out = word;
    out.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString accessDeniedText(const QStringList& paths, const QString& user) {
    QString command = QStringLiteral("sudo setfacl -m ") + shellQuoted("u:" + user + ":rw");
    for (const QString& p : paths)
        command += QLatin1Char(' ') + shellQuoted(p);
    return QCoreApplication::translate("DeviceAccess",
                                       "The mouse was found, but user %1 may not open it. Install "
                                       "the program's udev rule as %2 and plug the mouse in "
                                       "again, or, until the next replug, run:")
               .arg(user, QLatin1String(kUdevRulePath)) +
           QLatin1Char('\n') + command;
}
