#!/usr/bin/env bash
# Time from starting the desktop program to its first window on screen, in a
# data folder with one league of 100 players, under Xvfb with openbox (as a
# user's desktop places and maps windows). Prints each run and the median.
#
# Usage: bench/desktop-start.sh [BUILD_DIR] [RUNS]     (default: build beside bench/, 15 runs)
# Needs xvfb, openbox and xdotool (Debian packages of those names).
set -euo pipefail

for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "desktop-start.sh needs $tool" >&2; exit 2; }
done
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$source_dir/build}")
runs=${2:-15}
app=$build/src/app/tallyrock
cli=$build/src/cli/tallyrock-cli
[ -x "$app" ] && [ -x "$cli" ] || { echo "build the program first ($app)" >&2; exit 2; }

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
sleep 1

cd "$work"
export XDG_CONFIG_HOME="$work/config" DISPLAY=$display
"$cli" create-league Monday >/dev/null
for p in $(seq -f %03g 1 100); do "$cli" add-player Monday "Player $p" >/dev/null; done

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$app" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    times+=($(((end - start) / 1000000)))
    echo "first window after ${times[-1]} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "median: $median ms  (target: under 300 ms)"
