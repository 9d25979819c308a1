#!/usr/bin/env bash
# Configures and builds into build/ (or $TARVEL_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TARVEL_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
