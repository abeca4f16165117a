<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazek, więc największa możliwa liczba par to %1.</numerusform>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazki, więc największa możliwa liczba par to %1.</numerusform>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazków, więc największa możliwa liczba par to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazek, a do gry potrzeba co najmniej %1.</numerusform>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazki, a do gry potrzeba co najmniej %1.</numerusform>
            <numerusform>Ten zestaw kart nie ma wystarczającej liczby obrazków!

Ma %n obrazków, a do gry potrzeba co najmniej %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>Nie można użyć zestawu kart „%1”.

Szczegóły: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>Nie można użyć zestawu kart „%1”: %2.

Szczegóły: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>jego plik jest uszkodzony</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>liczba obrazków (%1) jest za mała dla liczby par (%2)</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>nie można odczytać jego pliku albo plik jest uszkodzony</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>nie da się rozłożyć jego kart przy liczbie par %1</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>jeden z jego obrazków jest uszkodzony</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>nie zawiera już obrazków z zapisanej gry</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>zestaw nadaje się do gry dopiero od %1 obrazków kart, a ma ich %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>zestaw z parami różnych kart potrzebuje drugiego obrazka do każdego obrazka karty, a ma ich %1 na %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>nazwa ma więcej niż 255 znaków, a tyle najwyżej mieści zestaw kart</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>link ma więcej niż 255 znaków, a tyle najwyżej mieści zestaw kart</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: nie można zapisać (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>nazwa zajmuje w UTF-8 %1 B, więcej niż %2 B, które zestaw kart mieści dla nazwy spoza Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Grafika: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>kliknij, aby odwiedzić projekt</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Parada zwierząt</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Kuchenna uczta</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Sport i podróże</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Cienie</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (pary: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Nikt nie wygrał</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Wygrywa: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>para %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 odkrywa kartę (%2): %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 znajduje parę (pary: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>Kolej: %1 (pary: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>para %1, drugi obrazek</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>para %1, pierwszy obrazek</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Obsługa gry&lt;/b&gt; jest bardzo prosta. Celem jest łączenie w pary jednakowych obrazków: odszukaj je na planszy i kliknij.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Może grać do czterech graczy, przeciwko sobie albo przeciwko komputerowi. Liczbę graczy ustawiasz, po prostu wpisując ich imiona na liście na ekranie OPCJE. Inne opcje to między innymi liczba par na planszy: od 8 do 60 różnych obrazków. Możesz też zmienić opóźnienie, czyli czas, przez który kliknięta karta pozostaje odkryta.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Klawiatura&lt;/b&gt;: klawisz Tab przenosi między planszą a przyciskami, a Enter lub spacja naciska przycisk. Na planszy klawisze strzałek przesuwają ramkę od karty do karty (Home, End, Page Up i Page Down przeskakują do krawędzi), a Enter lub spacja odkrywa kartę w ramce. F1 otwiera tę pomoc, a Esc ją zamyka.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Wznawianie gry&lt;/b&gt;: gra, która nie została ukończona przed zamknięciem programu, zostaje zachowana. Przy następnym uruchomieniu ekran powitalny zaproponuje ją w wierszu na dole: kliknij ten wiersz albo przejdź do niego klawiszem Tab i naciśnij Enter, aby grać dalej.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Rekordy&lt;/b&gt;: każda ukończona gra zostaje zapisana. Okno wyników pokazuje najlepszy wynik z tymi samymi kartami i tą samą liczbą par oraz liczbę gier wygranych i przegranych z komputerem przy bieżącym ustawieniu jego pamięci.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Gracz %1</translation>
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
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Nie można połączyć się z adresem %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Nie znaleziono domyślnej przeglądarki internetowej</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Nie można wysłać wiadomości na adres %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Nie znaleziono domyślnego programu pocztowego</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Rekord: %1, %n para, %2</numerusform>
            <numerusform>Rekord: %1, %n pary, %2</numerusform>
            <numerusform>Rekord: %1, %n par, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Rekord: %1, %n para</numerusform>
            <numerusform>Rekord: %1, %n pary</numerusform>
            <numerusform>Rekord: %1, %n par</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Pamięć komputera %1 z 10: wygrane %2, przegrane %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>Nie można wznowić zapisanej gry: %1. Nie udało się jej odłożyć na bok (%2), więc zostaje w pliku %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>Nie można wznowić zapisanej gry: %1. Zachowano ją w pliku %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>jej zestaw kart %1 już nie istnieje</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>jej zestaw kart %1 zmienił się od zapisania gry</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Nie można odczytać tego pliku jako obrazka (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>Nie można odczytać drugiego obrazka z tej pary (%1).</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Ten obrazek pokazuje to samo co %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>gra w pary</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  O grze i autorach</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>znajdź pary, pokonaj przyjaciół</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Naciśnij Graj, aby zacząć, albo Opcje, aby wybrać</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>karty, graczy i pamięć komputera.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Grafika: Noto Color Emoji (SIL Open Font License) — kliknij, aby odwiedzić</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Zestaw kart</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Pary na planszy</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Opóźnienie (s)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Komputer gra</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Pamięć komputera</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>słaba</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>mocna</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Gracze bez imion
nie biorą udziału.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Oryginalny pomysł i projekt:</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Wersję na pulpit Linuksa przygotowali programiści studia Orvane</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Obrazki kart pochodzą z czcionki Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>używanej na licencji SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, puste pole</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, karta zabrana</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, karta zakryta</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, karta odkryta: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: obrazek karty %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Przyciski gry</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Przyciski okna</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Okładka</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Witaj ponownie: kliknij tutaj, aby wrócić do gry</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Ruchome karty</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Pary</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Poziom komputera</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Ustaw opcje</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Nie udało się zapisać gry: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (nie można użyć)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Zacząć nową grę? Niedokończona gra zostanie utracona.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Zadziała przy następnym starcie.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: drugi obrazek karty %2: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Zestaw z obrazków...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Ani w %1, ani w %2 nie ma żadnego czytelnego zestawu kart!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>Nie można odczytać nowego zestawu kart z pliku %1.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Przyciski okna</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Gracze:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Pary:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Wygrywa: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n para</numerusform>
            <numerusform>%1 %n pary</numerusform>
            <numerusform>%1 %n par</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; kolej: %2</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Obrazki (%1)</translation>
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
            <numerusform>i jeszcze %n obrazek.</numerusform>
            <numerusform>i jeszcze %n obrazki.</numerusform>
            <numerusform>i jeszcze %n obrazków.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Nowy zestaw z obrazków</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Zrób zestaw kart z własnych obrazków: PNG, JPEG, GIF, BMP i innych, które ten komputer potrafi odczytać. Z każdego obrazka powstaje jedna para, a obrazek zostaje przycięty do kształtu karty. Dwa obrazki nazwane na przykład pies.a.jpg i pies.b.jpg tworzą jedną parę, w której obie karty są różne. Zestaw potrzebuje co najmniej %1 obrazków.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Wybierz folder...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Wybierz obrazki...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Folder z obrazkami</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Masz już zestaw zapisany jako %1. Zastąpić go nowym zestawem?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Znalezione obrazki: %1. Zestaw potrzebuje co najmniej %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nazwa zestawu:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Wczytywanie obrazków...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Zapisywanie zestawu...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Nie udało się utworzyć zestawu: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Obrazki, których można użyć: %1. Zestaw potrzebuje co najmniej %2 różnych obrazków, więc nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Pominięte:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>Zestaw „%1” ma %n parę.</numerusform>
            <numerusform>Zestaw „%1” ma %n pary.</numerusform>
            <numerusform>Zestaw „%1” ma %n par.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Błąd podczas uruchamiania programu</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>Plik %1 nie istnieje lub jest uszkodzony!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: nie można otworzyć (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: to nie jest archiwum zasobów (nagłówek lub tabela wpisów jest uszkodzona)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: nie nadaje się do gry, problemy: %2</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: wpis %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: wpis %2: ostrzeżenie: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 to pusty obrazek</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>nie da się zdekodować %1 jako %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 ma wymiary %2x%3, a nie %4x%5 jak cały zestaw</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>brak: archiwum nie zawiera żadnych wpisów</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>rekord jest skompresowany do %1 B; gra rozpakowuje tylko tyle bajtów z jego %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>rekord ma %1 B zamiast %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>nie można odczytać rekordu (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>rozmiar karty %1x%2 nie jest dodatni</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>liczba obrazków kart w zestawie (%1) jest mniejsza niż minimum do gry (%2)</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>rekord podaje liczbę obrazków kart %1, a archiwum zawiera ich %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>użycie: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>obrazek reklamowy</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>brak: nie ma obrazka reklamowego</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>tył karty</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>brak: nie ma tyłu karty</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>obrazek karty %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>obrazek karty %1 ma inną ramkę niż pozostałe obrazki w zestawie</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: nadaje się do gry, obrazki kart: %2 (%3, %4x%5), ostrzeżenia: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: nadaje się do gry, obrazki kart: %2 (%3, %4x%5)</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 wymaga wartości; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>nieznana opcja %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: to nie jest czytelny obrazek typu %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: obrazek jest pusty</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>obrazki kart są różnych typów: %1 to %2, a %3 to %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>obrazki kart mają różne wymiary: %1 ma %2, a %3 ma %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: tył karty ma wymiary %2, a obrazki kart %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: obrazki kart: %2 (%3, %4)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: &apos;%2&apos; nie jest numerem wpisu</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: nie można zapisać</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: nie można utworzyć</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: znacznik %2, wpisy: %3</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>zestaw kart: %1 x %2 px, obrazki kart: %3, typ obrazków: %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nazwa: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>link: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Wyświetla zawartość pliku zestawu kart lub skórki: nazwę, link i obrazki.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Kopiuje wpis numer N (obrazek lub tekst zestawu) z pliku zestawu kart lub skórki; przy OUT „-” wypisuje go na standardowe wyjście.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Tworzy nowy zestaw kart z własnych obrazków: po jednym pliku na każdy obrazek karty (GIF, JPEG lub BMP), tył karty i obrazek reklamowy.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Sprawdza, czy zestaw kart nadaje się do gry, a jeśli nie, to co jest z nim nie tak.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Pokazuje, które plansze wypełnia zestaw kart na ekranie o tym rozmiarze.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Zapisuje każdą klatkę obrazka karty jako plik PNG, tak jak pokazuje je gra.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Wyświetla zapisane przez grę ukończone rozgrywki, od najstarszej.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Tworzy i sprawdza zestawy kart do gry w pary Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>&apos;tessaly COMMAND --help&apos; opisuje jedno polecenie; &apos;man tessaly&apos; podaje więcej informacji.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: nieznane polecenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: nieznany typ obrazka (użyj .gif, .jpg, .jpeg lub .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmapa</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: nie można skompresować</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: oczekiwano wartości WIDTHxHEIGHT większej niż ramka okna (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: rozmiar karty %2x%3 nie jest dodatni</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: liczba obrazków kart w zestawie (%2) jest mniejsza niż najmniejsza liczba par (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>w postaci tekstowej \\ to ukośnik wsteczny, \t tabulator, \n i \r końce wiersza, \, przecinek, \xHH inny znak sterujący</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>rekord oznacza pary różnych kart, ale archiwum zawiera drugich obrazków: %1, a obrazków kart: %2</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>drugi obrazek karty %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>drugi obrazek karty %1 ma inną ramkę niż pozostałe drugie obrazki w zestawie</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: nadaje się do gry, obrazki kart: %2 (%3, %4x%5), każdy z drugim obrazkiem, ostrzeżenia: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: nadaje się do gry, obrazki kart: %2 (%3, %4x%5), każdy z drugim obrazkiem</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 nie ma postaci FIRST:SECOND, czyli dwóch plików obrazków połączonych jednym dwukropkiem</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: obrazki kart: %2 (%3, %4), każdy z drugim obrazkiem</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>drugie obrazki: wpisy od %1 do %2, drugi obrazek karty N we wpisie N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Z opcją --pairs każdy FACE ma postać FIRST:SECOND: dwa obrazki dla dwóch kart jednej pary (na przykład słowo i jego obrazek); karty nadal łączą się w pary tak jak wcześniej.</translation>
    </message>
</context>
</TS>
