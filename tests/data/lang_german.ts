<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>STitle</source>
        <translation>Korvath Diagnose</translation>
    </message>
    <message>
        <source>SConnect</source>
        <translation>Verbinden</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Główna</source>
        <translation>Start</translation>
    </message>
</context>
</TS>
