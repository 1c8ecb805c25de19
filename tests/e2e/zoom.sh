#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with --zoom 150, as the desktop entry's "for a projector" starts it:
# on a 1024 x 768 screen the windows are the layout of a screen 150 % smaller,
# drawn one and a half times larger, still filling the screen's width.
# Usage: zoom.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-zoom}" "${1:?usage: zoom.sh PROGRAM [WORK-FOLDER]}"
e2e_start_screen
e2e_launch zoom --zoom 150

read -r left top width height < <(e2e_geometry "JEX keypad")
# The keypad's 378 x 254 pixels, one and a half times larger.
e2e_check "the keypad is 567 x 381 ($width x $height)" test "$width $height" = "567 381"
# 1024 / 1.5 is no whole number of pixels: the layout's screen is rounded to
# 683 wide, which may put the edge half a pixel either way.
e2e_check "it sits at the right edge ($((left + width)))" \
    e2e_between "$((left + width))" 1023 1025
read -r left top width height < <(e2e_geometry "JEX drawing")
e2e_check "the drawing window starts at the left edge ($left)" test "$left" = 0
e2e_shot "$e2e_work/zoom.png"
e2e_stop_program
e2e_finish
