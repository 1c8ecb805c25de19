#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started from a terminal with no desktop: what its main
# answers before any window opens. --help and --version in the language the
# locale or --language asks for, one line saying it needs a desktop instead
# of aborting, and pictures and pages exported without one. What the
# command line means, what is drawn and each message are the widget tests'
# (commandline_test, export_test); which of the locale's variables wins is
# the rule tests'.
# Usage: terminal.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-terminal}" "${1:?usage: terminal.sh PROGRAM [WORK-FOLDER]}" \
    identify pdfinfo
cp "$e2e_here/../files/fixtures/good/square.jex" "$e2e_scratch/square.jex"
printf 'not a program\r\n' >"$e2e_scratch/junk.jex"

# What|settings (NAME=VALUE, space-separated)|arguments|status|standard output
# (a pattern, or empty for nothing)|standard error (likewise)|lines on standard
# error. The program runs in the scratch folder, in English unless a setting
# says otherwise.
runs=(
    "--help||--help|0|^Usage: jex \[PROGRAM\.jex\]$||0"
    "--version||--version|0|^JEX simulator [0-9]+\.[0-9]+$||0"
    "no desktop: an error status and one line|||1||\
^jex needs a graphical desktop to show its windows, and none was found\.$|1"
    "a display that does not answer counts as none|DISPLAY=:999||1||needs a graphical desktop|1"
    "--help in a German locale|LANG=de_DE.UTF-8|--help|0|^Aufruf: jex \[PROGRAMM\.jex\]$||0"
    "--help names --language|LANG=de_DE.UTF-8|--help|0|^  --language xx  ||0"
    "--help names the keys in German|LANG=de_DE.UTF-8|--help|0|^  vorwärts: Pfeil hoch oder F$||0"
    "--language comes before the locale|LANG=de_DE.UTF-8|--language es --help|0|^Uso: jex||0"
    "a language without texts is said to be missing, and English speaks|LANG=de_DE.UTF-8|\
--language=xx --help|0|^Usage: jex|no texts for this language.*: xx$|1"
    "--language without a language is a mistake, said in German|LANG=de_DE.UTF-8|--language|2||\
^jex: --language braucht eine Sprache|2"
    "a picture is exported||--export square.png square.jex|0|||0"
    "--screen lays a picture out for another screen||\
--export wide.png square.jex --screen 1280x720|0|||0"
    "a page is exported||--export square.pdf square.jex|0|||0"
    "a file that is no program: one line that says why||--export junk.png junk.jex|1||\
junk\.jex: not a number: not a program$|1"
    "a wrong argument: the mistake and how to ask for help||--export square.gif square.jex|2||\
^Try 'jex --help'\.$|2"
)
# matches TEXT PATTERN: an empty pattern wants no text at all.
matches() { if [ -z "$2" ]; then [ -z "$1" ]; else grep -Eq -- "$2" <<<"$1"; fi; }
for run in "${runs[@]}"; do
    IFS='|' read -r what settings arguments wanted outpattern errpattern errlines <<<"$run"
    read -ra settings <<<"$settings"
    read -ra arguments <<<"$arguments"
    e2e_run_bare "${settings[@]}" -- "${arguments[@]}"
    lines=$(grep -c '' <"$e2e_scratch/err")
    if [ "$status" -ne "$wanted" ] || [ "$lines" -ne "$errlines" ]; then
        e2e_fail "$what: status $status and $lines line(s) on standard error, expected" \
            "$wanted and $errlines ($err)"
    elif ! matches "$out" "$outpattern" || ! matches "$err" "$errpattern"; then
        e2e_fail "$what: output \"$out\" or error \"$err\" is not /$outpattern/ and /$errpattern/"
    else
        e2e_pass "$what"
    fi
done

e2e_check "the picture is written" test -s "$e2e_scratch/square.png"
e2e_check "the drawing area of the 1280 x 720 layout is 890 wide" \
    test "$(identify -format %w "$e2e_scratch/wide.png")" = 890
e2e_check "the page is one page" grep -q '^Pages: *1$' <(pdfinfo "$e2e_scratch/square.pdf")
e2e_check "nothing is written for a file that is no program" test ! -e "$e2e_scratch/junk.png"
cp "$e2e_scratch"/square.{png,pdf} "$e2e_work/" 2>/dev/null

e2e_finish
