# Shared by the tests of the real program under Xvfb, sourced by each: the
# set-up before the X server starts, and the steps and waits inside it. The
# test sets `test_name` before sourcing; inside, `tmp`, `deadline` and `pid`
# are the test's own, and `where` may name more of a failure's place.

# Outside: the tools are there, a fresh folder in `tmp` (removed at the end)
# holds a private session, and the program will use the X server. The
# window managers the test starts, "openbox" when none is named.
prepare_session() {
    for tool in Xvfb dbus-run-session trayer xdotool xwininfo xprop ${*:-openbox}; do
        command -v "$tool" >/dev/null || { echo "$test_name: $tool is missing (scripts/install-deps)"; exit 1; }
    done
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    . "$(dirname "$0")/../../scripts/private-session.sh"
    private_session "$tmp"
    export QT_QPA_PLATFORM=xcb HOME="$tmp"
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS
    # Under the leak checker: the toolkit is built without frame pointers, so
    # only the slow unwinder gives a leak inside it the stack that lets
    # scripts/lsan.supp name one of its functions instead of its library.
    [ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
}
# Runs the rest of the command line under an X server of the given screen
# ("1280x800") with a session bus of its own (some window managers and panels
# need one). The server takes the first free display itself and says which:
# servers started at once by other tests never end up sharing one (a
# display chosen from outside can be taken in between, and the test then
# talks to another test's server, or to none).
in_xvfb() {
    screen_="$1"; shift
    : >"$tmp/display"
    # Without -noreset the server resets whenever its last client leaves (a
    # poll's xprop before the window manager is up), and drops a client
    # whose connection it is still setting up then: the window manager.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${screen_}x24" 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
    xvfb_=$!
    since_=$(date +%s)
    until [ -s "$tmp/display" ]; do
        if ! kill -0 "$xvfb_" 2>/dev/null || [ "$(date +%s)" -ge $((since_ + 30)) ]; then
            echo "$test_name: FAILED: the X server did not start: $(tail -n 5 "$tmp/xvfb.log")"
            kill "$xvfb_" 2>/dev/null || true
            return 1
        fi
        sleep 0.05
    done
    status_=0
    DISPLAY=":$(cat "$tmp/display")" XAUTHORITY="$tmp/no-xauthority" dbus-run-session -- "$@" || status_=$?
    kill "$xvfb_" 2>/dev/null || true
    wait "$xvfb_" 2>/dev/null || true
    return $status_
}

# Outside, for a test of one screen: `run_inside <screen> <program> [seconds
# the whole test may take, 120]` prepares the session and runs the script
# again under an X server, as `<script> --inside <program> <folder>
# <deadline>`, and ends with its status. Some seconds are kept back from the
# deadline for reporting a failure and cleaning up.
run_inside() {
    deadline=$(($(date +%s) + ${3:-120} - 10))
    prepare_session
    status_=0
    in_xvfb "$1" sh "$0" --inside "$2" "$tmp" "$deadline" || status_=$?
    exit $status_
}

step="starting"
fail() {
    echo "$test_name: FAILED${where:-} in step \"$step\": $*"
    echo "--- the windows and the tray:"; windows_state 2>&1 || true
    echo "--- program output:"; cat "$tmp/program.log" 2>/dev/null || true
    echo "--- window manager output:"; tail -n 20 "$tmp/wm.log" 2>/dev/null || true
    [ ! -s "$tmp/trayer.log" ] || { echo "--- panel output:"; tail -n 20 "$tmp/trayer.log"; }
    exit 1
}
begin() {
    step="$1"
    [ "$(date +%s)" -lt "$deadline" ] || fail "no time left for it"
}

# Polls a condition (a shell command) every 50 ms, up to a number of polls
# and never past the deadline.
poll() {
    polls_="$1"; shift
    polled_=0
    until "$@" >/dev/null 2>&1; do
        polled_=$((polled_ + 1))
        [ "$polled_" -lt "$polls_" ] && [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
# True while the program runs (or none was started, or it is being left) and
# there is time left for a wait that began at `since_`: up to 30 s and never
# past the deadline.
may_wait() {
    [ -z "${pid:-}" ] || [ -n "${leaving:-}" ] || kill -0 "$pid" 2>/dev/null || fail "the program ended"
    now_=$(date +%s)
    [ "$now_" -lt $((since_ + 30)) ] && [ "$now_" -lt "$deadline" ]
}
# Waits for a condition (a shell command), or the test fails.
wait_for() {
    what="$1"; shift
    since_=$(date +%s)
    until "$@" >/dev/null 2>&1; do
        may_wait || fail "timed out waiting for $what"
        sleep 0.05
    done
}

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
shown() { [ -n "$(find_window "$1")" ]; }
gone() { ! shown "$1"; }
# The pointer to a place of the screen (a move with --sync to where the
# pointer already is would wait for motion that never comes).
point() {
    [ "$(xdotool getmouselocation | cut -d' ' -f1,2)" = "x:$1 y:$2" ] || xdotool mousemove --sync "$1" "$2"
}

# Starts a window manager ("openbox", "xfwm4", "metacity" or "mutter"; its
# process in `wm`, its name in `wm_name`) and waits until it manages the
# screen. Openbox goes without edge resistance: it would hold a window back
# where its edge meets another's or the screen's, and the places a test
# expects would depend on it.
start_window_manager() {
    wm_name="${1:-openbox}"
    case "$wm_name" in
        openbox)
            cat >"$tmp/openbox-rc.xml" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <resistance><strength>0</strength><screen_edge_strength>0</screen_edge_strength></resistance>
</openbox_config>
RC
            openbox --config-file "$tmp/openbox-rc.xml" >"$tmp/wm.log" 2>&1 & ;;
        xfwm4) xfwm4 --replace --compositor=off >"$tmp/wm.log" 2>&1 & ;;
        metacity) metacity --replace >"$tmp/wm.log" 2>&1 & ;;
        mutter) mutter --x11 --replace >"$tmp/wm.log" 2>&1 & ;;
        *) fail "no such window manager: $wm_name" ;;
    esac
    wm=$!
    # Managing once its check window carries its name.
    wm_running() {
        check_=$(xprop -root _NET_SUPPORTING_WM_CHECK | awk '/window id/ { print $NF }')
        [ -n "$check_" ] && xprop -id "$check_" _NET_WM_NAME | grep -q '"'
    }
    begin "the window manager ($wm_name)"
    poll 600 wm_running || fail "timed out waiting for the window manager $wm_name: $(display_state)"
}
# What the window system says of the program's windows and the tray, for a
# failure's message.
windows_state() {
    for w_ in ${main:-} ${tab:-} ${about:-} ${namebox:-}; do
        echo "window $w_ \"$(xdotool getwindowname "$w_" 2>/dev/null)\": $(xwininfo -id "$w_" 2>&1 |
            grep -E 'Map State|Absolute' | tr -s ' \n' ' ')$(xprop -id "$w_" WM_STATE _NET_WM_STATE 2>&1 |
            grep -E 'window state|_NET_WM_STATE' | tr -s '\t\n' '  ')"
    done
    if [ -n "${tray:-}" ]; then
        kill -0 "$tray" 2>/dev/null && echo "the tray runs" || echo "the tray has ended"
        echo "the icon: ${icon:-none seen} $(tray_icon 2>/dev/null)"
    fi
    echo "active: $(xdotool getactivewindow 2>&1)"
}
# What the X server and its display look like, for a message.
display_state() {
    n_=${DISPLAY#:}
    echo "display $DISPLAY: $(xdpyinfo 2>&1 | head -n 1); socket $(ls -l "/tmp/.X11-unix/X$n_" 2>&1);" \
        "lock $(tr -d ' ' <"/tmp/.X$n_-lock" 2>&1); server log: $(tr '\n' ' ' <"$tmp/xvfb.log")"
}

# --- The program's windows, once `main` and `tab` hold their ids.

# Position of a window's client area on the screen: "x y"; fails for a
# window that is gone.
pos() {
    info_=$(xwininfo -id "$1" 2>/dev/null) || return 1
    echo "$info_" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'
}
# The frame the window manager put round a window: "left right top bottom".
extents() {
    set -- $(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)
    [ $# -eq 4 ] || return 1
    echo "$@"
}
framed() { extents "$1" >/dev/null && [ "$(extents "$1")" != "0 0 0 0" ]; }
offset() {
    set -- $(pos "$main") $(pos "$tab")
    echo "$(($3 - $1)) $(($4 - $2))"
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
hidden() { ! viewable "$1"; }
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
not_iconic() { ! iconic "$1"; }
still_docked() { [ "$(offset)" = "$docked" ]; }
# The pointer to a place of the main window (pixels from its top left).
point_main() {
    set -- $(pos "$main") "$1" "$2"
    point $(($1 + $3)) $(($2 + $4))
}
click_main() { point_main "$1" "$2" && xdotool click 1; }
# The title bar's buttons: Help at 1530 twips, Minimize at 1785, Exit at 2040
# (16 pixels wide); "Menu" and "Window" below the title.
click_help() { click_main 110 8; }
click_minimize() { click_main 127 8; }
click_exit() { click_main 144 8; }
click_menu() { click_main 30 36; }
click_window() { click_main 94 36; }
# A popup menu: a window of the program's on screen besides its two.
menu_shown() {
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        [ "$w" = "$main" ] || [ "$w" = "$tab" ] || return 0
    done
    return 1
}
menu_gone() { ! menu_shown; }
# The window manager's own close (what its title bar's Close does).
wm_close() { wmctrl -i -c "$1"; }
# Which of two windows is higher in the window manager's stacking order.
above() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | cut -d'#' -f2 |
        awk -v top="$(printf '0x%x' "$1")" -v below="$(printf '0x%x' "$2")" \
            '{ for (i = 1; i <= NF; i++) { if ($i == top) t = i; if ($i == below) b = i } } END { exit !(t && b && t > b) }'
}

# A window that has a frame, can be moved and closed, and offers no minimise
# (minimised, a tool window or a modal box takes the whole program with it)
# and no maximise.
close_no_minimise() {
    wait_for "a frame round $2" framed "$1"
    actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
    for action in CLOSE MOVE; do
        echo "$actions" | grep -q "_NET_WM_ACTION_$action" || fail "$2 offers no $action: $actions"
    done
    if echo "$actions" | grep -Eq '_NET_WM_ACTION_(MINIMIZE|MAXIMIZE)'; then
        fail "$2 can be minimised or maximised: $actions"
    fi
}

# The about box, from the Help button's menu (its last item).
open_about() {
    click_help
    wait_for "the help menu" menu_shown
    xdotool key Up Return
    wait_for "the about box" shown '^About Quillfret$'
    about=$(find_window '^About Quillfret$')
}

# Starts the program (`prog`; its process in `pid`) and waits for its main
# and tablature windows (`main`, `tab`).
start_with_windows() {
    "$prog" >>"$tmp/program.log" 2>&1 &
    pid=$!
    wait_for "the main window" shown '^Quillfret Pro$'
    wait_for "the tablature window" shown '^Tab Window$'
    main=$(find_window '^Quillfret Pro$')
    tab=$(find_window '^Tab Window$')
}
# Starts the program and waits for both its windows, the tablature window
# docked at the upper right of the main window: its frame against the main
# window's right edge, tops level.
start_program() {
    start_with_windows
    width=$(xwininfo -id "$main" | awk '/Width:/{print $2}')
    wait_for "a frame round the tablature window" framed "$tab"
    docked_right() {
        set -- $(extents "$tab")
        [ "$(offset)" = "$((width + $1)) $3" ]
    }
    wait_for "the tablature window docked at the upper right (offset $(offset), frame $(extents "$tab"))" docked_right
    docked="$(offset)"
}

# The tablature window back on screen and docked where it was; when it is
# slow to get there, what the window system says of both windows is logged.
docked_again() {
    wait_for "the tablature window to come back" viewable "$tab"
    poll 40 still_docked || for w_ in "$main" "$tab"; do
        xwininfo -id "$w_" | grep -E "Abs|Map"; xprop -id "$w_" _NET_FRAME_EXTENTS WM_STATE
    done
    wait_for "the tablature window docked again (offset $(offset), was $docked)" still_docked
}

exit_program() {
    click_exit
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    leaving=1
    wait_for "the program to exit" ended
    leaving=""
    wait "$pid" || fail "the program exited with status $?"
    pid=""
}

# --- A tray that embeds icons (trayer), once `tray` holds its process.

start_tray() {
    trayer --edge top --align right --widthtype request --height 24 >"$tmp/trayer.log" 2>&1 &
    tray=$!
    tray_up() { xdotool search --onlyvisible --class trayer | grep -q .; }
    wait_for "the tray" tray_up
}
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
in_the_tray() {
    wait_for "the main window to leave for the tray" hidden "$main"
    wait_for "the tablature window to go" hidden "$tab"
    wait_for "the tray icon" icon_shown
    wait_for "the main window to leave the task bar for the tray (it stayed minimised)" not_iconic "$main"
}
# The program on the task bar: the main window minimised, the tablature
# window gone.
on_the_task_bar() {
    wait_for "the main window to minimise" iconic "$main"
    wait_for "the tablature window to go" hidden "$tab"
}
