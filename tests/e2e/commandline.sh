#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started from a terminal: it answers --help and --version
# and leaves, refuses what it cannot use, and says in one line that it needs a
# desktop when there is none, instead of aborting.
# Usage: commandline.sh PROGRAM
set -uo pipefail

program=${1:?usage: commandline.sh PROGRAM}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs the program with no display of any kind and a home of its own.
# Sets status, out (standard output) and err (standard error).
run_without_desktop() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch" \
        timeout 20 "$program" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    out=$(cat "$scratch/out")
    err=$(cat "$scratch/err")
}

# check DESCRIPTION WANTED-STATUS STREAM-TEXT PATTERN
check() {
    local what=$1 wanted=$2 text=$3 pattern=$4
    if [ "$status" -ne "$wanted" ]; then
        e2e_fail "$what: exit status $status, expected $wanted"
    elif ! grep -Eq -- "$pattern" <<<"$text"; then
        e2e_fail "$what: output does not match /$pattern/: $text"
    else
        e2e_pass "$what"
    fi
}

run_without_desktop --help
check "--help answers without a desktop" 0 "$out" '^Usage: jex \[PROGRAM\.jex\]'
check "--help lists the keyboard's keys" 0 "$out" '^  go: G or Return'
[ -z "$err" ] || e2e_fail "--help wrote to standard error: $err"

run_without_desktop --version
check "--version answers" 0 "$out" '^JEX simulator [0-9]+\.[0-9]+$'

run_without_desktop --fullscreen
check "an unknown option is refused" 2 "$err" "unknown option: --fullscreen"

run_without_desktop
check "no desktop: one line and an error status" 1 "$err" \
    '^jex needs a graphical desktop to show its windows, and none was found\.$'
[ "$(wc -l <"$scratch/err")" -eq 1 ] || e2e_fail "no desktop: more than one line: $err"

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:999 HOME="$scratch" \
    timeout 20 "$program" >"$scratch/out" 2>"$scratch/err"
status=$?
err=$(cat "$scratch/err")
check "a display that does not answer counts as none" 1 "$err" 'needs a graphical desktop'

if ((e2e_failures > 0)); then
    echo "FAILED: $e2e_failures check(s)"
    exit 1
fi
echo "All checks passed"
