#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program with a defaults file and checks that its steps are
# in the listing; then saves through the real file dialog, typing a name as a
# pupil does, and compares the file on disk byte for byte; then leaves.
# Usage: files.sh PROGRAM [WORK-FOLDER]
set -uo pipefail

program=${1:?usage: files.sh PROGRAM [WORK-FOLDER]}
work=${2:-$PWD/e2e-files}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"

# Where the layout puts things on a 1024 x 768 screen without a window
# manager, in screen pixels: the save button's middle, the exit button's
# middle, and the listing box.
save_button=(270 664)
exit_button=(789 16)
listing=(646 67 286 420) # left top width height
wait_seconds=20

e2e_take_workfolder "$work" || exit 1
rm -f "$work"/{listing.png,dialog.png,jex.log,xvfb.log}
scratch=$(mktemp -d)
trap 'e2e_stop_all; rm -rf "$scratch"' EXIT

e2e_require_tools Xvfb xauth xdpyinfo xdotool import convert cmp || exit 1
if [ ! -x "$program" ]; then
    e2e_fail "the program $program does not exist"
    exit 1
fi
e2e_start_xvfb "$work" 1024x768x24 || { e2e_fail "virtual screen did not start"; exit 1; }

# The defaults file: four steps in the main program, whose name and author
# the start-up replaces by "my program" and "me".
home=$scratch/home
mkdir -p "$home/dorvane/jex/programs/defaults" "$scratch/runtime"
chmod 700 "$scratch/runtime"
defaults_lines=('"JEX simulator file","me"' '"triangle",4' '"F",10' '"R",120' '"PF1",0'
    '"N",3' '"DONE",' '"side",1' '"B",5' '"DONE",' '"corner",0' '"DONE",')
printf '%s\r\n' "${defaults_lines[@]}" >"$home/dorvane/jex/programs/defaults/defaults.jex"
expected_lines=("${defaults_lines[@]}")
expected_lines[1]='"square",4'
printf '%s\r\n' "${expected_lines[@]}" >"$scratch/expected.jex"

# No sound server: the sounds are simply not heard.
env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
    -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI \
    HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    PULSE_SERVER=unix:$scratch/no-sound-server \
    "$program" >"$work/jex.log" 2>&1 &
program_pid=$!
e2e_track "$program_pid"

if ! e2e_wait_until "$wait_seconds" "$program_pid" e2e_windows_titled "JEX drawing"; then
    e2e_fail "the program did not show its windows"
    exit 1
fi
sleep 1

# Text lines in the listing: runs of pixel rows with something dark in them.
import -window root -crop "${listing[2]}x${listing[3]}+${listing[0]}+${listing[1]}" \
    "$work/listing.png"
lines=$(convert "$work/listing.png" -colorspace Gray -threshold 50% -negate \
    -scale "1x${listing[3]}!" -depth 8 txt:- |
    awk -F'[(,)]' 'NR > 1 { dark = ($3 + 0) > 0; if (dark && !before) runs++; before = dark }
        END { print runs + 0 }')
if [ "$lines" = 4 ]; then
    e2e_pass "the listing shows the defaults file's 4 steps"
else
    e2e_fail "the listing shows $lines lines, expected the defaults file's 4 steps"
fi

xdotool mousemove "${save_button[@]}" click 1
dialog_shown() { e2e_windows_titled save; }
if e2e_wait_until "$wait_seconds" "$program_pid" dialog_shown; then
    e2e_pass "save opens the file dialog"
else
    e2e_fail "no file dialog after save"
    exit 1
fi
dialog=$(e2e_windows_titled save | head -n 1)
# Without a window manager the keyboard follows the pointer.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10))
sleep 0.5
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 square
import -window root "$work/dialog.png" 2>/dev/null
xdotool key Return

saved_file=$home/dorvane/jex/programs/me/square.jex
if e2e_wait_until 10 "$program_pid" test -s "$saved_file"; then
    sleep 0.5
    if cmp -s "$saved_file" "$scratch/expected.jex"; then
        e2e_pass "square.jex holds exactly the expected $(wc -c <"$saved_file") bytes"
    else
        e2e_fail "square.jex differs from what was expected:"
        od -c "$saved_file" | head -20
    fi
else
    e2e_fail "no file $saved_file after typing its name"
fi
leftovers=$(find "$home/dorvane/jex/programs/me" -name '.*' -type f | wc -l)
if [ "$leftovers" = 0 ]; then
    e2e_pass "no temporary file left beside it"
else
    e2e_fail "$leftovers temporary file(s) left beside it"
fi

# The program was just saved: exit ends it without asking.
xdotool mousemove "${exit_button[@]}" click 1
if e2e_wait_until 5 "$program_pid" bash -c "! kill -0 $program_pid"; then
    e2e_pass "exit after the save ends the program at once"
elif ! kill -0 "$program_pid" 2>/dev/null; then
    e2e_pass "exit after the save ends the program at once"
else
    e2e_fail "the program is still running after exit"
fi

echo "Screenshots and logs: $work"
if ((e2e_failures > 0)); then
    echo "FAILED: $e2e_failures check(s)"
    exit 1
fi
echo "All checks passed"
