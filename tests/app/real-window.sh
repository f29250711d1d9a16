#!/bin/sh
# The real program under Xvfb with a window manager (openbox), driven with
# the mouse by xdotool. First without a notification area: it starts with its
# tablature window docked; it is dragged by its title and by its bare surface,
# in small steps and in one jump, by exactly the pointer's motion, with the
# tablature window following; a press and move on a label moves
# nothing; in Manage Charts a click on the chart list's frame and then on
# "View Chart" opens the viewer and leaves the window where it was; the New
# Chart name box and the about box offer no minimise or maximise, and the
# window manager leaves them up when asked to minimise them; the program is minimised to the task bar and
# restored, and exits. Then with a notification area (trayer): with the about
# box open the window manager minimises the program, which goes to the tray
# with the box; the tray menu brings back both, the box above, and closing the
# box gives the program back; Minimize puts it in the tray, a right-button
# press on the icon opens the menu that brings it back, and it exits.
# Every wait is for a condition, and all of them together stay inside the
# time the test is given; a failure names the step it happened in.
# Usage: real-window.sh <program> [seconds the whole test may take, 120]
set -eu
test_name=real-window
. "$(dirname "$0")/window-test.sh"
. "$(dirname "$0")/window-places.sh"

if [ "${1:-}" != "--inside" ]; then
    prog="$1"
    # Some seconds are kept back for reporting a failure and cleaning up.
    deadline=$(($(date +%s) + ${2:-120} - 10))
    prepare_session
    in_xvfb 1280x800 sh "$0" --inside "$prog" "$tmp" "$deadline"
    exit $?
fi

prog="$2"
tmp="$3"
deadline="$4"
pid=""
wm=""
tray=""
trap 'kill $pid $wm $tray 2>/dev/null || true' EXIT
at_home() { [ "$(pos "$main")" = "$home" ]; }
# The same as close_no_minimise, and asked to minimise it, the window
# manager leaves it and the main window on the screen.
refuses_minimise() {
    close_no_minimise "$1" "$2"
    xdotool windowminimize "$1"
    ! poll 20 iconic "$1" || fail "$2 was minimised"
    viewable "$1" && viewable "$main" && ! iconic "$main" || fail "$2 or the main window left the screen"
}

# Drags the main window by the place (x, y) of it by (60, 30) pixels times a
# sign (1: to the lower right, -1: back to the upper left), in a number of
# equal steps (12: steps of 5 by 2 or 3 pixels; 1: a single jump). The point
# grabbed stays under the pointer: once the pointer is beyond the drag
# distance (10 pixels), at each step and at the end the window has moved by
# exactly the pointer's motion, and the tablature window follows it (unless
# `unfollowed` is set: near the screen's edge it docks elsewhere).
drag_main() {
    set -- $(pos "$main") "$1" "$2" "$3" "$4"
    x0=$1 y0=$2 px=$(($1 + $3)) py=$(($2 + $4)) sign=$5 steps=$6
    moved_by() { [ "$(pos "$main")" = "$((x0 + $1 * sign)) $((y0 + $2 * sign))" ]; }
    point $px $py
    xdotool mousedown 1
    n=1
    while [ $n -le "$steps" ]; do
        dx=$((60 * n / steps)) dy=$((30 * n / steps))
        xdotool mousemove --sync $((px + dx * sign)) $((py + dy * sign))
        if [ $((dx + dy)) -ge 10 ]; then
            wait_for "the main window to move by the pointer's $dx,$dy at step $n of $steps (it is at $(pos "$main"), from $x0 $y0)" \
                moved_by $dx $dy
        fi
        n=$((n + 1))
    done
    xdotool mouseup 1
    wait_for "the main window to stay where it was dragged (it is at $(pos "$main"), from $x0 $y0)" moved_by 60 30
    [ -n "${unfollowed:-}" ] || wait_for "the tablature window to follow" still_docked
    moved_by 60 30 || fail "the main window moved on to $(pos "$main") after the drag from $x0 $y0"
}

# Presses on the place (x, y) of the main window, moves the pointer by (40,
# 30) in steps with the button held and releases it: nothing may move. Then
# the "Window" button hides and shows the tablature window: the clicks
# reach the program (no move of the window manager is waiting for them) and
# the window is where it was.
press_and_move_still() {
    home="$(pos "$main")"
    set -- $home "$1" "$2"
    px=$(($1 + $3)) py=$(($2 + $4))
    point $px $py
    xdotool mousedown 1
    for d in 4 12 20 28 40; do
        xdotool mousemove --sync $((px + d)) $((py + d * 3 / 4))
    done
    xdotool mouseup 1
    click_window
    wait_for "the tablature window to hide (a click on \"Window\" after it)" hidden "$tab"
    at_home || fail "the main window moved to $(pos "$main") from $home"
    click_window
    docked_again
    at_home || fail "the main window moved to $(pos "$main") from $home"
}

exit_program_keeping_tab() {
    exit_program
    grep -q "TabWindow=True" "$tmp/config/Quillfret Pro/Quillfret Pro.ini" || fail "TabWindow was not kept"
}

start_window_manager

# Twelve charts, as Manage Charts shows them.
charts="$XDG_DATA_HOME/Quillfret Pro/Charts"
mkdir -p "$charts"
for i in 01 02 03 04 05 06 07 08 09 10 11 12; do
    printf 'Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n' >"$charts/Chart$i.cht"
done

# --- Without a tray.
begin "start-up without a tray"
start_program
echo "started; the tablature window docked at the upper right, offset $docked"
# A tool window of the main window: no task-bar entry of its own.
xprop -id "$tab" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "the tablature window is not a tool window"
xprop -id "$tab" WM_TRANSIENT_FOR | grep -q "window id" || fail "the tablature window belongs to no window"
xprop -id "$main" _NET_WM_ICON | grep -q "=" || fail "the main window has no icon"
# Its title bar offers Close only: no minimise (which took the main window
# with it) and no maximise.
close_no_minimise "$tab" "the tablature window"

# By the title, and beside the title above the fretboard (1900, 500 twips):
# the bare window; in small steps, and in one jump.
for drag in "the title 30 10 1 12" "the bare surface 127 33 -1 12" "the title 30 10 1 1" \
            "the bare surface 127 33 -1 1"; do
    set -- $drag
    while [ $# -gt 4 ]; do name="${name:+$name }$1"; shift; done
    begin "dragging by $name in $4 step(s)"
    drag_main "$@"
    echo "dragged by $name by exactly the pointer's 60,30 in $4 step(s), to $(pos "$main"); the tablature window followed"
    name=""
done

# Down past the screen's bottom edge by the title: the window manager keeps
# the window where it will, and the next drag, back up, still moves the
# window by exactly the pointer's 60,30. Then it goes back to where it was.
begin "dragging past the bottom edge"
home="$(pos "$main")"
set -- $home
px=$(($1 + 30)) py=$(($2 + 10))
point $px $py
xdotool mousedown 1
while [ "$py" -lt 799 ]; do
    py=$((py + 40)); [ "$py" -le 799 ] || py=799
    xdotool mousemove --sync $px $py
done
xdotool mouseup 1
settled_main() { a_=$(pos "$main") && sleep 0.1 && [ "$a_" = "$(pos "$main")" ]; }
wait_for "the main window to settle at the edge" settled_main
echo "dragged to the bottom edge: the pointer at $px $py, the main window at $(pos "$main")"
# Docked against where the window really is, the tablature window is clear of it.
clear_of_main() { ! overlapping $(both); }
wait_for "the tablature window clear of the main window ($(both))" clear_of_main
unfollowed=1 drag_main 30 10 -1 12
echo "from there dragged by exactly the pointer's -60,-30, to $(pos "$main")"
set -- $home
xdotool windowmove "$main" "$1" "$2"
wait_for "the main window back at $home (it is at $(pos "$main"))" at_home
docked_again

# The labels of the chord dictionary: the mode, a read-out line, the tuning,
# the tempo and the current chart.
for label in "lblMode 205 8" "the first read-out line 190 24" "lblTune 159 153" "lblSpeed 131 429" \
             "lblChart 203 430"; do
    set -- $label
    while [ $# -gt 2 ]; do name="${name:+$name }$1"; shift; done
    begin "a press and move on $name"
    press_and_move_still "$1" "$2"
    name=""
done
echo "a press and move on each label moved nothing"

# Manage Charts: the third item of the Menu button's popup menu.
begin "choosing Manage Charts"
click_menu
wait_for "the popup menu" menu_shown
xdotool key Down Down Down Return
wait_for "the popup menu to close" menu_gone
# The chart list (its place in the window: 131, 112, 128 x 124 pixels)
# scrolled to the end; the last chart chosen.
begin "the chart list scrolled to the end"
point_main 194 170
xdotool click --repeat 12 5
click_main 194 226
# A click on the lower edge of the last row (the list's frame), then one on
# "View Chart": the viewer opens and the main window stays where it was.
begin "a click on the chart list's frame, then on View Chart"
home="$(pos "$main")"
click_main 194 235
click_main 194 300
viewer_name='^Chart[0-9]* Chart \[1 Items\]$'
wait_for "the chart viewer" shown "$viewer_name"
at_home || fail "the main window moved to $(pos "$main") from $home"
viewer=$(find_window "$viewer_name")
xdotool windowactivate --sync "$viewer" key alt+f c
wait_for "the chart viewer to close" gone "$viewer_name"
at_home || fail "the main window moved to $(pos "$main") from $home"
echo "the chart viewer opened; the main window stayed"
# "New Chart" (the first button under the list): its name box is a modal box
# like the about box. Cancelled, it makes no chart.
begin "the New Chart name box"
click_main 194 253
wait_for "the New Chart name box" shown '^New Chart$'
namebox=$(find_window '^New Chart$')
refuses_minimise "$namebox" "the New Chart name box"
xdotool windowactivate --sync "$namebox" key Escape
wait_for "the name box to close" gone '^New Chart$'
[ ! -e "$charts/New Chart.cht" ] || fail "a cancelled name box made a chart"
echo "the New Chart name box offers Close, no minimise or maximise"

# The about box offers no minimise and no maximise; asked to minimise it, the
# window manager leaves it and the program where they are.
begin "the about box: no minimise without a tray"
open_about
refuses_minimise "$about" "the about box"
xdotool windowactivate --sync "$about" key Escape
wait_for "the about box to close" gone '^About Quillfret$'
echo "title bars: the tablature window and the about box offer Close, no minimise or maximise"

# Minimise: with no tray, both windows leave the screen and the main window
# stays on the task bar, minimised.
begin "minimising to the task bar"
click_minimize
wait_for "the main window to minimise" iconic "$main"
wait_for "the tablature window to go" hidden "$tab"
echo "minimised to the task bar"
# Restore it as a task bar does: the tablature window comes back docked.
begin "restoring from the task bar"
xdotool windowactivate "$main"
wait_for "the main window to come back" viewable "$main"
docked_again
echo "restored; the tablature window docked again"
begin "exiting"
exit_program_keeping_tab
echo "exited"

# --- With a tray.
begin "the tray"
start_tray

begin "start-up with a tray"
start_program
# The about box open, and the program minimised through the window manager
# (the box itself offers no minimise): the program goes to the tray with the
# box, and the tray menu brings both back, the box above the main window and
# active. Closing the box gives the program back.
begin "the about box: no minimise with a tray"
open_about
refuses_minimise "$about" "the about box"
begin "the program minimised by the window manager with the about box open"
xdotool windowminimize "$main"
in_the_tray
wait_for "the about box to go with the program" hidden "$about"
echo "in the tray with the about box"
begin "restoring the program and the about box from the tray's menu"
restore_from_tray
wait_for "the about box to come back" viewable "$about"
about_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$about" ]; }
wait_for "the about box to be active (active: $(xdotool getactivewindow 2>/dev/null), the box: $about)" about_active
# Above the main window in the window manager's stacking order (bottom first).
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | cut -d'#' -f2)
above=$(echo "$stacking" | awk -v main="$(printf '0x%x' "$main")" -v box="$(printf '0x%x' "$about")" \
    '{ for (i = 1; i <= NF; i++) { if ($i == main) m = i; if ($i == box) b = i } } END { print (m && b > m) ? "yes" : "no" }')
[ "$above" = yes ] || fail "the about box is not above the main window: $stacking"
echo "restored from the tray's menu: the main window, docked, and the about box above it, active"
begin "closing the about box gives the program back"
xdotool key Escape
wait_for "the about box to close" gone '^About Quillfret$'
click_window
wait_for "the tablature window to hide (a click on \"Window\")" hidden "$tab"
click_window
docked_again
echo "the about box closed; the program answers"
begin "minimising to the tray"
click_minimize
in_the_tray
echo "in the tray"
begin "restoring from the tray's menu"
restore_from_tray
echo "restored from the tray's menu; the icon gone"
begin "exiting from the tray session"
exit_program_keeping_tab
echo "exited; real-window: passed"
