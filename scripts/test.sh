#!/bin/sh
# Installs what is missing, then builds and runs every test twice: a normal
# build with warnings as errors, and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

./scripts/build.sh build
ctest --test-dir build --output-on-failure --timeout 300 -j2

./scripts/build.sh build-asan -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j2
