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
        <source>Level %1, the latest %2 boards in order of play: scores %3; best lines %4</source>
        <translation>Niveau %1, les %2 derniers plateaux dans l’ordre de jeu&#xa0;: scores %3&#xa0;; meilleures solutions %4</translation>
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
