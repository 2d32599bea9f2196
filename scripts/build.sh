#!/usr/bin/env bash
# Configures into ./build (RelWithDebInfo unless told otherwise) and builds with every core.
set -euo pipefail
cd "$(dirname "$0")/.."
# CI builds with warnings as errors.
cmake -S . -B build ${CI:+-DDUKKANO_WERROR=ON}
cmake --build build -j"$(nproc)"
