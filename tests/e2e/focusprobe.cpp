// Runs the program's focus watch in the session it is started in and prints
// what it sees, one line each: "source <name>", "focus <app id>|<class>|
// <instance>|<executable>", then "running <app id or instance>;...".
#include "focuswatch.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    FocusWatch watch;
    const auto say = [](const QString& line) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    QObject::connect(&watch, &FocusWatch::sourceChanged, [&](FocusWatch::Source s) {
        say(QStringLiteral("source ") + QLatin1String(focusSourceName(s)));
    });
    QObject::connect(&watch, &FocusWatch::focusChanged, [&](const FocusedApp& a) {
        say(QStringLiteral("focus ") +
            QStringList{a.appId, a.windowClass, a.instance, a.executable}.join('|'));
        QStringList running;
        for (const FocusedApp& r : watch.running())
            running << (r.appId.isEmpty() ? r.instance : r.appId);
        say(QStringLiteral("running ") + running.join(';'));
    });
    watch.start();
    return app.exec();
}
