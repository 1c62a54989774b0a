#!/usr/bin/env bash
# The handicap worksheets of a full league (100 players, 20 rounds each) printed
# to one PDF file, one player to a page, with tallyrock-cli: the mean of a few
# hyperfine runs against the target of one second.
#
# Usage: bench/worksheets.sh [BUILD_DIR]     (default: build beside bench/)
# Needs hyperfine and jq: sudo apt-get install hyperfine jq
set -euo pipefail

for tool in hyperfine jq; do
    command -v "$tool" >/dev/null || { echo "worksheets.sh needs $tool: sudo apt-get install $tool" >&2; exit 2; }
done
# The full league, made with the tool itself, with stroke control on.
source "$(dirname "$0")/full-league.sh" "$@"
"$cli" rules --stroke-option 2 >/dev/null
{
    echo "date,player,course,h1,h2,h3,h4,h5,h6,h7,h8,h9,h10,h11,h12,h13,h14,h15,h16,h17,h18"
    for r in $(seq 1 20); do
        for p in $(seq 1 100); do
            printf '%02d/%02d/2024,Player %03d,Pine Creek Club' $((3 + (r - 1) / 4)) $((1 + (r - 1) % 4 * 7)) "$p"
            for h in $(seq 1 18); do printf ',%d' $((3 + (p * 7 + r * 3 + h * 5) % (p % 4 + 3))); done
            echo
        done
    done
} >rounds.csv
"$cli" import Full rounds.csv >/dev/null

hyperfine --shell=none --warmup 1 --runs 5 --style basic --export-json times.json \
    -n "print Full worksheets" "$cli --today 12-31-2024 print Full worksheets --pdf worksheets.pdf"
pages=$(pdfinfo worksheets.pdf 2>/dev/null | awk '/^Pages:/ { print $2 }')
mean=$(jq -r '.results[0].mean' times.json)
echo
printf 'worksheets of 100 players to PDF (%s pages): %.3f s  (target: under 1 s)\n' "${pages:-?}" "$mean"
