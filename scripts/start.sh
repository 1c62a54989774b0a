#!/usr/bin/env bash
# Sets up, builds and starts Tallyrock. The program keeps its data files in its
# working directory: ~/Tallyrock unless another folder is given.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"

folder="${1:-$HOME/Tallyrock}"
mkdir -p "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tallyrock is a desktop program and no display was found (DISPLAY is not set)."
  echo "Start it from a desktop session, or work in batch with the command-line tool:"
  echo "  cd \"$folder\" && \"$here/build/src/cli/tallyrock-cli\" --help"
  exit 1
fi
cd "$folder"
exec "$here/build/src/app/tallyrock"
