#!/usr/bin/env bash
# Fetches a real photograph of a face for the face-following tests: the astronaut portrait that
# Debian's python3-skimage package ships with its sample data. It is downloaded at test set-up
# and kept in the build folder, never committed. Tests that need it skip when it is missing.
#   fetch_face_photo.sh FOLDER   (writes FOLDER/face.png)
set -u
folder=$(realpath -m "$1")
photo="$folder/face.png"
[ -s "$photo" ] && exit 0
mkdir -p "$folder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 0
if ! apt-get download python3-skimage >/dev/null 2>&1; then
    apt-get update -q >/dev/null 2>&1
    apt-get download python3-skimage >/dev/null 2>&1 || { echo "no face photograph: cannot download python3-skimage"; exit 0; }
fi
dpkg-deb -x python3-skimage_*.deb extracted &&
    cp extracted/usr/lib/python3/dist-packages/skimage/data/astronaut.png "$photo" &&
    echo "face photograph: $photo"
exit 0
