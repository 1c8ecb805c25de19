#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pupils' programs turned into pictures and pages from a terminal with no
# desktop at all: the exit status, the one line on standard error that says
# why a file is no program, and a folder converted in one loop. What is
# drawn and each message are the widget tests' (export_test, commandline_test).
# Usage: export.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-export}" "${1:?usage: export.sh PROGRAM [WORK-FOLDER]}" \
    identify pdfinfo

# program FILE NAME SIDE: a square program of that name and side.
program() {
    printf '"JEX simulator file","me"\r\n"%s",4\r\n"RP",4\r\n"F",%s\r\n"R",90\r\n"E",-2\r\n"DONE",\r\n"function 1",0\r\n"DONE",\r\n"function 2",0\r\n"DONE",\r\n' \
        "$2" "$3" >"$1"
}

# expect WHAT STATUS LINES: the last run ended with that status and wrote that
# many lines on standard error.
expect() {
    local lines
    lines=$(grep -c '' <"$e2e_scratch/err")
    if [ "$status" -ne "$2" ] || [ "$lines" -ne "$3" ]; then
        e2e_fail "$1: status $status and $lines line(s) on standard error ($err), expected $2 and $3"
    else
        e2e_pass "$1"
    fi
}

mkdir -p "$e2e_scratch/home" "$e2e_scratch/class"
program "$e2e_scratch/square.jex" square 100

e2e_run_bare --export square.png square.jex
expect "a picture is exported without a desktop" 0 0
e2e_check "the picture is written" test -s "$e2e_scratch/square.png"
cp "$e2e_scratch/square.png" "$e2e_work/square.png"

e2e_run_bare --export wide.png square.jex --screen 1280x720
expect "--screen lays it out for another screen" 0 0
e2e_check "the drawing area of the 1280 x 720 layout is 890 wide" \
    test "$(identify -format %w "$e2e_scratch/wide.png")" = 890

e2e_run_bare --export square.pdf square.jex
expect "a page is exported" 0 0
e2e_check "the page is one page" grep -q '^Pages: *1$' <(pdfinfo "$e2e_scratch/square.pdf")
cp "$e2e_scratch/square.pdf" "$e2e_work/square.pdf"

printf 'not a program\r\n' >"$e2e_scratch/junk.jex"
e2e_run_bare --export junk.png junk.jex
expect "a file that is no program: status 1, one line" 1 1
e2e_check "nothing is written for it" test ! -e "$e2e_scratch/junk.png"
e2e_check "the line says why ($err)" grep -q 'junk.jex: not a number: not a program$' <<<"$err"

e2e_run_bare --export square.gif square.jex
expect "a wrong argument: status 2, the mistake and how to ask for help" 2 2

# The loop the README shows, on a folder of two programs.
program "$e2e_scratch/class/ann.jex" ann 60
program "$e2e_scratch/class/bob.jex" bob 120
(
    cd "$e2e_scratch" || exit 1
    export HOME="$e2e_scratch/home"
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    PATH="$(dirname "$e2e_program"):$PATH"
    unset -f jex
    for f in class/*.jex; do e2e_run_bare --export "${f%.jex}.png" "$f"; done
)
e2e_check "the loop makes a picture of every program" \
    test -s "$e2e_scratch/class/ann.png" -a -s "$e2e_scratch/class/bob.png"
e2e_check "each of its own drawing" \
    test "$(md5sum <"$e2e_scratch/class/ann.png")" != "$(md5sum <"$e2e_scratch/class/bob.png")"

e2e_finish
