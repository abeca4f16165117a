<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardSet</name>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), enough for %1 pairs.</source>
        <translation>
            <numerusform>Ce jeu de cartes n&apos;a pas assez d&apos;images&#xa0;!

Il contient %n image, de quoi faire %1 paires.</numerusform>
            <numerusform>Ce jeu de cartes n&apos;a pas assez d&apos;images&#xa0;!

Il contient %n images, de quoi faire %1 paires.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This set of cards does not contain enough images!

It has %n picture(s), and a game needs at least %1.</source>
        <translation>
            <numerusform>Ce jeu de cartes n&apos;a pas assez d&apos;images&#xa0;!

Il contient %n image, et une partie en demande au moins %1.</numerusform>
            <numerusform>Ce jeu de cartes n&apos;a pas assez d&apos;images&#xa0;!

Il contient %n images, et une partie en demande au moins %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used.

Details: %2</source>
        <extracomment>%1: the card set&apos;s name, %2: the technical reason, which stays English.</extracomment>
        <translation>Le jeu de cartes «&#xa0;%1&#xa0;» ne peut pas être utilisé.

Détails&#xa0;: %2</translation>
    </message>
    <message>
        <source>The set of cards &quot;%1&quot; cannot be used: %2.

Details: %3</source>
        <extracomment>%1: the card set&apos;s name, %2: why (a text of the CardSet context), %3: the technical reason, which stays English.</extracomment>
        <translation>Le jeu de cartes «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: %2.

Détails&#xa0;: %3</translation>
    </message>
    <message>
        <source>its file is damaged</source>
        <translation>son fichier est endommagé</translation>
    </message>
    <message>
        <source>it has only %1 pictures, too few for %2 pairs</source>
        <translation>il n&apos;a que %1 images, trop peu pour %2 paires</translation>
    </message>
    <message>
        <source>its file cannot be read or is damaged</source>
        <translation>son fichier est illisible ou endommagé</translation>
    </message>
    <message>
        <source>its cards cannot be laid out for %1 pairs</source>
        <translation>ses cartes ne peuvent pas être disposées pour %1 paires</translation>
    </message>
    <message>
        <source>one of its pictures is damaged</source>
        <translation>une de ses images est endommagée</translation>
    </message>
    <message>
        <source>it no longer holds the pictures of the saved game</source>
        <translation>il ne contient plus les images de la partie enregistrée</translation>
    </message>
</context>
<context>
    <name>CardSetWriter</name>
    <message>
        <source>a set needs at least %1 faces to be playable, got %2</source>
        <translation>un jeu de cartes doit avoir au moins %1 faces pour être jouable, il en a %2</translation>
    </message>
    <message>
        <source>a set of pairs that differ needs one second face per face, got %1 for %2</source>
        <translation>un jeu de paires différentes demande une seconde image pour chaque face, il y en a %1 pour %2</translation>
    </message>
    <message>
        <source>the name is longer than the 255 characters a card set can hold</source>
        <translation>le nom dépasse les 255 caractères que peut contenir un jeu de cartes</translation>
    </message>
    <message>
        <source>the link is longer than the 255 characters a card set can hold</source>
        <translation>le lien dépasse les 255 caractères que peut contenir un jeu de cartes</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1&#xa0;: écriture impossible (%2)</translation>
    </message>
    <message>
        <source>the name takes %1 bytes in UTF-8, more than the %2 a card set can hold for a name outside Windows-1252</source>
        <translation>le nom occupe %1 octets en UTF-8, plus que les %2 que peut contenir un jeu de cartes pour un nom hors de Windows-1252</translation>
    </message>
</context>
<context>
    <name>CardSets</name>
    <message>
        <source>Card art: Noto Color Emoji</source>
        <translation>Images&#xa0;: Noto Color Emoji</translation>
    </message>
    <message>
        <source>click to visit the project</source>
        <translation>clique pour voir le projet</translation>
    </message>
    <message>
        <source>Animal Parade</source>
        <translation>Parade animale</translation>
    </message>
    <message>
        <source>Kitchen Feast</source>
        <translation>Grand festin</translation>
    </message>
    <message>
        <source>Sports &amp; Travel</source>
        <translation>Sport et voyage</translation>
    </message>
    <message>
        <source>Shadows</source>
        <translation>Ombres</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 (pairs: %2)</source>
        <extracomment>The status line during a game. %1: the player on turn, %2: the pairs that player has found.</extracomment>
        <translation>%1 (paires&#xa0;: %2)</translation>
    </message>
    <message>
        <source>No winner</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <extracomment>%1: the winner&apos;s name.</extracomment>
        <translation>Vainqueur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GameNews</name>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Said by a screen reader: where a card lies on the board.</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>pair %1</source>
        <extracomment>Said by a screen reader: what a face-up card shows (cards of a pair have the same number).</extracomment>
        <translation>paire %1</translation>
    </message>
    <message>
        <source>%1 turns %2: %3</source>
        <extracomment>Said by a screen reader. %1: a player&apos;s name, %2: &quot;row %1, column %2&quot;, %3: &quot;pair %1&quot;.</extracomment>
        <translation>%1 retourne la carte %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 finds a pair (pairs: %2)</source>
        <translation>%1 trouve une paire (paires&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1&apos;s turn (pairs: %2)</source>
        <translation>À %1 de jouer (paires&#xa0;: %2)</translation>
    </message>
    <message>
        <source>pair %1, second picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>paire %1, seconde image</translation>
    </message>
    <message>
        <source>pair %1, first picture</source>
        <extracomment>Said by a screen reader: what a face-up card shows where the two cards of a pair show different pictures (cards of a pair have the same number).</extracomment>
        <translation>paire %1, première image</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;b&gt;Using the Game&lt;/b&gt; is fairly straight forward. The goal is to connect pairs of the same illustration by finding and clicking them on the board.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Jouer&lt;/b&gt; est très simple. Le but est de trouver les paires d&apos;illustrations identiques en cliquant dessus sur le plateau.</translation>
    </message>
    <message>
        <source>Up to four players can play against each other or against the computer. Number of players is set simply by entering the players names in the list within OPTIONS screen. Other options include selection of number of pairs displayed at once, that is in range of 8 up to 60 different illustrations. You can change the delay, time during which the card will stay displayed when clicked.</source>
        <translation>Jusqu&apos;à quatre joueurs peuvent jouer les uns contre les autres ou contre l&apos;ordinateur. Pour choisir le nombre de joueurs, il suffit d&apos;écrire leurs noms dans la liste de l&apos;écran OPTIONS. Les options permettent aussi de choisir combien de paires sont posées à la fois, de 8 à 60 illustrations différentes. Tu peux aussi changer le délai, c&apos;est-à-dire le temps pendant lequel une carte reste visible quand on clique dessus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: Tab moves between the board and the buttons, and Enter or Space presses a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, Escape closes it.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Clavier&lt;/b&gt;&#xa0;: Tab passe du plateau aux boutons, et Entrée ou Espace appuie sur un bouton. Sur le plateau, les flèches déplacent le cadre de carte en carte (Début, Fin, Pg préc et Pg suiv sautent jusqu&apos;aux bords), et Entrée ou Espace retourne la carte encadrée. F1 ouvre cette aide, Échap la ferme.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Resuming&lt;/b&gt;: a game that is not finished when the program closes is kept. The next time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and press Enter, to play on.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Reprendre&lt;/b&gt;&#xa0;: une partie qui n&apos;est pas finie quand le programme se ferme est gardée. La fois suivante, l&apos;écran d&apos;accueil la propose dans la ligne du bas&#xa0;: clique sur cette ligne, ou va dessus avec Tab et appuie sur Entrée, pour continuer à jouer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Records&lt;/b&gt;: every finished game is recorded. The score window shows the best result with the same cards and number of pairs, and how many games were won and lost against the computer at its memory setting.</source>
        <extracomment>&lt;b&gt; and &lt;/b&gt; enclose the paragraph&apos;s heading: keep both.</extracomment>
        <translation>&lt;b&gt;Records&lt;/b&gt;&#xa0;: chaque partie terminée est enregistrée. La fenêtre des scores montre le meilleur résultat avec les mêmes cartes et le même nombre de paires, et combien de parties ont été gagnées et perdues contre l&apos;ordinateur avec ce réglage de sa mémoire.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>A player&apos;s name when none was typed in. %1: the player&apos;s number.</extracomment>
        <translation>Joueur %1</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Unable to connect to %1</source>
        <translation>Impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>Default web browser not found</source>
        <translation>Navigateur web par défaut introuvable</translation>
    </message>
    <message>
        <source>Unable to send mail to %1</source>
        <translation>Impossible d&apos;envoyer un courriel à %1</translation>
    </message>
    <message>
        <source>Default mail program not found</source>
        <translation>Logiciel de messagerie par défaut introuvable</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>Best: %1, %n pair(s) in %2</source>
        <extracomment>The score window&apos;s record line. %1: a player&apos;s name, %n: the pairs found, %2: &quot;%n move(s)&quot;.</extracomment>
        <translation>
            <numerusform>Record&#xa0;: %1, %n paire en %2</numerusform>
            <numerusform>Record&#xa0;: %1, %n paires en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %1, %n pair(s)</source>
        <translation>
            <numerusform>Record&#xa0;: %1, %n paire</numerusform>
            <numerusform>Record&#xa0;: %1, %n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Computer memory %1 of 10: won %2, lost %3</source>
        <extracomment>%1: the computer&apos;s memory level, %2 and %3: games won and lost against it at that level.</extracomment>
        <translation>Ordinateur (mémoire %1/10)&#xa0;: victoires %2, défaites %3</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The saved game cannot be resumed: %1. It could not be moved aside (%2) and stays as %3.</source>
        <extracomment>%1: the reason, %2: the system&apos;s error, %3: the file.</extracomment>
        <translation>La partie enregistrée ne peut pas être reprise&#xa0;: %1. Elle n&apos;a pas pu être mise de côté (%2) et reste dans %3.</translation>
    </message>
    <message>
        <source>The saved game cannot be resumed: %1. It was kept as %2.</source>
        <extracomment>%1: the reason, %2: the file it was moved to.</extracomment>
        <translation>La partie enregistrée ne peut pas être reprise&#xa0;: %1. Elle a été conservée dans %2.</translation>
    </message>
    <message>
        <source>its card set %1 is gone</source>
        <translation>son jeu de cartes %1 a disparu</translation>
    </message>
    <message>
        <source>its card set %1 has changed since it was saved</source>
        <translation>son jeu de cartes %1 a changé depuis l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>SetFromPictures</name>
    <message>
        <source>It cannot be read as a picture (%1).</source>
        <comment>%1: the reader&apos;s reason</comment>
        <translation>Impossible de lire ce fichier comme une image (%1).</translation>
    </message>
    <message>
        <source>The other picture of its pair, %1, cannot be read.</source>
        <translation>L&apos;autre image de sa paire, %1, est illisible.</translation>
    </message>
    <message>
        <source>It shows the same as %1.</source>
        <comment>%1: an earlier picture&apos;s file name</comment>
        <translation>Elle montre la même chose que %1.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>the game of pairs</source>
        <translation>le jeu des paires</translation>
    </message>
    <message>
        <source>%1  ·  About &amp; credits</source>
        <extracomment>%1 is the program&apos;s name and version.</extracomment>
        <translation>%1  ·  À propos et crédits</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>find the pairs, beat your friends</source>
        <translation>trouve les paires, bats tes amis</translation>
    </message>
    <message>
        <source>Press Play to start, or Options to choose</source>
        <translation>Appuie sur Jouer pour commencer, ou sur Options pour</translation>
    </message>
    <message>
        <source>the cards, the players and the computer&apos;s memory.</source>
        <translation>choisir les cartes, les joueurs et la mémoire de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Card art: Noto Color Emoji (SIL Open Font License) — click to visit</source>
        <translation>Images&#xa0;: Noto Color Emoji (SIL Open Font License) — clique pour visiter</translation>
    </message>
    <message>
        <source>Card set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Pairs on the board</source>
        <translation>Paires sur le plateau</translation>
    </message>
    <message>
        <source>Turn-back delay (s)</source>
        <translation>Délai de retour (s)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Computer plays</source>
        <translation>L&apos;ordinateur joue</translation>
    </message>
    <message>
        <source>Computer memory</source>
        <translation>Mémoire de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>forte</translation>
    </message>
    <message>
        <source>Names left empty
do not take part.</source>
        <translation>Un joueur sans nom
ne joue pas.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Idée et conception originales de</translation>
    </message>
    <message>
        <source>Built for the Linux desktop by the Orvane studio developers</source>
        <translation>Adapté au bureau Linux par les développeurs du studio Orvane</translation>
    </message>
    <message>
        <source>Card pictures drawn from the Noto Color Emoji font,</source>
        <translation>Images des cartes tirées de la police Noto Color Emoji,</translation>
    </message>
    <message>
        <source>used under the SIL Open Font License 1.1</source>
        <translation>utilisée sous la licence SIL Open Font License 1.1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Said by a screen reader for a board cell. %1: &quot;row %1, column %2&quot;.</extracomment>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>%1, taken</source>
        <translation>%1, retirée</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, face cachée</translation>
    </message>
    <message>
        <source>%1, face up: %2</source>
        <translation>%1, face visible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: face %2: %3</source>
        <translation>%1&#xa0;: face %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Game buttons</source>
        <translation>Boutons du jeu</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Boutons de la fenêtre</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Écran d&apos;accueil</translation>
    </message>
    <message>
        <source>Welcome back: click here to resume your game</source>
        <translation>Te revoilà&#xa0;: clique ici pour reprendre ta partie</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Cartes animées</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Computer level</source>
        <translation>Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Set Options</source>
        <translation>Réglage des options</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1</source>
        <translation>Ta partie n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (cannot be used)</source>
        <translation>%1 (inutilisable)</translation>
    </message>
    <message>
        <source>Start a new game? Your unfinished game will be lost.</source>
        <translation>Commencer une nouvelle partie&#xa0;? Ta partie en cours sera perdue.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The language choice that follows the desktop&apos;s language.</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Appliqué au prochain lancement.</translation>
    </message>
    <message>
        <source>%1: face %2&apos;s second picture: %3</source>
        <translation>%1&#xa0;: seconde image de la face %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>New set from pictures...</source>
        <translation>Nouveau jeu d&apos;images...</translation>
    </message>
    <message>
        <source>No readable set of cards in %1 or %2!</source>
        <translation>Aucun jeu de cartes lisible dans %1 ou %2&#xa0;!</translation>
    </message>
    <message>
        <source>The new set in %1 cannot be read.</source>
        <translation>Le nouveau jeu de cartes dans %1 est illisible.</translation>
    </message>
</context>
<context>
    <name>TPopUpform</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Window buttons</source>
        <translation>Boutons de la fenêtre</translation>
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
        <translation>Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <translation>Paires&#xa0;:</translation>
    </message>
    <message>
        <source>The winner is: %1</source>
        <translation>Vainqueur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TScoreStrip</name>
    <message numerus="yes">
        <source>%1 %n pair(s)</source>
        <extracomment>Said by a screen reader for each player. %1: the player&apos;s name, %n: the pairs found.</extracomment>
        <translation>
            <numerusform>%1 %n paire</numerusform>
            <numerusform>%1 %n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>%1; %2 to play</source>
        <translation>%1&#xa0;; à %2 de jouer</translation>
    </message>
</context>
<context>
    <name>TSetMaker</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a picture&apos;s file name and why it was left out</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>New set from pictures</source>
        <translation>Nouveau jeu de cartes à partir d&apos;images</translation>
    </message>
    <message>
        <source>Make a set of cards from your own pictures: PNG, JPEG, GIF, BMP and the other kinds this computer reads. Each picture makes one pair and is cut to the shape of a card. Two pictures named like dog.a.jpg and dog.b.jpg make one pair whose two cards differ. A set needs at least %1 pictures.</source>
        <translation>Crée un jeu de cartes avec tes propres images&#xa0;: PNG, JPEG, GIF, BMP et les autres formats que cet ordinateur sait lire. Chaque image donne une paire et est découpée à la forme d&apos;une carte. Deux images nommées par exemple chien.a.jpg et chien.b.jpg donnent une paire dont les deux cartes sont différentes. Un jeu de cartes demande au moins %1 images.</translation>
    </message>
    <message>
        <source>Choose a folder...</source>
        <translation>Choisir un dossier...</translation>
    </message>
    <message>
        <source>Choose pictures...</source>
        <translation>Choisir des images...</translation>
    </message>
    <message>
        <source>Folder of pictures</source>
        <translation>Dossier d&apos;images</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>You already have a set saved as %1. Replace it with the new set?</source>
        <translation>Tu as déjà un jeu de cartes enregistré sous %1. Le remplacer par le nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>Pictures found: %1. A set needs at least %2.</source>
        <translation>Images trouvées&#xa0;: %1. Un jeu de cartes en demande au moins %2.</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Nom du jeu de cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Reading the pictures...</source>
        <translation>Lecture des images...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Writing the set...</source>
        <translation>Enregistrement du jeu de cartes...</translation>
    </message>
    <message>
        <source>The set could not be made: %1</source>
        <translation>Le jeu de cartes n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pictures that can be used: %1. A set needs at least %2 different pictures, so nothing was saved.</source>
        <translation>Images utilisables&#xa0;: %1. Un jeu de cartes demande au moins %2 images différentes, donc rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Laissées de côté&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The set &quot;%1&quot; has %n pairs.</source>
        <translation>
            <numerusform>Le jeu de cartes «&#xa0;%1&#xa0;» a %n paire.</numerusform>
            <numerusform>Le jeu de cartes «&#xa0;%1&#xa0;» a %n paires.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Thelpform</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error initializing application</source>
        <translation>Erreur au démarrage du programme</translation>
    </message>
    <message>
        <source>%1 is missing or corrupted!</source>
        <translation>%1 est absent ou endommagé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tessaly</name>
    <message>
        <source>%1: cannot be opened (%2)</source>
        <translation>%1&#xa0;: ouverture impossible (%2)</translation>
    </message>
    <message>
        <source>%1: not a resource archive (the header or entry table is damaged)</source>
        <translation>%1&#xa0;: pas une archive de ressources (l&apos;en-tête ou la table des entrées est endommagé)</translation>
    </message>
    <message>
        <source>%1: not playable, %2 problem(s)</source>
        <translation>%1&#xa0;: injouable, %2 problème(s)</translation>
    </message>
    <message>
        <source>%1: entry %2: %3</source>
        <translation>%1&#xa0;: entrée %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: entry %2: warning: %3</source>
        <translation>%1&#xa0;: entrée %2&#xa0;: avertissement&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is an empty picture</source>
        <translation>%1 est une image vide</translation>
    </message>
    <message>
        <source>%1 does not decode as %2 (%3)</source>
        <translation>impossible de décoder %1 en %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is %2x%3, not the set&apos;s %4x%5</source>
        <translation>%1 mesure %2x%3, et non %4x%5 comme le jeu</translation>
    </message>
    <message>
        <source>missing: the archive holds no entries</source>
        <translation>manquant&#xa0;: l&apos;archive ne contient aucune entrée</translation>
    </message>
    <message>
        <source>the record is compressed into %1 bytes; the game inflates only that many of its %2</source>
        <translation>l&apos;enregistrement est compressé en %1 octets&#xa0;; le jeu n&apos;en décompresse que ce nombre sur %2</translation>
    </message>
    <message>
        <source>the record is %1 bytes, not %2</source>
        <translation>l&apos;enregistrement fait %1 octets au lieu de %2</translation>
    </message>
    <message>
        <source>the record cannot be read (%1)</source>
        <translation>l&apos;enregistrement est illisible (%1)</translation>
    </message>
    <message>
        <source>the card size %1x%2 is not positive</source>
        <translation>la taille de carte %1x%2 n&apos;est pas positive</translation>
    </message>
    <message>
        <source>the set has %1 faces, fewer than the %2 a game needs</source>
        <translation>le jeu a %1 faces, moins que les %2 nécessaires à une partie</translation>
    </message>
    <message>
        <source>the record names %1 faces but the archive holds %2</source>
        <translation>l&apos;enregistrement annonce %1 faces mais l&apos;archive en contient %2</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage&#xa0;: %1</translation>
    </message>
    <message>
        <source>the advertisement picture</source>
        <translation>l&apos;image publicitaire</translation>
    </message>
    <message>
        <source>missing: there is no advertisement picture</source>
        <translation>manquant&#xa0;: il n&apos;y a pas d&apos;image publicitaire</translation>
    </message>
    <message>
        <source>the card back</source>
        <translation>le dos des cartes</translation>
    </message>
    <message>
        <source>missing: there is no card back</source>
        <translation>manquant&#xa0;: il n&apos;y a pas de dos des cartes</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>la face %1</translation>
    </message>
    <message>
        <source>face %1 has a border unlike the set&apos;s other faces</source>
        <translation>la face %1 a une bordure différente des autres faces du jeu</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, %6 warning(s)</source>
        <translation>%1&#xa0;: jouable, %2 faces %3 de %4x%5, %6 avertissement(s)</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5</source>
        <translation>%1&#xa0;: jouable, %2 faces %3 de %4x%5</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 demande une valeur&#xa0;; %2</translation>
    </message>
    <message>
        <source>unknown option %1; %2</source>
        <translation>option inconnue %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (%3)</source>
        <translation>%1&#xa0;: pas une image %2 lisible (%3)</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1&#xa0;: l&apos;image est vide</translation>
    </message>
    <message>
        <source>faces mix picture kinds: %1 is %2 but %3 is %4</source>
        <translation>les faces mélangent les formats&#xa0;: %1 est en %2 mais %3 est en %4</translation>
    </message>
    <message>
        <source>faces differ in size: %1 is %2 but %3 is %4</source>
        <translation>les faces n&apos;ont pas la même taille&#xa0;: %1 fait %2 mais %3 fait %4</translation>
    </message>
    <message>
        <source>%1: the card back is %2 but the faces are %3</source>
        <translation>%1&#xa0;: le dos des cartes fait %2 mais les faces font %3</translation>
    </message>
    <message>
        <source>tessaly: warning: %1</source>
        <translation>tessaly&#xa0;: avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4</source>
        <translation>%1&#xa0;: %2 faces %3 de %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not an entry number</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un numéro d&apos;entrée</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1&#xa0;: écriture impossible</translation>
    </message>
    <message>
        <source>%1: cannot be created</source>
        <translation>%1&#xa0;: création impossible</translation>
    </message>
    <message>
        <source>%1: tag %2, %3 entries</source>
        <translation>%1&#xa0;: étiquette %2, %3 entrées</translation>
    </message>
    <message>
        <source>card set: %1 x %2 pixels, %3 faces, face type %4</source>
        <translation>jeu de cartes&#xa0;: %1 x %2 pixels, %3 faces, type de face %4</translation>
    </message>
    <message>
        <source>name: %1</source>
        <translation>nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>link: %1</source>
        <translation>lien&#xa0;: %1</translation>
    </message>
    <message>
        <source>List what a card set or skin file holds: its name, link and pictures.</source>
        <translation>Liste le contenu d&apos;un fichier de jeu de cartes ou d&apos;habillage&#xa0;: son nom, son lien et ses images.</translation>
    </message>
    <message>
        <source>Copy entry number N (a picture or the set&apos;s text) out of a card set or skin file; OUT &quot;-&quot; prints it.</source>
        <translation>Copie l&apos;entrée numéro N (une image ou le texte du jeu) d&apos;un fichier de jeu de cartes ou d&apos;habillage&#xa0;; si OUT vaut «&#xa0;-&#xa0;», elle est affichée.</translation>
    </message>
    <message>
        <source>Make a new card set from your own pictures: one picture per card face (GIF, JPEG or BMP), a card back and an advertisement picture.</source>
        <translation>Crée un nouveau jeu de cartes à partir de tes propres images&#xa0;: une image par face de carte (GIF, JPEG ou BMP), un dos de carte et une image publicitaire.</translation>
    </message>
    <message>
        <source>Tell whether the game can play a card set, and what is wrong with it if not.</source>
        <translation>Indique si le programme peut jouer avec un jeu de cartes, et sinon ce qui ne va pas.</translation>
    </message>
    <message>
        <source>Show which boards a card set fills on a screen of that size.</source>
        <translation>Montre quels plateaux un jeu de cartes remplit sur un écran de cette taille.</translation>
    </message>
    <message>
        <source>Save every frame of a card picture as PNG files, as the game shows them.</source>
        <translation>Enregistre chaque trame d&apos;une image de carte en fichiers PNG, telles que le jeu les affiche.</translation>
    </message>
    <message>
        <source>List the finished games the game has recorded, oldest first.</source>
        <translation>Liste les parties terminées que le jeu a enregistrées, de la plus ancienne à la plus récente.</translation>
    </message>
    <message>
        <source>Makes and inspects the card sets of the pairs game Orvane Kobalind.</source>
        <translation>Crée et examine les jeux de cartes du jeu de mémoire Orvane Kobalind.</translation>
    </message>
    <message>
        <source>&apos;tessaly COMMAND --help&apos; explains one command; &apos;man tessaly&apos; tells more.</source>
        <translation>«&#xa0;tessaly COMMAND --help&#xa0;» explique une commande&#xa0;; «&#xa0;man tessaly&#xa0;» en dit plus.</translation>
    </message>
    <message>
        <source>tessaly: %1</source>
        <translation>tessaly&#xa0;: %1</translation>
    </message>
    <message>
        <source>tessaly: unknown command &apos;%1&apos;</source>
        <translation>tessaly&#xa0;: commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: unknown picture kind (use .gif, .jpg, .jpeg or .bmp)</source>
        <translation>%1&#xa0;: format d&apos;image inconnu (utilise .gif, .jpg, .jpeg ou .bmp)</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>%1: cannot be compressed</source>
        <translation>%1&#xa0;: compression impossible</translation>
    </message>
    <message>
        <source>--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)</source>
        <translation>--screen %1&#xa0;: LARGEURxHAUTEUR attendu, plus grand que le cadre de la fenêtre (10x91)</translation>
    </message>
    <message>
        <source>%1: the card size %2x%3 is not positive</source>
        <translation>%1&#xa0;: la taille de carte %2x%3 n&apos;est pas positive</translation>
    </message>
    <message>
        <source>%1: the set has %2 faces, fewer than the smallest pair count (8)</source>
        <translation>%1&#xa0;: le jeu a %2 faces, moins que le plus petit nombre de paires (8)</translation>
    </message>
    <message>
        <source>in the text form \\ is a backslash, \t a tab, \n and \r line breaks, \, a comma, \xHH another control character</source>
        <translation>dans la forme texte, \\ est une barre oblique inverse, \t une tabulation, \n et \r des sauts de ligne, \, une virgule, \xHH un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>the record marks pairs that differ, but the archive holds %1 second pictures for its %2 faces</source>
        <translation>l&apos;enregistrement indique des paires différentes, mais l&apos;archive contient %1 secondes images pour ses %2 faces</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture</source>
        <translation>la seconde image de la face %1</translation>
    </message>
    <message>
        <source>face %1&apos;s second picture has a border unlike the set&apos;s other second pictures</source>
        <translation>la seconde image de la face %1 a une bordure différente des autres secondes images du jeu</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture, %6 warning(s)</source>
        <translation>%1&#xa0;: jouable, %2 faces %3 de %4x%5, chacune avec une seconde image, %6 avertissement(s)</translation>
    </message>
    <message>
        <source>%1: playable, %2 %3 faces of %4x%5, each with a second picture</source>
        <translation>%1&#xa0;: jouable, %2 faces %3 de %4x%5, chacune avec une seconde image</translation>
    </message>
    <message>
        <source>--pairs: %1 is not FIRST:SECOND, two picture files joined by one colon</source>
        <translation>--pairs&#xa0;: %1 n&apos;est pas de la forme FIRST:SECOND, deux fichiers d&apos;images reliés par un deux-points</translation>
    </message>
    <message>
        <source>%1: %2 %3 faces of %4, each with a second picture</source>
        <translation>%1&#xa0;: %2 faces %3 de %4, chacune avec une seconde image</translation>
    </message>
    <message>
        <source>second pictures: entries %1 to %2, face N&apos;s at entry N + %3</source>
        <translation>secondes images&#xa0;: entrées %1 à %2, celle de la face N à l&apos;entrée N + %3</translation>
    </message>
    <message>
        <source>With --pairs each FACE is FIRST:SECOND, two pictures for the two cards of one pair (a word and its picture, say); cards still match by pair.</source>
        <translation>Avec --pairs, chaque FACE est de la forme FIRST:SECOND&#xa0;: deux images pour les deux cartes d&apos;une paire (un mot et son image, par exemple)&#xa0;; les cartes vont toujours par paires.</translation>
    </message>
</context>
</TS>
