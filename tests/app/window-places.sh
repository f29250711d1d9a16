# Shared by the tests of the real program that check where its windows lie,
# sourced after window-test.sh: places and frames as the window system has
# them, and the work area.

# A window's client area on the screen: "x y width height".
client() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                             /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
# With the frame the window manager put round it: "left top right bottom",
# the edges' places on the screen.
frame() {
    set -- $(client "$1") $(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,)
    [ $# -eq 8 ] || set -- "$1" "$2" "$3" "$4" 0 0 0 0
    echo "$(($1 - $5)) $(($2 - $7)) $(($1 + $3 + $6)) $(($2 + $4 + $8))"
}
# The window manager has placed a window once it stops moving.
settled() { settled_="$(frame "$1")"; sleep 0.1; [ "$settled_" = "$(frame "$1")" ]; }
# The available area: the first desktop's work area, "left top right bottom"
# (none until the window manager has worked it out).
area() {
    set -- $(xprop -root _NET_WORKAREA | sed -n 's/.*= *//p' | tr -d ,)
    [ $# -ge 4 ] || return 1
    echo "$1 $2 $(($1 + $3)) $(($2 + $4))"
}
# A window's frame lies inside the available area.
inside() {
    set -- $(frame "$1") $(area)
    [ "$1" -ge "$5" ] && [ "$2" -ge "$6" ] && [ "$3" -le "$7" ] && [ "$4" -le "$8" ]
}
# The frames of the main window and the tablature window, eight edges.
both() { echo "$(frame "$main") $(frame "$tab")"; }
# The same eight edges: the frames overlap.
overlapping() { [ "$5" -lt "$3" ] && [ "$1" -lt "$7" ] && [ "$6" -lt "$4" ] && [ "$2" -lt "$8" ]; }
