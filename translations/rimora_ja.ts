<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Colors</name>
    <message>
        <source>Scroll Bar</source>
        <translation>スクロールバー</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>アクティブなタイトルバー</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>非アクティブなタイトルバー</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Window Background</source>
        <translation>ウィンドウの背景</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>ウィンドウの枠</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>メニューの文字</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>ウィンドウの文字</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>タイトルバーの文字</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>アクティブな境界</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>非アクティブな境界</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>アプリケーションの作業領域</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>選択項目</translation>
    </message>
    <message>
        <source>Highlighted Text</source>
        <translation>選択項目の文字</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>ボタンの表面</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>ボタンの影</translation>
    </message>
    <message>
        <source>Grey Text</source>
        <translation>淡色表示の文字</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>ボタンの文字</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>非アクティブなタイトルバーの文字</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>ボタンのハイライト</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>3D の濃い影</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>3D の明るい面</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>ヒントの文字</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>ヒントの背景</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>ホットトラック</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>アクティブなタイトルバー (グラデーション)</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>非アクティブなタイトルバー (グラデーション)</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>メニューの選択項目</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>紺</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>マネーグリーン</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>スカイブルー</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>クリーム</translation>
    </message>
    <message>
        <source>Medium Grey</source>
        <translation>中間の灰色</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>「%1」は有効な浮動小数点数ではありません</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Image width:</source>
        <translation>画像の幅:</translation>
    </message>
    <message>
        <source>Image height:</source>
        <translation>画像の高さ:</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既にあります。
置き換えますか?</translation>
    </message>
    <message>
        <source>This image would take %1 MB; at most %2 MB.</source>
        <translation>この画像は %1 MB になります。上限は %2 MB です。</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>A measurement of the wheel is too large to draw.</source>
        <translation>ホイールの寸法が大きすぎて描画できません。</translation>
    </message>
    <message>
        <source>The %1 hole count must be between 1 and %2.</source>
        <translation>%1の穴数は 1 から %2 までにしてください。</translation>
    </message>
    <message>
        <source>Choose the hub and rim hole counts on the &quot;Data&quot; tab to draw the spokes.</source>
        <translation>スポークを描くには「データ」タブでハブとリムの穴数を選んでください。</translation>
    </message>
    <message>
        <source>Choose the hub hole count on the &quot;Data&quot; tab to draw the spokes.</source>
        <translation>スポークを描くには「データ」タブでハブの穴数を選んでください。</translation>
    </message>
    <message>
        <source>Choose the rim hole count on the &quot;Data&quot; tab to draw the spokes.</source>
        <translation>スポークを描くには「データ」タブでリムの穴数を選んでください。</translation>
    </message>
    <message>
        <source>hub</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>rim</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>The %1 is too large to draw.</source>
        <translation>%1が大きすぎて描画できません。</translation>
    </message>
    <message>
        <source>The drawing area of %1 x %2 pixels cannot be drawn on.</source>
        <translation>%1 x %2 ピクセルの描画領域には描画できません。</translation>
    </message>
    <message>
        <source>The rim type gives a bead seat diameter of %1 mm; choose a rim type on the &quot;Data&quot; tab.</source>
        <translation>このリムタイプのビード座径は %1 mm です。「データ」タブでリムタイプを選んでください。</translation>
    </message>
    <message>
        <source>rim band height</source>
        <translation>リムの帯の高さ</translation>
    </message>
    <message>
        <source>flange diameter</source>
        <translation>フランジ径</translation>
    </message>
    <message>
        <source>left flange diameter</source>
        <translation>左フランジ径</translation>
    </message>
    <message>
        <source>right flange diameter</source>
        <translation>右フランジ径</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>リストの添字が範囲外です (%1)</translation>
    </message>
    <message>
        <source>Grid index out of range (column %1)</source>
        <translation>表の添字が範囲外です (列 %1)</translation>
    </message>
    <message>
        <source>Grid index out of range (row %1)</source>
        <translation>表の添字が範囲外です (行 %1)</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>予期しないエラーです</translation>
    </message>
    <message>
        <source>it is too large to be one of Rimora&apos;s files, so it is kept as it is</source>
        <translation>Rimora のファイルとしては大きすぎるため、そのまま残します</translation>
    </message>
    <message>
        <source>it could not be read (%1), so it is kept as it is</source>
        <translation>読み込めなかった (%1) ため、そのまま残します</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>Lacing</name>
    <message>
        <source>Choose the hub and rim hole counts on the &quot;Data&quot; tab to lace the wheel.</source>
        <translation>ホイールを組むには「データ」タブでハブとリムの穴数を選んでください。</translation>
    </message>
    <message>
        <source>Choose the hub hole count (HUB) on the &quot;Data&quot; tab to lace the wheel.</source>
        <translation>ホイールを組むには「データ」タブの「ハブ」で穴数を選んでください。</translation>
    </message>
    <message>
        <source>Choose the rim hole count (RIM) on the &quot;Data&quot; tab to lace the wheel.</source>
        <translation>ホイールを組むには「データ」タブの「リム」で穴数を選んでください。</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>all run clockwise</source>
        <translation>すべて時計回り</translation>
    </message>
    <message>
        <source>all run anticlockwise</source>
        <translation>すべて反時計回り</translation>
    </message>
    <message>
        <source>Flanges of %1 spokes cannot all alternate leading/trailing; same way: %2.</source>
        <translation>スポーク %1 本のフランジでは引きと押しを交互にできません。同じ向き: %2。</translation>
    </message>
    <message>
        <source>%1 %2x (%3x at most)</source>
        <translation>%1 %2x (最大 %3x)</translation>
    </message>
    <message>
        <source>Spokes leave the hub beyond the tangent, across the flange: %1.</source>
        <translation>スポークが接線を越え、フランジを横切ってハブから出ます: %1。</translation>
    </message>
    <message>
        <source>The headings row cannot be renumbered</source>
        <translation>見出しの行には番号を振り直せません</translation>
    </message>
    <message>
        <source>Only the -&gt;H and Length columns can be renumbered</source>
        <translation>番号を振り直せるのは「-&gt;H」列と「長さ」列だけです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no hole count: choose a number of holes from 1 to %2</source>
        <translation>「%1」は穴数ではありません: 1 から %2 までの穴数を選んでください</translation>
    </message>
    <message>
        <source>HUB</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>RIM</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Choose the hole counts on the &quot;Data&quot; tab.</source>
        <translation>「データ」タブで穴数を選んでください。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>Rim hole %1 is beyond the rim&apos;s %2 holes: it is not counted.</source>
        <translation>リム穴 %1 はリムの %2 穴を超えています。数えません。</translation>
    </message>
    <message>
        <source>Rim hole %1 is laced to hub hole %2, beyond the hub&apos;s %3 holes: it is not counted.</source>
        <translation>リム穴 %1 はハブの %3 穴を超えるハブ穴 %2 に組まれています。数えません。</translation>
    </message>
    <message>
        <source>Hub hole %1 is laced from rim holes %2: only rim hole %3 is counted.</source>
        <translation>ハブ穴 %1 はリム穴 %2 から組まれています。リム穴 %3 だけを数えます。</translation>
    </message>
    <message>
        <source>Rim hole %1 is laced to hub holes %2: only hub hole %3 is counted.</source>
        <translation>リム穴 %1 はハブ穴 %2 に組まれています。ハブ穴 %3 だけを数えます。</translation>
    </message>
    <message>
        <source>A 2:1 hub shares its holes in groups of three; %1 HUB holes is no multiple of 3.</source>
        <translation>2:1 ハブは穴を 3 つずつの組に分けます。HUB の %1 穴は 3 の倍数ではありません。</translation>
    </message>
    <message>
        <source>A 2:1 hub of %1 holes laces a rim of as many holes; RIM has %2.</source>
        <translation>%1 穴の 2:1 ハブは同じ穴数のリムに組みます。RIM は %2 穴です。</translation>
    </message>
    <message>
        <source>Paired holes go with equal flanges; set the pair angles to 0 for a 2:1 hub.</source>
        <translation>ペア穴は左右同数のフランジ用です。2:1 ハブではペア角を 0 にしてください。</translation>
    </message>
    <message>
        <source>A paired hub needs an even number of holes on each flange and a rim of as many holes; HUB has %1, RIM %2.</source>
        <translation>ペア穴ハブには各フランジに偶数の穴と同じ穴数のリムが必要です。HUB は %1 穴、RIM は %2 穴です。</translation>
    </message>
    <message>
        <source>The hub&apos;s pair angle %1° reaches the flange&apos;s pitch of %2°.</source>
        <translation>ハブのペア角 %1° がフランジのピッチ %2° に達しています。</translation>
    </message>
    <message>
        <source>A paired rim needs an even hole count; RIM has %1.</source>
        <translation>ペア穴リムには偶数の穴数が必要です。RIM は %1 穴です。</translation>
    </message>
    <message>
        <source>The rim&apos;s pair angle %1° reaches the rim&apos;s pitch of %2°.</source>
        <translation>リムのペア角 %1° がリムのピッチ %2° に達しています。</translation>
    </message>
    <message>
        <source>The flange offset %1° reaches the pitch of the flange with more holes, %2°.</source>
        <translation>フランジ間のずれ %1° が、穴の多いフランジのピッチ %2° に達しています。</translation>
    </message>
    <message>
        <source>L</source>
        <comment>a leading spoke</comment>
        <translation>押</translation>
    </message>
    <message>
        <source>T</source>
        <comment>a trailing spoke</comment>
        <translation>引</translation>
    </message>
    <message>
        <source>R</source>
        <comment>a radial spoke</comment>
        <translation>ラ</translation>
    </message>
    <message>
        <source>in</source>
        <comment>head</comment>
        <translation>頭内</translation>
    </message>
    <message>
        <source>out</source>
        <comment>head</comment>
        <translation>頭外</translation>
    </message>
</context>
<context>
    <name>LacingSteps</name>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>heads in</source>
        <translation>頭は内側</translation>
    </message>
    <message>
        <source>heads out</source>
        <translation>頭は外側</translation>
    </message>
    <message>
        <source>trailing spokes</source>
        <translation>引きスポーク</translation>
    </message>
    <message>
        <source>leading spokes</source>
        <translation>押しスポーク</translation>
    </message>
    <message>
        <source>radial spokes</source>
        <translation>ラジアルのスポーク</translation>
    </message>
    <message>
        <source>Left flange</source>
        <translation>左フランジ</translation>
    </message>
    <message>
        <source>Right flange</source>
        <translation>右フランジ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>from the outside inward, so each head sits outside</source>
        <translation>外側から内側へ通し、頭はどれも外側</translation>
    </message>
    <message>
        <source>from the outside inward, so its head sits outside</source>
        <translation>外側から内側へ通し、頭は外側</translation>
    </message>
    <message>
        <source>from the inside outward, so each head sits inside</source>
        <translation>内側から外側へ通し、頭はどれも内側</translation>
    </message>
    <message>
        <source>from the inside outward, so its head sits inside</source>
        <translation>内側から外側へ通し、頭は内側</translation>
    </message>
    <message>
        <source>each head seated in its hole</source>
        <translation>頭はそれぞれの穴の座に収める</translation>
    </message>
    <message>
        <source>its head seated in its hole</source>
        <translation>頭は穴の座に収める</translation>
    </message>
    <message>
        <source>Each crosses %1 to %2 trailing spokes of its flange: over all but the last, under the last.</source>
        <translation>どれも同じフランジの引きスポーク %1〜%2 本と交差します。最後の 1 本の下を、それ以外の上を通します。</translation>
    </message>
    <message>
        <source>Each goes under the one trailing spoke of its flange it crosses.</source>
        <translation>どれも交差する同じフランジの引きスポーク 1 本の下を通します。</translation>
    </message>
    <message>
        <source>Each goes over the first trailing spoke of its flange it crosses and under the second.</source>
        <translation>どれも交差する同じフランジの引きスポークの 1 本目の上、2 本目の下を通します。</translation>
    </message>
    <message>
        <source>Each goes over the first %1 trailing spokes of its flange it crosses and under the last.</source>
        <translation>どれも交差する同じフランジの引きスポークの最初の %1 本の上、最後の 1 本の下を通します。</translation>
    </message>
    <message>
        <source>The valve hole and the rim&apos;s drilling</source>
        <translation>バルブ穴とリムの穴の向き</translation>
    </message>
    <message>
        <source>Hold the rim with the valve hole at the top, seen from the right (drive side); the hole numbers run clockwise. The valve hole lies between rim holes %1 and %2.</source>
        <translation>バルブ穴を上にして、右 (駆動側) から見てリムを持ちます。穴番号は時計回りに増えます。バルブ穴はリム穴 %1 と %2 の間にあります。</translation>
    </message>
    <message>
        <source>The spoke holes are drilled toward each flange in turn: odd holes toward the left flange, even holes toward the right.</source>
        <translation>スポーク穴は左右のフランジへ交互に向いています。奇数の穴は左フランジ、偶数の穴は右フランジ向きです。</translation>
    </message>
    <message>
        <source>Rim holes %1 stay bare.</source>
        <translation>リム穴 %1 は空けておきます。</translation>
    </message>
    <message>
        <source>Hub holes %1 stay bare.</source>
        <translation>ハブ穴 %1 は空けておきます。</translation>
    </message>
    <message>
        <source>The key spoke</source>
        <translation>キースポーク</translation>
    </message>
    <message>
        <source>beside the valve hole</source>
        <translation>バルブ穴のすぐ隣</translation>
    </message>
    <message>
        <source>%1 holes along from the valve hole</source>
        <translation>バルブ穴から %1 穴目</translation>
    </message>
    <message>
        <source>It trails: its rim hole lies anticlockwise of its hub hole, behind it as the wheel turns.</source>
        <translation>これは引きスポークです。リム穴はハブ穴の反時計回り側、ホイールの回転方向の後ろにあります。</translation>
    </message>
    <message>
        <source>It leads: its rim hole lies clockwise of its hub hole.</source>
        <translation>これは押しスポークです。リム穴はハブ穴の時計回り側にあります。</translation>
    </message>
    <message>
        <source>It runs straight out from the hub.</source>
        <translation>ハブからまっすぐ外へ向かいます。</translation>
    </message>
    <message>
        <source>Put a spoke through hole %1 of the %2 flange, %3, and into rim hole %4, %5. %6 Every other spoke is placed from this one.</source>
        <translation>%2フランジの穴 %1 にスポークを%3で通し、リム穴 %4 (%5) に入れます。%6 ほかのスポークはすべてこの 1 本を基準に置きます。</translation>
    </message>
    <message>
        <source>Turn the hub clockwise, seen from the right, until the trailing spokes lie at their angle, leaning back from the way the wheel turns.</source>
        <translation>右から見てハブを時計回りに回し、引きスポークが回転方向の後ろへ傾いた本来の角度になるまで回します。</translation>
    </message>
    <message>
        <source>%1 spokes, one in each laced hole of the %2 flange, %3.</source>
        <translation>スポーク %1 本。%2フランジの組む穴すべてに 1 本ずつ、%3。</translation>
    </message>
    <message>
        <source>%1 spokes, the key spoke among them: one in every other hole of the %2 flange, %3.</source>
        <translation>スポーク %1 本 (キースポークを含む)。%2フランジの 1 穴おきに 1 本ずつ、%3。</translation>
    </message>
    <message>
        <source>%1 spokes, one in every other hole of the %2 flange, %3.</source>
        <translation>スポーク %1 本。%2フランジの 1 穴おきに 1 本ずつ、%3。</translation>
    </message>
    <message>
        <source>They cross nothing yet.</source>
        <translation>まだどれとも交差しません。</translation>
    </message>
    <message>
        <source>Each runs straight out to its rim hole and crosses nothing.</source>
        <translation>どれもリム穴へまっすぐ向かい、交差しません。</translation>
    </message>
    <message>
        <source>Nothing is laced yet: choose the hole counts and lace the table first.</source>
        <translation>まだ何も組まれていません。先に穴数を選んで表を組んでください。</translation>
    </message>
    <message>
        <source>The flanges hold %1 (left) and %2 (right) spokes: these steps cover flanges of equal counts; lace this wheel from the table.</source>
        <translation>フランジのスポーク数が左 %1 本、右 %2 本です。この手順は左右同数のフランジだけを扱います。このホイールは表を見て組んでください。</translation>
    </message>
    <message>
        <source>On the %1 flange the spokes of hub holes %2 and %3 head the same way: these steps cover flanges whose spokes lead and trail in turn; lace this side from the table.</source>
        <translation>%1フランジでハブ穴 %2 と %3 のスポークが同じ向きです。この手順は押しと引きが交互に並ぶフランジだけを扱います。この側は表を見て組んでください。</translation>
    </message>
    <message>
        <source>hub %1 → rim %2</source>
        <translation>ハブ %1 → リム %2</translation>
    </message>
    <message>
        <source>Turn the wheel over to work on the left flange: the drawing shows it seen from the left, its hole numbers running anticlockwise.</source>
        <translation>ホイールを裏返して左フランジを組みます。図は左から見た向きになり、穴番号は反時計回りに増えます。</translation>
    </message>
    <message>
        <source>Turn the wheel back over to work on the right flange: the drawing shows it seen from the right again.</source>
        <translation>ホイールを表に戻して右フランジを組みます。図は再び右から見た向きです。</translation>
    </message>
    <message>
        <source>It trails: seen from this side its rim hole lies clockwise of its hub hole, behind it as the wheel turns.</source>
        <translation>これは引きスポークです。こちら側から見るとリム穴はハブ穴の時計回り側、ホイールの回転方向の後ろにあります。</translation>
    </message>
    <message>
        <source>It leads: seen from this side its rim hole lies anticlockwise of its hub hole.</source>
        <translation>これは押しスポークです。こちら側から見るとリム穴はハブ穴の反時計回り側にあります。</translation>
    </message>
    <message>
        <source>Turn the hub anticlockwise, seen from the left, until the trailing spokes lie at their angle, leaning back from the way the wheel turns.</source>
        <translation>左から見てハブを反時計回りに回し、引きスポークが回転方向の後ろへ傾いた本来の角度になるまで回します。</translation>
    </message>
    <message>
        <source>The spoke holes are drilled on the rim&apos;s centre line.</source>
        <translation>スポーク穴はリムの中心線上にあけられています。</translation>
    </message>
    <message>
        <source>The hub&apos;s or the rim&apos;s holes sit in pairs: these steps cover evenly spaced holes; lace this wheel from the table.</source>
        <translation>ハブまたはリムの穴がペアになっています。この手順は等間隔の穴だけを扱います。このホイールは組み表に従って組んでください。</translation>
    </message>
</context>
<context>
    <name>OutputModule</name>
    <message>
        <source>%1 belongs to another version of Rimora</source>
        <translation>%1 は別のバージョンの Rimora のものです</translation>
    </message>
    <message>
        <source>%1 was found in none of: %2</source>
        <translation>%1 が次のどのフォルダーにもありません: %2</translation>
    </message>
    <message>
        <source>%1 is not possible: %2</source>
        <translation>%1 はできません: %2</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>Save profile</source>
        <translation>プロファイルの保存</translation>
    </message>
    <message>
        <source>Cannot open %1: the file does not exist.</source>
        <translation>%1 を開けません: ファイルがありません。</translation>
    </message>
    <message>
        <source>Cannot open %1: it is too large to be a profile, or cannot be read.</source>
        <translation>%1 を開けません: プロファイルとしては大きすぎるか、読み込めません。</translation>
    </message>
    <message>
        <source>Cannot open %1: the file holds no Rimora wheel.</source>
        <translation>%1 を開けません: Rimora のホイールが入っていません。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings will not be kept: another Rimora is open.</source>
        <translation>設定は保存されません: 別の Rimora が開いています。</translation>
    </message>
    <message>
        <source>%1 holds no Rimora wheel: started with the defaults.</source>
        <translation>%1 に Rimora のホイールがありません: 既定値で起動しました。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 is %2, over the %3 limit: not read, kept as it is.</source>
        <translation>%1 は %2 で上限の %3 を超えています: 読み込まず、そのまま残します。</translation>
    </message>
    <message>
        <source>%1 cannot be read: started with the defaults, kept as it is.</source>
        <translation>%1 を読み込めません: 既定値で起動し、ファイルはそのまま残します。</translation>
    </message>
    <message>
        <source>Settings will not be kept: %1 cannot be made (%2).</source>
        <translation>設定は保存されません: %1 を作成できません (%2)。</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Build sheet: %1</source>
        <translation>組み立て表: %1</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>ホイール</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>長さなし</translation>
    </message>
    <message>
        <source>Per side</source>
        <translation>左右別</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>スポーク</translation>
    </message>
    <message>
        <source>Crosses</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>Length, mm</source>
        <translation>長さ mm</translation>
    </message>
    <message>
        <source>Order, mm</source>
        <translation>注文長 mm</translation>
    </message>
    <message>
        <source>Bracing</source>
        <translation>支え角</translation>
    </message>
    <message>
        <source>Tension, kgf</source>
        <translation>テンション kgf</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>組み方</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>リムサイズ</translation>
    </message>
    <message>
        <source>Hub holes</source>
        <translation>ハブ穴数</translation>
    </message>
    <message>
        <source>Rim holes</source>
        <translation>リム穴数</translation>
    </message>
    <message>
        <source>Flange diameter L / R</source>
        <translation>フランジ径 左 / 右</translation>
    </message>
    <message>
        <source>Centre to flange L / R</source>
        <translation>中心からフランジ 左 / 右</translation>
    </message>
    <message>
        <source>Spoke hole</source>
        <translation>スポーク穴径</translation>
    </message>
    <message>
        <source>Crosses L / R</source>
        <translation>クロス 左 / 右</translation>
    </message>
    <message>
        <source>Angle difference</source>
        <translation>角度差</translation>
    </message>
    <message>
        <source> degree</source>
        <translation> 度</translation>
    </message>
    <message>
        <source>Rim offset</source>
        <translation>リムオフセット</translation>
    </message>
    <message>
        <source>Tension, tighter side</source>
        <translation>テンション (高い側)</translation>
    </message>
    <message>
        <source>Spoke Ø, thinnest</source>
        <translation>スポーク径 (最細部)</translation>
    </message>
    <message>
        <source>Order step</source>
        <translation>注文単位</translation>
    </message>
    <message>
        <source>no hole count is chosen</source>
        <translation>穴数が選ばれていません</translation>
    </message>
    <message>
        <source>%1: the file does not exist</source>
        <translation>%1: ファイルがありません</translation>
    </message>
    <message>
        <source>%1: this is not a file</source>
        <translation>%1: ファイルではありません</translation>
    </message>
    <message>
        <source>%1: it cannot be read, or is too large to be a profile</source>
        <translation>%1: 読み込めないか、プロファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>%1: it is not a profile (it holds no [%2] section)</source>
        <translation>%1: プロファイルではありません ([%2] セクションがありません)</translation>
    </message>
    <message>
        <source>no rim size is chosen</source>
        <translation>リムサイズが選ばれていません</translation>
    </message>
    <message>
        <source>lacing table</source>
        <translation>組み方の表</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>PDF を作成できませんでした</translation>
    </message>
    <message>
        <source>a drawing is written as .svg or .png</source>
        <translation>図は .svg か .png で書き出します</translation>
    </message>
    <message>
        <source>a drawing needs a width and a height of at least one pixel</source>
        <translation>図の幅と高さは 1 ピクセル以上必要です</translation>
    </message>
    <message>
        <source>Wheel drawing</source>
        <translation>ホイールの図</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>画像をエンコードできませんでした</translation>
    </message>
    <message>
        <source>Saving a drawing as SVG</source>
        <translation>図の SVG 保存</translation>
    </message>
    <message>
        <source>the SVG could not be started</source>
        <translation>SVG を書き始められませんでした</translation>
    </message>
    <message>
        <source>an image of %1 × %2 pixels is larger than %3 MB</source>
        <translation>%1 × %2 ピクセルの画像は %3 MB を超えます</translation>
    </message>
    <message>
        <source>To order</source>
        <translation>注文</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Lay</source>
        <translation>押し/引き</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>注文長</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>押し</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>引き</translation>
    </message>
    <message>
        <source>radial</source>
        <translation>ラジアル</translation>
    </message>
    <message>
        <source>Lacing (continued)</source>
        <translation>組み方（続き）</translation>
    </message>
    <message>
        <source>L</source>
        <translation>左</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>in</source>
        <translation>頭内</translation>
    </message>
    <message>
        <source>out</source>
        <translation>頭外</translation>
    </message>
    <message>
        <source>%1 out / %2 in</source>
        <translation>頭外 %1 / 頭内 %2</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>ストレートプル</translation>
    </message>
    <message>
        <source>Line ahead of seat L / R</source>
        <translation>線の座からのずれ 左 / 右</translation>
    </message>
    <message>
        <source>trailing out</source>
        <translation>トレーリング外</translation>
    </message>
    <message>
        <source>leading out</source>
        <translation>リーディング外</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>すべて内</translation>
    </message>
    <message>
        <source>all out</source>
        <translation>すべて外</translation>
    </message>
    <message>
        <source>Flange thickness L / R</source>
        <translation>フランジ厚 左 / 右</translation>
    </message>
    <message>
        <source>Heads L / R</source>
        <translation>頭 左 / 右</translation>
    </message>
    <message>
        <source>%1; meets its nipple at %2°</source>
        <translation>%1、ニップルへの進入角 %2°</translation>
    </message>
    <message>
        <source>Seen from the right (drive side), holes numbered clockwise.</source>
        <translation>右 (駆動側) から見た図、穴番号は時計回り。</translation>
    </message>
    <message>
        <source>%1 spokes in this step. %2</source>
        <translation>この手順のスポーク %1 本。%2</translation>
    </message>
    <message>
        <source>Lacing step %1 of %2: %3</source>
        <translation>組み手順 %1 / %2: %3</translation>
    </message>
    <message>
        <source>Seen from the left, holes numbered anticlockwise.</source>
        <translation>左から見た図、穴番号は反時計回り。</translation>
    </message>
    <message>
        <source>Hub holes L / R</source>
        <translation>ハブ穴数 左 / 右</translation>
    </message>
    <message>
        <source>Rim drilling</source>
        <translation>リムの穴あけ</translation>
    </message>
    <message>
        <source>Crossed side</source>
        <translation>クロス側</translation>
    </message>
    <message>
        <source>Flange offset</source>
        <translation>フランジ間のずれ</translation>
    </message>
    <message>
        <source>Pair angle hub / rim</source>
        <translation>ペア角 ハブ / リム</translation>
    </message>
</context>
<context>
    <name>Spokes</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>「%1」は有効な浮動小数点数ではありません</translation>
    </message>
    <message>
        <source>OLD, over-locknut width</source>
        <translation>OLD、エンド幅</translation>
    </message>
    <message>
        <source>Left locknut to flange</source>
        <translation>左ロックナットからフランジまで</translation>
    </message>
    <message>
        <source>Right locknut to flange</source>
        <translation>右ロックナットからフランジまで</translation>
    </message>
    <message>
        <source>the width must be more than 0 mm.</source>
        <translation>幅は 0 mm より大きくしてください。</translation>
    </message>
    <message>
        <source>the distance must be 0 mm or more.</source>
        <translation>距離は 0 mm 以上にしてください。</translation>
    </message>
    <message>
        <source>the flange would lie on or beyond the hub&apos;s centre; it must be less than half the over-locknut width.</source>
        <translation>フランジがハブの中心上かその先に来ます。エンド幅の半分未満にしてください。</translation>
    </message>
    <message>
        <source>There are no spoke lengths yet. Choose the hub and rim hole counts on the &quot;Data&quot; tab first.</source>
        <translation>まだスポーク長がありません。先に「データ」タブでハブとリムの穴数を選んでください。</translation>
    </message>
    <message>
        <source>Rim holes %1mm to the left: WL&apos; %2mm  WR&apos; %3mm</source>
        <translation>リム穴は左へ %1mm: WL&apos; %2mm  WR&apos; %3mm</translation>
    </message>
    <message>
        <source>Rim holes %1mm to the right: WL&apos; %2mm  WR&apos; %3mm</source>
        <translation>リム穴は右へ %1mm: WL&apos; %2mm  WR&apos; %3mm</translation>
    </message>
    <message>
        <source>Tensions weighed by spoke counts: %1 left, %2 right</source>
        <translation>テンションはスポーク本数で配分: 左 %1 本、右 %2 本</translation>
    </message>
    <message>
        <source>The lacing table has no laced spoke: every -&gt;H cell is empty or &quot;-&quot;. Lace the wheel again by choosing a hole count or cross number on the &quot;Data&quot; tab, or type hub hole numbers into -&gt;H, then press &quot;Summary!&quot; again.</source>
        <translation>組み方の表に組まれたスポークがありません: -&gt;H のセルがすべて空か「-」です。「データ」タブで穴数かクロス数を選んで組み直すか、-&gt;H にハブ穴番号を入力してから、もう一度「集計!」を押してください。</translation>
    </message>
    <message>
        <source>There are no spoke lengths to list. Press &quot;Calc!&quot; to work them out, then press &quot;Summary!&quot; again.</source>
        <translation>一覧にするスポーク長がありません。「計算!」で求めてから、もう一度「集計!」を押してください。</translation>
    </message>
    <message>
        <source>The spoke at rim hole %1 has no length: the wheel&apos;s dimensions are out of range.</source>
        <translation>リム穴 %1 のスポークは長さが求まりません: ホイールの寸法が範囲外です。</translation>
    </message>
    <message>
        <source>There are no spoke lengths to list yet. Choose the hub and rim hole counts on the &quot;Data&quot; tab, then press &quot;Summary!&quot; again.</source>
        <translation>まだ一覧にするスポーク長がありません。「データ」タブでハブとリムの穴数を選んでから、もう一度「集計!」を押してください。</translation>
    </message>
    <message>
        <source>the tension must be more than 0 kgf.</source>
        <translation>テンションは 0 kgf より大きくしてください。</translation>
    </message>
    <message>
        <source>the spoke&apos;s diameter must be more than 0 mm.</source>
        <translation>スポーク径は 0 mm より大きくしてください。</translation>
    </message>
    <message>
        <source>spokes are sold in steps of 1 or 2 mm.</source>
        <translation>スポークは 1 mm か 2 mm 刻みで売られています。</translation>
    </message>
    <message>
        <source>the offset is a distance, 0 or more; the holes are always moved toward the flange farther from the centre plane.</source>
        <translation>オフセットは 0 以上の距離です。穴は常に中心面から遠い方のフランジ側へ寄せます。</translation>
    </message>
    <message>
        <source>the left flange must lie left of the centre plane, more than 0 mm.</source>
        <translation>左フランジは中心面より左、0 mm より大きい位置にしてください。</translation>
    </message>
    <message>
        <source>the right flange must lie right of the centre plane, more than 0 mm.</source>
        <translation>右フランジは中心面より右、0 mm より大きい位置にしてください。</translation>
    </message>
    <message>
        <source>%1 reaches the %2 flange&apos;s offset of %3: the rim&apos;s holes would sit in that flange&apos;s plane or beyond it. It must be less than %3.</source>
        <translation>%1 は%2フランジのオフセット %3 に達しています: リムの穴がそのフランジの面上かその外側に来ます。%3 未満にしてください。</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>choose the hub&apos;s hole count.</source>
        <translation>ハブの穴数を選んでください。</translation>
    </message>
    <message>
        <source>choose the rim&apos;s hole count.</source>
        <translation>リムの穴数を選んでください。</translation>
    </message>
    <message>
        <source>the spoke hole&apos;s diameter must be 0 mm or more.</source>
        <translation>スポーク穴径は 0 mm 以上にしてください。</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>長さなし</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 – %2 mm</source>
        <translation>%1 – %2 mm</translation>
    </message>
    <message>
        <source>Left %1, right %2</source>
        <translation>左 %1、右 %2</translation>
    </message>
    <message>
        <source>Left : %1 pcs %2 cross  length %3mm  order %4mm  bracing %5°  tension %6kgf</source>
        <translation>左 : %1 本 %2 クロス  長さ %3mm  注文長 %4mm  支え角 %5°  テンション %6kgf</translation>
    </message>
    <message>
        <source>Right: %1 pcs %2 cross  length %3mm  order %4mm  bracing %5°  tension %6kgf</source>
        <translation>右 : %1 本 %2 クロス  長さ %3mm  注文長 %4mm  支え角 %5°  テンション %6kgf</translation>
    </message>
    <message>
        <source>The spokes of %1 mm have no %2: the wheel&apos;s dimensions are out of range.</source>
        <translation>%1 mm のスポークの%2が求まりません: ホイールの寸法が範囲外です。</translation>
    </message>
    <message>
        <source>length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>order length</source>
        <translation>注文長</translation>
    </message>
    <message>
        <source>bracing angle</source>
        <translation>支え角</translation>
    </message>
    <message>
        <source>tension</source>
        <translation>テンション</translation>
    </message>
    <message>
        <source>%1 is not larger than the %2 flange&apos;s %3: the rim must lie outside the hub&apos;s flanges.</source>
        <translation>%1 は%2フランジの %3 より大きくありません: リムはハブのフランジより外側にある必要があります。</translation>
    </message>
    <message>
        <source>%1 must be less than half the ERD, %2.</source>
        <translation>%1 は ERD の半分 %2 より小さくしてください。</translation>
    </message>
    <message>
        <source>The rim is turned %1° against the hub; under tension it settles at %2° (&quot;Balance&quot; sets it).</source>
        <translation>リムはハブに対して %1° 回されていますが、張力をかけると %2° に落ち着きます（「バランス」で設定）。</translation>
    </message>
    <message>
        <source>Order %1mm * %2 pcs: left %3, right %4</source>
        <translation>注文 %1mm × %2 本: 左 %3、右 %4</translation>
    </message>
    <message>
        <source>Warning: a spoke meets its nipple at %1° to the rim, beyond what most rims and nipples take; the nipple bends or the spoke breaks at its thread.</source>
        <translation>警告: スポークがリムに対して %1° でニップルに入ります。多くのリムとニップルの許容を超え、ニップルが曲がるかスポークがねじ部で折れます。</translation>
    </message>
    <message>
        <source>A spoke meets its nipple at %1° to the rim: check the nipple seats.</source>
        <translation>スポークがリムに対して %1° でニップルに入ります: ニップルの座りを確かめてください。</translation>
    </message>
    <message>
        <source>heads in</source>
        <translation>頭は内</translation>
    </message>
    <message>
        <source>heads out</source>
        <translation>頭は外</translation>
    </message>
    <message>
        <source>Nipple entry, smallest: left %1  right %2</source>
        <translation>ニップル進入角 (最小): 左 %1  右 %2</translation>
    </message>
    <message>
        <source>Equivalent cross: left %1  right %2</source>
        <translation>等価クロス: 左 %1  右 %2</translation>
    </message>
    <message>
        <source>Spokes in rim holes drilled for the other flange: %1</source>
        <translation>反対側のフランジ用に開けられたリム穴のスポーク: %1</translation>
    </message>
</context>
<context>
    <name>SystemReasons</name>
    <message>
        <source>No space left on device</source>
        <translation>デバイスに空き領域がありません</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>読み込み専用のファイルシステムです</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>操作は許可されていません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>ディスク使用量の制限を超えました</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>入出力エラーです</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>フォルダーではありません</translation>
    </message>
</context>
<context>
    <name>TensionMeter</name>
    <message>
        <source>a spoke kind has no name</source>
        <translation>スポーク種類に名前がありません</translation>
    </message>
    <message>
        <source>%1: a row is not [reading, kgf]</source>
        <translation>%1: [読み, kgf] でない行があります</translation>
    </message>
    <message>
        <source>too large for a meter&apos;s chart</source>
        <translation>メーターの換算表としては大きすぎます</translation>
    </message>
    <message>
        <source>a table needs at least two rows</source>
        <translation>表には 2 行以上が必要です</translation>
    </message>
    <message>
        <source>every reading and kgf must be above 0</source>
        <translation>読みと kgf はすべて 0 より大きくなければなりません</translation>
    </message>
    <message>
        <source>the reading %1 is given twice</source>
        <translation>読み %1 が 2 回あります</translation>
    </message>
    <message>
        <source>kgf must rise with the reading (%1 at %2, %3 at %4)</source>
        <translation>kgf は読みとともに増えなければなりません（%2 で %1、%4 で %3）</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>the meter has no name</source>
        <translation>メーターに名前がありません</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>it holds the meter &quot;%1&quot;</source>
        <translation>メーター「%1」のファイルです</translation>
    </message>
</context>
<context>
    <name>TensionRound</name>
    <message>
        <source>below %1</source>
        <translation>%1 未満</translation>
    </message>
    <message>
        <source>above %1</source>
        <translation>%1 超</translation>
    </message>
</context>
<context>
    <name>TensionSheet</name>
    <message>
        <source>tighten</source>
        <translation>締める</translation>
    </message>
    <message>
        <source>loosen</source>
        <translation>緩める</translation>
    </message>
    <message>
        <source>below chart</source>
        <translation>表の下限未満</translation>
    </message>
    <message>
        <source>above chart</source>
        <translation>表の上限超</translation>
    </message>
    <message>
        <source>%1: no target (no length)</source>
        <translation>%1: 目標なし（長さ未計算）</translation>
    </message>
    <message>
        <source>%1: target %2 kgf, band %3 – %4 kgf</source>
        <translation>%1: 目標 %2 kgf、範囲 %3 – %4 kgf</translation>
    </message>
    <message>
        <source>;  mean %1 kgf, spread %2 kgf</source>
        <translation>；  平均 %1 kgf、ばらつき %2 kgf</translation>
    </message>
    <message>
        <source>;  all within the band</source>
        <translation>；  すべて範囲内</translation>
    </message>
    <message>
        <source>;  outside: rim %1</source>
        <translation>；  範囲外: リム %1</translation>
    </message>
    <message>
        <source>Tension round: %1</source>
        <translation>テンション測定: %1</translation>
    </message>
    <message>
        <source>Tension form: %1</source>
        <translation>テンション記入表: %1</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4</source>
        <translation>%1、%2、%3、%4</translation>
    </message>
    <message>
        <source>(no label)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>  (no chart for this meter and spoke kind: readings only)</source>
        <translation>  （このメーターとスポーク種類の換算表がないため読みのみ）</translation>
    </message>
    <message>
        <source>Meter: ________________   Spoke kind: ________________   Date: ____________   Round: ____________</source>
        <translation>メーター: ________________   スポーク種類: ________________   日付: ____________   回: ____________</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み</translation>
    </message>
    <message>
        <source>kgf</source>
        <translation>kgf</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>範囲外</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <source>both side</source>
        <translation>両側</translation>
    </message>
    <message>
        <source>left side</source>
        <translation>左側</translation>
    </message>
    <message>
        <source>right side</source>
        <translation>右側</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>Jベンド</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>ストレートプル</translation>
    </message>
    <message>
        <source>trailing heads out</source>
        <translation>トレーリングの頭を外</translation>
    </message>
    <message>
        <source>leading heads out</source>
        <translation>リーディングの頭を外</translation>
    </message>
    <message>
        <source>all heads in</source>
        <translation>すべて頭を内</translation>
    </message>
    <message>
        <source>all heads out</source>
        <translation>すべて頭を外</translation>
    </message>
    <message>
        <source>equal flanges</source>
        <translation>左右同数</translation>
    </message>
    <message>
        <source>2:1, more holes right</source>
        <translation>2:1、右の穴が多い</translation>
    </message>
    <message>
        <source>2:1, more holes left</source>
        <translation>2:1、左の穴が多い</translation>
    </message>
    <message>
        <source>alternate</source>
        <translation>交互</translation>
    </message>
    <message>
        <source>in groups for 2:1</source>
        <translation>2:1 用の組</translation>
    </message>
    <message>
        <source>centred</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>shorter span</source>
        <translation>短いスパン</translation>
    </message>
    <message>
        <source>longer span</source>
        <translation>長いスパン</translation>
    </message>
</context>
<context>
    <name>WheelDrawing</name>
    <message>
        <source>No drawing: %1 is not a whole number</source>
        <translation>描画できません: %1 が整数ではありません</translation>
    </message>
    <message>
        <source>No drawing: %1 is not a number</source>
        <translation>描画できません: %1 が数値ではありません</translation>
    </message>
</context>
<context>
    <name>WheelFields</name>
    <message>
        <source>HUB</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>RIM</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>ERD</source>
        <translation>有効リム径</translation>
    </message>
    <message>
        <source>WL, width from center to left flange</source>
        <translation>WL, 中心から左フランジ</translation>
    </message>
    <message>
        <source>WR, width from center to right flange</source>
        <translation>WR, 中心から右フランジ</translation>
    </message>
    <message>
        <source>dL, left flange diameter</source>
        <translation>dL, 左フランジ径</translation>
    </message>
    <message>
        <source>dR, right flange diameter</source>
        <translation>dR, 右フランジ径</translation>
    </message>
    <message>
        <source>S, spoke hole diameter</source>
        <translation>S, スポーク穴径</translation>
    </message>
    <message>
        <source>CL, left cross</source>
        <translation>CL, 左クロス数</translation>
    </message>
    <message>
        <source>CR, right cross</source>
        <translation>CR, 右クロス数</translation>
    </message>
    <message>
        <source>Rim offset</source>
        <translation>リム穴オフセット</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>テンション</translation>
    </message>
    <message>
        <source>Spoke Ø</source>
        <translation>スポーク径</translation>
    </message>
    <message>
        <source>Order step</source>
        <translation>注文単位</translation>
    </message>
    <message>
        <source>angle difference</source>
        <translation>角度差</translation>
    </message>
    <message>
        <source>choose the number of holes.</source>
        <translation>穴数を選んでください。</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: &apos;%2&apos; は整数ではありません</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number (decimal mark &apos;%3&apos;)</source>
        <translation>%1: &apos;%2&apos; は数値ではありません (小数点は &apos;%3&apos;)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; could be %3 or %4: write %3 or %4</source>
        <translation>%1: &apos;%2&apos; は %3 とも %4 とも読めます: %3 か %4 と書いてください</translation>
    </message>
    <message>
        <source>%1: %2%3 is out of range: it takes %4 to %5%3.</source>
        <translation>%1: %2%3 は範囲外です: %4～%5%3 の値にしてください。</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>スポーク</translation>
    </message>
    <message>
        <source>Nipples</source>
        <translation>ニップル</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>tL, left spoke line ahead of its seat</source>
        <translation>tL、左スポーク線の座からのずれ</translation>
    </message>
    <message>
        <source>tR, right spoke line ahead of its seat</source>
        <translation>tR、右スポーク線の座からのずれ</translation>
    </message>
    <message>
        <source>Left flange thickness</source>
        <translation>左フランジ厚</translation>
    </message>
    <message>
        <source>Right flange thickness</source>
        <translation>右フランジ厚</translation>
    </message>
    <message>
        <source>Flange offset</source>
        <translation>フランジ間のずれ</translation>
    </message>
    <message>
        <source>φ, hub pair angle</source>
        <translation>φ、ハブのペア角</translation>
    </message>
    <message>
        <source>Rim pair angle</source>
        <translation>リムのペア角</translation>
    </message>
</context>
<context>
    <name>rimora::HubDialog</name>
    <message>
        <source>Hub</source>
        <translation>ハブ</translation>
    </message>
    <message>
        <source>Straight-pull: dL and dR are the circles the heads seat on, and S what the maker gives from the seat&apos;s centre to where the spoke bears (or the slot&apos;s width). t is positive when the spoke&apos;s line passes ahead of the seat&apos;s centre in the way the spoke runs to the rim, which shortens it.
J-bend: with a flange&apos;s thickness, a head inside the flange sends its spoke from the outer face, half the flange and half the spoke farther out; 0 leaves heads out of the lengths.</source>
        <translation>ストレートプル: dL と dR は頭が座る円の直径、S はメーカーが示す座の中心からスポークが当たる所までの値(またはスロットの幅)です。t はスポークの線がリムへ向かう向きに座の中心より前を通るとき正で、スポークは短くなります。
Jベンド: フランジ厚を入れると、頭を内側にしたスポークは外側の面から出て、フランジ厚とスポーク径の半分ずつ外へ寄ります。0 なら頭は長さに入れません。</translation>
    </message>
</context>
<context>
    <name>rimora::LaceStepsPage</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>The step before (Alt+B, PgUp)</source>
        <translation>前の手順 (Alt+B, PgUp)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>The next step (Alt+N, PgDn)</source>
        <translation>次の手順 (Alt+N, PgDn)</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>手順 %1 / %2</translation>
    </message>
    <message>
        <source>&amp;Print the steps...</source>
        <translation>手順を印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>The build sheet with a page for each step</source>
        <translation>手順ごとに 1 ページを付けた組立シート</translation>
    </message>
</context>
<context>
    <name>rimora::LocknutDialog</name>
    <message>
        <source>Flange offsets from the locknuts</source>
        <translation>ロックナットからのフランジ位置</translation>
    </message>
    <message>
        <source>OLD, over-locknut width:</source>
        <translation>OLD、エンド幅:</translation>
    </message>
    <message>
        <source>Left locknut to flange:</source>
        <translation>左ロックナット～フランジ:</translation>
    </message>
    <message>
        <source>Right locknut to flange:</source>
        <translation>右ロックナット～フランジ:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>WL = OLD/2 - left distance,  WR = OLD/2 - right distance</source>
        <translation>WL = OLD/2 - 左の距離、 WR = OLD/2 - 右の距離</translation>
    </message>
</context>
<context>
    <name>rimora::MeterDialog</name>
    <message>
        <source>Add a meter or a spoke kind</source>
        <translation>メーターまたはスポーク種類の追加</translation>
    </message>
    <message>
        <source>e.g. the chart in the meter&apos;s box, 2019</source>
        <translation>例: メーター付属の換算表、2019</translation>
    </message>
    <message>
        <source>e.g. 1.8 mm round steel</source>
        <translation>例: 1.8 mm 丸線スチール</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>メーター:</translation>
    </message>
    <message>
        <source>Chart&apos;s source:</source>
        <translation>換算表の出典:</translation>
    </message>
    <message>
        <source>Spoke kind:</source>
        <translation>スポーク種類:</translation>
    </message>
    <message>
        <source>Rows of the meter&apos;s chart (reading, kgf)</source>
        <translation>メーターの換算表の行（読み、kgf）</translation>
    </message>
    <message>
        <source>My own calibration points (reading with a weight hung from the spoke)</source>
        <translation>自分の校正点（スポークにおもりを吊るしたときの読み）</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み</translation>
    </message>
    <message>
        <source>Tension, kgf</source>
        <translation>テンション kgf</translation>
    </message>
    <message>
        <source>Weight hung, kg</source>
        <translation>吊るしたおもり kg</translation>
    </message>
    <message>
        <source>calibrated with hanging weights</source>
        <translation>吊りおもりで校正</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; and &quot;%3&quot; are not two numbers.</source>
        <translation>%1 行目: 「%2」と「%3」は 2 つの数値ではありません。</translation>
    </message>
    <message>
        <source>Name the meter.</source>
        <translation>メーターの名前を入力してください。</translation>
    </message>
    <message>
        <source>Name the spoke kind.</source>
        <translation>スポーク種類の名前を入力してください。</translation>
    </message>
</context>
<context>
    <name>rimora::PartsDialog</name>
    <message>
        <source>Parts and remarks</source>
        <translation>部品と備考</translation>
    </message>
</context>
<context>
    <name>rimora::TColorBox</name>
    <message>
        <source>Custom...</source>
        <translation>カスタム...</translation>
    </message>
</context>
<context>
    <name>rimora::TMainF</name>
    <message>
        <source>Cannot make %1 the current folder</source>
        <translation>%1 を作業フォルダーにできません</translation>
    </message>
    <message>
        <source>%1    Copyright (C) 2026 the Rimora developers</source>
        <translation>%1    Copyright (C) 2026 Rimora 開発者</translation>
    </message>
    <message>
        <source>Auto ReDraw</source>
        <translation>自動再描画</translation>
    </message>
    <message>
        <source>RIM hole No.</source>
        <translation>リム穴番号</translation>
    </message>
    <message>
        <source>Spoke Drawing</source>
        <translation>スポークの描画</translation>
    </message>
    <message>
        <source>From locknut…</source>
        <translation>ロックナットから…</translation>
    </message>
    <message>
        <source>WL and WR from the over-locknut width and each flange&apos;s distance from its locknut face</source>
        <translation>エンド幅と、各フランジのロックナット面からの距離から WL と WR を求めます</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>縮尺</translation>
    </message>
    <message>
        <source>Created by Rimora </source>
        <translation>Rimora で作成 </translation>
    </message>
    <message>
        <source>About This Software</source>
        <translation>このソフトウェアについて</translation>
    </message>
    <message>
        <source>&amp;Draw!</source>
        <translation>描画!(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Calc!</source>
        <translation>計算!(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Summary!</source>
        <translation>集計!(&amp;S)</translation>
    </message>
    <message>
        <source>Draw the wheel (Alt+D)</source>
        <translation>ホイールを描画 (Alt+D)</translation>
    </message>
    <message>
        <source>Calculate every spoke&apos;s length (Alt+C)</source>
        <translation>すべてのスポーク長を計算 (Alt+C)</translation>
    </message>
    <message>
        <source>Show the summary and the spoke bill (Alt+S)</source>
        <translation>集計とスポーク明細を表示 (Alt+S)</translation>
    </message>
    <message>
        <source>Save ProfileData (*.prl) (Ctrl+S)</source>
        <translation>プロファイルを保存 (*.prl) (Ctrl+S)</translation>
    </message>
    <message>
        <source>Open ProfileData (*.prl) (Ctrl+O)</source>
        <translation>プロファイルを開く (*.prl) (Ctrl+O)</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Slide 1/2 angle</source>
        <translation>角度を 1/2 ずらす</translation>
    </message>
    <message>
        <source>HUB hole No.</source>
        <translation>ハブ穴番号</translation>
    </message>
    <message>
        <source>Insert &amp;&amp; No.Down</source>
        <translation>挿入して番号を下げる</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>スポーク</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>TYPE:</source>
        <translation>タイプ:</translation>
    </message>
    <message>
        <source>HUB:</source>
        <translation>ハブ:</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>穴</translation>
    </message>
    <message>
        <source>Rim offset, holes off centre:</source>
        <translation>リム穴オフセット:</translation>
    </message>
    <message>
        <source>Tension, tighter side:</source>
        <translation>テンション (高い側):</translation>
    </message>
    <message>
        <source>Spoke Ø, thinnest:</source>
        <translation>スポーク径 (最細部):</translation>
    </message>
    <message>
        <source>Order step, spokes sold in:</source>
        <translation>注文単位 (販売刻み):</translation>
    </message>
    <message>
        <source>BackGround:</source>
        <translation>背景:</translation>
    </message>
    <message>
        <source>RIM 1:</source>
        <translation>リム 1:</translation>
    </message>
    <message>
        <source>RIM 2:</source>
        <translation>リム 2:</translation>
    </message>
    <message>
        <source>Left Spoke:</source>
        <translation>左スポーク:</translation>
    </message>
    <message>
        <source>Right Spoke:</source>
        <translation>右スポーク:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>選択:</translation>
    </message>
    <message>
        <source>RIM 1 Height:</source>
        <translation>リム 1 の高さ:</translation>
    </message>
    <message>
        <source>RIM Inner: ERD -</source>
        <translation>リム内側: ERD -</translation>
    </message>
    <message>
        <source>HUB Outer: dR(dL) +</source>
        <translation>ハブ外側: dR(dL) +</translation>
    </message>
    <message>
        <source>Spoke Width:</source>
        <translation>スポークの太さ:</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Print build sheet...</source>
        <translation>組み立て表を印刷...</translation>
    </message>
    <message>
        <source>Save build sheet as PDF...</source>
        <translation>組み立て表を PDF で保存...</translation>
    </message>
    <message>
        <source>Save drawing as...</source>
        <translation>図に名前を付けて保存...</translation>
    </message>
    <message>
        <source>Build sheet: %1</source>
        <translation>組み立て表: %1</translation>
    </message>
    <message>
        <source>Save build sheet</source>
        <translation>組み立て表の保存</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <translation>図の保存</translation>
    </message>
    <message>
        <source>&lt;--- Click enter 0</source>
        <translation>&lt;--- クリックで 0 を入力</translation>
    </message>
    <message>
        <source>Open profile</source>
        <translation>プロファイルを開く</translation>
    </message>
    <message>
        <source>The wheel has changed since %1 was last saved or opened.
Save the changes before opening another profile?</source>
        <translation>%1 を最後に保存または開いてから、ホイールが変更されています。
別のプロファイルを開く前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>No recent profiles</source>
        <translation>最近使ったプロファイルはありません</translation>
    </message>
    <message>
        <source>The profile %1 no longer exists; it has been taken off the recent list.</source>
        <translation>プロファイル %1 はもう存在しないため、最近使った一覧から外しました。</translation>
    </message>
    <message>
        <source>Recent profiles</source>
        <translation>最近使ったプロファイル</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>タイプ</translation>
    </message>
    <message>
        <source>lacing table</source>
        <translation>組み方の表</translation>
    </message>
    <message>
        <source>BackGround colour</source>
        <translation>背景の色</translation>
    </message>
    <message>
        <source>RIM 1 colour</source>
        <translation>リム 1 の色</translation>
    </message>
    <message>
        <source>RIM 2 colour</source>
        <translation>リム 2 の色</translation>
    </message>
    <message>
        <source>HUB colour</source>
        <translation>ハブの色</translation>
    </message>
    <message>
        <source>Right Spoke colour</source>
        <translation>右スポークの色</translation>
    </message>
    <message>
        <source>Left Spoke colour</source>
        <translation>左スポークの色</translation>
    </message>
    <message>
        <source>RIM 1 Height</source>
        <translation>リム 1 の高さ</translation>
    </message>
    <message>
        <source>RIM Inner</source>
        <translation>リム内側</translation>
    </message>
    <message>
        <source>HUB Outer</source>
        <translation>ハブ外側</translation>
    </message>
    <message>
        <source>Spoke Width</source>
        <translation>スポークの太さ</translation>
    </message>
    <message>
        <source>%1 lacks %2: its default is used.</source>
        <translation>%1 には %2 がありません。既定値を使います。</translation>
    </message>
    <message>
        <source>%1 holds none of the wheel&apos;s sizes, table or drawing settings: their defaults are used.</source>
        <translation>%1 にはホイールの寸法、表、描画の設定がどれもありません。既定値を使います。</translation>
    </message>
    <message>
        <source>%1 holds only %2: the other inputs take their defaults.</source>
        <translation>%1 にあるのは %2 だけです。ほかの入力は既定値を使います。</translation>
    </message>
    <message>
        <source>%1 lacks %2: their defaults are used.</source>
        <translation>%1 には %2 がありません。既定値を使います。</translation>
    </message>
    <message>
        <source>Its table is laced from the hole counts.</source>
        <translation>表は穴数と交差数から組みました。</translation>
    </message>
    <message>
        <source>The wheel has not been saved yet.
Save it before opening another profile?</source>
        <translation>このホイールはまだ保存されていません。
別のプロファイルを開く前に保存しますか?</translation>
    </message>
    <message>
        <source>Lengths in grey no longer match the inputs: Calc! works them out again.</source>
        <translation>灰色の長さは入力と合っていません。「計算!」で計算し直します。</translation>
    </message>
    <message>
        <source>No spoke is laced, so no length was worked out.</source>
        <translation>組まれたスポークがないので、長さは計算されませんでした。</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Turn the rim to where the spokes&apos; pulls on the hub cancel, as it settles under tension</source>
        <translation>張力をかけたときに落ち着く位置、つまりスポークがハブを回す力が釣り合う位置までリムを回します</translation>
    </message>
    <message>
        <source>No turn of the rim balances the hub: the table laces no spoke, or all its spokes pull the same way round.</source>
        <translation>ハブが釣り合うリムの回転角はありません。表にスポークが組まれていないか、すべてのスポークが同じ向きに引いています。</translation>
    </message>
    <message>
        <source>Parts…</source>
        <translation>部品…</translation>
    </message>
    <message>
        <source>Hub, rim, spokes and nipples by name, and remarks: on the build sheet</source>
        <translation>ハブ・リム・スポーク・ニップルの名前と備考: 組み立て表に載ります</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>ハブ:</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>リム:</translation>
    </message>
    <message>
        <source>Spokes:</source>
        <translation>スポーク:</translation>
    </message>
    <message>
        <source>Nipples:</source>
        <translation>ニップル:</translation>
    </message>
    <message>
        <source>Remarks:</source>
        <translation>備考:</translation>
    </message>
    <message>
        <source>%1 holds the wheel itself (the open profile or the settings): the build sheet and the drawing go into files of their own.</source>
        <translation>%1 はホイールそのもの（開いているプロファイルか設定）を保存しているファイルです。組み立てシートと図は別のファイルに保存してください。</translation>
    </message>
    <message>
        <source>Hub…</source>
        <translation>ハブ…</translation>
    </message>
    <message>
        <source>Straight-pull hubs, and heads in or out on J-bend flanges</source>
        <translation>ストレートプルハブと、Jベンドフランジの頭の内外</translation>
    </message>
    <message>
        <source>Hub kind</source>
        <translation>ハブの種類</translation>
    </message>
    <message>
        <source>tL, left line ahead of the seat:</source>
        <translation>tL、左線の座からの前方ずれ:</translation>
    </message>
    <message>
        <source>tR, right line ahead of the seat:</source>
        <translation>tR、右線の座からの前方ずれ:</translation>
    </message>
    <message>
        <source>Left flange thickness:</source>
        <translation>左フランジ厚:</translation>
    </message>
    <message>
        <source>Right flange thickness:</source>
        <translation>右フランジ厚:</translation>
    </message>
    <message>
        <source>Left heads</source>
        <translation>左の頭</translation>
    </message>
    <message>
        <source>Right heads</source>
        <translation>右の頭</translation>
    </message>
    <message>
        <source>The wheel has no round of tension readings yet.</source>
        <translation>このホイールにはまだテンション測定がありません。</translation>
    </message>
    <message>
        <source>True it: spoke tensions...</source>
        <translation>振れ取り: スポークテンション...</translation>
    </message>
    <message>
        <source>Print build sheet with a blank tension form...</source>
        <translation>空のテンション記入表付きで組立シートを印刷...</translation>
    </message>
    <message>
        <source>Lace</source>
        <translation>組み手順</translation>
    </message>
    <message>
        <source>0: between the last rim hole and the first</source>
        <translation>0: 最後のリム穴と最初のリム穴の間</translation>
    </message>
    <message>
        <source>Valve after rim hole:</source>
        <translation>バルブ穴の手前のリム穴:</translation>
    </message>
    <message>
        <source>Print build sheet with the last tension round...</source>
        <translation>最新のテンション測定付きで組立シートを印刷...</translation>
    </message>
    <message>
        <source>Hub holes</source>
        <translation>ハブの穴</translation>
    </message>
    <message>
        <source>Rim drilling</source>
        <translation>リムの穴あけ</translation>
    </message>
    <message>
        <source>Crossed side</source>
        <translation>クロス側</translation>
    </message>
    <message>
        <source>Flange offset (°), 0 for half a pitch:</source>
        <translation>フランジ間のずれ (°、0 で半ピッチ):</translation>
    </message>
    <message>
        <source>φ, hub pair angle (°), 0 for none:</source>
        <translation>φ、ハブのペア角 (°、0 でなし):</translation>
    </message>
    <message>
        <source>Rim pair angle (°), 0 for none:</source>
        <translation>リムのペア角 (°、0 でなし):</translation>
    </message>
</context>
<context>
    <name>rimora::TSumF</name>
    <message>
        <source>Summary</source>
        <translation>集計</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>rimora::TrueWindow</name>
    <message>
        <source>tighten</source>
        <translation>締める</translation>
    </message>
    <message>
        <source>loosen</source>
        <translation>緩める</translation>
    </message>
    <message>
        <source>tighten (below chart)</source>
        <translation>締める（表の下限未満）</translation>
    </message>
    <message>
        <source>loosen (above chart)</source>
        <translation>緩める（表の上限超）</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>True it: spoke tensions</source>
        <translation>振れ取り: スポークテンション</translation>
    </message>
    <message>
        <source>Add meter or spoke kind…</source>
        <translation>メーター・スポーク種類の追加…</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>メーター:</translation>
    </message>
    <message>
        <source>Spoke kind:</source>
        <translation>スポーク種類:</translation>
    </message>
    <message>
        <source>initial, after truing, …</source>
        <translation>初回、振れ取り後、…</translation>
    </message>
    <message>
        <source>&amp;New round</source>
        <translation>新しい測定(&amp;N)</translation>
    </message>
    <message>
        <source>Round:</source>
        <translation>測定:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>リム</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読み</translation>
    </message>
    <message>
        <source>kgf</source>
        <translation>kgf</translation>
    </message>
    <message>
        <source>Outside the band</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>Print sheet with a blank form…</source>
        <translation>空の記入表付きでシートを印刷…</translation>
    </message>
    <message>
        <source>Print sheet with the last round…</source>
        <translation>最新の測定付きでシートを印刷…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Meter files left out: %1</source>
        <translation>読み込まなかったメーターファイル: %1</translation>
    </message>
    <message>
        <source>initial</source>
        <translation>初回</translation>
    </message>
    <message>
        <source>round %1</source>
        <translation>%1 回目</translation>
    </message>
    <message>
        <source>Rim %1: &quot;%2&quot; is not a reading.</source>
        <translation>リム %1: 「%2」は読みではありません。</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>%1: no target until the spokes have lengths</source>
        <translation>%1: スポーク長が出るまで目標なし</translation>
    </message>
    <message>
        <source>%1: target %2 kgf, band %3 – %4 kgf</source>
        <translation>%1: 目標 %2 kgf、範囲 %3 – %4 kgf</translation>
    </message>
    <message>
        <source>;  %1 read, mean %2 kgf, spread %3 kgf</source>
        <translation>；  %1 本測定、平均 %2 kgf、ばらつき %3 kgf</translation>
    </message>
    <message>
        <source>;  all within the band</source>
        <translation>；  すべて範囲内</translation>
    </message>
    <message>
        <source>;  outside: rim %1</source>
        <translation>；  範囲外: リム %1</translation>
    </message>
    <message>
        <source>No chart for this meter and spoke kind: choose one or add it.</source>
        <translation>このメーターとスポーク種類の換算表がありません。選ぶか追加してください。</translation>
    </message>
    <message>
        <source>The meter could not be kept: %1: %2</source>
        <translation>メーターを保存できませんでした: %1: %2</translation>
    </message>
</context>
</TS>
