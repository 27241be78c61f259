#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user see: the two
# programs, the data folders, the translations, the desktop entry and the metainfo (both
# validated, both carrying the translations' languages), the icon in
# every theme size; the installed program, started from elsewhere with a read-only prefix, shows
# its skin and applies a shipped effect, and keeps its settings in the user's configuration
# folder. Then `cpack -G DEB` and the package's computed dependencies.
set -u
cmake="$1"
cpack="$2"
build="$3"
version="$4"
app_id=org.quenvalor.Quenvalor
source "$(dirname "$0")/../app/e2e_support.sh" ""
export XDG_CONFIG_HOME="$HOME/.config"
prefix="$scratch/prefix"

"$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" || fail "cmake --install failed"
for file in bin/quenvalor bin/quenvalor-eft share/quenvalor/README.md \
    share/quenvalor/skin/back_ui.bmp share/quenvalor/Effects/Frames/gold_frame.eft \
    share/quenvalor/EffectsBmps/Frames/gold_frame.bmp share/quenvalor/translations/quenvalor_de.qm \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
# The person segmentation models and their licence, where the build has them (under CI it must).
models="share/quenvalor/models"
if [ -s "$build/models/selfie_segmentation_landscape.tflite" ]; then
    for file in selfie_segmentation.tflite selfie_segmentation_landscape.tflite LICENSE.segmentation-models; do
        [ -s "$prefix/$models/$file" ] || fail "$models/$file is not installed"
    done
    grep -q "Apache License" "$prefix/$models/LICENSE.segmentation-models" || fail "the models' licence text is missing"
elif [ -n "${CI:-}" ]; then
    fail "the build has no segmentation models (tools/install-deps.sh fetches them)"
fi
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
    file "$icon" | grep -q "$size x $size" || fail "the ${size}x${size} icon is $(file -b "$icon")"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry is not valid"
grep -q "^Comment\[de\]=Mit der Webcam aufnehmen" "$prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry carries no German"
grep -q '<summary xml:lang="de">' "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo carries no German"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$scratch/metainfo.log" ||
    { cat "$scratch/metainfo.log"; fail "the metainfo is not valid"; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo does not name release $version"
grep -q "^Exec=quenvalor$" "$prefix/share/applications/$app_id.desktop" || fail "the entry does not start quenvalor"

# The installed program from another folder, its prefix read-only as a system's would be.
chmod -R a-w "$prefix"
"$prefix/bin/quenvalor" --version | grep -q "$version" || fail "--version does not say $version"
(cd "$scratch" && exec "$prefix/bin/quenvalor" --studio 2>"$scratch/program.log") &
pid=$!
wait_for_window
sleep 1
shot installed
# The window's plain base colour shows only where the skin is missing.
[ "$(pixel "$scratch/screen.png" 5 300)" != "30 35 45" ] || fail "the installed program shows no skin"
# Frames, then the gold frame: its border appears at the preview's left edge.
xdotool mousemove --sync 585 358 click 1
sleep 0.3
shot before_effect
before=$(preview_pixel 6 180)
xdotool mousemove --sync 858 133 click 1
sleep 0.6
shot installed_effect
after=$(preview_pixel 6 180)
[ "$before" != "$after" ] || fail "the installed effect changes nothing in the preview ($after)"
# Ctrl+E goes back to the classic window and keeps the choice: in the user's configuration
# folder, as the prefix cannot be written; for root it can, so the choice stays beside the data.
xdotool windowfocus --sync "$window"
xdotool key ctrl+e
sleep 0.5
kill -TERM "$pid"
expect_clean_end "SIGTERM"
settings="$XDG_CONFIG_HOME/Quenvalor/Quenvalor.ini"
[ "$(id -u)" = 0 ] && settings="$prefix/share/quenvalor/Quenvalor.ini"
grep -qi "^Layout=classic" "$settings" 2>/dev/null || fail "the layout was not kept in $settings"

# The package: its Depends is worked out from the linked libraries.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { tail -n 20 "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch/package"/quenvalor_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package named quenvalor_${version}_*.deb"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libopencv-core libopencv-imgcodecs libgstreamer1.0-0 \
    libgstreamer-plugins-base1.0-0 libavcodec libavformat libpng16; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
dpkg-deb -c "$deb" >"$scratch/contents"
grep -q "./usr/share/quenvalor/skin/back_ui.bmp" "$scratch/contents" || fail "the package lacks the skin"
grep -q "./usr/bin/quenvalor$" "$scratch/contents" || fail "the package lacks the program"
if [ -s "$build/models/selfie_segmentation_landscape.tflite" ]; then
    grep -q "./usr/share/quenvalor/models/selfie_segmentation_landscape.tflite" "$scratch/contents" ||
        fail "the package lacks the segmentation model"
fi
echo "install and package: files, validators, the installed program and the package's Depends as expected"
