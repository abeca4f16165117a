<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>¡Esta baraja no tiene suficientes imágenes!

Tiene %n imagen, suficiente para %1 parejas.</numerusform>
            <numerusform>¡Esta baraja no tiene suficientes imágenes!

Tiene %n imágenes, suficientes para %1 parejas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>¡Esta baraja no tiene suficientes imágenes!

Tiene %n imagen y una partida necesita al menos %1.</numerusform>
            <numerusform>¡Esta baraja no tiene suficientes imágenes!

Tiene %n imágenes y una partida necesita al menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>La baraja «%1» no se puede usar.

Detalles: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>La baraja «%1» no se puede usar: %2.

Detalles: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>su archivo está dañado</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>solo tiene %1 imágenes, muy pocas para %2 parejas</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>su archivo no se puede leer o está dañado</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>sus cartas no se pueden colocar para %1 parejas</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>una de sus imágenes está dañada</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>ya no tiene las imágenes de la partida guardada</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>una baraja necesita al menos %1 caras para poder jugarse, pero tiene %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>una baraja de parejas distintas necesita una segunda cara por cada cara, pero tiene %1 para %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>el nombre supera los 255 caracteres que admite una baraja</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>el enlace supera los 255 caracteres que admite una baraja</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>el nombre ocupa %1 bytes en UTF-8, más de los %2 que admite una baraja para un nombre fuera de Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Dibujos: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>haz clic para ver el proyecto</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Desfile de animales</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Festín en la cocina</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Deportes y viajes</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Sombras</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (parejas: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>No hay ganador</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Ha ganado: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>pareja %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 destapa la carta de %2: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 encuentra una pareja (parejas: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>Turno de %1 (parejas: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>pareja %1, segunda imagen</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>pareja %1, primera imagen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Jugar&lt;/b&gt; es muy sencillo. Hay que encontrar en el tablero las parejas de cartas con la misma imagen y hacer clic en ellas.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Pueden jugar hasta cuatro jugadores, entre sí o contra el ordenador. Para elegir cuántos juegan, basta con escribir sus nombres en la lista de la pantalla OPCIONES. Allí también puedes elegir cuántas parejas hay en el tablero, de 8 a 60 imágenes distintas, y cambiar la espera: el tiempo que una carta sigue a la vista después de hacer clic en ella.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Teclado&lt;/b&gt;: Tab pasa del tablero a los botones y al revés, e Intro o la barra espaciadora pulsan un botón. En el tablero, las flechas mueven el marco de carta en carta (Inicio, Fin, Re Pág y Av Pág saltan a los bordes), e Intro o la barra espaciadora destapan la carta del marco. F1 abre esta ayuda y Esc la cierra.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Continuar una partida&lt;/b&gt;: si el juego se cierra antes de que acabe una partida, la partida se guarda. La próxima vez, la pantalla de bienvenida te la ofrece en la línea de abajo: haz clic en esa línea, o llega a ella con Tab y pulsa Intro, para seguir jugando.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Récords&lt;/b&gt;: cada partida terminada queda registrada. La ventana de puntuación muestra el mejor resultado con la misma baraja y el mismo número de parejas, y cuántas partidas se han ganado y perdido contra el ordenador con su nivel de memoria.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Jugador %1</translation>
    </message>
</context>
<context>
    <name>ProgramText</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>No se puede conectar con %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>No se encuentra el navegador web predeterminado</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>No se puede enviar correo a %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>No se encuentra el programa de correo predeterminado</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Récord: %1, %n pareja en %2</numerusform>
            <numerusform>Récord: %1, %n parejas en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Récord: %1, %n pareja</numerusform>
            <numerusform>Récord: %1, %n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Ordenador, memoria %1/10: ganadas %2, perdidas %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>La partida guardada no se puede continuar: %1. No se ha podido apartar (%2) y se queda como %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>La partida guardada no se puede continuar: %1. Se ha conservado como %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>su baraja %1 ya no está</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>su baraja %1 ha cambiado desde que se guardó</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>No se puede leer como imagen (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>La otra imagen de su pareja, %1, no se puede leer.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Muestra lo mismo que %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>el juego de las parejas</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Información y créditos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>encuentra las parejas y gana a tus amigos</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Pulsa Jugar para empezar, u Opciones para elegir</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>la baraja, los jugadores y la memoria del ordenador.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Dibujos: Noto Color Emoji (SIL Open Font License) — haz clic para visitar la web</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Parejas en el tablero</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Espera (segundos)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Con el ordenador</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Memoria del ordenador</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>poca</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>mucha</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Quien no tenga nombre
no juega.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Idea y diseño originales de</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Hecho para el escritorio Linux por el equipo de Orvane studio</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Imágenes de las cartas sacadas de la fuente Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>usada con la licencia SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Créditos</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, ya encontrada</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, boca arriba: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: cara %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Botones del juego</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Botones de la ventana</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Hola de nuevo: haz clic aquí y sigue tu partida</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Te damos la bienvenida</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Cartas animadas</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Elige las opciones</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>No se ha podido guardar tu partida: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (no se puede usar)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>¿Empezar una partida nueva? Se perderá la partida sin terminar.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Se aplica al reiniciar el juego.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: segunda imagen de la cara %2: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Baraja con tus fotos...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>¡No hay ninguna baraja que se pueda leer en %1 ni en %2!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>La baraja nueva de %1 no se puede leer.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Botones de la ventana</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Parejas:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Ha ganado: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n pareja</numerusform>
            <numerusform>%1 %n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; turno de %2</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
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
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Nueva baraja con tus fotos</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Crea una baraja con tus propias imágenes: PNG, JPEG, GIF, BMP y los demás tipos que puede leer este ordenador. Cada imagen forma una pareja y se recorta con la forma de una carta. Dos imágenes con nombres como perro.a.jpg y perro.b.jpg forman una pareja de dos cartas distintas. Una baraja necesita al menos %1 imágenes.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Elegir una carpeta...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Elegir imágenes...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Carpeta de imágenes</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Ya tienes una baraja guardada como %1. ¿Quieres sustituirla por la nueva?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Imágenes encontradas: %1. Una baraja necesita al menos %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nombre de la baraja:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Leyendo las imágenes...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Guardando la baraja...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>No se ha podido crear la baraja: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Imágenes que se pueden usar: %1. Una baraja necesita al menos %2 imágenes distintas, así que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Descartadas:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>La baraja «%1» tiene %n pareja.</numerusform>
            <numerusform>La baraja «%1» tiene %n parejas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Error al iniciar la aplicación</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>¡Falta %1 o está dañado!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: no se puede abrir (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: no es un archivo de recursos (la cabecera o la tabla de entradas está dañada)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: no se puede jugar, problemas: %2</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1: entrada %2: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1: entrada %2: aviso: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 es una imagen vacía</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>%1 no se puede decodificar como %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 mide %2x%3, no los %4x%5 de la baraja</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>falta: el archivo no tiene entradas</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>el registro está comprimido en %1 bytes; el juego solo descomprime esa cantidad de sus %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>el registro ocupa %1 bytes, no %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>el registro no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>el tamaño de carta %1x%2 no es positivo</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>la baraja tiene %1 caras, menos de las %2 que necesita una partida</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>el registro indica %1 caras pero el archivo contiene %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>la imagen publicitaria</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>falta: no hay imagen publicitaria</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>el reverso de las cartas</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>falta: no hay reverso de las cartas</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>cara %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>la cara %1 tiene un borde distinto al de las demás caras de la baraja</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: se puede jugar, %2 caras %3 de %4x%5, avisos: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: se puede jugar, %2 caras %3 de %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 necesita un valor; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>opción desconocida %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: no es una imagen %2 legible (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: la imagen está vacía</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>las caras mezclan tipos de imagen: %1 es %2 pero %3 es %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>las caras tienen tamaños distintos: %1 mide %2 pero %3 mide %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: el reverso mide %2 pero las caras miden %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: aviso: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: %2 caras %3 de %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: &apos;%2&apos; no es un número de entrada</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: no se puede crear</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: etiqueta %2, %3 entradas</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>baraja: %1 x %2 píxeles, %3 caras, tipo de cara %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nombre: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>enlace: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Muestra lo que contiene un archivo de baraja o de tema: su nombre, su enlace y sus imágenes.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Copia la entrada número N (una imagen o el texto de la baraja) de un archivo de baraja o de tema; si OUT es &quot;-&quot;, la muestra en pantalla.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Crea una baraja nueva con tus propias imágenes: una imagen por cada cara de carta (GIF, JPEG o BMP), un reverso y una imagen publicitaria.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Indica si el juego puede usar una baraja y, si no, qué problema tiene.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Muestra qué tableros llena una baraja en una pantalla de ese tamaño.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Guarda cada fotograma de una imagen de carta como archivos PNG, tal como los muestra el juego.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Muestra las partidas terminadas que ha registrado el juego, empezando por la más antigua.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Crea y examina las barajas del juego de parejas Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>&apos;tessaly COMMAND --help&apos; explica un comando; &apos;man tessaly&apos; da más información.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: tipo de imagen desconocido (usa .gif, .jpg, .jpeg o .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: no se puede comprimir</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: se esperaba WIDTHxHEIGHT mayor que el marco de la ventana (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: el tamaño de carta %2x%3 no es positivo</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: la baraja tiene %2 caras, menos que el número mínimo de parejas (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>en la forma de texto, \\ es una barra invertida, \t un tabulador, \n y \r saltos de línea, \, una coma y \xHH otro carácter de control</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>el registro indica parejas distintas, pero el archivo contiene %1 segundas imágenes para sus %2 caras</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>segunda imagen de la cara %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>la segunda imagen de la cara %1 tiene un borde distinto al de las demás segundas imágenes de la baraja</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: se puede jugar, %2 caras %3 de %4x%5, cada una con una segunda imagen, avisos: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: se puede jugar, %2 caras %3 de %4x%5, cada una con una segunda imagen</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 no es FIRST:SECOND (dos archivos de imagen unidos por dos puntos)</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: %2 caras %3 de %4, cada una con una segunda imagen</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>segundas imágenes: entradas %1 a %2, la de la cara N en la entrada N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Con --pairs, cada FACE es FIRST:SECOND, dos imágenes para las dos cartas de una pareja (por ejemplo, una palabra y su dibujo); las cartas se emparejan igual que siempre.</translation>
    </message>
</context>
</TS>
