<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Dieser Kartensatz hat nicht genug Bilder!

Er hat %n Bild, das reicht für %1 Paare.</numerusform>
            <numerusform>Dieser Kartensatz hat nicht genug Bilder!

Er hat %n Bilder, das reicht für %1 Paare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Dieser Kartensatz hat nicht genug Bilder!

Er hat %n Bild, aber ein Spiel braucht mindestens %1.</numerusform>
            <numerusform>Dieser Kartensatz hat nicht genug Bilder!

Er hat %n Bilder, aber ein Spiel braucht mindestens %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>Der Kartensatz „%1“ kann nicht benutzt werden.

Details: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>Der Kartensatz „%1“ kann nicht benutzt werden: %2.

Details: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>seine Datei ist beschädigt</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>er hat nur %1 Bilder, zu wenige für %2 Paare</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>seine Datei ist nicht lesbar oder beschädigt</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>seine Karten lassen sich nicht für %1 Paare auslegen</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>eines seiner Bilder ist beschädigt</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>er enthält die Bilder des gespeicherten Spiels nicht mehr</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>ein Kartensatz braucht mindestens %1 Kartenbilder, um spielbar zu sein, hat aber %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>ein Kartensatz mit ungleichen Paaren braucht zu jedem Kartenbild ein zweites, hat aber %1 für %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>der Name ist länger als die 255 Zeichen, die ein Kartensatz fassen kann</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>der Link ist länger als die 255 Zeichen, die ein Kartensatz fassen kann</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>der Name braucht in UTF-8 %1 Bytes, mehr als die %2, die ein Kartensatz für einen Namen außerhalb von Windows-1252 fassen kann</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Bilder: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>zur Projektseite klicken</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Tierparade</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Küchenfest</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Sport &amp; Reisen</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Schatten</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (Paare: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Gewonnen hat: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 deckt %2 auf: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 findet ein Paar (Paare: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>%1 ist dran (Paare: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>Paar %1, zweites Bild</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>Paar %1, erstes Bild</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Das Spielen&lt;/b&gt; ist ganz einfach. Ziel ist es, Paare mit demselben Bild zu finden und sie auf dem Spielfeld anzuklicken.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Bis zu vier Spieler können gegeneinander oder gegen den Computer spielen. Wie viele mitspielen, legst du ganz einfach fest, indem du ihre Namen in die Liste unter OPTIONEN einträgst. Dort kannst du außerdem wählen, wie viele Paare auf einmal ausgelegt werden: 8 bis 60 verschiedene Bilder. Du kannst auch die Wartezeit ändern, also wie lange eine angeklickte Karte offen liegen bleibt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Tastatur&lt;/b&gt;: Mit Tab wechselst du zwischen dem Spielfeld und den Schaltflächen, mit Eingabe oder Leertaste drückst du eine Schaltfläche. Auf dem Spielfeld bewegen die Pfeiltasten den Rahmen von Karte zu Karte (Pos1, Ende, Bild auf und Bild ab springen an die Ränder), und mit Eingabe oder Leertaste deckst du die Karte im Rahmen auf. F1 öffnet diese Hilfe, Esc schließt sie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Weiterspielen&lt;/b&gt;: Ein Spiel, das beim Beenden des Programms noch nicht fertig ist, wird aufbewahrt. Beim nächsten Mal bietet der Startbildschirm es in der Zeile unten an: Klick auf die Zeile oder geh mit Tab dorthin und drück Eingabe, dann spielst du weiter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Rekorde&lt;/b&gt;: Jedes beendete Spiel wird aufgezeichnet. Das Fenster mit dem Punktestand zeigt das beste Ergebnis mit denselben Karten und derselben Zahl von Paaren und wie viele Spiele gegen den Computer bei dieser Gedächtnisstufe gewonnen und verloren wurden.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>ProgramText</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Keine Verbindung zu %1 möglich</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Kein Standard-Webbrowser gefunden</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>E-Mail an %1 kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Kein Standard-E-Mail-Programm gefunden</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Rekord: %1, %n Paar in %2</numerusform>
            <numerusform>Rekord: %1, %n Paare in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Zügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Rekord: %1, %n Paar</numerusform>
            <numerusform>Rekord: %1, %n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Computergedächtnis %1/10: %2 gewonnen, %3 verloren</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>Das gespeicherte Spiel kann nicht fortgesetzt werden: %1. Es konnte nicht beiseitegelegt werden (%2) und bleibt unter %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>Das gespeicherte Spiel kann nicht fortgesetzt werden: %1. Es wurde unter %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>sein Kartensatz %1 ist nicht mehr da</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>sein Kartensatz %1 hat sich seit dem Speichern geändert</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Die Datei lässt sich nicht als Bild lesen (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>Das andere Bild seines Paares, %1, lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Es zeigt dasselbe wie %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>das Spiel mit den Paaren</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Info &amp; Mitwirkende</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>finde die Paare, schlag deine Freunde</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Drück auf Start zum Spielen oder auf Optionen,</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>um Karten, Spieler und Computergedächtnis zu wählen.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Kartenbilder: Noto Color Emoji (SIL Open Font License) – zum Besuchen klicken</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Paare auf dem Feld</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Wartezeit (Sekunden)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Computer spielt</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Computergedächtnis</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>stark</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Wer keinen Namen hat,
spielt nicht mit.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punktestand</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Ursprüngliche Idee und Gestaltung von</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Für den Linux-Desktop gebaut von den Orvane-Entwicklern</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Kartenbilder aus der Schrift Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>verwendet unter der SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über das Spiel</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, abgeräumt</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, verdeckt</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, aufgedeckt: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: Kartenbild %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Spiel-Schaltflächen</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Fenster-Schaltflächen</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Willkommen zurück: Klick hier und spiel weiter</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Bewegte Karten</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Computerstufe</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Optionen einstellen</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Dein Spiel konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (nicht verwendbar)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Ein neues Spiel starten? Dein angefangenes Spiel geht dann verloren.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: Kartenbild %2, zweites Bild: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Kartensatz aus Bildern...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Kein lesbarer Kartensatz in %1 oder %2!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>Der neue Kartensatz in %1 ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Fenster-Schaltflächen</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paare:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Gewonnen hat: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n Paar</numerusform>
            <numerusform>%1 %n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; %2 ist dran</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a picture&apos;s file name and why it was left out</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>und %n weiteres.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Neuer Kartensatz aus Bildern</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Mach einen Kartensatz aus deinen eigenen Bildern: PNG, JPEG, GIF, BMP und die anderen Bildformate, die dieser Computer lesen kann. Jedes Bild ergibt ein Paar und wird auf die Form einer Karte zugeschnitten. Zwei Bilder mit Namen wie hund.a.jpg und hund.b.jpg ergeben ein Paar, dessen zwei Karten verschieden sind. Ein Kartensatz braucht mindestens %1 Bilder.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Bilder wählen...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Ordner mit Bildern</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Du hast schon einen Kartensatz unter %1 gespeichert. Soll der neue ihn ersetzen?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Gefundene Bilder: %1. Ein Kartensatz braucht mindestens %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Name des Kartensatzes:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Die Bilder werden gelesen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Der Kartensatz wird gespeichert...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Der Kartensatz konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Brauchbare Bilder: %1. Ein Kartensatz braucht mindestens %2 verschiedene Bilder, deshalb wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Weggelassen:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>Der Kartensatz „%1“ hat %n Paar.</numerusform>
            <numerusform>Der Kartensatz „%1“ hat %n Paare.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Fehler beim Starten des Programms</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 fehlt oder ist beschädigt!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: kein Ressourcenarchiv (der Kopf oder die Eintragstabelle ist beschädigt)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: nicht spielbar, %2 Problem(e)</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: Eintrag %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: Eintrag %2: Warnung: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 ist ein leeres Bild</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>%1 lässt sich nicht als %2 dekodieren (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 ist %2x%3 groß, nicht %4x%5 wie der Kartensatz</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>fehlt: das Archiv enthält keine Einträge</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>der Datensatz ist auf %1 Bytes komprimiert; das Spiel entpackt nur so viele seiner %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>der Datensatz ist %1 Bytes groß, nicht %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>der Datensatz ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>die Kartengröße %1x%2 ist nicht positiv</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>der Kartensatz hat %1 Kartenbilder, weniger als die %2, die ein Spiel braucht</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>der Datensatz nennt %1 Kartenbilder, aber das Archiv enthält %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>das Werbebild</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>fehlt: es gibt kein Werbebild</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>die Kartenrückseite</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>fehlt: es gibt keine Kartenrückseite</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>Kartenbild %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>Kartenbild %1 hat einen anderen Rand als die übrigen Kartenbilder des Satzes</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: spielbar, %2 Kartenbilder (%3) zu %4x%5, %6 Warnung(en)</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: spielbar, %2 Kartenbilder (%3) zu %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 braucht einen Wert; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>unbekannte Option %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: kein lesbares Bild im Format %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: das Bild ist leer</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>die Kartenbilder mischen Bildformate: %1 ist %2, aber %3 ist %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>die Kartenbilder sind verschieden groß: %1 ist %2, aber %3 ist %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: die Kartenrückseite ist %2, die Kartenbilder aber %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: Warnung: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: %2 Kartenbilder (%3) zu %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: „%2“ ist keine Eintragsnummer</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: Kennung %2, %3 Einträge</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>Kartensatz: %1 x %2 Pixel, %3 Kartenbilder, Bildtyp %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>Link: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Zeigt, was eine Kartensatz- oder Skin-Datei enthält: Name, Link und Bilder.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Kopiert Eintrag Nummer N (ein Bild oder den Text des Satzes) aus einer Kartensatz- oder Skin-Datei; ist OUT „-“, wird er ausgegeben.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Erstellt einen neuen Kartensatz aus deinen eigenen Bildern: ein Bild für jedes Kartenbild (GIF, JPEG oder BMP), eine Kartenrückseite und ein Werbebild.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Prüft, ob das Spiel einen Kartensatz spielen kann, und wenn nicht, was daran falsch ist.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Zeigt, welche Spielfelder ein Kartensatz auf einem Bildschirm dieser Größe füllt.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Speichert jedes Einzelbild eines Kartenbilds als PNG-Datei, so wie das Spiel es zeigt.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Listet die beendeten Spiele auf, die das Spiel aufgezeichnet hat, die ältesten zuerst.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Erstellt und prüft die Kartensätze des Gedächtnisspiels Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>„tessaly COMMAND --help“ erklärt einen Befehl; „man tessaly“ sagt mehr.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: unbekanntes Bildformat (verwende .gif, .jpg, .jpeg oder .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: kann nicht komprimiert werden</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: erwartet BREITExHÖHE größer als der Fensterrahmen (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: die Kartengröße %2x%3 ist nicht positiv</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: der Kartensatz hat %2 Kartenbilder, weniger als die kleinste Paarzahl (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>in der Textform ist \\ ein Backslash, \t ein Tabulator, \n und \r Zeilenumbrüche, \, ein Komma, \xHH ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>der Datensatz kennzeichnet ungleiche Paare, aber das Archiv enthält %1 zweite Bilder für seine %2 Kartenbilder</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>zweites Bild zu Kartenbild %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>das zweite Bild zu Kartenbild %1 hat einen anderen Rand als die übrigen zweiten Bilder des Satzes</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: spielbar, %2 Kartenbilder (%3) zu %4x%5, jedes mit einem zweiten Bild, %6 Warnung(en)</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: spielbar, %2 Kartenbilder (%3) zu %4x%5, jedes mit einem zweiten Bild</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 ist nicht FIRST:SECOND, also zwei Bilddateien, verbunden durch einen Doppelpunkt</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: %2 Kartenbilder (%3) zu %4, jedes mit einem zweiten Bild</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>zweite Bilder: Einträge %1 bis %2, das zu Kartenbild N in Eintrag N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Mit --pairs ist jedes FACE ein FIRST:SECOND, zwei Bilder für die zwei Karten eines Paares (etwa ein Wort und sein Bild); die Karten gehören weiterhin paarweise zusammen.</translation>
    </message>
</context>
</TS>
