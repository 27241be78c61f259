# Runs the calling script again inside a D-Bus session of its own (dbus-run-session), which the
# PipeWire services need. Source it first, with the script's path and arguments:
#   source "$(dirname "$0")/../support/in_dbus_session.sh" "$0" "$@"
if [ -z "${QUENVALOR_E2E_DBUS:-}" ]; then
    if command -v dbus-run-session >/dev/null; then
        QUENVALOR_E2E_DBUS=1 exec dbus-run-session -- bash "$@"
    fi
    [ -z "${CI:-}" ] || { echo "FAIL: missing under CI: dbus-run-session is not installed"; exit 1; }
    echo "SKIP: dbus-run-session is not installed"
    exit 77
fi
