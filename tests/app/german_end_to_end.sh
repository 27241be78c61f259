#!/usr/bin/env bash
# The program started in German (LANGUAGE=de, LANG=de_DE.UTF-8): the command line answers in
# German, and the studio's buttons, categories, effects, tabs, table headers, status line, the
# Camera dialog and the right-click menu show German texts, read over the accessibility bus as a
# screen reader reads them.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
[ -f "$(dirname "$1")/translations/quenvalor_de.qm" ] || fail "the German translation was not built"
source "$(dirname "$0")/atspi_support.sh" "$@"
set_output_folder "$output"
unset LC_ALL LC_MESSAGES
german() { LANGUAGE=de LANG=de_DE.UTF-8 "$@"; }

german "$folder/quenvalor" --help >"$scratch/help.txt" || fail "--help ended with status $?"
grep -q "^Aufruf: quenvalor \[--studio | --classic\]" "$scratch/help.txt" ||
    fail "the help is not in German: $(head -n 1 "$scratch/help.txt")"
german "$folder/quenvalor" --wide 2>"$scratch/error.txt"
status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status, expected 2"
grep -q "Unbekannte Option »--wide«" "$scratch/error.txt" ||
    fail "the unknown option is not told in German: $(cat "$scratch/error.txt")"

german "$folder/quenvalor" --studio 2>>"$scratch/program.log" &
pid=$!
wait_for_window
expect "status bar" "Bereit."
for name in Kamera Aufnehmen Stopp Foto Hilfe Effekte Anordnen Malen Pinsel "Pinselbreite 5 Pixel" \
    "Ausgabeordner öffnen"; do
    expect "push button" "$name"
done
for name in Animationen Verzerrungen Filter Szenen Gesichter Accessoires Rahmen Kaleidoskop; do
    expect "list item" "$name"
done
expect "page tab" "Aufnahmen" selected
expect "page tab" "Effekte"
expect "table column header" "Dateiname"
expect "table column header" "Dauer"
expect "image" "Kameravorschau"
expect "text" "Verstrichene Zeit"

# The Camera dialog.
probe press "Kamera" || fail "the Camera button could not be pressed over the bus"
expect_labelled "combo box" "Aufnahmegröße:"
expect_labelled "combo box" "Bitte wählen Sie die Webcam:"
expect "push button" "Abbrechen"
expect "push button" "Bild …"
probe press "Abbrechen" || fail "Abbrechen could not be pressed over the bus"
sleep 0.5

# The right-click menu on the top band, walked with the arrow keys as a screen reader follows it.
probe focused 6 >"$scratch/focused.txt" &
listener=$!
for _ in $(seq 1 50); do grep -q listening "$scratch/focused.txt" 2>/dev/null && break; sleep 0.1; done
xdotool mousemove --sync 300 90 click 3
sleep 0.8
for _ in 1 2 3 4 5; do xdotool key Down; sleep 0.3; done
xdotool key Escape
wait "$listener"
for item in "Vorschau spiegeln" "Aufnahmen und Fotos spiegeln" "Countdown vor dem Foto" "Virtuelle Kamera" \
    "Kamerabild …"; do
    item="menu item	$item"
    grep -qF "$item" "$scratch/focused.txt" || fail "the menu did not show \"$item\": $(cat "$scratch/focused.txt")"
done

probe press "Beenden" || fail "Beenden could not be pressed over the bus"
expect_clean_end "Beenden"
echo "PASS"
