#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a 1024 x 768 screen, worked as a pupil works it:
# - a program keyed in entirely on the computer's keyboard lists the same
#   steps and, run with G, draws the same lines as the same program clicked
#   in on the keypad and run with a click on GO;
# - started with a saved .jex file it lists that program's steps;
# - started with a file that is no program it shows its message and no steps.
# The pen is put down with the mouse in both runs: it is not a keypad key.
# Usage: keyboard.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshots and the logs.
set -uo pipefail

program=${1:?usage: keyboard.sh PROGRAM [WORK-FOLDER]}
work=${2:-$PWD/e2e-keyboard}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"

window_wait_seconds=20
run_wait_seconds=60
# Where the pupil's pointer goes: the keypad's window on the screen, its keys
# 56 pixels with 6-pixel gaps; the tools window's pen-on button; the keypad's
# margin, where no key shows a tool tip. With no window manager the keyboard
# goes to the window under the pointer.
keypad_left=646
keypad_top=487
penon_point="958 351"
rest_point="649 490"

mkdir -p "$work"
exec 9>"$work/.lock"
if ! flock -w 120 9; then
    e2e_fail "another run kept $work busy for 2 minutes"
    exit 1
fi
rm -f "$work"/*.png "$work"/*.log
scratch=$(mktemp -d)
trap 'e2e_stop_all; rm -rf "$scratch"' EXIT

e2e_require_tools Xvfb xauth xdpyinfo xdotool import compare stream || exit 1
if [ ! -x "$program" ]; then
    e2e_fail "the program $program does not exist"
    exit 1
fi
e2e_start_xvfb "$work" 1024x768x24 || { e2e_fail "virtual screen did not start"; exit 1; }

# Starts the program in a fresh home with the given arguments and waits for
# its four windows. No sound server: every sound fails at once, silently.
start_program() {
    local name=$1
    shift
    xdotool mousemove $rest_point
    mkdir -m 700 -p "$scratch/$name/home" "$scratch/$name/runtime"
    env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI \
        HOME="$scratch/$name/home" XDG_RUNTIME_DIR="$scratch/$name/runtime" \
        PULSE_SERVER="unix:$scratch/no-sound-server" QT_QPA_PLATFORM=xcb \
        "$program" "$@" >"$work/$name.log" 2>&1 &
    program_pid=$!
    e2e_track "$program_pid"
    local title
    for title in "JEX keypad" "JEX tools" "JEX" "JEX drawing"; do
        if ! e2e_wait_until "$window_wait_seconds" "$program_pid" e2e_windows_titled "$title"; then
            e2e_fail "$name: window \"$title\" was not shown"
            return 1
        fi
    done
    sleep 1
}

stop_program() {
    kill -TERM "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    e2e_untrack "$program_pid"
}

# shot TITLE FILE: what the window shows.
shot() {
    import -window "$(e2e_windows_titled "$1" | head -1)" "$2" 2>/dev/null
}

# wait_until_still TITLE SECONDS: the window has not changed for that long.
wait_until_still() {
    local deadline=$((SECONDS + run_wait_seconds)) still_since=$SECONDS
    shot "$1" "$scratch/before.png"
    while ((SECONDS < deadline)); do
        sleep 0.5
        shot "$1" "$scratch/now.png"
        if ! same "$scratch/before.png" "$scratch/now.png"; then
            still_since=$SECONDS
            mv "$scratch/now.png" "$scratch/before.png"
        elif ((SECONDS - still_since >= $2)); then
            return 0
        fi
    done
    return 1
}

# until_shot TITLE IMAGE same|differs: the window shows that image, or no
# longer shows it.
until_shot() {
    local deadline=$((SECONDS + run_wait_seconds)) now
    while ((SECONDS < deadline)); do
        shot "$1" "$scratch/now.png"
        now=differs
        same "$scratch/now.png" "$2" && now=same
        [ "$now" = "$3" ] && return 0
        sleep 0.2
    done
    return 1
}

# Keys the program in, then runs it and waits for the run's end, when the
# listing no longer shows the step being run: its listing before the run and
# the drawing after it are kept as NAME-listing.png and NAME-drawing.png.
key_in_and_run() {
    local name=$1 keys=$2 run=$3
    $keys
    wait_until_still "JEX" 1 || e2e_fail "$name: the listing kept changing"
    shot "JEX" "$work/$name-listing.png"
    $run
    if until_shot "JEX" "$work/$name-listing.png" differs &&
        until_shot "JEX" "$work/$name-listing.png" same &&
        wait_until_still "JEX drawing" 2; then
        shot "JEX drawing" "$work/$name-drawing.png"
    else
        e2e_fail "$name: the run did not start and end"
    fi
}

same() {
    local differing
    differing=$(compare -metric AE "$1" "$2" null: 2>&1)
    [ "$differing" = 0 ]
}

# Pixels of the pen's blue in a screenshot.
blue_pixels() {
    stream -map rgb -storage-type char "$1" - | od -An -v -tu1 -w3 |
        awk '$1 == 0 && $2 == 0 && $3 == 255 { n++ } END { print n + 0 }'
}

# click_key ROW COLUMN: a key of the keypad, clicked in its middle.
click_key() {
    xdotool mousemove $((keypad_left + 6 + 62 * $2 + 28)) $((keypad_top + 6 + 62 * $1 + 28)) \
        click 1
    sleep 0.15
}

# check_same DESCRIPTION IMAGE IMAGE
check_same() {
    if same "$2" "$3"; then
        e2e_pass "$1"
    else
        e2e_fail "$1: $(basename "$2") and $(basename "$3") differ"
    fi
}

# The program: forwards 50, right 90, forwards 30, with the pen down.
type_program() { xdotool key --delay 150 Up 5 0 Right 9 0 Up 3 0; }
type_go() { xdotool key g; }
click_program() {
    local key
    for key in "0 4" "1 1" "3 0" "1 5" "0 2" "3 0" "0 4" "2 2" "3 0"; do
        click_key $key
    done
    xdotool mousemove $rest_point
}
click_go() {
    click_key 3 2
    xdotool mousemove $rest_point
}

if start_program keyboard; then
    shot "JEX" "$work/plain-listing.png"
    shot "JEX drawing" "$work/plain-drawing.png"
    xdotool mousemove $penon_point click 1
    xdotool mousemove $rest_point
    key_in_and_run keyboard type_program type_go
    stop_program
fi

if start_program mouse; then
    xdotool mousemove $penon_point click 1
    key_in_and_run mouse click_program click_go
    stop_program
fi

check_same "the keyboard lists the same steps as the mouse" \
    "$work/keyboard-listing.png" "$work/mouse-listing.png"
blue=$(blue_pixels "$work/keyboard-drawing.png")
if ((blue > 50)); then
    e2e_pass "the keyed program ran and drew $blue pixels of line"
else
    e2e_fail "the keyed program drew no line ($blue pixels)"
fi
check_same "the keyed program drew the same lines as the clicked one" \
    "$work/keyboard-drawing.png" "$work/mouse-drawing.png"

# A file saved with the same program, as the save button writes it.
printf '%s\r\n' '"JEX simulator file","me"' '"my program",3' '"F",50' '"R",90' '"F",30' \
    '"DONE",' '"function 1",0' '"DONE",' '"function 2",0' '"DONE",' >"$scratch/saved.jex"
if start_program saved "$scratch/saved.jex"; then
    shot "JEX" "$work/saved-listing.png"
    stop_program
    check_same "started with a saved file, it lists that program" \
        "$work/saved-listing.png" "$work/keyboard-listing.png"
fi

printf '%s\r\n' '"a shopping list","me"' '"eggs",3' >"$scratch/malformed.jex"
if start_program malformed "$scratch/malformed.jex"; then
    shot "JEX" "$work/malformed-listing.png"
    shot "JEX drawing" "$work/malformed-drawing.png"
    stop_program
    check_same "started with a file that is no program, it lists nothing" \
        "$work/malformed-listing.png" "$work/plain-listing.png"
    if ! same "$work/malformed-drawing.png" "$work/plain-drawing.png"; then
        e2e_pass "started with a file that is no program, it shows a message"
    else
        e2e_fail "started with a file that is no program, nothing was shown"
    fi
fi

echo "Screenshots and logs: $work"
if ((e2e_failures > 0)); then
    echo "FAILED: $e2e_failures check(s)"
    exit 1
fi
echo "All checks passed"
