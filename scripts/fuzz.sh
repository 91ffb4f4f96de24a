#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on the whole tree) in build-fuzz and runs each
# for a bounded time on its seed corpus. Fails when a target finds a crash.
#   FUZZ_SECONDS  time per target (default 60)
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh

dir=build-fuzz
seconds="${FUZZ_SECONDS:-60}"
targets="load_stream_fuzz section_text_fuzz eds_import_fuzz"

if [ ! -f "$dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTOR_FUZZ=ON -DVANTOR_SANITIZE=ON -DVANTOR_BENCH=OFF \
    -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link"
fi
# shellcheck disable=SC2086
cmake --build "$dir" --parallel --target $targets

mkdir -p "$dir/fuzz-artifacts"
for target in $targets; do
  # New inputs go to the build tree; the seeds in the repository stay as written.
  work="$dir/fuzz-corpus/$target"
  mkdir -p "$work"
  echo "fuzzing $target for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/tests/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 \
      -print_final_stats=1 -artifact_prefix="$dir/fuzz-artifacts/$target-" \
      "$work" "tests/fuzz/corpus/$target"
done
