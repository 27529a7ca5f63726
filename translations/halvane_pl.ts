<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>„%1” nie jest numerem profilu (od 1 do %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>błędna liczba argumentów dla %1 (użycie: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>nazwa pliku jest pusta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>„%1” nie jest numerem kopii zapasowej (według listy „%2”)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>nieznane polecenie „%1”</translation>
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
        <translation>wpisał %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>wysłał %n zdarzenie klawisza systemowego</numerusform>
            <numerusform>wysłał %n zdarzenia klawisza systemowego</numerusform>
            <numerusform>wysłał %n zdarzeń klawisza systemowego</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>nacisnął %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>odczekał %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>przełączył się na %1 (pokazano na ekranie)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>przełączył się na profil %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>zapewnił swoje uruchamianie po zalogowaniu</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>uruchomił swój skrypt dla %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>poprosił %1 o „%2”</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>otworzył %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>nie można utworzyć katalogu tymczasowego</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Klawisz Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Klawisz wysuwania</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>klawisz profilu + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>klawisz profilu + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>nie można utworzyć ustawień demonstracyjnych z %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Uruchamianie programu pomocniczego z profilem demonstracyjnym i wirtualną klawiaturą…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>program pomocniczy nie znalazł wirtualnej klawiatury</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Program pomocniczy znalazł klawiaturę i %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>jest gotowy</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>program pomocniczy nieoczekiwanie się zatrzymał</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>program pomocniczy nie jest połączony z wirtualną klawiaturą</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>program pomocniczy nie zatrzymał się w ciągu 5 s</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>program pomocniczy zakończył działanie ze stanem %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Program pomocniczy zatrzymał się poprawnie.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Program pomocniczy zgłosił:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Nic nie przeszkadza w działaniu klawiatury</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problem uniemożliwia działanie klawiatury</numerusform>
            <numerusform>%n problemy uniemożliwiają działanie klawiatury</numerusform>
            <numerusform>%n problemów uniemożliwia działanie klawiatury</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>jeszcze %n problem wart poprawienia</numerusform>
            <numerusform>jeszcze %n problemy warte poprawienia</numerusform>
            <numerusform>jeszcze %n problemów wartych poprawienia</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>rozwiązanie:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Automatyczne przełączanie w tym środowisku graficznym wymaga najpierw jednego kroku:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>nienazwane środowisko graficzne</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>wyloguj się i zaloguj ponownie (GNOME na Waylandzie wykrywa nowe rozszerzenia tylko przy logowaniu)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (potrzebne do automatycznego przełączania i nazwy profilu na ekranie)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Rozszerzenie GNOME Shell %1: niezainstalowane</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Rozszerzenie GNOME Shell: %1 nie jest przeznaczone dla GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Rozszerzenie GNOME Shell: %1, działa</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Rozszerzenia GNOME Shell są całkowicie wyłączone</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Rozszerzenie GNOME Shell %1: zainstalowane, niewłączone</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Rozszerzenie GNOME Shell %1: zainstalowane, ale GNOME Shell go nie uruchomił</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>jeśli nadal nie działa: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (potrzebne do automatycznego przełączania)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Skrypt KWin %1: niezainstalowany</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Skrypt KWin: %1 (program pomocniczy wczytuje go przy uruchomieniu)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Skrypt KWin: KWin nie odpowiada na tej magistrali sesji</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>uruchom %1 w terminalu sesji Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Skrypt KWin: %1 jest zainstalowany, ale KWin go nie wczytał</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>uruchom ponownie program pomocniczy, który wczytuje go przy uruchomieniu (jego dziennik podaje, dlaczego się nie udało: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Skrypt KWin: %1, wczytany</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Środowisko graficzne: nie wykryto sesji graficznej (DISPLAY i WAYLAND_DISPLAY nie są ustawione)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>uruchom %1 w terminalu swojej sesji graficznej</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Środowisko graficzne: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>nie masz prawa odczytu ani zapisu do %1</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>nie masz prawa zapisu do %1</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>nie masz prawa odczytu do %1</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>masz prawo odczytu i zapisu do %1</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>Reguła udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>Reguła udev: %1 nie zawiera reguły Halvane (opróżniona lub zamaskowana)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>Reguła udev: zainstalowana w %1, gdzie udev nie szuka</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>Reguła udev: %1 nie jest zainstalowana (szukano w %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>Reguła udev zastosowana: uaccess na %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>Reguła udev niezastosowana: brak znacznika uaccess na %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>zainstaluj regułę udev (powyżej), a następnie: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>lub podłącz klawiaturę ponownie</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Dostęp do klawiatury: możesz czytać i zapisywać %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Dostęp do klawiatury: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>następnie zaloguj się bezpośrednio przy komputerze (nie przez ssh) lub na razie: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: zapis możliwy</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (potrzebne klawiszom multimedialnym i wysuwania, a na Waylandzie każdemu makru)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (przy każdym uruchomieniu systemu)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 przypisuje go do KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev nie nadał %1 wpisu hwdb Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>Wpis hwdb: w skompilowanej bazie hwdb</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>skompilowana baza hwdb nie zawiera wpisu Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>Wpis hwdb: klawisze makr nie są klawiszami systemowymi na %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>Wpis hwdb nieaktywny: %1 (klawisz makra 0xF8 usypiałby komputer)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Klawiatura: %n interfejs (%1)</numerusform>
            <numerusform>Klawiatura: %n interfejsy (%1)</numerusform>
            <numerusform>Klawiatura: %n interfejsów (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Klawiatura: żadna nie jest podłączona; %n wirtualny interfejs %1 w %2</numerusform>
            <numerusform>Klawiatura: żadna nie jest podłączona; %n wirtualne interfejsy %1 w %2</numerusform>
            <numerusform>Klawiatura: żadna nie jest podłączona; %n wirtualnych interfejsów %1 w %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Klawiatura: nie znaleziono (brak węzła hidraw urządzenia HID %1:%2 lub %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>podłącz klawiaturę (aby wypróbować bez niej: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Autostart: %1 jest wyłączony</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Autostart: %1 niczego nie uruchamia</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Autostart: %1 uruchamia %2, którego nie ma</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Autostart: zarówno %1, jak i %2 uruchamiają program pomocniczy po zalogowaniu</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (program pomocniczy zapisze taki, który zostawia uruchamianie jednostce)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Autostart: %1 jest włączony</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Autostart: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Autostart: program pomocniczy nie uruchamia się po zalogowaniu</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>uruchom raz program pomocniczy; doda %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, a następnie uruchom raz program pomocniczy; zapisze nowy: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>uruchom raz %1; zapisze ustawienia domyślne</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (najnowsza kopia zapasowa)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Ustawienia: %1 nie istnieje (bez niego klawisze nic nie robią)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Ustawienia: nie można odczytać %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>element główny nie jest słownikiem</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, a następnie %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Ustawienia: %1 zawiera %n błąd</numerusform>
            <numerusform>Ustawienia: %1 zawiera %n błędy</numerusform>
            <numerusform>Ustawienia: %1 zawiera %n błędów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (wypisuje każdy), a następnie popraw je w %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>lub wróć do wcześniejszej wersji: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Ustawienia: %1 jest poprawny</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Ustawienia: %1 jest poprawny (%n ostrzeżenie: %2)</numerusform>
            <numerusform>Ustawienia: %1 jest poprawny (%n ostrzeżenia: %2)</numerusform>
            <numerusform>Ustawienia: %1 jest poprawny (%n ostrzeżeń: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>zamknij program pomocniczy (zakończ jego proces HalvaneHelper), a następnie: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Syntetyczne klawisze</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Zdarzenia HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Program na pierwszym planie</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Komunikat na ekranie</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: program pomocniczy nie podaje, który backend wybrał</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>zaktualizuj i uruchom ponownie program pomocniczy: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>automatyczne przełączanie jest wyłączone; uruchom program pomocniczy ze swojej sesji graficznej, w której widzi okna: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>nadaj prawo zapisu do /dev/uinput (patrz wyżej), a następnie %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>program pomocniczy Halvane nie działa</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Program pomocniczy: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>uruchom go: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Program pomocniczy: zajmuje %1, ale nie odpowiada</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Program pomocniczy: działa wersja %1, ale ten halvanectl ma wersję %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>aby uruchomić zainstalowaną wersję, %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Program pomocniczy: działa, wersja %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Przyciski i kółko myszy</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Kroki tekstowe</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>katalog, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>FIFO, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>urządzenie znakowe, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>urządzenie blokowe, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>plik specjalny, a nie zwykły</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>większy niż %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Program na pierwszym planie</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>Serwer X %1 odmówił połączenia (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>nie można skonfigurować %1, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP to %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 nie ma na magistrali sesji</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>brak połączenia z Waylandem</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>kompozytor nie ma %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>brak HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>brak NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>brak SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>zmienna DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>to nie jest sesja Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>ma niższy priorytet</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>nie %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>przez nasze rozszerzenie GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>przez nasz skrypt KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>gniazdo zdarzeń Hyprlanda</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>strumień zdarzeń niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 z PID-em z IPC sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW na XWayland, który widzi tylko programy X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>automatyczne przełączanie jest wyłączone</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Rozszerzenie GNOME Shell %1: Shell nie podał, czy działa (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>Rozszerzenie GNOME Shell %1 nie jest zainstalowane: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>Rozszerzenie GNOME Shell %1 nie jest włączone: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>jest potrzebne do automatycznego przełączania; uruchom `%1` (na Waylandzie nowo zainstalowane rozszerzenie jest wykrywane dopiero po ponownym zalogowaniu)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell nie działa</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>rozszerzenie halvane-keyboard@halvane.com nie jest włączone</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Zdarzenia HID (wysuwanie, klawisze multimedialne, mysz)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>można używać /dev/uinput</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>brak uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>tylko śledzone, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Brak)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Klawisz makra</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Wykonaj makro</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Nowe makro:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Jak makro jest odtwarzane po naciśnięciu jego klawisza</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Powtarzaj, gdy wciśnięty</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Start/stop naciśnięciem</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Bieżące makro:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>Makro przypisane teraz do klawisza</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Kliknij tutaj i wpisz do ośmiu klawiszy</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Gdy ten przycisk ma fokus, nagrywany jest każdy wpisany klawisz, łącznie ze skrótami.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pauza na końcu:</translation>
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
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Uruchom program</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>Program otwierany przez klawisz</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Wybierz profil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Profil, na który przełącza klawisz</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Wybierz…</translation>
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
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Dodaj krok</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Dodaje krok, który wpisuje tekst, używa przycisku myszy lub obraca kółko</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>Makro w postaci, w jakiej zapisze je OK lub Zastosuj</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Klawiatura Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Klawisze makr</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Edytowany profil:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Zamieniaj klawisze Command (Super) i Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: kliknij, aby nagrać makro; prawy przycisk, aby zobaczyć więcej</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Klawisze multimedialne:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Odtwarzacz multimediów, którym sterują klawisze multimedialne klawiatury w tym profilu</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Klawisze obrazów:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>Program graficzny, którym sterują klawisze obrazów w tym profilu</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Przywróć klawisze</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Usuwa działania wszystkich klawiszy makr tego profilu</translation>
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
        <translation>Program</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Automatyczne przełączanie</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Kliknij dwukrotnie nazwę profilu, aby ją zmienić, lub jego program, aby wybrać program, który automatycznie przełącza na ten profil.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Przywróć profil</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Przywraca pierwotne ustawienia zaznaczonego profilu</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Pokazuj zmiany profilu na ekranie</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Wstrzymuj automatyczne przełączanie</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Pokazuj w zasobniku</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Ikona z numerem bieżącego profilu i menu do przełączania profili</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Pomoc klawiatury Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Zapisuje ustawienia i przekazuje je do klawiatury</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Klawisz makra</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Wybierz profil</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Uruchom program…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Skrót klawiszowy</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Przywróć klawisz</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Kliknij klawisz makra (lub naciśnij na nim Enter), aby nagrać makro, uruchomić program lub wybrać profil. Prawy przycisk lub Shift+F10: więcej.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Klient wiersza poleceń oprogramowania klawiatury Halvane. Profile są numerowane od 1 do 10,
tak jak pokazują je preferencje: „4 - Gry” to czwarty profil o nazwie Gry.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Polecenia komunikujące się z działającym programem pomocniczym Halvane:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>wypisuje bieżący profil, np. „4 - Gry”</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>przełącza na profil N (jak preferencje: program pomocniczy pokazuje
profil na ekranie, jeśli tak ustawiono, i nie ogłasza zmiany)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>każe programowi pomocniczemu ponownie wczytać plik ustawień</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>wypisuje każdą zmianę profilu ogłoszoną przez program pomocniczy, po
jednej w wierszu („4 - Gry”), aż do przerwania; program pomocniczy
może uruchomić się później</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>co program pomocniczy widzi na pierwszym planie: system okien, app_id,
klasę, instancję i proces okna, program (wpis pulpitu i plik
wykonywalny) i jak go znaleziono oraz jaki profil to wybiera lub
dlaczego żaden; --watch wypisuje to ponownie po każdej zmianie programu</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>sprawdza wszystko, czego potrzebuje klawiatura, po jednym wierszu, z
rozwiązaniem każdego problemu: węzły urządzeń klawiatury i /dev/uinput,
regułę udev i wpis hwdb, program pomocniczy i wybrane przez niego
backendy, środowisko graficzne i jego rozszerzenie Shell lub skrypt
KWin, autostart, plik ustawień</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>tylko krok potrzebny temu środowisku graficznemu do automatycznego przełączania, jeśli jest</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Polecenia dotyczące pliku ustawień (program pomocniczy nie musi działać):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>sprawdza plik ustawień, domyślnie plik użytkownika
(~/.config/halvane/com.halvane.keyboard.plist lub $HALVANE_SETTINGS);
wypisuje każdy problem z jego miejscem w pliku, np.
„błąd: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350”</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>zapisuje profil N do FILE, listy właściwości zawierającej „Format” (1)
i rekord profilu pod „Profile”; profil z błędami nie jest
eksportowany</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>zastępuje profil N profilem z FILE; profil jest najpierw sprawdzany
i nic się nie zmienia, gdy zawiera błędy; następnie działający program
pomocniczy jest proszony o ponowne wczytanie</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>wypisuje zachowane wcześniejsze wersje pliku ustawień (10 najnowszych,
w ~/.config/halvane/backups), numerowane od najnowszej, z czasem
zastąpienia każdej i jej rozmiarem</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>przywraca kopię zapasową N jako plik ustawień (bieżąca zawartość sama
staje się kopią zapasową); następnie działający program pomocniczy jest proszony o ponowne wczytanie</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>ten tekst</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>wersja oprogramowania Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Błędy to miejsca, w których oprogramowanie działałoby inaczej, niż mówi plik, lub
wartości, których preferencje nigdy nie zapisują; ostrzeżenia to nieszkodliwe odstępstwa
od tego, co zapisują preferencje (brakujący wpis odczytywany jako rozsądna wartość, nieznany klucz).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Kod wyjścia: 0 wykonano (same ostrzeżenia pozostawiają 0); 1 check znalazł błędy, export lub
import odrzucił profil z błędami albo doctor znalazł coś, co uniemożliwia działanie
klawiatury; 2 nie można było wykonać polecenia (błędne argumenty, plik, którego nie można
odczytać ani zapisać, program pomocniczy nie działa lub nie odpowiada).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Spróbuj „%1”.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>program pomocniczy Halvane nie odpowiedział</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>plik ustawień zawiera tylko %n profil</numerusform>
            <numerusform>plik ustawień zawiera tylko %n profile</numerusform>
            <numerusform>plik ustawień zawiera tylko %n profili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>nie przełączył w ciągu %n sekundy (może trwa makro; przełączenie nastąpi po jego zakończeniu)</numerusform>
            <numerusform>nie przełączył w ciągu %n sekund (może trwa makro; przełączenie nastąpi po jego zakończeniu)</numerusform>
            <numerusform>nie przełączył w ciągu %n sekund (może trwa makro; przełączenie nastąpi po jego zakończeniu)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>program pomocniczy Halvane pozostał na profilu %1 i nie przełączył na profil %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>program pomocniczy Halvane ponownie wczytał ustawienia</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, ale:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>nie można obserwować: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Obserwowanie zmian profilu; naciśnij Ctrl-C, aby zakończyć.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Okno:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>klasa</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>instancja</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>program GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>plik desktop KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 „%2”</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>nie mówi nic o swoim programie</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), znaleziony przez %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Wpis pulpitu:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>także:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>nie znaleziono wpisu pulpitu</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Plik wykonywalny:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>brak: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Wybór backendu: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>nie można obserwować programu na pierwszym planie w programie pomocniczym</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Obserwowanie zmian programu; naciśnij Ctrl-C, aby zakończyć.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 nie jest plikiem ustawień (element główny nie jest słownikiem)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: brak problemów</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n ostrzeżenie</numerusform>
            <numerusform>%n ostrzeżenia</numerusform>
            <numerusform>%n ostrzeżeń</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Wyeksportowano profil %1 do %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>profil %1 zawiera błędy; niczego nie wyeksportowano</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 zawiera błędy; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>Zaimportowano %1 jako profil %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>profil został zaimportowany</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Program pomocniczy Halvane nie działa; wczyta nowy profil po uruchomieniu.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, ale program pomocniczy Halvane nie odpowiedział na prośbę o ponowne wczytanie; uruchom go ponownie, inaczej przy zamykaniu zapisze z powrotem swoje starsze ustawienia</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Program pomocniczy Halvane ponownie wczytał ustawienia.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Brak jeszcze kopii zapasowych %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Kopie zapasowe %1, od najnowszej:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bajt</numerusform>
            <numerusform>%n bajty</numerusform>
            <numerusform>%n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Przywrócono ustawienia obowiązujące do %1 (kopia zapasowa %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>kopia zapasowa została przywrócona</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Program pomocniczy Halvane nie działa; wczyta nowe ustawienia po uruchomieniu.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Uwaga: %1 uruchamia %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Uwaga: profil staje się bieżący za każdym razem, gdy %1 znajdzie się na pierwszym planie</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>nie wczytano żadnych ustawień</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>automatyczne przełączanie jest wstrzymane (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>program okna jest nieznany, więc nie jest do niego przypisany żaden profil</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>żadne okno nie jest aktywne</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>żaden profil nie wskazuje tego programu w %1</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>profil %1 go wskazuje, ale %2 jest wyłączone</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>wybiera profil %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>program pomocniczy działa</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>uruchomiono program pomocniczy przez %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>uruchomiono program pomocniczy</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>brak magistrali sesji: nie uruchomiono programu pomocniczego</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>nie można znaleźć programu pomocniczego, aby go uruchomić</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>to nie jest sesja Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>brak serwera X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>portal pulpitu GlobalShortcuts (wersja %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>ma niższy priorytet</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>przechwytywanie klawiszy przez XWayland, widoczne tylko, gdy program X ma fokus (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>przechwytywanie klawiszy na serwerze X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>brak serwera X; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>każda rejestracja jest odrzucana (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Klawiatura Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Skrypt KWin: obsługa skryptów KWin nie odpowiada (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Skrypt KWin: zastąpiono skrypt pozostawiony przez poprzedni program pomocniczy</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Skrypt KWin: KWin nie wczytał %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odmowa</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Skrypt KWin: wczytany, ale nie uruchomiony (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Skrypt KWin: %1 nie jest zainstalowany</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Syntetyczne klawisze</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sesja Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>wirtualna klawiatura uinput (sesja Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>brak uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>wirtualna klawiatura kompozytora Wayland (brak uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; brak wirtualnej klawiatury Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest na serwerze X %1, docierający tylko do klientów X (brak uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest na serwerze X %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>tylko klienci X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sesja X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>brak XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>wirtualna klawiatura uinput (brak XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>żaden backend nie może wysyłać zdarzeń</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>makra są tylko śledzone (brak XTest: %1; brak uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>brak połączenia z Waylandem</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>kompozytor nie ma %1</translation>
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
        <translation>uruchamia %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>uruchamia %1 (nie znaleziono programu)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>przełącza na profil „%1”</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>przełącza na profil %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>powtarza się, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>powtarza się do ponownego naciśnięcia klawisza</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>nic nie przypisano</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>naciska %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>czeka %1 sekundy</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>klika %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>wciska %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>zwalnia %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>lewy przycisk</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>prawy przycisk</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>środkowy przycisk</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>przycisk Wstecz</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>przycisk Dalej</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>przewija o %n skok w górę</numerusform>
            <numerusform>przewija o %n skoki w górę</numerusform>
            <numerusform>przewija o %n skoków w górę</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>przewija o %n skok w dół</numerusform>
            <numerusform>przewija o %n skoki w dół</numerusform>
            <numerusform>przewija o %n skoków w dół</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>przewija o %n skok w lewo</numerusform>
            <numerusform>przewija o %n skoki w lewo</numerusform>
            <numerusform>przewija o %n skoków w lewo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>przewija o %n skok w prawo</numerusform>
            <numerusform>przewija o %n skoki w prawo</numerusform>
            <numerusform>przewija o %n skoków w prawo</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>wpisuje „%1”</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>brak serwera powiadomień na magistrali sesji</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Komunikat na ekranie</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>brak layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>brak komunikatu GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>brak powiadomień: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>okno poza ekranem (brak ekranu)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>okno X11 zawsze na wierzchu</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>powierzchnia layer-shell na warstwie overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>rozszerzenie GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>powiadomienia pulpitu</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>zwykłe okno Wayland umieszczone przez kompozytor</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Przyciski i kółko myszy</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sesja Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>wirtualny wskaźnik uinput (sesja Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>tylko klienci X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sesja X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest na serwerze X %1, docierający tylko do klientów X (brak uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest na serwerze X %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>brak XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>wirtualny wskaźnik uinput (brak XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>żaden backend nie może wysyłać zdarzeń myszy</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>kroki myszy są tylko śledzone (brak XTest: %1; brak uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>brak magistrali sesji</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>brak portalu pulpitu</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>portal pulpitu nie obsługuje GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 nie jest pakietem panelu preferencji</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>panel %1 nie zainicjował się</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>panel %1 nie ma widoku</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>nie można odnaleźć %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>numery profili to 1–%1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>plik ustawień nie zawiera profili</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>plik ustawień nie zawiera profilu %1 (zawiera ich %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>to nie plik profilu (jego korzeń nie jest słownikiem)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>brak (to nie plik profilu)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>nie jest liczbą całkowitą (to nie plik profilu)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 to format, którego ta wersja nie odczytuje (odczytuje %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>nie jest kluczem pliku profilu (pominięto)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>to nie lista właściwości (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 to sam plik ustawień</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>nie można odczytać pliku ustawień %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>plik ustawień %1 nie jest słownikiem</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>brak pliku ustawień, a nie można odczytać ustawień domyślnych %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>nie można zapisać pliku ustawień %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>zagnieżdżenie głębsze niż %1</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>uszkodzona binarna lista właściwości</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nie ma czego zapisać</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>drugi element główny</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>tekst poza elementami</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>brak elementu</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>druga wartość wewnątrz &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; nie zawiera wartości</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>tekst między elementami</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; nie jest elementem listy właściwości</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; zawiera element</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; zawiera „%2”</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; tam, gdzie powinien być &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;key&gt; bez wartości</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>błąd XML, %1: %2</translation>
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
        <translation>brak magistrali sesji D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>program pomocniczy Halvane nie działa</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>brak serwera X (zmienna DISPLAY nie jest ustawiona)</translation>
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
        <translation>Nie można utworzyć katalogu kopii zapasowych %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Nie można zmienić nazwy kopii zapasowej %1 na %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Nie można zachować kopii zapasowej %1 w %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>brak kopii zapasowych %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>nie ma kopii zapasowej %1 (numery 1–%2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>kopii zapasowej %1 nie można odczytać jako ustawień (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>jej korzeń nie jest słownikiem</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Nie można odczytać pliku ustawień %1 (%2), aby przenieść go do %3; pozostaje na miejscu</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Nie można skopiować pliku ustawień %1 do %2 (%3); pozostaje na miejscu</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>Kopia pliku ustawień w %1 różni się od %2; oryginał pozostaje na miejscu</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Skopiowano plik ustawień %1 do %2, ale nie można usunąć oryginału</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Używany jest plik ustawień %1; starszy plik w %2 pozostaje nietknięty</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Przeniesiono plik ustawień z %1 do %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Nie można odczytać pliku ustawień (%1); zachowano go jako %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Nie można odczytać pliku ustawień (%1) ani odłożyć go do %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>jego korzeń nie jest słownikiem</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>ustawienia nie są słownikiem</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nie ma czego zapisać</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Plik ustawień %1 to %2; używane są ustawienia domyślne, bez zapisywania</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>pakiet programu nie zawiera ustawień domyślnych</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>nie można odczytać ustawień domyślnych %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>nieużyteczna wartość</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>wartość logiczna</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>liczba całkowita</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>liczba rzeczywista</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>ciąg znaków</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>dane</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>data</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>tablica</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>słownik</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 profil, oczekiwano %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n profil, oczekiwano %1</numerusform>
            <numerusform>%n profile, oczekiwano %1</numerusform>
            <numerusform>%n profili, oczekiwano %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 klawisz makra, oczekiwano %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n klawisz makra, oczekiwano %1</numerusform>
            <numerusform>%n klawisze makr, oczekiwano %1</numerusform>
            <numerusform>%n klawiszy makr, oczekiwano %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>brak (nie ma profili: żaden klawisz nic nie robi)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>brak (odczytywane jako 0: program pomocniczy zaczyna od profilu 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>brak (odczytywane jako false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>brak (odczytywane jako pusta nazwa)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>brak (żaden klawisz makra tego profilu nic nie robi)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>brak (klawisze obrazów nie wskazują programu)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>brak (klawisze multimedialne nie wskazują odtwarzacza)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>brak (odczytywane jako brak programu)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 nie jest ścieżką bezwzględną (automatyczne przełączanie porównuje pełne ścieżki, więc nigdy nie pasuje)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>brak (odczytywane jako puste: klawisz nic nie robi)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 nie jest akcją (klawisz nic nie robi; akcje to %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>brak (makro nic nie odtwarza)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>brak nagranych kroków (makro nic nie odtwarza)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>brak (klawisz niczego nie uruchamia)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>brak (odczytywane jako puste)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>puste (klawisz niczego nie uruchamia)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 nie jest ścieżką bezwzględną</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>brak (odczytywane jako puste dane)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>brak (odczytywane jako 0: klawisz wybiera profil 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>brak (odczytywane jako 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>brak (etykieta klawisza będzie pusta)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>brak (brakujący krok odtwarza klawisz 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 nie jest kodem klawisza (0-%2 lub -1 dla pustego kroku)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>brak (odczytywane jako 0: bez modyfikatorów)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 razem z klawiszem (program pomocniczy przytrzymuje wszystkie cztery modyfikatory; Preferencje pokazują (Brak))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 nie jest maską modyfikatorów</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>bity 0x%1 nie są modyfikatorami (pominięto)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>brak (odczytywane jako 0: bez pauzy)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 nie jest liczbą milisekund</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 przekracza %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 jest mniejsze od 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 nie jest całkowitą liczbą milisekund (Preferencje zachowują tylko całe milisekundy)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 po pustym kroku jest pomijane (pusty krok nie powoduje pauzy)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>liczba</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>korzeń to %1, oczekiwano: %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>to %1, oczekiwano: %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>zawiera znak sterujący U+%1 (znak %2), który mógłby sterować terminalem wyświetlającym nazwę</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>ma %n znak; nazwa może mieć najwyżej %1</numerusform>
            <numerusform>ma %n znaki; nazwa może mieć najwyżej %1</numerusform>
            <numerusform>ma %n znaków; nazwa może mieć najwyżej %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 jest poza zakresem 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 nie jest wartością logiczną (true, false, 0 lub 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 jest niedozwolone (dozwolone: %2)</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>nie jest kluczem ustawień (pominięto: makro ma kroki 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>nie jest kluczem ustawień (pominięto)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 nie jest rodzajem kroku (każdy program odtwarza kod klawisza kroku; rodzaje: %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 nie jest rodzajem kroku (starsze programy i ten pomijają krok; rodzaje: %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 przy kroku z kodem klawisza %2 (każdy program odtwarza klawisz i pomija rodzaj; krok innego rodzaju ma kod klawisza -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>pominięto (krok jest pusty: ma kod klawisza -1 i nie wskazuje innego rodzaju)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>nieużywane przez krok %1 (pominięto)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>brak (programy pomijają krok)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>brak (krok niczego nie wpisuje)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>puste (krok niczego nie wpisuje)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>ma %n znak; krok tekstowy wpisuje najwyżej %1 (reszta jest pomijana)</numerusform>
            <numerusform>ma %n znaki; krok tekstowy wpisuje najwyżej %1 (reszta jest pomijana)</numerusform>
            <numerusform>ma %n znaków; krok tekstowy wpisuje najwyżej %1 (reszta jest pomijana)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>brak (odczytywane jako 1: jeden ząbek)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 jest poza zakresem %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Wpisywanie tekstu</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>znaki spoza układu przez wolne kody klawiszy</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>znaki spoza układu przez mapę klawiszy, która je zawiera</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>tylko znaki układu klawiatury; pozostałe wymagają X11 lub pulpitu z protokołem wirtualnej klawiatury (sway, Hyprland i inne pulpity wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>kroki tekstowe są tylko zapisywane</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 nie istnieje: wczytaj moduł jądra uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>brak uprawnień do %1: zainstaluj reguły udev Halvane, które dają do niego dostęp zalogowanemu użytkownikowi</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>za %1 nie stoi sterownik uinput: wczytaj moduł jądra uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>nie można użyć %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>brak połączenia z Waylandem</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>kompozytor nie ma %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>brak mapy klawiszy dla wirtualnej klawiatury</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>kompozytor odmówił utworzenia wirtualnej klawiatury</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>brak serwera X (zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>nie można połączyć się z serwerem X %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>serwer X %1 nie ma takiego ekranu</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Inny…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Szukaj programów</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Strzałki wybierają z listy, Enter zatwierdza wybór</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Zainstalowane programy</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>anulowano klawiszem Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>program pomocniczy kończy działanie</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>system przechodzi w stan uśpienia</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>sesja nie jest już aktywna</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>odłączono klawiaturę</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Zatrzymano makro: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Nie można zapisać bieżącego profilu w %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Krok tekstowy pominął %n znak, którego to środowisko graficzne nie może wpisać: %1</numerusform>
            <numerusform>Krok tekstowy pominął %n znaki, których to środowisko graficzne nie może wpisać: %1</numerusform>
            <numerusform>Krok tekstowy pominął %n znaków, których to środowisko graficzne nie może wpisać: %1</numerusform>
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
        <translation>Klawisz uruchamia %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Wyczyszczono makro.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Nagrywa każdy naciśnięty klawisz, także Tab i Escape, maksymalnie osiem. Aby zakończyć nagrywanie, szybko naciśnij dwa razy Escape.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Tryb odtwarzania makra</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil do przełączenia</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Klawisz makra %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Zatrzymano nagrywanie.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Wyczyszczono nagranie.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Nie nagrano: makro ma najwyżej %n klawisz.</numerusform>
            <numerusform>Nie nagrano: makro ma najwyżej %n klawisze.</numerusform>
            <numerusform>Nie nagrano: makro ma najwyżej %n klawiszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Nagrano %1, klawisz %2 z %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Najpierw nagraj klawisz: pauza następuje po ostatnim klawiszu.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Po %1 makro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Po kroku %1 makro %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Nie dodano: makro ma najwyżej %n krok.</numerusform>
            <numerusform>Nie dodano: makro ma najwyżej %n kroki.</numerusform>
            <numerusform>Nie dodano: makro ma najwyżej %n kroków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Dodano krok %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Usunięto krok %1.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Dodaje tę pauzę po ostatnio wybranym kroku, a jeśli go nie ma, po ostatnim kroku</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Nie można było użyć pliku ustawień w obecnej postaci.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Nie można było odczytać ani utworzyć ustawień.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Klawiatura Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można było zapisać ustawień.</translation>
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
        <translation>%1 (niezainstalowany)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter lub Space zmienia działanie klawisza, Shift+F10 lub klawisz Menu otwiera więcej opcji, strzałki przechodzą do innych klawiszy makr.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Klawisze makr</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>Od L1 do L5 po lewej stronie klawiatury, od R1 do R5 po prawej</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Klawisze makr i profile</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Klawiatura przełączyła się na profil %1 „%2”.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Zapisano ustawienia; klawiatura już ich używa.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Zapisano ustawienia.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Klawiatura Halvane: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Klawiatura Halvane: profil %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Automatyczne przełączanie</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Zakończ program pomocniczy Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Ten pulpit nie może wpisać: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Krok %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Krok %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Tekst do wpisania</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Przycisk myszy</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Co robi przycisk</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Kierunek kółka</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Skoki</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Usuń krok %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Kółko</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Środkowy</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Wciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>W prawo</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space włącza lub wyłącza</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 lub Enter zmienia nazwę profilu</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter wybiera program, który przełącza na ten profil</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>brak</translation>
    </message>
</context>
</TS>
