#!/usr/bin/env bash
# The program as a screen reader finds it, over the real accessibility bus: no control of the
# classic window, the Camera dialog or the studio without a name; the skinned buttons report
# their role and state (a pressed mode button, a chosen tab, a selected category); the status
# line's changes reach the bus; buttons are pressed through the bus's own actions.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
source "$(dirname "$0")/atspi_support.sh" "$@"
set_output_folder "$output"

no_unnamed() {  # where
    probe unnamed >"$scratch/unnamed.out" 2>&1 || fail "$1: $(cat "$scratch/unnamed.out")"
}

"$folder/quenvalor" --classic 2>>"$scratch/program.log" &
pid=$!
wait_for_window
expect "status bar" "Ready."
no_unnamed "the classic window"
expect "image" "Camera preview"
expect "text" "Elapsed time"

# The Camera dialog, opened by the bus's press action on the Camera button.
probe press "Camera" || fail "the Camera button could not be pressed over the bus"
expect_labelled "combo box" "Please select webcam source :"
expect_labelled "combo box" "Microphone :"
expect_labelled "combo box" "Recording size :"
no_unnamed "the Camera dialog"
probe press "Cancel" || fail "the dialog's Cancel could not be pressed over the bus"
sleep 0.5

# A recording started over the bus: the status line tells it.
probe press "Record" || fail "Record could not be pressed over the bus"
expect "status bar" "Recording"
probe press "Stop" || fail "Stop could not be pressed over the bus"
expect "status bar" "Ready"

# The studio: its toggle stays pressed, the Recordings tab is the chosen one, the browser starts
# on Distortions, whose effects are named.
probe press "Effects" || fail "Effects could not be pressed over the bus"
expect "push button" "Effects" checked pressed
expect "page tab" "Recordings" selected
expect "list item" "Distortions" selected
expect "list item" "Kaleidoscope"
no_unnamed "the studio"
probe press "Arrange" || fail "Arrange could not be pressed over the bus"
expect "push button" "Arrange" checked pressed

probe press "Quit" || fail "Quit could not be pressed over the bus"
expect_clean_end "Quit"
echo "PASS"
