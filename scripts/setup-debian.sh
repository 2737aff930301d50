#!/usr/bin/env bash
# Installs everything Lexoro's builds, tests and benchmarks need on a Debian 12 machine.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  # native build and tests
  build-essential cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing (libFuzzer) and the sanitizer runtime
  clang libclang-rt-14-dev
  # Windows build and its tests under Wine
  g++-mingw-w64-x86-64 wine64 xvfb imagemagick x11-apps fonts-wine fonts-liberation
  # sources of the shipped data: word lists and thesaurus
  scowl mythes-en-us
  # other spell checkers, for side-by-side benchmarks only
  hunspell hunspell-en-us aspell aspell-en
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
