<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Designer</name>
    <message>
        <source>Opération de fraisage</source>
        <translation>Milling operation</translation>
    </message>
    <message>
        <source>Paramètres d&apos;une opération de fraisage ou de perçage.</source>
        <translation>Parameters of a milling or drilling operation.</translation>
    </message>
    <message>
        <source>Opération de tournage</source>
        <translation>Turning operation</translation>
    </message>
    <message>
        <source>Paramètres d&apos;une opération de tournage.</source>
        <translation>Parameters of a turning operation.</translation>
    </message>
    <message>
        <source>Fraisage en avalant ou en opposition</source>
        <translation>Climb or conventional milling</translation>
    </message>
    <message>
        <source>Choix du mode de fraisage : avalant ou opposition.</source>
        <translation>Choice of the milling mode: climb or conventional.</translation>
    </message>
    <message>
        <source>Sens de rotation</source>
        <translation>Rotation direction</translation>
    </message>
    <message>
        <source>Sens de rotation de la broche ou de l&apos;outil tournant.</source>
        <translation>Rotation direction of the spindle or of the live tool.</translation>
    </message>
    <message>
        <source>Arrosage</source>
        <translation>Coolant</translation>
    </message>
    <message>
        <source>Choix de l&apos;arrosage.</source>
        <translation>Choice of the coolant.</translation>
    </message>
</context>
<context>
    <name>PanelView</name>
    <message>
        <source>dépassement de capacité</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>lu : %1</source>
        <translation>read: %1</translation>
    </message>
    <message>
        <source>vide : lu 0</source>
        <translation>empty: read 0</translation>
    </message>
    <message>
        <source>doit être &gt; %1</source>
        <translation>must be &gt; %1</translation>
    </message>
    <message>
        <source>première ligne seulement</source>
        <translation>first line only</translation>
    </message>
</context>
</TS>
