#!/bin/sh
# The real program under Xvfb on a screen of 1024 x 768, under a window
# manager (openbox, xfwm4 or metacity). The main window is moved to each edge
# of the screen and to four corners, with the tablature window's chosen dock
# place the one that runs past that edge (chosen from the "Tab Window" menu
# there): the tablature window docks on the other side, its frame inside the
# work area and clear of the main window, and the setting keeps the choice.
# At the right edge the Help button still opens its menu; in the lower right
# corner the "Window" button hides the tablature window and docks it again.
# Every wait is for a condition, and all of them together stay inside the
# time the test is given; a failure names the window manager and the step.
# Usage: window-dock.sh <program> <window manager> [seconds the whole test may take, 120]
set -eu
test_name=window-dock
. "$(dirname "$0")/window-test.sh"
. "$(dirname "$0")/window-places.sh"

if [ "${1:-}" != "--inside" ]; then
    prepare_session "$2"
    # Some seconds are kept back for reporting a failure and cleaning up.
    in_xvfb 1024x768 sh "$0" --inside "$1" "$tmp" "$(($(date +%s) + ${3:-120} - 10))" "$2"
    exit $?
fi

prog="$2" tmp="$3" deadline="$4" pid="" wm=""
trap 'kill $pid $wm 2>/dev/null || true' EXIT
where=" under $5"

settings="$XDG_CONFIG_HOME/Quillfret Pro/Quillfret Pro.ini"
# Where the tablature window's frame (the last four of eight edges) lies
# against the main window's (the first four): the side and which edges are
# level ("left, tops level").
docked_where() {
    if [ "$7" -eq "$1" ]; then side=left; elif [ "$5" -eq "$3" ]; then side=right
    elif [ "$8" -eq "$2" ]; then side=above; elif [ "$6" -eq "$4" ]; then side=below
    else echo "apart"; return; fi
    case $side in
        left | right)
            if [ "$6" -eq "$2" ]; then echo "$side, tops level"
            elif [ "$8" -eq "$4" ]; then echo "$side, bottoms level"
            else echo "$side, $(($6 - $2)) pixels lower"; fi ;;
        *)
            if [ "$5" -eq "$1" ]; then echo "$side, left edges level"
            else echo "$side, $(($5 - $1)) pixels to the right"; fi ;;
    esac
}
# The same and the work area's: the tablature window lies inside.
tab_inside() { [ "$5" -ge "$9" ] && [ "$6" -ge "${10}" ] && [ "$7" -le "${11}" ] && [ "$8" -le "${12}" ]; }
# What the window system says of both windows and the work area.
windows_now() {
    extents_=$(xprop -id "$tab" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p')
    echo "main window $(frame "$main"), tablature window $(frame "$tab") (left top right bottom," \
        "frame ${extents_:-none}), work area $(area)"
}
# Docked where it should be ($1), still, inside the work area and clear of the
# main window.
docked_at() {
    framed "$tab" || return 1
    both_=$(both)
    sleep 0.1
    [ "$both_" = "$(both)" ] && [ "$(docked_where $both_)" = "$1" ] && ! overlapping $both_ && tab_inside $both_ $(area)
}
stored() { grep -q "^TabWinDock=$1\$" "$settings"; }
# A dock place from the Menu button's popup menu: "Tab Window", third from
# the end, and its n-th item (from 0: Top, Bottom, Lower Left, Lower Right,
# Upper Right, Upper Left); the setting stores its digit.
choose_place() {
    click_main 30 36
    wait_for "the main menu" menu_shown
    xdotool key Up Up Up Right
    n=0
    while [ $n -lt "$1" ]; do xdotool key Down; n=$((n + 1)); done
    xdotool key Return
    wait_for "the menu to close" menu_gone
    wait_for "TabWinDock=$2 in the settings" stored "$2"
}
checked_docked() {
    poll 200 docked_at "$1" || fail "the tablature window is not docked $1 inside the work area, clear of" \
        "the main window: it is $(docked_where $(both)); $(windows_now)"
}

start_window_manager "$5"
mkdir -p "$(dirname "$settings")"
printf '[Settings]\nFirst=False\nTabWinDock=0\n' >"$settings"
begin "start-up"
start_with_windows
wait_for "the work area" area
wait_for "the frame round the tablature window" framed "$tab"

# Each case: where the main window goes, the place chosen there (its menu
# item and digit; the first two keep the Upper Right stored at start-up),
# and where the tablature window docks.
set -- $(area) $(client "$main")
left=$1 top=$2 right=$(($3 - $7)) bottom=$(($4 - $8))
middle_x=$(((left + right) / 2)) middle_y=$(((top + bottom) / 2))
place=0
for case in "right edge|$right|$middle_y|4|0|left, tops level" \
            "upper right corner|$right|$top|4|0|left, tops level" \
            "top edge|$middle_x|$top|0|5|below, left edges level" \
            "left edge|$left|$middle_y|5|2|right, tops level" \
            "lower left corner|$left|$bottom|2|4|right, bottoms level" \
            "bottom edge|$middle_x|$bottom|1|1|above, left edges level" \
            "lower right corner|$right|$bottom|3|3|left, bottoms level"; do
    IFS='|'
    set -- $case
    unset IFS
    name=$1 x=$2 y=$3 item=$4 digit=$5 expected=$6
    begin "the main window at the $name"
    xdotool windowmove "$main" "$x" "$y"
    moved() { [ "$(client "$main" | cut -d' ' -f1,2)" = "$x $y" ]; }
    poll 200 moved || fail "the main window is at $(client "$main"), not moved to $x $y"
    if [ "$digit" != "$place" ]; then
        begin "choosing dock place $digit at the $name"
        choose_place "$item" "$digit"
        place=$digit
    fi
    checked_docked "$expected"
    stored "$place" || fail "the setting changed: $(grep TabWinDock "$settings")"
    echo "$name, place $place chosen: the tablature window docked $expected, $(windows_now)"
    case "$name" in
        "right edge")
            # Help, beside the title, the tablature window not over it.
            begin "the Help button at the $name"
            click_main 110 8
            wait_for "the help menu" menu_shown
            xdotool key Escape
            wait_for "the help menu to close" menu_gone ;;
        "lower right corner")
            begin "the Window button at the $name"
            viewable() { xwininfo -id "$tab" | grep -q IsViewable; }
            hidden() { ! viewable; }
            click_main 94 36
            wait_for "the tablature window to hide" hidden
            click_main 94 36
            wait_for "the tablature window to come back" viewable
            checked_docked "$expected" ;;
    esac
done
echo "window-dock: passed under $wm_name"
