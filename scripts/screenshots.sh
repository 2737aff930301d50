#!/usr/bin/env bash
# Pictures of the dialogs as a user sees them: every dialog in every interface language it
# exists in, shown by the Windows build under Wine on a virtual screen of its own.
#
#   bash scripts/screenshots.sh OUTDIR
#
# Writes OUTDIR/<dialog>-<language>.png (for example spell-office-German.png), prints one line
# per file, and exits non-zero when a dialog did not show. Builds what it needs (the Windows
# preset's dialog_screens program and the shipped dictionaries), starts its own Xvfb on the
# first free display from :44 up and a Wine prefix with a real graphics driver
# (build/windows/screens-prefix), and stops both again.
#
# The dialogs come from tests/dialogs/DialogGalleryWin32.cpp: a dialog added there (and to
# kGalleryDialogs) is pictured here too.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
cd "$(dirname "$0")/.."
root=$(pwd)
mkdir -p "$1"
outdir=$(realpath "$1")
jobs=${JOBS:-2}

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" --target dialog_screens lexoro_data >/dev/null

prefix=$root/build/windows/screens-prefix
export LEXORO_WINE_GRAPHICS=x11

display=44
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$outdir"/*.bmp
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

sh cmake/wine-session.sh "$prefix" init
# A virtual desktop gives the windows the captions and frames Wine draws itself.
status=0
sh cmake/wine-session.sh "$prefix" run explorer.exe /desktop=lexoro,1280x1024 \
  "Z:$root/build/windows/tests/screens/dialog_screens.exe" "Z:$outdir" "Z:$root/build/windows/data" \
  >"$outdir/.screens.log" 2>&1 || status=$?
# The program may still be running when explorer returns: wait for the prefix to go quiet.
WINEPREFIX=$prefix /usr/lib/wine/wineserver -w 2>/dev/null || true

shown=0
for bmp in "$outdir"/*.bmp; do
  [ -e "$bmp" ] || continue
  png=${bmp%.bmp}.png
  /usr/bin/convert "$bmp" "$png"
  echo "$png"
  shown=$((shown + 1))
done
if grep -q "did not show" "$outdir/.screens.log" 2>/dev/null; then
  grep "did not show" "$outdir/.screens.log" >&2
  status=1
fi
if [ "$shown" -eq 0 ]; then
  echo "no dialog was pictured; see $outdir/.screens.log" >&2
  status=1
fi
exit "$status"
