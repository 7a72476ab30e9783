<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Columna %1, fila %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>obstáculo</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>cruce</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>ficha en T abierta arriba, abajo y a la derecha</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>ficha en T abierta arriba, abajo y a la izquierda</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>ficha en T abierta arriba, a la izquierda y a la derecha</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>ficha en T abierta abajo, a la izquierda y a la derecha</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>recta arriba-abajo</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>recta izquierda-derecha</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>curva arriba-derecha</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>curva arriba-izquierda</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>curva abajo-derecha</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>curva abajo-izquierda</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>sin ficha</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, ficha sin visitar</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, ficha visitada</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, aquí está la Cosa</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, la salida</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, la meta</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Rango global</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Fin del nivel %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>¡Has superado tu récord anterior en este nivel (%1)!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>No has superado tu récord anterior en este nivel (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Se ha interceptado un error inesperado del programa.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>El programa debe cerrarse.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Envía a la Cosa aquí (clic derecho)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Desliza esta ficha (clic izquierdo)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>H otra vez: hacer esta jugada</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Mejor solución desde aquí: %n punto</numerusform>
            <numerusform>Mejor solución desde aquí: %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>&amp;Reiniciar este nivel</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Ir al nivel</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>Efectos de &amp;sonido</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Reiniciar todas las puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Número de &amp;tablero…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>&amp;Conservar el tablero sin terminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>Fichas aptas para &amp;daltónicos</translation>
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
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>No se puede deslizar el hueco</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>No se puede deslizar: no está en línea con el hueco</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>La Cosa no puede entrar en el hueco</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>La Cosa ya está ahí</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>La Cosa no puede llegar ahí</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>La Cosa se ha detenido en %1. Puntuación %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Puntuación %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Jugada rehecha. Puntuación %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Jugada deshecha. Puntuación %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Principiante nivel 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Principiante nivel 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Principiante nivel 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Principiante nivel 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>En la media</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Sobre la media</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Muy sobre la media</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Muy bien</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Maravilloso</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Excelentísimo</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Profesional</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Experto curtido</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Experto consumado</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Experto magistral</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Casi un genio</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Tesoro nacional</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Campeón del mundo</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Maestro estelar</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Gran maestro estelar</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Maestro galáctico</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Soberano galáctico</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>¡Amo del universo!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Error al actualizar el archivo %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>No guardado: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>la posición de la ventana</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>el nivel jugado (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>las mejores puntuaciones de todos los niveles</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>la mejor puntuación del nivel %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>las mejores puntuaciones de los niveles %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>No guardado: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Tutorial de Gorbix</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>No se puede mostrar esta página: falta el archivo de imagen %1 o no se puede leer.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Página %1 de %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Te damos la bienvenida a Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;El tablero tiene 8 columnas y 6 filas de fichas y una casilla vacía, el &lt;b&gt;hueco&lt;/b&gt;. Cada ficha lleva un tramo de vía.&lt;/p&gt;&lt;p&gt;Tu objetivo: guiar a la &lt;b&gt;Cosa&lt;/b&gt;, el rombo azul, desde su salida en la ficha de arriba a la izquierda hasta la &lt;b&gt;meta&lt;/b&gt;, la casilla de abajo a la derecha. Cuando llega allí, has ganado el nivel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruce</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>Ficha en T</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Ficha bonus</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Obstáculo: sin vía</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>El hueco</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Dos movimientos: un &lt;b&gt;clic izquierdo&lt;/b&gt; desliza fichas, un &lt;b&gt;clic derecho&lt;/b&gt; envía a la Cosa.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Siguiente: deslizar fichas</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Deslizar fichas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>Haz &lt;b&gt;clic izquierdo&lt;/b&gt; en una ficha de la misma fila o columna que el hueco. Esa ficha, y todas las que haya entre ella y el hueco, se deslizan una casilla hacia el hueco. El hueco queda donde hiciste clic.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 puntos</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>por deslizar</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Cada deslizamiento cuesta &lt;b&gt;5 puntos&lt;/b&gt;, muevas las fichas que muevas.&lt;/li&gt;&lt;li&gt;Las columnas funcionan igual: haz clic encima o debajo del hueco.&lt;/li&gt;&lt;li&gt;Si la Cosa está sobre una ficha que se desliza, viaja con ella, incluso hasta la meta.&lt;/li&gt;&lt;li&gt;¿No hay hueco en su fila o columna? Un zumbido, o una cruz sobre la ficha si el sonido está apagado: nada se mueve y no pierdes puntos.&lt;/li&gt;&lt;li&gt;Mientras la Cosa camina, los clics en el tablero se ignoran.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Siguiente: enviar a la Cosa</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Enviar a la Cosa</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>Haz &lt;b&gt;clic derecho&lt;/b&gt; en una ficha para enviar allí a la Cosa. Solo puede andar por la vía: para pasar de una ficha a la siguiente, las dos deben estar abiertas una hacia la otra. Si la vía está unida, la Cosa va hasta allí ficha a ficha.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Antes: clic derecho en el destino</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Después: 5 fichas nuevas, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Una ficha que la Cosa pisa por primera vez pasa de verde a &lt;b&gt;rojo&lt;/b&gt; y da &lt;b&gt;5 puntos&lt;/b&gt;. Las fichas rojas ya no dan nada.&lt;/li&gt;&lt;li&gt;La Cosa nunca entra en el hueco ni en un obstáculo (una ficha sin vía).&lt;/li&gt;&lt;li&gt;¿No hay camino por la vía? Un zumbido o una cruz, y nada cambia.&lt;/li&gt;&lt;li&gt;El juego elige el camino por sí mismo. Desliza primero fichas para unir la vía y luego envía a la Cosa.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Siguiente: puntuación y pistas</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Puntuación, fichas bonus y pistas</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Cada nivel empieza con una puntuación de &lt;b&gt;100&lt;/b&gt;. Después:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Cada deslizamiento: un clic, muevas las fichas que muevas</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Cada ficha que la Cosa pisa por primera vez</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Una ficha bonus, se paga una vez; luego se convierte en una recta roja</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Una pista, tecla &lt;b&gt;H&lt;/b&gt;, marca la ficha donde hacer clic; otra vez &lt;b&gt;H&lt;/b&gt; hace la jugada</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Una pista se paga una sola vez: hasta que cambie el tablero, &lt;b&gt;H&lt;/b&gt; la vuelve a mostrar gratis. &lt;b&gt;Esc&lt;/b&gt; la oculta. La puntuación nunca baja de 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Consejo:&lt;/i&gt; un deslizamiento cuesta lo mismo que da una ficha nueva.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Siguiente: niveles y rangos</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Niveles y rangos</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Hay &lt;b&gt;25 niveles&lt;/b&gt;. Los últimos tienen menos cruces y fichas en T y más obstáculos, y cada inicio reparte un tablero nuevo al azar.&lt;/p&gt;&lt;p&gt;En la meta ves tu puntuación y su rango; cada nuevo récord del nivel se guarda en la lista de puntuaciones, donde un doble clic juega ese nivel. El &lt;b&gt;rango global&lt;/b&gt; valora la media de tus mejores puntuaciones en los 25 niveles.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Siguiente: teclas y menús</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Teclas y menús</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menú Juego</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Reiniciar este nivel</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Ir al nivel</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efectos de sonido</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Reiniciar todas las puntuaciones</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Número de tablero…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt; reparte un tablero nuevo del nivel. &lt;b&gt;Reiniciar todas las puntuaciones&lt;/b&gt; pregunta antes y luego pone cada récord a 0. &lt;b&gt;Número de tablero&lt;/b&gt; indica el tablero que juegas y su mejor solución, y juega cualquier tablero por su número.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menú Ver</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Fichas aptas para daltónicos</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Ctrl+−</source>
        <translation>Ctrl+−</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&lt;b&gt;Colour-Safe Tiles&lt;/b&gt; sets the faces apart without colour; &lt;b&gt;Zoom&lt;/b&gt; makes every window larger.</source>
        <translation>&lt;b&gt;Fichas aptas para daltónicos&lt;/b&gt; distingue las fichas sin usar el color; &lt;b&gt;Zoom&lt;/b&gt; agranda todas las ventanas.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menús Archivo y Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Teclas en el tablero</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>Las &lt;b&gt;flechas&lt;/b&gt; mueven un marco por el tablero, &lt;b&gt;Inicio&lt;/b&gt; a la Cosa, &lt;b&gt;Fin&lt;/b&gt; a la meta. &lt;b&gt;Espacio&lt;/b&gt; desliza como un clic izquierdo, &lt;b&gt;Intro&lt;/b&gt; envía como un clic derecho.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>¡Buena suerte, y lleva a la Cosa a casa!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 o más: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>De %1 a %2: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Número de tablero</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Nivel %1, tablero %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>&amp;Número de tablero:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Mejor solución: %n punto</numerusform>
            <numerusform>Mejor solución: %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Escribe un número del 1 al %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Aún no has jugado ningún nivel. Cada nivel que termines o abandones aparecerá aquí: tus puntuaciones nivel a nivel, frente a la mejor solución de cada tablero.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Nivel %1: ningún tablero terminado</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Nivel %1: récord %2, media %3, mejor solución %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Leyendo el historial…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Mejor solución media</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Mejor solución</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Todos los niveles</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Elige un nivel en la tabla para ver sus tableros</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Nivel %1: aún no has terminado ningún tablero</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Nivel %1, tableros terminados en orden de juego</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Nivel %1, tableros en orden de juego (%2): puntuaciones %3; mejores soluciones %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>¿Borrar todo el historial de niveles jugados? Las mejores puntuaciones se conservan.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>No se puede borrar el historial: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completadas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% de la mejor solución</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Jugadas deshechas</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Niveles jugados</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Restablecer estadísticas…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>Se omitió 1 línea dañada del historial</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>Se omitió %n línea dañada del historial</numerusform>
            <numerusform>Se omitieron %n líneas dañadas del historial</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Puntuación del nivel:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Rango del nivel:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Rango global en los 25 niveles</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Siguiente nivel</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Ir al nivel</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>Salir del &amp;juego</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Ir a otro nivel</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Estás en el nivel %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Elige un nivel</translation>
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
        <translation>¿Seguro que quieres poner a cero las
puntuaciones de los 25 niveles?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>Acerca de Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 los desarrolladores de Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Desliza las fichas, tiende la vía y lleva a la Cosa a casa.
Pulsa F1 en el juego para abrir el tutorial.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
