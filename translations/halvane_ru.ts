<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>«%1» — не номер профиля (от 1 до %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>неверное число аргументов для %1 (использование: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>пустое имя файла</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>«%1» — не номер резервной копии (номера показывает «%2»)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
</context>
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation>ввела %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>отправила %n системное событие клавиши</numerusform>
            <numerusform>отправила %n системных события клавиш</numerusform>
            <numerusform>отправила %n системных событий клавиш</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>нажала %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>подождала %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>переключилась на %1 (показано на экране)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>переключилась на профиль %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>обеспечила свой автозапуск при входе в систему</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>выполнила свой сценарий для %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>попросила %1 выполнить %2</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>открыла %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>не удаётся создать временную папку</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Клавиша Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Клавиша Eject</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>клавиша профиля + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>клавиша профиля + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>не удаётся создать демонстрационные настройки из %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Запуск службы с демонстрационным профилем и виртуальной клавиатурой...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>служба не нашла виртуальную клавиатуру</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Служба нашла клавиатуру и %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>готова к работе</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>служба неожиданно остановилась</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>служба не подключена к виртуальной клавиатуре</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>служба не остановилась за 5 с</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>служба завершилась с кодом %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Служба остановилась штатно.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Вывод службы:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Ничто не мешает работе клавиатуры</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n проблема мешает работе клавиатуры</numerusform>
            <numerusform>%n проблемы мешают работе клавиатуры</numerusform>
            <numerusform>%n проблем мешают работе клавиатуры</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>ещё %n пункт стоит исправить</numerusform>
            <numerusform>ещё %n пункта стоит исправить</numerusform>
            <numerusform>ещё %n пунктов стоит исправить</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>решение:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Автоматическому переключению на этом рабочем столе сначала нужен один шаг:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>безымянный рабочий стол</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>выйдите из сеанса и войдите снова (GNOME на Wayland находит новые расширения только при входе)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (нужно для автоматического переключения и показа имени профиля на экране)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Расширение GNOME Shell %1: не установлено</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Расширение GNOME Shell: %1 не предназначено для GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Расширение GNOME Shell: %1, работает</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Расширения GNOME Shell полностью отключены</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Расширение GNOME Shell %1: установлено, но не включено</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Расширение GNOME Shell %1: установлено, но GNOME Shell его не запустил</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>если оно всё равно не работает: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (нужно для автоматического переключения)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Сценарий KWin %1: не установлен</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Сценарий KWin: %1 (служба загружает его при запуске)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Сценарий KWin: KWin не отвечает на этой сеансовой шине</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>выполните %1 в терминале сеанса Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Сценарий KWin: %1 установлен, но KWin его не загрузил</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>перезапустите службу, она загружает его при запуске (почему не получилось, сказано в её журнале: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Сценарий KWin: %1, загружен</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Рабочий стол: графический сеанс не обнаружен (DISPLAY и WAYLAND_DISPLAY не заданы)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>выполните %1 в терминале вашего сеанса рабочего стола</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Рабочий стол: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 отсутствует</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>у вас нет прав на чтение и запись %1</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>у вас нет прав на запись в %1</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>у вас нет прав на чтение %1</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>у вас есть права на чтение и запись %1</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>правило udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>правило udev: в %1 нет правила Halvane (файл пуст или замаскирован)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>правило udev: установлено в %1, где udev его не ищет</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>правило udev: %1 не установлено (поиск в %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>правило udev применено: uaccess на %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>правило udev не применено: у %1 нет метки uaccess</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>установите правило udev (см. выше), затем: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>или подключите клавиатуру заново</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Доступ к клавиатуре: вы можете читать и записывать %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Доступ к клавиатуре: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>затем войдите в систему на самом компьютере (не через ssh) или пока что: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: доступно для записи</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (нужно медиаклавишам и клавише Eject, а на Wayland — всем макросам)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (при каждой загрузке)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 сопоставляет 0xF8 с KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev не дал %1 записи hwdb от Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>запись hwdb: есть в скомпилированной hwdb</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>в скомпилированной hwdb нет записи Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>запись hwdb: макроклавиши на %1 не являются системными клавишами</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>запись hwdb не действует: %1 (макроклавиша 0xF8 усыпляла бы компьютер)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Клавиатура: %n интерфейс (%1)</numerusform>
            <numerusform>Клавиатура: %n интерфейса (%1)</numerusform>
            <numerusform>Клавиатура: %n интерфейсов (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Клавиатура: не подключена; %n виртуальный интерфейс %1 в %2</numerusform>
            <numerusform>Клавиатура: не подключена; %n виртуальных интерфейса %1 в %2</numerusform>
            <numerusform>Клавиатура: не подключена; %n виртуальных интерфейсов %1 в %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Клавиатура: не найдена (нет узла hidraw устройства HID %1:%2 или %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>подключите клавиатуру (чтобы попробовать без неё: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Автозапуск: %1 отключён</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Автозапуск: %1 ничего не запускает</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Автозапуск: %1 запускает %2, которого нет</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Автозапуск: служба запускается при входе и через %1, и через %2</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (служба создаст файл, который оставит запуск юниту)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Автозапуск: %1 включён</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Автозапуск: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Автозапуск: служба не запускается при входе в систему</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>запустите службу один раз; она добавит %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, затем запустите службу один раз; она создаст новый: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>запустите %1 один раз, чтобы записать настройки по умолчанию</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (самая новая резервная копия)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Настройки: файла %1 нет (без него клавиши ничего не делают)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Настройки: не удаётся прочитать %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>его корень — не словарь</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, затем %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Настройки: в %1 %n ошибка</numerusform>
            <numerusform>Настройки: в %1 %n ошибки</numerusform>
            <numerusform>Настройки: в %1 %n ошибок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (перечислит каждую), затем исправьте их в %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>или вернитесь к прежней версии: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Настройки: %1 без ошибок</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Настройки: %1 без ошибок (%n предупреждение: %2)</numerusform>
            <numerusform>Настройки: %1 без ошибок (%n предупреждения: %2)</numerusform>
            <numerusform>Настройки: %1 без ошибок (%n предупреждений: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>завершите службу (процесс HalvaneHelper), затем: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Имитация клавиш</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>События HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Активное приложение</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Оверлей</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: служба не сообщает, какой механизм выбрала</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>обновите и перезапустите службу: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>автоматическое переключение выключено; запустите службу из сеанса рабочего стола, где она видит окна: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>сделайте /dev/uinput доступным для записи (см. выше), затем %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>служба Halvane не запущена</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Служба: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>запустите её: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Служба: владеет %1, но не отвечает</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Служба: запущена версия %1, а этот halvanectl — версии %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>чтобы запустить установленную версию, %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Служба: работает, версия %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Кнопки и колесо мыши</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Текстовые шаги</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>папка, а не обычный файл</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>FIFO, а не обычный файл</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>сокет, а не обычный файл</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>символьное устройство, а не обычный файл</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>блочное устройство, а не обычный файл</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>специальный файл, а не обычный</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>больше %1 МиБ</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Активное приложение</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X-дисплей %1 отказал в подключении (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 не удалось настроить, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP равно %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 нет на сеансовой шине</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>нет подключения к Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>у композитора нет %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>нет HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>нет NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>нет SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задан</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>не сеанс Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>менее приоритетен</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>не %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>через наше расширение GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>через наш сценарий KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>сокет событий Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>поток событий niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 с pid из IPC sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW на XWayland, видит только X-приложения</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>автоматическое переключение выключено</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Расширение GNOME Shell %1: Shell не сообщил, работает ли оно (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>Расширение GNOME Shell %1 не установлено: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>Расширение GNOME Shell %1 не включено: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>оно нужно для автоматического переключения; выполните `%1` (на Wayland новое расширение находится только после повторного входа)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell не запущен</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>расширение halvane-keyboard@halvane.com не включено</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>События HID (извлечение, медиаклавиши, мышь)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput доступен</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>нет uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>только трассировка, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Нет)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Макроклавиша</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Выполнить макрос</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Новый макрос:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Как воспроизводится макрос при нажатии клавиши</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Повтор при удержании</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Старт и стоп нажатием</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Текущий макрос:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>Макрос, назначенный клавише сейчас</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Щёлкните и нажмите до восьми клавиш</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Пока эта кнопка в фокусе, записывается каждая нажатая клавиша, включая сочетания клавиш.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Пауза после последней клавиши:</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 мс</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 мс</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150 мс</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 мс</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Запустить приложение</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Приложение:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>Приложение, которое открывает клавиша</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Выбрать профиль</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Профиль, на который переключает клавиша</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Выберите...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Профиль 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>Профиль 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>Профиль 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>Профиль 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>Профиль 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>Профиль 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>Профиль 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>Профиль 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>Профиль 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>Профиль 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Добавить шаг</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Добавляет шаг, который вводит текст, нажимает кнопку мыши или крутит колесо</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>Макрос в том виде, в каком его сохранят «ОК» или «Применить»</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавиатура Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Макроклавиши</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Профиль для правки:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Поменять местами Command (Super) и Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: щелчок — запись макроса; правый щелчок — меню</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Медиаклавиши:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Медиапроигрыватель, которым управляют медиаклавиши в этом профиле</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Клавиши изображений:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>Приложение для изображений, которым управляют клавиши изображений в этом профиле</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Сбросить клавиши</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Удаляет действия всех макроклавиш этого профиля</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Автопереключение</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Дважды щёлкните имя профиля, чтобы переименовать его, или его приложение, чтобы выбрать приложение, которое включает этот профиль автоматически.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Сбросить профиль</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Возвращает выбранному профилю исходные настройки</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Показывать смену профиля</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Отключить автопереключение</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Значок в системном лотке</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Значок с номером текущего профиля и меню для переключения профилей</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Справка по клавиатуре Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Сохраняет настройки и передаёт их клавиатуре</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Макроклавиша</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Выбрать профиль</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Запустить приложение…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Горячая клавиша</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Сбросить клавишу</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Щелчок или Enter на макроклавише: запись макроса, запуск приложения, выбор профиля. Правый щелчок или Shift+F10 — меню.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Клиент командной строки для программ клавиатуры Halvane. Профили нумеруются от 1 до 10,
как в настройках: «4 - Игры» — четвёртый профиль с именем «Игры».</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Команды для работающей службы Halvane:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>вывести текущий профиль, например «4 - Игры»</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>переключиться на профиль N (как в настройках: служба показывает
профиль на экране, если это включено, и не объявляет о смене)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>заставить службу заново прочитать файл настроек</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>выводить каждую смену профиля, объявленную службой, по строке
(«4 - Игры»), пока не будет прервано; служба может запуститься позже</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>что служба видит на переднем плане: оконную систему, app_id, class,
instance и процесс окна, приложение (файл .desktop и исполняемый
файл) и как оно найдено, а также какой профиль это выбирает или
почему никакой; --watch выводит это снова при каждой смене приложения</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>проверить всё, что нужно клавиатуре, по строке на пункт, с решением
каждой проблемы: узлы устройств клавиатуры и /dev/uinput, правило
udev и запись hwdb, служба и выбранные ею механизмы, рабочий стол
и его расширение Shell или сценарий KWin, автозапуск, файл настроек</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>только шаг, нужный этому рабочему столу для автоматического
переключения, если он есть</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Команды для файла настроек (служба может быть не запущена):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>проверить файл настроек, по умолчанию пользовательский
(~/.config/halvane/com.halvane.keyboard.plist или $HALVANE_SETTINGS);
выводит каждую проблему с её местом в файле, например
«ошибка: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350»</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>записать профиль N в FILE — список свойств с «Format» (1) и записью
профиля в «Profile»; профиль с ошибками не экспортируется</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>заменить профиль N профилем из FILE; сначала профиль проверяется,
и при ошибках ничего не меняется; затем работающую службу просят
перечитать настройки</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>перечислить сохранённые прежние версии файла настроек (10 новейших,
в ~/.config/halvane/backups) с номерами от новейшей, временем
замены и размером каждой</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>вернуть резервную копию N как файл настроек (текущее содержимое само
станет резервной копией); затем работающую службу просят перечитать
настройки</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>этот текст</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>версия программ Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Ошибки — это то, что программа выполнила бы не так, как сказано в файле, или
значения, которые окно настроек никогда не записывает; предупреждения — безвредные
отличия от того, что записывает окно настроек (отсутствующая запись, которая
читается как разумное значение, неизвестный ключ).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Код выхода: 0 — выполнено (одни предупреждения оставляют 0); 1 — check нашёл ошибки,
export или import отклонил профиль с ошибками или doctor нашёл то, что мешает работе
клавиатуры; 2 — команду не удалось выполнить (неверные аргументы, файл не удаётся
прочитать или записать, служба не запущена или не отвечает).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Попробуйте «%1».</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>служба Halvane не ответила</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>в файле настроек только %n профиль</numerusform>
            <numerusform>в файле настроек только %n профиля</numerusform>
            <numerusform>в файле настроек только %n профилей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>переключение не произошло за %n секунду (возможно, воспроизводится макрос; тогда переключение произойдёт после его окончания)</numerusform>
            <numerusform>переключение не произошло за %n секунды (возможно, воспроизводится макрос; тогда переключение произойдёт после его окончания)</numerusform>
            <numerusform>переключение не произошло за %n секунд (возможно, воспроизводится макрос; тогда переключение произойдёт после его окончания)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>служба Halvane осталась на профиле %1 и не переключилась на профиль %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>служба Halvane перечитала настройки</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, но:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>не удаётся следить: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Отслеживание смены профилей; нажмите Ctrl-C для остановки.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Механизм:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Окно:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>класс</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>экземпляр</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>приложение GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>файл .desktop KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>ничего не сообщает о своём приложении</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Приложение:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), найдено через %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Файл .desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>также:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>файл .desktop не найден</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Исполняемый файл:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>нет: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Выбор механизма: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>не удаётся следить за активным приложением службы</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Отслеживание смены приложений; нажмите Ctrl-C для остановки.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 — не файл настроек (его корень — не словарь)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: проблем нет</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Профиль %1 экспортирован в %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>в профиле %1 есть ошибки; ничего не экспортировано</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>в %1 есть ошибки; ничего не изменено</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 импортирован как профиль %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>профиль импортирован</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Служба Halvane не запущена; она прочитает новый профиль при запуске.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, но служба Halvane не ответила на запрос перечитать настройки; перезапустите службу, иначе при выходе она запишет свои старые настройки обратно</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Служба Halvane перечитала настройки.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Резервных копий %1 пока нет.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Резервные копии %1, сначала новейшие:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Восстановлены настройки в том виде, в каком они были до %1 (резервная копия %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>резервная копия восстановлена</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Служба Halvane не запущена; она прочитает новые настройки при запуске.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>ошибка: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>предупреждение: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Примечание: %1 запускает %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Примечание: профиль становится текущим, когда %1 выходит на передний план</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>настройки не загружены</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>автоматическое переключение отключено (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>приложение окна неизвестно, поэтому к нему не привязан профиль</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>нет активного окна</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>ни в одном профиле %1 не указывает на это приложение</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>профиль %1 указывает на него, но у него выключено %2</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>выбирает профиль %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>служба работает</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>служба запущена через %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>служба запущена</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>нет сеансовой шины: служба не запущена</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>не удаётся найти службу, чтобы запустить её</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>не сеанс Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>нет X-дисплея</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>GlobalShortcuts портала рабочего стола (версия %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>менее приоритетен</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>перехват клавиш через XWayland, только пока фокус у X-приложения (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>перехват клавиш на X-сервере</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>нет X-дисплея; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>каждая регистрация отклонена (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавиатура Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Сценарий KWin: система сценариев KWin не отвечает (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Сценарий KWin: заменён сценарий, оставленный предыдущей службой</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Сценарий KWin: KWin не загрузил %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отказано</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Сценарий KWin: загружен, но не запущен (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Сценарий KWin: %1 не установлен</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Имитация клавиш</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>сеанс Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>виртуальная клавиатура uinput (сеанс Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>нет uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>виртуальная клавиатура композитора Wayland (нет uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; нет виртуальной клавиатуры Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest на X-дисплее %1, только для X-клиентов (нет uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest на X-дисплее %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>только X-клиенты</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>сеанс X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>нет XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>виртуальная клавиатура uinput (нет XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>ни один механизм не может отправлять события</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>макросы только записываются в трассировку (нет XTest: %1; нет uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>нет подключения к Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>у композитора нет %1</translation>
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
        <translation>запускает %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>запускает %1 (приложение не найдено)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>переключает на профиль «%1»</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>переключает на профиль %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>повторяется, пока клавиша нажата</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>повторяется до повторного нажатия клавиши</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>ничего не назначено</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>нажимает %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>ждёт %1 секунды</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>щёлкает %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>нажимает %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>отпускает %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>левую кнопку</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>правую кнопку</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>среднюю кнопку</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>кнопку «Назад»</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>кнопку «Вперёд»</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>прокручивает вверх на %n щелчок</numerusform>
            <numerusform>прокручивает вверх на %n щелчка</numerusform>
            <numerusform>прокручивает вверх на %n щелчков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>прокручивает вниз на %n щелчок</numerusform>
            <numerusform>прокручивает вниз на %n щелчка</numerusform>
            <numerusform>прокручивает вниз на %n щелчков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>прокручивает влево на %n щелчок</numerusform>
            <numerusform>прокручивает влево на %n щелчка</numerusform>
            <numerusform>прокручивает влево на %n щелчков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>прокручивает вправо на %n щелчок</numerusform>
            <numerusform>прокручивает вправо на %n щелчка</numerusform>
            <numerusform>прокручивает вправо на %n щелчков</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>вводит «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>на сеансовой шине нет сервера уведомлений</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Оверлей</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>нет layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>нет оверлея GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>нет уведомлений: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>окно вне экрана (нет дисплея)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>окно X11 поверх всех окон</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>поверхность layer-shell на слое overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>расширение GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>уведомления рабочего стола</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>обычное окно Wayland, размещённое композитором</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Кнопки и колесо мыши</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>сеанс Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>виртуальный указатель uinput (сеанс Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>только X-клиенты</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>сеанс X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest на X-дисплее %1, только для X-клиентов (нет uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest на X-дисплее %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>нет XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>виртуальный указатель uinput (нет XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>ни один бэкенд не может отправлять события мыши</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>шаги мыши только записываются в трассировку (нет XTest: %1; нет uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>нет сеансовой шины</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>нет портала рабочего стола</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>у портала рабочего стола нет GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 — не пакет панели настроек</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>панель %1 не инициализировалась</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>у панели %1 нет представления</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>не удаётся найти %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>номера профилей — от 1 до %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>в файле настроек нет профилей</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>в файле настроек нет профиля %1 (в нём их %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>не файл профиля (его корень — не словарь)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>отсутствует (не файл профиля)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>не целое число (не файл профиля)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 — формат, который эта версия не читает (она читает %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>не ключ файла профиля (пропущен)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>не список свойств (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 — это сам файл настроек</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>не удаётся прочитать файл настроек %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>файл настроек %1 — не словарь</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>файла настроек нет, а настройки по умолчанию %1 прочитать не удаётся</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>не удаётся записать файл настроек %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>вложенность глубже %1</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>повреждённый двоичный список свойств</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>нечего записывать</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>второй корневой элемент</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>текст вне элементов</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>нет элемента</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>второе значение внутри &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; не содержит значения</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>текст между элементами</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; — не элемент списка свойств</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; содержит элемент</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; содержит «%2»</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; там, где должен быть &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;key&gt; без значения</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>ошибка XML, %1: %2</translation>
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
        <translation>нет сеансовой шины D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>служба Halvane не запущена</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>нет X-дисплея (DISPLAY не задан)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>Профиль %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>Не удалось создать папку резервных копий %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Не удалось переименовать резервную копию %1 в %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Не удалось сохранить резервную копию %1 в %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>резервных копий %1 нет</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>резервной копии %1 нет (номера от 1 до %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>резервная копия %1 не читается как настройки (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>её корень — не словарь</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Не удалось прочитать файл настроек %1 (%2), чтобы переместить его в %3; он остаётся на месте</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Не удалось скопировать файл настроек %1 в %2 (%3); он остаётся на месте</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>Копия файла настроек в %1 отличается от %2; оригинал остаётся на месте</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Файл настроек %1 скопирован в %2, но удалить оригинал не удалось</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Используется файл настроек %1; старый файл в %2 не тронут</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Файл настроек перемещён из %1 в %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Не удалось прочитать файл настроек (%1); он сохранён как %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Не удалось ни прочитать файл настроек (%1), ни отложить его в %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>его корень — не словарь</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>настройки — не словарь</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>нечего записывать</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Файл настроек %1 — %2; используются настройки по умолчанию, без сохранения</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>в пакете программы нет настроек по умолчанию</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>не удаётся прочитать настройки по умолчанию %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Не удалось создать %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>непригодное значение</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>логическое значение</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>целое число</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>вещественное число</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>строка</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>данные</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>дата</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>массив</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>словарь</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 профиль, ожидается %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n профиль, ожидается %1</numerusform>
            <numerusform>%n профиля, ожидается %1</numerusform>
            <numerusform>%n профилей, ожидается %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 макроклавиша, ожидается %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n макроклавиша, ожидается %1</numerusform>
            <numerusform>%n макроклавиши, ожидается %1</numerusform>
            <numerusform>%n макроклавиш, ожидается %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>отсутствует (профилей нет: ни одна клавиша ничего не делает)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>отсутствует (читается как 0: служба начинает с профиля 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>отсутствует (читается как false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>отсутствует (читается как пустое имя)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>отсутствует (ни одна макроклавиша этого профиля ничего не делает)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>отсутствует (клавишам изображений не задано приложение)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>отсутствует (медиаклавишам не задан проигрыватель)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>отсутствует (читается как «нет приложения»)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 — не абсолютный путь (автопереключение сравнивает полные пути, так что совпадения не будет)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>отсутствует (читается как пустое: клавиша ничего не делает)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 — не действие (клавиша ничего не делает; действия: %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>отсутствует (макрос ничего не воспроизводит)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>нет записанных шагов (макрос ничего не воспроизводит)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>отсутствует (клавиша ничего не запускает)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>отсутствует (читается как пустое)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>пусто (клавиша ничего не запускает)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 — не абсолютный путь</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>отсутствует (читается как пустые данные)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>отсутствует (читается как 0: клавиша выбирает профиль 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>отсутствует (читается как 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>отсутствует (подпись клавиши будет пустой)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>отсутствует (пропущенный шаг воспроизводит клавишу 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 — не код клавиши (0-%2 или -1 для пустого шага)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>отсутствует (читается как 0: без модификаторов)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 при заданной клавише (служба удерживает все четыре модификатора; окно настроек показывает (Нет))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 — не маска модификаторов</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>биты 0x%1 — не модификаторы (пропущены)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>отсутствует (читается как 0: без паузы)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 — не число миллисекунд</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 больше %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 меньше 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 — не целое число миллисекунд (окно настроек хранит только целые миллисекунды)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 после пустого шага пропускается (пустой шаг не даёт паузы)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>число</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>корень — %1, ожидается %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>это %1, ожидается %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>содержит управляющий символ U+%1 (символ %2), который может управлять терминалом, показывающим имя</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>длина — %n символ; имя может быть не длиннее %1</numerusform>
            <numerusform>длина — %n символа; имя может быть не длиннее %1</numerusform>
            <numerusform>длина — %n символов; имя может быть не длиннее %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 вне диапазона 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 — не логическое значение (true, false, 0 или 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 недопустимо (допустимо: %2)</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>не ключ настроек (пропущен: у макроса шаги 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>не ключ настроек (пропущен)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 — не вид шага (любая программа воспроизводит код клавиши шага; виды: %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 — не вид шага (старые программы и эта пропускают шаг; виды: %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 у шага с кодом клавиши %2 (любая программа воспроизводит клавишу и не учитывает вид; у шага другого вида код клавиши -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>пропущен (шаг пуст: его код клавиши -1, и другой вид не указан)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>не используется шагом %1 (пропущен)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>отсутствует (программы пропускают шаг)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>отсутствует (шаг ничего не вводит)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>пусто (шаг ничего не вводит)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>длина — %n символ; текстовый шаг вводит не больше %1 (остальное отбрасывается)</numerusform>
            <numerusform>длина — %n символа; текстовый шаг вводит не больше %1 (остальное отбрасывается)</numerusform>
            <numerusform>длина — %n символов; текстовый шаг вводит не больше %1 (остальное отбрасывается)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>отсутствует (читается как 1: один щелчок)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 вне диапазона %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Ввод текста</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>символы вне раскладки через свободные коды клавиш</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>символы вне раскладки через раскладку клавиш, в которой они есть</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>только символы раскладки клавиатуры; для остальных нужен X11 или рабочий стол с протоколом виртуальной клавиатуры (sway, Hyprland и другие рабочие столы на wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>текстовые шаги только записываются в трассировку</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 не существует: загрузите модуль ядра uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>нет прав на %1: установите правила udev от Halvane, дающие к нему доступ вошедшему пользователю</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>за %1 не стоит драйвер uinput: загрузите модуль ядра uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>не удаётся использовать %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>нет подключения к Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>у композитора нет %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>нет раскладки для виртуальной клавиатуры</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>композитор отказал в виртуальной клавиатуре</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>нет X-дисплея (DISPLAY не задан)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>не удаётся подключиться к X-дисплею %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>на X-дисплее %1 нет такого экрана</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Другое…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Поиск приложений</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Стрелки выбирают в списке, Enter подтверждает выбор</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Установленные приложения</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>отменено клавишей Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>служба завершает работу</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>система переходит в сон</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>сеанс больше не активен</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>клавиатура отключена</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Макрос остановлен: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Не удалось сохранить текущий профиль в %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Текстовый шаг пропустил %n символ, который этот рабочий стол не может ввести: %1</numerusform>
            <numerusform>Текстовый шаг пропустил %n символа, которые этот рабочий стол не может ввести: %1</numerusform>
            <numerusform>Текстовый шаг пропустил %n символов, которые этот рабочий стол не может ввести: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>Профиль %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>Клавиша запускает %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Макрос очищен.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Записывает каждую нажатую клавишу, в том числе Tab и Escape, — до восьми клавиш. Чтобы остановить запись, быстро нажмите Escape дважды.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Режим воспроизведения макроса</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Профиль для переключения</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Макроклавиша %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Запись остановлена.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Запись очищена.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Не записано: в макросе максимум %n клавиша.</numerusform>
            <numerusform>Не записано: в макросе максимум %n клавиши.</numerusform>
            <numerusform>Не записано: в макросе максимум %n клавиш.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Записано %1, клавиша %2 из %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Сначала запишите клавишу: пауза идёт после последней клавиши.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>После %1 макрос %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>После шага %1 макрос %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Не добавлено: в макросе максимум %n шаг.</numerusform>
            <numerusform>Не добавлено: в макросе максимум %n шага.</numerusform>
            <numerusform>Не добавлено: в макросе максимум %n шагов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Добавлен шаг %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Шаг %1 убран.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Добавляет эту паузу после последнего выбранного шага, иначе после последнего шага</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Файл настроек не удалось использовать в исходном виде.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Не удалось прочитать или создать настройки.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавиатура Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
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
        <translation>Профиль: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (не установлено)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter или Space — изменить действие клавиши, Shift+F10 или клавиша Menu — другие варианты, стрелки — переход к другим макроклавишам.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Макроклавиши</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>От L1 до L5 — слева на клавиатуре, от R1 до R5 — справа</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Макроклавиши и профили</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Клавиатура переключена на профиль %1 «%2».</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Настройки сохранены, клавиатура уже их использует.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Настройки сохранены.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Клавиатура Halvane: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Клавиатура Halvane: профиль %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Автоматическое переключение</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Завершить службу Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Этот рабочий стол не может ввести: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Шаг %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Шаг %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Вводимый текст</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Кнопка мыши</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Действие кнопки</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Направление колеса</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Щелчки</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Убрать шаг %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Щелчок</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Вправо</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space включает или выключает</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 или Enter — переименовать профиль</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter — выбрать приложение, которое включает этот профиль</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>нет</translation>
    </message>
</context>
</TS>
