#!/usr/bin/env bash
# Cameras that come and go, with the real program on a virtual display: the pattern camera is
# plugged in while a presence file exists. Absent at start, the window still appears at once and
# says there is no camera, and picks the camera up when it is plugged in; unplugged while
# previewing and while recording, the preview turns into the "no camera" picture within a second
# and the status line changes, and the moving picture returns within two seconds of plugging it
# in again, in the running recording too.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
set_output_folder "$output"
presence="$scratch/camera-present"
export QUENVALOR_PATTERN_CAMERA=1 QUENVALOR_PATTERN_CAMERA_PRESENCE="$presence"

status_digest() {
    screen
    ffmpeg -v error -i "$scratch/screen.xwd" -vf crop=300:30:20:650 -f rawvideo -pix_fmt rgb24 - |
        md5sum | cut -d' ' -f1
}
# Absent at start: the window appears within a second and says there is no camera. A start on a
# busy machine can be slow for reasons of its own; a camera that held the window up would slow
# every start, so the quickest of three counts.
rm -f "$presence"
for attempt in 1 2 3; do
    started=$(now)
    launch 2 0.02
    appeared=$(since "$started")
    awk -v t="$appeared" -v l="$(scaled 1)" 'BEGIN { exit !(t < l) }' && break
    [ "$attempt" = 3 ] && fail "the window took a second or more to appear at each of three starts"
    kill "$pid"
    wait "$pid"
done
wait_preview gone 2 || fail "without a camera the preview does not show the no-camera picture"
no_camera=$(status_digest)
touch "$presence"
wait_preview live 3 || fail "the camera plugged in after the start was not picked up"
sleep 0.3
ready=$(status_digest)
[ "$ready" != "$no_camera" ] || fail "the status line did not change when the camera came"

# Unplugged while previewing, and back.
rm -f "$presence"
wait_preview gone 1 || fail "the preview did not show the no-camera picture within a second"
[ "$(status_digest)" != "$ready" ] || fail "the status line does not say the camera was lost"
touch "$presence"
wait_preview live 2 || fail "the moving picture did not return within two seconds"
sleep 0.3
[ "$(status_digest)" = "$ready" ] || fail "the status line did not return to its text"

# The same while recording: the recording goes on through the loss and the return.
click "${record[@]}"
recording_started=$(now)
sleep 1.5
rm -f "$presence"
lost_at=$(since "$recording_started")
wait_preview gone 1 || fail "while recording, the preview did not show the no-camera picture"
sleep 1.5
touch "$presence"
wait_preview live 2 || fail "while recording, the moving picture did not return"
back_at=$(since "$recording_started")
sleep 1.5
click "${stop[@]}"
ran=$(since "$recording_started")
sleep 1
file=$(ls -t "$output"/*.avi 2>/dev/null | head -n 1)
[ -f "$file" ] || fail "no recording"
warnings=$(ffprobe -v warning "$file" 2>&1)
[ -z "$warnings" ] || fail "ffprobe warns about the recording: $warnings"
duration=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$file")
awk -v d="$duration" -v s="$ran" 'BEGIN { exit !(d - s < 0.5 && s - d < 0.5) }' ||
    fail "the recording lasts $duration s, it ran $ran s"
frame_share() { ffmpeg -v error -ss "$1" -i "$file" -frames:v 1 -y "$scratch/frame.png" && colour_share "$scratch/frame.png" 320 240 0 0; }
[ "$(frame_share 0.7)" -gt 50 ] || fail "the recording does not show the camera before the loss"
middle=$(awk -v a="$lost_at" -v b="$back_at" 'BEGIN { print (a + b) / 2 }')
[ "$(frame_share "$middle")" -lt 5 ] || fail "the recording does not show the no-camera picture at $middle s"
[ "$(frame_share "$(awk -v d="$duration" 'BEGIN { print d - 0.7 }')")" -gt 50 ] ||
    fail "the recording does not show the camera after its return"

xdotool mousemove --sync "${close[@]}" click 1
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running five seconds after the close button"
wait "$pid" || fail "exit status $? after the close button"
echo "camera end-to-end: absent at start, lost and back while previewing and while recording, all as expected"
