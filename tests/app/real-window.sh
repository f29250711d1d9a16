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
# Position of a window's client area on the screen: "x y"; fails for a
# window that is gone.
pos() {
    info_=$(xwininfo -id "$1" 2>/dev/null) || return 1
    echo "$info_" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'
}
offset() {
    set -- $(pos "$main") $(pos "$tab")
    echo "$(($3 - $1)) $(($4 - $2))"
}
viewable() { xwininfo -id "$1" | grep -q IsViewable; }
hidden() { ! viewable "$1"; }
iconic() { xprop -id "$1" WM_STATE | grep -q Iconic; }
still_docked() { [ "$(offset)" = "$docked" ]; }
at_home() { [ "$(pos "$main")" = "$home" ]; }
# The pointer to a place of the main window (pixels from its top left).
point_main() {
    set -- $(pos "$main") "$1" "$2"
    point $(($1 + $3)) $(($2 + $4))
}
click_main() { point_main "$1" "$2" && xdotool click 1; }
# The title bar's buttons: Minimize at 1785 twips, Exit at 2040 (16 pixels
# wide); "Menu" and "Window" below the title.
click_minimize() { click_main 127 8; }
click_exit() { click_main 144 8; }
click_menu() { click_main 30 36; }
click_window() { click_main 94 36; }

# A window that can be moved and closed, and offers no minimise (minimised, a
# tool window or a modal box takes the whole program with it) and no maximise.
close_no_minimise() {
    actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
    for action in CLOSE MOVE; do
        echo "$actions" | grep -q "_NET_WM_ACTION_$action" || fail "$2 offers no $action: $actions"
    done
    if echo "$actions" | grep -Eq '_NET_WM_ACTION_(MINIMIZE|MAXIMIZE)'; then
        fail "$2 can be minimised or maximised: $actions"
    fi
}
# The same, and asked to minimise it, the window manager leaves it and the
# main window on the screen.
refuses_minimise() {
    close_no_minimise "$1" "$2"
    xdotool windowminimize "$1"
    ! poll 20 iconic "$1" || fail "$2 was minimised"
    viewable "$1" && viewable "$main" && ! iconic "$main" || fail "$2 or the main window left the screen"
}
# The about box, from the Help button's menu (its last item).
open_about() {
    click_main 110 8
    wait_for "the help menu" menu_shown
    xdotool key Up Return
    wait_for "the about box" shown '^About Quillfret$'
    about=$(find_window '^About Quillfret$')
}

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

# Drags the main window by the place (x, y) of it by (60, 30) pixels times a
# sign (1: to the lower right, -1: back to the upper left), in a number of
# equal steps (12: steps of 5 by 2 or 3 pixels; 1: a single jump). The point
# grabbed stays under the pointer: once the pointer is beyond the drag
# distance (10 pixels), at each step and at the end the window has moved by
# exactly the pointer's motion, and the tablature window follows it.
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
    wait_for "the tablature window to follow" still_docked
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

exit_program() {
    click_exit
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    leaving=1
    wait_for "the program to exit" ended
    leaving=""
    wait "$pid" || fail "the program exited with status $?"
    pid=""
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
# The menu: the program's one window on screen besides its two.
menu_shown() {
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$w" = "$main" ] || [ "$w" = "$tab" ] || return 0
    done
    return 1
}
menu_gone() { ! menu_shown; }
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
exit_program
echo "exited"

# --- With a tray.
begin "the tray"
trayer --edge top --align right --widthtype request --height 24 >"$tmp/trayer.log" 2>&1 &
tray=$!
tray_up() { xdotool search --onlyvisible --class trayer | grep -q .; }
wait_for "the tray" tray_up
# The icon: the program's window inside the tray (deeper in the window tree
# than the windows of the screen).
tray_icon() {
    xwininfo -root -tree | awk -v main="$(printf '0x%x' "$main")" \
        '/"Quillfret Pro": \("quillfret-pro"/ && $1 != main && match($0, /^ +/) && RLENGTH > 6 { print $1; exit }'
}
icon_shown() { icon=$(tray_icon) && [ -n "$icon" ] && viewable "$icon"; }
icon_gone() { ! icon_shown; }
# The menu: the program's other window on screen, not a tooltip.
tray_menu() {
    for w in $(xwininfo -root -tree | awk '/\("quillfret-pro"/ { print $1 }'); do
        [ "$w" = "$icon" ] && continue
        viewable "$w" && ! xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP && echo "$w"
    done | head -n 1
}
menu_open() { [ -n "$(tray_menu)" ]; }
menu_settled() { a=$(pos "$1") && sleep 0.05 && [ "$a" = "$(pos "$1")" ]; }
# Right-click the icon, then click the menu's one item; a menu that closed
# before the click (it was still being placed, or a slow machine closed it
# again) is opened again. The main window comes back, the tablature window
# docked and the icon gone.
restore_from_tray() {
    attempt=0
    until viewable "$main"; do
        attempt=$((attempt + 1))
        [ $attempt -le 5 ] || fail "the tray menu did not bring the main window back"
        poll 100 icon_shown || continue
        at=$(pos "$icon") || continue
        set -- $at
        point $(($1 + 8)) $(($2 + 8))
        xdotool click 3
        poll 100 menu_open || continue
        menu=$(tray_menu)
        poll 100 menu_settled "$menu" || continue
        at=$(pos "$menu") || continue
        set -- $at
        point $(($1 + 30)) $(($2 + 11))
        xdotool click 1
        poll 100 viewable "$main" || true
    done
    [ $attempt -eq 1 ] || echo "(the tray menu took $attempt tries)"
    docked_again
    wait_for "the tray icon to go" icon_gone
}
# The program in the tray: both windows gone and no task-bar entry. A
# minimise by the window manager hides the tablature window with the main
# window (it belongs to it) before the program has answered, so the main
# window is iconic until the program puts it away; it must not stay so.
not_iconic() { ! iconic "$1"; }
in_the_tray() {
    wait_for "the main window to leave for the tray" hidden "$main"
    wait_for "the tablature window to go" hidden "$tab"
    wait_for "the tray icon" icon_shown
    wait_for "the main window to leave the task bar for the tray (it stayed minimised)" not_iconic "$main"
}

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
exit_program
echo "exited; real-window: passed"
