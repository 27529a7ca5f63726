<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>„%1“ ist keine Profilnummer (1 bis %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>falsche Anzahl von Argumenten für %1 (Aufruf: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>„%1“ ist keine Sicherungsnummer (wie „%2“ sie auflistet)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
</context>
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation>%1 getippt</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>%n Systemtastenereignis gesendet</numerusform>
            <numerusform>%n Systemtastenereignisse gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>%1 gedrückt</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>%1 gewartet</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>zu %1 gewechselt (auf dem Bildschirm angezeigt)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>zu Profil %1 gewechselt</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>den Start bei der Anmeldung sichergestellt</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>sein Skript für %1 ausgeführt</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>%1 um „%2“ gebeten</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>kann keinen temporären Ordner anlegen</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Wiedergabetaste</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Auswurftaste</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>Profiltaste + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>Profiltaste + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>kann die Demo-Einstellungen nicht aus %1 erstellen</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Hilfsprogramm wird mit Demo-Profil und virtueller Tastatur gestartet …</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>kann %1 nicht starten: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>das Hilfsprogramm hat die virtuelle Tastatur nicht gefunden</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Das Hilfsprogramm hat die Tastatur gefunden und %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>ist bereit</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>das Hilfsprogramm wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>das Hilfsprogramm ist nicht mit der virtuellen Tastatur verbunden</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>das Hilfsprogramm wurde nicht innerhalb von 5 s beendet</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>das Hilfsprogramm wurde mit Status %1 beendet</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Das Hilfsprogramm wurde ordnungsgemäß beendet.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Das Hilfsprogramm meldete:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Nichts hindert die Tastatur am Funktionieren</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n Problem hindert die Tastatur am Funktionieren</numerusform>
            <numerusform>%n Probleme hindern die Tastatur am Funktionieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n weiteres sollte behoben werden</numerusform>
            <numerusform>%n weitere sollten behoben werden</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>Abhilfe:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Automatisches Umschalten braucht in dieser Arbeitsumgebung zuerst einen Schritt:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>eine unbenannte Arbeitsumgebung</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>melden Sie sich ab und wieder an (GNOME unter Wayland findet neue Erweiterungen nur bei der Anmeldung)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (nötig für automatisches Umschalten und die Anzeige des Profilnamens)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>GNOME-Shell-Erweiterung %1: nicht installiert</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>GNOME-Shell-Erweiterung: %1 ist nicht für GNOME %2 vorgesehen</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>GNOME-Shell-Erweiterung: %1, läuft</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>GNOME-Shell-Erweiterungen sind insgesamt ausgeschaltet</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>GNOME-Shell-Erweiterung %1: installiert, nicht aktiviert</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>GNOME-Shell-Erweiterung %1: installiert, aber GNOME Shell hat sie nicht gestartet</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>falls sie dann noch nicht läuft: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (nötig für automatisches Umschalten)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>KWin-Skript %1: nicht installiert</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>KWin-Skript: %1 (das Hilfsprogramm lädt es beim Start)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>KWin-Skript: KWin antwortet nicht auf diesem Sitzungsbus</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>führen Sie %1 in einem Terminal der Plasma-Sitzung aus</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>KWin-Skript: %1 ist installiert, aber KWin hat es nicht geladen</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>starten Sie das Hilfsprogramm neu, es lädt das Skript beim Start (warum es das nicht konnte, steht in seinem Protokoll: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>KWin-Skript: %1, geladen</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Arbeitsumgebung: keine grafische Sitzung gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>führen Sie %1 in einem Terminal Ihrer Desktop-Sitzung aus</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Arbeitsumgebung: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 ist für Sie weder lesbar noch beschreibbar</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 ist für Sie nicht beschreibbar</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 ist für Sie nicht lesbar</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 ist für Sie lesbar und beschreibbar</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>udev-Regel: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>udev-Regel: %1 enthält keine Halvane-Regel (geleert oder maskiert)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>udev-Regel: unter %1 installiert, wo udev nicht sucht</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>udev-Regel: %1 ist nicht installiert (gesucht in %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>udev-Regel angewendet: uaccess auf %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>udev-Regel nicht angewendet: kein uaccess-Tag auf %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>installieren Sie die udev-Regel (siehe oben), dann: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>oder schließen Sie die Tastatur erneut an</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Tastaturzugriff: Sie können %1 lesen und schreiben</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Tastaturzugriff: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>melden Sie sich dann direkt am Rechner an (nicht über ssh), oder vorerst: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: beschreibbar</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (nötig für Medien- und Auswurftaste, unter Wayland für jedes Makro)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (bei jedem Systemstart)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 ordnet sie KEY_SLEEP zu</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev hat %1 keinen Halvane-hwdb-Eintrag zugewiesen</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>hwdb-Eintrag: in der kompilierten hwdb</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>die kompilierte hwdb hat keinen Halvane-Eintrag</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>hwdb-Eintrag: Makrotasten sind auf %1 keine Systemtasten</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>hwdb-Eintrag nicht aktiv: %1 (Makrotaste 0xF8 würde den Rechner in Bereitschaft versetzen)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Tastatur: %n Schnittstelle (%1)</numerusform>
            <numerusform>Tastatur: %n Schnittstellen (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Tastatur: keine angeschlossen; %n virtuelle Schnittstelle von %1 in %2</numerusform>
            <numerusform>Tastatur: keine angeschlossen; %n virtuelle Schnittstellen von %1 in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Tastatur: keine gefunden (kein hidraw-Knoten eines HID-Geräts %1:%2 oder %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>schließen Sie die Tastatur an (zum Ausprobieren ohne sie: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Autostart: %1 ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Autostart: %1 startet nichts</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Autostart: %1 startet %2, das nicht vorhanden ist</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Autostart: sowohl %1 als auch %2 starten das Hilfsprogramm bei der Anmeldung</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (das Hilfsprogramm schreibt eine, die den Start der Unit überlässt)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Autostart: %1 ist aktiviert</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Autostart: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Autostart: das Hilfsprogramm startet nicht bei der Anmeldung</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>starten Sie das Hilfsprogramm einmal; es fügt %1 hinzu: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, dann starten Sie das Hilfsprogramm einmal; es schreibt eine neue: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>starten Sie %1 einmal; es schreibt die Standardeinstellungen</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (die neueste Sicherung)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Einstellungen: %1 existiert nicht (ohne sie tun die Tasten nichts)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Einstellungen: %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ihr Wurzelelement ist kein Dictionary</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, dann %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Einstellungen: %1 hat %n Fehler</numerusform>
            <numerusform>Einstellungen: %1 hat %n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (listet jeden auf), dann beheben Sie sie in %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>oder kehren Sie zu einer früheren Version zurück: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Einstellungen: %1 ist gültig</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Einstellungen: %1 ist gültig (%n Warnung: %2)</numerusform>
            <numerusform>Einstellungen: %1 ist gültig (%n Warnungen: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>beenden Sie das Hilfsprogramm (seinen Prozess HalvaneHelper), dann: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Simulierte Tasten</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>HID-Ereignisse</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Aktive Anwendung</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Einblendung</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: das Hilfsprogramm sagt nicht, welches Backend es gewählt hat</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>aktualisieren Sie das Hilfsprogramm und starten Sie es neu: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>automatisches Umschalten ist aus; starten Sie das Hilfsprogramm aus Ihrer Desktop-Sitzung, wo es die Fenster der Arbeitsumgebung findet: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>machen Sie /dev/uinput beschreibbar (siehe oben), dann %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>das Halvane-Hilfsprogramm läuft nicht</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Hilfsprogramm: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>starten Sie es: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Hilfsprogramm: belegt %1, antwortet aber nicht</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Hilfsprogramm: läuft in Version %1, aber dieses halvanectl ist %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>um die installierte Version auszuführen: %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Hilfsprogramm: läuft, Version %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Maustasten und Mausrad</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Text-Schritte</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>ein zeichenorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>ein blockorientiertes Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>eine Spezialdatei, keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Aktive Anwendung</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X-Display %1 hat abgelehnt (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 konnte nicht eingerichtet werden, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP ist %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 ist nicht auf dem Sitzungsbus</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>keine Wayland-Verbindung</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>der Compositor hat kein %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>kein HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>kein NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>kein SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>keine Wayland-Sitzung</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>niedriger eingestuft</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>nicht %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>über unsere GNOME-Shell-Erweiterung</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>über unser KWin-Skript</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>Ereignis-Socket von Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>Ereignisstrom von niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 mit der PID aus der IPC von sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW unter XWayland, sieht nur X-Anwendungen</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>automatisches Umschalten ist aus</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>GNOME-Shell-Erweiterung %1: die Shell hat nicht gemeldet, ob sie läuft (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>GNOME-Shell-Erweiterung %1 ist nicht installiert: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>GNOME-Shell-Erweiterung %1 ist nicht aktiviert: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>automatisches Umschalten braucht sie; führen Sie `%1` aus (unter Wayland wird eine neu installierte Erweiterung erst nach erneuter Anmeldung gefunden)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell läuft nicht</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>die Erweiterung halvane-keyboard@halvane.com ist nicht aktiviert</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>HID-Ereignisse (Auswurf, Medientasten, Maus)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput ist nutzbar</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>kein uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>nur protokolliert, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Makrotaste</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Makro ausführen</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Neues Makro:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Wie das Makro beim Drücken seiner Taste abgespielt wird</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Wiederholen beim Halten</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Start/Stopp per Tastendruck</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Aktuelles Makro:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>Das aktuelle Makro der Taste</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Hier klicken, dann bis zu acht Tasten tippen</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Solange diese Schaltfläche den Fokus hat, wird jede getippte Taste aufgenommen, auch Tastenkürzel.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pause am Ende:</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 ms</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 ms</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150 ms</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 ms</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Anwendung:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>Die Anwendung, die die Taste öffnet</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Profil wählen</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Das Profil, zu dem die Taste wechselt</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Bitte wählen …</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>Profil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>Profil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>Profil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>Profil 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>Profil 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>Profil 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>Profil 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>Profil 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>Profil 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Fügt einen Schritt hinzu, der einen Text tippt, eine Maustaste verwendet oder das Mausrad dreht</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>Das Makro, wie OK oder Anwenden es speichert</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane-Tastatur</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Makrotasten</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Profil bearbeiten:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Command- (Super-) und Alt-Taste tauschen</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: klicken, um ein Makro aufzunehmen; Rechtsklick für mehr</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Medientasten für:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Der Medienspieler, den die Medientasten der Tastatur in diesem Profil steuern</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Bildtasten für:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>Die Bildanwendung, die die Bildtasten in diesem Profil steuern</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Tasten zurücksetzen</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Entfernt die Belegung aller Makrotasten dieses Profils</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Automatisch umschalten</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Doppelklicken Sie auf den Namen eines Profils, um es umzubenennen, oder auf seine Anwendung, um die Anwendung zu wählen, die automatisch zu ihm umschaltet.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Setzt das gewählte Profil auf seine ursprünglichen Einstellungen zurück</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Profilwechsel einblenden</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Automatisches Umschalten aussetzen</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>In der Systemleiste anzeigen</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Ein Symbol mit der Nummer des aktuellen Profils und ein Menü zum Profilwechsel</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Hilfe zur Halvane-Tastatur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Speichert die Einstellungen und überträgt sie an die Tastatur</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Makrotaste</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Profil wählen</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Anwendung starten …</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Taste zurücksetzen</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Makrotaste anklicken (oder Enter darauf): Makro aufnehmen, Anwendung starten oder Profil wählen. Rechtsklick oder Shift+F10 für mehr.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Der Kommandozeilen-Client der Halvane-Tastatursoftware. Profile sind wie in den
Einstellungen von 1 bis 10 nummeriert: „4 - Spiele“ ist das vierte Profil namens Spiele.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Befehle an das laufende Halvane-Hilfsprogramm:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>das aktuelle Profil ausgeben, z. B. „4 - Spiele“</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>zu Profil N wechseln (wie die Einstellungen: das Hilfsprogramm
zeigt das Profil auf dem Bildschirm, falls gewünscht, und
meldet keinen Wechsel)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>das Hilfsprogramm die Einstellungsdatei neu lesen lassen</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>jeden Profilwechsel ausgeben, den das Hilfsprogramm meldet, je
eine Zeile („4 - Spiele“), bis zur Unterbrechung; das
Hilfsprogramm darf auch später starten</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>was das Hilfsprogramm im Vordergrund sieht: das Fenstersystem,
app_id, Klasse, Instanz und Prozess des Fensters, die Anwendung
(Desktop-Eintrag und Programmdatei) und wie sie gefunden wurde,
und welches Profil das wählt oder warum keines; --watch gibt es
nach jedem Anwendungswechsel erneut aus</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>alles prüfen, was die Tastatur braucht, je eine Zeile, mit der
Abhilfe für jedes Problem: die Gerätedateien der Tastatur und
/dev/uinput, die udev-Regel und der hwdb-Eintrag, das
Hilfsprogramm und die gewählten Backends, die Arbeitsumgebung
und ihre Shell-Erweiterung oder ihr KWin-Skript, Autostart,
die Einstellungsdatei</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>nur den Schritt, den diese Arbeitsumgebung für automatisches
Umschalten braucht, falls nötig</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Befehle für die Einstellungsdatei (das Hilfsprogramm muss nicht laufen):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>eine Einstellungsdatei prüfen, standardmäßig die des Benutzers
(~/.config/halvane/com.halvane.keyboard.plist oder
$HALVANE_SETTINGS); gibt jedes Problem mit seiner Stelle in
der Datei aus, z. B.
„Fehler: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350“</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>Profil N in FILE schreiben, eine Property-Liste mit „Format“ (1)
und dem Profil unter „Profile“; ein Profil mit Fehlern wird
nicht exportiert</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>Profil N durch das Profil in FILE ersetzen; das Profil wird
zuerst geprüft, und bei Fehlern ändert sich nichts; danach
wird ein laufendes Hilfsprogramm gebeten, neu zu laden</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>die aufbewahrten früheren Versionen der Einstellungsdatei
auflisten (die 10 neuesten, in ~/.config/halvane/backups), ab
der neuesten nummeriert, mit Zeitpunkt der Ersetzung und Größe</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>Sicherung N als Einstellungsdatei zurückholen (der aktuelle
Inhalt wird selbst zur Sicherung); danach wird ein laufendes
Hilfsprogramm gebeten, neu zu laden</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>dieser Text</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>die Version der Halvane-Software</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Fehler sind Stellen, an denen die Software anders handeln würde, als die Datei sagt,
oder Werte, die die Einstellungen nie schreiben; Warnungen sind harmlose Abweichungen
von dem, was die Einstellungen schreiben (ein fehlender Eintrag, der als sinnvoller
Wert gelesen wird, ein unbekannter Schlüssel).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Rückgabewert: 0 erledigt (Warnungen allein lassen ihn bei 0); 1 check fand Fehler,
export oder import lehnte ein Profil mit Fehlern ab, oder doctor fand etwas, das die
Tastatur am Funktionieren hindert; 2 der Befehl konnte nicht ausgeführt werden
(falsche Argumente, eine Datei nicht lesbar oder schreibbar, das Hilfsprogramm
läuft nicht oder antwortet nicht).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Versuchen Sie „%1“.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>das Halvane-Hilfsprogramm hat nicht geantwortet</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>die Einstellungsdatei enthält nur %n Profil</numerusform>
            <numerusform>die Einstellungsdatei enthält nur %n Profile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>es hat nicht innerhalb von %n Sekunde gewechselt (vielleicht läuft gerade ein Makro; der Wechsel folgt dann an dessen Ende)</numerusform>
            <numerusform>es hat nicht innerhalb von %n Sekunden gewechselt (vielleicht läuft gerade ein Makro; der Wechsel folgt dann an dessen Ende)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>das Halvane-Hilfsprogramm blieb auf Profil %1 und wechselte nicht zu Profil %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>das Halvane-Hilfsprogramm hat seine Einstellungen neu geladen</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, aber:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>kann nicht beobachten: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Profilwechsel werden beobachtet; Ctrl-C zum Beenden.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Fenster:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>Instanz</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>GTK-Anwendung</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>KDE-Desktop-Datei</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>sagt nichts über seine Anwendung</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Anwendung:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), gefunden über %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Desktop-Eintrag:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>auch:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>kein Desktop-Eintrag gefunden</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Programmdatei:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>keines: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Backend-Wahl: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>kann die aktive Anwendung des Hilfsprogramms nicht beobachten</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Anwendungswechsel werden beobachtet; Ctrl-C zum Beenden.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 ist keine Einstellungsdatei (ihr Wurzelelement ist kein Dictionary)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: keine Probleme</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Profil %1 nach %2 exportiert</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>Profil %1 hat Fehler; nichts wurde exportiert</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 hat Fehler; nichts wurde geändert</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; nichts wurde geändert</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 als Profil %2 importiert</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>das Profil wurde importiert</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Das Halvane-Hilfsprogramm läuft nicht; es liest das neue Profil beim Start.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, aber das Halvane-Hilfsprogramm hat die Anfrage zum Neuladen nicht beantwortet; starten Sie das Hilfsprogramm neu, sonst schreibt es beim Beenden seine älteren Einstellungen zurück</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Das Halvane-Hilfsprogramm hat seine Einstellungen neu geladen.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Noch keine Sicherungen von %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Sicherungen von %1, neueste zuerst:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Einstellungen wiederhergestellt, wie sie bis %1 waren (Sicherung %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>die Sicherung wurde wiederhergestellt</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Das Halvane-Hilfsprogramm läuft nicht; es liest die neuen Einstellungen beim Start.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Hinweis: %1 startet %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Hinweis: Das Profil wird aktiv, sobald %1 in den Vordergrund kommt</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>keine Einstellungen geladen</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>automatisches Umschalten ist ausgesetzt (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>die Anwendung des Fensters ist unbekannt, daher ist ihr kein Profil zugeordnet</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>kein Fenster ist aktiv</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>kein Profil nennt diese Anwendung in %1</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>Profil %1 nennt sie, aber sein %2 ist aus</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>wählt Profil %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>das Hilfsprogramm läuft</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>Hilfsprogramm über %1 gestartet</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>Hilfsprogramm gestartet</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>kein Sitzungsbus: das Hilfsprogramm wurde nicht gestartet</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>kann das Hilfsprogramm zum Starten nicht finden</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>keine Wayland-Sitzung</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>kein X-Display</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>Desktop-Portal GlobalShortcuts (Version %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>niedriger eingestuft</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>Tastenabfang über XWayland, nur wirksam, solange eine X-Anwendung den Fokus hat (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>Tastenabfang auf dem X-Server</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>kein X-Display; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>jede Registrierung wird abgelehnt (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane-Tastatur</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>KWin-Skript: die Skriptschnittstelle von KWin antwortet nicht (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>KWin-Skript: das von einem früheren Hilfsprogramm geladene Skript ersetzt</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>KWin-Skript: KWin hat %1 nicht geladen (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>KWin-Skript: geladen, aber nicht ausgeführt (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>KWin-Skript: %1 ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Simulierte Tasten</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland-Sitzung</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>virtuelle uinput-Tastatur (Wayland-Sitzung)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>kein uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>die virtuelle Tastatur des Wayland-Compositors (kein uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; keine virtuelle Wayland-Tastatur: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest auf X-Display %1, erreicht nur X-Clients (kein uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest auf X-Display %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>nur X-Clients</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-Sitzung</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>kein XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>virtuelle uinput-Tastatur (kein XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>kein Backend kann Tasten senden</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>Makros werden nur protokolliert (kein XTest: %1; kein uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>keine Wayland-Verbindung</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>der Compositor hat kein %1</translation>
    </message>
</context>
<context>
    <name>MacroKeySpeech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A macro key&apos;s name (L1 to R5) and what the key does</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>opens %1</source>
        <translation>öffnet %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>öffnet %1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>wechselt zum Profil „%1“</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>wechselt zu Profil %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>wiederholt, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>wiederholt, bis die Taste erneut gedrückt wird</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>nichts zugewiesen</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>drückt %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>wartet %1 Sekunden</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>klickt %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>drückt %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>lässt %1 los</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>die linke Maustaste</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>die rechte Maustaste</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>die mittlere Maustaste</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>die Zurück-Taste</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>die Vorwärts-Taste</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>scrollt %n Rastung nach oben</numerusform>
            <numerusform>scrollt %n Rastungen nach oben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>scrollt %n Rastung nach unten</numerusform>
            <numerusform>scrollt %n Rastungen nach unten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>scrollt %n Rastung nach links</numerusform>
            <numerusform>scrollt %n Rastungen nach links</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>scrollt %n Rastung nach rechts</numerusform>
            <numerusform>scrollt %n Rastungen nach rechts</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>tippt „%1“</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>kein Benachrichtigungsdienst auf dem Sitzungsbus</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Einblendung</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>kein layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>keine GNOME-Shell-Einblendung: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>keine Benachrichtigungen: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>Fenster außerhalb des Bildschirms (keine Anzeige)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>X11-Fenster, immer im Vordergrund</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>layer-shell-Oberfläche auf der Overlay-Ebene</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>GNOME-Shell-Erweiterung</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>Desktop-Benachrichtigungen</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>gewöhnliches Wayland-Fenster, vom Compositor platziert</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Maustasten und Mausrad</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland-Sitzung</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>virtuelles uinput-Zeigegerät (Wayland-Sitzung)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>nur X-Clients</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-Sitzung</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest auf X-Display %1, erreicht nur X-Clients (kein uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest auf X-Display %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>kein XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>virtuelles uinput-Zeigegerät (kein XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>kein Backend kann Mausereignisse senden</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>Mausschritte werden nur protokolliert (kein XTest: %1; kein uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>kein Desktop-Portal</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>das Desktop-Portal hat kein GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 ist kein Bundle eines Einstellungsmoduls</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>das Modul von %1 wurde nicht initialisiert</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>das Modul von %1 hat keine Ansicht</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>kann %1 nicht finden</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>Profilnummern reichen von 1 bis %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>die Einstellungsdatei enthält keine Profile</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>die Einstellungsdatei enthält kein Profil %1 (sie enthält %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>keine Profildatei (ihr Wurzelelement ist kein Dictionary)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>fehlt (keine Profildatei)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>ist keine Ganzzahl (keine Profildatei)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>Format %1 kann diese Version nicht lesen (sie liest %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>kein Schlüssel einer Profildatei (ignoriert)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>keine Eigenschaftsliste (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 ist die Einstellungsdatei selbst</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>kann die Einstellungsdatei %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>die Einstellungsdatei %1 ist kein Dictionary</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>es gibt keine Einstellungsdatei, und die Standardeinstellungen %1 können nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>kann die Einstellungsdatei %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>eine beschädigte binäre Eigenschaftsliste</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nichts zu schreiben</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>ein zweites Wurzelelement</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>Text außerhalb der Elemente</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>kein Element</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>ein zweiter Wert in &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; enthält keinen Wert</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>Text zwischen Elementen</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; ist kein Element einer Eigenschaftsliste</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; enthält ein Element</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; enthält „%2“</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt;, wo ein &lt;key&gt; stehen muss</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>ein &lt;key&gt; ohne Wert</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>XML-Fehler in %1: %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SessionEnvironment</name>
    <message>
        <source>there is no D-Bus session bus (%1)</source>
        <translation>es gibt keinen D-Bus-Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>das Halvane-Hilfsprogramm läuft nicht</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>kein X-Display (DISPLAY ist nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>Der Sicherungsordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Die Sicherung %1 konnte nicht in %2 umbenannt werden</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Von %1 konnte keine Sicherung in %2 angelegt werden (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>es gibt keine Sicherungen von %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>es gibt keine Sicherung %1 (1 bis %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>die Sicherung %1 lässt sich nicht als Einstellungen lesen (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ihr Wurzelelement ist kein Dictionary</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2), um sie nach %3 zu verschieben; sie bleibt, wo sie ist</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Die Einstellungsdatei %1 konnte nicht nach %2 kopiert werden (%3); sie bleibt, wo sie ist</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>Die Kopie der Einstellungsdatei in %1 weicht von %2 ab; das Original bleibt, wo es ist</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Die Einstellungsdatei %1 wurde nach %2 kopiert, aber das Original konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Die Einstellungsdatei %1 wird verwendet; die ältere in %2 bleibt unverändert</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Die Einstellungsdatei wurde von %1 nach %2 verschoben</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden (%1); sie wurde als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Die Einstellungsdatei konnte weder gelesen (%1) noch als %2 beiseitegelegt werden (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ihr Wurzelelement ist kein Dictionary</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>die Einstellungen sind kein Dictionary</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nichts zu schreiben</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Die Einstellungsdatei %1 ist %2; die Standardeinstellungen werden verwendet, aber nicht gespeichert</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>das Programmpaket enthält keine Standardeinstellungen</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>die Standardeinstellungen %1 können nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>%1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>nichts Brauchbares</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>ein Wahrheitswert</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>eine Ganzzahl</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>eine Gleitkommazahl</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>ein Datum</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>ein Dictionary</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 Profil, erwartet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n Profil, erwartet: %1</numerusform>
            <numerusform>%n Profile, erwartet: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 Makrotaste, erwartet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n Makrotaste, erwartet: %1</numerusform>
            <numerusform>%n Makrotasten, erwartet: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>fehlt (es gibt keine Profile: keine Taste bewirkt etwas)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>fehlt (gilt als 0: das Hilfsprogramm startet mit Profil 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>fehlt (gilt als false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>fehlt (gilt als leerer Name)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>fehlt (keine Makrotaste dieses Profils bewirkt etwas)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>fehlt (die Bildtasten nennen keine Anwendung)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>fehlt (die Medientasten nennen keinen Medienspieler)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>fehlt (gilt als keine Anwendung)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 ist kein absoluter Pfad (das automatische Umschalten vergleicht vollständige Pfade, er passt also nie)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>fehlt (gilt als leer: die Taste bewirkt nichts)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 ist keine Aktion (die Taste bewirkt nichts; Aktionen sind %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>fehlt (das Makro spielt nichts ab)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>kein aufgenommener Schritt (das Makro spielt nichts ab)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>fehlt (die Taste startet nichts)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>fehlt (gilt als leer)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>leer (die Taste startet nichts)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>fehlt (gilt als leere Daten)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>fehlt (gilt als 0: die Taste wählt Profil 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>fehlt (gilt als 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>fehlt (die Beschriftung der Taste bleibt leer)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>fehlt (ein fehlender Schritt spielt Taste 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 ist kein Tastencode (0-%2 oder -1 für einen leeren Schritt)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>fehlt (gilt als 0: keine Sondertasten)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 mit einer Taste (das Hilfsprogramm hält alle vier Sondertasten gedrückt; die Einstellungen zeigen (Keine))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 ist keine Sondertastenmaske</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>Bits 0x%1 sind keine Sondertasten (ignoriert)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>fehlt (gilt als 0: keine Pause)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 ist keine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 liegt über %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 liegt unter 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 ist keine ganze Zahl von Millisekunden (die Einstellungen speichern ganze Millisekunden)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 nach einem leeren Schritt wird ignoriert (ein leerer Schritt bewirkt keine Pause)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>das Wurzelelement ist %1, erwartet: %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>ist %1, erwartet: %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>enthält das Steuerzeichen U+%1 (Zeichen %2), das ein Terminal steuern könnte, das den Namen anzeigt</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>ist %n Zeichen lang; ein Name hat höchstens %1</numerusform>
            <numerusform>ist %n Zeichen lang; ein Name hat höchstens %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 liegt außerhalb von 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 ist kein Wahrheitswert (true, false, 0 oder 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>kein Einstellungsschlüssel (ignoriert: ein Makro hat die Schritte 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>kein Einstellungsschlüssel (ignoriert)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 ist keine Schrittart (jedes Programm spielt den Tastencode des Schritts; die Arten sind %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 ist keine Schrittart (ältere Programme und dieses überspringen den Schritt; die Arten sind %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 bei einem Schritt mit Tastencode %2 (jedes Programm spielt die Taste und ignoriert die Art; ein Schritt anderer Art hat Tastencode -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>ignoriert (der Schritt ist leer: sein Tastencode ist -1 und er nennt keine andere Art)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>von einem %1-Schritt nicht verwendet (ignoriert)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>fehlt (Programme überspringen den Schritt)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>fehlt (der Schritt tippt nichts)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>leer (der Schritt tippt nichts)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>ist %n Zeichen lang; ein Textschritt tippt höchstens %1 (der Rest entfällt)</numerusform>
            <numerusform>ist %n Zeichen lang; ein Textschritt tippt höchstens %1 (der Rest entfällt)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>fehlt (gilt als 1: eine Raste)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 liegt außerhalb von %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>Zeichen außerhalb der Belegung über freie Tastencodes</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>Zeichen außerhalb der Belegung über eine Tastenzuordnung, die sie enthält</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>nur die Zeichen der Tastaturbelegung; die übrigen brauchen X11 oder eine Arbeitsumgebung mit dem Protokoll für virtuelle Tastaturen (sway, Hyprland und andere wlroots-Arbeitsumgebungen)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>Text-Schritte werden nur protokolliert</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 existiert nicht: laden Sie das Kernelmodul uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>keine Berechtigung für %1: installieren Sie die udev-Regeln von Halvane, die dem angemeldeten Benutzer Zugriff darauf geben</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>hinter %1 steht kein uinput-Treiber: laden Sie das Kernelmodul uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>kann %1 nicht verwenden: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>keine Wayland-Verbindung</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>der Compositor hat kein %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>keine Tastaturbelegung für die virtuelle Tastatur</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>der Compositor hat eine virtuelle Tastatur abgelehnt</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>kein X-Display (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>keine Verbindung zu X-Display %1 möglich</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>X-Display %1 hat keinen solchen Bildschirm</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere …</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Anwendungen durchsuchen</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Pfeiltasten wählen in der Liste, Enter übernimmt</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installierte Anwendungen</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>mit Escape abgebrochen</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>das Hilfsprogramm wird beendet</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>das System geht in Bereitschaft</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>die Sitzung ist nicht mehr aktiv</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>die Tastatur wurde abgezogen</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Makro angehalten: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Das aktuelle Profil konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Ein Textschritt hat %n Zeichen ausgelassen, das dieser Desktop nicht tippen kann: %1</numerusform>
            <numerusform>Ein Textschritt hat %n Zeichen ausgelassen, die dieser Desktop nicht tippen kann: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>Die Taste öffnet %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Makro geleert.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Nimmt jede gedrückte Taste auf, auch Tab und Escape, bis zu acht Tasten. Zweimal schnell Escape beendet die Aufnahme.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Wie das Makro abgespielt wird</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil, zu dem gewechselt wird</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Makrotaste %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Aufnahme beendet.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Aufnahme geleert.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Nicht aufgenommen: Ein Makro hat höchstens %n Taste.</numerusform>
            <numerusform>Nicht aufgenommen: Ein Makro hat höchstens %n Tasten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>%1 aufgenommen, Taste %2 von %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Erst eine Taste aufnehmen: Die Pause folgt der letzten Taste.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Das Makro %2 nach %1.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Nach Schritt %1 %2 das Makro.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Nicht hinzugefügt: Ein Makro hat höchstens %n Schritt.</numerusform>
            <numerusform>Nicht hinzugefügt: Ein Makro hat höchstens %n Schritte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Schritt %1 hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Schritt %1 entfernt.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Fügt diese Pause nach dem zuletzt gewählten Schritt ein, sonst nach dem letzten Schritt</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Die Einstellungsdatei konnte nicht unverändert verwendet werden.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Die Einstellungen konnten weder gelesen noch angelegt werden.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane-Tastatur</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>L%1</source>
        <extracomment>The name of a macro key on the left of the keyboard, L1 to L5, as printed on the key.</extracomment>
        <translation>L%1</translation>
    </message>
    <message>
        <source>R%1</source>
        <extracomment>The name of a macro key on the right of the keyboard, R1 to R5.</extracomment>
        <translation>R%1</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <extracomment>What a macro key does that switches to the profile named %1.</extracomment>
        <translation>Profil: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (nicht installiert)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter oder Space ändert, was die Taste tut, Shift+F10 oder die Menütaste öffnet weitere Optionen, die Pfeiltasten gehen zu den anderen Makrotasten.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Makrotasten</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1 bis L5 links auf der Tastatur, R1 bis R5 rechts</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Makrotasten und Profile</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Die Tastatur verwendet jetzt Profil %1, „%2“.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Einstellungen gespeichert; die Tastatur nutzt sie jetzt.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Einstellungen gespeichert.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Halvane-Tastatur: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Halvane-Tastatur: Profil %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Automatisches Umschalten</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Halvane-Hilfsprogramm beenden</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Dieser Desktop kann nicht tippen: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Zu tippender Text</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Was die Taste tut</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Richtung des Mausrads</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Rastungen</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Schritt %1 entfernen</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Klicken</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Nach rechts</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space schaltet ein oder aus</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 oder Enter benennt das Profil um</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter wählt die Anwendung, die zu diesem Profil wechselt</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>keine</translation>
    </message>
</context>
</TS>
