#!/bin/sh
# installed_example.sh <build-dir> <example.c> <sample.eds> <cc> [cc flags...]
# Installs the build into a temporary prefix, builds the C example against it
# with pkg-config alone, runs it on the sample (creating a description, then
# opening it again) and checks what it lists and exports. Exit 77: skipped.
set -eu
build=$1 example=$2 sample=$3 cc=$4
shift 4

command -v pkg-config >/dev/null || { echo "pkg-config not found: skipped"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-install-XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
pcfile=$(find "$work/prefix" -name vantor.pc)
[ -n "$pcfile" ] || { echo "no vantor.pc installed"; exit 1; }
for header in vantor/vantor.h vantor/platform.h; do
  [ -f "$work/prefix/include/$header" ] || { echo "missing $header"; exit 1; }
done
libdir=$(dirname "$(dirname "$pcfile")")
soname=$(objdump -p "$libdir/libvantor.so" | awk '$1 == "SONAME" { print $2 }')
case $soname in libvantor.so.[0-9]*) ;; *) echo "libvantor.so without a versioned soname: '$soname'"; exit 1 ;; esac
[ -f "$libdir/$soname" ] || { echo "$soname not installed"; exit 1; }

export PKG_CONFIG_PATH="$(dirname "$pcfile")"
# shellcheck disable=SC2046 # the pkg-config words are meant to split
"$cc" "$@" -o "$work/eds_objects" "$example" $(pkg-config --cflags --libs vantor)

cp "$sample" "$work/device.eds"
run() { LD_LIBRARY_PATH="$libdir" "$work/eds_objects" "$@"; }
expect() { grep -qx -- "$1" "$2" || { echo "'$1' not in $2:"; cat "$2"; exit 1; }; }

run "$work/device.stg" "$work/device.eds" "$work/device.dcf" >"$work/first.txt"
expect "created $work/device.stg" "$work/first.txt"
expect "1000 Device type" "$work/first.txt"
expect "1018 Identity Object" "$work/first.txt"
expect "2000 Speed limit" "$work/first.txt"
expect "5 objects" "$work/first.txt"
grep -q '^\[1018sub2\]' "$work/device.dcf" || { echo "no [1018sub2] in the DCF"; exit 1; }

# The description is kept: a second run opens it and imports again.
run "$work/device.stg" "$work/device.eds" "$work/again.dcf" >"$work/second.txt"
expect "opened $work/device.stg" "$work/second.txt"
expect "5 objects" "$work/second.txt"

# A failure is reported with its code.
if run "$work/device.stg" "$work/missing.eds" "$work/none.dcf" >"$work/third.txt" 2>&1; then
  echo "a missing input file was not reported"; exit 1
fi
grep -q "code 2" "$work/third.txt" || { cat "$work/third.txt"; exit 1; }
echo "installed library, pkg-config build and example run: fine"
