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
        <source>Level %1, the latest %2 boards in order of play: scores %3; best lines %4</source>
        <translation>Nivel %1, los últimos %2 tableros en orden de juego: puntuaciones %3; mejores soluciones %4</translation>
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
