<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AutosaveRunner</name>
    <message>
        <source>Kalyra! could not keep a copy of your picture (%1); it will try again. Save Picture still works elsewhere.</source>
        <translation>Kalyra! no pudo guardar una copia de tu imagen (%1); lo intentará de nuevo. «Guardar» sigue funcionando en otro lugar.</translation>
    </message>
</context>
<context>
    <name>AutosaveSlot</name>
    <message>
        <source>A picture Kalyra! kept for you could not be read. It was put aside in %1, under a name that begins with “unreadable”.</source>
        <translation>Una imagen que Kalyra! guardaba para ti no se pudo leer. Se ha apartado en %1, con un nombre que empieza por «unreadable».</translation>
    </message>
    <message>
        <source>every place in its folder is taken</source>
        <translation>todos los lugares de su carpeta están ocupados</translation>
    </message>
    <message>
        <source>its folder is gone</source>
        <translation>su carpeta ha desaparecido</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it is not allowed to write there</source>
        <translation>no tiene permiso para escribir ahí</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Canvas</source>
        <translation>Lienzo</translation>
    </message>
    <message>
        <source>The drawing area. A left click puts the pen down or lifts it, a right click shows or hides the control panel, a middle click takes the color under the pointer. F10 or the Menu key shows the control panel with the keyboard on it, or hides it again.</source>
        <translation>El área de dibujo. Un clic izquierdo apoya o levanta el lápiz, un clic derecho muestra u oculta el panel, un clic central toma el color bajo el puntero. F10 o la tecla Menú muestra el panel con el teclado en él, o lo oculta de nuevo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A doodling program: every stroke is mirrored about the centre of the screen.
Left click: pen down or up. Right click: show or hide the panel.</source>
        <translation>Un programa para garabatear: cada trazo se refleja alrededor del centro de la pantalla.
Clic izquierdo: apoyar o levantar el lápiz. Clic derecho: mostrar u ocultar el panel.</translation>
    </message>
    <message>
        <source>Shows these options and ends.</source>
        <translation>Muestra estas opciones y termina.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (en, de, fr or es) instead of the language of the desktop.</source>
        <translation>Habla IDIOMA (en, de, fr o es) en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[ARCHIVO]</translation>
    </message>
    <message>
        <source>Kalyra!: %1
Try &apos;kalyra --help&apos; for the options.</source>
        <translation>Kalyra!: %1
«kalyra --help» muestra las opciones.</translation>
    </message>
    <message>
        <source>only one picture can be opened.</source>
        <translation>solo se puede abrir una imagen.</translation>
    </message>
    <message>
        <source>no screen to show the canvas on.</source>
        <translation>no hay pantalla para mostrar el lienzo.</translation>
    </message>
    <message>
        <source>it speaks en, de, fr and es, not “%1”.</source>
        <translation>habla en, de, fr y es, no «%1».</translation>
    </message>
    <message>
        <source>Brings back the picture an earlier run left unsaved, without asking.</source>
        <translation>Recupera sin preguntar la imagen que una ejecución anterior dejó sin guardar.</translation>
    </message>
    <message>
        <source>A bitmap or PNG picture to open as the background.</source>
        <translation>Una imagen de mapa de bits o PNG para abrir como fondo.</translation>
    </message>
    <message>
        <source>no display to show the canvas on (is DISPLAY set?).</source>
        <translation>no hay ninguna pantalla gráfica para mostrar el lienzo (¿está definido DISPLAY?).</translation>
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
        <translation>Kalyra! dibuja en toda la pantalla; un clic derecho muestra u oculta el panel.</translation>
    </message>
</context>
<context>
    <name>PanelWidgets</name>
    <message>
        <source>Draws using 3-Sided Polygons (Triangles)</source>
        <translation>Dibuja con polígonos de 3 lados (triángulos)</translation>
    </message>
    <message>
        <source>Draws using 4-Sided Polygons (Diamonds)</source>
        <translation>Dibuja con polígonos de 4 lados (rombos)</translation>
    </message>
    <message>
        <source>Draws using 5-Sided Polygons (Pentagons)</source>
        <translation>Dibuja con polígonos de 5 lados (pentágonos)</translation>
    </message>
    <message>
        <source>Draws using 6-Sided Polygons (Hexagons)</source>
        <translation>Dibuja con polígonos de 6 lados (hexágonos)</translation>
    </message>
    <message>
        <source>Draws using 7-Sided Polygons (Heptagons)</source>
        <translation>Dibuja con polígonos de 7 lados (heptágonos)</translation>
    </message>
    <message>
        <source>Draws using 8-Sided Polygons (Octagons)</source>
        <translation>Dibuja con polígonos de 8 lados (octógonos)</translation>
    </message>
    <message>
        <source>Draws using 9-Sided Polygons (Enneagons)</source>
        <translation>Dibuja con polígonos de 9 lados (eneágonos)</translation>
    </message>
    <message>
        <source>Draws using 10-Sided Polygons (Decagons)</source>
        <translation>Dibuja con polígonos de 10 lados (decágonos)</translation>
    </message>
    <message>
        <source>P%1</source>
        <translation>P%1</translation>
    </message>
    <message>
        <source>polygons with %1 sides</source>
        <translation>polígonos de %1 lados</translation>
    </message>
    <message>
        <source>Draws with a line.</source>
        <translation>Dibuja con una línea.</translation>
    </message>
    <message>
        <source>Draws with squares.</source>
        <translation>Dibuja con cuadrados.</translation>
    </message>
    <message>
        <source>Draws with Circles.</source>
        <translation>Dibuja con círculos.</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>squares</source>
        <translation>cuadrados</translation>
    </message>
    <message>
        <source>circles</source>
        <translation>círculos</translation>
    </message>
    <message>
        <source>Draws in single (non-mirrored) mode.</source>
        <translation>Dibuja en modo simple (sin espejo).</translation>
    </message>
    <message>
        <source>Draws in four way mirrored mode.</source>
        <translation>Dibuja con espejo en cuatro direcciones.</translation>
    </message>
    <message>
        <source>Draws in 8 way mirrored mode. </source>
        <translation>Dibuja con espejo en ocho direcciones.</translation>
    </message>
    <message>
        <source>no mirror</source>
        <translation>sin espejo</translation>
    </message>
    <message>
        <source>four-way mirror</source>
        <translation>espejo en cuatro direcciones</translation>
    </message>
    <message>
        <source>eight-way mirror</source>
        <translation>espejo en ocho direcciones</translation>
    </message>
    <message>
        <source>Click with the left button, chooses a random drawing color.  Click with the Right button, chooses a random background color and clears the screen.</source>
        <translation>Un clic izquierdo elige un color de dibujo al azar. Un clic derecho elige un color del lienzo al azar y borra la pantalla.</translation>
    </message>
    <message>
        <source>color bar</source>
        <translation>barra de colores</translation>
    </message>
    <message>
        <source>Choose thickness of drawing tool.</source>
        <translation>Elige el grosor del lápiz.</translation>
    </message>
    <message>
        <source>pen width %1</source>
        <translation>grosor %1</translation>
    </message>
    <message>
        <source>&amp;Drawing Color</source>
        <translation>&amp;Color de dibujo</translation>
    </message>
    <message>
        <source>Picks the color the mouse will draw with.</source>
        <translation>Elige el color con el que dibuja el ratón.</translation>
    </message>
    <message>
        <source>&amp;Canvas Color</source>
        <translation>Color del &amp;lienzo</translation>
    </message>
    <message>
        <source>Picks the background color of the Canvas and also clears the screen.</source>
        <translation>Elige el color del lienzo y también borra la pantalla.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Green the Gradient Effect uses.</source>
        <translation>Ajusta la cantidad de verde que usa el degradado.</translation>
    </message>
    <message>
        <source>Adjusts the amount of Blue the Gradient Effect uses.</source>
        <translation>Ajusta la cantidad de azul que usa el degradado.</translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saves a picture.</source>
        <translation>Guarda una imagen.</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Rellenar</translation>
    </message>
    <message>
        <source>Changes from drawing mode to fill mode, and fills selected color when you mouseclick.</source>
        <translation>Cambia de dibujar a rellenar; un clic rellena entonces con el color elegido.</translation>
    </message>
    <message>
        <source>&amp;Load Picture</source>
        <translation>&amp;Abrir imagen</translation>
    </message>
    <message>
        <source>Loads a previously saved picture into the background.</source>
        <translation>Carga una imagen guardada como fondo.</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Degradado</translation>
    </message>
    <message>
        <source>Changes the drawing color as you draw, giving your pictures a rainbow look!</source>
        <translation>¡Cambia el color mientras dibujas y tus imágenes tendrán los colores del arcoíris!</translation>
    </message>
    <message>
        <source>Adjusts the amount of Red the Gradient Effect uses.</source>
        <translation>Ajusta la cantidad de rojo que usa el degradado.</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Marco</translation>
    </message>
    <message>
        <source>Draws a Frame around the picture so you can make coloring book pages.</source>
        <translation>Dibuja un marco alrededor de la imagen para hacer páginas para colorear.</translation>
    </message>
    <message>
        <source>Kalyra! Control Panel</source>
        <translation>Panel de Kalyra!</translation>
    </message>
    <message>
        <source>&amp;Exit Kalyra!</source>
        <translation>&amp;Salir de Kalyra!</translation>
    </message>
    <message>
        <source>Exits Kalyra!</source>
        <translation>Cierra Kalyra!</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>The controls of Kalyra!</source>
        <translation>Los controles de Kalyra!</translation>
    </message>
    <message>
        <source>Click to switch the echo on or off; the title is red while the echo is on.</source>
        <translation>Un clic activa o desactiva el eco; el título está en rojo mientras el eco está activo.</translation>
    </message>
    <message>
        <source>Prints the picture.</source>
        <translation>Imprime la imagen.</translation>
    </message>
    <message>
        <source>brush size</source>
        <translation>tamaño del pincel</translation>
    </message>
    <message>
        <source>Sets the size of squares, circles and polygons.</source>
        <translation>Ajusta el tamaño de cuadrados, círculos y polígonos.</translation>
    </message>
    <message>
        <source>red step</source>
        <translation>paso del rojo</translation>
    </message>
    <message>
        <source>green step</source>
        <translation>paso del verde</translation>
    </message>
    <message>
        <source>blue step</source>
        <translation>paso del azul</translation>
    </message>
    <message>
        <source>echo</source>
        <translation>eco</translation>
    </message>
</context>
<context>
    <name>Pattern</name>
    <message>
        <source>Hop</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>A band: your drawing hops along, again and again.</source>
        <translation>Una banda: tu dibujo avanza saltando, una y otra vez.</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>A band of footprints: each copy steps along and flips over, left, right.</source>
        <translation>Una banda de huellas: cada copia da un paso y se da la vuelta, izquierda, derecha.</translation>
    </message>
    <message>
        <source>Sidle</source>
        <translation>De lado</translation>
    </message>
    <message>
        <source>A band of mirrors standing up: each copy faces the next.</source>
        <translation>Una banda de espejos de pie: cada copia mira a la siguiente.</translation>
    </message>
    <message>
        <source>Spinning hop</source>
        <translation>Salto con giro</translation>
    </message>
    <message>
        <source>A band where every other copy is turned upside down.</source>
        <translation>Una banda en la que una copia de cada dos está boca abajo.</translation>
    </message>
    <message>
        <source>Spinning sidle</source>
        <translation>De lado con giro</translation>
    </message>
    <message>
        <source>A band of standing mirrors, every other copy upside down.</source>
        <translation>Una banda de espejos de pie, una copia de cada dos boca abajo.</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Brinco</translation>
    </message>
    <message>
        <source>A band with a mirror along its middle: copies above and below.</source>
        <translation>Una banda con un espejo por el medio: copias arriba y abajo.</translation>
    </message>
    <message>
        <source>Spinning jump</source>
        <translation>Brinco con giro</translation>
    </message>
    <message>
        <source>A band with mirrors along it and across it.</source>
        <translation>Una banda con espejos a lo largo y a lo ancho.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Sellos</translation>
    </message>
    <message>
        <source>Your drawing stamped in rows and columns all over the screen.</source>
        <translation>Tu dibujo sellado en filas y columnas por toda la pantalla.</translation>
    </message>
    <message>
        <source>Somersaults</source>
        <translation>Volteretas</translation>
    </message>
    <message>
        <source>Stamps all over, and each one also turned upside down.</source>
        <translation>Sellos por todas partes, y cada uno también boca abajo.</translation>
    </message>
    <message>
        <source>Mirror rows</source>
        <translation>Filas de espejos</translation>
    </message>
    <message>
        <source>Columns of standing mirrors: every copy faces its neighbour.</source>
        <translation>Columnas de espejos de pie: cada copia mira a su vecina.</translation>
    </message>
    <message>
        <source>Footprints</source>
        <translation>Huellas</translation>
    </message>
    <message>
        <source>Copies walk up and down the screen, flipping like footsteps.</source>
        <translation>Las copias suben y bajan por la pantalla dándose la vuelta como pasos.</translation>
    </message>
    <message>
        <source>Herringbone</source>
        <translation>Espiga</translation>
    </message>
    <message>
        <source>Standing mirrors in rows that sit between each other, like bricks.</source>
        <translation>Espejos de pie en filas desplazadas, como ladrillos.</translation>
    </message>
    <message>
        <source>Window panes</source>
        <translation>Cristales</translation>
    </message>
    <message>
        <source>Mirrors up and across, like looking through window panes.</source>
        <translation>Espejos a lo largo y a lo ancho, como mirar por los cristales de una ventana.</translation>
    </message>
    <message>
        <source>Tumblers</source>
        <translation>Tentetiesos</translation>
    </message>
    <message>
        <source>Standing mirrors, with copies flipping over between them.</source>
        <translation>Espejos de pie, con copias que se dan la vuelta entre ellos.</translation>
    </message>
    <message>
        <source>Parquet</source>
        <translation>Parqué</translation>
    </message>
    <message>
        <source>Copies turn and flip like the wooden blocks of a floor.</source>
        <translation>Las copias giran y se dan la vuelta como las tablillas de un suelo.</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Rombos</translation>
    </message>
    <message>
        <source>Mirrors up and across on a grid of diamonds.</source>
        <translation>Espejos a lo largo y a lo ancho sobre una rejilla de rombos.</translation>
    </message>
    <message>
        <source>Pinwheels</source>
        <translation>Molinillos</translation>
    </message>
    <message>
        <source>Squares where your drawing turns round four times.</source>
        <translation>Cuadrados donde tu dibujo gira cuatro veces.</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Baldosas</translation>
    </message>
    <message>
        <source>Square tiles with mirrors up, across and corner to corner.</source>
        <translation>Baldosas cuadradas con espejos a lo largo, a lo ancho y de esquina a esquina.</translation>
    </message>
    <message>
        <source>Woven</source>
        <translation>Tejido</translation>
    </message>
    <message>
        <source>Turning squares with mirrors between them, like a woven mat.</source>
        <translation>Cuadrados que giran con espejos entre ellos, como una estera tejida.</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Triángulos</translation>
    </message>
    <message>
        <source>Your drawing turns round three times, all over the screen.</source>
        <translation>Tu dibujo gira tres veces, por toda la pantalla.</translation>
    </message>
    <message>
        <source>Triangle mirrors</source>
        <translation>Espejos en triángulo</translation>
    </message>
    <message>
        <source>Triangles of mirrors, each corner a turn of three.</source>
        <translation>Triángulos de espejos, cada esquina un giro de tres.</translation>
    </message>
    <message>
        <source>Triangle turns</source>
        <translation>Giros en triángulo</translation>
    </message>
    <message>
        <source>Mirrors in triangles, with turns of three inside them.</source>
        <translation>Espejos en triángulos, con giros de tres dentro.</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
    <message>
        <source>Your drawing turns round six times, like flowers in a honeycomb.</source>
        <translation>Tu dibujo gira seis veces, como flores en un panal.</translation>
    </message>
    <message>
        <source>Snowflakes</source>
        <translation>Copos de nieve</translation>
    </message>
    <message>
        <source>Six turns and mirrors between them, like snowflakes.</source>
        <translation>Seis giros y espejos entre ellos, como copos de nieve.</translation>
    </message>
</context>
<context>
    <name>PatternChooser</name>
    <message>
        <source>patterns</source>
        <translation>patrones</translation>
    </message>
    <message>
        <source>Repeats each stroke over the whole screen in one of 24 patterns: bands and wallpapers. Keys [ and ] step through them, P goes back to the mirrors.</source>
        <translation>Repite cada trazo por toda la pantalla en uno de 24 patrones: cenefas y papeles pintados. Las teclas [ y ] los recorren, P vuelve a los espejos.</translation>
    </message>
    <message>
        <source>band</source>
        <translation>cenefa</translation>
    </message>
    <message>
        <source>wallpaper</source>
        <translation>papel pintado</translation>
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
        <translation>celdas más pequeñas</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells smaller. Key ,.</source>
        <translation>Hace más pequeñas las celdas del patrón. Tecla ,.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>bigger cells</source>
        <translation>celdas más grandes</translation>
    </message>
    <message>
        <source>Makes the pattern&apos;s cells bigger. Key .</source>
        <translation>Hace más grandes las celdas del patrón. Tecla .</translation>
    </message>
    <message>
        <source>cell size</source>
        <translation>tamaño de celda</translation>
    </message>
    <message>
        <source>How wide each cell of the pattern is, in pixels.</source>
        <translation>El ancho de cada celda del patrón, en píxeles.</translation>
    </message>
    <message>
        <source>↕-</source>
        <translation>↕-</translation>
    </message>
    <message>
        <source>flatter cells</source>
        <translation>celdas más planas</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid flatter. Key ;.</source>
        <translation>Hace más planas las celdas de una cenefa o de una rejilla de rectángulos o rombos. Tecla ;.</translation>
    </message>
    <message>
        <source>↕+</source>
        <translation>↕+</translation>
    </message>
    <message>
        <source>taller cells</source>
        <translation>celdas más altas</translation>
    </message>
    <message>
        <source>Makes the cells of a band, rectangle or diamond grid taller. Key &apos;.</source>
        <translation>Hace más altas las celdas de una cenefa o de una rejilla de rectángulos o rombos. Tecla &apos;.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the file is damaged</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>at %1 × %2 pixels it is larger than Kalyra! can open</source>
        <translation>con %1 × %2 píxeles es más grande de lo que Kalyra! puede abrir</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the picture is too large for a bitmap file</source>
        <translation>la imagen es demasiado grande para un archivo de mapa de bits</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>la imagen no se pudo codificar como PNG</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Archivos de mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Kalyra! could not read the picture file “%1”: %2.</source>
        <translation>Kalyra! no pudo leer el archivo de imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Kalyra! could not save the picture to “%1”: %2.</source>
        <translation>Kalyra! no pudo guardar la imagen en «%1»: %2.</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Archivos PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Kalyra! could not print the picture: %1.</source>
        <translation>Kalyra! no pudo imprimir la imagen: %1.</translation>
    </message>
    <message>
        <source>the printer reports no printable area</source>
        <translation>la impresora no indica ninguna zona imprimible</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>la impresora informó de un error</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>Kalyra! ended last time before your picture was saved. Bring it back?</source>
        <translation>La última vez Kalyra! se cerró antes de guardar tu imagen. ¿Recuperarla?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Kalyra! is starting</source>
        <translation>Kalyra! se está iniciando</translation>
    </message>
    <message>
        <source>Kalyra! is starting; the canvas follows in a moment.</source>
        <translation>Kalyra! se está iniciando; el lienzo aparece en un momento.</translation>
    </message>
    <message>
        <source>Kalyra!</source>
        <translation>Kalyra!</translation>
    </message>
    <message>
        <source>The name of the program.</source>
        <translation>El nombre del programa.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The version of the program.</source>
        <translation>La versión del programa.</translation>
    </message>
    <message>
        <source>Right-click the canvas
to show the panel</source>
        <translation>Clic derecho en el lienzo
para ver el panel</translation>
    </message>
    <message>
        <source>How to reach the controls.</source>
        <translation>Cómo llegar a los controles.</translation>
    </message>
</context>
<context>
    <name>SymmetryStrip</name>
    <message>
        <source>symmetry</source>
        <translation>simetría</translation>
    </message>
    <message>
        <source>How each stroke is repeated round the centre: spin, kaleidoscope, order, rainbow copies, guides and the centre.</source>
        <translation>Cómo se repite cada trazo alrededor del centro: giro, caleidoscopio, orden, copias arcoíris, guías y el centro.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre, as many times as the order says. Key T.</source>
        <translation>Dibuja cada trazo girado alrededor del centro, tantas veces como indica el orden. Tecla T.</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>Draws every stroke turned round the centre and mirrored, twice as many times as the order says. Key K.</source>
        <translation>Dibuja cada trazo girado alrededor del centro y reflejado, el doble de veces que indica el orden. Tecla K.</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Fewer copies round the centre. Key -.</source>
        <translation>Menos copias alrededor del centro. Tecla -.</translation>
    </message>
    <message>
        <source>fewer copies</source>
        <translation>menos copias</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>More copies round the centre. Key +.</source>
        <translation>Más copias alrededor del centro. Tecla +.</translation>
    </message>
    <message>
        <source>more copies</source>
        <translation>más copias</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Guides</source>
        <translation>Guías</translation>
    </message>
    <message>
        <source>Shows faint lines through the centre of symmetry; they are never part of the picture. Key G.</source>
        <translation>Muestra líneas tenues por el centro de simetría; nunca forman parte de la imagen. Tecla G.</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Puts the centre of symmetry back in the middle of the screen (key H). Key C puts it under the pointer.</source>
        <translation>Devuelve el centro de simetría al medio de la pantalla (tecla H). La tecla C lo pone bajo el puntero.</translation>
    </message>
    <message>
        <source>How many times a spin or kaleidoscope turns each stroke, from 2 to 32.</source>
        <translation>Cuántas veces un giro o un caleidoscopio gira cada trazo, de 2 a 32.</translation>
    </message>
    <message>
        <source>Draws and fills each copy in its own color round the color wheel. Key R.</source>
        <translation>Dibuja y rellena cada copia con su propio color alrededor de la rueda de colores. Tecla R.</translation>
    </message>
    <message>
        <source>order %1</source>
        <translation>orden %1</translation>
    </message>
</context>
</TS>
