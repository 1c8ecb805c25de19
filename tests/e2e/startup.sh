#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program the way a classroom computer does and checks what a
# pupil sees and hears: the four windows in their places on a 1024 x 768
# screen at 96 DPI, the success sound played once; notes 0 and 9 keyed on the
# real keypad and run, heard at their pitch. Then started with --zoom 150, as
# the desktop entry's "for a projector" starts it, and left with exit, which
# ends it at once with nothing to save. A save and a load through the real
# file dialogs are the screen-reader lesson's (screenreader.py).
# Usage: startup.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshots, the recording and the logs.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The windows in pixels, the layout's twips divided by 15 and rounded:
# title|left top width height.
expected_windows=(
    "JEX keypad|646 487 378 254"
    "JEX tools|932 0 92 487"
    "JEX|646 0 286 487"
    "JEX drawing|0 0 646 741"
)
# The sounds heard, in order: what|shortest|longest (s)|pitch (Hz, 0 for
# any). A note's pitch is its sample rate over 76 samples a cycle.
expected_sounds=(
    "the start-up's success sound|0.74|0.94|0"
    "note 0|0|0.3|518.2"
    "note 9|0|0.3|1160.5"
    "the run's success sound|0.74|0.94|0"
)
# A stretch of recording before the program runs gives the noise floor.
leadin_seconds=0.5

e2e_begin "${2:-$PWD/e2e-startup}" "${1:?usage: startup.sh PROGRAM [WORK-FOLDER]}"
e2e_start_screen
e2e_start_sound
sleep "$leadin_seconds"
e2e_launch startup

for entry in "${expected_windows[@]}"; do
    title=${entry%%|*}
    wanted=${entry#*|}
    mapfile -t ids < <(e2e_windows_titled "$title")
    if [ ${#ids[@]} -ne 1 ]; then
        e2e_fail "window \"$title\": expected one shown, found ${#ids[@]}"
        continue
    fi
    actual=$(e2e_geometry "$title")
    e2e_check "window \"$title\" at left top width height $actual (expected $wanted)" \
        test "$actual" = "$wanted"
done

# note, 0, pause, 5, note, 9, GO; the run ends with "finished!", eight ticks
# and its success sound.
e2e_press 0,3 3,0 1,4 1,1 0,3 0,2 3,2
sleep 4
e2e_check "the program is still running after start-up and the notes" e2e_running
e2e_shot "$e2e_work/startup.png"
e2e_stop_recording "$e2e_work/startup.wav"
mapfile -t findings < <(e2e_sound_bursts "$e2e_work/startup.wav" 0.25 "$leadin_seconds")
noise=$(printf '%s\n' "${findings[@]}" | awk '$1 == "noise" { print $2 }')
mapfile -t bursts < <(printf '%s\n' "${findings[@]}" | awk '$1 == "burst" { print $2, $3, $4 }')

e2e_check "noise floor ${noise:-unknown}, well under the sound threshold $e2e_sound_threshold" \
    test $((${noise:-$e2e_sound_threshold} * 10)) -lt "$e2e_sound_threshold"
e2e_check "${#expected_sounds[@]} sounds heard (start s, length s, pitch Hz: ${bursts[*]:-none})" \
    test ${#bursts[@]} -eq ${#expected_sounds[@]}
for i in "${!bursts[@]}"; do
    IFS='|' read -r what shortest longest pitch <<<"${expected_sounds[i]-sound too many|0|0|0}"
    read -r start length heard <<<"${bursts[i]}"
    e2e_check "$what at $start s lasts $length s ($shortest..$longest s expected)" \
        e2e_between "$length" "$shortest" "$longest"
    [ "$pitch" = 0 ] && continue
    read -r low high < <(awk -v w="$pitch" 'BEGIN { print w * 0.99, w * 1.01 }')
    e2e_check "$what heard at $heard Hz, expected $pitch Hz within 1 %" \
        e2e_between "$heard" "$low" "$high"
done

e2e_stop_program

# For a projector: on a 1024 x 768 screen the windows are the layout of a
# screen 150 % smaller, drawn one and a half times larger, still filling the
# screen's width. That the toolkit is told so before it starts is main's.
e2e_launch zoom --zoom 150
read -r left top width height < <(e2e_geometry "JEX keypad")
e2e_check "zoomed, the keypad is 567 x 381 ($width x $height)" test "$width $height" = "567 381"
# 1024 / 1.5 is no whole number of pixels: the layout's screen is rounded to
# 683 wide, which may put the edge half a pixel either way.
e2e_check "it sits at the right edge ($((left + width)))" \
    e2e_between "$((left + width))" 1023 1025
read -r left top width height < <(e2e_geometry "JEX drawing")
e2e_check "the drawing window starts at the left edge ($left)" test "$left" = 0
e2e_shot "$e2e_work/zoom.png"
# Nothing keyed: exit (across the top of the listing's window) ends the
# program without asking.
e2e_click_in "$(e2e_windows_titled JEX | head -n 1)" 90 22
e2e_check "exit with nothing to save ends the program at once" e2e_wait_until 5 $$ e2e_ended

e2e_finish
