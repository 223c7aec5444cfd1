// The command-line tool's commands: parsing, the mouse reading they share,
// and what each prints. Scripts depend on the exit codes and the output.
#pragma once

#include "batteryreading.h"

#include <QString>
#include <QStringList>
#include <cstdio>

enum ExitCode {
    kExitDone = 0,
    kExitUsage = 1,
    kExitNoMouse = 2,
    kExitAccessDenied = 3,
    kExitWriteFailed = 4,
    kExitBadFile = 5,
};

struct CliOptions {
    QString command; // empty with --help or --version
    QStringList args;
    bool json = false;
    bool help = false;
    bool version = false;
    QString configDir; // empty: the window's own folder
    int profile = -1;  // --profile, 0-based; -1: the current one
    int stage = -1;    // --stage, 0-based; -1: all stages
};

// Parses argv (without the program name). On a usage error returns false
// with the message in `error`.
bool parseCommandLine(const QStringList& arguments, CliOptions* options, QString* error);

QString usageText();

// What the tool knows about one connected mouse.
struct MouseReading {
    QString name;
    bool cable = false;    // reached through the cable (else the receiver)
    bool answered = false; // the battery poll was answered (else asleep or off)
    BatteryReport battery;
    int level = 0;    // 10-100
    int profile = 0;  // 0-4
    int dpiStage = 0; // 0-based
    int dpi = 0;
    int rateHz = 0;
};

// One line for status bars: "85% charging", or "off" when the mouse sleeps.
QString batteryLine(const MouseReading& m);
QString statusLine(const MouseReading& m);
QByteArray batteryJson(const MouseReading& m);
QByteArray statusJson(const MouseReading& m);

// Runs a parsed command; prints to `out` and `err`, returns the exit code.
int runCommand(const CliOptions& options, FILE* out, FILE* err);
