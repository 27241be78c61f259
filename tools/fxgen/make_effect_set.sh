#!/usr/bin/env bash
# Makes the effect set: draws the pictures and descriptors, packs every effect and renders it
# on the sample picture with quenvalor-eft (a few at a time), turns the renders into
# thumbnails, and then puts the effect files and thumbnails in place, removing ones that are
# no longer part of the set. Any failure stops with a message and a nonzero status.
#
#   make_effect_set.sh <quenvalor-fxgen> <quenvalor-eft> <work folder> <Effects folder>
#                      <EffectsBmps folder>
set -euo pipefail

if [ $# -ne 5 ]; then
    echo "usage: make_effect_set.sh FXGEN EFT WORK EFFECTS THUMBNAILS" >&2
    exit 2
fi
fxgen=$1 eft=$2 work=$3 effects=$4 thumbnails=$5
jobs=$(nproc 2>/dev/null || echo 2)

rm -rf "$work"
"$fxgen" draw "$work"

# Packs and renders one effect; its messages go to a log that is shown if it fails.
make_effect() {
    local category=$1 name=$2 picture=$3 time=$4
    local effect=$work/effects/$category/$name.eft
    local report=$work/renders/$category/$name.json
    "$eft" pack "$work/$category/$name.json" "$work/$picture" "$effect" || return 1
    "$eft" render --input "$work/sample.png" --output "$work/renders/$category/$name.bmp" \
        --effect "$effect" --time-ms "$time" >"$report" || return 1
    # The render lists the effects the engine holds; a file the engine refuses adds none.
    if [ "$(grep -c '"kind"' "$report")" -ne 1 ]; then
        echo "the engine did not load $effect" >&2
        return 1
    fi
}

failed=0
running=0
while read -r category name picture time; do
    mkdir -p "$work/effects/$category" "$work/renders/$category" "$work/logs"
    make_effect "$category" "$name" "$picture" "$time" >"$work/logs/$category-$name.log" 2>&1 &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
done <"$work/effects.txt"
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
if [ "$failed" -ne 0 ]; then
    for log in "$work"/logs/*.log; do
        if [ -s "$log" ]; then
            echo "--- $(basename "$log" .log)" >&2
            cat "$log" >&2
        fi
    done
    echo "make_effect_set.sh: packing or rendering failed" >&2
    exit 1
fi

"$fxgen" thumbnails "$work"

# Put the set in place; files of effects that left the set go.
while read -r category name picture time; do
    mkdir -p "$effects/$category" "$thumbnails/$category"
    cp "$work/effects/$category/$name.eft" "$effects/$category/$name.eft"
    cp "$work/thumbnails/$category/$name.bmp" "$thumbnails/$category/$name.bmp"
done <"$work/effects.txt"
for category in $(cut -d' ' -f1 "$work/effects.txt" | sort -u); do
    for file in "$effects/$category"/*.eft "$thumbnails/$category"/*.bmp; do
        [ -e "$file" ] || continue
        base=$(basename "$file")
        if ! grep -q "^$category ${base%.*} " "$work/effects.txt"; then
            rm -f "$file"
        fi
    done
done
echo "Effect set: $(wc -l <"$work/effects.txt") effects in $effects"
