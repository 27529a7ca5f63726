<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>«%1» — не номер профілю (від 1 до %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не вказано команду</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>неправильна кількість аргументів для %1 (використання: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>порожня назва файлу</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>«%1» — не номер резервної копії (номери показує «%2»)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>невідома команда «%1»</translation>
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
            <numerusform>надіслала %n системну подію клавіші</numerusform>
            <numerusform>надіслала %n системні події клавіш</numerusform>
            <numerusform>надіслала %n системних подій клавіш</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>натиснула %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>зачекала %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>перемкнулася на %1 (показано на екрані)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>перемкнулася на профіль %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>забезпечила свій автозапуск під час входу</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>виконала свій скрипт для %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>попросила %1 виконати %2</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>відкрила %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>не вдається створити тимчасову теку</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Клавіша Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Клавіша Eject</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>клавіша профілю + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>клавіша профілю + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>не вдається створити демонстраційні налаштування з %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Запуск служби з демонстраційним профілем і віртуальною клавіатурою...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>не вдається запустити %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>служба не знайшла віртуальну клавіатуру</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Служба знайшла клавіатуру і %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>готова до роботи</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>нічого</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>служба неочікувано зупинилася</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>служба не під’єднана до віртуальної клавіатури</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>служба не зупинилася за 5 с</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>служба завершилася з кодом %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Служба зупинилася штатно.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Виведення служби:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Ніщо не заважає роботі клавіатури</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n проблема заважає роботі клавіатури</numerusform>
            <numerusform>%n проблеми заважають роботі клавіатури</numerusform>
            <numerusform>%n проблем заважають роботі клавіатури</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>ще %n пункт варто виправити</numerusform>
            <numerusform>ще %n пункти варто виправити</numerusform>
            <numerusform>ще %n пунктів варто виправити</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>виправлення:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Автоматичному перемиканню на цій стільниці спершу потрібен один крок:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>стільниця без назви</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>вийдіть із сеансу й увійдіть знову (GNOME на Wayland знаходить нові розширення лише під час входу)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (потрібно для автоматичного перемикання і показу назви профілю на екрані)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Розширення GNOME Shell %1: не встановлено</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Розширення GNOME Shell: %1 не призначене для GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Розширення GNOME Shell: %1, працює</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Розширення GNOME Shell повністю вимкнено</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Розширення GNOME Shell %1: встановлено, але не увімкнено</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Розширення GNOME Shell %1: встановлено, але GNOME Shell його не запустив</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>якщо воно все одно не працює: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (потрібно для автоматичного перемикання)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Скрипт KWin %1: не встановлено</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Скрипт KWin: %1 (служба завантажує його під час запуску)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Скрипт KWin: KWin не відповідає на цій сеансовій шині</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>виконайте %1 у терміналі сеансу Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Скрипт KWin: %1 встановлено, але KWin його не завантажив</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>перезапустіть службу, вона завантажує його під час запуску (чому не вдалося, сказано в її журналі: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Скрипт KWin: %1, завантажено</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Стільниця: графічного сеансу не виявлено (DISPLAY і WAYLAND_DISPLAY не задано)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>виконайте %1 у терміналі вашого сеансу стільниці</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Стільниця: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 відсутній</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>у вас немає прав на читання і запис %1</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>у вас немає прав на запис до %1</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>у вас немає прав на читання %1</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>у вас є права на читання і запис %1</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>правило udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>правило udev: у %1 немає правила Halvane (файл порожній або замаскований)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>правило udev: встановлено в %1, де udev його не шукає</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>правило udev: %1 не встановлено (пошук у %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>правило udev застосовано: uaccess на %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>правило udev не застосовано: %1 не має мітки uaccess</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>встановіть правило udev (див. вище), потім: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>або під’єднайте клавіатуру заново</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Доступ до клавіатури: ви можете читати і записувати %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Доступ до клавіатури: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>потім увійдіть у систему на самому комп’ютері (не через ssh) або поки що: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: доступний для запису</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (потрібен медіаклавішам і клавіші Eject, а на Wayland — усім макросам)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (під час кожного завантаження)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 зіставляє 0xF8 з KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev не надав %1 запису hwdb від Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>запис hwdb: є в скомпільованій hwdb</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>у скомпільованій hwdb немає запису Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>запис hwdb: макроклавіші на %1 не є системними клавішами</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>запис hwdb не діє: %1 (макроклавіша 0xF8 присипляла б комп’ютер)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Клавіатура: %n інтерфейс (%1)</numerusform>
            <numerusform>Клавіатура: %n інтерфейси (%1)</numerusform>
            <numerusform>Клавіатура: %n інтерфейсів (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Клавіатура: не під’єднано; %n віртуальний інтерфейс %1 у %2</numerusform>
            <numerusform>Клавіатура: не під’єднано; %n віртуальні інтерфейси %1 у %2</numerusform>
            <numerusform>Клавіатура: не під’єднано; %n віртуальних інтерфейсів %1 у %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Клавіатура: не знайдено (немає вузла hidraw пристрою HID %1:%2 або %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>під’єднайте клавіатуру (щоб спробувати без неї: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Автозапуск: %1 вимкнено</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Автозапуск: %1 нічого не запускає</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Автозапуск: %1 запускає %2, якого немає</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Автозапуск: службу під час входу запускають і %1, і %2</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (служба створить файл, який залишить запуск юніту)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Автозапуск: %1 увімкнено</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Автозапуск: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Автозапуск: служба не запускається під час входу</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>запустіть службу один раз; вона додасть %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, потім запустіть службу один раз; вона створить новий: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>запустіть %1 один раз, щоб записати типові налаштування</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (найновіша резервна копія)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Налаштування: файлу %1 немає (без нього клавіші нічого не роблять)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Налаштування: не вдається прочитати %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>його корінь — не словник</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, потім %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Налаштування: у %1 %n помилка</numerusform>
            <numerusform>Налаштування: у %1 %n помилки</numerusform>
            <numerusform>Налаштування: у %1 %n помилок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (перелічить кожну), потім виправте їх у %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>або поверніться до попередньої версії: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Налаштування: %1 без помилок</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Налаштування: %1 без помилок (%n попередження: %2)</numerusform>
            <numerusform>Налаштування: %1 без помилок (%n попередження: %2)</numerusform>
            <numerusform>Налаштування: %1 без помилок (%n попереджень: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>завершіть службу (процес HalvaneHelper), потім: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Імітація клавіш</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Події HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Активна програма</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Оверлей</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: служба не повідомляє, який механізм вибрала</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>оновіть і перезапустіть службу: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>автоматичне перемикання вимкнено; запустіть службу із сеансу стільниці, де вона бачить вікна: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>зробіть /dev/uinput доступним для запису (див. вище), потім %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>службу Halvane не запущено</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Служба: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>запустіть її: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Служба: володіє %1, але не відповідає</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Служба: запущено версію %1, а цей halvanectl — версії %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>щоб запустити встановлену версію, %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Служба: працює, версія %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Кнопки й коліщатко миші</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Текстові кроки</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>тека, а не звичайний файл</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>FIFO, а не звичайний файл</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>сокет, а не звичайний файл</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>символьний пристрій, а не звичайний файл</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>блоковий пристрій, а не звичайний файл</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>спеціальний файл, а не звичайний</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>більший за %1 МіБ</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Активна програма</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X-дисплей %1 відмовив у з’єднанні (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 не вдалося налаштувати, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP дорівнює %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 немає на сеансовій шині</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>немає з’єднання з Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>композитор не має %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>немає HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>немає NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>немає SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задано</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>не сеанс Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>має нижчий пріоритет</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>не %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>через наше розширення GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>через наш скрипт KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>сокет подій Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>потік подій niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 з pid з IPC sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW на XWayland, бачить лише X-програми</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>автоматичне перемикання вимкнено</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Розширення GNOME Shell %1: Shell не повідомив, чи воно працює (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>Розширення GNOME Shell %1 не встановлено: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>Розширення GNOME Shell %1 не увімкнено: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>воно потрібне для автоматичного перемикання; виконайте `%1` (на Wayland нове розширення знаходиться лише після повторного входу)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>немає сеансової шини</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell не запущено</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>розширення halvane-keyboard@halvane.com не увімкнено</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Події HID (виймання, медіаклавіші, миша)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput доступний</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>немає uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>лише трасування, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Немає)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Макроклавіша</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Виконати макрос</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Новий макрос:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Як відтворюється макрос під час натискання клавіші</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Повтор під час утримання</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Старт і стоп натисканням</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Поточний макрос:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>Макрос, який клавіша має зараз</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Клацніть і натисніть до восьми клавіш</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Поки ця кнопка у фокусі, записується кожна натиснута клавіша, зокрема комбінації клавіш.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Пауза після останньої клавіші:</translation>
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
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Запустити програму</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Програма:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>Програма, яку відкриває клавіша</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Вибрати профіль</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профіль:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Профіль, на який перемикає клавіша</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Виберіть...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Профіль 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>Профіль 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>Профіль 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>Профіль 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>Профіль 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>Профіль 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>Профіль 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>Профіль 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>Профіль 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>Профіль 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Додати крок</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Додає крок, що вводить текст, натискає кнопку миші або крутить коліщатко</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>Макрос у тому вигляді, в якому його збережуть «Гаразд» або «Застосувати»</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавіатура Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Макроклавіші</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Редагувати профіль:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Поміняти місцями Command (Super) і Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: клацання — запис макросу; правою кнопкою — меню</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Медіаклавіші:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Медіапрогравач, яким керують медіаклавіші в цьому профілі</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Клавіші зображень:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>Програма для зображень, якою керують клавіші зображень у цьому профілі</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Скинути клавіші</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Вилучає дії всіх макроклавіш цього профілю</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профіль</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Автоперемикання</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Двічі клацніть назву профілю, щоб перейменувати його, або його програму, щоб вибрати програму, яка вмикає цей профіль автоматично.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Скинути профіль</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Повертає вибраному профілю початкові налаштування</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Показувати зміну профілю</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Вимкнути автоперемикання</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Піктограма в системному лотку</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Піктограма з номером поточного профілю і меню для перемикання профілів</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Довідка клавіатури Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Зберігає налаштування і передає їх клавіатурі</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Макроклавіша</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Вибрати профіль</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Запустити програму…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Гаряча клавіша</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Скинути клавішу</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Клацання або Enter на макроклавіші: запис макросу, запуск програми або вибір профілю. Правою кнопкою або Shift+F10 — меню.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Використання: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Клієнт командного рядка для програм клавіатури Halvane. Профілі нумеруються від 1 до 10,
як у налаштуваннях: «4 - Ігри» — четвертий профіль з назвою «Ігри».</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Команди для запущеної служби Halvane:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>вивести поточний профіль, наприклад «4 - Ігри»</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>перемкнутися на профіль N (як у налаштуваннях: служба показує
профіль на екрані, якщо це увімкнено, і не оголошує про зміну)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>змусити службу знову прочитати файл налаштувань</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>виводити кожну зміну профілю, оголошену службою, по рядку
(«4 - Ігри»), доки не буде перервано; служба може запуститися пізніше</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>що служба бачить на передньому плані: віконну систему, app_id, class,
instance і процес вікна, програму (файл .desktop і виконуваний
файл) і як її знайдено, а також який профіль це вибирає або чому
жодного; --watch виводить це знову після кожної зміни програми</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>перевірити все, що потрібно клавіатурі, по рядку на пункт, з рішенням
для кожної проблеми: вузли пристроїв клавіатури і /dev/uinput, правило
udev і запис hwdb, служба і вибрані нею механізми, стільниця і її
розширення Shell або скрипт KWin, автозапуск, файл налаштувань</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>лише крок, потрібний цій стільниці для автоматичного перемикання,
якщо він є</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Команди для файлу налаштувань (служба може бути не запущена):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>перевірити файл налаштувань, типово файл користувача
(~/.config/halvane/com.halvane.keyboard.plist або $HALVANE_SETTINGS);
виводить кожну проблему з її місцем у файлі, наприклад
«помилка: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350»</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>записати профіль N у FILE — список властивостей з «Format» (1) і
записом профілю в «Profile»; профіль із помилками не експортується</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>замінити профіль N профілем із FILE; спершу профіль перевіряється,
і за наявності помилок нічого не змінюється; потім запущену службу
просять перечитати налаштування</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>перелічити збережені попередні версії файлу налаштувань (10 найновіших,
у ~/.config/halvane/backups) з номерами від найновішої, часом
заміни і розміром кожної</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>повернути резервну копію N як файл налаштувань (поточний вміст сам
стане резервною копією); потім запущену службу просять перечитати
налаштування</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>цей текст</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>версія програм Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Помилки — це те, що програма виконала б не так, як сказано у файлі, або
значення, яких вікно налаштувань ніколи не записує; попередження — нешкідливі
відхилення від того, що записує вікно налаштувань (відсутній запис, який
читається як розумне значення, невідомий ключ).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Код виходу: 0 — виконано (самі попередження залишають 0); 1 — check знайшла помилки,
export або import відхилила профіль із помилками або doctor знайшла те, що заважає
роботі клавіатури; 2 — команду не вдалося виконати (неправильні аргументи, файл не
вдається прочитати чи записати, служба не запущена або не відповідає).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Спробуйте «%1».</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>служба Halvane не відповіла</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>у файлі налаштувань лише %n профіль</numerusform>
            <numerusform>у файлі налаштувань лише %n профілі</numerusform>
            <numerusform>у файлі налаштувань лише %n профілів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>перемикання не відбулося за %n секунду (можливо, відтворюється макрос; тоді перемикання відбудеться після його завершення)</numerusform>
            <numerusform>перемикання не відбулося за %n секунди (можливо, відтворюється макрос; тоді перемикання відбудеться після його завершення)</numerusform>
            <numerusform>перемикання не відбулося за %n секунд (можливо, відтворюється макрос; тоді перемикання відбудеться після його завершення)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>служба Halvane залишилася на профілі %1 і не перемкнулася на профіль %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>служба Halvane перечитала налаштування</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, але:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>не вдається стежити: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Стеження за зміною профілів; натисніть Ctrl-C, щоб зупинити.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Механізм:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Вікно:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>клас</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>екземпляр</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>програма GTK</translation>
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
        <translation>нічого не повідомляє про свою програму</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Програма:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), знайдено через %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Файл .desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>також:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>файл .desktop не знайдено</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Виконуваний файл:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Профіль:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>немає: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Вибір механізму: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>не вдається стежити за активною програмою служби</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Стеження за зміною програм; натисніть Ctrl-C, щоб зупинити.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не вдається прочитати %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 — не файл налаштувань (його корінь — не словник)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: проблем немає</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n помилка</numerusform>
            <numerusform>%n помилки</numerusform>
            <numerusform>%n помилок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попереджень</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Профіль %1 експортовано до %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>у профілі %1 є помилки; нічого не експортовано</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>у %1 є помилки; нічого не змінено</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; нічого не змінено</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 імпортовано як профіль %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>профіль імпортовано</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Службу Halvane не запущено; вона прочитає новий профіль під час запуску.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, але служба Halvane не відповіла на запит перечитати налаштування; перезапустіть службу, інакше під час виходу вона запише свої старі налаштування назад</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Служба Halvane перечитала налаштування.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Резервних копій %1 поки немає.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Резервні копії %1, спочатку найновіші:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байти</numerusform>
            <numerusform>%n байтів</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Відновлено налаштування в тому вигляді, в якому вони були до %1 (резервна копія %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>резервну копію відновлено</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Службу Halvane не запущено; вона прочитає нові налаштування під час запуску.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>помилка: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>попередження: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Примітка: %1 запускає %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Примітка: профіль стає поточним, щойно %1 виходить на передній план</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>налаштування не завантажено</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>автоматичне перемикання вимкнено (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>програма вікна невідома, тому до неї не прив’язано профіль</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>немає активного вікна</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>у жодному профілі %1 не вказує на цю програму</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>профіль %1 вказує на неї, але його %2 вимкнено</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>вибирає профіль %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>служба працює</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>службу запущено через %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>службу запущено</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>немає сеансової шини: службу не запущено</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>не вдається знайти службу, щоб запустити її</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Гарячі клавіші</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>не сеанс Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>немає X-дисплея</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>GlobalShortcuts порталу стільниці (версія %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>має нижчий пріоритет</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>перехоплення клавіш через XWayland, лише поки фокус у X-програми (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>перехоплення клавіш на X-сервері</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>немає X-дисплея; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>кожну реєстрацію відхилено (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавіатура Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Скрипт KWin: система скриптів KWin не відповідає (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Скрипт KWin: замінено скрипт, залишений попередньою службою</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Скрипт KWin: KWin не завантажив %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>відмовлено</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Скрипт KWin: завантажено, але не запущено (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Скрипт KWin: %1 не встановлено</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Імітація клавіш</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>сеанс Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>віртуальна клавіатура uinput (сеанс Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>немає uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>віртуальна клавіатура композитора Wayland (немає uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; немає віртуальної клавіатури Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest на X-дисплеї %1, лише для X-клієнтів (немає uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest на X-дисплеї %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>лише X-клієнти</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>сеанс X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>немає XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>віртуальна клавіатура uinput (немає XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>жоден механізм не може надсилати події</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>макроси лише записуються до трасування (немає XTest: %1; немає uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>немає з’єднання з Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>композитор не має %1</translation>
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
        <translation>запускає %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>запускає %1 (програму не знайдено)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>перемикає на профіль «%1»</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>перемикає на профіль %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>повторюється, доки клавіша натиснута</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>повторюється до повторного натискання клавіші</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>нічого не призначено</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>натискає %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>чекає %1 секунди</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>клацає %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>натискає %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>відпускає %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>ліву кнопку</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>праву кнопку</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>середню кнопку</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>кнопку «Назад»</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>кнопку «Вперед»</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>прокручує вгору на %n клацання</numerusform>
            <numerusform>прокручує вгору на %n клацання</numerusform>
            <numerusform>прокручує вгору на %n клацань</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>прокручує вниз на %n клацання</numerusform>
            <numerusform>прокручує вниз на %n клацання</numerusform>
            <numerusform>прокручує вниз на %n клацань</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>прокручує ліворуч на %n клацання</numerusform>
            <numerusform>прокручує ліворуч на %n клацання</numerusform>
            <numerusform>прокручує ліворуч на %n клацань</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>прокручує праворуч на %n клацання</numerusform>
            <numerusform>прокручує праворуч на %n клацання</numerusform>
            <numerusform>прокручує праворуч на %n клацань</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>вводить «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>немає сеансової шини</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>на сеансовій шині немає сервера сповіщень</translation>
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
        <translation>немає layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>немає оверлею GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>немає сповіщень: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>вікно поза екраном (немає дисплея)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>вікно X11 поверх усіх вікон</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>поверхня layer-shell на шарі overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>розширення GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>сповіщення стільниці</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>звичайне вікно Wayland, розміщене композитором</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Кнопки й коліщатко миші</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>сеанс Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>віртуальний вказівник uinput (сеанс Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>лише X-клієнти</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>сеанс X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest на X-дисплеї %1, лише для X-клієнтів (немає uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest на X-дисплеї %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>немає XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>віртуальний вказівник uinput (немає XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>жоден бекенд не може надсилати події миші</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>кроки миші лише записуються до трасування (немає XTest: %1; немає uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>немає сеансової шини</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>немає порталу стільниці</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>портал стільниці не має GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 — не пакунок панелі налаштувань</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>панель %1 не ініціалізувалася</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>панель %1 не має подання</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>не вдається знайти %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>номери профілів — від 1 до %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>у файлі налаштувань немає профілів</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>у файлі налаштувань немає профілю %1 (у ньому їх %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>не файл профілю (його корінь — не словник)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>відсутній (не файл профілю)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>не ціле число (не файл профілю)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 — формат, який ця версія не читає (вона читає %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>не ключ файлу профілю (пропущено)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>немає такого файлу</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>не список властивостей (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 — це сам файл налаштувань</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>не вдається прочитати файл налаштувань %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>не вдається записати %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>не вдається прочитати %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>файл налаштувань %1 — не словник</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>файлу налаштувань немає, а типові налаштування %1 прочитати не вдається</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>не вдається записати файл налаштувань %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>вкладеність глибша за %1</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>пошкоджений двійковий список властивостей</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл порожній</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>нічого записувати</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>другий кореневий елемент</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>текст поза елементами</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>немає елемента</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>друге значення всередині &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; не містить значення</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>текст між елементами</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; — не елемент списку властивостей</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; містить елемент</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; містить «%2»</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; там, де має бути &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;key&gt; без значення</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>помилка XML, %1: %2</translation>
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
        <translation>немає сеансової шини D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>службу Halvane не запущено</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>немає X-дисплея (DISPLAY не задано)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>Профіль %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>Не вдалося створити теку резервних копій %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Не вдалося перейменувати резервну копію %1 на %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Не вдалося зберегти резервну копію %1 у %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>резервних копій %1 немає</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>резервної копії %1 немає (номери від 1 до %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>резервна копія %1 не читається як налаштування (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>її корінь — не словник</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>не вдається записати %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Не вдалося прочитати файл налаштувань %1 (%2), щоб перемістити його до %3; він лишається на місці</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Не вдалося скопіювати файл налаштувань %1 до %2 (%3); він лишається на місці</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>Копія файлу налаштувань у %1 відрізняється від %2; оригінал лишається на місці</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Файл налаштувань %1 скопійовано до %2, але вилучити оригінал не вдалося</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Використовується файл налаштувань %1; старіший файл у %2 не змінено</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Файл налаштувань переміщено з %1 до %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Не вдалося прочитати файл налаштувань (%1); його збережено як %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Не вдалося ні прочитати файл налаштувань (%1), ні відкласти його до %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>його корінь — не словник</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>налаштування — не словник</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>нічого записувати</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Файл налаштувань %1 — %2; використовуються типові налаштування, без збереження</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>у пакунку програми немає типових налаштувань</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>не вдається прочитати типові налаштування %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Не вдалося створити %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>непридатне значення</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>логічне значення</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>ціле число</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>дійсне число</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>рядок</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>дані</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>дата</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>масив</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>словник</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 або %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 профіль, очікується %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n профіль, очікується %1</numerusform>
            <numerusform>%n профілі, очікується %1</numerusform>
            <numerusform>%n профілів, очікується %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 макроклавіша, очікується %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n макроклавіша, очікується %1</numerusform>
            <numerusform>%n макроклавіші, очікується %1</numerusform>
            <numerusform>%n макроклавіш, очікується %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>відсутній</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>відсутній (профілів немає: жодна клавіша нічого не робить)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>відсутній (читається як 0: служба починає з профілю 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>відсутній (читається як false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>відсутній (читається як порожня назва)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>відсутній (жодна макроклавіша цього профілю нічого не робить)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>відсутній (клавішам зображень не задано програму)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>відсутній (медіаклавішам не задано програвач)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>відсутній (читається як «немає програми»)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 — не абсолютний шлях (автоперемикання порівнює повні шляхи, тож збігу не буде)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>відсутній (читається як порожній: клавіша нічого не робить)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 — не дія (клавіша нічого не робить; дії: %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>відсутній (макрос нічого не відтворює)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>немає записаних кроків (макрос нічого не відтворює)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>відсутній (клавіша нічого не запускає)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>відсутній (читається як порожній)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>порожньо (клавіша нічого не запускає)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 — не абсолютний шлях</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>відсутній (читається як порожні дані)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>відсутній (читається як 0: клавіша вибирає профіль 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>відсутній (читається як 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>відсутній (підпис клавіші буде порожнім)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>відсутній (пропущений крок відтворює клавішу 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 — не код клавіші (0-%2 або -1 для порожнього кроку)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>відсутній (читається як 0: без модифікаторів)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 із заданою клавішею (служба утримує всі чотири модифікатори; вікно налаштувань показує (Немає))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 — не маска модифікаторів</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>біти 0x%1 — не модифікатори (пропущено)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>відсутній (читається як 0: без паузи)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 — не число мілісекунд</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 більше за %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 менше за 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 — не ціле число мілісекунд (вікно налаштувань зберігає лише цілі мілісекунди)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 після порожнього кроку пропускається (порожній крок не дає паузи)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>число</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>корінь — %1, очікується %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>це %1, очікується %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>містить керівний символ U+%1 (символ %2), який може керувати терміналом, що показує назву</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>довжина — %n символ; назва може мати щонайбільше %1</numerusform>
            <numerusform>довжина — %n символи; назва може мати щонайбільше %1</numerusform>
            <numerusform>довжина — %n символів; назва може мати щонайбільше %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 поза межами 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 — не логічне значення (true, false, 0 або 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 неприпустиме (припустимо: %2)</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>не ключ налаштувань (пропущено: макрос має кроки 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>не ключ налаштувань (пропущено)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 — не вид кроку (кожна програма відтворює код клавіші кроку; види: %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 — не вид кроку (старіші програми й ця пропускають крок; види: %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 у кроку з кодом клавіші %2 (кожна програма відтворює клавішу й не зважає на вид; крок іншого виду має код клавіші -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>пропущено (крок порожній: його код клавіші -1, і інший вид не вказано)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>не використовується кроком %1 (пропущено)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>відсутній (програми пропускають крок)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>відсутній (крок нічого не вводить)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>порожньо (крок нічого не вводить)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>довжина — %n символ; текстовий крок вводить щонайбільше %1 (решту відкинуто)</numerusform>
            <numerusform>довжина — %n символи; текстовий крок вводить щонайбільше %1 (решту відкинуто)</numerusform>
            <numerusform>довжина — %n символів; текстовий крок вводить щонайбільше %1 (решту відкинуто)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>відсутній (читається як 1: одне клацання)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 поза межами %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Введення тексту</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>символи поза розкладкою через вільні коди клавіш</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>символи поза розкладкою через розкладку клавіш, що їх містить</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>лише символи розкладки клавіатури; для інших потрібен X11 або стільниця з протоколом віртуальної клавіатури (sway, Hyprland та інші стільниці на wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>текстові кроки лише записуються в трасування</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 не існує: завантажте модуль ядра uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>немає прав на %1: встановіть правила udev від Halvane, які дають доступ до нього користувачеві, що увійшов</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>за %1 немає драйвера uinput: завантажте модуль ядра uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>не вдається використати %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>немає з’єднання з Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>композитор не має %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>немає розкладки для віртуальної клавіатури</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>композитор відмовив у віртуальній клавіатурі</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>немає X-дисплея (DISPLAY не задано)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>не вдається під’єднатися до X-дисплея %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>X-дисплей %1 не має такого екрана</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Вибір програми</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Інша…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Пошук програм</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Стрілки вибирають у списку, Enter підтверджує вибір</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Встановлені програми</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>скасовано клавішею Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>служба завершує роботу</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>система переходить у сон</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>сеанс більше не активний</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>клавіатуру від’єднано</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Макрос зупинено: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Не вдалося зберегти поточний профіль у %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Текстовий крок пропустив %n символ, який ця стільниця не може ввести: %1</numerusform>
            <numerusform>Текстовий крок пропустив %n символи, які ця стільниця не може ввести: %1</numerusform>
            <numerusform>Текстовий крок пропустив %n символів, які ця стільниця не може ввести: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>Профіль %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>Клавіша запускає %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Макрос очищено.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Записує кожну натиснуту клавішу, зокрема Tab і Escape, — до восьми клавіш. Щоб зупинити запис, швидко двічі натисніть Escape.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Режим відтворення макросу</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Профіль для перемикання</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Макроклавіша %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Запис зупинено.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Запис очищено.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Не записано: у макросі щонайбільше %n клавіша.</numerusform>
            <numerusform>Не записано: у макросі щонайбільше %n клавіші.</numerusform>
            <numerusform>Не записано: у макросі щонайбільше %n клавіш.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Записано %1, клавіша %2 з %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Спершу запишіть клавішу: пауза йде після останньої клавіші.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Після %1 макрос %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Після кроку %1 макрос %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Не додано: у макросі щонайбільше %n крок.</numerusform>
            <numerusform>Не додано: у макросі щонайбільше %n кроки.</numerusform>
            <numerusform>Не додано: у макросі щонайбільше %n кроків.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Додано крок %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Крок %1 прибрано.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Додає цю паузу після останнього вибраного кроку, інакше після останнього кроку</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Файл налаштувань не вдалося використати в початковому вигляді.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Не вдалося прочитати або створити налаштування.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Клавіатура Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не вдалося зберегти налаштування.</translation>
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
        <translation>Профіль: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (не встановлено)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter або Space — змінити дію клавіші, Shift+F10 або клавіша Menu — інші варіанти, стрілки — перехід до інших макроклавіш.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Макроклавіші</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>Від L1 до L5 — ліворуч на клавіатурі, від R1 до R5 — праворуч</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Макроклавіші та профілі</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Клавіатуру перемкнено на профіль %1 «%2».</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Налаштування збережено, клавіатура вже їх використовує.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Налаштування збережено.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Клавіатура Halvane: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Клавіатура Halvane: профіль %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Автоматичне перемикання</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Завершити службу Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Ця стільниця не може ввести: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Крок %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Крок %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Текст для введення</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Кнопка миші</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Дія кнопки</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Напрямок коліщатка</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Клацання колеса</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Прибрати крок %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Сполучення клавіш</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Коліщатко</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Ліва</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Права</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Середня</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Праворуч</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space вмикає або вимикає</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 або Enter — перейменувати профіль</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter — вибрати програму, яка вмикає цей профіль</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>немає</translation>
    </message>
</context>
</TS>
