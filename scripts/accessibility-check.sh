#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader sees of a running four-computer game: starts ruvo under a virtual X
# display with its own accessibility bus, starts the game, lets it play a few seconds and walks
# the window's accessibility tree (scripts/accessibility-check.py).
# Usage: scripts/accessibility-check.sh [build folder] [seconds of play] [-v]
# Needs: xvfb xauth xdotool at-spi2-core python3-pyatspi dbus-x11.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-5}
program=$(realpath "$build/ruvo")
checker=$(realpath scripts/accessibility-check.py)
work=$(mktemp -d)
ruvo=0 xvfb=0 bus=0
trap 'kill "$ruvo" "$bus" "$xvfb" 2>/dev/null || true; [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null; rm -rf "$work"' EXIT

display=:$((RANDOM % 400 + 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work QT_LOGGING_RULES='*.warning=false'
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1

cp data/ruvo.cfg "$work/ruvo.cfg"
sed -i '1s/.*/"Speed Factor",28,0\r/; 2s/.*/"Player Type","C","C","C","C"\r/' "$work/ruvo.cfg"
cd "$work"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/ruvo.log" 2>&1 &
ruvo=$!
for _ in $(seq 200); do xdotool search --onlyvisible --name '^Ruvo$' >/dev/null 2>&1 && break; sleep 0.05; done
window=$(xdotool search --onlyvisible --name '^Ruvo$' | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 20 "start"
xdotool key Return
sleep "$seconds"
/usr/bin/python3 "$checker" "${3:-}" || true
grep -v "^$" "$work/ruvo.log" | tail -5
