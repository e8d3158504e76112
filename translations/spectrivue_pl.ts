<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>O programie [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Stworzone przez twórców Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Próbnik i analizator kolorów
dla tych, którzy tworzą strony WWW i programy.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Wersja: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Daj nam znać, jeśli możesz pomóc...

=&gt; Chcesz spróbować napisać plik pomocy tego programu w swoim języku?    

Przyślij pliki: DOC, TXT, PDF...

Adres e-mail: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Pomoc  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  O programie  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Kolory spełniające wymóg</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Tekst spełnia %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Tło spełnia %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Jak widzą to inni</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: bieżący kolor</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: bieżący kolor i kontrast</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Przykładowy tekst</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: przykład</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Harmonie</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>Do palety</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Wstaw kolory (%1) w pierwsze puste pola palety  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Spełnia</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Poza zasięgiem</translation>
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
        <translation>AA duży 3:1</translation>
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
        <translation>Dopełniające</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Dopełniające rozszczepione</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triada</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analogiczne</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetrada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
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
        <translation>Achromatopsja</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Kopiuj %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Spełnia</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Nie spełnia</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Szczegóły koloru ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Kontrast z ostatnim kolorem</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Zwykły tekst</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Duży tekst</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Elementy interfejsu</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Najbliższa nazwa</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Przykładowy tekst w bieżącym kolorze</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Duży przykład</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Dodaj format...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Dodaj własny format na podstawie szablonu  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Usuń %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Nie udało się zapisać twoich formatów w %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, z przecinkami</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>dokładnie</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Przykładowy tekst w ostatnim kolorze</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Siatka kolorów</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Komórka %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Wersja: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Zamknij  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Arkusz stylów</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Nowy styl - Treść</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Nowy styl - Odnośnik</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Nowy styl - Obramowanie</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Nowy styl - Kolumna</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Nowy styl - Klasa</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Reguła stylu</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Symuluj</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Kolor z ekranu</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Kolor z ekranu  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Kreator gradientów  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Duża siatka kolorów  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Przechwyć powiększenie  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Pobierz kolory z obrazu  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Nazwy kolorów  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Systemowy wybór koloru  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Opcje...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  O programie Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Nowa paleta  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Otwórz paletę  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Zapisz paletę  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Zakończ  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Góra/Dół  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>Portal pulpitu nie odpowiedział w ciągu %1 s.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Brak magistrali sesji D-Bus, przez którą można dotrzeć do portalu pulpitu.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>Na tym pulpicie nie odpowiada żaden portal z usługą zrzutów ekranu, więc nie można pobierać kolorów z ekranu.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>Portal pulpitu odmówił: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Portal pulpitu nie zdołał pobrać koloru.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>Portal pulpitu nie zdołał wykonać zrzutu ekranu.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>Portal pulpitu odpowiedział kolorem, którego nie da się odczytać.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>Portal pulpitu odpowiedział zrzutem ekranu, którego nie da się odczytać: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>Nie można odczytać zrzutu ekranu %1: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Zamrożony ekran</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Pobierz kolor z ekranu</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Kolor początkowy</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Kolor końcowy</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Generator gradientów ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Cała siatka</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Cel gradientu</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 musi zawierać liczbę od -32768 do 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Utwórz gradient  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Przejście od bieżącego do ostatniego koloru</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Ostatni kolor do czerni, potem widmo</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>wczoraj</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Historia ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Historia pobranych kolorów</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>przypięty</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Przypięty: zostaje, gdy starsze kolory znikają</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Kliknij, aby przypiąć</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Usunąć z historii wszystkie pobrane kolory oprócz przypiętych?</translation>
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
        <translation>Powiększony ekran</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Powiększenie obrazu ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Pobrany kolor</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Odcienie do czerni</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Odcienie do bieli</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Symuluj:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Symuluj</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Rozpocznij przechwytywanie - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Bieżący kolor  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Ostatni kolor  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Szczegóły koloru…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>Nie można zapisać historii pobranych kolorów w %1.
Pozostaje do zamknięcia Spectrivue.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>Tutaj nie można odczytać ekranu.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Ten pulpit nie pozwala programom odczytywać ekranu, więc nie można go tu pokazać.
F9 i Shift+F9 pobierają kolory przez portal pulpitu.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Maska %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Pasek nazw kolorów</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Włącz przeciąganie</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Przeciągnij kolor podrzędny i upuść go na głównej siatce.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Zamknij  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Nazwa koloru początkowego</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Nazwa koloru końcowego</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Kod szesnastkowy dla VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB jako long dla VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Kod szesnastkowy dla C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Kod szesnastkowy dla Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Kod dla Javy</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Kod dla Photoshopa</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Kod szesnastkowy dla HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  Kopiuj do schowka  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Opcje ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Pobieranie koloru:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Pobieranie powiększenia:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Kolor maski:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Koniec pobierania -&gt; Wciśnięcie</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Koniec pobierania -&gt; Zwolnienie</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Start gradientu -&gt; Kliknięcie myszą</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Start gradientu -&gt; Ruch myszy</translation>
    </message>
    <message>
        <source>Zoom 5x</source>
        <translation>Powiększenie 5x</translation>
    </message>
    <message>
        <source>Zoom 10x</source>
        <translation>Powiększenie 10x</translation>
    </message>
    <message>
        <source>Zoom 20x</source>
        <translation>Powiększenie 20x</translation>
    </message>
    <message>
        <source>The options cannot be saved in %1.
They apply until Spectrivue ends.</source>
        <translation>Nie można zapisać opcji w %1.
Obowiązują do zamknięcia Spectrivue.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Pobieranie z ekranu:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Lupa przy wskaźniku</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Rozmiar próbki:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 piksel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 pikseli, uśrednione</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Kopiuj po zachowaniu koloru:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Przed „}” nie ma „{”.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>„{” nie jest zamknięty.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 nie jest symbolem zastępczym: użyj {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Dodaj format</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Symbole zastępcze: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Szablon:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Nie można dodać tego formatu:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Nadaj formatowi nazwę.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Szablon jest pusty.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Nazwa ani szablon nie mogą zawierać podziałów wiersza, tabulatorów ani innych znaków sterujących.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Nazwa może mieć najwyżej 64 znaki.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Szablon może mieć najwyżej 1000 znaków.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Wszystkie palety (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Wczytaj paletę PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Zapisz paletę PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>Plik palety PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Paleta GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Właściwości niestandardowe CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 nie jest plikiem palety.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Nie udało się odczytać pliku palety %1:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>Plik palety %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 jest folderem, a nie plikiem palety.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>Liczba kolorów w %1: %2; wczytano pierwsze %3.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>Nie udało się zapisać palety w %1:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>Liczba kolorów w %1 przekracza %2; wczytano pierwsze %3.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: pominięto 1 wiersz bez koloru.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: pominięte wiersze bez koloru: %2.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Mapa bitowa Windows (*.bmp, *.dib) (*.bmp *.dib);;Metaplik Windows (*.wmf, *.emf) (*.wmf *.emf);;Ikony (*.ico, *.cur) (*.ico *.cur);;Obraz JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Obraz CompuServe (*.gif) (*.gif);;Obraz TIFF (*.tif, *.tiff) (*.tif *.tiff);;Wszystkie pliki (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Pobierz kolory z obrazu ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Otwórz plik obrazu</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Wszystkie kody = %1 - Kody użyte = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - pierwsze %1 z %2 pikseli</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>Nie można zapisać strony w %1: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Porównywane kolory</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Otwórz mapę bitową Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Wklej obraz ze schowka  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Utwórz stronę/tabelę  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Otwórz stronę/tabelę kolorów  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Wczytywane formaty: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>Obraz jest za duży: %1 × %2 pikseli. Można odczytać obrazy, które po zdekodowaniu mają do %3 MB.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Nieprawidłowy obraz</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>Obraz jest niekompletny: nie udało się odczytać żadnego z jego wierszy.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>Obraz jest niekompletny: odczytano tylko pierwsze wiersze (%1).</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 nie jest plikiem obrazu.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Nieprawidłowy obraz: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Nieprawidłowy obraz: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>To folder, a nie plik.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Plik jest za duży.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>To dowiązanie symboliczne, a nie plik.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Próbnik i analizator kolorów</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Wczytywanie... pliki...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Wolne oprogramowanie na licencji MIT. Wartości nazwanych kolorów z publicznych list nazw kolorów.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Wczytywanie... Kolory...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Błąd: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
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
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Zamknij Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Minimalizuj Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Zawsze na wierzchu  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Strona WWW Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Wersja: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Zamknij  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>Puste pola w palecie: %1; te kolory potrzebują: %2. Opróżnij kilka pól i spróbuj ponownie.</translation>
    </message>
</context>
</TS>
