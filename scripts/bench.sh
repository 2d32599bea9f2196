#!/usr/bin/env bash
# Installs what is missing, builds, and prints the timings on a large generated shop and an empty one.
# Usage: scripts/bench.sh [folder]   (the large shop is kept in folder and reused by later runs;
# without one it is generated afresh in a temporary folder, which takes a few seconds)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install.sh"
"$root/scripts/build.sh"
QT_QPA_PLATFORM=offscreen exec "$root/build/bench/dukkano_bench" "$@"
