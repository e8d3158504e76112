<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>sv::AboutWindow</name>
    <message>
        <source>About [ %1 ]</source>
        <translation>バージョン情報 [ %1 ]</translation>
    </message>
    <message>
        <source>Made by the Spectrivue makers - %1</source>
        <translation>Spectrivue 開発チーム作 - %1</translation>
    </message>
    <message>
        <source>A colour picker and colour analyst
for people who build web pages and programs.</source>
        <translation>Web ページやプログラムを作る人のための
カラーピッカー兼カラーアナライザー</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>
Version: </source>
        <translation>
バージョン: </translation>
    </message>
    <message>
        <source>Let us know if you can help...

=&gt; You&apos;d like to try create the help file of this program in your language?    

Send in files: DOC, TXT, PDF...

E-mail address: </source>
        <translation>お手伝いいただける方はご連絡ください...

=&gt; このプログラムのヘルプをあなたの言語で書いてみませんか?    

ファイル形式: DOC, TXT, PDF...

メールアドレス: </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  ヘルプ  </translation>
    </message>
    <message>
        <source>  About  </source>
        <translation>  バージョン情報  </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>sv::ColorAnalysisView</name>
    <message>
        <source>Passing colours</source>
        <translation>基準を満たす色</translation>
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
        <translation>%1 を満たす文字</translation>
    </message>
    <message>
        <source>Background passing %1</source>
        <translation>%1 を満たす背景</translation>
    </message>
    <message>
        <source>As others see it</source>
        <translation>ほかの人の見え方</translation>
    </message>
    <message>
        <source>%1: current colour</source>
        <translation>%1: 現在の色</translation>
    </message>
    <message>
        <source>%1: current colour and contrast</source>
        <translation>%1: 現在の色とコントラスト</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>サンプルテキスト</translation>
    </message>
    <message>
        <source>%1: sample</source>
        <translation>%1: サンプル</translation>
    </message>
    <message>
        <source>Harmonies</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>To Palette</source>
        <translation>パレットへ</translation>
    </message>
    <message>
        <source>  Put the %1 colours into the palette&apos;s first empty swatches  </source>
        <translation>  %1 色をパレットの最初の空きスウォッチに入れる  </translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使う</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Out of reach</source>
        <translation>到達不可</translation>
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
        <translation>AA 大 3:1</translation>
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
        <translation>補色</translation>
    </message>
    <message>
        <source>Split complementary</source>
        <translation>分裂補色</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>トライアド</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>類似色</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>テトラード</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>1 型色覚 (P 型)</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>2 型色覚 (D 型)</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>3 型色覚 (T 型)</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>1 色覚</translation>
    </message>
</context>
<context>
    <name>sv::ColorDetailsWindow</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>  Copy %1  </source>
        <translation>  %1 をコピー  </translation>
    </message>
    <message>
        <source> Pass</source>
        <translation> 合格</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> 不合格</translation>
    </message>
    <message>
        <source>[ Colour Details ]</source>
        <translation>[ 色の詳細 ]</translation>
    </message>
    <message>
        <source>Contrast on the last colour</source>
        <translation>直前の色に対するコントラスト</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>通常の文字</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>大きな文字</translation>
    </message>
    <message>
        <source>Interface parts</source>
        <translation>UI 部品</translation>
    </message>
    <message>
        <source>APCA</source>
        <translation>APCA</translation>
    </message>
    <message>
        <source>Nearest name</source>
        <translation>最も近い名前</translation>
    </message>
    <message>
        <source>Sample text in the current colour</source>
        <translation>現在の色のサンプルテキスト</translation>
    </message>
    <message>
        <source>Large sample</source>
        <translation>大きなサンプル</translation>
    </message>
    <message>
        <source>Add Format...</source>
        <translation>形式を追加...</translation>
    </message>
    <message>
        <source>  Add a format of your own from a template  </source>
        <translation>  テンプレートから独自の形式を追加  </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>  Remove %1  </source>
        <translation>  %1 を削除  </translation>
    </message>
    <message>
        <source>Your formats could not be saved in %1.</source>
        <translation>独自の形式を %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>CSS rgb, comma form</source>
        <translation>CSS rgb (カンマ区切り)</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全一致</translation>
    </message>
    <message>
        <source>Sample text in the last colour</source>
        <translation>直前の色のサンプルテキスト</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridView</name>
    <message>
        <source>Color grid</source>
        <translation>カラーグリッド</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>セル %1</translation>
    </message>
</context>
<context>
    <name>sv::ColorGridWindow</name>
    <message>
        <source>%1 [ Version: %2 ]</source>
        <translation>%1 [ バージョン: %2 ]</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  閉じる  </translation>
    </message>
    <message>
        <source>Style sheet</source>
        <translation>スタイルシート</translation>
    </message>
    <message>
        <source>New Style - Body</source>
        <translation>新しいスタイル - 本文</translation>
    </message>
    <message>
        <source>New Style - Link</source>
        <translation>新しいスタイル - リンク</translation>
    </message>
    <message>
        <source>New Style - Border</source>
        <translation>新しいスタイル - 枠線</translation>
    </message>
    <message>
        <source>New Style - Column</source>
        <translation>新しいスタイル - 列</translation>
    </message>
    <message>
        <source>New Style - Cass</source>
        <translation>新しいスタイル - クラス</translation>
    </message>
    <message>
        <source>Style rule</source>
        <translation>スタイル規則</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>シミュレート</translation>
    </message>
</context>
<context>
    <name>sv::CommandButtons</name>
    <message>
        <source>Color from Screen</source>
        <translation>画面から色を取得</translation>
    </message>
    <message>
        <source>  Color from Screen  - { F9 }  </source>
        <translation>  画面から色を取得  - { F9 }  </translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>グラデ</translation>
    </message>
    <message>
        <source>  Gradient Creator  </source>
        <translation>  グラデーション作成  </translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>  Big Color Grid  </source>
        <translation>  大きなカラーグリッド  </translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>  Capture Magnification  </source>
        <translation>  拡大キャプチャ  </translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>  Extract Bitmap Color  </source>
        <translation>  画像の色を抽出  </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>色名</translation>
    </message>
    <message>
        <source>  Color Names  </source>
        <translation>  色の名前  </translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>  System Color Picker  </source>
        <translation>  システムの色選択  </translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>  Options...      </source>
        <translation>  オプション...      </translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>  About Spectrivue  </source>
        <translation>  Spectrivue について  </translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>  New Palette  </source>
        <translation>  新しいパレット  </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>  Open Palette  </source>
        <translation>  パレットを開く  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>  Save Palette  </source>
        <translation>  パレットを保存  </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>  Exit  </source>
        <translation>  終了  </translation>
    </message>
</context>
<context>
    <name>sv::ComponentEditor</name>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
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
        <translation>デスクトップポータルが %1 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus to reach the desktop portal.</source>
        <translation>デスクトップポータルに接続するための D-Bus セッションバスがありません。</translation>
    </message>
    <message>
        <source>No desktop portal with a screenshot service answers on this desktop, so colours cannot be picked from the screen.</source>
        <translation>このデスクトップではスクリーンショット機能を持つデスクトップポータルが応答しないため、画面から色を取得できません。</translation>
    </message>
    <message>
        <source>The desktop portal refused: %1</source>
        <translation>デスクトップポータルが拒否しました: %1</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a colour.</source>
        <translation>デスクトップポータルは色を取得できませんでした。</translation>
    </message>
    <message>
        <source>The desktop portal could not take a screenshot.</source>
        <translation>デスクトップポータルはスクリーンショットを撮れませんでした。</translation>
    </message>
    <message>
        <source>The desktop portal answered with a colour that cannot be read.</source>
        <translation>デスクトップポータルが読み取れない色を返しました。</translation>
    </message>
    <message>
        <source>The desktop portal answered with a screenshot that cannot be read: %1</source>
        <translation>デスクトップポータルが読み取れないスクリーンショットを返しました: %1</translation>
    </message>
    <message>
        <source>The screenshot %1 cannot be read: %2</source>
        <translation>スクリーンショット %1 を読み取れません: %2</translation>
    </message>
</context>
<context>
    <name>sv::FrozenFramePick</name>
    <message>
        <source>Frozen screen</source>
        <translation>静止した画面</translation>
    </message>
</context>
<context>
    <name>sv::GlobalShortcut</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>画面から色を取得</translation>
    </message>
</context>
<context>
    <name>sv::GradientGeneratorWindow</name>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Start Color</source>
        <translation>開始色</translation>
    </message>
    <message>
        <source>End Color</source>
        <translation>終了色</translation>
    </message>
    <message>
        <source>[ Gradient Generator ]</source>
        <translation>[ グラデーション生成 ]</translation>
    </message>
    <message>
        <source>All Grid</source>
        <translation>グリッド全体</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Gradient target</source>
        <translation>グラデーションの出力先</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>%1 must hold a number from -32768 to 32767.</source>
        <translation>%1 には -32768 から 32767 までの数を入れてください。</translation>
    </message>
    <message>
        <source>  Create Gradient  </source>
        <translation>  グラデーションを作成  </translation>
    </message>
</context>
<context>
    <name>sv::GradientStrips</name>
    <message>
        <source>Blend from the current to the last colour</source>
        <translation>現在の色から直前の色へのブレンド</translation>
    </message>
    <message>
        <source>Last colour to black, then the spectrum</source>
        <translation>直前の色から黒へ、続いてスペクトル</translation>
    </message>
</context>
<context>
    <name>sv::HistoryWindow</name>
    <message>
        <source>yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>[ History ]</source>
        <translation>[ 履歴 ]</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>History of picks</source>
        <translation>取得した色の履歴</translation>
    </message>
    <message>
        <source>pinned</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Pinned: kept when older picks go</source>
        <translation>固定: 古い色が消えても残ります</translation>
    </message>
    <message>
        <source>Click to pin</source>
        <translation>クリックで固定</translation>
    </message>
    <message>
        <source>Remove every pick from the history except the pinned ones?</source>
        <translation>固定したもの以外のすべての色を履歴から削除しますか?</translation>
    </message>
</context>
<context>
    <name>sv::Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>ルーペ</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierView</name>
    <message>
        <source>Magnified screen</source>
        <translation>拡大した画面</translation>
    </message>
</context>
<context>
    <name>sv::MagnifierWindow</name>
    <message>
        <source>[ Image Magnification ]</source>
        <translation>[ 画像の拡大 ]</translation>
    </message>
    <message>
        <source>Picked colour</source>
        <translation>取得した色</translation>
    </message>
    <message>
        <source>Shades to black</source>
        <translation>黒までの階調</translation>
    </message>
    <message>
        <source>Shades to white</source>
        <translation>白までの階調</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Simulate:</source>
        <translation>シミュレート:</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>シミュレート</translation>
    </message>
    <message>
        <source>  Start Capture - { F10 }  </source>
        <translation>  キャプチャ開始 - { F10 }  </translation>
    </message>
</context>
<context>
    <name>sv::MainWindow</name>
    <message>
        <source>  Actual color  </source>
        <translation>  現在の色  </translation>
    </message>
    <message>
        <source>  Last color  </source>
        <translation>  直前の色  </translation>
    </message>
    <message>
        <source>Colour Details…</source>
        <translation>色の詳細…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>履歴…</translation>
    </message>
    <message>
        <source>The history of picks cannot be saved in %1.
It lasts until Spectrivue ends.</source>
        <translation>取得した色の履歴を %1 に保存できません。
Spectrivue を終了するまで保持されます。</translation>
    </message>
    <message>
        <source>The screen cannot be read here.</source>
        <translation>ここでは画面を読み取れません。</translation>
    </message>
    <message>
        <source>This desktop does not let programs read the screen, so it cannot be shown here.
F9 and Shift+F9 pick colours through the desktop portal.</source>
        <translation>このデスクトップはプログラムによる画面の読み取りを許可していないため、ここには表示できません。
F9 と Shift+F9 ではデスクトップポータル経由で色を取得します。</translation>
    </message>
</context>
<context>
    <name>sv::MaskChoice</name>
    <message>
        <source>Mask %1</source>
        <translation>マスク %1</translation>
    </message>
</context>
<context>
    <name>sv::NamedStrip</name>
    <message>
        <source>Colour names strip</source>
        <translation>色名の帯</translation>
    </message>
</context>
<context>
    <name>sv::NamesPanel</name>
    <message>
        <source>Enable drag and drop</source>
        <translation>ドラッグ＆ドロップ有効</translation>
    </message>
    <message>
        <source>Drag the child color and drop in Grid main.</source>
        <translation>子の色をドラッグしてメイングリッドにドロップしてください。</translation>
    </message>
    <message>
        <source>  Close  </source>
        <translation>  閉じる  </translation>
    </message>
    <message>
        <source>Start colour name</source>
        <translation>開始色の名前</translation>
    </message>
    <message>
        <source>End colour name</source>
        <translation>終了色の名前</translation>
    </message>
</context>
<context>
    <name>sv::NotationPanel</name>
    <message>
        <source>Hex code for VB</source>
        <translation>VB 用の 16 進コード</translation>
    </message>
    <message>
        <source>RGB as long for VB</source>
        <translation>VB 用の Long 型 RGB</translation>
    </message>
    <message>
        <source>Hex code for C++</source>
        <translation>C++ 用の 16 進コード</translation>
    </message>
    <message>
        <source>Hex code for Delphi</source>
        <translation>Delphi 用の 16 進コード</translation>
    </message>
    <message>
        <source>Code for Java</source>
        <translation>Java 用のコード</translation>
    </message>
    <message>
        <source>Code for Photoshop</source>
        <translation>Photoshop 用のコード</translation>
    </message>
    <message>
        <source>Hex code for HTML</source>
        <translation>HTML 用の 16 進コード</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>  Copy to Clipboard  </source>
        <translation>  クリップボードにコピー  </translation>
    </message>
</context>
<context>
    <name>sv::OptionsWindow</name>
    <message>
        <source>[ Options ]</source>
        <translation>[ オプション ]</translation>
    </message>
    <message>
        <source>Color Capture:</source>
        <translation>色のキャプチャ:</translation>
    </message>
    <message>
        <source>Zoom Capture:</source>
        <translation>ズームのキャプチャ:</translation>
    </message>
    <message>
        <source>Mask Color:</source>
        <translation>マスクの色:</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Down</source>
        <translation>キャプチャ終了 -&gt; ボタンを押したとき</translation>
    </message>
    <message>
        <source>Stop Capture -&gt; Mouse Up</source>
        <translation>キャプチャ終了 -&gt; ボタンを離したとき</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Click</source>
        <translation>グラデーション開始 -&gt; クリック</translation>
    </message>
    <message>
        <source>Start Gradient -&gt; Mouse Move</source>
        <translation>グラデーション開始 -&gt; マウス移動</translation>
    </message>
    <message>
        <source>Zoom 5x</source>
        <translation>ズーム 5x</translation>
    </message>
    <message>
        <source>Zoom 10x</source>
        <translation>ズーム 10x</translation>
    </message>
    <message>
        <source>Zoom 20x</source>
        <translation>ズーム 20x</translation>
    </message>
    <message>
        <source>The options cannot be saved in %1.
They apply until Spectrivue ends.</source>
        <translation>オプションを %1 に保存できません。
Spectrivue を終了するまで有効です。</translation>
    </message>
    <message>
        <source>Pick from Screen:</source>
        <translation>画面から取得:</translation>
    </message>
    <message>
        <source>Loupe at the pointer</source>
        <translation>ポインターの位置にルーペ</translation>
    </message>
    <message>
        <source>Sample size:</source>
        <translation>サンプルの大きさ:</translation>
    </message>
    <message>
        <source>1 × 1 pixel</source>
        <translation>1 × 1 ピクセル</translation>
    </message>
    <message>
        <source>%1 × %1 pixels, averaged</source>
        <translation>%1 × %1 ピクセルの平均</translation>
    </message>
    <message>
        <source>Copy when a pick is kept:</source>
        <translation>色を確定したときにコピー:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>sv::OwnFormatDialog</name>
    <message>
        <source>A &quot;}&quot; has no &quot;{&quot; before it.</source>
        <translation>「}」の前に「{」がありません。</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed.</source>
        <translation>「{」が閉じられていません。</translation>
    </message>
    <message>
        <source>%1 is not a placeholder: use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}.</source>
        <translation>%1 はプレースホルダーではありません: {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l} を使ってください。</translation>
    </message>
    <message>
        <source>Add Format</source>
        <translation>形式を追加</translation>
    </message>
    <message>
        <source>Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</source>
        <translation>プレースホルダー: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), {hex} {HEX}, {h} {s} {l}</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>テンプレート(&amp;T):</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>プレビュー:</translation>
    </message>
    <message>
        <source>This format cannot be added:
%1</source>
        <translation>この形式は追加できません:
%1</translation>
    </message>
    <message>
        <source>Give the format a name.</source>
        <translation>形式に名前を付けてください。</translation>
    </message>
    <message>
        <source>The template is empty.</source>
        <translation>テンプレートが空です。</translation>
    </message>
    <message>
        <source>A name or template cannot hold line breaks, tabs or other control characters.</source>
        <translation>名前とテンプレートには改行、タブなどの制御文字を含められません。</translation>
    </message>
    <message>
        <source>A name can be at most 64 characters long.</source>
        <translation>名前は 64 文字以内にしてください。</translation>
    </message>
    <message>
        <source>A template can be at most 1000 characters long.</source>
        <translation>テンプレートは 1000 文字以内にしてください。</translation>
    </message>
</context>
<context>
    <name>sv::PaletteCommands</name>
    <message>
        <source>All palettes (*.pal *.gpl *.ase)</source>
        <translation>すべてのパレット (*.pal *.gpl *.ase)</translation>
    </message>
    <message>
        <source>Load PSP Palette</source>
        <translation>PSP パレットを読み込む</translation>
    </message>
    <message>
        <source>Save PSP Palette</source>
        <translation>PSP パレットを保存</translation>
    </message>
    <message>
        <source>PSP Palette File (*.pal)</source>
        <translation>PSP パレットファイル (*.pal)</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>GIMP パレット (*.gpl)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS Custom Properties (*.css)</source>
        <translation>CSS カスタムプロパティ (*.css)</translation>
    </message>
</context>
<context>
    <name>sv::PaletteFiles</name>
    <message>
        <source>%1 is not a palette file.</source>
        <translation>%1 はパレットファイルではありません。</translation>
    </message>
    <message>
        <source>The palette file %1 could not be read:
%2</source>
        <translation>パレットファイル %1 を読み取れませんでした:
%2</translation>
    </message>
    <message>
        <source>The palette file %1 does not exist.</source>
        <translation>パレットファイル %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a palette file.</source>
        <translation>%1 はフォルダーで、パレットファイルではありません。</translation>
    </message>
    <message>
        <source>%1 holds %2 colours; the first %3 were loaded.</source>
        <translation>%1 には %2 色あります。最初の %3 色を読み込みました。</translation>
    </message>
    <message>
        <source>The palette could not be saved to %1:
%2</source>
        <translation>パレットを %1 に保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 colours; the first %3 were loaded.</source>
        <translation>%1 には %2 色を超える色があります。最初の %3 色を読み込みました。</translation>
    </message>
    <message>
        <source>%1: 1 line holding no colour was skipped.</source>
        <translation>%1: 色のない行を 1 行スキップしました。</translation>
    </message>
    <message>
        <source>%1: %2 lines holding no colour were skipped.</source>
        <translation>%1: 色のない行を %2 行スキップしました。</translation>
    </message>
</context>
<context>
    <name>sv::PictureColorsWindow</name>
    <message>
        <source>Windows Bitmap(*.bmp, *.dib) (*.bmp *.dib);;Windows Metafile (*.wmf, *.emf) (*.wmf *.emf);;Icons (*.ico, *.cur) (*.ico *.cur);;JPEG Bitmap (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe Bitmap (*.gif) (*.gif);;TIFF Bitmap (*.tif, *.tiff) (*.tif *.tiff);;All Files (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</source>
        <translation>Windows ビットマップ (*.bmp, *.dib) (*.bmp *.dib);;Windows メタファイル (*.wmf, *.emf) (*.wmf *.emf);;アイコン (*.ico, *.cur) (*.ico *.cur);;JPEG 画像 (*.jpg, *.jpeg) (*.jpg *.jpeg);;CompuServe 画像 (*.gif) (*.gif);;TIFF 画像 (*.tif, *.tiff) (*.tif *.tiff);;すべてのファイル (*.*) (*.bmp *.dib *.wmf *.emf *.ico *.cur *.jpg *.jpeg *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>[ Extract Bitmap Color ]</source>
        <translation>[ 画像の色を抽出 ]</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Open Bitmap File</source>
        <translation>画像ファイルを開く</translation>
    </message>
    <message>
        <source>All codes = %1 - Effective codes = %2</source>
        <translation>全コード数 = %1 - 有効コード数 = %2</translation>
    </message>
    <message>
        <source> - first %1 of %2 pixels</source>
        <translation> - %2 ピクセル中の最初の %1 ピクセル</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2</source>
        <translation>ページを %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Colours compared</source>
        <translation>比較する色</translation>
    </message>
    <message>
        <source>  Open Windows Bitmap  </source>
        <translation>  Windows ビットマップを開く  </translation>
    </message>
    <message>
        <source>  Paste Bitmap from Clipboard  </source>
        <translation>  クリップボードから画像を貼り付け  </translation>
    </message>
    <message>
        <source>  Generate Page/Table  </source>
        <translation>  ページ/表を生成  </translation>
    </message>
    <message>
        <source>  Open Page/Table Color  </source>
        <translation>  色のページ/表を開く  </translation>
    </message>
</context>
<context>
    <name>sv::PictureFile</name>
    <message>
        <source>

Load format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</source>
        <translation>

読み込める形式: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif .tiff         

</translation>
    </message>
    <message>
        <source>The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB decoded can be read.</source>
        <translation>画像が大きすぎます: %1 × %2 ピクセル。展開後 %3 MB までの画像を読み込めます。</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>無効な画像</translation>
    </message>
    <message>
        <source>The picture is incomplete: none of its rows could be read.</source>
        <translation>画像が不完全です: どの行も読み取れませんでした。</translation>
    </message>
    <message>
        <source>The picture is incomplete: only its first %1 rows were read.</source>
        <translation>画像が不完全です: 最初の %1 行だけを読み取りました。</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 は画像ファイルではありません。</translation>
    </message>
    <message>
        <source>Invalid picture: %1 %2</source>
        <translation>無効な画像: %1 %2</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <translation>無効な画像: %1</translation>
    </message>
</context>
<context>
    <name>sv::SafeFileText</name>
    <message>
        <source>No such file.</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>フォルダーです。ファイルではありません。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>ファイルが大きすぎます。</translation>
    </message>
    <message>
        <source>It is a symbolic link, not a file.</source>
        <translation>シンボリックリンクです。ファイルではありません。</translation>
    </message>
</context>
<context>
    <name>sv::StartupSplash</name>
    <message>
        <source>Colour picker and colour analyst</source>
        <translation>カラーピッカー兼カラーアナライザー</translation>
    </message>
    <message>
        <source>Loading... files...</source>
        <translation>読み込み中... ファイル...</translation>
    </message>
    <message>
        <source>Free software under the MIT licence. Named colour values from public colour-name lists.</source>
        <translation>MIT ライセンスのフリーソフトウェア。名前付きの色の値は公開されている色名一覧によります。</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Loading... Color...</source>
        <translation>読み込み中... 色...</translation>
    </message>
    <message>
        <source>Error: %1
%2%3
</source>
        <translation>エラー: %1
%2%3
</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>sv::SwatchGrid</name>
    <message>
        <source>Palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>Swatch %1</source>
        <translation>スウォッチ %1</translation>
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
        <translation>  Spectrivue を閉じる  </translation>
    </message>
    <message>
        <source>  Minimize Spectrivue  </source>
        <translation>  Spectrivue を最小化  </translation>
    </message>
    <message>
        <source>  On Top  </source>
        <translation>  常に手前に表示  </translation>
    </message>
    <message>
        <source>Spectrivue web page</source>
        <translation>Spectrivue の Web ページ</translation>
    </message>
    <message>
        <source>%1 [ Version: %2 ] - %3</source>
        <translation>%1 [ バージョン: %2 ] - %3</translation>
    </message>
</context>
<context>
    <name>sv::ToolWindow</name>
    <message>
        <source>  Close  </source>
        <translation>  閉じる  </translation>
    </message>
</context>
<context>
    <name>sv::ToolWindows</name>
    <message>
        <source>The palette has %1 empty swatches; these colours need %2. Empty some swatches and try again.</source>
        <translation>パレットの空きスウォッチは %1 個ですが、これらの色には %2 個必要です。スウォッチをいくつか空けてからやり直してください。</translation>
    </message>
</context>
</TS>
