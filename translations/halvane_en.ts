<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>DemoNarrator</name>
    <message numerus="yes">
        <source>posted %n system key events</source>
        <translation>
            <numerusform>posted %n system key event</numerusform>
            <numerusform>posted %n system key events</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message numerus="yes">
        <source>%n problems keep the keyboard from working</source>
        <translation>
            <numerusform>%n problem keeps the keyboard from working</numerusform>
            <numerusform>%n problems keep the keyboard from working</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more are worth fixing</source>
        <translation>
            <numerusform>%n more is worth fixing</numerusform>
            <numerusform>%n more are worth fixing</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorDeviceChecks</name>
    <message numerus="yes">
        <source>Keyboard: %n interfaces (%1)</source>
        <translation>
            <numerusform>Keyboard: %n interface (%1)</numerusform>
            <numerusform>Keyboard: %n interfaces (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</source>
        <translation>
            <numerusform>Keyboard: none plugged in; %n virtual interface of %1 in %2</numerusform>
            <numerusform>Keyboard: none plugged in; %n virtual interfaces of %1 in %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoctorFileChecks</name>
    <message numerus="yes">
        <source>Settings: %1 has %n errors</source>
        <translation>
            <numerusform>Settings: %1 has %n error</numerusform>
            <numerusform>Settings: %1 has %n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Settings: %1 is valid (%n warnings: %2)</source>
        <translation>
            <numerusform>Settings: %1 is valid (%n warning: %2)</numerusform>
            <numerusform>Settings: %1 is valid (%n warnings: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Halvanectl</name>
    <message numerus="yes">
        <source>the settings file holds only %n profiles</source>
        <translation>
            <numerusform>the settings file holds only %n profile</numerusform>
            <numerusform>the settings file holds only %n profiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</source>
        <translation>
            <numerusform>it did not switch within %n second (a macro may be playing; the switch then comes when it ends)</numerusform>
            <numerusform>it did not switch within %n seconds (a macro may be playing; the switch then comes when it ends)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MacroKeySpeech</name>
    <message numerus="yes">
        <source>scrolls up %n notches</source>
        <extracomment>The mouse wheel turned %n notches</extracomment>
        <translation>
            <numerusform>scrolls up %n notch</numerusform>
            <numerusform>scrolls up %n notches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls down %n notches</source>
        <translation>
            <numerusform>scrolls down %n notch</numerusform>
            <numerusform>scrolls down %n notches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls left %n notches</source>
        <translation>
            <numerusform>scrolls left %n notch</numerusform>
            <numerusform>scrolls left %n notches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>scrolls right %n notches</source>
        <translation>
            <numerusform>scrolls right %n notch</numerusform>
            <numerusform>scrolls right %n notches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsValidator</name>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <extracomment>The settings file&apos;s list of profiles holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n profile, expected %1</numerusform>
            <numerusform>%n profiles, expected %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n macro keys, expected %1</source>
        <extracomment>A profile&apos;s list of macro keys holds %n; %1: how many it must hold.</extracomment>
        <translation>
            <numerusform>%n macro key, expected %1</numerusform>
            <numerusform>%n macro keys, expected %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a name has at most %1</source>
        <extracomment>%n: the name&apos;s length in characters; %1: the longest a name may be.</extracomment>
        <translation>
            <numerusform>is %n character long; a name has at most %1</numerusform>
            <numerusform>is %n characters long; a name has at most %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>is %n characters long; a text step types at most %1 (the rest is left out)</source>
        <extracomment>%n: the text&apos;s length in characters; %1: the most a text step types.</extracomment>
        <translation>
            <numerusform>is %n character long; a text step types at most %1 (the rest is left out)</numerusform>
            <numerusform>is %n characters long; a text step types at most %1 (the rest is left out)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::Controller</name>
    <message numerus="yes">
        <source>A text step left out %n character(s) this desktop cannot type: %1</source>
        <extracomment>A log line; %1 lists the characters (as the user typed them, separated by spaces) that a macro&apos;s text step could not type on this desktop and left out.</extracomment>
        <translation>
            <numerusform>A text step left out %n character this desktop cannot type: %1</numerusform>
            <numerusform>A text step left out %n characters this desktop cannot type: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvane::HVKeyComboPanel</name>
    <message numerus="yes">
        <source>Not recorded: a macro has at most %n keys.</source>
        <translation>
            <numerusform>Not recorded: a macro has at most %n key.</numerusform>
            <numerusform>Not recorded: a macro has at most %n keys.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not added: a macro has at most %n steps.</source>
        <translation>
            <numerusform>Not added: a macro has at most %n step.</numerusform>
            <numerusform>Not added: a macro has at most %n steps.</numerusform>
        </translation>
    </message>
</context>
</TS>
