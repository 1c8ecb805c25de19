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
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The tools window's pen-on button, and the keypad's margin where no key
# shows a tool tip: the keyboard goes to the window under the pointer.
penon_point="958 351"
rest_point="649 490"

e2e_begin "${2:-$PWD/e2e-keyboard}" "${1:?usage: keyboard.sh PROGRAM [WORK-FOLDER]}" \
    compare stream
e2e_start_screen
scratch=$e2e_scratch
xdotool mousemove $rest_point

same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
differ() { ! same "$@"; }
# shoot_windows NAME: what the listing and the drawing show, kept as
# NAME-listing.png and NAME-drawing.png.
shoot_windows() {
    e2e_shot "$e2e_work/$1-listing.png" "JEX"
    e2e_shot "$e2e_work/$1-drawing.png" "JEX drawing"
}

# wait_until_still TITLE SECONDS: the window has not changed for that long.
wait_until_still() {
    local deadline=$(($(e2e_now_ms) + 60000)) still_since
    still_since=$(e2e_now_ms)
    e2e_shot "$scratch/before.png" "$1"
    while (($(e2e_now_ms) < deadline)); do
        sleep 0.5
        e2e_shot "$scratch/now.png" "$1"
        if ! same "$scratch/before.png" "$scratch/now.png"; then
            still_since=$(e2e_now_ms)
            mv "$scratch/now.png" "$scratch/before.png"
        elif (($(e2e_now_ms) - still_since >= $2 * 1000)); then
            return 0
        fi
    done
    return 1
}

# until_shot TITLE IMAGE same|differs: the window shows that image, or no
# longer shows it.
until_shot() {
    local deadline=$(($(e2e_now_ms) + 60000)) now
    while (($(e2e_now_ms) < deadline)); do
        e2e_shot "$scratch/now.png" "$1"
        now=differs
        same "$scratch/now.png" "$2" && now=same
        [ "$now" = "$3" ] && return 0
        sleep 0.2
    done
    return 1
}

# Starts the program (its windows kept as NAME-start-*.png), puts the pen
# down, keys the program in, then runs it and waits for the run's end, when
# the listing no longer shows the step being run: its listing before the run
# and the drawing after it are kept as NAME-listing.png and NAME-drawing.png.
key_in_and_run() {
    local name=$1 keys=$2 run=$3
    e2e_launch "$name"
    shoot_windows "$name-start"
    xdotool mousemove $penon_point click 1 mousemove $rest_point
    $keys
    wait_until_still "JEX" 1 || e2e_fail "$name: the listing kept changing"
    e2e_shot "$e2e_work/$name-listing.png" "JEX"
    $run
    if until_shot "JEX" "$e2e_work/$name-listing.png" differs &&
        until_shot "JEX" "$e2e_work/$name-listing.png" same &&
        wait_until_still "JEX drawing" 2; then
        e2e_shot "$e2e_work/$name-drawing.png" "JEX drawing"
    else
        e2e_fail "$name: the run did not start and end"
    fi
    e2e_stop_program
}

# The program: forwards 50, right 90, forwards 30, with the pen down.
type_program() { xdotool key --delay 150 Up 5 0 Right 9 0 Up 3 0; }
type_go() { xdotool key g; }
click_program() {
    e2e_press 0,4 1,1 3,0 1,5 0,2 3,0 0,4 2,2 3,0
    xdotool mousemove $rest_point
}
click_go() {
    e2e_press 3,2
    xdotool mousemove $rest_point
}

# Pixels of the pen's blue in a screenshot.
blue_pixels() {
    stream -map rgb -storage-type char "$1" - | od -An -v -tu1 -w3 |
        awk '$1 == 0 && $2 == 0 && $3 == 255 { n++ } END { print n + 0 }'
}

key_in_and_run keyboard type_program type_go
key_in_and_run mouse click_program click_go
e2e_check "the keyboard lists the same steps as the mouse" \
    same "$e2e_work/keyboard-listing.png" "$e2e_work/mouse-listing.png"
blue=$(blue_pixels "$e2e_work/keyboard-drawing.png")
e2e_check "the keyed program ran and drew $blue pixels of line" test "$blue" -gt 50
e2e_check "the keyed program drew the same lines as the clicked one" \
    same "$e2e_work/keyboard-drawing.png" "$e2e_work/mouse-drawing.png"

# A file saved with the same program, as the save button writes it, and a
# file that is no program, each given as the argument.
printf '%s\r\n' '"JEX simulator file","me"' '"my program",3' '"F",50' '"R",90' '"F",30' \
    '"DONE",' '"function 1",0' '"DONE",' '"function 2",0' '"DONE",' >"$scratch/saved.jex"
printf '%s\r\n' '"a shopping list","me"' '"eggs",3' >"$scratch/malformed.jex"
for name in saved malformed; do
    e2e_launch "$name" "$scratch/$name.jex"
    shoot_windows "$name"
    e2e_stop_program
done
e2e_check "started with a saved file, it lists that program" \
    same "$e2e_work/saved-listing.png" "$e2e_work/keyboard-listing.png"
e2e_check "started with a file that is no program, it lists nothing" \
    same "$e2e_work/malformed-listing.png" "$e2e_work/keyboard-start-listing.png"
e2e_check "started with a file that is no program, it shows a message" \
    differ "$e2e_work/malformed-drawing.png" "$e2e_work/keyboard-start-drawing.png"

e2e_finish
