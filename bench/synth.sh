#!/bin/sh
# The built-in synthesizer as a user hears it, through a PulseAudio null sink,
# which paces audio as a sound card does (ALSA's null device does not: a
# synthesizer writing to it spins), with each General MIDI soundfont the
# machine has of Debian's small and large ones (TimGM6mb, FluidR3). The main
# window runs under Xvfb; each strum is Play clicked with the pointer (a quick
# click, the pointer resting on Play), half a second after a chord (C or A
# Major) was chosen, or with nothing chosen since the strum before, and is
# timed from the click to its first sound in a recording of the sink's
# monitor. Medians over SYNTH_RUNS starts (default 3):
#   click to sound   the first strum after start, after 10 s and after 60 s
#                    of silence, with the output running (a strum just
#                    before), and Play clicked again with no chord chosen
#                    after 10 s and after 60 s more (goal: each within 20 ms
#                    of the running output's; the benchmark fails otherwise)
#   idle             processor use over the 8 s after the silencing timer
#                    has run, and over the last 20 s of the 60 s silence
#                    (goal: under 1 % of a core once silent)
#   playing          processor use while strumming every 1.5 s
#   exit             from closing the window to the process's end, after the
#                    run, and 0.3 s after the window showed (the sound output
#                    still starting), also with a sound server that takes the
#                    connection and never answers (goal: under 200 ms)
# Three times: with a quiet stream keeping the sink awake (idle, a null sink
# looks for new streams only every 2 s, which no sound card does); without
# it, as a desktop's sound server takes a new stream on an idle sink; and with
# module-suspend-on-idle, as desktops load it, suspending the sink once
# nothing has played for 5 s (the recording lets it). The benchmark also fails when a
# strum played left no sound in the recording.
# Needs pulseaudio, pactl and pacat (Debian's pulseaudio and pulseaudio-utils)
# and xdotool; the benchmark installs nothing and says it was skipped when
# they are missing.
set -eu
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
RUNS="${SYNTH_RUNS:-3}"
SF2=/usr/share/sounds/sf2
if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null || ! command -v pacat >/dev/null \
    || ! command -v xdotool >/dev/null; then
    echo "synthesizer idle, playback and exit: skipped: it plays through a PulseAudio null sink and clicks with"
    echo "  xdotool, and pulseaudio, pulseaudio-utils or xdotool is not installed"
    exit 0
fi
if ! cmake --build "$BUILD" --target synth_probe monitor_record >/dev/null; then
    echo "synthesizer idle, playback and exit: skipped: the probe or its recorder (libpulse-dev) could not be built"
    exit 0
fi
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
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=no --log-level=info \
    --log-target=file:"$tmp/pulse.log" \
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

# \$1: the pass, which names the result files. With QF_CLOSE_AFTER_MS set,
# each run only closes the window that long after it showed.
cat >"$tmp/runs.sh" <<SCRIPT
#!/bin/sh
for sf in TimGM6mb FluidR3_GM; do
    [ -f "$SF2/\$sf.sf2" ] || continue
    i=0
    while [ \$i -lt $RUNS ]; do
        line=\$(QF_SOUNDFONT="$SF2/\$sf.sf2" timeout 400 "$probe" 2>>"$tmp/probe.log" || true)
        end=\$(date +%s%N)
        close=\$(echo "\$line" | sed -n 's/.*close_ns=\([0-9]*\).*/\1/p')
        [ -n "\$close" ] && echo "\$line exit_ms=\$(( (end - close) / 1000000 ))" >>"$tmp/\$sf.\$1.txt"
        i=\$((i + 1))
    done
done
SCRIPT
chmod +x "$tmp/runs.sh"
screen="-noreset -screen 0 1280x800x24"
pacat --raw --latency-msec=20 -d bench /dev/zero &
awake=$!
xvfb-run -a -s "$screen" "$tmp/runs.sh" awake
kill "$awake"
wait "$awake" 2>/dev/null || true
awake=""
xvfb-run -a -s "$screen" "$tmp/runs.sh" idle
env QF_CLOSE_AFTER_MS=300 xvfb-run -a -s "$screen" "$tmp/runs.sh" early
env QF_CLOSE_AFTER_MS=300 QF_SILENT_SERVER="$tmp/silent.socket" xvfb-run -a -s "$screen" "$tmp/runs.sh" silent
pactl load-module module-suspend-on-idle >/dev/null
before=$(grep -c 'Sink bench idle for too long, suspending' "$tmp/pulse.log" || true)
xvfb-run -a -s "$screen" "$tmp/runs.sh" suspend
suspended=$(( $(grep -c 'Sink bench idle for too long, suspending' "$tmp/pulse.log" || true) - before ))

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { sed -n "s/.*$1=\(-*[0-9.]*\).*/\1/p" "$2"; }
status=0
for sf in TimGM6mb FluidR3_GM; do
    if [ ! -f "$SF2/$sf.sf2" ]; then
        echo "synthesizer with $sf: skipped ($SF2/$sf.sf2 is not installed)"
        continue
    fi
    for pass in awake idle suspend; do
        out="$tmp/$sf.$pass.txt"
        case $pass in
            awake) how="a quiet stream keeping the sink awake" ;;
            idle) how="no stream keeping the sink awake" ;;
            *) how="the sink suspended when idle (module-suspend-on-idle; $suspended suspensions in the pass)" ;;
        esac
        if [ ! -s "$out" ]; then
            echo "synthesizer with $sf, $how: no run finished:"; cat "$tmp/probe.log"
            status=1
            continue
        fi
        warm=$(field warm_ms "$out" | median)
        echo "built-in synthesizer with $sf through a PulseAudio null sink, $how, median of $(wc -l <"$out") starts:"
        # More than 20 ms over the running output's (or silent).
        over() { awk -v m="$1" -v w="$warm" 'BEGIN { exit !(m < 0 || m - w > 20) }'; }
        case_ms() {
            ms=$(field "$1" "$out" | median)
            if over "$ms"; then echo "$ms ms (late)"; else echo "$ms ms"; fi
        }
        echo "  click to sound, first strum after start: $(case_ms start_ms)"
        echo "                  after 10 s of silence:   $(case_ms s10_ms)"
        echo "                  after 60 s of silence:   $(case_ms s60_ms)   (each: $(field s60_ms "$out" | tr '\n' ' '))"
        echo "                  output running:          $warm ms   (goal: each within 20 ms of this)"
        echo "                  Play again after 10 s:   $(case_ms replay_ms) (no chord chosen in between)"
        echo "                  and after 60 s more:     $(case_ms replay60_ms)   (each: $(field replay60_ms "$out" | tr '\n' ' '))"
        echo "  Play held down (pressed to released):    $(field press_min_ms "$out" | sort -n | head -n 1) to $(field press_max_ms "$out" | sort -n | tail -n 1) ms"
        echo "  idle after the silencing timer:          $(field idle_pct "$out" | median) % of a core"
        echo "  idle at the end of 60 s of silence:      $(field rest_pct "$out" | median) % of a core   (goal: under 1 %)"
        echo "  threads while idle:                      $(field threads "$out" | median)"
        echo "  strumming every 1.5 s:                   $(field play_pct "$out" | median) % of a core"
        echo "  window closed to process ended:          $(field exit_ms "$out" | median) ms, at most $(field exit_ms "$out" | sort -n | tail -n 1) ms   (goal: under 200 ms)"
        for c in start_ms s10_ms s60_ms replay_ms replay60_ms; do
            ms=$(field "$c" "$out" | median)
            if over "$ms"; then
                echo "synth.sh: FAILED: with $sf, $how: ${c%_ms} sounded $ms ms after the click, more than 20 ms over the running output's $warm ms"
                status=1
            fi
        done
        if grep -v 'silent=none' "$out" >/dev/null; then
            echo "synth.sh: FAILED: strums played left no sound in the recording of the sink:"
            sed -n 's/.*silent=\([^ ]*\).*/  \1/p' "$out" | grep -v '^  none$'
            status=1
        fi
    done
    for pass in early silent; do
        out="$tmp/$sf.$pass.txt"
        case $pass in
            early) how="" ;;
            *) how=", the sound server never answering" ;;
        esac
        [ -s "$out" ] || { echo "synthesizer with $sf: no early close finished$how"; status=1; continue; }
        echo "  window closed 0.3 s after it showed$how: $(field exit_ms "$out" | median) ms, at most $(field exit_ms "$out" | sort -n | tail -n 1) ms   (goal: under 200 ms)"
    done
done
exit $status
