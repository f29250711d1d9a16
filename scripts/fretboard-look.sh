#!/bin/sh
# Shows the fretboard (C major, F major with a barre, A minor pentatonic
# position 1, E note maps, the not-available notice) and the selectors under
# Xvfb and saves screenshots into shots/ (or the folder given).
set -eu
cd "$(dirname "$0")/.."
out="${1:-shots}"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target fretboard_look >/dev/null
mkdir -p "$out"
# Private settings, so that the look never touches the user's own.
export XDG_CONFIG_HOME="$(mktemp -d)"
xvfb-run -a -s "-screen 0 1280x800x24" build/tests/fretboard/fretboard_look "$out"
rm -rf "$XDG_CONFIG_HOME"
echo "screenshots in $out/"
