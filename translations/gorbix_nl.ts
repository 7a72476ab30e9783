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
    <message>
        <source>Move made again. Score %1</source>
        <translation>Zet opnieuw uitgevoerd. Score %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Zet ongedaan gemaakt. Score %1</translation>
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
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Gorbix-handleiding</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Vo&amp;rige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>Deze pagina kan niet worden getoond: het afbeeldingsbestand %1 ontbreekt of is onleesbaar.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Pagina %1 van %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Welkom bij Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Het bord heeft 8 kolommen en 6 rijen tegels en één leeg vak, het &lt;b&gt;gat&lt;/b&gt;. Op elke tegel ligt een stuk spoor.&lt;/p&gt;&lt;p&gt;Je doel: breng het &lt;b&gt;Ding&lt;/b&gt;, de blauwe ruit, van zijn start op de tegel linksboven naar het &lt;b&gt;doel&lt;/b&gt;, het vak rechtsonder. Komt het daar aan, dan is het level gewonnen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kruising</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>T-stuk</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recht stuk</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Bocht</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Bonustegel</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Blokkade: geen spoor</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>Het gat</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Twee zetten: een &lt;b&gt;linksklik&lt;/b&gt; schuift tegels, een &lt;b&gt;rechtsklik&lt;/b&gt; stuurt het Ding op pad.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Volgende: tegels schuiven</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Tegels schuiven</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>&lt;b&gt;Linksklik&lt;/b&gt; op een tegel in dezelfde rij of kolom als het gat. Die tegel, en elke tegel tussen hem en het gat, schuift één vak op naar het gat. Het gat komt te liggen waar je klikte.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>gat</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 punten</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>voor het schuiven</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Elke schuifbeurt kost &lt;b&gt;5 punten&lt;/b&gt;, hoeveel tegels er ook bewegen.&lt;/li&gt;&lt;li&gt;Kolommen werken net zo: klik boven of onder het gat.&lt;/li&gt;&lt;li&gt;Staat het Ding op een tegel die schuift, dan rijdt het mee, zelfs tot op het doel.&lt;/li&gt;&lt;li&gt;Geen gat in de rij of kolom van de tegel? Een zoemer, of met het geluid uit een kruis op de tegel: er beweegt niets en je score blijft gelijk.&lt;/li&gt;&lt;li&gt;Zolang het Ding loopt, worden klikken op het bord genegeerd.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Volgende: het Ding sturen</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Het Ding sturen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>&lt;b&gt;Rechtsklik&lt;/b&gt; op een tegel om het Ding erheen te sturen. Het kan alleen over het spoor lopen: om van de ene tegel naar de volgende te stappen, moeten beide naar elkaar toe open zijn. Sluit het spoor aan, dan loopt het Ding er tegel voor tegel heen.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Voor: rechtsklik op de bestemming</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Na: 5 nieuwe tegels, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Een tegel waar het Ding voor het eerst op staat, kleurt van groen naar &lt;b&gt;rood&lt;/b&gt; en levert &lt;b&gt;5 punten&lt;/b&gt; op. Rode tegels leveren niets meer op.&lt;/li&gt;&lt;li&gt;Het Ding gaat nooit het gat of een blokkade (een tegel zonder spoor) in.&lt;/li&gt;&lt;li&gt;Geen weg over het spoor? Een zoemer of een kruis, en er verandert niets.&lt;/li&gt;&lt;li&gt;Het spel kiest zelf de weg. Schuif eerst tegels om het spoor te verbinden en stuur dan het Ding.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Volgende: score en tips</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Score, bonustegels en tips</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Elk level begint met een score van &lt;b&gt;100&lt;/b&gt;. Daarna:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Elke schuifbeurt: één klik, hoeveel tegels er ook bewegen</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Elke tegel waar het Ding voor het eerst op staat</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Een bonustegel, één keer uitbetaald; daarna wordt hij een rood recht stuk</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Een tip, toets &lt;b&gt;H&lt;/b&gt;, markeert de tegel om op te klikken; nog eens &lt;b&gt;H&lt;/b&gt; doet de zet</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Voor een tip betaal je maar één keer: zolang het bord niet verandert, toont &lt;b&gt;H&lt;/b&gt; hem gratis opnieuw. &lt;b&gt;Esc&lt;/b&gt; verbergt hem. De score zakt nooit onder 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Goed om te weten:&lt;/i&gt; een schuifbeurt kost evenveel als een nieuwe tegel oplevert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Volgende: levels en rangen</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Levels en rangen</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Er zijn &lt;b&gt;25 levels&lt;/b&gt;. Latere levels hebben minder kruisingen en T-stukken en meer blokkades, en elke start deelt een nieuw willekeurig bord uit.&lt;/p&gt;&lt;p&gt;Bij het doel zie je je score en de rang daarvan; een nieuw record voor het level komt in de scorelijst, waar een dubbelklik dat level speelt. De &lt;b&gt;totale rang&lt;/b&gt; beoordeelt het gemiddelde van je beste scores over alle 25 levels.&lt;/p&gt;</translation>
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
        <translation>Volgende: toetsen en menu’s</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Toetsen en menu’s</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Spel</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Level opnieuw starten</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Ga naar level</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Geluidseffecten</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Alle scores op nul zetten</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Bordnummer…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Opnieuw starten&lt;/b&gt; deelt een nieuw bord van het level uit. &lt;b&gt;Alle scores op nul zetten&lt;/b&gt; vraagt eerst en zet dan elk record op 0. &lt;b&gt;Bordnummer&lt;/b&gt; noemt het bord dat je speelt en de beste oplossing ervan, en speelt elk bord op nummer.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menu Beeld</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Kleurenblindvriendelijke tegels</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Ctrl+−</source>
        <translation>Ctrl+−</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&lt;b&gt;Colour-Safe Tiles&lt;/b&gt; sets the faces apart without colour; &lt;b&gt;Zoom&lt;/b&gt; makes every window larger.</source>
        <translation>&lt;b&gt;Kleurenblindvriendelijke tegels&lt;/b&gt; maakt de tegels zonder kleur van elkaar te onderscheiden; &lt;b&gt;Zoomen&lt;/b&gt; maakt elk venster groter.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menu’s Bestand en Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Toetsen op het bord</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>De &lt;b&gt;pijltjes&lt;/b&gt; verplaatsen een kader over het bord, &lt;b&gt;Home&lt;/b&gt; naar het Ding, &lt;b&gt;End&lt;/b&gt; naar het doel. &lt;b&gt;Spatie&lt;/b&gt; schuift zoals een linksklik, &lt;b&gt;Enter&lt;/b&gt; stuurt zoals een rechtsklik.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Veel succes, en breng het Ding naar huis!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 en hoger: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 tot en met %2: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
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
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Level %1, borden in speelvolgorde (%2): scores %3; beste oplossingen %4</translation>
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
