<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>KestComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Press the keys together</source>
        <translation>Press the keys together</translation>
    </message>
</context>
<context>
    <name>KestDPIWindow</name>
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
</context>
<context>
    <name>KestFireKeyWindow</name>
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
</context>
<context>
    <name>KestMacroSelect</name>
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
</context>
<context>
    <name>KestPointSpeed</name>
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
</context>
<context>
    <name>KestReportRate</name>
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
</context>
<context>
    <name>KestSingleDPI</name>
    <message>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
</context>
<context>
    <name>KestSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Press a key</source>
        <translation>Press a key</translation>
    </message>
</context>
<context>
    <name>KestSkinDialog</name>
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
    <name>KestSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
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
</context>
</TS>
