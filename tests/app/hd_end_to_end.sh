#!/usr/bin/env bash
# The recording sizes with the real program on a virtual display: a camera that offers one mode
# only opens and previews at every size, and a five-second 1280 x 720 recording made by clicks is
# an MP4 with H.264 at 30 frames per second and AAC that ffprobe reads without a warning, with
# the pattern microphone's beep in every second of its sound.
set -u
source "$(dirname "$0")/e2e_support.sh" "$1"

set_size() { printf '[General]\nFilePath=%s\nRecordingSize=%s\n' "$output" "$1" >"$folder/Quenvalor.ini"; }

# A camera that offers nothing but JPEG 1280 x 720, and one that offers nothing but raw
# 640 x 480, open and show their picture in classic and at every recording size.
for modes in "image/jpeg 1280x720" "video/x-raw 640x480"; do
    for size in 320x240 640x480 1280x720 1920x1080; do
        set_size "$size"
        QUENVALOR_PATTERN_CAMERA_MODES="$modes" start_program
        screenshot "preview-${size}-${modes//[ \/]/-}"
        kill "$pid"
        expect_clean_end "SIGTERM with $modes at $size"
    done
done

# A five-second HD recording, with the pattern microphone chosen.
set_size 1280x720
echo "Microphone=pattern:microphone|Pattern Microphone" >>"$folder/Quenvalor.ini"
QUENVALOR_PATTERN_MICROPHONE=1 start_program
click "${record[@]}"
started=$(now)
sleep "$(awk -v s="$started" -v n="$(now)" 'BEGIN { print 5 - (n - s) }')"
click "${stop[@]}"
stopped=$(now)
sleep 1
file=$(newest "$output" .mp4)
[[ "$(basename "$file")" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}\ [0-9]{2}-[0-9]{2}-[0-9]{2}\.mp4$ ]] ||
    fail "recording named '$(basename "$file")'"
[ "$(probe "$file" v stream=codec_name)" = h264 ] || fail "$file is not H.264"
[ "$(probe "$file" v stream=width)x$(probe "$file" v stream=height)" = 1280x720 ] ||
    fail "$file is not 1280 x 720"
[ "$(probe "$file" v stream=r_frame_rate)" = 30/1 ] || fail "$file is not 30 frames per second"
[ "$(probe "$file" a stream=codec_name)" = aac ] || fail "$file has no AAC stream"
warnings=$(ffprobe -v warning "$file" 2>&1)
[ -z "$warnings" ] || fail "ffprobe warns about $file: $warnings"
duration=$(duration_of "$file")
seconds=$(awk -v a="$started" -v b="$stopped" 'BEGIN { print b - a }')
awk -v d="$duration" -v s="$seconds" 'BEGIN { exit !(d - s < 0.5 && s - d < 0.5) }' ||
    fail "$file lasts $duration s, the recording ran $seconds s"
# The loudest sample of each whole second of the sound (0 to 32767): a beep starts every second.
loudest=$(ffmpeg -v error -i "$file" -map 0:a -ac 1 -ar 8000 -f s16le - | od -An -v -td2 -w2 |
    awk '{ v = $1 < 0 ? -$1 : $1; s = int((NR - 1) / 8000); if (v > m[s]) m[s] = v; n = s }
         END { for (i = 0; i < n; i++) printf "%d ", m[i] }')
[ "$(echo "$loudest" | wc -w)" -ge 4 ] || fail "the sound lasts under four seconds: $loudest"
for peak in $loudest; do [ "$peak" -gt 3000 ] || fail "a second without the beep: $loudest"; done
digest() { ffmpeg -v error -ss "$2" -i "$1" -frames:v 1 -f rawvideo -pix_fmt rgb24 - | md5sum; }
[ "$(digest "$file" 1)" != "$(digest "$file" 4)" ] || fail "the picture does not move"
click "${snap[@]}"
sleep 0.5
snapshot=$(newest "$output" .jpg)
[ "$(probe "$snapshot" v stream=width)x$(probe "$snapshot" v stream=height)" = 1280x720 ] ||
    fail "the snapshot is not 1280 x 720"
xdotool mousemove --sync "${close[@]}" click 1
expect_clean_end "the close button"
echo "PASS"
