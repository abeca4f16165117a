<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramText</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a picture&apos;s file name and why it was left out</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <comment>pictures left out</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
