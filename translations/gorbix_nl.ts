<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Kolom %1, rij %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>gat</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>blokkade</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>kruising</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>T-stuk open naar boven, onder en rechts</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>T-stuk open naar boven, onder en links</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>T-stuk open naar boven, links en rechts</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>T-stuk open naar onder, links en rechts</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>recht stuk boven-onder</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>recht stuk links-rechts</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>bocht boven-rechts</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>bocht boven-links</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>bocht onder-rechts</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>bocht onder-links</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>geen tegel</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, nog niet bezocht</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, bezocht</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, hier staat het Ding</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, de start</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, het doel</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Level</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Beste scores</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Totale rang</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Einde van level %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Je vorige record (%1) is verbroken!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Je vorige record (%1) is niet verbroken</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Er is een onverwachte programmafout onderschept.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>Het programma moet worden afgesloten.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Stuur het Ding hierheen (rechtsklik)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Schuif deze tegel (linksklik)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>Nog een keer H: deze zet doen</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Beste oplossing vanaf hier: %n punt</numerusform>
            <numerusform>Beste oplossing vanaf hier: %n punten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>Level &amp;opnieuw starten</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Ga naar level</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>Geluids&amp;effecten</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Alle scores op nul zetten</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Bord&amp;nummer…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistieken…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>Onafgemaakt bord &amp;bewaren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>&amp;Kleurenblindvriendelijke tegels</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size in the Zoom menu, %1 the percent (100, 150, ...).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>kolom %1, rij %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Het gat kan niet schuiven</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Schuiven kan niet: niet in lijn met het gat</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>Het Ding kan niet in het gat</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>Het Ding staat daar al</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>Het Ding kan daar niet komen</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>Het Ding is gestopt op %1. Score %2</translation>
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
        <translation>Beginner niveau 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Beginner niveau 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Beginner niveau 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Beginner niveau 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Bovengemiddeld</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Ruim bovengemiddeld</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Zeer goed</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Wonderbaarlijk</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Voortreffelijk</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Professioneel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Doorgewinterde expert</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Volleerde expert</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Meesterlijke expert</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Bijna een genie</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Nationaal bezit</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Wereldkampioen</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Sterrenmeester</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Sterrengrootmeester</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Galactisch meester</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Galactisch opperheer</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Heer van het heelal!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Fout bij het bijwerken van bestand %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Niet opgeslagen: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>de positie van het venster</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>het gespeelde level (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>de beste scores van alle levels</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>de beste score van level %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>de beste scores van levels %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Niet opgeslagen: %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Bordnummer</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Level %1, bord %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>Bord&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Spelen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Beste oplossing: %n punt</numerusform>
            <numerusform>Beste oplossing: %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Zoeken…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Typ een getal van 1 tot en met %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Nog geen levels gespeeld. Elk level dat je uitspeelt of verlaat, verschijnt hier: je scores level voor level, afgezet tegen de beste oplossing van elk bord.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Level %1: geen bord uitgespeeld</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Level %1: record %2, gemiddeld %3, beste oplossing %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Logboek wordt gelezen…</translation>
    </message>
    <message>
        <source>Level %1, the latest %2 boards in order of play: scores %3; best lines %4</source>
        <translation>Level %1, de laatste %2 borden in speelvolgorde: scores %3; beste oplossingen %4</translation>
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
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Gem. beste oplossing</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Beste oplossing</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Alle levels</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Kies een level in de tabel om de borden ervan te zien</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Level %1: nog geen bord uitgespeeld</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Level %1, uitgespeelde borden in speelvolgorde</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Het hele logboek van gespeelde levels wissen? De beste scores blijven bewaard.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Het logboek kan niet worden gewist: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Uitgespeeld</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% van beste oplossing</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Ongedaan</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Gespeelde levels</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>Statistieken &amp;wissen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>1 beschadigde regel van het logboek overgeslagen</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>%n beschadigde regel van het logboek overgeslagen</numerusform>
            <numerusform>%n beschadigde regels van het logboek overgeslagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Score voor dit level:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Rang voor dit level:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Totale rang over alle 25 levels</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Volgend level</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Ga naar level</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>Spel &amp;afsluiten</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Naar een ander level</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Je zit nu in level %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Kies een level</translation>
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
        <translation>Weet je zeker dat je de scores van
alle 25 levels op nul wilt zetten?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>Over Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 de ontwikkelaars van Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Schuif de tegels, leg het spoor en breng het Ding naar huis.
Druk in het spel op F1 om de handleiding te openen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
