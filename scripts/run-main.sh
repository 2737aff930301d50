#!/usr/bin/env bash
# The main job: set up a fresh Debian machine, build Lexoro for Windows and for Linux (with the
# dictionaries the product ships), and check a sample text with the lexoro tool on both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows

sample=data/sample.txt
dict=build/native/data/American.oxm
echo
echo "== The words of $sample that American.oxm does not hold (native lexoro) =="
build/native/lexoro words "$sample" | build/native/lexoro lookup "$dict" | awk -F'\t' '$2 == 0 { print $1 }'

echo
echo "== The same with lexoro.exe under Wine =="
wine="sh cmake/wine-session.sh build/windows/wineprefix run"
$wine build/windows/lexoro.exe words "Z:$PWD/$sample" |
  $wine build/windows/lexoro.exe lookup "Z:$PWD/build/windows/data/American.oxm" | tr -d '\r' | awk -F'\t' '$2 == 0 { print $1 }'
sh cmake/wine-session.sh build/windows/wineprefix stop
