#!/usr/bin/env bash
# The keyboard and the picture choices with the real program on a virtual display: each shortcut
# does its command (Enter and Escape do nothing), F11 opens and closes the full-screen preview,
# Ctrl+Q quits; then a mirrored studio preview with an effect on, a click on the mirrored effect,
# and a snapshot countdown that shows in the preview but not in the snapshot.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
add_block_effect "$2"

# Parts per thousand of a picture's area (a crop of it when given) that are nearly white.
bright_share() {
    ffmpeg -v error -i "$1" -frames:v 1 -vf "${2:+crop=$2,}format=gray" -f rawvideo -pix_fmt gray - |
        od -An -v -tu1 | tr -s ' ' '\n' | awk 'NF { n++; if ($1 >= 245) b++ } END { print int(1000 * b / n) }'
}
count() { ls "$1"/*"$2" 2>/dev/null | wc -l; }
focus_window() {
    wait_for_window
    sleep 1  # the camera starts
    xdotool windowfocus --sync "$window"
}
width() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "$WIDTH"; }
press() { xdotool key "$1"; sleep "${2:-0.4}"; }

# The shortcuts, in the classic window.
printf '[General]\nFilePath=%s\n' "$output" >"$folder/Quenvalor.ini"
"$folder/quenvalor" --classic 2>>"$scratch/program.log" &
pid=$!
focus_window
press Return
press Escape
kill -0 "$pid" 2>/dev/null || fail "Enter or Escape ended the program"
press ctrl+r 2.5
press ctrl+shift+r 1
recording=$(newest "$output" .avi)
[ -n "$recording" ] || fail "Ctrl+R and Ctrl+Shift+R made no recording"
seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$recording")
awk -v s="$seconds" 'BEGIN { exit !(s >= 1.5) }' || fail "the recording lasts $seconds s"
press space 0.6
[ "$(count "$output" .jpg)" = 1 ] || fail "Space took no snapshot"
press ctrl+e
[ "$(width)" -ge 940 ] || fail "Ctrl+E did not open the studio"
press ctrl+e
[ "$(width)" = 510 ] || fail "Ctrl+E did not go back to the classic window"
press F11 0.8
full=$(xdotool search --onlyvisible --name "Quenvalor preview" 2>/dev/null | head -n 1)
[ -n "$full" ] || fail "F11 showed no full-screen preview"
eval "$(xdotool getwindowgeometry --shell "$full")"
[ "$WIDTH" = 1280 ] && [ "$HEIGHT" = 1024 ] || fail "the full-screen preview is ${WIDTH}x${HEIGHT}"
shot fullscreen
# The moving picture fills the screen's height.
[ "$(pixel "$scratch/screen.png" 640 512)" != "0 0 0" ] || fail "the full-screen preview is black"
press F11 0.8
xdotool search --onlyvisible --name "Quenvalor preview" >/dev/null 2>&1 && fail "F11 did not close the full-screen preview"
press ctrl+q 0
expect_clean_end "Ctrl+Q"

# A mirrored studio preview and a three-second snapshot countdown, from the settings file. No
# camera this time, so the picture under the effect stands still and the countdown's number is
# the only change in it.
printf '[General]\nFilePath=%s\nMirrorPreview=1\nSnapshotCountdown=3\n' "$output" >"$folder/Quenvalor.ini"
rm -f "$output"/*.jpg
env -u QUENVALOR_PATTERN_CAMERA "$folder/quenvalor" --studio 2>>"$scratch/program.log" &
pid=$!
focus_window
# Animations, then the block: drawn at x 40..139 of the frame, so at 340..439 of the preview.
xdotool mousemove --sync 585 118 click 1
sleep 0.3
xdotool mousemove --sync 690 133 click 1
sleep 0.5
shot mirrored
expect_near "the mirrored block" "$(preview_pixel 390 80)" "$orange" 12
near "$(preview_pixel 90 80)" "$orange" 40 && fail "the block shows unmirrored"
# A click on the block where the mirror shows it selects it; the border is mirrored too.
xdotool mousemove --sync $((16 + 390)) $((101 + 80)) click 1
sleep 0.4
shot selected
expect_near "the mirrored selection border" "$(preview_pixel 438 41)" "$grey" 6

xdotool mousemove --sync 300 660  # away from the preview
shot before_countdown
before=$(bright_share "$scratch/screen.png" 480:360:16:101)
press space 1
shot countdown
during=$(bright_share "$scratch/screen.png" 480:360:16:101)
[ "$during" -ge $((before + 15)) ] || fail "no countdown in the preview ($before, then $during per thousand bright)"
[ "$(count "$output" .jpg)" = 0 ] || fail "the snapshot came before the countdown's end"
sleep 3
snapshot=$(newest "$output" .jpg)
[ -n "$snapshot" ] || fail "no snapshot after the countdown"
# Not mirrored (that is the other choice), and without the number.
expect_near "the snapshot's block" "$(pixel "$snapshot" 60 50)" "$orange" 30
taken=$(bright_share "$snapshot")
[ "$taken" -le $((before + 5)) ] || fail "the countdown is in the snapshot ($before, then $taken per thousand bright)"
kill -TERM "$pid"
expect_clean_end "SIGTERM"
echo "conveniences end-to-end: shortcuts, full screen, the mirrored preview and the countdown as expected"
