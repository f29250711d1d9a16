#!/bin/sh
# The real program under Xvfb with a window manager (openbox), driven with
# the mouse by xdotool. First without a notification area: it starts with its
# tablature window docked, is dragged by its title with the tablature window
# following, is minimised to the task bar and restored, and exits. Then with
# a notification area (trayer): Minimize puts it in the tray, a right-button
# press on the icon opens the menu that brings it back, and it exits.
# Usage: real-window.sh <program>
set -eu

if [ "${1:-}" != "--inside" ]; then
    prog="$1"
    for tool in xvfb-run openbox trayer xdotool xwininfo xprop; do
        command -v "$tool" >/dev/null || { echo "real-window: $tool is missing (scripts/install-deps)"; exit 1; }
    done
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    . "$(dirname "$0")/../../scripts/private-session.sh"
    private_session "$tmp"
    export QT_QPA_PLATFORM=xcb HOME="$tmp"
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE
    xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" --inside "$prog" "$tmp"
    exit $?
fi

prog="$2"
tmp="$3"
pid=""
wm=""
tray=""
trap 'kill $pid $wm $tray 2>/dev/null || true' EXIT
fail() {
    echo "real-window: FAILED: $*"
    echo "--- program output:"; cat "$tmp/program.log" 2>/dev/null || true
    exit 1
}

# Polls a condition (a shell command) every 50 ms, up to a number of polls.
poll() {
    n="$1"; shift
    i=0
    until "$@" >/dev/null 2>&1; do
        i=$((i + 1))
        [ "$i" -lt "$n" ] || return 1
        sleep 0.05
    done
}
# The same for up to 20 s, or the test fails.
wait_for() {
    what="$1"; shift
    poll 400 "$@" || fail "timed out waiting for $what"
}

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
shown() { [ -n "$(find_window "$1")" ]; }
# Position of a window's client area on the screen: "x y".
pos() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'; }
offset() {
    set -- $(pos "$main") $(pos "$tab")
    echo "$(($3 - $1)) $(($4 - $2))"
}
viewable() { xwininfo -id "$1" | grep -q IsViewable; }
hidden() { ! viewable "$1"; }
iconic() { xprop -id "$1" WM_STATE | grep -q Iconic; }
still_docked() { [ "$(offset)" = "$docked" ]; }
# Clicks at a place of the main window (pixels from its top left).
click_main() {
    set -- $(pos "$main") "$1" "$2"
    xdotool mousemove --sync $(($1 + $3)) $(($2 + $4)) click 1
}
# The title bar's buttons: Minimize at 1785 twips, Exit at 2040 (16 pixels wide).
click_minimize() { click_main 127 8; }
click_exit() { click_main 144 8; }

start_program() {
    "$prog" >"$tmp/program.log" 2>&1 &
    pid=$!
    wait_for "the main window" shown '^Quillfret Pro$'
    wait_for "the tablature window" shown '^Tab Window$'
    main=$(find_window '^Quillfret Pro$')
    tab=$(find_window '^Tab Window$')
    width=$(xwininfo -id "$main" | awk '/Width:/{print $2}')
    # Docked at the upper right: the frame's border and title bar lie between.
    docked_right() {
        set -- $(offset)
        [ "$1" -ge "$width" ] && [ "$1" -le $((width + 8)) ] && [ "$2" -ge 0 ] && [ "$2" -le 32 ]
    }
    wait_for "the tablature window docked at the upper right (offset $(offset))" docked_right
    docked="$(offset)"
}

# The tablature window back on screen and docked where it was; when it is
# slow to get there, what the window system says of both windows is logged.
docked_again() {
    wait_for "the tablature window to come back" viewable "$tab"
    poll 40 still_docked || { xwininfo -id $main | grep -E "Abs|Map"; xwininfo -id $tab | grep -E "Abs|Map"; xprop -id $tab _NET_FRAME_EXTENTS WM_STATE; xwininfo -id $tab -tree | grep -i parent; }
    wait_for "the tablature window docked again (offset $(offset), was $docked)" still_docked
}

exit_program() {
    click_exit
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    wait_for "the program to exit" ended
    wait "$pid" || fail "the program exited with status $?"
    pid=""
    grep -q "TabWindow=True" "$tmp/config/Quillfret Pro/Quillfret Pro.ini" || fail "TabWindow was not kept"
}

openbox >"$tmp/openbox.log" 2>&1 &
wm=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
wait_for "the window manager" wm_running

# --- Without a tray.
start_program
echo "started; the tablature window docked at the upper right, offset $docked"
# A tool window of the main window: no task-bar entry of its own.
xprop -id "$tab" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "the tablature window is not a tool window"
xprop -id "$tab" WM_TRANSIENT_FOR | grep -q "window id" || fail "the tablature window belongs to no window"
xprop -id "$main" _NET_WM_ICON | grep -q "=" || fail "the main window has no icon"

# Drag the main window by its title: the window manager moves it and the
# tablature window follows.
set -- $(pos "$main")
x0=$1
y0=$2
xdotool mousemove --sync $((x0 + 30)) $((y0 + 10))
xdotool mousedown 1
# The window manager takes the pointer for the move some time after the
# press; motion before that is lost. Nudge the pointer between two places
# until the window follows it.
moved_by() { [ "$(pos "$main")" = "$((x0 + $1)) $((y0 + $2))" ]; }
nudged() {
    xdotool mousemove --sync $((x0 + 30 + 12 + nudge)) $((y0 + 10 + 9))
    moved_by $((12 + nudge)) 9
}
nudge=0
tries=0
until nudged; do
    nudge=$((1 - nudge))
    tries=$((tries + 1))
    [ $tries -lt 400 ] || fail "the window manager did not take the drag"
    sleep 0.05
done
# Then each step of the drag: the window is where the pointer put it.
step=2
while [ $step -le 10 ]; do
    xdotool mousemove --sync $((x0 + 30 + 12 * step)) $((y0 + 10 + 9 * step))
    wait_for "the main window to follow the drag to step $step" moved_by $((12 * step)) $((9 * step))
    step=$((step + 1))
done
xdotool mouseup 1
wait_for "the main window to stay where it was dragged" moved_by 120 90
wait_for "the tablature window to follow" still_docked
echo "dragged to $(pos "$main"); the tablature window followed"

# Minimise: with no tray, both windows leave the screen and the main window
# stays on the task bar, minimised.
click_minimize
wait_for "the main window to minimise" iconic "$main"
wait_for "the tablature window to go" hidden "$tab"
echo "minimised to the task bar"
# Restore it as a task bar does: the tablature window comes back docked.
xdotool windowactivate "$main"
wait_for "the main window to come back" viewable "$main"
docked_again
echo "restored; the tablature window docked again"
exit_program
echo "exited"

# --- With a tray.
trayer --edge top --align right --widthtype request --height 24 >"$tmp/trayer.log" 2>&1 &
tray=$!
tray_up() { xdotool search --onlyvisible --class trayer | grep -q .; }
wait_for "the tray" tray_up
start_program
click_minimize
wait_for "the main window to leave for the tray" hidden "$main"
wait_for "the tablature window to go" hidden "$tab"
iconic "$main" && fail "the main window went to the task bar, not the tray"
# The icon: the program's window inside the tray (deeper in the window tree
# than the windows of the screen).
tray_icon() {
    xwininfo -root -tree | awk -v main="$(printf '0x%x' "$main")" \
        '/"Quillfret Pro": \("quillfret-pro"/ && $1 != main && match($0, /^ +/) && RLENGTH > 6 { print $1; exit }'
}
icon_shown() { icon=$(tray_icon) && [ -n "$icon" ] && viewable "$icon"; }
wait_for "the tray icon" icon_shown
echo "in the tray"
# The menu: the program's other window on screen, not a tooltip.
tray_menu() {
    for w in $(xwininfo -root -tree | awk '/\("quillfret-pro"/ { print $1 }'); do
        [ "$w" = "$icon" ] && continue
        viewable "$w" && ! xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP && echo "$w"
    done | head -n 1
}
menu_open() { [ -n "$(tray_menu)" ]; }
menu_settled() { a=$(pos "$1"); sleep 0.05; [ "$a" = "$(pos "$1")" ]; }
# Right-click the icon, then click the menu's one item; a menu that closed
# before the click (it was still being placed) is opened again.
attempt=0
until viewable "$main"; do
    attempt=$((attempt + 1))
    [ $attempt -le 5 ] || fail "the tray menu did not bring the main window back"
    poll 100 icon_shown || continue
    set -- $(pos "$icon")
    xdotool mousemove --sync $(($1 + 8)) $(($2 + 8)) click 3
    poll 100 menu_open || continue
    menu=$(tray_menu)
    poll 100 menu_settled "$menu" || continue
    set -- $(pos "$menu")
    xdotool mousemove --sync $(($1 + 30)) $(($2 + 11)) click 1
    poll 100 viewable "$main" || true
done
docked_again
icon_gone() { ! icon_shown; }
wait_for "the tray icon to go" icon_gone
echo "restored from the tray's menu; the icon gone"
exit_program
echo "exited; real-window: passed"
