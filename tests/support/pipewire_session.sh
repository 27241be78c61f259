# A PipeWire daemon and WirePlumber of a test's own, and cameras published on them. Source it from
# a script that runs inside a D-Bus session of its own (dbus-run-session) with XDG_RUNTIME_DIR set
# to a folder of the run's own: the daemon's socket lies there, and every client started from the
# script (the program, gst-launch-1.0) finds it through PIPEWIRE_RUNTIME_DIR.
#
#   pipewire_start              starts both services; returns 1 (with the reason in
#                               $pipewire_problem) when they cannot run here
#   pipewire_publish NAME DESC  publishes a moving picture (a bouncing ball, 640 x 480 at 30 frames
#                               per second, in YUY2 as webcams send it) as a camera node called
#                               NAME, shown as DESC
#   pipewire_unpublish NAME     takes that node away again
#   pipewire_has_node NAME      whether the daemon lists a node called NAME
#   pipewire_stop               stops everything the helpers started
#
# Logs go to $pipewire_logs (a folder made on start).

pipewire_pids=()
declare -A pipewire_cameras=()
pipewire_problem=""

pipewire_start() {
    local tool
    for tool in pipewire wireplumber pw-cli gst-launch-1.0; do
        command -v "$tool" >/dev/null || { pipewire_problem="$tool is not installed"; return 1; }
    done
    gst-inspect-1.0 pipewiresink >/dev/null 2>&1 ||
        { pipewire_problem="GStreamer's PipeWire plugin (pipewiresink) is not installed"; return 1; }
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { pipewire_problem="no D-Bus session"; return 1; }
    [ -d "${XDG_RUNTIME_DIR:-}" ] || { pipewire_problem="no runtime folder"; return 1; }
    export PIPEWIRE_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    pipewire_logs=$(mktemp -d)
    pipewire >"$pipewire_logs/pipewire.log" 2>&1 &
    pipewire_pids+=($!)
    local _
    for _ in $(seq 1 50); do
        [ -S "$PIPEWIRE_RUNTIME_DIR/pipewire-0" ] && break
        sleep 0.1
    done
    if [ ! -S "$PIPEWIRE_RUNTIME_DIR/pipewire-0" ]; then
        pipewire_problem="the PipeWire daemon did not start: $(tail -n 3 "$pipewire_logs/pipewire.log")"
        pipewire_stop
        return 1
    fi
    wireplumber >"$pipewire_logs/wireplumber.log" 2>&1 &
    pipewire_pids+=($!)
    # WirePlumber is up once it is listed as a client of the daemon.
    for _ in $(seq 1 100); do
        pw-cli ls Client 2>/dev/null | grep -q '"WirePlumber"' && return 0
        sleep 0.1
    done
    pipewire_problem="WirePlumber did not start: $(tail -n 3 "$pipewire_logs/wireplumber.log")"
    pipewire_stop
    return 1
}

pipewire_has_node() {  # name
    pw-cli ls Node 2>/dev/null | grep -q "node.name = \"$1\""
}

# The pixel format is named: left to itself the test source picks a 64-bit one that PipeWire's
# clients cannot read, and the link to the camera's reader fails.
# Publishes the camera and waits up to five seconds for the daemon to list it.
pipewire_publish() {  # name description
    gst-launch-1.0 -q videotestsrc is-live=true pattern=ball \
        ! video/x-raw,format=YUY2,width=640,height=480,framerate=30/1 \
        ! pipewiresink mode=provide \
          stream-properties="p,media.class=Video/Source,media.role=Camera,node.name=$1,node.description=\\\"${2// /\\ }\\\"" \
        >>"$pipewire_logs/camera-$1.log" 2>&1 &
    pipewire_cameras[$1]=$!
    local _
    for _ in $(seq 1 50); do
        pipewire_has_node "$1" && return 0
        sleep 0.1
    done
    return 1
}

pipewire_unpublish() {  # name
    local camera=${pipewire_cameras[$1]:-}
    [ -n "$camera" ] || return 0
    kill "$camera" 2>/dev/null
    wait "$camera" 2>/dev/null
    unset "pipewire_cameras[$1]"
    local _
    for _ in $(seq 1 50); do
        pipewire_has_node "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Stops the cameras first, then WirePlumber, then the daemon, waiting for each.
pipewire_stop() {
    local name index
    for name in "${!pipewire_cameras[@]}"; do pipewire_unpublish "$name"; done
    for ((index = ${#pipewire_pids[@]} - 1; index >= 0; index--)); do
        kill "${pipewire_pids[index]}" 2>/dev/null
        wait "${pipewire_pids[index]}" 2>/dev/null
    done
    pipewire_pids=()
}
