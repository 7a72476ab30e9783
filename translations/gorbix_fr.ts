<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>EndOfLevel</name>
    <message>
        <source>End of Level %1</source>
        <translation>Fin du niveau %1</translation>
    </message>
    <message>
        <source>You beat your previous score for this level (%1)!</source>
        <translation>Vous avez battu votre record pour ce niveau (%1)&#xa0;!</translation>
    </message>
    <message>
        <source>You did not beat your previous score for this level (%1)</source>
        <translation>Vous n’avez pas battu votre record pour ce niveau (%1)</translation>
    </message>
</context>
<context>
    <name>Rating</name>
    <message>
        <source>Beginner Level 1</source>
        <translation>Débutant niveau 1</translation>
    </message>
    <message>
        <source>Beginner Level 2</source>
        <translation>Débutant niveau 2</translation>
    </message>
    <message>
        <source>Beginner Level 3</source>
        <translation>Débutant niveau 3</translation>
    </message>
    <message>
        <source>Beginner Level 4</source>
        <translation>Débutant niveau 4</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Dans la moyenne</translation>
    </message>
    <message>
        <source>Above Average</source>
        <translation>Au-dessus du lot</translation>
    </message>
    <message>
        <source>Well Above Average</source>
        <translation>Bien au-dessus du lot</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Très bien</translation>
    </message>
    <message>
        <source>Marvelous</source>
        <translation>Merveilleux</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Most Excellent</source>
        <translation>Archi-excellent</translation>
    </message>
    <message>
        <source>Professional</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Seasoned Expert</source>
        <translation>Expert chevronné</translation>
    </message>
    <message>
        <source>Accomplished Expert</source>
        <translation>Expert accompli</translation>
    </message>
    <message>
        <source>Masterful Expert</source>
        <translation>Expert magistral</translation>
    </message>
    <message>
        <source>Near Genius</source>
        <translation>Presque un génie</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>National Treasure</source>
        <translation>Trésor national</translation>
    </message>
    <message>
        <source>World Champion</source>
        <translation>Champion du monde</translation>
    </message>
    <message>
        <source>Stellar Master</source>
        <translation>Maître astral</translation>
    </message>
    <message>
        <source>Stellar Grandmaster</source>
        <translation>Grand maître astral</translation>
    </message>
    <message>
        <source>Galactic Master</source>
        <translation>Maître galactique</translation>
    </message>
    <message>
        <source>Galactic Overlord</source>
        <translation>Seigneur galactique</translation>
    </message>
    <message>
        <source>Universal Overlord!</source>
        <translation>Seigneur du cosmos&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
</context>
</TS>
