// Entry of the command-line tool: parse, run one command, exit with its code.
#include "clicommands.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));
    // Debug lines stay quiet unless asked for with QT_LOGGING_RULES; stdout
    // belongs to the answer.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    CliOptions options;
    QString error;
    if (!parseCommandLine(arguments, &options, &error)) {
        std::fprintf(stderr, "mousecfg-cli: %s\nTry 'mousecfg-cli --help'.\n", qPrintable(error));
        return kExitUsage;
    }
    return runCommand(options, stdout, stderr);
}
