<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
</TS>
