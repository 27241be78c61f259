#!/usr/bin/env bash
# The camera's picture controls with the real program on a virtual display: a saturation kept
# for the pattern camera greys its picture from the start; Ctrl+P opens the picture dialog, whose
# Reset (Alt+R) brings the colours back at once and takes the kept value out of the settings file,
# leaving a key the program does not know.
# Expects exit status 0.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"

printf '[General]\nFilePath=%s\n\n[Camera pattern:camera|Pattern Camera]\nsaturation=0\nremark=mine\n' "$output" \
    >"$folder/Quenvalor.ini"
launch 20 0.1 || fail "no window within 20 seconds"
# The camera's picture moves, as no placard does: once it does, it must be grey.
moved=""
for _ in $(seq 1 "$(awk -v l="$(scaled 50)" 'BEGIN { print int(l) }')"); do
    first=$(area_digest 480 360 16 101)
    sleep 0.2
    [ "$(area_digest 480 360 16 101)" != "$first" ] && moved=1 && break
done
[ -n "$moved" ] || fail "the camera shows no moving picture within $(scaled 10) seconds"
share=$(preview_share)
[ "$share" -lt 5 ] || fail "the kept saturation did not grey the picture ($share % coloured)"
shot kept-grey

wait_for_window
xdotool windowfocus --sync "$window"
xdotool key ctrl+p
dialog=""
for _ in $(seq 1 50); do
    dialog=$(xdotool search --onlyvisible --name "Camera Picture" 2>/dev/null | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "Ctrl+P opened no picture dialog"
# Beside the window, so the preview is seen whole.
xdotool windowmove "$dialog" 520 100
sleep 0.5
shot dialog
xdotool windowfocus --sync "$dialog"
xdotool key alt+r
wait_preview live 5 || fail "Reset did not bring the colours back"
! grep -q '^saturation=' "$folder/Quenvalor.ini" || fail "Reset left the kept saturation in the settings file"
grep -q '^remark=mine$' "$folder/Quenvalor.ini" || fail "Reset took a key the program does not know"
xdotool key Escape
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button"
echo "PASS"
