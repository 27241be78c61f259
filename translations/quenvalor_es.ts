<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor ya se está ejecutando; su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Temperatura del balance de blancos</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Enfoque</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Compensación de contraluz</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Frecuencia de la red eléctrica</translation>
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
        <translation>Pruebe «quenvalor --help» para más información.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio y --classic no se pueden indicar a la vez</translation>
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

Estudio de cámara web: vista previa en directo, grabaciones, fotos y efectos.

Opciones:
  --studio       iniciar con el estudio de efectos junto a la vista previa
  --classic      iniciar con la ventana clásica de grabación
  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

Sin opciones, la ventana se abre con la disposición que tenía al cerrarse.
Ctrl+E o el botón «Efectos» cambia entre las dos disposiciones.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Ocultar en el área de notificación</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Vista previa de la cámara</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Categorías de efectos</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Efectos de la categoría</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Efectos en uso</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Grabaciones de esta sesión</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Quitar el efecto seleccionado</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Quitar todos los efectos</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Goma de borrar</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Borrar el dibujo</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Color del pincel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Grosor del pincel: 1 píxel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Grosor del pincel: 1 píxel, segundo botón</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Grosor del pincel: 2 píxeles</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Grosor del pincel: 5 píxeles</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Grosor del pincel: 10 píxeles</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Grosor del pincel: 20 píxeles</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Cambiar la carpeta de destino</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Cámara virtual</translation>
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
        <translation>Estudio de cámara web</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Grabar con la cámara web, hacer fotos y añadir efectos en directo</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>cámara web;webcam;cámara;grabar;grabación;vídeo;foto;efectos;espejo;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Estudio de cámara web con efectos en directo</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor muestra la imagen en directo de su cámara en una ventana con aspecto propio, la graba como vídeo AVI con un cronómetro en marcha y hace fotos JPEG, opcionalmente tras una cuenta atrás.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Su estudio añade efectos a la imagen en directo: marcos, máscaras, escenas, filtros de color, distorsiones, animaciones y una capa de dibujo. La vista previa y las grabaciones pueden reflejarse en espejo por separado.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>El estudio: la vista previa en directo con un marco y el explorador de efectos</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Distorsiones</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Escenas</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Caras</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Marcos</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Burbujas</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Confeti</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Caleidoscopio</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Cuatro imágenes</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Nueve imágenes</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Pellizco</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Abombado</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Remolino</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Inclinado</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>Al revés</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Cálido</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Frío</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Intenso</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Desvaído</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relieve</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Grano de película</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Más nítido</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Difuminado</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Foto antigua</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Pared de televisores</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Valla publicitaria</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galería de arte</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Playa</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Foto en la mesa</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Gato</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Payaso</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Antifaz de superhéroe</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Bigote</translation>
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
        <translation>Gafas de sol</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Gorro de fiesta</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Pajarita</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Sombrero de copa</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Auriculares</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Gorra con hélice</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Bocadillo</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Marco de corazones</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Marco dorado</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Tira de película</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Foto instantánea</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Óvalo retro</translation>
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
        <translation>Sin cámara</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abriendo la cámara…</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>no se encuentra el archivo</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>no hay espacio para una copia (se necesitan %1, hay %2 libres)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>no se pudo escribir la copia reparada</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>la copia reparada no se pudo volver a leer completa</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>la copia reparada no pudo sustituir al original</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>el archivo está protegido contra escritura</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>La grabación ya se ha iniciado.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>No se pudo iniciar el codificador de vídeo.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>No hay suficiente espacio libre para grabar en «%1»: hay %2 libres y una grabación necesita al menos %3. Libere espacio o elija otra carpeta de destino.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>No se pudo crear el archivo de grabación «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>No se pudo iniciar la grabación «%1»: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>La grabación «%1» se detuvo por un error interno (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>La grabación «%1» se detuvo por un error interno.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>un error interno</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>No se pudo finalizar el archivo (%1); se reparará en el próximo inicio, cuando haya espacio para una copia (%2; ahora hay %3 libres).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>No se pudo finalizar el archivo (%1); se reparará en el próximo inicio, cuando haya espacio para una copia (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>Se ha conservado lo grabado hasta entonces.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>No se pudo completar la grabación «%1».</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>La carpeta de destino de la grabación «%1» se ha eliminado, renombrado o desmontado, por lo que se ha detenido la grabación.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>La grabación «%1» se ha detenido porque el disco está casi lleno (%2 libres).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>La grabación «%1» no se pudo escribir hasta el final: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>No se pudo guardar la foto «%1»: no se pudo codificar la imagen.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>No se pudo guardar la foto «%1». Compruebe que la carpeta de destino existe y que se puede escribir en ella.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>No se pudo guardar la foto «%1» (%2). Compruebe que la carpeta de destino existe y que se puede escribir en ella.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>La imagen de la cámara se detuvo por un error interno (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>La imagen de la cámara se detuvo por un error interno.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Colocar</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>GRABACIONES</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Duración</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>GROSOR DEL PINCEL</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Las grabaciones de esta sesión aparecerán aquí</translation>
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
        <translation>&amp;Acerca de Brisotel…</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Seleccionar la cámara web</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Iniciar la grabación de la cámara web</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Detener la grabación de la cámara web</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Hacer una foto</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Efectos</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfocar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Intensidad del desenfoque</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>Cuánto se desenfoca la habitación detrás de usted</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagen…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>El desenfoque y el reemplazo del fondo no están disponibles: %1. El modelo de detección de personas lo descarga tools/install-deps.sh.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>Lo que se ve detrás de usted: la habitación tal cual, desenfocada o una imagen</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>No se puede cambiar el fondo: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>La imagen que se muestra detrás de usted: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Otra imagen…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>Acerca de Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel versión 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Vista previa de la cámara web en directo, grabación de vídeo y fotos.</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abriendo la cámara…</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor no pudo leer su archivo de configuración «%1». Funciona con la configuración predeterminada y no guardará los cambios que se hagan en ella.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Finalizando la grabación…</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Sin cámara</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Cámara desconectada</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Cámara no disponible</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Esta cámara web está ocupada; seleccione otra</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>¡No se pudo abrir la cámara web!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La cámara rechazó: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Micrófono desconectado: se graba sin sonido</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>¡No hay ninguna cámara web conectada a su equipo!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar la ventana</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Vista previa en espejo</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Grabaciones y fotos en espejo</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Cuenta atrás para la foto</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Desactivada</translation>
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
        <translation>Imagen de la cámara…</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Vista previa a pantalla completa</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Imagen de la cámara</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Sin cámara</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>La cámara no tiene este control: Quenvalor ajusta la imagen</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1: modo automático</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La cámara rechazó: %1</translation>
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
        <translation>&amp;Imagen…</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Selección de cámara web</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>Tamaño de grabación</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (clásico)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Seleccione la cámara web:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Tamaño de grabación:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>Micrófono:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>El seguimiento de caras no está disponible: los datos del detector de caras (opencv-data) no están instalados.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Seguir la cara</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Vista previa de Quenvalor</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Comprobando la carpeta de destino…</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>Archivos reparados: %1 de %2</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 archivo reparado</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n archivo reparado</numerusform>
            <numerusform>%n archivos reparados</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>No se pudieron reparar estas grabaciones:</translation>
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
        <translation>Cámara virtual: otros programas pueden mostrar esta imagen</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Cámara virtual</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Cámara virtual desactivada</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>La cámara virtual necesita PipeWire, que no se está ejecutando</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Cámara virtual activada</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Cámara virtual activada (programas mirando: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Renombrar la grabación</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nombre de archivo nuevo:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Duración</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>«%1» no es un nombre de archivo.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>No se pudo renombrar «%1» como «%2». Puede que ya exista un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>No se pudo mover «%1» a la papelera.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar…</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Mover a la papelera</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (no encontrado)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Marcado</translation>
    </message>
</context>
</TS>
