#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dukkano in the current folder, where it opens
# (or creates) veritabani.mdb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install.sh"
"$root/scripts/build.sh"
exec "$root/build/dukkano" "$@"
