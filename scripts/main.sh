#!/bin/sh
# Installs what is missing, builds, and runs the main job: for now the
# libraries are built and the compound-file round-trip benchmark is run.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build.sh build -DVANTOR_TESTS=OFF
./build/bench/storage_roundtrip_bench
