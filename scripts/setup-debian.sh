#!/usr/bin/env bash
# Installs everything Lexoro's builds, tests, screenshots and benchmarks need on a Debian 12
# machine.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  # the native build and its tests: compilers, CMake with Ninja, GoogleTest and GoogleMock
  # (googletest holds the sources that the Windows build compiles for its own test programs)
  build-essential cmake ninja-build googletest libgtest-dev libgmock-dev
  # the fuzz build: clang's libFuzzer and the sanitizer runtimes it links
  clang libclang-rt-14-dev
  # the Windows build (MinGW-w64 cross compiler) and Wine, which runs its tests and tools;
  # Wine's own fonts and Liberation stand in for the Windows fonts the dialogs ask for
  g++-mingw-w64-x86-64 wine64 fonts-wine fonts-liberation
  # screenshots of dialogs and controls (scripts/screenshots.sh): an X server without a
  # screen, ImageMagick's import/convert and xwd to save the picture, xdotool to type and
  # click as a user would, and DejaVu Sans Condensed for the dialogs' text in every script of
  # the interface (Wine's Tahoma has no Hebrew)
  xvfb imagemagick x11-apps xdotool fonts-dejavu-extra
  # sources of the shipped data: SCOWL word lists and the English thesaurus
  scowl mythes-en-us
  # sources of the dictionaries in further languages: Debian's plain word lists, and for
  # Russian and Spanish (no plain list, or one of base forms only) the hunspell dictionary
  # with unmunch, which expands it into all its word forms
  wngerman wfrench witalian wbrazilian wdutch wswedish wdanish wpolish wcatalan
  hunspell-ru hunspell-es hunspell-tools
  # sources of the thesauri in further languages (those whose words fit the thesaurus
  # format's one byte per character)
  mythes-de mythes-fr mythes-es mythes-it mythes-pt-br mythes-ca mythes-da mythes-sv
  # other spell checkers, only for the side-by-side benchmarks (bench/*.sh), with the
  # hunspell dictionaries of the shipped languages
  hunspell hunspell-en-us aspell aspell-en
  hunspell-de-de hunspell-fr hunspell-it hunspell-pt-br hunspell-nl hunspell-sv hunspell-da
  hunspell-pl hunspell-ca
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
