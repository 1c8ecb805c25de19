#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a private accessibility bus, heard as a screen reader hears
# it (screenreader.py): every message spoken and new rows told; then, with
# Orca itself on that bus, a lesson checked in what Orca speaks (its debug
# file).
# Usage: screenreader.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The keypad's margin, where no key shows a tool tip: the keyboard goes to
# the window under the pointer.
rest_point="649 490"
launcher=/usr/libexec/at-spi-bus-launcher

e2e_begin "${2:-$PWD/e2e-screenreader}" "${1:?usage: screenreader.sh PROGRAM [WORK-FOLDER]}" \
    xdotool dbus-daemon orca
[ -x "$launcher" ] || e2e_die "at-spi-bus-launcher is not installed (scripts/install-deps installs it)"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    e2e_die "python3-pyatspi is not installed (scripts/install-deps installs it)"
e2e_start_screen
e2e_start_printer JEX_PDF

# A session bus of the test's own, and on it the accessibility bus with its
# registry, as a desktop session starts them.
{ read -r address && read -r pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
[ -n "${pid:-}" ] || e2e_die "no session bus could be started"
e2e_track "$pid"
export DBUS_SESSION_BUS_ADDRESS=$address
"$launcher" --launch-immediately >"$e2e_work/launcher.log" 2>&1 &
e2e_track $!
bus_ready() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
e2e_wait_until 10 $! bus_ready || e2e_die "the accessibility bus did not start"
# As when a screen reader runs: the toolkit joins the accessibility bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Orca logs what it speaks in its debug file, but Debian's orca writes that
# file in 8 KB blocks: a copy of it opens the file line-buffered. The copy has
# a name of its own and does not look for other Orcas, which would be on
# other buses. Speech itself is off: the log is what is checked, and no
# speech server is started.
orca=$e2e_scratch/jex-e2e-orca
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
    -e "s/setProcessName('orca')/setProcessName('jex-e2e-orca')/" \
    -e 's/^    if otherOrcas():/    if False:/' "$(command -v orca)" >"$orca"
grep -q "buffering=1" "$orca" || e2e_die "this orca's debug file cannot be made line-buffered"
chmod +x "$orca"
export ORCA_LOG=$e2e_work/orca-debug.log
rm -f "$ORCA_LOG"
mkdir -p "$e2e_scratch/orca-home" "$e2e_scratch/orca-prefs"
HOME=$e2e_scratch/orca-home XDG_RUNTIME_DIR=$e2e_scratch/orca-home /usr/bin/python3 "$orca" \
    --disable=speech,braille --user-prefs "$e2e_scratch/orca-prefs" \
    --debug-file "$ORCA_LOG" >"$e2e_work/orca.log" 2>&1 &
e2e_track $!
orca_ready() { grep -q "About to launch Orca" "$ORCA_LOG" 2>/dev/null; }
e2e_wait_until 20 $! orca_ready || e2e_die "Orca did not start (see $e2e_work/orca.log)"

e2e_launch screenreader
xdotool mousemove $rest_point
REST_POINT=$rest_point /usr/bin/python3 "$e2e_here/screenreader.py" | tee "$e2e_work/checks.log"
failed=${PIPESTATUS[0]}
e2e_failures=$((e2e_failures + failed))
# What Orca said, for whoever reads the log.
grep -o "SPEECH OUTPUT: '.*'" "$ORCA_LOG" >"$e2e_work/orca-speech.log"
e2e_shot "$e2e_work/end.png"
e2e_finish
