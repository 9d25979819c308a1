#!/usr/bin/env bash
# Configures and builds into build/ (or $TARVEL_BUILD_DIR). The compiler's
# output goes to build.log and is shown only when the build fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TARVEL_BUILD_DIR:-build}
mkdir -p "$build"
log="$build/build.log"
echo "Building into $build ..."
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_WERROR=ON "$@" &&
       cmake --build "$build" -j "$(nproc)"; } >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "Build failed; the whole output is in $log" >&2
  exit 1
fi
echo "Built: $build/bin/tarvel, $build/bin/tarvel-report, $build/bin/VelmorEtiket"
