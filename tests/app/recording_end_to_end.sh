#!/usr/bin/env bash
# Records with the real program on a virtual display, driven by clicks as a person would: a
# five-second recording that ffprobe reads back, the status line and the clock while it runs,
# three recordings, a snapshot, a quit by the close button and by SIGTERM while recording, and an
# output folder that does not exist. Set QUENVALOR_E2E_SHOTS to a folder to keep screenshots.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"

# Checks a recording: 320 x 240 video at 20 frames per second with an audio stream, lasting
# `seconds` within half a second.
check_recording() {
    local file="$1" seconds="$2"
    [ -f "$file" ] || fail "no recording $file"
    [ "$(probe "$file" v stream=width)x$(probe "$file" v stream=height)" = 320x240 ] ||
        fail "$file is not 320 x 240"
    [ "$(probe "$file" v stream=r_frame_rate)" = 20/1 ] || fail "$file is not 20 frames per second"
    [ "$(probe "$file" a stream=codec_type)" = audio ] || fail "$file has no audio stream"
    local duration
    duration=$(duration_of "$file")
    awk -v d="$duration" -v s="$seconds" 'BEGIN { exit !(d - s < 0.5 && s - d < 0.5) }' ||
        fail "$file lasts $duration s, the recording ran $seconds s"
}
frame_digest() {
    ffmpeg -v error -ss "$2" -i "$1" -frames:v 1 -f rawvideo -pix_fmt rgb24 - | md5sum | cut -d' ' -f1
}

# A five-second recording.
set_output_folder "$output"
start_program
ready=$(status_area)
click "${record[@]}"
started=$(now)
sleep 1.3
recording=$(status_area)
clock_early=$(clock_area)
screenshot recording
sleep 2
clock_late=$(clock_area)
sleep "$(awk -v s="$started" -v n="$(now)" 'BEGIN { print 5 - (n - s) }')"
click "${stop[@]}"
stopped=$(now)
sleep 1
[ "$recording" != "$ready" ] || fail "the status line did not change when the recording started"
[ "$(status_area)" != "$recording" ] || fail "the status line did not change at the stop"
[ "$clock_late" != "$clock_early" ] || fail "the clock did not run"
first=$(newest "$output" .avi)
[[ "$(basename "$first")" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}-[0-9]{2}-[0-9]{2}\.avi$ ]] ||
    fail "recording named '$(basename "$first")'"
check_recording "$first" "$(awk -v a="$started" -v b="$stopped" 'BEGIN { print b - a }')"
[ "$(frame_digest "$first" 1)" != "$(frame_digest "$first" 4)" ] || fail "the picture does not move"

# Two more recordings, a second apart so their names differ, and a snapshot.
for _ in 1 2; do
    click "${record[@]}"
    sleep 1.2
    click "${stop[@]}"
done
sleep 1
screenshot three-recordings
[ "$(ls "$output"/*.avi | wc -l)" = 3 ] || fail "three recordings made $(ls "$output" | wc -l) files"
click "${snap[@]}"
sleep 0.5
snapshot=$(newest "$output" .jpg)
[ -n "$snapshot" ] || fail "no snapshot"
[ "$(probe "$snapshot" v stream=width)x$(probe "$snapshot" v stream=height)" = 320x240 ] ||
    fail "the snapshot is not 320 x 240"

# Quitting while recording, by the close button and by SIGTERM, leaves a whole file.
click "${record[@]}"
started=$(now)
sleep 2
xdotool mousemove --sync "${close[@]}" click 1
stopped=$(now)
expect_clean_end "the close button while recording"
check_recording "$(newest "$output" .avi)" "$(awk -v a="$started" -v b="$stopped" 'BEGIN { print b - a }')"

sleep 1  # a new second, so the next recording gets a new name
start_program
click "${record[@]}"
started=$(now)
sleep 2
kill -TERM "$pid"
stopped=$(now)
expect_clean_end "SIGTERM while recording"
check_recording "$(newest "$output" .avi)" "$(awk -v a="$started" -v b="$stopped" 'BEGIN { print b - a }')"
[ "$(ls "$output"/*.avi | wc -l)" = 5 ] || fail "expected five recordings"

# An output folder that does not exist: a message box, and no file.
set_output_folder "$scratch/missing/folder"
start_program
click "${record[@]}"
box=$(wait_for_message_box 30)
[ -n "$box" ] || fail "no message box for a missing output folder"
dismiss_message_box "$box"
[ ! -e "$scratch/missing" ] || fail "the missing folder was made"
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button"
echo "recording end-to-end: recordings, clock, status, snapshot, quits while recording and a missing folder all as expected"
