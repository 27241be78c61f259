<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor は既に実行中です。そのウィンドウを最前面に表示しました。</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor は既に実行中です。</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>ゲイン</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>ホワイトバランス (色温度)</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>逆光補正</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>電源周波数</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;quenvalor --help&apos; for more information.</source>
        <translation>詳しくは &apos;quenvalor --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio と --classic は同時に指定できません</translation>
    </message>
    <message>
        <source>Usage: quenvalor [--studio | --classic]

A webcam studio: live preview, recordings, snapshots and effects.

Options:
  --studio       start with the effect studio beside the preview
  --classic      start with the classic recorder window
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Without an option the window opens in the layout it was last left in.
Ctrl+E or the Effects button switches between the two layouts.
</source>
        <extracomment>The command line&apos;s help. Keep the option names (--studio, -h, ...) as they are, and each line under 80 characters.</extracomment>
        <translation>使い方: quenvalor [--studio | --classic]

Web カメラスタジオ: ライブプレビュー、録画、写真撮影、エフェクト。

オプション:
  --studio       プレビューの横にエフェクトスタジオを表示して起動する
  --classic      クラシックな録画ウィンドウで起動する
  -h, --help     このヘルプを表示して終了する
  -v, --version  バージョンを表示して終了する

オプションを指定しないと、前回終了時のレイアウトでウィンドウを開きます。
Ctrl+E または「エフェクト」ボタンで 2 つのレイアウトを切り替えます。
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>通知領域に隠す</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>カメラのプレビュー</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>エフェクトのカテゴリー</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>カテゴリー内のエフェクト</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>使用中のエフェクト</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>このセッションの録画</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>選択したエフェクトを削除</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>すべてのエフェクトを削除</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>描いたものを消去</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>ブラシの色</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>ブラシの太さ 1 ピクセル</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>ブラシの太さ 1 ピクセル (2 つ目のボタン)</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>ブラシの太さ 2 ピクセル</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>ブラシの太さ 5 ピクセル</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>ブラシの太さ 10 ピクセル</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>ブラシの太さ 20 ピクセル</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>出力フォルダーを変更</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>仮想カメラ</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Quenvalor</source>
        <extracomment>The program&apos;s name in menus. Keep it as it is unless your language writes it in another script.</extracomment>
        <translation>Quenvalor</translation>
    </message>
    <message>
        <source>Webcam Studio</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus</extracomment>
        <translation>Web カメラスタジオ</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Web カメラで録画や写真撮影をして、ライブエフェクトを加えます</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>Web カメラ;ウェブカメラ;カメラ;録画;動画;写真;撮影;スナップショット;エフェクト;ミラー;反転;webcam;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>ライブエフェクト付きの Web カメラスタジオ</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor は、カメラのライブ映像をスキン付きのウィンドウに表示し、経過時間を表示しながら AVI 動画として録画します。また、JPEG 形式で写真を撮影できます (カウントダウン後の撮影も可能です)。</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>スタジオでは、写真フレーム、マスク、シーン、カラーフィルター、変形、アニメーション、お絵かきレイヤーといったエフェクトをライブ映像に加えられます。プレビューと録画は、それぞれ個別に左右反転できます。</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>スタジオ: 写真フレーム付きのライブプレビューとエフェクトブラウザー</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>変形</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>シーン</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>顔</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>アクセサリー</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>フレーム</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>雪</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>シャボン玉</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>紙吹雪</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>ちょうちょ</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>万華鏡</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>4 分割</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>9 分割</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>へこみ</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>ふくらみ</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>渦巻き</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>波紋</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>極座標</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>上下逆さま</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>ミラー</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>暖色</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>寒色</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>鮮やか</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>色あせ</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>エンボス</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>モザイク</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>フィルム粒子</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>鉛筆画</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>ソフトフォーカス</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>ネガ</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>古い写真</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>墨絵</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>テレビウォール</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>看板</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>美術館</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>ビーチ</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>机の上の写真</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>映画館</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>ネコ</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>ピエロ</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>ヒーローマスク</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>口ひげ</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>海賊</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>トラ</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>サングラス</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>パーティー帽</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>王冠</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>蝶ネクタイ</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>シルクハット</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>ヘッドホン</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>プロペラ帽</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>吹き出し</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>ハートのフレーム</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>金の額縁</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>フィルム</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>インスタント写真</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>レトロな楕円</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>お花</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>カメラを開いています...</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>コピーを作成する空き容量がありません (必要: %1、空き: %2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>修復したコピーを書き込めませんでした</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>修復したコピーを完全には読み戻せませんでした</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>修復したコピーで元のファイルを置き換えられませんでした</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>書き込み禁止になっています</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>録画は既に開始されています。</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>ビデオエンコーダーを起動できませんでした。</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>&quot;%1&quot; に録画するための空き容量が足りません: 空き容量は %2 ですが、録画には少なくとも %3 必要です。空き容量を増やすか、別の出力フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>録画ファイル &quot;%1&quot; を作成できませんでした: %2。</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>録画 &quot;%1&quot; を開始できませんでした: %2。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>内部エラーのため、録画 &quot;%1&quot; が停止しました (%2)。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>内部エラーのため、録画 &quot;%1&quot; が停止しました。</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>ファイルを完成できませんでした (%1)。コピーを作成できる空き容量 (%2、現在の空き容量は %3) があれば、次回の起動時に修復されます。</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>ファイルを完成できませんでした (%1)。コピーを作成できる空き容量 (%2) があれば、次回の起動時に修復されます。</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>それまでに録画した内容は保存されています。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>録画 &quot;%1&quot; を完了できませんでした。</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>録画 &quot;%1&quot; の出力フォルダーが削除、名前変更、またはアンマウントされたため、録画を停止しました。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>ディスクの空き容量が残りわずかになったため (空き: %2)、録画 &quot;%1&quot; を停止しました。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>録画 &quot;%1&quot; を最後まで書き込めませんでした: %2。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>写真 &quot;%1&quot; を保存できませんでした: 画像をエンコードできませんでした。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>写真 &quot;%1&quot; を保存できませんでした。出力フォルダーが存在し、書き込み可能であることを確認してください。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>写真 &quot;%1&quot; を保存できませんでした (%2)。出力フォルダーが存在し、書き込み可能であることを確認してください。</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>内部エラーのため、カメラの映像が停止しました (%1)。</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>内部エラーのため、カメラの映像が停止しました。</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>配置</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>お絵かき</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>録画</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>写真</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>録画</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>変更</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>録画一覧</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>経過</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>ブラシの太さ</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>このセッションの録画がここに表示されます</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>仮想</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>Brisotel について(&amp;A)...</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Web カメラを選択</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>録画を開始</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>録画を停止</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>ヘルプを開く</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>写真を撮影</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>エフェクト</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>ぼかしの強さ</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>背後の部屋をぼかす強さ</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>画像...</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>背景のぼかしと置き換えは使用できません: %1。人物セグメンテーションモデルは tools/install-deps.sh で取得されます。</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>背後に表示するもの: そのままの部屋、ぼかした部屋、または画像</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>背景を変更できません: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>背後に表示する画像: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>別の画像...</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>画像 (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>Brisotel について</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel バージョン 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Web カメラのライブプレビュー、動画の録画、写真の撮影。</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>準備完了。</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>カメラを開いています...</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor は設定ファイル &quot;%1&quot; を読み込めませんでした。既定の設定で動作し、設定の変更は保存しません。</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>録画を終了しています...</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>カメラが切断されました</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>カメラを使用できません</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>この Web カメラは使用中です。別のカメラを選択してください</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Web カメラを開けませんでした。</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>カメラが拒否した設定: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>マイクが切断されました: 無音で録音しています</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>この PC には Web カメラが接続されていません。</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>プレビューを左右反転</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>録画と写真を左右反転</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>写真撮影のカウントダウン</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>オフ</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>カメラの画質...</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>全画面プレビュー</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>カメラの画質</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>カメラがありません</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>カメラにこの調整機能はありません: Quenvalor が映像を補正します</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1の自動調整</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>カメラが拒否した設定: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>app::CSourceDialog</name>
    <message>
        <source>&amp;Picture...</source>
        <extracomment>Opens the camera&apos;s picture controls (brightness, contrast...)</extracomment>
        <translation>画質(&amp;P)...</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Web カメラの選択</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>録画サイズ</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (クラシック)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Web カメラを選択してください:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>録画サイズ:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>マイク:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>顔の追従は使用できません: 顔検出用のデータ (opencv-data) がインストールされていません。</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>顔に追従</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Quenvalor プレビュー</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>出力フォルダーを確認しています...</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>録画中</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>%2 個中 %1 個を修復しました</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 個のファイルを修復しました</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n 個のファイルを修復しました</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>次の録画を修復できませんでした:</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A recording&apos;s name and why it could not be repaired</extracomment>
        <translation>%1: %2。</translation>
    </message>
</context>
<context>
    <name>app::VirtualCameraSwitch</name>
    <message>
        <source>Virtual camera: other programs can show this picture</source>
        <translation>仮想カメラ: 他のプログラムでこの映像を表示できます</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>仮想カメラ</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>仮想カメラ オフ</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>仮想カメラには PipeWire が必要ですが、実行されていません</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>仮想カメラ オン</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>仮想カメラ オン (視聴中のプログラム: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>録画の名前を変更</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>新しいファイル名:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>長さ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>&quot;%1&quot; はファイル名として使用できません。</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>&quot;%1&quot; の名前を &quot;%2&quot; に変更できませんでした。同じ名前のファイルが既に存在する可能性があります。</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>&quot;%1&quot; をゴミ箱に移動できませんでした。</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>名前を変更...</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>ゴミ箱へ移動</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (ファイルなし)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>マーク済み</translation>
    </message>
</context>
</TS>
