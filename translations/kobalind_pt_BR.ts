<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Este conjunto de cartas não tem figuras suficientes!

Ele tem %n figura, o que dá para no máximo %1 pares.</numerusform>
            <numerusform>Este conjunto de cartas não tem figuras suficientes!

Ele tem %n figuras, o que dá para no máximo %1 pares.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Este conjunto de cartas não tem figuras suficientes!

Ele tem %n figura, e uma partida precisa de pelo menos %1.</numerusform>
            <numerusform>Este conjunto de cartas não tem figuras suficientes!

Ele tem %n figuras, e uma partida precisa de pelo menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>O conjunto de cartas &quot;%1&quot; não pode ser usado.

Detalhes: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>O conjunto de cartas &quot;%1&quot; não pode ser usado: %2.

Detalhes: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>o arquivo dele está danificado</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>ele só tem %1 figuras, poucas demais para %2 pares</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>o arquivo dele não pode ser lido ou está danificado</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>não é possível dispor as cartas dele para %1 pares</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>uma das figuras dele está danificada</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>ele não tem mais as figuras da partida salva</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>um conjunto precisa de pelo menos %1 faces para ser jogável, mas recebeu %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>um conjunto em que as cartas de cada par são diferentes precisa de uma segunda face para cada face, mas recebeu %1 para %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>o nome é maior que os 255 caracteres que um conjunto de cartas comporta</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>o link é maior que os 255 caracteres que um conjunto de cartas comporta</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: não foi possível gravar (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>o nome ocupa %1 bytes em UTF-8, mais que os %2 que um conjunto de cartas comporta para um nome fora do Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Figuras: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>clique para visitar o projeto</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Desfile dos Bichos</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Banquete na Cozinha</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Esportes e Viagens</translation>
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
        <translation>%1 (pares: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Quem venceu: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>par %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 vira uma carta, %2: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 encontra um par (pares: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>Vez de %1 (pares: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>par %1, segunda figura</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>par %1, primeira figura</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Usar o jogo&lt;/b&gt; é bem simples. O objetivo é formar pares com a mesma figura, encontrando as cartas no tabuleiro e clicando nelas.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Até quatro jogadores podem jogar uns contra os outros ou contra o computador. Para definir o número de jogadores, basta digitar os nomes deles na lista da tela OPÇÕES. Lá você também escolhe quantos pares aparecem no tabuleiro de uma vez, de 8 a 60 figuras diferentes. Você pode mudar o tempo de espera, ou seja, quanto tempo a carta fica à mostra depois de clicada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Teclado&lt;/b&gt;: Tab passa do tabuleiro para os botões e vice-versa, e Enter ou Espaço aperta um botão. No tabuleiro, as setas movem a moldura de carta em carta (Home, End, Page Up e Page Down pulam para as bordas), e Enter ou Espaço vira a carta dentro da moldura. F1 abre esta ajuda, e Esc a fecha.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Continuar&lt;/b&gt;: uma partida que não terminou quando o programa é fechado fica guardada. Na próxima vez, a tela de abertura a oferece na linha de baixo: clique na linha, ou chegue até ela com Tab e aperte Enter, para continuar jogando.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Recordes&lt;/b&gt;: toda partida terminada é registrada. A janela do placar mostra o melhor resultado com as mesmas cartas e o mesmo número de pares, e quantas partidas foram ganhas e perdidas contra o computador com aquele nível de memória.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Jogador %1</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Não foi possível conectar a %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Navegador padrão não encontrado</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Não foi possível enviar e-mail para %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Programa de e-mail padrão não encontrado</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Recorde: %1, %n par em %2</numerusform>
            <numerusform>Recorde: %1, %n pares em %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Recorde: %1, %n par</numerusform>
            <numerusform>Recorde: %1, %n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Memória %1 de 10: vitórias %2, derrotas %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>A partida salva não pode ser retomada: %1. Não foi possível movê-la (%2), e ela continua como %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>A partida salva não pode ser retomada: %1. Ela foi guardada como %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>o conjunto de cartas dela, %1, não existe mais</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>o conjunto de cartas dela, %1, mudou desde que ela foi salva</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Não pode ser lida como figura (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>A outra figura do par, %1, não pode ser lida.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Mostra o mesmo que %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>o jogo da memória</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  Sobre e créditos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>encontre os pares, vença seus amigos</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Clique em Jogar para começar ou em Opções para escolher</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>as cartas, os jogadores e a memória do computador.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Figuras: Noto Color Emoji (SIL Open Font License) — clique para visitar</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Conjunto de cartas</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Pares no tabuleiro</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Tempo de espera (s)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>Computador joga</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Memória do computador</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>fraca</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>forte</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Nomes em branco
ficam fora do jogo.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Placar</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>Original concept and design by</source>
        <translation>Ideia e design originais de</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Feito para Linux pelos desenvolvedores do estúdio Orvane</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Figuras das cartas tiradas da fonte Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>usada sob a SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, vazio</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, carta já retirada</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, virada para baixo</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, virada para cima: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1: figura %2: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Botões do jogo</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Botões da janela</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Tela de abertura</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Olá de novo: clique para continuar sua partida</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Cartas animadas</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Tempo de espera</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Nível do computador</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Escolha as opções</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Não foi possível salvar sua partida: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (não pode ser usado)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Começar uma nova partida? A partida em andamento será perdida.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Do sistema</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Vale quando o jogo abrir de novo.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1: figura %2 (a segunda): %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Conjunto de figuras...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Nenhum conjunto de cartas legível em %1 ou %2!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>O novo conjunto em %1 não pode ser lido.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Botões da janela</translation>
    </message>
</context>
<context>
    <name>TScoreForm</name>
    <message>
        <source>Score</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Pares:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Quem venceu: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1: %n par</numerusform>
            <numerusform>%1: %n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1; vez de %2</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Figuras (%1)</translation>
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
            <numerusform>e mais %n.</numerusform>
            <numerusform>e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Novo conjunto de figuras</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Crie um conjunto de cartas com suas próprias figuras: PNG, JPEG, GIF, BMP e os outros tipos que este computador lê. Cada figura forma um par e é recortada no formato de uma carta. Duas figuras com nomes como dog.a.jpg e dog.b.jpg formam um par cujas duas cartas são diferentes. Um conjunto precisa de pelo menos %1 figuras.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Escolher uma pasta...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Escolher figuras...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Pasta de figuras</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Figuras</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Você já tem um conjunto salvo como %1. Substituir pelo novo conjunto?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Figuras encontradas: %1. Um conjunto precisa de pelo menos %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nome do conjunto:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Lendo as figuras...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Gravando o conjunto...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Não foi possível criar o conjunto: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Figuras que podem ser usadas: %1. Um conjunto precisa de pelo menos %2 figuras diferentes, então nada foi salvo.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Deixadas de fora:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>O conjunto &quot;%1&quot; tem %n par.</numerusform>
            <numerusform>O conjunto &quot;%1&quot; tem %n pares.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Erro ao iniciar o programa</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 não existe ou está danificado!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1: não foi possível abrir (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1: não é um arquivo de recursos (o cabeçalho ou a tabela de entradas está danificado)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1: não jogável, problemas: %2</translation>
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
        <translation>%1 é uma figura vazia</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>não foi possível decodificar %1 como %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 tem %2x%3, e não %4x%5 como o conjunto</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>faltando: o arquivo não tem entradas</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>o registro está compactado em %1 bytes; o jogo descompacta só essa quantidade dos seus %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>o registro tem %1 bytes, e não %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>o registro não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>o tamanho de carta %1x%2 não é positivo</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>o conjunto tem %1 faces, menos que as %2 de que uma partida precisa</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>o registro indica %1 faces, mas o arquivo tem %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>a figura de propaganda</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>faltando: não há figura de propaganda</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>o verso da carta</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>faltando: não há verso da carta</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>face %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>a face %1 tem uma borda diferente das outras faces do conjunto</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1: jogável, %2 faces %3 de %4x%5, avisos: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1: jogável, %2 faces %3 de %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 precisa de um valor; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>opção desconhecida %1; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1: não é uma figura %2 legível (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: a figura está vazia</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>as faces misturam tipos de figura: %1 é %2, mas %3 é %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>as faces têm tamanhos diferentes: %1 tem %2, mas %3 tem %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1: o verso da carta tem %2, mas as faces têm %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly: aviso: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1: %2 faces %3 de %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1: &apos;%2&apos; não é um número de entrada</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: não foi possível gravar</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1: não foi possível criar</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1: etiqueta %2, entradas: %3</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>conjunto de cartas: %1 x %2 pixels, %3 faces, tipo de face %4</translation>
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
        <translation>Lista o que um conjunto de cartas ou arquivo de aparência contém: nome, link e figuras.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Copia a entrada número N (uma figura ou o texto do conjunto) de um conjunto de cartas ou arquivo de aparência; com OUT &quot;-&quot;, ela é mostrada na tela.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Cria um novo conjunto de cartas com suas próprias figuras: uma figura para cada face de carta (GIF, JPEG ou BMP), um verso de carta e uma figura de propaganda.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Diz se o jogo consegue usar um conjunto de cartas e, se não consegue, o que há de errado com ele.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Mostra quais tabuleiros um conjunto de cartas preenche numa tela desse tamanho.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Salva cada quadro de uma figura de carta como arquivos PNG, do jeito que o jogo os mostra.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Lista as partidas terminadas que o jogo registrou, da mais antiga para a mais nova.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Cria e verifica os conjuntos de cartas do jogo da memória Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>&apos;tessaly COMMAND --help&apos; explica um comando; &apos;man tessaly&apos; conta mais.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly: comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1: tipo de figura desconhecido (use .gif, .jpg, .jpeg ou .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1: não foi possível compactar</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1: esperado LARGURAxALTURA maior que a moldura da janela (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1: o tamanho de carta %2x%3 não é positivo</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1: o conjunto tem %2 faces, menos que o menor número de pares (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>na forma de texto, \\ é uma barra invertida, \t uma tabulação, \n e \r quebras de linha, \, uma vírgula e \xHH outro caractere de controle</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>o registro marca pares diferentes, mas o arquivo tem %1 segundas figuras para suas %2 faces</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>segunda figura da face %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>a segunda figura da face %1 tem uma borda diferente das outras segundas figuras do conjunto</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1: jogável, %2 faces %3 de %4x%5, cada uma com uma segunda figura, avisos: %6</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1: jogável, %2 faces %3 de %4x%5, cada uma com uma segunda figura</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs: %1 não é FIRST:SECOND, dois arquivos de figura unidos por um único dois-pontos</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1: %2 faces %3 de %4, cada uma com uma segunda figura</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>segundas figuras: entradas %1 a %2, a da face N na entrada N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Com --pairs, cada FACE é FIRST:SECOND, duas figuras para as duas cartas de um par (uma palavra e sua figura, por exemplo); as cartas continuam combinando por par.</translation>
    </message>
</context>
</TS>
