// The guided install of the udev rule that gives the user at the seat the
// mouse: the helper shipped beside the program, run as root through pkexec.
#pragma once

#include <QObject>
#include <QStringList>

class QProcess;

// The folders udev reads rules from that a rule of ours may be in: the
// administrator's and the packages'.
QStringList udevRuleFolders();
// Whether a rule of ours is in one of `folders`.
bool accessRuleInstalled(const QStringList& folders = udevRuleFolders());
// The helper that installs the rule; empty when this copy has none.
QString accessRuleHelper();

class AccessRuleInstall : public QObject {
    Q_OBJECT
public:
    enum Outcome {
        Installed, // written and applied: the mouse opens at the next try
        Declined,  // the user dismissed the authentication
        Failed,    // pkexec or the helper failed; the detail says why
    };
    Q_ENUM(Outcome)

    explicit AccessRuleInstall(QObject* parent = nullptr);

    // Whether a notice may offer the install: pkexec and the helper are
    // there, no rule of ours is installed, and none is being installed.
    bool offered() const;
    bool running() const;
    // Starts `pkexec <helper> install`; finished() follows.
    void start();

signals:
    void finished(AccessRuleInstall::Outcome outcome, const QString& detail);

private:
    void onFinished(int exitCode, bool crashed);

    QProcess* m_process = nullptr;
};
