#!/usr/bin/env bash
# The keyboard and the picture choices with the real program on a virtual display: each shortcut
# does its command (Enter and Escape do nothing), F11 opens and closes the full-screen preview,
# Ctrl+Q quits; then a mirrored studio preview with an effect on, a click on the mirrored effect,
# and a snapshot countdown that shows in the preview but not in the snapshot.
set -u
program="$1"
eft="$2"
pid=""
fail() {
    echo "FAIL: $*"
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -s "$scratch/program.log" ] && tail -n 20 "$scratch/program.log"
    exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
build=$(dirname "$program")
folder="$scratch/program"
output="$scratch/output"
mkdir "$folder" "$output"
cp "$program" "$folder/quenvalor"
ln -s "$build/skin" "$folder/skin"
command -v ffprobe >/dev/null && command -v ffmpeg >/dev/null || fail "ffprobe and ffmpeg are needed"

# The shipped effects, and first in Animations an opaque orange block of 100 x 80 at (40, 40).
for tree in Effects EffectsBmps; do
    mkdir "$folder/$tree"
    for category in "$build/$tree"/*; do
        mkdir "$folder/$tree/$(basename "$category")"
        ln -s "$category"/* "$folder/$tree/$(basename "$category")/"
    done
done
echo '{"type":1,"frameCount":1,"width":100,"height":80,"x":40,"y":40,"delays":[100]}' >"$scratch/block.json"
ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=16x16 -frames:v 1 "$scratch/block.png"
"$eft" pack "$scratch/block.json" "$scratch/block.png" "$folder/Effects/Animations/block.eft" >/dev/null ||
    fail "cannot pack the test's effect"
ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=80x60 -frames:v 1 "$folder/EffectsBmps/Animations/block.bmp"
orange="250 130 20"
grey="100 100 100"

pixel() {
    ffmpeg -v error -i "$1" -frames:v 1 -vf "format=rgb24,crop=1:1:$2:$3" -f rawvideo -pix_fmt rgb24 - |
        od -An -tu1 | xargs
}
near() {
    local a=($1) b=($2) tolerance=$3 i
    for i in 0 1 2; do
        local d=$((a[i] - b[i]))
        [ "${d#-}" -le "$tolerance" ] || return 1
    done
}
expect_near() { near "$2" "$3" "$4" || fail "$1 is ($2), expected ($3)"; }
screen() {
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -y -i "$scratch/screen.xwd" "$scratch/screen.png"
    [ -z "${QUENVALOR_E2E_SHOTS:-}" ] || cp "$scratch/screen.png" "$QUENVALOR_E2E_SHOTS/$1.png"
}
preview_pixel() { pixel "$scratch/screen.png" $((16 + $1)) $((101 + $2)); }
# Parts per thousand of a picture's area (a crop of it when given) that are nearly white.
bright_share() {
    ffmpeg -v error -i "$1" -frames:v 1 -vf "${2:+crop=$2,}format=gray" -f rawvideo -pix_fmt gray - |
        od -An -v -tu1 | tr -s ' ' '\n' | awk 'NF { n++; if ($1 >= 245) b++ } END { print int(1000 * b / n) }'
}
newest() { ls -t "$1"/*"$2" 2>/dev/null | head -n 1; }
count() { ls "$1"/*"$2" 2>/dev/null | wc -l; }
wait_for_window() {
    window=""
    for _ in $(seq 1 200); do
        window=$(xdotool search --onlyvisible --name "Zelkorvan Quenvalor v2.2.32" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window within 20 seconds"
    sleep 1  # the camera starts
    xdotool windowfocus --sync "$window"
}
width() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "$WIDTH"; }
press() { xdotool key "$1"; sleep "${2:-0.4}"; }
expect_clean_end() {
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running five seconds after $1"
    wait "$pid"
    [ $? = 0 ] || fail "a bad exit status after $1"
}

# The shortcuts, in the classic window.
printf '[General]\nFilePath=%s\n' "$output" >"$folder/Quenvalor.ini"
"$folder/quenvalor" --classic 2>>"$scratch/program.log" &
pid=$!
wait_for_window
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
screen fullscreen
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
wait_for_window
# Animations, then the block: drawn at x 40..139 of the frame, so at 340..439 of the preview.
xdotool mousemove --sync 585 118 click 1
sleep 0.3
xdotool mousemove --sync 690 133 click 1
sleep 0.5
screen mirrored
expect_near "the mirrored block" "$(preview_pixel 390 80)" "$orange" 12
near "$(preview_pixel 90 80)" "$orange" 40 && fail "the block shows unmirrored"
# A click on the block where the mirror shows it selects it; the border is mirrored too.
xdotool mousemove --sync $((16 + 390)) $((101 + 80)) click 1
sleep 0.4
screen selected
expect_near "the mirrored selection border" "$(preview_pixel 438 41)" "$grey" 6

xdotool mousemove --sync 300 660  # away from the preview
screen before_countdown
before=$(bright_share "$scratch/screen.png" 480:360:16:101)
press space 1
screen countdown
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
