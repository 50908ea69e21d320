#!/usr/bin/env bash
# Walks the program as a screen reader does, through the desktop's real
# accessibility stack: a private X server, session bus and accessibility
# bus, with a stand-in for the web browser that only records what it was
# asked to open. Fails, never skips, when any part of the stack is missing.
#
#   run_atspi_test.sh PROGRAM
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3  # pyatspi comes with the system's Python

scratch=$(mktemp -d)
xvfb_pid=
launcher_pid=
DBUS_SESSION_BUS_PID=

cleanup() {
    local status=$?
    if [ -n "$launcher_pid" ]; then
        pkill -TERM -P "$launcher_pid" 2>/dev/null || true  # its accessibility bus
        kill "$launcher_pid" 2>/dev/null || true
    fi
    [ -z "$DBUS_SESSION_BUS_PID" ] || kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        for log in "$scratch"/*.log; do
            [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
        done
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "a11y: $*" >&2
    exit 1
}

# Polls `condition` (a command) every 0.1 s for up to `seconds`.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local tries=$((seconds * 10))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

for tool in Xvfb dbus-launch dbus-send "$launcher" "$python"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
"$python" -c 'import pyatspi' 2>"$scratch/python.log" || fail "pyatspi cannot be imported"

export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The server chooses a free display and writes its number once it is ready,
# so parallel runs never meet. Without -noreset it would start over each time
# its last client leaves (the bus launchers only look in briefly) and refuse
# the program meanwhile.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
wait_until 10 "the X server" grep -q '^[0-9]' "$scratch/display"
export DISPLAY=:$(head -n 1 "$scratch/display")

eval "$(dbus-launch --sh-syntax)" || fail "dbus-launch could not start a session bus"
[ -n "$DBUS_SESSION_BUS_PID" ] || fail "dbus-launch gave no session bus"

"$launcher" --launch-immediately >"$scratch/bus-launcher.log" 2>&1 &
launcher_pid=$!
bus_named() {
    kill -0 "$launcher_pid" 2>/dev/null || fail "at-spi-bus-launcher ended"
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until 10 "the accessibility bus" bus_named

# Stands in for the browser: QDesktopServices hands web addresses to the
# first xdg-open on PATH.
mkdir "$scratch/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$scratch/opened" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
: >"$scratch/opened"

PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$python" "$here/check_atspi.py" "$program" "$scratch/opened"
