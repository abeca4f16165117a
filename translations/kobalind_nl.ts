<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Deze kaartenset bevat niet genoeg afbeeldingen!

Er is %n afbeelding, genoeg voor %1 paren.</numerusform>
            <numerusform>Deze kaartenset bevat niet genoeg afbeeldingen!

Er zijn %n afbeeldingen, genoeg voor %1 paren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Deze kaartenset bevat niet genoeg afbeeldingen!

Er is %n afbeelding, en een spel heeft er minstens %1 nodig.</numerusform>
            <numerusform>Deze kaartenset bevat niet genoeg afbeeldingen!

Er zijn %n afbeeldingen, en een spel heeft er minstens %1 nodig.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>De kaartenset “%1” kan niet worden gebruikt.

Details: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>De kaartenset “%1” kan niet worden gebruikt: %2.

Details: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>het bestand is beschadigd</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>er zijn maar %1 afbeeldingen, te weinig voor %2 paren</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>het bestand kan niet worden gelezen of is beschadigd</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>de kaarten kunnen niet voor %1 paren worden neergelegd</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>een van de afbeeldingen is beschadigd</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>de afbeeldingen van het opgeslagen spel zitten er niet meer in</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>een set heeft minstens %1 kaartafbeeldingen nodig om speelbaar te zijn, maar heeft er %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>een set met paren van twee verschillende kaarten heeft bij elke kaartafbeelding een tweede nodig, maar heeft er %1 bij %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>de naam is langer dan de 255 tekens die een kaartenset kan bevatten</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>de link is langer dan de 255 tekens die een kaartenset kan bevatten</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: kan niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>de naam neemt in UTF-8 %1 bytes in beslag, meer dan de %2 die een kaartenset kan bevatten voor een naam buiten Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Plaatjes: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>klik om het project te bezoeken</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Dierenparade</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Keukenfeest</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Sport &amp; reizen</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Schaduwen</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (paren: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Geen winnaar</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>De winnaar is: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>paar %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 draait de kaart op %2 om: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 vindt een paar (paren: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>%1 is aan de beurt (paren: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>paar %1, tweede afbeelding</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>paar %1, eerste afbeelding</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Het spel spelen&lt;/b&gt; is heel eenvoudig. Het doel is om paren met dezelfde afbeelding te vinden en ze op het speelbord aan te klikken.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Tot vier spelers kunnen tegen elkaar of tegen de computer spelen. Het aantal spelers stel je in door hun namen in te vullen in de lijst in het scherm OPTIES. Bij de andere opties kies je hoeveel paren er tegelijk op het bord liggen: van 8 tot 60 verschillende afbeeldingen. Je kunt ook de wachttijd veranderen: zo lang blijft een aangeklikte kaart open liggen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Toetsenbord&lt;/b&gt;: met Tab ga je heen en weer tussen het speelbord en de knoppen, en met Enter of de spatiebalk druk je op een knop. Op het speelbord verplaatsen de pijltjestoetsen het kader van kaart naar kaart (Home, End, Page Up en Page Down springen naar de randen), en met Enter of de spatiebalk draai je de kaart in het kader om. F1 opent deze hulp, Esc sluit hem.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Verder spelen&lt;/b&gt;: een spel dat nog niet af is als het programma sluit, wordt bewaard. De volgende keer biedt het welkomstscherm het aan in de regel onderaan: klik op die regel, of ga er met Tab naartoe en druk op Enter, om verder te spelen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Records&lt;/b&gt;: elk uitgespeeld spel wordt bijgehouden. Het scorevenster toont het beste resultaat met dezelfde kaarten en hetzelfde aantal paren, en hoeveel spellen er tegen de computer zijn gewonnen en verloren bij de ingestelde sterkte van zijn geheugen.</translation>
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
        <translation>Speler</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Speler %1</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Kan geen verbinding maken met %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Standaardwebbrowser niet gevonden</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Kan geen e-mail sturen naar %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Standaard-e-mailprogramma niet gevonden</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Record: %1, %n paar in %2</numerusform>
            <numerusform>Record: %1, %n paren in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n zet</numerusform>
            <numerusform>%n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Record: %1, %n paar</numerusform>
            <numerusform>Record: %1, %n paren</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Computergeheugen %1 van 10: %2 gewonnen, %3 verloren</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>Het opgeslagen spel kan niet worden hervat: %1. Het kon niet opzij worden gezet (%2) en blijft staan als %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>Het opgeslagen spel kan niet worden hervat: %1. Het is bewaard als %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>de kaartenset %1 bestaat niet meer</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>de kaartenset %1 is veranderd sinds het spel werd opgeslagen</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Dit bestand kan niet als afbeelding worden gelezen (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>De andere afbeelding van dit paar, %1, kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Deze afbeelding is hetzelfde als %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>het paartjesspel</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Info en makers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>zoek de paren, versla je vrienden</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Druk op Spelen om te beginnen, of kies bij Opties</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>de kaarten, de spelers en het computergeheugen.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Plaatjes: Noto Color Emoji (SIL Open Font License) — klik om te bezoeken</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Kaartenset</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Paren op het bord</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Wachttijd (s)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Met computer</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Computergeheugen</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>zwak</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>sterk</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Lege namen
doen niet mee.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Oorspronkelijk idee en ontwerp door</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Voor de Linux-desktop gemaakt door de ontwikkelaars van studio Orvane</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Kaartafbeeldingen afkomstig uit het lettertype Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>gebruikt onder de SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, leeg</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, weggenomen</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, omgekeerd</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, open: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: kaartafbeelding %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Spelknoppen</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Vensterknoppen</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Voorblad</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Welkom terug: klik hier om verder te spelen</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Kaarten bewegen</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paren</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Wachttijd</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Niveau van de computer</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Opties instellen</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Je spel kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (niet bruikbaar)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Een nieuw spel beginnen? Je onafgemaakte spel gaat dan verloren.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Werkt pas bij de volgende start.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: tweede afbeelding bij kaartafbeelding %2: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Eigen kaarten maken...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Geen leesbare kaartenset in %1 of %2!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>De nieuwe kaartenset in %1 kan niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Vensterknoppen</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spelers:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paren:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>De winnaar is: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n paar</numerusform>
            <numerusform>%1 %n paren</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; %2 is aan de beurt</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
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
            <numerusform>en nog %n afbeelding.</numerusform>
            <numerusform>en nog %n afbeeldingen.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Nieuwe kaartenset van afbeeldingen</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Maak een kaartenset van je eigen afbeeldingen: PNG, JPEG, GIF, BMP en de andere soorten die deze computer kan lezen. Elke afbeelding wordt één paar en wordt bijgesneden tot de vorm van een kaart. Twee afbeeldingen met namen als hond.a.jpg en hond.b.jpg worden één paar waarvan de twee kaarten verschillen. Een kaartenset heeft minstens %1 afbeeldingen nodig.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Kies een map...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Kies afbeeldingen...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Map met afbeeldingen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Je hebt al een kaartenset opgeslagen als %1. Wil je die vervangen door de nieuwe kaartenset?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Gevonden afbeeldingen: %1. Een kaartenset heeft er minstens %2 nodig.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Naam van de kaartenset:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>De afbeeldingen worden gelezen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>De kaartenset wordt opgeslagen...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>De kaartenset kon niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Bruikbare afbeeldingen: %1. Een kaartenset heeft minstens %2 verschillende afbeeldingen nodig, dus er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Weggelaten:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>De kaartenset “%1” heeft %n paar.</numerusform>
            <numerusform>De kaartenset “%1” heeft %n paren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Fout bij het starten van het programma</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 ontbreekt of is beschadigd!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: kan niet worden geopend (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: geen bronarchief (de header of de itemtabel is beschadigd)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: niet speelbaar, problemen: %2</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: item %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: item %2: waarschuwing: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 is een lege afbeelding</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>%1 kan niet als %2 worden gedecodeerd (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 is %2x%3 en niet %4x%5 zoals de rest van de set</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>ontbreekt: het archief bevat geen items</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>het record is gecomprimeerd tot %1 bytes; het spel pakt maar zoveel bytes van de %2 uit</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>het record is %1 bytes, niet %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>het record kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>de kaartgrootte %1x%2 is niet positief</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>de set heeft %1 kaartafbeeldingen, minder dan de %2 die een spel nodig heeft</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>het record noemt %1 kaartafbeeldingen, maar het archief bevat er %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>gebruik: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>de reclameafbeelding</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>ontbreekt: er is geen reclameafbeelding</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>de achterkant</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>ontbreekt: er is geen achterkant</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>kaartafbeelding %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>kaartafbeelding %1 heeft een andere rand dan de andere kaartafbeeldingen van de set</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: speelbaar, %2 kaartafbeeldingen (%3) van %4x%5, waarschuwingen: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: speelbaar, %2 kaartafbeeldingen (%3) van %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 heeft een waarde nodig; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>onbekende optie %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: geen leesbare afbeelding van het type %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: de afbeelding is leeg</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>de kaartafbeeldingen zijn van verschillende types: %1 is %2, maar %3 is %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>de kaartafbeeldingen verschillen in grootte: %1 is %2, maar %3 is %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: de achterkant is %2, maar de kaartafbeeldingen zijn %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: waarschuwing: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: %2 kaartafbeeldingen (%3) van %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: &apos;%2&apos; is geen itemnummer</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kan niet worden geschreven</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: tag %2, %3 items</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>kaartenset: %1 x %2 pixels, %3 kaartafbeeldingen, afbeeldingstype %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>naam: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>link: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Toont wat een kaartenset- of skinbestand bevat: de naam, de link en de afbeeldingen.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Kopieert item nummer N (een afbeelding of de tekst van de set) uit een kaartenset- of skinbestand; met OUT &quot;-&quot; wordt het naar de standaarduitvoer geschreven.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Maakt een nieuwe kaartenset van je eigen afbeeldingen: één bestand per kaartafbeelding (GIF, JPEG of BMP), een achterkant en een reclameafbeelding.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Vertelt of het spel met een kaartenset kan spelen, en zo niet, wat er mis mee is.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Toont welke speelborden een kaartenset vult op een scherm van die grootte.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Slaat elk frame van een kaartafbeelding op als PNG-bestand, zoals het spel ze toont.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Toont de gespeelde spellen die het spel heeft bijgehouden, de oudste eerst.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Maakt en controleert de kaartensets van het paartjesspel Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>&apos;tessaly COMMAND --help&apos; legt één opdracht uit; &apos;man tessaly&apos; vertelt meer.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: onbekende opdracht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: onbekend type afbeelding (gebruik .gif, .jpg, .jpeg of .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: kan niet worden gecomprimeerd</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: verwacht WIDTHxHEIGHT, groter dan het vensterkader (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: de kaartgrootte %2x%3 is niet positief</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: de set heeft %2 kaartafbeeldingen, minder dan het kleinste aantal paren (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>in de tekstvorm is \\ een backslash, \t een tab, \n en \r regeleinden, \, een komma, \xHH een ander stuurteken</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>het record geeft paren met verschillende kaarten aan, maar het archief bevat %1 tweede afbeeldingen bij de %2 kaartafbeeldingen</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>tweede afbeelding bij kaartafbeelding %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>de tweede afbeelding bij kaartafbeelding %1 heeft een andere rand dan de andere tweede afbeeldingen van de set</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: speelbaar, %2 kaartafbeeldingen (%3) van %4x%5, elk met een tweede afbeelding, waarschuwingen: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: speelbaar, %2 kaartafbeeldingen (%3) van %4x%5, elk met een tweede afbeelding</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 is geen FIRST:SECOND, twee afbeeldingsbestanden verbonden door één dubbele punt</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: %2 kaartafbeeldingen (%3) van %4, elk met een tweede afbeelding</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>tweede afbeeldingen: items %1 tot en met %2, die bij kaartafbeelding N in item N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Met --pairs is elke FACE FIRST:SECOND: twee afbeeldingen voor de twee kaarten van één paar (bijvoorbeeld een woord en de bijbehorende afbeelding); de kaarten horen nog steeds per paar bij elkaar.</translation>
    </message>
</context>
</TS>
