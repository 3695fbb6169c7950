#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the window program under a virtual X display:
#   - start-up: from launching ruvo to its window being shown (several runs);
#   - CPU: the share of one core the program uses over a minute of a four-computer game paced
#     at one second a move;
#   - peak memory: the program's peak resident size at the end of that minute.
# Usage: scripts/measure-window.sh [build folder] [seconds of play]   (needs xvfb and xdotool)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-60}
program=$(realpath "$build/ruvo")
work=$(mktemp -d)
trap 'kill "$ruvo" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
ruvo=0

display=:$((RANDOM % 400 + 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work QT_LOGGING_RULES='*.warning=false'
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

# Four computer players, one second a move (speed 28: 2 half-seconds).
cp data/ruvo.cfg "$work/ruvo.cfg"
sed -i '1s/.*/"Speed Factor",28,1\r/; 2s/.*/"Player Type","C","C","C","C"\r/' "$work/ruvo.cfg"
cd "$work"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
shown() { xdotool search --onlyvisible --name '^Ruvo$' >/dev/null 2>&1; }

echo "start-up to window shown (ms):"
times=()
for run in 1 2 3 4 5 6; do
    start=$(now_ms)
    "$program" >/dev/null 2>&1 &
    ruvo=$!
    until shown; do sleep 0.002; done
    times+=($(( $(now_ms) - start )))
    if [ "$run" -lt 6 ]; then
        kill "$ruvo"; wait "$ruvo" 2>/dev/null || true
        while shown; do sleep 0.01; done
    fi
done
echo "  runs: ${times[*]} (the first with cold caches)"
sorted=($(printf '%s\n' "${times[@]:1}" | sort -n))
echo "  median of warm runs: ${sorted[2]} ms"

# The last program stays: start a game on its command line (it has the keyboard focus).
window=$(xdotool search --onlyvisible --name '^Ruvo$' | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 20 start
xdotool key Return
sleep 3

ticks() { awk '{ print $14 + $15 }' "/proc/$ruvo/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
echo "CPU over ${seconds} s of a four-computer game at one second a move:"
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "  %.2f %% of one core (%d ticks)\n", 100 * t / hz / s, t }'
echo "peak memory (VmHWM): $(awk '/VmHWM/ { print $2, $3 }' "/proc/$ruvo/status")"
import -window root "$work/during-play.png" 2>/dev/null && cp "$work/during-play.png" /tmp/ruvo-measure.png \
    && echo "a picture of the game after the minute: /tmp/ruvo-measure.png" || true
