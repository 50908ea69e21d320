#!/usr/bin/env bash
# Starts the program on a private X server and checks that the class of its
# main window (WM_CLASS) is the StartupWMClass of the desktop entry.
set -euo pipefail
program=$1
desktop=$2

expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$expected" ] || { echo "$desktop has no StartupWMClass"; exit 1; }

scratch=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# -displayfd lets the server take a display number nobody else uses.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log"; echo "Xvfb did not start"; exit 1; }
display=":$(head -n 1 "$scratch/display")"

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$program" >"$scratch/program.log" 2>&1 &
pids+=($!)

# xwininfo lists each top-level window with its WM_CLASS: ("instance" "Class").
classes=""
for _ in $(seq 100); do
    classes=$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | sed -n -E 's/.*\("([^"]*)" "([^"]*)"\).*/\2/p' | sort -u)
    [ -n "$classes" ] && break
    sleep 0.1
done
[ -n "$classes" ] || { cat "$scratch/program.log"; echo "no window with a WM_CLASS appeared"; exit 1; }

if [ "$classes" != "$expected" ]; then
    echo "windows have WM_CLASS class '$(tr '\n' ' ' <<<"$classes")', the desktop entry says StartupWMClass=$expected"
    exit 1
fi
echo "window class $classes matches StartupWMClass"
