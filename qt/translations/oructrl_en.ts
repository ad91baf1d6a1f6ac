<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
    <context>
        <name>Arrosage</name>
        <message>
            <source>Active ou désactive l'arrosage</source>
            <translation>Switches the coolant on or off</translation>
        </message>
        <message>
            <source>Arrosage 1</source>
            <translation>Coolant 1</translation>
        </message>
        <message>
            <source>Arrosage 1 et 2</source>
            <translation>Coolant 1 and 2</translation>
        </message>
        <message>
            <source>Arrosage 2</source>
            <translation>Coolant 2</translation>
        </message>
        <message>
            <source>Arrêt Arrosage</source>
            <translation>Coolant off</translation>
        </message>
        <message>
            <source>Arrêt arrosage</source>
            <translation>Coolant off</translation>
        </message>
    </context>
    <context>
        <name>Avalant</name>
        <message>
            <source>Avalant</source>
            <translation>Climb</translation>
        </message>
        <message>
            <source>Choisit le mode de travail en Avalant ou en Opposition</source>
            <translation>Chooses climb or conventional milling</translation>
        </message>
        <message>
            <source>Opposition</source>
            <translation>Conventional</translation>
        </message>
    </context>
    <context>
        <name>Messages</name>
        <message>
            <source>AVERTISSEMENT ORUCN</source>
            <translation>ORUCN WARNING</translation>
        </message>
        <message>
            <source>Accès refusé au fichier %1</source>
            <translation>Access denied to file %1</translation>
        </message>
        <message>
            <source>Affectation des passes</source>
            <translation>Pass values</translation>
        </message>
        <message>
            <source>Affichage opération TOURNAGE</source>
            <translation>TURNING operation display</translation>
        </message>
        <message>
            <source>Calcul des passes</source>
            <translation>Pass calculation</translation>
        </message>
        <message>
            <source>Changement de valeur</source>
            <translation>Value change</translation>
        </message>
        <message>
            <source>Contrôle '%1' introuvable</source>
            <translation>Control '%1' not found</translation>
        </message>
        <message>
            <source>Division par zéro</source>
            <translation>Division by zero</translation>
        </message>
        <message>
            <source>Dépassement de capacité</source>
            <translation>Overflow</translation>
        </message>
        <message>
            <source>Dépassement de fond incorrect : USINAGE IMPOSSIBLE</source>
            <translation>Incorrect bottom overrun: MACHINING IMPOSSIBLE</translation>
        </message>
        <message>
            <source>ERREUR ORUCN</source>
            <translation>ORUCN ERROR</translation>
        </message>
        <message>
            <source>ERREUR ORUCtrl</source>
            <translation>ORUCtrl ERROR</translation>
        </message>
        <message>
            <source>Erreur d'entrée/sortie de fichier</source>
            <translation>File input/output error</translation>
        </message>
        <message>
            <source>Erreur d'entrée/sortie sur le fichier %1</source>
            <translation>Input/output error on file %1</translation>
        </message>
        <message>
            <source>Erreur inattendue</source>
            <translation>Unexpected error</translation>
        </message>
        <message>
            <source>Extension au brut</source>
            <translation>Extension to the stock</translation>
        </message>
        <message>
            <source>Fichier %1 non trouvé</source>
            <translation>File %1 not found</translation>
        </message>
        <message>
            <source>Fichier introuvable : %1</source>
            <translation>File not found: %1</translation>
        </message>
        <message>
            <source>Fichier trop volumineux</source>
            <translation>File too large</translation>
        </message>
        <message>
            <source>Fichier trop volumineux : %1</source>
            <translation>File too large: %1</translation>
        </message>
        <message>
            <source>Image non valide : %1</source>
            <translation>Invalid picture: %1</translation>
        </message>
        <message>
            <source>Initialisation accostage</source>
            <translation>Lead-in set-up</translation>
        </message>
        <message>
            <source>Initialisation des passes</source>
            <translation>Pass set-up</translation>
        </message>
        <message>
            <source>Initialisation des trous</source>
            <translation>Hole set-up</translation>
        </message>
        <message>
            <source>Initialisation image outil</source>
            <translation>Tool picture set-up</translation>
        </message>
        <message>
            <source>Initialisation opération Tournage</source>
            <translation>Turning operation set-up</translation>
        </message>
        <message>
            <source>L'entrée dépasse la fin du fichier</source>
            <translation>Input past end of file</translation>
        </message>
        <message>
            <source>L'indice n'appartient pas à la sélection</source>
            <translation>Subscript out of range</translation>
        </message>
        <message>
            <source>L'élément '%1' du groupe de contrôles '%2' n'existe pas</source>
            <translation>Element '%1' of control array '%2' does not exist</translation>
        </message>
        <message>
            <source>La bibliothèque des images d'outils n'a pas créé l'objet</source>
            <translation>The tool picture library did not create the object</translation>
        </message>
        <message>
            <source>La bibliothèque des images d'outils n'est pas disponible</source>
            <translation>The tool picture library is not available</translation>
        </message>
        <message>
            <source>La ressource '%1' est introuvable</source>
            <translation>Resource '%1' not found</translation>
        </message>
        <message>
            <source>Le fichier n'est pas un fichier texte</source>
            <translation>The file is not a text file</translation>
        </message>
        <message>
            <source>Lecture du fichier %1</source>
            <translation>Reading file %1</translation>
        </message>
        <message>
            <source>Ligne trop longue dans le fichier</source>
            <translation>Line too long in the file</translation>
        </message>
        <message>
            <source>Mémoire insuffisante</source>
            <translation>Out of memory</translation>
        </message>
        <message>
            <source>Retour accostage</source>
            <translation>Lead-in read-back</translation>
        </message>
        <message>
            <source>Retour angle de balayage</source>
            <translation>Sweep angle read-back</translation>
        </message>
        <message>
            <source>Retour de valeur %1</source>
            <translation>Value read-back %1</translation>
        </message>
        <message>
            <source>Retour dégagement</source>
            <translation>Lead-out read-back</translation>
        </message>
        <message>
            <source>Retour recouvrement</source>
            <translation>Overlap read-back</translation>
        </message>
        <message>
            <source>Retour type accostage</source>
            <translation>Lead-in type read-back</translation>
        </message>
        <message>
            <source>Surépaisseur de fond incorrecte : USINAGE IMPOSSIBLE</source>
            <translation>Incorrect floor allowance: MACHINING IMPOSSIBLE</translation>
        </message>
        <message>
            <source>Sélection accostage</source>
            <translation>Lead-in selection</translation>
        </message>
        <message>
            <source>Sélection d'un filet</source>
            <translation>Thread selection</translation>
        </message>
        <message>
            <source>Sélection d'un trou : erreur=%1</source>
            <translation>Hole selection: error=%1</translation>
        </message>
        <message>
            <source>Sélection de l'option d'usinage</source>
            <translation>Machining option selection</translation>
        </message>
        <message>
            <source>Sélection de la page FILETAGE</source>
            <translation>THREADING page selection</translation>
        </message>
        <message>
            <source>Sélection du pas du filetage</source>
            <translation>Thread pitch selection</translation>
        </message>
        <message>
            <source>Sélection du sens d'usinage</source>
            <translation>Machining direction selection</translation>
        </message>
        <message>
            <source>Sélection du type d'approche</source>
            <translation>Approach type selection</translation>
        </message>
        <message>
            <source>Sélection du type de dégagement</source>
            <translation>Retract type selection</translation>
        </message>
        <message>
            <source>Sélection du type de perçage</source>
            <translation>Drilling cycle selection</translation>
        </message>
        <message>
            <source>Trop de filets dans le fichier</source>
            <translation>Too many threads in the file</translation>
        </message>
        <message>
            <source>Type incompatible</source>
            <translation>Type mismatch</translation>
        </message>
        <message>
            <source>Usinage jusqu'à l'axe</source>
            <translation>Machining to the axis</translation>
        </message>
        <message>
            <source>Valeur de propriété non valide</source>
            <translation>Invalid property value</translation>
        </message>
    </context>
    <context>
        <name>OperFraisage</name>
        <message>
            <source>ALESER</source>
            <translation>BORE</translation>
        </message>
        <message>
            <source>Accostage Arc Tangent</source>
            <translation>Tangent arc lead-in</translation>
        </message>
        <message>
            <source>Accostage Axial</source>
            <translation>Axial lead-in</translation>
        </message>
        <message>
            <source>Accostage Extérieur Axial</source>
            <translation>Outside axial lead-in</translation>
        </message>
        <message>
            <source>Accostage Extérieur Normal</source>
            <translation>Outside perpendicular lead-in</translation>
        </message>
        <message>
            <source>Accostage Extérieur Plan</source>
            <translation>Outside in-plane lead-in</translation>
        </message>
        <message>
            <source>Accostage Extérieur Rampe</source>
            <translation>Outside ramp lead-in</translation>
        </message>
        <message>
            <source>Accostage Extérieur Tangent</source>
            <translation>Outside tangent lead-in</translation>
        </message>
        <message>
            <source>Accostage Hélicoïdal</source>
            <translation>Helical lead-in</translation>
        </message>
        <message>
            <source>Accostage Intérieur Axial</source>
            <translation>Inside axial lead-in</translation>
        </message>
        <message>
            <source>Accostage Intérieur Normal</source>
            <translation>Inside perpendicular lead-in</translation>
        </message>
        <message>
            <source>Accostage Intérieur Plan</source>
            <translation>Inside in-plane lead-in</translation>
        </message>
        <message>
            <source>Accostage Intérieur Rampe</source>
            <translation>Inside ramp lead-in</translation>
        </message>
        <message>
            <source>Accostage Intérieur Tangent</source>
            <translation>Inside tangent lead-in</translation>
        </message>
        <message>
            <source>Accostage Normal</source>
            <translation>Perpendicular lead-in</translation>
        </message>
        <message>
            <source>Accostage Plan</source>
            <translation>In-plane lead-in</translation>
        </message>
        <message>
            <source>Accostage Rampe</source>
            <translation>Ramp lead-in</translation>
        </message>
        <message>
            <source>Accostage Tangent</source>
            <translation>Tangent lead-in</translation>
        </message>
        <message>
            <source>Accostage dans le Prolongement</source>
            <translation>Lead-in along the extension</translation>
        </message>
        <message>
            <source>Aléser avec retour indéxé</source>
            <translation>Bore, oriented retract</translation>
        </message>
        <message>
            <source>Aléser avec retour rapide</source>
            <translation>Bore, rapid retract</translation>
        </message>
        <message>
            <source>Aléser avec retour travail</source>
            <translation>Bore, feed retract</translation>
        </message>
        <message>
            <source>Aléser en contournage</source>
            <translation>Bore by contouring</translation>
        </message>
        <message>
            <source>Aléser en interpolation hélicoïdale</source>
            <translation>Bore by helical interpolation</translation>
        </message>
        <message>
            <source>Angle de balayage / OX</source>
            <translation>Sweep angle from X</translation>
        </message>
        <message>
            <source>Approche XY puis Plongée en Z</source>
            <translation>XY approach, then Z plunge</translation>
        </message>
        <message>
            <source>Approche XYZ simultanément</source>
            <translation>Simultaneous XYZ approach</translation>
        </message>
        <message>
            <source>Approche au centre - Accostage Normal</source>
            <translation>Approach at the centre, perpendicular lead-in</translation>
        </message>
        <message>
            <source>Approche au centre - Accostage Tangent</source>
            <translation>Approach at the centre, tangent lead-in</translation>
        </message>
        <message>
            <source>CHANFREINER</source>
            <translation>CHAMFER</translation>
        </message>
        <message>
            <source>Chanfreiner en contournage</source>
            <translation>Chamfer by contouring</translation>
        </message>
        <message>
            <source>Chanfreiner en plongée</source>
            <translation>Plunge chamfer</translation>
        </message>
        <message>
            <source>Diamètre de chanfrein</source>
            <translation>Chamfer diameter</translation>
        </message>
        <message>
            <source>Diamètre de pointage</source>
            <translation>Spot diameter</translation>
        </message>
        <message>
            <source>Diamètre du taraudage</source>
            <translation>Tapping diameter</translation>
        </message>
        <message>
            <source>Diamètre du trou</source>
            <translation>Hole diameter</translation>
        </message>
        <message>
            <source>Distance d'accostage du profil</source>
            <translation>Lead-in distance to the profile</translation>
        </message>
        <message>
            <source>Distance de dégagement du profil</source>
            <translation>Lead-out distance from the profile</translation>
        </message>
        <message>
            <source>Distance de recouvrement du profil</source>
            <translation>Profile overlap distance</translation>
        </message>
        <message>
            <source>Définit le mode d'accostage et de dégagement du profil</source>
            <translation>Sets the lead-in and lead-out mode of the profile</translation>
        </message>
        <message>
            <source>Dégagement au Z de sécurité en fin d'opération</source>
            <translation>Retract to safety Z at the end of the operation</translation>
        </message>
        <message>
            <source>Dégagement au Z de sécurité,Approche XY puis Plongée en Z</source>
            <translation>Retract to safety Z, XY approach, then Z plunge</translation>
        </message>
        <message>
            <source>Dépassement en fond</source>
            <translation>Bottom overrun</translation>
        </message>
        <message>
            <source>Etendre au brut</source>
            <translation>Extend to the stock</translation>
        </message>
        <message>
            <source>Fileter à la fraise - filet à droite</source>
            <translation>Thread milling, right-hand thread</translation>
        </message>
        <message>
            <source>Fileter à la fraise - filet à gauche</source>
            <translation>Thread milling, left-hand thread</translation>
        </message>
        <message>
            <source>Garde d'approche en Z</source>
            <translation>Z approach clearance</translation>
        </message>
        <message>
            <source>Hauteur du profil</source>
            <translation>Profile height</translation>
        </message>
        <message>
            <source>LAMER</source>
            <translation>COUNTERBORE</translation>
        </message>
        <message>
            <source>Lamer en plongée</source>
            <translation>Plunge counterbore</translation>
        </message>
        <message>
            <source>Lamer en plongée avec Chambrage</source>
            <translation>Plunge counterbore with recess</translation>
        </message>
        <message>
            <source>Lamer en plongée hélicoïdale + spirale</source>
            <translation>Counterbore, helical plunge and spiral</translation>
        </message>
        <message>
            <source>Lamer en vidage de poche circulaire</source>
            <translation>Counterbore by circular pocketing</translation>
        </message>
        <message>
            <source>Longueur du taraudage</source>
            <translation>Tapping length</translation>
        </message>
        <message>
            <source>Nombre et profondeur des passes d'ébauche</source>
            <translation>Number and depth of the roughing passes</translation>
        </message>
        <message>
            <source>PERCAGE</source>
            <translation>DRILLING</translation>
        </message>
        <message>
            <source>PERCER</source>
            <translation>DRILL</translation>
        </message>
        <message>
            <source>POINTER</source>
            <translation>SPOT DRILL</translation>
        </message>
        <message>
            <source>Percer</source>
            <translation>Drill</translation>
        </message>
        <message>
            <source>Percer - Chambrer</source>
            <translation>Drill and recess</translation>
        </message>
        <message>
            <source>Percer avec Brise copeaux</source>
            <translation>Drill with chip breaking</translation>
        </message>
        <message>
            <source>Percer avec Débourrage</source>
            <translation>Peck drill</translation>
        </message>
        <message>
            <source>Percer en plongée hélicoïdale + spirale</source>
            <translation>Drill, helical plunge and spiral</translation>
        </message>
        <message>
            <source>Percer en vidage de poche circulaire</source>
            <translation>Drill by circular pocketing</translation>
        </message>
        <message>
            <source>Plongée en Z puisApproche XY</source>
            <translation>Z plunge, then XY approach</translation>
        </message>
        <message>
            <source>Pointer</source>
            <translation>Spot drill</translation>
        </message>
        <message>
            <source>Pointer-Chanfreiner</source>
            <translation>Spot drill and chamfer</translation>
        </message>
        <message>
            <source>Profondeur de la dernière passe</source>
            <translation>Last pass depth</translation>
        </message>
        <message>
            <source>Profondeur de la poche</source>
            <translation>Pocket depth</translation>
        </message>
        <message>
            <source>Profondeur du trou</source>
            <translation>Hole depth</translation>
        </message>
        <message>
            <source>Profondeur maxi des passes</source>
            <translation>Maximum pass depth</translation>
        </message>
        <message>
            <source>Sens de Surfaçage Unique / ZigZag</source>
            <translation>Face milling direction: one way / zigzag</translation>
        </message>
        <message>
            <source>Surépaisseur en fond</source>
            <translation>Floor allowance</translation>
        </message>
        <message>
            <source>Surépaisseur en latérale</source>
            <translation>Wall allowance</translation>
        </message>
        <message>
            <source>Surépaisseur totale à enlever</source>
            <translation>Total allowance to remove</translation>
        </message>
        <message>
            <source>TARAUDER</source>
            <translation>TAP</translation>
        </message>
        <message>
            <source>Tarauder</source>
            <translation>Tap</translation>
        </message>
        <message>
            <source>Z de sécurité</source>
            <translation>Safety Z</translation>
        </message>
    </context>
    <context>
        <name>OperTournage</name>
        <message>
            <source>%1	pas=%2	%3</source>
            <translation>%1	pitch=%2	%3</translation>
        </message>
        <message>
            <source>%1 passes=%2</source>
            <translation>%1 passes=%2</translation>
        </message>
        <message>
            <source>0 passe</source>
            <translation>0 passes</translation>
        </message>
        <message>
            <source>1 passe=%1</source>
            <translation>1 pass=%1</translation>
        </message>
        <message>
            <source>1° passe=%1 + %2 passes=%3</source>
            <translation>1st pass=%1 + %2 passes=%3</translation>
        </message>
        <message>
            <source>1° passe=%1 + 1 passe=%2</source>
            <translation>1st pass=%1 + 1 pass=%2</translation>
        </message>
        <message>
            <source>&lt;&lt; Généralités Opération</source>
            <translation>&lt;&lt; Operation overview</translation>
        </message>
        <message>
            <source>Angle de Pénétration</source>
            <translation>Infeed angle</translation>
        </message>
        <message>
            <source>Angle de pénétration maxi de l'outil</source>
            <translation>Maximum infeed angle of the tool</translation>
        </message>
        <message>
            <source>Approche rapide X puis Z</source>
            <translation>Rapid approach, X then Z</translation>
        </message>
        <message>
            <source>Approche rapide XZ</source>
            <translation>Rapid approach, X and Z together</translation>
        </message>
        <message>
            <source>Approche rapide Z puis X</source>
            <translation>Rapid approach, Z then X</translation>
        </message>
        <message>
            <source>Dernière Passe</source>
            <translation>Last pass</translation>
        </message>
        <message>
            <source>Diamètre Centrage mini-maxi</source>
            <translation>Centre drill diameter, min-max</translation>
        </message>
        <message>
            <source>Diamètre de Centrage</source>
            <translation>Centre drill diameter</translation>
        </message>
        <message>
            <source>Diamètre de Pointage</source>
            <translation>Spot diameter</translation>
        </message>
        <message>
            <source>Diamètre du Brut</source>
            <translation>Stock diameter</translation>
        </message>
        <message>
            <source>Diamètre du Chanfrein</source>
            <translation>Chamfer diameter</translation>
        </message>
        <message>
            <source>Diamètre du Filetage</source>
            <translation>Thread diameter</translation>
        </message>
        <message>
            <source>Diamètre du Lamage</source>
            <translation>Counterbore diameter</translation>
        </message>
        <message>
            <source>Diamètre du Trou</source>
            <translation>Hole diameter</translation>
        </message>
        <message>
            <source>Diamètre du brut</source>
            <translation>Stock diameter</translation>
        </message>
        <message>
            <source>Diamètre du trou</source>
            <translation>Hole diameter</translation>
        </message>
        <message>
            <source>Diamètre à Charioter</source>
            <translation>Turning diameter</translation>
        </message>
        <message>
            <source>Distance Axiale au brut</source>
            <translation>Axial distance to the stock</translation>
        </message>
        <message>
            <source>Distance Radiale au brut</source>
            <translation>Radial distance to the stock</translation>
        </message>
        <message>
            <source>Dégagement Axial de Sécurité</source>
            <translation>Axial safety retract</translation>
        </message>
        <message>
            <source>Dégagement Radial de Sécurité</source>
            <translation>Radial safety retract</translation>
        </message>
        <message>
            <source>Dégagement rapide X sécurité, Approche Z puis X</source>
            <translation>Rapid retract to safety X, approach Z then X</translation>
        </message>
        <message>
            <source>Dégagement rapide en fin d'opération</source>
            <translation>Rapid retract at the end of the operation</translation>
        </message>
        <message>
            <source>Dépassement</source>
            <translation>Overrun</translation>
        </message>
        <message>
            <source>Détails Filetage &gt;&gt;</source>
            <translation>Threading details &gt;&gt;</translation>
        </message>
        <message>
            <source>Epaisseur Totale</source>
            <translation>Total thickness</translation>
        </message>
        <message>
            <source>FILET GAZ</source>
            <translation>PIPE THREAD</translation>
        </message>
        <message>
            <source>FILET ISO Métrique</source>
            <translation>ISO METRIC THREAD</translation>
        </message>
        <message>
            <source>FILET ROND</source>
            <translation>ROUND THREAD</translation>
        </message>
        <message>
            <source>FILET TRAPEZOIDAL</source>
            <translation>TRAPEZOIDAL THREAD</translation>
        </message>
        <message>
            <source>FILETAGE ISO Métrique</source>
            <translation>ISO METRIC THREADING</translation>
        </message>
        <message>
            <source>Filet GAZ</source>
            <translation>Pipe thread</translation>
        </message>
        <message>
            <source>Filet ISO Métrique</source>
            <translation>ISO metric thread</translation>
        </message>
        <message>
            <source>Filet Rond</source>
            <translation>Round thread</translation>
        </message>
        <message>
            <source>Filet Trapézoïdal</source>
            <translation>Trapezoidal thread</translation>
        </message>
        <message>
            <source>Filet à DROITE</source>
            <translation>Right-hand thread</translation>
        </message>
        <message>
            <source>Filet à GAUCHE</source>
            <translation>Left-hand thread</translation>
        </message>
        <message>
            <source>Garde Axiale</source>
            <translation>Axial clearance</translation>
        </message>
        <message>
            <source>Garde Radiale</source>
            <translation>Radial clearance</translation>
        </message>
        <message>
            <source>Garde d'Accostage</source>
            <translation>Lead-in clearance</translation>
        </message>
        <message>
            <source>Garde de Dégagement</source>
            <translation>Lead-out clearance</translation>
        </message>
        <message>
            <source>Longueur Totale de la Pièce</source>
            <translation>Total part length</translation>
        </message>
        <message>
            <source>Longueur Totale du Cylindre</source>
            <translation>Total cylinder length</translation>
        </message>
        <message>
            <source>Longueur Totale à usiner</source>
            <translation>Total length to machine</translation>
        </message>
        <message>
            <source>Longueur du Cône de Dégagement</source>
            <translation>Thread run-out length</translation>
        </message>
        <message>
            <source>Longueur du Filetage</source>
            <translation>Thread length</translation>
        </message>
        <message>
            <source>Longueur du Perçage</source>
            <translation>Drilling length</translation>
        </message>
        <message>
            <source>Longueur du Taraudage</source>
            <translation>Tapping length</translation>
        </message>
        <message>
            <source>Longueur non Taraudée</source>
            <translation>Untapped length</translation>
        </message>
        <message>
            <source>Longueur à Charioter</source>
            <translation>Turning length</translation>
        </message>
        <message>
            <source>Nombre de Filets</source>
            <translation>Number of starts</translation>
        </message>
        <message>
            <source>Nombre de Passes</source>
            <translation>Number of passes</translation>
        </message>
        <message>
            <source>Pas du Filetage</source>
            <translation>Thread pitch</translation>
        </message>
        <message>
            <source>Pas du Taraudage</source>
            <translation>Tapping pitch</translation>
        </message>
        <message>
            <source>Perçage</source>
            <translation>Drilling</translation>
        </message>
        <message>
            <source>Perçage Borgne/Débouchant</source>
            <translation>Blind / through drilling</translation>
        </message>
        <message>
            <source>Perçage Brise-Copeaux</source>
            <translation>Chip-breaking drilling</translation>
        </message>
        <message>
            <source>Perçage Chambrage</source>
            <translation>Drilling with recess</translation>
        </message>
        <message>
            <source>Perçage Débourrage</source>
            <translation>Peck drilling</translation>
        </message>
        <message>
            <source>Profondeur de  la Dernière Passe</source>
            <translation>Last pass depth</translation>
        </message>
        <message>
            <source>Profondeur de Passe</source>
            <translation>Pass depth</translation>
        </message>
        <message>
            <source>Profondeur de Passe dans la gorge</source>
            <translation>Pass depth in the groove</translation>
        </message>
        <message>
            <source>Profondeur de la Dernière Passe</source>
            <translation>Last pass depth</translation>
        </message>
        <message>
            <source>Profondeur du Filet</source>
            <translation>Thread depth</translation>
        </message>
        <message>
            <source>Profondeur du Lamage</source>
            <translation>Counterbore depth</translation>
        </message>
        <message>
            <source>Profondeur du Trou</source>
            <translation>Hole depth</translation>
        </message>
        <message>
            <source>Pénétration suivant une droite ou au plus près du profil</source>
            <translation>Infeed along a straight line or following the profile</translation>
        </message>
        <message>
            <source>Rayon d'approche</source>
        <translation>Approach radius</translation>
        </message>
        <message>
            <source>Sens d'usinage</source>
            <translation>Machining direction</translation>
        </message>
        <message>
            <source>Sens de Pénétration</source>
            <translation>Infeed direction</translation>
        </message>
        <message>
            <source>Sens filet</source>
            <translation>Thread hand</translation>
        </message>
        <message>
            <source>Surépaisseur Axiale</source>
            <translation>Axial allowance</translation>
        </message>
        <message>
            <source>Surépaisseur Radiale</source>
            <translation>Radial allowance</translation>
        </message>
        <message>
            <source>Surépaisseur sur la droite de pénétration</source>
            <translation>Allowance on the infeed line</translation>
        </message>
        <message>
            <source>Taraudage Borgne/Débouchant</source>
            <translation>Blind / through tapping</translation>
        </message>
        <message>
            <source>Usinage Avec ou Sans Gorge</source>
            <translation>Machining with or without a groove</translation>
        </message>
        <message>
            <source>erreur</source>
            <translation>error</translation>
        </message>
    </context>
    <context>
        <name>SensRot</name>
        <message>
            <source>Arrêt</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>Fixe</source>
            <translation>Stationary</translation>
        </message>
        <message>
            <source>Horaire</source>
            <translation>Clockwise</translation>
        </message>
        <message>
            <source>Sens de Rotation de l'outil</source>
            <translation>Tool rotation direction</translation>
        </message>
        <message>
            <source>Sens de Rotation de la broche</source>
            <translation>Spindle rotation direction</translation>
        </message>
        <message>
            <source>Trigo</source>
            <translation>CCW</translation>
        </message>
    </context>
</TS>
