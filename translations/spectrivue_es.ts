<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>Acerca de [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Hecho por los creadores de Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Un selector y analizador de colores
para quienes crean páginas web y programas.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Versión: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Avísenos si puede ayudar...

=&gt; ¿Le gustaría intentar crear el archivo de ayuda de este programa en su idioma?    

Envíe archivos: DOC, TXT, PDF...

Correo electrónico: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Ayuda  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  Acerca de  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Colores que cumplen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Texto que cumple %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Fondo que cumple %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Como lo ven otros</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: color actual</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: color actual y contraste</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texto de ejemplo</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: ejemplo</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Armonías</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>A la paleta</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Poner los %1 colores en las primeras muestras vacías de la paleta  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Cumple</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Inalcanzable</translation>
    </message>
    <message>
        <source>AA 4.5:1</source>
        <translation>AA 4,5:1</translation>
    </message>
    <message>
        <source>AAA 7:1</source>
        <translation>AAA 7:1</translation>
    </message>
    <message>
        <source>AA large 3:1</source>
        <translation>AA grande 3:1</translation>
    </message>
    <message>
        <source>APCA Lc 60</source>
        <translation>APCA Lc 60</translation>
    </message>
    <message>
        <source>APCA Lc 75</source>
        <translation>APCA Lc 75</translation>
    </message>
    <message>
        <source>APCA Lc 90</source>
        <translation>APCA Lc 90</translation>
    </message>
    <message>
        <source>Complementary</source>
        <translation>Complementario</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Complementario dividido</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triádico</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Análogo</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetrádico</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopía</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopía</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopía</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Copiar %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Cumple</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> No cumple</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Detalles del color ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Contraste sobre el último color</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Texto grande</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Elementos de interfaz</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Nombre más cercano</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Texto de ejemplo en el color actual</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Ejemplo grande</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Añadir formato...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Añadir un formato propio a partir de una plantilla  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Quitar %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>No se pudieron guardar sus formatos en %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, con comas</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Texto de ejemplo en el último color</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Cuadrícula de colores</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Celda %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Versión: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Cerrar  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Hoja de estilo</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Nuevo estilo - Cuerpo</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Nuevo estilo - Enlace</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Nuevo estilo - Borde</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Nuevo estilo - Columna</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Nuevo estilo - Clase</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Regla de estilo</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Color de la pantalla</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Color de la pantalla  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Creador de degradados  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Cuadrícula grande de colores  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Captura ampliada  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Extraer colores de una imagen  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Nombres de colores  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Selector de colores del sistema  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Opciones...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  Acerca de Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Nueva paleta  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Abrir paleta  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Guardar paleta  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Salir  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Arriba/Abajo  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>El portal del escritorio no respondió en %1 s.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>No hay bus de sesión D-Bus para llegar al portal del escritorio.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>En este escritorio no responde ningún portal con servicio de capturas de pantalla, así que no se pueden tomar colores de la pantalla.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>El portal del escritorio se negó: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>El portal del escritorio no pudo tomar un color.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>El portal del escritorio no pudo hacer una captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>El portal del escritorio respondió con un color que no se puede leer.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>El portal del escritorio respondió con una captura de pantalla que no se puede leer: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>No se puede leer la captura de pantalla %1: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Pantalla congelada</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Tomar un color de la pantalla</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Color inicial</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Color final</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Generador de degradados ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Destino del degradado</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 debe contener un número de -32768 a 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Crear degradado  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Fundido del color actual al último color</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Último color hasta el negro, luego el espectro</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Historial ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Historial de colores tomados</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>fijado</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Fijado: se queda cuando se van los colores más antiguos</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Haga clic para fijar</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>¿Quitar del historial todos los colores tomados, excepto los fijados?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Lupa</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>Pantalla ampliada</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Ampliación de imagen ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Color tomado</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Tonos hasta el negro</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Tonos hasta el blanco</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Simular:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Iniciar captura - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Color actual  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Último color  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Detalles del color…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>No se puede guardar el historial de colores tomados en %1.
Dura hasta que Spectrivue se cierre.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>Aquí no se puede leer la pantalla.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Este escritorio no deja que los programas lean la pantalla, así que no se puede mostrar aquí.
F9 y Mayús+F9 toman colores a través del portal del escritorio.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Máscara %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Franja de nombres de colores</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Activar arrastrar y soltar</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Arrastre el color hijo y suéltelo en la cuadrícula principal.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Cerrar  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Nombre del color inicial</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Nombre del color final</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Código hex para VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB como long para VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Código hex para C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Código hex para Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Código para Java</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Código para Photoshop</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Código hex para HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  Copiar al portapapeles  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Opciones ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Captura de color:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Captura de zoom:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Color de máscara:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Detener captura -&gt; Botón pulsado</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Detener captura -&gt; Botón soltado</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Iniciar degradado -&gt; Clic del ratón</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Iniciar degradado -&gt; Movimiento del ratón</translation>
    </message>
    <message>
        <source>Zoom 5x</source>
        <translation>Zoom 5x</translation>
    </message>
    <message>
        <source>Zoom 10x</source>
        <translation>Zoom 10x</translation>
    </message>
    <message>
        <source>Zoom 20x</source>
        <translation>Zoom 20x</translation>
    </message>
    <message>
        <source>The options cannot be saved in %1.
They apply until Spectrivue ends.</source>
        <translation>No se pueden guardar las opciones en %1.
Se aplican hasta que Spectrivue se cierre.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Tomar de la pantalla:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Lupa junto al puntero</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Tamaño de muestra:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 píxel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 píxeles, promediados</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Copiar al conservar un color:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Un «}» no tiene un «{» antes.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>Un «{» no está cerrado.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 no es un marcador: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Añadir formato</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Marcadores: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Plantilla:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>No se puede añadir este formato:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Dé un nombre al formato.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>La plantilla está vacía.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Un nombre o una plantilla no puede contener saltos de línea, tabulaciones ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Un nombre puede tener como máximo 64 caracteres.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Una plantilla puede tener como máximo 1000 caracteres.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Todas las paletas (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Cargar paleta PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Guardar paleta PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>Archivo de paleta PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Paleta de GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Propiedades personalizadas CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 no es un archivo de paleta.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>No se pudo leer el archivo de paleta %1:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>El archivo de paleta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 es una carpeta, no un archivo de paleta.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 contiene %2 colores; se cargaron los primeros %3.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>No se pudo guardar la paleta en %1:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 contiene más de %2 colores; se cargaron los primeros %3.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: se omitió 1 línea sin color.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: se omitieron %2 líneas sin color.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Mapa de bits de Windows (*.bmp, *.dib) (*.bmp *.dib);;Metarchivo de Windows (*.wmf, *.emf) (*.wmf *.emf);;Iconos (*.ico, *.cur) (*.ico *.cur);;Imagen JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Imagen CompuServe (*.gif) (*.gif);;Imagen TIFF (*.tif, *.tiff) (*.tif *.tiff);;Todos los archivos (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Extraer colores de una imagen ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Abrir archivo de imagen</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Todos los códigos = %1 - Códigos efectivos = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - primeros %1 de %2 píxeles</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>No se puede escribir la página en %1: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Colores comparados</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Abrir mapa de bits de Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Pegar imagen del portapapeles  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Generar página/tabla  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Abrir página/tabla de colores  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Formatos admitidos: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>La imagen es demasiado grande: %1 × %2 píxeles. Se pueden leer imágenes de hasta %3 MB descodificadas.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>La imagen está incompleta: no se pudo leer ninguna de sus filas.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>La imagen está incompleta: solo se leyeron sus primeras %1 filas.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 no es un archivo de imagen.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Imagen no válida: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Imagen no válida: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>Es un enlace simbólico, no un archivo.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Selector y analizador de colores</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Cargando... archivos...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Software libre bajo la licencia MIT. Valores de los colores con nombre tomados de listas públicas de nombres de colores.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Cargando... Colores...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Error: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Muestra %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Cerrar Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Minimizar Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Siempre encima  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Página web de Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Versión: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Cerrar  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>La paleta tiene %1 muestras vacías; estos colores necesitan %2. Vacíe algunas muestras e inténtelo de nuevo.</translation>
    </message>
</context>
</TS>
