#!/bin/sh
# The main job: installs what is missing, builds, and runs the vantor program
# on the bundled example description: check, info, and a conversion to a DCF
# for node 5 at 500 kbit/s. Then starts the editor on the example when a
# display is available and the editor has been built; otherwise says how to
# start it. The outputs go to build/main-job/.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build.sh build -DVANTOR_TESTS=OFF

vantor=build/tools/vantor/vantor
example=examples/cdio8.eds
out=build/main-job
mkdir -p "$out"

echo
echo "== vantor check $example"
status=0
"$vantor" check "$example" >"$out/check.txt" || status=$?
cat "$out/check.txt"
if [ "$status" -eq 0 ] && [ ! -s "$out/check.txt" ]; then echo "no problems found"; fi
if [ "$status" -ne 0 ]; then echo "check ended with exit status $status"; fi

echo
echo "== vantor info $example"
"$vantor" info "$example" | tee "$out/info.txt"

echo
echo "== vantor convert $example $out/cdio8.dcf --dcf --node-id 5 --baud 500"
"$vantor" convert "$example" "$out/cdio8.dcf" --dcf --node-id 5 --baud 500
echo "written: $out/cdio8.dcf"

echo
editor=""
for candidate in build/editor/ui/brenmoor build/editor/brenmoor; do
  if [ -x "$candidate" ]; then editor="$candidate"; break; fi
done
if [ -n "$editor" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "starting the editor: $editor $example"
  nohup "$editor" "$example" >"$out/editor.log" 2>&1 &
elif [ -n "$editor" ]; then
  echo "no display: start the editor on a desktop with"
  echo "  $editor $example"
else
  echo "the editor has not been built yet; once it is, start it with"
  echo "  build/editor/ui/brenmoor $example"
fi
echo "(the DCF opens the same way: $out/cdio8.dcf)"
echo
echo "outputs in $out/: check.txt, info.txt, cdio8.dcf"
echo "the program: $vantor --help (manual page: man build/tools/vantor/vantor.1)"
