#!/bin/sh
# Shows the main window in each of its five modes under Xvfb and saves
# screenshots into shots/ (or the folder given).
set -eu
cd "$(dirname "$0")/.."
out="${1:-shots}"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target mainwin_look >/dev/null
mkdir -p "$out"
# Private settings and data, so that the look never touches the user's own.
tmp="$(mktemp -d)"
mkdir -m 700 "$tmp/run"
XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/run" \
    xvfb-run -a -s "-screen 0 800x600x24" build/tests/app/mainwin_look "$out"
rm -rf "$tmp"
echo "screenshots in $out/"
