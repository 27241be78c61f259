# Sourced by the end-to-end runs that record: the program runs from a folder of the run's own,
# with its data folders beside it, an output folder, and home and lock folders of the run's own;
# `fail` reports, kills the program and shows the end of its error output. Expects `program` (the
# built program) and `pid` (empty until the program runs) to be set.
fail() {
    echo "FAIL: $*"
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -s "$scratch/program.log" ] && tail -n 20 "$scratch/program.log"
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# GStreamer's plugin registry stays in the user's cache, so a run does not start by scanning every
# plugin again.
export XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
folder="$scratch/program"
output="$scratch/output"
mkdir "$folder" "$output"
cp "$program" "$folder/quenvalor"
for data in skin Effects EffectsBmps; do ln -s "$(dirname "$program")/$data" "$folder/$data"; done
command -v ffprobe >/dev/null && command -v ffmpeg >/dev/null || fail "ffprobe and ffmpeg are needed"
set_output_folder() { printf '[General]\nFilePath=%s\n' "$1" >"$folder/Quenvalor.ini"; }

# Starts the program and waits up to `limit` seconds for its window, looking every `step` seconds.
launch() {  # limit step
    "$folder/quenvalor" 2>>"$scratch/program.log" &
    pid=$!
    for _ in $(seq 1 "$(awk -v l="$1" -v s="$2" 'BEGIN { print int(l / s) }')"); do
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
now() { date +%s.%N; }
since() { awk -v s="$1" -v n="$(now)" 'BEGIN { print n - s }'; }
# Waits up to `limit` seconds for the preview to show the camera (live) or the grey picture (gone).
wait_preview() {  # live|gone limit
    local start
    start=$(now)
    while awk -v t="$(since "$start")" -v l="$2" 'BEGIN { exit !(t < l) }'; do
        share=$(preview_share)
        if [ "$1" = live ] && [ "$share" -gt 50 ]; then return 0; fi
        if [ "$1" = gone ] && [ "$share" -lt 5 ]; then return 0; fi
        sleep 0.05
    done
    return 1
}
