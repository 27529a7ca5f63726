<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CtlArguments</name>
    <message>
        <source>&quot;%1&quot; is not a profile number (1 to %2)</source>
        <translation>&quot;%1&quot;은(는) 프로필 번호가 아닙니다(1~%2)</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>명령을 지정하지 않았습니다</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1 (usage: %2)</source>
        <translation>%1의 인수 개수가 잘못되었습니다(사용법: %2)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>알 수 없는 옵션 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>파일 이름이 비어 있습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a backup number (as &quot;%2&quot; lists them)</source>
        <translation>&quot;%1&quot;은(는) 백업 번호가 아닙니다(&quot;%2&quot;에 나오는 번호를 사용하십시오)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>알 수 없는 명령 &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation>%1초</translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation>%1 입력</translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>시스템 키 이벤트 %n개 전송</numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation>%1 누름</translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation>%1 대기</translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation>%1(으)로 전환(화면에 표시)</translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation>프로필 %1(으)로 전환</translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation>로그인 시 시작되도록 설정</translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation>%1 스크립트 실행</translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation>%1에 %2 요청</translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation>%1 열기</translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>임시 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Play key</source>
        <translation>재생 키</translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation>꺼내기 키</translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation>프로필 키 + F4</translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation>프로필 키 + F1</translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation>%1에서 데모 설정을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation>데모 프로필과 가상 키보드로 도우미를 시작하는 중...</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1을(를) 시작할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation>도우미가 가상 키보드를 찾지 못했습니다</translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation>도우미가 키보드를 찾았습니다: %1.</translation>
    </message>
    <message>
        <source>is ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>동작 없음</translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation>도우미가 예기치 않게 중지되었습니다</translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation>도우미가 가상 키보드에 연결되어 있지 않습니다</translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation>도우미가 5초 안에 중지되지 않았습니다</translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation>도우미가 상태 %1(으)로 종료되었습니다</translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation>도우미가 정상적으로 중지되었습니다.</translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation>도우미 출력:</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>Nothing keeps the keyboard from working</source>
        <translation>키보드 작동을 방해하는 문제가 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>키보드 작동을 방해하는 문제 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>그 밖에 고칠 만한 문제 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>fix:</source>
        <translation>해결 방법:</translation>
    </message>
    <message>
        <source>Automatic switching on this desktop needs one step first:</source>
        <translation>이 데스크톱에서 자동 전환을 사용하려면 먼저 다음 단계가 필요합니다:</translation>
    </message>
</context>
<context>
    <name>DoctorDesktopChecks</name>
    <message>
        <source>an unnamed desktop</source>
        <translation>이름 없는 데스크톱</translation>
    </message>
    <message>
        <source>log out and in again (GNOME on Wayland finds new extensions only at login)</source>
        <translation>로그아웃 후 다시 로그인(Wayland의 GNOME은 로그인할 때만 새 확장을 찾음)</translation>
    </message>
    <message>
        <source>%1 (automatic switching and the on-screen profile name need it)</source>
        <translation>%1(자동 전환과 화면의 프로필 이름 표시에 필요)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: not installed</source>
        <translation>GNOME Shell 확장 %1: 설치되지 않음</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1 is not made for GNOME %2</source>
        <translation>GNOME Shell 확장: %1은(는) GNOME %2용이 아님</translation>
    </message>
    <message>
        <source>GNOME Shell extension: %1, running</source>
        <translation>GNOME Shell 확장: %1, 실행 중</translation>
    </message>
    <message>
        <source>GNOME Shell extensions are turned off altogether</source>
        <translation>GNOME Shell 확장이 모두 꺼져 있음</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, not enabled</source>
        <translation>GNOME Shell 확장 %1: 설치됨, 활성화되지 않음</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1: installed, but GNOME Shell has not started it</source>
        <translation>GNOME Shell 확장 %1: 설치되었지만 GNOME Shell이 시작하지 않음</translation>
    </message>
    <message>
        <source>if it still does not run: %1</source>
        <translation>그래도 실행되지 않으면: %1</translation>
    </message>
    <message>
        <source>%1 (automatic switching needs it)</source>
        <translation>%1(자동 전환에 필요)</translation>
    </message>
    <message>
        <source>KWin script %1: not installed</source>
        <translation>KWin 스크립트 %1: 설치되지 않음</translation>
    </message>
    <message>
        <source>KWin script: %1 (the helper loads it when it starts)</source>
        <translation>KWin 스크립트: %1(도우미가 시작할 때 불러옴)</translation>
    </message>
    <message>
        <source>KWin script: KWin does not answer on this session bus</source>
        <translation>KWin 스크립트: 이 세션 버스에서 KWin이 응답하지 않음</translation>
    </message>
    <message>
        <source>run %1 in a terminal of the Plasma session</source>
        <translation>Plasma 세션의 터미널에서 %1 실행</translation>
    </message>
    <message>
        <source>KWin script: %1 is installed, but KWin has not loaded it</source>
        <translation>KWin 스크립트: %1이(가) 설치되었지만 KWin이 불러오지 않음</translation>
    </message>
    <message>
        <source>restart the helper, which loads it at start (its log says why it could not: %1)</source>
        <translation>도우미 다시 시작(시작할 때 불러옴, 불러오지 못한 이유는 로그 참조: %1)</translation>
    </message>
    <message>
        <source>KWin script: %1, loaded</source>
        <translation>KWin 스크립트: %1, 불러옴</translation>
    </message>
    <message>
        <source>Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>데스크톱: 그래픽 세션이 없음(DISPLAY와 WAYLAND_DISPLAY가 설정되지 않음)</translation>
    </message>
    <message>
        <source>run %1 in a terminal of your desktop session</source>
        <translation>데스크톱 세션의 터미널에서 %1 실행</translation>
    </message>
    <message>
        <source>Desktop: %1, %2</source>
        <translation>데스크톱: %1, %2</translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1이(가) 없음</translation>
    </message>
    <message>
        <source>%1 is neither readable nor writable by you</source>
        <translation>%1에 대한 읽기 권한과 쓰기 권한이 모두 없음</translation>
    </message>
    <message>
        <source>%1 is not writable by you</source>
        <translation>%1에 대한 쓰기 권한이 없음</translation>
    </message>
    <message>
        <source>%1 is not readable by you</source>
        <translation>%1에 대한 읽기 권한이 없음</translation>
    </message>
    <message>
        <source>%1 is readable and writable by you</source>
        <translation>%1을(를) 읽고 쓸 수 있음</translation>
    </message>
    <message>
        <source>udev rule: %1</source>
        <translation>udev 규칙: %1</translation>
    </message>
    <message>
        <source>udev rule: %1 holds no Halvane rule (emptied or masked)</source>
        <translation>udev 규칙: %1에 Halvane 규칙이 없음(비었거나 마스크됨)</translation>
    </message>
    <message>
        <source>udev rule: installed at %1, where udev does not look</source>
        <translation>udev 규칙: udev가 찾지 않는 %1에 설치됨</translation>
    </message>
    <message>
        <source>udev rule: %1 is not installed (looked in %2)</source>
        <translation>udev 규칙: %1이(가) 설치되지 않음(%2에서 찾음)</translation>
    </message>
    <message>
        <source>udev rule applied: uaccess on %1</source>
        <translation>udev 규칙 적용됨: %1에 uaccess 있음</translation>
    </message>
    <message>
        <source>udev rule not applied: no uaccess tag on %1</source>
        <translation>udev 규칙 적용 안 됨: %1에 uaccess 태그 없음</translation>
    </message>
    <message>
        <source>install the udev rule (above), then: %1</source>
        <translation>udev 규칙 설치(위 참조) 후: %1</translation>
    </message>
    <message>
        <source>or plug the keyboard in again</source>
        <translation>또는 키보드를 다시 연결</translation>
    </message>
    <message>
        <source>Keyboard access: you can read and write %1</source>
        <translation>키보드 접근: %1을(를) 읽고 쓸 수 있음</translation>
    </message>
    <message>
        <source>Keyboard access: %1</source>
        <translation>키보드 접근: %1</translation>
    </message>
    <message>
        <source>then log in at the machine itself (not over ssh), or for now: %1</source>
        <translation>그런 다음 이 컴퓨터에서 직접 로그인(ssh 말고), 또는 당장은: %1</translation>
    </message>
    <message>
        <source>%1: writable</source>
        <translation>%1: 쓰기 가능</translation>
    </message>
    <message>
        <source>%1 (media and eject keys need it, and on Wayland every macro)</source>
        <translation>%1(미디어 키와 꺼내기 키, Wayland에서는 모든 매크로에 필요)</translation>
    </message>
    <message>
        <source>%1   (at every boot)</source>
        <translation>%1   (부팅할 때마다)</translation>
    </message>
    <message>
        <source>%1 maps it to KEY_SLEEP</source>
        <translation>%1이(가) KEY_SLEEP으로 매핑함</translation>
    </message>
    <message>
        <source>udev gave %1 no Halvane hwdb entry</source>
        <translation>udev가 %1에 Halvane hwdb 항목을 주지 않음</translation>
    </message>
    <message>
        <source>hwdb entry: in the compiled hwdb</source>
        <translation>hwdb 항목: 컴파일된 hwdb에 있음</translation>
    </message>
    <message>
        <source>the compiled hwdb has no Halvane entry</source>
        <translation>컴파일된 hwdb에 Halvane 항목이 없음</translation>
    </message>
    <message>
        <source>hwdb entry: macro keys are no system keys on %1</source>
        <translation>hwdb 항목: %1에서 매크로 키가 시스템 키가 아님</translation>
    </message>
    <message>
        <source>hwdb entry not active: %1 (macro key 0xF8 would suspend the machine)</source>
        <translation>hwdb 항목 적용 안 됨: %1(매크로 키 0xF8이 컴퓨터를 절전 모드로 전환함)</translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>키보드: 인터페이스 %n개(%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>키보드: 연결되지 않음, %2에 %1의 가상 인터페이스 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Keyboard: none found (no hidraw node of a HID device %1:%2 or %1:%3)</source>
        <translation>키보드: 찾을 수 없음(HID 장치 %1:%2 또는 %1:%3의 hidraw 노드 없음)</translation>
    </message>
    <message>
        <source>plug the keyboard in (to try without it: %1)</source>
        <translation>키보드 연결(키보드 없이 시험하려면: %1)</translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message>
        <source>Autostart: %1 is turned off</source>
        <translation>자동 시작: %1이(가) 꺼져 있음</translation>
    </message>
    <message>
        <source>Autostart: %1 starts nothing</source>
        <translation>자동 시작: %1이(가) 아무것도 시작하지 않음</translation>
    </message>
    <message>
        <source>Autostart: %1 starts %2, which is not there</source>
        <translation>자동 시작: %1이(가) %2을(를) 시작하지만 해당 파일이 없음</translation>
    </message>
    <message>
        <source>Autostart: both %1 and %2 start the helper at login</source>
        <translation>자동 시작: %1과(와) %2 모두 로그인 시 도우미를 시작함</translation>
    </message>
    <message>
        <source>%1 (the helper writes one that leaves the start to the unit)</source>
        <translation>%1(도우미가 시작을 유닛에 맡기는 파일을 씀)</translation>
    </message>
    <message>
        <source>Autostart: %1 is enabled</source>
        <translation>자동 시작: %1 활성화됨</translation>
    </message>
    <message>
        <source>Autostart: %1</source>
        <translation>자동 시작: %1</translation>
    </message>
    <message>
        <source>Autostart: the helper does not start at login</source>
        <translation>자동 시작: 로그인 시 도우미가 시작되지 않음</translation>
    </message>
    <message>
        <source>start the helper once; it adds %1: %2</source>
        <translation>도우미를 한 번 시작하면 %1을(를) 추가함: %2</translation>
    </message>
    <message>
        <source>%1, then start the helper once; it writes a new one: %2</source>
        <translation>%1 실행 후 도우미를 한 번 시작하면 새 파일을 씀: %2</translation>
    </message>
    <message>
        <source>start %1 once; it writes the default settings</source>
        <translation>%1을(를) 한 번 시작하면 기본 설정을 씀</translation>
    </message>
    <message>
        <source>%1   (the newest backup)</source>
        <translation>%1   (가장 최근 백업)</translation>
    </message>
    <message>
        <source>Settings: %1 does not exist (the keys do nothing without it)</source>
        <translation>설정: %1이(가) 없음(이 파일이 없으면 키가 아무 동작도 하지 않음)</translation>
    </message>
    <message>
        <source>Settings: %1 cannot be read (%2)</source>
        <translation>설정: %1을(를) 읽을 수 없음(%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>루트가 사전이 아님</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1 실행 후 %2</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>설정: %1에 오류 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   (lists each), then correct them in %2</source>
        <translation>%1   (각 오류 표시) 후 %2에서 수정</translation>
    </message>
    <message>
        <source>or go back to an earlier version: %1</source>
        <translation>또는 이전 버전으로 되돌리기: %1</translation>
    </message>
    <message>
        <source>Settings: %1 is valid</source>
        <translation>설정: %1 유효함</translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>설정: %1 유효함(경고 %n개: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorHelperChecks</name>
    <message>
        <source>quit the helper (end its HalvaneHelper process), then: %1</source>
        <translation>도우미 종료(HalvaneHelper 프로세스 종료) 후: %1</translation>
    </message>
    <message>
        <source>Synthetic keys</source>
        <translation>합성 키 입력</translation>
    </message>
    <message>
        <source>HID events</source>
        <translation>HID 이벤트</translation>
    </message>
    <message>
        <source>Front application</source>
        <translation>전면 프로그램</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>오버레이</translation>
    </message>
    <message>
        <source>%1: the helper does not say which backend it chose</source>
        <translation>%1: 도우미가 어떤 백엔드를 선택했는지 알려 주지 않음</translation>
    </message>
    <message>
        <source>update and restart the helper: %1</source>
        <translation>도우미 업데이트 후 다시 시작: %1</translation>
    </message>
    <message>
        <source>automatic switching is off; start the helper from your desktop session, where it finds the desktop&apos;s windows: %1</source>
        <translation>자동 전환이 꺼져 있음. 데스크톱 창을 찾을 수 있도록 데스크톱 세션에서 도우미 시작: %1</translation>
    </message>
    <message>
        <source>make /dev/uinput writable (see above), then %1</source>
        <translation>/dev/uinput을 쓰기 가능하게 만든(위 참조) 후 %1</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane 도우미가 실행 중이 아닙니다</translation>
    </message>
    <message>
        <source>Helper: %1</source>
        <translation>도우미: %1</translation>
    </message>
    <message>
        <source>start it: %1</source>
        <translation>시작: %1</translation>
    </message>
    <message>
        <source>Helper: holds %1 but does not answer</source>
        <translation>도우미: %1을(를) 점유하고 있지만 응답하지 않음</translation>
    </message>
    <message>
        <source>Helper: running version %1, but this halvanectl is %2</source>
        <translation>도우미: 실행 중인 버전 %1, 이 halvanectl 버전 %2</translation>
    </message>
    <message>
        <source>to run the installed version, %1</source>
        <translation>설치된 버전을 실행하려면 %1</translation>
    </message>
    <message>
        <source>Helper: running, version %1</source>
        <translation>도우미: 실행 중, 버전 %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>마우스 버튼과 휠</translation>
    </message>
    <message>
        <source>Text steps</source>
        <translation>텍스트 단계</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>a folder, not a regular file</source>
        <translation>일반 파일이 아닌 폴더</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>일반 파일이 아닌 FIFO</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>일반 파일이 아닌 소켓</translation>
    </message>
    <message>
        <source>a character device, not a regular file</source>
        <translation>일반 파일이 아닌 문자 장치</translation>
    </message>
    <message>
        <source>a block device, not a regular file</source>
        <translation>일반 파일이 아닌 블록 장치</translation>
    </message>
    <message>
        <source>a special file, not a regular file</source>
        <translation>일반 파일이 아닌 특수 파일</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <extracomment>Why a file is not read: %1 is a size in mebibytes.</extracomment>
        <translation>%1 MiB 초과</translation>
    </message>
</context>
<context>
    <name>FrontBackendChoice</name>
    <message>
        <source>Front application</source>
        <translation>전면 프로그램</translation>
    </message>
    <message>
        <source>X display %1 refused (%2), %3</source>
        <extracomment>%1 the X display, %2 why, %3 says that automatic switching is off</extracomment>
        <translation>X 디스플레이 %1이(가) 거부함(%2), %3</translation>
    </message>
    <message>
        <source>%1 could not be set up, %2</source>
        <extracomment>%2 says that automatic switching is off</extracomment>
        <translation>%1을(를) 설정할 수 없음, %2</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is %1</source>
        <translation>XDG_CURRENT_DESKTOP 값: %1</translation>
    </message>
    <message>
        <source>%1 is not on the session bus</source>
        <translation>%1이(가) 세션 버스에 없음</translation>
    </message>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 연결 없음</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>컴포지터에 %1 없음</translation>
    </message>
    <message>
        <source>no HYPRLAND_INSTANCE_SIGNATURE</source>
        <translation>HYPRLAND_INSTANCE_SIGNATURE 없음</translation>
    </message>
    <message>
        <source>no NIRI_SOCKET</source>
        <translation>NIRI_SOCKET 없음</translation>
    </message>
    <message>
        <source>no SWAYSOCK</source>
        <translation>SWAYSOCK 없음</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY가 설정되지 않음</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland 세션이 아님</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>우선순위가 낮음</translation>
    </message>
    <message>
        <source>not %1: %2</source>
        <translation>%1 사용 안 함: %2</translation>
    </message>
    <message>
        <source>through our GNOME Shell extension</source>
        <translation>전용 GNOME Shell 확장을 통해</translation>
    </message>
    <message>
        <source>through our KWin script</source>
        <translation>전용 KWin 스크립트를 통해</translation>
    </message>
    <message>
        <source>Hyprland&apos;s event socket</source>
        <translation>Hyprland 이벤트 소켓</translation>
    </message>
    <message>
        <source>niri&apos;s event stream</source>
        <translation>niri 이벤트 스트림</translation>
    </message>
    <message>
        <source>%1 with the pid from sway&apos;s IPC</source>
        <translation>%1(sway IPC의 pid 사용)</translation>
    </message>
    <message>
        <source>_NET_ACTIVE_WINDOW on XWayland, which sees X applications only</source>
        <translation>XWayland의 _NET_ACTIVE_WINDOW(X 프로그램만 인식)</translation>
    </message>
    <message>
        <source>automatic switching is off</source>
        <translation>자동 전환 꺼짐</translation>
    </message>
</context>
<context>
    <name>GnomeShellActiveWindowSource</name>
    <message>
        <source>GNOME Shell extension %1: the Shell did not say whether it runs (%2)</source>
        <translation>GNOME Shell 확장 %1: 실행 여부를 Shell이 알려 주지 않음(%2)</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not installed: %2</source>
        <translation>GNOME Shell 확장 %1이(가) 설치되지 않음: %2</translation>
    </message>
    <message>
        <source>GNOME Shell extension %1 is not enabled: %2</source>
        <translation>GNOME Shell 확장 %1이(가) 활성화되지 않음: %2</translation>
    </message>
    <message>
        <source>automatic switching needs it; run `%1` (on Wayland a newly installed extension is found only after logging in again)</source>
        <translation>자동 전환에 필요함. `%1` 실행(Wayland에서는 새로 설치한 확장을 다시 로그인한 후에만 찾음)</translation>
    </message>
</context>
<context>
    <name>GnomeShellOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>세션 버스 없음</translation>
    </message>
    <message>
        <source>GNOME Shell is not running</source>
        <translation>GNOME Shell이 실행 중이 아님</translation>
    </message>
    <message>
        <source>the halvane-keyboard@halvane.com extension is not enabled</source>
        <translation>halvane-keyboard@halvane.com 확장이 활성화되지 않음</translation>
    </message>
</context>
<context>
    <name>HIDEventBackendChoice</name>
    <message>
        <source>HID events (eject, media keys, mouse)</source>
        <translation>HID 이벤트(꺼내기, 미디어 키, 마우스)</translation>
    </message>
    <message>
        <source>/dev/uinput can be used</source>
        <translation>/dev/uinput 사용 가능</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput 없음</translation>
    </message>
    <message>
        <source>traced only, %1</source>
        <extracomment>HID events are only written to the trace; %1 says why /dev/uinput cannot be used</extracomment>
        <translation>추적만 함, %1</translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation>(없음)</translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation>매크로 키</translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation>매크로 실행</translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation>새 매크로:</translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation>키를 눌렀을 때 매크로 재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation>누르고 있는 동안 반복</translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation>눌러서 시작, 다시 눌러서 중지</translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation>현재 매크로:</translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation>이 키에 현재 지정된 매크로</translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation>여기를 클릭한 다음 키를 최대 8개 입력</translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation>이 버튼에 포커스가 있는 동안 입력하는 모든 키가 바로 가기 키를 포함해 기록됩니다.</translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation>마지막 키 후 대기:</translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation>50밀리초</translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation>100밀리초</translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation>150밀리초</translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation>200밀리초</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation>프로그램 실행</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>프로그램:</translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation>이 키로 여는 프로그램</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation>프로필 선택</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation>이 키로 전환할 프로필</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>선택...</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>프로필 1</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation>프로필 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation>프로필 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation>프로필 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation>프로필 5</translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation>프로필 6</translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation>프로필 7</translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation>프로필 8</translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation>프로필 9</translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation>프로필 10</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>단계 추가</translation>
    </message>
    <message>
        <source>Adds a step that types a text, uses a mouse button or turns the wheel</source>
        <translation>텍스트를 입력하거나 마우스 버튼을 쓰거나 휠을 돌리는 단계를 추가합니다</translation>
    </message>
    <message>
        <source>The macro as OK or Apply stores it</source>
        <translation>확인 또는 적용으로 저장될 매크로</translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 키보드</translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation>매크로 키</translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation>편집할 프로필:</translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation>Command(Super) 키와 Alt 키 바꾸기</translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation>L1: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation>L2: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation>L3: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation>L4: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation>L5: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation>R1: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation>R2: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation>R3: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation>R4: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation>R5: 클릭하여 매크로 기록, 오른쪽 클릭하여 기타 작업</translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation>미디어 키 제어 대상:</translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation>이 프로필에서 키보드의 미디어 키로 제어할 미디어 플레이어</translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation>이미지 키 제어 대상:</translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation>이 프로필에서 이미지 키로 제어할 이미지 프로그램</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>키 초기화</translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation>이 프로필의 모든 매크로 키 지정을 지웁니다</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation>자동 전환</translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation>프로필 이름을 두 번 클릭하면 이름을 바꿀 수 있고, 프로그램을 두 번 클릭하면 이 프로필로 자동 전환할 프로그램을 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation>프로필 초기화</translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation>선택한 프로필을 초기 설정으로 되돌립니다</translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation>프로필 변경을 화면에 표시</translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation>자동 프로필 전환 끄기</translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation>트레이에 도우미 표시</translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation>현재 프로필 번호가 표시된 아이콘과 프로필을 전환하는 메뉴</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation>Halvane 키보드 도움말</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation>설정을 저장하고 키보드에 전달합니다</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>매크로 키</translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation>프로필 선택</translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation>프로그램 실행…</translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation>핫키</translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation>키 초기화</translation>
    </message>
    <message>
        <source>Click a macro key (or press Enter on it) to record a macro, launch an application or select a profile. Right-click it or press Shift+F10 for more.</source>
        <translation>매크로 키를 클릭하거나 Enter를 누르면 매크로 기록, 프로그램 실행, 프로필 선택을 할 수 있습니다. 오른쪽 클릭하거나 Shift+F10을 누르면 기타 작업을 할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message>
        <source>Usage: %1</source>
        <translation>사용법: %1</translation>
    </message>
    <message>
        <source>The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,
as the preferences show them: &quot;4 - Games&quot; is the fourth profile, named Games.</source>
        <translation>Halvane 키보드 소프트웨어의 명령줄 클라이언트입니다.
프로필 번호는 기본 설정과 같이 1부터 10까지입니다.
&quot;4 - Games&quot;는 Games라는 이름의 네 번째 프로필입니다.</translation>
    </message>
    <message>
        <source>Commands that talk to the running Halvane helper:</source>
        <translation>실행 중인 Halvane 도우미와 통신하는 명령:</translation>
    </message>
    <message>
        <source>print the current profile, e.g. &quot;4 - Games&quot;</source>
        <translation>현재 프로필 출력(예: &quot;4 - Games&quot;)</translation>
    </message>
    <message>
        <source>switch to profile N (as the preferences do: the helper shows the
profile on screen when asked to, and announces no change)</source>
        <translation>프로필 N으로 전환(기본 설정과 같이, 요청한 경우 도우미가
프로필을 화면에 표시하며 변경을 알리지 않음)</translation>
    </message>
    <message>
        <source>make the helper read the settings file again</source>
        <translation>도우미가 설정 파일을 다시 읽게 함</translation>
    </message>
    <message>
        <source>print each profile change the helper announces, one line each
(&quot;4 - Games&quot;), until interrupted; the helper may start later</source>
        <translation>도우미가 알리는 프로필 변경을 한 줄씩(&quot;4 - Games&quot;)
중단할 때까지 출력. 도우미는 나중에 시작해도 됨</translation>
    </message>
    <message>
        <source>what the helper sees in front: the window system, the window&apos;s
app_id, class, instance and process, the application (desktop entry
and executable) and how it was found, and which profile that selects
or why none; --watch prints it again after each application switch</source>
        <translation>도우미가 보는 전면의 정보: 창 시스템, 창의 app_id, 클래스,
인스턴스, 프로세스, 프로그램(데스크톱 항목과 실행 파일)과
찾은 방법, 그에 따라 선택되는 프로필 또는 선택되지 않은 이유.
--watch는 프로그램이 전환될 때마다 다시 출력</translation>
    </message>
    <message>
        <source>check everything the keyboard needs, one line each, with the fix for
each problem: the keyboard&apos;s device nodes and /dev/uinput, the udev
rule and hwdb entry, the helper and the backends it chose, the desktop
and its Shell extension or KWin script, autostart, the settings file</source>
        <translation>키보드에 필요한 모든 것을 한 줄씩 점검하고 문제마다 해결 방법을
표시: 키보드의 장치 노드와 /dev/uinput, udev 규칙과 hwdb 항목,
도우미와 도우미가 선택한 백엔드, 데스크톱과 Shell 확장 또는
KWin 스크립트, 자동 시작, 설정 파일</translation>
    </message>
    <message>
        <source>only the step this desktop needs for automatic switching, if any</source>
        <translation>이 데스크톱에서 자동 전환에 필요한 단계만(있는 경우)</translation>
    </message>
    <message>
        <source>Commands on the settings file (the helper need not be running):</source>
        <translation>설정 파일에 대한 명령(도우미가 실행 중이 아니어도 됨):</translation>
    </message>
    <message>
        <source>check a settings file, by default the user&apos;s
(~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);
prints every problem with its place in the file, e.g.
&quot;error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</source>
        <translation>설정 파일 점검, 기본값은 사용자의 설정 파일
(~/.config/halvane/com.halvane.keyboard.plist 또는 $HALVANE_SETTINGS).
모든 문제를 파일 안의 위치와 함께 출력. 예:
&quot;오류: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350&quot;</translation>
    </message>
    <message>
        <source>write profile N to FILE, a property list holding &quot;Format&quot; (1) and
the profile record under &quot;Profile&quot;; a profile with errors is not
exported</source>
        <translation>프로필 N을 FILE에 씀. FILE은 &quot;Format&quot;(1)과 &quot;Profile&quot; 아래의
프로필 레코드를 담은 속성 목록. 오류가 있는 프로필은
내보내지 않음</translation>
    </message>
    <message>
        <source>replace profile N with the profile in FILE; the profile is checked
first and nothing changes when it has errors; then a running helper
is asked to reload</source>
        <translation>프로필 N을 FILE의 프로필로 바꿈. 먼저 프로필을 점검하며
오류가 있으면 아무것도 바꾸지 않음. 그런 다음 실행 중인
도우미에 다시 불러오기를 요청</translation>
    </message>
    <message>
        <source>list the kept earlier versions of the settings file (the 10 newest,
in ~/.config/halvane/backups), numbered from the newest, with the
time each was replaced and its size</source>
        <translation>보관된 이전 설정 파일(~/.config/halvane/backups의 최근 10개)을
최신 순으로 번호를 붙여 나열하고, 각각 교체된 시각과
크기를 표시</translation>
    </message>
    <message>
        <source>put backup N back as the settings file (the current contents become
a backup themselves); then a running helper is asked to reload</source>
        <translation>백업 N을 설정 파일로 복원(현재 내용은 그 자체로 백업이 됨).
그런 다음 실행 중인 도우미에 다시 불러오기를 요청</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>이 도움말 표시</translation>
    </message>
    <message>
        <source>the version of the Halvane software</source>
        <translation>Halvane 소프트웨어 버전 표시</translation>
    </message>
    <message>
        <source>Errors are things the software would act on differently from what the file says, or
values the preferences never write; warnings are harmless departures from what the
preferences write (a missing entry that reads as a sensible value, an unknown key).</source>
        <translation>오류는 소프트웨어가 파일 내용과 다르게 동작할 부분이거나, 기본 설정이
절대 쓰지 않는 값입니다. 경고는 기본 설정이 쓰는 내용과의 무해한
차이입니다(적절한 값으로 읽히는 빠진 항목, 알 수 없는 키).</translation>
    </message>
    <message>
        <source>Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import
refused a profile with errors, or doctor found something that keeps the keyboard from
working; 2 the command could not be carried out (bad arguments, a file that cannot be
read or written, the helper not running or not answering).</source>
        <translation>종료 상태: 0 완료(경고만 있으면 0 유지), 1 check가 오류를 찾았거나
export 또는 import가 오류 있는 프로필을 거부했거나 doctor가 키보드
작동을 방해하는 문제를 찾음, 2 명령을 수행할 수 없음(잘못된 인수,
읽거나 쓸 수 없는 파일, 도우미가 실행 중이 아니거나 응답 없음).</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;을(를) 실행해 보십시오.</translation>
    </message>
    <message>
        <source>the Halvane helper did not answer</source>
        <translation>Halvane 도우미가 응답하지 않았습니다</translation>
    </message>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>설정 파일에 프로필이 %n개만 있습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>%n초 안에 전환되지 않았습니다(매크로가 재생 중일 수 있으며, 이 경우 재생이 끝나면 전환됩니다)</numerusform>
        </translation>
    </message>
    <message>
        <source>the Halvane helper stayed on profile %1 and did not switch to profile %2: %3</source>
        <translation>Halvane 도우미가 프로필 %1에 머물러 있고 프로필 %2(으)로 전환하지 않았습니다: %3</translation>
    </message>
    <message>
        <source>the Halvane helper reloaded its settings</source>
        <translation>Halvane 도우미가 설정을 다시 불러왔습니다</translation>
    </message>
    <message>
        <source>%1, but:</source>
        <extracomment>%1 is what was done, e.g. &quot;the profile was imported&quot;; its problems follow</extracomment>
        <translation>%1, 하지만:</translation>
    </message>
    <message>
        <source>cannot watch: %1</source>
        <translation>감시할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Watching for profile changes; press Ctrl-C to stop.</source>
        <translation>프로필 변경을 감시하는 중입니다. 중지하려면 Ctrl-C를 누르십시오.</translation>
    </message>
    <message>
        <source>Backend:</source>
        <translation>백엔드:</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>창:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>class</source>
        <extracomment>the X11 window&apos;s WM_CLASS class</extracomment>
        <translation>클래스</translation>
    </message>
    <message>
        <source>instance</source>
        <extracomment>the X11 window&apos;s WM_CLASS instance</extracomment>
        <translation>인스턴스</translation>
    </message>
    <message>
        <source>GTK application</source>
        <translation>GTK 프로그램</translation>
    </message>
    <message>
        <source>KDE desktop file</source>
        <translation>KDE 데스크톱 파일</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <extracomment>a fact a window tells about itself and its value, e.g. class &quot;gedit&quot;</extracomment>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>tells nothing about its application</source>
        <translation>프로그램에 대한 정보 없음</translation>
    </message>
    <message>
        <source>Application:</source>
        <translation>프로그램:</translation>
    </message>
    <message>
        <source>%1 (%2), found by %3</source>
        <extracomment>application name (desktop entry id), found by how it was found (a fixed word)</extracomment>
        <translation>%1(%2), 찾은 방법: %3</translation>
    </message>
    <message>
        <source>Desktop entry:</source>
        <translation>데스크톱 항목:</translation>
    </message>
    <message>
        <source>also:</source>
        <translation>기타:</translation>
    </message>
    <message>
        <source>no desktop entry found</source>
        <translation>데스크톱 항목을 찾을 수 없음</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>실행 파일:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <extracomment>no profile; %1 says why, in the helper&apos;s words</extracomment>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>없음: %1</translation>
    </message>
    <message>
        <source>Backend choice: %1</source>
        <translation>백엔드 선택: %1</translation>
    </message>
    <message>
        <source>cannot watch the helper&apos;s front application</source>
        <translation>도우미의 전면 프로그램을 감시할 수 없습니다</translation>
    </message>
    <message>
        <source>Watching for application switches; press Ctrl-C to stop.</source>
        <translation>프로그램 전환을 감시하는 중입니다. 중지하려면 Ctrl-C를 누르십시오.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is not a settings file (its root is not a dictionary)</source>
        <translation>%1은(는) 설정 파일이 아닙니다(루트가 사전이 아님)</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: 문제 없음</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>file: the count of errors, the count of warnings</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>오류 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>경고 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Exported profile %1 to %2</source>
        <translation>프로필 %1을(를) %2(으)로 내보냈습니다</translation>
    </message>
    <message>
        <source>profile %1 has errors; nothing was exported</source>
        <translation>프로필 %1에 오류가 있어 아무것도 내보내지 않았습니다</translation>
    </message>
    <message>
        <source>%1 has errors; nothing was changed</source>
        <translation>%1에 오류가 있어 아무것도 바꾸지 않았습니다</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1. 아무것도 바꾸지 않았습니다</translation>
    </message>
    <message>
        <source>Imported %1 as profile %2</source>
        <translation>%1을(를) 프로필 %2(으)로 가져왔습니다</translation>
    </message>
    <message>
        <source>the profile was imported</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new profile when it starts.</source>
        <translation>Halvane 도우미가 실행 중이 아닙니다. 도우미가 시작할 때 새 프로필을 읽습니다.</translation>
    </message>
    <message>
        <source>%1, but the Halvane helper did not answer the reload request; restart the helper, or it writes its older settings back when it quits</source>
        <translation>%1, 하지만 Halvane 도우미가 다시 불러오기 요청에 응답하지 않았습니다. 도우미를 다시 시작하십시오. 그렇지 않으면 도우미가 종료할 때 이전 설정을 다시 씁니다</translation>
    </message>
    <message>
        <source>The Halvane helper has reloaded its settings.</source>
        <translation>Halvane 도우미가 설정을 다시 불러왔습니다.</translation>
    </message>
    <message>
        <source>No backups of %1 yet.</source>
        <translation>아직 %1의 백업이 없습니다.</translation>
    </message>
    <message>
        <source>Backups of %1, newest first:</source>
        <translation>%1의 백업(최신 순):</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n바이트</numerusform>
        </translation>
    </message>
    <message>
        <source>Restored the settings as they were until %1 (backup %2).</source>
        <translation>설정을 %1까지의 상태로 복원했습니다(백업 %2).</translation>
    </message>
    <message>
        <source>the backup was restored</source>
        <translation>백업을 복원했습니다</translation>
    </message>
    <message>
        <source>The Halvane helper is not running; it reads the new settings when it starts.</source>
        <translation>Halvane 도우미가 실행 중이 아닙니다. 도우미가 시작할 때 새 설정을 읽습니다.</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>오류: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>경고: %1</translation>
    </message>
    <message>
        <source>Note: %1 launches %2</source>
        <translation>참고: %1은(는) %2을(를) 실행합니다</translation>
    </message>
    <message>
        <source>Note: the profile becomes current whenever %1 comes to the front</source>
        <translation>참고: %1이(가) 전면에 올 때마다 이 프로필이 현재 프로필이 됩니다</translation>
    </message>
</context>
<context>
    <name>HelperDiagnostics</name>
    <message>
        <source>no settings are loaded</source>
        <translation>불러온 설정이 없음</translation>
    </message>
    <message>
        <source>automatic switching is overridden (%1)</source>
        <translation>자동 전환이 꺼져 있음(%1)</translation>
    </message>
    <message>
        <source>the window&apos;s application is unknown, so no profile is bound to it</source>
        <translation>창의 프로그램을 알 수 없어 연결된 프로필이 없음</translation>
    </message>
    <message>
        <source>no window is active</source>
        <translation>활성 창이 없음</translation>
    </message>
    <message>
        <source>no profile&apos;s %1 names this application</source>
        <translation>이 프로그램을 %1에 지정한 프로필이 없음</translation>
    </message>
    <message>
        <source>profile %1 names it, but its %2 is off</source>
        <translation>프로필 %1이(가) 지정했지만 %2이(가) 꺼져 있음</translation>
    </message>
    <message>
        <source>selects profile %1</source>
        <translation>프로필 %1 선택</translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation>도우미가 실행 중입니다</translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation>%1을(를) 통해 도우미를 시작했습니다</translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation>도우미를 시작했습니다</translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation>세션 버스 없음: 도우미를 시작하지 않았습니다</translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation>시작할 도우미를 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>HotKeyBackendChoice</name>
    <message>
        <source>Hot keys</source>
        <translation>핫키</translation>
    </message>
    <message>
        <source>not a Wayland session</source>
        <translation>Wayland 세션이 아님</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>X 디스플레이 없음</translation>
    </message>
    <message>
        <source>desktop portal GlobalShortcuts (version %1)</source>
        <translation>데스크톱 포털 GlobalShortcuts(버전 %1)</translation>
    </message>
    <message>
        <source>ranks lower</source>
        <translation>우선순위가 낮음</translation>
    </message>
    <message>
        <source>key grabs through XWayland, seen only while an X application has the focus (%1)</source>
        <translation>XWayland를 통한 키 가로채기, X 프로그램에 포커스가 있을 때만 인식(%1)</translation>
    </message>
    <message>
        <source>key grabs on the X server</source>
        <translation>X 서버의 키 가로채기</translation>
    </message>
    <message>
        <source>no X display; %1</source>
        <translation>X 디스플레이 없음. %1</translation>
    </message>
    <message>
        <source>every registration is refused (%1)</source>
        <translation>모든 등록이 거부됨(%1)</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 키보드</translation>
    </message>
</context>
<context>
    <name>KWinActiveWindowSource</name>
    <message>
        <source>KWin script: KWin&apos;s scripting does not answer (%1)</source>
        <translation>KWin 스크립트: KWin 스크립팅이 응답하지 않음(%1)</translation>
    </message>
    <message>
        <source>KWin script: replaced the one a previous helper left loaded</source>
        <translation>KWin 스크립트: 이전 도우미가 남긴 스크립트를 교체함</translation>
    </message>
    <message>
        <source>KWin script: KWin did not load %1 (%2)</source>
        <translation>KWin 스크립트: KWin이 %1을(를) 불러오지 않음(%2)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>거부됨</translation>
    </message>
    <message>
        <source>KWin script: loaded but not run (%1)</source>
        <translation>KWin 스크립트: 불러왔지만 실행되지 않음(%1)</translation>
    </message>
    <message>
        <source>KWin script: %1 is not installed</source>
        <translation>KWin 스크립트: %1이(가) 설치되지 않음</translation>
    </message>
</context>
<context>
    <name>KeyEventBackendChoice</name>
    <message>
        <source>Synthetic keys</source>
        <translation>합성 키 입력</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland 세션</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (Wayland session)</source>
        <translation>uinput 가상 키보드(Wayland 세션)</translation>
    </message>
    <message>
        <source>no uinput</source>
        <translation>uinput 없음</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s virtual keyboard (no uinput: %1)</source>
        <translation>Wayland 컴포지터의 가상 키보드(uinput 없음: %1)</translation>
    </message>
    <message>
        <source>%1; no Wayland virtual keyboard: %2</source>
        <translation>%1. Wayland 가상 키보드 없음: %2</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X 디스플레이 %1의 XTest, X 클라이언트에만 전달(uinput 없음: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X 디스플레이 %1의 XTest</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>X 클라이언트만</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 세션</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest 없음</translation>
    </message>
    <message>
        <source>uinput virtual keyboard (no XTest: %1)</source>
        <translation>uinput 가상 키보드(XTest 없음: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>이벤트를 보낼 수 있는 백엔드 없음</translation>
    </message>
    <message>
        <source>macros are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>매크로를 추적만 함(XTest 없음: %1, uinput 없음: %2)</translation>
    </message>
</context>
<context>
    <name>LayerShellOverlaySurface</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 연결 없음</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>컴포지터에 %1 없음</translation>
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
        <translation>%1 열기</translation>
    </message>
    <message>
        <source>opens %1, which cannot be found</source>
        <extracomment>An application file that is no longer where the key expects it</extracomment>
        <translation>%1 열기(찾을 수 없음)</translation>
    </message>
    <message>
        <source>switches to the profile “%1”</source>
        <translation>&quot;%1&quot; 프로필로 전환</translation>
    </message>
    <message>
        <source>switches to profile %1</source>
        <translation>%1번 프로필로 전환</translation>
    </message>
    <message>
        <source>repeats while the key is held</source>
        <translation>키를 누르고 있는 동안 반복</translation>
    </message>
    <message>
        <source>repeats until the key is pressed again</source>
        <translation>키를 다시 누를 때까지 반복</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the steps of a macro as a screen reader says them</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>nothing assigned</source>
        <translation>지정된 동작 없음</translation>
    </message>
    <message>
        <source>types %1</source>
        <extracomment>%1 is a key combination such as Control+C</extracomment>
        <translation>%1 입력</translation>
    </message>
    <message>
        <source>waits %1 seconds</source>
        <extracomment>%1 is a number of seconds, always with decimals, such as 0.5 or 2.0</extracomment>
        <translation>%1초 대기</translation>
    </message>
    <message>
        <source>clicks %1</source>
        <extracomment>%1 is a mouse button as in &quot;the middle button&quot;</extracomment>
        <translation>%1 클릭</translation>
    </message>
    <message>
        <source>presses %1</source>
        <extracomment>Presses a mouse button without releasing it; %1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1 누르기</translation>
    </message>
    <message>
        <source>releases %1</source>
        <extracomment>%1 is a mouse button as in &quot;the left button&quot;</extracomment>
        <translation>%1 놓기</translation>
    </message>
    <message>
        <source>the left button</source>
        <extracomment>The object of &quot;clicks %1&quot;, &quot;presses %1&quot; and &quot;releases %1&quot;</extracomment>
        <translation>왼쪽 버튼</translation>
    </message>
    <message>
        <source>the right button</source>
        <translation>오른쪽 버튼</translation>
    </message>
    <message>
        <source>the middle button</source>
        <translation>가운데 버튼</translation>
    </message>
    <message>
        <source>the back button</source>
        <extracomment>The mouse&apos;s side button that goes back in a browser</extracomment>
        <translation>뒤로 버튼</translation>
    </message>
    <message>
        <source>the forward button</source>
        <extracomment>The mouse&apos;s side button that goes forward in a browser</extracomment>
        <translation>앞으로 버튼</translation>
    </message>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>위로 %n칸 스크롤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>아래로 %n칸 스크롤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>왼쪽으로 %n칸 스크롤</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>오른쪽으로 %n칸 스크롤</numerusform>
        </translation>
    </message>
    <message>
        <source>types “%1”</source>
        <extracomment>%1 is the text a macro types, as the user wrote it</extracomment>
        <translation>“%1” 입력</translation>
    </message>
</context>
<context>
    <name>NotificationOverlaySurface</name>
    <message>
        <source>no session bus</source>
        <translation>세션 버스 없음</translation>
    </message>
    <message>
        <source>no notification server on the session bus</source>
        <translation>세션 버스에 알림 서버 없음</translation>
    </message>
</context>
<context>
    <name>OverlayBackendChoice</name>
    <message>
        <source>Overlay</source>
        <translation>오버레이</translation>
    </message>
    <message>
        <source>no layer-shell: %1</source>
        <translation>layer-shell 없음: %1</translation>
    </message>
    <message>
        <source>no GNOME Shell overlay: %1</source>
        <translation>GNOME Shell 오버레이 없음: %1</translation>
    </message>
    <message>
        <source>no notifications: %1</source>
        <translation>알림 없음: %1</translation>
    </message>
    <message>
        <source>off-screen window (no display)</source>
        <translation>화면 밖 창(디스플레이 없음)</translation>
    </message>
    <message>
        <source>always-on-top X11 window</source>
        <translation>항상 위에 있는 X11 창</translation>
    </message>
    <message>
        <source>layer-shell surface on the overlay layer</source>
        <translation>overlay 레이어의 layer-shell 표면</translation>
    </message>
    <message>
        <source>GNOME Shell extension</source>
        <translation>GNOME Shell 확장</translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation>데스크톱 알림</translation>
    </message>
    <message>
        <source>ordinary Wayland window placed by the compositor</source>
        <translation>컴포지터가 배치하는 일반 Wayland 창</translation>
    </message>
</context>
<context>
    <name>PointerBackendChoice</name>
    <message>
        <source>Mouse buttons and wheel</source>
        <translation>마우스 버튼과 휠</translation>
    </message>
    <message>
        <source>Wayland session</source>
        <translation>Wayland 세션</translation>
    </message>
    <message>
        <source>uinput virtual pointer (Wayland session)</source>
        <translation>uinput 가상 포인터(Wayland 세션)</translation>
    </message>
    <message>
        <source>X clients only</source>
        <translation>X 클라이언트만</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 세션</translation>
    </message>
    <message>
        <source>XTest on X display %1, reaching X clients only (no uinput: %2)</source>
        <translation>X 디스플레이 %1의 XTest, X 클라이언트에만 전달(uinput 없음: %2)</translation>
    </message>
    <message>
        <source>XTest on X display %1</source>
        <translation>X 디스플레이 %1의 XTest</translation>
    </message>
    <message>
        <source>no XTest</source>
        <translation>XTest 없음</translation>
    </message>
    <message>
        <source>uinput virtual pointer (no XTest: %1)</source>
        <translation>uinput 가상 포인터(XTest 없음: %1)</translation>
    </message>
    <message>
        <source>no backend can post</source>
        <translation>마우스 이벤트를 보낼 수 있는 백엔드 없음</translation>
    </message>
    <message>
        <source>mouse steps are only traced (no XTest: %1; no uinput: %2)</source>
        <translation>마우스 단계를 추적만 함(XTest 없음: %1, uinput 없음: %2)</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>no session bus</source>
        <translation>세션 버스 없음</translation>
    </message>
    <message>
        <source>no desktop portal</source>
        <translation>데스크톱 포털 없음</translation>
    </message>
    <message>
        <source>the desktop portal has no GlobalShortcuts</source>
        <translation>데스크톱 포털에 GlobalShortcuts 없음</translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation>%1은(는) 기본 설정 패널 번들이 아닙니다</translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation>%1의 패널을 초기화하지 못했습니다</translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation>%1의 패널에 뷰가 없습니다</translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation>%1을(를) 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <extracomment>%1: the highest profile number.</extracomment>
        <translation>프로필 번호는 1~%1</translation>
    </message>
    <message>
        <source>the settings file has no profiles</source>
        <translation>설정 파일에 프로필이 없음</translation>
    </message>
    <message>
        <source>the settings file has no profile %1 (it holds %2)</source>
        <extracomment>%1: a profile number; %2: how many profiles the file holds.</extracomment>
        <translation>설정 파일에 프로필 %1이(가) 없음(프로필 %2개 있음)</translation>
    </message>
    <message>
        <source>not a profile file (its root is not a dictionary)</source>
        <translation>프로필 파일이 아님(루트가 사전이 아님)</translation>
    </message>
    <message>
        <source>missing (not a profile file)</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>없음(프로필 파일이 아님)</translation>
    </message>
    <message>
        <source>is not an integer (not a profile file)</source>
        <extracomment>Follows a profile file entry&apos;s name and a colon.</extracomment>
        <translation>정수가 아님(프로필 파일이 아님)</translation>
    </message>
    <message>
        <source>%1 is not a format this version reads (it reads %2)</source>
        <extracomment>%1: the format number the file holds; %2: the one this version reads.</extracomment>
        <translation>%1은(는) 이 버전이 읽을 수 있는 형식이 아님(읽을 수 있는 형식: %2)</translation>
    </message>
    <message>
        <source>not a profile file key (ignored)</source>
        <translation>프로필 파일 키가 아님(무시함)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>파일이 없음</translation>
    </message>
    <message>
        <source>not a property list (%1)</source>
        <extracomment>%1: what is wrong with the file.</extracomment>
        <translation>속성 목록이 아님(%1)</translation>
    </message>
    <message>
        <source>%1 is the settings file itself</source>
        <extracomment>%1: a path.</extracomment>
        <translation>%1은(는) 설정 파일 자체임</translation>
    </message>
    <message>
        <source>cannot read the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be read.</extracomment>
        <translation>설정 파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be written.</extracomment>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1: a path; %2: why it cannot be read.</extracomment>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the settings file %1 is not a dictionary</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>설정 파일 %1이(가) 사전이 아님</translation>
    </message>
    <message>
        <source>there is no settings file, and the defaults %1 cannot be read</source>
        <extracomment>%1: the path of the default settings file.</extracomment>
        <translation>설정 파일이 없고 기본 설정 %1도 읽을 수 없음</translation>
    </message>
    <message>
        <source>cannot write the settings file %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>설정 파일 %1에 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>nested deeper than %1</source>
        <extracomment>%1: how many levels a file may nest.</extracomment>
        <translation>%1단계보다 깊게 중첩됨</translation>
    </message>
    <message>
        <source>a damaged binary property list</source>
        <translation>손상된 바이너리 속성 목록</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>파일이 비어 있음</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>쓸 내용이 없음</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a file a problem is: %1 and %2 are numbers.</extracomment>
        <translation>%1행 %2열</translation>
    </message>
    <message>
        <source>a second root element</source>
        <translation>두 번째 루트 요소</translation>
    </message>
    <message>
        <source>text outside the elements</source>
        <translation>요소 밖의 텍스트</translation>
    </message>
    <message>
        <source>no element</source>
        <translation>요소가 없음</translation>
    </message>
    <message>
        <source>a second value inside &lt;plist&gt;</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt; 안의 두 번째 값</translation>
    </message>
    <message>
        <source>&lt;plist&gt; holds no value</source>
        <extracomment>&lt;plist&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>&lt;plist&gt;에 값이 없음</translation>
    </message>
    <message>
        <source>text between elements</source>
        <translation>요소 사이의 텍스트</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not a property-list element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt;은(는) 속성 목록 요소가 아님</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds an element</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it.</extracomment>
        <translation>&lt;%1&gt; 안에 요소가 있음</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds &quot;%2&quot;</source>
        <extracomment>%1: an XML element&apos;s name; %2: the start of the text it holds.</extracomment>
        <translation>&lt;%1&gt; 안에 &quot;%2&quot;이(가) 있음</translation>
    </message>
    <message>
        <source>&lt;%1&gt; where a &lt;key&gt; belongs</source>
        <extracomment>%1: an XML element&apos;s name as the file spells it; &lt;key&gt; is an element, not translated.</extracomment>
        <translation>&lt;key&gt;가 와야 할 자리에 &lt;%1&gt;이(가) 있음</translation>
    </message>
    <message>
        <source>a &lt;key&gt; without a value</source>
        <extracomment>&lt;key&gt; is the file&apos;s XML element, not translated.</extracomment>
        <translation>값이 없는 &lt;key&gt;</translation>
    </message>
    <message>
        <source>XML error at %1: %2</source>
        <extracomment>%1: where, e.g. &quot;line 3, column 17&quot;; %2: the XML parser&apos;s own English description.</extracomment>
        <translation>%1에서 XML 오류: %2</translation>
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
        <translation>D-Bus 세션 버스가 없습니다(%1)</translation>
    </message>
    <message>
        <source>the Halvane helper is not running</source>
        <translation>Halvane 도우미가 실행 중이 아닙니다</translation>
    </message>
</context>
<context>
    <name>SessionProbe</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X 디스플레이 없음(DISPLAY가 설정되지 않음)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation>프로필 %1</translation>
    </message>
</context>
<context>
    <name>SettingsBackups</name>
    <message>
        <source>Could not create the backup folder %1</source>
        <extracomment>%1: a folder&apos;s path.</extracomment>
        <translation>백업 폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Could not rename the backup %1 to %2</source>
        <extracomment>%1: a backup&apos;s path; %2: its new path.</extracomment>
        <translation>백업 %1의 이름을 %2(으)로 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>Could not keep a backup of %1 in %2 (%3)</source>
        <extracomment>%1: the settings file&apos;s path; %2: the backup&apos;s path; %3: why it failed.</extracomment>
        <translation>%2에 %1의 백업을 보관할 수 없습니다(%3)</translation>
    </message>
    <message>
        <source>there are no backups of %1</source>
        <extracomment>%1: the settings file&apos;s path.</extracomment>
        <translation>%1의 백업이 없음</translation>
    </message>
    <message>
        <source>there is no backup %1 (1 to %2)</source>
        <extracomment>%1: the backup number asked for; %2: the highest backup number.</extracomment>
        <translation>백업 %1이(가) 없음(1~%2)</translation>
    </message>
    <message>
        <source>the backup %1 does not read as settings (%2)</source>
        <extracomment>%1: the backup&apos;s path; %2: why it does not read.</extracomment>
        <translation>백업 %1을(를) 설정으로 읽을 수 없음(%2)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>루트가 사전이 아님</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it cannot be written.</extracomment>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>SettingsMigration</name>
    <message>
        <source>Could not read the settings file %1 (%2) to move it to %3; it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: why it could not be read; %3: its new path.</extracomment>
        <translation>설정 파일 %1을(를) 읽을 수 없어(%2) %3(으)로 옮기지 못했습니다. 파일은 원래 위치에 그대로 둡니다</translation>
    </message>
    <message>
        <source>Could not copy the settings file %1 to %2 (%3); it stays where it is</source>
        <extracomment>%1: the file&apos;s old path; %2: its new path; %3: why the copy failed.</extracomment>
        <translation>설정 파일 %1을(를) %2에 복사할 수 없습니다(%3). 파일은 원래 위치에 그대로 둡니다</translation>
    </message>
    <message>
        <source>The copy of the settings file at %1 differs from %2; the original stays where it is</source>
        <extracomment>%1: the new path; %2: the old path.</extracomment>
        <translation>%1에 있는 설정 파일 사본이 %2와(과) 다릅니다. 원본은 원래 위치에 그대로 둡니다</translation>
    </message>
    <message>
        <source>Copied the settings file %1 to %2 but could not remove the original</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>설정 파일 %1을(를) %2에 복사했지만 원본을 삭제할 수 없습니다</translation>
    </message>
    <message>
        <source>Using the settings file %1; the older one at %2 is left untouched</source>
        <extracomment>%1: the path in use; %2: the path of an older settings file.</extracomment>
        <translation>설정 파일 %1을(를) 사용합니다. %2에 있는 이전 파일은 그대로 둡니다</translation>
    </message>
    <message>
        <source>Moved the settings file from %1 to %2</source>
        <extracomment>%1: the old path; %2: the new path.</extracomment>
        <translation>설정 파일을 %1에서 %2(으)로 옮겼습니다</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file could not be read (%1); kept it as %2</source>
        <extracomment>%1: why it could not be read; %2: the path it was renamed to.</extracomment>
        <translation>설정 파일을 읽을 수 없어(%1) %2(으)로 보관했습니다</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1), nor moved aside to %2 (%3)</source>
        <extracomment>%1: why it could not be read; %2: the path it should have been renamed to; %3: why not.</extracomment>
        <translation>설정 파일을 읽을 수 없고(%1) %2(으)로 옮겨 둘 수도 없습니다(%3)</translation>
    </message>
    <message>
        <source>its root is not a dictionary</source>
        <translation>루트가 사전이 아님</translation>
    </message>
    <message>
        <source>the settings are not a dictionary</source>
        <translation>설정이 사전이 아님</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>쓸 내용이 없음</translation>
    </message>
    <message>
        <source>The settings file %1 is %2; using the default settings without saving them</source>
        <extracomment>%1: a path; %2: what it is instead of a file, e.g. &quot;a folder, not a regular file&quot;.</extracomment>
        <translation>설정 파일 %1은(는) %2입니다. 기본 설정을 저장하지 않고 사용합니다</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>프로그램 번들에 기본 설정이 없음</translation>
    </message>
    <message>
        <source>the defaults %1 cannot be read (%2)</source>
        <translation>기본 설정 %1을(를) 읽을 수 없음(%2)</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <extracomment>%1: the settings file&apos;s path; %2: why it could not be created.</extracomment>
        <translation>%1을(를) 만들 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message>
        <source>nothing usable</source>
        <comment>kind of value</comment>
        <translation>사용할 수 없는 값</translation>
    </message>
    <message>
        <source>a boolean</source>
        <comment>kind of value</comment>
        <translation>부울 값</translation>
    </message>
    <message>
        <source>an integer</source>
        <comment>kind of value</comment>
        <translation>정수</translation>
    </message>
    <message>
        <source>a real number</source>
        <comment>kind of value</comment>
        <translation>실수</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>문자열</translation>
    </message>
    <message>
        <source>data</source>
        <comment>kind of value</comment>
        <translation>데이터</translation>
    </message>
    <message>
        <source>a date</source>
        <comment>kind of value</comment>
        <translation>날짜</translation>
    </message>
    <message>
        <source>an array</source>
        <comment>kind of value</comment>
        <translation>배열</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>사전</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>%1: all values but the last, quoted and separated by commas; %2: the last value.</extracomment>
        <translation>%1 또는 %2</translation>
    </message>
    <message>
        <source>1 profile, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds one; %1: how many it must hold.</extracomment>
        <translation>프로필 1개(%1개여야 함)</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>프로필 %n개(%1개여야 함)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 macro key, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds one; %1: how many it must hold.</extracomment>
        <translation>매크로 키 1개(%1개여야 함)</translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>매크로 키 %n개(%1개여야 함)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The entry named before the colon is not in the file.</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>missing (there are no profiles: no key does anything)</source>
        <translation>없음(프로필이 없으므로 어떤 키도 동작하지 않음)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the helper starts with profile 1)</source>
        <translation>없음(0으로 간주: 도우미가 프로필 1로 시작함)</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>없음(false로 간주)</translation>
    </message>
    <message>
        <source>missing (reads as an empty name)</source>
        <translation>없음(빈 이름으로 간주)</translation>
    </message>
    <message>
        <source>missing (no macro key of this profile does anything)</source>
        <translation>없음(이 프로필의 매크로 키는 아무것도 하지 않음)</translation>
    </message>
    <message>
        <source>missing (the imaging keys name no application)</source>
        <translation>없음(이미지 키가 지정하는 프로그램이 없음)</translation>
    </message>
    <message>
        <source>missing (the media keys name no player)</source>
        <translation>없음(미디어 키가 지정하는 플레이어가 없음)</translation>
    </message>
    <message>
        <source>missing (reads as no application)</source>
        <translation>없음(프로그램 없음으로 간주)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path (automatic switching compares full paths, so it never matches)</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1은(는) 절대 경로가 아님(자동 전환은 전체 경로를 비교하므로 절대 일치하지 않음)</translation>
    </message>
    <message>
        <source>missing (reads as empty: the key does nothing)</source>
        <translation>없음(빈 값으로 간주: 키가 아무것도 하지 않음)</translation>
    </message>
    <message>
        <source>%1 is not an action (the key does nothing; the actions are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the action names the file may hold.</extracomment>
        <translation>%1은(는) 동작이 아님(키가 아무것도 하지 않음. 동작: %2)</translation>
    </message>
    <message>
        <source>missing (the macro plays nothing)</source>
        <translation>없음(매크로가 아무것도 재생하지 않음)</translation>
    </message>
    <message>
        <source>no recorded step (the macro plays nothing)</source>
        <translation>기록된 단계가 없음(매크로가 아무것도 재생하지 않음)</translation>
    </message>
    <message>
        <source>missing (the key launches nothing)</source>
        <translation>없음(키가 아무것도 실행하지 않음)</translation>
    </message>
    <message>
        <source>missing (reads as empty)</source>
        <translation>없음(빈 값으로 간주)</translation>
    </message>
    <message>
        <source>empty (the key launches nothing)</source>
        <translation>비어 있음(키가 아무것도 실행하지 않음)</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <extracomment>%1: the path as the file holds it, in quotes.</extracomment>
        <translation>%1은(는) 절대 경로가 아님</translation>
    </message>
    <message>
        <source>missing (reads as empty data)</source>
        <translation>없음(빈 데이터로 간주)</translation>
    </message>
    <message>
        <source>missing (reads as 0: the key selects profile 1)</source>
        <translation>없음(0으로 간주: 키가 프로필 1을 선택함)</translation>
    </message>
    <message>
        <source>missing (reads as 0)</source>
        <translation>없음(0으로 간주)</translation>
    </message>
    <message>
        <source>missing (the key&apos;s label reads empty)</source>
        <translation>없음(키의 레이블을 빈 값으로 간주)</translation>
    </message>
    <message>
        <source>missing (a missing step plays key 0)</source>
        <translation>없음(빠진 단계는 키 코드 0을 재생함)</translation>
    </message>
    <message>
        <source>%1 is not a key code (0-%2, or -1 for an empty step)</source>
        <extracomment>%1: the number the file holds; %2: the highest key code.</extracomment>
        <translation>%1은(는) 키 코드가 아님(0~%2, 빈 단계는 -1)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no modifiers)</source>
        <translation>없음(0으로 간주: 보조 키 없음)</translation>
    </message>
    <message>
        <source>-1 with a key (the helper holds down all four modifiers; the preferences show (None))</source>
        <extracomment>&quot;(None)&quot; is what the preferences show for the step&apos;s modifiers.</extracomment>
        <translation>키가 있는데 -1임(도우미는 보조 키 네 개를 모두 누른 채로 두고, 기본 설정에는 (없음)으로 표시됨)</translation>
    </message>
    <message>
        <source>%1 is not a modifier mask</source>
        <extracomment>%1: the number the file holds.</extracomment>
        <translation>%1은(는) 보조 키 마스크가 아님</translation>
    </message>
    <message>
        <source>bits 0x%1 are not modifiers (ignored)</source>
        <extracomment>%1: a hexadecimal bit mask.</extracomment>
        <translation>비트 0x%1은(는) 보조 키가 아님(무시함)</translation>
    </message>
    <message>
        <source>missing (reads as 0: no pause)</source>
        <translation>없음(0으로 간주: 대기 없음)</translation>
    </message>
    <message>
        <source>%1 is not a number of milliseconds</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1은(는) 밀리초 값이 아님</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <extracomment>%1: the delay the file holds; %2: the longest delay, in milliseconds.</extracomment>
        <translation>%1이(가) %2보다 큼</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1이(가) 0보다 작음</translation>
    </message>
    <message>
        <source>%1 is not a whole number of milliseconds (the preferences keep whole milliseconds)</source>
        <extracomment>%1: the delay the file holds.</extracomment>
        <translation>%1은(는) 정수 밀리초가 아님(기본 설정은 밀리초를 정수로 유지함)</translation>
    </message>
    <message>
        <source>%1 after an empty step is ignored (an empty step causes no pause)</source>
        <extracomment>%1: the delay the file holds, in milliseconds.</extracomment>
        <translation>빈 단계 뒤의 %1은(는) 무시함(빈 단계는 대기를 만들지 않음)</translation>
    </message>
    <message>
        <source>a number</source>
        <comment>kind of value</comment>
        <translation>숫자</translation>
    </message>
    <message>
        <source>the root is %1, expected %2</source>
        <extracomment>%1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>루트가 %1임(필요한 형식: %2)</translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <extracomment>Follows a settings entry&apos;s name and a colon. %1, %2: kinds of value with their article, e.g. &quot;a string&quot;, &quot;an integer&quot;.</extracomment>
        <translation>%1임(필요한 형식: %2)</translation>
    </message>
    <message>
        <source>holds the control character U+%1 (character %2), which could drive a terminal that shows the name</source>
        <extracomment>%1: a character&apos;s code in hexadecimal; %2: its place in the name (1 for the first).</extracomment>
        <translation>제어 문자 U+%1(%2번째 문자)이(가) 있음. 이름을 표시하는 터미널을 조작할 수 있음</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>길이가 %n자임. 이름은 최대 %1자</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is outside 0-%2</source>
        <extracomment>%1: the number the file holds; %2: the highest profile index.</extracomment>
        <translation>%1이(가) 0~%2 범위를 벗어남</translation>
    </message>
    <message>
        <source>%1 is not a boolean (true, false, 0 or 1)</source>
        <extracomment>%1: the number the file holds; true and false are values of the file, not translated.</extracomment>
        <translation>%1은(는) 부울 값이 아님(true, false, 0 또는 1)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the values the file may hold there.</extracomment>
        <translation>%1은(는) %2 중 하나가 아님</translation>
    </message>
    <message>
        <source>not a settings key (ignored: a macro has steps 0-%1)</source>
        <extracomment>%1: the number of the last step a macro has.</extracomment>
        <translation>설정 키가 아님(무시함: 매크로의 단계는 0~%1)</translation>
    </message>
    <message>
        <source>not a settings key (ignored)</source>
        <translation>설정 키가 아님(무시함)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (every reader plays the step&apos;s key code; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. The step has a key code, which every reader plays.</extracomment>
        <translation>%1은(는) 단계 종류가 아님(모든 프로그램이 단계의 키 코드를 재생함. 종류는 %2)</translation>
    </message>
    <message>
        <source>%1 is not a step kind (an older reader and this one skip the step; the kinds are %2)</source>
        <extracomment>%1: the value the file holds, in quotes; %2: the kinds the file may name. Programs that know only recorded keys, and this one, play nothing for the step.</extracomment>
        <translation>%1은(는) 단계 종류가 아님(이전 프로그램과 이 프로그램 모두 단계를 건너뜀. 종류는 %2)</translation>
    </message>
    <message>
        <source>%1 on a step with key code %2 (every reader plays the key and ignores the kind; a step of another kind has key code -1)</source>
        <extracomment>%1: the step kind the file names, in quotes; %2: the slot&apos;s key code. A step of another kind than a key has key code -1, so that readers that know only keys skip it.</extracomment>
        <translation>키 코드가 %2인 단계에 %1이(가) 있음(모든 프로그램이 키를 재생하고 종류를 무시함. 다른 종류의 단계는 키 코드가 -1임)</translation>
    </message>
    <message>
        <source>ignored (the step is empty: its key code is -1 and it names no other kind)</source>
        <extracomment>The entry named before the colon belongs to a macro step that plays nothing.</extracomment>
        <translation>무시함(빈 단계임: 키 코드가 -1이고 다른 종류를 지정하지 않음)</translation>
    </message>
    <message>
        <source>not used by a %1 step (ignored)</source>
        <extracomment>%1: the step&apos;s kind as the file names it (&quot;Key&quot;, &quot;Text&quot;, &quot;MouseButton&quot; or &quot;Wheel&quot;), in quotes.</extracomment>
        <translation>%1 단계에서 쓰지 않음(무시함)</translation>
    </message>
    <message>
        <source>missing (readers skip the step)</source>
        <extracomment>The entry named before the colon is not in the file, so programs play nothing for the step.</extracomment>
        <translation>없음(프로그램이 단계를 건너뜀)</translation>
    </message>
    <message>
        <source>missing (the step types nothing)</source>
        <translation>없음(단계가 아무것도 입력하지 않음)</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>비어 있음(단계가 아무것도 입력하지 않음)</translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>길이가 %n자임. 텍스트 단계는 최대 %1자를 입력함(나머지는 생략함)</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (reads as 1: one notch)</source>
        <extracomment>The entry named before the colon is not in the file: the wheel turns by one notch.</extracomment>
        <translation>없음(1로 간주: 한 칸)</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3</source>
        <extracomment>%1: the number the file holds; %2, %3: the fewest and most notches of a wheel step.</extracomment>
        <translation>%1이(가) %2~%3 범위를 벗어남</translation>
    </message>
</context>
<context>
    <name>TextTypist</name>
    <message>
        <source>Text typing</source>
        <translation>텍스트 입력</translation>
    </message>
    <message>
        <source>characters outside the layout through spare key codes</source>
        <translation>배열에 없는 문자는 빈 키 코드로 입력</translation>
    </message>
    <message>
        <source>characters outside the layout through a keymap that holds them</source>
        <translation>배열에 없는 문자는 그 문자를 담은 키맵으로 입력</translation>
    </message>
    <message>
        <source>only the characters of the keyboard layout; the others need X11 or a desktop with the virtual keyboard protocol (sway, Hyprland and other wlroots desktops)</source>
        <translation>키보드 배열의 문자만 입력합니다. 다른 문자에는 X11 또는 가상 키보드 프로토콜이 있는 데스크톱(sway, Hyprland 및 기타 wlroots 데스크톱)이 필요합니다</translation>
    </message>
    <message>
        <source>text steps are only traced</source>
        <translation>텍스트 단계는 기록만 됩니다</translation>
    </message>
</context>
<context>
    <name>UinputDevice</name>
    <message>
        <source>%1 does not exist: load the uinput kernel module (%2)</source>
        <translation>%1이(가) 없습니다: uinput 커널 모듈을 불러오십시오(%2)</translation>
    </message>
    <message>
        <source>no permission on %1: install Halvane&apos;s udev rules, which give the logged-in user access to it</source>
        <translation>%1에 대한 권한이 없습니다: 로그인한 사용자에게 접근 권한을 주는 Halvane udev 규칙을 설치하십시오</translation>
    </message>
    <message>
        <source>%1 has no uinput driver behind it: load the uinput kernel module</source>
        <translation>%1 뒤에 uinput 드라이버가 없습니다: uinput 커널 모듈을 불러오십시오</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1을(를) 사용할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>WaylandVirtualKeyboardEventPoster</name>
    <message>
        <source>no Wayland connection</source>
        <translation>Wayland 연결 없음</translation>
    </message>
    <message>
        <source>the compositor has no %1</source>
        <translation>컴포지터에 %1 없음</translation>
    </message>
    <message>
        <source>no keymap to give the virtual keyboard</source>
        <translation>가상 키보드에 줄 키맵이 없음</translation>
    </message>
    <message>
        <source>the compositor refused a virtual keyboard</source>
        <translation>컴포지터가 가상 키보드를 거부함</translation>
    </message>
</context>
<context>
    <name>XcbActiveWindowSource</name>
    <message>
        <source>no X display (DISPLAY is not set)</source>
        <translation>X 디스플레이 없음(DISPLAY가 설정되지 않음)</translation>
    </message>
    <message>
        <source>cannot connect to X display %1</source>
        <translation>X 디스플레이 %1에 연결할 수 없음</translation>
    </message>
    <message>
        <source>X display %1 has no such screen</source>
        <translation>X 디스플레이 %1에 그런 화면이 없음</translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation>프로그램 선택</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>기타…</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Search the applications</source>
        <translation>프로그램 검색</translation>
    </message>
    <message>
        <source>The arrow keys choose in the list, Enter takes it</source>
        <translation>화살표 키로 목록에서 고르고 Enter로 선택</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>설치된 프로그램</translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation>Escape로 취소됨</translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation>도우미 종료</translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation>시스템 절전</translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation>세션이 더 이상 활성 상태가 아님</translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation>키보드 연결이 해제됨</translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation>매크로 중지됨: %1</translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation>현재 프로필을 %1에 저장할 수 없습니다: %2</translation>
    </message>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>텍스트 단계에서 이 데스크톱이 입력할 수 없는 문자 %n개를 건너뛰었습니다: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation>프로필 %1</translation>
    </message>
    <message>
        <source>The key opens %1.</source>
        <translation>이 키로 %1을(를) 엽니다.</translation>
    </message>
    <message>
        <source>Macro cleared.</source>
        <translation>매크로를 지웠습니다.</translation>
    </message>
    <message>
        <source>Records every key you press, Tab and Escape too, up to eight keys. Press Escape twice quickly to stop recording.</source>
        <translation>누르는 모든 키를 Tab과 Escape까지 포함해 최대 8개 기록합니다. 기록을 멈추려면 Escape를 빠르게 두 번 누르십시오.</translation>
    </message>
    <message>
        <source>How the macro plays</source>
        <translation>매크로 재생 방식</translation>
    </message>
    <message>
        <source>Profile to switch to</source>
        <translation>전환할 프로필</translation>
    </message>
    <message>
        <source>Macro key %1</source>
        <extracomment>The macro editor as a screen reader names it; %1 is the key&apos;s name, such as L2</extracomment>
        <translation>매크로 키 %1</translation>
    </message>
    <message>
        <source>Recording stopped.</source>
        <translation>기록을 중지했습니다.</translation>
    </message>
    <message>
        <source>Recording cleared.</source>
        <translation>기록을 지웠습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>기록하지 않았습니다. 매크로의 키는 최대 %n개입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recorded %1, key %2 of %3.</source>
        <extracomment>%1 is a key combination such as Control+C; %2 counts the keys recorded, %3 the most</extracomment>
        <translation>%1을(를) 기록했습니다(%3개 중 %2번째 키).</translation>
    </message>
    <message>
        <source>Record a key first: the pause follows the last key.</source>
        <translation>먼저 키를 기록하십시오. 대기는 마지막 키 뒤에 들어갑니다.</translation>
    </message>
    <message>
        <source>After %1 the macro %2.</source>
        <extracomment>%1 is a key combination such as Control+C, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>%1 다음에 매크로가 %2합니다.</translation>
    </message>
    <message>
        <source>After step %1 the macro %2.</source>
        <extracomment>%1 is the number of a macro&apos;s step, %2 what follows it, such as &quot;waits 0.5 seconds&quot;</extracomment>
        <translation>%1단계 다음에 매크로가 %2.</translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>추가하지 않았습니다. 매크로의 단계는 최대 %n개입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added step %1: %2.</source>
        <extracomment>%1 is the new step&apos;s number, %2 its kind, such as Text</extracomment>
        <translation>%1단계를 추가했습니다: %2.</translation>
    </message>
    <message>
        <source>Removed step %1.</source>
        <translation>%1단계를 제거했습니다.</translation>
    </message>
    <message>
        <source>Adds this pause after the step chosen last, else after the last step</source>
        <translation>마지막으로 선택한 단계 뒤에, 없으면 마지막 단계 뒤에 이 일시 정지를 추가합니다</translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation>설정 파일을 그대로 사용할 수 없었습니다.</translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation>설정을 읽거나 만들 수 없었습니다.</translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation>Halvane 키보드</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>설정을 저장할 수 없었습니다.</translation>
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
        <translation>프로필: %1</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation>%1(설치되지 않음)</translation>
    </message>
    <message>
        <source>Enter or Space changes what the key does, Shift+F10 or the Menu key opens more choices, the arrow keys go to the other macro keys.</source>
        <translation>Enter 또는 Space 키로 키의 동작을 바꾸고, Shift+F10 또는 메뉴 키로 추가 선택 항목을 열고, 화살표 키로 다른 매크로 키로 이동합니다.</translation>
    </message>
    <message>
        <source>Macro keys</source>
        <translation>매크로 키</translation>
    </message>
    <message>
        <source>L1 to L5 on the left of the keyboard, R1 to R5 on the right</source>
        <translation>키보드 왼쪽에 L1~L5, 오른쪽에 R1~R5</translation>
    </message>
    <message>
        <source>Macro keys and profiles</source>
        <translation>매크로 키와 프로필</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The keyboard switched to profile %1, “%2”.</source>
        <extracomment>%1 is the profile&apos;s number, %2 its name</extracomment>
        <translation>키보드가 %1번 프로필(&quot;%2&quot;)로 전환되었습니다.</translation>
    </message>
    <message>
        <source>Settings saved; the keyboard uses them now.</source>
        <translation>설정을 저장했습니다. 이제 키보드에 적용됩니다.</translation>
    </message>
    <message>
        <source>Settings saved.</source>
        <translation>설정을 저장했습니다.</translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation>Halvane 키보드: %1</translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation>Halvane 키보드: 프로필 %1</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>자동 전환</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>기본 설정…</translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation>Halvane 도우미 끝내기</translation>
    </message>
</context>
<context>
    <name>halvane::MacroStepRow</name>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>This desktop cannot type: %1</source>
        <extracomment>Under a text step&apos;s field; %1 lists the characters, separated by spaces</extracomment>
        <translation>이 데스크톱에서 입력할 수 없음: %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <extracomment>Numbers the rows of a macro&apos;s steps</extracomment>
        <translation>%1단계</translation>
    </message>
    <message>
        <source>Step %1: %2</source>
        <extracomment>A row of the macro editor: %1 is its number, %2 its kind, such as Text</extracomment>
        <translation>%1단계: %2</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>입력할 텍스트</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <source>What the button does</source>
        <translation>버튼 동작</translation>
    </message>
    <message>
        <source>Wheel direction</source>
        <translation>휠 방향</translation>
    </message>
    <message>
        <source>Notches</source>
        <translation>눈금 수</translation>
    </message>
    <message>
        <source>Remove step %1</source>
        <translation>%1단계 제거</translation>
    </message>
    <message>
        <source>Key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>A macro step that types a text</extracomment>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Wheel</source>
        <extracomment>A macro step that turns the mouse wheel</extracomment>
        <translation>휠</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>mouse button</comment>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>mouse button</comment>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Middle</source>
        <comment>mouse button</comment>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>mouse button</comment>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <comment>mouse button</comment>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Click</source>
        <comment>mouse button action</comment>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Press</source>
        <comment>mouse button action: press without releasing</comment>
        <translation>누르기</translation>
    </message>
    <message>
        <source>Release</source>
        <comment>mouse button action</comment>
        <translation>놓기</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>wheel direction</comment>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>wheel direction</comment>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>wheel direction</comment>
        <translation>왼쪽으로</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>wheel direction</comment>
        <translation>오른쪽으로</translation>
    </message>
</context>
<context>
    <name>halvane::ProfilesTableModel</name>
    <message>
        <source>Space switches it on or off</source>
        <translation>Space 키로 켜기/끄기 전환</translation>
    </message>
    <message>
        <source>F2 or Enter renames the profile</source>
        <translation>F2 또는 Enter 키로 프로필 이름 바꾸기</translation>
    </message>
    <message>
        <source>Enter chooses the application that switches to this profile</source>
        <translation>Enter 키로 이 프로필로 전환하는 프로그램 선택</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of an empty cell of the profiles table</extracomment>
        <translation>없음</translation>
    </message>
</context>
</TS>
