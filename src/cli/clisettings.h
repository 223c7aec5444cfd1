// The command-line tool's write commands: the DPI page's values and profile
// files, checked whole before anything reaches the mouse or the files.
#pragma once

#include "clicommands.h"

#include <QString>
#include <cstdio>
#include <memory>

class QLockFile;
class MouseSession;
class SingleInstance;

// One writer at a time: the window holds the program's instance lock while it
// runs; the tool takes it for the length of a write, queueing behind other
// tools on a lock of its own.
class DeviceBorrow;

class WriterLock {
public:
    WriterLock();
    ~WriterLock();
    // An empty message when the lock is held (or, while the window runs, its
    // mouse is borrowed), else why the write must not go ahead.
    QString take();

private:
    std::unique_ptr<QLockFile> m_queue;
    std::unique_ptr<SingleInstance> m_window;
    std::unique_ptr<DeviceBorrow> m_borrow; // the window's mouse, while it runs
};

// Whether `name` is one of the commands below.
bool isSettingCommand(const QString& name);
bool isProfileFile(const QString& path);  // *.prof
bool isSettingsFile(const QString& path); // *.conf
// Writes a profile file or a settings file from the saved settings; needs no mouse.
int runExportCommand(const CliOptions& options, FILE* out, FILE* err);
// Lists the saved macros or shows one's steps; needs no mouse.
int runMacroCommand(const CliOptions& options, FILE* out, FILE* err);
// Runs one of them against the opened mouse; prints and returns the exit code.
int runSettingCommand(const CliOptions& options, MouseSession& session, FILE* out, FILE* err);
