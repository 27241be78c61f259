#!/usr/bin/env bash
# A PipeWire camera with the real program on a virtual display: a PipeWire daemon and WirePlumber
# of the run's own (in a D-Bus session of its own) and a moving picture published as a camera
# node, without the pattern camera. Five starts and quits with the camera listed all end with
# status 0 and without a GLib or GStreamer warning; the picture shows in the preview; taken away,
# the preview shows the "no camera" picture and the status line changes; published again under
# the same node name the moving picture returns within two seconds by itself, three times in a
# row; and a recording across one removal and return is complete and as long as it ran.
set -u
source "$(dirname "$0")/../support/in_dbus_session.sh" "$0" "$@"
source "$(dirname "$0")/e2e_support.sh" "$1"
source "$(dirname "$0")/../support/pipewire_session.sh"
set_output_folder "$output"
unset QUENVALOR_PATTERN_CAMERA QUENVALOR_PATTERN_CAMERA_PRESENCE GST_DEBUG
trap 'pipewire_stop; cleanup_scratch' EXIT
pipewire_start || missing "$pipewire_problem"
node=quenvalor-e2e-camera
pipewire_publish "$node" "Desk Camera" || fail "the camera node was not listed by the daemon"

# The published picture is a white ball on black; the "no camera" picture has no black at all.
black_share() {  # file: per cent of the preview's pixels that are black
    ffmpeg -v error -i "$1" -vf "crop=480:360:16:101,scale=48:36" -f rawvideo -pix_fmt rgb24 - |
        od -An -v -tu1 -w3 |
        awk '{ m = $1; if ($2 > m) m = $2; if ($3 > m) m = $3; if (m < 12) c++ }
             END { print (NR ? int(100 * c / NR) : 0) }'
}
preview_digest() { area_digest 480 360 16 101; }
wait_camera() {  # live|gone limit: the ball moving in the preview, or the "no camera" picture
    local start limit before=""
    start=$(now)
    limit=$(scaled "$2")
    while awk -v t="$(since "$start")" -v l="$limit" 'BEGIN { exit !(t < l) }'; do
        screen
        share=$(black_share "$scratch/screen.xwd")
        if [ "$1" = live ] && [ "$share" -gt 50 ]; then
            digest=$(preview_digest)
            [ -n "$before" ] && [ "$digest" != "$before" ] && return 0
            before=$digest
        fi
        if [ "$1" = gone ] && [ "$share" -lt 5 ]; then return 0; fi
        sleep 0.05
    done
    return 1
}
status_digest() { area_digest 300 30 20 650; }
# GLib's and GStreamer's criticals and warnings say CRITICAL or WARNING.
expect_quiet_log() {  # what
    grep -E "CRITICAL|WARNING|double free|corruption" "$scratch/program.log" &&
        fail "$1 printed GLib or GStreamer complaints"
    return 0
}

# Five starts and quits with the camera listed: status 0 each time, and nothing complained about.
# The camera is published afresh for each start: once a client that watched the daemon's devices
# has gone, a node that gst-launch-1.0's pipewiresink provides sends no more frames to anyone
# (PipeWire 0.3.65; gst-device-monitor-1.0 -f does the same to it), which no real camera does.
for run in 1 2 3 4 5; do
    if [ "$run" != 1 ]; then
        pipewire_unpublish "$node" && pipewire_publish "$node" "Desk Camera" ||
            fail "the camera node could not be published again before start $run"
    fi
    : >"$scratch/program.log"
    launch 20 0.1 || fail "no window within 20 seconds at start $run"
    wait_camera live 10 || fail "the PipeWire camera's picture did not show at start $run"
    if [ "$run" = 5 ]; then break; fi
    xdotool mousemove --sync "${close[@]}" click 1
    expect_clean_end "the close button at start $run" 0
    expect_quiet_log "start $run"
done

# Taken away and published again under the same node name, three times in a row.
sleep 0.3
ready=$(status_digest)
for round in 1 2 3; do
    pipewire_unpublish "$node" || fail "the camera node did not go away (round $round)"
    wait_camera gone 2 || fail "the preview did not show the no-camera picture (round $round)"
    sleep 0.3
    [ "$(status_digest)" != "$ready" ] || fail "the status line does not say the camera was lost (round $round)"
    pipewire_publish "$node" "Desk Camera" || fail "the camera node did not come back (round $round)"
    wait_camera live 2 || fail "the moving picture did not return within two seconds (round $round)"
    kill -0 "$pid" 2>/dev/null || fail "the program died in round $round"
    sleep 0.3
    [ "$(status_digest)" = "$ready" ] || fail "the status line did not return to its text (round $round)"
done

# A recording across one removal and return is complete and as long as it ran.
click "${record[@]}"
recording_started=$(now)
sleep 1.5
pipewire_unpublish "$node"
wait_camera gone 2 || fail "while recording, the preview did not show the no-camera picture"
sleep 1.5
pipewire_publish "$node" "Desk Camera"
wait_camera live 2 || fail "while recording, the moving picture did not return"
sleep 1.5
click "${stop[@]}"
ran=$(since "$recording_started")
sleep 1
file=$(newest "$output" .avi)
check_complete "$file" 1
duration=$(duration_of "$file")
awk -v d="$duration" -v s="$ran" 'BEGIN { exit !(d - s < 0.5 && s - d < 0.5) }' ||
    fail "the recording lasts $duration s, it ran $ran s"

xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button after the hot-plugs" 0
expect_quiet_log "the run with hot-plugs"
echo "PipeWire end-to-end: five clean starts, three returns within two seconds, a complete recording of $duration s across a return (it ran $ran s)"
