<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
</TS>
