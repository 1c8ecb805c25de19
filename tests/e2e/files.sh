#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves through the real file dialog, typing a name as a pupil does, and
# leaves: the file is written under that name, and exit after the save ends
# the program at once. What the file holds is the rule tests'.
# Usage: files.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-files}" "${1:?usage: files.sh PROGRAM [WORK-FOLDER]}"
e2e_start_screen
e2e_launch files

saved_file=$e2e_scratch/files/dorvane/jex/programs/me/square.jex
e2e_save_as save square "$saved_file" &&
    e2e_check "the name typed in the dialog names the file" grep -q '^"square",' "$saved_file"

# The program was just saved: exit (the middle of its button) ends it without asking.
xdotool mousemove 789 16 click 1
e2e_check "exit after the save ends the program at once" e2e_wait_until 5 $$ e2e_ended

e2e_finish
