# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the end-to-end tests: a private virtual screen, sound server and
# print server for each test, so tests never meet each other or a desktop
# session; the program started and worked as a pupil does; and the PASS/FAIL
# bookkeeping. Everything started here is stopped by e2e_stop_all, which the
# test's EXIT trap calls.

e2e_pids=()
e2e_failures=0
e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_windows=("JEX keypad" "JEX tools" "JEX" "JEX drawing")
# The program speaks English unless a test sets a locale here, as NAME=VALUE
# assignments (LANG=de_DE.UTF-8); its windows' titles are then that language's.
e2e_locale=()
# Samples louder than this are sound; the null sink's floor is near zero.
e2e_sound_threshold=100

e2e_pass() { echo "PASS: $*"; }
e2e_fail() {
    echo "FAIL: $*"
    e2e_failures=$((e2e_failures + 1))
}
e2e_die() {
    e2e_fail "$@"
    exit 1
}
# e2e_check DESCRIPTION COMMAND...: a pass or a failure, as the command ends.
e2e_check() {
    local what=$1
    shift
    "$@" && e2e_pass "$what" && return
    e2e_fail "$what"
    return 1
}
# e2e_between NUMBER LOW HIGH: whether the decimal number lies in the range.
e2e_between() { awk -v n="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(n >= lo && n <= hi) }'; }
# Seconds since a time taken with `date +%s.%N`, to two places.
e2e_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }'; }

e2e_require_tools() {
    local tool missing=0
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 && continue
        e2e_fail "$tool is not installed (scripts/install-deps installs it)"
        missing=1
    done
    return $missing
}

# What every test does first: takes its work folder (runs started from two
# shells at once share it, so they take turns), clears what an earlier run
# left there, makes a scratch folder (e2e_scratch) removed on exit with
# everything started, and checks the program and the tools. Exits on failure.
# Usage: e2e_begin WORK PROGRAM [TOOL...]
e2e_begin() {
    e2e_work=$1 e2e_program=$2
    shift 2
    mkdir -p "$e2e_work"
    exec 9>"$e2e_work/.lock"
    flock -w 120 9 || e2e_die "another run kept $e2e_work busy for 2 minutes"
    rm -f "${e2e_work:?}"/*.{png,wav,pdf,log}
    e2e_scratch=$(mktemp -d)
    trap 'e2e_stop_all; rm -rf "$e2e_scratch"' EXIT
    e2e_require_tools "$@" || exit 1
    [ -x "$e2e_program" ] || e2e_die "the program $e2e_program does not exist"
}

e2e_track() { e2e_pids+=("$1"); }
e2e_untrack() {
    local pid kept=()
    for pid in "${e2e_pids[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
    e2e_pids=("${kept[@]}")
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

# Milliseconds of the real-time clock (bash's own, no process started).
e2e_now_ms() {
    local now=${EPOCHREALTIME//[.,]/}
    echo $((now / 1000))
}

# Waits until the command succeeds, polling every 0.1 s, for at most the
# given number of seconds (a decimal number), measured on the clock rather
# than in whole seconds. Gives up early when the watched process has died.
e2e_wait_until() {
    local seconds=$1 watched=$2
    shift 2
    local deadline=$(($(e2e_now_ms) + $(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')))
    until "$@" >/dev/null 2>&1; do
        (($(e2e_now_ms) < deadline)) || return 1
        kill -0 "$watched" 2>/dev/null || return 1
        sleep 0.1
    done
}

# e2e_run_bare [NAME=VALUE... --] ARGUMENT...: the program from a terminal,
# in the scratch folder with a home there, with no desktop (unless DISPLAY=...
# is among the assignments) and in English (unless a locale is). Sets status,
# out (standard output) and err (standard error).
e2e_run_bare() {
    local assignments=()
    while [ $# -gt 0 ] && [[ $1 == [A-Z]*=* ]]; do assignments+=("$1") && shift; done
    [ "${1-}" = -- ] && shift
    mkdir -p "$e2e_scratch/home"
    (cd "$e2e_scratch" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE \
        -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "${assignments[@]}" HOME="$e2e_scratch/home" \
        timeout 60 "$e2e_program" "$@" >"$e2e_scratch/out" 2>"$e2e_scratch/err")
    status=$?
    out=$(<"$e2e_scratch/out")
    err=$(<"$e2e_scratch/err")
}

# e2e_matches DESCRIPTION TEXT PATTERN: a pass when the text matches.
e2e_matches() {
    if grep -Eq -- "$3" <<<"$2"; then e2e_pass "$1"; else e2e_fail "$1: not /$3/ in: $2"; fi
}

# A 1024 x 768 screen at 96 DPI on the first free display number, with an
# authorisation cookie of its own and no window manager, so the keyboard
# follows the pointer; it stays up between one program and the next
# (-noreset). Sets DISPLAY and XAUTHORITY for everything started afterwards.
e2e_start_screen() {
    local number pid
    e2e_require_tools Xvfb xauth xdpyinfo xdotool import || exit 1
    export XAUTHORITY=$e2e_work/xauthority
    for number in $(seq 90 189); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        : >"$XAUTHORITY"
        xauth -q -f "$XAUTHORITY" add ":$number" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
        Xvfb ":$number" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset -auth "$XAUTHORITY" \
            >"$e2e_work/xvfb.log" 2>&1 &
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
    e2e_die "virtual screen did not start"
}

# A sound server reachable only through its own socket, with one null sink,
# keeping its cookie and state in the scratch folder; and a recording of the
# sink's monitor as raw 16-bit mono at 48 kHz, returning once samples arrive.
# An idle null sink renders in blocks of about 2 s; a silent low-latency
# stream keeps it rendering, so the recording holds each sound whole and at
# its true length. Sets PULSE_SERVER for everything started afterwards.
e2e_start_sound() {
    local rundir=$e2e_scratch/pulse pid
    e2e_require_tools pulseaudio pactl parec pacat sox || exit 1
    mkdir -m 700 "$rundir"
    HOME=$rundir XDG_RUNTIME_DIR=$rundir pulseaudio --daemonize=no -n --exit-idle-time=-1 \
        --use-pid-file=no --log-target="file:$e2e_work/pulseaudio.log" \
        --load="module-native-protocol-unix socket=$rundir/native auth-anonymous=1" \
        --load="module-null-sink sink_name=jexnull rate=48000 channels=1" >/dev/null 2>&1 &
    pid=$!
    e2e_track "$pid"
    export PULSE_SERVER=unix:$rundir/native
    e2e_wait_until 10 "$pid" pactl info || e2e_die "sound server did not start"
    pacat --latency-msec=20 --rate=48000 --channels=1 --format=s16le /dev/zero &
    e2e_track $!
    parec -d jexnull.monitor --rate=48000 --channels=1 --format=s16le --latency-msec=20 \
        >"$e2e_scratch/recording.raw" &
    e2e_recorder=$!
    e2e_track "$e2e_recorder"
    e2e_wait_until 5 "$e2e_recorder" test -s "$e2e_scratch/recording.raw" ||
        e2e_die "recorder did not start"
}

# Ends the recording and keeps it as a 48 kHz mono WAVE file.
e2e_stop_recording() {
    kill -INT "$e2e_recorder" 2>/dev/null
    wait "$e2e_recorder" 2>/dev/null
    e2e_untrack "$e2e_recorder"
    sox -t raw -r 48000 -e signed -b 16 -c 1 "$e2e_scratch/recording.raw" "$1"
}

# Reads a recording through soundbursts.awk: prints its noise floor and its
# stretches of sound, with their pitch.
# Usage: e2e_sound_bursts WAVE GAP-SECONDS [LEADIN-SECONDS]
e2e_sound_bursts() {
    sox "$1" -t raw -e signed -b 16 - | od -An -v -td2 -w2 |
        awk -v rate=48000 -v threshold="$e2e_sound_threshold" -v gap="$2" -v leadin="${3:-0}" \
            -f "$e2e_here/soundbursts.awk"
}

# A print server of the test's own: its configuration, spool and logs in the
# scratch folder, reachable only through a socket there (no port, no
# sharing), so it never meets the machine's own; with a PDF printer as the
# default, which writes its files to the PDF folder in the job's owner's
# home. The print filters run as the lp user and must reach the folder. Sets
# CUPS_SERVER for everything started afterwards. Exits on failure.
# Usage: e2e_start_printer NAME
e2e_start_printer() {
    local root=$e2e_scratch/cups pid
    e2e_require_tools cupsd lpadmin lpstat || exit 1
    chmod 711 "$e2e_scratch"
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
    if ! e2e_wait_until 10 "$pid" e2e_cupsd_running; then
        cp "$root/log/"* "$e2e_work/" 2>/dev/null
        e2e_die "print server did not start"
    fi
    lpadmin -p "$1" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        >>"$e2e_work/cups.log" 2>&1 && lpadmin -d "$1" >>"$e2e_work/cups.log" 2>&1 ||
        e2e_die "PDF printer not added"
}

e2e_cupsd_running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

# The ids of the shown windows whose title is exactly the given text.
e2e_windows_titled() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}

# Starts the program as a classroom computer runs it: on the test's screen
# and sound server (without one every sound fails at once, silently), with no
# desktop scaling and a home folder of its own, e2e_scratch/NAME, which the
# test may fill first; its output goes to NAME.log in the work folder. Waits
# for its four windows and for the start-up sound to be over, as the keys and
# buttons answer only then. Sets e2e_program_pid.
# Usage: e2e_launch NAME [ARGUMENT...]
e2e_launch() {
    local name=$1 home=$e2e_scratch/$1 started title
    shift
    mkdir -p -m 700 "$home" "$home.runtime"
    started=$(date +%s.%N)
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
        LANG=C.UTF-8 "${e2e_locale[@]}" \
        HOME="$home" XDG_RUNTIME_DIR="$home.runtime" QT_QPA_PLATFORM=xcb \
        PULSE_SERVER="${PULSE_SERVER:-unix:$e2e_scratch/no-sound-server}" \
        "$e2e_program" "$@" >"$e2e_work/$name.log" 2>&1 &
    e2e_program_pid=$!
    e2e_track "$e2e_program_pid"
    for title in "${e2e_windows[@]}"; do
        e2e_wait_until 20 "$e2e_program_pid" e2e_windows_titled "$title" && continue
        e2e_running || e2e_die "$name: the program ended before its windows were shown"
        e2e_die "$name: window \"$title\" was not shown within 20 s"
    done
    e2e_pass "$name: the four windows shown $(e2e_since "$started") s after launch"
    sleep 2
}

# A window manager on the test's screen, for what only stacking and focus
# show: it frames the windows and puts a clicked window on top. Without one
# the keyboard follows the pointer and nothing is ever raised.
e2e_start_window_manager() {
    local pid
    e2e_require_tools openbox xprop || exit 1
    openbox --sm-disable >"$e2e_work/openbox.log" 2>&1 &
    pid=$!
    e2e_track "$pid"
    e2e_wait_until 10 "$pid" e2e_window_manager_running || e2e_die "window manager did not start"
}
e2e_window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

e2e_running() { kill -0 "$e2e_program_pid" 2>/dev/null; }
e2e_ended() { ! e2e_running; }

e2e_stop_program() {
    kill -TERM "$e2e_program_pid" 2>/dev/null
    wait "$e2e_program_pid" 2>/dev/null
    e2e_untrack "$e2e_program_pid"
}

# e2e_geometry TITLE: "left top width height" of the shown window so titled.
e2e_geometry() {
    xdotool getwindowgeometry --shell "$(e2e_windows_titled "$1" | head -n 1)" |
        awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }'
}

# e2e_click X Y: a click in screen pixels, and a moment for the program to
# answer it.
e2e_click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
}

# e2e_click_in WINDOW X Y: a click inside a window, wherever a window
# manager has put it.
e2e_click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# e2e_press ROW,COLUMN...: keypad keys clicked in their middles. The keypad's
# inside starts at (646, 487); its keys are 56 pixels with 6-pixel gaps.
e2e_press() {
    local key
    for key in "$@"; do
        e2e_click $((646 + 34 + 62 * ${key#*,})) $((487 + 34 + 62 * ${key%,*}))
    done
}

# e2e_shot FILE [TITLE]: what the window with that title shows, or the whole
# screen.
e2e_shot() {
    local window=root
    [ -z "${2-}" ] || window=$(e2e_windows_titled "$2" | head -n 1)
    import -window "$window" "$1" 2>/dev/null || e2e_fail "no screenshot could be taken"
}

# Says where the test left its files and exits with its verdict.
e2e_finish() {
    echo "Screenshots, recordings and logs: $e2e_work"
    if ((e2e_failures > 0)); then
        echo "FAILED: $e2e_failures check(s)"
        exit 1
    fi
    echo "All checks passed"
    exit 0
}
