<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>Informazioni [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Realizzato dagli autori di Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Un selettore e analizzatore di colori
per chi crea pagine web e programmi.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Versione: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Facci sapere se puoi aiutarci...

=&gt; Ti piacerebbe provare a scrivere il file di aiuto di questo programma nella tua lingua?    

Invia file: DOC, TXT, PDF...

Indirizzo e-mail: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Aiuto  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  Informazioni  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Colori conformi</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Testo conforme %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Sfondo conforme %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Come lo vedono gli altri</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: colore attuale</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: colore attuale e contrasto</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Testo di esempio</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: esempio</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Armonie</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>Nella tavolozza</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Metti i %1 colori nei primi riquadri vuoti della tavolozza  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Irraggiungibile</translation>
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
        <translation>Complementare</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Complementare diviso</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triadico</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analogo</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetradico</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopia</translation>
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
        <translation>Copia</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Copia %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Superato</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Non superato</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Dettagli del colore ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Contrasto sull&apos;ultimo colore</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Testo normale</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Testo grande</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Elementi dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Nome più vicino</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Testo di esempio nel colore attuale</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Esempio grande</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Aggiungi formato...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Aggiungi un formato tuo a partire da un modello  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Rimuovi %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Non è stato possibile salvare i tuoi formati in %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, con virgole</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>esatto</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Testo di esempio nell&apos;ultimo colore</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Griglia di colori</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Cella %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Versione: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Chiudi  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Foglio di stile</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Nuovo stile - Corpo</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Nuovo stile - Collegamento</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Nuovo stile - Bordo</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Nuovo stile - Colonna</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Nuovo stile - Classe</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Regola di stile</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simula</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Colore dallo schermo</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Colore dallo schermo  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Crea sfumatura  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Griglia grande di colori  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Cattura ingrandita  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Estrai i colori di un&apos;immagine  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Nomi dei colori  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Selettore di colori del sistema  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Opzioni...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  Informazioni su Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Nuova tavolozza  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Apri tavolozza  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Salva tavolozza  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Esci  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Su/Giù  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>Il portale del desktop non ha risposto entro %1 s.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Non c&apos;è un bus di sessione D-Bus per raggiungere il portale del desktop.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>Su questo desktop non risponde alcun portale con un servizio di schermate, quindi non è possibile prelevare colori dallo schermo.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>Il portale del desktop ha rifiutato: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Il portale del desktop non è riuscito a prelevare un colore.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>Il portale del desktop non è riuscito a catturare una schermata.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>Il portale del desktop ha risposto con un colore che non si può leggere.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>Il portale del desktop ha risposto con una schermata che non si può leggere: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>La schermata %1 non si può leggere: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Schermo congelato</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Preleva un colore dallo schermo</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Colore iniziale</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Colore finale</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Generatore di sfumature ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Destinazione della sfumatura</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 deve contenere un numero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Crea sfumatura  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Passaggio dal colore attuale all&apos;ultimo colore</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Ultimo colore fino al nero, poi lo spettro</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Cronologia ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Cancella cronologia</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Cronologia dei prelievi</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>fissato</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Fissato: resta quando i prelievi più vecchi se ne vanno</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Fai clic per fissare</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Rimuovere dalla cronologia tutti i prelievi tranne quelli fissati?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Lente</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>Schermo ingrandito</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Ingrandimento dell&apos;immagine ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Colore prelevato</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Sfumature fino al nero</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Sfumature fino al bianco</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Simula:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simula</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Avvia cattura - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Colore attuale  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Ultimo colore  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Dettagli del colore…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Cronologia…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>Non è possibile salvare la cronologia dei prelievi in %1.
Resta finché Spectrivue non viene chiuso.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>Qui non è possibile leggere lo schermo.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Questo desktop non permette ai programmi di leggere lo schermo, quindi non può essere mostrato qui.
F9 e Maiusc+F9 prelevano i colori tramite il portale del desktop.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Maschera %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Striscia dei nomi dei colori</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Attiva trascina e rilascia</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Trascina il colore figlio e rilascialo nella griglia principale.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Chiudi  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Nome del colore iniziale</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Nome del colore finale</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Codice hex per VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB come long per VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Codice hex per C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Codice hex per Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Codice per Java</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Codice per Photoshop</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Codice hex per HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  Copia negli appunti  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Opzioni ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Cattura del colore:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Cattura dello zoom:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Colore della maschera:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Ferma cattura -&gt; Pulsante premuto</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Ferma cattura -&gt; Pulsante rilasciato</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Avvia sfumatura -&gt; Clic del mouse</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Avvia sfumatura -&gt; Movimento del mouse</translation>
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
        <translation>Non è possibile salvare le opzioni in %1.
Valgono finché Spectrivue non viene chiuso.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Preleva dallo schermo:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Lente al puntatore</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Dimensione del campione:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 pixel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 pixel, in media</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Copia quando si tiene un prelievo:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Una «}» non ha una «{» prima di sé.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>Una «{» non è chiusa.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 non è un segnaposto: usa {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Aggiungi formato</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Segnaposto: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Modello:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Questo formato non può essere aggiunto:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Dai un nome al formato.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Il modello è vuoto.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Un nome o un modello non può contenere a capo, tabulazioni o altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Un nome può essere lungo al massimo 64 caratteri.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Un modello può essere lungo al massimo 1000 caratteri.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Tutte le tavolozze (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Carica tavolozza PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Salva tavolozza PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>File di tavolozza PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Tavolozza GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Proprietà personalizzate CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 non è un file di tavolozza.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Non è stato possibile leggere il file di tavolozza %1:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>Il file di tavolozza %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 è una cartella, non un file di tavolozza.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 contiene %2 colori; sono stati caricati i primi %3.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare la tavolozza in %1:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 contiene più di %2 colori; sono stati caricati i primi %3.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: è stata saltata 1 riga senza colore.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: sono state saltate %2 righe senza colore.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Bitmap di Windows (*.bmp, *.dib) (*.bmp *.dib);;Metafile di Windows (*.wmf, *.emf) (*.wmf *.emf);;Icone (*.ico, *.cur) (*.ico *.cur);;Immagine JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Immagine CompuServe (*.gif) (*.gif);;Immagine TIFF (*.tif, *.tiff) (*.tif *.tiff);;Tutti i file (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Estrai i colori di un&apos;immagine ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Apri file immagine</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Tutti i codici = %1 - Codici effettivi = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - primi %1 di %2 pixel</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>Non è possibile scrivere la pagina in %1: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Colori confrontati</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Apri bitmap di Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Incolla immagine dagli appunti  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Genera pagina/tabella  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Apri pagina/tabella dei colori  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Formati letti: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>L&apos;immagine è troppo grande: %1 × %2 pixel. Si possono leggere immagini fino a %3 MB una volta decodificate.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Immagine non valida</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>L&apos;immagine è incompleta: non è stato possibile leggere nessuna delle sue righe.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>L&apos;immagine è incompleta: sono state lette solo le sue prime %1 righe.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 non è un file immagine.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Immagine non valida: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Immagine non valida: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Il file è troppo grande.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>È un collegamento simbolico, non un file.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Selettore e analizzatore di colori</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Caricamento... file...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Software libero con licenza MIT. Valori dei colori con nome tratti da elenchi pubblici di nomi di colori.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Caricamento... Colori...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Errore: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Riquadro %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Chiudi Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Riduci Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Sempre in primo piano  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Pagina web di Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Versione: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Chiudi  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>La tavolozza ha %1 riquadri vuoti; questi colori ne richiedono %2. Svuota alcuni riquadri e riprova.</translation>
    </message>
</context>
</TS>
