#!/usr/bin/env bash
# Installs what building and testing Tallyrock needs on Debian 12, and the
# de_DE.UTF-8 locale the tests use, skipping what is already there. Runs
# apt-get and locale-gen as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils desktop-file-utils appstream
  clang-format
  locales
)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run a second time under a German locale, whose decimal comma the
# program's number text must never pick up.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  if grep -qE '^[# ]*de_DE\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    "${as_root[@]}" sed -i -E 's/^[# ]*(de_DE\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  else
    echo "de_DE.UTF-8 UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen >/dev/null
fi
