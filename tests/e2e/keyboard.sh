#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a 1024 x 768 screen, keyed from the computer's keyboard
# as X delivers its keys: the program keyed in lists the same steps as the
# same program saved and given on the command line, and run with G it draws.
# The pen is put down with the mouse: it is not a keypad key.
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

# The same program saved as the save button writes it, given as the argument:
# what its listing shows is what the keyed one must show.
printf '%s\r\n' '"JEX simulator file","me"' '"my program",3' '"F",50' '"R",90' '"F",30' \
    '"DONE",' '"function 1",0' '"DONE",' '"function 2",0' '"DONE",' >"$scratch/saved.jex"
e2e_launch saved "$scratch/saved.jex"
e2e_shot "$e2e_work/saved-listing.png" "JEX"
e2e_stop_program

# Keyed in: forwards 50, right 90, forwards 30, with the pen down; then run
# with G, to its end, when the listing no longer shows the step being run.
e2e_launch keyboard
xdotool mousemove $penon_point click 1 mousemove $rest_point
xdotool key --delay 150 Up 5 0 Right 9 0 Up 3 0
wait_until_still "JEX" 1 || e2e_fail "the listing kept changing"
e2e_shot "$e2e_work/keyboard-listing.png" "JEX"
e2e_check "the keyboard lists the steps the saved program lists" \
    same "$e2e_work/keyboard-listing.png" "$e2e_work/saved-listing.png"
xdotool key g
if until_shot "JEX" "$e2e_work/keyboard-listing.png" differs &&
    until_shot "JEX" "$e2e_work/keyboard-listing.png" same &&
    wait_until_still "JEX drawing" 2; then
    e2e_shot "$e2e_work/keyboard-drawing.png" "JEX drawing"
else
    e2e_fail "G started no run that ended"
fi
# Pixels of the pen's blue in the drawing.
blue=$(stream -map rgb -storage-type char "$e2e_work/keyboard-drawing.png" - 2>/dev/null |
    od -An -v -tu1 -w3 | awk '$1 == 0 && $2 == 0 && $3 == 255 { n++ } END { print n + 0 }')
e2e_check "the keyed program ran and drew $blue pixels of line" test "$blue" -gt 50
e2e_stop_program

e2e_finish
