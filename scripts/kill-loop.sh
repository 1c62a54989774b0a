#!/usr/bin/env bash
# Kills tallyrock-cli at random moments while it changes a league and its team
# file together, then checks that the two files always belong to each other:
# the team file holds one team number per player, so a league file of N
# players needs a team file of N + 3 lines here. Prints the counts.
#   scripts/kill-loop.sh [KILLS] [path/to/tallyrock-cli]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
kills="${1:-250}"
cli="${2:-$here/build/src/cli/tallyrock-cli}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/.config"

"$cli" create-league Kill >/dev/null
printf ' 1 \r\nEagles\r\n 0 \r\n' > Kill.tea

killed=0 mixed=0 next=1
for ((k = 1; k <= kills; k++)); do
  players=$(head -n 1 Kill.LGE | tr -d ' \r')
  if [ "$players" -lt 40 ]; then
    "$cli" add-player Kill "Player $next" >/dev/null 2>&1 &
    next=$((next + 1))
  else
    first=$(sed -n 2p Kill.LGE | tr -d '\r')
    "$cli" remove-player Kill "$first" >/dev/null 2>&1 &
  fi
  pid=$!
  sleep "0.0$((RANDOM % 40))"
  kill -9 "$pid" 2>/dev/null && killed=$((killed + 1)) || true
  wait "$pid" 2>/dev/null || true
  "$cli" leagues >/dev/null # the next program finishes or drops what the killed one left
  players=$(head -n 1 Kill.LGE | tr -d ' \r')
  lines=$(wc -l < Kill.tea)
  if [ "$lines" -ne $((players + 3)) ]; then
    mixed=$((mixed + 1))
    echo "kill $k: league file of $players players beside a team file of $lines lines" >&2
  fi
done
echo "$kills runs, $killed killed while running, $((next - 1)) players added, $mixed mixed league and team files"
[ "$mixed" -eq 0 ]
