#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a private accessibility bus, read as a screen reader reads
# it (screenreader.py): its windows and controls by name, the listing's rows,
# the pen's state, and every message spoken.
# Usage: screenreader.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The keypad's margin, where no key shows a tool tip: the keyboard goes to
# the window under the pointer.
rest_point="649 490"
launcher=/usr/libexec/at-spi-bus-launcher

e2e_begin "${2:-$PWD/e2e-screenreader}" "${1:?usage: screenreader.sh PROGRAM [WORK-FOLDER]}" \
    xdotool dbus-daemon
[ -x "$launcher" ] || e2e_die "at-spi-bus-launcher is not installed (scripts/install-deps installs it)"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    e2e_die "python3-pyatspi is not installed (scripts/install-deps installs it)"
e2e_start_screen

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

e2e_launch screenreader
xdotool mousemove $rest_point
/usr/bin/python3 "$e2e_here/screenreader.py" | tee "$e2e_work/screenreader.log"
failed=${PIPESTATUS[0]}
e2e_failures=$((e2e_failures + failed))
e2e_shot "$e2e_work/end.png"
e2e_finish
