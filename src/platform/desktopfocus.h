// The pieces of focus telling that live inside the desktop itself: a KWin
// script loaded over KWin's scripting interface, and a GNOME Shell extension
// the user enables once. Both call the program's D-Bus focus method.
#pragma once

#include <QString>

// The GNOME Shell extension's id, as `gnome-extensions enable` takes it.
constexpr const char kGnomeFocusExtension[] = "focus@mousecfg.io";
// The KWin script's plugin name.
constexpr const char kKWinFocusScript[] = "mousecfg-focus";

// True on a KDE Plasma session whose KWin answers on the session bus.
bool kwinScriptingAvailable();
// Loads (or reloads) the shipped KWin script and runs it. False when KWin
// refused it or the script file is missing.
bool startKWinFocusScript();
// Unloads it again (on quit).
void stopKWinFocusScript();

enum class GnomeExtensionState { NotGnome, Missing, Disabled, Enabled };
// Asks GNOME Shell over D-Bus whether the shipped extension is installed and on.
GnomeExtensionState gnomeFocusExtensionState();
