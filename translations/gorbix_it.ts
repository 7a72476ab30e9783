<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Colonna %1, riga %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>buco</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>ostacolo</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>incrocio</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>tessera a T aperta in alto, in basso e a destra</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>tessera a T aperta in alto, in basso e a sinistra</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>tessera a T aperta in alto, a sinistra e a destra</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>tessera a T aperta in basso, a sinistra e a destra</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>rettilineo alto-basso</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>rettilineo sinistra-destra</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>curva alto-destra</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>curva alto-sinistra</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>curva basso-destra</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>curva basso-sinistra</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>nessuna tessera</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, tessera non visitata</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, tessera visitata</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, qui c’è la Cosa</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, la partenza</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, il traguardo</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Grado complessivo</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Fine del livello %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Hai battuto il tuo record per questo livello (%1)!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Non hai battuto il tuo record per questo livello (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>È stato intercettato un errore imprevisto del programma.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>Il programma deve essere chiuso.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Manda qui la Cosa (clic destro)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Fai scorrere questa tessera (clic sinistro)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>Di nuovo H: fai questa mossa</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Soluzione migliore da qui: %n punto</numerusform>
            <numerusform>Soluzione migliore da qui: %n punti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>&amp;Ricomincia questo livello</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Vai al livello</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>Effetti so&amp;nori</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Azzera tutti i punteggi</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Numero di &amp;tabellone…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Stat&amp;istiche…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Ri&amp;peti</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>&amp;Conserva il tabellone incompiuto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>Tessere per &amp;daltonici</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size in the Zoom menu, %1 the percent (100, 150, ...).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>colonna %1, riga %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Non si può far scorrere il buco</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Impossibile far scorrere: non è in linea con il buco</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>La Cosa non può entrare nel buco</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>La Cosa è già lì</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>La Cosa non può arrivarci</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punteggio %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>La Cosa si è fermata in %1. Punteggio %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Punteggio %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Mossa ripetuta. Punteggio %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Mossa annullata. Punteggio %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Novizio livello 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Novizio livello 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Novizio livello 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Novizio livello 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Nella media</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Sopra la media</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Ben sopra la media</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Molto bene</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Meraviglioso</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Eccellente</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Eccellentissimo</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Professionista</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Esperto navigato</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Esperto provetto</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Esperto magistrale</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Quasi un genio</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Tesoro nazionale</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Campione del mondo</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Maestro stellare</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Gran maestro stellare</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Maestro galattico</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Signore galattico</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Sovrano del cosmo!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Liv.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Errore durante l’aggiornamento del file %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Non salvato: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>la posizione della finestra</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>il livello giocato (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>i migliori punteggi di tutti i livelli</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>il miglior punteggio del livello %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>i migliori punteggi dei livelli %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Non salvato: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Tutorial di Gorbix</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
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
        <translation>Impossibile mostrare questa pagina: il file immagine %1 manca o non è leggibile.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Pagina %1 di %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Ti diamo il benvenuto in Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il tabellone ha 8 colonne e 6 righe di tessere e una casella vuota, il &lt;b&gt;buco&lt;/b&gt;. Ogni tessera porta un pezzo di binario.&lt;/p&gt;&lt;p&gt;Il tuo scopo: guidare la &lt;b&gt;Cosa&lt;/b&gt;, il rombo blu, dalla partenza sulla tessera in alto a sinistra fino al &lt;b&gt;traguardo&lt;/b&gt;, la casella in basso a destra. Quando ci arriva, il livello è vinto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Traguardo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Incrocio</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>Tessera a T</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Rettilineo</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Tessera bonus</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Ostacolo: niente binario</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>Il buco</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Due mosse: un &lt;b&gt;clic sinistro&lt;/b&gt; fa scorrere le tessere, un &lt;b&gt;clic destro&lt;/b&gt; manda la Cosa.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Avanti: far scorrere le tessere</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Far scorrere le tessere</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>Fai &lt;b&gt;clic sinistro&lt;/b&gt; su una tessera nella stessa riga o colonna del buco. Quella tessera, e tutte quelle tra lei e il buco, scorrono di una casella verso il buco. Il buco finisce dove hai cliccato.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>buco</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 punti</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>per lo scorrimento</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Ogni scorrimento costa &lt;b&gt;5 punti&lt;/b&gt;, per quante tessere si muovano.&lt;/li&gt;&lt;li&gt;Le colonne funzionano allo stesso modo: clicca sopra o sotto il buco.&lt;/li&gt;&lt;li&gt;Se la Cosa sta su una tessera che scorre, viaggia con lei, persino fino al traguardo.&lt;/li&gt;&lt;li&gt;Nessun buco nella sua riga o colonna? Un ronzio, o una croce sulla tessera se l’audio è spento: non si muove niente e il punteggio resta com’è.&lt;/li&gt;&lt;li&gt;Mentre la Cosa cammina, i clic sul tabellone vengono ignorati.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Avanti: mandare la Cosa</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Mandare la Cosa</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>Fai &lt;b&gt;clic destro&lt;/b&gt; su una tessera per mandarci la Cosa. Può camminare solo lungo i binari: per passare da una tessera alla successiva, entrambe devono essere aperte l’una verso l’altra. Se il percorso è collegato, la Cosa ci arriva tessera dopo tessera.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Prima: clic destro sulla destinazione</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Dopo: 5 tessere nuove, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Una tessera che la Cosa calpesta per la prima volta passa dal verde al &lt;b&gt;rosso&lt;/b&gt; e vale &lt;b&gt;5 punti&lt;/b&gt;. Le tessere rosse non danno più niente.&lt;/li&gt;&lt;li&gt;La Cosa non entra mai nel buco né in un ostacolo (una tessera senza binario).&lt;/li&gt;&lt;li&gt;Nessun percorso lungo i binari? Un ronzio o una croce, e non cambia niente.&lt;/li&gt;&lt;li&gt;Il percorso lo sceglie il gioco. Prima fai scorrere le tessere per collegare i binari, poi manda la Cosa.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Avanti: punteggio e suggerimenti</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Punteggio, tessere bonus e suggerimenti</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Ogni livello parte con un punteggio di &lt;b&gt;100&lt;/b&gt;. Poi:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Ogni scorrimento: un clic, per quante tessere si muovano</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Ogni tessera che la Cosa calpesta per la prima volta</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Una tessera bonus, pagata una volta; poi diventa un rettilineo rosso</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Un suggerimento, tasto &lt;b&gt;H&lt;/b&gt;, segna la tessera da cliccare; di nuovo &lt;b&gt;H&lt;/b&gt; fa la mossa</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un suggerimento si paga una volta sola: finché il tabellone non cambia, &lt;b&gt;H&lt;/b&gt; lo mostra di nuovo gratis. &lt;b&gt;Esc&lt;/b&gt; lo nasconde. Il punteggio non scende mai sotto 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Consiglio:&lt;/i&gt; uno scorrimento costa quanto rende una tessera nuova.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Avanti: livelli e gradi</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Livelli e gradi</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ci sono &lt;b&gt;25 livelli&lt;/b&gt;. Quelli più avanzati hanno meno incroci e tessere a T e più ostacoli, e ogni partenza distribuisce un nuovo tabellone a caso.&lt;/p&gt;&lt;p&gt;Al traguardo vedi il tuo punteggio e il suo grado; un nuovo record per il livello viene conservato nell’elenco punteggi, dove un doppio clic fa giocare quel livello. Il &lt;b&gt;grado complessivo&lt;/b&gt; valuta la media dei tuoi migliori punteggi sui 25 livelli.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Avanti: tasti e menu</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Tasti e menu</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Gioco</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Ricomincia questo livello</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Vai al livello</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effetti sonori</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Azzera tutti i punteggi</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Numero di tabellone…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Ricomincia&lt;/b&gt; distribuisce un nuovo tabellone del livello. &lt;b&gt;Azzera tutti i punteggi&lt;/b&gt; chiede prima, poi porta ogni record a 0. &lt;b&gt;Numero di tabellone&lt;/b&gt; indica il tabellone in gioco e la sua soluzione migliore, e fa giocare qualsiasi tabellone dal suo numero.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menu Visualizza</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Tessere per daltonici</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
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
        <translation>&lt;b&gt;Tessere per daltonici&lt;/b&gt; distingue le tessere senza usare il colore; &lt;b&gt;Zoom&lt;/b&gt; ingrandisce ogni finestra.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menu File e Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Tasti sul tabellone</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>Le &lt;b&gt;frecce&lt;/b&gt; muovono una cornice sul tabellone, &lt;b&gt;Home&lt;/b&gt; alla Cosa, &lt;b&gt;Fine&lt;/b&gt; al traguardo. &lt;b&gt;Spazio&lt;/b&gt; fa scorrere come un clic sinistro, &lt;b&gt;Invio&lt;/b&gt; manda come un clic destro.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Buona fortuna, e riporta a casa la Cosa!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 e oltre: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>Da %1 a %2: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Numero di tabellone</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Livello %1, tabellone %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>&amp;Numero di tabellone:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Gioca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Soluzione migliore: %n punto</numerusform>
            <numerusform>Soluzione migliore: %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Digita un numero da 1 a %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Nessun livello ancora giocato. Ogni livello che completi o lasci comparirà qui: i tuoi punteggi livello per livello, a confronto con la soluzione migliore di ogni tabellone.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Livello %1: nessun tabellone completato</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Livello %1: record %2, media %3, soluzione migliore %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Lettura del registro…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Sol. migliore media</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Soluzione migliore</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Tutti i livelli</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Scegli un livello nella tabella per vederne i tabelloni</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Livello %1: ancora nessun tabellone completato</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Livello %1, tabelloni completati in ordine di gioco</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Livello %1, tabelloni in ordine di gioco (%2): punteggi %3; soluzioni migliori %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Cancellare tutto il registro dei livelli giocati? I migliori punteggi restano.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Impossibile cancellare il registro: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completate</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% della soluzione migliore</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Annullamenti</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Livelli giocati</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Azzera statistiche…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>Saltata 1 riga danneggiata del registro</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>Saltata %n riga danneggiata del registro</numerusform>
            <numerusform>Saltate %n righe danneggiate del registro</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Punti del livello:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Grado del livello:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Grado complessivo sui 25 livelli</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Riprova</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Prossimo livello</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Vai al livello</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Esci dal gioco</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Vai a un altro livello</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Sei al livello %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Scegli un livello</translation>
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
        <translation>Vuoi davvero azzerare i punteggi
di tutti i 25 livelli?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>Informazioni su Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 gli sviluppatori di Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Fai scorrere le tessere, posa i binari e riporta a casa la Cosa.
Premi F1 nel gioco per aprire il tutorial.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
