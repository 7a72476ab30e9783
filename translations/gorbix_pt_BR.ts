<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
</TS>
