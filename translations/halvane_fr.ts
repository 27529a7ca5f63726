<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de profil (1 à %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>nombre d’arguments incorrect pour %1 (usage&#xa0;: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un numéro de sauvegarde (tel que «&#xa0;%2&#xa0;» les affiche)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
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
        <translation>a tapé %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>a envoyé %n événement de touche système</numerusform>
            <numerusform>a envoyé %n événements de touche système</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>a appuyé sur %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>a attendu %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>est passé à %1 (affiché à l’écran)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>est passé au profil %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>s’est assuré de démarrer à l’ouverture de session</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>a lancé son script pour %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>a demandé «&#xa0;%2&#xa0;» à %1</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>a ouvert %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>impossible de créer un dossier temporaire</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Touche Lecture</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Touche Éjecter</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>touche de profil + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>touche de profil + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>impossible de créer les paramètres de démonstration à partir de %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Démarrage de l’agent avec un profil de démonstration et un clavier virtuel…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>impossible de démarrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>l’agent n’a pas trouvé le clavier virtuel</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>L’agent a trouvé le clavier et %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>est prêt</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>l’agent s’est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>l’agent n’est pas connecté au clavier virtuel</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>l’agent ne s’est pas arrêté dans les 5 s</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>l’agent s’est terminé avec le code %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>L’agent s’est arrêté proprement.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>L’agent a dit&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Rien n’empêche le clavier de fonctionner</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problème empêche le clavier de fonctionner</numerusform>
            <numerusform>%n problèmes empêchent le clavier de fonctionner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n autre mérite d’être corrigé</numerusform>
            <numerusform>%n autres méritent d’être corrigés</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>solution&#xa0;:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>Le changement automatique sur ce bureau demande d’abord une étape&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>un bureau sans nom</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>fermez la session puis rouvrez-la (GNOME sous Wayland ne trouve les nouvelles extensions qu’à l’ouverture de session)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (nécessaire au changement automatique et à l’affichage du profil à l’écran)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Extension GNOME Shell %1&#xa0;: non installée</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Extension GNOME Shell&#xa0;: %1 n’est pas prévue pour GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Extension GNOME Shell&#xa0;: %1, active</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Les extensions GNOME Shell sont entièrement désactivées</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Extension GNOME Shell %1&#xa0;: installée, non activée</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Extension GNOME Shell %1&#xa0;: installée, mais GNOME Shell ne l’a pas démarrée</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>si elle ne fonctionne toujours pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (nécessaire au changement automatique)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Script KWin %1&#xa0;: non installé</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Script KWin&#xa0;: %1 (l’agent le charge à son démarrage)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Script KWin&#xa0;: KWin ne répond pas sur ce bus de session</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>lancez %1 dans un terminal de la session Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Script KWin&#xa0;: %1 est installé, mais KWin ne l’a pas chargé</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>redémarrez l’agent, qui le charge au démarrage (son journal indique pourquoi il n’a pas pu&#xa0;: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Script KWin&#xa0;: %1, chargé</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Bureau&#xa0;: aucune session graphique détectée (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>lancez %1 dans un terminal de votre session de bureau</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Bureau&#xa0;: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 n’est ni lisible ni modifiable par vous</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 n’est pas modifiable par vous</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 n’est pas lisible par vous</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 est lisible et modifiable par vous</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>Règle udev&#xa0;: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>Règle udev&#xa0;: %1 ne contient aucune règle Halvane (vidé ou masqué)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>Règle udev&#xa0;: installée dans %1, où udev ne cherche pas</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>Règle udev&#xa0;: %1 n’est pas installé (cherché dans %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>Règle udev appliquée&#xa0;: uaccess sur %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>Règle udev non appliquée&#xa0;: pas d’étiquette uaccess sur %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>installez la règle udev (ci-dessus), puis&#xa0;: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>ou rebranchez le clavier</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Accès au clavier&#xa0;: vous pouvez lire et écrire %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Accès au clavier&#xa0;: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>puis ouvrez une session sur la machine elle-même (pas par ssh), ou pour l’instant&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1&#xa0;: modifiable</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (nécessaire aux touches multimédia et Éjecter, et sous Wayland à chaque macro)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (à chaque démarrage)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 l’associe à KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev n’a donné à %1 aucune entrée hwdb Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>Entrée hwdb&#xa0;: dans la hwdb compilée</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>la hwdb compilée n’a aucune entrée Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>Entrée hwdb&#xa0;: les touches macro ne sont pas des touches système sur %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>Entrée hwdb inactive&#xa0;: %1 (la touche macro 0xF8 mettrait la machine en veille)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Clavier&#xa0;: %n interface (%1)</numerusform>
            <numerusform>Clavier&#xa0;: %n interfaces (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Clavier&#xa0;: aucun branché&#x202f;; %n interface virtuelle de %1 dans %2</numerusform>
            <numerusform>Clavier&#xa0;: aucun branché&#x202f;; %n interfaces virtuelles de %1 dans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Clavier&#xa0;: aucun trouvé (aucun nœud hidraw d’un périphérique HID %1:%2 ou %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>branchez le clavier (pour essayer sans lui&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Démarrage auto&#xa0;: %1 est désactivé</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Démarrage auto&#xa0;: %1 ne démarre rien</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Démarrage auto&#xa0;: %1 démarre %2, qui n’existe pas</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Démarrage auto&#xa0;: %1 et %2 démarrent tous deux l’agent à l’ouverture de session</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (l’agent en écrit un qui laisse le démarrage à l’unité)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Démarrage auto&#xa0;: %1 est activé</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Démarrage auto&#xa0;: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Démarrage auto&#xa0;: l’agent ne démarre pas à l’ouverture de session</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>démarrez l’agent une fois&#x202f;; il ajoute %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, puis démarrez l’agent une fois&#x202f;; il en écrit un nouveau&#xa0;: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>démarrez %1 une fois&#x202f;; il écrit les paramètres par défaut</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (la sauvegarde la plus récente)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Paramètres&#xa0;: %1 n’existe pas (sans lui, les touches ne font rien)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Paramètres&#xa0;: %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>sa racine n’est pas un dictionnaire</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, puis %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Paramètres&#xa0;: %1 contient %n erreur</numerusform>
            <numerusform>Paramètres&#xa0;: %1 contient %n erreurs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (les liste toutes), puis corrigez-les dans %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>ou revenez à une version antérieure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Paramètres&#xa0;: %1 est valide</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Paramètres&#xa0;: %1 est valide (%n avertissement&#xa0;: %2)</numerusform>
            <numerusform>Paramètres&#xa0;: %1 est valide (%n avertissements&#xa0;: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>quittez l’agent (terminez son processus HalvaneHelper), puis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Touches simulées</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Événements HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Application au premier plan</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Affichage à l’écran</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1&#xa0;: l’agent n’indique pas quel backend il a choisi</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>mettez à jour et redémarrez l’agent&#xa0;: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>le changement automatique est désactivé&#x202f;; démarrez l’agent depuis votre session de bureau, où il trouve les fenêtres du bureau&#xa0;: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>rendez /dev/uinput modifiable (voir ci-dessus), puis %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>l’agent Halvane n’est pas lancé</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Agent&#xa0;: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>démarrez-le&#xa0;: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Agent&#xa0;: détient %1 mais ne répond pas</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Agent&#xa0;: version %1 en cours, mais ce halvanectl est en version %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>pour lancer la version installée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Agent&#xa0;: lancé, version %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Boutons et molette de la souris</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Étapes de texte</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>une FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>un périphérique caractère, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>un périphérique bloc, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>un fichier spécial, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>plus de %1 Mio</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Application au premier plan</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>l’affichage X %1 a refusé (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 n’a pas pu être configuré, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP vaut %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 n’est pas sur le bus de session</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>pas de connexion Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>le compositeur n’a pas %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>pas de HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>pas de NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>pas de SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n’est pas définie</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>pas une session Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>moins prioritaire</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>pas %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>par notre extension GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>par notre script KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>socket d’événements de Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>flux d’événements de niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 avec le PID issu de l’IPC de sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW sur XWayland, qui ne voit que les applications X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>le changement automatique est désactivé</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Extension GNOME Shell %1&#xa0;: le Shell n’a pas indiqué si elle fonctionne (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>L’extension GNOME Shell %1 n’est pas installée&#xa0;: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>L’extension GNOME Shell %1 n’est pas activée&#xa0;: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>le changement automatique en a besoin&#x202f;; lancez `%1` (sous Wayland, une extension nouvellement installée n’est trouvée qu’après une nouvelle ouverture de session)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell n’est pas lancé</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>l’extension halvane-keyboard@halvane.com n’est pas activée</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Événements HID (éjection, touches multimédia, souris)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput est utilisable</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>pas d’uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>uniquement tracés, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Touche macro</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Exécuter une macro</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Nouvelle macro&#xa0;:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Comment la macro est jouée quand on appuie sur sa touche</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Jouer une fois</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Répéter tant que maintenue</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Appuyer pour lancer/arrêter</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Macro actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>La macro actuelle de la touche</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Cliquez ici, puis tapez jusqu’à huit touches</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Tant que ce bouton a le focus, chaque touche tapée est enregistrée, raccourcis compris.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pause finale&#xa0;:</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Application&#xa0;:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>L’application que la touche ouvre</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Choisir un profil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>Le profil auquel la touche passe</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Choisir…</translation>
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
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Ajoute une étape qui tape un texte, utilise un bouton de la souris ou tourne la molette</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>La macro telle que OK ou Appliquer l’enregistre</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Clavier Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Touches macro</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Profil à modifier&#xa0;:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Intervertir les touches Command (Super) et Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5&#xa0;: cliquez pour enregistrer une macro&#x202f;; clic droit pour plus</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Touches multimédia&#xa0;:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>Le lecteur multimédia que pilotent les touches multimédia du clavier dans ce profil</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Touches image&#xa0;:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>L’application d’images que pilotent les touches image dans ce profil</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Réinitialiser les touches</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Supprime l’action de chaque touche macro de ce profil</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Changement automatique</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Double-cliquez sur le nom d’un profil pour le renommer, ou sur son application pour choisir l’application qui l’active automatiquement.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Réinitialiser le profil</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Rend au profil sélectionné ses paramètres d’origine</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Afficher les changements de profil</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Suspendre le changement automatique</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Afficher l’icône de l’agent</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Une icône avec le numéro du profil actuel et un menu pour changer de profil</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Aide du clavier Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Enregistre les paramètres et les transmet au clavier</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Touche macro</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Choisir un profil</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Lancer une application…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Réinitialiser la touche</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Touche macro&#xa0;: clic (ou Enter) pour enregistrer une macro, lancer une application ou choisir un profil&#x202f;; clic droit ou Shift+F10 pour plus.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>Usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Le client en ligne de commande du logiciel du clavier Halvane. Les profils sont
numérotés de 1 à 10, comme dans les préférences&#xa0;: «&#xa0;4 - Jeux&#xa0;» est le quatrième
profil, nommé Jeux.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Commandes qui s’adressent à l’agent Halvane en cours d’exécution&#xa0;:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>affiche le profil actuel, p. ex. «&#xa0;4 - Jeux&#xa0;»</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>passe au profil N (comme les préférences&#xa0;: l’agent affiche le
profil à l’écran si demandé, et n’annonce aucun changement)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>fait relire le fichier de paramètres par l’agent</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>affiche chaque changement de profil annoncé par l’agent, un par
ligne («&#xa0;4 - Jeux&#xa0;»), jusqu’à interruption&#x202f;; l’agent peut
démarrer plus tard</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>ce que l’agent voit au premier plan&#xa0;: le système de fenêtrage,
l’app_id, la classe, l’instance et le processus de la fenêtre,
l’application (entrée .desktop et exécutable) et comment elle a
été trouvée, et quel profil elle sélectionne ou pourquoi aucun&#x202f;;
--watch l’affiche à nouveau après chaque changement d’application</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>vérifie tout ce dont le clavier a besoin, une ligne par point,
avec la solution à chaque problème&#xa0;: les nœuds de périphérique
du clavier et /dev/uinput, la règle udev et l’entrée hwdb,
l’agent et les backends qu’il a choisis, le bureau et son
extension Shell ou script KWin, le démarrage auto, le fichier
de paramètres</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>seulement l’étape dont ce bureau a besoin pour le changement
automatique, s’il y en a une</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Commandes sur le fichier de paramètres (l’agent n’a pas besoin d’être lancé)&#xa0;:</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>vérifie un fichier de paramètres, par défaut celui de
l’utilisateur (~/.config/halvane/com.halvane.keyboard.plist,
ou $HALVANE_SETTINGS)&#x202f;; affiche chaque problème avec sa place
dans le fichier, p. ex.
«&#xa0;erreur&#xa0;: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&#xa0;»</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>écrit le profil N dans FILE, une liste de propriétés contenant
«&#xa0;Format&#xa0;» (1) et le profil sous «&#xa0;Profile&#xa0;»&#x202f;; un profil
contenant des erreurs n’est pas exporté</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>remplace le profil N par le profil de FILE&#x202f;; le profil est
d’abord vérifié et rien ne change s’il contient des erreurs&#x202f;;
ensuite, l’agent en cours d’exécution est invité à recharger</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>liste les versions antérieures conservées du fichier de
paramètres (les 10 plus récentes, dans
~/.config/halvane/backups), numérotées à partir de la plus
récente, avec la date de leur remplacement et leur taille</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>remet la sauvegarde N comme fichier de paramètres (le contenu
actuel devient lui-même une sauvegarde)&#x202f;; ensuite, l’agent en
cours d’exécution est invité à recharger</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>ce texte</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>la version du logiciel Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Les erreurs sont des points sur lesquels le logiciel agirait autrement que ne le dit
le fichier, ou des valeurs que les préférences n’écrivent jamais&#x202f;; les avertissements
sont des écarts sans danger par rapport à ce qu’écrivent les préférences (une entrée
manquante lue comme une valeur raisonnable, une clé inconnue).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Code de sortie&#xa0;: 0 terminé (des avertissements seuls le laissent à 0)&#x202f;; 1 check a
trouvé des erreurs, export ou import a refusé un profil contenant des erreurs, ou
doctor a trouvé quelque chose qui empêche le clavier de fonctionner&#x202f;; 2 la commande
n’a pas pu être exécutée (arguments incorrects, fichier illisible ou impossible à
écrire, agent non lancé ou ne répondant pas).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Essayez «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>l’agent Halvane n’a pas répondu</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>le fichier de paramètres ne contient que %n profil</numerusform>
            <numerusform>le fichier de paramètres ne contient que %n profils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>il n’a pas changé de profil en %n seconde (une macro est peut-être en cours&#x202f;; le changement se fera alors à sa fin)</numerusform>
            <numerusform>il n’a pas changé de profil en %n secondes (une macro est peut-être en cours&#x202f;; le changement se fera alors à sa fin)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>l’agent Halvane est resté sur le profil %1 et n’est pas passé au profil %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>l’agent Halvane a rechargé ses paramètres</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, mais&#xa0;:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>surveillance impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Surveillance des changements de profil&#x202f;; appuyez sur Ctrl-C pour arrêter.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend&#xa0;:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>classe</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>instance</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>application GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>fichier desktop KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>n’indique rien sur son application</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Application&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), trouvée par %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Entrée .desktop&#xa0;:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>aussi&#xa0;:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>aucune entrée .desktop trouvée</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Exécutable&#xa0;:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>aucun&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Choix du backend&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>impossible de surveiller l’application au premier plan de l’agent</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Surveillance des changements d’application&#x202f;; appuyez sur Ctrl-C pour arrêter.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 n’est pas un fichier de paramètres (sa racine n’est pas un dictionnaire)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1&#xa0;: aucun problème</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Profil %1 exporté vers %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>le profil %1 contient des erreurs&#x202f;; rien n’a été exporté</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 contient des erreurs&#x202f;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1&#x202f;; rien n’a été modifié</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 importé comme profil %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>le profil a été importé</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>L’agent Halvane n’est pas lancé&#x202f;; il lira le nouveau profil à son démarrage.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, mais l’agent Halvane n’a pas répondu à la demande de rechargement&#x202f;; redémarrez l’agent, sinon il réécrira ses anciens paramètres en quittant</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>L’agent Halvane a rechargé ses paramètres.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Aucune sauvegarde de %1 pour l’instant.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Sauvegardes de %1, la plus récente en premier&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Paramètres restaurés tels qu’ils étaient jusqu’au %1 (sauvegarde %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>la sauvegarde a été restaurée</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>L’agent Halvane n’est pas lancé&#x202f;; il lira les nouveaux paramètres à son démarrage.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Remarque&#xa0;: %1 lance %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Remarque&#xa0;: le profil devient actif chaque fois que %1 passe au premier plan</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>aucun paramètre chargé</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>le changement automatique est suspendu (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>l’application de la fenêtre est inconnue, aucun profil ne lui est donc associé</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>aucune fenêtre n’est active</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>aucun %1 de profil ne désigne cette application</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>le profil %1 la désigne, mais son %2 est désactivé</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>sélectionne le profil %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>l’agent est lancé</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>agent démarré via %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>agent démarré</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>pas de bus de session&#xa0;: l’agent n’a pas été démarré</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>impossible de trouver l’agent pour le démarrer</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>pas une session Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>pas d’affichage X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>portail de bureau GlobalShortcuts (version %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>moins prioritaire</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>captures de touches via XWayland, vues seulement quand une application X a le focus (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>captures de touches sur le serveur X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>pas d’affichage X&#x202f;; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>chaque enregistrement est refusé (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Clavier Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Script KWin&#xa0;: le système de scripts de KWin ne répond pas (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Script KWin&#xa0;: a remplacé celui qu’un agent précédent avait laissé chargé</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Script KWin&#xa0;: KWin n’a pas chargé %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Script KWin&#xa0;: chargé mais pas exécuté (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Script KWin&#xa0;: %1 n’est pas installé</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Touches simulées</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>session Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>clavier virtuel uinput (session Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>pas d’uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>le clavier virtuel du compositeur Wayland (pas d’uinput&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1&#x202f;; pas de clavier virtuel Wayland&#xa0;: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest sur l’affichage X %1, n’atteignant que les clients X (pas d’uinput&#xa0;: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest sur l’affichage X %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>clients X seulement</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>session X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>pas de XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>clavier virtuel uinput (pas de XTest&#xa0;: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>aucun backend ne peut envoyer de touches</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>les macros sont seulement tracées (pas de XTest&#xa0;: %1&#x202f;; pas d’uinput&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>pas de connexion Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>le compositeur n’a pas %1</translation>
    </message>
</context>
<context>
    <name>MacroKeySpeech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A macro key&apos;s name (L1 to R5) and what the key does</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>opens %1</source>
        <translation>ouvre %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>ouvre %1, introuvable</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>passe au profil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>passe au profil %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>se répète tant que la touche est maintenue</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>se répète jusqu’au prochain appui sur la touche</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>aucune action attribuée</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>tape %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>attend %1 secondes</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>clique sur %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>appuie sur %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>relâche %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>le bouton gauche</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>le bouton droit</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>le bouton du milieu</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>le bouton Précédent</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>le bouton Suivant</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>fait défiler de %n cran vers le haut</numerusform>
            <numerusform>fait défiler de %n crans vers le haut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>fait défiler de %n cran vers le bas</numerusform>
            <numerusform>fait défiler de %n crans vers le bas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>fait défiler de %n cran vers la gauche</numerusform>
            <numerusform>fait défiler de %n crans vers la gauche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>fait défiler de %n cran vers la droite</numerusform>
            <numerusform>fait défiler de %n crans vers la droite</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>tape « %1 »</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>aucun serveur de notifications sur le bus de session</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Affichage à l’écran</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>pas de layer-shell&#xa0;: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>pas d’affichage GNOME Shell&#xa0;: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>pas de notifications&#xa0;: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>fenêtre hors écran (pas d’affichage)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>fenêtre X11 toujours au premier plan</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>surface layer-shell sur la couche overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>extension GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>notifications du bureau</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>fenêtre Wayland ordinaire placée par le compositeur</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Boutons et molette de la souris</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>session Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>pointeur virtuel uinput (session Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>clients X seulement</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>session X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest sur l’affichage X %1, n’atteignant que les clients X (pas d’uinput&#xa0;: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest sur l’affichage X %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>pas de XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>pointeur virtuel uinput (pas de XTest&#xa0;: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>aucun moteur ne peut envoyer d’événements de souris</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>les étapes de souris sont seulement tracées (pas de XTest&#xa0;: %1&#x202f;; pas d’uinput&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>pas de bus de session</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>pas de portail de bureau</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>le portail de bureau n’a pas GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 n’est pas un paquet de panneau de préférences</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>le panneau de %1 ne s’est pas initialisé</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>le panneau de %1 n’a pas de vue</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>impossible de trouver %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>les numéros de profil vont de 1 à %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>le fichier de paramètres ne contient aucun profil</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>le fichier de paramètres ne contient pas de profil %1 (il en contient %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>pas un fichier de profil (sa racine n’est pas un dictionnaire)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>absent (pas un fichier de profil)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>n’est pas un entier (pas un fichier de profil)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>cette version ne lit pas le format %1 (elle lit le %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>pas une clé de fichier de profil (ignorée)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>pas une liste de propriétés (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 est le fichier de paramètres lui-même</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>impossible de lire le fichier de paramètres %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>le fichier de paramètres %1 n’est pas un dictionnaire</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>il n’y a pas de fichier de paramètres et les paramètres par défaut %1 sont illisibles</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>impossible d’écrire le fichier de paramètres %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>imbriqué sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>une liste de propriétés binaire endommagée</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>rien à écrire</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>un second élément racine</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>du texte hors des éléments</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>aucun élément</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>une seconde valeur dans &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; ne contient aucune valeur</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>du texte entre les éléments</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; n’est pas un élément de liste de propriétés</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; contient un élément</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; contient «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; à la place d’un &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>un &lt;key&gt; sans valeur</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>erreur XML à la %1&#xa0;: %2</translation>
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
        <translation>il n’y a pas de bus de session D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>l’agent Halvane n’est pas lancé</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>pas d’affichage X (DISPLAY n’est pas définie)</translation>
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
        <translation>Impossible de créer le dossier de sauvegarde %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Impossible de renommer la sauvegarde %1 en %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Impossible de conserver une sauvegarde de %1 dans %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>il n’y a aucune sauvegarde de %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>il n’y a pas de sauvegarde %1 (de 1 à %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>la sauvegarde %1 ne se lit pas comme des paramètres (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>sa racine n’est pas un dictionnaire</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Impossible de lire le fichier de paramètres %1 (%2) pour le déplacer vers %3&#x202f;; il reste à sa place</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Impossible de copier le fichier de paramètres %1 vers %2 (%3)&#x202f;; il reste à sa place</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>La copie du fichier de paramètres dans %1 diffère de %2&#x202f;; l’original reste à sa place</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Fichier de paramètres %1 copié vers %2, mais impossible de supprimer l’original</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Utilisation du fichier de paramètres %1&#x202f;; l’ancien, dans %2, reste intact</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Fichier de paramètres déplacé de %1 vers %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Le fichier de paramètres n’a pas pu être lu (%1)&#x202f;; il a été conservé sous %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Le fichier de paramètres n’a pu être ni lu (%1) ni mis de côté sous %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>sa racine n’est pas un dictionnaire</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>les paramètres ne sont pas un dictionnaire</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>rien à écrire</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>Le fichier de paramètres %1 est %2&#x202f;; utilisation des paramètres par défaut sans les enregistrer</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>le paquet du programme ne contient pas de paramètres par défaut</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>les paramètres par défaut %1 sont illisibles (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>rien d’utilisable</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>un entier</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>un nombre réel</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>des données</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>une date</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>un tableau</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>un dictionnaire</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 profil au lieu de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n profil au lieu de %1</numerusform>
            <numerusform>%n profils au lieu de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 touche macro au lieu de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n touche macro au lieu de %1</numerusform>
            <numerusform>%n touches macro au lieu de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>absent</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>absent (aucun profil&#xa0;: aucune touche n’a d’effet)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>absent (lu comme 0&#xa0;: l’agent démarre avec le profil 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>absent (lu comme false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>absent (lu comme un nom vide)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>absent (aucune touche macro de ce profil n’a d’effet)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>absent (les touches image ne désignent aucune application)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>absent (les touches multimédia ne désignent aucun lecteur)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>absent (lu comme aucune application)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 n’est pas un chemin absolu (le changement automatique compare des chemins complets et ne le reconnaîtra jamais)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>absent (lu comme vide&#xa0;: la touche n’a aucun effet)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 n’est pas une action (la touche n’a aucun effet&#x202f;; les actions sont %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>absent (la macro ne joue rien)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>aucune étape enregistrée (la macro ne joue rien)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>absent (la touche ne lance rien)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>absent (lu comme vide)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>vide (la touche ne lance rien)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>absent (lu comme des données vides)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>absent (lu comme 0&#xa0;: la touche choisit le profil 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>absent (lu comme 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>absent (l’étiquette de la touche reste vide)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>absent (une étape absente joue la touche 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 n’est pas un code de touche (0-%2, ou -1 pour une étape vide)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>absent (lu comme 0&#xa0;: aucun modificateur)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 avec une touche (l’agent maintient les quatre modificateurs enfoncés&#x202f;; les Préférences affichent (Aucune))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 n’est pas un masque de modificateurs</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>les bits 0x%1 ne sont pas des modificateurs (ignorés)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>absent (lu comme 0&#xa0;: aucune pause)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 n’est pas un nombre de millisecondes</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 dépasse %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 est inférieur à 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 n’est pas un nombre entier de millisecondes (les Préférences ne gardent que des millisecondes entières)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 après une étape vide est ignoré (une étape vide ne crée aucune pause)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>la racine est %1, attendu&#xa0;: %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>est %1, attendu&#xa0;: %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>contient le caractère de contrôle U+%1 (caractère %2), qui pourrait piloter un terminal affichant le nom</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>fait %n caractère&#x202f;; un nom en a au plus %1</numerusform>
            <numerusform>fait %n caractères&#x202f;; un nom en a au plus %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 est hors de 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 n’est pas un booléen (true, false, 0 ou 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 n’est pas une des valeurs %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>pas une clé de paramètres (ignorée&#xa0;: une macro a les étapes 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>pas une clé de paramètres (ignorée)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 n’est pas un type d’étape (tout programme joue le code de touche de l’étape&#x202f;; les types sont %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 n’est pas un type d’étape (les programmes plus anciens et celui-ci sautent l’étape&#x202f;; les types sont %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 sur une étape au code de touche %2 (tout programme joue la touche et ignore le type&#x202f;; une étape d’un autre type a le code de touche -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>ignorée (l’étape est vide&#xa0;: son code de touche est -1 et elle ne nomme aucun autre type)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>inutilisée par une étape %1 (ignorée)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>absent (les programmes sautent l’étape)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>absent (l’étape ne tape rien)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>vide (l’étape ne tape rien)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>fait %n caractère&#x202f;; une étape de texte en tape au plus %1 (le reste est omis)</numerusform>
            <numerusform>fait %n caractères&#x202f;; une étape de texte en tape au plus %1 (le reste est omis)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>absent (lu comme 1&#xa0;: un cran)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 est hors de %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Saisie de texte</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>caractères hors de la disposition par des codes de touche libres</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>caractères hors de la disposition par une table de touches qui les contient</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>seulement les caractères de la disposition du clavier ; les autres demandent X11 ou un bureau doté du protocole de clavier virtuel (sway, Hyprland et autres bureaux wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>les étapes de texte sont seulement tracées</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 n’existe pas&#xa0;: chargez le module noyau uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>pas de permission sur %1&#xa0;: installez les règles udev de Halvane, qui en donnent l’accès à l’utilisateur connecté</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 n’a aucun pilote uinput derrière lui&#xa0;: chargez le module noyau uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossible d’utiliser %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>pas de connexion Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>le compositeur n’a pas %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>pas de disposition de clavier à donner au clavier virtuel</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>le compositeur a refusé un clavier virtuel</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>pas d’affichage X (DISPLAY n’est pas définie)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>impossible de se connecter à l’affichage X %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>l’affichage X %1 n’a pas cet écran</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Rechercher dans les applications</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Les flèches choisissent dans la liste, Enter valide</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applications installées</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>annulée avec Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>l’agent se ferme</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>le système se met en veille</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>la session n’est plus active</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>le clavier a été débranché</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Macro arrêtée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Impossible d’enregistrer le profil actuel dans %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Une étape de texte a omis %n caractère que ce bureau ne peut pas saisir&#xa0;: %1</numerusform>
            <numerusform>Une étape de texte a omis %n caractères que ce bureau ne peut pas saisir&#xa0;: %1</numerusform>
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
        <translation>La touche ouvre %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Macro effacée.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Enregistre chaque touche pressée, Tab et Escape compris, jusqu’à huit touches. Appuyez vite deux fois sur Escape pour arrêter l’enregistrement.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Mode de lecture de la macro</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Profil à activer</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Touche macro %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Enregistrement arrêté.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Enregistrement effacé.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Non enregistrée&#xa0;: %n touche au plus par macro.</numerusform>
            <numerusform>Non enregistrée&#xa0;: %n touches au plus par macro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>%1 enregistré, touche %2 sur %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Enregistrez d’abord une touche&#xa0;: la pause la suit.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Après %1, la macro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Après l’étape %1, la macro %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Non ajoutée : %n étape au plus par macro.</numerusform>
            <numerusform>Non ajoutée : %n étapes au plus par macro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Étape %1 ajoutée : %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Étape %1 retirée.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Ajoute cette pause après l’étape choisie en dernier, sinon après la dernière étape</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Le fichier de paramètres n’a pas pu être utilisé tel quel.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Les paramètres n’ont pu être ni lus ni créés.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Clavier Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés.</translation>
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
        <translation>Profil&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (non installée)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter ou Space change l’action de la touche, Shift+F10 ou la touche Menu ouvre d’autres choix, les flèches passent aux autres touches macro.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Touches macro</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1 à L5 à gauche du clavier, R1 à R5 à droite</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Touches macro et profils</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>Le clavier est passé au profil %1, «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Paramètres enregistrés et appliqués au clavier.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Paramètres enregistrés.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Clavier Halvane&#xa0;: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Clavier Halvane&#xa0;: profil %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Changement automatique</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Quitter l’agent Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Ce bureau ne peut pas taper : %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Étape %1 : %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texte à taper</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Bouton de la souris</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Action du bouton</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Sens de la molette</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Crans</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Retirer l’étape %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Molette</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Cliquer</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Appuyer</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Relâcher</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Vers la droite</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space active ou désactive</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 ou Enter renomme le profil</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter choisit l’application qui active ce profil</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>aucune</translation>
    </message>
</context>
</TS>
