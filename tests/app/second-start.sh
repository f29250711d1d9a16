#!/bin/sh
# The real program under Xvfb with a window manager (openbox) and no tray:
# minimised to the task bar by its own Minimize button, it is started a
# second time. The second copy ends with status 0, and the first one's main
# window comes back on screen, no longer minimised.
# Every wait is for a condition, and all of them together stay inside the
# time the test is given; a failure names the step it happened in.
# Usage: second-start.sh <program> [seconds the whole test may take, 120]
set -eu
test_name=second-start
. "$(dirname "$0")/window-test.sh"

if [ "${1:-}" != "--inside" ]; then run_inside 1280x800 "$@"; fi
prog="$2" tmp="$3" deadline="$4"
pid=""
second=""
wm=""
trap 'kill $pid $second $wm 2>/dev/null || true' EXIT
on_screen() { viewable "$1" && not_iconic "$1"; }
ended() { ! kill -0 "$1" 2>/dev/null; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

start_window_manager

begin "start-up"
"$prog" >"$tmp/program.log" 2>&1 &
pid=$!
# The tablature window comes with the first activation, once the splash (of
# the same title as the main window) has gone.
wait_for "the tablature window" shown '^Tab Window$'
main=$(find_window '^Quillfret Pro$')
[ -n "$main" ] || fail "no main window on screen"
wait_for "the main window on screen" on_screen "$main"

begin "minimising to the task bar (the Minimize button, 127,8)"
xdotool mousemove --sync --window "$main" 127 8 click 1
wait_for "the main window to minimise" iconic "$main"

begin "the second start"
started=$(now_ms)
"$prog" >"$tmp/second.log" 2>&1 &
second=$!
# Ten seconds leave a loaded machine room; the second start gives the first
# copy a second at most.
poll 200 ended "$second" || { cat "$tmp/second.log"; fail "the second start did not end"; }
took=$(($(now_ms) - started))
status=0
wait "$second" || status=$?
second=""
[ "$status" -eq 0 ] || { cat "$tmp/second.log"; fail "the second start exited with status $status"; }
echo "the second start ended with status 0 after $took ms"

begin "the first copy back on screen"
wait_for "the main window to come back" on_screen "$main"
[ "$(xdotool search --onlyvisible --name '^Quillfret Pro$' | wc -l)" -eq 1 ] || fail "another main window is on screen"
echo "the main window is back; second-start: passed"
