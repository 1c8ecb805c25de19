#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started from a terminal: it answers --help and --version
# and leaves, and says in one line that it needs a desktop when there is none,
# instead of aborting. A mistake's status is export.sh's.
# Usage: commandline.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-commandline}" "${1:?usage: commandline.sh PROGRAM [WORK-FOLDER]}"

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

e2e_run_bare --help
check "--help answers without a desktop" 0 "$out" '^Usage: jex \[PROGRAM\.jex\]'
e2e_check "--help writes nothing to standard error${err:+: $err}" test -z "$err"

e2e_run_bare --version
check "--version answers" 0 "$out" '^JEX simulator [0-9]+\.[0-9]+$'

e2e_run_bare
check "no desktop: an error status and one line" 1 "$err" \
    '^jex needs a graphical desktop to show its windows, and none was found\.$'
e2e_check "no desktop: that line is all ($err)" test "$(wc -l <"$e2e_scratch/err")" -eq 1

e2e_run_bare DISPLAY=:999
check "a display that does not answer counts as none" 1 "$err" 'needs a graphical desktop'

e2e_finish
