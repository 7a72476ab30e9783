<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</TS>
