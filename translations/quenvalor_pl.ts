<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor jest już uruchomiony; jego okno zostało przeniesione na wierzch.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor jest już uruchomiony.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odcień</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Wzmocnienie</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Ekspozycja</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Temperatura balansu bieli</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Ustawienie ostrości</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Ostrość</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Kompensacja przeciwświatła</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Częstotliwość sieci elektrycznej</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;quenvalor --help&apos; for more information.</source>
        <translation>Polecenie &apos;quenvalor --help&apos; wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>nie można podać jednocześnie --studio i --classic</translation>
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
        <translation>Użycie: quenvalor [--studio | --classic]

Studio kamery internetowej: podgląd na żywo, nagrania, zdjęcia i efekty.

Opcje:
  --studio       uruchamia program ze studiem efektów obok podglądu
  --classic      uruchamia program z klasycznym oknem nagrywania
  -h, --help     wyświetla tę pomoc i kończy działanie
  -v, --version  wyświetla wersję i kończy działanie

Bez opcji okno otwiera się w układzie, w którym je ostatnio zostawiono.
Ctrl+E lub przycisk „Efekty” przełącza między tymi dwoma układami.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Ukryj w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Podgląd z kamery</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Kategorie efektów</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Efekty z kategorii</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Używane efekty</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Nagrania z tej sesji</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Usuń zaznaczony efekt</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Usuń wszystkie efekty</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pędzel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Wyczyść rysunek</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Kolor pędzla</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Grubość pędzla: 1 piksel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Grubość pędzla: 1 piksel, drugi przycisk</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Grubość pędzla: 2 piksele</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Grubość pędzla: 5 pikseli</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Grubość pędzla: 10 pikseli</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Grubość pędzla: 20 pikseli</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Czas nagrywania</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Otwórz katalog docelowy</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Zmień katalog docelowy</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Katalog docelowy</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Kamera wirtualna</translation>
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
        <translation>Studio kamery internetowej</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Nagrywanie obrazu z kamery internetowej, robienie zdjęć i efekty na żywo</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>kamera;kamera internetowa;nagrywanie;nagranie;wideo;zdjęcie;fotografia;efekty;lustro;odbicie;webcam;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Studio kamery internetowej z efektami na żywo</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor wyświetla obraz na żywo z kamery w oknie ze skórką, nagrywa go jako wideo AVI z bieżącym licznikiem czasu i robi zdjęcia JPEG, opcjonalnie po odliczaniu.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Jego studio dodaje efekty do obrazu na żywo: ramki, maski, sceny, filtry kolorów, zniekształcenia, animacje i warstwę do malowania. Podgląd i nagrania można odbić lustrzanie, każde z osobna.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>Studio: podgląd na żywo z ramką oraz przeglądarka efektów</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animacje</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Zniekształcenia</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filtry</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Twarze</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Ramki</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>Śnieg</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Serduszka</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Bańki mydlane</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Konfetti</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Motyl</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kalejdoskop</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Cztery obrazy</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Dziewięć obrazów</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Ściśnięcie</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Wybrzuszenie</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Wir</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Kręgi na wodzie</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Współrzędne biegunowe</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Przechylenie</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>Do góry nogami</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Lustro</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Ciepłe barwy</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Chłodne barwy</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Żywe barwy</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Wyblakłe barwy</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-biały</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Płaskorzeźba</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mozaika</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Ziarno filmowe</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Ołówek</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Wyostrzenie</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Zmiękczenie</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Negatyw</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Stare zdjęcie</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Tusz</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Ściana telewizorów</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Billboard</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galeria</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plaża</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Zdjęcie na stole</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Kot</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Klaun</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Maska bohatera</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Wąsy</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>Pirat</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>Tygrys</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Okulary przeciwsłoneczne</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Imprezowa czapeczka</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Muszka</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Słuchawki</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Czapka ze śmigłem</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Dymek</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Ramka z serduszkami</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Złota ramka</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Taśma filmowa</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Zdjęcie natychmiastowe</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Owal retro</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Kwiaty</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>Brak kamery</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Otwieranie kamery…</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>nie można go znaleźć</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>brak miejsca na jego kopię (potrzeba %1, wolne %2)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>nie udało się zapisać jego naprawionej kopii</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>nie udało się odczytać w całości jego naprawionej kopii</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>jego naprawiona kopia nie mogła go zastąpić</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>jest zabezpieczone przed zapisem</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>Nagrywanie zostało już rozpoczęte.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Nie udało się uruchomić kodera wideo.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>Za mało wolnego miejsca, aby nagrywać w „%1”: wolne %2, a nagranie wymaga co najmniej %3. Zwolnij trochę miejsca lub wybierz inny katalog docelowy.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>Nie udało się utworzyć pliku nagrania „%1”: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>Nie udało się rozpocząć nagrania „%1”: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>Nagranie „%1” zostało przerwane z powodu błędu wewnętrznego (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>Nagranie „%1” zostało przerwane z powodu błędu wewnętrznego.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>błąd wewnętrzny</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>Nie udało się dokończyć pliku (%1); zostanie naprawiony przy następnym uruchomieniu, gdy będzie miejsce na jego kopię (%2, teraz wolne %3).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>Nie udało się dokończyć pliku (%1); zostanie naprawiony przy następnym uruchomieniu, gdy będzie miejsce na jego kopię (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>To, co nagrano wcześniej, zostało zachowane.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>Nie udało się dokończyć nagrania „%1”.</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>Katalog docelowy nagrania „%1” został usunięty, odmontowany lub zmieniono jego nazwę, dlatego nagrywanie zatrzymano.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>Nagranie „%1” zostało zatrzymane, ponieważ dysk jest prawie pełny (wolne %2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>Nie udało się zapisać nagrania „%1” do końca: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Nie udało się zapisać zdjęcia „%1”: nie udało się zakodować obrazu.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>Nie udało się zapisać zdjęcia „%1”. Sprawdź, czy katalog docelowy istnieje i czy można w nim zapisywać.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>Nie udało się zapisać zdjęcia „%1” (%2). Sprawdź, czy katalog docelowy istnieje i czy można w nim zapisywać.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>Obraz z kamery został zatrzymany z powodu błędu wewnętrznego (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>Obraz z kamery został zatrzymany z powodu błędu wewnętrznego.</translation>
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
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Rozmieść</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Maluj</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Nagrania</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>NAGRANIA</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>GRUBOŚĆ PĘDZLA</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Tutaj pojawią się nagrania z tej sesji</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>Wirtualna</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>&amp;O programie Brisotel…</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Wybierz kamerę</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Zatrzymaj nagrywanie</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Otwórz pomoc</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Zrób zdjęcie</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Efekty</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Rozmycie</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Siła rozmycia</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>Jak mocno rozmywane jest pomieszczenie za tobą</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Obraz…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>Rozmycie i zastępowanie tła są niedostępne: %1. Model rozpoznawania osób pobiera tools/install-deps.sh.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>Co widać za tobą: pomieszczenie takie, jakie jest, rozmyte lub obraz</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>Nie można zmienić tła: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>Obraz wyświetlany za tobą: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Inny obraz…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Obrazy (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>O programie Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel, wersja 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Podgląd obrazu z kamery internetowej na żywo, nagrywanie wideo i zdjęcia.</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Otwieranie kamery…</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor nie mógł odczytać swojego pliku ustawień „%1”. Działa z ustawieniami domyślnymi i nie zapisze ich zmian.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Kończenie nagrywania…</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Brak kamery</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Kamera odłączona</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Kamera niedostępna</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Ta kamera jest zajęta, wybierz inną</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Nie udało się otworzyć kamery!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>Kamera nie przyjęła ustawień: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Mikrofon odłączony: nagrywana jest cisza</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>Do komputera nie jest podłączona żadna kamera internetowa!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Lustrzane odbicie podglądu</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Lustrzane odbicie nagrań i zdjęć</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Odliczanie przed zdjęciem</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Wyłączone</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>Obraz z kamery…</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Podgląd na pełnym ekranie</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Katalog docelowy</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Przywróć domyślne</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Obraz z kamery</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Brak kamery</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>Kamera nie ma tej regulacji: obraz dostosowuje Quenvalor</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1: automatycznie</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>Kamera nie przyjęła ustawień: %1</translation>
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
        <translation>&amp;Obraz…</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Wybór kamery internetowej</translation>
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
        <translation>Rozmiar nagrania</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (klasyczny)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Wybierz kamerę internetową:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Rozmiar nagrania:</translation>
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
        <translation>Śledzenie twarzy jest niedostępne: dane wykrywania twarzy (opencv-data) nie są zainstalowane.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Podążaj za twarzą</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Podgląd Quenvalor</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Sprawdzanie katalogu docelowego…</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>Naprawiono %1 z %2</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>Naprawiono 1 plik</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>Naprawiono %n plik</numerusform>
            <numerusform>Naprawiono %n pliki</numerusform>
            <numerusform>Naprawiono %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>Nie udało się naprawić tych nagrań:</translation>
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
        <translation>Kamera wirtualna: inne programy mogą pokazywać ten obraz</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Kamera wirtualna</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Kamera wirtualna wyłączona</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>Kamera wirtualna wymaga PipeWire, który nie jest uruchomiony</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Kamera wirtualna włączona</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Kamera wirtualna włączona (oglądające programy: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Zmień nazwę nagrania</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nowa nazwa pliku:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>„%1” nie jest nazwą pliku.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>Nie udało się zmienić nazwy „%1” na „%2”. Plik o tej nazwie może już istnieć.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>Nie udało się przenieść „%1” do kosza.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w katalogu</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Zmień nazwę…</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Przenieś do kosza</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (brak pliku)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Zaznaczone</translation>
    </message>
</context>
</TS>
