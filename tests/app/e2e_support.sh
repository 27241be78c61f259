# Shared by the end-to-end scripts that drive the real program on a virtual display: a scratch
# folder of the run's own with the program, its data folders, a home and a lock folder, and the
# helpers that start the program, click its buttons and read what it shows and writes.
# Source it with the program's path in $1; it sets $scratch, $folder and $output. With an empty
# $1 (a program installed elsewhere) there is no program folder.
program="$1"
pid=""
fail() {
    echo "FAIL: $*"
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -s "$scratch/program.log" ] && tail -n 150 "$scratch/program.log"
    exit 1
}

# A prerequisite the install script provides is missing: the run skips (status 77) with the
# reason, but fails under continuous integration (CI set), where a skipped check cannot fail.
missing() {
    [ -z "${CI:-}" ] || fail "missing under CI: $*"
    echo "SKIP: $*"
    exit 77
}

# The program runs from a folder of this run's own, with its data folders beside it and a
# settings file that names the output folder; home and lock folder are this run's too.
scratch=$(mktemp -d)
trap 'cleanup_scratch' EXIT
# A run may leave read-only folders behind (an installation prefix, a folder a test locked).
cleanup_scratch() { chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"; }
# GStreamer's plugin registry stays in the user's cache, so a run does not start by scanning every
# plugin again.
export XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
folder="$scratch/program"
output="$scratch/output"
mkdir "$output"
if [ -n "$program" ]; then
    mkdir "$folder"
    cp "$program" "$folder/quenvalor"
    for data in skin Effects EffectsBmps translations; do ln -s "$(dirname "$program")/$data" "$folder/$data"; done
fi
command -v ffprobe >/dev/null && command -v ffmpeg >/dev/null || fail "ffprobe and ffmpeg are needed"
set_output_folder() { printf '[General]\nFilePath=%s\n' "$1" >"$folder/Quenvalor.ini"; }

# Places of the buttons (centres) on the window at (0, 0).
record=(104 55)
stop=(170 55)
snap=(236 55)
close=(479 14)
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.2; xdotool mousemove 300 300; }
now() { date +%s.%N; }

# Time limits are stretched by QUENVALOR_E2E_TIME_SCALE (a sanitizer build runs several times
# slower than the program users get).
scaled() { awk -v t="$1" -v k="${QUENVALOR_E2E_TIME_SCALE:-1}" 'BEGIN { print t * k }'; }

# Starts the program and waits up to `limit` seconds for its window, looking every `step` seconds.
launch() {  # limit step
    "$folder/quenvalor" 2>>"$scratch/program.log" &
    pid=$!
    for _ in $(seq 1 "$(awk -v l="$(scaled "$1")" -v s="$2" 'BEGIN { print int(l / s) }')"); do
        xdotool search --onlyvisible --name "Zelkorvan Quenvalor v2.2.32" >/dev/null 2>&1 && return 0
        sleep "$2"
    done
    return 1
}

# Share (per cent) of strongly coloured pixels in a picture's area (width height x y), from a
# 48 x 36 reduction: the pattern's bars are coloured, the "no camera" picture is grey.
colour_share() {  # file width height x y
    ffmpeg -v error -i "$1" -vf "crop=$2:$3:$4:$5,scale=48:36" -frames:v 1 -f rawvideo -pix_fmt rgb24 - |
        od -An -v -tu1 -w3 |
        awk '{ hi = $1; lo = $1; for (i = 2; i <= 3; i++) { if ($i > hi) hi = $i; if ($i < lo) lo = $i }
               if (hi - lo > 80) c++ } END { print (NR ? int(100 * c / NR) : 0) }'
}
screen() { xwd -root -silent -out "$scratch/screen.xwd"; }
preview_share() { screen; colour_share "$scratch/screen.xwd" 480 360 16 101; }
since() { awk -v s="$1" -v n="$(now)" 'BEGIN { print n - s }'; }
# Waits up to `limit` seconds for the preview to show the camera (live) or the grey picture (gone).
wait_preview() {  # live|gone limit
    local start limit
    start=$(now)
    limit=$(scaled "$2")
    while awk -v t="$(since "$start")" -v l="$limit" 'BEGIN { exit !(t < l) }'; do
        share=$(preview_share)
        if [ "$1" = live ] && [ "$share" -gt 50 ]; then return 0; fi
        if [ "$1" = gone ] && [ "$share" -lt 5 ]; then return 0; fi
        sleep 0.05
    done
    return 1
}

# Sets `window` to the program's window once it shows, within 20 seconds.
wait_for_window() {
    window=""
    for _ in $(seq 1 "$(awk -v l="$(scaled 200)" 'BEGIN { print int(l) }')"); do
        window=$(xdotool search --onlyvisible --name "Zelkorvan Quenvalor v2.2.32" 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    fail "no window within $(scaled 20) seconds"
}

start_program() {
    launch 20 0.1 || fail "no window within 20 seconds"
    wait_preview live 10 || fail "the camera did not start within 10 seconds"
}

# Waits up to five seconds for the program to end with the exit status `expected` (0 unless
# given).
expect_clean_end() {  # what [expected]
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running five seconds after $1"
    wait "$pid"
    status=$?
    [ "$status" = "${2:-0}" ] || fail "exit status $status after $1, expected ${2:-0}"
    pid=""
}

# The message box's window, waited for up to `tenths` tenths of a second; empty when none came.
wait_for_message_box() {
    local box=""
    for _ in $(seq 1 "$1"); do
        box=$(xdotool search --onlyvisible --name "^Quenvalor$" 2>/dev/null | head -n 1)
        [ -n "$box" ] && break
        sleep 0.1
    done
    echo "$box"
}
dismiss_message_box() {
    xdotool windowactivate --sync "$1" key Return 2>/dev/null || xdotool key Return
    sleep 0.5
}

# A digest of the screen's pixels in an area: width height x y.
area_digest() {
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -i "$scratch/screen.xwd" -vf "crop=$1:$2:$3:$4" -f rawvideo -pix_fmt rgb24 - |
        md5sum | cut -d' ' -f1
}
status_area() { area_digest 110 30 20 650; }
clock_area() { area_digest 92 20 130 625; }
screenshot() {
    [ -n "${QUENVALOR_E2E_SHOTS:-}" ] || return 0
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -y -i "$scratch/screen.xwd" -vf crop=510:680:0:0 "$QUENVALOR_E2E_SHOTS/$1.png"
}

probe() {  # file entry: one value of the first stream of a kind, or of the format
    ffprobe -v error -select_streams "$2" -show_entries "$3" -of default=nw=1:nk=1 "$1" | head -n 1
}
duration_of() { ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1"; }
# A complete, playable recording: ffprobe has nothing to warn about and it lasts at least
# `seconds`.
check_complete() {
    local file="$1" seconds="$2"
    [ -f "$file" ] || fail "no recording $file"
    local warnings
    warnings=$(ffprobe -v warning "$file" 2>&1)
    [ -z "$warnings" ] || fail "$file is not complete: $warnings"
    awk -v d="$(duration_of "$file")" -v s="$seconds" 'BEGIN { exit !(d >= s) }' ||
        fail "$file lasts $(duration_of "$file") s, less than $seconds s"
}
newest() { ls -t "$1"/*"$2" 2>/dev/null | head -n 1; }

# "R G B" of the pixel at x, y of a picture, or of a video's frame at `seconds`.
pixel() {  # file x y [seconds]
    ffmpeg -v error ${4:+-ss "$4"} -i "$1" -frames:v 1 -vf "format=rgb24,crop=1:1:$2:$3" -f rawvideo -pix_fmt rgb24 - |
        od -An -tu1 | xargs
}
# Whether two colours are within `tolerance` of each other in every channel.
near() {
    local a=($1) b=($2) tolerance=$3 i
    for i in 0 1 2; do
        local d=$((a[i] - b[i]))
        [ "${d#-}" -le "$tolerance" ] || return 1
    done
}
expect_near() {  # what, actual, expected, tolerance
    near "$2" "$3" "$4" || fail "$1 is ($2), expected ($3)"
}

# The screen as $scratch/screen.png, kept as `name`.png when QUENVALOR_E2E_SHOTS names a folder.
shot() {  # name
    screen
    ffmpeg -v error -y -i "$scratch/screen.xwd" "$scratch/screen.png"
    [ -z "${QUENVALOR_E2E_SHOTS:-}" ] || cp "$scratch/screen.png" "$QUENVALOR_E2E_SHOTS/$1.png"
}
# A pixel of the preview in the last shot, by preview coordinates (window at (0, 0)).
preview_pixel() { pixel "$scratch/screen.png" $((16 + $1)) $((101 + $2)); }

# Puts the shipped effects in the program folder category by category, and in Animations an
# effect of the run's own: an opaque orange block of 100 x 80 at (40, 40), which sorts first, so
# its thumbnail is the grid's first. Argument: the effect tool.
add_block_effect() {
    local build tree category
    build=$(dirname "$program")
    for tree in Effects EffectsBmps; do
        rm "$folder/$tree"
        mkdir "$folder/$tree"
        for category in "$build/$tree"/*; do
            mkdir "$folder/$tree/$(basename "$category")"
            ln -s "$category"/* "$folder/$tree/$(basename "$category")/"
        done
    done
    echo '{"type":1,"frameCount":1,"width":100,"height":80,"x":40,"y":40,"delays":[100]}' >"$scratch/block.json"
    ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=16x16 -frames:v 1 "$scratch/block.png"
    "$1" pack "$scratch/block.json" "$scratch/block.png" "$folder/Effects/Animations/block.eft" >/dev/null ||
        fail "cannot pack the test's effect"
    ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=80x60 -frames:v 1 "$folder/EffectsBmps/Animations/block.bmp"
}
orange="250 130 20"
grey="100 100 100"
white="255 255 255"
