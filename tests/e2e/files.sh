#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program with a defaults file and checks that its steps are
# in the listing; then saves through the real file dialog, typing a name as a
# pupil does, and compares the file on disk byte for byte; then leaves.
# Usage: files.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-files}" "${1:?usage: files.sh PROGRAM [WORK-FOLDER]}" convert cmp
e2e_start_screen

# The defaults file: four steps in the main program, whose name and author
# the start-up replaces by "my program" and "me".
programs=$e2e_scratch/files/dorvane/jex/programs
mkdir -p "$programs/defaults"
defaults_lines=('"JEX simulator file","me"' '"triangle",4' '"F",10' '"R",120' '"PF1",0'
    '"N",3' '"DONE",' '"side",1' '"B",5' '"DONE",' '"corner",0' '"DONE",')
printf '%s\r\n' "${defaults_lines[@]}" >"$programs/defaults/defaults.jex"
expected_lines=("${defaults_lines[@]}")
expected_lines[1]='"square",4'
printf '%s\r\n' "${expected_lines[@]}" >"$e2e_scratch/expected.jex"
e2e_launch files

# Text lines in the listing box (its window's 420 pixel rows from row 67):
# runs of pixel rows with something dark in them.
e2e_shot "$e2e_work/listing.png" JEX
lines=$(convert "$e2e_work/listing.png" -crop 286x420+0+67 +repage -colorspace Gray \
    -threshold 50% -negate -scale '1x420!' -depth 8 txt:- |
    awk -F'[(,)]' 'NR > 1 { dark = ($3 + 0) > 0; if (dark && !before) runs++; before = dark }
        END { print runs + 0 }')
e2e_check "the listing shows $lines lines: the defaults file's 4 steps" test "$lines" = 4

saved_file=$programs/me/square.jex
e2e_save_as save square "$saved_file" &&
    e2e_check "square.jex holds exactly the expected $(wc -c <"$saved_file") bytes" \
        cmp "$saved_file" "$e2e_scratch/expected.jex" || od -c "$saved_file" | head -20
leftovers=$(find "$programs/me" -name '.*' -type f | wc -l)
e2e_check "$leftovers temporary files left beside it" test "$leftovers" = 0

# The program was just saved: exit (the middle of its button) ends it without asking.
xdotool mousemove 789 16 click 1
e2e_check "exit after the save ends the program at once" e2e_wait_until 5 $$ e2e_ended

e2e_finish
