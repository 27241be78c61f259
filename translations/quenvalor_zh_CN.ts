<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor 已在运行，已将其窗口置于最前。</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor 已在运行。</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>增益</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>白平衡色温</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>对焦</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐度</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>背光补偿</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>电源频率</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>变焦</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;quenvalor --help&apos; for more information.</source>
        <translation>请尝试执行 &apos;quenvalor --help&apos; 来获取更多信息。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio 和 --classic 不能同时指定</translation>
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
        <translation>用法：quenvalor [--studio | --classic]

摄像头工作室：实时预览、录像、拍照和效果。

选项：
  --studio       启动时在预览旁显示效果工作室
  --classic      启动时使用经典录像窗口
  -h, --help     显示此帮助并退出
  -v, --version  显示版本信息并退出

不带选项时，窗口会以上次关闭时的布局打开。
按 Ctrl+E 或点击“效果”按钮可在两种布局之间切换。
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>隐藏到通知区域</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>摄像头预览</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>效果类别</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>该类别中的效果</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>正在使用的效果</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>本次会话的录像</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>删除所选效果</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>移除全部效果</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>清除涂鸦</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>画笔颜色</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>画笔粗细 1 像素</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>画笔粗细 1 像素（第二个按钮）</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>画笔粗细 2 像素</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>画笔粗细 5 像素</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>画笔粗细 10 像素</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>画笔粗细 20 像素</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>录制时长</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>更改输出文件夹</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>虚拟摄像头</translation>
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
        <translation>摄像头工作室</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>用摄像头录像、拍照，并添加实时效果</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>摄像头;网络摄像头;相机;录像;录制;视频;拍照;照片;快照;效果;特效;镜像;webcam;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>带实时效果的摄像头工作室</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor 在带皮肤的窗口中显示摄像头的实时画面，可将其录制为 AVI 视频并实时显示录制时长，还可以拍摄 JPEG 照片，拍照前可选择倒计时。</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>其工作室可为实时画面添加效果：相框、面具、场景、色彩滤镜、扭曲、动画以及涂鸦图层。预览和录像均可分别设置镜像。</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>工作室：带相框的实时预览，以及效果浏览器</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>动画</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>扭曲</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>滤镜</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>场景</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>面部</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>配饰</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>相框</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>爱心</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>泡泡</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>彩色纸屑</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>蝴蝶</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>万花筒</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>四宫格</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>九宫格</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>挤压</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>膨胀</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>漩涡</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>水波</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>倾斜</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>上下颠倒</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>暖色调</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>冷色调</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>鲜艳</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>褪色</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>黑白</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>浮雕</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>马赛克</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>胶片颗粒</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>铅笔画</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>锐化</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>柔焦</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>负片</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>棕褐色</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>老照片</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>水墨画</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>电视墙</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>广告牌</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>画廊</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>海滩</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>桌上照片</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>电影院</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>猫咪</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>小丑</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>英雄眼罩</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>八字胡</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>海盗</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>老虎</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>墨镜</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>派对帽</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>皇冠</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>领结</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>高礼帽</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>耳机</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>螺旋桨帽</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>对话气泡</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>爱心相框</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>金色相框</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>胶片</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>拍立得</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>复古椭圆</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>花朵</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>没有摄像头</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>正在打开摄像头...</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>找不到该文件</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>没有足够的空间创建其副本（需要 %1，可用 %2）</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>无法写入修复后的副本</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>修复后的副本未能完整读回</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>修复后的副本无法替换原文件</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>该文件受写保护</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>录制已经开始。</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>无法启动视频编码器。</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>没有足够的可用空间录制到 &quot;%1&quot;：可用空间为 %2，而录制至少需要 %3。请释放一些空间，或选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>无法创建录像文件 &quot;%1&quot;：%2。</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>无法开始录制 &quot;%1&quot;：%2。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>录像 &quot;%1&quot; 因内部错误而停止（%2）。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>录像 &quot;%1&quot; 因内部错误而停止。</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>无法完成该文件（%1）；下次启动时，只要有足够空间创建其副本（%2，当前可用 %3），就会修复该文件。</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>无法完成该文件（%1）；下次启动时，只要有足够空间创建其副本（%2），就会修复该文件。</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>此前录制的内容已保留。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>无法完成录像 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>录像 &quot;%1&quot; 的输出文件夹已被删除、重命名或卸载，因此录制已停止。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>由于磁盘即将写满（剩余 %2），录像 &quot;%1&quot; 已停止录制。</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>录像 &quot;%1&quot; 未能完整写入：%2。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>无法保存照片 &quot;%1&quot;：无法对图像进行编码。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>无法保存照片 &quot;%1&quot;。请检查输出文件夹是否存在且可写入。</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>无法保存照片 &quot;%1&quot;（%2）。请检查输出文件夹是否存在且可写入。</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>摄像头画面因内部错误而停止（%1）。</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>摄像头画面因内部错误而停止。</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>效果</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>调整</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>涂鸦</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>录制</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>删除</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>全部</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>录像</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>效果</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>更改</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>录像列表</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>时长</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>画笔粗细</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>本次会话的录像将显示在这里</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>虚拟</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>关于 Brisotel(&amp;A)...</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>选择摄像头</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>打开帮助</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>效果</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>模糊</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>模糊强度</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>身后房间的模糊程度</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>图片…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>背景模糊和替换不可用：%1。人像分割模型由 tools/install-deps.sh 获取。</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>身后显示的内容：原样的房间、模糊的房间或一张图片</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>无法更改背景：%1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>身后显示的图片：%1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>其他图片…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>关于 Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel 版本 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>摄像头实时预览、视频录制和拍照。</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>就绪。</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>正在打开摄像头...</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor 无法读取其设置文件 &quot;%1&quot;。程序将以默认设置运行，且不会保存对设置的更改。</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>正在完成录制...</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>没有摄像头</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>摄像头已断开</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>摄像头不可用</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>此摄像头正被占用，请选择其他摄像头</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>无法打开摄像头！</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>摄像头拒绝了以下设置：%1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>麦克风已断开：正在录制静音</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>您的电脑没有连接摄像头！</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>镜像预览画面</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>镜像录像和照片</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>拍照倒计时</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>摄像头画面...</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>全屏预览</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>摄像头画面</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>没有摄像头</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>摄像头不支持此项调节：由 Quenvalor 调整画面</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>自动%1</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>摄像头拒绝了以下设置：%1</translation>
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
        <translation>画面(&amp;P)...</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>选择摄像头</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>录制尺寸</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation>（经典）</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>请选择摄像头：</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>录制尺寸：</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>麦克风：</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>无法使用人脸跟随：未安装人脸检测器的数据（opencv-data）。</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>跟随人脸</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Quenvalor 预览</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>正在检查输出文件夹...</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>正在录制</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>已修复 %1 个（共 %2 个）</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>已修复 1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>已修复 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>以下录像无法修复：</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A recording&apos;s name and why it could not be repaired</extracomment>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>app::VirtualCameraSwitch</name>
    <message>
        <source>Virtual camera: other programs can show this picture</source>
        <translation>虚拟摄像头：其他程序可以显示此画面</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>虚拟摄像头</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>虚拟摄像头已关闭</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>虚拟摄像头需要 PipeWire，但它没有运行</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>虚拟摄像头已开启</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>虚拟摄像头已开启（正在观看的程序：%1）</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>重命名录像</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>新文件名：</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>时长</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>&quot;%1&quot; 不是有效的文件名。</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>无法将 &quot;%1&quot; 重命名为 &quot;%2&quot;。可能已存在同名文件。</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>无法将 &quot;%1&quot; 移到回收站。</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>重命名...</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>移到回收站</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation>（已丢失）</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>已标记</translation>
    </message>
</context>
</TS>
