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

e2e_begin "${2:-$PWD/e2e-exitwindow}" "${1:?usage: exitwindow.sh PROGRAM [WORK-FOLDER]}" xprop wmctrl
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
exit_window_on_top() { [ "$(top_window)" = "$(as_hex "$window")" ]; }
exit_window_active() { [ "$(active_window)" = "$(as_hex "$window")" ]; }
exit_window_in_front() { exit_window_on_top && exit_window_active; }
exit_window_buried() { ! exit_window_on_top; }

# expect_in_front WHAT NAME: a pass once the exit window is on top with the
# keyboard; else a failure that says which of the two it lacks, keeping the
# stacking order, the active window and a screenshot as NAME.log and NAME.png.
expect_in_front() {
    local what=$1 name=$2 on_top=no active=no
    if e2e_wait_until 10 "$e2e_program_pid" exit_window_in_front; then
        e2e_pass "$what brings the exit window on top, with the keyboard"
        return
    fi
    exit_window_on_top && on_top=yes
    exit_window_active && active=yes
    {
        echo "exit window $(as_hex "$window"), keypad $(as_hex "$keypad"), listing" \
            "$(as_hex "$listing"), drawing $(as_hex "$drawing"), tools $(as_hex "$tools")"
        xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW
    } >"$e2e_work/$name.log" 2>&1
    e2e_shot "$e2e_work/$name.png"
    e2e_fail "$what: exit window on top: $on_top, with the keyboard: $active (see $name.log)"
}

e2e_click_in "$listing" "${exit_button[@]}"
if ! e2e_wait_until 10 "$e2e_program_pid" shown_exit_window; then
    e2e_shot "$e2e_work/no-exit-window.png"
    e2e_die "exit with an unsaved step showed no exit window"
fi
window=$(exit_window)
expect_in_front "exit" exit

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
        # The window manager's own close request, whichever window has the
        # keyboard.
        wmctrl -ic "$(as_hex "$drawing")"
    fi
    expect_in_front "$how" "${how// /-}"
    e2e_check "$how leaves the program running" e2e_running
done
e2e_shot "$e2e_work/in-front.png"
e2e_finish
