#!/usr/bin/env bash
# Runs the real program on a virtual display: the window's place, size and title, the single
# instance, and a clean end on SIGTERM.
set -u
program="$1"
fail() { echo "FAIL: $*"; kill -9 "$pid" 2>/dev/null; exit 1; }

"$program" &
pid=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name "Zelkorvan Quenvalor v2.2.32" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled 'Zelkorvan Quenvalor v2.2.32'"
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
for _ in $(seq 1 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running two seconds after SIGTERM"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
echo "end-to-end: window, single instance and SIGTERM all as expected"
