#!/usr/bin/env bash
# Installs what is missing, builds, and prints the timings on an empty shop, the large generated
# shop and one three times its size.
# Usage: scripts/bench.sh [--only STEP,...] [folder]   (the generated shops are kept in folder,
# the large one as veritabani.mdb and the other as 3x/veritabani.mdb, and reused by later runs;
# without a folder they are made afresh in a temporary one, which takes about a minute)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install.sh"
"$root/scripts/build.sh"
QT_QPA_PLATFORM=offscreen exec "$root/build/bench/dukkano_bench" "$@"
