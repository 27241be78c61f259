#!/usr/bin/env bash
# The studio with the keyboard alone: Tab brings the focus (which shows) to the category list,
# the arrow keys choose a category, Tab and Enter add its first effect, Space on the Record
# button starts a recording and Enter on Stop ends it, Space on Snapshot takes a snapshot. The
# recording and the snapshot carry the effect; the shortcuts still work beside it.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
add_block_effect "$2"
set_output_folder "$output"
press() { xdotool key "$1"; sleep "${2:-0.3}"; }
tabs() { for _ in $(seq 1 "$1"); do xdotool key "$2"; sleep 0.1; done; sleep 0.3; }
count() { ls "$1"/*"$2" 2>/dev/null | wc -l; }
record_button() { area_digest 54 47 77 32; }

"$folder/quenvalor" --studio 2>>"$scratch/program.log" &
pid=$!
wait_for_window
wait_preview live 10 || fail "the camera did not start within 10 seconds"
xdotool windowfocus --sync "$window"
sleep 0.3

# The keyboard starts on the preview. Backwards from it come the six brush widths, the four
# paint tools, the thumbnails and the categories.
tabs 12 shift+Tab
press Up 0.8  # from Distortions to Animations, whose first effect is the test's orange block
press Tab
press Return 0.8
shot effect
expect_near "the preview where the keyboard's effect lies" "$(preview_pixel 90 80)" "$orange" 40

# Forwards from the thumbnails: the paint tools and widths, the preview, the two tabs (the
# Effects page now shows, with its table and its two buttons), the bottom band, the window's
# own buttons, then Camera and Record.
normal_look=$(record_button)
tabs 24 Tab
[ "$(record_button)" != "$normal_look" ] || fail "the focused Record button looks as it does unfocused"
press space 2.5
press Tab
press Return 1
recording=$(newest "$output" .avi)
[ -n "$recording" ] || fail "Space on Record and Enter on Stop made no recording"
check_complete "$recording" 1.5
expect_near "the recording where the effect lies" "$(pixel "$recording" 60 53 1)" "$orange" 50
press Tab
press space 0.8
[ "$(count "$output" .jpg)" = 1 ] || fail "Space on Snapshot took no snapshot"
expect_near "the snapshot where the effect lies" "$(pixel "$(newest "$output" .jpg)" 60 53)" "$orange" 50

# The window's shortcuts work wherever the focus is.
press ctrl+e 0.6
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 510 ] || fail "Ctrl+E did not go back to the classic window"
press ctrl+q 0
expect_clean_end "Ctrl+Q"
echo "PASS"
