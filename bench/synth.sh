#!/bin/sh
# The built-in synthesizer as a user hears it, through a PulseAudio null sink,
# which paces audio as a sound card does (ALSA's null device does not: a
# synthesizer writing to it spins), with each General MIDI soundfont the
# machine has of Debian's small and large ones (TimGM6mb, FluidR3). The main
# window runs under Xvfb; each strum is a chord chosen (C or A Major), then
# Play clicked half a second later, and is timed from the click to its
# first sound in a recording of the sink's monitor (parec). Medians over
# SYNTH_RUNS starts (default 3):
#   click to sound   the first strum after start, after 10 s and after 60 s
#                    of silence, with the output running (a strum just
#                    before), and Play clicked again after 10 s with no chord
#                    chosen (goal: any strum within 20 ms of the warm one)
#   idle             processor use over the 8 s after the silencing timer
#                    has run, and over the last 20 s of the 60 s silence
#                    (goal: under 1 % of a core once silent)
#   playing          processor use while strumming every 1.5 s
#   exit             from closing the window to the process's end (goal:
#                    under 200 ms)
# Twice: with a quiet stream keeping the sink awake (idle, a null sink looks
# for new streams only every 2 s, which no sound card does), and without it,
# as a desktop's sound server takes a new stream on an idle sink. (Its
# module-suspend-on-idle is not loaded: the monitor's recording keeps the
# sink from suspending anyway.) The benchmark fails when a strum played
# left no sound in the recording.
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
export QF_MONITOR=bench.monitor

cat >"$tmp/runs.sh" <<SCRIPT
#!/bin/sh
# \$1: the pass, which names the result files
for sf in TimGM6mb FluidR3_GM; do
    [ -f "$SF2/\$sf.sf2" ] || continue
    i=0
    while [ \$i -lt $RUNS ]; do
        line=\$(QF_SOUNDFONT="$SF2/\$sf.sf2" timeout 300 "$probe" 2>>"$tmp/probe.log" || true)
        end=\$(date +%s%N)
        close=\$(echo "\$line" | sed -n 's/.*close_ns=\([0-9]*\).*/\1/p')
        [ -n "\$close" ] && echo "\$line exit_ms=\$(( (end - close) / 1000000 ))" >>"$tmp/\$sf.\$1.txt"
        i=\$((i + 1))
    done
done
SCRIPT
chmod +x "$tmp/runs.sh"
pacat --raw --latency-msec=20 -d bench /dev/zero &
awake=$!
xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$tmp/runs.sh" awake
kill "$awake"
wait "$awake" 2>/dev/null || true
awake=""
xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$tmp/runs.sh" idle

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\(-*[0-9.]*\).*/\1/p" "$2"; }
status=0
for sf in TimGM6mb FluidR3_GM; do
    if [ ! -f "$SF2/$sf.sf2" ]; then
        echo "synthesizer with $sf: skipped ($SF2/$sf.sf2 is not installed)"
        continue
    fi
    for pass in awake idle; do
        out="$tmp/$sf.$pass.txt"
        case $pass in
            awake) how="a quiet stream keeping the sink awake" ;;
            *) how="no stream keeping the sink awake" ;;
        esac
        if [ ! -s "$out" ]; then
            echo "synthesizer with $sf, $how: no run finished:"; cat "$tmp/probe.log"
            status=1
            continue
        fi
        echo "built-in synthesizer with $sf through a PulseAudio null sink, $how, median of $(wc -l <"$out") starts:"
        echo "  click to sound, first strum after start: $(field start_ms "$out" | median) ms"
        echo "                  after 10 s of silence:   $(field s10_ms "$out" | median) ms"
        echo "                  after 60 s of silence:   $(field s60_ms "$out" | median) ms   (each: $(field s60_ms "$out" | tr '\n' ' '))"
        echo "                  output running:          $(field warm_ms "$out" | median) ms   (goal: each within 20 ms of this)"
        echo "                  Play again after 10 s:   $(field replay_ms "$out" | median) ms (no chord chosen in between)"
        echo "  idle after the silencing timer:          $(field idle_pct "$out" | median) % of a core"
        echo "  idle at the end of 60 s of silence:      $(field rest_pct "$out" | median) % of a core   (goal: under 1 %)"
        echo "  threads while idle:                      $(field threads "$out" | median)"
        echo "  strumming every 1.5 s:                   $(field play_pct "$out" | median) % of a core"
        echo "  window closed to process ended:          $(field exit_ms "$out" | median) ms, at most $(field exit_ms "$out" | sort -n | tail -n 1) ms   (goal: under 200 ms)"
        if grep -v 'silent=none' "$out" >/dev/null; then
            echo "synth.sh: FAILED: strums played left no sound in the recording of the sink:"
            sed -n 's/.*silent=\([^ ]*\).*/  \1/p' "$out" | grep -v '^  none$'
            status=1
        fi
    done
done
exit $status
