<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>demo</name>
    <message>
        <source>Le dossier d&apos;images %1 n&apos;existe pas.</source>
        <translation>The picture folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Le dossier d&apos;images %1 ne contient aucune image.</source>
        <translation>The picture folder %1 holds no picture.</translation>
    </message>
    <message>
        <source>Dossier d&apos;images introuvable (cherché : %1) ; donnez-le avec --pictures DOSSIER.</source>
        <translation>Picture folder not found (looked in: %1); give it with --pictures FOLDER.</translation>
    </message>
    <message>
        <source>Le dossier %1 n&apos;a pas les tables de filets user/Filet_E.dat et user/Filet_I.dat.</source>
        <translation>The folder %1 lacks the thread tables user/Filet_E.dat and user/Filet_I.dat.</translation>
    </message>
    <message>
        <source>Tables de filets introuvables (cherché : %1) ; donnez leur dossier avec --data DOSSIER.</source>
        <translation>Thread tables not found (looked in: %1); give their folder with --data FOLDER.</translation>
    </message>
    <message>
        <source>ORU_Ctrl — démonstration</source>
        <translation>ORU_Ctrl — demo</translation>
    </message>
    <message>
        <source>Fraisage</source>
        <translation>Milling</translation>
    </message>
    <message>
        <source>Tournage</source>
        <translation>Turning</translation>
    </message>
    <message>
        <source>Lu par l&apos;hôte</source>
        <translation>Read back by the host</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Les croquis et les tables de filets manquants restent vides.</source>
        <translation>Missing sketches and thread tables stay empty.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Variante A (taraudage, filetage)</source>
        <translation>Variant A (tapping, thread milling)</translation>
    </message>
    <message>
        <source>Variante SP (lamage)</source>
        <translation>Variant SP (counterbore)</translation>
    </message>
    <message>
        <source>Non proposée</source>
        <translation>Not offered</translation>
    </message>
    <message>
        <source>Proposée, inactive</source>
        <translation>Offered, off</translation>
    </message>
    <message>
        <source>Proposée, active</source>
        <translation>Offered, on</translation>
    </message>
    <message>
        <source>Opération de fraisage</source>
        <translation>Milling operation</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Débouchant</source>
        <translation>Through</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Extension au brut</source>
        <translation>Stock extension</translation>
    </message>
    <message>
        <source>Outil</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Balayage</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Profil fermé</source>
        <translation>Closed profile</translation>
    </message>
    <message>
        <source>Opération de tournage</source>
        <translation>Turning operation</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Type de filet</source>
        <translation>Thread type</translation>
    </message>
    <message>
        <source>Filet</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Option (ti 7)</source>
        <translation>Option (ti 7)</translation>
    </message>
    <message>
        <source>Variante (ti 6)</source>
        <translation>Variant (ti 6)</translation>
    </message>
    <message>
        <source>Sélecteurs</source>
        <translation>Selectors</translation>
    </message>
    <message>
        <source>Dernière boîte : %1 — %2</source>
        <translation>Last message box: %1 — %2</translation>
    </message>
    <message>
        <source>erreur : %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>(boîte : %1)</source>
        <translation>(message box: %1)</translation>
    </message>
    <message>
        <source>Déplacement le long d&apos;un profil</source>
        <translation>Move along a profile</translation>
    </message>
    <message>
        <source>Déplacement le long d&apos;un profil, sans accostage</source>
        <translation>Move along a profile, without lead-in</translation>
    </message>
    <message>
        <source>Surfaçage</source>
        <translation>Face milling</translation>
    </message>
    <message>
        <source>Contournage</source>
        <translation>Contouring</translation>
    </message>
    <message>
        <source>Contournage, côté extérieur ou intérieur</source>
        <translation>Contouring, outside or inside</translation>
    </message>
    <message>
        <source>Poche, profondeur donnée par l&apos;hôte</source>
        <translation>Pocket, depth from the host</translation>
    </message>
    <message>
        <source>Poche sans passes d&apos;ébauche</source>
        <translation>Pocket without roughing passes</translation>
    </message>
    <message>
        <source>Poche, profondeur saisie</source>
        <translation>Pocket, depth entered</translation>
    </message>
    <message>
        <source>Poche ouverte</source>
        <translation>Open pocket</translation>
    </message>
    <message>
        <source>Poche le long d&apos;un profil</source>
        <translation>Pocket along a profile</translation>
    </message>
    <message>
        <source>Pointage</source>
        <translation>Spot drilling</translation>
    </message>
    <message>
        <source>Pointage - chanfreinage</source>
        <translation>Spot drilling and chamfering</translation>
    </message>
    <message>
        <source>Perçage</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Perçage - chambrage</source>
        <translation>Drilling with recess</translation>
    </message>
    <message>
        <source>Perçage avec brise-copeaux</source>
        <translation>Drilling with chip breaking</translation>
    </message>
    <message>
        <source>Perçage avec débourrage</source>
        <translation>Peck drilling</translation>
    </message>
    <message>
        <source>Perçage en plongée hélicoïdale + spirale</source>
        <translation>Drilling, helical plunge and spiral</translation>
    </message>
    <message>
        <source>Perçage en vidage de poche circulaire</source>
        <translation>Drilling by circular pocketing</translation>
    </message>
    <message>
        <source>Chanfreinage en plongée</source>
        <translation>Plunge chamfering</translation>
    </message>
    <message>
        <source>Chanfreinage en contournage</source>
        <translation>Chamfering by contouring</translation>
    </message>
    <message>
        <source>Alésage, retour rapide</source>
        <translation>Boring, rapid retract</translation>
    </message>
    <message>
        <source>Alésage, retour travail</source>
        <translation>Boring, feed retract</translation>
    </message>
    <message>
        <source>Alésage, retour indexé</source>
        <translation>Boring, oriented retract</translation>
    </message>
    <message>
        <source>Alésage en interpolation hélicoïdale</source>
        <translation>Boring by helical interpolation</translation>
    </message>
    <message>
        <source>Alésage en contournage</source>
        <translation>Boring by contouring</translation>
    </message>
    <message>
        <source>Lamage en plongée</source>
        <translation>Plunge counterbore</translation>
    </message>
    <message>
        <source>Lamage en plongée avec chambrage</source>
        <translation>Plunge counterbore with recess</translation>
    </message>
    <message>
        <source>Lamage de bossage en plongée</source>
        <translation>Plunge boss counterbore</translation>
    </message>
    <message>
        <source>Lamage de bossage avec chambrage</source>
        <translation>Boss counterbore with recess</translation>
    </message>
    <message>
        <source>Lamage en plongée hélicoïdale + spirale</source>
        <translation>Counterbore, helical plunge and spiral</translation>
    </message>
    <message>
        <source>Lamage en vidage de poche circulaire</source>
        <translation>Counterbore by circular pocketing</translation>
    </message>
    <message>
        <source>Taraudage</source>
        <translation>Tapping</translation>
    </message>
    <message>
        <source>Filetage à la fraise, filet à gauche</source>
        <translation>Thread milling, left-hand thread</translation>
    </message>
    <message>
        <source>Filetage à la fraise, filet à droite</source>
        <translation>Thread milling, right-hand thread</translation>
    </message>
    <message>
        <source>Butée de barre</source>
        <translation>Bar stop</translation>
    </message>
    <message>
        <source>Chariotage</source>
        <translation>Turning</translation>
    </message>
    <message>
        <source>Dressage</source>
        <translation>Facing</translation>
    </message>
    <message>
        <source>Tronçonnage</source>
        <translation>Parting off</translation>
    </message>
    <message>
        <source>Centrage</source>
        <translation>Centre drilling</translation>
    </message>
    <message>
        <source>Ébauche</source>
        <translation>Roughing</translation>
    </message>
    <message>
        <source>Finition</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>Pochage en plongée</source>
        <translation>Plunge turning</translation>
    </message>
    <message>
        <source>Pochage en plongée (variante)</source>
        <translation>Plunge turning (variant)</translation>
    </message>
    <message>
        <source>Gorge</source>
        <translation>Groove</translation>
    </message>
    <message>
        <source>Gorge (D)</source>
        <translation>Groove (D)</translation>
    </message>
    <message>
        <source>Gorge (D, variante)</source>
        <translation>Groove (D, variant)</translation>
    </message>
    <message>
        <source>Gorge par plongées (F)</source>
        <translation>Groove by plunges (F)</translation>
    </message>
    <message>
        <source>Gorge par plongées (F, variante)</source>
        <translation>Groove by plunges (F, variant)</translation>
    </message>
    <message>
        <source>Filetage</source>
        <translation>Threading</translation>
    </message>
    <message>
        <source>Perçage, 2e série</source>
        <translation>Drilling, 2nd series</translation>
    </message>
    <message>
        <source>Perçage - chambrage, 2e série</source>
        <translation>Drilling with recess, 2nd series</translation>
    </message>
    <message>
        <source>Perçage avec brise-copeaux, 2e série</source>
        <translation>Drilling with chip breaking, 2nd series</translation>
    </message>
    <message>
        <source>Perçage avec débourrage, 2e série</source>
        <translation>Peck drilling, 2nd series</translation>
    </message>
    <message>
        <source>Chanfreinage</source>
        <translation>Chamfering</translation>
    </message>
    <message>
        <source>Lamage</source>
        <translation>Counterbore</translation>
    </message>
    <message>
        <source>E - extérieur</source>
        <translation>E - external</translation>
    </message>
    <message>
        <source>I - intérieur</source>
        <translation>I - internal</translation>
    </message>
    <message>
        <source>B - extérieur, côté opposé</source>
        <translation>B - external, opposite side</translation>
    </message>
    <message>
        <source>F - de face</source>
        <translation>F - face</translation>
    </message>
    <message>
        <source>M - ISO métrique</source>
        <translation>M - ISO metric</translation>
    </message>
    <message>
        <source>G - gaz</source>
        <translation>G - pipe</translation>
    </message>
    <message>
        <source>T - trapézoïdal</source>
        <translation>T - trapezoidal</translation>
    </message>
    <message>
        <source>R - rond</source>
        <translation>R - round</translation>
    </message>
    <message>
        <source>10_TECHA1 - charioter ext.</source>
        <translation>10_TECHA1 - external turning</translation>
    </message>
    <message>
        <source>11_TECHA1 - charioter ext. à gauche</source>
        <translation>11_TECHA1 - external turning, left-hand</translation>
    </message>
    <message>
        <source>12_TECOP1 - copier ext.</source>
        <translation>12_TECOP1 - external profiling</translation>
    </message>
    <message>
        <source>13_TECOP1 - copier ext. à gauche</source>
        <translation>13_TECOP1 - external profiling, left-hand</translation>
    </message>
    <message>
        <source>10_TETRP - lame à tronçonner (tronçonnage)</source>
        <translation>10_TETRP - parting blade (parting off)</translation>
    </message>
    <message>
        <source>15_TIALE1 - barre d&apos;alésage</source>
        <translation>15_TIALE1 - boring bar</translation>
    </message>
    <message>
        <source>17_TICOP1 - barre à copier</source>
        <translation>17_TICOP1 - internal profiling bar</translation>
    </message>
    <message>
        <source>20_TEGOR3 - gorge ext.</source>
        <translation>20_TEGOR3 - external groove tool</translation>
    </message>
    <message>
        <source>25_TIGOR3 - gorge int.</source>
        <translation>25_TIGOR3 - internal groove tool</translation>
    </message>
    <message>
        <source>26_TFGOR3 - gorge de face</source>
        <translation>26_TFGOR3 - face groove tool</translation>
    </message>
    <message>
        <source>30_TEFIL1 - fileter ext.</source>
        <translation>30_TEFIL1 - external threading tool</translation>
    </message>
    <message>
        <source>31_TIFIL1 - fileter int.</source>
        <translation>31_TIFIL1 - internal threading tool</translation>
    </message>
    <message>
        <source>40_RFOR10 - foret radial</source>
        <translation>40_RFOR10 - radial drill</translation>
    </message>
    <message>
        <source>41_RPOI10 - foret à pointer radial</source>
        <translation>41_RPOI10 - radial spot drill</translation>
    </message>
    <message>
        <source>41_RCHA12 - fraise à chanfreiner radiale</source>
        <translation>41_RCHA12 - radial chamfer mill</translation>
    </message>
    <message>
        <source>42_RTAR10 - taraud radial</source>
        <translation>42_RTAR10 - radial tap</translation>
    </message>
    <message>
        <source>43_RFRA16 - fraise radiale</source>
        <translation>43_RFRA16 - radial end mill</translation>
    </message>
    <message>
        <source>44_AFOR10 - foret axial</source>
        <translation>44_AFOR10 - axial drill</translation>
    </message>
    <message>
        <source>45_ACEN06 - foret à centrer</source>
        <translation>45_ACEN06 - centre drill</translation>
    </message>
    <message>
        <source>46_APOI10 - foret à pointer</source>
        <translation>46_APOI10 - spot drill</translation>
    </message>
    <message>
        <source>47_ATAR10 - taraud axial</source>
        <translation>47_ATAR10 - axial tap</translation>
    </message>
    <message>
        <source>48_ALAM16 - fraise à lamer</source>
        <translation>48_ALAM16 - counterbore</translation>
    </message>
    <message>
        <source>49_ACHA12 - fraise à chanfreiner</source>
        <translation>49_ACHA12 - chamfer mill</translation>
    </message>
    <message>
        <source>55_BUTE - butée de barre</source>
        <translation>55_BUTE - bar stop</translation>
    </message>
    <message>
        <source>FR10 - fraise 2 tailles</source>
        <translation>FR10 - end mill</translation>
    </message>
    <message>
        <source>FR6 - fraise 2 tailles</source>
        <translation>FR6 - end mill</translation>
    </message>
    <message>
        <source>FT50 - fraise à surfacer</source>
        <translation>FT50 - face mill</translation>
    </message>
    <message>
        <source>FH8 - fraise hémisphérique</source>
        <translation>FH8 - ball end mill</translation>
    </message>
    <message>
        <source>PC10 - foret à pointer</source>
        <translation>PC10 - spot drill</translation>
    </message>
    <message>
        <source>FO8 - foret</source>
        <translation>FO8 - drill</translation>
    </message>
    <message>
        <source>CH10 - fraise à chanfreiner</source>
        <translation>CH10 - chamfer mill</translation>
    </message>
    <message>
        <source>AL10 - alésoir</source>
        <translation>AL10 - reamer</translation>
    </message>
    <message>
        <source>LA14 - fraise à lamer</source>
        <translation>LA14 - counterbore</translation>
    </message>
    <message>
        <source>TA10 - taraud</source>
        <translation>TA10 - tap</translation>
    </message>
    <message>
        <source>FF10 - fraise à fileter</source>
        <translation>FF10 - thread mill</translation>
    </message>
    <message>
        <source>E - radial, à travers l&apos;axe</source>
        <translation>E - radial, across the axis</translation>
    </message>
    <message>
        <source>F - axial, sur l&apos;axe de broche</source>
        <translation>F - axial, on the spindle axis</translation>
    </message>
    <message>
        <source>0 - diamètre et longueur</source>
        <translation>0 - diameter and length</translation>
    </message>
    <message>
        <source>1 - surépaisseurs radiale et axiale</source>
        <translation>1 - radial and axial allowances</translation>
    </message>
    <message>
        <source>2 - surépaisseur radiale et dépassement</source>
        <translation>2 - radial allowance and overrun</translation>
    </message>
    <message>
        <source>0 - avec le diamètre du brut</source>
        <translation>0 - with the stock diameter</translation>
    </message>
    <message>
        <source>1 - sens d&apos;usinage au choix</source>
        <translation>1 - machining direction of choice</translation>
    </message>
    <message>
        <source>3 - sans aller à l&apos;axe</source>
        <translation>3 - short of the axis</translation>
    </message>
    <message>
        <source>4 - jusqu&apos;à l&apos;axe</source>
        <translation>4 - to the axis</translation>
    </message>
    <message>
        <source>2 - sans aller à l&apos;axe</source>
        <translation>2 - short of the axis</translation>
    </message>
    <message>
        <source>3 - jusqu&apos;à l&apos;axe</source>
        <translation>3 - to the axis</translation>
    </message>
    <message>
        <source>0 - sans gorge</source>
        <translation>0 - without groove</translation>
    </message>
    <message>
        <source>1 - avec gorge</source>
        <translation>1 - with groove</translation>
    </message>
    <message>
        <source>0 - cône de dégagement</source>
        <translation>0 - thread run-out</translation>
    </message>
    <message>
        <source>1 - dépassement</source>
        <translation>1 - overrun</translation>
    </message>
    <message>
        <source>0 - débouchant</source>
        <translation>0 - through</translation>
    </message>
    <message>
        <source>1 - borgne</source>
        <translation>1 - blind</translation>
    </message>
    <message>
        <source>0 - borgne, longueur non taraudée</source>
        <translation>0 - blind, untapped length</translation>
    </message>
    <message>
        <source>1 - débouchant</source>
        <translation>1 - through</translation>
    </message>
    <message>
        <source>2 - borgne</source>
        <translation>2 - blind</translation>
    </message>
    <message>
        <source>0 - gorge G0</source>
        <translation>0 - groove G0</translation>
    </message>
    <message>
        <source>1 - gorge G1</source>
        <translation>1 - groove G1</translation>
    </message>
    <message>
        <source>0 - plongée droite</source>
        <translation>0 - straight plunge</translation>
    </message>
    <message>
        <source>1 - au plus près du profil</source>
        <translation>1 - following the profile</translation>
    </message>
    <message>
        <source>1 filet</source>
        <translation>1 start</translation>
    </message>
    <message>
        <source>2 filets</source>
        <translation>2 starts</translation>
    </message>
    <message>
        <source>3 filets</source>
        <translation>3 starts</translation>
    </message>
</context>
</TS>
