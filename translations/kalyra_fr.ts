<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AutosaveRunner</name>
    <message>
        <source>Kalyra! could not keep a copy of your picture (%1); it will try again. Save Picture still works elsewhere.</source>
        <translation>Kalyra! n’a pas pu garder une copie de ton image (%1) ; il réessaiera. « Enregistrer » fonctionne toujours ailleurs.</translation>
    </message>
</context>
<context>
    <name>AutosaveSlot</name>
    <message>
        <source>A picture Kalyra! kept for you could not be read. It was put aside in %1, under a name that begins with “unreadable”.</source>
        <translation>Une image que Kalyra! gardait pour toi n’a pas pu être lue. Elle a été mise de côté dans %1, sous un nom qui commence par « unreadable ».</translation>
    </message>
    <message>
        <source>every place in its folder is taken</source>
        <translation>toutes les places de son dossier sont prises</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>son dossier a disparu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it is not allowed to write there</source>
        <translation>il n’a pas le droit d’écrire à cet endroit</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n’a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Canvas</source>
        <translation>Toile</translation>
    </message>
    <message>
        <source>The drawing area. A left click puts the pen down or lifts it, a right click shows or hides the control panel, a middle click takes the color under the pointer. F10 or the Menu key shows the control panel with the keyboard on it, or hides it again.</source>
        <translation>La surface de dessin. Un clic gauche pose ou lève le crayon, un clic droit montre ou cache le panneau, un clic du milieu prend la couleur sous le pointeur. F10 ou la touche Menu montre le panneau avec le clavier dessus, ou le cache de nouveau.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A doodling program: every stroke is mirrored about the centre of the screen.
Left click: pen down or up. Right click: show or hide the panel.</source>
        <translation>Un programme de gribouillage : chaque trait est reflété autour du centre de l’écran.
Clic gauche : poser ou lever le crayon. Clic droit : montrer ou cacher le panneau.</translation>
    </message>
    <message>
        <source>Shows these options and ends.</source>
        <translation>Affiche ces options et termine.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (en, de, fr or es) instead of the language of the desktop.</source>
        <translation>Parle LANGUE (en, de, fr ou es) au lieu de la langue du bureau.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUE</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHIER]</translation>
    </message>
    <message>
        <source>Kalyra!: %1
Try &apos;kalyra --help&apos; for the options.</source>
        <translation>Kalyra! : %1
« kalyra --help » affiche les options.</translation>
    </message>
    <message>
        <source>only one picture can be opened.</source>
        <translation>une seule image peut être ouverte.</translation>
    </message>
    <message>
        <source>no screen to show the canvas on.</source>
        <translation>aucun écran pour afficher la toile.</translation>
    </message>
    <message>
        <source>it speaks en, de, fr and es, not “%1”.</source>
        <translation>il parle en, de, fr et es, pas « %1 ».</translation>
    </message>
    <message>
        <source>Brings back the picture an earlier run left unsaved, without asking.</source>
        <translation>Récupère sans demander l’image qu’une exécution précédente a laissée non enregistrée.</translation>
    </message>
    <message>
        <source>A bitmap or PNG picture to open as the background.</source>
        <translation>Une image bitmap ou PNG à ouvrir comme fond.</translation>
    </message>
    <message>
        <source>no display to show the canvas on (is DISPLAY set?).</source>
        <translation>aucun affichage pour montrer la toile (DISPLAY est-il défini ?).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>Kalyra! draws on the whole screen; a right click shows or hides the control panel.</source>
        <translation>Kalyra! dessine sur tout l’écran ; un clic droit montre ou cache le panneau.</translation>
    </message>
</context>
<context>
    <name>PanelWidgets</name>
    <message>
        <source>Draws using 3-Sided Polygons (Triangles)</source>
        <translation>Dessine avec des polygones à 3 côtés (triangles)</translation>
    </message>
    <message>
        <source>Draws using 4-Sided Polygons (Diamonds)</source>
        <translation>Dessine avec des polygones à 4 côtés (losanges)</translation>
    </message>
    <message>
        <source>Draws using 5-Sided Polygons (Pentagons)</source>
        <translation>Dessine avec des polygones à 5 côtés (pentagones)</translation>
    </message>
    <message>
        <source>Draws using 6-Sided Polygons (Hexagons)</source>
        <translation>Dessine avec des polygones à 6 côtés (hexagones)</translation>
    </message>
    <message>
        <source>Draws using 7-Sided Polygons (Heptagons)</source>
        <translation>Dessine avec des polygones à 7 côtés (heptagones)</translation>
    </message>
    <message>
        <source>Draws using 8-Sided Polygons (Octagons)</source>
        <translation>Dessine avec des polygones à 8 côtés (octogones)</translation>
    </message>
    <message>
        <source>Draws using 9-Sided Polygons (Enneagons)</source>
        <translation>Dessine avec des polygones à 9 côtés (ennéagones)</translation>
    </message>
    <message>
        <source>Draws using 10-Sided Polygons (Decagons)</source>
        <translation>Dessine avec des polygones à 10 côtés (décagones)</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>polygons with %1 sides</source>
        <translation>polygones à %1 côtés</translation>
    </message>
    <message>
        <source>Draws with a line.</source>
        <translation>Dessine avec une ligne.</translation>
    </message>
    <message>
        <source>Draws with squares.</source>
        <translation>Dessine avec des carrés.</translation>
    </message>
    <message>
        <source>Draws with Circles.</source>
        <translation>Dessine avec des cercles.</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>carrés</translation>
    </message>
    <message>
        <source>circles</source>
        <translation>cercles</translation>
    </message>
    <message>
        <source>Draws in single (non-mirrored) mode.</source>
        <translation>Dessine en mode simple (sans miroir).</translation>
    </message>
    <message>
        <source>Draws in four way mirrored mode.</source>
        <translation>Dessine en miroir, avec quatre reflets.</translation>
    </message>
    <message>
        <source>Draws in 8 way mirrored mode. </source>
        <translation>Dessine en miroir, avec huit reflets.</translation>
    </message>
    <message>
        <source>no mirror</source>
        <translation>sans miroir</translation>
    </message>
    <message>
        <source>four-way mirror</source>
        <translation>miroir à quatre reflets</translation>
    </message>
    <message>
        <source>eight-way mirror</source>
        <translation>miroir à huit reflets</translation>
    </message>
    <message>
        <source>Click with the left button, chooses a random drawing color.  Click with the Right button, chooses a random background color and clears the screen.</source>
        <translation>Un clic gauche choisit une couleur de dessin au hasard. Un clic droit choisit une couleur de fond au hasard et efface l’écran.</translation>
    </message>
    <message>
        <source>color bar</source>
        <translation>barre de couleurs</translation>
    </message>
    <message>
        <source>Choose thickness of drawing tool.</source>
        <translation>Choisit l’épaisseur du crayon.</translation>
    </message>
    <message>
        <source>pen width %1</source>
        <translation>épaisseur %1</translation>
    </message>
    <message>
        <source>&amp;Drawing Color</source>
        <translation>Couleur &amp;trait</translation>
    </message>
    <message>
        <source>Picks the color the mouse will draw with.</source>
        <translation>Choisit la couleur avec laquelle la souris dessine.</translation>
    </message>
    <message>
        <source>&amp;Canvas Color</source>
        <translation>Couleur &amp;fond</translation>
    </message>
    <message>
        <source>Picks the background color of the Canvas and also clears the screen.</source>
        <translation>Choisit la couleur de fond de la toile et efface aussi l’écran.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Green the Gradient Effect uses.</source>
        <translation>Règle la part de vert du dégradé.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Blue the Gradient Effect uses.</source>
        <translation>Règle la part de bleu du dégradé.</translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saves a picture.</source>
        <translation>Enregistre l’image.</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Remplir</translation>
    </message>
    <message>
        <source>Changes from drawing mode to fill mode, and fills selected color when you mouseclick.</source>
        <translation>Passe du dessin au remplissage ; un clic remplit alors avec la couleur choisie.</translation>
    </message>
    <message>
        <source>&amp;Load Picture</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Loads a previously saved picture into the background.</source>
        <translation>Ouvre une image enregistrée comme fond.</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Dégradé</translation>
    </message>
    <message>
        <source>Changes the drawing color as you draw, giving your pictures a rainbow look!</source>
        <translation>Change la couleur pendant que tu dessines : tes images prennent les couleurs de l’arc-en-ciel !</translation>
    </message>
    <message>
        <source>Adjusts the amount of Red the Gradient Effect uses.</source>
        <translation>Règle la part de rouge du dégradé.</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Cadre</translation>
    </message>
    <message>
        <source>Draws a Frame around the picture so you can make coloring book pages.</source>
        <translation>Dessine un cadre autour de l’image pour faire des pages de coloriage.</translation>
    </message>
    <message>
        <source>Kalyra! Control Panel</source>
        <translation>Panneau Kalyra!</translation>
    </message>
    <message>
        <source>&amp;Exit Kalyra!</source>
        <translation>&amp;Quitter Kalyra!</translation>
    </message>
    <message>
        <source>Exits Kalyra!</source>
        <translation>Quitte Kalyra!</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>The controls of Kalyra!</source>
        <translation>Les commandes de Kalyra!</translation>
    </message>
    <message>
        <source>Click to switch the echo on or off; the title is red while the echo is on.</source>
        <translation>Un clic active ou coupe l’écho ; le titre est rouge tant que l’écho est actif.</translation>
    </message>
    <message>
        <source>Prints the picture.</source>
        <translation>Imprime l’image.</translation>
    </message>
    <message>
        <source>brush size</source>
        <translation>taille du pinceau</translation>
    </message>
    <message>
        <source>Sets the size of squares, circles and polygons.</source>
        <translation>Règle la taille des carrés, cercles et polygones.</translation>
    </message>
    <message>
        <source>red step</source>
        <translation>vitesse du rouge</translation>
    </message>
    <message>
        <source>green step</source>
        <translation>vitesse du vert</translation>
    </message>
    <message>
        <source>blue step</source>
        <translation>vitesse du bleu</translation>
    </message>
    <message>
        <source>echo</source>
        <translation>écho</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Hop</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>A band: your drawing hops along, again and again.</source>
        <translation>Une bande : ton dessin avance en sautant, encore et encore.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>A band of footprints: each copy steps along and flips over, left, right.</source>
        <translation>Une bande d&apos;empreintes : chaque copie avance d&apos;un pas et se retourne, gauche, droite.</translation>
    </message>
    <message>
        <source>Sidle</source>
        <translation>De côté</translation>
    </message>
    <message>
        <source>A band of mirrors standing up: each copy faces the next.</source>
        <translation>Une bande de miroirs debout : chaque copie regarde la suivante.</translation>
    </message>
    <message>
        <source>Spinning hop</source>
        <translation>Saut tournant</translation>
    </message>
    <message>
        <source>A band where every other copy is turned upside down.</source>
        <translation>Une bande où une copie sur deux est à l&apos;envers.</translation>
    </message>
    <message>
        <source>Spinning sidle</source>
        <translation>De côté tournant</translation>
    </message>
    <message>
        <source>A band of standing mirrors, every other copy upside down.</source>
        <translation>Une bande de miroirs debout, une copie sur deux à l&apos;envers.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Bond</translation>
    </message>
    <message>
        <source>A band with a mirror along its middle: copies above and below.</source>
        <translation>Une bande avec un miroir en son milieu : des copies en haut et en bas.</translation>
    </message>
    <message>
        <source>Spinning jump</source>
        <translation>Bond tournant</translation>
    </message>
    <message>
        <source>A band with mirrors along it and across it.</source>
        <translation>Une bande avec des miroirs en long et en travers.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Tampons</translation>
    </message>
    <message>
        <source>Your drawing stamped in rows and columns all over the screen.</source>
        <translation>Ton dessin tamponné en lignes et en colonnes sur tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Somersaults</source>
        <translation>Culbutes</translation>
    </message>
    <message>
        <source>Stamps all over, and each one also turned upside down.</source>
        <translation>Des tampons partout, et chacun aussi à l&apos;envers.</translation>
    </message>
    <message>
        <source>Mirror rows</source>
        <translation>Rangées de miroirs</translation>
    </message>
    <message>
        <source>Columns of standing mirrors: every copy faces its neighbour.</source>
        <translation>Des colonnes de miroirs debout : chaque copie regarde sa voisine.</translation>
    </message>
    <message>
        <source>Footprints</source>
        <translation>Empreintes</translation>
    </message>
    <message>
        <source>Copies walk up and down the screen, flipping like footsteps.</source>
        <translation>Les copies montent et descendent l&apos;écran en se retournant comme des pas.</translation>
    </message>
    <message>
        <source>Herringbone</source>
        <translation>Chevrons</translation>
    </message>
    <message>
        <source>Standing mirrors in rows that sit between each other, like bricks.</source>
        <translation>Des miroirs debout en rangées décalées, comme des briques.</translation>
    </message>
    <message>
        <source>Window panes</source>
        <translation>Carreaux</translation>
    </message>
    <message>
        <source>Mirrors up and across, like looking through window panes.</source>
        <translation>Des miroirs en long et en travers, comme à travers des carreaux.</translation>
    </message>
    <message>
        <source>Tumblers</source>
        <translation>Culbuteurs</translation>
    </message>
    <message>
        <source>Standing mirrors, with copies flipping over between them.</source>
        <translation>Des miroirs debout, avec des copies qui se retournent entre eux.</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parquet</translation>
    </message>
    <message>
        <source>Copies turn and flip like the wooden blocks of a floor.</source>
        <translation>Les copies tournent et se retournent comme les lames d&apos;un parquet.</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Losanges</translation>
    </message>
    <message>
        <source>Mirrors up and across on a grid of diamonds.</source>
        <translation>Des miroirs en long et en travers sur une grille de losanges.</translation>
    </message>
    <message>
        <source>Pinwheels</source>
        <translation>Moulinets</translation>
    </message>
    <message>
        <source>Squares where your drawing turns round four times.</source>
        <translation>Des carrés où ton dessin tourne quatre fois.</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Carrelage</translation>
    </message>
    <message>
        <source>Square tiles with mirrors up, across and corner to corner.</source>
        <translation>Des carreaux carrés avec des miroirs en long, en travers et d&apos;un coin à l&apos;autre.</translation>
    </message>
    <message>
        <source>Woven</source>
        <translation>Tressage</translation>
    </message>
    <message>
        <source>Turning squares with mirrors between them, like a woven mat.</source>
        <translation>Des carrés qui tournent avec des miroirs entre eux, comme une natte tressée.</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Triangles</translation>
    </message>
    <message>
        <source>Your drawing turns round three times, all over the screen.</source>
        <translation>Ton dessin tourne trois fois, sur tout l&apos;écran.</translation>
    </message>
    <message>
        <source>Triangle mirrors</source>
        <translation>Miroirs en triangle</translation>
    </message>
    <message>
        <source>Triangles of mirrors, each corner a turn of three.</source>
        <translation>Des triangles de miroirs, chaque coin un tour de trois.</translation>
    </message>
    <message>
        <source>Triangle turns</source>
        <translation>Tours en triangle</translation>
    </message>
    <message>
        <source>Mirrors in triangles, with turns of three inside them.</source>
        <translation>Des miroirs en triangles, avec des tours de trois à l&apos;intérieur.</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fleurs</translation>
    </message>
    <message>
        <source>Your drawing turns round six times, like flowers in a honeycomb.</source>
        <translation>Ton dessin tourne six fois, comme des fleurs dans un nid d&apos;abeilles.</translation>
    </message>
    <message>
        <source>Snowflakes</source>
        <translation>Flocons</translation>
    </message>
    <message>
        <source>Six turns and mirrors between them, like snowflakes.</source>
        <translation>Six tours et des miroirs entre eux, comme des flocons de neige.</translation>
    </message>
</context>
<context>
    <name>PatternChooser</name>
    <message>
        <source>patterns</source>
        <translation>motifs</translation>
    </message>
    <message>
        <source>Repeats each stroke over the whole screen in one of 24 patterns: bands and wallpapers. Keys [ and ] step through them, P goes back to the mirrors.</source>
        <translation>Répète chaque trait sur tout l&apos;écran selon l&apos;un des 24 motifs : frises et papiers peints. Les touches [ et ] les parcourent, P revient aux miroirs.</translation>
    </message>
    <message>
        <source>band</source>
        <translation>frise</translation>
    </message>
    <message>
        <source>wallpaper</source>
        <translation>papier peint</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2) : %3</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>smaller cells</source>
        <translation>cases plus petites</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells smaller. Key ,.</source>
        <translation>Rend les cases du motif plus petites. Touche ,.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>bigger cells</source>
        <translation>cases plus grandes</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells bigger. Key .</source>
        <translation>Rend les cases du motif plus grandes. Touche .</translation>
    </message>
    <message>
        <source>cell size</source>
        <translation>taille des cases</translation>
    </message>
    <message>
        <source>How wide each cell of the pattern is, in pixels.</source>
        <translation>La largeur de chaque case du motif, en pixels.</translation>
    </message>
    <message>
        <source>↕-</source>
        <translation>↕-</translation>
    </message>
    <message>
        <source>flatter cells</source>
        <translation>cases plus plates</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid flatter. Key ;.</source>
        <translation>Rend plus plates les cases d&apos;une frise ou d&apos;une grille de rectangles ou de losanges. Touche ;.</translation>
    </message>
    <message>
        <source>↕+</source>
        <translation>↕+</translation>
    </message>
    <message>
        <source>taller cells</source>
        <translation>cases plus hautes</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid taller. Key &apos;.</source>
        <translation>Rend plus hautes les cases d&apos;une frise ou d&apos;une grille de rectangles ou de losanges. Touche &apos;.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it is larger than Kalyra! can open</source>
        <translation>avec %1 × %2 pixels, elle est plus grande que ce que Kalyra! peut ouvrir</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the picture is too large for a bitmap file</source>
        <translation>l’image est trop grande pour un fichier bitmap</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>l’image n’a pas pu être encodée en PNG</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Fichiers bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Kalyra! could not read the picture file “%1”: %2.</source>
        <translation>Kalyra! n’a pas pu lire le fichier image « %1 » : %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>Kalyra! could not save the picture to “%1”: %2.</source>
        <translation>Kalyra! n’a pas pu enregistrer l’image dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Kalyra! could not print the picture: %1.</source>
        <translation>Kalyra! n’a pas pu imprimer l’image : %1.</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>l’imprimante n’indique aucune zone imprimable</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>the printer could not be started</source>
        <translation>l’imprimante n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>l’imprimante a signalé une erreur</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>Kalyra! ended last time before your picture was saved. Bring it back?</source>
        <translation>La dernière fois, Kalyra! s’est arrêté avant que ton image soit enregistrée. La récupérer ?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Kalyra! is starting</source>
        <translation>Kalyra! démarre</translation>
    </message>
    <message>
        <source>Kalyra! is starting; the canvas follows in a moment.</source>
        <translation>Kalyra! démarre ; la toile arrive dans un instant.</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>The name of the program.</source>
        <translation>Le nom du programme.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The version of the program.</source>
        <translation>La version du programme.</translation>
    </message>
    <message>
        <source>Right-click the canvas
to show the panel</source>
        <translation>Clic droit sur la toile
pour voir le panneau</translation>
    </message>
    <message>
        <source>How to reach the controls.</source>
        <translation>Comment atteindre les commandes.</translation>
    </message>
</context>
<context>
    <name>SymmetryStrip</name>
    <message>
        <source>symmetry</source>
        <translation>symétrie</translation>
    </message>
    <message>
        <source>How each stroke is repeated round the centre: spin, kaleidoscope, order, rainbow copies, guides and the centre.</source>
        <translation>Comment chaque trait est répété autour du centre : rotation, kaléidoscope, ordre, copies arc-en-ciel, guides et centre.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre, as many times as the order says. Key T.</source>
        <translation>Dessine chaque trait tourné autour du centre, autant de fois que l’indique l’ordre. Touche T.</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaléidoscope</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre and mirrored, twice as many times as the order says. Key K.</source>
        <translation>Dessine chaque trait tourné autour du centre et reflété, deux fois plus souvent que ne l’indique l’ordre. Touche K.</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Fewer copies round the centre. Key -.</source>
        <translation>Moins de copies autour du centre. Touche -.</translation>
    </message>
    <message>
        <source>fewer copies</source>
        <translation>moins de copies</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>More copies round the centre. Key +.</source>
        <translation>Plus de copies autour du centre. Touche +.</translation>
    </message>
    <message>
        <source>more copies</source>
        <translation>plus de copies</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Guides</source>
        <translation>Guides</translation>
    </message>
    <message>
        <source>Shows faint lines through the centre of symmetry; they are never part of the picture. Key G.</source>
        <translation>Montre de fines lignes passant par le centre de symétrie ; elles ne font jamais partie de l’image. Touche G.</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Puts the centre of symmetry back in the middle of the screen (key H). Key C puts it under the pointer.</source>
        <translation>Remet le centre de symétrie au milieu de l’écran (touche H). La touche C le place sous le pointeur.</translation>
    </message>
    <message>
        <source>How many times a spin or kaleidoscope turns each stroke, from 2 to 32.</source>
        <translation>Combien de fois une rotation ou un kaléidoscope tourne chaque trait, de 2 à 32.</translation>
    </message>
    <message>
        <source>Draws and fills each copy in its own color round the color wheel. Key R.</source>
        <translation>Dessine et remplit chaque copie de sa propre couleur autour du cercle chromatique. Touche R.</translation>
    </message>
    <message>
        <source>order %1</source>
        <translation>ordre %1</translation>
    </message>
</context>
</TS>
