<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</TS>
