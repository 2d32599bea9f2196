#!/usr/bin/env bash
# Installs the Debian 12 packages Dukkano needs to build, run and test; only what is missing.
set -euo pipefail

packages=(cmake g++ pkg-config fonts-dejavu-core fonts-liberation qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
          libzint-dev libxlsxwriter-dev libcups2-dev zlib1g-dev xvfb xauth poppler-utils imagemagick zbar-tools unzip
          sqlite3)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Missing packages need root or sudo: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
