<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Test data, not a real language: a caption too wide for its button, and
     a help paragraph whose heading lost its end. -->
<TS version="2.1" language="zz">
<context>
    <name>Skin</name>
    <message>
        <source>Play</source>
        <translation>Jetzt sofort spielen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <translation>&lt;b&gt;Tastatur: Tab wechselt.</translation>
    </message>
</context>
</TS>
