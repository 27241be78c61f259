#!/usr/bin/env bash
# Runs the real program on a virtual display: the window's place, size and title, the single
# instance, a clean end on SIGTERM, and a clean end by its close button.
set -u
program="$1"
fail() { echo "FAIL: $*"; kill -9 "$pid" 2>/dev/null; exit 1; }

# A lock folder and a home of this run's own: another Quenvalor on the machine neither blocks
# this one nor sees its default output folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

wait_for_window() {
    window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --name "Zelkorvan Quenvalor v2.2.32" 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to two seconds for the program to end and checks its exit status.
expect_clean_end() {
    for _ in $(seq 1 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running two seconds after $1"
    wait "$pid"
    status=$?
    [ "$status" = 0 ] || fail "exit status $status after $1"
}

"$program" &
pid=$!
wait_for_window || fail "no window titled 'Zelkorvan Quenvalor v2.2.32'"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 510 ] && [ "$HEIGHT" = 680 ] || fail "window is ${WIDTH}x${HEIGHT}, not 510x680"
[ "$X" = 0 ] && [ "$Y" = 0 ] || fail "window is at ($X, $Y), not (0, 0)"

start=$(date +%s%N)
timeout 5 "$program"
status=$?
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" = 0 ] || fail "second instance exited with $status"
[ "$elapsed" -lt 1000 ] || fail "second instance took ${elapsed} ms"
kill -0 "$pid" 2>/dev/null || fail "first instance ended when the second started"

kill -TERM "$pid"
expect_clean_end "SIGTERM"

# The close button, 20 x 20 at (469, 4): a click runs the shutdown sequence.
"$program" &
pid=$!
wait_for_window || fail "no window after the restart"
sleep 0.5
xdotool mousemove --sync 479 14 click 1
expect_clean_end "a click on the close button"
echo "end-to-end: window, single instance, SIGTERM and the close button all as expected"
