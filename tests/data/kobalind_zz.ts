<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Test data, not a real language: a caption too wide for its button. -->
<TS version="2.1" language="zz">
<context>
    <name>Skin</name>
    <message>
        <source>Play</source>
        <translation>Jetzt sofort spielen</translation>
    </message>
</context>
</TS>
