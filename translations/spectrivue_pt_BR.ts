<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>Sobre [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Feito pelos criadores do Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Um seletor e analisador de cores
para quem cria páginas web e programas.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Versão: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Avise-nos se puder ajudar...

=&gt; Gostaria de tentar criar o arquivo de ajuda deste programa no seu idioma?    

Envie arquivos: DOC, TXT, PDF...

Endereço de e-mail: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Ajuda  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  Sobre  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Cores aprovadas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Texto aprovado em %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Fundo aprovado em %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Como outras pessoas veem</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: cor atual</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: cor atual e contraste</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texto de exemplo</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: exemplo</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Harmonias</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>Para a Paleta</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Pôr as cores (%1) nas primeiras amostras vazias da paleta  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Aprovado</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Inalcançável</translation>
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
        <translation>Complementar</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Complementar dividida</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Tríade</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Análogas</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tétrade</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>Copiar</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Copiar %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Aprovado</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Reprovado</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Detalhes da Cor ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Contraste sobre a última cor</translation>
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
        <translation>Partes da interface</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Nome mais próximo</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Texto de exemplo na cor atual</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Exemplo grande</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Adicionar Formato...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Adicionar um formato próprio a partir de um modelo  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Remover %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Não foi possível salvar seus formatos em %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, com vírgulas</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exato</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Texto de exemplo na última cor</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Grade de cores</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Célula %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Versão: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Fechar  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Folha de estilo</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Novo Estilo - Corpo</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Novo Estilo - Link</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Novo Estilo - Borda</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Novo Estilo - Coluna</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Novo Estilo - Classe</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Regra de estilo</translation>
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
        <translation>Cor da Tela</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Cor da Tela  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradê</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Criador de Degradê  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Grade Grande de Cores  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Captura Ampliada  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Extrair Cores da Imagem  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Nomes de Cores  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Seletor de Cores do Sistema  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Opções...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  Sobre o Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Nova Paleta  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Abrir Paleta  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Salvar Paleta  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Sair  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>  Cima/Baixo  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>O portal da área de trabalho não respondeu em %1 s.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Não há barramento de sessão D-Bus para alcançar o portal da área de trabalho.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>Nenhum portal da área de trabalho com serviço de captura de tela responde nesta área de trabalho, por isso não é possível escolher cores da tela.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>O portal da área de trabalho recusou: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>O portal da área de trabalho não conseguiu escolher uma cor.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>O portal da área de trabalho não conseguiu capturar a tela.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>O portal da área de trabalho respondeu com uma cor que não pode ser lida.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>O portal da área de trabalho respondeu com uma captura de tela que não pode ser lida: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>A captura de tela %1 não pode ser lida: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Tela congelada</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Capturar uma cor da tela</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Cor Inicial</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Cor Final</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Gerador de Degradê ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Toda a Grade</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Destino do degradê</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 deve conter um número de -32768 a 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Criar Degradê  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Mistura da cor atual até a última cor</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Última cor até o preto, depois o espectro</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>ontem</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Histórico ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Histórico de capturas</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>fixada</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Fixada: fica quando as capturas antigas saem</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Clique para fixar</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Remover do histórico todas as capturas, menos as fixadas?</translation>
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
        <translation>Tela ampliada</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Ampliação da Imagem ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Cor escolhida</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Tons até o preto</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Tons até o branco</translation>
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
        <translation>  Iniciar Captura - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Cor atual  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Última cor  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Detalhes da Cor…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Histórico…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>O histórico de capturas não pode ser salvo em %1.
Ele dura até o Spectrivue ser fechado.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>A tela não pode ser lida aqui.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Esta área de trabalho não deixa os programas lerem a tela, por isso ela não pode ser mostrada aqui.
F9 e Shift+F9 capturam cores pelo portal da área de trabalho.</translation>
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
        <translation>Faixa de nomes de cores</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Ativar arrastar e soltar</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Arraste a cor filha e solte na grade principal.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Fechar  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Nome da cor inicial</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Nome da cor final</translation>
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
        <translation>  Copiar para a Área de Transferência  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Opções ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Captura de Cor:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Captura de Zoom:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Cor da Máscara:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Parar Captura -&gt; Botão Pressionado</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Parar Captura -&gt; Botão Solto</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Iniciar Degradê -&gt; Clique do Mouse</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Iniciar Degradê -&gt; Movimento do Mouse</translation>
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
        <translation>Não é possível salvar as opções em %1.
Elas valem até o Spectrivue ser encerrado.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Capturar da tela:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Lupa junto ao ponteiro</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Tamanho da amostra:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 pixel</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 pixels, em média</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Copiar ao manter uma captura:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Um &quot;}&quot; não tem um &quot;{&quot; antes dele.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>Um &quot;{&quot; não foi fechado.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 não é um marcador: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Adicionar Formato</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Marcadores: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Prévia:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Este formato não pode ser adicionado:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Dê um nome ao formato.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>O modelo está vazio.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Um nome ou modelo não pode conter quebras de linha, tabulações ou outros caracteres de controle.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Um nome pode ter no máximo 64 caracteres.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Um modelo pode ter no máximo 1000 caracteres.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Todas as paletas (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Carregar Paleta PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Salvar Paleta PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>Arquivo de Paleta PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Paleta do GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Propriedades Personalizadas CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 não é um arquivo de paleta.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Não foi possível ler o arquivo de paleta %1:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>O arquivo de paleta %1 não existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 é uma pasta, não um arquivo de paleta.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 contém %2 cores; as primeiras %3 foram carregadas.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar a paleta em %1:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 contém mais de %2 cores; as primeiras %3 foram carregadas.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: 1 linha sem cor foi ignorada.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: %2 linhas sem cor foram ignoradas.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Bitmap do Windows (*.bmp, *.dib) (*.bmp *.dib);;Metarquivo do Windows (*.wmf, *.emf) (*.wmf *.emf);;Ícones (*.ico, *.cur) (*.ico *.cur);;Imagem JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Imagem CompuServe (*.gif) (*.gif);;Imagem TIFF (*.tif, *.tiff) (*.tif *.tiff);;Todos os Arquivos (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Extrair Cores da Imagem ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Abrir Arquivo de Imagem</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Todos os códigos = %1 - Códigos efetivos = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - primeiros %1 de %2 pixels</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>Não é possível gravar a página em %1: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Cores comparadas</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Abrir Bitmap do Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Colar Imagem da Área de Transferência  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Gerar Página/Tabela  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Abrir Página/Tabela de Cores  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Formatos aceitos: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>A imagem é grande demais: %1 × %2 pixels. Podem ser lidas imagens de até %3 MB decodificadas.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>A imagem está incompleta: nenhuma de suas linhas pôde ser lida.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>A imagem está incompleta: só as primeiras %1 linhas foram lidas.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 não é um arquivo de imagem.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Imagem inválida: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Imagem inválida: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Arquivo inexistente.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>O arquivo é grande demais.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>É um link simbólico, não um arquivo.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Seletor e analisador de cores</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Carregando... arquivos...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Software livre sob a licença MIT. Valores das cores nomeadas de listas públicas de nomes de cores.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Carregando... Cor...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Erro: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
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
        <translation>Amostra %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Fechar o Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Minimizar o Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Sempre Visível  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Página web do Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Versão: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Fechar  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>A paleta tem %1 amostras vazias; estas cores precisam de %2. Esvazie algumas amostras e tente de novo.</translation>
    </message>
</context>
</TS>
