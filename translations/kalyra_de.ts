<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AutosaveRunner</name>
    <message>
        <source>Kalyra! could not keep a copy of your picture (%1); it will try again. Save Picture still works elsewhere.</source>
        <translation>Kalyra! konnte keine Sicherungskopie deines Bildes anlegen (%1); es versucht es später noch einmal. Bild speichern funktioniert weiterhin an einem anderen Ort.</translation>
    </message>
</context>
<context>
    <name>AutosaveSlot</name>
    <message>
        <source>A picture Kalyra! kept for you could not be read. It was put aside in %1, under a name that begins with “unreadable”.</source>
        <translation>Ein Bild, das Kalyra! für dich aufbewahrt hat, konnte nicht gelesen werden. Es wurde in %1 beiseitegelegt, unter einem Namen, der mit „unreadable“ beginnt.</translation>
    </message>
    <message>
        <source>every place in its folder is taken</source>
        <translation>jeder Platz in seinem Ordner ist belegt</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>sein Ordner ist verschwunden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it is not allowed to write there</source>
        <translation>es darf dort nicht schreiben</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Canvas</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>The drawing area. A left click puts the pen down or lifts it, a right click shows or hides the control panel, a middle click takes the color under the pointer. F10 or the Menu key shows the control panel with the keyboard on it, or hides it again.</source>
        <translation>Das Papier zum Malen. Ein Linksklick setzt den Stift auf oder hebt ihn ab, ein Rechtsklick zeigt oder verbirgt die Steuerung, ein Mittelklick nimmt die Farbe unter dem Zeiger. F10 oder die Menütaste zeigt die Steuerung mit der Tastatur darauf oder verbirgt sie wieder.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A doodling program: every stroke is mirrored about the centre of the screen.
Left click: pen down or up. Right click: show or hide the panel.</source>
        <translation>Ein Malprogramm: Jeder Strich wird um die Mitte des Bildschirms gespiegelt.
Linksklick: Stift auf oder ab. Rechtsklick: Steuerung zeigen oder verbergen.</translation>
    </message>
    <message>
        <source>Shows these options and ends.</source>
        <translation>Zeigt diese Optionen und endet.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (en, de, fr or es) instead of the language of the desktop.</source>
        <translation>Spricht SPRACHE (en, de, fr oder es) statt der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>Kalyra!: %1
Try &apos;kalyra --help&apos; for the options.</source>
        <translation>Kalyra!: %1
»kalyra --help« zeigt die Optionen.</translation>
    </message>
    <message>
        <source>only one picture can be opened.</source>
        <translation>es kann nur ein Bild geöffnet werden.</translation>
    </message>
    <message>
        <source>no screen to show the canvas on.</source>
        <translation>kein Bildschirm für das Papier.</translation>
    </message>
    <message>
        <source>it speaks en, de, fr and es, not “%1”.</source>
        <translation>es spricht en, de, fr und es, nicht „%1“.</translation>
    </message>
    <message>
        <source>Brings back the picture an earlier run left unsaved, without asking.</source>
        <translation>Holt ohne Rückfrage das Bild zurück, das ein früherer Lauf ungespeichert hinterlassen hat.</translation>
    </message>
    <message>
        <source>A bitmap or PNG picture to open as the background.</source>
        <translation>Ein Bitmap- oder PNG-Bild, das als Hintergrund geöffnet wird.</translation>
    </message>
    <message>
        <source>no display to show the canvas on (is DISPLAY set?).</source>
        <translation>keine Anzeige für das Papier (ist DISPLAY gesetzt?).</translation>
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
        <translation>Kalyra! malt auf dem ganzen Bildschirm; ein Rechtsklick zeigt oder verbirgt die Steuerung.</translation>
    </message>
</context>
<context>
    <name>PanelWidgets</name>
    <message>
        <source>Draws using 3-Sided Polygons (Triangles)</source>
        <translation>Zeichnet mit dreiseitigen Vielecken (Dreiecken)</translation>
    </message>
    <message>
        <source>Draws using 4-Sided Polygons (Diamonds)</source>
        <translation>Zeichnet mit vierseitigen Vielecken (Rauten)</translation>
    </message>
    <message>
        <source>Draws using 5-Sided Polygons (Pentagons)</source>
        <translation>Zeichnet mit fünfseitigen Vielecken (Fünfecken)</translation>
    </message>
    <message>
        <source>Draws using 6-Sided Polygons (Hexagons)</source>
        <translation>Zeichnet mit sechsseitigen Vielecken (Sechsecken)</translation>
    </message>
    <message>
        <source>Draws using 7-Sided Polygons (Heptagons)</source>
        <translation>Zeichnet mit siebenseitigen Vielecken (Siebenecken)</translation>
    </message>
    <message>
        <source>Draws using 8-Sided Polygons (Octagons)</source>
        <translation>Zeichnet mit achtseitigen Vielecken (Achtecken)</translation>
    </message>
    <message>
        <source>Draws using 9-Sided Polygons (Enneagons)</source>
        <translation>Zeichnet mit neunseitigen Vielecken (Neunecken)</translation>
    </message>
    <message>
        <source>Draws using 10-Sided Polygons (Decagons)</source>
        <translation>Zeichnet mit zehnseitigen Vielecken (Zehnecken)</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>polygons with %1 sides</source>
        <translation>Vielecke mit %1 Seiten</translation>
    </message>
    <message>
        <source>Draws with a line.</source>
        <translation>Zeichnet mit einer Linie.</translation>
    </message>
    <message>
        <source>Draws with squares.</source>
        <translation>Zeichnet mit Quadraten.</translation>
    </message>
    <message>
        <source>Draws with Circles.</source>
        <translation>Zeichnet mit Kreisen.</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Draws in single (non-mirrored) mode.</source>
        <translation>Zeichnet einfach (ohne Spiegelung).</translation>
    </message>
    <message>
        <source>Draws in four way mirrored mode.</source>
        <translation>Zeichnet vierfach gespiegelt.</translation>
    </message>
    <message>
        <source>Draws in 8 way mirrored mode. </source>
        <translation>Zeichnet achtfach gespiegelt.</translation>
    </message>
    <message>
        <source>no mirror</source>
        <translation>keine Spiegelung</translation>
    </message>
    <message>
        <source>four-way mirror</source>
        <translation>vierfache Spiegelung</translation>
    </message>
    <message>
        <source>eight-way mirror</source>
        <translation>achtfache Spiegelung</translation>
    </message>
    <message>
        <source>Click with the left button, chooses a random drawing color.  Click with the Right button, chooses a random background color and clears the screen.</source>
        <translation>Ein Klick mit der linken Taste wählt eine zufällige Zeichenfarbe. Ein Klick mit der rechten Taste wählt eine zufällige Hintergrundfarbe und leert den Bildschirm.</translation>
    </message>
    <message>
        <source>color bar</source>
        <translation>Farbleiste</translation>
    </message>
    <message>
        <source>Choose thickness of drawing tool.</source>
        <translation>Wählt die Stiftbreite.</translation>
    </message>
    <message>
        <source>pen width %1</source>
        <translation>Stiftbreite %1</translation>
    </message>
    <message>
        <source>&amp;Drawing Color</source>
        <translation>&amp;Zeichenfarbe</translation>
    </message>
    <message>
        <source>Picks the color the mouse will draw with.</source>
        <translation>Wählt die Farbe, mit der die Maus zeichnet.</translation>
    </message>
    <message>
        <source>&amp;Canvas Color</source>
        <translation>&amp;Papierfarbe</translation>
    </message>
    <message>
        <source>Picks the background color of the Canvas and also clears the screen.</source>
        <translation>Wählt die Farbe des Papiers und leert dabei den Bildschirm.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Green the Gradient Effect uses.</source>
        <translation>Stellt ein, wie stark sich Grün im Farbverlauf ändert.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Blue the Gradient Effect uses.</source>
        <translation>Stellt ein, wie stark sich Blau im Farbverlauf ändert.</translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation>Bild &amp;speichern</translation>
    </message>
    <message>
        <source>Saves a picture.</source>
        <translation>Speichert ein Bild.</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>Changes from drawing mode to fill mode, and fills selected color when you mouseclick.</source>
        <translation>Wechselt vom Zeichnen zum Füllen; ein Mausklick füllt dann mit der gewählten Farbe.</translation>
    </message>
    <message>
        <source>&amp;Load Picture</source>
        <translation>Bild &amp;laden</translation>
    </message>
    <message>
        <source>Loads a previously saved picture into the background.</source>
        <translation>Lädt ein gespeichertes Bild als Hintergrund.</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>Farb&amp;verlauf</translation>
    </message>
    <message>
        <source>Changes the drawing color as you draw, giving your pictures a rainbow look!</source>
        <translation>Ändert die Zeichenfarbe beim Zeichnen, so bekommen deine Bilder Regenbogenfarben!</translation>
    </message>
    <message>
        <source>Adjusts the amount of Red the Gradient Effect uses.</source>
        <translation>Stellt ein, wie stark sich Rot im Farbverlauf ändert.</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>Draws a Frame around the picture so you can make coloring book pages.</source>
        <translation>Zeichnet einen Rahmen um das Bild, für Malbuchseiten.</translation>
    </message>
    <message>
        <source>Kalyra! Control Panel</source>
        <translation>Kalyra!-Steuerung</translation>
    </message>
    <message>
        <source>&amp;Exit Kalyra!</source>
        <translation>Kalyra! &amp;beenden</translation>
    </message>
    <message>
        <source>Exits Kalyra!</source>
        <translation>Beendet Kalyra!</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>The controls of Kalyra!</source>
        <translation>Die Bedienelemente von Kalyra!</translation>
    </message>
    <message>
        <source>Click to switch the echo on or off; the title is red while the echo is on.</source>
        <translation>Ein Klick schaltet das Echo ein oder aus; der Titel ist rot, solange das Echo an ist.</translation>
    </message>
    <message>
        <source>Prints the picture.</source>
        <translation>Druckt das Bild.</translation>
    </message>
    <message>
        <source>brush size</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>Sets the size of squares, circles and polygons.</source>
        <translation>Stellt die Größe von Quadraten, Kreisen und Vielecken ein.</translation>
    </message>
    <message>
        <source>red step</source>
        <translation>Rot-Schritt</translation>
    </message>
    <message>
        <source>green step</source>
        <translation>Grün-Schritt</translation>
    </message>
    <message>
        <source>blue step</source>
        <translation>Blau-Schritt</translation>
    </message>
    <message>
        <source>echo</source>
        <translation>Echo</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Hop</source>
        <translation>Hüpfen</translation>
    </message>
    <message>
        <source>A band: your drawing hops along, again and again.</source>
        <translation>Ein Band: Deine Zeichnung hüpft immer weiter, wieder und wieder.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>A band of footprints: each copy steps along and flips over, left, right.</source>
        <translation>Ein Band aus Fußspuren: Jede Kopie macht einen Schritt und klappt um, links, rechts.</translation>
    </message>
    <message>
        <source>Sidle</source>
        <translation>Seitwärts</translation>
    </message>
    <message>
        <source>A band of mirrors standing up: each copy faces the next.</source>
        <translation>Ein Band aus stehenden Spiegeln: Jede Kopie schaut die nächste an.</translation>
    </message>
    <message>
        <source>Spinning hop</source>
        <translation>Drehhüpfer</translation>
    </message>
    <message>
        <source>A band where every other copy is turned upside down.</source>
        <translation>Ein Band, in dem jede zweite Kopie auf dem Kopf steht.</translation>
    </message>
    <message>
        <source>Spinning sidle</source>
        <translation>Drehseitwärts</translation>
    </message>
    <message>
        <source>A band of standing mirrors, every other copy upside down.</source>
        <translation>Ein Band aus stehenden Spiegeln, jede zweite Kopie auf dem Kopf.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sprung</translation>
    </message>
    <message>
        <source>A band with a mirror along its middle: copies above and below.</source>
        <translation>Ein Band mit einem Spiegel in der Mitte: Kopien oben und unten.</translation>
    </message>
    <message>
        <source>Spinning jump</source>
        <translation>Drehsprung</translation>
    </message>
    <message>
        <source>A band with mirrors along it and across it.</source>
        <translation>Ein Band mit Spiegeln längs und quer.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Your drawing stamped in rows and columns all over the screen.</source>
        <translation>Deine Zeichnung in Reihen und Spalten über den ganzen Bildschirm gestempelt.</translation>
    </message>
    <message>
        <source>Somersaults</source>
        <translation>Purzelbäume</translation>
    </message>
    <message>
        <source>Stamps all over, and each one also turned upside down.</source>
        <translation>Stempel überall, und jeder auch auf dem Kopf.</translation>
    </message>
    <message>
        <source>Mirror rows</source>
        <translation>Spiegelreihen</translation>
    </message>
    <message>
        <source>Columns of standing mirrors: every copy faces its neighbour.</source>
        <translation>Spalten aus stehenden Spiegeln: Jede Kopie schaut ihren Nachbarn an.</translation>
    </message>
    <message>
        <source>Footprints</source>
        <translation>Fußspuren</translation>
    </message>
    <message>
        <source>Copies walk up and down the screen, flipping like footsteps.</source>
        <translation>Kopien laufen den Bildschirm hinauf und hinab und klappen um wie Schritte.</translation>
    </message>
    <message>
        <source>Herringbone</source>
        <translation>Fischgrät</translation>
    </message>
    <message>
        <source>Standing mirrors in rows that sit between each other, like bricks.</source>
        <translation>Stehende Spiegel in Reihen, die versetzt liegen wie Ziegelsteine.</translation>
    </message>
    <message>
        <source>Window panes</source>
        <translation>Fensterscheiben</translation>
    </message>
    <message>
        <source>Mirrors up and across, like looking through window panes.</source>
        <translation>Spiegel längs und quer, wie ein Blick durch Fensterscheiben.</translation>
    </message>
    <message>
        <source>Tumblers</source>
        <translation>Stehaufmännchen</translation>
    </message>
    <message>
        <source>Standing mirrors, with copies flipping over between them.</source>
        <translation>Stehende Spiegel, dazwischen klappen Kopien um.</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parkett</translation>
    </message>
    <message>
        <source>Copies turn and flip like the wooden blocks of a floor.</source>
        <translation>Kopien drehen und wenden sich wie die Holzklötze eines Fußbodens.</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Rauten</translation>
    </message>
    <message>
        <source>Mirrors up and across on a grid of diamonds.</source>
        <translation>Spiegel längs und quer auf einem Rautengitter.</translation>
    </message>
    <message>
        <source>Pinwheels</source>
        <translation>Windräder</translation>
    </message>
    <message>
        <source>Squares where your drawing turns round four times.</source>
        <translation>Quadrate, in denen sich deine Zeichnung viermal dreht.</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Fliesen</translation>
    </message>
    <message>
        <source>Square tiles with mirrors up, across and corner to corner.</source>
        <translation>Quadratische Fliesen mit Spiegeln längs, quer und von Ecke zu Ecke.</translation>
    </message>
    <message>
        <source>Woven</source>
        <translation>Geflecht</translation>
    </message>
    <message>
        <source>Turning squares with mirrors between them, like a woven mat.</source>
        <translation>Sich drehende Quadrate mit Spiegeln dazwischen, wie eine geflochtene Matte.</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Dreiecke</translation>
    </message>
    <message>
        <source>Your drawing turns round three times, all over the screen.</source>
        <translation>Deine Zeichnung dreht sich dreimal, über den ganzen Bildschirm.</translation>
    </message>
    <message>
        <source>Triangle mirrors</source>
        <translation>Dreiecksspiegel</translation>
    </message>
    <message>
        <source>Triangles of mirrors, each corner a turn of three.</source>
        <translation>Dreiecke aus Spiegeln, jede Ecke eine Dreierdrehung.</translation>
    </message>
    <message>
        <source>Triangle turns</source>
        <translation>Dreiecksdrehungen</translation>
    </message>
    <message>
        <source>Mirrors in triangles, with turns of three inside them.</source>
        <translation>Spiegel in Dreiecken, mit Dreierdrehungen darin.</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>Your drawing turns round six times, like flowers in a honeycomb.</source>
        <translation>Deine Zeichnung dreht sich sechsmal, wie Blumen in einer Bienenwabe.</translation>
    </message>
    <message>
        <source>Snowflakes</source>
        <translation>Schneeflocken</translation>
    </message>
    <message>
        <source>Six turns and mirrors between them, like snowflakes.</source>
        <translation>Sechs Drehungen und Spiegel dazwischen, wie Schneeflocken.</translation>
    </message>
</context>
<context>
    <name>PatternChooser</name>
    <message>
        <source>patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Repeats each stroke over the whole screen in one of 24 patterns: bands and wallpapers. Keys [ and ] step through them, P goes back to the mirrors.</source>
        <translation>Wiederholt jeden Strich über den ganzen Bildschirm in einem von 24 Mustern: Bänder und Tapeten. Die Tasten [ und ] gehen sie durch, P geht zurück zu den Spiegeln.</translation>
    </message>
    <message>
        <source>band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>wallpaper</source>
        <translation>Tapete</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>smaller cells</source>
        <translation>kleinere Zellen</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells smaller. Key ,.</source>
        <translation>Macht die Zellen des Musters kleiner. Taste ,.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>bigger cells</source>
        <translation>größere Zellen</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells bigger. Key .</source>
        <translation>Macht die Zellen des Musters größer. Taste .</translation>
    </message>
    <message>
        <source>cell size</source>
        <translation>Zellengröße</translation>
    </message>
    <message>
        <source>How wide each cell of the pattern is, in pixels.</source>
        <translation>Wie breit jede Zelle des Musters ist, in Pixeln.</translation>
    </message>
    <message>
        <source>↕-</source>
        <translation>↕-</translation>
    </message>
    <message>
        <source>flatter cells</source>
        <translation>flachere Zellen</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid flatter. Key ;.</source>
        <translation>Macht die Zellen eines Band-, Rechteck- oder Rautengitters flacher. Taste ;.</translation>
    </message>
    <message>
        <source>↕+</source>
        <translation>↕+</translation>
    </message>
    <message>
        <source>taller cells</source>
        <translation>höhere Zellen</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid taller. Key &apos;.</source>
        <translation>Macht die Zellen eines Band-, Rechteck- oder Rautengitters höher. Taste &apos;.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it is larger than Kalyra! can open</source>
        <translation>mit %1 × %2 Pixeln ist sie größer, als Kalyra! öffnen kann</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the picture is too large for a bitmap file</source>
        <translation>das Bild ist zu groß für eine Bitmap-Datei</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>das Bild konnte nicht als PNG kodiert werden</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Kalyra! could not read the picture file “%1”: %2.</source>
        <translation>Kalyra! konnte die Bilddatei „%1“ nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Kalyra! could not save the picture to “%1”: %2.</source>
        <translation>Kalyra! konnte das Bild nicht in „%1“ speichern: %2.</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Kalyra! could not print the picture: %1.</source>
        <translation>Kalyra! konnte das Bild nicht drucken: %1.</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>der Drucker meldet keinen druckbaren Bereich</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker ließ sich nicht starten</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>der Drucker meldete einen Fehler</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>Kalyra! ended last time before your picture was saved. Bring it back?</source>
        <translation>Kalyra! wurde beim letzten Mal beendet, bevor dein Bild gespeichert war. Soll es zurückgeholt werden?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Kalyra! is starting</source>
        <translation>Kalyra! startet</translation>
    </message>
    <message>
        <source>Kalyra! is starting; the canvas follows in a moment.</source>
        <translation>Kalyra! startet; das Papier folgt gleich.</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>The name of the program.</source>
        <translation>Der Name des Programms.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The version of the program.</source>
        <translation>Die Version des Programms.</translation>
    </message>
    <message>
        <source>Right-click the canvas
to show the panel</source>
        <translation>Rechtsklick auf das Papier
zeigt die Steuerung</translation>
    </message>
    <message>
        <source>How to reach the controls.</source>
        <translation>Wie man die Steuerung erreicht.</translation>
    </message>
</context>
<context>
    <name>SymmetryStrip</name>
    <message>
        <source>symmetry</source>
        <translation>Symmetrie</translation>
    </message>
    <message>
        <source>How each stroke is repeated round the centre: spin, kaleidoscope, order, rainbow copies, guides and the centre.</source>
        <translation>Wie jeder Strich um die Mitte wiederholt wird: Drehung, Kaleidoskop, Anzahl, Regenbogenkopien, Hilfslinien und die Mitte.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre, as many times as the order says. Key T.</source>
        <translation>Zeichnet jeden Strich um die Mitte gedreht, so oft wie die Anzahl sagt. Taste T.</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaleidoskop</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre and mirrored, twice as many times as the order says. Key K.</source>
        <translation>Zeichnet jeden Strich um die Mitte gedreht und gespiegelt, doppelt so oft wie die Anzahl sagt. Taste K.</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Fewer copies round the centre. Key -.</source>
        <translation>Weniger Kopien um die Mitte. Taste -.</translation>
    </message>
    <message>
        <source>fewer copies</source>
        <translation>weniger Kopien</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>More copies round the centre. Key +.</source>
        <translation>Mehr Kopien um die Mitte. Taste +.</translation>
    </message>
    <message>
        <source>more copies</source>
        <translation>mehr Kopien</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Guides</source>
        <translation>Hilfslinien</translation>
    </message>
    <message>
        <source>Shows faint lines through the centre of symmetry; they are never part of the picture. Key G.</source>
        <translation>Zeigt feine Linien durch die Symmetriemitte; sie werden nie Teil des Bildes. Taste G.</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Puts the centre of symmetry back in the middle of the screen (key H). Key C puts it under the pointer.</source>
        <translation>Setzt die Symmetriemitte zurück in die Bildschirmmitte (Taste H). Taste C setzt sie unter den Zeiger.</translation>
    </message>
    <message>
        <source>How many times a spin or kaleidoscope turns each stroke, from 2 to 32.</source>
        <translation>Wie oft eine Drehung oder ein Kaleidoskop jeden Strich dreht, von 2 bis 32.</translation>
    </message>
    <message>
        <source>Draws and fills each copy in its own color round the color wheel. Key R.</source>
        <translation>Zeichnet und füllt jede Kopie in ihrer eigenen Farbe rund um den Farbkreis. Taste R.</translation>
    </message>
    <message>
        <source>order %1</source>
        <translation>Anzahl %1</translation>
    </message>
</context>
</TS>
