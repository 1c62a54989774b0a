# Sourced by the benchmark scripts: finds tallyrock-cli ($cli) in the build
# folder given as the first argument (default: build beside bench/), makes a
# scratch folder ($work, removed on exit) and goes into it, and makes league
# Full with the course "Pine Creek Club" and 100 players, "Player 001" to
# "Player 100", with the tool itself. The rounds are each script's own.
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=$(realpath "${1:-$source_dir/build}/src/cli/tallyrock-cli")
[ -x "$cli" ] || { echo "no tallyrock-cli at $cli: build it first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/config"

"$cli" create-league Full >/dev/null
"$cli" add-course --name "Pine Creek Club" --pars 4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4 --initials PCC \
    --ratings 68.2,70.1,72.4 --slopes 118,124,131 >/dev/null
for p in $(seq -f %03g 1 100); do
    "$cli" add-player Full "Player $p" --tee $((10#$p % 3 + 1)) >/dev/null
done
