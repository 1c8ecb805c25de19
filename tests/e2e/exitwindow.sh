#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The exit window under a real window manager, where a click on another
# window puts that window on top: with a step keyed in and not saved, exit
# shows the exit window above the others; a click on the drawing buries it;
# exit pressed again, and closing the drawing window, must each bring it back
# on top and give it the keyboard, so the pupil is never left with nothing
# happening.
# Usage: exitwindow.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# Inside the windows, in pixels from their top-left corners: the keypad's
# forwards key, the exit button across the top of the listing window, and a
# point of the drawing area clear of the exit window (centred on the screen).
forwards_key=(282 34)
exit_button=(60 15)
drawing_point=(150 150)

e2e_begin "${2:-$PWD/e2e-exitwindow}" "${1:?usage: exitwindow.sh PROGRAM [WORK-FOLDER]}" xprop
e2e_start_screen
e2e_start_window_manager
e2e_launch exitwindow

keypad=$(e2e_windows_titled "JEX keypad" | head -n 1)
listing=$(e2e_windows_titled "JEX" | head -n 1)
drawing=$(e2e_windows_titled "JEX drawing" | head -n 1)
tools=$(e2e_windows_titled "JEX tools" | head -n 1)
e2e_click_in "$keypad" "${forwards_key[@]}"

# The exit window has no title of its own (the window manager shows the
# program's name): it is the program's one other shown window.
exit_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$e2e_program_pid" 2>/dev/null); do
        case " $keypad $listing $drawing $tools " in
        *" $id "*) ;;
        *) echo "$id" && return 0 ;;
        esac
    done
    return 1
}
shown_exit_window() { [ -n "$(exit_window)" ]; }
# The topmost of the managed windows, and the one with the keyboard.
top_window() { xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }'; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }'; }
as_hex() { printf '0x%x' "$1"; }
exit_window_in_front() {
    [ "$(top_window)" = "$(as_hex "$window")" ] && [ "$(active_window)" = "$(as_hex "$window")" ]
}
exit_window_buried() { [ "$(top_window)" != "$(as_hex "$window")" ]; }

e2e_click_in "$listing" "${exit_button[@]}"
if ! e2e_wait_until 10 "$e2e_program_pid" shown_exit_window; then
    e2e_shot "$e2e_work/no-exit-window.png"
    e2e_die "exit with an unsaved step showed no exit window"
fi
window=$(exit_window)
e2e_check "exit shows the exit window on top, with the keyboard" \
    e2e_wait_until 5 "$e2e_program_pid" exit_window_in_front

for how in "pressing exit again" "closing the drawing window"; do
    e2e_click_in "$drawing" "${drawing_point[@]}"
    if ! e2e_wait_until 5 "$e2e_program_pid" exit_window_buried; then
        e2e_fail "a click on the drawing left the exit window on top: nothing to bring back"
        continue
    fi
    e2e_shot "$e2e_work/buried.png"
    if [ "$how" = "pressing exit again" ]; then
        e2e_click_in "$listing" "${exit_button[@]}"
    else
        # As the window manager's close control would: Alt+F4 on the drawing.
        xdotool windowactivate --sync "$drawing" key alt+F4
    fi
    e2e_check "$how brings the exit window back on top, with the keyboard" \
        e2e_wait_until 5 "$e2e_program_pid" exit_window_in_front
    e2e_check "$how leaves the program running" e2e_running
done
e2e_shot "$e2e_work/in-front.png"
e2e_finish
