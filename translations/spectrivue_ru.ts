<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>О программе [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Создано авторами Spectrivue - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Пипетка и анализатор цвета
для тех, кто делает веб-страницы и программы.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
Версия: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>Сообщите нам, если можете помочь...

=&gt; Хотите попробовать написать справку к этой программе на своём языке?    

Присылайте файлы: DOC, TXT, PDF...

Адрес электронной почты: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Справка  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  О программе  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>Подходящие цвета</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>Текст проходит %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>Фон проходит %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>Как видят другие</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: текущий цвет</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: текущий цвет и контраст</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Пример текста</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: пример</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>Гармонии</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>В палитру</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  Поместить цвета (%1) в первые пустые ячейки палитры  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Проходит</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>Недостижимо</translation>
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
        <translation>AA крупный 3:1</translation>
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
        <translation>Дополнительные</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>Расщеплённые дополнительные</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Триада</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Аналоговые</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Тетрада</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Протанопия</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Дейтеранопия</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Тританопия</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Ахроматопсия</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  Копировать %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> Пройден</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> Не пройден</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ Сведения о цвете ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>Контраст с последним цветом</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Обычный текст</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Крупный текст</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>Элементы интерфейса</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>Ближайшее название</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>Пример текста текущим цветом</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>Крупный пример</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>Добавить формат...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  Добавить свой формат по шаблону  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  Удалить %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>Не удалось сохранить ваши форматы в %1.</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb, через запятую</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>точно</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>Пример текста последним цветом</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>Сетка цветов</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Ячейка %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ Версия: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Закрыть  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>Таблица стилей</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>Новый стиль - Тело</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>Новый стиль - Ссылка</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>Новый стиль - Рамка</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>Новый стиль - Столбец</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>Новый стиль - Класс</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>Правило стиля</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Имитировать</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>Цвет с экрана</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  Цвет с экрана  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Градиент</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  Создание градиента  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  Большая сетка цветов  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  Увеличенный захват  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Рисунок</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  Извлечь цвета из рисунка  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Названия</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  Названия цветов  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  Системный выбор цвета  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  Опции...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  О программе Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  Новая палитра  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  Открыть палитру  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  Сохранить палитру  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  Выход  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  Вверх/Вниз  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>Портал рабочего стола не ответил за %1 с.</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>Нет сеансовой шины D-Bus, через которую можно связаться с порталом рабочего стола.</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>На этом рабочем столе не отвечает ни один портал со службой снимков экрана, поэтому брать цвета с экрана нельзя.</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>Портал рабочего стола отказал: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>Порталу рабочего стола не удалось взять цвет.</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>Порталу рабочего стола не удалось сделать снимок экрана.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>Портал рабочего стола ответил цветом, который нельзя прочитать.</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>Портал рабочего стола ответил снимком экрана, который нельзя прочитать: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать снимок экрана %1: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>Застывший экран</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Взять цвет с экрана</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>Начальный цвет</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>Конечный цвет</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ Генератор градиентов ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>Вся сетка</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>Куда поместить градиент</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 должно содержать число от -32768 до 32767.</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  Создать градиент  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>Переход от текущего цвета к последнему</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>Последний цвет до чёрного, затем спектр</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>вчера</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ Журнал ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>Журнал взятых цветов</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>закреплён</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>Закреплён: остаётся, когда старые цвета уходят</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>Нажмите, чтобы закрепить</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>Удалить из журнала все взятые цвета, кроме закреплённых?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Лупа</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>Увеличенный экран</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ Увеличение изображения ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>Взятый цвет</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>Оттенки до чёрного</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>Оттенки до белого</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>Имитировать:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Имитировать</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  Начать захват - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  Текущий цвет  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  Последний цвет  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>Сведения о цвете…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Журнал…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>Не удаётся сохранить журнал взятых цветов в %1.
Он сохранится до закрытия Spectrivue.</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>Здесь нельзя прочитать экран.</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>Этот рабочий стол не разрешает программам читать экран, поэтому его нельзя показать здесь.
F9 и Shift+F9 берут цвета через портал рабочего стола.</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>Маска %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>Полоса названий цветов</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>Включить перетаскивание</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>Перетащите дочерний цвет и отпустите его на основной сетке.</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  Закрыть  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>Название начального цвета</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>Название конечного цвета</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>Шестнадцатеричный код для VB</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>RGB как long для VB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>Шестнадцатеричный код для C++</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Шестнадцатеричный код для Delphi</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Код для Java</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Код для Photoshop</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>Шестнадцатеричный код для HTML</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  Копировать в буфер обмена  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ Опции ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>Захват цвета:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>Захват увеличения:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>Цвет маски:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>Конец захвата -&gt; Нажатие кнопки</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>Конец захвата -&gt; Отпускание кнопки</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>Начало градиента -&gt; Щелчок мыши</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>Начало градиента -&gt; Движение мыши</translation>
    </message>
    <message>
        <source>Zoom 5x</source>
        <translation>Увеличение 5x</translation>
    </message>
    <message>
        <source>Zoom 10x</source>
        <translation>Увеличение 10x</translation>
    </message>
    <message>
        <source>Zoom 20x</source>
        <translation>Увеличение 20x</translation>
    </message>
    <message>
        <source>The options cannot be saved in %1.
They apply until Spectrivue ends.</source>
        <translation>Не удаётся сохранить параметры в %1.
Они действуют до закрытия Spectrivue.</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>Взятие с экрана:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>Лупа у указателя</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>Размер образца:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 пиксель</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 пикселей, среднее</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>Копировать сохранённый цвет:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>Перед «}» нет «{».</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>«{» не закрыта.</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 не является подстановкой: используйте {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>Добавить формат</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>Подстановки: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Шаблон:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Просмотр:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>Этот формат нельзя добавить:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>Дайте формату название.</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>Шаблон пуст.</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>Название и шаблон не могут содержать переводы строк, табуляции и другие управляющие символы.</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>Название может быть не длиннее 64 символов.</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>Шаблон может быть не длиннее 1000 символов.</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>Все палитры (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>Загрузить палитру PSP</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>Сохранить палитру PSP</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>Файл палитры PSP (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Палитра GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>Пользовательские свойства CSS (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 не является файлом палитры.</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>Не удалось прочитать файл палитры %1:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>Файл палитры %1 не существует.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 является папкой, а не файлом палитры.</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>Цветов в %1: %2; загружены первые %3.</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>Не удалось сохранить палитру в %1:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>Цветов в %1 больше %2; загружены первые %3.</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: пропущена 1 строка без цвета.</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: пропущено строк без цвета: %2.</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Точечный рисунок Windows (*.bmp, *.dib) (*.bmp *.dib);;Метафайл Windows (*.wmf, *.emf) (*.wmf *.emf);;Значки (*.ico, *.cur) (*.ico *.cur);;Изображение JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg);;Изображение CompuServe (*.gif) (*.gif);;Изображение TIFF (*.tif, *.tiff) (*.tif *.tiff);;Все файлы (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ Извлечь цвета из рисунка ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Рисунок</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>Открыть файл рисунка</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>Всего кодов = %1 - Действующих кодов = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - первые %1 из %2 пикселей</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>Не удаётся записать страницу в %1: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>Сравниваемые цвета</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Открыть точечный рисунок Windows  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  Вставить рисунок из буфера обмена  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  Создать страницу/таблицу  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  Открыть страницу/таблицу цветов  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

Читаемые форматы: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>Рисунок слишком большой: %1 × %2 пикселей. Читаются рисунки размером до %3 МБ в распакованном виде.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Неверный рисунок</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>Рисунок неполный: не удалось прочитать ни одной его строки.</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>Рисунок неполный: прочитаны только первые строки (%1).</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 не является файлом рисунка.</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>Неверный рисунок: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Неверный рисунок: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>Нет такого файла.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Файл слишком большой.</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>Это символическая ссылка, а не файл.</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>Пипетка и анализатор цвета</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>Загрузка... файлы...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>Свободная программа под лицензией MIT. Значения именованных цветов взяты из открытых списков названий цветов.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>Загрузка... Цвета...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>Ошибка: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>Палитра</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>Ячейка %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  Закрыть Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Свернуть Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  Поверх всех окон  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Веб-страница Spectrivue</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ Версия: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  Закрыть  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>Пустых ячеек в палитре: %1; этим цветам нужно: %2. Освободите несколько ячеек и попробуйте снова.</translation>
    </message>
</context>
</TS>
