<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>“%1”不是配置文件编号（1 到 %2）</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>%1 的参数个数不对（用法：%2）</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>文件名为空</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>“%1”不是备份编号（编号见“%2”的列表）</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>未知命令“%1”</translation>
    </message>
</context>
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation>输入了 %1</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>发送了 %n 个系统按键事件</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>按下了 %1</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>停顿了 %1</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>切换到 %1（已在屏幕上显示）</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>切换到配置文件 %1</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>确保其在登录时启动</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>为 %1 运行了其脚本</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>请求 %1 执行 %2</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>打开了 %1</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>无法创建临时文件夹</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>播放键</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>弹出键</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>配置文件键 + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>配置文件键 + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>无法从 %1 生成演示设置</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>正在使用演示配置文件和虚拟键盘启动辅助程序...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>辅助程序未找到虚拟键盘</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>辅助程序已找到键盘：%1。</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>已就绪</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无操作</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>辅助程序意外停止</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>辅助程序未连接到虚拟键盘</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>辅助程序未在 5 秒内停止</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>辅助程序已退出，状态为 %1</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>辅助程序已正常停止。</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>辅助程序输出：</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>没有妨碍键盘工作的问题</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>有 %n 个问题妨碍键盘工作</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>另有 %n 个问题值得修复</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>修复：</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>要在此桌面上使用自动切换，需先完成一个步骤：</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>未命名的桌面</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>注销后重新登录（Wayland 上的 GNOME 仅在登录时发现新扩展）</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1（自动切换和屏幕上的配置文件名称需要它）</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>GNOME Shell 扩展 %1：未安装</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>GNOME Shell 扩展：%1 不适用于 GNOME %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>GNOME Shell 扩展：%1，正在运行</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>GNOME Shell 扩展已全部关闭</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>GNOME Shell 扩展 %1：已安装，未启用</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>GNOME Shell 扩展 %1：已安装，但 GNOME Shell 尚未启动它</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>如果仍未运行：%1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1（自动切换需要它）</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>KWin 脚本 %1：未安装</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>KWin 脚本：%1（辅助程序启动时会加载它）</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>KWin 脚本：KWin 在此会话总线上没有响应</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>在 Plasma 会话的终端中运行 %1</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>KWin 脚本：%1 已安装，但 KWin 尚未加载它</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>重新启动辅助程序，它会在启动时加载该脚本（其日志说明了无法加载的原因：%1）</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>KWin 脚本：%1，已加载</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>桌面：未发现图形会话（DISPLAY 和 WAYLAND_DISPLAY 均未设置）</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>在您的桌面会话的终端中运行 %1</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>桌面：%1，%2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>您对 %1 既没有读取权限也没有写入权限</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>您对 %1 没有写入权限</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>您对 %1 没有读取权限</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>您对 %1 有读写权限</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>udev 规则：%1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>udev 规则：%1 中没有 Halvane 规则（已清空或被屏蔽）</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>udev 规则：安装在 %1，但 udev 不会在该处查找</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>udev 规则：%1 未安装（已在 %2 中查找）</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>udev 规则已生效：%1 带有 uaccess</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>udev 规则未生效：%1 没有 uaccess 标签</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>安装 udev 规则（见上文），然后运行：%1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>或者重新插入键盘</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>键盘访问：您可以读写 %1</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>键盘访问：%1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>然后直接在本机上登录（而非通过 ssh），或者暂时运行：%1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1：可写</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1（媒体键和弹出键需要它，在 Wayland 上所有宏也需要它）</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   （每次开机时）</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 将其映射为 KEY_SLEEP</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev 没有为 %1 提供 Halvane hwdb 条目</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>hwdb 条目：已在编译后的 hwdb 中</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>编译后的 hwdb 中没有 Halvane 条目</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>hwdb 条目：%1 上的宏键不是系统键</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>hwdb 条目未生效：%1（宏键 0xF8 会使计算机挂起）</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>键盘：%n 个接口（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>键盘：未插入；%2 中有 %1 的 %n 个虚拟接口</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>键盘：未找到（没有 HID 设备 %1:%2 或 %1:%3 的 hidraw 节点）</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>插入键盘（若要在没有键盘的情况下试用：%1）</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>自动启动：%1 已关闭</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>自动启动：%1 不启动任何程序</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>自动启动：%1 启动 %2，但它不存在</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>自动启动：%1 和 %2 都会在登录时启动辅助程序</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1（辅助程序会写入一个将启动交给该单元的文件）</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>自动启动：%1 已启用</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>自动启动：%1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>自动启动：辅助程序不会在登录时启动</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>启动一次辅助程序，它会添加 %1：%2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1，然后启动一次辅助程序，它会写入一个新文件：%2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>启动一次 %1，它会写入默认设置</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   （最新的备份）</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>设置：%1 不存在（没有它，按键不起作用）</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>设置：无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>其根不是字典</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1，然后 %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>设置：%1 有 %n 个错误</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   （逐一列出），然后在 %2 中更正</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>或者恢复到较早的版本：%1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>设置：%1 有效</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>设置：%1 有效（%n 个警告：%2）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>退出辅助程序（结束其 HalvaneHelper 进程），然后运行：%1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>模拟按键</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>HID 事件</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>前台应用程序</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>叠加层</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1：辅助程序未说明选择了哪个后端</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>更新并重新启动辅助程序：%1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>自动切换已关闭；请在桌面会话中启动辅助程序，以便它能找到桌面的窗口：%1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>使 /dev/uinput 可写（见上文），然后%1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane 辅助程序未运行</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>辅助程序：%1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>启动它：%1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>辅助程序：占用了 %1，但没有响应</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>辅助程序：正在运行的版本为 %1，但此 halvanectl 的版本为 %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>要运行已安装的版本，请%1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>辅助程序：正在运行，版本 %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>鼠标按键和滚轮</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>文本步骤</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>文件夹，而非普通文件</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>FIFO，而非普通文件</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>套接字，而非普通文件</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>字符设备，而非普通文件</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>块设备，而非普通文件</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>特殊文件，而非普通文件</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>大于 %1 MiB</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>前台应用程序</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X 显示 %1 拒绝连接（%2），%3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>无法设置 %1，%2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP 为 %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 不在会话总线上</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>没有 Wayland 连接</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>合成器不提供 %1</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>没有 HYPRLAND_INSTANCE_SIGNATURE</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>没有 NIRI_SOCKET</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>没有 SWAYSOCK</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未设置 DISPLAY</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>不是 Wayland 会话</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>优先级较低</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>不使用 %1：%2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>通过我们的 GNOME Shell 扩展</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>通过我们的 KWin 脚本</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>Hyprland 的事件套接字</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>niri 的事件流</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1，以及来自 sway IPC 的 pid</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>XWayland 上的 _NET_ACTIVE_WINDOW，仅能看到 X 应用程序</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>自动切换已关闭</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>GNOME Shell 扩展 %1：Shell 未告知其是否在运行（%2）</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>GNOME Shell 扩展 %1 未安装：%2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>GNOME Shell 扩展 %1 未启用：%2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>自动切换需要它；请运行 `%1`（在 Wayland 上，新安装的扩展只有在重新登录后才会被发现）</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell 未运行</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>扩展 halvane-keyboard@halvane.com 未启用</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>HID 事件（弹出、媒体键、鼠标）</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput 可用</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>没有 uinput</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>仅记录到跟踪，%1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>（无）</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>宏键</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>执行宏</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>新宏：</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>按下宏键时宏的播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>按住时重复</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>按一下开始，再按一下停止</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>当前宏：</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>此键当前的宏</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>单击此处，然后键入最多八个键</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>此按钮获得焦点时，您键入的每个键（包括快捷键）都会被录制。</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>最后一个键后停顿：</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 毫秒</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 毫秒</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150 毫秒</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 毫秒</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>应用程序：</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>此键打开的应用程序</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>选择配置文件</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置文件：</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>此键切换到的配置文件</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>配置文件 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>配置文件 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>配置文件 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>配置文件 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>配置文件 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>配置文件 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>配置文件 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>配置文件 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>配置文件 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>添加步骤</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>添加一个输入文本、使用鼠标按键或转动滚轮的步骤</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>按“确定”或“应用”后保存的宏</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 键盘</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>宏键</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>要编辑的配置文件：</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>交换 Command（Super）键和 Alt 键</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5：单击以录制宏；右击查看更多选项</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>媒体键控制：</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>在此配置文件中由键盘媒体键控制的媒体播放器</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>图像键控制：</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>在此配置文件中由图像键控制的图像应用程序</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>重置按键</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>清除此配置文件中所有宏键的功能</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>自动切换</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>双击配置文件名称可将其重命名；双击其应用程序可选择自动切换到该配置文件的应用程序。</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>重置配置文件</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>将所选配置文件恢复为初始设置</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>在屏幕上显示配置文件切换</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>停用配置文件自动切换</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>在托盘中显示辅助程序</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>显示当前配置文件编号的图标，以及用于切换配置文件的菜单</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Halvane 键盘帮助</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>保存设置并将其传给键盘</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>宏键</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>选择配置文件</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>启动应用程序…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>重置按键</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>单击宏键（或在其上按 Enter）可录制宏、启动应用程序或选择配置文件。右击或按 Shift+F10 可查看更多选项。</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Halvane 键盘软件的命令行客户端。配置文件编号为 1 到 10，
与首选项中的显示一致：“4 - Games”是第四个配置文件，名为 Games。</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>与正在运行的 Halvane 辅助程序通信的命令：</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>显示当前配置文件，例如“4 - Games”</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>切换到配置文件 N（与首选项中的操作相同：如有要求，
辅助程序会在屏幕上显示该配置文件，且不广播切换）</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>让辅助程序重新读取设置文件</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>逐行显示辅助程序广播的每次配置文件切换（“4 - Games”），
直到被中断；辅助程序可以稍后再启动</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>辅助程序在前台看到的内容：窗口系统，窗口的 app_id、
类、实例和进程，应用程序（桌面条目和可执行文件）
及其查找方式，以及由此选择的配置文件或未选择的原因；
--watch 会在每次切换应用程序后再次显示</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>检查键盘所需的一切，每项一行，并给出每个问题的修复方法：
键盘的设备节点和 /dev/uinput、udev 规则和 hwdb 条目、
辅助程序及其选择的后端、桌面及其 Shell 扩展或 KWin 脚本、
自动启动、设置文件</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>仅显示此桌面实现自动切换所需的步骤（如有）</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>操作设置文件的命令（辅助程序无需运行）：</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>检查设置文件，默认为用户的设置文件
（~/.config/halvane/com.halvane.keyboard.plist 或 $HALVANE_SETTINGS）；
显示每个问题及其在文件中的位置，例如
“错误：Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350”</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>将配置文件 N 写入 FILE，即一个包含 &quot;Format&quot; (1)
以及 &quot;Profile&quot; 下的配置文件记录的属性列表；
有错误的配置文件不会被导出</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>用 FILE 中的配置文件替换配置文件 N；先检查该配置文件，
有错误时不做任何更改；然后请求正在运行的辅助程序重新加载</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>列出保留的设置文件旧版本（最新的 10 个，位于
~/.config/halvane/backups），从最新的开始编号，
并显示每个版本被替换的时间及其大小</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>将备份 N 恢复为设置文件（当前内容本身会成为一个备份）；
然后请求正在运行的辅助程序重新加载</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>显示此帮助文本</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>显示 Halvane 软件的版本</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>错误是指软件的实际行为与文件内容不符之处，
或首选项从不写入的值；警告是与首选项写入的内容
之间无害的差异（缺失但读作合理值的条目、未知的键）。</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>退出状态：0 完成（仅有警告时仍为 0）；
1 check 发现错误，export 或 import 拒绝了有错误的配置文件，
或 doctor 发现了妨碍键盘工作的问题；
2 无法执行命令（参数错误、文件无法读写、辅助程序未运行或无响应）。</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>请尝试“%1”。</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>Halvane 辅助程序没有响应</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>设置文件中只有 %n 个配置文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>未在 %n 秒内切换（可能有宏正在播放；播放结束后才会切换）</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>Halvane 辅助程序停留在配置文件 %1，未切换到配置文件 %2：%3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>Halvane 辅助程序已重新加载其设置</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1，但是：</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>无法监视：%1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>正在监视配置文件切换；按 Ctrl-C 停止。</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>后端：</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>窗口：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>类</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>实例</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>GTK 应用程序</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>KDE 桌面文件</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 “%2”</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>未提供其应用程序的任何信息</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>应用程序：</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1（%2），通过 %3 找到</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>桌面条目：</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>另有：</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>未找到桌面条目</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>可执行文件：</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>配置文件：</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>无：%1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>后端选择：%1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>无法监视辅助程序的前台应用程序</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>正在监视应用程序切换；按 Ctrl-C 停止。</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 不是设置文件（其根不是字典）</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1：没有问题</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1：%2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n 个错误</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>已将配置文件 %1 导出到 %2</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>配置文件 %1 有错误；未导出任何内容</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 有错误；未做任何更改</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1；未做任何更改</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>已将 %1 导入为配置文件 %2</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>配置文件已导入</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Halvane 辅助程序未运行；它将在启动时读取新的配置文件。</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1，但 Halvane 辅助程序没有响应重新加载请求；请重新启动辅助程序，否则它会在退出时写回旧的设置</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Halvane 辅助程序已重新加载其设置。</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>%1 尚无备份。</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>%1 的备份（最新的在前）：</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>已将设置恢复为 %1 之前的状态（备份 %2）。</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>备份已恢复</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Halvane 辅助程序未运行；它将在启动时读取新的设置。</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>注意：%1 会启动 %2</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>注意：每当 %1 切换到前台时，此配置文件都会成为当前配置文件</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>未加载任何设置</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>自动切换已停用（%1）</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>窗口所属的应用程序未知，因此没有与之绑定的配置文件</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>没有活动窗口</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>没有配置文件的 %1 指定此应用程序</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>配置文件 %1 指定了它，但其 %2 已关闭</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>选择配置文件 %1</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>辅助程序正在运行</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>已通过 %1 启动辅助程序</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>已启动辅助程序</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>没有会话总线：未启动辅助程序</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>找不到要启动的辅助程序</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>热键</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>不是 Wayland 会话</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>没有 X 显示</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>桌面门户 GlobalShortcuts（版本 %1）</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>优先级较低</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>通过 XWayland 抓取按键，仅在 X 应用程序获得焦点时有效（%1）</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>在 X 服务器上抓取按键</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>没有 X 显示；%1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>所有注册均被拒绝（%1）</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 键盘</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>KWin 脚本：KWin 的脚本接口没有响应（%1）</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>KWin 脚本：已替换之前的辅助程序遗留加载的脚本</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>KWin 脚本：KWin 未加载 %1（%2）</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>KWin 脚本：已加载但未运行（%1）</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>KWin 脚本：%1 未安装</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>模拟按键</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland 会话</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>uinput 虚拟键盘（Wayland 会话）</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>没有 uinput</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>Wayland 合成器的虚拟键盘（没有 uinput：%1）</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1；没有 Wayland 虚拟键盘：%2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X 显示 %1 上的 XTest，仅能到达 X 客户端（没有 uinput：%2）</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X 显示 %1 上的 XTest</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>仅限 X 客户端</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 会话</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>没有 XTest</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>uinput 虚拟键盘（没有 XTest：%1）</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>没有可发送事件的后端</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>宏仅被记录到跟踪（没有 XTest：%1；没有 uinput：%2）</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>没有 Wayland 连接</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>合成器不提供 %1</translation>
    </message>
</context>
<context>
    <name>MacroKeySpeech</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A macro key&apos;s name (L1 to R5) and what the key does</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>opens %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>打开 %1（已找不到）</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>切换到配置文件“%1”</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>切换到配置文件 %1</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>按住此键时重复</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>重复，直到再次按下此键</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>未分配</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>键入 %1</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>停顿 %1 秒</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>单击%1</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>按下%1</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>松开%1</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>左键</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>后退键</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>前进键</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>向上滚动 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>向下滚动 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>向左滚动 %n 格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>向右滚动 %n 格</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>输入“%1”</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>会话总线上没有通知服务器</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>叠加层</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>没有 layer-shell：%1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>没有 GNOME Shell 叠加层：%1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>没有通知：%1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>屏幕外窗口（没有显示）</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>始终置顶的 X11 窗口</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>位于 overlay 层的 layer-shell 表面</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>GNOME Shell 扩展</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>桌面通知</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>由合成器放置的普通 Wayland 窗口</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>鼠标按键和滚轮</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland 会话</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>uinput 虚拟指针（Wayland 会话）</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>仅限 X 客户端</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 会话</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X 显示 %1 上的 XTest，仅能到达 X 客户端（没有 uinput：%2）</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X 显示 %1 上的 XTest</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>没有 XTest</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>uinput 虚拟指针（没有 XTest：%1）</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>没有后端能发送鼠标事件</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>鼠标步骤仅被记录到跟踪（没有 XTest：%1；没有 uinput：%2）</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>没有桌面门户</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>桌面门户不提供 GlobalShortcuts</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 不是首选项面板包</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>%1 的面板未能初始化</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>%1 的面板没有视图</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>找不到 %1</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>配置文件编号为 1 到 %1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>设置文件中没有配置文件</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>设置文件中没有配置文件 %1（文件中有 %2 个）</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>不是配置文件导出文件（其根不是字典）</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>缺失（不是配置文件导出文件）</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>不是整数（不是配置文件导出文件）</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 不是此版本能读取的格式（此版本读取 %2）</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>不是配置文件导出文件的键（已忽略）</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有此文件</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>不是属性列表（%1）</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 就是设置文件本身</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>无法读取设置文件 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>设置文件 %1 不是字典</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>没有设置文件，且无法读取默认设置 %1</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>无法写入设置文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>已损坏的二进制属性列表</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>没有要写入的内容</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>第二个根元素</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>元素之外的文本</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>没有元素</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; 中的第二个值</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; 中没有值</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>元素之间的文本</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; 不是属性列表元素</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; 中包含元素</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; 中包含“%2”</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>应为 &lt;key&gt; 的位置出现了 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;key&gt; 没有值</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>%1 处的 XML 错误：%2</translation>
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
        <translation>没有 D-Bus 会话总线（%1）</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane 辅助程序未运行</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>没有 X 显示（未设置 DISPLAY）</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>无法创建备份文件夹 %1</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>无法将备份 %1 重命名为 %2</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>无法在 %2 中保留 %1 的备份（%3）</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>没有 %1 的备份</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>没有备份 %1（编号为 1 到 %2）</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>备份 %1 无法作为设置读取（%2）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>其根不是字典</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>无法读取设置文件 %1（%2），因此未能将其移至 %3；文件保留在原处</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>无法将设置文件 %1 复制到 %2（%3）；文件保留在原处</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>位于 %1 的设置文件副本与 %2 不同；原文件保留在原处</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>已将设置文件 %1 复制到 %2，但无法删除原文件</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>正在使用设置文件 %1；位于 %2 的旧文件未作改动</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>已将设置文件从 %1 移至 %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>无法读取设置文件（%1）；已将其保留为 %2</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>无法读取设置文件（%1），也无法将其移至 %2（%3）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>其根不是字典</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>设置不是字典</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>没有要写入的内容</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>设置文件 %1 是%2；将使用默认设置，且不保存</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>程序包中没有默认设置</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>无法读取默认设置 %1（%2）</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>无法创建 %1：%2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>不可用的值</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>布尔值</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>整数</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>实数</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>字符串</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>数据</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>日期</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>数组</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>字典</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>有 1 个配置文件，应为 %1 个</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>有 %n 个配置文件，应为 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>有 1 个宏键，应为 %1 个</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>有 %n 个宏键，应为 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>缺失</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>缺失（没有配置文件：所有按键均不起作用）</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>缺失（视为 0：辅助程序启动时使用配置文件 1）</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>缺失（视为 false）</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>缺失（视为空名称）</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>缺失（此配置文件的宏键均不起作用）</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>缺失（图像键未指定任何应用程序）</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>缺失（媒体键未指定任何播放器）</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>缺失（视为无应用程序）</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 不是绝对路径（自动切换比较完整路径，因此永远不会匹配）</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>缺失（视为空：该键不起作用）</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 不是操作（该键不起作用；可用的操作有 %2）</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>缺失（宏不播放任何内容）</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>没有录制的步骤（宏不播放任何内容）</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>缺失（该键不启动任何程序）</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>缺失（视为空）</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>为空（该键不启动任何程序）</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 不是绝对路径</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>缺失（视为空数据）</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>缺失（视为 0：该键选择配置文件 1）</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>缺失（视为 0）</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>缺失（该键的标签视为空）</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>缺失（缺失的步骤播放键码 0）</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 不是键码（0-%2，空步骤为 -1）</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>缺失（视为 0：无修饰键）</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>有按键却为 -1（辅助程序会按住全部四个修饰键；首选项显示（无））</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 不是修饰键掩码</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>位 0x%1 不是修饰键（已忽略）</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>缺失（视为 0：无停顿）</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 不是毫秒数</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 大于 %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 小于 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 不是整数毫秒（首选项只保留整数毫秒）</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>空步骤后的 %1 已忽略（空步骤不产生停顿）</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>数字</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>根元素是%1，应为%2</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>是%1，应为%2</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>包含控制字符 U+%1（第 %2 个字符），可能会操控显示该名称的终端</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>长度为 %n 个字符；名称最多 %1 个字符</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 超出 0-%2 的范围</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 不是布尔值（true、false、0 或 1）</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 不是 %2 之一</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>不是设置键（已忽略：宏的步骤为 0-%1）</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>不是设置键（已忽略）</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 不是步骤类型（所有程序都播放该步骤的键码；类型为 %2）</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 不是步骤类型（旧版程序和本程序都跳过该步骤；类型为 %2）</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>%1 位于键码为 %2 的步骤上（所有程序都播放该键并忽略类型；其他类型的步骤键码为 -1）</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>已忽略（该步骤为空：其键码为 -1，且未指定其他类型）</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>%1 步骤不使用此项（已忽略）</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>缺失（程序会跳过该步骤）</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>缺失（该步骤不输入任何内容）</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>为空（该步骤不输入任何内容）</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>长度为 %n 个字符；文本步骤最多输入 %1 个字符（其余部分被省略）</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>缺失（视为 1：一格）</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 超出 %2-%3 的范围</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>文本输入</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>布局之外的字符通过空闲键码输入</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>布局之外的字符通过包含它们的键映射输入</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>只能输入键盘布局中的字符；其他字符需要 X11 或支持虚拟键盘协议的桌面（sway、Hyprland 及其他 wlroots 桌面）</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>文本步骤只被记录</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 不存在：请加载 uinput 内核模块（%2）</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>没有 %1 的权限：请安装 Halvane 的 udev 规则，使登录用户可以访问它</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 后面没有 uinput 驱动：请加载 uinput 内核模块</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>没有 Wayland 连接</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>合成器不提供 %1</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>没有可提供给虚拟键盘的键盘映射</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>合成器拒绝了虚拟键盘</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>没有 X 显示（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>无法连接到 X 显示 %1</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>X 显示 %1 没有该屏幕</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>其他…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>搜索应用程序</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>用方向键在列表中选择，按 Enter 确定</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>已安装的应用程序</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>已用 Escape 取消</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>辅助程序退出</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>系统进入睡眠</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>会话不再处于活动状态</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>键盘已拔出</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>宏已停止：%1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>无法将当前配置文件保存到 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>文本步骤跳过了此桌面无法输入的 %n 个字符：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>此键将打开 %1。</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>已清除宏。</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>录制您按下的每个键（包括 Tab 和 Escape），最多八个键。快速按两次 Escape 可停止录制。</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>宏的播放方式</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>要切换到的配置文件</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>宏键 %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>已停止录制。</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>已清除录制内容。</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>未录制：宏最多只能有 %n 个键。</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>已录制 %1，第 %2 个键，共 %3 个。</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>请先录制一个键：停顿位于最后一个键之后。</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>在 %1 之后，宏%2。</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>步骤 %1 之后，宏%2。</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>未添加：宏最多只能有 %n 个步骤。</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>已添加步骤 %1：%2。</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>已移除步骤 %1。</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>在最后选中的步骤之后添加此暂停，否则添加在最后一个步骤之后</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>无法按原样使用设置文件。</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>无法读取或创建设置。</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 键盘</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
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
        <translation>配置文件：%1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1（未安装）</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>按 Enter 或 Space 可更改此键的操作，按 Shift+F10 或菜单键可打开更多选项，按方向键可转到其他宏键。</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>宏键</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>L1 至 L5 在键盘左侧，R1 至 R5 在右侧</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>宏键和配置文件</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>键盘已切换到配置文件 %1“%2”。</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>设置已保存，键盘现已开始使用。</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>设置已保存。</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Halvane 键盘：%1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Halvane 键盘：配置文件 %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>自动切换</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>退出 Halvane 辅助程序</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>此桌面无法输入：%1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>步骤 %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>步骤 %1：%2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>要输入的文本</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>按键动作</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>滚轮方向</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>格数</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>移除步骤 %1</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>滚轮</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>中键</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>后退键</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>前进键</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>单击</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>松开</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>向下</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>向左</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>向右</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>按 Space 可打开或关闭</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>按 F2 或 Enter 可重命名配置文件</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>按 Enter 可选择切换到此配置文件的应用程序</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>无</translation>
    </message>
</context>
</TS>
