# A private PulseAudio server with a null sink, for the audio tests and the
# sound benchmark. It never touches the user's own sound server.
#
# Sourced:
#   tabulon_start_sound_server   starts one in the background and exports
#                                PULSE_SERVER and TABULON_TEST_PULSE_SERVER
#   tabulon_stop_sound_server    stops it and removes its directory
# Run:
#   sound-server.sh run DIR      runs one in the foreground with its socket
#                                at DIR/native (tests that stop a server)

tabulon_run_sound_server() {
    local dir=$1
    mkdir -p "$dir/home" "$dir/runtime" "$dir/config" "$dir/state"
    # Its own home and runtime directories keep it apart from any session
    # server; this also works as root, without system mode.
    exec env HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/config" \
        PULSE_RUNTIME_PATH="$dir/runtime" PULSE_STATE_PATH="$dir/state" \
        pulseaudio -n --daemonize=no --use-pid-file=no --system=no \
            --exit-idle-time=-1 --disallow-exit --realtime=no --high-priority=no \
            --log-target=file:"$dir/server.log" \
            --load="module-null-sink sink_name=tabulon_null" \
            --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
            </dev/null >/dev/null 2>&1
}

tabulon_start_sound_server() {
    TABULON_SOUND_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tabulon-pulse.XXXXXX")
    (tabulon_run_sound_server "$TABULON_SOUND_DIR") &
    TABULON_SOUND_SERVER_PID=$!
    export PULSE_SERVER="unix:$TABULON_SOUND_DIR/native"
    export TABULON_TEST_PULSE_SERVER="$PULSE_SERVER"

    local tries
    for tries in $(seq 100); do
        if pactl info >/dev/null 2>&1; then
            echo "Private sound server ready at $PULSE_SERVER"
            return 0
        fi
        kill -0 "$TABULON_SOUND_SERVER_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "The private sound server did not start; its log:" >&2
    cat "$TABULON_SOUND_DIR/server.log" >&2 || true
    tabulon_stop_sound_server
    return 1
}

tabulon_stop_sound_server() {
    if [ -n "${TABULON_SOUND_SERVER_PID:-}" ]; then
        kill "$TABULON_SOUND_SERVER_PID" 2>/dev/null || true
        wait "$TABULON_SOUND_SERVER_PID" 2>/dev/null || true
        TABULON_SOUND_SERVER_PID=
    fi
    if [ -n "${TABULON_SOUND_DIR:-}" ]; then
        rm -rf "$TABULON_SOUND_DIR"
        TABULON_SOUND_DIR=
    fi
    unset PULSE_SERVER TABULON_TEST_PULSE_SERVER
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    if [ "${1:-}" != run ] || [ -z "${2:-}" ]; then
        echo "usage: $0 run DIR" >&2
        exit 2
    fi
    tabulon_run_sound_server "$2"
fi
