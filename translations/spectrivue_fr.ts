<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>À propos [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Réalisé par les créateurs de Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Une pipette et un analyseur de couleurs
pour qui crée des pages web et des programmes.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Version&#xa0;: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Dites-nous si vous pouvez aider...

=&gt; Aimeriez-vous rédiger le fichier d&apos;aide de ce programme dans votre langue&#xa0;?    

Envoyez des fichiers&#xa0;: DOC, TXT, PDF...

Adresse e-mail&#xa0;: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Aide  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  À propos  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Couleurs conformes</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Texte conforme %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Fond conforme %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Vu par d&apos;autres</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1&#xa0;: couleur actuelle</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1&#xa0;: couleur actuelle et contraste</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texte d&apos;exemple</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1&#xa0;: exemple</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Harmonies</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>Vers la palette</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Mettre les %1 couleurs dans les premières cases vides de la palette  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Hors d&apos;atteinte</translation>
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
        <translation>AA grand 3:1</translation>
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
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Complémentaire divisée</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triadique</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analogue</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tétradique</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
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
        <translation>Copier</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Copier %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Réussi</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Échoué</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Détails de la couleur ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Contraste sur la dernière couleur</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Texte normal</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Grand texte</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Éléments d&apos;interface</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Nom le plus proche</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Texte d&apos;exemple dans la couleur actuelle</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Grand exemple</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Ajouter un format...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Ajouter votre propre format à partir d&apos;un modèle  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Supprimer %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Vos formats n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, avec virgules</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Texte d&apos;exemple dans la dernière couleur</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Grille de couleurs</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Cellule %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Version&#xa0;: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Fermer  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Feuille de style</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Nouveau style - Corps</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Nouveau style - Lien</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Nouveau style - Bordure</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Nouveau style - Colonne</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Nouveau style - Classe</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Règle de style</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simuler</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Couleur de l&apos;écran</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Couleur de l&apos;écran  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Créateur de dégradés  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Grande grille de couleurs  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Capture agrandie  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Extraire les couleurs d&apos;une image  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Noms de couleurs  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Sélecteur de couleurs du système  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Réglages...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  À propos de Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Nouvelle palette  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Ouvrir une palette  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Enregistrer la palette  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Quitter  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Haut/Bas  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>Le portail du bureau n&apos;a pas répondu en %1 s.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Aucun bus de session D-Bus ne permet de joindre le portail du bureau.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>Aucun portail du bureau offrant un service de capture d&apos;écran ne répond sur ce bureau&#xa0;: les couleurs ne peuvent donc pas être prélevées à l&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>Le portail du bureau a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Le portail du bureau n&apos;a pas pu prélever de couleur.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>Le portail du bureau n&apos;a pas pu faire de capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>Le portail du bureau a répondu par une couleur illisible.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>Le portail du bureau a répondu par une capture d&apos;écran illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>La capture d&apos;écran %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Écran figé</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Prélever une couleur à l&apos;écran</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Couleur de début</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Couleur de fin</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Générateur de dégradés ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Toute la grille</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Cible du dégradé</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 doit contenir un nombre de -32768 à 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Créer le dégradé  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Fondu de la couleur actuelle à la dernière couleur</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Dernière couleur vers le noir, puis le spectre</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Historique ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Historique des prélèvements</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>épinglée</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Épinglée&#xa0;: conservée quand les anciens prélèvements partent</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Cliquer pour épingler</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Retirer de l&apos;historique tous les prélèvements, sauf ceux épinglés&#xa0;?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Loupe</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>Écran agrandi</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Agrandissement de l&apos;image ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Couleur prélevée</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Nuances vers le noir</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Nuances vers le blanc</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Simuler&#xa0;:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simuler</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Démarrer la capture - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Couleur actuelle  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Dernière couleur  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Détails de la couleur…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>L&apos;historique des prélèvements ne peut pas être enregistré dans %1.
Il dure jusqu&apos;à la fermeture de Spectrivue.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>L&apos;écran ne peut pas être lu ici.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Ce bureau ne laisse pas les programmes lire l&apos;écran&#xa0;: il ne peut donc pas être affiché ici.
F9 et Maj+F9 prélèvent les couleurs via le portail du bureau.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Masque %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Bande des noms de couleurs</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Activer le glisser-déposer</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Faites glisser la couleur enfant et déposez-la dans la grille principale.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Fermer  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Nom de la couleur de début</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Nom de la couleur de fin</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Code hexa pour VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB en long pour VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Code hexa pour C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Code hexa pour Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Code pour Java</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Code pour Photoshop</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Code hexa pour HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  Copier dans le presse-papiers  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Réglages ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Capture de couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Capture du zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Couleur du masque&#xa0;:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Arrêter la capture -&gt; Bouton enfoncé</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Arrêter la capture -&gt; Bouton relâché</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Démarrer le dégradé -&gt; Clic de souris</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Démarrer le dégradé -&gt; Mouvement de souris</translation>
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
        <translation>Les options ne peuvent pas être enregistrées dans %1.
Elles s&apos;appliquent jusqu&apos;à la fermeture de Spectrivue.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Prélever à l&apos;écran&#xa0;:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Loupe au pointeur</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Taille de l&apos;échantillon&#xa0;:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 pixel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 pixels, en moyenne</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Copier le prélèvement gardé&#xa0;:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Un «&#xa0;}&#xa0;» n&apos;a pas de «&#xa0;{&#xa0;» avant lui.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>Un «&#xa0;{&#xa0;» n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 n&apos;est pas un espace réservé&#xa0;: utilisez {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Ajouter un format</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Espaces réservés&#xa0;: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Ce format ne peut pas être ajouté&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Donnez un nom au format.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Le modèle est vide.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Un nom ou un modèle ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Un nom peut compter au plus 64 caractères.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Un modèle peut compter au plus 1000 caractères.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Toutes les palettes (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Charger une palette PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Enregistrer une palette PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>Fichier de palette PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Propriétés personnalisées CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 n&apos;est pas un fichier de palette.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Le fichier de palette %1 n&apos;a pas pu être lu&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>Le fichier de palette %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 est un dossier, pas un fichier de palette.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 contient %2 couleurs&#xa0;; les %3 premières ont été chargées.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>La palette n&apos;a pas pu être enregistrée dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 contient plus de %2 couleurs&#xa0;; les %3 premières ont été chargées.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1&#xa0;: 1 ligne sans couleur a été ignorée.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1&#xa0;: %2 lignes sans couleur ont été ignorées.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Bitmap Windows (*.bmp, *.dib) (*.bmp *.dib);;Métafichier Windows (*.wmf, *.emf) (*.wmf *.emf);;Icônes (*.ico, *.cur) (*.ico *.cur);;Image JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Image CompuServe (*.gif) (*.gif);;Image TIFF (*.tif, *.tiff) (*.tif *.tiff);;Tous les fichiers (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Extraire les couleurs d&apos;une image ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Ouvrir un fichier image</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Tous les codes = %1 - Codes effectifs = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - %1 premiers pixels sur %2</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>La page ne peut pas être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Couleurs comparées</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Ouvrir un bitmap Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Coller l&apos;image du presse-papiers  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Générer la page/le tableau  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Ouvrir la page/le tableau des couleurs  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Formats lus&#xa0;: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>L&apos;image est trop grande&#xa0;: %1 × %2 pixels. Les images jusqu&apos;à %3 Mo une fois décodées peuvent être lues.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>L&apos;image est incomplète&#xa0;: aucune de ses lignes n&apos;a pu être lue.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>L&apos;image est incomplète&#xa0;: seules ses %1 premières lignes ont été lues.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 n&apos;est pas un fichier image.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Image non valide&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Image non valide&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>C&apos;est un lien symbolique, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Pipette et analyseur de couleurs</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Chargement... fichiers...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Logiciel libre sous licence MIT. Valeurs des couleurs nommées issues de listes publiques de noms de couleurs.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Chargement... Couleurs...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Erreur&#xa0;: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
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
        <translation>Case %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Fermer Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Réduire Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Toujours au premier plan  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Page web de Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Version&#xa0;: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Fermer  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>La palette a %1 cases vides&#xa0;; ces couleurs en demandent %2. Videz quelques cases et réessayez.</translation>
    </message>
</context>
</TS>
