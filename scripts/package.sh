#!/usr/bin/env bash
# Sets up, builds and makes the Debian package build/tallyrock_VERSION_ARCH.deb.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
command -v dpkg-shlibdeps >/dev/null || { as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo); "${as_root[@]}" apt-get install -y -qq dpkg-dev; }
cd "$here/build"
cpack -G DEB
ls -1 "$here"/build/tallyrock_*.deb
