<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
</TS>
