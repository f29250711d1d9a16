#!/bin/sh
# Screenshots of the real program in each mode, under Xvfb with a window
# manager, chosen from its Menu with the mouse and keyboard as a user does:
# shots/1-chords.png ... shots/5-chord-generator.png (or the folder given).
set -eu
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
    out="${1:-shots}"
    mkdir -p "$out"
    out="$(cd "$out" && pwd)"
    cmake -S . -B build -G Ninja >/dev/null
    cmake --build build --target quillfret-pro >/dev/null
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    . scripts/private-session.sh
    private_session "$tmp"
    export QT_QPA_PLATFORM=xcb HOME="$tmp"
    xvfb-run -a -s "-screen 0 1024x700x24" sh "$0" --inside "$out" "$tmp"
    echo "screenshots in $out/"
    exit 0
fi

out="$2"
tmp="$3"
poll() { i=0; until "$@" >/dev/null 2>&1; do i=$((i + 1)); [ $i -lt 400 ] || { echo "look: timed out: $*"; exit 1; }; sleep 0.05; done; }
openbox >/dev/null 2>&1 &
wm=$!
poll sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
build/src/app/quillfret-pro >"$tmp/program.log" 2>&1 &
pid=$!
trap 'kill $pid $wm 2>/dev/null || true' EXIT
poll sh -c "xdotool search --onlyvisible --name '^Tab Window\$' | grep -q ."
main=$(xdotool search --onlyvisible --name '^Quillfret Pro$' | head -n 1)
tab=$(xdotool search --onlyvisible --name '^Tab Window$' | head -n 1)
xdotool windowmove "$main" 120 60
sleep 0.5

geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }
click() { set -- $(geometry "$main") "$1" "$2"; xdotool mousemove --sync $(($1 + $5)) $(($2 + $6)) click 1; }
# Opens the Menu and takes the n-th item (separators are skipped by the keys).
mode() { click 30 36; sleep 0.3; xdotool key --delay 60 $(yes Down | head -n "$1") Return; sleep 0.6; }
shot() {
    set -- $(geometry "$main") $(geometry "$tab") "$1"
    # Both windows and the tablature window's frame.
    left=$1; top=$(($6 - 24)); right=$(($5 + $7 + 2)); bottom=$(($2 + $4))
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/$9.png"
}

# Chord Dictionary: A, Major.
click 151 174
click 151 226
sleep 0.3
shot 1-chords
# Scale Dictionary: A, the first scale type.
mode 2
click 151 174
click 151 226
sleep 0.3
shot 2-scales
mode 3
shot 3-manage-charts
mode 4
shot 4-play-charts
mode 5
shot 5-chord-generator
xdotool key Escape
kill $pid
