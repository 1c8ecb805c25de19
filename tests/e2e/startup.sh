#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program the way a classroom computer does and checks what a
# pupil sees and hears: the four windows in their places on a 1024 x 768
# screen at 96 DPI, and the success sound, played once.
# Usage: startup.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshot, the recording and the logs.
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

# With the launch's wait, 3 s from the windows to the end of the recording:
# room for the 0.84 s success sound and the server's start of its first stream.
sleep 1
e2e_check "the program is still running after start-up" e2e_running
e2e_shot "$e2e_work/startup.png"
e2e_stop_recording "$e2e_work/startup.wav"
mapfile -t findings < <(e2e_sound_bursts "$e2e_work/startup.wav" 0.25 "$leadin_seconds")
noise=$(printf '%s\n' "${findings[@]}" | awk '$1 == "noise" { print $2 }')
mapfile -t bursts < <(printf '%s\n' "${findings[@]}" | awk '$1 == "burst" { print $2, $3 }')

e2e_check "noise floor ${noise:-unknown}, well under the sound threshold $e2e_sound_threshold" \
    test $((${noise:-$e2e_sound_threshold} * 10)) -lt "$e2e_sound_threshold"
e2e_check "exactly one sound played (start, length in s: ${bursts[*]:-none})" test ${#bursts[@]} -eq 1
for burst in "${bursts[@]}"; do
    read -r start length <<<"$burst"
    e2e_check "the sound at $start s lasts $length s (0.74..0.94 expected)" \
        e2e_between "$length" 0.74 0.94
done

e2e_finish
