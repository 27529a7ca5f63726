<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>“%1” não é um número de perfil (1 a %2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>número errado de argumentos para %1 (uso: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>o nome do arquivo está vazio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>“%1” não é um número de backup (conforme “%2” os lista)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido “%1”</translation>
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
        <translation>digitou %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>enviou %n evento de tecla do sistema</numerusform>
            <numerusform>enviou %n eventos de tecla do sistema</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>pressionou %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>esperou %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>mudou para %1 (mostrado na tela)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>mudou para o perfil %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>garantiu o próprio início ao entrar na sessão</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>executou seu script para %1</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>pediu “%2” a %1</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>abriu %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>não foi possível criar uma pasta temporária</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>Tecla Play</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>Tecla Ejetar</translation>
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
        <translation>não foi possível criar as configurações de demonstração a partir de %1</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>Iniciando o auxiliar com um perfil de demonstração e um teclado virtual…</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>não foi possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>o auxiliar não encontrou o teclado virtual</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>O auxiliar encontrou o teclado e %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>está pronto</translation>
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
        <translation>o auxiliar parou inesperadamente</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>o auxiliar não está conectado ao teclado virtual</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>o auxiliar não parou em 5 s</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>o auxiliar terminou com o status %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>O auxiliar parou corretamente.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>O auxiliar disse:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>Nada impede o teclado de funcionar</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problema impede o teclado de funcionar</numerusform>
            <numerusform>%n problemas impedem o teclado de funcionar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>mais %n merece correção</numerusform>
            <numerusform>mais %n merecem correção</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>correção:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>A troca automática neste ambiente gráfico precisa de um passo antes:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>um ambiente gráfico sem nome</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>saia da sessão e entre novamente (o GNOME no Wayland só encontra novas extensões ao entrar)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1 (necessário para a troca automática e o nome do perfil na tela)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>Extensão do GNOME Shell %1: não instalada</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>Extensão do GNOME Shell: %1 não é feita para o GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>Extensão do GNOME Shell: %1, em execução</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>As extensões do GNOME Shell estão totalmente desativadas</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>Extensão do GNOME Shell %1: instalada, não ativada</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>Extensão do GNOME Shell %1: instalada, mas o GNOME Shell não a iniciou</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>se ainda não funcionar: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1 (necessário para a troca automática)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>Script do KWin %1: não instalado</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>Script do KWin: %1 (o auxiliar o carrega ao iniciar)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>Script do KWin: o KWin não responde neste barramento de sessão</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>execute %1 em um terminal da sessão do Plasma</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>Script do KWin: %1 está instalado, mas o KWin não o carregou</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>reinicie o auxiliar, que o carrega ao iniciar (o log dele diz por que não conseguiu: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>Script do KWin: %1, carregado</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>Ambiente gráfico: nenhuma sessão gráfica encontrada (DISPLAY e WAYLAND_DISPLAY não estão definidas)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>execute %1 em um terminal da sua sessão gráfica</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>Ambiente gráfico: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está ausente</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 não pode ser lido nem gravado por você</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 não pode ser gravado por você</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 não pode ser lido por você</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 pode ser lido e gravado por você</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>Regra do udev: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>Regra do udev: %1 não contém nenhuma regra do Halvane (esvaziada ou mascarada)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>Regra do udev: instalada em %1, onde o udev não procura</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>Regra do udev: %1 não está instalada (procurada em %2)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>Regra do udev aplicada: uaccess em %1</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>Regra do udev não aplicada: nenhuma tag uaccess em %1</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>instale a regra do udev (acima) e depois: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>ou conecte o teclado novamente</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>Acesso ao teclado: você pode ler e gravar %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>Acesso ao teclado: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>depois entre na sessão no próprio computador (não por ssh), ou por enquanto: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: gravável</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1 (necessário para as teclas de mídia e de ejetar e, no Wayland, para toda macro)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (a cada inicialização)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 a associa a KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>o udev não deu a %1 nenhuma entrada hwdb do Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>Entrada hwdb: no hwdb compilado</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>o hwdb compilado não tem nenhuma entrada do Halvane</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>Entrada hwdb: as teclas de macro não são teclas do sistema em %1</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>Entrada hwdb inativa: %1 (a tecla de macro 0xF8 suspenderia a máquina)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Teclado: %n interface (%1)</numerusform>
            <numerusform>Teclado: %n interfaces (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Teclado: nenhum conectado; %n interface virtual de %1 em %2</numerusform>
            <numerusform>Teclado: nenhum conectado; %n interfaces virtuais de %1 em %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>Teclado: nenhum encontrado (nenhum nó hidraw de um dispositivo HID %1:%2 ou %1:%3)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>conecte o teclado (para testar sem ele: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>Início automático: %1 está desativado</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>Início automático: %1 não inicia nada</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>Início automático: %1 inicia %2, que não existe</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>Início automático: tanto %1 quanto %2 iniciam o auxiliar ao entrar na sessão</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1 (o auxiliar grava um que deixa o início para a unidade)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>Início automático: %1 está ativado</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>Início automático: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>Início automático: o auxiliar não inicia ao entrar na sessão</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>inicie o auxiliar uma vez; ele adiciona %1: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1, depois inicie o auxiliar uma vez; ele grava um novo: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>inicie %1 uma vez; ele grava as configurações padrão</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (o backup mais recente)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>Configurações: %1 não existe (sem ele as teclas não fazem nada)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>Configurações: não foi possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>a raiz não é um dicionário</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, depois %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Configurações: %1 tem %n erro</numerusform>
            <numerusform>Configurações: %1 tem %n erros</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (lista cada um), depois corrija-os em %2</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>ou volte a uma versão anterior: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>Configurações: %1 é válido</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Configurações: %1 é válido (%n aviso: %2)</numerusform>
            <numerusform>Configurações: %1 é válido (%n avisos: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>encerre o auxiliar (finalize o processo HalvaneHelper dele) e depois: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>Teclas sintéticas</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>Eventos HID</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>Aplicativo em primeiro plano</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Indicação na tela</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: o auxiliar não diz qual backend escolheu</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>atualize e reinicie o auxiliar: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>a troca automática está desativada; inicie o auxiliar a partir da sua sessão gráfica, onde ele encontra as janelas: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>torne /dev/uinput gravável (veja acima), depois %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>o auxiliar do Halvane não está em execução</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>Auxiliar: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>inicie-o: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>Auxiliar: detém %1, mas não responde</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>Auxiliar: executando a versão %1, mas este halvanectl é %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>para executar a versão instalada, %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>Auxiliar: em execução, versão %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Botões e roda do mouse</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>Passos de texto</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>uma pasta, não um arquivo comum</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>um FIFO, não um arquivo comum</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>um dispositivo de caractere, não um arquivo comum</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>um dispositivo de bloco, não um arquivo comum</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>um arquivo especial, não um arquivo comum</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>maior que %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>Aplicativo em primeiro plano</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>Display X %1: conexão recusada (%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>não foi possível configurar %1, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP é %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 não está no barramento de sessão</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>nenhuma conexão Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>o compositor não tem %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>sem HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>sem NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>sem SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>não é uma sessão Wayland</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>tem prioridade menor</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>não %1: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>pela nossa extensão do GNOME Shell</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>pelo nosso script do KWin</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>o socket de eventos do Hyprland</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>o fluxo de eventos do niri</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1 com o pid do IPC do sway</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>_NET_ACTIVE_WINDOW no XWayland, que vê apenas aplicativos X</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>a troca automática está desativada</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>Extensão do GNOME Shell %1: o Shell não disse se ela está em execução (%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>A extensão do GNOME Shell %1 não está instalada: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>A extensão do GNOME Shell %1 não está ativada: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>a troca automática precisa dela; execute `%1` (no Wayland, uma extensão recém-instalada só é encontrada depois de entrar novamente na sessão)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>nenhum barramento de sessão</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>o GNOME Shell não está em execução</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>a extensão halvane-keyboard@halvane.com não está ativada</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>Eventos HID (ejetar, teclas de mídia, mouse)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput pode ser usado</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>sem uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>apenas rastreados, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(Nenhuma)</translation>
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
        <translation>Executar uma macro</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>Nova macro:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>Como a macro é reproduzida quando a tecla é pressionada</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>Repetir enquanto pressionada</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>Iniciar/parar ao pressionar</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>Macro atual:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>A macro que a tecla tem agora</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>Clique aqui e digite até oito teclas</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>Enquanto este botão tiver o foco, toda tecla digitada, inclusive atalhos, será gravada.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>Pausa final:</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>Iniciar um aplicativo</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicativo:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>O aplicativo que a tecla abre</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>Selecionar um perfil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>O perfil para o qual a tecla muda</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Selecionar…</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Adicionar passo</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>Adiciona um passo que digita um texto, usa um botão do mouse ou gira a roda</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>A macro como OK ou Aplicar a salva</translation>
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
        <translation>Perfil a editar:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Trocar as teclas Command (Super) e Alt</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: clique para gravar uma macro; botão direito para mais opções</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>Teclas de mídia para:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>O reprodutor de mídia que as teclas de mídia do teclado controlam neste perfil</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>Teclas de imagem para:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>O aplicativo de imagens que as teclas de imagem controlam neste perfil</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Redefinir teclas</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>Remove o que cada tecla de macro deste perfil faz</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>Troca automática</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>Clique duas vezes no nome de um perfil para renomeá-lo, ou no aplicativo dele para escolher o aplicativo que muda para ele automaticamente.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>Redefinir perfil</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>Devolve ao perfil selecionado as configurações originais</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>Mostrar mudanças de perfil na tela</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>Suspender a troca automática</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>Mostrar o auxiliar na bandeja</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>Um ícone com o número do perfil atual e um menu para trocar de perfil</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Ajuda do Teclado Halvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>Salva as configurações e as envia ao teclado</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>Tecla de macro</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>Selecionar perfil</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>Iniciar aplicativo…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>Tecla de atalho</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>Redefinir tecla</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>Clique numa tecla de macro (ou Enter nela) para gravar uma macro, iniciar um aplicativo ou escolher um perfil. Botão direito ou Shift+F10: mais.</translation>
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
        <translation>O cliente de linha de comando do software do teclado Halvane. Os perfis são numerados
de 1 a 10, como as preferências os mostram: “4 - Jogos” é o quarto perfil, chamado Jogos.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>Comandos que falam com o auxiliar do Halvane em execução:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>mostra o perfil atual, p. ex. “4 - Jogos”</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>muda para o perfil N (como fazem as preferências: o auxiliar mostra o
perfil na tela quando configurado para isso, e não anuncia a mudança)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>faz o auxiliar ler o arquivo de configurações novamente</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>mostra cada mudança de perfil que o auxiliar anuncia, uma por linha
(“4 - Jogos”), até ser interrompido; o auxiliar pode iniciar depois</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>o que o auxiliar vê em primeiro plano: o sistema de janelas, o app_id,
a classe, a instância e o processo da janela, o aplicativo (entrada
desktop e executável) e como foi encontrado, e qual perfil ele seleciona
ou por que nenhum; --watch mostra tudo de novo após cada troca de aplicativo</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>verifica tudo de que o teclado precisa, uma linha por item, com a correção
de cada problema: os nós de dispositivo do teclado e /dev/uinput, a regra
do udev e a entrada hwdb, o auxiliar e os backends que ele escolheu, o
ambiente gráfico e sua extensão do Shell ou script do KWin, o início
automático, o arquivo de configurações</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>só o passo de que este ambiente gráfico precisa para a troca automática, se houver</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>Comandos sobre o arquivo de configurações (o auxiliar não precisa estar em execução):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>verifica um arquivo de configurações, por padrão o do usuário
(~/.config/halvane/com.halvane.keyboard.plist, ou $HALVANE_SETTINGS);
mostra cada problema com sua posição no arquivo, p. ex.
“erro: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350”</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>grava o perfil N em FILE, uma lista de propriedades contendo “Format” (1)
e o registro do perfil em “Profile”; um perfil com erros não é
exportado</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>substitui o perfil N pelo perfil em FILE; o perfil é verificado
antes e nada muda se tiver erros; depois, pede-se a um auxiliar em
execução que recarregue</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>lista as versões anteriores guardadas do arquivo de configurações (as 10
mais recentes, em ~/.config/halvane/backups), numeradas a partir da mais
recente, com a hora em que cada uma foi substituída e seu tamanho</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>restaura o backup N como arquivo de configurações (o conteúdo atual vira
um backup também); depois, pede-se a um auxiliar em execução que recarregue</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>este texto</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>a versão do software Halvane</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>Erros são casos em que o software agiria de modo diferente do que o arquivo diz, ou
valores que as preferências nunca gravam; avisos são desvios inofensivos do que as
preferências gravam (uma entrada ausente lida como um valor sensato, uma chave desconhecida).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>Status de saída: 0 concluído (só avisos o deixam em 0); 1 check encontrou erros, export ou
import recusou um perfil com erros, ou doctor encontrou algo que impede o teclado de
funcionar; 2 não foi possível executar o comando (argumentos inválidos, um arquivo que não
pode ser lido ou gravado, o auxiliar parado ou sem responder).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>Tente “%1”.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>o auxiliar do Halvane não respondeu</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>o arquivo de configurações contém só %n perfil</numerusform>
            <numerusform>o arquivo de configurações contém só %n perfis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>não mudou em %n segundo (uma macro pode estar em reprodução; a mudança vem quando ela terminar)</numerusform>
            <numerusform>não mudou em %n segundos (uma macro pode estar em reprodução; a mudança vem quando ela terminar)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>o auxiliar do Halvane ficou no perfil %1 e não mudou para o perfil %2: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>o auxiliar do Halvane recarregou as configurações</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, mas:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>não foi possível acompanhar: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>Acompanhando as mudanças de perfil; pressione Ctrl-C para parar.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>Backend:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Janela:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>classe</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>instância</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>aplicativo GTK</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>arquivo desktop do KDE</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>não diz nada sobre seu aplicativo</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>Aplicativo:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1 (%2), encontrado por %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>Entrada desktop:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>também:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>nenhuma entrada desktop encontrada</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Executável:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>nenhum: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>Escolha do backend: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>não foi possível acompanhar o aplicativo em primeiro plano do auxiliar</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>Acompanhando as trocas de aplicativo; pressione Ctrl-C para parar.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 não é um arquivo de configurações (a raiz não é um dicionário)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: nenhum problema</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erro</numerusform>
            <numerusform>%n erros</numerusform>
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
        <translation>Perfil %1 exportado para %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>o perfil %1 tem erros; nada foi exportado</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 tem erros; nada foi alterado</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 importado como perfil %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>o perfil foi importado</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>O auxiliar do Halvane não está em execução; ele lerá o novo perfil quando iniciar.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, mas o auxiliar do Halvane não respondeu ao pedido de recarga; reinicie o auxiliar, senão ele gravará de volta as configurações antigas ao encerrar</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>O auxiliar do Halvane recarregou as configurações.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>Ainda não há backups de %1.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>Backups de %1, do mais recente ao mais antigo:</translation>
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
        <translation>Configurações restauradas como estavam até %1 (backup %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>o backup foi restaurado</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>O auxiliar do Halvane não está em execução; ele lerá as novas configurações quando iniciar.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>Observação: %1 inicia %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>Observação: o perfil passa a ser o atual sempre que %1 vem para o primeiro plano</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>nenhuma configuração carregada</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>a troca automática está suspensa (%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>o aplicativo da janela é desconhecido, então nenhum perfil está associado a ele</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>nenhuma janela está ativa</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>nenhum perfil indica este aplicativo em %1</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>o perfil %1 o indica, mas %2 está desativado</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>seleciona o perfil %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>o auxiliar está em execução</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>auxiliar iniciado por meio de %1</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>auxiliar iniciado</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>nenhum barramento de sessão: o auxiliar não foi iniciado</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>não foi possível encontrar o auxiliar para iniciá-lo</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>Teclas de atalho</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>não é uma sessão Wayland</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>nenhum display X</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>portal do desktop GlobalShortcuts (versão %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>tem prioridade menor</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>captura de teclas pelo XWayland, vista apenas enquanto um aplicativo X tem o foco (%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>captura de teclas no servidor X</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>nenhum display X; %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>todo registro é recusado (%1)</translation>
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
        <translation>Script do KWin: o sistema de scripts do KWin não responde (%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>Script do KWin: substituído o que um auxiliar anterior deixou carregado</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>Script do KWin: o KWin não carregou %1 (%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>Script do KWin: carregado, mas não executado (%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>Script do KWin: %1 não está instalado</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>Teclas sintéticas</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sessão Wayland</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>teclado virtual uinput (sessão Wayland)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>sem uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>o teclado virtual do compositor Wayland (sem uinput: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1; sem teclado virtual Wayland: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest no display X %1, alcançando apenas clientes X (sem uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest no display X %1</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>apenas clientes X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sessão X11</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>sem XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>teclado virtual uinput (sem XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>nenhum backend consegue enviar eventos</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>as macros são apenas rastreadas (sem XTest: %1; sem uinput: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>nenhuma conexão Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>o compositor não tem %1</translation>
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
        <translation>abre %1, que não foi encontrado</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>muda para o perfil “%1”</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>muda para o perfil %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>repete enquanto a tecla estiver pressionada</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>repete até a tecla ser pressionada de novo</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>nada atribuído</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>pressiona %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>espera %1 segundos</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>clica com %1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>pressiona %1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>solta %1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>o botão esquerdo</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>o botão direito</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>o botão do meio</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>o botão Voltar</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>o botão Avançar</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>rola %n entalhe para cima</numerusform>
            <numerusform>rola %n entalhes para cima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>rola %n entalhe para baixo</numerusform>
            <numerusform>rola %n entalhes para baixo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>rola %n entalhe para a esquerda</numerusform>
            <numerusform>rola %n entalhes para a esquerda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>rola %n entalhe para a direita</numerusform>
            <numerusform>rola %n entalhes para a direita</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>digita “%1”</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>nenhum barramento de sessão</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>nenhum servidor de notificações no barramento de sessão</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>Indicação na tela</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>sem layer-shell: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>sem indicação do GNOME Shell: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>sem notificações: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>janela fora da tela (sem display)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>janela X11 sempre no topo</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>superfície layer-shell na camada overlay</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>extensão do GNOME Shell</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>notificações da área de trabalho</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>janela Wayland comum posicionada pelo compositor</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>Botões e roda do mouse</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>sessão Wayland</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>ponteiro virtual uinput (sessão Wayland)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>apenas clientes X</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>sessão X11</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>XTest no display X %1, alcançando apenas clientes X (sem uinput: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>XTest no display X %1</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>sem XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>ponteiro virtual uinput (sem XTest: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>nenhum backend pode enviar eventos do mouse</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>os passos de mouse são apenas rastreados (sem XTest: %1; sem uinput: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>nenhum barramento de sessão</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>nenhum portal do desktop</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>o portal do desktop não tem GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 não é um pacote de painel de preferências</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>o painel de %1 não foi inicializado</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>o painel de %1 não tem visualização</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>não foi possível encontrar %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>os números de perfil vão de 1 a %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>o arquivo de configurações não tem perfis</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>o arquivo de configurações não tem o perfil %1 (ele tem %2)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>não é um arquivo de perfil (a raiz não é um dicionário)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>ausente (não é um arquivo de perfil)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>não é um inteiro (não é um arquivo de perfil)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 não é um formato que esta versão lê (ela lê %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>não é uma chave de arquivo de perfil (ignorada)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>não é uma lista de propriedades (%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 é o próprio arquivo de configurações</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>não foi possível ler o arquivo de configurações %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>o arquivo de configurações %1 não é um dicionário</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>não há arquivo de configurações, e não foi possível ler as configurações padrão %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>não foi possível gravar o arquivo de configurações %1: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>aninhado em mais de %1 níveis</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>uma lista de propriedades binária danificada</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nada a gravar</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>um segundo elemento raiz</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>texto fora dos elementos</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>nenhum elemento</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>um segundo valor dentro de &lt;plist&gt;</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; não contém valor</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>texto entre elementos</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; não é um elemento de lista de propriedades</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; contém um elemento</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; contém “%2”</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;%1&gt; onde deveria haver uma &lt;key&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>uma &lt;key&gt; sem valor</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>erro de XML em %1: %2</translation>
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
        <translation>não há barramento de sessão D-Bus (%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>o auxiliar do Halvane não está em execução</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nenhum display X (DISPLAY não está definida)</translation>
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
        <translation>Não foi possível criar a pasta de backups %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>Não foi possível renomear o backup %1 para %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>Não foi possível manter um backup de %1 em %2 (%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>não há backups de %1</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>não há backup %1 (1 a %2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>o backup %1 não pode ser lido como configurações (%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>a raiz não é um dicionário</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>Não foi possível ler o arquivo de configurações %1 (%2) para movê-lo para %3; ele permanece onde está</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>Não foi possível copiar o arquivo de configurações %1 para %2 (%3); ele permanece onde está</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>A cópia do arquivo de configurações em %1 difere de %2; o original permanece onde está</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>O arquivo de configurações %1 foi copiado para %2, mas não foi possível remover o original</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>Usando o arquivo de configurações %1; o mais antigo em %2 não foi alterado</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>O arquivo de configurações foi movido de %1 para %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>Não foi possível ler o arquivo de configurações (%1); ele foi mantido como %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>Não foi possível ler o arquivo de configurações (%1) nem movê-lo para %2 (%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>a raiz não é um dicionário</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>as configurações não são um dicionário</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>nada a gravar</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>O arquivo de configurações %1 é %2; usando as configurações padrão sem salvá-las</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>o pacote do programa não contém configurações padrão</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>não foi possível ler as configurações padrão %1 (%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>Não foi possível criar %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>nada utilizável</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>um booleano</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>um inteiro</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>um número real</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>uma string</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>dados</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>uma data</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>um array</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>um dicionário</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>1 perfil, esperados %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n perfil, esperados %1</numerusform>
            <numerusform>%n perfis, esperados %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>1 tecla de macro, esperadas %1</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n tecla de macro, esperadas %1</numerusform>
            <numerusform>%n teclas de macro, esperadas %1</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>ausente</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>ausente (não há perfis: nenhuma tecla faz nada)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>ausente (lido como 0: o auxiliar inicia com o perfil 1)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>ausente (lido como false)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>ausente (lido como nome vazio)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>ausente (nenhuma tecla de macro deste perfil faz nada)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>ausente (as teclas de imagem não indicam nenhum aplicativo)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>ausente (as teclas de mídia não indicam nenhum reprodutor)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>ausente (lido como nenhum aplicativo)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 não é um caminho absoluto (a troca automática compara caminhos completos, então nunca há correspondência)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>ausente (lido como vazio: a tecla não faz nada)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 não é uma ação (a tecla não faz nada; as ações são %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>ausente (a macro não reproduz nada)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>nenhum passo gravado (a macro não reproduz nada)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>ausente (a tecla não inicia nada)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>ausente (lido como vazio)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>vazio (a tecla não inicia nada)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 não é um caminho absoluto</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>ausente (lido como dados vazios)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>ausente (lido como 0: a tecla seleciona o perfil 1)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>ausente (lido como 0)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>ausente (o rótulo da tecla fica vazio)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>ausente (um passo ausente reproduz a tecla 0)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 não é um código de tecla (0-%2, ou -1 para um passo vazio)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>ausente (lido como 0: sem modificadores)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>-1 com uma tecla (o auxiliar mantém pressionados os quatro modificadores; as Preferências mostram (Nenhuma))</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 não é uma máscara de modificadores</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>os bits 0x%1 não são modificadores (ignorados)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>ausente (lido como 0: sem pausa)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 não é um número de milissegundos</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 é maior que %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 é menor que 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 não é um número inteiro de milissegundos (as Preferências guardam milissegundos inteiros)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>%1 depois de um passo vazio é ignorado (um passo vazio não causa pausa)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>um número</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>a raiz é %1, esperado %2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>é %1, esperado %2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>contém o caractere de controle U+%1 (caractere %2), que poderia controlar um terminal que mostre o nome</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>tem %n caractere; um nome tem no máximo %1</numerusform>
            <numerusform>tem %n caracteres; um nome tem no máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 está fora de 0-%2</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 não é um booleano (true, false, 0 ou 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 não é nenhum de %2</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>não é uma chave de configurações (ignorada: uma macro tem passos 0-%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>não é uma chave de configurações (ignorada)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 não é um tipo de passo (todo programa reproduz o código de tecla do passo; os tipos são %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 não é um tipo de passo (programas mais antigos e este pulam o passo; os tipos são %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 em um passo com código de tecla %2 (todo programa reproduz a tecla e ignora o tipo; um passo de outro tipo tem código de tecla -1)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>ignorada (o passo está vazio: seu código de tecla é -1 e ele não indica outro tipo)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>não usada por um passo %1 (ignorada)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>ausente (os programas pulam o passo)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>ausente (o passo não digita nada)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>vazio (o passo não digita nada)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>tem %n caractere; um passo de texto digita no máximo %1 (o resto é omitido)</numerusform>
            <numerusform>tem %n caracteres; um passo de texto digita no máximo %1 (o resto é omitido)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>ausente (lido como 1: um entalhe)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 está fora de %2-%3</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>Digitação de texto</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>caracteres fora do layout por códigos de tecla livres</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>caracteres fora do layout por um mapa de teclas que os contém</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>apenas os caracteres do layout do teclado; os demais precisam do X11 ou de um ambiente com o protocolo de teclado virtual (sway, Hyprland e outros ambientes wlroots)</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>os passos de texto são apenas registrados</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 não existe: carregue o módulo do kernel uinput (%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>sem permissão em %1: instale as regras do udev do Halvane, que dão acesso a ele ao usuário conectado</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 não tem um driver uinput por trás: carregue o módulo do kernel uinput</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>não foi possível usar %1: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>nenhuma conexão Wayland</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>o compositor não tem %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>nenhum mapa de teclado para dar ao teclado virtual</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>o compositor recusou um teclado virtual</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>nenhum display X (DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>não foi possível conectar ao display X %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>o display X %1 não tem essa tela</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>Escolher um aplicativo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Outro…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>Pesquisar nos aplicativos</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>As setas escolhem na lista, Enter confirma</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicativos instalados</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>cancelada com Escape</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>o auxiliar está encerrando</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>o sistema está entrando em suspensão</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>a sessão não está mais ativa</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>o teclado foi desconectado</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>Macro interrompida: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>Não foi possível armazenar o perfil atual em %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>Um passo de texto omitiu %n caractere que este ambiente gráfico não consegue digitar: %1</numerusform>
            <numerusform>Um passo de texto omitiu %n caracteres que este ambiente gráfico não consegue digitar: %1</numerusform>
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
        <translation>A tecla abre %1.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>Macro limpa.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>Grava cada tecla pressionada, inclusive Tab e Escape, até oito teclas. Pressione Escape duas vezes rápido para parar a gravação.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>Como a macro é reproduzida</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>Perfil para o qual mudar</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>Tecla de macro %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>Gravação interrompida.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>Gravação limpa.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Não gravada: uma macro tem no máximo %n tecla.</numerusform>
            <numerusform>Não gravada: uma macro tem no máximo %n teclas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>Gravado %1, tecla %2 de %3.</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>Grave uma tecla primeiro: a pausa vem depois dela.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Depois de %1, a macro %2.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>Depois do passo %1, a macro %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Não adicionado: uma macro tem no máximo %n passo.</numerusform>
            <numerusform>Não adicionado: uma macro tem no máximo %n passos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>Passo %1 adicionado: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>Passo %1 removido.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>Adiciona esta pausa depois do último passo escolhido ou, se não houver, depois do último passo</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>Não foi possível usar o arquivo de configurações como estava.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>Não foi possível ler ou criar as configurações.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Teclado Halvane</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
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
        <translation>%1 (não instalado)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter ou Space muda o que a tecla faz, Shift+F10 ou a tecla Menu abre mais opções, as setas vão para as outras teclas de macro.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>Teclas de macro</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1 a L5 à esquerda do teclado, R1 a R5 à direita</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>Teclas de macro e perfis</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>O teclado mudou para o perfil %1, “%2”.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>Configurações salvas; o teclado já as usa.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>Configurações salvas.</translation>
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
        <translation>Troca automática</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Sair do auxiliar do Halvane</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>Este desktop não consegue digitar: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>Passo %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>Passo %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>Texto a digitar</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>Botão do mouse</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>O que o botão faz</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>Direção da roda</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>Entalhes</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>Remover o passo %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>Meio</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>Clicar</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>Pressionar</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>Para a direita</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space liga ou desliga</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 ou Enter renomeia o perfil</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter escolhe o aplicativo que muda para este perfil</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>nenhum</translation>
    </message>
</context>
</TS>
