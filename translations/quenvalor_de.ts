<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor läuft bereits; sein Fenster wurde in den Vordergrund geholt.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor läuft bereits.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Weißabgleich-Farbtemperatur</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Gegenlichtausgleich</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Netzfrequenz</translation>
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
        <translation>»quenvalor --help« gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>Unbekannte Option »%1«</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>Unerwartetes Argument »%1«</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio und --classic können nicht zusammen angegeben werden</translation>
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
        <translation>Aufruf: quenvalor [--studio | --classic]

Ein Webcam-Studio: Live-Vorschau, Aufnahmen, Fotos und Effekte.

Optionen:
  --studio       mit dem Effektstudio neben der Vorschau starten
  --classic      mit dem klassischen Aufnahmefenster starten
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Ohne Option öffnet sich das Fenster in der Ansicht, in der es zuletzt war.
Strg+E oder der Knopf »Effekte« wechselt zwischen den beiden Ansichten.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Im Benachrichtigungsbereich verstecken</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Kameravorschau</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Effektkategorien</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Effekte der Kategorie</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Verwendete Effekte</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Aufnahmen dieser Sitzung</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Ausgewählten Effekt löschen</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Alle Effekte entfernen</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Gemaltes löschen</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Pinselfarbe</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Pinselbreite 1 Pixel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Pinselbreite 1 Pixel, zweiter Knopf</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Pinselbreite 2 Pixel</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Pinselbreite 5 Pixel</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Pinselbreite 10 Pixel</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Pinselbreite 20 Pixel</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Ausgabeordner ändern</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Virtuelle Kamera</translation>
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
        <translation>Webcam-Studio</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Mit der Webcam aufnehmen, Fotos machen und Live-Effekte hinzufügen</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>Webcam;Kamera;Aufnahme;aufnehmen;Foto;Schnappschuss;Effekte;Spiegel;webcam;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Webcam-Studio mit Live-Effekten</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor zeigt das Live-Bild Ihrer Kamera in einem gestalteten Fenster, nimmt es mit laufender Uhr als AVI-Video auf und macht JPEG-Fotos, auf Wunsch nach einem Countdown.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Sein Studio legt Effekte über das Live-Bild: Bilderrahmen, Masken, Szenen, Farbfilter, Verzerrungen, Animationen und eine Malebene. Vorschau und Aufnahmen lassen sich jeweils spiegeln.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>Das Studio: die Live-Vorschau mit einem Bilderrahmen und die Effektauswahl</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Verzerrungen</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Gesichter</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Rahmen</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herzen</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Seifenblasen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Konfetti</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaleidoskop</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Vierfachbild</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Neunfachbild</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Stauchen</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Wölben</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Strudel</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Polarkoordinaten</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Schräg</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>Kopfüber</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Kühl</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Lebendig</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Verblasst</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mosaik</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Filmkorn</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Schärfen</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Weichzeichner</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Altes Foto</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Tusche</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Fernsehwand</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Plakatwand</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Strand</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Fototisch</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Katze</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Clown</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Heldenmaske</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Schnurrbart</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>Pirat</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sonnenbrille</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Partyhut</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Fliege</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Propellermütze</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Sprechblase</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Herzrahmen</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Goldrahmen</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Filmstreifen</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Sofortbild</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Nostalgie-Oval</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Kamera wird geöffnet …</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>sie ist nicht auffindbar</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>für eine Kopie ist kein Platz (%1 nötig, %2 frei)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>ihre reparierte Kopie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>ihre reparierte Kopie ließ sich nicht vollständig zurücklesen</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>ihre reparierte Kopie konnte nicht an ihre Stelle treten</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>Die Aufnahme wurde bereits gestartet.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Der Video-Encoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>Zu wenig freier Speicherplatz für eine Aufnahme in »%1«: %2 frei, eine Aufnahme braucht mindestens %3. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>Die Aufnahmedatei »%1« konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>Die Aufnahme »%1« konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>Die Aufnahme »%1« wurde durch einen internen Fehler beendet (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>Die Aufnahme »%1« wurde durch einen internen Fehler beendet.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>ein interner Fehler</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>Die Datei konnte nicht abgeschlossen werden (%1); der nächste Start repariert sie, sobald Platz für eine Kopie ist (%2, derzeit %3 frei).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>Die Datei konnte nicht abgeschlossen werden (%1); der nächste Start repariert sie, sobald Platz für eine Kopie ist (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>Das bis dahin Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>Die Aufnahme »%1« konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>Der Ausgabeordner der Aufnahme »%1« wurde gelöscht, umbenannt oder ausgehängt; die Aufnahme wurde daher beendet.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>Die Aufnahme »%1« wurde beendet, weil der Datenträger fast voll ist (%2 frei).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>Die Aufnahme »%1« konnte nicht bis zum Ende geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Das Foto »%1« konnte nicht gespeichert werden: Das Bild ließ sich nicht kodieren.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>Das Foto »%1« konnte nicht gespeichert werden. Prüfen Sie, ob der Ausgabeordner existiert und beschreibbar ist.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>Das Foto »%1« konnte nicht gespeichert werden (%2). Prüfen Sie, ob der Ausgabeordner existiert und beschreibbar ist.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>Das Kamerabild wurde durch einen internen Fehler angehalten (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>Das Kamerabild wurde durch einen internen Fehler angehalten.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Anordnen</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>AUFNAHMEN</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>PINSELBREITE</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Ihre Aufnahmen dieser Sitzung erscheinen hier</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>Virtuell</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>&amp;Über Brisotel …</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Webcam auswählen</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Webcam-Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Webcam-Aufnahme beenden</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Effekte</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Stärke des Weichzeichnens</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>Wie stark der Raum hinter Ihnen weichgezeichnet wird</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Bild …</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>Weichzeichnen und Ersetzen des Hintergrunds sind nicht verfügbar: %1. Das Modell zur Personenerkennung wird von tools/install-deps.sh geladen.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>Was hinter Ihnen zu sehen ist: der Raum, wie er ist, weichgezeichnet oder ein Bild</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>Der Hintergrund kann nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>Das Bild hinter Ihnen: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Anderes Bild …</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>Über Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel Version 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Live-Vorschau der Webcam, Videoaufnahme und Fotos.</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Kamera wird geöffnet …</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor konnte seine Einstellungsdatei »%1« nicht lesen. Es läuft mit den Standardeinstellungen und speichert keine Änderungen daran.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Aufnahme wird abgeschlossen …</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Kamera getrennt</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Kamera nicht verfügbar</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Diese Webcam wird gerade verwendet, bitte wählen Sie eine andere</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Die Webcam konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>Die Kamera hat abgelehnt: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Mikrofon getrennt: Stille wird aufgenommen</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>An Ihrem Rechner ist keine Webcam angeschlossen!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Vorschau spiegeln</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Aufnahmen und Fotos spiegeln</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Countdown vor dem Foto</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>Kamerabild …</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Vollbildvorschau</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Kamerabild</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>Die Kamera hat diese Einstellung nicht: Quenvalor passt das Bild selbst an</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1 automatisch</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>Die Kamera hat abgelehnt: %1</translation>
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
        <translation>&amp;Bild …</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Webcam auswählen</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>Aufnahmegröße</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (klassisch)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Bitte wählen Sie die Webcam:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Aufnahmegröße:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>Mikrofon:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>Gesichtsverfolgung ist nicht verfügbar: Die Daten der Gesichtserkennung (opencv-data) sind nicht installiert.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Dem Gesicht folgen</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Quenvalor-Vorschau</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Ausgabeordner wird geprüft …</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Aufnahme läuft</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>%1 von %2 repariert</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 Datei repariert</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n Datei repariert</numerusform>
            <numerusform>%n Dateien repariert</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>Diese Aufnahmen konnten nicht repariert werden:</translation>
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
        <translation>Virtuelle Kamera: andere Programme können dieses Bild zeigen</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Virtuelle Kamera</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Virtuelle Kamera aus</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>Die virtuelle Kamera braucht PipeWire, das nicht läuft</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Virtuelle Kamera an</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Virtuelle Kamera an (zuschauende Programme: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Aufnahme umbenennen</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Neuer Dateiname:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>»%1« ist kein Dateiname.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>»%1« konnte nicht in »%2« umbenannt werden. Möglicherweise gibt es bereits eine Datei dieses Namens.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>»%1« konnte nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (fehlt)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Markiert</translation>
    </message>
</context>
</TS>
