#!/usr/bin/env bash
# Configures into ./build (RelWithDebInfo unless told otherwise) and builds with every core.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build
cmake --build build -j"$(nproc)"
