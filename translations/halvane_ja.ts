<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>「%1」はプロファイル番号ではありません（1〜%2）</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>%1 の引数の数が正しくありません（使い方: %2）</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>「%1」はバックアップ番号ではありません（「%2」が表示する番号を指定してください）</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド「%1」</translation>
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
        <translation>%1 を入力</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>システムキーイベントを %n 件送信</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>%1 を押下</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>%1 待機</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>%1 に切り替え（画面に表示）</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>プロファイル %1 に切り替え</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>ログイン時に起動するよう設定</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>%1 のスクリプトを実行</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>%1 に %2 を要求</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>%1 をオープン</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>一時フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>再生キー</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>取り出しキー</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>プロファイルキー + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>プロファイルキー + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>%1 からデモ用の設定を作成できません</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>デモ用のプロファイルと仮想キーボードでヘルパーを起動しています...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>ヘルパーが仮想キーボードを検出しませんでした</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>ヘルパーがキーボードを検出しました: %1。</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>動作なし</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>ヘルパーが予期せず停止しました</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>ヘルパーが仮想キーボードに接続していません</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>ヘルパーが 5 秒以内に停止しませんでした</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>ヘルパーがステータス %1 で終了しました</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>ヘルパーは正常に停止しました。</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>ヘルパーの出力:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>キーボードの動作を妨げる問題はありません</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>キーボードの動作を妨げる問題が %n 件あります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>ほかに修正したほうがよい点が %n 件あります</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>修正:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>このデスクトップで自動切り替えを使うには、先に次の手順が必要です:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>名前のないデスクトップ</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>ログアウトして再ログイン（Wayland 上の GNOME は新しい拡張機能をログイン時にのみ検出します）</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1（自動切り替えと画面上のプロファイル名表示に必要）</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>GNOME Shell 拡張機能 %1: 未インストール</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>GNOME Shell 拡張機能: %1 は GNOME %2 用ではありません</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>GNOME Shell 拡張機能: %1、実行中</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>GNOME Shell 拡張機能がすべて無効になっています</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>GNOME Shell 拡張機能 %1: インストール済み、無効</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>GNOME Shell 拡張機能 %1: インストール済みですが、GNOME Shell が起動していません</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>それでも動作しない場合: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1（自動切り替えに必要）</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>KWin スクリプト %1: 未インストール</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>KWin スクリプト: %1（ヘルパーが起動時に読み込みます）</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>KWin スクリプト: このセッションバスで KWin が応答しません</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>Plasma セッションの端末で %1 を実行</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>KWin スクリプト: %1 はインストール済みですが、KWin が読み込んでいません</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>ヘルパーを再起動（起動時に読み込みます。読み込めなかった理由はログにあります: %1）</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>KWin スクリプト: %1、読み込み済み</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>デスクトップ: グラフィカルセッションが見つかりません（DISPLAY と WAYLAND_DISPLAY が未設定）</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>デスクトップセッションの端末で %1 を実行</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>デスクトップ: %1、%2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1 の読み取り権限も書き込み権限もありません</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1 の書き込み権限がありません</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1 の読み取り権限がありません</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1 を読み書きできます</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>udev ルール: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>udev ルール: %1 に Halvane のルールがありません（空またはマスク済み）</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>udev ルール: udev が参照しない %1 にインストールされています</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>udev ルール: %1 はインストールされていません（%2 を確認済み）</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>udev ルール適用済み: %1 に uaccess あり</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>udev ルール未適用: %1 に uaccess タグがありません</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>udev ルールをインストールし（上記）、次を実行: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>またはキーボードを挿し直す</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>キーボードへのアクセス: %1 を読み書きできます</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>キーボードへのアクセス: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>その後、このマシンで直接ログイン（ssh 経由ではなく）、または当面は: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: 書き込み可能</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1（メディアキーと取り出しキー、Wayland ではすべてのマクロに必要）</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   （起動のたびに）</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1 により KEY_SLEEP に割り当てられています</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev が %1 に Halvane の hwdb エントリを付与していません</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>hwdb エントリ: コンパイル済み hwdb にあります</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>コンパイル済み hwdb に Halvane のエントリがありません</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>hwdb エントリ: %1 ではマクロキーはシステムキーではありません</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>hwdb エントリ無効: %1（マクロキー 0xF8 でマシンがサスペンドします）</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>キーボード: インターフェイス %n 個（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>キーボード: 未接続。%2 に %1 の仮想インターフェイス %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>キーボード: 見つかりません（HID デバイス %1:%2 または %1:%3 の hidraw ノードがありません）</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>キーボードを接続（キーボードなしで試すには: %1）</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>自動起動: %1 は無効です</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>自動起動: %1 は何も起動しません</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>自動起動: %1 は %2 を起動しますが、存在しません</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>自動起動: %1 と %2 の両方がログイン時にヘルパーを起動します</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1（ヘルパーが、起動をユニットに任せるファイルを書き込みます）</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>自動起動: %1 は有効です</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>自動起動: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>自動起動: ヘルパーはログイン時に起動しません</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>ヘルパーを一度起動すると %1 が追加されます: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1 の後、ヘルパーを一度起動すると新しいファイルが書き込まれます: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>%1 を一度起動すると既定の設定が書き込まれます</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   （最新のバックアップ）</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>設定: %1 がありません（これがないとキーは何もしません）</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>設定: %1 を読み込めません（%2）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ルートが辞書ではありません</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1 の後、%2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>設定: %1 にエラーが %n 件あります</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   （各エラーを表示）の後、%2 で修正</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>または以前のバージョンに戻す: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>設定: %1 は有効です</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>設定: %1 は有効です（警告 %n 件: %2）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>ヘルパーを終了（HalvaneHelper プロセスを終了）してから: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>擬似キー入力</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>HID イベント</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>最前面のアプリケーション</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: ヘルパーが選択したバックエンドを報告していません</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>ヘルパーを更新して再起動: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>自動切り替えはオフです。デスクトップのウィンドウを検出できるよう、デスクトップセッションからヘルパーを起動: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>/dev/uinput を書き込み可能にして（上記参照）から %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane ヘルパーが実行されていません</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>ヘルパー: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>起動: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>ヘルパー: %1 を保持していますが応答しません</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>ヘルパー: 実行中のバージョンは %1 ですが、この halvanectl は %2 です</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>インストール済みのバージョンを実行するには、%1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>ヘルパー: 実行中、バージョン %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>マウスボタンとホイール</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>テキストのステップ</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>通常のファイルではなくフォルダー</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>通常のファイルではなく FIFO</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>通常のファイルではなくソケット</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>通常のファイルではなくキャラクターデバイス</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>通常のファイルではなくブロックデバイス</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>通常のファイルではなく特殊ファイル</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>%1 MiB を超えるサイズ</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>最前面のアプリケーション</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X ディスプレイ %1 が拒否しました（%2）、%3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1 を設定できませんでした、%2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP は %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1 がセッションバスにありません</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 接続がありません</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>コンポジターに %1 がありません</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>HYPRLAND_INSTANCE_SIGNATURE がありません</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>NIRI_SOCKET がありません</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>SWAYSOCK がありません</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland セッションではありません</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>優先度が低い</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>%1 は使用しない: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>専用の GNOME Shell 拡張機能経由</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>専用の KWin スクリプト経由</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>Hyprland のイベントソケット</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>niri のイベントストリーム</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1（sway の IPC から得た pid を使用）</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>XWayland 上の _NET_ACTIVE_WINDOW（X アプリケーションのみ検出）</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>自動切り替えはオフです</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>GNOME Shell 拡張機能 %1: 実行中かどうか Shell が応答しませんでした（%2）</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>GNOME Shell 拡張機能 %1 はインストールされていません: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>GNOME Shell 拡張機能 %1 は有効ではありません: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>自動切り替えに必要です。`%1` を実行してください（Wayland では、新しくインストールした拡張機能は再ログイン後にのみ検出されます）</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell が実行されていません</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>拡張機能 halvane-keyboard@halvane.com が有効ではありません</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>HID イベント（取り出し、メディアキー、マウス）</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput を使用可能</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput がありません</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>トレースのみ、%1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>（なし）</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>マクロを実行</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>新しいマクロ:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>キーを押したときのマクロの再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1 回再生</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>押している間繰り返す</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>押して開始、もう一度押して停止</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>現在のマクロ:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>キーに現在設定されているマクロ</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>ここをクリックして、キーを 8 個まで入力</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>このボタンにフォーカスがある間は、ショートカットを含め、入力したすべてのキーが記録されます。</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>最後のキーの後の待機:</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50 ミリ秒</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100 ミリ秒</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150 ミリ秒</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200 ミリ秒</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>アプリケーションを起動</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>アプリケーション:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>キーで開くアプリケーション</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>プロファイルを選択</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>キーで切り替えるプロファイル</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>プロファイル 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>プロファイル 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>プロファイル 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>プロファイル 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>プロファイル 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>プロファイル 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>プロファイル 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>プロファイル 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>プロファイル 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>プロファイル 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>ステップを追加</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>テキストの入力、マウスボタンの操作、ホイールの回転を行うステップを追加します</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>OK または適用で保存されるマクロ</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane キーボード</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>編集するプロファイル:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Command (Super) キーと Alt キーを入れ替える</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: クリックでマクロを記録、右クリックでその他の操作</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>メディアキーの操作対象:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>このプロファイルでキーボードのメディアキーが操作するメディアプレーヤー</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>イメージングキーの操作対象:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>このプロファイルでイメージングキーが操作する画像アプリケーション</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>キーをリセット</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>このプロファイルのすべてのマクロキーの割り当てを解除します</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>自動的に切り替え</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>プロファイル名をダブルクリックすると名前を変更できます。アプリケーションをダブルクリックすると、このプロファイルに自動で切り替えるアプリケーションを選択できます。</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>プロファイルをリセット</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>選択したプロファイルを初期設定に戻します</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>プロファイルの切り替えを画面に表示</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>プロファイルの自動切り替えを無効にする</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>ヘルパーをトレイに表示</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>現在のプロファイル番号を示すアイコンと、プロファイルを切り替えるメニュー</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Halvane キーボードのヘルプ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>設定を保存してキーボードに渡します</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>プロファイルを選択</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>アプリケーションを起動…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>ホットキー</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>キーをリセット</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>マクロキーをクリックするか Enter キーを押すと、マクロの記録、アプリケーションの起動、プロファイルの選択ができます。右クリックまたは Shift+F10 でその他の操作ができます。</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Halvane キーボードソフトウェアのコマンドラインクライアントです。
プロファイルには環境設定と同じく 1〜10 の番号が付きます。
「4 - Games」は Games という名前の 4 番目のプロファイルです。</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>実行中の Halvane ヘルパーと通信するコマンド:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>現在のプロファイルを表示（例:「4 - Games」）</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>プロファイル N に切り替え（環境設定と同じく、要求があればヘルパーは
プロファイルを画面に表示し、変更は通知しません）</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>ヘルパーに設定ファイルを再読み込みさせる</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>ヘルパーが通知するプロファイルの変更を 1 行ずつ（「4 - Games」）
中断されるまで表示。ヘルパーは後から起動してもかまいません</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>ヘルパーが最前面に見ているもの: ウィンドウシステム、ウィンドウの
app_id、クラス、インスタンス、プロセス、アプリケーション
（デスクトップエントリと実行ファイル）とその検出方法、選択される
プロファイルまたは選択されない理由。--watch でアプリケーションの
切り替えごとに再表示</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>キーボードに必要なものをすべて 1 行ずつ確認し、問題ごとに修正方法を
表示: キーボードのデバイスノードと /dev/uinput、udev ルールと
hwdb エントリ、ヘルパーと選択されたバックエンド、デスクトップと
その Shell 拡張機能または KWin スクリプト、自動起動、設定ファイル</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>このデスクトップで自動切り替えに必要な手順のみ（ある場合）</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>設定ファイルを扱うコマンド（ヘルパーが実行中でなくてもかまいません）:</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>設定ファイルを確認（既定ではユーザーの
~/.config/halvane/com.halvane.keyboard.plist または $HALVANE_SETTINGS）。
すべての問題をファイル内の位置とともに表示。例:
「エラー: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350」</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>プロファイル N を FILE に書き出し。FILE は &quot;Format&quot; (1) と
&quot;Profile&quot; の下のプロファイルレコードを持つプロパティリストです。
エラーのあるプロファイルは書き出しません</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>プロファイル N を FILE のプロファイルで置き換え。先にプロファイルを
確認し、エラーがあれば何も変更しません。その後、実行中のヘルパーに
再読み込みを要求します</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>保存されている以前の設定ファイル（~/.config/halvane/backups 内の
最新 10 個）を新しい順に番号を付けて一覧表示し、それぞれが
置き換えられた日時とサイズを表示</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>バックアップ N を設定ファイルとして復元（現在の内容は
それ自体がバックアップになります）。その後、実行中のヘルパーに
再読み込みを要求します</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>このヘルプを表示</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>Halvane ソフトウェアのバージョンを表示</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>エラーとは、ソフトウェアがファイルの記述と異なる動作をする箇所や、
環境設定が決して書き込まない値のことです。警告とは、環境設定が
書き込む内容との無害な違いです（妥当な値とみなされる欠落エントリ、
不明なキー）。</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>終了ステータス: 0 完了（警告のみなら 0 のまま）。1 check がエラーを検出、
export または import がエラーのあるプロファイルを拒否、または doctor が
キーボードの動作を妨げる問題を検出。2 コマンドを実行できなかった
（引数の誤り、読み書きできないファイル、ヘルパーが未実行または無応答）。</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>「%1」を試してください。</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>Halvane ヘルパーが応答しませんでした</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>設定ファイルにはプロファイルが %n 個しかありません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>%n 秒以内に切り替わりませんでした（マクロの再生中かもしれません。その場合は再生終了後に切り替わります）</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>Halvane ヘルパーはプロファイル %1 のままで、プロファイル %2 に切り替わりませんでした: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>Halvane ヘルパーが設定を再読み込みしました</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1。ただし:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>監視できません: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>プロファイルの変更を監視しています。Ctrl-C で停止します。</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>バックエンド:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>ウィンドウ:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>クラス</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>インスタンス</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>GTK アプリケーション</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>KDE デスクトップファイル</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1「%2」</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>アプリケーションについての情報なし</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>アプリケーション:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1（%2）、%3 で検出</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>デスクトップエントリ:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>その他:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>デスクトップエントリが見つかりません</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>実行ファイル:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>なし: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>バックエンドの選択: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>ヘルパーの最前面のアプリケーションを監視できません</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>アプリケーションの切り替えを監視しています。Ctrl-C で停止します。</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1 は設定ファイルではありません（ルートが辞書ではありません）</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: 問題なし</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2、%3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>エラー %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>警告 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>プロファイル %1 を %2 に書き出しました</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>プロファイル %1 にエラーがあります。何も書き出していません</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1 にエラーがあります。何も変更していません</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1。何も変更していません</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1 をプロファイル %2 として読み込みました</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>プロファイルを読み込みました</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Halvane ヘルパーは実行されていません。起動時に新しいプロファイルを読み込みます。</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1。ただし Halvane ヘルパーが再読み込み要求に応答しませんでした。ヘルパーを再起動してください。そうしないと、終了時に古い設定が書き戻されます</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Halvane ヘルパーが設定を再読み込みしました。</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>%1 のバックアップはまだありません。</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>%1 のバックアップ（新しい順）:</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>設定を %1 までの状態に復元しました（バックアップ %2）。</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>バックアップを復元しました</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Halvane ヘルパーは実行されていません。起動時に新しい設定を読み込みます。</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>注: %1 は %2 を起動します</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>注: %1 が最前面に来るたびに、このプロファイルが現在のプロファイルになります</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>設定が読み込まれていません</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>自動切り替えは無効です（%1）</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>ウィンドウのアプリケーションが不明なため、割り当てられたプロファイルはありません</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>アクティブなウィンドウがありません</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>このアプリケーションを %1 に指定したプロファイルはありません</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>プロファイル %1 が指定していますが、その %2 はオフです</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>プロファイル %1 を選択</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>ヘルパーは実行中です</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>%1 経由でヘルパーを起動しました</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>ヘルパーを起動しました</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>セッションバスがありません: ヘルパーは起動されませんでした</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>起動するヘルパーが見つかりません</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>ホットキー</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland セッションではありません</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>X ディスプレイがありません</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>デスクトップポータルの GlobalShortcuts（バージョン %1）</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>優先度が低い</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>XWayland 経由のキーグラブ。X アプリケーションにフォーカスがある間のみ有効（%1）</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>X サーバー上のキーグラブ</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>X ディスプレイがありません。%1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>すべての登録が拒否されました（%1）</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane キーボード</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>KWin スクリプト: KWin のスクリプト機能が応答しません（%1）</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>KWin スクリプト: 以前のヘルパーが読み込んだままのスクリプトを置き換えました</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>KWin スクリプト: KWin が %1 を読み込みませんでした（%2）</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否されました</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>KWin スクリプト: 読み込み済みですが実行されていません（%1）</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>KWin スクリプト: %1 はインストールされていません</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>擬似キー入力</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland セッション</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>uinput 仮想キーボード（Wayland セッション）</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput がありません</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>Wayland コンポジターの仮想キーボード（uinput なし: %1）</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1。Wayland 仮想キーボードなし: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X ディスプレイ %1 上の XTest。X クライアントにのみ届きます（uinput なし: %2）</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X ディスプレイ %1 上の XTest</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>X クライアントのみ</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 セッション</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest がありません</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>uinput 仮想キーボード（XTest なし: %1）</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>イベントを送信できるバックエンドがありません</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>マクロはトレースのみ（XTest なし: %1。uinput なし: %2）</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 接続がありません</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>コンポジターに %1 がありません</translation>
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
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>%1 を開く（見つかりません）</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>プロファイル「%1」に切り替え</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>プロファイル %1 に切り替え</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>キーを押している間繰り返す</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>もう一度キーを押すまで繰り返す</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>割り当てなし</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>%1 を入力</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>%1 秒待機</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>%1をクリック</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1を押す</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1を離す</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>左ボタン</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>右ボタン</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>中央ボタン</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>戻るボタン</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>進むボタン</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>上に %n ノッチ スクロール</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>下に %n ノッチ スクロール</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>左に %n ノッチ スクロール</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>右に %n ノッチ スクロール</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>「%1」と入力</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>セッションバスに通知サーバーがありません</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>layer-shell なし: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>GNOME Shell オーバーレイなし: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>通知なし: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>画面外のウィンドウ（ディスプレイなし）</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>常に最前面の X11 ウィンドウ</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>overlay レイヤー上の layer-shell サーフェス</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>GNOME Shell 拡張機能</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>デスクトップ通知</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>コンポジターが配置する通常の Wayland ウィンドウ</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>マウスボタンとホイール</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland セッション</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>uinput 仮想ポインター（Wayland セッション）</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>X クライアントのみ</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 セッション</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X ディスプレイ %1 上の XTest。X クライアントにのみ届きます（uinput なし: %2）</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X ディスプレイ %1 上の XTest</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest がありません</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>uinput 仮想ポインター（XTest なし: %1）</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>マウスイベントを送れるバックエンドがない</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>マウスのステップはトレースのみ（XTest なし: %1。uinput なし: %2）</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>デスクトップポータルがありません</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>デスクトップポータルに GlobalShortcuts がありません</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1 は環境設定パネルのバンドルではありません</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>%1 のパネルが初期化されませんでした</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>%1 のパネルにビューがありません</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>%1 が見つかりません</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>プロファイル番号は 1〜%1 です</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>設定ファイルにプロファイルがありません</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>設定ファイルにプロファイル %1 がありません（プロファイル数は %2）</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>プロファイルファイルではありません（ルートが辞書ではありません）</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>ありません（プロファイルファイルではありません）</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>整数ではありません（プロファイルファイルではありません）</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1 はこのバージョンが読める形式ではありません（読める形式は %2）</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>プロファイルファイルのキーではありません（無視）</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>プロパティリストではありません（%1）</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1 は設定ファイルそのものです</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>設定ファイル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>設定ファイル %1 が辞書ではありません</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>設定ファイルがなく、デフォルト設定 %1 も読み込めません</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>設定ファイル %1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>入れ子が %1 階層より深い</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>破損したバイナリプロパティリスト</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>書き込む内容がありません</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>2 つ目のルート要素</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>要素の外のテキスト</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>要素がありません</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; 内の 2 つ目の値</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; に値がありません</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>要素間のテキスト</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; はプロパティリストの要素ではありません</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; が要素を含んでいます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; に「%2」が含まれています</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;key&gt; があるべき位置に &lt;%1&gt; があります</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>値のない &lt;key&gt;</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>%1 で XML エラー: %2</translation>
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
        <translation>D-Bus セッションバスがありません（%1）</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane ヘルパーが実行されていません</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X ディスプレイがありません（DISPLAY が未設定）</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>バックアップフォルダー %1 を作成できませんでした</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>バックアップ %1 の名前を %2 に変更できませんでした</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>%1 のバックアップを %2 に保存できませんでした（%3）</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>%1 のバックアップはありません</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>バックアップ %1 はありません（1〜%2）</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>バックアップ %1 は設定として読み込めません（%2）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ルートが辞書ではありません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>設定ファイル %1 を読み込めないため（%2）%3 に移動できませんでした。元の場所に残します</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>設定ファイル %1 を %2 にコピーできませんでした（%3）。元の場所に残します</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>%1 にある設定ファイルのコピーが %2 と異なります。元のファイルは元の場所に残します</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>設定ファイル %1 を %2 にコピーしましたが、元のファイルを削除できませんでした</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>設定ファイル %1 を使用します。%2 にある古いファイルはそのままです</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>設定ファイルを %1 から %2 に移動しました</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>設定ファイルを読み込めませんでした（%1）。%2 として残しました</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>設定ファイルを読み込めず（%1）、%2 に退避することもできませんでした（%3）</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>ルートが辞書ではありません</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>設定が辞書ではありません</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>書き込む内容がありません</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>設定ファイル %1 は%2です。デフォルト設定を保存せずに使用します</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>プログラムのバンドルにデフォルト設定がありません</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>デフォルト設定 %1 を読み込めません（%2）</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>%1 を作成できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>使用できない値</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>ブール値</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>整数</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>実数</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>文字列</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>データ</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>日付</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>配列</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>辞書</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 または %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>プロファイルが 1 個（%1 個必要）</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>プロファイルが %n 個（%1 個必要）</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>マクロキーが 1 個（%1 個必要）</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>マクロキーが %n 個（%1 個必要）</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>ありません</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>ありません（プロファイルがないため、どのキーも動作しません）</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>ありません（0 とみなし、ヘルパーはプロファイル 1 で起動します）</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>ありません（false とみなします）</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>ありません（空の名前とみなします）</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>ありません（このプロファイルのマクロキーはどれも動作しません）</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>ありません（イメージングキーが操作するアプリケーションがありません）</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>ありません（メディアキーが操作するプレーヤーがありません）</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>ありません（アプリケーションなしとみなします）</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 は絶対パスではありません（自動切り替えは完全なパスで比較するため、一致することはありません）</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>ありません（空とみなし、キーは何もしません）</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1 はアクションではありません（キーは何もしません。アクションは %2）</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>ありません（マクロは何も再生しません）</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>記録されたステップがありません（マクロは何も再生しません）</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>ありません（キーは何も起動しません）</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>ありません（空とみなします）</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>空です（キーは何も起動しません）</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1 は絶対パスではありません</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>ありません（空のデータとみなします）</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>ありません（0 とみなし、キーはプロファイル 1 を選択します）</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>ありません（0 とみなします）</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>ありません（キーのラベルは空とみなします）</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>ありません（欠けたステップはキーコード 0 を再生します）</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1 はキーコードではありません（0〜%2、空のステップは -1）</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>ありません（0 とみなし、修飾キーなし）</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>キーがあるのに -1 です（ヘルパーは 4 つの修飾キーをすべて押したままにし、環境設定には（なし）と表示されます）</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1 は修飾キーのマスクではありません</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>ビット 0x%1 は修飾キーではありません（無視）</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>ありません（0 とみなし、待機なし）</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 はミリ秒数ではありません</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1 が %2 を超えています</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 が 0 未満です</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1 は整数のミリ秒ではありません（環境設定はミリ秒を整数で保持します）</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>空のステップの後の %1 は無視します（空のステップでは待機しません）</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>数値</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>ルートが%1です（%2が必要）</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>%1です（%2が必要）</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>制御文字 U+%1（%2 文字目）を含んでいます。名前を表示する端末を操作されるおそれがあります</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>%n 文字あります。名前は最大 %1 文字です</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1 が 0〜%2 の範囲外です</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1 はブール値ではありません（true、false、0、1 のいずれか）</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1 は %2 のいずれでもありません</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>設定のキーではありません（無視。マクロのステップは 0〜%1）</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>設定のキーではありません（無視）</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1 はステップの種類ではありません（どのプログラムもステップのキーコードを再生します。種類は %2）</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1 はステップの種類ではありません（古いプログラムもこのプログラムもステップを飛ばします。種類は %2）</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>キーコード %2 のステップに %1 があります（どのプログラムもキーを再生し、種類を無視します。ほかの種類のステップのキーコードは -1 です）</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>無視します（空のステップです。キーコードが -1 で、ほかの種類を指定していません）</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>%1 ステップでは使いません（無視）</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>ありません（プログラムはステップを飛ばします）</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>ありません（ステップは何も入力しません）</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>空です（ステップは何も入力しません）</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>%n 文字あります。テキストステップが入力するのは最大 %1 文字です（残りは省きます）</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>ありません（1 とみなし、1 ノッチ）</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1 が %2〜%3 の範囲外です</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>テキスト入力</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>配列にない文字は空きキーコードで入力</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>配列にない文字はそれを含むキーマップで入力</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>キーボード配列の文字のみ。その他の文字には X11 か仮想キーボードプロトコルのあるデスクトップ（sway、Hyprland などの wlroots デスクトップ）が必要です</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>テキストのステップは記録のみ</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1 がありません: uinput カーネルモジュールを読み込んでください（%2）</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>%1 への権限がありません: ログイン中のユーザーにアクセス権を与える Halvane の udev ルールをインストールしてください</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 の背後に uinput ドライバーがありません: uinput カーネルモジュールを読み込んでください</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 を使用できません: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 接続がありません</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>コンポジターに %1 がありません</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>仮想キーボードに渡すキーマップがありません</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>コンポジターが仮想キーボードを拒否しました</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X ディスプレイがありません（DISPLAY が未設定）</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>X ディスプレイ %1 に接続できません</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>X ディスプレイ %1 にそのようなスクリーンはありません</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>アプリケーションの選択</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>その他…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>アプリケーションを検索</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>矢印キーで一覧から選び、Enter キーで決定</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>インストール済みのアプリケーション</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>Escape でキャンセル</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>ヘルパーの終了</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>システムのスリープ</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>セッションが非アクティブになった</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>キーボードが取り外された</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>マクロを停止しました: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>現在のプロファイルを %1 に保存できませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>テキストのステップで、このデスクトップでは入力できない %n 文字を省きました: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>プロファイル %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>このキーで %1 を開きます。</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>マクロをクリアしました。</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>押したキーを Tab と Escape も含めてすべて、8 個まで記録します。記録を止めるには Escape を素早く 2 回押します。</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>マクロの再生方法</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>切り替え先のプロファイル</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>マクロキー %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>記録を停止しました。</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>記録をクリアしました。</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>記録されませんでした。マクロのキーは %n 個までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>%1 を記録しました（%3 個中 %2 個目）。</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>まずキーを記録してください。待機は最後のキーの後です。</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>%1 の後、マクロは %2します。</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>ステップ %1 の後、マクロは%2。</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>追加されませんでした。マクロのステップは %n 個までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>ステップ %1 を追加しました: %2。</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>ステップ %1 を削除しました。</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>最後に選んだステップの後に、なければ最後のステップの後にこの一時停止を追加します</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>設定ファイルをそのままでは使用できませんでした。</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>設定を読み込むことも作成することもできませんでした。</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane キーボード</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
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
        <translation>プロファイル: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1（未インストール）</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter キーまたは Space キーでキーのアクションを変更、Shift+F10 またはメニューキーでその他の選択肢を表示、矢印キーで他のマクロキーに移動します。</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>マクロキー</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>キーボードの左側に L1〜L5、右側に R1〜R5</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>マクロキーとプロファイル</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>キーボードがプロファイル %1「%2」に切り替わりました。</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>設定を保存し、キーボードに反映しました。</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>設定を保存しました。</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Halvane キーボード: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Halvane キーボード: プロファイル %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>自動切り替え</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>環境設定…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Halvane ヘルパーを終了</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>このデスクトップでは入力できません: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>ステップ %1</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>ステップ %1: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>入力するテキスト</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>マウスボタン</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>ボタンの動作</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>ホイールの方向</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>ノッチ数</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>ステップ %1 を削除</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>キーの組み合わせ</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>ホイール</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>右</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>中央</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>進む</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>押す</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>離す</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>右</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space キーでオン/オフを切り替え</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 キーまたは Enter キーでプロファイル名を変更</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter キーでこのプロファイルに切り替えるアプリケーションを選択</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>なし</translation>
    </message>
</context>
</TS>
