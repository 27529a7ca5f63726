<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>“%1” bir profil numarası değil (1 ile %2 arası)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>komut verilmedi</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>%1 için yanlış sayıda argüman (kullanım: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>bilinmeyen seçenek “%1”</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>dosya adı boş</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>“%1” bir yedek numarası değil (“%2” komutunun listelediği gibi)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>bilinmeyen komut “%1”</translation>
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
        <translation>yazdı: %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>%n sistem tuşu olayı gönderdi</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>bastı: %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>bekledi: %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>şu profile geçti: %1 (ekranda gösterildi)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>%1 numaralı profile geçti</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>oturum açılışında başlamasını sağladı</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>%1 için betiğini çalıştırdı</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>%1 uygulamasından “%2” istedi</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>%1 uygulamasını açtı</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>geçici klasör oluşturulamıyor</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Play tuşu</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Çıkar tuşu</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>profil tuşu + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>profil tuşu + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>%1 dosyasından demo ayarları oluşturulamıyor</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Yardımcı program bir demo profili ve sanal klavyeyle başlatılıyor…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 başlatılamıyor: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>yardımcı program sanal klavyeyi bulamadı</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>Yardımcı program klavyeyi buldu ve %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>hazır</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>hiçbir şey</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>yardımcı program beklenmedik şekilde durdu</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>yardımcı program sanal klavyeye bağlı değil</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>yardımcı program 5 s içinde durmadı</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>yardımcı program şu durum koduyla sonlandı: %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>Yardımcı program düzgünce durdu.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>Yardımcı programın çıktısı:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Klavyenin çalışmasını engelleyen bir şey yok</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n sorun klavyenin çalışmasını engelliyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n sorun daha düzeltilmeye değer</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>çözüm:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Bu masaüstünde otomatik geçiş için önce bir adım gerekiyor:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>adsız bir masaüstü</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>oturumu kapatıp yeniden açın (Wayland üzerindeki GNOME yeni uzantıları yalnızca oturum açılışında bulur)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (otomatik geçiş ve ekrandaki profil adı için gerekli)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>GNOME Shell uzantısı %1: kurulu değil</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>GNOME Shell uzantısı: %1, GNOME %2 için yapılmamış</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>GNOME Shell uzantısı: %1, çalışıyor</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>GNOME Shell uzantıları tümüyle kapalı</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>GNOME Shell uzantısı %1: kurulu, etkin değil</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>GNOME Shell uzantısı %1: kurulu, ancak GNOME Shell onu başlatmadı</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>hâlâ çalışmıyorsa: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (otomatik geçiş için gerekli)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>KWin betiği %1: kurulu değil</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>KWin betiği: %1 (yardımcı program başlarken yükler)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>KWin betiği: KWin bu oturum veriyolunda yanıt vermiyor</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>Plasma oturumunun bir uçbiriminde şunu çalıştırın: %1</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>KWin betiği: %1 kurulu, ancak KWin onu yüklemedi</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>yardımcı programı yeniden başlatın, betiği başlarken yükler (neden yükleyemediğini günlüğünde yazar: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>KWin betiği: %1, yüklendi</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Masaüstü: grafik oturum görülmedi (DISPLAY ve WAYLAND_DISPLAY ayarlanmamış)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>masaüstü oturumunuzun bir uçbiriminde şunu çalıştırın: %1</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Masaüstü: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 yok</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 sizin için ne okunabilir ne yazılabilir</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 sizin için yazılabilir değil</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 sizin için okunabilir değil</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 sizin için okunabilir ve yazılabilir</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>udev kuralı: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>udev kuralı: %1 hiç Halvane kuralı içermiyor (boşaltılmış ya da maskelenmiş)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>udev kuralı: udev&apos;in bakmadığı bir yere kurulmuş: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>udev kuralı: %1 kurulu değil (bakılan yer: %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>udev kuralı uygulandı: %1 üzerinde uaccess</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>udev kuralı uygulanmadı: %1 üzerinde uaccess etiketi yok</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>udev kuralını kurun (yukarıda), ardından: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>ya da klavyeyi çıkarıp yeniden takın</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Klavye erişimi: %1 için okuma ve yazma izniniz var</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Klavye erişimi: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>ardından doğrudan bilgisayarın başında oturum açın (ssh üzerinden değil) ya da şimdilik: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: yazılabilir</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (ortam ve çıkarma tuşları ile Wayland&apos;de her makro için gerekli)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (her açılışta)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 onu KEY_SLEEP&apos;e eşliyor</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev, %1 için Halvane hwdb girdisi vermedi</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>hwdb girdisi: derlenmiş hwdb içinde</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>derlenmiş hwdb&apos;de Halvane girdisi yok</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>hwdb girdisi: %1 üzerinde makro tuşları sistem tuşu değil</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>hwdb girdisi etkin değil: %1 (0xF8 makro tuşu bilgisayarı uyku kipine alırdı)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Klavye: %n arayüz (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Klavye: hiçbiri takılı değil; %1 programının %n sanal arayüzü (%2 içinde)</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Klavye: bulunamadı (%1:%2 ya da %1:%3 HID aygıtına ait hidraw düğümü yok)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>klavyeyi takın (onsuz denemek için: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Otomatik başlatma: %1 kapalı</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Otomatik başlatma: %1 hiçbir şey başlatmıyor</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Otomatik başlatma: %1, var olmayan %2 programını başlatıyor</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Otomatik başlatma: hem %1 hem %2 yardımcı programı oturum açılışında başlatıyor</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (yardımcı program, başlatmayı birime bırakan yeni bir tane yazar)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Otomatik başlatma: %1 etkin</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Otomatik başlatma: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Otomatik başlatma: yardımcı program oturum açılışında başlamıyor</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>yardımcı programı bir kez başlatın (%1 dosyasını ekler): %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, ardından yardımcı programı bir kez başlatın; yenisini yazar: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>%1 programını bir kez başlatın; varsayılan ayarları yazar</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (en yeni yedek)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Ayarlar: %1 yok (o olmadan tuşlar hiçbir şey yapmaz)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Ayarlar: %1 okunamıyor (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>kökü bir sözlük değil</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, ardından %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Ayarlar: %1 içinde %n hata var</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (hepsini listeler), ardından bunları %2 içinde düzeltin</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>ya da önceki bir sürüme dönün: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Ayarlar: %1 geçerli</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Ayarlar: %1 geçerli (%n uyarı: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>yardımcı programdan çıkın (HalvaneHelper sürecini sonlandırın), ardından: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Sentetik tuşlar</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>HID olayları</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Ön plandaki uygulama</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Ekran göstergesi</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: yardımcı program hangi arka ucu seçtiğini söylemiyor</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>yardımcı programı güncelleyip yeniden başlatın: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>otomatik geçiş kapalı; yardımcı programı, masaüstünün pencerelerini bulabileceği masaüstü oturumunuzdan başlatın: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>/dev/uinput&apos;u yazılabilir yapın (yukarıya bakın), ardından %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane yardımcı programı çalışmıyor</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Yardımcı program: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>başlatın: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Yardımcı program: %1 adını tutuyor ancak yanıt vermiyor</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Yardımcı program: %1 sürümü çalışıyor, ancak bu halvanectl %2 sürümünde</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>kurulu sürümü çalıştırmak için %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Yardımcı program: çalışıyor, sürüm %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Fare düğmeleri ve tekerleği</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Metin adımları</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>normal dosya değil, klasör</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>normal dosya değil, FIFO</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>normal dosya değil, soket</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>normal dosya değil, karakter aygıtı</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>normal dosya değil, blok aygıtı</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>normal dosya değil, özel dosya</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>%1 MiB boyutundan büyük</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Ön plandaki uygulama</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X sunucusu %1 bağlantıyı reddetti (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 kurulamadı, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP değeri: %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 oturum veriyolunda yok</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland bağlantısı yok</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>bileşikleştiricide %1 yok</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>HYPRLAND_INSTANCE_SIGNATURE yok</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>NIRI_SOCKET yok</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>SWAYSOCK yok</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ayarlanmamış</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland oturumu değil</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>daha düşük öncelikli</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>%1 değil: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>GNOME Shell uzantımız aracılığıyla</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>KWin betiğimiz aracılığıyla</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>Hyprland&apos;in olay soketi</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>niri&apos;nin olay akışı</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>sway IPC&apos;sinden alınan pid ile %1</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>XWayland üzerinde _NET_ACTIVE_WINDOW; yalnızca X uygulamalarını görür</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>otomatik geçiş kapalı</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>GNOME Shell uzantısı %1: Shell çalışıp çalışmadığını söylemedi (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>GNOME Shell uzantısı %1 kurulu değil: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>GNOME Shell uzantısı %1 etkin değil: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>otomatik geçiş için gerekli; `%1` komutunu çalıştırın (Wayland&apos;de yeni kurulan bir uzantı ancak yeniden oturum açınca bulunur)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>oturum veriyolu yok</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell çalışmıyor</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>halvane-keyboard@halvane.com uzantısı etkin değil</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>HID olayları (çıkarma, ortam tuşları, fare)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput kullanılabilir</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput yok</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>yalnızca iz kaydına yazılıyor, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Yok)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Makro tuşu</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Makro çalıştır</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Yeni makro:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Tuşuna basıldığında makronun nasıl oynatılacağı</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Bir kez oynat</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Basılıyken yinele</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Basınca başlat/durdur</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Geçerli makro:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>Tuşun şu anki makrosu</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Buraya tıklayın, sonra en çok sekiz tuş yazın</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Bu düğme odaktayken yazdığınız her tuş, kısayollar dahil, kaydedilir.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Son duraklama:</translation>
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
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Uygulama başlat</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Uygulama:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>Tuşun açtığı uygulama</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Seç…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Profil seç</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Tuşun geçtiği profil</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seçin…</translation>
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
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Adım ekle</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Metin yazan, fare düğmesi kullanan ya da tekerleği çeviren bir adım ekler</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>Makronun Tamam ya da Uygula ile kaydedileceği hâli</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane Klavye</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Makro tuşları</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Düzenlenecek profil:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Command (Super) ve Alt tuşlarının yerini değiştir</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: makro kaydetmek için tıklayın; fazlası için sağ tıklayın</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Ortam tuşları:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Bu profilde klavyenin ortam tuşlarının yönettiği ortam oynatıcı</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Görüntü tuşları:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>Bu profilde görüntü tuşlarının yönettiği görüntü uygulaması</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Tuşları sıfırla</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Bu profildeki her makro tuşunun işlevini kaldırır</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiller</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Otomatik geçiş</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Yeniden adlandırmak için profilin adına, ona otomatik olarak geçiren uygulamayı seçmek için uygulamasına çift tıklayın.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Profili sıfırla</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Seçili profile özgün ayarlarını geri verir</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Profil değişikliklerini ekranda göster</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Otomatik profil geçişini askıya al</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Sistem tepsisinde göster</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Geçerli profilin numarasını gösteren bir simge ve profil değiştirme menüsü</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Halvane Klavye Yardımı</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Ayarları kaydeder ve klavyeye iletir</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Makro tuşu</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Profil seç</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Uygulama başlat…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Kısayol tuşu</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Tuşu sıfırla</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Makro kaydetmek, uygulama başlatmak ya da profil seçmek için bir makro tuşuna tıklayın (veya üzerindeyken Enter tuşuna basın). Fazlası için sağ tıklayın ya da Shift+F10 tuşlarına basın.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Kullanım: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Halvane klavye yazılımının komut satırı istemcisi. Profiller, tercihlerde gösterildiği gibi
1&apos;den 10&apos;a numaralanır: “4 - Oyunlar”, Oyunlar adlı dördüncü profildir.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Çalışan Halvane yardımcı programıyla konuşan komutlar:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>geçerli profili yazdırır, ör. “4 - Oyunlar”</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>N numaralı profile geçer (tercihlerin yaptığı gibi: yardımcı program,
istenmişse profili ekranda gösterir ve değişiklik duyurmaz)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>yardımcı programın ayar dosyasını yeniden okumasını sağlar</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>yardımcı programın duyurduğu her profil değişikliğini satır satır yazdırır
(“4 - Oyunlar”), kesilene dek; yardımcı program daha sonra başlayabilir</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>yardımcı programın ön planda gördükleri: pencere sistemi, pencerenin app_id,
sınıf, örnek ve süreç bilgileri, uygulama (masaüstü girdisi ve
çalıştırılabilir dosya) ve nasıl bulunduğu, bunun hangi profili seçtiği
ya da neden hiçbirini seçmediği; --watch her uygulama değişiminden sonra yeniden yazdırır</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>klavyenin ihtiyaç duyduğu her şeyi denetler, her biri bir satırda, her sorunun
çözümüyle birlikte: klavyenin aygıt düğümleri ve /dev/uinput, udev kuralı ve
hwdb girdisi, yardımcı program ve seçtiği arka uçlar, masaüstü ve onun Shell
uzantısı ya da KWin betiği, otomatik başlatma, ayar dosyası</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>yalnızca bu masaüstünün otomatik geçiş için gereksindiği adım (varsa)</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Ayar dosyası üzerinde çalışan komutlar (yardımcı programın çalışması gerekmez):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>bir ayar dosyasını denetler, öntanımlı olarak kullanıcınınkini
(~/.config/halvane/com.halvane.keyboard.plist ya da $HALVANE_SETTINGS);
her sorunu dosyadaki yeriyle yazdırır, ör.
“hata: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350”</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>N numaralı profili FILE dosyasına yazar: “Format” (1) ve “Profile” altında
profil kaydını içeren bir özellik listesi; hatalı bir profil dışa
aktarılmaz</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>N numaralı profili FILE içindeki profille değiştirir; profil önce
denetlenir ve hataları varsa hiçbir şey değişmez; ardından çalışan
bir yardımcı programdan yeniden yüklemesi istenir</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>ayar dosyasının saklanan önceki sürümlerini listeler (en yeni 10 tanesi,
~/.config/halvane/backups içinde); en yeniden başlayarak numaralı,
her birinin değiştirildiği zaman ve boyutuyla</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>N numaralı yedeği ayar dosyası olarak geri koyar (geçerli içerik de bir
yedek olur); ardından çalışan bir yardımcı programdan yeniden yüklemesi istenir</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>bu metin</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>Halvane yazılımının sürümü</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Hatalar, yazılımın dosyada yazandan farklı davranacağı durumlar ya da tercihlerin
asla yazmadığı değerlerdir; uyarılar, tercihlerin yazdığından zararsız sapmalardır
(makul bir değer olarak okunan eksik bir girdi, bilinmeyen bir anahtar).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Çıkış durumu: 0 tamam (yalnızca uyarılar varsa 0 kalır); 1 check hata buldu, export ya da
import hatalı bir profili reddetti ya da doctor klavyenin çalışmasını engelleyen bir şey
buldu; 2 komut yerine getirilemedi (hatalı argümanlar, okunamayan ya da yazılamayan
bir dosya, yardımcı program çalışmıyor ya da yanıt vermiyor).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Şunu deneyin: “%1”.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>Halvane yardımcı programı yanıt vermedi</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>ayar dosyasında yalnızca %n profil var</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>%n saniye içinde geçiş yapmadı (bir makro oynatılıyor olabilir; geçiş makro bitince olur)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>Halvane yardımcı programı %1 numaralı profilde kaldı ve %2 numaralı profile geçmedi: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>Halvane yardımcı programı ayarlarını yeniden yükledi</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, ancak:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>izlenemiyor: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Profil değişiklikleri izleniyor; durdurmak için Ctrl-C&apos;ye basın.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Arka uç:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>bilinmiyor</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Pencere:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>sınıf</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>örnek</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>GTK uygulaması</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>KDE masaüstü dosyası</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>uygulaması hakkında hiçbir şey söylemiyor</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Uygulama:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), bulunma yolu: %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Masaüstü girdisi:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>ayrıca:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>masaüstü girdisi bulunamadı</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Çalıştırılabilir dosya:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>yok: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Arka uç seçimi: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>yardımcı programın ön plandaki uygulaması izlenemiyor</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Uygulama değişiklikleri izleniyor; durdurmak için Ctrl-C&apos;ye basın.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 bir ayar dosyası değil (kökü bir sözlük değil)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: sorun yok</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n hata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n uyarı</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>%1 numaralı profil dışa aktarıldı: %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>%1 numaralı profilde hatalar var; hiçbir şey dışa aktarılmadı</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 hatalar içeriyor; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1, %2 numaralı profil olarak içe aktarıldı</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>profil içe aktarıldı</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Halvane yardımcı programı çalışmıyor; yeni profili başladığında okur.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, ancak Halvane yardımcı programı yeniden yükleme isteğine yanıt vermedi; yardımcı programı yeniden başlatın, yoksa kapanırken eski ayarlarını geri yazar</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Halvane yardımcı programı ayarlarını yeniden yükledi.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Henüz yedek yok: %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Yedekler (%1), en yenisi önce:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bayt</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Ayarlar %1 tarihine kadarki hâline geri yüklendi (yedek %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>yedek geri yüklendi</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Halvane yardımcı programı çalışmıyor; yeni ayarları başladığında okur.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>hata: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>uyarı: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Not: %1, %2 uygulamasını başlatır</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Not: %1 ön plana her geldiğinde profil geçerli olur</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>hiçbir ayar yüklenmedi</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>otomatik geçiş askıya alındı (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>pencerenin uygulaması bilinmiyor, bu yüzden ona bağlı bir profil yok</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>etkin pencere yok</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>hiçbir profilin %1 değeri bu uygulamayı göstermiyor</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>%1 numaralı profil bu uygulamayı gösteriyor, ancak %2 kapalı</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>%1 numaralı profili seçer</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>yardımcı program çalışıyor</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>yardımcı program %1 aracılığıyla başlatıldı</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>yardımcı program başlatıldı</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>oturum veriyolu yok: yardımcı program başlatılmadı</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>başlatmak için yardımcı program bulunamıyor</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Kısayol tuşları</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland oturumu değil</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>X sunucusu yok</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>masaüstü portalı GlobalShortcuts (sürüm %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>daha düşük öncelikli</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>XWayland üzerinden tuş yakalama; yalnızca bir X uygulaması odaktayken görülür (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>X sunucusunda tuş yakalama</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>X sunucusu yok; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>her kayıt reddediliyor (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane Klavye</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>KWin betiği: KWin&apos;in betik sistemi yanıt vermiyor (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>KWin betiği: önceki bir yardımcı programın yüklü bıraktığı betik değiştirildi</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>KWin betiği: KWin şu betiği yüklemedi: %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>reddedildi</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>KWin betiği: yüklendi ancak çalıştırılmadı (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>KWin betiği: %1 kurulu değil</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Sentetik tuşlar</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland oturumu</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>uinput sanal klavyesi (Wayland oturumu)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput yok</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>Wayland bileşikleştiricisinin sanal klavyesi (uinput yok: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; Wayland sanal klavyesi yok: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>%1 X sunucusunda XTest; yalnızca X istemcilerine ulaşır (uinput yok: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>%1 X sunucusunda XTest</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>yalnızca X istemcileri</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 oturumu</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest yok</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>uinput sanal klavyesi (XTest yok: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>hiçbir arka uç olay gönderemiyor</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>makrolar yalnızca iz kaydına yazılıyor (XTest yok: %1; uinput yok: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland bağlantısı yok</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>bileşikleştiricide %1 yok</translation>
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
        <translation>%1 uygulamasını açar</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>%1 uygulamasını açar (uygulama bulunamıyor)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>“%1” profiline geçer</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>%1 numaralı profile geçer</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>tuş basılı tutuldukça yinelenir</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>tuşa yeniden basılana dek yinelenir</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>hiçbir şey atanmamış</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>%1 yazar</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>%1 saniye bekler</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>%1 ile tıklar</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1 basılı tutar</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1 bırakır</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>sol düğme</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>sağ düğme</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>orta düğme</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>geri düğmesi</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>ileri düğmesi</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>%n çentik yukarı kaydırır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>%n çentik aşağı kaydırır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>%n çentik sola kaydırır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>%n çentik sağa kaydırır</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>“%1” yazar</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>oturum veriyolu yok</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>oturum veriyolunda bildirim sunucusu yok</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Ekran göstergesi</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>layer-shell yok: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>GNOME Shell göstergesi yok: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>bildirim yok: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>ekran dışı pencere (ekran yok)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>her zaman üstte duran X11 penceresi</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>overlay katmanında layer-shell yüzeyi</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>GNOME Shell uzantısı</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>masaüstü bildirimleri</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>bileşikleştiricinin yerleştirdiği sıradan Wayland penceresi</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Fare düğmeleri ve tekerleği</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland oturumu</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>uinput sanal işaretçisi (Wayland oturumu)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>yalnızca X istemcileri</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 oturumu</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>%1 X sunucusunda XTest; yalnızca X istemcilerine ulaşır (uinput yok: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>%1 X sunucusunda XTest</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest yok</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>uinput sanal işaretçisi (XTest yok: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>hiçbir arka uç fare olayı gönderemiyor</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>fare adımları yalnızca iz kaydına yazılıyor (XTest yok: %1; uinput yok: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>oturum veriyolu yok</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>masaüstü portalı yok</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>masaüstü portalında GlobalShortcuts yok</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 bir tercih paneli paketi değil</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>%1 paneli başlatılamadı</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>%1 panelinin görünümü yok</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>%1 bulunamıyor</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>profil numaraları 1 ile %1 arasındadır</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>ayar dosyasında profil yok</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>ayar dosyasında %1 numaralı profil yok (dosyadaki profil sayısı: %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>profil dosyası değil (kökü bir sözlük değil)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>eksik (profil dosyası değil)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>tamsayı değil (profil dosyası değil)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>bu sürüm %1 numaralı biçimi okumaz (okuduğu biçim: %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>profil dosyası anahtarı değil (yok sayıldı)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>özellik listesi değil (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1, ayar dosyasının kendisi</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>%1 ayar dosyası okunamıyor: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>%1 dosyasına yazılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>%1 ayar dosyası bir sözlük değil</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>ayar dosyası yok ve %1 varsayılan ayar dosyası okunamıyor</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>%1 ayar dosyasına yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>%1 düzeyden derin iç içe geçmiş</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>hasarlı bir ikili özellik listesi</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>yazılacak bir şey yok</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>ikinci bir kök öğe</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>öğelerin dışında metin</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>öğe yok</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; içinde ikinci bir değer</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; içinde değer yok</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>öğeler arasında metin</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; bir özellik listesi öğesi değil</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; bir öğe içeriyor</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; “%2” içeriyor</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;key&gt; olması gereken yerde &lt;%1&gt; var</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>değeri olmayan bir &lt;key&gt;</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>%1 konumunda XML hatası: %2</translation>
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
        <translation>D-Bus oturum veriyolu yok (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane yardımcı programı çalışmıyor</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X sunucusu yok (DISPLAY ayarlanmamış)</translation>
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
        <translation>%1 yedek klasörü oluşturulamadı</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>%1 yedeğinin adı %2 olarak değiştirilemedi</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>%1 dosyasının yedeği %2 konumunda saklanamadı (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>%1 dosyasının yedeği yok</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>%1 numaralı yedek yok (1 ile %2 arası)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>%1 yedeği ayar olarak okunamıyor (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>kökü bir sözlük değil</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>%1 dosyasına yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>%1 ayar dosyası okunamadığından (%2) %3 konumuna taşınamadı; olduğu yerde kalıyor</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>%1 ayar dosyası %2 konumuna kopyalanamadı (%3); olduğu yerde kalıyor</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>%1 konumundaki ayar dosyası kopyası %2 dosyasından farklı; asıl dosya olduğu yerde kalıyor</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>%1 ayar dosyası %2 konumuna kopyalandı ancak asıl dosya silinemedi</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>%1 ayar dosyası kullanılıyor; %2 konumundaki eski dosyaya dokunulmadı</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Ayar dosyası %1 konumundan %2 konumuna taşındı</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Ayar dosyası okunamadı (%1); %2 olarak saklandı</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Ayar dosyası okunamadı (%1) ve %2 olarak kenara da alınamadı (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>kökü bir sözlük değil</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>ayarlar bir sözlük değil</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>yazılacak bir şey yok</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Ayar dosyası %1: %2; varsayılan ayarlar kaydedilmeden kullanılıyor</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>programın paketinde varsayılan ayar yok</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>%1 varsayılan ayar dosyası okunamıyor (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>%1 oluşturulamadı: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>kullanılamaz değer</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>mantıksal değer</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>tamsayı</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>gerçel sayı</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>dizge</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>veri</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>tarih</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>dizi</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>sözlük</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 veya %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 profil var, beklenen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n profil var, beklenen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 makro tuşu var, beklenen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n makro tuşu var, beklenen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>eksik</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>eksik (profil yok: hiçbir tuş bir şey yapmaz)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>eksik (0 sayılır: yardımcı program 1 numaralı profille başlar)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>eksik (false sayılır)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>eksik (boş ad sayılır)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>eksik (bu profilin hiçbir makro tuşu bir şey yapmaz)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>eksik (görüntü tuşları hiçbir uygulama belirtmiyor)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>eksik (ortam tuşları hiçbir oynatıcı belirtmiyor)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>eksik (uygulama belirtilmemiş sayılır)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 mutlak yol değil (otomatik geçiş tam yolları karşılaştırır, bu yüzden hiç eşleşmez)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>eksik (boş sayılır: tuş hiçbir şey yapmaz)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 bir eylem değil (tuş hiçbir şey yapmaz; eylemler: %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>eksik (makro hiçbir şey oynatmaz)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>kaydedilmiş adım yok (makro hiçbir şey oynatmaz)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>eksik (tuş hiçbir şey başlatmaz)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>eksik (boş sayılır)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>boş (tuş hiçbir şey başlatmaz)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 mutlak yol değil</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>eksik (boş veri sayılır)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>eksik (0 sayılır: tuş 1 numaralı profili seçer)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>eksik (0 sayılır)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>eksik (tuşun etiketi boş sayılır)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>eksik (eksik bir adım 0 tuş kodunu oynatır)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 bir tuş kodu değil (0-%2 ya da boş adım için -1)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>eksik (0 sayılır: değiştirici tuş yok)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>tuşla birlikte -1 (yardımcı program dört değiştirici tuşun hepsini basılı tutar; Tercihler (Yok) gösterir)</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 bir değiştirici tuş maskesi değil</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>0x%1 bitleri değiştirici tuş değil (yok sayıldı)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>eksik (0 sayılır: duraklama yok)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 bir milisaniye değeri değil</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1, %2 değerinden büyük</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1, 0&apos;dan küçük</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 tam bir milisaniye değeri değil (Tercihler milisaniyeleri tam sayı olarak saklar)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>boş bir adımdan sonraki %1 değeri yok sayıldı (boş adım duraklamaya yol açmaz)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>sayı</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>kök öğe %1 türünde; beklenen: %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>%1 türünde; beklenen: %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>U+%1 denetim karakterini içeriyor (%2. karakter); bu, adı gösteren bir uçbirimi yönlendirebilir</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>%n karakter uzunluğunda; bir ad en çok %1 karakter olabilir</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1, 0-%2 aralığının dışında</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 bir mantıksal değer değil (true, false, 0 veya 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1, şunlardan biri değil: %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>ayar anahtarı değil (yok sayıldı: bir makronun adımları 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>ayar anahtarı değil (yok sayıldı)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 bir adım türü değil (her program adımın tuş kodunu oynatır; türler: %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 bir adım türü değil (eski programlar ve bu program adımı atlar; türler: %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%2 tuş kodlu bir adımda %1 (her program tuşu oynatır ve türü yok sayar; başka türde bir adımın tuş kodu -1’dir)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>yok sayıldı (adım boş: tuş kodu -1 ve başka bir tür belirtmiyor)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>%1 adımı bunu kullanmaz (yok sayıldı)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>eksik (programlar adımı atlar)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>eksik (adım hiçbir şey yazmaz)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>boş (adım hiçbir şey yazmaz)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>%n karakter uzunluğunda; bir metin adımı en çok %1 karakter yazar (gerisi atlanır)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>eksik (1 sayılır: bir çentik)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1, %2-%3 aralığının dışında</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Metin yazma</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>düzende olmayan karakterler boş tuş kodlarıyla</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>düzende olmayan karakterler onları içeren bir tuş eşlemiyle</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>yalnızca klavye düzeninin karakterleri; diğerleri için X11 ya da sanal klavye protokolü olan bir masaüstü (sway, Hyprland ve diğer wlroots masaüstleri) gerekir</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>metin adımları yalnızca kaydedilir</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 yok: uinput çekirdek modülünü yükleyin (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>%1 üzerinde izin yok: oturum açmış kullanıcıya erişim veren Halvane udev kurallarını kurun</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 arkasında uinput sürücüsü yok: uinput çekirdek modülünü yükleyin</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 kullanılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland bağlantısı yok</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>bileşikleştiricide %1 yok</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>sanal klavyeye verilecek tuş eşlemi yok</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>bileşikleştirici sanal klavyeyi reddetti</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X sunucusu yok (DISPLAY ayarlanmamış)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>%1 X sunucusuna bağlanılamıyor</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>%1 X sunucusunda böyle bir ekran yok</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Uygulama seçin</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Diğer…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Uygulamalarda ara</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Ok tuşları listede seçer, Enter seçimi onaylar</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Yüklü uygulamalar</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>Escape ile iptal edildi</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>yardımcı program kapanıyor</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>sistem uyku kipine geçiyor</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>oturum artık etkin değil</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>klavye çıkarıldı</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Makro durduruldu: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Geçerli profil %1 dosyasına kaydedilemedi: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Bir metin adımı, bu masaüstünün yazamadığı %n karakteri atladı: %1</numerusform>
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
        <translation>Tuş artık %1 uygulamasını açıyor.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Makro temizlendi.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Bastığınız her tuşu, Tab ve Escape dahil, en çok sekiz tuş kaydeder. Kaydı durdurmak için Escape tuşuna hızlıca iki kez basın.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Makronun oynatma kipi</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Geçilecek profil</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>%1 makro tuşu</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Kayıt durduruldu.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Kayıt temizlendi.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Kaydedilmedi: bir makroda en çok %n tuş olabilir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Kaydedildi: %1, tuş %2 / %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Önce bir tuş kaydedin: duraklama son tuştan sonra gelir.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>%1 sonrasında makro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Adım %1 sonrasında makro: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Eklenmedi: bir makroda en çok %n adım olabilir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Adım %1 eklendi: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Adım %1 kaldırıldı.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Bu duraklamayı en son seçilen adımdan, yoksa son adımdan sonra ekler</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Ayar dosyası olduğu gibi kullanılamadı.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Ayarlar okunamadı ya da oluşturulamadı.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane Klavye</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Ayarlar kaydedilemedi.</translation>
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
        <translation>%1 (kurulu değil)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter veya Space tuşun ne yaptığını değiştirir, Shift+F10 veya Menu tuşu diğer seçenekleri açar, ok tuşları diğer makro tuşlarına geçer.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Makro tuşları</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1&apos;den L5&apos;e kadar klavyenin solunda, R1&apos;den R5&apos;e kadar sağında</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Makro tuşları ve profiller</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiller</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Klavye %1 numaralı profile geçti: “%2”.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Ayarlar kaydedildi; klavye artık bunları kullanıyor.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Ayarlar kaydedildi.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Halvane klavye: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Halvane klavye: profil %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Otomatik geçiş</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Tercihler…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Halvane yardımcı programından çık</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Bu masaüstü şunları yazamaz: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Adım %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Adım %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Yazılacak metin</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Fare düğmesi</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Düğmenin yaptığı</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Tekerlek yönü</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Çentik</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Adım %1 kaldır</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Tuş birleşimi</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Tekerlek</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Tıkla</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Bırak</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Sola</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Sağa</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space açar veya kapatır</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 veya Enter profili yeniden adlandırır</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter bu profile geçiren uygulamayı seçer</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>yok</translation>
    </message>
</context>
</TS>
