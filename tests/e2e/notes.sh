#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys notes 0 and 9 with a pause between them on the real keypad, presses GO
# and measures the two notes' pitch in what the sound server played.
# Usage: notes.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshot, the recording and the logs.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The pitch of each note (Hz): its sample rate over 76 samples a cycle.
expected_pitches=(518.2 1160.5)

e2e_begin "${2:-$PWD/e2e-notes}" "${1:?usage: notes.sh PROGRAM [WORK-FOLDER]}"
e2e_start_screen
e2e_start_sound
e2e_launch notes
# note, 0, pause, 5, note, 9, GO
e2e_press 0,3 3,0 1,4 1,1 0,3 0,2 3,2
sleep 6
e2e_shot "$e2e_work/notes.png"
e2e_check "the program is still running after the notes" e2e_running
e2e_stop_recording "$e2e_work/notes.wav"

# Notes last 0.1 s; the success sounds are longer.
pitches=()
while read -r kind start length pitch; do
    [ "$kind" = burst ] && e2e_between "$length" 0 0.3 || continue
    pitches+=("$pitch")
    e2e_pass "a note at $start s lasting $length s"
done < <(e2e_sound_bursts "$e2e_work/notes.wav" 0.25)

e2e_check "two notes heard (${pitches[*]:-none})" test ${#pitches[@]} -eq 2
for i in "${!pitches[@]}"; do
    wanted=${expected_pitches[i]-0}
    e2e_check "note $((i == 0 ? 0 : 9)) heard at ${pitches[i]} Hz, expected $wanted Hz within 1 %" \
        e2e_between "${pitches[i]}" "$(awk -v w="$wanted" 'BEGIN { print w * 0.99 }')" \
        "$(awk -v w="$wanted" 'BEGIN { print w * 1.01 }')"
done

e2e_finish
