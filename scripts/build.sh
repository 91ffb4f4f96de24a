#!/bin/sh
# build.sh <build-dir> [cmake options...]: configures (once) and builds.
set -eu
cd "$(dirname "$0")/.."
dir="$1"; shift
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON "$@"
fi
cmake --build "$dir" --parallel
