<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Questo mazzo non ha abbastanza immagini!

Ha %n immagine, sufficiente per %1 coppie.</numerusform>
            <numerusform>Questo mazzo non ha abbastanza immagini!

Ha %n immagini, sufficienti per %1 coppie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Questo mazzo non ha abbastanza immagini!

Ha %n immagine e una partita ne richiede almeno %1.</numerusform>
            <numerusform>Questo mazzo non ha abbastanza immagini!

Ha %n immagini e una partita ne richiede almeno %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>Il mazzo &quot;%1&quot; non si può usare.

Dettagli: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>Il mazzo &quot;%1&quot; non si può usare: %2.

Dettagli: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>il suo file è danneggiato</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>ha solo %1 immagini, troppo poche per %2 coppie</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>il suo file non si può leggere o è danneggiato</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>le sue carte non si possono disporre per %1 coppie</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>una delle sue immagini è danneggiata</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>non contiene più le immagini della partita salvata</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>per essere giocabile un mazzo deve avere almeno %1 facce, ne ha %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>un mazzo di coppie diverse deve avere una seconda faccia per ogni faccia, ne ha %1 per %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>il nome supera i 255 caratteri che un mazzo può contenere</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>il link supera i 255 caratteri che un mazzo può contenere</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: impossibile scrivere (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>il nome occupa %1 byte in UTF-8, più dei %2 che un mazzo può contenere per un nome fuori da Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Disegni: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>fai clic per visitare il progetto</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Parata di animali</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Festa in cucina</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Sport e viaggi</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Ombre</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (coppie: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Nessun vincitore</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Ha vinto: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>coppia %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 gira la carta in %2: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 trova una coppia (coppie: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>Tocca a %1 (coppie: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>coppia %1, seconda immagine</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>coppia %1, prima immagine</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Giocare&lt;/b&gt; è molto semplice. Lo scopo è trovare sul tabellone le coppie di carte con la stessa immagine e fare clic su di esse.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Possono giocare fino a quattro giocatori, tra loro o contro il computer. Per scegliere quanti giocano basta scrivere i loro nomi nell&apos;elenco della schermata OPZIONI. Lì puoi anche scegliere quante coppie ci sono sul tabellone, da 8 a 60 immagini diverse, e cambiare l&apos;attesa: il tempo in cui una carta resta scoperta dopo il clic.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Tastiera&lt;/b&gt;: Tab passa dal tabellone ai pulsanti e viceversa, e Invio o la barra spaziatrice premono un pulsante. Sul tabellone i tasti freccia spostano la cornice da una carta all&apos;altra (Home, Fine, Pag Su e Pag Giù saltano ai bordi), e Invio o la barra spaziatrice girano la carta nella cornice. F1 apre questo aiuto, Esc lo chiude.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Riprendere una partita&lt;/b&gt;: se il gioco si chiude prima della fine di una partita, la partita viene conservata. La volta successiva, la schermata di benvenuto te la propone nella riga in basso: fai clic sulla riga, oppure raggiungila con Tab e premi Invio, per continuare a giocare.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Record&lt;/b&gt;: ogni partita finita viene registrata. La finestra dei punteggi mostra il miglior risultato con lo stesso mazzo e lo stesso numero di coppie, e quante partite sono state vinte e perse contro il computer al suo livello di memoria.</translation>
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
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Giocatore %1</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Impossibile connettersi a %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Browser web predefinito non trovato</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Impossibile inviare posta a %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Programma di posta predefinito non trovato</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Record: %1, %n coppia in %2</numerusform>
            <numerusform>Record: %1, %n coppie in %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n mossa</numerusform>
            <numerusform>%n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Record: %1, %n coppia</numerusform>
            <numerusform>Record: %1, %n coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Memoria del computer %1 su 10: vinte %2, perse %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>La partita salvata non si può riprendere: %1. Non è stato possibile metterla da parte (%2) e resta come %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>La partita salvata non si può riprendere: %1. È stata conservata come %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>il suo mazzo %1 non c&apos;è più</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>il suo mazzo %1 è cambiato dopo il salvataggio</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Non si può leggere come immagine (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>L&apos;altra immagine della sua coppia, %1, non si può leggere.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Mostra la stessa immagine di %1.</translation>
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
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>il gioco delle coppie</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Informazioni e riconoscimenti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>trova le coppie, batti i tuoi amici</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Premi Gioca per iniziare, o Opzioni per scegliere</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>il mazzo, i giocatori e la memoria del computer.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Disegni: Noto Color Emoji (SIL Open Font License) — fai clic per visitare il sito</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Coppie sul tabellone</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Attesa (secondi)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Gioca il computer</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Memoria del computer</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>poca</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>tanta</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Chi non ha un nome
non gioca.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Idea e design originali di</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Creato per il desktop Linux dagli sviluppatori di Orvane studio</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Immagini delle carte tratte dal font Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>usato con la licenza SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, vuota</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, già trovata</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, coperta</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, scoperta: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: faccia %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Pulsanti del gioco</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Pulsanti della finestra</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Copertina</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Bentornato: fai clic qui per riprendere la partita</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Carte animate</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Attesa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Livello del computer</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Scegli le opzioni</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Non è stato possibile salvare la partita: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (non utilizzabile)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Iniziare una nuova partita? La partita in corso andrà persa.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Vale dal prossimo avvio.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: seconda immagine della faccia %2: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Mazzo con le tue foto...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Nessun mazzo leggibile in %1 o in %2!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>Il nuovo mazzo in %1 non si può leggere.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Pulsanti della finestra</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Giocatori:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Coppie:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Ha vinto: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n coppia</numerusform>
            <numerusform>%1 %n coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; tocca a %2</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
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
            <numerusform>e %n altra.</numerusform>
            <numerusform>e altre %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Nuovo mazzo con le tue foto</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Crea un mazzo con le tue immagini: PNG, JPEG, GIF, BMP e gli altri formati che questo computer sa leggere. Ogni immagine forma una coppia e viene ritagliata a forma di carta. Due immagini con nomi come cane.a.jpg e cane.b.jpg formano una coppia di due carte diverse. Un mazzo ha bisogno di almeno %1 immagini.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Scegli una cartella...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Scegli le immagini...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Cartella di immagini</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Hai già un mazzo salvato come %1. Vuoi sostituirlo con quello nuovo?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Immagini trovate: %1. Un mazzo ne richiede almeno %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nome del mazzo:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Lettura delle immagini...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Salvataggio del mazzo...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Impossibile creare il mazzo: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Immagini utilizzabili: %1. Un mazzo richiede almeno %2 immagini diverse, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Escluse:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>Il mazzo &quot;%1&quot; ha %n coppia.</numerusform>
            <numerusform>Il mazzo &quot;%1&quot; ha %n coppie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Errore durante l&apos;avvio dell&apos;applicazione</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 manca o è danneggiato!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: impossibile aprire (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: non è un archivio di risorse (l&apos;intestazione o la tabella delle voci è danneggiata)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: non giocabile, problemi: %2</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: voce %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: voce %2: avviso: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 è un&apos;immagine vuota</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>%1 non si decodifica come %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 misura %2x%3, non %4x%5 come il mazzo</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>mancante: l&apos;archivio non contiene voci</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>il record è compresso in %1 byte; il gioco ne decomprime solo altrettanti dei suoi %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>il record è di %1 byte, non %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>impossibile leggere il record (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>la dimensione delle carte %1x%2 non è positiva</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>il mazzo ha %1 facce, meno delle %2 che servono per una partita</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>il record indica %1 facce ma l&apos;archivio ne contiene %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>l&apos;immagine pubblicitaria</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>mancante: non c&apos;è l&apos;immagine pubblicitaria</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>il dorso delle carte</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>mancante: non c&apos;è il dorso delle carte</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>faccia %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>la faccia %1 ha un bordo diverso dalle altre facce del mazzo</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: giocabile, %2 facce %3 da %4x%5, avvisi: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: giocabile, %2 facce %3 da %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 richiede un valore; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>opzione sconosciuta %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: non è un&apos;immagine %2 leggibile (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: l&apos;immagine è vuota</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>le facce mescolano tipi di immagine: %1 è %2 ma %3 è %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>le facce hanno dimensioni diverse: %1 misura %2 ma %3 misura %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: il dorso misura %2 ma le facce misurano %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: avviso: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: %2 facce %3 da %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: &apos;%2&apos; non è un numero di voce</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: impossibile scrivere</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: impossibile creare</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: tag %2, %3 voci</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>mazzo: %1 x %2 pixel, %3 facce, tipo di faccia %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nome: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>link: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Elenca il contenuto di un file di mazzo o di tema: nome, link e immagini.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Copia la voce numero N (un&apos;immagine o il testo del mazzo) da un file di mazzo o di tema; con OUT &quot;-&quot; la stampa a schermo.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Crea un nuovo mazzo con le tue immagini: un&apos;immagine per ogni faccia di carta (GIF, JPEG o BMP), un dorso e un&apos;immagine pubblicitaria.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Dice se il gioco può usare un mazzo e, se no, che cosa non va.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Mostra quali tabelloni riempie un mazzo su uno schermo di quelle dimensioni.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Salva ogni fotogramma di un&apos;immagine di carta come file PNG, come li mostra il gioco.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Elenca le partite concluse registrate dal gioco, dalla più vecchia.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Crea ed esamina i mazzi del gioco delle coppie Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>&apos;tessaly COMMAND --help&apos; spiega un comando; &apos;man tessaly&apos; dice di più.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: comando sconosciuto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: tipo di immagine sconosciuto (usa .gif, .jpg, .jpeg o .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: impossibile comprimere</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: atteso WIDTHxHEIGHT più grande della cornice della finestra (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: la dimensione delle carte %2x%3 non è positiva</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: il mazzo ha %2 facce, meno del numero minimo di coppie (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>nella forma testuale \\ è una barra rovesciata, \t una tabulazione, \n e \r un a capo, \, una virgola e \xHH un altro carattere di controllo</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>il record indica coppie diverse, ma l&apos;archivio contiene %1 seconde immagini per le sue %2 facce</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>seconda immagine della faccia %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>la seconda immagine della faccia %1 ha un bordo diverso dalle altre seconde immagini del mazzo</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: giocabile, %2 facce %3 da %4x%5, ognuna con una seconda immagine, avvisi: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: giocabile, %2 facce %3 da %4x%5, ognuna con una seconda immagine</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 non è FIRST:SECOND (due file di immagine uniti da due punti)</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: %2 facce %3 da %4, ognuna con una seconda immagine</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>seconde immagini: voci da %1 a %2, quella della faccia N alla voce N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Con --pairs ogni FACE è FIRST:SECOND, due immagini per le due carte di una coppia (per esempio una parola e la sua immagine); le carte si abbinano per coppia come sempre.</translation>
    </message>
</context>
</TS>
