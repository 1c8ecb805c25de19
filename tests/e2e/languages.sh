#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in the desktop's language: started with a German locale
# the windows' titles, captions and listing words are German (read back from
# the screen), a program saved in English opens with the same steps; started
# with a French locale the keyed-in steps are listed in French. Which of the locale's variables wins is the rule tests'; --help in
# the locale's language is terminal.sh's.
# Usage: languages.sh PROGRAM [WORK-FOLDER]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

e2e_begin "${2:-$PWD/e2e-languages}" "${1:?usage: languages.sh PROGRAM [WORK-FOLDER]}" \
    tesseract convert identify
fixtures=$e2e_here/../files/fixtures/good

# read_window WINDOW-TITLE NAME LANGUAGE: the window's words as OCR reads them,
# from a screenshot enlarged three times in black and white (every caption is
# dark text on the windows' greens, yellow, white or blue).
read_window() {
    e2e_shot "$e2e_work/$2.png" "$1"
    convert "$e2e_work/$2.png" -resize 300% -colorspace Gray -threshold 50% "$e2e_work/$2-large.png"
    tesseract "$e2e_work/$2-large.png" - -l "$3" --psm 6 2>/dev/null | tee "$e2e_work/$2.txt"
}

# read_tool_buttons WINDOW-TITLE NAME LANGUAGE: the captions of the tools
# window's buttons, each read inside its border (OCR takes a border for
# letters). The buttons are stacked from the window's foot, 32 pixels high
# with 6-pixel gaps and 6 pixels in: centre, clear, target, then the pen's
# two half-width buttons.
read_tool_buttons() {
    local height row area
    e2e_shot "$e2e_work/$2.png" "$1"
    height=$(identify -format %h "$e2e_work/$2.png")
    for area in 1:74:9 2:74:9 3:74:9 4:34:9 4:34:49; do
        IFS=: read -r row width left <<<"$area"
        convert "$e2e_work/$2.png" -crop "${width}x26+${left}+$((height - 38 * row + 3))" +repage \
            -resize 300% -colorspace Gray -threshold 50% "$e2e_work/$2-$row-$left.png"
        tesseract "$e2e_work/$2-$row-$left.png" - -l "$3" --psm 7 2>/dev/null
    done | tee "$e2e_work/$2.txt"
}

e2e_start_screen

# German: an English program file given on the command line opens as the load
# button opens it.
e2e_locale=(LANG=de_DE.UTF-8)
e2e_windows=("JEX-Tasten" "JEX-Werkzeuge" "JEX" "JEX-Zeichnung")
mkdir -p "$e2e_scratch/german"
cp "$fixtures/square.jex" "$e2e_scratch/german/square.jex"
e2e_launch german "$e2e_scratch/german/square.jex"
listing=$(read_window JEX listing deu)
e2e_matches "the listing speaks German" "$listing" 'vorw.rts +10'
e2e_matches "the listing turns right in German" "$listing" 'rechts +90'
e2e_matches "the function keeps the name it has in the file" "$listing" 'function 1'
tools=$(read_window "JEX-Werkzeuge" tools deu)$(read_tool_buttons "JEX-Werkzeuge" tool-buttons deu)
for word in Winkel Tempo Stift an aus Mitte Ziel 'l.schen'; do
    e2e_matches "the tools window shows \"$word\"" "$tools" "$word"
done
drawing=$(read_window "JEX-Zeichnung" drawing deu)
for word in Programmname 'mein Name' lade drucke merke ndern nutzen; do
    e2e_matches "the drawing window shows \"$word\"" "$drawing" "$word"
done
e2e_stop_program

# French: steps keyed in on the keypad are listed in French.
e2e_locale=(LC_ALL=fr_FR.UTF-8)
e2e_windows=("JEX clavier" "JEX outils" "JEX" "JEX dessin")
e2e_launch french
e2e_press 0,4 2,0 3,0 1,3 0,2 3,0
listing=$(read_window JEX listing-french fra)
e2e_matches "the listing speaks French" "$listing" 'avance +10'
e2e_matches "and turns in French" "$listing" 'gauche +90'
tools=$(read_window "JEX outils" tools-french fra)$(read_tool_buttons "JEX outils" tool-buttons-french fra)
for word in 'X vaut' vitesse crayon angle oui non centre effacer cible; do
    e2e_matches "the tools window shows \"$word\"" "$tools" "$word"
done
e2e_stop_program

e2e_finish
