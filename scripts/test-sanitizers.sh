#!/usr/bin/env bash
# The tests once more, in a second build with AddressSanitizer (leak detection
# on) and UndefinedBehaviorSanitizer. Every report fails the run: the first
# error ends its process, and the sanitizers' logs (also those of the programs
# the tests start) are checked after the tests. Builds into build-sanitize/
# (or $TARVEL_SANITIZE_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${TARVEL_SANITIZE_BUILD_DIR:-build-sanitize}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 with line tables only: the reports keep file and line, and the build
# takes about as long as the plain one instead of twice as long. Each test
# may run three times as long as in the plain build.
TARVEL_BUILD_DIR=$build bash scripts/build.sh \
  "-DTARVEL_TEST_TIMEOUT=900" \
  "-DCMAKE_CXX_FLAGS=$flags" \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" \
  "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined"
bash scripts/printer-for-tests.sh

logs="$PWD/$build/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"
# Leaks inside third-party libraries that our code cannot free are suppressed
# by library name only; see the file. Nothing of ours is ever listed there.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:log_path=$logs/asan"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$logs/ubsan"

status=0
(cd "$build" && ctest --output-on-failure -j 2) || status=$?
if compgen -G "$logs/*" >/dev/null; then
  echo "Sanitizer reports:" >&2
  for f in "$logs"/*; do
    echo "==== $f" >&2
    cat "$f" >&2
  done
  status=1
fi
[ "$status" -eq 0 ] && echo "Sanitizer run: no reports."
exit "$status"
