# Sourced by the scripts that start the real program: private_session <folder>
# gives the processes started after it settings, data and runtime folders of
# their own inside <folder>, and a silent sound card (ALSA's null device), so
# that nothing of the user's is touched and the synthesizer opens without a
# message even where the machine has no sound card.
private_session() {
    mkdir -m 700 "$1/run"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$1/asound.conf"
    export XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data" XDG_RUNTIME_DIR="$1/run" \
        ALSA_CONFIG_PATH="$1/asound.conf"
}
