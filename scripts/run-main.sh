#!/usr/bin/env bash
# The main job: set up a fresh Debian machine, build Lexoro for Windows and for Linux (with the
# dictionaries the product ships), and check a sample text with the lexoro tool on both
# (lexoro check exits 1 when it finds misspelled words, as it does here).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
jobs=${JOBS:-$(nproc)}

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

sample=data/sample.txt
echo
echo "== lexoro check $sample (native) =="
build/native/lexoro check --max 5 "$sample" || true

echo
echo "== The same with lexoro.exe under Wine =="
sh cmake/wine-session.sh build/windows/wineprefix run build/windows/lexoro.exe check --max 5 "Z:$PWD/$sample" | tr -d '\r' || true
sh cmake/wine-session.sh build/windows/wineprefix stop
