#include "accessrule.h"

#include "deviceaccess.h"
#include "paths.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr char kHelperName[] = "mousecfg-udev-rule";
// pkexec's own exit status when the user dismissed the authentication.
constexpr int kPkexecDismissed = 126;
} // namespace

QStringList udevRuleFolders() {
    return {QStringLiteral("/etc/udev/rules.d"), QFileInfo(QLatin1String(kUdevRulePath)).path()};
}

bool accessRuleInstalled(const QStringList& folders) {
    const QString name = QFileInfo(QLatin1String(kUdevRulePath)).fileName();
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + QLatin1Char('/') + name)) return true;
    return false;
}

QString accessRuleHelper() {
    const QFileInfo helper(companionDir() + QLatin1Char('/') + QLatin1String(kHelperName));
    return helper.isFile() && helper.isExecutable() ? helper.absoluteFilePath() : QString();
}

AccessRuleInstall::AccessRuleInstall(QObject* parent) : QObject(parent) {}

bool AccessRuleInstall::offered() const {
    return !running() && !QStandardPaths::findExecutable(QStringLiteral("pkexec")).isEmpty() &&
           !accessRuleHelper().isEmpty() && !accessRuleInstalled();
}

bool AccessRuleInstall::running() const {
    return m_process && m_process->state() != QProcess::NotRunning;
}

void AccessRuleInstall::start() {
    if (running()) return;
    delete m_process;
    m_process = new QProcess(this);
    // The helper's messages say why it failed; pkexec's own ones too.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int code, QProcess::ExitStatus status) {
                onFinished(code, status == QProcess::CrashExit);
            });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) onFinished(-1, false);
    });
    // The full path: the polkit action names the helper by it.
    m_process->start(QStandardPaths::findExecutable(QStringLiteral("pkexec")),
                     {accessRuleHelper(), QStringLiteral("install")});
}

void AccessRuleInstall::onFinished(int exitCode, bool crashed) {
    const QString output = QString::fromLocal8Bit(m_process->readAll()).trimmed();
    if (!crashed && exitCode == 0) {
        emit finished(Installed, QString());
    } else if (!crashed && exitCode == kPkexecDismissed) {
        emit finished(Declined, QString());
    } else {
        emit finished(Failed, output.isEmpty() ? m_process->errorString() : output);
    }
}
