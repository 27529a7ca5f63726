<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>DemoNarrator</name>
    <message>
        <source>%1 s</source>
        <extracomment>A duration in seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed %1</source>
        <extracomment>%1 is a key combination; more may follow, separated by commas.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>posted 1 system key event</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>pressed %1</source>
        <extracomment>%1 is a combination of modifier keys only, e.g. ⌘⇧.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waited %1</source>
        <extracomment>%1 is a duration such as &quot;0.25 s&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switched to %1 (shown on screen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switched to profile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made sure it starts at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ran its script for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opened %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoSession</name>
    <message>
        <source>cannot create a temporary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile key + F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile key + F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the demo settings from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the helper with a demo profile and a virtual keyboard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper did not find the virtual keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The helper found the keyboard and %1.</source>
        <extracomment>%1 is what the helper did at its start, or &quot;is ready&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>%1 is the key pressed, %2 what the helper did.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper stopped unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper is not connected to the virtual keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper did not stop within 5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper ended with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The helper stopped cleanly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The helper said:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HVKeyCombo</name>
    <message>
        <source>(None)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HVKeyComboPanel</name>
    <message>
        <source>Macro Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute a macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New macro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keys typed since the editor opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the macro plays when its key is pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to start, press to stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current macro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro the key has now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here, then type up to eight keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this button has the focus, every key you type, shortcuts included, is recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause after the last key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch an application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application the key opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile the key switches to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HalvanePref</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile to edit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Command (Super) and Alt keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L1: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L3: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L4: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L5: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R3: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R4: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R5: click to record a macro; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media keys control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The media player that the keyboard&apos;s media keys drive in this profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaging keys control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image application that the imaging keys drive in this profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes what every macro key of this profile does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a macro key to record a macro, launch an application or select a profile. Right-click it for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a profile&apos;s name to rename it, or its application to choose the application that switches to it automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the selected profile its original settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show profile changes on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override automatic profile switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the helper in the tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An icon with the current profile&apos;s number, and a menu to switch profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvane Keyboard Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the settings and hands them to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Application…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelperStarter</name>
    <message>
        <source>the helper is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started the helper through %1</source>
        <extracomment>%1 is the systemd user unit&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started the helper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no session bus: the helper was not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find the helper to start it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Halvane Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesHost</name>
    <message>
        <source>%1 is not a preference pane bundle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pane of %1 did not initialise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pane of %1 has no view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find %1</source>
        <translation type="unfinished"></translation>
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
    <name>Settings</name>
    <message>
        <source>Profile %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::ApplicationChooser</name>
    <message>
        <source>Choose an Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message>
        <source>cancelled with Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper quits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system goes to sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session is no longer active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard was unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro stopped: %1</source>
        <extracomment>A log line; %1 says why, e.g. &quot;cancelled with Escape&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not store the current profile in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message>
        <source>Profile %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::HalvanePref</name>
    <message>
        <source>The settings file could not be used as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read or created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvane Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L%1</source>
        <extracomment>The name of a macro key on the left of the keyboard, L1 to L5, as printed on the key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R%1</source>
        <extracomment>The name of a macro key on the right of the keyboard, R1 to R5.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <extracomment>What a macro key does that switches to the profile named %1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>%1 is an application&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::HelperTray</name>
    <message>
        <source>Halvane keyboard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halvane keyboard: profile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Halvane helper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
