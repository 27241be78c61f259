<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>O Quenvalor já está em execução; sua janela foi trazida para a frente.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>O Quenvalor já está em execução.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Temperatura do balanço de branco</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Compensação de contraluz</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Frequência da rede elétrica</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;quenvalor --help&apos; for more information.</source>
        <translation>Experimente &apos;quenvalor --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio e --classic não podem ser usados juntos</translation>
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
        <translation>Uso: quenvalor [--studio | --classic]

Um estúdio de webcam: pré-visualização ao vivo, gravações, fotos e efeitos.

Opções:
  --studio       inicia com o estúdio de efeitos ao lado da pré-visualização
  --classic      inicia com a janela clássica de gravação
  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai

Sem opção, a janela abre no modo em que estava da última vez.
Ctrl+E ou o botão Efeitos alterna entre os dois modos.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Ocultar na área de notificação</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Pré-visualização da câmera</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorias de efeitos</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Efeitos da categoria</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Efeitos em uso</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Gravações desta sessão</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Excluir o efeito selecionado</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Remover todos os efeitos</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Limpar a pintura</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Cor do pincel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Largura do pincel: 1 pixel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Largura do pincel: 1 pixel, segundo botão</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Largura do pincel: 2 pixels</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Largura do pincel: 5 pixels</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Largura do pincel: 10 pixels</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Largura do pincel: 20 pixels</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir a pasta de saída</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Alterar a pasta de saída</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Câmera virtual</translation>
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
        <translation>Estúdio de webcam</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Grave sua webcam, tire fotos e adicione efeitos ao vivo</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>webcam;câmera;camera;gravar;gravação;vídeo;foto;fotografia;efeitos;espelho;espelhar;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Estúdio de webcam com efeitos ao vivo</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>O Quenvalor mostra a imagem ao vivo da sua câmera em uma janela com visual próprio, grava-a em vídeo AVI com um relógio em andamento e tira fotos em JPEG, se desejar após uma contagem regressiva.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Seu estúdio adiciona efeitos à imagem ao vivo: molduras, máscaras, cenários, filtros de cor, distorções, animações e uma camada de pintura. A pré-visualização e as gravações podem ser espelhadas cada uma separadamente.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>O estúdio: a pré-visualização ao vivo com uma moldura e o navegador de efeitos</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animações</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Distorções</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Cenários</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Rostos</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Acessórios</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Molduras</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corações</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Bolhas</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogos de artifício</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Confete</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscópio</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Quatro imagens</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Nove imagens</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Compressão</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Inchaço</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Redemoinho</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Coordenadas polares</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Inclinação</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>De ponta-cabeça</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Espelho</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Quente</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Frio</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Vívido</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Desbotado</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relevo</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Granulação de filme</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Mais nitidez</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Foco suave</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto antiga</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Nanquim</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Parede de TVs</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Outdoor</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galeria</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Praia</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Foto na mesa</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Cinema</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Palhaço</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Máscara de herói</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Bigode</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>Pirata</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Óculos de sol</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Chapéu de festa</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Coroa</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Gravata-borboleta</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cartola</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Fones de ouvido</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Boné de hélice</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Balão de fala</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Moldura de corações</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Moldura dourada</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Tira de filme</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Foto instantânea</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Oval retrô</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Flores</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>Nenhuma câmera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abrindo a câmera…</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>não foi possível encontrá-la</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>não há espaço para uma cópia dela (%1 necessários, %2 livres)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não foi possível lê-la</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>não foi possível escrever a cópia reparada</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>a cópia reparada não pôde ser relida por inteiro</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>a cópia reparada não pôde substituí-la</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>ela está protegida contra escrita</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>A gravação já foi iniciada.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Não foi possível iniciar o codificador de vídeo.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>Não há espaço livre suficiente para gravar em “%1”: %2 livres, e uma gravação precisa de pelo menos %3. Libere espaço ou escolha outra pasta de saída.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>Não foi possível criar o arquivo de gravação “%1”: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>Não foi possível iniciar a gravação “%1”: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>A gravação “%1” parou devido a um erro interno (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>A gravação “%1” parou devido a um erro interno.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>um erro interno</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>Não foi possível finalizar o arquivo (%1); a próxima inicialização o reparará quando houver espaço para uma cópia dele (%2, com %3 livres agora).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>Não foi possível finalizar o arquivo (%1); a próxima inicialização o reparará quando houver espaço para uma cópia dele (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>O que foi gravado até então foi mantido.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>Não foi possível concluir a gravação “%1”.</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>A pasta de saída da gravação “%1” foi excluída, renomeada ou desmontada, por isso a gravação foi interrompida.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>A gravação “%1” foi interrompida porque o disco está quase cheio (%2 livres).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>Não foi possível escrever a gravação “%1” até o fim: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Não foi possível salvar a foto “%1”: a imagem não pôde ser codificada.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>Não foi possível salvar a foto “%1”. Verifique se a pasta de saída existe e se tem permissão de escrita.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>Não foi possível salvar a foto “%1” (%2). Verifique se a pasta de saída existe e se tem permissão de escrita.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>A imagem da câmera parou devido a um erro interno (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>A imagem da câmera parou devido a um erro interno.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>GRAVAÇÕES</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>LARGURA DO PINCEL</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Suas gravações desta sessão aparecerão aqui</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>Virtual</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>&amp;Sobre o Brisotel…</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Selecionar webcam</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Abrir a ajuda</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Tirar foto</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Efeitos</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desfocar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Intensidade do desfoque</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>O quanto o ambiente atrás de você fica desfocado</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagem…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>O desfoque e a substituição do fundo não estão disponíveis: %1. O modelo de detecção de pessoas é baixado por tools/install-deps.sh.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>O que aparece atrás de você: o ambiente como está, desfocado ou uma imagem</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>Não é possível mudar o fundo: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>A imagem mostrada atrás de você: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Outra imagem…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>Sobre o Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel versão 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Pré-visualização ao vivo da webcam, gravação de vídeo e fotos.</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abrindo a câmera…</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>O Quenvalor não conseguiu ler o arquivo de configurações “%1”. Ele será executado com as configurações padrão e não salvará alterações nelas.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Finalizando a gravação…</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Nenhuma câmera</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Câmera desconectada</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Câmera indisponível</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Esta webcam está em uso, selecione outra</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Falha ao abrir a webcam!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>A câmera recusou: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Microfone desconectado: gravando silêncio</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>Não há nenhuma webcam conectada ao seu computador!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Espelhar a pré-visualização</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Espelhar gravações e fotos</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Contagem regressiva da foto</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Desativada</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>Imagem da câmera…</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Pré-visualização em tela cheia</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Imagem da câmera</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Nenhuma câmera</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>A câmera não tem este controle: o Quenvalor ajusta a imagem</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1: ajuste automático</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>A câmera recusou: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>app::CSourceDialog</name>
    <message>
        <source>&amp;Picture...</source>
        <extracomment>Opens the camera&apos;s picture controls (brightness, contrast...)</extracomment>
        <translation>&amp;Imagem…</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Seleção de webcam</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>Tamanho da gravação</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (clássico)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Selecione a webcam:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Tamanho da gravação:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>Microfone:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>O acompanhamento do rosto não está disponível: os dados do detector de rostos (opencv-data) não estão instalados.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Seguir o rosto</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Pré-visualização do Quenvalor</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Verificando a pasta de saída…</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>%1 de %2 reparados</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 arquivo reparado</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n arquivo reparado</numerusform>
            <numerusform>%n arquivos reparados</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>Não foi possível reparar estas gravações:</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A recording&apos;s name and why it could not be repaired</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>app::VirtualCameraSwitch</name>
    <message>
        <source>Virtual camera: other programs can show this picture</source>
        <translation>Câmera virtual: outros programas podem mostrar esta imagem</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Câmera virtual</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Câmera virtual desligada</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>A câmera virtual precisa do PipeWire, que não está em execução</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Câmera virtual ligada</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Câmera virtual ligada (programas assistindo: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Renomear gravação</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Novo nome do arquivo:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Duração</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>“%1” não é um nome de arquivo.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>Não foi possível renomear “%1” para “%2”. Talvez já exista um arquivo com esse nome.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>Não foi possível mover “%1” para a lixeira.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renomear…</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Mover para a lixeira</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (ausente)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Marcado</translation>
    </message>
</context>
</TS>
