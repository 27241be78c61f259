<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CCaptureApp</name>
    <message>
        <source>Quenvalor is already running; its window has been brought to the front.</source>
        <translation>Quenvalor est déjà en cours d&apos;exécution&#xa0;; sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>Quenvalor is already running.</source>
        <translation>Quenvalor est déjà en cours d&apos;exécution.</translation>
    </message>
</context>
<context>
    <name>CameraControls</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Gain</source>
        <extracomment>The camera&apos;s signal amplification</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>White balance temperature</source>
        <translation>Température de la balance des blancs</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Compensation du contre-jour</translation>
    </message>
    <message>
        <source>Power line frequency</source>
        <translation>Fréquence du secteur</translation>
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
        <translation>Essayez «&#xa0;quenvalor --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--studio and --classic cannot be given together</source>
        <translation>--studio et --classic ne peuvent pas être utilisées ensemble</translation>
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
        <translation>Utilisation&#xa0;: quenvalor [--studio | --classic]

Un studio pour webcam&#xa0;: aperçu en direct, enregistrements, photos et effets.

Options&#xa0;:
  --studio       démarrer avec le studio d&apos;effets à côté de l&apos;aperçu
  --classic      démarrer avec la fenêtre d&apos;enregistrement classique
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Sans option, la fenêtre s&apos;ouvre dans la dernière disposition utilisée.
Ctrl+E ou le bouton «&#xa0;Effets&#xa0;» bascule entre les deux dispositions.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Hide in the notification area</source>
        <translation>Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Camera preview</source>
        <translation>Aperçu de la caméra</translation>
    </message>
    <message>
        <source>Effect categories</source>
        <translation>Catégories d&apos;effets</translation>
    </message>
    <message>
        <source>Effects of the category</source>
        <translation>Effets de la catégorie</translation>
    </message>
    <message>
        <source>Effects in use</source>
        <translation>Effets utilisés</translation>
    </message>
    <message>
        <source>Recordings of this session</source>
        <translation>Enregistrements de cette session</translation>
    </message>
    <message>
        <source>Delete the selected effect</source>
        <translation>Retirer l&apos;effet sélectionné</translation>
    </message>
    <message>
        <source>Remove all effects</source>
        <translation>Retirer tous les effets</translation>
    </message>
    <message>
        <source>Brush</source>
        <extracomment>The paint tool that draws</extracomment>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Eraser</source>
        <extracomment>The paint tool that rubs out what was painted</extracomment>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear the painting</source>
        <translation>Effacer le dessin</translation>
    </message>
    <message>
        <source>Brush colour</source>
        <translation>Couleur du pinceau</translation>
    </message>
    <message>
        <source>Brush width 1 pixel</source>
        <translation>Épaisseur du pinceau&#xa0;: 1 pixel</translation>
    </message>
    <message>
        <source>Brush width 1 pixel, second button</source>
        <extracomment>The second of two buttons for the finest brush</extracomment>
        <translation>Épaisseur du pinceau&#xa0;: 1 pixel, second bouton</translation>
    </message>
    <message>
        <source>Brush width 2 pixels</source>
        <translation>Épaisseur du pinceau&#xa0;: 2 pixels</translation>
    </message>
    <message>
        <source>Brush width 5 pixels</source>
        <translation>Épaisseur du pinceau&#xa0;: 5 pixels</translation>
    </message>
    <message>
        <source>Brush width 10 pixels</source>
        <translation>Épaisseur du pinceau&#xa0;: 10 pixels</translation>
    </message>
    <message>
        <source>Brush width 20 pixels</source>
        <translation>Épaisseur du pinceau&#xa0;: 20 pixels</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <extracomment>The recording clock</extracomment>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Change the output folder</source>
        <translation>Changer le dossier de destination</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <extracomment>The button that offers the picture to other programs as a camera</extracomment>
        <translation>Caméra virtuelle</translation>
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
        <translation>Studio webcam</translation>
    </message>
    <message>
        <source>Record your webcam, take snapshots and add live effects</source>
        <extracomment>The menu entry&apos;s tooltip</extracomment>
        <translation>Enregistrer sa webcam, prendre des photos et ajouter des effets en direct</translation>
    </message>
    <message>
        <source>webcam;camera;record;snapshot;effects;mirror;</source>
        <extracomment>Search words for the desktop&apos;s launcher: keep the semicolons (one after every word) and add your language&apos;s words; the English ones may stay too</extracomment>
        <translation>webcam;caméra;enregistrer;enregistrement;vidéo;photo;effets;miroir;camera;record;snapshot;effects;mirror;</translation>
    </message>
    <message>
        <source>Webcam studio with live effects</source>
        <extracomment>The one-line summary in software centres</extracomment>
        <translation>Studio webcam avec effets en direct</translation>
    </message>
    <message>
        <source>Quenvalor shows your camera&apos;s live picture in a skinned window, records it as AVI video with a running clock and takes JPEG snapshots, optionally after a countdown.</source>
        <extracomment>The first paragraph of the description in software centres</extracomment>
        <translation>Quenvalor affiche l&apos;image en direct de votre caméra dans une fenêtre à l&apos;habillage soigné, l&apos;enregistre en vidéo AVI avec un chronomètre et prend des photos JPEG, éventuellement après un compte à rebours.</translation>
    </message>
    <message>
        <source>Its studio adds effects to the live picture: picture frames, masks, scenes, colour filters, distortions, animations and a paint layer. The preview and the recordings can each be mirrored.</source>
        <extracomment>The second paragraph of the description in software centres</extracomment>
        <translation>Son studio ajoute des effets à l&apos;image en direct&#xa0;: cadres photo, masques, scènes, filtres de couleur, déformations, animations et un calque de dessin. L&apos;aperçu et les enregistrements peuvent chacun être mis en miroir.</translation>
    </message>
    <message>
        <source>The studio: the live preview with a picture frame, and the effect browser</source>
        <extracomment>The caption of the screenshot in software centres</extracomment>
        <translation>Le studio&#xa0;: l&apos;aperçu en direct avec un cadre photo, et la galerie d&apos;effets</translation>
    </message>
</context>
<context>
    <name>EffectCategories</name>
    <message>
        <source>Animations</source>
        <extracomment>An effect category: moving pictures laid over the camera picture</extracomment>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Distortions</source>
        <extracomment>An effect category: effects that bend or fold the camera picture</extracomment>
        <translation>Déformations</translation>
    </message>
    <message>
        <source>Filters</source>
        <extracomment>An effect category: colour and picture filters</extracomment>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Scenes</source>
        <extracomment>An effect category: the camera picture placed in a scene (a TV wall, a beach...)</extracomment>
        <translation>Scènes</translation>
    </message>
    <message>
        <source>Faces</source>
        <extracomment>An effect category: masks and make-up that cover the face</extracomment>
        <translation>Visages</translation>
    </message>
    <message>
        <source>Accessories</source>
        <extracomment>An effect category: hats, glasses and other things worn on the face or head</extracomment>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>An effect category: picture frames around the camera picture</extracomment>
        <translation>Cadres</translation>
    </message>
</context>
<context>
    <name>EffectNames</name>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœurs</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Bulles</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feu d&apos;artifice</translation>
    </message>
    <message>
        <source>Confetti</source>
        <translation>Confettis</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaléidoscope</translation>
    </message>
    <message>
        <source>Quad view</source>
        <extracomment>The picture shown four times, in a 2 x 2 grid</extracomment>
        <translation>Quatre images</translation>
    </message>
    <message>
        <source>Nine view</source>
        <extracomment>The picture shown nine times, in a 3 x 3 grid</extracomment>
        <translation>Neuf images</translation>
    </message>
    <message>
        <source>Pinch</source>
        <extracomment>A distortion that squeezes the middle of the picture inwards</extracomment>
        <translation>Pincement</translation>
    </message>
    <message>
        <source>Bulge</source>
        <extracomment>A distortion that swells the middle of the picture outwards</extracomment>
        <translation>Bombé</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Ripple</source>
        <extracomment>Rings spreading over the picture as on water</extracomment>
        <translation>Ondulations</translation>
    </message>
    <message>
        <source>Polar</source>
        <extracomment>The picture rolled round a centre (polar coordinates)</extracomment>
        <translation>Polaire</translation>
    </message>
    <message>
        <source>Tilt</source>
        <extracomment>The picture turned slightly askew</extracomment>
        <translation>Penché</translation>
    </message>
    <message>
        <source>Upside down</source>
        <translation>À l&apos;envers</translation>
    </message>
    <message>
        <source>Mirror</source>
        <extracomment>A distortion: the picture&apos;s left half mirrored onto its right half</extracomment>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Warm</source>
        <extracomment>A colour filter with warmer (redder) colours</extracomment>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Cool</source>
        <extracomment>A colour filter with cooler (bluer) colours</extracomment>
        <translation>Froid</translation>
    </message>
    <message>
        <source>Vivid</source>
        <extracomment>A colour filter with strong colours</extracomment>
        <translation>Vif</translation>
    </message>
    <message>
        <source>Faded</source>
        <extracomment>A colour filter with pale, washed-out colours</extracomment>
        <translation>Délavé</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Emboss</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <extracomment>The picture made of large coloured squares (pixelated)</extracomment>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Film grain</source>
        <translation>Grain de film</translation>
    </message>
    <message>
        <source>Pencil</source>
        <extracomment>The picture drawn as a pencil sketch</extracomment>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <extracomment>A filter that makes the picture sharper</extracomment>
        <translation>Accentuation</translation>
    </message>
    <message>
        <source>Soft focus</source>
        <translation>Flou artistique</translation>
    </message>
    <message>
        <source>Negative</source>
        <extracomment>A filter that inverts the colours, as on a photographic negative</extracomment>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Old photo</source>
        <translation>Vieille photo</translation>
    </message>
    <message>
        <source>Ink</source>
        <extracomment>The picture drawn as an ink drawing</extracomment>
        <translation>Encre</translation>
    </message>
    <message>
        <source>TV wall</source>
        <extracomment>A scene: the picture on a wall of television sets</extracomment>
        <translation>Mur de télés</translation>
    </message>
    <message>
        <source>Billboard</source>
        <translation>Panneau publicitaire</translation>
    </message>
    <message>
        <source>Gallery</source>
        <extracomment>A scene: the picture hung in an art gallery</extracomment>
        <translation>Galerie d&apos;art</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Photo table</source>
        <extracomment>A scene: the picture as a photograph lying on a table</extracomment>
        <translation>Photo sur la table</translation>
    </message>
    <message>
        <source>Cinema</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Cat</source>
        <extracomment>A face mask: a cat&apos;s face</extracomment>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Clown</source>
        <translation>Clown</translation>
    </message>
    <message>
        <source>Hero mask</source>
        <extracomment>A superhero&apos;s eye mask</extracomment>
        <translation>Masque de héros</translation>
    </message>
    <message>
        <source>Moustache</source>
        <translation>Moustache</translation>
    </message>
    <message>
        <source>Pirate</source>
        <translation>Pirate</translation>
    </message>
    <message>
        <source>Tiger</source>
        <extracomment>A face mask: a tiger&apos;s face</extracomment>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Lunettes de soleil</translation>
    </message>
    <message>
        <source>Party hat</source>
        <translation>Chapeau de fête</translation>
    </message>
    <message>
        <source>Crown</source>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Bow tie</source>
        <translation>Nœud papillon</translation>
    </message>
    <message>
        <source>Top hat</source>
        <translation>Haut-de-forme</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Casque audio</translation>
    </message>
    <message>
        <source>Propeller cap</source>
        <extracomment>A cap with a small propeller on top</extracomment>
        <translation>Casquette à hélice</translation>
    </message>
    <message>
        <source>Speech bubble</source>
        <extracomment>A comic-strip speech bubble beside the head</extracomment>
        <translation>Bulle de BD</translation>
    </message>
    <message>
        <source>Hearts frame</source>
        <translation>Cadre à cœurs</translation>
    </message>
    <message>
        <source>Gold frame</source>
        <translation>Cadre doré</translation>
    </message>
    <message>
        <source>Film strip</source>
        <translation>Pellicule</translation>
    </message>
    <message>
        <source>Instant photo</source>
        <extracomment>A frame like that of an instant (self-developing) photograph</extracomment>
        <translation>Photo instantanée</translation>
    </message>
    <message>
        <source>Vintage oval</source>
        <translation>Ovale rétro</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Fleurs</translation>
    </message>
</context>
<context>
    <name>Placard</name>
    <message>
        <source>No camera</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Ouverture de la caméra…</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>it cannot be found</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>there is no room for a copy of it (%1 needed, %2 free)</source>
        <extracomment>Why a recording could not be repaired</extracomment>
        <translation>il n&apos;y a pas la place pour en faire une copie (%1 nécessaires, %2 libres)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>its repaired copy could not be written</source>
        <translation>sa copie réparée n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>its repaired copy did not read back whole</source>
        <translation>sa copie réparée n&apos;a pas pu être relue en entier</translation>
    </message>
    <message>
        <source>its repaired copy could not take its place</source>
        <translation>sa copie réparée n&apos;a pas pu le remplacer</translation>
    </message>
    <message>
        <source>it is write-protected</source>
        <translation>le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <extracomment>A size in mebibytes (2^20 bytes)</extracomment>
        <translation>%1&#xa0;Mio</translation>
    </message>
    <message>
        <source>The recording has already been started.</source>
        <translation>L&apos;enregistrement a déjà démarré.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Impossible de démarrer l&apos;encodeur vidéo.</translation>
    </message>
    <message>
        <source>There is not enough free space to record into &quot;%1&quot;: %2 free, and a recording needs at least %3. Free some space or choose another output folder.</source>
        <translation>Espace libre insuffisant pour enregistrer dans «&#xa0;%1&#xa0;»&#xa0;: %2 disponibles, alors qu&apos;un enregistrement nécessite au moins %3. Libérez de l&apos;espace ou choisissez un autre dossier de destination.</translation>
    </message>
    <message>
        <source>Could not create the recording file &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer le fichier d&apos;enregistrement «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not start the recording &quot;%1&quot;: %2.</source>
        <translation>Impossible de démarrer l&apos;enregistrement «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error (%2).</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» s&apos;est arrêté à la suite d&apos;une erreur interne (%2).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; stopped on an internal error.</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» s&apos;est arrêté à la suite d&apos;une erreur interne.</translation>
    </message>
    <message>
        <source>an internal error</source>
        <translation>une erreur interne</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2, with %3 free now).</source>
        <translation>Le fichier n&apos;a pas pu être finalisé (%1)&#xa0;; il sera réparé au prochain démarrage, dès qu&apos;il y aura la place pour en faire une copie (%2, %3 libres actuellement).</translation>
    </message>
    <message>
        <source>The file could not be finished (%1); the next start repairs it when there is room for a copy of it (%2).</source>
        <translation>Le fichier n&apos;a pas pu être finalisé (%1)&#xa0;; il sera réparé au prochain démarrage, dès qu&apos;il y aura la place pour en faire une copie (%2).</translation>
    </message>
    <message>
        <source>What was recorded before has been kept.</source>
        <translation>Ce qui avait été enregistré jusque-là a été conservé.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be completed.</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The output folder of the recording &quot;%1&quot; was deleted, renamed or unmounted, so the recording has been stopped.</source>
        <translation>Le dossier de destination de l&apos;enregistrement «&#xa0;%1&#xa0;» a été supprimé, renommé ou démonté&#xa0;; l&apos;enregistrement a donc été arrêté.</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; has been stopped because the disk is nearly full (%2 free).</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» a été arrêté car le disque est presque plein (%2 libres).</translation>
    </message>
    <message>
        <source>The recording &quot;%1&quot; could not be written to the end: %2.</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit jusqu&apos;au bout&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;: the picture could not be encoded.</source>
        <translation>Impossible d&apos;enregistrer la photo «&#xa0;%1&#xa0;»&#xa0;: l&apos;image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot;. Check that the output folder exists and can be written to.</source>
        <translation>Impossible d&apos;enregistrer la photo «&#xa0;%1&#xa0;». Vérifiez que le dossier de destination existe et qu&apos;il est accessible en écriture.</translation>
    </message>
    <message>
        <source>Could not save the snapshot &quot;%1&quot; (%2). Check that the output folder exists and can be written to.</source>
        <translation>Impossible d&apos;enregistrer la photo «&#xa0;%1&#xa0;» (%2). Vérifiez que le dossier de destination existe et qu&apos;il est accessible en écriture.</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error (%1).</source>
        <translation>L&apos;image de la caméra s&apos;est arrêtée à la suite d&apos;une erreur interne (%1).</translation>
    </message>
    <message>
        <source>The camera picture stopped on an internal error.</source>
        <translation>L&apos;image de la caméra s&apos;est arrêtée à la suite d&apos;une erreur interne.</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Camera</source>
        <comment>button: choose the camera</comment>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>button: open or close the effect studio</comment>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Arrange</source>
        <comment>button: the mouse moves and resizes effects in the preview</comment>
        <translation>Disposer</translation>
    </message>
    <message>
        <source>Paint</source>
        <comment>button: the mouse paints in the preview</comment>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Record</source>
        <comment>button: start recording (a verb)</comment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>button: stop recording</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <comment>button: take a photo</comment>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>button: open the program&apos;s documentation</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>button: remove the selected effect</comment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>All</source>
        <comment>button: remove all effects</comment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Recordings</source>
        <comment>tab: the list of recordings</comment>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Effects</source>
        <comment>tab: the effects in use</comment>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>button: open the output folder</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>button: choose another output folder</comment>
        <translation>Changer</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the camera dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the camera dialog</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>RECORDINGS</source>
        <comment>caption above the list of recordings, in capitals</comment>
        <translation>ENREGISTREMENTS</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <comment>label before the recording clock</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>BRUSH WIDTH</source>
        <comment>caption above the brush width buttons, in capitals</comment>
        <translation>ÉPAISSEUR DU PINCEAU</translation>
    </message>
    <message>
        <source>Your recordings of this session appear here</source>
        <comment>shown in the empty recordings list</comment>
        <translation>Les enregistrements de cette session apparaîtront ici</translation>
    </message>
    <message>
        <source>Virtual</source>
        <comment>button: switch the virtual camera (the picture offered to other programs as a camera) on or off</comment>
        <translation>Virtuelle</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Brisotel...</source>
        <translation>À &amp;propos de Brisotel…</translation>
    </message>
    <message>
        <source>Select Source Webcam</source>
        <translation>Choisir la webcam</translation>
    </message>
    <message>
        <source>Start Record Webcam</source>
        <translation>Démarrer l&apos;enregistrement de la webcam</translation>
    </message>
    <message>
        <source>Stop Record Webcam</source>
        <translation>Arrêter l&apos;enregistrement de la webcam</translation>
    </message>
    <message>
        <source>Visit official website</source>
        <translation>Ouvrir l&apos;aide</translation>
    </message>
    <message>
        <source>Take snapshot</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Effects</source>
        <extracomment>The tooltip of the button that switches between the classic window and the studio</extracomment>
        <translation>Effets</translation>
    </message>
</context>
<context>
    <name>app::BackgroundPanel</name>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Blur strength</source>
        <translation>Intensité du flou</translation>
    </message>
    <message>
        <source>How strongly the room behind you is blurred</source>
        <translation>Intensité du flou appliqué à la pièce derrière vous</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Image…</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Background blur and replacement are not available: %1. The person segmentation model is fetched by tools/install-deps.sh.</source>
        <translation>Le flou et le remplacement de l&apos;arrière-plan ne sont pas disponibles&#xa0;: %1. Le modèle de détection des personnes est téléchargé par tools/install-deps.sh.</translation>
    </message>
    <message>
        <source>What is shown behind you: the room as it is, blurred, or a picture</source>
        <translation>Ce qui apparaît derrière vous&#xa0;: la pièce telle quelle, floutée, ou une image</translation>
    </message>
    <message>
        <source>The background cannot be changed: %1</source>
        <translation>Impossible de changer l&apos;arrière-plan&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture shown behind you: %1</source>
        <translation>L&apos;image affichée derrière vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Other picture...</source>
        <translation>Autre image…</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.webp *.tif *.tiff);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>app::CAboutDialog</name>
    <message>
        <source>About Brisotel</source>
        <translation>À propos de Brisotel</translation>
    </message>
    <message>
        <source>Brisotel Version 1.0</source>
        <translation>Brisotel version 1.0</translation>
    </message>
    <message>
        <source>Live webcam preview, video recording and snapshots.</source>
        <translation>Aperçu de la webcam en direct, enregistrement vidéo et photos.</translation>
    </message>
</context>
<context>
    <name>app::CMainDialog</name>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Ouverture de la caméra…</translation>
    </message>
    <message>
        <source>Quenvalor could not read its settings file &quot;%1&quot;. It runs with the default settings and will not save changes to them.</source>
        <translation>Quenvalor n&apos;a pas pu lire son fichier de configuration «&#xa0;%1&#xa0;». Il fonctionne avec les paramètres par défaut et n&apos;enregistrera pas leurs modifications.</translation>
    </message>
    <message>
        <source>Finishing the recording...</source>
        <translation>Finalisation de l&apos;enregistrement…</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>Camera lost</source>
        <translation>Caméra déconnectée</translation>
    </message>
    <message>
        <source>Camera unavailable</source>
        <translation>Caméra indisponible</translation>
    </message>
    <message>
        <source>This webcam is occupied, please select another one</source>
        <translation>Cette webcam est déjà utilisée, veuillez en choisir une autre</translation>
    </message>
    <message>
        <source>Fail to open the webcam!</source>
        <translation>Impossible d&apos;ouvrir la webcam&#xa0;!</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La caméra a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>separator of a list of names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Microphone lost: recording silence</source>
        <translation>Microphone déconnecté&#xa0;: enregistrement sans son</translation>
    </message>
    <message>
        <source>There is no Webcam connected to your PC!</source>
        <translation>Aucune webcam n&apos;est branchée à votre ordinateur&#xa0;!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s name and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Mirror preview</source>
        <translation>Aperçu en miroir</translation>
    </message>
    <message>
        <source>Mirror recordings and snapshots</source>
        <translation>Enregistrements et photos en miroir</translation>
    </message>
    <message>
        <source>Snapshot countdown</source>
        <translation>Compte à rebours avant la photo</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>A snapshot countdown choice: no countdown</extracomment>
        <translation>Désactivé</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Camera picture...</source>
        <translation>Image de la caméra…</translation>
    </message>
    <message>
        <source>Full-screen preview</source>
        <translation>Aperçu en plein écran</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de destination</translation>
    </message>
</context>
<context>
    <name>app::CPictureDialog</name>
    <message>
        <source>&amp;Reset</source>
        <extracomment>Puts every picture control back to the camera&apos;s default</extracomment>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Camera Picture</source>
        <translation>Image de la caméra</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>The camera has no such control: Quenvalor adjusts the picture</source>
        <translation>La caméra n&apos;a pas ce réglage&#xa0;: Quenvalor ajuste l&apos;image lui-même</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>A check box: the camera sets this control by itself</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatic %1</source>
        <extracomment>The accessible name of the Auto check box of a control, for example &quot;Automatic White balance temperature&quot;</extracomment>
        <translation>%1 automatique</translation>
    </message>
    <message>
        <source>The camera refused: %1</source>
        <translation>La caméra a refusé&#xa0;: %1</translation>
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
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <source>Webcam Source Select</source>
        <translation>Choix de la webcam</translation>
    </message>
    <message>
        <source>Camera</source>
        <extracomment>The accessible name of the list of cameras</extracomment>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Microphone</source>
        <extracomment>The accessible name of the list of microphones</extracomment>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Recording size</source>
        <translation>Taille de l&apos;enregistrement</translation>
    </message>
    <message>
        <source> (classic)</source>
        <translation> (classique)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no microphone</comment>
        <extracomment>The microphone choice that records silence</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Please select webcam source :</source>
        <translation>Choisissez la webcam&#xa0;:</translation>
    </message>
    <message>
        <source>Recording size :</source>
        <translation>Taille de l&apos;enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>Microphone :</source>
        <translation>Microphone&#xa0;:</translation>
    </message>
</context>
<context>
    <name>app::EffectsPanel</name>
    <message>
        <source>Face following is not available: the face detector&apos;s data (opencv-data) is not installed.</source>
        <translation>Le suivi du visage n&apos;est pas disponible&#xa0;: les données du détecteur de visages (opencv-data) ne sont pas installées.</translation>
    </message>
    <message>
        <source>Follow face</source>
        <extracomment>A menu entry: the effect moves with the face found in the picture</extracomment>
        <translation>Suivre le visage</translation>
    </message>
</context>
<context>
    <name>app::FullScreenPreview</name>
    <message>
        <source>Quenvalor preview</source>
        <translation>Aperçu de Quenvalor</translation>
    </message>
</context>
<context>
    <name>app::RecordingPanel</name>
    <message>
        <source>Checking the output folder...</source>
        <translation>Vérification du dossier de destination…</translation>
    </message>
    <message>
        <source>Recording</source>
        <comment>status</comment>
        <extracomment>The status line while recording (a state, not a command)</extracomment>
        <translation>Enregistrement en cours</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Repaired %1 of %2</source>
        <translation>Fichiers réparés&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Repaired 1 file</source>
        <extracomment>The status line after repairing a recording a crash cut off</extracomment>
        <translation>1 fichier réparé</translation>
    </message>
    <message numerus="yes">
        <source>Repaired %n files</source>
        <translation>
            <numerusform>%n fichier réparé</numerusform>
            <numerusform>%n fichiers réparés</numerusform>
        </translation>
    </message>
    <message>
        <source>These recordings could not be repaired:</source>
        <translation>Ces enregistrements n&apos;ont pas pu être réparés&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A recording&apos;s name and why it could not be repaired</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>app::VirtualCameraSwitch</name>
    <message>
        <source>Virtual camera: other programs can show this picture</source>
        <translation>Caméra virtuelle&#xa0;: d&apos;autres programmes peuvent afficher cette image</translation>
    </message>
    <message>
        <source>Virtual camera</source>
        <translation>Caméra virtuelle</translation>
    </message>
    <message>
        <source>Virtual camera off</source>
        <translation>Caméra virtuelle désactivée</translation>
    </message>
    <message>
        <source>The virtual camera needs PipeWire, which is not running</source>
        <translation>La caméra virtuelle a besoin de PipeWire, qui n&apos;est pas lancé</translation>
    </message>
    <message>
        <source>Virtual camera on</source>
        <translation>Caméra virtuelle activée</translation>
    </message>
    <message>
        <source>Virtual camera on (programs watching: %1)</source>
        <translation>Caméra virtuelle activée (programmes qui regardent&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>controls::CRecordingsList</name>
    <message>
        <source>Rename recording</source>
        <translation>Renommer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nouveau nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>FileName</source>
        <extracomment>The recordings list&apos;s column of file names</extracomment>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <extracomment>The recordings list&apos;s column of recording lengths</extracomment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de fichier.</translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;. A file of that name may exist already.</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;». Un fichier portant ce nom existe peut-être déjà.</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash.</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» à la corbeille.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>recording</comment>
        <extracomment>Opens the recording in the desktop&apos;s video player</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Move to trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source> (missing)</source>
        <extracomment>After the name of a recording whose file is gone</extracomment>
        <translation> (manquant)</translation>
    </message>
    <message>
        <source>Marked</source>
        <extracomment>The recordings list&apos;s column of check boxes (hidden until widened), as screen readers name it</extracomment>
        <translation>Marqué</translation>
    </message>
</context>
</TS>
