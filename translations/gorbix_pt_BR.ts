<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Coluna %1, linha %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>buraco</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>obstáculo</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bônus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>cruzamento</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>peça em T aberta para cima, para baixo e para a direita</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>peça em T aberta para cima, para baixo e para a esquerda</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>peça em T aberta para cima, para a esquerda e para a direita</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>peça em T aberta para baixo, para a esquerda e para a direita</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>reta cima-baixo</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>reta esquerda-direita</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>curva cima-direita</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>curva cima-esquerda</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>curva baixo-direita</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>curva baixo-esquerda</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>sem peça</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, peça não visitada</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, peça visitada</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, a Coisa está aqui</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, a largada</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, a chegada</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Título geral</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Fim da fase %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Você bateu seu recorde anterior nesta fase (%1)!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Você não bateu seu recorde anterior nesta fase (%1)</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Um erro inesperado do programa foi interceptado.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>O programa precisa ser encerrado.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Mande a Coisa para cá (clique direito)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Deslize esta peça (clique esquerdo)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>H de novo: fazer esta jogada</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Melhor solução daqui: %n ponto</numerusform>
            <numerusform>Melhor solução daqui: %n pontos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>&amp;Reiniciar esta fase</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Ir para a fase</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>Efeitos &amp;sonoros</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Zerar todas as pontuações</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>Número do &amp;tabuleiro…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estatísticas…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;fazer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Refa&amp;zer</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>&amp;Manter o tabuleiro inacabado</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>Peças para &amp;daltônicos</translation>
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
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Não é possível deslizar o buraco</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Não é possível deslizar: não está alinhada com o buraco</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>A Coisa não pode entrar no buraco</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>A Coisa já está aí</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>A Coisa não consegue chegar lá</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pontuação %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>A Coisa parou em %1. Pontuação %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Pontuação %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Jogada refeita. Pontuação %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Jogada desfeita. Pontuação %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Iniciante nível 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Iniciante nível 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Iniciante nível 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Iniciante nível 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Na média</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Acima da média</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Bem acima da média</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Muito bom</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Maravilhoso</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Excelentíssimo</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Profissional</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Craque</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Craque rodado</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Craque consumado</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Craque magistral</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Quase um gênio</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Gênio</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Patrimônio nacional</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Campeão mundial</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Mestre estelar</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Grão-mestre estelar</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Mestre galáctico</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Soberano galáctico</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Senhor do universo!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Erro ao atualizar o arquivo %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Não salvo: [%1] %2=%3</translation>
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
        <translation>a posição da janela</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>a fase jogada (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>os recordes de todas as fases</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>o recorde da fase %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>os recordes das fases %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Não salvo: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Tutorial do Gorbix</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próximo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>Não é possível mostrar esta página: o arquivo de imagem %1 está faltando ou não pode ser lido.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Página %1 de %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Boas-vindas ao Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;O tabuleiro tem 8 colunas e 6 linhas de peças e uma casa vazia, o &lt;b&gt;buraco&lt;/b&gt;. Cada peça traz um trecho de trilho.&lt;/p&gt;&lt;p&gt;Seu objetivo: guiar a &lt;b&gt;Coisa&lt;/b&gt;, o losango azul, da largada na peça do canto superior esquerdo até a &lt;b&gt;chegada&lt;/b&gt;, a casa do canto inferior direito. Quando ela chega lá, você vence a fase.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Largada</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruzamento</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>Peça em T</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Reta</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Peça bônus</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Obstáculo: sem trilho</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>O buraco</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Dois movimentos: um &lt;b&gt;clique esquerdo&lt;/b&gt; desliza peças, um &lt;b&gt;clique direito&lt;/b&gt; manda a Coisa.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Próximo: deslizar peças</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Deslizar peças</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>Dê um &lt;b&gt;clique esquerdo&lt;/b&gt; numa peça da mesma linha ou coluna do buraco. Essa peça, e todas as que estão entre ela e o buraco, deslizam uma casa em direção ao buraco. O buraco fica onde você clicou.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>buraco</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 pontos</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>pelo deslize</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Cada deslize custa &lt;b&gt;5 pontos&lt;/b&gt;, não importa quantas peças se movam.&lt;/li&gt;&lt;li&gt;Colunas funcionam do mesmo jeito: clique acima ou abaixo do buraco.&lt;/li&gt;&lt;li&gt;Se a Coisa estiver numa peça que desliza, ela vai junto, até mesmo para a chegada.&lt;/li&gt;&lt;li&gt;Não há buraco na linha ou coluna da peça? Um zumbido, ou um X na peça com o som desligado: nada se move e nada é descontado da sua pontuação.&lt;/li&gt;&lt;li&gt;Enquanto a Coisa anda, cliques no tabuleiro são ignorados.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Próximo: mandar a Coisa</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Mandar a Coisa</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>Dê um &lt;b&gt;clique direito&lt;/b&gt; numa peça para mandar a Coisa até lá. Ela só anda pelos trilhos: para passar de uma peça à seguinte, as duas precisam estar abertas uma para a outra. Se os trilhos se ligam, a Coisa vai até lá peça por peça.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Antes: clique direito no destino</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Depois: 5 peças novas, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Uma peça em que a Coisa pisa pela primeira vez muda de verde para &lt;b&gt;vermelho&lt;/b&gt; e vale &lt;b&gt;5 pontos&lt;/b&gt;. Peças vermelhas não rendem mais nada.&lt;/li&gt;&lt;li&gt;A Coisa nunca entra no buraco nem num obstáculo (uma peça sem trilho).&lt;/li&gt;&lt;li&gt;Não há caminho pelos trilhos? Um zumbido ou um X, e nada muda.&lt;/li&gt;&lt;li&gt;O próprio jogo escolhe o caminho. Primeiro deslize peças para ligar os trilhos, depois mande a Coisa.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Próximo: pontuação e dicas</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Pontuação, peças bônus e dicas</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Cada fase começa com &lt;b&gt;100&lt;/b&gt; pontos. Depois:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Cada deslize: um clique, não importa quantas peças se movam</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Cada peça em que a Coisa pisa pela primeira vez</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Uma peça bônus, paga uma vez; depois vira uma reta vermelha</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Uma dica, tecla &lt;b&gt;H&lt;/b&gt;, marca a peça a clicar; &lt;b&gt;H&lt;/b&gt; de novo faz a jogada</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Uma dica é paga uma vez só: até o tabuleiro mudar, &lt;b&gt;H&lt;/b&gt; mostra a dica de novo de graça. &lt;b&gt;Esc&lt;/b&gt; esconde a dica. A pontuação nunca fica abaixo de 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Lembre-se:&lt;/i&gt; um deslize custa o mesmo que uma peça nova rende.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Próximo: fases e títulos</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Fases e títulos</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;São &lt;b&gt;25 fases&lt;/b&gt;. As últimas têm menos cruzamentos e peças em T e mais obstáculos, e cada início distribui um novo tabuleiro aleatório.&lt;/p&gt;&lt;p&gt;Na chegada você vê sua pontuação e o título dela; um novo recorde da fase fica guardado na lista de recordes, onde um clique duplo joga essa fase. O &lt;b&gt;título geral&lt;/b&gt; avalia a média dos seus recordes nas 25 fases.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Próximo: teclas e menus</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Teclas e menus</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Jogo</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Reiniciar esta fase</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Ir para a fase</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efeitos sonoros</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Zerar todas as pontuações</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Número do tabuleiro…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Reiniciar&lt;/b&gt; distribui um novo tabuleiro da fase. &lt;b&gt;Zerar todas as pontuações&lt;/b&gt; pergunta antes e depois zera cada recorde. &lt;b&gt;Número do tabuleiro&lt;/b&gt; mostra o tabuleiro que você joga e a melhor solução dele, e joga qualquer tabuleiro pelo número.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menu Exibir</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Peças para daltônicos</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
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
        <translation>&lt;b&gt;Peças para daltônicos&lt;/b&gt; diferencia as peças sem usar cores; &lt;b&gt;Zoom&lt;/b&gt; amplia todas as janelas.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menus Arquivo e Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Teclas no tabuleiro</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>As &lt;b&gt;setas&lt;/b&gt; movem um quadro pelo tabuleiro, &lt;b&gt;Home&lt;/b&gt; até a Coisa, &lt;b&gt;End&lt;/b&gt; até a chegada. &lt;b&gt;Espaço&lt;/b&gt; desliza como um clique esquerdo, &lt;b&gt;Enter&lt;/b&gt; manda como um clique direito.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Boa sorte, e leve a Coisa para casa!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 ou mais: %2</translation>
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
        <translation>Número do tabuleiro</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Fase %1, tabuleiro %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>&amp;Número do tabuleiro:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Melhor solução: %n ponto</numerusform>
            <numerusform>Melhor solução: %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Digite um número de 1 a %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
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
        <translation>Nenhuma fase jogada ainda. Cada fase que você concluir ou deixar aparecerá aqui: suas pontuações fase a fase, comparadas com a melhor solução de cada tabuleiro.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Fase %1: nenhum tabuleiro concluído</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Fase %1: recorde %2, média %3, melhor solução %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Lendo o histórico…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Pontuação média</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Melhor solução média</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Melhor solução</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Todas as fases</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Escolha uma fase na tabela para ver os tabuleiros dela</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Fase %1: nenhum tabuleiro concluído ainda</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Fase %1, tabuleiros concluídos na ordem de jogo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Fase %1, tabuleiros na ordem de jogo (%2): pontuações %3; melhores soluções %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Apagar todo o histórico de fases jogadas? Os recordes são mantidos.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Não foi possível apagar o histórico: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluídas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% da melhor solução</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Jogadas desfeitas</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tempo de jogo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Fases jogadas</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Zerar estatísticas…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>1 linha danificada do histórico ignorada</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>%n linha danificada do histórico ignorada</numerusform>
            <numerusform>%n linhas danificadas do histórico ignoradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Pontuação da fase:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Título da fase:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Título geral nas 25 fases</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>&amp;Tentar de novo</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Próxima fase</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Ir para a fase</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Sair do jogo</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Ir para outra fase</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Você está na fase %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Escolha uma fase</translation>
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
        <translation>Tem certeza de que deseja zerar as
pontuações de todas as 25 fases?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>Sobre o Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 os desenvolvedores do Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Deslize as peças, monte os trilhos e leve a Coisa para casa.
Pressione F1 no jogo para abrir o tutorial.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
