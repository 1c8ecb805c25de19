# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the end-to-end tests: a private virtual screen and a private sound
# server for each test, so tests never meet each other or a desktop session,
# plus the PASS/FAIL bookkeeping. Everything started here is stopped by
# e2e_stop_all, which the test's EXIT trap calls.

e2e_pids=()
e2e_failures=0

e2e_pass() { echo "PASS: $*"; }
e2e_fail() {
    echo "FAIL: $*"
    e2e_failures=$((e2e_failures + 1))
}

e2e_require_tools() {
    local tool missing=0
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            e2e_fail "$tool is not installed (scripts/install-deps installs it)"
            missing=1
        fi
    done
    return $missing
}

# Stops the processes in the reverse order of their start: the program
# before the recorder, the recorder before the servers it talks to.
e2e_stop_all() {
    local i pid
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        pid=${e2e_pids[i]}
        kill -TERM "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    e2e_pids=()
}

e2e_track() { e2e_pids+=("$1"); }

e2e_untrack() {
    local i
    for i in "${!e2e_pids[@]}"; do
        [ "${e2e_pids[i]}" = "$1" ] && unset 'e2e_pids[i]'
    done
    e2e_pids=("${e2e_pids[@]}")
}

# Waits until the command succeeds, polling every 0.1 s, for at most the
# given number of seconds. Gives up early when the watched process has died.
e2e_wait_until() {
    local seconds=$1 watched=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        kill -0 "$watched" 2>/dev/null || return 1
        sleep 0.1
    done
}

# A screen of the given size on the first free display number, with an
# authorisation cookie of its own and no window manager; it stays up between
# one program and the next (-noreset). Sets DISPLAY and
# XAUTHORITY for everything the test starts afterwards.
e2e_start_xvfb() {
    local workdir=$1 screen=$2 number pid
    export XAUTHORITY=$workdir/xauthority
    for number in $(seq 90 189); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        : >"$XAUTHORITY"
        xauth -q -f "$XAUTHORITY" add ":$number" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
        Xvfb ":$number" -screen 0 "$screen" -dpi 96 -nolisten tcp -noreset -auth "$XAUTHORITY" \
            >"$workdir/xvfb.log" 2>&1 &
        pid=$!
        if e2e_wait_until 10 "$pid" xdpyinfo -display ":$number"; then
            e2e_track "$pid"
            export DISPLAY=":$number"
            return 0
        fi
        # Another server took the number between the check and the start.
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    return 1
}

# A sound server reachable only through its own socket, with one null sink
# whose monitor the test records; it keeps its cookie and state in the run
# folder, away from the user's. Sets PULSE_SERVER and e2e_sink.
e2e_start_pulseaudio() {
    local rundir=$1 logfile=$2 pid
    mkdir -p "$rundir"
    chmod 700 "$rundir"
    e2e_sink=jexnull
    HOME=$rundir XDG_RUNTIME_DIR=$rundir pulseaudio --daemonize=no -n --exit-idle-time=-1 \
        --use-pid-file=no --log-target="file:$logfile" \
        --load="module-native-protocol-unix socket=$rundir/native auth-anonymous=1" \
        --load="module-null-sink sink_name=$e2e_sink rate=48000 channels=1" \
        >/dev/null 2>&1 &
    pid=$!
    e2e_track "$pid"
    export PULSE_SERVER=unix:$rundir/native
    e2e_wait_until 10 "$pid" pactl info
}

# Records the null sink's monitor as raw 16-bit mono at 48 kHz, and returns
# once samples arrive. The short latency matters: an idle null sink only wakes
# every 2 s or so, and a playback would be held up that long without a
# low-latency stream open. Until that first wake nothing is recorded at all.
e2e_start_recording() {
    local rawfile=$1 pid
    parec -d "$e2e_sink.monitor" --rate=48000 --channels=1 --format=s16le \
        --latency-msec=20 >"$rawfile" &
    pid=$!
    e2e_track "$pid"
    e2e_recorder=$pid
    e2e_wait_until 5 "$pid" test -s "$rawfile"
}

e2e_stop_recording() {
    kill -INT "$e2e_recorder" 2>/dev/null
    wait "$e2e_recorder" 2>/dev/null
    e2e_untrack "$e2e_recorder"
}

# The ids of the shown windows whose title is exactly the given text.
e2e_windows_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}
