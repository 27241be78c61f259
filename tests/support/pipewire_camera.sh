#!/usr/bin/env bash
# A PipeWire daemon, WirePlumber and one camera node for a test program, run inside a D-Bus session
# of its own: dbus-run-session -- bash pipewire_camera.sh FOLDER NODE DESCRIPTION
# The daemon's socket lies in FOLDER/runtime (the test points PIPEWIRE_RUNTIME_DIR there). Once
# the services run, FOLDER/ready appears; where they cannot, FOLDER/problem says why. The camera
# is published while FOLDER/present exists, as the pattern camera follows its presence file, and
# everything stops once FOLDER/stop appears.
set -u
folder="$1" node="$2" description="$3"
source "$(dirname "$0")/pipewire_session.sh"
export XDG_RUNTIME_DIR="$folder/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
trap 'pipewire_stop' EXIT
if ! pipewire_start; then
    echo "$pipewire_problem" >"$folder/problem"
    exit 77
fi
touch "$folder/ready"
published=""
until [ -e "$folder/stop" ]; do
    if [ -e "$folder/present" ] && [ -z "$published" ]; then
        pipewire_publish "$node" "$description" && published=1
    elif [ ! -e "$folder/present" ] && [ -n "$published" ]; then
        pipewire_unpublish "$node"
        published=""
    fi
    sleep 0.05
done
