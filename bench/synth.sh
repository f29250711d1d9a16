#!/bin/sh
# The built-in synthesizer's running costs, through a PulseAudio null sink,
# which paces audio as a sound card does (ALSA's null device does not: a
# synthesizer writing to it spins), with each General MIDI soundfont the
# machine has of Debian's small and large ones (TimGM6mb, FluidR3). The
# median over SYNTH_RUNS starts (default 3) of the main window under Xvfb:
#   idle      processor use over the 10 s after the silencing timer has run
#             following one strum (goal: under 1 % of a core)
#   playing   processor use while strumming every 1.5 s
#   restart   how long a playback after a silence waits for the sound output,
#             and how much later than the note after it the first note after a
#             silence sounds, the sound output starting again for it, and
#             the same with the output running (goal: within a period or so)
#   exit      from closing the window to the process's end (goal: under 200 ms)
# A quiet stream keeps the null sink awake: idle, it looks for new streams
# only every 2 s, which no sound card does (a sound server may still take
# its own time to wake a suspended device; that is not measured here).
# Needs pulseaudio and parec (Debian's pulseaudio and pulseaudio-utils); the
# benchmark installs nothing and says it was skipped when they are missing.
set -eu
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
RUNS="${SYNTH_RUNS:-3}"
SF2=/usr/share/sounds/sf2
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null || ! command -v pactl >/dev/null \
    || ! command -v pacat >/dev/null; then
    echo "synthesizer idle, playback and exit: skipped: it plays through a PulseAudio null sink, and"
    echo "  pulseaudio or pulseaudio-utils is not installed (apt-get install pulseaudio pulseaudio-utils)"
    exit 0
fi
cmake --build "$BUILD" --target synth_probe >/dev/null
probe="$(pwd)/$BUILD/bench/synth_probe"

tmp="$(mktemp -d)"
server=""
awake=""
cleanup() {
    [ -n "$awake" ] && kill "$awake" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
. scripts/private-session.sh
private_session "$tmp"
# ALSA's default device (the one FluidSynth picks first) goes to the sound
# server, as on a desktop; without ALSA's pulse plugin FluidSynth reaches it
# through its own PulseAudio driver.
if ls /usr/lib/*/alsa-lib/libasound_module_pcm_pulse.so >/dev/null 2>&1; then
    printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$tmp/asound.conf"
fi
export HOME="$tmp" PULSE_SERVER="unix:$tmp/pulse.socket"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=no --log-target=file:"$tmp/pulse.log" \
    --load="module-null-sink sink_name=bench" \
    --load="module-native-protocol-unix socket=$tmp/pulse.socket auth-anonymous=1" &
server=$!
i=0
until pactl info >/dev/null 2>&1; do
    i=$((i + 1))
    [ "$i" -lt 100 ] || { echo "synth.sh: the sound server did not start:"; cat "$tmp/pulse.log"; exit 1; }
    sleep 0.1
done
pacat --raw --latency-msec=20 -d bench /dev/zero &
awake=$!
export QF_MONITOR=bench.monitor

cat >"$tmp/runs.sh" <<SCRIPT
#!/bin/sh
for sf in TimGM6mb FluidR3_GM; do
    [ -f "$SF2/\$sf.sf2" ] || continue
    i=0
    while [ \$i -lt $RUNS ]; do
        line=\$(QF_SOUNDFONT="$SF2/\$sf.sf2" timeout 120 "$probe" 2>>"$tmp/probe.log" || true)
        end=\$(date +%s%N)
        close=\$(echo "\$line" | sed -n 's/.*close_ns=\([0-9]*\).*/\1/p')
        [ -n "\$close" ] && echo "\$line exit_ms=\$(( (end - close) / 1000000 ))" >>"$tmp/\$sf.txt"
        i=\$((i + 1))
    done
done
SCRIPT
chmod +x "$tmp/runs.sh"
xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$tmp/runs.sh"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\(-*[0-9.]*\).*/\1/p" "$2"; }
for sf in TimGM6mb FluidR3_GM; do
    out="$tmp/$sf.txt"
    if [ ! -f "$SF2/$sf.sf2" ]; then
        echo "synthesizer with $sf: skipped ($SF2/$sf.sf2 is not installed)"
        continue
    fi
    if [ ! -s "$out" ]; then
        echo "synthesizer with $sf: no run finished:"; cat "$tmp/probe.log"
        continue
    fi
    echo "built-in synthesizer with $sf through a PulseAudio null sink, median of $(wc -l <"$out") starts:"
    echo "  idle after the silencing timer:   $(field idle_pct "$out" | median) % of a core   (goal: under 1 %)"
    echo "  threads while idle:               $(field threads "$out" | median)"
    echo "  strumming every 1.5 s:            $(field play_pct "$out" | median) % of a core"
    echo "  a playback after a silence waits: $(field wake_ms "$out" | median) ms for the sound output to start"
    echo "  first note after a silence:       $(field cold_ms "$out" | median) ms later than the next, $(field warm_ms "$out" | median) ms with the output running"
    echo "                                    (onsets found: $(field onsets "$out" | tr '\n' ' ')of 12 each)"
    echo "  window closed to process ended:   $(field exit_ms "$out" | median) ms, at most $(field exit_ms "$out" | sort -n | tail -n 1) ms   (goal: under 200 ms)"
done
