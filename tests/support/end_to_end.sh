# Shared by the end-to-end runs of the real program on a virtual display; sourced, not run.
# Sourcing it makes a scratch folder (removed at exit) with a home and a lock folder of the run's
# own, so another Quenvalor on the machine neither blocks the run nor sees its files. The caller
# sets `pid` to the running program's process id. QUENVALOR_E2E_SHOTS names a folder to keep the
# screenshots in.

pid=""
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
command -v ffprobe >/dev/null && command -v ffmpeg >/dev/null || { echo "FAIL: ffprobe and ffmpeg are needed"; exit 1; }

fail() {
    echo "FAIL: $*"
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -s "$scratch/program.log" ] && tail -n 20 "$scratch/program.log"
    exit 1
}

# A program folder of the run's own: the program, the build's skin and shipped effects linked
# beside it, and in Animations an effect of the run's own, an opaque orange block of 100 x 80 at
# (40, 40) that sorts first, so its thumbnail is the grid's first. Sets `folder` and an empty
# `output` folder. Arguments: the program, the effect tool.
make_program_folder() {
    local build category tree
    build=$(dirname "$1")
    folder="$scratch/program"
    output="$scratch/output"
    mkdir "$folder" "$output"
    cp "$1" "$folder/quenvalor"
    ln -s "$build/skin" "$folder/skin"
    for tree in Effects EffectsBmps; do
        mkdir "$folder/$tree"
        for category in "$build/$tree"/*; do
            mkdir "$folder/$tree/$(basename "$category")"
            ln -s "$category"/* "$folder/$tree/$(basename "$category")/"
        done
    done
    echo '{"type":1,"frameCount":1,"width":100,"height":80,"x":40,"y":40,"delays":[100]}' >"$scratch/block.json"
    ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=16x16 -frames:v 1 "$scratch/block.png"
    "$2" pack "$scratch/block.json" "$scratch/block.png" "$folder/Effects/Animations/block.eft" >/dev/null ||
        fail "cannot pack the test's effect"
    ffmpeg -v error -f lavfi -i color=c=0xFA8214:s=80x60 -frames:v 1 "$folder/EffectsBmps/Animations/block.bmp"
}
orange="250 130 20"
grey="100 100 100"
white="255 255 255"

# "R G B" of the pixel at x, y of a picture, or of a video's frame at `seconds`.
pixel() {
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
# The whole screen into $scratch/screen.png, kept as `name`.png when shots are asked for.
screen() {
    xwd -root -silent -out "$scratch/screen.xwd"
    ffmpeg -v error -y -i "$scratch/screen.xwd" "$scratch/screen.png"
    [ -z "${QUENVALOR_E2E_SHOTS:-}" ] || cp "$scratch/screen.png" "$QUENVALOR_E2E_SHOTS/$1.png"
}
# A pixel of the preview in the last screenshot, by preview coordinates (window at (0, 0)).
preview_pixel() { pixel "$scratch/screen.png" $((16 + $1)) $((101 + $2)); }
newest() { ls -t "$1"/*"$2" 2>/dev/null | head -n 1; }

# Sets `window` to the program's window once it shows, within 20 seconds.
wait_for_window() {
    window=""
    for _ in $(seq 1 200); do
        window=$(xdotool search --onlyvisible --name "Zelkorvan Quenvalor v2.2.32" 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    fail "no window within 20 seconds"
}
# Waits up to five seconds for the program to end with status 0; `what` ended it.
expect_clean_end() {
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running five seconds after $1"
    wait "$pid"
    [ $? = 0 ] || fail "a bad exit status after $1"
    pid=""
}
