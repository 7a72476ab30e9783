<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Column %1, row %2</source>
        <translation>Kolumna %1, wiersz %2</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>dziura</translation>
    </message>
    <message>
        <source>blocker</source>
        <translation>blokada</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>skrzyżowanie</translation>
    </message>
    <message>
        <source>T-piece open up, down and right</source>
        <translation>kafelek T otwarty w górę, w dół i w prawo</translation>
    </message>
    <message>
        <source>T-piece open up, down and left</source>
        <translation>kafelek T otwarty w górę, w dół i w lewo</translation>
    </message>
    <message>
        <source>T-piece open up, left and right</source>
        <translation>kafelek T otwarty w górę, w lewo i w prawo</translation>
    </message>
    <message>
        <source>T-piece open down, left and right</source>
        <translation>kafelek T otwarty w dół, w lewo i w prawo</translation>
    </message>
    <message>
        <source>straight up-down</source>
        <translation>prosta góra-dół</translation>
    </message>
    <message>
        <source>straight left-right</source>
        <translation>prosta lewo-prawo</translation>
    </message>
    <message>
        <source>corner up-right</source>
        <translation>zakręt góra-prawo</translation>
    </message>
    <message>
        <source>corner up-left</source>
        <translation>zakręt góra-lewo</translation>
    </message>
    <message>
        <source>corner down-right</source>
        <translation>zakręt dół-prawo</translation>
    </message>
    <message>
        <source>corner down-left</source>
        <translation>zakręt dół-lewo</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>brak kafelka</translation>
    </message>
    <message>
        <source>%1, fresh</source>
        <translation>%1, kafelek nieodwiedzony</translation>
    </message>
    <message>
        <source>%1, visited</source>
        <translation>%1, kafelek odwiedzony</translation>
    </message>
    <message>
        <source>%1, the Thing is here</source>
        <translation>%1, tu jest Stworek</translation>
    </message>
    <message>
        <source>%1, the start</source>
        <translation>%1, start</translation>
    </message>
    <message>
        <source>%1, the goal</source>
        <translation>%1, meta</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Level</source>
        <extracomment>Caption above the box with the level in play.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Caption above the box with the running score.</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Best Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Overall Rating</source>
        <translation>Ranga ogólna</translation>
    </message>
</context>
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Koniec poziomu %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Twój poprzedni rekord (%1) został pobity!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Twój poprzedni rekord (%1) nie został pobity</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>An unexpected program error has been trapped.</source>
        <translation>Przechwycono nieoczekiwany błąd programu.</translation>
    </message>
    <message>
        <source>The program must be terminated.</source>
        <translation>Program musi zostać zamknięty.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Send the Thing here (right click)</source>
        <translation>Wyślij tu Stworka (kliknij prawym)</translation>
    </message>
    <message>
        <source>Slide this tile (left click)</source>
        <translation>Przesuń ten kafelek (kliknij lewym)</translation>
    </message>
    <message>
        <source>H again: make this move</source>
        <translation>Ponownie H: wykonaj ten ruch</translation>
    </message>
    <message numerus="yes">
        <source>Best line from here: %n points</source>
        <translation>
            <numerusform>Najlepsze rozwiązanie stąd: %n punkt</numerusform>
            <numerusform>Najlepsze rozwiązanie stąd: %n punkty</numerusform>
            <numerusform>Najlepsze rozwiązanie stąd: %n punktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Restart This Level</source>
        <translation>&amp;Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The Game menu item that opens the window to pick any level.</extracomment>
        <translation>&amp;Przejdź do poziomu</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Wyzeruj wszystkie wyniki</translation>
    </message>
    <message>
        <source>&amp;Board Number…</source>
        <translation>&amp;Numer planszy…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statystyki…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>&amp;Keep Unfinished Board</source>
        <translation>Z&amp;achowuj niedokończoną planszę</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Colour-Safe Tiles</source>
        <translation>Kafelki dla &amp;daltonistów</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Powiększenie</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A size in the Zoom menu, %1 the percent (100, 150, ...).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Samouczek</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>column %1, row %2</source>
        <translation>kolumna %1, wiersz %2</translation>
    </message>
    <message>
        <source>Cannot slide the hole</source>
        <translation>Nie można przesunąć dziury</translation>
    </message>
    <message>
        <source>Cannot slide: not in line with the hole</source>
        <translation>Nie można przesunąć: nie w jednej linii z dziurą</translation>
    </message>
    <message>
        <source>The Thing cannot go into the hole</source>
        <translation>Stworek nie może wejść do dziury</translation>
    </message>
    <message>
        <source>The Thing is already there</source>
        <translation>Stworek już tam jest</translation>
    </message>
    <message>
        <source>The Thing cannot get there</source>
        <translation>Stworek nie może tam dojść</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <extracomment>Said when a hint is shown: %1 the hint&apos;s first line, %2 the cell, %3 the other lines.</extracomment>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Wynik %1</translation>
    </message>
    <message>
        <source>The Thing stopped on %1. Score %2</source>
        <translation>Stworek zatrzymał się na polu: %1. Wynik %2</translation>
    </message>
    <message>
        <source>%1. Score %2, %3. %4</source>
        <translation>%1. Wynik %2, %3. %4</translation>
    </message>
    <message>
        <source>Move made again. Score %1</source>
        <translation>Ruch ponowiony. Wynik %1</translation>
    </message>
    <message>
        <source>Move taken back. Score %1</source>
        <translation>Ruch cofnięty. Wynik %1</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Nowicjusz 1. stopnia</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Nowicjusz 2. stopnia</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Nowicjusz 3. stopnia</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Nowicjusz 4. stopnia</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Przeciętny</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Ponad średnią</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Sporo ponad średnią</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Bardzo dobry</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Cudowny</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Doskonały</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Najdoskonalszy</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Zawodowiec</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Doświadczony ekspert</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Wytrawny ekspert</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Mistrzowski ekspert</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Prawie geniusz</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Geniusz</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Skarb narodowy</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Mistrz świata</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Gwiezdny mistrz</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Gwiezdny arcymistrz</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Galaktyczny mistrz</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Galaktyczny władca</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Władca wszechświata!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Error updating file %1</source>
        <translation>Błąd podczas aktualizacji pliku %1</translation>
    </message>
    <message>
        <source>Not stored: [%1] %2=%3</source>
        <translation>Nie zapisano: [%1] %2=%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>położenie okna</translation>
    </message>
    <message>
        <source>the level played (%1)</source>
        <translation>rozgrywany poziom (%1)</translation>
    </message>
    <message>
        <source>the best scores of all levels</source>
        <translation>rekordy wszystkich poziomów</translation>
    </message>
    <message>
        <source>the best score of level %1</source>
        <translation>rekord poziomu %1</translation>
    </message>
    <message>
        <source>the best scores of levels %1</source>
        <translation>rekordy poziomów %1</translation>
    </message>
    <message>
        <source>Not stored: %1.</source>
        <translation>Nie zapisano: %1.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Gorbix Tutorial</source>
        <translation>Samouczek Gorbix</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>This page cannot be shown: the picture file %1 is missing or cannot be read.</source>
        <translation>Nie można wyświetlić tej strony: brak pliku obrazu %1 lub nie da się go odczytać.</translation>
    </message>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Strona %1 z %2: %3</translation>
    </message>
    <message>
        <source>Welcome to Gorbix</source>
        <translation>Witaj w grze Gorbix</translation>
    </message>
    <message>
        <source>&lt;p&gt;The board has 8 columns and 6 rows of tiles and one empty cell, the &lt;b&gt;hole&lt;/b&gt;. Each tile carries a piece of track.&lt;/p&gt;&lt;p&gt;Your goal: guide the &lt;b&gt;Thing&lt;/b&gt;, the blue diamond, from its start on the top-left tile to the &lt;b&gt;goal&lt;/b&gt;, the bottom-right cell. When it gets there, the level is won.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Plansza ma 8 kolumn i 6 wierszy kafelków oraz jedno puste pole – &lt;b&gt;dziurę&lt;/b&gt;. Na każdym kafelku leży kawałek toru.&lt;/p&gt;&lt;p&gt;Twój cel: doprowadź &lt;b&gt;Stworka&lt;/b&gt;, niebieski romb, ze startu na kafelku w lewym górnym rogu do &lt;b&gt;mety&lt;/b&gt;, pola w prawym dolnym rogu. Gdy tam dotrze, poziom jest wygrany.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Skrzyżowanie</translation>
    </message>
    <message>
        <source>T-piece</source>
        <translation>Kafelek T</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Prosta</translation>
    </message>
    <message>
        <source>Corner</source>
        <translation>Zakręt</translation>
    </message>
    <message>
        <source>Bonus tile</source>
        <translation>Kafelek bonusowy</translation>
    </message>
    <message>
        <source>Blocker: no track</source>
        <translation>Blokada: bez toru</translation>
    </message>
    <message>
        <source>The hole</source>
        <translation>Dziura</translation>
    </message>
    <message>
        <source>Two moves: a &lt;b&gt;left click&lt;/b&gt; slides tiles, a &lt;b&gt;right click&lt;/b&gt; sends the Thing.</source>
        <translation>Dwa ruchy: &lt;b&gt;lewy przycisk&lt;/b&gt; przesuwa kafelki, &lt;b&gt;prawy przycisk&lt;/b&gt; wysyła Stworka.</translation>
    </message>
    <message>
        <source>Next: sliding tiles</source>
        <translation>Dalej: przesuwanie kafelków</translation>
    </message>
    <message>
        <source>Sliding tiles</source>
        <translation>Przesuwanie kafelków</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left click&lt;/b&gt; a tile in the same row or column as the hole. That tile, and every tile between it and the hole, slides one cell towards the hole. The hole ends up where you clicked.</source>
        <translation>&lt;b&gt;Kliknij lewym przyciskiem&lt;/b&gt; kafelek w tym samym wierszu lub kolumnie co dziura. Ten kafelek i wszystkie między nim a dziurą przesuwają się o jedno pole w stronę dziury. Dziura ląduje tam, gdzie kliknięto.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>dziura</translation>
    </message>
    <message>
        <source>−5 points</source>
        <translation>−5 punktów</translation>
    </message>
    <message>
        <source>for the slide</source>
        <translation>za przesunięcie</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;Each slide costs &lt;b&gt;5 points&lt;/b&gt;, however many tiles move.&lt;/li&gt;&lt;li&gt;Columns work the same way: click above or below the hole.&lt;/li&gt;&lt;li&gt;If the Thing stands on a sliding tile, it rides along, even onto the goal.&lt;/li&gt;&lt;li&gt;No hole in its row or column? A buzz, or a cross on the tile with the sound off: nothing moves, and nothing is taken from your score.&lt;/li&gt;&lt;li&gt;While the Thing is walking, clicks on the board are ignored.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Każde przesunięcie kosztuje &lt;b&gt;5 punktów&lt;/b&gt;, bez względu na to, ile kafelków się ruszy.&lt;/li&gt;&lt;li&gt;Z kolumnami jest tak samo: kliknij nad dziurą lub pod nią.&lt;/li&gt;&lt;li&gt;Jeśli Stworek stoi na przesuwanym kafelku, jedzie razem z nim, nawet na metę.&lt;/li&gt;&lt;li&gt;Brak dziury w wierszu lub kolumnie kafelka? Brzęczenie, a przy wyłączonym dźwięku krzyżyk na kafelku: nic się nie rusza i nie tracisz punktów.&lt;/li&gt;&lt;li&gt;Gdy Stworek idzie, kliknięcia na planszy są pomijane.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: sending the Thing</source>
        <translation>Dalej: wysyłanie Stworka</translation>
    </message>
    <message>
        <source>Sending the Thing</source>
        <translation>Wysyłanie Stworka</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right click&lt;/b&gt; a tile to send the Thing there. It can only walk along the track: to step from one tile to the next, both must be open towards each other. If the track joins up, the Thing walks there tile by tile.</source>
        <translation>&lt;b&gt;Kliknij prawym przyciskiem&lt;/b&gt; kafelek, aby wysłać tam Stworka. Może on chodzić tylko po torach: aby przejść z jednego kafelka na następny, oba muszą być otwarte ku sobie. Jeśli tor jest połączony, Stworek idzie tam kafelek po kafelku.</translation>
    </message>
    <message>
        <source>Before: right click the target</source>
        <translation>Przed: kliknij prawym cel</translation>
    </message>
    <message>
        <source>After: 5 new tiles, +25</source>
        <translation>Po: 5 nowych kafelków, +25</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;A tile the Thing stands on for the first time turns from green to &lt;b&gt;red&lt;/b&gt; and earns &lt;b&gt;5 points&lt;/b&gt;. Red tiles earn nothing more.&lt;/li&gt;&lt;li&gt;The Thing never enters the hole or a blocker (a tile without track).&lt;/li&gt;&lt;li&gt;No way along the track? A buzz or a cross, and nothing changes.&lt;/li&gt;&lt;li&gt;The game picks the way itself. Slide tiles first to join the track, then send the Thing.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Kafelek, na którym Stworek stanie po raz pierwszy, zmienia kolor z zielonego na &lt;b&gt;czerwony&lt;/b&gt; i daje &lt;b&gt;5 punktów&lt;/b&gt;. Czerwone kafelki nic już nie dają.&lt;/li&gt;&lt;li&gt;Stworek nigdy nie wchodzi do dziury ani na blokadę (kafelek bez toru).&lt;/li&gt;&lt;li&gt;Brak drogi po torach? Brzęczenie albo krzyżyk i nic się nie zmienia.&lt;/li&gt;&lt;li&gt;Drogę gra wybiera sama. Najpierw przesuń kafelki, by połączyć tory, potem wyślij Stworka.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Next: scoring and hints</source>
        <translation>Dalej: punktacja i podpowiedzi</translation>
    </message>
    <message>
        <source>Scoring, bonus tiles and hints</source>
        <translation>Punktacja, kafelki bonusowe i podpowiedzi</translation>
    </message>
    <message>
        <source>Every level starts with a score of &lt;b&gt;100&lt;/b&gt;. Then:</source>
        <translation>Każdy poziom zaczyna się z wynikiem &lt;b&gt;100&lt;/b&gt;. Potem:</translation>
    </message>
    <message>
        <source>Each slide: one click, however many tiles move</source>
        <translation>Każde przesunięcie: jedno kliknięcie, bez względu na liczbę kafelków</translation>
    </message>
    <message>
        <source>Each tile the Thing stands on for the first time</source>
        <translation>Każdy kafelek, na którym Stworek stanie po raz pierwszy</translation>
    </message>
    <message>
        <source>A bonus tile, paid once; it then turns into a red straight</source>
        <translation>Kafelek bonusowy, płatny raz; potem staje się czerwoną prostą</translation>
    </message>
    <message>
        <source>A hint, key &lt;b&gt;H&lt;/b&gt;, marks the tile to click; &lt;b&gt;H&lt;/b&gt; again makes the move</source>
        <translation>Podpowiedź, klawisz &lt;b&gt;H&lt;/b&gt;, zaznacza kafelek do kliknięcia; ponowne &lt;b&gt;H&lt;/b&gt; wykonuje ruch</translation>
    </message>
    <message>
        <source>&lt;p&gt;A hint is paid for once: until the board changes, &lt;b&gt;H&lt;/b&gt; shows it again for nothing. &lt;b&gt;Esc&lt;/b&gt; hides it. The score never drops below 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Tip:&lt;/i&gt; a slide costs as much as a new tile earns.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Za podpowiedź płacisz raz: dopóki plansza się nie zmieni, &lt;b&gt;H&lt;/b&gt; pokazuje ją ponownie za darmo. &lt;b&gt;Esc&lt;/b&gt; ją ukrywa. Wynik nigdy nie spada poniżej 0.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Wskazówka:&lt;/i&gt; przesunięcie kosztuje tyle, ile daje nowy kafelek.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Next: levels and ratings</source>
        <translation>Dalej: poziomy i rangi</translation>
    </message>
    <message>
        <source>Levels and ratings</source>
        <translation>Poziomy i rangi</translation>
    </message>
    <message>
        <source>&lt;p&gt;There are &lt;b&gt;25 levels&lt;/b&gt;. Later ones have fewer crosses and T-pieces and more blockers, and each start deals a new random board.&lt;/p&gt;&lt;p&gt;At the goal you see your score and its rating; a new best for the level is kept in the score list, where a double click plays that level. The &lt;b&gt;overall rating&lt;/b&gt; rates the average of your best scores over all 25 levels.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jest &lt;b&gt;25 poziomów&lt;/b&gt;. Późniejsze mają mniej skrzyżowań i kafelków T, a więcej blokad, a każdy start rozdaje nową, losową planszę.&lt;/p&gt;&lt;p&gt;Na mecie widzisz swój wynik i jego rangę; nowy rekord poziomu trafia na listę wyników, gdzie dwukrotne kliknięcie uruchamia ten poziom. &lt;b&gt;Ranga ogólna&lt;/b&gt; ocenia średnią twoich rekordów ze wszystkich 25 poziomów.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Ranga</translation>
    </message>
    <message>
        <source>Next: keys and menus</source>
        <translation>Dalej: klawisze i menu</translation>
    </message>
    <message>
        <source>Keys and menus</source>
        <translation>Klawisze i menu</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Gra</translation>
    </message>
    <message>
        <source>Restart This Level</source>
        <translation>Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Jump to Level</source>
        <translation>Przejdź do poziomu</translation>
    </message>
    <message>
        <source>Ctrl+J</source>
        <translation>Ctrl+J</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Reset All Scores</source>
        <translation>Wyzeruj wszystkie wyniki</translation>
    </message>
    <message>
        <source>Board Number…</source>
        <translation>Numer planszy…</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restart&lt;/b&gt; deals a new board of the level. &lt;b&gt;Reset All Scores&lt;/b&gt; asks first, then sets every best score to 0. &lt;b&gt;Board Number&lt;/b&gt; names the board you play and its best line, and plays any board by its number.</source>
        <translation>&lt;b&gt;Zacznij od nowa&lt;/b&gt; rozdaje nową planszę poziomu. &lt;b&gt;Wyzeruj wszystkie wyniki&lt;/b&gt; najpierw pyta, potem ustawia każdy rekord na 0. &lt;b&gt;Numer planszy&lt;/b&gt; podaje numer granej planszy i jej najlepsze rozwiązanie oraz uruchamia dowolną planszę po numerze.</translation>
    </message>
    <message>
        <source>View menu</source>
        <translation>Menu Widok</translation>
    </message>
    <message>
        <source>Colour-Safe Tiles</source>
        <translation>Kafelki dla daltonistów</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
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
        <translation>&lt;b&gt;Kafelki dla daltonistów&lt;/b&gt;: kafelki różnią się nie tylko kolorem; &lt;b&gt;Powiększenie&lt;/b&gt; powiększa każde okno.</translation>
    </message>
    <message>
        <source>File and Help menus</source>
        <translation>Menu Plik i Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Samouczek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Klawisze na planszy</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arrows&lt;/b&gt; move a frame over the board, &lt;b&gt;Home&lt;/b&gt; to the Thing, &lt;b&gt;End&lt;/b&gt; to the goal. &lt;b&gt;Space&lt;/b&gt; slides like a left click, &lt;b&gt;Enter&lt;/b&gt; sends like a right click.</source>
        <translation>&lt;b&gt;Strzałki&lt;/b&gt; przesuwają ramkę po planszy, &lt;b&gt;Home&lt;/b&gt; do Stworka, &lt;b&gt;End&lt;/b&gt; do mety. &lt;b&gt;Spacja&lt;/b&gt; przesuwa jak lewy przycisk, &lt;b&gt;Enter&lt;/b&gt; wysyła jak prawy.</translation>
    </message>
    <message>
        <source>Good luck, and bring the Thing home!</source>
        <translation>Powodzenia i doprowadź Stworka do domu!</translation>
    </message>
    <message>
        <source>%1 and more: %2</source>
        <translation>%1 i więcej: %2</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>Od %1 do %2: %3</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardNumberWindow</name>
    <message>
        <source>Board Number</source>
        <translation>Numer planszy</translation>
    </message>
    <message>
        <source>Level %1, board %2</source>
        <translation>Poziom %1, plansza %2</translation>
    </message>
    <message>
        <source>Board &amp;number:</source>
        <translation>&amp;Numer planszy:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>The button that plays the board whose number is typed in.</extracomment>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message numerus="yes">
        <source>Best line: %n points</source>
        <translation>
            <numerusform>Najlepsze rozwiązanie: %n punkt</numerusform>
            <numerusform>Najlepsze rozwiązanie: %n punkty</numerusform>
            <numerusform>Najlepsze rozwiązanie: %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Szukanie…</translation>
    </message>
    <message>
        <source>Type a number from 1 to %1.</source>
        <translation>Wpisz liczbę od 1 do %1.</translation>
    </message>
</context>
<context>
    <name>gorbix::BoardSurface</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsChart</name>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>No levels played yet. Each level you finish or leave will appear here: your scores level by level, against the best line of each board.</source>
        <translation>Nie rozegrano jeszcze żadnego poziomu. Każdy poziom, który ukończysz lub opuścisz, pojawi się tutaj: twoje wyniki poziom po poziomie na tle najlepszego rozwiązania każdej planszy.</translation>
    </message>
    <message>
        <source>Level %1: none finished</source>
        <translation>Poziom %1: brak ukończonych plansz</translation>
    </message>
    <message>
        <source>Level %1: best %2, mean %3, best line %4</source>
        <translation>Poziom %1: rekord %2, średnia %3, najlepsze rozwiązanie %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>nieznane</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Wczytywanie rejestru…</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Mean score</source>
        <translation>Średni wynik</translation>
    </message>
    <message>
        <source>Mean best line</source>
        <translation>Średnie najl. rozwiązanie</translation>
    </message>
    <message>
        <source>Best line</source>
        <translation>Najlepsze rozwiązanie</translation>
    </message>
    <message>
        <source>Every level</source>
        <translation>Wszystkie poziomy</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Choose a level in the table to see its boards</source>
        <translation>Wybierz poziom w tabeli, aby zobaczyć jego plansze</translation>
    </message>
    <message>
        <source>Level %1: no board finished yet</source>
        <translation>Poziom %1: nie ukończono jeszcze żadnej planszy</translation>
    </message>
    <message>
        <source>Level %1, boards finished in order of play</source>
        <translation>Poziom %1, ukończone plansze w kolejności gry</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Level %1, boards in order of play (%2): scores %3; best lines %4</source>
        <translation>Poziom %1, plansze w kolejności gry (%2): wyniki %3; najlepsze rozwiązania %4</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsCommand</name>
    <message>
        <source>Clear every record of levels played? Best scores stay.</source>
        <translation>Wyczyścić cały rejestr rozegranych poziomów? Rekordy zostaną zachowane.</translation>
    </message>
    <message>
        <source>The record cannot be cleared: %1</source>
        <translation>Nie można wyczyścić rejestru: %1</translation>
    </message>
</context>
<context>
    <name>gorbix::StatisticsWindow</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Ukończone</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>% of best line</source>
        <translation>% najlepszego rozwiązania</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Cofnięcia</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Levels played</source>
        <translation>Rozegrane poziomy</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics…</source>
        <translation>&amp;Wyzeruj statystyki…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>1 damaged line of the record skipped</source>
        <translation>Pominięto 1 uszkodzony wiersz rejestru</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines of the record skipped</source>
        <translation>
            <numerusform>Pominięto %n uszkodzony wiersz rejestru</numerusform>
            <numerusform>Pominięto %n uszkodzone wiersze rejestru</numerusform>
            <numerusform>Pominięto %n uszkodzonych wierszy rejestru</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gorbix::frmEOGame</name>
    <message>
        <source>Score for This Level:</source>
        <translation>Wynik poziomu:</translation>
    </message>
    <message>
        <source>Rating for This Level:</source>
        <translation>Ranga poziomu:</translation>
    </message>
    <message>
        <source>Overall Rating for All 25 Levels</source>
        <translation>Ranga ogólna ze wszystkich 25 poziomów</translation>
    </message>
    <message>
        <source>Try &amp;Again</source>
        <translation>Jeszcze &amp;raz</translation>
    </message>
    <message>
        <source>&amp;Next Level</source>
        <translation>&amp;Następny poziom</translation>
    </message>
    <message>
        <source>&amp;Jump to Level</source>
        <extracomment>The button (99 px) that opens the window to pick any level.</extracomment>
        <translation>&amp;Wybierz poziom</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Zakończ grę</translation>
    </message>
</context>
<context>
    <name>gorbix::frmJump</name>
    <message>
        <source>Jump to New Level</source>
        <translation>Przejdź do innego poziomu</translation>
    </message>
    <message>
        <source>You are currently on level %1</source>
        <translation>Jesteś na poziomie %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Pick a Level</source>
        <translation>Wybierz poziom</translation>
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
        <translation>Czy na pewno wyzerować wyniki
wszystkich 25 poziomów?</translation>
    </message>
</context>
<context>
    <name>gorbix::help::frmAbout</name>
    <message>
        <source>About Gorbix!</source>
        <translation>O grze Gorbix!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Gorbix developers</source>
        <translation>Copyright © 2026 twórcy gry Gorbix</translation>
    </message>
    <message>
        <source>Slide the tiles, lay the track and guide the Thing home.
Press F1 in the game to open the tutorial.</source>
        <translation>Przesuwaj kafelki, układaj tory i doprowadź Stworka do domu.
Naciśnij F1 w grze, aby otworzyć samouczek.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
