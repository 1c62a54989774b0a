#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's sources
# (or the files and folders named), using the compile commands of build/.
# Prints what it finds and exits 1; prints "clang-tidy: clean" otherwise.
# It takes a few minutes on two cores, so it is not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! command -v run-clang-tidy >/dev/null; then
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends clang-tidy
fi
scripts/build.sh >/dev/null # the compile commands, and the headers Qt's moc generates
found=$(run-clang-tidy -quiet -j 2 -p build "${@:-$(pwd)/src/}" 2>/dev/null | grep -E "(warning|error): " | sort -u || true)
if [ -n "$found" ]; then
  echo "$found"
  exit 1
fi
echo "clang-tidy: clean"
