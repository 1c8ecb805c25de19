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

# Makes the work folder and takes it for this run: runs started from two
# shells at once share it, so they take turns.
e2e_take_workfolder() {
    local work=$1
    mkdir -p "$work"
    exec 9>"$work/.lock"
    if ! flock -w 120 9; then
        e2e_fail "another run kept $work busy for 2 minutes"
        return 1
    fi
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

# Takes the work folder for this run, waiting while a run started from another
# shell holds it, and clears the named files an earlier run left there. Makes
# a scratch folder, e2e_scratch, that goes with every process started when the
# test ends.
e2e_begin() {
    local work=$1 name
    shift
    e2e_take_workfolder "$work" || exit 1
    for name in "$@"; do rm -f "${work:?}/$name"; done
    e2e_scratch=$(mktemp -d)
    trap 'e2e_stop_all; rm -rf "$e2e_scratch"' EXIT
}

# Starts the program as a classroom computer runs it: on the test's screen and
# sound server, with a home folder of its own and no desktop scaling, its
# output in the log. Sets e2e_program_pid.
e2e_launch() {
    local program=$1 home=$2 logfile=$3
    mkdir -p -m 700 "$home" "$home.runtime"
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI \
        HOME="$home" XDG_RUNTIME_DIR="$home.runtime" QT_QPA_PLATFORM=xcb \
        "$program" >"$logfile" 2>&1 &
    e2e_program_pid=$!
    e2e_track "$e2e_program_pid"
}

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

# A print server of the test's own: its configuration, spool and logs in the
# folder, reachable only through a socket there (no port, no sharing), so it
# never meets the machine's own. Sets CUPS_SERVER for everything the test
# starts afterwards. The folder must be reachable by the lp user, under which
# the print filters run.
e2e_start_cupsd() {
    local root=$1 pid
    # The server will not start without its folders.
    mkdir -p "$root"/{log,ssl,cache,state,spool}
    chmod 755 "$root"
    chmod 700 "$root/spool"
    cat >"$root/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/spool
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
ServerKeychain $root/ssl
CONF
    cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
    pid=$!
    e2e_track "$pid"
    export CUPS_SERVER=$root/cups.sock
    e2e_wait_until 10 "$pid" e2e_cupsd_running
}

e2e_cupsd_running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

# A PDF printer on the test's print server, made the default. The files it
# writes go to the PDF folder in the job's owner's home folder.
e2e_add_pdf_printer() {
    local name=$1 logfile=$2
    lpadmin -p "$name" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        >>"$logfile" 2>&1 && lpadmin -d "$name" >>"$logfile" 2>&1
}

# What a test with a screen and a sound server does first: takes its work folder (test runs
# started from two shells at once share it and take turns), clears what a
# previous run left there, makes a scratch folder (e2e_scratch) removed on
# exit with everything started, checks the tools and the program, and starts
# a 1024 x 768 virtual screen and a sound server. Exits on failure.
# Usage: e2e_begin_with_servers WORK PROGRAM "LEFTOVERS" [EXTRA-TOOL...]
e2e_begin_with_servers() {
    local work=$1 program=$2 leftovers=$3
    shift 3
    # shellcheck disable=SC2086 # the leftovers are a list of names
    e2e_begin "$work" $leftovers jex.log xvfb.log pulseaudio.log

    e2e_require_tools Xvfb xauth xdpyinfo xdotool pulseaudio pactl parec sox import "$@" || exit 1
    if [ ! -x "$program" ]; then
        e2e_fail "the program $program does not exist"
        exit 1
    fi
    e2e_start_xvfb "$work" 1024x768x24 || { e2e_fail "virtual screen did not start"; exit 1; }
    e2e_start_pulseaudio "$e2e_scratch/pulse" "$work/pulseaudio.log" ||
        { e2e_fail "sound server did not start"; exit 1; }
}

# Reads a recording (48 kHz mono WAVE) through soundbursts.awk: prints its
# noise floor and its stretches of sound, with their pitch.
# Usage: e2e_sound_bursts WAVE THRESHOLD LEADIN-SECONDS
e2e_sound_bursts() {
    sox "$1" -t raw -e signed -b 16 - | od -An -v -td2 -w2 |
        awk -v rate=48000 -v threshold="$2" -v gap=0.25 -v leadin="$3" \
            -f "$(dirname "${BASH_SOURCE[0]}")/soundbursts.awk"
}

# Says where the test left its files and exits with its verdict.
e2e_finish() {
    echo "Screenshot, recording and logs: $1"
    if ((e2e_failures > 0)); then
        echo "FAILED: $e2e_failures check(s)"
        exit 1
    fi
    echo "All checks passed"
    exit 0
}
