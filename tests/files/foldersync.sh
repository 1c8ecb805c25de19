#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A save makes the new file last: after the rename that puts it in place, the
# folder that names it is synced too, so that a power cut cannot bring the old
# file back. Watched with strace on a save of the rule tests.
# Usage: foldersync.sh FILESTESTS
set -euo pipefail
filestests=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT

if ! strace -o /dev/null true 2>/dev/null; then
    echo "strace cannot trace here"
    exit 77
fi
strace -f -e trace=openat,rename,renameat,renameat2,fsync,close -o "$log" \
    "$filestests" --gtest_filter='Saving.WritesTheExampleByteForByte*' > /dev/null

# After the rename onto square.jex: the folder opened, that descriptor synced.
awk '
    /rename.*"[^"]*\/square\.jex"\) = 0/ { renamed = 1; next }
    renamed && /openat\(.*\/programs\/me", .*O_DIRECTORY.*\) = [0-9]+$/ {
        folder = $NF; next
    }
    renamed && folder != "" && $0 ~ "fsync\\(" folder "\\) += 0" { synced = 1 }
    END {
        if (!renamed) { print "no rename onto square.jex seen"; exit 1 }
        if (!synced) { print "the folder was not synced after the rename"; exit 1 }
        print "folder synced after the rename"
    }' "$log"
