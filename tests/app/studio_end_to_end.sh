#!/usr/bin/env bash
# The studio with the real program on a virtual display, driven by clicks as a person would:
# an effect picked from the browser shows in the live preview, a selected effect is dragged, paint
# strokes are drawn, and a recording and a snapshot carry all of it but the selection border;
# Remove all takes the effects away again. Also the command line's --classic and a bad option.
# Set QUENVALOR_E2E_SHOTS to a folder to keep screenshots.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
eft="$2"
build=$(dirname "$program")
set_output_folder "$output"

add_block_effect "$eft"

# The colour of the gold frame's border at (6, 180) of the 480 x 360 frame, as the effect tool
# draws it.
ffmpeg -v error -f lavfi -i color=c=black:s=480x360 -frames:v 1 "$scratch/black.png"
"$eft" render --input "$scratch/black.png" --output "$scratch/gold.png" \
    --effect "$build/Effects/Frames/gold_frame.eft" >/dev/null || fail "cannot render the gold frame"

gold=$(pixel "$scratch/gold.png" 6 180)
[ "$gold" != "0 0 0" ] || fail "the gold frame draws nothing at (6, 180)"

preview_digest() {  # a 10 x 300 strip along the preview's left edge
    xwd -root -silent -out "$scratch/strip.xwd"
    ffmpeg -v error -i "$scratch/strip.xwd" -vf crop=10:300:16:131 -f rawvideo -pix_fmt rgb24 - |
        md5sum | cut -d' ' -f1
}
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.2; }

window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "Zelkorvan Quenvalor v2.2.32" | head -n 1)")"
}

# The command line refuses what it does not know.
"$folder/quenvalor" --wide 2>"$scratch/refusal"
[ $? = 2 ] || fail "an unknown option did not end with status 2"
grep -q -- "--wide" "$scratch/refusal" || fail "the refusal does not name the option"

"$folder/quenvalor" --studio 2>>"$scratch/program.log" &
pid=$!
wait_preview live 20 || fail "no live preview within 20 seconds"
window_geometry
[ "$WIDTH" -ge 940 ] && [ "$X" = 0 ] && [ "$Y" = 0 ] || fail "the studio is ${WIDTH}x${HEIGHT} at ($X, $Y)"

# Frames, then the gold frame (the third thumbnail): in the preview within half a second.
click 585 358
moving_before=$(preview_digest)
click 858 133
sleep 0.5
shot gold
expect_near "the preview's frame border" "$(preview_pixel 6 180)" "$gold" 12
[ "$(preview_digest)" = "$(preview_digest)" ] || fail "the frame's border moves"
[ "$moving_before" != "$(preview_digest)" ] || fail "the strip did not change with the frame"

# Animations, then the block; selected in the current-effects table, dragged by 100, 80.
click 585 118
click 690 133
sleep 0.3
click 180 538
xdotool mousemove --sync 106 181 mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove --sync $((106 + 20 * step)) $((181 + 16 * step)); sleep 0.05; done
xdotool mouseup 1
sleep 0.4
shot dragged
expect_near "the moved block" "$(preview_pixel 190 160)" "$orange" 12
expect_near "the selection border" "$(preview_pixel 141 121)" "$grey" 6
near "$(preview_pixel 60 60)" "$orange" 40 && fail "the block is still at its first place"

# Paint mode, the widest brush, a white stroke across the top of the preview.
click 613 55
click 825 598
xdotool mousemove --sync 316 161 mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove --sync $((316 + 20 * step)) 161; sleep 0.05; done
xdotool mouseup 1
sleep 0.4
shot painted
expect_near "the paint stroke" "$(preview_pixel 360 60)" "$white" 20

# A recording and a snapshot carry the frame, the moved block and the stroke, not the border.
click 104 55
sleep 2.5
click 170 55
sleep 1
recording=$(newest "$output" .avi)
[ -n "$recording" ] || fail "no recording"
expect_near "the recording's frame border" "$(pixel "$recording" 4 120 1.5)" "$gold" 40
expect_near "the recording's block" "$(pixel "$recording" 126 106 1.5)" "$orange" 40
expect_near "the recording at the block's edge" "$(pixel "$recording" 94 81 1.5)" "$orange" 40
expect_near "the recording's stroke" "$(pixel "$recording" 240 40 1.5)" "$white" 40
click 236 55
sleep 0.5
snapshot=$(newest "$output" .jpg)
[ -n "$snapshot" ] || fail "no snapshot"
expect_near "the snapshot's frame border" "$(pixel "$snapshot" 4 120)" "$gold" 30
expect_near "the snapshot's block edge" "$(pixel "$snapshot" 94 81)" "$orange" 30
expect_near "the snapshot's stroke" "$(pixel "$snapshot" 240 40)" "$white" 30

# The Effects tab, then All: the frame is gone and the camera moves under its place again.
click 157 476
click 467 568
sleep 0.4
shot removed
[ "$(preview_digest)" != "$(sleep 0.3; preview_digest)" ] || fail "the frame stayed after Remove all"
click 479 14
expect_clean_end "the close button"

# --classic opens today's window whatever the settings file keeps.
"$folder/quenvalor" --classic 2>>"$scratch/program.log" &
pid=$!
wait_preview live 20 || fail "no live preview within 20 seconds"
window_geometry
[ "$WIDTH" = 510 ] && [ "$HEIGHT" = 680 ] || fail "--classic opened ${WIDTH}x${HEIGHT}"
kill -TERM "$pid"
expect_clean_end "SIGTERM"
echo "studio end-to-end: effects in the preview, the recording and the snapshot, the drag, the paint and Remove all as expected"
