#!/bin/sh
# The real program under Xvfb with one window manager (openbox, xfwm4,
# metacity or mutter), driven by xdotool and by the window manager's own
# requests. The tablature window and every modal box (the about box, the New
# Chart name box) have a frame, offer Move and Close and no minimise or
# maximise, stay above the main window, and close by Escape and by the window
# manager's Close. However the window manager minimises the program (its own
# request on the main window, or on a modal box, three times over with the
# box open), the program stays reachable and comes back whole: without a
# tray it waits on the task bar; with a tray (trayer) it goes there and the
# tray's menu (or a second start) brings it back, the box above and active;
# a tray that never shows the icon leaves it on the task bar (openbox). With
# xfwm4, also under a panel whose tray talks to the icon over D-Bus
# (xfce4-panel): the panel's activation, its menu and its context request
# each bring the program back.
# Every wait is for a condition, and all of them together stay inside the
# time the test is given; a failure names the step it happened in.
# Usage: window-managers.sh <program> <window manager> [seconds, 150]
set -eu
test_name=window-managers
. "$(dirname "$0")/window-test.sh"

if [ "${1:-}" != "--inside" ]; then
    prog="$1" wm_arg="$2"
    deadline=$(($(date +%s) + ${3:-150} - 10))
    panel_tool=""
    [ "$wm_arg" != xfwm4 ] || panel_tool="xfce4-panel dbus-send"
    prepare_session "$wm_arg" wmctrl $panel_tool
    in_xvfb 1280x800 sh "$0" --inside "$prog" "$tmp" "$deadline" "$wm_arg"
    exit $?
fi

prog="$2"
tmp="$3"
deadline="$4"
wm_arg="$5"
test_name="window-managers ($wm_arg)"
pid=""
wm=""
tray=""
panel=""
hung=""
trap 'kill -CONT $hung 2>/dev/null || true; kill $pid $wm $tray $panel $hung 2>/dev/null || true' EXIT

# Answers the program gives back: the main window and the tablature window
# on the screen, docked, and the box (when one is open) above, active.
back_whole() {
    wait_for "the main window to come back" viewable "$main"
    wait_for "the main window to leave its minimised state" not_iconic "$main"
    docked_again
    [ -n "${1:-}" ] || return 0
    wait_for "$2 to come back" viewable "$1"
    box_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
    wait_for "$2 to be active (active: $(xdotool getactivewindow 2>/dev/null))" box_active "$1"
    above "$1" "$main" || fail "$2 is not above the main window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
}
# The program minimised, with a box open or none, went away whole.
gone_whole() {
    if [ -n "$tray" ]; then in_the_tray; else on_the_task_bar; fi
    [ -z "${1:-}" ] || wait_for "$2 to go with the program" hidden "$1"
}
come_back() {
    if [ -n "$tray" ]; then
        restore_from_tray
    else
        # As a task bar does.
        xdotool windowactivate "$main"
    fi
    back_whole "$@"
}

# A modal box: framed, Move and Close only, above its owner, the main window
# blocked behind it.
check_box() {
    close_no_minimise "$1" "$2"
    above "$1" "$main" || fail "$2 is not above the main window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
    echo "$2: frame $(extents "$1"); $(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | sed 's/.*= //; s/_NET_WM_ACTION_//g')"
}

# The program minimised by the window manager, three times over with the
# about box open and once with none: it goes away whole and comes back.
minimise_by_the_window_manager() {
    open_about
    n=1
    while [ $n -le 3 ]; do
        begin "the window manager minimises the program with the about box open ($n of 3)"
        xdotool windowminimize "$main"
        gone_whole "$about" "the about box"
        come_back "$about" "the about box"
        n=$((n + 1))
    done
    # Asked to minimise the box itself: where the window manager does, the
    # program goes with it; either way nothing is left on the screen alone.
    begin "the window manager asked to minimise the about box"
    xdotool windowminimize "$about"
    if poll 20 hidden "$about"; then
        gone_whole "$about" "the about box"
        come_back "$about" "the about box"
        echo "the about box minimised took the program with it, and came back with it"
    else
        viewable "$main" && not_iconic "$main" || fail "the about box stayed while the main window went"
        echo "the about box was not minimised"
    fi
    xdotool key Escape
    wait_for "the about box to close" gone '^About Quillfret$'
    begin "the window manager minimises the program"
    xdotool windowminimize "$main"
    gone_whole
    come_back
}

start_window_manager "$wm_arg"
mkdir -p "$XDG_DATA_HOME/Quillfret Pro/Charts"

# --- Without a tray.
begin "start-up without a tray"
start_program
echo "started under $wm_name; the tablature window docked at the upper right, offset $docked"
begin "the tablature window's title bar"
close_no_minimise "$tab" "the tablature window"
echo "the tablature window: frame $(extents "$tab")"
wm_close "$tab"
wait_for "the tablature window to close by the window manager's Close" hidden "$tab"
click_window
docked_again

begin "the about box"
open_about
check_box "$about" "the about box"
xdotool key Escape
wait_for "the about box to close by Escape" gone '^About Quillfret$'
open_about
wm_close "$about"
wait_for "the about box to close by the window manager's Close" gone '^About Quillfret$'

begin "the New Chart name box"
click_menu
wait_for "the popup menu" menu_shown
xdotool key Down Down Down Return
wait_for "the popup menu to close" menu_gone
click_main 194 253
wait_for "the New Chart name box" shown '^New Chart$'
namebox=$(find_window '^New Chart$')
check_box "$namebox" "the New Chart name box"
wm_close "$namebox"
wait_for "the name box to close by the window manager's Close" gone '^New Chart$'
click_main 194 253
wait_for "the New Chart name box" shown '^New Chart$'
xdotool key Escape
wait_for "the name box to close by Escape" gone '^New Chart$'
[ -z "$(ls "$XDG_DATA_HOME/Quillfret Pro/Charts")" ] || fail "a cancelled name box made a chart"

minimise_by_the_window_manager
echo "without a tray: minimised by the window manager, the program waited on the task bar and came back whole"
begin "exiting"
exit_program

# --- With a tray that embeds the icon.
begin "the tray"
start_tray
begin "start-up with a tray"
start_program
minimise_by_the_window_manager
echo "with a tray: minimised by the window manager, the program went to the tray and came back whole"
# Started again while in the tray, the program comes back from there.
begin "a second start while in the tray"
xdotool windowminimize "$main"
gone_whole
"$prog" >>"$tmp/program.log" 2>&1 || fail "the second start exited with status $?"
back_whole
wait_for "the tray icon to go" icon_gone
echo "started again while in the tray, the program came back"
begin "exiting from the tray session"
exit_program
kill "$tray" 2>/dev/null || true
tray=""

# --- With a tray that never takes the icon (a hung panel): once the tray
# has had its time, the program is still on the task bar, minimised.
if [ "$wm_arg" = openbox ]; then
    begin "a tray that never answers"
    start_tray
    hung=$tray tray=""
    kill -STOP "$hung"
    start_program
    xdotool windowminimize "$main"
    on_the_task_bar
    withdrawn() { xprop -id "$main" WM_STATE | grep -q Withdrawn; }
    # The tray's time (5 s) and a little more.
    ! poll 140 withdrawn || fail "the main window left the task bar for a tray that never showed its icon"
    iconic "$main" || fail "the main window is no longer minimised on the task bar"
    come_back
    echo "with a tray that never answers: the program stayed on the task bar and came back from there"
    exit_program
    kill -CONT "$hung" 2>/dev/null || true
    kill "$hung" 2>/dev/null || true
    hung=""
fi

[ "$wm_arg" = xfwm4 ] || { echo "$test_name: passed"; exit 0; }

# --- Under a panel whose tray talks to the icon over D-Bus.
begin "the panel"
xfce4-panel >"$tmp/panel.log" 2>&1 &
panel=$!
watcher_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true
}
wait_for "the panel's status-notifier watcher" watcher_up
# The icon's bus name and path, as the panel has them ("name/path").
item() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems | awk -F'"' '/string/ { print $2; exit }'
}
registered() { [ -n "$(item)" ]; }
unregistered() { ! registered; }
call_item() {
    it_=$(item)
    dbus-send --session --print-reply --dest="${it_%%/*}" "/${it_#*/}" "$@" >/dev/null
}
item_property() {
    it_=$(item)
    dbus-send --session --print-reply --dest="${it_%%/*}" "/${it_#*/}" org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierItem "string:$1" | sed -n 's/.*variant *//p'
}
in_the_panel() {
    wait_for "the main window to leave for the panel's tray" hidden "$main"
    wait_for "the icon to be registered with the panel" registered
    wait_for "the main window to leave the task bar (it stayed minimised)" not_iconic "$main"
}
back_from_the_panel() {
    back_whole
    wait_for "the icon to leave the panel" unregistered
}
begin "start-up under the panel"
start_program

begin "the panel activates the icon (a left click)"
xdotool windowminimize "$main"
in_the_panel
call_item org.kde.StatusNotifierItem.Activate int32:0 int32:0
back_from_the_panel
echo "the panel's activation brought the program back"

begin "the panel shows the icon's menu and clicks Restore"
click_minimize
in_the_panel
menu_path=$(item_property Menu | awk '{ print $NF }' | tr -d '"')
[ -n "$menu_path" ] && [ "$menu_path" != /NO_DBUSMENU ] || fail "the icon exports no menu ($(item_property Menu))"
it=$(item)
layout=$(dbus-send --session --print-reply --dest="${it%%/*}" "$menu_path" com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string:)
restore_id=$(echo "$layout" | awk '/int32/ { id = $2 } /"Restore Quillfret Pro"/ { print id; exit }')
[ -n "$restore_id" ] || fail "the exported menu has no \"Restore Quillfret Pro\": $layout"
dbus-send --session --print-reply --dest="${it%%/*}" "$menu_path" com.canonical.dbusmenu.Event \
    "int32:$restore_id" string:clicked variant:int32:0 uint32:0 >/dev/null
back_from_the_panel
echo "the menu the icon exports (\"Restore Quillfret Pro\", item $restore_id) brought the program back"

begin "the panel asks for the icon's context menu"
click_minimize
in_the_panel
point 300 300
call_item org.kde.StatusNotifierItem.ContextMenu int32:300 int32:300
# The program's own menu at the pointer.
menu_window() {
    for w in $(xwininfo -root -tree | awk '/"Quillfret Pro": \("quillfret-pro"/ { print $1 }'); do
        [ "$(printf '%d' "$w")" = "$main" ] || { viewable "$w" && echo "$w"; }
    done | head -n 1
}
menu_up() { [ -n "$(menu_window)" ]; }
wait_for "the program's tray menu" menu_up
menu=$(menu_window)
set -- $(pos "$menu")
point $(($1 + 30)) $(($2 + 11))
xdotool click 1
back_from_the_panel
echo "the context request opened the program's menu, whose item brought the program back"
begin "exiting under the panel"
exit_program
echo "$test_name: passed"
