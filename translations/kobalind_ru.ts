<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинка: можно играть, только если пар не больше %1.</numerusform>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинки: можно играть, только если пар не больше %1.</numerusform>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинок: можно играть, только если пар не больше %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинка, а для игры нужно не меньше %1.</numerusform>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинки, а для игры нужно не меньше %1.</numerusform>
            <numerusform>В этом наборе карточек не хватает картинок!

В нём %n картинок, а для игры нужно не меньше %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>Набор карточек «%1» нельзя использовать.

Подробности: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>Набор карточек «%1» нельзя использовать: %2.

Подробности: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>его файл повреждён</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>в нём слишком мало картинок (%1) для выбранного числа пар (%2)</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>его файл не читается или повреждён</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>его карточки не удаётся разложить для выбранного числа пар (%1)</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>одна из его картинок повреждена</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>в нём больше нет картинок сохранённой игры</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>чтобы с набором можно было играть, лицевых сторон должно быть не меньше %1, а получено %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>в наборе, где карточки пары разные, у каждой лицевой стороны должна быть вторая; вторых получено %1, лицевых сторон %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>название длиннее 255 символов, которые вмещает набор карточек</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>ссылка длиннее 255 символов, которые вмещает набор карточек</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: не удаётся записать (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>название занимает в UTF-8 %1 байт — больше, чем %2, которые набор карточек вмещает для названия не в Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Арт: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>нажми, чтобы открыть сайт</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Парад зверей</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Пир на кухне</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Спорт и путешествия</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Тени</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (пар: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Победитель: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>пара %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 открывает карточку, %2: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 находит пару (пар: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>Ходит %1 (пар: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>пара %1, вторая картинка</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>пара %1, первая картинка</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Играть&lt;/b&gt; очень просто. Цель игры — находить на поле пары одинаковых картинок и открывать их щелчком.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Играть могут до четырёх игроков — друг с другом или с компьютером. Чтобы задать число игроков, просто впиши их имена в список на экране ОПЦИИ. Там же можно выбрать, сколько пар будет на поле: от 8 до 60 разных картинок. А ещё можно изменить задержку — время, в течение которого открытая карточка остаётся видна.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Клавиатура&lt;/b&gt;: клавиша Tab переключает между полем и кнопками, а Enter или Пробел нажимает кнопку. На поле клавиши со стрелками переводят рамку с карточки на карточку (Home, End, Page Up и Page Down — сразу к краям), а Enter или Пробел открывает карточку в рамке. F1 открывает эту справку, Esc закрывает её.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Продолжение игры&lt;/b&gt;: если закрыть программу, не закончив игру, игра сохранится. В следующий раз заставка предложит её в строке внизу: чтобы играть дальше, щёлкни по этой строке или перейди к ней клавишей Tab и нажми Enter.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Рекорды&lt;/b&gt;: каждая законченная игра записывается. В окне счёта видно лучший результат с тем же набором карточек и тем же числом пар, а также сколько игр выиграно и проиграно у компьютера с той же памятью.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Игрок %1</translation>
    </message>
</context>
<context>
    <name>ProgramText</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Не удаётся подключиться к %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Браузер по умолчанию не найден</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Не удаётся отправить письмо на адрес %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Почтовая программа по умолчанию не найдена</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Рекорд: %1, %n пара за %2</numerusform>
            <numerusform>Рекорд: %1, %n пары за %2</numerusform>
            <numerusform>Рекорд: %1, %n пар за %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Рекорд: %1, %n пара</numerusform>
            <numerusform>Рекорд: %1, %n пары</numerusform>
            <numerusform>Рекорд: %1, %n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Память %1 из 10: побед %2, поражений %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>Сохранённую игру нельзя продолжить: %1. Её не удалось переместить (%2), она остаётся в файле %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>Сохранённую игру нельзя продолжить: %1. Она сохранена в файле %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>её набора карточек %1 больше нет</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>её набор карточек %1 изменился после сохранения</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Не читается как картинка (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>Не читается вторая картинка этой пары, %1.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>На ней то же, что на %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>игра на память</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Об игре и авторах</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>найди пары и обыграй друзей</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Нажми «Играть», чтобы начать, или «Опции»,</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>чтобы выбрать карточки, игроков и память компьютера.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Картинки: Noto Color Emoji (SIL Open Font License) — нажми, чтобы перейти</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Набор карточек</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Число пар</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Задержка (сек.)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>С компьютером</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Память компьютера</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>слабая</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>сильная</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Игроки без имени
не участвуют.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Счёт</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Автор идеи и дизайна</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Версию для Linux создали разработчики студии Orvane</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Картинки на карточках взяты из шрифта Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>который используется по лицензии SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, пусто</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, карточка убрана</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, закрыта</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, открыта: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: картинка %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Кнопки игры</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Кнопки окна</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>С возвращением! Нажми здесь и играй дальше</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карточки</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Пары</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Уровень компьютера</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Выбери опции</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Не удалось сохранить игру: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (нельзя использовать)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Начать новую игру? Незаконченная игра пропадёт.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Сработает после перезапуска.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: картинка %2, вторая: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Набор из картинок...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Ни в папке %1, ни в папке %2 нет ни одного набора карточек, который можно прочитать!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>Не удаётся прочитать новый набор в файле %1.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Кнопки окна</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Игроки:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Пары:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Победитель: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1: %n пара</numerusform>
            <numerusform>%1: %n пары</numerusform>
            <numerusform>%1: %n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; ходит %2</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Картинки (%1)</translation>
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
            <numerusform>и ещё %n.</numerusform>
            <numerusform>и ещё %n.</numerusform>
            <numerusform>и ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Новый набор из картинок</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Собери набор карточек из своих картинок: PNG, JPEG, GIF, BMP и других форматов, которые читает этот компьютер. Каждая картинка даёт одну пару и обрезается по форме карточки. Две картинки с именами вроде dog.a.jpg и dog.b.jpg дают одну пару, в которой карточки разные. Картинок в наборе должно быть не меньше %1.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Выбрать папку...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Выбрать картинки...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Папка с картинками</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>У тебя уже есть набор, сохранённый как %1. Заменить его новым?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Найдено картинок: %1. Для набора нужно не меньше %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Название набора:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Чтение картинок...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Запись набора...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Не удалось сделать набор: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Подходящих картинок: %1. Разных картинок в наборе должно быть не меньше %2, поэтому ничего не сохранено.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Не вошли:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>В наборе «%1» %n пара.</numerusform>
            <numerusform>В наборе «%1» %n пары.</numerusform>
            <numerusform>В наборе «%1» %n пар.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Ошибка запуска программы</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>Файл %1 отсутствует или повреждён!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: не удаётся открыть (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: это не архив ресурсов (повреждён заголовок или таблица записей)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: играть нельзя, проблем: %2</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: запись %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: запись %2: предупреждение: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1: пустая картинка</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>%1: не декодируется как %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1: размер %2x%3, а в наборе %4x%5</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>отсутствует: в архиве нет записей</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>запись сжата до %1 байт; игра распакует из её %2 байт только столько же</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>размер записи %1 байт, а не %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>запись не читается (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>размер карточки %1x%2 должен быть больше нуля</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>в наборе лицевых сторон %1, а для игры нужно не меньше %2</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>в записи указано лицевых сторон %1, а в архиве их %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>использование: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>рекламная картинка</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>отсутствует: нет рекламной картинки</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>рубашка</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>отсутствует: нет рубашки</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>лицевая сторона %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>у лицевой стороны %1 рамка не такая, как у остальных лицевых сторон набора</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: можно играть; лицевых сторон %2, формат %3, размер %4x%5; предупреждений: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: можно играть; лицевых сторон %2, формат %3, размер %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>для %1 нужно значение; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>неизвестный параметр %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: не читается как картинка %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: картинка пустая</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>у лицевых сторон разные форматы: %1 — %2, а %3 — %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>у лицевых сторон разные размеры: %1 — %2, а %3 — %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: размер рубашки %2, а лицевых сторон %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: предупреждение: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: лицевых сторон %2, формат %3, размер %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: «%2» — не номер записи</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: не удаётся записать</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: не удаётся создать</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: метка %2, записей: %3</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>набор карточек: размер в пикселях %1 x %2, лицевых сторон %3, формат лицевых сторон %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>название: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>ссылка: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Показать, что содержит набор карточек или файл оформления: название, ссылку и картинки.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Скопировать запись номер N (картинку или текст набора) из набора карточек или файла оформления; при OUT &quot;-&quot; запись выводится на экран.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Создать новый набор карточек из своих картинок: по одной картинке на каждую лицевую сторону (GIF, JPEG или BMP), рубашку и рекламную картинку.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Проверить, можно ли играть с набором карточек, а если нельзя — что с ним не так.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Показать, какие игровые поля заполняет набор карточек на экране такого размера.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Сохранить все кадры картинки карточки в файлы PNG такими, какими их показывает игра.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Показать законченные игры, которые записала игра, начиная с самых старых.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Создаёт и проверяет наборы карточек для игры на память Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>«tessaly COMMAND --help» описывает одну команду; «man tessaly» расскажет больше.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: неизвестный формат картинки (подходят .gif, .jpg, .jpeg и .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: не удаётся сжать</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: ожидается ШИРИНАxВЫСОТА больше рамки окна (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: размер карточки %2x%3 должен быть больше нуля</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: в наборе лицевых сторон %2 — меньше наименьшего числа пар (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>в текстовом виде \\ — обратная косая черта, \t — табуляция, \n и \r — переводы строки, \, — запятая, \xHH — другой управляющий символ</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>в записи отмечены пары с разными картинками, но в архиве вторых картинок %1, а лицевых сторон %2</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>вторая картинка лицевой стороны %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>у второй картинки лицевой стороны %1 рамка не такая, как у остальных вторых картинок набора</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: можно играть; лицевых сторон %2, формат %3, размер %4x%5, у каждой есть вторая картинка; предупреждений: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: можно играть; лицевых сторон %2, формат %3, размер %4x%5, у каждой есть вторая картинка</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 — не FIRST:SECOND, то есть не два файла картинок через одно двоеточие</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: лицевых сторон %2, формат %3, размер %4, у каждой есть вторая картинка</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>вторые картинки: записи с %1 по %2, для лицевой стороны N — запись N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>С --pairs каждый FACE задаётся как FIRST:SECOND — две картинки для двух карточек одной пары (например, слово и его рисунок); карточки по-прежнему совпадают по парам.</translation>
    </message>
</context>
</TS>
