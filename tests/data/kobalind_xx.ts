<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Test data, not a real language: two captions of the skin translated
     (the overlay holds exactly their pictures), one paragraph of the help and
     one default card set's name, with Polish and Russian letters. -->
<TS version="2.1" language="xx">
<context>
    <name>Skin</name>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <translation>&lt;b&gt;Клавиатура&lt;/b&gt;: Tab przełącza {planszę} i przyciski \ Ёж.</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Animal Parade</source>
        <translation>Парад зверей</translation>
    </message>
</context>
</TS>
