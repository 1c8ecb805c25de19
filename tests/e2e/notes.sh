#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys notes 0 and 9 with a pause between them on the real keypad, presses GO
# and measures the two notes' pitch in what the sound server played.
# Usage: notes.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshot, the recording and the logs.
set -uo pipefail

program=${1:?usage: notes.sh PROGRAM [WORK-FOLDER]}
work=${2:-$PWD/e2e-notes}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"

# The pitch of each note (Hz): its sample rate over 76 samples a cycle.
expected_pitches=(518.2 1160.5)
tolerance_percent=1
# On a 1024 x 768 screen with no window manager the keypad's inside starts at
# (646, 487); a key in row r and column c has its middle 34 + 62 c pixels to
# the right and 34 + 62 r pixels down.
keypad_left=646
keypad_top=487
window_wait_seconds=20
startup_sound_seconds=2
run_seconds=6
sound_threshold=100
# Notes last 0.1 s; the success sounds are longer.
note_longest=0.3

e2e_begin_with_servers "$work" "$program" "notes.png notes.wav" pacat
scratch=$e2e_scratch
# An idle null sink renders in blocks of about 2 s; a silent low-latency
# stream keeps it rendering, so the recording is one continuous piece.
pacat --latency-msec=20 --rate=48000 --channels=1 --format=s16le /dev/zero &
e2e_track $!
e2e_start_recording "$scratch/notes.raw" || { e2e_fail "recorder did not start"; exit 1; }

e2e_launch "$program" "$scratch/home" "$work/jex.log"
if ! e2e_wait_until "$window_wait_seconds" "$e2e_program_pid" e2e_windows_titled "JEX keypad"; then
    e2e_fail "the keypad window was not shown within $window_wait_seconds s"
    exit 1
fi
sleep "$startup_sound_seconds"

press() {
    local key row column
    for key in "$@"; do
        IFS=, read -r row column <<<"$key"
        xdotool mousemove $((keypad_left + 34 + 62 * column)) $((keypad_top + 34 + 62 * row)) click 1
        sleep 0.1
    done
}
# note, 0, pause, 5, note, 9, GO
press 0,3 3,0 1,4 1,1 0,3 0,2 3,2
sleep "$run_seconds"
import -window root "$work/notes.png" 2>/dev/null || e2e_fail "no screenshot could be taken"
kill -0 "$e2e_program_pid" 2>/dev/null || e2e_fail "the program ended (see $work/jex.log)"

e2e_stop_recording
sox -t raw -r 48000 -e signed -b 16 -c 1 "$scratch/notes.raw" "$work/notes.wav"
pitches=()
while read -r kind start length pitch; do
    [ "$kind" = burst ] || continue
    if awk -v l="$length" -v most="$note_longest" 'BEGIN { exit !(l <= most) }'; then
        pitches+=("$pitch")
        e2e_pass "a note at $start s lasting $length s"
    fi
done < <(e2e_sound_bursts "$work/notes.wav" "$sound_threshold" 0)

if [ ${#pitches[@]} -ne ${#expected_pitches[@]} ]; then
    e2e_fail "expected ${#expected_pitches[@]} notes, heard ${#pitches[@]}: ${pitches[*]:-none}"
else
    for i in "${!expected_pitches[@]}"; do
        wanted=${expected_pitches[i]}
        heard=${pitches[i]}
        if awk -v h="$heard" -v w="$wanted" -v p="$tolerance_percent" \
            'BEGIN { d = h - w; if (d < 0) d = -d; exit !(d * 100 <= w * p) }'; then
            e2e_pass "note $((i == 0 ? 0 : 9)) heard at $heard Hz (expected $wanted Hz)"
        else
            e2e_fail "note $((i == 0 ? 0 : 9)) heard at $heard Hz, expected $wanted Hz within $tolerance_percent %"
        fi
    done
fi

e2e_finish "$work"
