#!/usr/bin/env bash
# Face following with the real program on a virtual display: the pattern camera shows a real
# photograph of a face drifting round the frame, a top hat is added from the Accessories, and in
# the preview and in a recording it sits on the head wherever the face has gone (a hat, not the
# sunglasses: the detector that checks the frames must still see the eyes). Without
# the face detector's data the program runs as before and says so. Needs the photograph that the
# test set-up fetches.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"
eft="$2"
photo="$3"
[ -s "$photo" ] || missing "no face photograph at $photo"
set_output_folder "$output"
echo "Layout=studio" >>"$folder/Quenvalor.ini"
export QUENVALOR_PATTERN_CAMERA=1 QUENVALOR_PATTERN_CAMERA_PICTURE="$photo"

# The faces quenvalor-eft finds in a picture, one "x y width height" line each, in the 480 x 360
# frame the tool scales every picture to.
faces() {
    "$eft" render --input "$1" --output "$scratch/faces.png" --follow-face 2>/dev/null |
        awk '/"faces"/ { on = 1 } on && /"(x|y|width|height)"/ { gsub(/[^0-9]/, "", $2); v[++n] = $2 }
             END { for (i = 1; i + 3 <= n; i += 4) print v[i], v[i + 1], v[i + 2], v[i + 3] }'
}
# Mean brightness of a 5 x 5 patch at x, y of a picture. ffmpeg is kept off standard input, which
# is the list of faces check_hat reads.
brightness() {
    ffmpeg -nostdin -v error -i "$1" -frames:v 1 -vf "format=gray,crop=5:5:$(($2 - 2)):$(($3 - 2))" -f rawvideo - |
        od -An -v -tu1 | awk '{ for (i = 1; i <= NF; i++) { s += $i; n++ } } END { print int(s / n) }'
}
# Checks that the hat is dark above a face of `picture`: the hat's crown is authored at
# (240, 45), 125 above the reference face's centre, which scales by the face's width over 150.
# `scale` maps the tool's 480 x 360 frame to the picture's pixels. Every face the tool finds is
# tried, as it may also find a false one in the busy picture beside the real face. Leaves the left
# edge of the face with the hat in face_x.
check_hat() {  # picture scale what
    local found fx fy fw fh x y reach dx dy
    found=$(faces "$1")
    [ -n "$found" ] || fail "no face found in $3"
    while read -r fx fy fw fh; do
        x=$(awk -v fx="$fx" -v fw="$fw" -v k="$2" 'BEGIN { print int(k * (fx + fw / 2)) }')
        y=$(awk -v fy="$fy" -v fh="$fh" -v fw="$fw" -v k="$2" 'BEGIN { print int(k * (fy + fh / 2 - 125 * fw / 150)) }')
        # The tracker follows a moving face up to about half a second behind (one detection
        # interval plus the detection itself, longer on a busy machine), so the crown may stand
        # up to a quarter of the face's width to one side of where the face is now, and a little
        # above or below. The crown's sheen is lighter than its sides, so a row of points across
        # it is tried.
        reach=$(awk -v fw="$fw" -v k="$2" 'BEGIN { print int(k * fw / 4) }')
        for dy in 0 $((-reach / 3)) $((reach / 3)); do
            for dx in $(seq "-$reach" $((reach / 4 > 0 ? reach / 4 : 1)) "$reach"); do
                [ "$(brightness "$1" $((x + dx)) $((y + dy)))" -lt 70 ] && { face_x=$fx; return 0; }
            done
        done
    done <<<"$found"
    fail "$3: no hat above any face found ($(echo $found))"
}
preview_picture() {
    screen
    ffmpeg -v error -y -i "$scratch/screen.xwd" -vf crop=480:360:16:101 "$scratch/preview.png"
    echo "$scratch/preview.png"
}

launch 20 0.1 || fail "no window within 20 seconds"
sleep 2  # the camera starts
# Accessories, then the top hat (the eighth thumbnail).
click 585 318
click 774 261
sleep 1.5
check_hat "$(preview_picture)" 1 "the preview"
first=$face_x
sleep 2.5
check_hat "$(preview_picture)" 1 "the preview later"
[ "$first" != "$face_x" ] || fail "the face did not move in the preview"

click "${record[@]}"
sleep 4
click "${stop[@]}"
sleep 1
recording=$(newest "$output" .avi)
[ -n "$recording" ] || fail "no recording"
positions=""
for t in 0.5 1.7 2.9; do
    ffmpeg -v error -y -ss "$t" -i "$recording" -frames:v 1 "$scratch/frame.png"
    check_hat "$scratch/frame.png" 0.6667 "the recording at $t s"
    positions="$positions $face_x"
done
[ "$(echo "$positions" | tr ' ' '\n' | sort -u | grep -c .)" -gt 1 ] ||
    fail "the face did not move in the recording ($positions)"
click "${close[@]}"
expect_clean_end "the close button"

# Without the detector's data: the hat stays where its file puts it, and the status line says why.
QUENVALOR_FACE_CASCADE=/nonexistent/cascade.xml launch 20 0.1 || fail "no window without the cascade"
sleep 2
ready=$(status_area)
click 585 318
click 774 261
sleep 0.5
[ "$(status_area)" != "$ready" ] || fail "nothing said that face following is not available"
click "${close[@]}"
expect_clean_end "the close button without the cascade"
echo "face end-to-end: the hat stays on the moving face in the preview and the recording"
