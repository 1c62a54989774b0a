#!/usr/bin/env bash
# Start-up of tallyrock-cli beside cat, measured side by side in one hyperfine
# run: `leagues` against cat on the league list (vexa.dat), and `listing` of a
# full league (100 players, 20 rounds each) against cat on its league file.
# Prints the two ratios and the targets (leagues within 3x, listing within 5x).
#
# Usage: bench/cli-startup.sh [BUILD_DIR]     (default: build beside bench/)
# Needs hyperfine: sudo apt-get install hyperfine
set -euo pipefail

if ! command -v hyperfine >/dev/null; then
    echo "cli-startup.sh needs hyperfine; install it with: sudo apt-get install hyperfine" >&2
    exit 2
fi
# The full league, made with the tool itself.
source "$(dirname "$0")/full-league.sh" "$@"
{
    echo "date,player,course,out,in"
    for r in $(seq 1 20); do
        for p in $(seq 1 100); do
            printf '%02d/%02d/2024,Player %03d,Pine Creek Club,%d,%d\n' \
                $((3 + (r - 1) / 4)) $((1 + (r - 1) % 4 * 7)) "$p" \
                $((37 + (p * 7 + r * 3) % 11)) $((38 + (p * 5 + r) % 10))
        done
    done
} >rounds.csv
"$cli" import Full rounds.csv >/dev/null
[ "$("$cli" listing Full | wc -l)" -ge 102 ] || { echo "the full league did not build" >&2; exit 1; }

hyperfine --shell=none --warmup 20 --min-runs 200 --style basic --export-json times.json \
    -n "cat vexa.dat" "cat vexa.dat" \
    -n "tallyrock-cli leagues" "$cli leagues" \
    -n "cat Full.LGE" "cat Full.LGE" \
    -n "tallyrock-cli listing Full" "$cli listing Full"

mean() { jq -r --arg n "$1" '.results[] | select(.command == $n) | .mean' times.json; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
leagues=$(ratio "$(mean "tallyrock-cli leagues")" "$(mean "cat vexa.dat")")
listing=$(ratio "$(mean "tallyrock-cli listing Full")" "$(mean "cat Full.LGE")")
echo
echo "leagues / cat vexa.dat:       $leagues  (target: at most 3)"
echo "listing Full / cat Full.LGE:  $listing  (target: at most 5)"
