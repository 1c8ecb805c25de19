#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program the way a classroom computer does and checks what a
# pupil sees and hears: the four windows in their places on a 1024 x 768
# screen at 96 DPI, and the success sound, played once.
# Usage: startup.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the screenshot, the recording and the logs.
set -uo pipefail

program=${1:?usage: startup.sh PROGRAM [WORK-FOLDER]}
work=${2:-$PWD/e2e-startup}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"

# The windows in pixels, the layout's twips divided by 15 and rounded:
# title, left, top, width, height.
expected_windows=(
    "JEX keypad|646|487|378|254"
    "JEX tools|932|0|92|487"
    "JEX|646|0|286|487"
    "JEX drawing|0|0|646|741"
)
window_wait_seconds=20
# Time from the windows appearing to the end of the recording: room for the
# 0.84 s success sound and the server's start-up of its first stream.
sound_wait_seconds=3
leadin_seconds=0.5
sound_threshold=100
sound_shortest=0.74
sound_longest=0.94

e2e_begin_with_servers "$work" "$program" "startup.png startup.wav"
scratch=$e2e_scratch
e2e_start_recording "$scratch/startup.raw" || { e2e_fail "recorder did not start"; exit 1; }
# A stretch of recording before the program runs gives the noise floor.
sleep "$leadin_seconds"

launched=$(date +%s.%N)
e2e_launch "$program" "$scratch/home" "$work/jex.log"
program_pid=$e2e_program_pid

all_windows_shown() {
    local entry
    for entry in "${expected_windows[@]}"; do
        [ -n "$(e2e_windows_titled "${entry%%|*}")" ] || return 1
    done
}

if e2e_wait_until "$window_wait_seconds" "$program_pid" all_windows_shown; then
    shown=$(date +%s.%N)
    e2e_pass "all four windows shown $(awk -v a="$launched" -v b="$shown" \
        'BEGIN { printf "%.2f", b - a }') s after launch"
elif kill -0 "$program_pid" 2>/dev/null; then
    e2e_fail "the four windows were not all shown within $window_wait_seconds s"
else
    e2e_fail "the program ended before its four windows were shown"
fi

for entry in "${expected_windows[@]}"; do
    IFS='|' read -r title left top width height <<<"$entry"
    mapfile -t ids < <(e2e_windows_titled "$title")
    if [ ${#ids[@]} -ne 1 ]; then
        e2e_fail "window \"$title\": expected one shown, found ${#ids[@]}"
        continue
    fi
    declare -A geometry=()
    while IFS='=' read -r key value; do
        geometry[$key]=$value
    done < <(xdotool getwindowgeometry --shell "${ids[0]}")
    actual="at (${geometry[X]-?}, ${geometry[Y]-?}) size ${geometry[WIDTH]-?} x ${geometry[HEIGHT]-?}"
    wanted="at ($left, $top) size $width x $height"
    if [ "$actual" = "$wanted" ]; then
        e2e_pass "window \"$title\" $actual"
    else
        e2e_fail "window \"$title\" $actual, expected $wanted"
    fi
done

sleep "$sound_wait_seconds"
if kill -0 "$program_pid" 2>/dev/null; then
    e2e_pass "the program is still running after start-up"
else
    e2e_fail "the program ended during start-up (see $work/jex.log)"
fi

import -window root "$work/startup.png" 2>/dev/null ||
    e2e_fail "no screenshot could be taken"

e2e_stop_recording
sox -t raw -r 48000 -e signed -b 16 -c 1 "$scratch/startup.raw" "$work/startup.wav"
mapfile -t findings < <(e2e_sound_bursts "$work/startup.wav" "$sound_threshold" "$leadin_seconds")
noise=
bursts=()
for finding in "${findings[@]}"; do
    case $finding in
    noise*) noise=${finding#noise } ;;
    burst*) bursts+=("${finding#burst }") ;;
    esac
done

if [ -z "$noise" ]; then
    e2e_fail "the recording could not be analysed"
elif ((noise * 10 < sound_threshold)); then
    e2e_pass "noise floor $noise, well under the sound threshold $sound_threshold"
else
    e2e_fail "noise floor $noise is too close to the sound threshold $sound_threshold"
fi
if [ ${#bursts[@]} -eq 1 ]; then
    e2e_pass "exactly one sound was played"
else
    e2e_fail "expected exactly one sound, heard ${#bursts[@]}: ${bursts[*]:-none}"
fi
for burst in "${bursts[@]}"; do
    read -r start length _ <<<"$burst"
    if awk -v l="$length" -v lo="$sound_shortest" -v hi="$sound_longest" \
        'BEGIN { exit !(l >= lo && l <= hi) }'; then
        e2e_pass "sound at $start s into the recording lasts $length s"
    else
        e2e_fail "sound at $start s into the recording lasts $length s," \
            "expected $sound_shortest..$sound_longest s"
    fi
done

e2e_finish "$work"
