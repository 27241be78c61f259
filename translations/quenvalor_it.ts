<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor è già in esecuzione; la sua finestra è stata portata in primo piano.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Temperatura del bilanciamento del bianco</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Messa a fuoco</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidezza</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Compensazione del controluce</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Frequenza della rete elettrica</translation>
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
        <translation>Usare «quenvalor --help» per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio e --classic non possono essere usate insieme</translation>
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

Uno studio per webcam: anteprima dal vivo, registrazioni, foto ed effetti.

Opzioni:
  --studio       avvia con lo studio degli effetti accanto all&apos;anteprima
  --classic      avvia con la classica finestra di registrazione
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce

Senza opzioni la finestra si apre nell&apos;ultima disposizione usata.
Ctrl+E o il pulsante «Effetti» passa da una disposizione all&apos;altra.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Nascondi nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Anteprima della fotocamera</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorie di effetti</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Effetti della categoria</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Effetti in uso</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Registrazioni di questa sessione</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Rimuovi l&apos;effetto selezionato</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Rimuovi tutti gli effetti</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pennello</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Cancella il disegno</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Colore del pennello</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Spessore del pennello: 1 pixel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Spessore del pennello: 1 pixel, secondo pulsante</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Spessore del pennello: 2 pixel</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Spessore del pennello: 5 pixel</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Spessore del pennello: 10 pixel</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Spessore del pennello: 20 pixel</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Apri la cartella di destinazione</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Cambia la cartella di destinazione</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Fotocamera virtuale</translation>
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
        <translation>Studio per webcam</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Registra dalla webcam, scatta foto e aggiungi effetti dal vivo</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>webcam;fotocamera;videocamera;registra;registrazione;video;foto;effetti;specchio;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Studio per webcam con effetti dal vivo</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor mostra l&apos;immagine dal vivo della fotocamera in una finestra dall&apos;aspetto personalizzato, la registra come video AVI con un cronometro e scatta foto JPEG, facoltativamente dopo un conto alla rovescia.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Il suo studio aggiunge effetti all&apos;immagine dal vivo: cornici, maschere, scene, filtri di colore, distorsioni, animazioni e un livello di disegno. L&apos;anteprima e le registrazioni si possono specchiare ciascuna per conto proprio.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>Lo studio: l&apos;anteprima dal vivo con una cornice e la galleria degli effetti</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animazioni</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Distorsioni</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Scene</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Volti</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Accessori</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Cornici</translation>
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
        <translation>Cuori</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Bolle</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Coriandoli</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Quattro immagini</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Nove immagini</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Pizzico</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Rigonfiamento</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Vortice</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Onde</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Polare</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Inclinato</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>Sottosopra</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Freddo</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Sbiadito</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Rilievo</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Grana della pellicola</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Più nitido</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Effetto flou</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto d&apos;epoca</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Inchiostro</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Muro di televisori</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Cartellone pubblicitario</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galleria d&apos;arte</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Spiaggia</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Foto sul tavolo</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Cinema</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Gatto</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Pagliaccio</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Maschera da supereroe</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Baffi</translation>
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
        <translation>Occhiali da sole</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Cappellino da festa</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Cuffie</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Cappellino con elica</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Nuvoletta</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Cornice di cuori</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Cornice dorata</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Pellicola</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Foto istantanea</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Ovale vintage</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fiori</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>Nessuna fotocamera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Apertura della fotocamera…</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>il file non è stato trovato</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>non c&apos;è spazio per una sua copia (servono %1, liberi %2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il file non può essere letto</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>non è stato possibile scrivere la copia riparata</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>la copia riparata non è stata riletta per intero</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>la copia riparata non ha potuto sostituire l&apos;originale</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>il file è protetto da scrittura</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>La registrazione è già stata avviata.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Impossibile avviare il codificatore video.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>Spazio libero insufficiente per registrare in «%1»: %2 liberi, mentre una registrazione richiede almeno %3. Liberare spazio o scegliere un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>Impossibile creare il file di registrazione «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>Impossibile avviare la registrazione «%1»: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>La registrazione «%1» si è interrotta per un errore interno (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>La registrazione «%1» si è interrotta per un errore interno.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>un errore interno</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>Non è stato possibile completare il file (%1); verrà riparato al prossimo avvio, quando ci sarà spazio per una sua copia (%2, ora liberi %3).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>Non è stato possibile completare il file (%1); verrà riparato al prossimo avvio, quando ci sarà spazio per una sua copia (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>Quanto registrato fino a quel momento è stato conservato.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>Non è stato possibile completare la registrazione «%1».</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>La cartella di destinazione della registrazione «%1» è stata eliminata, rinominata o smontata, quindi la registrazione è stata interrotta.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>La registrazione «%1» è stata interrotta perché il disco è quasi pieno (%2 liberi).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>Non è stato possibile scrivere la registrazione «%1» fino alla fine: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Impossibile salvare la foto «%1»: non è stato possibile codificare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>Impossibile salvare la foto «%1». Verificare che la cartella di destinazione esista e sia scrivibile.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>Impossibile salvare la foto «%1» (%2). Verificare che la cartella di destinazione esista e sia scrivibile.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>L&apos;immagine della fotocamera si è interrotta per un errore interno (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>L&apos;immagine della fotocamera si è interrotta per un errore interno.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>Webcam</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Disponi</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Togli</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Registrazioni</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Effetti</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>REGISTRAZIONI</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Durata</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>SPESSORE DEL PENNELLO</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Le registrazioni di questa sessione appariranno qui</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>Virtuale</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>&amp;Informazioni su Brisotel…</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Seleziona la webcam</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Avvia la registrazione della webcam</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Ferma la registrazione della webcam</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Apri la guida</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Scatta una foto</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Effetti</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Sfoca</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Intensità della sfocatura</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>Quanto viene sfocata la stanza dietro di te</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Immagine…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>La sfocatura e la sostituzione dello sfondo non sono disponibili: %1. Il modello di riconoscimento delle persone viene scaricato da tools/install-deps.sh.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>Ciò che si vede dietro di te: la stanza così com&apos;è, sfocata o un&apos;immagine</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>Impossibile cambiare lo sfondo: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>L&apos;immagine mostrata dietro di te: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Altra immagine…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Immagini (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>Informazioni su Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel versione 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Anteprima dal vivo della webcam, registrazione video e foto.</translation>
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
        <translation>Apertura della fotocamera…</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor non è riuscito a leggere il proprio file delle impostazioni «%1». Funziona con le impostazioni predefinite e non salverà le modifiche apportate.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Completamento della registrazione…</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Nessuna fotocamera</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Fotocamera scollegata</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Fotocamera non disponibile</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Questa webcam è già in uso, selezionarne un&apos;altra</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Impossibile aprire la webcam!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La fotocamera ha rifiutato: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Microfono scollegato: registrazione senza audio</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>Nessuna webcam collegata al computer!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Anteprima a specchio</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Registrazioni e foto a specchio</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Conto alla rovescia per la foto</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Disattivato</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>Immagine della fotocamera…</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Anteprima a schermo intero</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Immagine della fotocamera</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Nessuna fotocamera</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>La fotocamera non ha questo controllo: Quenvalor regola l&apos;immagine da sé</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1: modalità automatica</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La fotocamera ha rifiutato: %1</translation>
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
        <translation>&amp;Immagine…</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Selezione della webcam</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>Dimensione della registrazione</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (classica)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Seleziona la webcam:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Dimensione registrazione:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>Microfono:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>Il tracciamento del volto non è disponibile: i dati del rilevatore di volti (opencv-data) non sono installati.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Segui il volto</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Anteprima di Quenvalor</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Verifica della cartella di destinazione…</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Registrazione in corso</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>File riparati: %1 su %2</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 file riparato</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n file riparato</numerusform>
            <numerusform>%n file riparati</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>Non è stato possibile riparare queste registrazioni:</translation>
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
        <translation>Fotocamera virtuale: altri programmi possono mostrare questa immagine</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Fotocamera virtuale</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Fotocamera virtuale disattivata</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>La fotocamera virtuale richiede PipeWire, che non è in esecuzione</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Fotocamera virtuale attivata</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Fotocamera virtuale attivata (programmi che guardano: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Rinomina registrazione</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nuovo nome del file:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Durata</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>«%1» non è un nome di file.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>Impossibile rinominare «%1» in «%2». Potrebbe esistere già un file con quel nome.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>Impossibile spostare «%1» nel cestino.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Rinomina…</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Sposta nel cestino</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (mancante)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Contrassegnato</translation>
    </message>
</context>
</TS>
