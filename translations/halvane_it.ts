<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>“%1” non è un numero di profilo (da 1 a %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>numero di argomenti errato per %1 (uso: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opzione sconosciuta “%1”</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>il nome del file è vuoto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>“%1” non è un numero di backup (come li elenca “%2”)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto “%1”</translation>
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
        <translation>ha digitato %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>ha inviato %n evento di tasto di sistema</numerusform>
            <numerusform>ha inviato %n eventi di tasto di sistema</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>ha premuto %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>ha atteso %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>è passato a %1 (mostrato sullo schermo)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>è passato al profilo %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>ha garantito il proprio avvio all&apos;accesso</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>ha eseguito il suo script per %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>ha chiesto “%2” a %1</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>ha aperto %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>impossibile creare una cartella temporanea</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Tasto Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Tasto Espelli</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>tasto profilo + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>tasto profilo + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>impossibile creare le impostazioni della demo da %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Avvio del servizio con un profilo demo e una tastiera virtuale…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>il servizio non ha trovato la tastiera virtuale</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Il servizio ha trovato la tastiera e %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>è pronto</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nulla</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>il servizio si è arrestato inaspettatamente</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>il servizio non è collegato alla tastiera virtuale</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>il servizio non si è arrestato entro 5 s</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>il servizio è terminato con lo stato %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Il servizio si è arrestato correttamente.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Il servizio ha scritto:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Niente impedisce alla tastiera di funzionare</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problema impedisce alla tastiera di funzionare</numerusform>
            <numerusform>%n problemi impediscono alla tastiera di funzionare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n altro andrebbe corretto</numerusform>
            <numerusform>altri %n andrebbero corretti</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>soluzione:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Il cambio automatico su questo desktop richiede prima un passaggio:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>un desktop senza nome</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>uscire e accedere di nuovo (GNOME su Wayland rileva le nuove estensioni solo all&apos;accesso)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (serve al cambio automatico e al nome del profilo sullo schermo)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Estensione di GNOME Shell %1: non installata</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Estensione di GNOME Shell: %1 non è fatta per GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Estensione di GNOME Shell: %1, in esecuzione</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Le estensioni di GNOME Shell sono del tutto disattivate</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Estensione di GNOME Shell %1: installata, non abilitata</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Estensione di GNOME Shell %1: installata, ma GNOME Shell non l&apos;ha avviata</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>se ancora non funziona: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (serve al cambio automatico)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Script di KWin %1: non installato</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Script di KWin: %1 (il servizio lo carica all&apos;avvio)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Script di KWin: KWin non risponde su questo bus di sessione</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>eseguire %1 in un terminale della sessione Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Script di KWin: %1 è installato, ma KWin non l&apos;ha caricato</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>riavviare il servizio, che lo carica all&apos;avvio (il suo registro spiega perché non ci è riuscito: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Script di KWin: %1, caricato</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Desktop: nessuna sessione grafica rilevata (DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>eseguire %1 in un terminale della propria sessione desktop</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Desktop: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manca</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 non è né leggibile né scrivibile dall&apos;utente</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 non è scrivibile dall&apos;utente</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 non è leggibile dall&apos;utente</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 è leggibile e scrivibile dall&apos;utente</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>Regola udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>Regola udev: %1 non contiene alcuna regola Halvane (svuotata o mascherata)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>Regola udev: installata in %1, dove udev non cerca</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>Regola udev: %1 non è installata (cercata in %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>Regola udev applicata: uaccess su %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>Regola udev non applicata: nessun tag uaccess su %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>installare la regola udev (sopra), poi: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>oppure ricollegare la tastiera</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Accesso alla tastiera: l&apos;utente può leggere e scrivere %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Accesso alla tastiera: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>poi accedere dal computer stesso (non via ssh), o per ora: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: scrivibile</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (serve ai tasti multimediali e di espulsione e, su Wayland, a ogni macro)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (a ogni avvio)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 lo associa a KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev non ha dato a %1 alcuna voce hwdb di Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>Voce hwdb: nell&apos;hwdb compilato</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>l&apos;hwdb compilato non ha alcuna voce Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>Voce hwdb: i tasti macro non sono tasti di sistema su %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>Voce hwdb non attiva: %1 (il tasto macro 0xF8 sospenderebbe il computer)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Tastiera: %n interfaccia (%1)</numerusform>
            <numerusform>Tastiera: %n interfacce (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Tastiera: nessuna collegata; %n interfaccia virtuale di %1 in %2</numerusform>
            <numerusform>Tastiera: nessuna collegata; %n interfacce virtuali di %1 in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Tastiera: nessuna trovata (nessun nodo hidraw di un dispositivo HID %1:%2 o %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>collegare la tastiera (per provare senza: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Avvio automatico: %1 è disattivato</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Avvio automatico: %1 non avvia nulla</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Avvio automatico: %1 avvia %2, che non esiste</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Avvio automatico: sia %1 sia %2 avviano il servizio all&apos;accesso</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (il servizio ne scrive uno che lascia l&apos;avvio all&apos;unità)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Avvio automatico: %1 è abilitato</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Avvio automatico: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Avvio automatico: il servizio non si avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>avviare il servizio una volta; aggiunge %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, poi avviare il servizio una volta; ne scrive uno nuovo: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>avviare %1 una volta; scrive le impostazioni predefinite</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (il backup più recente)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Impostazioni: %1 non esiste (senza di esso i tasti non fanno nulla)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Impostazioni: impossibile leggere %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>la radice non è un dizionario</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, poi %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Impostazioni: %1 ha %n errore</numerusform>
            <numerusform>Impostazioni: %1 ha %n errori</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (li elenca), poi correggerli in %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>oppure tornare a una versione precedente: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Impostazioni: %1 è valido</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Impostazioni: %1 è valido (%n avviso: %2)</numerusform>
            <numerusform>Impostazioni: %1 è valido (%n avvisi: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>chiudere il servizio (terminare il suo processo HalvaneHelper), poi: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Tasti sintetici</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Eventi HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Applicazione in primo piano</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Indicazione a schermo</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: il servizio non indica quale backend ha scelto</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>aggiornare e riavviare il servizio: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>il cambio automatico è disattivato; avviare il servizio dalla propria sessione desktop, dove trova le finestre del desktop: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>rendere scrivibile /dev/uinput (vedi sopra), poi %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>il servizio Halvane non è in esecuzione</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Servizio: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>avviarlo: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Servizio: possiede %1 ma non risponde</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Servizio: in esecuzione la versione %1, ma questo halvanectl è la %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>per eseguire la versione installata, %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Servizio: in esecuzione, versione %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Pulsanti e rotella del mouse</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Passi di testo</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>una cartella, non un file normale</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>una FIFO, non un file normale</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, non un file normale</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>un dispositivo a caratteri, non un file normale</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>un dispositivo a blocchi, non un file normale</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>un file speciale, non un file normale</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>più grande di %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Applicazione in primo piano</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>Display X %1: connessione rifiutata (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>impossibile configurare %1, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP è %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 non è sul bus di sessione</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>nessuna connessione Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>il compositor non ha %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>manca HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>manca NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>manca SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>non è una sessione Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>ha priorità inferiore</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>non %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>tramite la nostra estensione di GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>tramite il nostro script di KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>il socket degli eventi di Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>il flusso di eventi di niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 con il pid dall&apos;IPC di sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW su XWayland, che vede solo le applicazioni X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>il cambio automatico è disattivato</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Estensione di GNOME Shell %1: la Shell non ha detto se è in esecuzione (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>L&apos;estensione di GNOME Shell %1 non è installata: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>L&apos;estensione di GNOME Shell %1 non è abilitata: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>serve al cambio automatico; eseguire `%1` (su Wayland un&apos;estensione appena installata viene rilevata solo dopo un nuovo accesso)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell non è in esecuzione</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>l&apos;estensione halvane-keyboard@halvane.com non è abilitata</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Eventi HID (espulsione, tasti multimediali, mouse)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput è utilizzabile</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>nessun uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>solo tracciati, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Nessuna)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Tasto macro</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Esegui una macro</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Nuova macro:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Come viene riprodotta la macro quando si preme il suo tasto</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Ripeti finché premuto</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Premi per avviare/fermare</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Macro attuale:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>La macro che il tasto ha ora</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Fare clic qui, poi digitare fino a otto tasti</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Mentre questo pulsante ha il focus, ogni tasto digitato, scorciatoie incluse, viene registrato.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pausa finale:</translation>
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
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Avvia un&apos;applicazione</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Applicazione:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>L&apos;applicazione che il tasto apre</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Seleziona un profilo</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Il profilo a cui passa il tasto</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleziona…</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profilo 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>Profilo 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>Profilo 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>Profilo 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>Profilo 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>Profilo 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>Profilo 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>Profilo 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>Profilo 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>Profilo 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Aggiungi passaggio</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Aggiunge un passaggio che digita un testo, usa un pulsante del mouse o gira la rotella</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>La macro come la salvano OK o Applica</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Tastiera Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Tasti macro</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Profilo da modificare:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Scambia i tasti Command (Super) e Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: clic per registrare una macro; clic destro per altre opzioni</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Tasti multimediali per:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Il lettore multimediale comandato dai tasti multimediali della tastiera in questo profilo</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Tasti immagine per:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>L&apos;applicazione di immagini comandata dai tasti immagine in questo profilo</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Ripristina tasti</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Rimuove l&apos;azione di ogni tasto macro di questo profilo</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Cambio automatico</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Fare doppio clic sul nome di un profilo per rinominarlo, o sulla sua applicazione per scegliere l&apos;applicazione che lo attiva automaticamente.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Ripristina profilo</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Riporta il profilo selezionato alle impostazioni originali</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Mostra i cambi di profilo sullo schermo</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Sospendi il cambio automatico di profilo</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Mostra il servizio nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Un&apos;icona con il numero del profilo attuale e un menu per cambiare profilo</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Guida della tastiera Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Salva le impostazioni e le trasmette alla tastiera</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Tasto macro</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Seleziona profilo</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Avvia applicazione…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Ripristina tasto</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Clic su un tasto macro (o Enter) per registrare una macro, avviare un&apos;applicazione o scegliere un profilo; clic destro o Shift+F10: altro.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Il client a riga di comando del software per la tastiera Halvane. I profili sono numerati
da 1 a 10, come li mostrano le preferenze: “4 - Giochi” è il quarto profilo, chiamato Giochi.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Comandi che comunicano con il servizio Halvane in esecuzione:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>stampa il profilo attuale, ad es. “4 - Giochi”</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>passa al profilo N (come fanno le preferenze: il servizio mostra il
profilo sullo schermo se richiesto e non annuncia alcun cambio)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>fa rileggere al servizio il file delle impostazioni</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>stampa ogni cambio di profilo annunciato dal servizio, uno per riga
(“4 - Giochi”), fino all&apos;interruzione; il servizio può avviarsi anche dopo</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>cosa vede il servizio in primo piano: il sistema di finestre, app_id,
classe, istanza e processo della finestra, l&apos;applicazione (voce desktop
e eseguibile) e come è stata trovata, e quale profilo seleziona
o perché nessuno; --watch lo ristampa dopo ogni cambio di applicazione</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>controlla tutto ciò che serve alla tastiera, una riga per voce, con la
soluzione per ogni problema: i nodi di dispositivo della tastiera e
/dev/uinput, la regola udev e la voce hwdb, il servizio e i backend scelti,
il desktop e la sua estensione della Shell o lo script di KWin, l&apos;avvio
automatico, il file delle impostazioni</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>solo il passaggio che serve a questo desktop per il cambio automatico, se ce n&apos;è uno</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Comandi sul file delle impostazioni (il servizio non deve essere per forza in esecuzione):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>controlla un file delle impostazioni, di norma quello dell&apos;utente
(~/.config/halvane/com.halvane.keyboard.plist, o $HALVANE_SETTINGS);
stampa ogni problema con la sua posizione nel file, ad es.
“errore: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350”</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>scrive il profilo N in FILE, un elenco di proprietà con “Format” (1) e
il record del profilo sotto “Profile”; un profilo con errori non viene
esportato</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>sostituisce il profilo N con quello in FILE; il profilo viene prima
controllato e non cambia nulla se contiene errori; poi si chiede a un
servizio in esecuzione di ricaricare</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>elenca le versioni precedenti conservate del file delle impostazioni (le
10 più recenti, in ~/.config/halvane/backups), numerate dalla più recente,
con l&apos;ora in cui ciascuna è stata sostituita e la sua dimensione</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>rimette il backup N come file delle impostazioni (il contenuto attuale
diventa a sua volta un backup); poi si chiede a un servizio in esecuzione di ricaricare</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>questo testo</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>la versione del software Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Gli errori sono casi in cui il software agirebbe diversamente da quanto dice il file, o
valori che le preferenze non scrivono mai; gli avvisi sono differenze innocue da ciò che
scrivono le preferenze (una voce mancante che vale come un valore sensato, una chiave sconosciuta).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Stato di uscita: 0 fatto (i soli avvisi lo lasciano a 0); 1 check ha trovato errori, export o
import ha rifiutato un profilo con errori, o doctor ha trovato qualcosa che impedisce alla
tastiera di funzionare; 2 il comando non è stato eseguito (argomenti errati, un file che
non si può leggere o scrivere, il servizio non in esecuzione o che non risponde).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Provare “%1”.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>il servizio Halvane non ha risposto</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>il file delle impostazioni contiene solo %n profilo</numerusform>
            <numerusform>il file delle impostazioni contiene solo %n profili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>non ha cambiato profilo entro %n secondo (forse è in corso una macro; il cambio avviene quando finisce)</numerusform>
            <numerusform>non ha cambiato profilo entro %n secondi (forse è in corso una macro; il cambio avviene quando finisce)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>il servizio Halvane è rimasto sul profilo %1 e non è passato al profilo %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>il servizio Halvane ha ricaricato le impostazioni</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, ma:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>impossibile osservare: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>In attesa di cambi di profilo; premere Ctrl-C per interrompere.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Finestra:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>classe</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>istanza</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>applicazione GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>file desktop di KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>non dice nulla sulla sua applicazione</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Applicazione:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), trovata tramite %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Voce desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>anche:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>nessuna voce desktop trovata</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Eseguibile:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>nessuno: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Scelta del backend: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>impossibile osservare l&apos;applicazione in primo piano del servizio</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>In attesa di cambi di applicazione; premere Ctrl-C per interrompere.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 non è un file delle impostazioni (la radice non è un dizionario)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: nessun problema</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avviso</numerusform>
            <numerusform>%n avvisi</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Profilo %1 esportato in %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>il profilo %1 contiene errori; non è stato esportato nulla</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 contiene errori; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 importato come profilo %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>il profilo è stato importato</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Il servizio Halvane non è in esecuzione; leggerà il nuovo profilo all&apos;avvio.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, ma il servizio Halvane non ha risposto alla richiesta di ricaricare; riavviare il servizio, altrimenti alla chiusura riscriverà le sue impostazioni precedenti</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Il servizio Halvane ha ricaricato le impostazioni.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Ancora nessun backup di %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Backup di %1, dal più recente:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Impostazioni ripristinate com&apos;erano fino a %1 (backup %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>il backup è stato ripristinato</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Il servizio Halvane non è in esecuzione; leggerà le nuove impostazioni all&apos;avvio.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Nota: %1 avvia %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Nota: il profilo diventa attuale ogni volta che %1 passa in primo piano</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>nessuna impostazione caricata</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>il cambio automatico è sospeso (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>l&apos;applicazione della finestra è sconosciuta, quindi nessun profilo vi è associato</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>nessuna finestra è attiva</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>nessun profilo indica questa applicazione in %1</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>il profilo %1 la indica, ma %2 è disattivato</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>seleziona il profilo %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>il servizio è in esecuzione</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>servizio avviato tramite %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>servizio avviato</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>nessun bus di sessione: il servizio non è stato avviato</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>impossibile trovare il servizio per avviarlo</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>non è una sessione Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>nessun display X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>portale desktop GlobalShortcuts (versione %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>ha priorità inferiore</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>cattura dei tasti tramite XWayland, attiva solo mentre un&apos;applicazione X ha il focus (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>cattura dei tasti sul server X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>nessun display X; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>ogni registrazione viene rifiutata (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Tastiera Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Script di KWin: lo scripting di KWin non risponde (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Script di KWin: sostituito quello lasciato caricato da un servizio precedente</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Script di KWin: KWin non ha caricato %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutato</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Script di KWin: caricato ma non eseguito (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Script di KWin: %1 non è installato</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Tasti sintetici</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sessione Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>tastiera virtuale uinput (sessione Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>nessun uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>la tastiera virtuale del compositor Wayland (nessun uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; nessuna tastiera virtuale Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest sul display X %1, raggiunge solo i client X (nessun uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest sul display X %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>solo client X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sessione X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>nessun XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>tastiera virtuale uinput (nessun XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>nessun backend può inviare eventi</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>le macro vengono solo tracciate (nessun XTest: %1; nessun uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>nessuna connessione Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>il compositor non ha %1</translation>
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
        <translation>apre %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>apre %1, che non si trova</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>passa al profilo “%1”</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>passa al profilo %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>si ripete finché il tasto è premuto</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>si ripete finché il tasto non viene premuto di nuovo</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>nessuna azione assegnata</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>preme %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>attende %1 secondi</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>fa clic con %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>preme %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>rilascia %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>il pulsante sinistro</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>il pulsante destro</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>il pulsante centrale</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>il pulsante Indietro</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>il pulsante Avanti</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>scorre di %n scatto verso l’alto</numerusform>
            <numerusform>scorre di %n scatti verso l’alto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>scorre di %n scatto verso il basso</numerusform>
            <numerusform>scorre di %n scatti verso il basso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>scorre di %n scatto verso sinistra</numerusform>
            <numerusform>scorre di %n scatti verso sinistra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>scorre di %n scatto verso destra</numerusform>
            <numerusform>scorre di %n scatti verso destra</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>digita «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>nessun server di notifiche sul bus di sessione</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Indicazione a schermo</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>nessun layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>nessuna indicazione di GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>nessuna notifica: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>finestra fuori schermo (nessun display)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>finestra X11 sempre in primo piano</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>superficie layer-shell sul livello overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>estensione di GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>notifiche del desktop</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>normale finestra Wayland posizionata dal compositor</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Pulsanti e rotella del mouse</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sessione Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>puntatore virtuale uinput (sessione Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>solo client X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sessione X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest sul display X %1, raggiunge solo i client X (nessun uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest sul display X %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>nessun XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>puntatore virtuale uinput (nessun XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>nessun backend può inviare eventi del mouse</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>i passaggi del mouse vengono solo tracciati (nessun XTest: %1; nessun uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>nessun portale desktop</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>il portale desktop non ha GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 non è un bundle di pannello delle preferenze</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>il pannello di %1 non si è inizializzato</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>il pannello di %1 non ha una vista</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>impossibile trovare %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>i numeri di profilo vanno da 1 a %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>il file delle impostazioni non contiene profili</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>il file delle impostazioni non contiene il profilo %1 (ne contiene %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>non è un file di profilo (la radice non è un dizionario)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>mancante (non è un file di profilo)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>non è un intero (non è un file di profilo)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>questa versione non legge il formato %1 (legge il %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>non è una chiave di file di profilo (ignorata)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>non è un elenco di proprietà (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 è il file delle impostazioni stesso</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>impossibile leggere il file delle impostazioni %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>il file delle impostazioni %1 non è un dizionario</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>non c&apos;è un file delle impostazioni e non si possono leggere le impostazioni predefinite %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>impossibile scrivere il file delle impostazioni %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>annidato oltre %1 livelli</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>un elenco di proprietà binario danneggiato</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>niente da scrivere</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>un secondo elemento radice</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>testo fuori dagli elementi</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>nessun elemento</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>un secondo valore dentro &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; non contiene alcun valore</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>testo tra gli elementi</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; non è un elemento di elenco di proprietà</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; contiene un elemento</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; contiene “%2”</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; dove va un &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>un &lt;key&gt; senza valore</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>errore XML alla %1: %2</translation>
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
        <translation>non c&apos;è un bus di sessione D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>il servizio Halvane non è in esecuzione</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nessun display X (DISPLAY non è impostata)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>Profilo %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>Impossibile creare la cartella dei backup %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Impossibile rinominare il backup %1 in %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Impossibile conservare un backup di %1 in %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>non ci sono backup di %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>non esiste il backup %1 (da 1 a %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>il backup %1 non si legge come impostazioni (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>la radice non è un dizionario</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Impossibile leggere il file delle impostazioni %1 (%2) per spostarlo in %3; resta dov&apos;è</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Impossibile copiare il file delle impostazioni %1 in %2 (%3); resta dov&apos;è</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>La copia del file delle impostazioni in %1 è diversa da %2; l&apos;originale resta dov&apos;è</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Il file delle impostazioni %1 è stato copiato in %2, ma non è stato possibile rimuovere l&apos;originale</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Viene usato il file delle impostazioni %1; quello più vecchio in %2 resta intatto</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Il file delle impostazioni è stato spostato da %1 a %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Impossibile leggere il file delle impostazioni (%1); è stato conservato come %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Impossibile leggere il file delle impostazioni (%1) o metterlo da parte come %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>la radice non è un dizionario</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>le impostazioni non sono un dizionario</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>niente da scrivere</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Il file delle impostazioni %1 è %2; vengono usate le impostazioni predefinite senza salvarle</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>il pacchetto del programma non contiene impostazioni predefinite</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>non si possono leggere le impostazioni predefinite %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Impossibile creare %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>niente di utilizzabile</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>un booleano</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>un intero</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>un numero reale</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>una stringa</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>dati</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>una data</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>un array</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>un dizionario</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 profilo anziché %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n profilo anziché %1</numerusform>
            <numerusform>%n profili anziché %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 tasto macro anziché %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n tasto macro anziché %1</numerusform>
            <numerusform>%n tasti macro anziché %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>mancante</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>mancante (non ci sono profili: nessun tasto fa nulla)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>mancante (vale 0: il servizio parte con il profilo 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>mancante (vale false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>mancante (vale come nome vuoto)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>mancante (nessun tasto macro di questo profilo fa nulla)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>mancante (i tasti immagine non indicano alcuna applicazione)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>mancante (i tasti multimediali non indicano alcun lettore)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>mancante (vale come nessuna applicazione)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 non è un percorso assoluto (il cambio automatico confronta percorsi completi, quindi non corrisponde mai)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>mancante (vale come vuoto: il tasto non fa nulla)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 non è un&apos;azione (il tasto non fa nulla; le azioni sono %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>mancante (la macro non riproduce nulla)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>nessun passaggio registrato (la macro non riproduce nulla)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>mancante (il tasto non avvia nulla)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>mancante (vale come vuoto)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>vuoto (il tasto non avvia nulla)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 non è un percorso assoluto</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>mancante (vale come dati vuoti)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>mancante (vale 0: il tasto sceglie il profilo 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>mancante (vale 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>mancante (l&apos;etichetta del tasto resta vuota)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>mancante (un passaggio mancante riproduce il tasto 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 non è un codice tasto (0-%2, o -1 per un passaggio vuoto)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>mancante (vale 0: nessun modificatore)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 con un tasto (il servizio tiene premuti tutti e quattro i modificatori; le Preferenze mostrano (Nessuna))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 non è una maschera di modificatori</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>i bit 0x%1 non sono modificatori (ignorati)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>mancante (vale 0: nessuna pausa)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 non è un numero di millisecondi</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 supera %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 è minore di 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 non è un numero intero di millisecondi (le Preferenze conservano millisecondi interi)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 dopo un passaggio vuoto viene ignorato (un passaggio vuoto non causa pause)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>un numero</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>la radice è %1 anziché %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>è %1 anziché %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>contiene il carattere di controllo U+%1 (carattere %2), che potrebbe pilotare un terminale che mostra il nome</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>è lungo %n carattere; un nome ne ha al massimo %1</numerusform>
            <numerusform>è lungo %n caratteri; un nome ne ha al massimo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 è fuori da 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 non è un booleano (true, false, 0 o 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 non è uno dei valori %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>non è una chiave delle impostazioni (ignorata: una macro ha i passaggi 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>non è una chiave delle impostazioni (ignorata)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 non è un tipo di passaggio (ogni programma riproduce il codice tasto del passaggio; i tipi sono %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 non è un tipo di passaggio (i programmi precedenti e questo saltano il passaggio; i tipi sono %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 su un passaggio con codice tasto %2 (ogni programma riproduce il tasto e ignora il tipo; un passaggio di un altro tipo ha codice tasto -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>ignorata (il passaggio è vuoto: il suo codice tasto è -1 e non indica un altro tipo)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>non usata da un passaggio %1 (ignorata)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>mancante (i programmi saltano il passaggio)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>mancante (il passaggio non digita nulla)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>vuoto (il passaggio non digita nulla)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>è lungo %n carattere; un passaggio di testo ne digita al massimo %1 (il resto viene omesso)</numerusform>
            <numerusform>è lungo %n caratteri; un passaggio di testo ne digita al massimo %1 (il resto viene omesso)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>mancante (vale 1: uno scatto)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 è fuori da %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Digitazione del testo</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>caratteri fuori dal layout tramite codici tasto liberi</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>caratteri fuori dal layout tramite una mappa dei tasti che li contiene</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>solo i caratteri del layout della tastiera; gli altri richiedono X11 o un desktop con il protocollo della tastiera virtuale (sway, Hyprland e altri desktop wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>i passi di testo vengono solo tracciati</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 non esiste: caricare il modulo del kernel uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>nessun permesso su %1: installare le regole udev di Halvane, che danno accesso all&apos;utente connesso</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 non ha un driver uinput dietro: caricare il modulo del kernel uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossibile usare %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>nessuna connessione Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>il compositor non ha %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>nessuna mappa dei tasti da dare alla tastiera virtuale</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>il compositor ha rifiutato una tastiera virtuale</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nessun display X (DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>impossibile connettersi al display X %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>il display X %1 non ha questo schermo</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Scegli un&apos;applicazione</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Altro…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Cerca nelle applicazioni</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Le frecce scelgono nell&apos;elenco, Enter conferma</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applicazioni installate</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>annullata con Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>il servizio si chiude</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>il sistema va in sospensione</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>la sessione non è più attiva</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>la tastiera è stata scollegata</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Macro interrotta: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Impossibile salvare il profilo attuale in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Un passaggio di testo ha omesso %n carattere che questo desktop non può digitare: %1</numerusform>
            <numerusform>Un passaggio di testo ha omesso %n caratteri che questo desktop non può digitare: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>Profilo %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>Il tasto apre %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Macro cancellata.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Registra ogni tasto premuto, anche Tab ed Escape, fino a otto tasti. Premere due volte rapidamente Escape per fermare la registrazione.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Come viene riprodotta la macro</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profilo da attivare</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Tasto macro %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Registrazione fermata.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Registrazione cancellata.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Non registrato: una macro ha al massimo %n tasto.</numerusform>
            <numerusform>Non registrato: una macro ha al massimo %n tasti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Registrato %1, tasto %2 di %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Registrare prima un tasto: la pausa lo segue.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Dopo %1 la macro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Dopo il passaggio %1 la macro %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Non aggiunto: una macro ha al massimo %n passaggio.</numerusform>
            <numerusform>Non aggiunto: una macro ha al massimo %n passaggi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Aggiunto il passaggio %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Rimosso il passaggio %1.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Aggiunge questa pausa dopo l’ultimo passaggio scelto, altrimenti dopo l’ultimo passaggio</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Non è stato possibile usare il file delle impostazioni così com&apos;era.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Non è stato possibile leggere o creare le impostazioni.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Tastiera Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Non è stato possibile salvare le impostazioni.</translation>
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
        <translation>Profilo: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (non installata)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter o Space cambia l&apos;azione del tasto, Shift+F10 o il tasto Menu apre altre scelte, le frecce passano agli altri tasti macro.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Tasti macro</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>Da L1 a L5 a sinistra della tastiera, da R1 a R5 a destra</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Tasti macro e profili</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>La tastiera è passata al profilo %1, “%2”.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Impostazioni salvate; la tastiera ora le usa.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Impostazioni salvate.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Tastiera Halvane: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Tastiera Halvane: profilo %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Cambio automatico</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Chiudi il servizio Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Questo desktop non può digitare: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Passaggio %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Passaggio %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Testo da digitare</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Pulsante del mouse</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Cosa fa il pulsante</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Direzione della rotella</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Scatti</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Rimuovi il passaggio %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Rotella</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Rilascia</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Destra</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space attiva o disattiva</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 o Enter rinomina il profilo</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter sceglie l&apos;applicazione che passa a questo profilo</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>nessuna</translation>
    </message>
</context>
</TS>
