<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>Über [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Erstellt von den Spectrivue-Machern - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Eine Farbpipette und Farbanalyse
für alle, die Webseiten und Programme bauen.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Version: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Sagen Sie uns, ob Sie helfen können...

=&gt; Möchten Sie die Hilfedatei dieses Programms in Ihrer Sprache verfassen?    

Senden Sie Dateien: DOC, TXT, PDF...

E-Mail-Adresse: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Hilfe  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  Über  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Farben, die bestehen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Text besteht %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Hintergrund besteht %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Wie andere es sehen</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: aktuelle Farbe</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: aktuelle Farbe und Kontrast</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: Beispiel</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Harmonien</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>In die Palette</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Die %1 Farben in die ersten leeren Felder der Palette setzen  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Besteht</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Unerreichbar</translation>
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
        <translation>AA groß 3:1</translation>
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
        <translation>Komplementär</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Geteilt komplementär</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triadisch</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetradisch</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  %1 kopieren  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Bestanden</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Nicht bestanden</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Farbdetails ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Kontrast zur letzten Farbe</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Großer Text</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Bedienelemente</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Nächster Name</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Beispieltext in der aktuellen Farbe</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Großes Beispiel</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Format hinzufügen...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Ein eigenes Format aus einer Vorlage hinzufügen  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  %1 entfernen  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Ihre Formate konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, mit Kommas</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>genau</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Beispieltext in der letzten Farbe</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Farbraster</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Zelle %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Version: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Schließen  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Stylesheet</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Neuer Stil - Body</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Neuer Stil - Link</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Neuer Stil - Rahmen</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Neuer Stil - Spalte</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Neuer Stil - Klasse</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Stilregel</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulieren</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Farbe vom Bildschirm</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Farbe vom Bildschirm  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Verlaufsersteller  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Großes Farbraster  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Vergrößerung aufnehmen  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Bildfarben auslesen  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Farbnamen  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Farbauswahl des Systems  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Optionen...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  Über Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Neue Palette  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Palette öffnen  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Palette speichern  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Beenden  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Auf/Ab  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>Das Desktop-Portal hat nicht innerhalb von %1 s geantwortet.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Es gibt keinen D-Bus-Sitzungsbus, über den das Desktop-Portal erreichbar wäre.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>Auf diesem Desktop antwortet kein Desktop-Portal mit einem Bildschirmfoto-Dienst, daher können keine Farben vom Bildschirm aufgenommen werden.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>Das Desktop-Portal hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Das Desktop-Portal konnte keine Farbe aufnehmen.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>Das Desktop-Portal konnte kein Bildschirmfoto aufnehmen.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>Das Desktop-Portal hat mit einer Farbe geantwortet, die nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>Das Desktop-Portal hat mit einem Bildschirmfoto geantwortet, das nicht gelesen werden kann: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>Das Bildschirmfoto %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Eingefrorener Bildschirm</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Eine Farbe vom Bildschirm aufnehmen</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Verlaufsgenerator ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Ziel des Verlaufs</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 muss eine Zahl von -32768 bis 32767 enthalten.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Verlauf erstellen  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Übergang von der aktuellen zur letzten Farbe</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Letzte Farbe bis Schwarz, dann das Spektrum</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Chronik ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Chronik leeren</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Chronik der Aufnahmen</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>angeheftet</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Angeheftet: bleibt, wenn ältere Aufnahmen gehen</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Zum Anheften klicken</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Alle Aufnahmen außer den angehefteten aus der Chronik entfernen?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Lupe</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>Vergrößerter Bildschirm</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Bildvergrößerung ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Aufgenommene Farbe</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Abstufungen bis Schwarz</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Abstufungen bis Weiß</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Simulieren:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simulieren</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Aufnahme starten - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Aktuelle Farbe  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Letzte Farbe  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Farbdetails…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Chronik…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>Die Chronik der Aufnahmen kann nicht in %1 gespeichert werden.
Sie bleibt erhalten, bis Spectrivue beendet wird.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>Der Bildschirm kann hier nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Dieser Desktop lässt Programme den Bildschirm nicht lesen, daher kann er hier nicht gezeigt werden.
F9 und Umschalt+F9 nehmen Farben über das Desktop-Portal auf.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Maske %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Leiste der Farbnamen</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Ziehen und Ablegen erlauben</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Ziehen Sie die untergeordnete Farbe und legen Sie sie im Hauptraster ab.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Schließen  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Name der Startfarbe</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Name der Endfarbe</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Hex-Code für VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB als Long für VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Hex-Code für C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Hex-Code für Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Code für Java</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Code für Photoshop</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Hex-Code für HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  In die Zwischenablage kopieren  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Optionen ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Farbaufnahme:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Zoomaufnahme:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Maskenfarbe:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Aufnahme beenden -&gt; Taste gedrückt</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Aufnahme beenden -&gt; Taste losgelassen</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Verlauf beginnen -&gt; Mausklick</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Verlauf beginnen -&gt; Mausbewegung</translation>
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
        <translation>Die Optionen können nicht in %1 gespeichert werden.
Sie gelten, bis Spectrivue beendet wird.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Vom Bildschirm aufnehmen:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Lupe am Mauszeiger</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Probengröße:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 Pixel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 Pixel, gemittelt</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Beim Behalten kopieren:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Vor einem „}“ steht kein „{“.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>Ein „{“ wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 ist kein Platzhalter: verwenden Sie {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Format hinzufügen</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Platzhalter: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Dieses Format kann nicht hinzugefügt werden:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Geben Sie dem Format einen Namen.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Die Vorlage ist leer.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Ein Name oder eine Vorlage darf keine Zeilenumbrüche, Tabulatoren oder andere Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Ein Name darf höchstens 64 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Eine Vorlage darf höchstens 1000 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Alle Paletten (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>PSP-Palette laden</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>PSP-Palette speichern</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>PSP-Palettendatei (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 ist keine Palettendatei.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Die Palettendatei %1 konnte nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>Die Palettendatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 ist ein Ordner, keine Palettendatei.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 enthält %2 Farben; die ersten %3 wurden geladen.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>Die Palette konnte nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 enthält mehr als %2 Farben; die ersten %3 wurden geladen.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: 1 Zeile ohne Farbe wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: %2 Zeilen ohne Farbe wurden übersprungen.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Windows-Bitmap (*.bmp, *.dib) (*.bmp *.dib);;Windows-Metadatei (*.wmf, *.emf) (*.wmf *.emf);;Symbole (*.ico, *.cur) (*.ico *.cur);;JPEG-Bild (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe-Bild (*.gif) (*.gif);;TIFF-Bild (*.tif, *.tiff) (*.tif *.tiff);;Alle Dateien (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Bildfarben auslesen ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Bilddatei öffnen</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Alle Codes = %1 - Wirksame Codes = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - erste %1 von %2 Pixeln</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>Die Seite kann nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Verglichene Farben</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Windows-Bitmap öffnen  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Bild aus der Zwischenablage einfügen  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Seite/Tabelle erzeugen  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Farbseite/-tabelle öffnen  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Ladbare Formate: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>Das Bild ist zu groß: %1 × %2 Pixel. Bilder bis %3 MB im entpackten Zustand können gelesen werden.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>Das Bild ist unvollständig: keine seiner Zeilen konnte gelesen werden.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>Das Bild ist unvollständig: nur seine ersten %1 Zeilen wurden gelesen.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 ist keine Bilddatei.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Ungültiges Bild: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ungültiges Bild: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>Es ist ein symbolischer Link, keine Datei.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Farbpipette und Farbanalyse</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Laden... Dateien...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Freie Software unter der MIT-Lizenz. Werte der benannten Farben aus öffentlichen Farbnamenlisten.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Laden... Farben...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Fehler: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Spectrivue schließen  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Spectrivue minimieren  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Immer im Vordergrund  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Webseite von Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Version: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Schließen  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>Die Palette hat %1 leere Felder; diese Farben brauchen %2. Leeren Sie einige Felder und versuchen Sie es erneut.</translation>
    </message>
</context>
</TS>
