#!/bin/sh
# The real program under Xvfb with a window manager (openbox) and a panel
# along the bottom edge (trayer, which keeps its strip from the windows), on
# a screen of 1280 x 800, on one of 1024 x 768 and on one of 1024 x 600. With
# the main window at the lower right of the screen, the chart viewer, the
# help window and the about box open inside the screen's available area,
# frames included, each at its own size where it fits; the main window stays
# where it was. On the shortest screen the help window is taller than the
# area: openbox places new windows inside the screen itself, but it keeps the
# size a window asks for, so only the program's own fit makes it smaller.
# Every wait is for a condition, and all of them together stay inside the
# time the test is given; a failure names the screen and the step.
# Usage: window-placement.sh <program> [seconds the whole test may take, 120]
set -eu
test_name=window-placement
. "$(dirname "$0")/window-test.sh"
. "$(dirname "$0")/window-places.sh"

if [ "${1:-}" != "--inside" ]; then
    prog="$1"
    deadline=$(($(date +%s) + ${2:-120} - 10))
    prepare_session
    for screen in 1280x800 1024x768 1024x600; do
        in_xvfb "$screen" sh "$0" --inside "$prog" "$tmp" "$deadline" "$screen" || exit 1
    done
    echo "window-placement: passed"
    exit 0
fi

prog="$2"
tmp="$3"
deadline="$4"
screen="$5"
pid=""
wm=""
panel=""
trap 'kill $pid $wm $panel 2>/dev/null || true' EXIT
where=" on the $screen screen"

size() { set -- $(client "$1"); echo "$3 $4"; }
# Waits for a window (by its title), framed, then checks that it lies inside
# the available area at the size it should have ("width height", a pattern);
# its id in `win`.
check_window() {
    title="$1" want="$2"
    wait_for "the window \"$title\"" shown "$title"
    win=$(find_window "$title")
    wait_for "the frame round \"$title\"" framed "$win"
    wait_for "\"$title\" to settle" settled "$win"
    inside "$win" || fail "\"$title\" has its frame at $(frame "$win") (left top right bottom), outside the available area $(area)"
    case "$(size "$win")" in
        $want) ;;
        *) fail "\"$title\" is $(size "$win") (width height), not its own size ($want)" ;;
    esac
    echo "$screen: \"$title\" at $(frame "$win") inside $(area)"
}
main_stayed() { [ "$(client "$main")" = "$home" ] || fail "the main window moved to $(client "$main") from $home"; }

start_window_manager
# A panel of 32 pixels along the bottom edge: the available area ends above it.
start_panel() {
    trayer --edge bottom --align left --widthtype percent --width 50 --height 32 --SetDockType true \
        --SetPartialStrut true >>"$tmp/trayer.log" 2>&1 &
    panel=$!
}
# What the panel is doing, for a message: running or not, its windows' struts.
panel_state() {
    kill -0 "$panel" 2>/dev/null && echo "the panel runs" || echo "the panel ended"
    for w in $(xdotool search --class trayer 2>/dev/null); do
        echo "window $w: $(xprop -id "$w" _NET_WM_STRUT_PARTIAL _NET_WM_WINDOW_TYPE 2>&1 | tr '\n' ' ')"
    done
    echo "work area $(area || echo unset); panel output: $(tr '\n' ' ' <"$tmp/trayer.log")"
}
set -- $(echo "$screen" | tr x ' ')
screen_height=$2
# The help window with its frame is 585 pixels high: on the 600-pixel screen
# (568 above the panel) it is made smaller, at its own width.
help_size="620 560"
[ "$screen_height" -gt 600 ] || help_size="620 5[0-5][0-9]"
area_set() { set -- $(area); [ $# -eq 4 ] && [ "$4" -le $((screen_height - 32)) ]; }
begin "the panel"
: >"$tmp/trayer.log"
start_panel
# The panel is the test's own scenery: one that has not set its strip in
# 10 s is started once more, and the test says so.
if ! poll 200 area_set; then
    echo "$screen: (the panel was started again: $(panel_state | tr '\n' ';'))"
    kill "$panel" 2>/dev/null || true
    start_panel
    poll 400 area_set || fail "timed out waiting for the panel's strip: $(panel_state | tr '\n' ';')"
fi

# A chart, remembered as the current one, for "View Current Chart".
charts="$XDG_DATA_HOME/Quillfret Pro/Charts"
mkdir -p "$charts" "$XDG_CONFIG_HOME/Quillfret Pro"
printf 'Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n' >"$charts/Placed.cht"
printf '[Settings]\nFirst=False\nChartFile=%s\nChartName=Placed\n' "$charts/Placed.cht" \
    >"$XDG_CONFIG_HOME/Quillfret Pro/Quillfret Pro.ini"

begin "start-up"
start_with_windows
# To the lower right, as far as the available area goes.
begin "the main window to the lower right"
set -- $(area) $(client "$main")
xdotool windowmove "$main" $(($3 - $7)) $(($4 - $8))
at_corner() { set -- $(area) $(client "$main"); [ "$5" -eq $(($3 - $7)) ] && [ "$6" -eq $(($4 - $8)) ]; }
wait_for "the main window at the lower right (it is at $(client "$main"))" at_corner
home="$(client "$main")"

# The Menu button's popup menu: its sixth item, past two separators.
begin "the chart viewer"
click_main 30 36
wait_for "the main menu" menu_shown
xdotool key Down Down Down Down Down Down Return
# 9285 twips wide; 6240 high under its menu bar.
check_window '^Placed Chart \[1 Items\]$' "619 4[3-9]?"
main_stayed
xdotool windowactivate --sync "$win" key alt+f c
wait_for "the chart viewer to close" gone '^Placed Chart \[1 Items\]$'

# The Help button's popup menu: Help Contents, then About.
begin "the help window"
click_main 110 8
wait_for "the help menu" menu_shown
xdotool key Down Return
check_window '^Quillfret Pro Help$' "$help_size"
main_stayed
xdotool windowclose "$win"
wait_for "the help window to close" gone '^Quillfret Pro Help$'

begin "the about box"
click_main 110 8
wait_for "the help menu" menu_shown
xdotool key Up Return
# 6600 x 3000 twips.
check_window '^About Quillfret$' "440 200"
main_stayed
xdotool windowactivate --sync "$win" key Escape
wait_for "the about box to close" gone '^About Quillfret$'
