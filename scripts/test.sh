#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, offscreen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install.sh"
"$root/scripts/build.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure
