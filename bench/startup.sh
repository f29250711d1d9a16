#!/bin/sh
# Start-up of the main window under Xvfb, warm, with each General MIDI
# soundfont the machine has of Debian's small and large ones (TimGM6mb,
# FluidR3): the median over 21 starts (after 3 to warm the caches) of the
# time from launch to the fretboard showing C Major, the longest stall of the
# user-interface thread in the two seconds from then, and the resident memory
# once the built-in synthesizer has loaded its soundfont and after one strum.
# Goals: under 100 ms; stall under 50 ms; under 60 MiB with TimGM6mb, under
# 80 MiB with FluidR3 after the strum. The toolkit's empty window, timed the
# same way, shows what the machine gives.
# With no sound card, ALSA's null device stands in for one, so that the
# synthesizer opens as it does on a desktop.
set -eu
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target startup_probe empty_window_probe >/dev/null
probe="$(pwd)/$BUILD/bench/startup_probe"
empty="$(pwd)/$BUILD/bench/empty_window_probe"
SF2=/usr/share/sounds/sf2

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
. scripts/private-session.sh
private_session "$tmp"
cat >"$tmp/runs.sh" <<SCRIPT
#!/bin/sh
for sf in TimGM6mb FluidR3_GM; do
    [ -f "$SF2/\$sf.sf2" ] || continue
    i=0
    while [ \$i -lt 24 ]; do
        QF_SOUNDFONT="$SF2/\$sf.sf2" QF_LAUNCH_NS=\$(date +%s%N) timeout 60 "$probe" 2>/dev/null >>"$tmp/\$sf-all.txt" || true
        i=\$((i + 1))
    done
done
i=0
while [ \$i -lt 24 ]; do
    QF_LAUNCH_NS=\$(date +%s%N) "$empty" 2>/dev/null >>"$tmp/empty-all.txt" || true
    i=\$((i + 1))
done
SCRIPT
chmod +x "$tmp/runs.sh"
# -noreset: the server would otherwise start afresh (and compile its keymap)
# whenever the last client has gone, that is between two starts.
xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$tmp/runs.sh"
tail -n 21 "$tmp/empty-all.txt" >"$tmp/empty.txt"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2"; }
for sf in TimGM6mb FluidR3_GM; do
    if [ ! -f "$tmp/$sf-all.txt" ]; then
        echo "main window start-up with $sf: skipped ($SF2/$sf.sf2 is not installed)"
        continue
    fi
    out="$tmp/$sf.txt"
    tail -n 21 "$tmp/$sf-all.txt" >"$out"
    echo "main window start-up under Xvfb with $sf, warm, median of $(wc -l <"$out") starts:"
    echo "  launch to C Major painted:        $(field startup_ms "$out" | median) ms   (goal: under 100 ms)"
    echo "  the toolkit's empty window:       $(field startup_ms "$tmp/empty.txt" | median) ms   (the same measure)"
    echo "  processor time until then:        $(field cpu_ms "$out" | median) ms, the empty window $(field cpu_ms "$tmp/empty.txt" | median) ms"
    echo "  longest stall in 2 s from then:   $(field stall_ms "$out" | median) ms, at most $(field stall_ms "$out" | sort -n | tail -n 1) ms   (goal: under 50 ms)"
    echo "  launch to MIDI output ready:      $(field midi_ms "$out" | median) ms   (after the first paint)"
    echo "  resident memory, synthesizer on:  $(field rss_mib "$out" | median) MiB"
    echo "  resident memory after one strum:  $(field strum_mib "$out" | median) MiB  (goal: under 60 MiB with TimGM6mb, 80 MiB with FluidR3)"
    echo "  synthesizer opened in $(field synth "$out" | grep -c 1) of $(wc -l <"$out") starts"
done
