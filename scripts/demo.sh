#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo shop once and starts Dukkano in it.
# Usage: scripts/demo.sh [folder]   (default ./demo-shop; an existing shop there is kept as it is)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-demo-shop}"
"$root/scripts/install.sh"
"$root/scripts/build.sh"
if [[ ! -e "$folder/veritabani.mdb" ]]; then
    "$root/build/bench/dukkano_demo" "$folder"
fi
cd "$folder"
exec "$root/build/dukkano"
