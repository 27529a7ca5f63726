<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TranslationsProbe</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
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
    <name>SettingsValidator</name>
    <message>
        <source>1 profile, expected %1</source>
        <translation>1 Profil, erwartet %1</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles, expected %1</source>
        <translation>
            <numerusform>%n Profil, erwartet %1</numerusform>
            <numerusform>%n Profile, erwartet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>is %1, expected %2</source>
        <translation>ist %1, erwartet %2</translation>
    </message>
    <message>
        <source>a string</source>
        <comment>kind of value</comment>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a dictionary</source>
        <comment>kind of value</comment>
        <translation>ein Wörterbuch</translation>
    </message>
    <message>
        <source>missing (reads as false)</source>
        <translation>fehlt (gilt als false)</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>empty (the step types nothing)</source>
        <translation>leer (der Schritt tippt nichts)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Could not create %1: %2</source>
        <translation>%1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the program&apos;s bundle holds no default settings</source>
        <translation>das Programmpaket enthält keine Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>ProfileTransfer</name>
    <message>
        <source>profile numbers are 1 to %1</source>
        <translation>Profilnummern gehen von 1 bis %1</translation>
    </message>
</context>
</TS>
