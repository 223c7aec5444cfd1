<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AppProfiles</name>
    <message>
        <source>The rules could not be saved.</source>
        <translation>The rules could not be saved.</translation>
    </message>
    <message>
        <source>The application&apos;s name is empty.</source>
        <translation>The application&apos;s name is empty.</translation>
    </message>
    <message>
        <source>An application&apos;s name is at most 128 characters long.</source>
        <translation>An application&apos;s name is at most 128 characters long.</translation>
    </message>
    <message>
        <source>An application&apos;s name cannot hold control characters or slashes.</source>
        <translation>An application&apos;s name cannot hold control characters or slashes.</translation>
    </message>
    <message>
        <source>The profile must be 1 to 5.</source>
        <translation>The profile must be 1 to 5.</translation>
    </message>
    <message>
        <source>There are already 500 rules; remove one first.</source>
        <translation>There are already 500 rules; remove one first.</translation>
    </message>
    <message>
        <source>There is no rule for this application.</source>
        <translation>There is no rule for this application.</translation>
    </message>
</context>
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Profiles for Applications</source>
        <translation>Profiles for Applications</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>Switch the profile with the application in front</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile of the selected rule:</source>
        <translation>Profile of the selected rule:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>New rule (application and profile):</source>
        <translation>New rule (application and profile):</translation>
    </message>
    <message>
        <source>Application, e.g. firefox</source>
        <translation>Application, e.g. firefox</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Other applications:</source>
        <translation>Other applications:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profile %1</translation>
    </message>
    <message>
        <source>Leave the profile as it is</source>
        <translation>Leave the profile as it is</translation>
    </message>
    <message>
        <source>Command that turns the extension on</source>
        <translation>Command that turns the extension on</translation>
    </message>
    <message>
        <source>Profile of the selected rule</source>
        <translation>Profile of the selected rule</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Remove the selected rule</translation>
    </message>
    <message>
        <source>Application of the new rule</source>
        <translation>Application of the new rule</translation>
    </message>
    <message>
        <source>Profile of the new rule</source>
        <translation>Profile of the new rule</translation>
    </message>
    <message>
        <source>Add the new rule</source>
        <translation>Add the new rule</translation>
    </message>
    <message>
        <source>Profile for other applications</source>
        <translation>Profile for other applications</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>The application in front is read from the active window of the X server.</source>
        <translation>The application in front is read from the active window of the X server.</translation>
    </message>
    <message>
        <source>The application in front is reported by the compositor.</source>
        <translation>The application in front is reported by the compositor.</translation>
    </message>
    <message>
        <source>The application in front is reported by KWin&apos;s script.</source>
        <translation>The application in front is reported by KWin&apos;s script.</translation>
    </message>
    <message>
        <source>The application in front is reported by the GNOME Shell extension.</source>
        <translation>The application in front is reported by the GNOME Shell extension.</translation>
    </message>
    <message>
        <source>The GNOME Shell extension that reports the application in front is off. Turn it on once with this command:</source>
        <translation>The GNOME Shell extension that reports the application in front is off. Turn it on once with this command:</translation>
    </message>
    <message>
        <source>GNOME Shell has not loaded the extension that reports the application in front yet. Log out and back in, then turn it on once with this command:</source>
        <translation>GNOME Shell has not loaded the extension that reports the application in front yet. Log out and back in, then turn it on once with this command:</translation>
    </message>
    <message>
        <source>This desktop does not tell applications which window is in front, so the rules cannot be followed here.</source>
        <translation>This desktop does not tell applications which window is in front, so the rules cannot be followed here.</translation>
    </message>
</context>
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Rapid fire %1, %2 times, %3 ms</source>
        <translation>Rapid fire %1, %2 times, %3 ms</translation>
    </message>
    <message>
        <source>%1 (macro missing)</source>
        <translation>%1 (macro missing)</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Button %1, %2</translation>
    </message>
    <message>
        <source>Scroll up, %1</source>
        <translation>Scroll up, %1</translation>
    </message>
    <message>
        <source>Scroll down, %1</source>
        <translation>Scroll down, %1</translation>
    </message>
</context>
<context>
    <name>ColorEditorDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>Color Edit</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Colour as hexadecimal RGB</source>
        <translation>Colour as hexadecimal RGB</translation>
    </message>
</context>
<context>
    <name>ComboKeyDialog</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Press the keys together</source>
        <translation>Press the keys together</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>CustomizePage</name>
    <message>
        <source>Button functions</source>
        <translation>Button functions</translation>
    </message>
</context>
<context>
    <name>DefaultColorArea</name>
    <message>
        <source>Colour %1</source>
        <translation>Colour %1</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse was found, but user %1 may not open it. Install the program&apos;s udev rule as %2 and plug the mouse in again, or, until the next replug, run:</source>
        <translation>The mouse was found, but user %1 may not open it. Install the program&apos;s udev rule as %2 and plug the mouse in again, or, until the next replug, run:</translation>
    </message>
</context>
<context>
    <name>DpiStagePanel</name>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Lights off while the mouse moves</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Sleep time, 1 minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Sleep time, %1 minutes</translation>
    </message>
</context>
<context>
    <name>DpiStageRow</name>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI stage %1</translation>
    </message>
    <message>
        <source>%1, link X and Y</source>
        <translation>%1, link X and Y</translation>
    </message>
    <message>
        <source>%1, X</source>
        <translation>%1, X</translation>
    </message>
    <message>
        <source>%1, Y</source>
        <translation>%1, Y</translation>
    </message>
    <message>
        <source>DPI stage %1, %2 DPI</source>
        <translation>DPI stage %1, %2 DPI</translation>
    </message>
    <message>
        <source>, current</source>
        <translation>, current</translation>
    </message>
    <message>
        <source>DPI stage %1 value</source>
        <translation>DPI stage %1 value</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2</source>
        <translation>Type a DPI from %1 to %2</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2; two values set X and Y apart</source>
        <translation>Type a DPI from %1 to %2; two values set X and Y apart</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Delay in ms</translation>
    </message>
</context>
<context>
    <name>GunFileDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>Y (+DOWN)</source>
        <translation>Y (+DOWN)</translation>
    </message>
    <message>
        <source>X (+RIGHT)</source>
        <translation>X (+RIGHT)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Invalid macro name.</translation>
    </message>
    <message>
        <source>Gun file name</source>
        <translation>Gun file name</translation>
    </message>
    <message>
        <source>Shot %1, delay in ms</source>
        <translation>Shot %1, delay in ms</translation>
    </message>
    <message>
        <source>Shot %1, move down</source>
        <translation>Shot %1, move down</translation>
    </message>
    <message>
        <source>Shot %1, move right</source>
        <translation>Shot %1, move right</translation>
    </message>
</context>
<context>
    <name>KestDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KestMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Stay</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Keys are taken while this dialog has focus</source>
        <translation>Keys are taken while this dialog has focus</translation>
    </message>
</context>
<context>
    <name>KitAccessible</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>LightingPanel</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontal WAVE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Raindrop</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbles</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Lights off while the mouse moves</translation>
    </message>
    <message>
        <source>Lighting effect</source>
        <translation>Lighting effect</translation>
    </message>
    <message>
        <source>Brightness, %1</source>
        <translation>Brightness, %1</translation>
    </message>
    <message>
        <source>Speed, %1</source>
        <translation>Speed, %1</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Sleep time, 1 minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Sleep time, %1 minutes</translation>
    </message>
</context>
<context>
    <name>MacroPanel</name>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be saved.</source>
        <translation>The macro &quot;%1&quot; could not be saved.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>The macro list could not be saved.</source>
        <translation>The macro list could not be saved.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Invalid macro name.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be renamed.</source>
        <translation>The macro &quot;%1&quot; could not be renamed.</translation>
    </message>
    <message>
        <source>Buttons using &quot;%1&quot;: %2. They would send an empty macro. Delete it anyway?</source>
        <translation>Buttons using &quot;%1&quot;: %2. They would send an empty macro. Delete it anyway?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be deleted.</source>
        <translation>The macro &quot;%1&quot; could not be deleted.</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>Not copied: %1</source>
        <translation>Not copied: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>A macro holds at most 63 steps.</source>
        <translation>A macro holds at most 63 steps.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>profile %1 wheel up</source>
        <translation>profile %1 wheel up</translation>
    </message>
    <message>
        <source>profile %1 wheel down</source>
        <translation>profile %1 wheel down</translation>
    </message>
    <message>
        <source>profile %1 second-row button %2</source>
        <translation>profile %1 second-row button %2</translation>
    </message>
    <message>
        <source>profile %1 button %2</source>
        <translation>profile %1 button %2</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Used by: %1</translation>
    </message>
    <message>
        <source>Keys are taken while this window has focus</source>
        <translation>Keys are taken while this window has focus</translation>
    </message>
    <message>
        <source>A delay must be between %1 and %2 ms.</source>
        <translation>A delay must be between %1 and %2 ms.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Macro steps</source>
        <translation>Macro steps</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>Macro name</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>Default delay in ms</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>Loop count</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Delay in ms</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Movement</translation>
    </message>
    <message>
        <source>Mouse command</source>
        <translation>Mouse command</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro(s) saved to %1</source>
        <translation>
            <numerusform>%n macro saved to %1</numerusform>
            <numerusform>%n macros saved to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MacroSelectDialog</name>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
</context>
<context>
    <name>MacroStepDelegate</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>mouse not connected</source>
        <translation>mouse not connected</translation>
    </message>
    <message>
        <source>Battery level</source>
        <translation>Battery level</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>The firmware updater could not be started.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Too many or too long macros for the mouse.</source>
        <translation>Too many or too long macros for the mouse.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>The profile does not exist.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>The configuration file could not be saved.</source>
        <translation>The configuration file could not be saved.</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>Invalid profile name.</translation>
    </message>
    <message>
        <source>The profile file could not be copied.</source>
        <translation>The profile file could not be copied.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>The profile file could not be saved.</source>
        <translation>The profile file could not be saved.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; was damaged and has been reset.</source>
        <translation>Profile &quot;%1&quot; was damaged and has been reset.</translation>
    </message>
    <message>
        <source>%1 is locked; changes to it are not saved.</source>
        <translation>%1 is locked; changes to it are not saved.</translation>
    </message>
    <message>
        <source>%1 was damaged; the damaged lines were removed.</source>
        <translation>%1 was damaged; the damaged lines were removed.</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 could not be saved.</translation>
    </message>
    <message>
        <source>The file is damaged and was not loaded.</source>
        <translation>The file is damaged and was not loaded.</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop</source>
        <translation>&amp;Start with the desktop</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Mouse battery very low: %1%, charge it now</source>
        <translation>Mouse battery very low: %1%, charge it now</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Mouse battery low: %1%</translation>
    </message>
    <message>
        <source>Changes not yet on the mouse</source>
        <translation>Changes not yet on the mouse</translation>
    </message>
    <message>
        <source>Your changes are not on the mouse yet. Apply them now?</source>
        <translation>Your changes are not on the mouse yet. Apply them now?</translation>
    </message>
    <message>
        <source>The command-line tool changed what you were also editing here; its values are kept: %1.</source>
        <translation>The command-line tool changed what you were also editing here; its values are kept: %1.</translation>
    </message>
    <message>
        <source>%1 was damaged and has been set aside; profiles no longer follow the application in front.</source>
        <translation>%1 was damaged and has been set aside; profiles no longer follow the application in front.</translation>
    </message>
    <message>
        <source>Profiles by Application</source>
        <translation>Profiles by Application</translation>
    </message>
    <message>
        <source>&amp;Profiles by Application...</source>
        <translation>&amp;Profiles by Application...</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <translation>Battery: %1</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Battery %1%</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>charging</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>receiver</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Writing the settings to the mouse</source>
        <translation>Writing the settings to the mouse</translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation>Profile settings</translation>
    </message>
    <message>
        <source>Apply the name</source>
        <translation>Apply the name</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>Applied to Profile %1</source>
        <translation>Applied to Profile %1</translation>
    </message>
    <message>
        <source>Not applied: the mouse did not take the settings</source>
        <translation>Not applied: the mouse did not take the settings</translation>
    </message>
    <message>
        <source>Copied as “%1”</source>
        <translation>Copied as “%1”</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Install access rule</source>
        <translation>Install access rule</translation>
    </message>
    <message>
        <source>The access rule is installed.</source>
        <translation>The access rule is installed.</translation>
    </message>
    <message>
        <source>The access rule was not installed.</source>
        <translation>The access rule was not installed.</translation>
    </message>
    <message>
        <source>The access rule could not be installed: %1</source>
        <translation>The access rule could not be installed: %1</translation>
    </message>
    <message>
        <source>The access rule is installed: plug the mouse in again.</source>
        <translation>The access rule is installed: plug the mouse in again.</translation>
    </message>
</context>
<context>
    <name>MouseActionTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
</context>
<context>
    <name>MouseView</name>
    <message>
        <source>Button: %1</source>
        <translation>Button: %1</translation>
    </message>
</context>
<context>
    <name>PointerSpeedPanel</name>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Enable sync</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Motion Wake</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Sensor Mode</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Competitive</source>
        <translation>Competitive</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mouse Setting</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <source>Pointer speed is set in the desktop&apos;s mouse settings</source>
        <translation>Pointer speed is set in the desktop&apos;s mouse settings</translation>
    </message>
    <message>
        <source>Key response, %1 ms</source>
        <translation>Key response, %1 ms</translation>
    </message>
    <message>
        <source>Lift distance, %1</source>
        <translation>Lift distance, %1</translation>
    </message>
    <message>
        <source>Sensor mode, %1</source>
        <translation>Sensor mode, %1</translation>
    </message>
</context>
<context>
    <name>ReportRatePanel</name>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Report rate</translation>
    </message>
    <message>
        <source>Lift-off distance, %1</source>
        <translation>Lift-off distance, %1</translation>
    </message>
</context>
<context>
    <name>SettingsMerge</name>
    <message>
        <source>the profile in use</source>
        <translation>the profile in use</translation>
    </message>
    <message>
        <source>angle snapping</source>
        <translation>angle snapping</translation>
    </message>
    <message>
        <source>lift-off distance</source>
        <translation>lift-off distance</translation>
    </message>
    <message>
        <source>motion sync</source>
        <translation>motion sync</translation>
    </message>
    <message>
        <source>the number of profiles in use</source>
        <translation>the number of profiles in use</translation>
    </message>
    <message>
        <source>jitter filter</source>
        <translation>jitter filter</translation>
    </message>
    <message>
        <source>key response time</source>
        <translation>key response time</translation>
    </message>
    <message>
        <source>motion wake</source>
        <translation>motion wake</translation>
    </message>
    <message>
        <source>sensor mode</source>
        <translation>sensor mode</translation>
    </message>
    <message>
        <source>the file of profile %1</source>
        <translation>the file of profile %1</translation>
    </message>
    <message>
        <source>the report rate of profile %1</source>
        <translation>the report rate of profile %1</translation>
    </message>
    <message>
        <source>the DPI stage in use in profile %1</source>
        <translation>the DPI stage in use in profile %1</translation>
    </message>
    <message>
        <source>DPI stage %2 of profile %1</source>
        <translation>DPI stage %2 of profile %1</translation>
    </message>
    <message>
        <source>the lighting of profile %1</source>
        <translation>the lighting of profile %1</translation>
    </message>
    <message>
        <source>the pointer settings of profile %1</source>
        <translation>the pointer settings of profile %1</translation>
    </message>
    <message>
        <source>button record %2 of profile %1</source>
        <translation>button record %2 of profile %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyDialog</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Press a key</source>
        <translation>Press a key</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
</context>
<context>
    <name>SkinDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
</context>
</TS>
