// Starting the program with the desktop session: an entry in the user's XDG
// autostart folder that starts it hidden in the tray.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// $XDG_CONFIG_HOME/autostart/<application id>.desktop
QString autostartEntryPath();

// The entry's text for the command `program args...`.
QByteArray autostartEntry(const QString& program, const QStringList& args);

// Whether an entry of this program is there and not switched off.
bool autostartEnabled();

// Writes (atomically) or removes the entry. False when that failed.
bool setAutostart(bool on, const QString& program, const QStringList& args);
