#!/bin/sh
# Installs what is missing, then builds and runs every test: a normal build
# with warnings as errors, a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short, bounded run of the fuzz targets.
#   FUZZ_SECONDS  time per fuzz target (default 30; 0 skips fuzzing)
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

./scripts/build.sh build
ctest --test-dir build --output-on-failure --timeout 300 -j2

./scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j2

fuzz_seconds="${FUZZ_SECONDS:-30}"
if [ "$fuzz_seconds" -gt 0 ]; then
  FUZZ_SECONDS="$fuzz_seconds" ./scripts/fuzz.sh
fi
