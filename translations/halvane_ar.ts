<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>«%1» ليس رقم ملف تعريف (من 1 إلى %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>لم يُحدَّد أمر</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>عدد وسائط خاطئ للأمر %1 (الاستخدام: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>اسم الملف فارغ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>«%1» ليس رقم نسخة احتياطية (كما يسردها «%2»)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>أمر غير معروف «%1»</translation>
    </message>
</context>
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation>كتب %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>أرسل %n حدث لمفاتيح النظام</numerusform>
            <numerusform>أرسل %n حدث لمفاتيح النظام</numerusform>
            <numerusform>أرسل %n حدثين لمفاتيح النظام</numerusform>
            <numerusform>أرسل %n أحداث لمفاتيح النظام</numerusform>
            <numerusform>أرسل %n حدثًا لمفاتيح النظام</numerusform>
            <numerusform>أرسل %n حدث لمفاتيح النظام</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>ضغط %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>انتظر %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>انتقل إلى %1 (معروضًا على الشاشة)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>انتقل إلى ملف التعريف %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>تأكد من أنه يبدأ عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>شغّل سكربته لـ %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>طلب من %1 أن ينفّذ %2</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>فتح %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>تعذّر إنشاء مجلد مؤقت</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>مفتاح Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>مفتاح Eject</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>مفتاح ملف التعريف + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>مفتاح ملف التعريف + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>تعذّر إنشاء إعدادات العرض التوضيحي من %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>يجري تشغيل المساعد بملف تعريف توضيحي ولوحة مفاتيح افتراضية...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>تعذّر تشغيل %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>لم يعثر المساعد على لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>عثر المساعد على لوحة المفاتيح و%1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>أصبح جاهزًا</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 ← %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>توقف المساعد على نحو غير متوقع</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>المساعد غير متصل بلوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>لم يتوقف المساعد خلال 5 ث</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>انتهى المساعد بالحالة %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>توقف المساعد توقفًا سليمًا.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>قال المساعد:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>لا شيء يمنع لوحة المفاتيح من العمل</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n مشكلة تمنع لوحة المفاتيح من العمل</numerusform>
            <numerusform>%n مشكلة تمنع لوحة المفاتيح من العمل</numerusform>
            <numerusform>%n مشكلتان تمنعان لوحة المفاتيح من العمل</numerusform>
            <numerusform>%n مشكلات تمنع لوحة المفاتيح من العمل</numerusform>
            <numerusform>%n مشكلةً تمنع لوحة المفاتيح من العمل</numerusform>
            <numerusform>%n مشكلة تمنع لوحة المفاتيح من العمل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>و%n أمر آخر يستحق الإصلاح</numerusform>
            <numerusform>و%n أمر آخر يستحق الإصلاح</numerusform>
            <numerusform>و%n أمران آخران يستحقان الإصلاح</numerusform>
            <numerusform>و%n أمور أخرى تستحق الإصلاح</numerusform>
            <numerusform>و%n أمرًا آخر يستحق الإصلاح</numerusform>
            <numerusform>و%n أمر آخر يستحق الإصلاح</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>الحل:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>يحتاج التبديل التلقائي على سطح المكتب هذا إلى خطوة واحدة أولًا:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>سطح مكتب بلا اسم</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>سجّل الخروج ثم الدخول مجددًا (لا يجد GNOME على Wayland الامتدادات الجديدة إلا عند تسجيل الدخول)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (يحتاجه التبديل التلقائي وعرض اسم ملف التعريف على الشاشة)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>امتداد GNOME Shell ‏%1: غير مثبّت</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>امتداد GNOME Shell: ‏%1 ليس مصممًا لـ GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>امتداد GNOME Shell: ‏%1، قيد التشغيل</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>امتدادات GNOME Shell معطّلة كليًا</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>امتداد GNOME Shell ‏%1: مثبّت، لكنه غير مفعّل</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>امتداد GNOME Shell ‏%1: مثبّت، لكن GNOME Shell لم يشغّله</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>إن ظل لا يعمل: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (يحتاجه التبديل التلقائي)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>سكربت KWin ‏%1: غير مثبّت</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>سكربت KWin: ‏%1 (يحمّله المساعد عند بدئه)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>سكربت KWin: لا يستجيب KWin على ناقل الجلسة هذا</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>شغّل %1 في طرفية ضمن جلسة Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>سكربت KWin: ‏%1 مثبّت، لكن KWin لم يحمّله</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>أعد تشغيل المساعد، فهو يحمّله عند بدئه (سجله يذكر سبب الإخفاق: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>سكربت KWin: ‏%1، محمّل</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>سطح المكتب: لم تُرصد جلسة رسومية (DISPLAY و WAYLAND_DISPLAY غير مضبوطين)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>شغّل %1 في طرفية ضمن جلسة سطح المكتب الخاصة بك</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>سطح المكتب: %1، %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 غير موجود</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>لا يمكنك قراءة %1 ولا الكتابة فيه</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>لا يمكنك الكتابة في %1</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>لا يمكنك قراءة %1</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>يمكنك قراءة %1 والكتابة فيه</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>قاعدة udev: ‏%1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>قاعدة udev: ‏%1 لا يحوي قاعدة Halvane (مُفرَّغ أو مقنَّع)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>قاعدة udev: مثبّتة في %1، حيث لا يبحث udev</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>قاعدة udev: ‏%1 غير مثبّتة (جرى البحث في %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>قاعدة udev مطبّقة: uaccess على %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>قاعدة udev غير مطبّقة: لا وسم uaccess على %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>ثبّت قاعدة udev (أعلاه)، ثم: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>أو أعد توصيل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>الوصول إلى لوحة المفاتيح: يمكنك قراءة %1 والكتابة فيه</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>الوصول إلى لوحة المفاتيح: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>ثم سجّل الدخول على الجهاز نفسه (لا عبر ssh)، أو مؤقتًا: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: قابل للكتابة</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (تحتاجه مفاتيح الوسائط ومفتاح Eject، وكل ماكرو على Wayland)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (عند كل إقلاع)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 يربط 0xF8 بـ KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>لم يمنح udev ‏%1 أي مدخل hwdb خاص بـ Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>مدخل hwdb: موجود في hwdb المُترجَمة</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>لا يوجد مدخل Halvane في hwdb المُترجَمة</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>مدخل hwdb: مفاتيح الماكرو ليست مفاتيح نظام على %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>مدخل hwdb غير فعّال: %1 (مفتاح الماكرو 0xF8 كان سيُدخل الجهاز في السكون)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>لوحة المفاتيح: %n واجهة (%1)</numerusform>
            <numerusform>لوحة المفاتيح: %n واجهة (%1)</numerusform>
            <numerusform>لوحة المفاتيح: %n واجهتان (%1)</numerusform>
            <numerusform>لوحة المفاتيح: %n واجهات (%1)</numerusform>
            <numerusform>لوحة المفاتيح: %n واجهةً (%1)</numerusform>
            <numerusform>لوحة المفاتيح: %n واجهة (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهة افتراضية لـ %1 في %2</numerusform>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهة افتراضية لـ %1 في %2</numerusform>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهتان افتراضيتان لـ %1 في %2</numerusform>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهات افتراضية لـ %1 في %2</numerusform>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهةً افتراضية لـ %1 في %2</numerusform>
            <numerusform>لوحة المفاتيح: لا شيء موصول؛ %n واجهة افتراضية لـ %1 في %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>لوحة المفاتيح: لم يُعثر عليها (لا عقدة hidraw لجهاز HID ‏%1:%2 أو %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>صِل لوحة المفاتيح (للتجربة بدونها: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>التشغيل التلقائي: %1 معطّل</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>التشغيل التلقائي: %1 لا يشغّل شيئًا</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>التشغيل التلقائي: %1 يشغّل %2، وهو غير موجود</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>التشغيل التلقائي: كلٌّ من %1 و%2 يشغّل المساعد عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (يكتب المساعد ملفًا يترك البدء للوحدة)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>التشغيل التلقائي: %1 مفعّل</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>التشغيل التلقائي: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>التشغيل التلقائي: لا يبدأ المساعد عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>شغّل المساعد مرة واحدة؛ سيضيف %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1، ثم شغّل المساعد مرة واحدة؛ سيكتب ملفًا جديدًا: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>شغّل %1 مرة واحدة لكتابة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (أحدث نسخة احتياطية)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>الإعدادات: %1 غير موجود (لا تفعل المفاتيح شيئًا من دونه)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>الإعدادات: تعذّرت قراءة %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>جذره ليس قاموسًا</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1، ثم %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>الإعدادات: في %1 %n خطأ</numerusform>
            <numerusform>الإعدادات: في %1 %n خطأ</numerusform>
            <numerusform>الإعدادات: في %1 %n خطآن</numerusform>
            <numerusform>الإعدادات: في %1 %n أخطاء</numerusform>
            <numerusform>الإعدادات: في %1 %n خطأً</numerusform>
            <numerusform>الإعدادات: في %1 %n خطأ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (يسرد كل خطأ)، ثم صحّحها في %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>أو ارجع إلى إصدار سابق: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>الإعدادات: %1 سليم</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>الإعدادات: %1 سليم (%n تحذير: %2)</numerusform>
            <numerusform>الإعدادات: %1 سليم (%n تحذير: %2)</numerusform>
            <numerusform>الإعدادات: %1 سليم (%n تحذيران: %2)</numerusform>
            <numerusform>الإعدادات: %1 سليم (%n تحذيرات: %2)</numerusform>
            <numerusform>الإعدادات: %1 سليم (%n تحذيرًا: %2)</numerusform>
            <numerusform>الإعدادات: %1 سليم (%n تحذير: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>أنهِ المساعد (أنهِ عملية HalvaneHelper الخاصة به)، ثم: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>محاكاة المفاتيح</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>أحداث HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>التطبيق النشط</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>العرض على الشاشة</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: لا يذكر المساعد أي واجهة خلفية اختار</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>حدّث المساعد وأعد تشغيله: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>التبديل التلقائي متوقف؛ شغّل المساعد من جلسة سطح المكتب، حيث يرى نوافذ سطح المكتب: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>اجعل /dev/uinput قابلًا للكتابة (انظر أعلاه)، ثم %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>مساعد Halvane لا يعمل</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>المساعد: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>شغّله: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>المساعد: يحجز %1 لكنه لا يستجيب</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>المساعد: يعمل بالإصدار %1، لكن halvanectl هذا هو %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>لتشغيل الإصدار المثبّت، %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>المساعد: يعمل، الإصدار %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>أزرار الفأرة وعجلتها</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>خطوات النص</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>مجلد، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>FIFO، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>مقبس، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>جهاز محارف، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>جهاز كتل، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>ملف خاص، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>أكبر من %1 ميبيبايت</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>التطبيق النشط</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>رفض عرض X ‏%1 (%2)، %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>تعذّر إعداد %1، %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>قيمة XDG_CURRENT_DESKTOP هي %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 غير موجود على ناقل الجلسة</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>لا اتصال بـ Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>لا يوفّر المُركِّب %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>لا يوجد HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>لا يوجد NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>لا يوجد SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY غير مضبوط</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>ليست جلسة Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>أولويته أدنى</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>ليس %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>عبر امتداد GNOME Shell الخاص بنا</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>عبر سكربت KWin الخاص بنا</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>مقبس أحداث Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>تدفق أحداث niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 مع معرّف العملية من IPC الخاص بـ sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW على XWayland، لا يرى إلا تطبيقات X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>التبديل التلقائي متوقف</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>امتداد GNOME Shell ‏%1: لم تذكر الواجهة ما إذا كان يعمل (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>امتداد GNOME Shell ‏%1 غير مثبّت: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>امتداد GNOME Shell ‏%1 غير مفعّل: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>يحتاجه التبديل التلقائي؛ شغّل `%1` (على Wayland لا يُعثر على الامتداد المثبّت حديثًا إلا بعد تسجيل الدخول مجددًا)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>لا يوجد ناقل جلسة</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell لا يعمل</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>الامتداد halvane-keyboard@halvane.com غير مفعّل</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>أحداث HID (الإخراج، مفاتيح الوسائط، الفأرة)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>يمكن استخدام /dev/uinput</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>لا يوجد uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>تُسجَّل في التتبع فقط، %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(لا شيء)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>مفتاح ماكرو</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>تنفيذ ماكرو</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>ماكرو جديد:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>كيف يُشغَّل الماكرو عند ضغط مفتاحه</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>تكرار أثناء الضغط</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>اضغط للبدء، واضغط للإيقاف</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>الماكرو الحالي:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>الماكرو المعيَّن للمفتاح الآن</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>انقر هنا، ثم اكتب حتى ثمانية مفاتيح</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>ما دام التركيز على هذا الزر، يُسجَّل كل مفتاح تكتبه، بما في ذلك الاختصارات.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>توقف مؤقت بعد آخر مفتاح:</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 مث</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 مث</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150 مث</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 مث</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>التطبيق:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>التطبيق الذي يفتحه المفتاح</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>اختيار ملف تعريف</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>ملف التعريف:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>ملف التعريف الذي ينتقل إليه المفتاح</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>اختر...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>ملف التعريف 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>ملف التعريف 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>ملف التعريف 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>ملف التعريف 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>ملف التعريف 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>ملف التعريف 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>ملف التعريف 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>ملف التعريف 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>ملف التعريف 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>ملف التعريف 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>إضافة خطوة</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>يضيف خطوة تكتب نصًا أو تستخدم زر الفأرة أو تدير العجلة</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>الماكرو كما يحفظه زر موافق أو تطبيق</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>لوحة مفاتيح Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>مفاتيح الماكرو</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>تحرير ملف التعريف:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>تبديل مفتاحَي Command (Super)‎ و Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: انقر لتسجيل ماكرو؛ انقر بالزر الأيمن للمزيد</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>مفاتيح الوسائط تتحكم في:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>مشغل الوسائط الذي تتحكم فيه مفاتيح الوسائط في ملف التعريف هذا</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>مفاتيح الصور تتحكم في:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>تطبيق الصور الذي تتحكم فيه مفاتيح الصور في ملف التعريف هذا</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>إعادة ضبط المفاتيح</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>يزيل ما يفعله كل مفتاح ماكرو في ملف التعريف هذا</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>ملفات التعريف</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>ملف التعريف</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>التبديل تلقائيًا</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>انقر نقرًا مزدوجًا على اسم ملف التعريف لإعادة تسميته، أو على تطبيقه لاختيار التطبيق الذي ينتقل إليه تلقائيًا.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>إعادة ضبط ملف التعريف</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>يعيد ملف التعريف المحدد إلى إعداداته الأصلية</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>إظهار تغييرات ملف التعريف على الشاشة</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>تجاوز التبديل التلقائي لملفات التعريف</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>إظهار المساعد في صينية النظام</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>أيقونة برقم ملف التعريف الحالي، وقائمة للتبديل بين ملفات التعريف</translation>
    </message>
    <message>
        <source>?</source>
        <translation>؟</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>تعليمات لوحة مفاتيح Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>يحفظ الإعدادات ويسلّمها إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>مفتاح ماكرو</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>اختيار ملف تعريف</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>تشغيل تطبيق…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>مفتاح اختصار</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>إعادة ضبط المفتاح</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>انقر مفتاح ماكرو (أو اضغط Enter عليه) لتسجيل ماكرو أو تشغيل تطبيق أو اختيار ملف تعريف. انقر بالزر الأيمن أو اضغط Shift+F10 للمزيد.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>عميل سطر الأوامر لبرمجيات لوحة مفاتيح Halvane. تُرقَّم ملفات التعريف من 1 إلى 10
كما تعرضها التفضيلات: «4 - ألعاب» هو ملف التعريف الرابع، واسمه ألعاب.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>أوامر تخاطب مساعد Halvane العامل:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>اطبع ملف التعريف الحالي، مثل «4 - ألعاب»</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>انتقل إلى ملف التعريف N (كما تفعل التفضيلات: يعرض المساعد ملف التعريف
على الشاشة إن طُلب منه ذلك، ولا يعلن أي تغيير)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>اجعل المساعد يقرأ ملف الإعدادات مجددًا</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>اطبع كل تغيير لملف التعريف يعلنه المساعد، سطرًا لكل تغيير
(«4 - ألعاب»)، حتى المقاطعة؛ قد يبدأ المساعد لاحقًا</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>ما يراه المساعد في المقدمة: نظام النوافذ، و app_id النافذة وclass وinstance
والعملية، والتطبيق (ملف ‎.desktop والملف التنفيذي) وكيف عُثر عليه،
وملف التعريف الذي يختاره ذلك أو سبب عدم اختيار أي منها؛ ‎--watch يطبعه
مجددًا بعد كل تبديل للتطبيق</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>افحص كل ما تحتاجه لوحة المفاتيح، سطرًا لكل فحص، مع حل كل مشكلة:
عُقد جهاز لوحة المفاتيح و /dev/uinput، وقاعدة udev ومدخل hwdb،
والمساعد والواجهات الخلفية التي اختارها، وسطح المكتب وامتداد Shell
أو سكربت KWin الخاص به، والتشغيل التلقائي، وملف الإعدادات</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>الخطوة التي يحتاجها سطح المكتب هذا للتبديل التلقائي فقط، إن وُجدت</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>أوامر على ملف الإعدادات (لا يلزم أن يكون المساعد عاملًا):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>افحص ملف إعدادات، وافتراضيًا ملف المستخدم
(~/.config/halvane/com.halvane.keyboard.plist، أو $HALVANE_SETTINGS)؛
يطبع كل مشكلة مع موضعها في الملف، مثل
«خطأ: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350»</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>اكتب ملف التعريف N إلى FILE، وهو قائمة خصائص تحوي «Format» ‏(1)
وسجل ملف التعريف تحت «Profile»؛ لا يُصدَّر ملف تعريف فيه أخطاء</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>استبدل بملف التعريف N ملفَ التعريف الموجود في FILE؛ يُفحص ملف التعريف
أولًا ولا يتغير شيء إن كانت فيه أخطاء؛ ثم يُطلب من المساعد العامل
إعادة التحميل</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>اسرد الإصدارات السابقة المحفوظة من ملف الإعدادات (أحدث 10،
في ~/.config/halvane/backups)، مرقّمة بدءًا من الأحدث، مع وقت
استبدال كل منها وحجمه</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>أعد النسخة الاحتياطية N لتكون ملف الإعدادات (يصبح المحتوى الحالي
نسخة احتياطية بدوره)؛ ثم يُطلب من المساعد العامل إعادة التحميل</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>هذا النص</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>إصدار برمجيات Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>الأخطاء هي ما قد تتصرف فيه البرمجيات على نحو مختلف عمّا يقوله الملف، أو
قيم لا تكتبها التفضيلات أبدًا؛ والتحذيرات اختلافات غير ضارة عمّا تكتبه
التفضيلات (مدخل مفقود يُقرأ بقيمة معقولة، مفتاح غير معروف).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>حالة الخروج: 0 تم (التحذيرات وحدها تبقيها 0)؛ 1 وجد check أخطاء، أو رفض export
أو import ملف تعريف فيه أخطاء، أو وجد doctor ما يمنع لوحة المفاتيح من العمل؛
2 تعذّر تنفيذ الأمر (وسائط خاطئة، ملف تتعذر قراءته أو الكتابة فيه، المساعد
لا يعمل أو لا يستجيب).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>جرّب «%1».</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>لم يستجب مساعد Halvane</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملف تعريف</numerusform>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملف تعريف</numerusform>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملفَي تعريف</numerusform>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملفات تعريف</numerusform>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملفَّ تعريف</numerusform>
            <numerusform>لا يحوي ملف الإعدادات إلا %n ملف تعريف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>لم ينتقل خلال %n ثانية (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
            <numerusform>لم ينتقل خلال %n ثانية (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
            <numerusform>لم ينتقل خلال %n ثانيتين (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
            <numerusform>لم ينتقل خلال %n ثوانٍ (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
            <numerusform>لم ينتقل خلال %n ثانية (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
            <numerusform>لم ينتقل خلال %n ثانية (ربما يجري تشغيل ماكرو؛ وعندها يحدث الانتقال حين ينتهي)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>بقي مساعد Halvane على ملف التعريف %1 ولم ينتقل إلى ملف التعريف %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>أعاد مساعد Halvane تحميل إعداداته</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1، لكن:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>تتعذر المراقبة: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>تجري مراقبة تغييرات ملف التعريف؛ اضغط Ctrl-C للإيقاف.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>الواجهة الخلفية:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>النافذة:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>الصنف</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>المثيل</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>تطبيق GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>ملف desktop من KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>لا تذكر شيئًا عن تطبيقها</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>التطبيق:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2)، عُثر عليه عبر %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>ملف ‎.desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>أيضًا:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>لم يُعثر على ملف ‎.desktop</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>الملف التنفيذي:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>ملف التعريف:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>لا شيء: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>اختيار الواجهة الخلفية: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>تتعذر مراقبة التطبيق النشط لدى المساعد</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>تجري مراقبة التبديل بين التطبيقات؛ اضغط Ctrl-C للإيقاف.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تتعذر قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 ليس ملف إعدادات (جذره ليس قاموسًا)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: لا مشاكل</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n خطأ</numerusform>
            <numerusform>%n خطأ</numerusform>
            <numerusform>%n خطآن</numerusform>
            <numerusform>%n أخطاء</numerusform>
            <numerusform>%n خطأً</numerusform>
            <numerusform>%n خطأ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n تحذير</numerusform>
            <numerusform>%n تحذير</numerusform>
            <numerusform>%n تحذيران</numerusform>
            <numerusform>%n تحذيرات</numerusform>
            <numerusform>%n تحذيرًا</numerusform>
            <numerusform>%n تحذير</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>صُدِّر ملف التعريف %1 إلى %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>في ملف التعريف %1 أخطاء؛ لم يُصدَّر شيء</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>في %1 أخطاء؛ لم يتغير شيء</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1؛ لم يتغير شيء</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>استُورد %1 بوصفه ملف التعريف %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>استُورد ملف التعريف</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>مساعد Halvane لا يعمل؛ سيقرأ ملف التعريف الجديد عند بدئه.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1، لكن مساعد Halvane لم يستجب لطلب إعادة التحميل؛ أعد تشغيل المساعد، وإلا فسيكتب إعداداته القديمة فوقها عند إنهائه</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>أعاد مساعد Halvane تحميل إعداداته.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>لا توجد نسخ احتياطية من %1 بعد.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>النسخ الاحتياطية من %1، الأحدث أولًا:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايتان</numerusform>
            <numerusform>%n بايتات</numerusform>
            <numerusform>%n بايتًا</numerusform>
            <numerusform>%n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>استُعيدت الإعدادات كما كانت حتى %1 (النسخة الاحتياطية %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>استُعيدت النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>مساعد Halvane لا يعمل؛ سيقرأ الإعدادات الجديدة عند بدئه.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>خطأ: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>تحذير: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>ملاحظة: %1 يشغّل %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>ملاحظة: يصبح ملف التعريف حاليًا كلما انتقل %1 إلى المقدمة</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>لم تُحمَّل أي إعدادات</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>التبديل التلقائي متجاوَز (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>تطبيق النافذة غير معروف، لذا لا يرتبط به أي ملف تعريف</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>لا توجد نافذة نشطة</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>لا يسمّي %1 في أي ملف تعريف هذا التطبيق</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>ملف التعريف %1 يسمّيه، لكن %2 فيه متوقف</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>يختار ملف التعريف %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>المساعد يعمل</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>شُغّل المساعد عبر %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>شُغّل المساعد</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>لا يوجد ناقل جلسة: لم يُشغَّل المساعد</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>تعذّر العثور على المساعد لتشغيله</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>مفاتيح الاختصار</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>ليست جلسة Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>لا يوجد عرض X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>GlobalShortcuts من بوابة سطح المكتب (الإصدار %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>أولويته أدنى</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>التقاط المفاتيح عبر XWayland، لا يُرى إلا حين يكون التركيز على تطبيق X ‏(%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>التقاط المفاتيح على خادم X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>لا يوجد عرض X؛ %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>يُرفض كل تسجيل (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>لوحة مفاتيح Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>سكربت KWin: نظام السكربتات في KWin لا يستجيب (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>سكربت KWin: استُبدل السكربت الذي تركه مساعد سابق محمّلًا</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>سكربت KWin: لم يحمّل KWin ‏%1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>مرفوض</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>سكربت KWin: محمّل لكنه لم يُشغَّل (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>سكربت KWin: ‏%1 غير مثبّت</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>محاكاة المفاتيح</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>جلسة Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>لوحة مفاتيح uinput افتراضية (جلسة Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>لا يوجد uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>لوحة المفاتيح الافتراضية لمُركِّب Wayland (لا يوجد uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1؛ لا لوحة مفاتيح Wayland افتراضية: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest على عرض X ‏%1، يصل إلى عملاء X فقط (لا يوجد uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest على عرض X ‏%1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>عملاء X فقط</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>جلسة X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>لا يوجد XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>لوحة مفاتيح uinput افتراضية (لا يوجد XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>لا تستطيع أي واجهة خلفية إرسال الأحداث</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>وحدات الماكرو تُسجَّل في التتبع فقط (لا يوجد XTest: %1؛ لا يوجد uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>لا اتصال بـ Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>لا يوفّر المُركِّب %1</translation>
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
        <translation>يفتح %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>يفتح %1 (التطبيق غير موجود)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>يبدّل إلى ملف التعريف «%1»</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>يبدّل إلى ملف التعريف %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>يتكرر ما دام المفتاح مضغوطًا</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>يتكرر حتى يُضغط المفتاح مرة أخرى</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>لم يُعيَّن شيء</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>يضغط %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>ينتظر %1 ثانية</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>ينقر %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>يضغط %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>يحرر %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>الزر الأيسر</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>الزر الأيمن</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>الزر الأوسط</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>زر الرجوع</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>زر التقدم</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>يمرر لأعلى %n درجة</numerusform>
            <numerusform>يمرر لأعلى درجة واحدة (%n)</numerusform>
            <numerusform>يمرر لأعلى درجتين (%n)</numerusform>
            <numerusform>يمرر لأعلى %n درجات</numerusform>
            <numerusform>يمرر لأعلى %n درجةً</numerusform>
            <numerusform>يمرر لأعلى %n درجة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>يمرر لأسفل %n درجة</numerusform>
            <numerusform>يمرر لأسفل درجة واحدة (%n)</numerusform>
            <numerusform>يمرر لأسفل درجتين (%n)</numerusform>
            <numerusform>يمرر لأسفل %n درجات</numerusform>
            <numerusform>يمرر لأسفل %n درجةً</numerusform>
            <numerusform>يمرر لأسفل %n درجة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>يمرر لليسار %n درجة</numerusform>
            <numerusform>يمرر لليسار درجة واحدة (%n)</numerusform>
            <numerusform>يمرر لليسار درجتين (%n)</numerusform>
            <numerusform>يمرر لليسار %n درجات</numerusform>
            <numerusform>يمرر لليسار %n درجةً</numerusform>
            <numerusform>يمرر لليسار %n درجة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>يمرر لليمين %n درجة</numerusform>
            <numerusform>يمرر لليمين درجة واحدة (%n)</numerusform>
            <numerusform>يمرر لليمين درجتين (%n)</numerusform>
            <numerusform>يمرر لليمين %n درجات</numerusform>
            <numerusform>يمرر لليمين %n درجةً</numerusform>
            <numerusform>يمرر لليمين %n درجة</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>يكتب «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>لا يوجد ناقل جلسة</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>لا يوجد خادم إشعارات على ناقل الجلسة</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>العرض على الشاشة</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>لا يوجد layer-shell: ‏%1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>لا عرض عبر GNOME Shell: ‏%1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>لا إشعارات: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>نافذة خارج الشاشة (لا يوجد عرض)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>نافذة X11 فوق كل النوافذ</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>سطح layer-shell على طبقة overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>امتداد GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>إشعارات سطح المكتب</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>نافذة Wayland عادية يضعها المُركِّب</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>أزرار الفأرة وعجلتها</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>جلسة Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>مؤشر uinput افتراضي (جلسة Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>عملاء X فقط</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>جلسة X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest على عرض X ‏%1، يصل إلى عملاء X فقط (لا يوجد uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest على عرض X ‏%1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>لا يوجد XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>مؤشر uinput افتراضي (لا يوجد XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>لا توجد واجهة خلفية يمكنها إرسال أحداث الفأرة</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>خطوات الفأرة تُسجَّل في التتبع فقط (لا يوجد XTest: %1؛ لا يوجد uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>لا يوجد ناقل جلسة</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>لا توجد بوابة سطح مكتب</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>لا توفّر بوابة سطح المكتب GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 ليس حزمة لوحة تفضيلات</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>لم تُهيَّأ لوحة %1</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>لا عرض للوحة %1</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>تعذّر العثور على %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>أرقام ملفات التعريف من 1 إلى %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>لا توجد ملفات تعريف في ملف الإعدادات</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>لا يوجد ملف التعريف %1 في ملف الإعدادات (فيه %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>ليس ملفًا لملف تعريف (جذره ليس قاموسًا)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>غير موجود (ليس ملفًا لملف تعريف)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>ليس عددًا صحيحًا (ليس ملفًا لملف تعريف)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>الصيغة %1 لا يقرؤها هذا الإصدار (يقرأ الصيغة %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>ليس مفتاحًا في ملف ملف التعريف (تم تجاهله)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>لا يوجد ملف كهذا</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>ليس قائمة خصائص (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 هو ملف الإعدادات نفسه</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>تتعذر قراءة ملف الإعدادات %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>تتعذر الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>تتعذر قراءة %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>ملف الإعدادات %1 ليس قاموسًا</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>لا يوجد ملف إعدادات، وتتعذر قراءة الإعدادات الافتراضية %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>تتعذر الكتابة في ملف الإعدادات %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>متداخل بعمق يتجاوز %1</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>قائمة خصائص ثنائية تالفة</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>لا شيء للكتابة</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>السطر %1، العمود %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>عنصر جذر ثانٍ</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>نص خارج العناصر</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>لا يوجد عنصر</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>قيمة ثانية داخل &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>العنصر &lt;plist&gt; لا يحوي قيمة</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>نص بين العناصر</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>العنصر &lt;%1&gt; ليس من عناصر قائمة الخصائص</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>العنصر &lt;%1&gt; يحوي عنصرًا</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>العنصر &lt;%1&gt; يحوي «%2»</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>العنصر &lt;%1&gt; في موضع يجب أن يكون فيه &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>عنصر &lt;key&gt; بلا قيمة</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>خطأ XML في %1: %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SessionEnvironment</name>
    <message>
        <source>there is no D-Bus session bus (%1)</source>
        <translation>لا يوجد ناقل جلسة D-Bus ‏(%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>مساعد Halvane لا يعمل</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>لا يوجد عرض X ‏(DISPLAY غير مضبوط)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>ملف التعريف %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>تعذّر إنشاء مجلد النسخ الاحتياطية %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>تعذّرت إعادة تسمية النسخة الاحتياطية %1 إلى %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>تعذّر الاحتفاظ بنسخة احتياطية من %1 في %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>لا توجد نسخ احتياطية من %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>لا توجد النسخة الاحتياطية %1 (من 1 إلى %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>النسخة الاحتياطية %1 لا تُقرأ كإعدادات (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>جذرها ليس قاموسًا</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>تتعذر الكتابة في %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>تعذّرت قراءة ملف الإعدادات %1 (%2) لنقله إلى %3؛ يبقى في مكانه</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>تعذّر نسخ ملف الإعدادات %1 إلى %2 (%3)؛ يبقى في مكانه</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>نسخة ملف الإعدادات في %1 تختلف عن %2؛ يبقى الأصل في مكانه</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>نُسخ ملف الإعدادات %1 إلى %2 لكن تعذّرت إزالة الأصل</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>يُستخدم ملف الإعدادات %1؛ ويُترك الملف الأقدم في %2 دون تغيير</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>نُقل ملف الإعدادات من %1 إلى %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>تعذّرت قراءة ملف الإعدادات (%1)؛ احتُفظ به باسم %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>تعذّرت قراءة ملف الإعدادات (%1)، وتعذّر نقله جانبًا إلى %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>جذره ليس قاموسًا</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>الإعدادات ليست قاموسًا</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>لا شيء للكتابة</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>ملف الإعدادات %1 هو %2؛ تُستخدم الإعدادات الافتراضية دون حفظها</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>حزمة البرنامج لا تحوي إعدادات افتراضية</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>تتعذر قراءة الإعدادات الافتراضية %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>تعذّر إنشاء %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>قيمة غير صالحة للاستخدام</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>قيمة منطقية</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>عدد صحيح</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>عدد حقيقي</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>سلسلة نصية</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>بيانات</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>تاريخ</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>مصفوفة</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>قاموس</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>ملف تعريف واحد، والمتوقع %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n ملف تعريف، والمتوقع %1</numerusform>
            <numerusform>%n ملف تعريف، والمتوقع %1</numerusform>
            <numerusform>%n ملفا تعريف، والمتوقع %1</numerusform>
            <numerusform>%n ملفات تعريف، والمتوقع %1</numerusform>
            <numerusform>%n ملف تعريف، والمتوقع %1</numerusform>
            <numerusform>%n ملف تعريف، والمتوقع %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>مفتاح ماكرو واحد، والمتوقع %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n مفتاح ماكرو، والمتوقع %1</numerusform>
            <numerusform>%n مفتاح ماكرو، والمتوقع %1</numerusform>
            <numerusform>%n مفتاحا ماكرو، والمتوقع %1</numerusform>
            <numerusform>%n مفاتيح ماكرو، والمتوقع %1</numerusform>
            <numerusform>%n مفتاح ماكرو، والمتوقع %1</numerusform>
            <numerusform>%n مفتاح ماكرو، والمتوقع %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>غير موجود (لا توجد ملفات تعريف: لا يفعل أي مفتاح شيئًا)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>غير موجود (يُقرأ 0: يبدأ المساعد بملف التعريف 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>غير موجود (يُقرأ false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>غير موجود (يُقرأ اسمًا فارغًا)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>غير موجود (لا يفعل أي مفتاح ماكرو في ملف التعريف هذا شيئًا)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>غير موجود (لا تحدد مفاتيح الصور أي تطبيق)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>غير موجود (لا تحدد مفاتيح الوسائط أي مشغل)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>غير موجود (يُقرأ: لا تطبيق)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 ليس مسارًا مطلقًا (يقارن التبديل التلقائي المسارات الكاملة، فلن يتطابق أبدًا)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>غير موجود (يُقرأ فارغًا: لا يفعل المفتاح شيئًا)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 ليس إجراءً (لا يفعل المفتاح شيئًا؛ الإجراءات هي %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>غير موجود (لا يشغّل الماكرو شيئًا)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>لا توجد خطوة مسجّلة (لا يشغّل الماكرو شيئًا)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>غير موجود (لا يشغّل المفتاح شيئًا)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>غير موجود (يُقرأ فارغًا)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>فارغ (لا يشغّل المفتاح شيئًا)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 ليس مسارًا مطلقًا</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>غير موجود (يُقرأ بيانات فارغة)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>غير موجود (يُقرأ 0: يختار المفتاح ملف التعريف 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>غير موجود (يُقرأ 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>غير موجود (تُقرأ تسمية المفتاح فارغة)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>غير موجود (الخطوة المفقودة تشغّل المفتاح 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 ليس رمز مفتاح (من 0 إلى %2، أو ‎-1 للخطوة الفارغة)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>غير موجود (يُقرأ 0: بلا مفاتيح تعديل)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>القيمة ‎-1 مع مفتاح (يضغط المساعد مفاتيح التعديل الأربعة كلها مع الاستمرار؛ وتعرض التفضيلات (لا شيء))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 ليس قناع مفاتيح تعديل</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>البتات 0x%1 ليست مفاتيح تعديل (تم تجاهلها)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>غير موجود (يُقرأ 0: بلا توقف مؤقت)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 ليس عددًا من أجزاء الثانية</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 أكبر من %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 أصغر من 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 ليس عددًا صحيحًا من أجزاء الثانية (تحتفظ التفضيلات بأجزاء الثانية الكاملة فقط)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>يُتجاهل %1 بعد خطوة فارغة (الخطوة الفارغة لا تسبب توقفًا مؤقتًا)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>عدد</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>الجذر %1، والمتوقع %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>القيمة %1، والمتوقع %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>يحوي محرف التحكم U+%1 (المحرف رقم %2)، الذي قد يتحكم في طرفية تعرض الاسم</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>طوله %n حرف؛ والحد الأقصى للاسم %1</numerusform>
            <numerusform>طوله %n حرف؛ والحد الأقصى للاسم %1</numerusform>
            <numerusform>طوله %n حرفان؛ والحد الأقصى للاسم %1</numerusform>
            <numerusform>طوله %n أحرف؛ والحد الأقصى للاسم %1</numerusform>
            <numerusform>طوله %n حرفًا؛ والحد الأقصى للاسم %1</numerusform>
            <numerusform>طوله %n حرف؛ والحد الأقصى للاسم %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 خارج النطاق من 0 إلى %2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 ليس قيمة منطقية (true أو false أو 0 أو 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 غير مسموح به (المسموح: %2)</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>ليس مفتاح إعدادات (تم تجاهله: خطوات الماكرو من 0 إلى %1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>ليس مفتاح إعدادات (تم تجاهله)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 ليس نوع خطوة (كل برنامج يشغّل رمز مفتاح الخطوة؛ الأنواع هي %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 ليس نوع خطوة (البرامج الأقدم وهذا البرنامج تتخطى الخطوة؛ الأنواع هي %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 في خطوة رمز مفتاحها %2 (كل برنامج يشغّل المفتاح ويتجاهل النوع؛ الخطوة من نوع آخر رمز مفتاحها ‎-1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>تم تجاهله (الخطوة فارغة: رمز مفتاحها ‎-1 ولا تحدد نوعًا آخر)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>لا تستخدمه خطوة %1 (تم تجاهله)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>غير موجود (تتخطى البرامج الخطوة)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>غير موجود (لا تكتب الخطوة شيئًا)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>فارغ (لا تكتب الخطوة شيئًا)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>طوله %n حرف؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
            <numerusform>طوله %n حرف؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
            <numerusform>طوله %n حرفان؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
            <numerusform>طوله %n أحرف؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
            <numerusform>طوله %n حرفًا؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
            <numerusform>طوله %n حرف؛ وخطوة النص تكتب %1 حرفًا على الأكثر (ويُحذف الباقي)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>غير موجود (يُقرأ 1: درجة واحدة)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 خارج النطاق من %2 إلى %3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>كتابة النص</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>الأحرف خارج التخطيط عبر رموز مفاتيح شاغرة</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>الأحرف خارج التخطيط عبر خريطة مفاتيح تحتويها</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>أحرف تخطيط لوحة المفاتيح فقط؛ أما غيرها فيحتاج إلى X11 أو سطح مكتب يدعم بروتوكول لوحة المفاتيح الافتراضية (sway وHyprland وغيرهما من أسطح مكتب wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>خطوات النص تُسجَّل فقط</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 غير موجود: حمّل وحدة النواة uinput ‏(%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>لا إذن على %1: ثبّت قواعد udev الخاصة بـ Halvane، التي تمنح المستخدم المسجِّل دخوله حق الوصول إليه</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>لا يقف خلف %1 أي مشغّل uinput: حمّل وحدة النواة uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>تعذّر استخدام %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>لا اتصال بـ Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>لا يوفّر المُركِّب %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>لا توجد خريطة مفاتيح لإعطائها للوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>رفض المُركِّب إنشاء لوحة مفاتيح افتراضية</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>لا يوجد عرض X ‏(DISPLAY غير مضبوط)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>تعذّر الاتصال بعرض X ‏%1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>لا توجد هذه الشاشة في عرض X ‏%1</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>آخر…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختيار</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>البحث في التطبيقات</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>تختار مفاتيح الأسهم من القائمة، ويؤكد Enter الاختيار</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>التطبيقات المثبتة</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>أُلغي بمفتاح Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>المساعد ينتهي</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>النظام يدخل في السكون</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>لم تعد الجلسة نشطة</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>فُصلت لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>توقف الماكرو: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>تعذّر حفظ ملف التعريف الحالي في %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>تخطّت خطوة نصية %n حرف لا يستطيع سطح المكتب هذا كتابته: %1</numerusform>
            <numerusform>تخطّت خطوة نصية %n حرف لا يستطيع سطح المكتب هذا كتابته: %1</numerusform>
            <numerusform>تخطّت خطوة نصية %n حرفين لا يستطيع سطح المكتب هذا كتابتهما: %1</numerusform>
            <numerusform>تخطّت خطوة نصية %n أحرف لا يستطيع سطح المكتب هذا كتابتها: %1</numerusform>
            <numerusform>تخطّت خطوة نصية %n حرفًا لا يستطيع سطح المكتب هذا كتابتها: %1</numerusform>
            <numerusform>تخطّت خطوة نصية %n حرف لا يستطيع سطح المكتب هذا كتابتها: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>ملف التعريف %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>أصبح المفتاح يفتح %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>تم مسح الماكرو.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>يسجّل كل مفتاح تضغطه، ومنها Tab وEscape، حتى ثمانية مفاتيح. اضغط Escape مرتين بسرعة لإيقاف التسجيل.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>وضع تشغيل الماكرو</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>ملف التعريف المراد التبديل إليه</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>مفتاح الماكرو %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>توقف التسجيل.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>تم مسح التسجيل.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفتاح.</numerusform>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفتاح.</numerusform>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفتاحين.</numerusform>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفاتيح.</numerusform>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفتاحًا.</numerusform>
            <numerusform>لم يُسجَّل: لا يتجاوز الماكرو %n مفتاح.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>سُجّل %1‏، المفتاح %2 من %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>سجّل مفتاحًا أولًا: يأتي التوقف المؤقت بعد آخر مفتاح.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>بعد %1‏، الماكرو %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>بعد الخطوة %1، الماكرو %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوة.</numerusform>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوة.</numerusform>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوتين.</numerusform>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوات.</numerusform>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوةً.</numerusform>
            <numerusform>لم تُضَف: لا يتجاوز الماكرو %n خطوة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>أُضيفت الخطوة %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>أُزيلت الخطوة %1.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>يضيف هذا التوقف بعد آخر خطوة اختيرت، وإلا فبعد الخطوة الأخيرة</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>تعذّر استخدام ملف الإعدادات كما هو.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>تعذّرت قراءة الإعدادات أو إنشاؤها.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>لوحة مفاتيح Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
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
        <translation>ملف التعريف: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (غير مثبّت)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>يغيّر Enter أو Space ما يفعله المفتاح، ويفتح Shift+F10 أو مفتاح Menu خيارات أخرى، وتنتقل مفاتيح الأسهم إلى مفاتيح الماكرو الأخرى.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>مفاتيح الماكرو</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>من L1 إلى L5 على يسار لوحة المفاتيح، ومن R1 إلى R5 على يمينها</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>مفاتيح الماكرو وملفات التعريف</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>ملفات التعريف</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>بدّلت لوحة المفاتيح إلى ملف التعريف %1 «%2».</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>حُفظت الإعدادات، وأصبحت لوحة المفاتيح تستخدمها.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>حُفظت الإعدادات.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>لوحة مفاتيح Halvane: ‏%1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>لوحة مفاتيح Halvane: ملف التعريف %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>التبديل التلقائي</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>التفضيلات…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>إنهاء مساعد Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>لا يستطيع سطح المكتب هذا كتابة: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>الخطوة %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>الخطوة %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>النص المراد كتابته</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>زر الفأرة</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>ما يفعله الزر</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>اتجاه العجلة</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>الدرجات</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>إزالة الخطوة %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>تركيبة مفاتيح</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>نص</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>العجلة</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>الأيسر</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>الأيمن</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>الأوسط</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>الرجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>نقر</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>لليسار</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>لليمين</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>يفعّل Space الخيار أو يعطّله</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>يعيد F2 أو Enter تسمية ملف التعريف</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>يختار Enter التطبيق الذي يبدّل إلى ملف التعريف هذا</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>لا شيء</translation>
    </message>
</context>
</TS>
