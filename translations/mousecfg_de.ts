<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppProfiles</name>
    <message>
        <source>The rules could not be saved.</source>
        <translation>Die Regeln konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The application&apos;s name is empty.</source>
        <translation>Der Name der Anwendung ist leer.</translation>
    </message>
    <message>
        <source>An application&apos;s name is at most 128 characters long.</source>
        <translation>Der Name einer Anwendung hat höchstens 128 Zeichen.</translation>
    </message>
    <message>
        <source>An application&apos;s name cannot hold control characters or slashes.</source>
        <translation>Der Name einer Anwendung darf keine Steuerzeichen oder Schrägstriche enthalten.</translation>
    </message>
    <message>
        <source>The profile must be 1 to 5.</source>
        <translation>Das Profil muss zwischen 1 und 5 liegen.</translation>
    </message>
    <message>
        <source>There are already 500 rules; remove one first.</source>
        <translation>Es gibt bereits 500 Regeln; entfernen Sie zuerst eine.</translation>
    </message>
    <message>
        <source>There is no rule for this application.</source>
        <translation>Für diese Anwendung gibt es keine Regel.</translation>
    </message>
</context>
<context>
    <name>AppRulesDialog</name>
    <message>
        <source>Profiles for Applications</source>
        <translation>Profile für Anwendungen</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>Profil mit der Anwendung im Vordergrund wechseln</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile of the selected rule:</source>
        <translation>Profil der gewählten Regel:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>New rule (application and profile):</source>
        <translation>Neue Regel (Anwendung und Profil):</translation>
    </message>
    <message>
        <source>Application, e.g. firefox</source>
        <translation>Anwendung, z. B. firefox</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Other applications:</source>
        <translation>Andere Anwendungen:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>Leave the profile as it is</source>
        <translation>Profil nicht ändern</translation>
    </message>
    <message>
        <source>Command that turns the extension on</source>
        <translation>Befehl, der die Erweiterung einschaltet</translation>
    </message>
    <message>
        <source>Profile of the selected rule</source>
        <translation>Profil der gewählten Regel</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <translation>Gewählte Regel entfernen</translation>
    </message>
    <message>
        <source>Application of the new rule</source>
        <translation>Anwendung der neuen Regel</translation>
    </message>
    <message>
        <source>Profile of the new rule</source>
        <translation>Profil der neuen Regel</translation>
    </message>
    <message>
        <source>Add the new rule</source>
        <translation>Neue Regel hinzufügen</translation>
    </message>
    <message>
        <source>Profile for other applications</source>
        <translation>Profil für andere Anwendungen</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>The application in front is read from the active window of the X server.</source>
        <translation>Die Anwendung im Vordergrund wird aus dem aktiven Fenster des X-Servers gelesen.</translation>
    </message>
    <message>
        <source>The application in front is reported by the compositor.</source>
        <translation>Der Compositor meldet die Anwendung im Vordergrund.</translation>
    </message>
    <message>
        <source>The application in front is reported by KWin&apos;s script.</source>
        <translation>Das KWin-Skript meldet die Anwendung im Vordergrund.</translation>
    </message>
    <message>
        <source>The application in front is reported by the GNOME Shell extension.</source>
        <translation>Die GNOME-Shell-Erweiterung meldet die Anwendung im Vordergrund.</translation>
    </message>
    <message>
        <source>The GNOME Shell extension that reports the application in front is off. Turn it on once with this command:</source>
        <translation>Die GNOME-Shell-Erweiterung, die die Anwendung im Vordergrund meldet, ist aus. Schalten Sie sie einmal mit diesem Befehl ein:</translation>
    </message>
    <message>
        <source>GNOME Shell has not loaded the extension that reports the application in front yet. Log out and back in, then turn it on once with this command:</source>
        <translation>GNOME Shell hat die Erweiterung, die die Anwendung im Vordergrund meldet, noch nicht geladen. Melden Sie sich ab und wieder an und schalten Sie sie dann einmal mit diesem Befehl ein:</translation>
    </message>
    <message>
        <source>This desktop does not tell applications which window is in front, so the rules cannot be followed here.</source>
        <translation>Diese Arbeitsumgebung teilt Anwendungen nicht mit, welches Fenster im Vordergrund ist; die Regeln können hier nicht befolgt werden.</translation>
    </message>
</context>
<context>
    <name>ButtonPanel</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Die linke Taste kann keine Schussfunktion sein.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Schussdateien</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>LED an/aus</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser: zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: vor</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser: stopp</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: neu laden</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser: suchen</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser: Favoriten</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>DAUERFEUER</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI wechseln</translation>
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
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate wechseln</translation>
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
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Rapid fire %1, %2 times, %3 ms</source>
        <translation>Dauerfeuer %1, %2-mal, %3 ms</translation>
    </message>
    <message>
        <source>%1 (macro missing)</source>
        <translation>%1 (Makro fehlt)</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Button %1, %2</source>
        <translation>Taste %1, %2</translation>
    </message>
    <message>
        <source>Scroll up, %1</source>
        <translation>Nach oben scrollen, %1</translation>
    </message>
    <message>
        <source>Scroll down, %1</source>
        <translation>Nach unten scrollen, %1</translation>
    </message>
</context>
<context>
    <name>ColorEditorDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Colour as hexadecimal RGB</source>
        <translation>Farbe als hexadezimales RGB</translation>
    </message>
</context>
<context>
    <name>ComboKeyDialog</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Press the keys together</source>
        <translation>Tasten gemeinsam drücken</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>CustomizePage</name>
    <message>
        <source>Button functions</source>
        <translation>Tastenfunktionen</translation>
    </message>
</context>
<context>
    <name>DefaultColorArea</name>
    <message>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse was found, but user %1 may not open it. Install the program&apos;s udev rule as %2 and plug the mouse in again, or, until the next replug, run:</source>
        <translation>Die Maus wurde gefunden, aber Benutzer %1 darf sie nicht öffnen. Installieren Sie die udev-Regel des Programms als %2 und stecken Sie die Maus neu ein, oder führen Sie bis zum nächsten Einstecken aus:</translation>
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
        <translation>RUHEZUSTAND NACH</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LED AUS BEI BEWEGUNG</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MIN.</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Licht aus, während die Maus bewegt wird</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Ruhezeit, 1 Minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Ruhezeit, %1 Minuten</translation>
    </message>
</context>
<context>
    <name>DpiStageRow</name>
    <message>
        <source>Link XY</source>
        <translation>XY gleich</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI-Stufe %1</translation>
    </message>
    <message>
        <source>%1, link X and Y</source>
        <translation>%1, X und Y verbinden</translation>
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
        <translation>DPI-Stufe %1, %2 DPI</translation>
    </message>
    <message>
        <source>, current</source>
        <translation>, aktuell</translation>
    </message>
    <message>
        <source>DPI stage %1 value</source>
        <translation>DPI-Stufe %1, Wert</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2</source>
        <translation>DPI von %1 bis %2 eingeben</translation>
    </message>
    <message>
        <source>Type a DPI from %1 to %2; two values set X and Y apart</source>
        <translation>DPI von %1 bis %2 eingeben; zwei Werte setzen X und Y getrennt</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Schnellfeuer</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Verzögerung in ms</translation>
    </message>
</context>
<context>
    <name>GunFileDialog</name>
    <message>
        <source>Gun Set</source>
        <translation>Schusseinstellung</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>SCHUSSEINSTELLUNG</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NAME DER SCHUSSDATEI</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>VERZÖG. (MS)</translation>
    </message>
    <message>
        <source>Y (+DOWN)</source>
        <translation>Y (+UNTEN)</translation>
    </message>
    <message>
        <source>X (+RIGHT)</source>
        <translation>X (+RECHTS)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte einen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Ungültiger Makroname.</translation>
    </message>
    <message>
        <source>Gun file name</source>
        <translation>Name der Gun-Datei</translation>
    </message>
    <message>
        <source>Shot %1, delay in ms</source>
        <translation>Schuss %1, Verzögerung in ms</translation>
    </message>
    <message>
        <source>Shot %1, move down</source>
        <translation>Schuss %1, nach unten</translation>
    </message>
    <message>
        <source>Shot %1, move right</source>
        <translation>Schuss %1, nach rechts</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KestMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Bleiben</translation>
    </message>
</context>
<context>
    <name>KeyCaptureDialog</name>
    <message>
        <source>Keys are taken while this dialog has focus</source>
        <translation>Tasten nur, solange dieser Dialog aktiv ist</translation>
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
        <translation>AUS</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-FARBEN-ATMEN</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>BLITZ</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontale Welle</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal spurlos</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>GESCHWINDIGKEIT</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZUSTAND NACH</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LED AUS BEI BEWEGUNG</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> MIN.</translation>
    </message>
    <message>
        <source>Lights off while the mouse moves</source>
        <translation>Licht aus, während die Maus bewegt wird</translation>
    </message>
    <message>
        <source>Lighting effect</source>
        <translation>Lichteffekt</translation>
    </message>
    <message>
        <source>Brightness, %1</source>
        <translation>Helligkeit, %1</translation>
    </message>
    <message>
        <source>Speed, %1</source>
        <translation>Geschwindigkeit, %1</translation>
    </message>
    <message>
        <source>Sleep time, 1 minute</source>
        <translation>Ruhezeit, 1 Minute</translation>
    </message>
    <message>
        <source>Sleep time, %1 minutes</source>
        <translation>Ruhezeit, %1 Minuten</translation>
    </message>
</context>
<context>
    <name>MacroPanel</name>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>ANFANG</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>PAUSE EINF.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>SCHUSSEINST.</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
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
        <translation>STOPP</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOL. (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERH. SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>WIEDERH. BIS ZUM DRÜCKEN</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>PAUSEN AUFZEICHNEN</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>STANDARDPAUSE</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>PAUSE(ms)</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be saved.</source>
        <translation>Das Makro „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS ZUM ANLEGEN!</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>The macro list could not be saved.</source>
        <translation>Die Makroliste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Invalid macro name.</source>
        <translation>Ungültiger Makroname.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be renamed.</source>
        <translation>Das Makro „%1“ konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Buttons using &quot;%1&quot;: %2. They would send an empty macro. Delete it anyway?</source>
        <translation>Tasten mit „%1“: %2. Sie würden ein leeres Makro senden. Trotzdem löschen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; could not be deleted.</source>
        <translation>Das Makro „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Makro existiert bereits!</translation>
    </message>
    <message>
        <source>Not copied: %1</source>
        <translation>Nicht kopiert: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <source>A macro holds at most 63 steps.</source>
        <translation>Ein Makro fasst höchstens 63 Schritte.</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>EINE ODER MEHRERE TASTEN WURDEN NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <source>profile %1 wheel up</source>
        <translation>Profil %1 Rad hoch</translation>
    </message>
    <message>
        <source>profile %1 wheel down</source>
        <translation>Profil %1 Rad runter</translation>
    </message>
    <message>
        <source>profile %1 second-row button %2</source>
        <translation>Profil %1 Taste %2 der zweiten Reihe</translation>
    </message>
    <message>
        <source>profile %1 button %2</source>
        <translation>Profil %1 Taste %2</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Verwendet von: %1</translation>
    </message>
    <message>
        <source>Keys are taken while this window has focus</source>
        <translation>Tasten nur, solange dieses Fenster aktiv ist</translation>
    </message>
    <message>
        <source>A delay must be between %1 and %2 ms.</source>
        <translation>Eine Pause muss zwischen %1 und %2 ms liegen.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Macro steps</source>
        <translation>Makroschritte</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>Makroname</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>Standardverzögerung in ms</translation>
    </message>
    <message>
        <source>Loop count</source>
        <translation>Anzahl der Durchläufe</translation>
    </message>
    <message>
        <source>Delay in ms</source>
        <translation>Verzögerung in ms</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Mouse command</source>
        <translation>Mausbefehl</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro(s) saved to %1</source>
        <translation>
            <numerusform>%n Makro gespeichert unter %1</numerusform>
            <numerusform>%n Makros gespeichert unter %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MacroSelectDialog</name>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN, SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ZUM NÄCHSTEN DRUCK</translation>
    </message>
</context>
<context>
    <name>MacroStepDelegate</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ADD</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTIEREN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTIEREN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LICHT</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Mit Eingabetaste übernehmen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Einstellungen öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>mouse not connected</source>
        <translation>Maus nicht verbunden</translation>
    </message>
    <message>
        <source>Battery level</source>
        <translation>Akkustand</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Verbinden Sie die Maus zum Aktualisieren der Firmware per Kabel mit dem Computer.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Das Firmware-Update-Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus ist im Ruhezustand oder nicht verbunden.</translation>
    </message>
    <message>
        <source>Too many or too long macros for the mouse.</source>
        <translation>Zu viele oder zu lange Makros für die Maus.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden der Daten fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Das Profil existiert nicht.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann nicht gelöscht oder umbenannt werden.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Möchten Sie wirklich alle Profile zurücksetzen?</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profildatei (*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdatei (*.conf)</translation>
    </message>
    <message>
        <source>The configuration file could not be saved.</source>
        <translation>Die Konfigurationsdatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Invalid profile name.</source>
        <translation>Ungültiger Profilname.</translation>
    </message>
    <message>
        <source>The profile file could not be copied.</source>
        <translation>Die Profildatei konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profil existiert bereits!</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>The profile file could not be saved.</source>
        <translation>Die Profildatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Profile &quot;%1&quot; was damaged and has been reset.</source>
        <translation>Profil „%1“ war beschädigt und wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>%1 is locked; changes to it are not saved.</source>
        <translation>%1 ist gesperrt; Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was damaged; the damaged lines were removed.</source>
        <translation>%1 war beschädigt; die beschädigten Zeilen wurden entfernt.</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The file is damaged and was not loaded.</source>
        <translation>Die Datei ist beschädigt und wurde nicht geladen.</translation>
    </message>
    <message>
        <source>&amp;Start with the desktop</source>
        <translation>Mit dem &amp;Desktop starten</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Mouse battery very low: %1%, charge it now</source>
        <translation>Akku der Maus fast leer: %1&#xa0;%, jetzt aufladen</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>Akku der Maus schwach: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Changes not yet on the mouse</source>
        <translation>Änderungen noch nicht auf der Maus</translation>
    </message>
    <message>
        <source>Your changes are not on the mouse yet. Apply them now?</source>
        <translation>Ihre Änderungen sind noch nicht auf der Maus. Jetzt anwenden?</translation>
    </message>
    <message>
        <source>The command-line tool changed what you were also editing here; its values are kept: %1.</source>
        <translation>Das Befehlszeilenwerkzeug hat geändert, was Sie hier ebenfalls bearbeitet haben; seine Werte bleiben: %1.</translation>
    </message>
    <message>
        <source>%1 was damaged and has been set aside; profiles no longer follow the application in front.</source>
        <translation>%1 war beschädigt und wurde beiseitegelegt; die Profile folgen nicht mehr der Anwendung im Vordergrund.</translation>
    </message>
    <message>
        <source>Profiles by Application</source>
        <translation>Profile nach Anwendung</translation>
    </message>
    <message>
        <source>&amp;Profiles by Application...</source>
        <translation>&amp;Profile nach Anwendung...</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <translation>Akku: %1</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Akku %1%</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>lädt</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Writing the settings to the mouse</source>
        <translation>Einstellungen werden an die Maus übertragen</translation>
    </message>
    <message>
        <source>Profile settings</source>
        <translation>Profileinstellungen</translation>
    </message>
    <message>
        <source>Apply the name</source>
        <translation>Namen übernehmen</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Applied to Profile %1</source>
        <translation>Auf Profil %1 übertragen</translation>
    </message>
    <message>
        <source>Not applied: the mouse did not take the settings</source>
        <translation>Nicht übertragen: die Maus hat die Einstellungen nicht angenommen</translation>
    </message>
    <message>
        <source>Copied as “%1”</source>
        <translation>Kopiert als „%1“</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Install access rule</source>
        <translation>Zugriffsregel installieren</translation>
    </message>
    <message>
        <source>The access rule is installed.</source>
        <translation>Die Zugriffsregel ist installiert.</translation>
    </message>
    <message>
        <source>The access rule was not installed.</source>
        <translation>Die Zugriffsregel wurde nicht installiert.</translation>
    </message>
    <message>
        <source>The access rule could not be installed: %1</source>
        <translation>Die Zugriffsregel konnte nicht installiert werden: %1</translation>
    </message>
    <message>
        <source>The access rule is installed: plug the mouse in again.</source>
        <translation>Die Zugriffsregel ist installiert: Stecken Sie die Maus neu ein.</translation>
    </message>
</context>
<context>
    <name>MouseActionTree</name>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
</context>
<context>
    <name>MouseView</name>
    <message>
        <source>Button: %1</source>
        <translation>Taste: %1</translation>
    </message>
</context>
<context>
    <name>PointerSpeedPanel</name>
    <message>
        <source>Key Response</source>
        <translation>Tastenreaktion</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Sync aktiv</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Abhebehöhe</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Winkelkorrektur</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter-Filter</translation>
    </message>
    <message>
        <source>Motion Wake</source>
        <translation>Auto-Aufwachen</translation>
    </message>
    <message>
        <source>Sensor Mode</source>
        <translation>Sensormodus</translation>
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
        <translation>Wettkampf</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <translation>Scrollgeschwindigkeit</translation>
    </message>
    <message>
        <source>Pointer speed is set in the desktop&apos;s mouse settings</source>
        <translation>Die Zeigergeschwindigkeit wird in den Mauseinstellungen des Desktops eingestellt</translation>
    </message>
    <message>
        <source>Key response, %1 ms</source>
        <translation>Tastenreaktion, %1 ms</translation>
    </message>
    <message>
        <source>Lift distance, %1</source>
        <translation>Abhebedistanz, %1</translation>
    </message>
    <message>
        <source>Sensor mode, %1</source>
        <translation>Sensormodus, %1</translation>
    </message>
</context>
<context>
    <name>ReportRatePanel</name>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Abhebehöhe</translation>
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
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Lift-off distance, %1</source>
        <translation>Abhebedistanz, %1</translation>
    </message>
</context>
<context>
    <name>SettingsMerge</name>
    <message>
        <source>the profile in use</source>
        <translation>das verwendete Profil</translation>
    </message>
    <message>
        <source>angle snapping</source>
        <translation>die Winkelkorrektur</translation>
    </message>
    <message>
        <source>lift-off distance</source>
        <translation>die Abhebedistanz</translation>
    </message>
    <message>
        <source>motion sync</source>
        <translation>die Bewegungssynchronisation</translation>
    </message>
    <message>
        <source>the number of profiles in use</source>
        <translation>die Anzahl verwendeter Profile</translation>
    </message>
    <message>
        <source>jitter filter</source>
        <translation>der Zitterfilter</translation>
    </message>
    <message>
        <source>key response time</source>
        <translation>die Tastenreaktionszeit</translation>
    </message>
    <message>
        <source>motion wake</source>
        <translation>das Aufwecken durch Bewegung</translation>
    </message>
    <message>
        <source>sensor mode</source>
        <translation>der Sensormodus</translation>
    </message>
    <message>
        <source>the file of profile %1</source>
        <translation>die Datei von Profil %1</translation>
    </message>
    <message>
        <source>the report rate of profile %1</source>
        <translation>die Abfragerate von Profil %1</translation>
    </message>
    <message>
        <source>the DPI stage in use in profile %1</source>
        <translation>die verwendete DPI-Stufe von Profil %1</translation>
    </message>
    <message>
        <source>DPI stage %2 of profile %1</source>
        <translation>DPI-Stufe %2 von Profil %1</translation>
    </message>
    <message>
        <source>the lighting of profile %1</source>
        <translation>die Beleuchtung von Profil %1</translation>
    </message>
    <message>
        <source>the pointer settings of profile %1</source>
        <translation>die Zeigereinstellungen von Profil %1</translation>
    </message>
    <message>
        <source>button record %2 of profile %1</source>
        <translation>Taste %2 von Profil %1</translation>
    </message>
</context>
<context>
    <name>SingleKeyDialog</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Press a key</source>
        <translation>Eine Taste drücken</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper-Einstellung</translation>
    </message>
</context>
</TS>
