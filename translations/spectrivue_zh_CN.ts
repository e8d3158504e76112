<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>关于 [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>由 Spectrivue 开发者制作 - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>为制作网页和程序的人打造的
取色器与颜色分析工具。</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
版本: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>如果您能帮忙，请告诉我们...

=&gt; 您愿意尝试用您的语言编写本程序的帮助文件吗？    

发送文件：DOC、TXT、PDF...

电子邮件地址: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  帮助  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  关于  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>达标的颜色</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Text passing %1</source>
        <translation>文字达到 %1</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>背景达到 %1</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>他人眼中的样子</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1：当前颜色</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1：当前颜色和对比度</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>示例文字</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1：示例</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>放入调色板</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  将这 %1 种颜色放入调色板最前面的空色块  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>达标</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>无法达到</translation>
    </message>
    <message>
        <source>AA 4.5:1</source>
        <translation>AA 4.5:1</translation>
    </message>
    <message>
        <source>AAA 7:1</source>
        <translation>AAA 7:1</translation>
    </message>
    <message>
        <source>AA large 3:1</source>
        <translation>AA 大字 3:1</translation>
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
        <translation>互补色</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>分裂互补色</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>三角配色</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>类似色</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>四角配色</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>红色盲</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>绿色盲</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>蓝色盲</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>全色盲</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  复制 %1  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> 通过</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> 未通过</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ 颜色详情 ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>与上一个颜色的对比度</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>普通文字</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>大号文字</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>界面元素</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>最接近的名称</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>当前颜色的示例文字</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>大号示例</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>添加格式...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  从模板添加自己的格式  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  移除 %1  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>无法将您的格式保存到 %1。</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb，逗号分隔</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>上一个颜色的示例文字</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>颜色网格</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>单元格 %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ 版本：%2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  关闭  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>样式表</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>新样式 - 正文</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>新样式 - 链接</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>新样式 - 边框</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>新样式 - 列</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>新样式 - 类</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>样式规则</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>模拟</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>屏幕取色</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  屏幕取色  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>渐变</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  渐变创建器  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  大颜色网格  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  放大捕获  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  提取图片颜色  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  颜色名称  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  系统颜色选择器  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  选项...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  关于 Spectrivue  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  新建调色板  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  打开调色板  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  保存调色板  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  退出  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>  Up/Down  </source>
        <translation>  上/下  </translation>
    </message>
</context>
<context>
    <name>sv::DesktopPortal</name>
    <message>
        <source>The desktop portal did not answer within %1 s.</source>
        <translation>桌面门户在 %1 秒内没有响应。</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>没有可连接桌面门户的 D-Bus 会话总线。</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>此桌面上没有提供截图服务的桌面门户响应，因此无法从屏幕取色。</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>桌面门户拒绝了请求：%1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>桌面门户未能取得颜色。</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>桌面门户未能截取屏幕。</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>桌面门户返回了无法读取的颜色。</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>桌面门户返回了无法读取的截图：%1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>无法读取截图 %1：%2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>冻结的屏幕</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>从屏幕取色</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>起始颜色</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>结束颜色</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ 渐变生成器 ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>整个网格</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>渐变目标</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 必须是 -32768 到 32767 之间的数字。</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  创建渐变  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>从当前颜色到上一个颜色的过渡</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>上一个颜色到黑色，然后是光谱</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ 历史记录 ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>取色历史记录</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>已固定</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>已固定：旧的取色被移除时保留</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>单击以固定</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>要从历史记录中移除除已固定外的所有取色吗？</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>放大镜</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>放大的屏幕</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ 图像放大 ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>取得的颜色</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>到黑色的色阶</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>到白色的色阶</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>模拟：</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>模拟</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  开始捕获 - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  当前颜色  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  上一个颜色  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>颜色详情…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>历史记录…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>无法将取色历史记录保存到 %1。
它会保留到 Spectrivue 关闭为止。</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>此处无法读取屏幕。</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>此桌面不允许程序读取屏幕，因此无法在此显示。
F9 和 Shift+F9 通过桌面门户取色。</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>遮罩 %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>颜色名称条</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>启用拖放</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>拖动子颜色并放到主网格中。</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  关闭  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>起始颜色名称</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>结束颜色名称</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>VB 十六进制代码</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>VB 长整型 RGB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>C++ 十六进制代码</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Delphi 十六进制代码</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Java 代码</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Photoshop 代码</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>HTML 十六进制代码</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  复制到剪贴板  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ 选项 ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>取色：</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>放大捕获：</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>遮罩颜色：</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>停止捕获 -&gt; 按下鼠标</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>停止捕获 -&gt; 松开鼠标</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>开始渐变 -&gt; 单击鼠标</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>开始渐变 -&gt; 移动鼠标</translation>
    </message>
    <message>
        <source>Zoom 5x</source>
        <translation>放大 5x</translation>
    </message>
    <message>
        <source>Zoom 10x</source>
        <translation>放大 10x</translation>
    </message>
    <message>
        <source>Zoom 20x</source>
        <translation>放大 20x</translation>
    </message>
    <message>
        <source>The options cannot be saved in %1.
They apply until Spectrivue ends.</source>
        <translation>无法将选项保存到 %1。
它们在 Spectrivue 关闭前有效。</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>从屏幕取色：</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>指针处显示放大镜</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>取样大小：</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 像素</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 像素平均</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>保留取色时复制：</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>“}” 前面没有 “{”。</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>“{” 没有闭合。</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 不是占位符：请使用 {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}。</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>添加格式</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>占位符：{r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>模板(&amp;T)：</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>预览：</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>无法添加此格式：
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>请为格式命名。</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>模板为空。</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>名称或模板不能包含换行符、制表符或其他控制字符。</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>名称最多 64 个字符。</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>模板最多 1000 个字符。</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>所有调色板 (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>载入 PSP 调色板</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>保存 PSP 调色板</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>PSP 调色板文件 (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>GIMP 调色板 (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>CSS 自定义属性 (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 不是调色板文件。</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>无法读取调色板文件 %1：
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>调色板文件 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 是文件夹，不是调色板文件。</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 含有 %2 种颜色；已载入前 %3 种。</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>无法将调色板保存到 %1：
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 含有超过 %2 种颜色；已载入前 %3 种。</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1：跳过了 1 行没有颜色的内容。</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1：跳过了 %2 行没有颜色的内容。</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Windows 位图 (*.bmp, *.dib) (*.bmp *.dib);;Windows 图元文件 (*.wmf, *.emf) (*.wmf *.emf);;图标 (*.ico, *.cur) (*.ico *.cur);;JPEG 图像 (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe 图像 (*.gif) (*.gif);;TIFF 图像 (*.tif, *.tiff) (*.tif *.tiff);;所有文件 (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ 提取图片颜色 ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>打开图片文件</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>全部代码 = %1 - 有效代码 = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - %2 个像素中的前 %1 个</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>无法将页面写入 %1：%2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>比较的颜色</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  打开 Windows 位图  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  从剪贴板粘贴图片  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  生成页面/表格  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  打开颜色页面/表格  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

可载入的格式：.bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>图片太大：%1 × %2 像素。只能读取解码后不超过 %3 MB 的图片。</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>无效的图片</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>图片不完整：没有一行能被读取。</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>图片不完整：只读取了前 %1 行。</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 不是图片文件。</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>无效的图片：%1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>无效的图片：%1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>没有这个文件。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>文件太大。</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>这是符号链接，不是文件。</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>取色器与颜色分析工具</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>正在载入... 文件...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>MIT 许可证下的自由软件。命名颜色的值来自公开的颜色名称列表。</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在载入...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>正在载入... 颜色...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>错误：%1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在载入</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>色块 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>sv::TitleBar</name>
    <message>
        <source>  Close Spectrivue  </source>
        <translation>  关闭 Spectrivue  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  最小化 Spectrivue  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  置顶  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Spectrivue 网页</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ 版本：%2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  关闭  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>调色板有 %1 个空色块；这些颜色需要 %2 个。请清空一些色块后重试。</translation>
    </message>
</context>
</TS>
