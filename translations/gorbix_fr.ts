<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>obstacle</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>croisement</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>tuile en T ouverte en haut, en bas et à droite</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>tuile en T ouverte en haut, en bas et à gauche</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>tuile en T ouverte en haut, à gauche et à droite</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>tuile en T ouverte en bas, à gauche et à droite</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>ligne droite haut-bas</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>ligne droite gauche-droite</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>virage haut-droite</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>virage haut-gauche</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>virage bas-droite</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>virage bas-gauche</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>aucune tuile</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, tuile non visitée</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, tuile visitée</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, la Chose est ici</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, le départ</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, l’arrivée</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Rang général</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Fin du niveau %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Vous avez battu votre record pour ce niveau (%1)&#xa0;!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Vous n’avez pas battu votre record pour ce niveau (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Une erreur inattendue du programme a été interceptée.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>Le programme doit être arrêté.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Envoyez la Chose ici (clic droit)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Faites glisser cette tuile (clic gauche)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>H à nouveau&#xa0;: jouer ce coup</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Meilleure solution à partir d’ici&#xa0;: %n point</numerusform>
            <numerusform>Meilleure solution à partir d’ici&#xa0;: %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>&amp;Recommencer ce niveau</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Aller au niveau</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>Effets &amp;sonores</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Remettre tous les scores à zéro</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Numéro de &amp;plateau…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiques…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>&amp;Conserver le plateau inachevé</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>Tuiles adaptées aux &amp;daltoniens</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size in the Zoom menu, %1 the percent (100, 150, ...).</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Didacticiel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Impossible de faire glisser le trou</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Glissement impossible&#xa0;: pas dans l’alignement du trou</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>La Chose ne peut pas aller dans le trou</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>La Chose y est déjà</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>La Chose ne peut pas y aller</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>La Chose s’est arrêtée en %1. Score %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Score %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Coup rétabli. Score %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Coup annulé. Score %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Débutant niveau 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Débutant niveau 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Débutant niveau 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Débutant niveau 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Dans la moyenne</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Au-dessus du lot</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Bien au-dessus du lot</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Très bien</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Merveilleux</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Archi-excellent</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Expert chevronné</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Expert accompli</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Expert magistral</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Presque un génie</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Trésor national</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Champion du monde</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Maître astral</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Grand maître astral</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Maître galactique</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Seigneur galactique</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Seigneur du cosmos&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Erreur lors de la mise à jour du fichier %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Non enregistré&#xa0;: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>la position de la fenêtre</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>le niveau joué (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>les meilleurs scores de tous les niveaux</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>le meilleur score du niveau %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>les meilleurs scores des niveaux %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Non enregistré&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Didacticiel de Gorbix</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>Impossible d’afficher cette page&#xa0;: le fichier image %1 est absent ou illisible.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Page %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Bienvenue dans Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le plateau compte 8 colonnes et 6 lignes de tuiles, plus une case vide, le &lt;b&gt;trou&lt;/b&gt;. Chaque tuile porte un morceau de voie.&lt;/p&gt;&lt;p&gt;Votre but&#xa0;: guider la &lt;b&gt;Chose&lt;/b&gt;, le losange bleu, depuis son départ sur la tuile en haut à gauche jusqu’à l’&lt;b&gt;arrivée&lt;/b&gt;, la case en bas à droite. Quand elle y parvient, le niveau est gagné.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croisement</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>Tuile en T</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Virage</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Tuile bonus</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Obstacle&#xa0;: pas de voie</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>Le trou</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Deux coups&#xa0;: un &lt;b&gt;clic gauche&lt;/b&gt; fait glisser les tuiles, un &lt;b&gt;clic droit&lt;/b&gt; envoie la Chose.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Suite&#xa0;: faire glisser les tuiles</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Faire glisser les tuiles</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>&lt;b&gt;Cliquez à gauche&lt;/b&gt; sur une tuile de la même ligne ou colonne que le trou. Cette tuile, et toutes celles entre elle et le trou, glissent d’une case vers le trou. Le trou se retrouve là où vous avez cliqué.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 points</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>pour le glissement</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Chaque glissement coûte &lt;b&gt;5 points&lt;/b&gt;, quel que soit le nombre de tuiles déplacées.&lt;/li&gt;&lt;li&gt;Les colonnes fonctionnent de la même façon&#xa0;: cliquez au-dessus ou au-dessous du trou.&lt;/li&gt;&lt;li&gt;Si la Chose se tient sur une tuile qui glisse, elle suit le mouvement, même jusqu’à l’arrivée.&lt;/li&gt;&lt;li&gt;Pas de trou dans sa ligne ou sa colonne&#xa0;? Un bourdonnement, ou une croix sur la tuile quand le son est coupé&#xa0;: rien ne bouge et votre score ne perd rien.&lt;/li&gt;&lt;li&gt;Pendant que la Chose marche, les clics sur le plateau sont ignorés.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Suite&#xa0;: envoyer la Chose</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Envoyer la Chose</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>&lt;b&gt;Cliquez à droite&lt;/b&gt; sur une tuile pour y envoyer la Chose. Elle ne peut marcher que sur la voie&#xa0;: pour passer d’une tuile à la suivante, les deux doivent être ouvertes l’une vers l’autre. Si la voie est continue, la Chose s’y rend tuile après tuile.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Avant&#xa0;: clic droit sur la cible</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Après&#xa0;: 5 nouvelles tuiles, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Une tuile sur laquelle la Chose se pose pour la première fois passe du vert au &lt;b&gt;rouge&lt;/b&gt; et rapporte &lt;b&gt;5 points&lt;/b&gt;. Les tuiles rouges ne rapportent plus rien.&lt;/li&gt;&lt;li&gt;La Chose n’entre jamais dans le trou ni sur un obstacle (une tuile sans voie).&lt;/li&gt;&lt;li&gt;Aucun chemin par la voie&#xa0;? Un bourdonnement ou une croix, et rien ne change.&lt;/li&gt;&lt;li&gt;Le jeu choisit lui-même le chemin. Faites d’abord glisser des tuiles pour relier la voie, puis envoyez la Chose.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Suite&#xa0;: score et indices</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Score, tuiles bonus et indices</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Chaque niveau commence avec un score de &lt;b&gt;100&lt;/b&gt;. Ensuite&#xa0;:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Chaque glissement&#xa0;: un clic, quel que soit le nombre de tuiles déplacées</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Chaque tuile où la Chose se pose pour la première fois</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Une tuile bonus, payée une fois&#xa0;; elle devient ensuite une ligne droite rouge</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Un indice, touche &lt;b&gt;H&lt;/b&gt;, marque la tuile à cliquer&#xa0;; &lt;b&gt;H&lt;/b&gt; à nouveau joue le coup</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un indice ne se paie qu’une fois&#xa0;: tant que le plateau ne change pas, &lt;b&gt;H&lt;/b&gt; le réaffiche gratuitement. &lt;b&gt;Échap&lt;/b&gt; le masque. Le score ne descend jamais sous 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Astuce&#xa0;:&lt;/i&gt; un glissement coûte autant que ce que rapporte une nouvelle tuile.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Suite&#xa0;: niveaux et rangs</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Niveaux et rangs</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il y a &lt;b&gt;25 niveaux&lt;/b&gt;. Les derniers ont moins de croisements et de tuiles en T, et plus d’obstacles&#xa0;; chaque départ distribue un nouveau plateau au hasard.&lt;/p&gt;&lt;p&gt;À l’arrivée, vous voyez votre score et son rang&#xa0;; un nouveau record pour le niveau est conservé dans la liste des scores, où un double-clic lance ce niveau. Le &lt;b&gt;rang général&lt;/b&gt; évalue la moyenne de vos meilleurs scores sur les 25 niveaux.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Suite&#xa0;: touches et menus</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Touches et menus</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Jeu</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Recommencer ce niveau</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Aller au niveau</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Remettre tous les scores à zéro</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Numéro de plateau…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Recommencer&lt;/b&gt; distribue un nouveau plateau du niveau. &lt;b&gt;Remettre tous les scores à zéro&lt;/b&gt; demande d’abord, puis remet chaque record à 0. &lt;b&gt;Numéro de plateau&lt;/b&gt; indique le plateau joué et sa meilleure solution, et joue n’importe quel plateau d’après son numéro.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menu Affichage</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Tuiles adaptées aux daltoniens</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Ctrl+−</source>
        <translation>Ctrl+−</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100&#xa0;%</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&lt;b&gt;Colour-Safe Tiles&lt;/b&gt; sets the faces apart without colour; &lt;b&gt;Zoom&lt;/b&gt; makes every window larger.</source>
        <translation>&lt;b&gt;Tuiles adaptées aux daltoniens&lt;/b&gt; distingue les tuiles sans la couleur&#xa0;; &lt;b&gt;Zoom&lt;/b&gt; agrandit toutes les fenêtres.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menus Fichier et Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Didacticiel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Touches sur le plateau</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>Les &lt;b&gt;flèches&lt;/b&gt; déplacent un cadre sur le plateau, &lt;b&gt;Début&lt;/b&gt; vers la Chose, &lt;b&gt;Fin&lt;/b&gt; vers l’arrivée. &lt;b&gt;Espace&lt;/b&gt; fait glisser comme un clic gauche, &lt;b&gt;Entrée&lt;/b&gt; envoie comme un clic droit.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Bonne chance, et ramenez la Chose chez elle&#xa0;!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 et plus&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>De %1 à %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Numéro de plateau</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Niveau %1, plateau %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>&amp;Numéro de plateau&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Meilleure solution&#xa0;: %n point</numerusform>
            <numerusform>Meilleure solution&#xa0;: %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Tapez un nombre de 1 à %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Aucun niveau joué pour l’instant. Chaque niveau que vous terminez ou quittez apparaîtra ici&#xa0;: vos scores niveau par niveau, face à la meilleure solution de chaque plateau.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Niveau %1&#xa0;: aucun plateau terminé</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Niveau %1&#xa0;: record %2, moyenne %3, meilleure solution %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Lecture de l’historique…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Meilleure solution moy.</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Meilleure solution</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Tous les niveaux</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Choisissez un niveau dans le tableau pour voir ses plateaux</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Niveau %1&#xa0;: aucun plateau terminé pour l’instant</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Niveau %1, plateaux terminés dans l’ordre de jeu</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Niveau %1, plateaux dans l’ordre de jeu (%2)&#xa0;: scores %3&#xa0;; meilleures solutions %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Effacer tout l’historique des niveaux joués&#xa0;? Les meilleurs scores sont conservés.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Impossible d’effacer l’historique&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% de la meilleure solution</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Annulations</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Niveaux joués</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Réinitialiser les statistiques…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>1 ligne endommagée de l’historique ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>%n ligne endommagée de l’historique ignorée</numerusform>
            <numerusform>%n lignes endommagées de l’historique ignorées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Score du niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Rang du niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Rang général sur les 25 niveaux</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>Niveau &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Autre niveau</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Quitter le jeu</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Changer de niveau</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Vous êtes au niveau %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Choisissez un niveau</translation>
    </message>
</context>
<context>
    <name>gorbix::frmMain</name>
    <message>
        <source>Gorbix!</source>
        <translation>Gorbix!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all of the
scores, for all 25 levels, back to zero?</source>
        <translation>Voulez-vous vraiment remettre à zéro les
scores des 25 niveaux&#xa0;?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>À propos de Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 les développeurs de Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Faites glisser les tuiles, posez la voie et ramenez la Chose chez elle.
Appuyez sur F1 dans le jeu pour ouvrir le didacticiel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
