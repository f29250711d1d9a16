# Shared by the tests of the real program under Xvfb, sourced by each: the
# set-up before the X server starts, and the steps and waits inside it. The
# test sets `test_name` before sourcing; inside, `tmp`, `deadline` and `pid`
# are the test's own, and `where` may name more of a failure's place.

# Outside: the tools are there, a fresh folder in `tmp` (removed at the end)
# holds a private session, and the program will use the X server. The
# window managers the test starts, "openbox" when none is named.
prepare_session() {
    for tool in xvfb-run dbus-run-session trayer xdotool xwininfo xprop ${*:-openbox}; do
        command -v "$tool" >/dev/null || { echo "$test_name: $tool is missing (scripts/install-deps)"; exit 1; }
    done
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    . "$(dirname "$0")/../../scripts/private-session.sh"
    private_session "$tmp"
    export QT_QPA_PLATFORM=xcb HOME="$tmp"
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS
}
# Runs the rest of the command line under an X server of the given screen
# ("1280x800") with a session bus of its own (some window managers and panels
# need one). Each test looks for a free display from a number of its own, so
# that two servers started at once do not take the same one.
in_xvfb() {
    screen_="$1"; shift
    xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 ${screen_}x24" dbus-run-session -- "$@"
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
    wait_for "the window manager $wm_name" wm_running
}
