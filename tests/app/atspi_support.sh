# Shared by the end-to-end runs that read the program as a screen reader does: they run inside a
# D-Bus session of their own (dbus-run-session) with the accessibility bus's launcher of
# at-spi2-core, and the program exposes itself on it (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
# Source it after e2e_support.sh, with the script's own arguments in "$@": outside the session
# it checks what the run needs and runs the script again inside one.
python=/usr/bin/python3
probe_script="$(dirname "${BASH_SOURCE[0]}")/atspi_probe.py"
launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${QUENVALOR_IN_ATSPI_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || missing "dbus-run-session (dbus)"
    [ -x "$launcher" ] || missing "the accessibility bus launcher (at-spi2-core)"
    "$python" -c "import pyatspi" 2>/dev/null || missing "python3-pyatspi"
    cleanup_scratch
    QUENVALOR_IN_ATSPI_SESSION=1 exec env -u XDG_RUNTIME_DIR dbus-run-session -- bash "$0" "$@"
fi
"$launcher" --launch-immediately >>"$scratch/atspi.log" 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null; cleanup_scratch' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
probe() { "$python" "$probe_script" "$@"; }
# Fails unless a showing object of `role` is named `name` (and has the states after it).
expect() {  # role name [state...]
    probe has "$@" >"$scratch/probe.out" 2>&1 || fail "$(cat "$scratch/probe.out")"
}
# Fails unless a showing object of `role` is labelled by one named `label`.
expect_labelled() {  # role label
    probe labelled "$@" >"$scratch/probe.out" 2>&1 || fail "$(cat "$scratch/probe.out")"
}
