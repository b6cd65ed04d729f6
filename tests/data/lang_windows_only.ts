<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>TMainForm</name>
    <message>
        <source>Główna</source>
        <translation>Hlavní</translation>
    </message>
</context>
</TS>
