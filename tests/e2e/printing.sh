#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints from the real program the way a classroom computer does: a print
# server with a PDF printer as the default, set to print grey unless a job
# asks for colour, a program keyed in, "print" clicked. The page the printer
# writes is checked as a picture (its text cannot be read back) for the
# colours and the words the print server kept, and the job by its title; what
# the page shows where is the widget test's (printing_test). Then, with the queue rejecting jobs and
# with the printer gone, "print" must give the failure sound and no page.
# Usage: printing.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the printed page, its picture, the recording and logs.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/servers.sh"

# The drawing window's print button on the screen.
print_button=(163 663)
printer=JEXPDF
# The background picture's colour, printed across the page under the drawing.
picture_colour='#2060c0'
page_wait_seconds=30
# "<program> written by <author>", as the PDF printer writes it into a file name.
job_title=my_program_written_by_me

# The PDF printer's backend runs only as root; elsewhere there is no printer
# to test with.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the PDF printer needs the print server to run as root"
    exit 77
fi
e2e_begin "${2:-$PWD/e2e-printing}" "${1:?usage: printing.sh PROGRAM [WORK-FOLDER]}" \
    convert pdftoppm
e2e_start_printer "$printer"
# A queue whose own default is grey: only a job that asks for colour keeps
# the picture and the pen line in colour.
lpadmin -p "$printer" -o print-color-mode-default=monochrome >>"$e2e_work/cups.log" 2>&1 ||
    e2e_fail "the printer's default could not be set to grey"
outbox=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
outbox_existed=$([ -d "$outbox" ] && echo yes)
e2e_start_screen
e2e_start_sound
mkdir -p "$e2e_scratch/printing/dorvane/jex/picture"
convert -size 64x48 "xc:$picture_colour" "$e2e_scratch/printing/dorvane/jex/picture/picture.jpg"
e2e_launch printing

# forwards 5
e2e_press 0,4 1,1

completed_jobs() { lpstat -W completed -o "$printer" 2>/dev/null | wc -l; }
all_jobs() { lpstat -W all -o "$printer" 2>/dev/null | wc -l; }
job_done() { [ "$(completed_jobs)" -gt "$before" ]; }
page_written() {
    page=$(find "$outbox" -maxdepth 1 -name "*job_${job}.pdf" 2>/dev/null | head -n 1)
    [ -n "$page" ] && [ -s "$page" ]
}
before=$(completed_jobs)
clicked=$(date +%s.%N)
e2e_click "${print_button[@]}"
if e2e_wait_until "$page_wait_seconds" "$e2e_program_pid" job_done; then
    job=$(lpstat -W completed -o "$printer" | awk '{ print $1 }' | sed 's/.*-//' | sort -n |
        tail -n 1)
    if e2e_wait_until "$page_wait_seconds" "$e2e_program_pid" page_written; then
        e2e_pass "the printer wrote the page of job $job $(e2e_since "$clicked") s after the click"
        # The printer names the page after the job's title.
        name=$(basename "$page")
        e2e_check "the job is titled with the program and its author ($name)" \
            test "${name#"$job_title"}" != "$name"
        mv "$page" "$e2e_work/page.pdf"
    else
        e2e_fail "job $job finished but no page appeared in $outbox"
    fi
else
    e2e_fail "no print job finished within $page_wait_seconds s"
fi
[ -n "$outbox_existed" ] || rmdir "$outbox" 2>/dev/null

# The colour of one pixel of the page's picture, as "r g b" (0..255), at a
# fraction of the width and height.
pixel() {
    local at="int($1*w),int($2*h)"
    convert "$e2e_work/page.png" -format \
        "%[fx:int(255*p{$at}.r)] %[fx:int(255*p{$at}.g)] %[fx:int(255*p{$at}.b)]" info:
}
# How many pixels of the page's lower part pass the test (an expression in r,
# g, b, 0..1).
count() {
    convert "$e2e_work/page.png" -gravity south -crop "100%x${2}%+0+0" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" -fx "$1" info:
}
# like WANTED GOT: two "r g b" colours within 40 of each other in each part.
like() {
    local i w g
    read -ra w <<<"$1"
    read -ra g <<<"$2"
    for i in 0 1 2; do
        ((g[i] - w[i] < 40 && w[i] - g[i] < 40)) || return 1
    done
}

if [ -f "$e2e_work/page.pdf" ] &&
    # Without smoothing a line one printer dot wide keeps its full colour.
    pdftoppm -png -r 50 -aa no -aaVector no -f 1 -l 1 -singlefile \
        "$e2e_work/page.pdf" "$e2e_work/page" 2>"$e2e_work/pdftoppm.log"; then
    want=$(convert "xc:$picture_colour" -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:)
    for x in 0.1 0.5 0.9; do
        got=$(pixel "$x" 0.1)
        e2e_check "at $x of the page's width, 0.1 down: $got, the picture's $want" like "$want" "$got"
    done
    dark=$(count 'r<0.3 && g<0.3 && b<0.3' 35)
    e2e_check "the words under the drawing are printed ($dark dark pixels)" test "$dark" -ge 200
else
    e2e_fail "the printed page could not be read as a picture"
fi

# A queue that rejects jobs takes none: no job, no page, the failure sound.
# Leaves a second gap in the recording between each two reports.
sleep 1.5
cupsreject "$printer" >>"$e2e_work/cups.log" 2>&1 || e2e_fail "the queue could not be set to reject"
jobs_before=$(all_jobs)
: >"$e2e_scratch/rejected"
e2e_click "${print_button[@]}"
sleep 2.5
e2e_check "the rejecting queue holds no new job ($(all_jobs) jobs, $jobs_before before)" \
    test "$(all_jobs)" -eq "$jobs_before"
late_pages=$(find "$outbox" -maxdepth 1 -name '*.pdf' -newer "$e2e_scratch/rejected" 2>/dev/null)
e2e_check "the rejecting queue wrote no page" test -z "$late_pages"
cupsaccept "$printer" >>"$e2e_work/cups.log" 2>&1

lpadmin -x "$printer" >>"$e2e_work/cups.log" 2>&1
e2e_click "${print_button[@]}"
sleep 2.5
e2e_check "the program is still running after printing with no printer" e2e_running
e2e_stop_recording "$e2e_work/printing.wav"
mapfile -t bursts < <(e2e_sound_bursts "$e2e_work/printing.wav" 0.03 | awk '$1 == "burst" { print $3 }')
# The success sound is one unbroken chime; the failure sound is two notes
# with a short rest between them. The start-up's success sound comes first.
failure_sound_at() { e2e_between "${bursts[$1]}" 0.25 0.45 && e2e_between "${bursts[$1 + 1]}" 0.4 0.6; }
sounds_as_expected() {
    [ ${#bursts[@]} -eq 6 ] && e2e_between "${bursts[1]}" 0.74 0.94 && failure_sound_at 2 &&
        failure_sound_at 4
}
e2e_check "the start-up's and the print's success sounds, then the failure sound with the queue \
rejecting and again with no printer (lengths in s: ${bursts[*]:-none})" sounds_as_expected
cp "$e2e_scratch/cups/log/error_log" "$e2e_work/cups-error.log" 2>/dev/null
e2e_finish
