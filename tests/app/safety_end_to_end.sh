#!/usr/bin/env bash
# The ways a recording could be lost, driven through the real program on a virtual display: two
# snapshots and two recordings within one second, a recording killed with SIGKILL and repaired
# at the next start, SIGHUP, SIGINT and SIGQUIT while recording, the output folder deleted while
# recording, a second start while running, a small file system refused at the start and one that fills up while recording
# (these two need the right to mount a tmpfs), an output folder that stops answering (a FUSE
# mount), and the display connection lost while recording.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
mounts=()
cleanup_scratch() {
    [ -n "${mounter:-}" ] && kill -CONT "$mounter" 2>/dev/null
    for mounted in "${mounts[@]}"; do umount -l "$mounted" 2>/dev/null; done
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null
    rm -rf "$scratch"
}
count() { ls "$1"/*"$2" 2>/dev/null | wc -l; }
# Waits until a recording's file has been finished: its size stays the same for half a second.
settled() {
    local before=""
    for _ in $(seq 1 40); do
        local size
        size=$(stat -c %s "$1" 2>/dev/null)
        [ -n "$before" ] && [ "$size" = "$before" ] && return 0
        before=$size
        sleep 0.5
    done
}

# Two snapshots and two recordings within one second: four files, none replaced.
set_output_folder "$output"
start_program
click "${snap[@]}"
click "${snap[@]}"
for _ in $(seq 1 20); do [ "$(count "$output" .jpg)" = 2 ] && break; sleep 0.1; done
[ "$(count "$output" .jpg)" = 2 ] || fail "two snapshots left $(count "$output" .jpg) files"
# Record, stop and record again, early in one second so that both starts fall into it; the
# first recording gets a moment to make its file, as a stop before that calls it off.
while [ "$(date +%N | cut -c1)" != 1 ]; do sleep 0.02; done
xdotool mousemove --sync "${record[@]}" click 1 sleep 0.2 mousemove --sync "${stop[@]}" click 1 \
    mousemove --sync "${record[@]}" click 1
sleep 1.5
click "${stop[@]}"
sleep 1
[ "$(count "$output" .avi)" = 2 ] || fail "two recordings left $(count "$output" .avi) files"
ls "$output" | grep -q ' (2)\.avi$' || fail "the second recording did not get a numbered name"
for file in "$output"/*.avi; do check_complete "$file" 0.05; done
screenshot two-recordings

# A second start opens no second window: it asks the running one to the front, says so and ends.
second=$("$folder/quenvalor" 2>>"$scratch/program.log")
status=$?
[ "$status" = 0 ] || fail "a second start ended with status $status"
[ "$second" = "Quenvalor is already running; its window has been brought to the front." ] ||
    fail "a second start said: $second"
[ "$(xdotool search --onlyvisible --name "Zelkorvan Quenvalor" | wc -l)" = 1 ] ||
    fail "a second window opened"
kill -0 "$pid" 2>/dev/null || fail "the running program ended at a second start"

# SIGHUP (a closed terminal), SIGINT (Ctrl+C) and SIGQUIT while recording each finish the file.
for signal in HUP INT QUIT; do
    [ "$signal" = HUP ] || start_program
    click "${record[@]}"
    sleep 2
    kill -"$signal" "$pid"
    expect_clean_end "SIG$signal while recording"
    check_complete "$(newest "$output" .avi)" 1.5
done

# Killed four seconds into a recording: the next start repairs the file behind the window and
# says so in the status line.
rm -f "$output"/*
start_program
ready=$(status_area)
click "${record[@]}"
sleep 4
kill -KILL "$pid"
wait "$pid" 2>/dev/null
killed=$(newest "$output" .avi)
riff_size() { od -An -tx1 -j4 -N4 "$1" | tr -d ' \n'; }
[ "$(riff_size "$killed")" = ffffffff ] || fail "the killed recording was finished after all"
start_program
sleep 3
[ "$(riff_size "$killed")" != ffffffff ] || fail "the killed recording was not repaired"
check_complete "$killed" 3
[ "$(status_area)" != "$ready" ] || fail "the status line does not tell of the repair"
screenshot repaired

# The output folder deleted while recording: a message within two seconds.
click "${record[@]}"
sleep 1
rm -rf "$output"
box=$(wait_for_message_box 25)
[ -n "$box" ] || fail "no message within two seconds of the output folder's deletion"
dismiss_message_box "$box"
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button"

# Small file systems.
small="$scratch/small"
mkdir -p "$small"
if mount -t tmpfs -o size=8m tmpfs "$small" 2>/dev/null; then
    mounts+=("$small")
    set_output_folder "$small"
    start_program
    click "${record[@]}"
    box=$(wait_for_message_box 30)
    [ -n "$box" ] || fail "no message for a recording on 8 MiB"
    dismiss_message_box "$box"
    [ "$(count "$small" .avi)" = 0 ] || fail "a refused recording left a file"
    xdotool mousemove --sync "${close[@]}" click 1
    expect_clean_end "the close button"
    umount "$small" && mounts=()

    # Room to start; then another program takes all but 40 MiB.
    mount -t tmpfs -o size=260m tmpfs "$small" && mounts+=("$small") || fail "cannot mount again"
    start_program
    click "${record[@]}"
    sleep 2
    fallocate -l 220m "$small/filler" || fail "cannot fill the small file system"
    box=$(wait_for_message_box 30)
    [ -n "$box" ] || fail "no message when the disk filled up while recording"
    dismiss_message_box "$box"
    rm -f "$small/filler"
    recording=$(newest "$small" .avi)
    settled "$recording"
    check_complete "$recording" 1.5
    xdotool mousemove --sync "${close[@]}" click 1
    expect_clean_end "the close button"
else
    missing "the small file system checks need the right to mount a tmpfs"
fi

# The output folder on a mount that stops answering, as a hung network mount does: the window
# comes and shows the camera at once, Record says it waits and the picture goes on; when the
# folder answers again, the recording starts and its file is complete.
stalled="$scratch/stalled"
behind="$scratch/behind"
mkdir -p "$stalled" "$behind"
if command -v bindfs >/dev/null && bindfs "$behind" "$stalled" 2>/dev/null; then
    mounts+=("$stalled")
    mounter=$(pgrep -n -f "bindfs $behind")
    set_output_folder "$stalled"
    # Stalled for 10 seconds (stretched in the sanitizer builds, as their starts are slower).
    stall=$(scaled 10)
    kill -STOP "$mounter"
    stalled_at=$(now)
    launch 5 0.05 || fail "no window within $(scaled 5) seconds while the output folder stalls"
    wait_preview live 10 || fail "no camera picture while the output folder stalls"
    ready=$(status_area)
    click "${record[@]}"
    waiting=$(status_area)
    [ "$waiting" != "$ready" ] || fail "Record did not say that it waits for the output folder"
    moving=$(area_digest 480 360 16 101)
    sleep 0.5
    [ "$(area_digest 480 360 16 101)" != "$moving" ] || fail "the preview froze while Record waited"
    stalled_for=$(since "$stalled_at")
    awk -v t="$stalled_for" -v s="$stall" 'BEGIN { exit !(t < s) }' ||
        fail "the window was only usable after $stalled_for seconds of a stalled folder"
    sleep "$(awk -v t="$stalled_for" -v s="$stall" 'BEGIN { print s - t }')"
    kill -CONT "$mounter"
    for _ in $(seq 1 "$(awk -v l="$(scaled 100)" 'BEGIN { print int(l) }')"); do
        [ "$(status_area)" != "$waiting" ] && break
        sleep 0.1
    done
    [ "$(status_area)" != "$waiting" ] || fail "the recording did not start once the folder answered"
    sleep 2
    click "${stop[@]}"
    recording=$(newest "$behind" .avi)
    [ -n "$recording" ] || fail "no recording in the folder that stalled"
    settled "$recording"
    check_complete "$recording" 1.5
    xdotool mousemove --sync "${close[@]}" click 1
    expect_clean_end "the close button"
    fusermount -u "$stalled" || fusermount3 -u "$stalled" || fail "cannot unmount the stalled folder"
    mounts=()
    mounter=""
else
    missing "the stalled folder check needs bindfs and the right to mount through FUSE"
fi

# The display connection lost while recording: the program ends and the file is complete.
set_output_folder "$output"
mkdir -p "$output"
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xserver=$!
exec 3>&-
for _ in $(seq 1 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "no second virtual display"
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
start_program
click "${record[@]}"
sleep 2
kill "$xserver"
wait "$xserver" 2>/dev/null
xserver=""
# Qt ends the process with status 1 when it loses its display.
expect_clean_end "the loss of the display" 1
check_complete "$(newest "$output" .avi)" 1.5
echo "safety end-to-end: no file replaced, killed recording repaired, SIGHUP, deleted folder, small file systems and a lost display all as expected"
