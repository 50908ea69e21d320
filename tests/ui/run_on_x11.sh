#!/usr/bin/env bash
# Runs a test program on a private X server, as on a desktop: the xcb
# platform and the fonts fontconfig picks by default (DejaVu Sans on
# Debian), which are wider than the offscreen platform's.
#
#   run_on_x11.sh PROGRAM [ARGUMENT...]
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGUMENT...]" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "x11: Xvfb is not installed" >&2; exit 1; }

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
read -r -t 20 display <"$scratch/display" || { echo "x11: Xvfb did not start" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
