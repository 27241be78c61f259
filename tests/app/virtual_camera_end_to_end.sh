#!/usr/bin/env bash
# The virtual camera with the real program on a virtual display and real PipeWire clients. Without
# a PipeWire daemon, switching it on in the studio's top band changes the status line and the
# setting, and nothing else. With a daemon and WirePlumber of the run's own (in a D-Bus session of
# its own), at 1280 x 720: exactly one Video/Source node with the role Camera, its description and
# its format; GStreamer's pipewiresrc reads moving 1280 x 720 pictures from it while the status
# line counts the reader; FFmpeg reads it as /dev/video0 under pw-v4l2; the black-and-white filter
# added in the studio takes the colour out of what the clients see; switched off in the right-click
# menu the node goes, and it comes back when switched on again; when the daemon goes away the
# program says so and goes on, and quits with status 0.
set -u
source "$(dirname "$0")/../support/in_dbus_session.sh" "$0" "$@"
source "$(dirname "$0")/e2e_support.sh" "$1"
source "$(dirname "$0")/../support/pipewire_session.sh"
trap 'pipewire_stop; cleanup_scratch' EXIT
command -v pw-v4l2 >/dev/null || missing "pw-v4l2 (pipewire-v4l2) is not installed"
command -v pw-dump >/dev/null || missing "pw-dump is not installed"
export PIPEWIRE_RUNTIME_DIR="$XDG_RUNTIME_DIR"
node=quenvalor-virtual-camera
vcam=(434 55)          # the studio's Virtual button
filters=(585 198)      # the Filters category
first_thumb=(690 133)  # its first effect, black and white
write_settings() {  # extra [General] lines
    printf '[General]\nFilePath=%s\nLayout=studio\n' "$output" >"$folder/Quenvalor.ini"
    local line
    for line in "$@"; do echo "$line" >>"$folder/Quenvalor.ini"; done
}
status_digest() { area_digest 420 26 20 652; }
setting() { grep -a "^$1=" "$folder/Quenvalor.ini" | tail -n 1 | cut -d= -f2-; }

# Without PipeWire: the switch says why it cannot run, keeps the choice, and the camera goes on.
write_settings
launch 20 0.1 || fail "no window within 20 seconds"
wait_preview live 10 || fail "the camera did not start"
sleep 0.5
before=$(status_digest)
click "${vcam[@]}"
sleep 0.5
shot no-pipewire
[ "$(status_digest)" != "$before" ] || fail "without PipeWire the status line said nothing"
[ "$(setting VirtualCamera)" = 1 ] || fail "the choice was not kept: VirtualCamera=$(setting VirtualCamera)"
wait_preview live 2 || fail "the preview stopped after the switch without PipeWire"
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button without PipeWire" 0

pipewire_start || missing "$pipewire_problem"

# The node the daemon lists for the program: one Video/Source with the role Camera.
camera_nodes() {  # prints "description format width height rate" for each camera node
    pw-dump 2>/dev/null | python3 -c '
import json, sys
for o in json.load(sys.stdin):
    info = o.get("info") or {}
    props = info.get("props") or {}
    if props.get("media.class") != "Video/Source" or props.get("media.role") != "Camera":
        continue
    for f in (info.get("params") or {}).get("EnumFormat") or [{}]:
        size, rate = f.get("size", {}), f.get("framerate", {})
        print(props.get("node.description"), f.get("format"), size.get("width"), size.get("height"),
              rate.get("num"))'
}
wait_node() {  # present|absent limit
    local _
    for _ in $(seq 1 "$(awk -v l="$(scaled "$2")" 'BEGIN { print int(l * 10) }')"); do
        if pipewire_has_node "$node"; then [ "$1" = present ] && return 0; else [ "$1" = absent ] && return 0; fi
        sleep 0.1
    done
    return 1
}
# Reads `count` frames from the node with pipewiresrc into $scratch/frames.rgb.
read_frames() {  # count
    rm -f "$scratch/frames.rgb"
    timeout "$(scaled 20)" gst-launch-1.0 -q pipewiresrc target-object="$node" num-buffers="$1" \
        ! videoconvert ! video/x-raw,format=RGB ! filesink location="$scratch/frames.rgb" \
        >>"$scratch/clients.log" 2>&1
}
frame_bytes=$((1280 * 720 * 3))
# The mean spread between a frame's colour channels (0 for grey), from a reduced picture.
colour_spread() {  # frame number
    dd if="$scratch/frames.rgb" bs="$frame_bytes" skip="$1" count=1 status=none |
        ffmpeg -v error -f rawvideo -pix_fmt rgb24 -s 1280x720 -i - -vf scale=64:36 -f rawvideo - |
        od -An -v -tu1 -w3 |
        awk '{ m = $1; n = $1; for (i = 2; i <= 3; i++) { if ($i > m) m = $i; if ($i < n) n = $i }
               s += m - n } END { print (NR ? int(s / NR) : 0) }'
}

write_settings VirtualCamera=1 RecordingSize=1280x720
: >"$scratch/program.log"
launch 20 0.1 || fail "no window within 20 seconds with PipeWire"
wait_preview live 10 || fail "the camera did not start with PipeWire"
wait_node present 10 || fail "no virtual camera node within 10 seconds"
nodes=$(camera_nodes)
[ "$(echo "$nodes" | grep -c .)" = 1 ] || fail "expected one camera node, the daemon lists: $nodes"
[ "$nodes" = "Zelkorvan Virtual Camera I420 1280 720 30" ] || fail "the camera node is: $nodes"

# A reader is counted in the status line while it reads, and its pictures move.
sleep 0.5
alone=$(status_digest)
read_frames 60 &
reader=$!
watched=""
for _ in $(seq 1 "$(awk -v l="$(scaled 50)" 'BEGIN { print int(l) }')"); do
    [ "$(status_digest)" != "$alone" ] && { watched=1; shot watched; break; }
    sleep 0.1
done
wait "$reader" || fail "pipewiresrc could not read the virtual camera: $(tail -n 3 "$scratch/clients.log")"
[ -n "$watched" ] || fail "the status line did not change while a program was watching"
[ "$(stat -c %s "$scratch/frames.rgb")" = $((60 * frame_bytes)) ] ||
    fail "pipewiresrc read $(stat -c %s "$scratch/frames.rgb") bytes, not 60 frames of 1280 x 720"
first=$(dd if="$scratch/frames.rgb" bs="$frame_bytes" count=1 status=none | md5sum)
last=$(dd if="$scratch/frames.rgb" bs="$frame_bytes" skip=59 count=1 status=none | md5sum)
[ "$first" != "$last" ] || fail "the virtual camera's picture does not move"
colourful=$(colour_spread 59)
[ "$colourful" -gt 40 ] || fail "the pattern's colours do not reach the reader (spread $colourful)"

# FFmpeg, which speaks V4L2 only, reads it through PipeWire's V4L2 wrapper.
timeout "$(scaled 20)" pw-v4l2 ffmpeg -v error -f v4l2 -i /dev/video0 -frames:v 10 -y "$scratch/v4l2.mkv" \
    >>"$scratch/clients.log" 2>&1 || fail "ffmpeg under pw-v4l2 could not read /dev/video0: $(tail -n 3 "$scratch/clients.log")"
[ "$(probe "$scratch/v4l2.mkv" v stream=width),$(probe "$scratch/v4l2.mkv" v stream=height)" = 1280,720 ] ||
    fail "ffmpeg under pw-v4l2 read $(probe "$scratch/v4l2.mkv" v stream=width) wide pictures"

# The black-and-white filter, added in the studio, reaches the clients.
click "${filters[@]}"
click "${first_thumb[@]}"
sleep 0.5
shot black-white
read_frames 10 || fail "pipewiresrc could not read the virtual camera after the filter"
grey=$(colour_spread 9)
[ "$grey" -lt 8 ] || fail "the black-and-white filter left colour in the virtual camera (spread $grey)"

# Off in the right-click menu: the node goes; on again: it comes back.
toggle_in_menu() {
    xdotool mousemove --sync 250 250 click 3
    sleep 0.5
    # The entry follows the two mirror choices and the countdown.
    xdotool key Down Down Down Down Return
    sleep 0.3
}
toggle_in_menu
wait_node absent 5 || fail "the node stayed after the virtual camera was switched off"
[ "$(setting VirtualCamera)" = 0 ] || fail "switching off was not kept"
toggle_in_menu
wait_node present 5 || fail "the node did not come back when switched on again"
read_frames 5 || fail "pipewiresrc could not read the virtual camera switched on again"

# The daemon goes away: the program says so and goes on.
before=$(status_digest)
pipewire_stop
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program died when the PipeWire daemon went away"
[ "$(status_digest)" != "$before" ] || fail "the status line said nothing when the daemon went away"
# The filter has taken the colour out of the preview: it is seen to move instead.
moving=$(area_digest 480 360 16 101)
sleep 0.5
[ "$(area_digest 480 360 16 101)" != "$moving" ] || fail "the preview stopped when the daemon went away"
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button after the daemon went away" 0
echo "Virtual camera end-to-end: one node ($nodes), moving pictures for pipewiresrc and pw-v4l2 ffmpeg, colour spread $colourful before and $grey after black and white, off and on again, daemon loss survived"
