<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>T-Stück offen nach oben, unten und rechts</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>T-Stück offen nach oben, unten und links</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>T-Stück offen nach oben, links und rechts</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>T-Stück offen nach unten, links und rechts</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>Gerade oben-unten</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>Gerade links-rechts</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>Kurve oben-rechts</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>Kurve oben-links</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>Kurve unten-rechts</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>Kurve unten-links</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>kein Plättchen</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, unbesucht</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, besucht</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, hier ist das Ding</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, der Start</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, das Ziel</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
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
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Gesamtrang</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Level %1 beendet</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Du hast deinen bisherigen Rekord (%1) geschlagen!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Dein bisheriger Rekord (%1) bleibt bestehen</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Ein unerwarteter Programmfehler wurde abgefangen.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>Das Programm muss beendet werden.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Schick das Ding hierher (Rechtsklick)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Schieb dieses Plättchen (Linksklick)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>Nochmal H: diesen Zug machen</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Beste Zugfolge von hier: %n Punkt</numerusform>
            <numerusform>Beste Zugfolge von hier: %n Punkte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>Level &amp;neu starten</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>Level &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Soundeffekte</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Alle Punktzahlen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Spiel&amp;feldnummer…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Stat&amp;istik…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>Angefangenes Spielfeld &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>&amp;Farbenblindgerechte Plättchen</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size in the Zoom menu, %1 the percent (100, 150, ...).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Die Lücke lässt sich nicht schieben</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Schieben nicht möglich: nicht in Zeile oder Spalte der Lücke</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>Das Ding kann nicht in die Lücke</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>Das Ding ist schon dort</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>Das Ding kommt dort nicht hin</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punktzahl %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>Das Ding steht jetzt auf %1. Punktzahl %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Punktzahl %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Zug wiederhergestellt. Punktzahl %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Zug zurückgenommen. Punktzahl %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Anfänger Stufe 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Anfänger Stufe 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Anfänger Stufe 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Anfänger Stufe 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Über dem Schnitt</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Weit über dem Schnitt</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Wunderbar</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Exzellent</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Höchst exzellent</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Erfahrener Experte</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Vollendeter Experte</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Meisterhafter Experte</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Beinahe ein Genie</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Nationalheiligtum</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Weltmeister</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Sternenmeister</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Sternengroßmeister</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Meister der Galaxis</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Gebieter der Galaxis</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Gebieter des Alls!</translation>
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
        <translation>Fehler beim Aktualisieren der Datei %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Nicht gespeichert: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>die Position des Fensters</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>das gespielte Level (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>die Rekorde aller Level</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>der Rekord von Level %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>die Rekorde der Level %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Gorbix-Anleitung</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>Diese Seite kann nicht angezeigt werden: Die Bilddatei %1 fehlt oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Seite %1 von %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Willkommen bei Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Spielfeld hat 8 Spalten und 6 Zeilen aus Plättchen und ein leeres Feld, die &lt;b&gt;Lücke&lt;/b&gt;. Auf jedem Plättchen liegt ein Stück Gleis.&lt;/p&gt;&lt;p&gt;Dein Ziel: Bring das &lt;b&gt;Ding&lt;/b&gt;, die blaue Raute, von seinem Start auf dem Plättchen oben links ins &lt;b&gt;Ziel&lt;/b&gt;, das Feld unten rechts. Kommt es dort an, ist das Level gewonnen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuzung</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>T-Stück</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Bonusplättchen</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Sperre: kein Gleis</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>Die Lücke</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Zwei Züge: Ein &lt;b&gt;Linksklick&lt;/b&gt; schiebt Plättchen, ein &lt;b&gt;Rechtsklick&lt;/b&gt; schickt das Ding los.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Weiter: Plättchen schieben</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Plättchen schieben</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>&lt;b&gt;Linksklick&lt;/b&gt; auf ein Plättchen in derselben Zeile oder Spalte wie die Lücke: Dieses Plättchen und alle zwischen ihm und der Lücke rücken ein Feld auf die Lücke zu. Die Lücke landet dort, wo du geklickt hast.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 Punkte</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>fürs Schieben</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Jedes Schieben kostet &lt;b&gt;5 Punkte&lt;/b&gt;, egal wie viele Plättchen sich bewegen.&lt;/li&gt;&lt;li&gt;Spalten funktionieren genauso: Klick über oder unter die Lücke.&lt;/li&gt;&lt;li&gt;Steht das Ding auf einem Plättchen, das geschoben wird, fährt es mit, sogar bis ins Ziel.&lt;/li&gt;&lt;li&gt;Keine Lücke in seiner Zeile oder Spalte? Es summt, bei ausgeschaltetem Ton erscheint ein Kreuz auf dem Plättchen: Nichts bewegt sich, und dir wird nichts abgezogen.&lt;/li&gt;&lt;li&gt;Solange das Ding läuft, werden Klicks auf das Spielfeld ignoriert.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Weiter: das Ding losschicken</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Das Ding losschicken</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>Ein &lt;b&gt;Rechtsklick&lt;/b&gt; auf ein Plättchen schickt das Ding dorthin. Es läuft nur auf den Gleisen: Um von einem Plättchen aufs nächste zu kommen, müssen beide zueinander offen sein. Ist die Strecke durchgehend, läuft das Ding Plättchen für Plättchen hin.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Vorher: Rechtsklick auf den Zielort</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Nachher: 5 neue Plättchen, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Ein Plättchen, auf dem das Ding zum ersten Mal steht, wird von grün zu &lt;b&gt;rot&lt;/b&gt; und bringt &lt;b&gt;5 Punkte&lt;/b&gt;. Rote Plättchen bringen nichts mehr.&lt;/li&gt;&lt;li&gt;Das Ding betritt nie die Lücke oder eine Sperre (ein Plättchen ohne Gleis).&lt;/li&gt;&lt;li&gt;Kein Weg über die Gleise? Es summt oder ein Kreuz erscheint, und nichts ändert sich.&lt;/li&gt;&lt;li&gt;Den Weg sucht das Spiel selbst aus. Schieb erst Plättchen, bis die Gleise verbunden sind, und schick dann das Ding los.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Weiter: Punkte und Tipps</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Punkte, Bonusplättchen und Tipps</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Jedes Level beginnt mit &lt;b&gt;100&lt;/b&gt; Punkten. Dann gilt:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Jedes Schieben: ein Klick, egal wie viele Plättchen sich bewegen</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Jedes Plättchen, auf dem das Ding zum ersten Mal steht</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Ein Bonusplättchen, einmal ausgezahlt; danach wird es eine rote Gerade</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Ein Tipp, Taste &lt;b&gt;H&lt;/b&gt;, markiert das Plättchen zum Klicken; nochmal &lt;b&gt;H&lt;/b&gt; macht den Zug</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Tipp wird nur einmal bezahlt: Bis sich das Spielfeld ändert, zeigt &lt;b&gt;H&lt;/b&gt; ihn kostenlos wieder. &lt;b&gt;Esc&lt;/b&gt; blendet ihn aus. Die Punktzahl fällt nie unter 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Hinweis:&lt;/i&gt; Einmal Schieben kostet so viel, wie ein neues Plättchen bringt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Weiter: Level und Ränge</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Level und Ränge</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Es gibt &lt;b&gt;25 Level&lt;/b&gt;. Spätere haben weniger Kreuzungen und T-Stücke und mehr Sperren, und jeder Start bringt ein neues, zufälliges Spielfeld.&lt;/p&gt;&lt;p&gt;Im Ziel siehst du deine Punktzahl und ihren Rang; ein neuer Rekord für das Level kommt in die Rekordliste, wo ein Doppelklick dieses Level spielt. Der &lt;b&gt;Gesamtrang&lt;/b&gt; bewertet den Durchschnitt deiner Rekorde über alle 25 Level.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Weiter: Tasten und Menüs</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Tasten und Menüs</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menü Spiel</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Level neu starten</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Level wählen</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Strg+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Alle Punktzahlen zurücksetzen</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Spielfeldnummer…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Strg+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Neu starten&lt;/b&gt; gibt ein neues Spielfeld des Levels. &lt;b&gt;Alle Punktzahlen zurücksetzen&lt;/b&gt; fragt erst und setzt dann jeden Rekord auf 0. &lt;b&gt;Spielfeldnummer&lt;/b&gt; nennt dein Spielfeld und seine beste Zugfolge und spielt jedes Spielfeld nach seiner Nummer.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menü Ansicht</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Farbenblindgerechte Plättchen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Strg++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+−</source>
        <translation>Strg+−</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Strg+0</translation>
    </message>
    <message>
        <source>&lt;b&gt;Colour-Safe Tiles&lt;/b&gt; sets the faces apart without colour; &lt;b&gt;Zoom&lt;/b&gt; makes every window larger.</source>
        <translation>&lt;b&gt;Farbenblindgerechte Plättchen&lt;/b&gt; macht die Plättchen auch ohne Farbe unterscheidbar; &lt;b&gt;Zoom&lt;/b&gt; vergrößert jedes Fenster.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menüs Datei und Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Strg+X</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Tasten auf dem Spielfeld</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>Die &lt;b&gt;Pfeiltasten&lt;/b&gt; bewegen einen Rahmen über das Spielfeld, &lt;b&gt;Pos1&lt;/b&gt; zum Ding, &lt;b&gt;Ende&lt;/b&gt; zum Ziel. Die &lt;b&gt;Leertaste&lt;/b&gt; schiebt wie ein Linksklick, die &lt;b&gt;Eingabetaste&lt;/b&gt; schickt wie ein Rechtsklick.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Viel Glück – und bring das Ding nach Hause!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 und mehr: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 bis %2: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Spielfeldnummer</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Level %1, Spielfeld %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>Spielfeld&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Beste Zugfolge: %n Punkt</numerusform>
            <numerusform>Beste Zugfolge: %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Gib eine Zahl von 1 bis %1 ein.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Noch keine Level gespielt. Jedes Level, das du schaffst oder verlässt, erscheint hier: deine Punktzahlen Level für Level, verglichen mit der besten Zugfolge jedes Spielfelds.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Level %1: kein Spielfeld geschafft</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Level %1: Rekord %2, Schnitt %3, beste Zugfolge %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Spielprotokoll wird gelesen…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Ø Punktzahl</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Ø beste Zugfolge</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Beste Zugfolge</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Alle Level</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Wähle ein Level in der Tabelle, um seine Spielfelder zu sehen</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Level %1: noch kein Spielfeld geschafft</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Level %1, geschaffte Spielfelder in Spielreihenfolge</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Level %1, Spielfelder in Spielreihenfolge (%2): Punktzahlen %3; beste Zugfolgen %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Das gesamte Spielprotokoll löschen? Die Rekorde bleiben erhalten.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Das Spielprotokoll lässt sich nicht löschen: %1</translation>
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
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% der besten Zugfolge</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Gespielte Level</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>Statistik &amp;zurücksetzen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>1 beschädigte Zeile des Spielprotokolls übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>%n beschädigte Zeile des Spielprotokolls übersprungen</numerusform>
            <numerusform>%n beschädigte Zeilen des Spielprotokolls übersprungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Punkte im Level:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Rang im Level:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Gesamtrang über alle 25 Level</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>Noch&amp;mal</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Nächstes Level</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>Level &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Level wählen</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Du bist gerade in Level %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Wähle ein Level</translation>
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
        <translation>Willst du wirklich die Punktzahlen aller
25 Level auf null zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>Über Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 die Gorbix-Entwickler</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Schieb die Plättchen, leg die Gleise und bring das Ding nach Hause.
Drück F1 im Spiel, um die Anleitung zu öffnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
