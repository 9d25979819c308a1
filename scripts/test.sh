#!/usr/bin/env bash
# Command 2 of the README: installs what is missing, builds, runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
bash scripts/printer-for-tests.sh
build=${TARVEL_BUILD_DIR:-build}
cd "$build"
ctest --output-on-failure -j 2
