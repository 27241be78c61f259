#!/usr/bin/env bash
# Runs a command on a virtual X server of its own (1280 x 1024, 24 bits). The server picks a free
# display itself and is stopped and waited for at the end, so that a run which follows at once
# never meets a server still going away on the same display: one that removes the display's
# socket on its way out would leave the next run's programs unable to connect.
set -u
folder=$(mktemp -d)
exec 3>"$folder/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$folder/server.log" 2>&1 &
server=$!
exec 3>&-
for _ in $(seq 1 100); do
    [ -s "$folder/display" ] && break
    sleep 0.1
done
if [ ! -s "$folder/display" ]; then
    echo "FAIL: the virtual X server did not start"
    cat "$folder/server.log"
    kill "$server" 2>/dev/null
    rm -rf "$folder"
    exit 1
fi
DISPLAY=":$(cat "$folder/display")" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$folder"
exit "$status"
