#!/usr/bin/env bash
# Lookup speed and size of the shipped American dictionary, natively and under Wine, next to
# hunspell's en_US dictionary over the same word lists.
#   bench/lookup.sh            (after building the native and windows presets)
set -euo pipefail
cd "$(dirname "$0")/.."
native=build/native
windows=build/windows
dict=$native/data/American.oxm
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Its own words, and a mixed list: each word followed by a non-word made from it.
"$native/lexoro" enumerate "$dict" a >/dev/null
for c in {a..z} {A..Z}; do "$native/lexoro" enumerate "$dict" "$c"; done > "$work/own.txt"
awk '{ print; n = length($0); if (n > 3) print substr($0, 1, 1) substr($0, 3, 1) substr($0, 2, 1) substr($0, 4) "q"; else print $0 "zq" }' \
  "$work/own.txt" > "$work/mixed.txt"
echo "word lists: $(wc -l < "$work/own.txt") own words, $(wc -l < "$work/mixed.txt") mixed"
echo

echo "== file size =="
aff=/usr/share/hunspell/en_US.aff
dic=/usr/share/hunspell/en_US.dic
printf "American.oxm            %9d bytes\n" "$(stat -c %s "$dict")"
printf "hunspell en_US .dic+.aff %8d bytes\n" $(( $(stat -c %s "$dic") + $(stat -c %s "$aff") ))
echo

# hunspell's start-up (loading its dictionary), to report its lookups net of it.
start=$(date +%s.%N); hunspell -d en_US -l </dev/null >/dev/null; end=$(date +%s.%N)
startup=$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')
echo "hunspell start-up: ${startup}s"
echo

for list in own mixed; do
  echo "== $list words =="
  printf "lexoro native:   %s\n" "$("$native/bench/lookup_bench" "$dict" "$work/$list.txt" 5)"
  if [ -x "$windows/bench/lookup_bench.exe" ]; then
    printf "lexoro on Wine:  %s\n" "$(sh cmake/wine-session.sh "$windows/wineprefix" run "$windows/bench/lookup_bench.exe" \
      "Z:$PWD/$windows/data/American.oxm" "Z:$work/$list.txt" 5 | tr -d '\r')"
  fi
  words=$(wc -l < "$work/$list.txt")
  start=$(date +%s.%N)
  rejected=$(hunspell -d en_US -l < "$work/$list.txt" | wc -l)
  end=$(date +%s.%N)
  awk -v w="$words" -v s="$start" -v e="$end" -v r="$rejected" -v u="$startup" \
    'BEGIN { printf "hunspell -l:     %.0f words/s (%.0f net of start-up), %d of %d rejected\n", w / (e - s), w / (e - s - u), r, w }'
  echo
done
sh cmake/wine-session.sh "$windows/wineprefix" stop || true
