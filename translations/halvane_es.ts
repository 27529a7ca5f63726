<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>«%1» no es un número de perfil (1 a %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>número de argumentos incorrecto para %1 (uso: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>«%1» no es un número de copia de seguridad (tal como los muestra «%2»)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
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
        <translation>tecleó %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>envió %n evento de tecla del sistema</numerusform>
            <numerusform>envió %n eventos de tecla del sistema</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>pulsó %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>esperó %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>cambió a %1 (mostrado en pantalla)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>cambió al perfil %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>se aseguró de arrancar al iniciar sesión</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>ejecutó su script para %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>pidió «%2» a %1</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>abrió %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>no se puede crear una carpeta temporal</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Tecla Reproducir</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Tecla Expulsar</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>tecla de perfil + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>tecla de perfil + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>no se puede crear la configuración de demostración a partir de %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Iniciando el agente con un perfil de demostración y un teclado virtual…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>no se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>el agente no encontró el teclado virtual</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>El agente encontró el teclado y %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>está listo</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>el agente se detuvo inesperadamente</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>el agente no está conectado al teclado virtual</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>el agente no se detuvo en 5 s</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>el agente terminó con el estado %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>El agente se detuvo correctamente.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>El agente dijo:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Nada impide que el teclado funcione</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problema impide que el teclado funcione</numerusform>
            <numerusform>%n problemas impiden que el teclado funcione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n más merece corregirse</numerusform>
            <numerusform>%n más merecen corregirse</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>solución:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>El cambio automático en este escritorio necesita antes un paso:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>un escritorio sin nombre</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>cierre la sesión y vuelva a entrar (GNOME en Wayland solo encuentra extensiones nuevas al iniciar sesión)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (lo necesitan el cambio automático y el nombre del perfil en pantalla)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Extensión de GNOME Shell %1: no instalada</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Extensión de GNOME Shell: %1 no está hecha para GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Extensión de GNOME Shell: %1, en ejecución</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>Las extensiones de GNOME Shell están desactivadas por completo</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Extensión de GNOME Shell %1: instalada, no activada</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Extensión de GNOME Shell %1: instalada, pero GNOME Shell no la ha iniciado</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>si sigue sin ejecutarse: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (lo necesita el cambio automático)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Script de KWin %1: no instalado</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Script de KWin: %1 (el agente lo carga al iniciarse)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Script de KWin: KWin no responde en este bus de sesión</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>ejecute %1 en una terminal de la sesión de Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Script de KWin: %1 está instalado, pero KWin no lo ha cargado</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>reinicie el agente, que lo carga al iniciarse (su registro indica por qué no pudo: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Script de KWin: %1, cargado</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Escritorio: no se ve ninguna sesión gráfica (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>ejecute %1 en una terminal de su sesión de escritorio</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Escritorio: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>no puede leer ni escribir en %1</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>no puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>no puede leer %1</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>puede leer y escribir en %1</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>Regla de udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>Regla de udev: %1 no contiene ninguna regla de Halvane (vaciado o enmascarado)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>Regla de udev: instalada en %1, donde udev no busca</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>Regla de udev: %1 no está instalado (se buscó en %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>Regla de udev aplicada: uaccess en %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>Regla de udev no aplicada: no hay etiqueta uaccess en %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>instale la regla de udev (arriba) y después: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>o vuelva a conectar el teclado</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Acceso al teclado: puede leer y escribir %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Acceso al teclado: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>después inicie sesión en la propia máquina (no por ssh), o por ahora: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: con permiso de escritura</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (lo necesitan las teclas multimedia y Expulsar, y en Wayland todas las macros)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (en cada arranque)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 la asigna a KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev no dio a %1 ninguna entrada hwdb de Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>Entrada hwdb: en la hwdb compilada</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>la hwdb compilada no tiene ninguna entrada de Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>Entrada hwdb: las teclas de macro no son teclas del sistema en %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>Entrada hwdb no activa: %1 (la tecla de macro 0xF8 suspendería el equipo)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Teclado: %n interfaz (%1)</numerusform>
            <numerusform>Teclado: %n interfaces (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Teclado: ninguno conectado; %n interfaz virtual de %1 en %2</numerusform>
            <numerusform>Teclado: ninguno conectado; %n interfaces virtuales de %1 en %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Teclado: no se encontró ninguno (ningún nodo hidraw de un dispositivo HID %1:%2 o %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>conecte el teclado (para probar sin él: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Inicio automático: %1 está desactivado</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Inicio automático: %1 no inicia nada</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Inicio automático: %1 inicia %2, que no existe</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Inicio automático: tanto %1 como %2 inician el agente al iniciar sesión</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (el agente escribe uno que deja el inicio a la unidad)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Inicio automático: %1 está activado</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Inicio automático: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Inicio automático: el agente no se inicia al iniciar sesión</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>inicie el agente una vez; añade %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, después inicie el agente una vez; escribe uno nuevo: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>inicie %1 una vez; escribe la configuración predeterminada</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (la copia de seguridad más reciente)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Configuración: %1 no existe (sin él las teclas no hacen nada)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Configuración: %1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>su raíz no es un diccionario</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, después %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Configuración: %1 tiene %n error</numerusform>
            <numerusform>Configuración: %1 tiene %n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (los muestra todos), después corríjalos en %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>o vuelva a una versión anterior: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Configuración: %1 es válido</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Configuración: %1 es válido (%n aviso: %2)</numerusform>
            <numerusform>Configuración: %1 es válido (%n avisos: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>cierre el agente (termine su proceso HalvaneHelper) y después: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Teclas simuladas</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Eventos HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Aplicación en primer plano</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Indicación en pantalla</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: el agente no indica qué backend eligió</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>actualice y reinicie el agente: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>el cambio automático está desactivado; inicie el agente desde su sesión de escritorio, donde encuentra las ventanas del escritorio: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>haga que /dev/uinput se pueda escribir (véase arriba) y después %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>el agente de Halvane no está en ejecución</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Agente: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>inícielo: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Agente: ocupa %1 pero no responde</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Agente: en ejecución la versión %1, pero este halvanectl es la %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>para ejecutar la versión instalada: %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Agente: en ejecución, versión %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Botones y rueda del ratón</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Pasos de texto</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>un dispositivo de caracteres, no un archivo normal</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>un dispositivo de bloques, no un archivo normal</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>un archivo especial, no un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>mayor de %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Aplicación en primer plano</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>la pantalla X %1 rechazó la conexión (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>no se pudo configurar %1, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP es %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 no está en el bus de sesión</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>no hay conexión con Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>el compositor no tiene %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>no hay HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>no hay NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>no hay SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>no es una sesión de Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>tiene menor prioridad</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>no %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>mediante nuestra extensión de GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>mediante nuestro script de KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>socket de eventos de Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>flujo de eventos de niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 con el PID de la IPC de sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW en XWayland, que solo ve aplicaciones X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>el cambio automático está desactivado</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Extensión de GNOME Shell %1: la Shell no indicó si está en ejecución (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>La extensión de GNOME Shell %1 no está instalada: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>La extensión de GNOME Shell %1 no está activada: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>el cambio automático la necesita; ejecute `%1` (en Wayland, una extensión recién instalada solo se encuentra tras volver a iniciar sesión)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell no está en ejecución</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>la extensión halvane-keyboard@halvane.com no está activada</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Eventos HID (expulsión, teclas multimedia, ratón)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>se puede usar /dev/uinput</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>no hay uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>solo se registran, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>Tecla de macro</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>Ejecutar una macro</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Macro nueva:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Cómo se reproduce la macro al pulsar su tecla</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Repetir al mantener</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Pulsar para iniciar/detener</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Macro actual:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>La macro que tiene ahora la tecla</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Pulse aquí y teclee hasta ocho teclas</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Mientras este botón tiene el foco, se graba cada tecla que pulse, atajos incluidos.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pausa tras la última tecla:</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Abrir una aplicación</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicación:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>La aplicación que abre la tecla</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Seleccionar un perfil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>El perfil al que cambia la tecla</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleccionar…</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>Perfil 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>Perfil 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>Perfil 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>Perfil 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>Perfil 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>Perfil 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>Perfil 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>Perfil 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>Perfil 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Añadir paso</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Añade un paso que escribe un texto, usa un botón del ratón o gira la rueda</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>La macro tal como la guardan Aceptar o Aplicar</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Teclado Halvane</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>Teclas de macro</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>Perfil que editar:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Intercambiar las teclas Command (Super) y Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: pulse para grabar una macro; clic derecho para más</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Teclas multimedia:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>El reproductor multimedia que controlan las teclas multimedia del teclado en este perfil</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Teclas de imagen:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>La aplicación de imágenes que controlan las teclas de imagen en este perfil</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer teclas</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Quita lo que hace cada tecla de macro de este perfil</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Cambio automático</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Pulse dos veces en el nombre de un perfil para cambiarle el nombre, o en su aplicación para elegir la aplicación que cambia a él automáticamente.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Restablecer perfil</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Devuelve al perfil seleccionado su configuración original</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Mostrar los cambios de perfil</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Suspender el cambio automático</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Icono en la bandeja del sistema</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Un icono con el número del perfil actual y un menú para cambiar de perfil</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Ayuda del teclado Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Guarda la configuración y la transmite al teclado</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Tecla de macro</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Seleccionar perfil</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Abrir aplicación…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Restablecer tecla</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Pulse en una tecla de macro (o Enter sobre ella) para grabar una macro, abrir una aplicación o elegir un perfil. Clic derecho o Shift+F10: más.</translation>
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
        <translation>El cliente de línea de órdenes del software del teclado Halvane. Los perfiles se
numeran del 1 al 10, como en las preferencias: «4 - Juegos» es el cuarto perfil,
llamado Juegos.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Órdenes que se comunican con el agente de Halvane en ejecución:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>muestra el perfil actual, p. ej. «4 - Juegos»</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>cambia al perfil N (como las preferencias: el agente muestra el
perfil en pantalla si así se pidió, y no anuncia ningún cambio)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>hace que el agente vuelva a leer el archivo de configuración</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>muestra cada cambio de perfil que anuncia el agente, uno por
línea («4 - Juegos»), hasta que se interrumpa; el agente puede
iniciarse más tarde</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>lo que el agente ve en primer plano: el sistema de ventanas, el
app_id, la clase, la instancia y el proceso de la ventana, la
aplicación (entrada .desktop y ejecutable) y cómo se encontró,
y qué perfil selecciona o por qué ninguno; --watch lo vuelve a
mostrar tras cada cambio de aplicación</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>comprueba todo lo que necesita el teclado, una línea por punto,
con la solución de cada problema: los nodos de dispositivo del
teclado y /dev/uinput, la regla de udev y la entrada hwdb, el
agente y los backends que eligió, el escritorio y su extensión
de Shell o script de KWin, el inicio automático, el archivo de
configuración</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>solo el paso que este escritorio necesita para el cambio
automático, si lo hay</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Órdenes sobre el archivo de configuración (el agente no necesita estar en ejecución):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>comprueba un archivo de configuración, por omisión el del
usuario (~/.config/halvane/com.halvane.keyboard.plist, o
$HALVANE_SETTINGS); muestra cada problema con su lugar en el
archivo, p. ej.
«error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350»</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>escribe el perfil N en FILE, una lista de propiedades que
contiene «Format» (1) y el perfil bajo «Profile»; un perfil
con errores no se exporta</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>sustituye el perfil N por el perfil de FILE; el perfil se
comprueba antes y nada cambia si tiene errores; después se pide
al agente en ejecución que vuelva a cargar</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>lista las versiones anteriores guardadas del archivo de
configuración (las 10 más recientes, en
~/.config/halvane/backups), numeradas desde la más reciente,
con la fecha en que se sustituyó cada una y su tamaño</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>restaura la copia de seguridad N como archivo de configuración
(el contenido actual pasa a ser a su vez una copia); después se
pide al agente en ejecución que vuelva a cargar</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>la versión del software de Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Los errores son cosas en las que el software actuaría de forma distinta a lo que dice
el archivo, o valores que las preferencias nunca escriben; los avisos son diferencias
inofensivas respecto a lo que escriben las preferencias (una entrada que falta y se
lee como un valor razonable, una clave desconocida).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Estado de salida: 0 hecho (los avisos por sí solos lo dejan en 0); 1 check encontró
errores, export o import rechazó un perfil con errores, o doctor encontró algo que
impide que el teclado funcione; 2 no se pudo llevar a cabo la orden (argumentos
incorrectos, un archivo que no se puede leer o escribir, el agente no está en
ejecución o no responde).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Pruebe «%1».</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>el agente de Halvane no respondió</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>el archivo de configuración solo contiene %n perfil</numerusform>
            <numerusform>el archivo de configuración solo contiene %n perfiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>no cambió en %n segundo (quizá se esté reproduciendo una macro; el cambio llegará cuando termine)</numerusform>
            <numerusform>no cambió en %n segundos (quizá se esté reproduciendo una macro; el cambio llegará cuando termine)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>el agente de Halvane se quedó en el perfil %1 y no cambió al perfil %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>el agente de Halvane volvió a cargar su configuración</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, pero:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>no se puede vigilar: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Vigilando los cambios de perfil; pulse Ctrl-C para detener.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Ventana:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>clase</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>instancia</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>aplicación GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>archivo desktop de KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>no dice nada sobre su aplicación</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicación:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), encontrada por %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Entrada .desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>también:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>no se encontró ninguna entrada .desktop</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Ejecutable:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>ninguno: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Elección de backend: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>no se puede vigilar la aplicación en primer plano del agente</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Vigilando los cambios de aplicación; pulse Ctrl-C para detener.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 no es un archivo de configuración (su raíz no es un diccionario)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: ningún problema</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>Perfil %1 exportado a %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>el perfil %1 tiene errores; no se exportó nada</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 tiene errores; no se cambió nada</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; no se cambió nada</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 importado como perfil %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>el perfil se importó</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>El agente de Halvane no está en ejecución; leerá el perfil nuevo al iniciarse.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, pero el agente de Halvane no respondió a la petición de volver a cargar; reinicie el agente, o al cerrarse volverá a escribir su configuración anterior</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>El agente de Halvane ha vuelto a cargar su configuración.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Aún no hay copias de seguridad de %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Copias de seguridad de %1, la más reciente primero:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>Se restauró la configuración tal como estaba hasta %1 (copia %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>la copia de seguridad se restauró</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>El agente de Halvane no está en ejecución; leerá la configuración nueva al iniciarse.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Nota: %1 abre %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Nota: el perfil pasa a ser el actual cada vez que %1 pasa a primer plano</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>no hay configuración cargada</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>el cambio automático está suspendido (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>la aplicación de la ventana es desconocida, así que no tiene ningún perfil asociado</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>no hay ninguna ventana activa</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>ningún %1 de un perfil nombra esta aplicación</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>el perfil %1 la nombra, pero su %2 está desactivado</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>selecciona el perfil %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>el agente está en ejecución</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>agente iniciado mediante %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>agente iniciado</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>no hay bus de sesión: el agente no se inició</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>no se encuentra el agente para iniciarlo</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>no es una sesión de Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>no hay pantalla X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>portal de escritorio GlobalShortcuts (versión %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>tiene menor prioridad</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>capturas de teclas mediante XWayland, visibles solo mientras una aplicación X tiene el foco (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>capturas de teclas en el servidor X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>no hay pantalla X; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>se rechaza cada registro (%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Teclado Halvane</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>Script de KWin: el sistema de scripts de KWin no responde (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Script de KWin: se sustituyó el que dejó cargado un agente anterior</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Script de KWin: KWin no cargó %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Script de KWin: cargado pero no ejecutado (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Script de KWin: %1 no está instalado</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Teclas simuladas</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sesión de Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>teclado virtual uinput (sesión de Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>no hay uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>el teclado virtual del compositor de Wayland (no hay uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; no hay teclado virtual de Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest en la pantalla X %1, solo llega a clientes X (no hay uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest en la pantalla X %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>solo clientes X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sesión X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>no hay XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>teclado virtual uinput (no hay XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>ningún backend puede enviar teclas</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>las macros solo se registran (no hay XTest: %1; no hay uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>no hay conexión con Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>el compositor no tiene %1</translation>
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
        <translation>abre %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>abre %1, que no se encuentra</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>cambia al perfil «%1»</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>cambia al perfil %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>se repite mientras se mantiene la tecla</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>se repite hasta volver a pulsar la tecla</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>nada asignado</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>pulsa %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>espera %1 segundos</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>hace clic con %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>pulsa %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>suelta %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>el botón izquierdo</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>el botón derecho</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>el botón central</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>el botón Atrás</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>el botón Adelante</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>desplaza %n muesca hacia arriba</numerusform>
            <numerusform>desplaza %n muescas hacia arriba</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>desplaza %n muesca hacia abajo</numerusform>
            <numerusform>desplaza %n muescas hacia abajo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>desplaza %n muesca hacia la izquierda</numerusform>
            <numerusform>desplaza %n muescas hacia la izquierda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>desplaza %n muesca hacia la derecha</numerusform>
            <numerusform>desplaza %n muescas hacia la derecha</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>escribe «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>no hay servidor de notificaciones en el bus de sesión</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Indicación en pantalla</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>no hay layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>no hay indicación de GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>no hay notificaciones: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>ventana fuera de la pantalla (sin pantalla)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>ventana X11 siempre encima</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>superficie layer-shell en la capa overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>extensión de GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>notificaciones del escritorio</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>ventana de Wayland normal colocada por el compositor</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Botones y rueda del ratón</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sesión de Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>puntero virtual uinput (sesión de Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>solo clientes X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sesión X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest en la pantalla X %1, solo llega a clientes X (no hay uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest en la pantalla X %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>no hay XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>puntero virtual uinput (no hay XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>ningún backend puede enviar eventos del ratón</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>los pasos de ratón solo se registran (no hay XTest: %1; no hay uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>no hay portal de escritorio</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>el portal de escritorio no tiene GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 no es un paquete de panel de preferencias</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>el panel de %1 no se inicializó</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>el panel de %1 no tiene vista</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>no se encuentra %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>los números de perfil van del 1 al %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>el archivo de configuración no contiene perfiles</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>el archivo de configuración no contiene el perfil %1 (contiene %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>no es un archivo de perfil (su raíz no es un diccionario)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>falta (no es un archivo de perfil)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>no es un entero (no es un archivo de perfil)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>esta versión no lee el formato %1 (lee el %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>no es una clave de archivo de perfil (se ignora)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>no es una lista de propiedades (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 es el propio archivo de configuración</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>no se puede leer el archivo de configuración %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>el archivo de configuración %1 no es un diccionario</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>no hay archivo de configuración y no se puede leer la configuración predeterminada %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>no se puede escribir el archivo de configuración %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>anidado en más de %1 niveles</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>una lista de propiedades binaria dañada</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>no hay nada que escribir</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>un segundo elemento raíz</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>texto fuera de los elementos</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>ningún elemento</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>un segundo valor dentro de &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; no contiene ningún valor</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>texto entre elementos</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; no es un elemento de lista de propiedades</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; contiene un elemento</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; contiene «%2»</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; donde corresponde un &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>un &lt;key&gt; sin valor</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>error de XML en la %1: %2</translation>
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
        <translation>no hay bus de sesión de D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>el agente de Halvane no está en ejecución</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>no hay pantalla X (DISPLAY no está definida)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>No se pudo crear la carpeta de copias de seguridad %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>No se pudo cambiar el nombre de la copia de seguridad %1 a %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>No se pudo guardar una copia de seguridad de %1 en %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>no hay copias de seguridad de %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>no existe la copia de seguridad %1 (del 1 al %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>la copia de seguridad %1 no se puede leer como configuración (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>su raíz no es un diccionario</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>No se pudo leer el archivo de configuración %1 (%2) para moverlo a %3; se queda donde está</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>No se pudo copiar el archivo de configuración %1 a %2 (%3); se queda donde está</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>La copia del archivo de configuración en %1 es distinta de %2; el original se queda donde está</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Se copió el archivo de configuración %1 a %2, pero no se pudo eliminar el original</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Se usa el archivo de configuración %1; el más antiguo, en %2, no se modifica</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>Se movió el archivo de configuración de %1 a %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>No se pudo leer el archivo de configuración (%1); se ha conservado como %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>No se pudo leer el archivo de configuración (%1) ni apartarlo como %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>su raíz no es un diccionario</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>la configuración no es un diccionario</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>no hay nada que escribir</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>El archivo de configuración %1 es %2; se usa la configuración predeterminada sin guardarla</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>el paquete del programa no contiene configuración predeterminada</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>no se puede leer la configuración predeterminada %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>No se pudo crear %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>nada utilizable</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>un booleano</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>un entero</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>un número real</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>una cadena</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>datos</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>una fecha</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>una matriz</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>un diccionario</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 perfil; se esperaban %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n perfil; se esperaban %1</numerusform>
            <numerusform>%n perfiles; se esperaban %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 tecla de macro; se esperaban %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n tecla de macro; se esperaban %1</numerusform>
            <numerusform>%n teclas de macro; se esperaban %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>falta</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>falta (no hay perfiles: ninguna tecla hace nada)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>falta (se lee como 0: el agente empieza con el perfil 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>falta (se lee como false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>falta (se lee como un nombre vacío)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>falta (ninguna tecla de macro de este perfil hace nada)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>falta (las teclas de imagen no indican ninguna aplicación)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>falta (las teclas multimedia no indican ningún reproductor)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>falta (se lee como ninguna aplicación)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 no es una ruta absoluta (el cambio automático compara rutas completas, así que nunca coincide)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>falta (se lee como vacío: la tecla no hace nada)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 no es una acción (la tecla no hace nada; las acciones son %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>falta (la macro no reproduce nada)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>ningún paso grabado (la macro no reproduce nada)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>falta (la tecla no abre nada)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>falta (se lee como vacío)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>vacío (la tecla no abre nada)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 no es una ruta absoluta</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>falta (se lee como datos vacíos)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>falta (se lee como 0: la tecla elige el perfil 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>falta (se lee como 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>falta (la etiqueta de la tecla queda vacía)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>falta (un paso que falta reproduce la tecla 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 no es un código de tecla (0-%2, o -1 para un paso vacío)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>falta (se lee como 0: sin modificadores)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 con una tecla (el agente mantiene pulsados los cuatro modificadores; las Preferencias muestran (Ninguna))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 no es una máscara de modificadores</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>los bits 0x%1 no son modificadores (se ignoran)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>falta (se lee como 0: sin pausa)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 no es un número de milisegundos</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 supera %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 es menor que 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 no es un número entero de milisegundos (las Preferencias guardan milisegundos enteros)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 tras un paso vacío se ignora (un paso vacío no causa pausa)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>un número</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>la raíz es %1; se esperaba %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>es %1; se esperaba %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>contiene el carácter de control U+%1 (carácter %2), que podría controlar un terminal que muestre el nombre</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>tiene %n carácter; un nombre tiene como máximo %1</numerusform>
            <numerusform>tiene %n caracteres; un nombre tiene como máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 está fuera de 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 no es un booleano (true, false, 0 o 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 no es ninguno de los valores %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>no es una clave de configuración (se ignora: una macro tiene los pasos 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>no es una clave de configuración (se ignora)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 no es un tipo de paso (todo programa reproduce el código de tecla del paso; los tipos son %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 no es un tipo de paso (los programas anteriores y este omiten el paso; los tipos son %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 en un paso con código de tecla %2 (todo programa reproduce la tecla e ignora el tipo; un paso de otro tipo tiene código de tecla -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>se ignora (el paso está vacío: su código de tecla es -1 y no nombra otro tipo)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>un paso %1 no la usa (se ignora)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>falta (los programas omiten el paso)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>falta (el paso no escribe nada)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>vacío (el paso no escribe nada)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>tiene %n carácter; un paso de texto escribe como máximo %1 (el resto se omite)</numerusform>
            <numerusform>tiene %n caracteres; un paso de texto escribe como máximo %1 (el resto se omite)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>falta (se lee como 1: una muesca)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 está fuera de %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Escritura de texto</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>caracteres fuera de la distribución mediante códigos de tecla libres</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>caracteres fuera de la distribución mediante un mapa de teclas que los contiene</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>solo los caracteres de la distribución del teclado; los demás necesitan X11 o un escritorio con el protocolo de teclado virtual (sway, Hyprland y otros escritorios wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>los pasos de texto solo se registran</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 no existe: cargue el módulo del núcleo uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>sin permiso sobre %1: instale las reglas de udev de Halvane, que dan acceso al usuario que ha iniciado sesión</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 no tiene ningún controlador uinput detrás: cargue el módulo del núcleo uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>no se puede usar %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>no hay conexión con Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>el compositor no tiene %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>no hay distribución de teclado que dar al teclado virtual</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>el compositor rechazó un teclado virtual</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>no hay pantalla X (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>no se puede conectar con la pantalla X %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>la pantalla X %1 no tiene ese número de pantalla</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Elegir una aplicación</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Otra…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Buscar en las aplicaciones</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>Las flechas eligen en la lista, Enter acepta</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicaciones instaladas</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>cancelada con Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>el agente se cierra</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>el sistema entra en suspensión</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>la sesión ya no está activa</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>se desconectó el teclado</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Macro detenida: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>No se pudo guardar el perfil actual en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Un paso de texto omitió %n carácter que este escritorio no puede escribir: %1</numerusform>
            <numerusform>Un paso de texto omitió %n caracteres que este escritorio no puede escribir: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>Perfil %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>La tecla abre %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Macro borrada.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Graba cada tecla que pulse, también Tab y Escape, hasta ocho teclas. Pulse Escape dos veces seguidas para dejar de grabar.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Cómo se reproduce la macro</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Perfil al que cambiar</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Tecla de macro %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Grabación detenida.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Grabación borrada.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>No se grabó: una macro tiene como máximo %n tecla.</numerusform>
            <numerusform>No se grabó: una macro tiene como máximo %n teclas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Se grabó %1: tecla %2 de %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Grabe primero una tecla: la pausa va tras ella.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Tras %1, la macro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Tras el paso %1, la macro %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>No se añadió: una macro tiene como máximo %n paso.</numerusform>
            <numerusform>No se añadió: una macro tiene como máximo %n pasos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Se añadió el paso %1: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Se quitó el paso %1.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Añade esta pausa tras el último paso elegido o, si no, tras el último paso</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>No se pudo usar el archivo de configuración tal como estaba.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>No se pudo leer ni crear la configuración.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Teclado Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
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
        <translation>Perfil: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1 (no instalada)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter o Space cambia lo que hace la tecla, Shift+F10 o la tecla Menú abre más opciones, las flechas van a las otras teclas de macro.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Teclas de macro</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1 a L5 a la izquierda del teclado, R1 a R5 a la derecha</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Teclas de macro y perfiles</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>El teclado cambió al perfil %1, «%2».</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Configuración guardada; el teclado ya la usa.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Configuración guardada.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Teclado Halvane: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Teclado Halvane: perfil %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>Cambio automático</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Salir del agente de Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Este escritorio no puede escribir: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Paso %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texto que escribir</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>Qué hace el botón</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Dirección de la rueda</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Muescas</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Quitar el paso %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Central</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Derecha</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space lo activa o desactiva</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 o Enter cambia el nombre del perfil</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter elige la aplicación que cambia a este perfil</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>ninguna</translation>
    </message>
</context>
</TS>
