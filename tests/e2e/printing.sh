#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints from the real program the way a classroom computer does: a print
# server with a PDF printer as the default, a program keyed in, a target
# placed, "print" clicked. The page the printer writes is checked as a
# picture (its text cannot be read back). Then, with the printer gone, "print"
# must give the failure sound.
# Usage: printing.sh PROGRAM [WORK-FOLDER]
# The work folder keeps the printed page, its picture, the recording and logs.
set -uo pipefail

program=${1:?usage: printing.sh PROGRAM [WORK-FOLDER]}
work=${2:-$PWD/e2e-printing}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/servers.sh"

# Where a pupil clicks on the 1024 x 768 screen (see the startup test's
# window places): the keypad's forward and 5 keys, the tools' target button
# and the drawing window's print button.
forwards_key=(927 521)
five_key=(741 583)
target_button=(977 387)
print_button=(163 663)
printer=JEXPDF
# The background picture's colour, printed across the page under the drawing.
picture_colour='#2060c0'
raster_dpi=50
window_wait_seconds=20
page_wait_seconds=30
sound_threshold=100

e2e_begin "$work" page.pdf page.png screen.png printing.wav jex.log xvfb.log pulseaudio.log \
    cups.log cups-error.log cupsd.out pdftoppm.log
scratch=$e2e_scratch

# The PDF printer's backend runs only as root; elsewhere there is no printer
# to test with.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the PDF printer needs the print server to run as root"
    exit 77
fi
e2e_require_tools Xvfb xauth xdpyinfo xdotool pulseaudio pactl parec pacat sox convert \
    cupsd lpadmin lpstat pdftoppm || exit 1
if [ ! -x "$program" ]; then
    e2e_fail "the program $program does not exist"
    exit 1
fi

# The print filters run as the lp user and must reach the server's folder.
chmod 711 "$scratch"
e2e_start_cupsd "$scratch/cups" || {
    cp "$scratch/cups/log/"* "$work/" 2>/dev/null
    e2e_fail "print server did not start"
    exit 1
}
e2e_add_pdf_printer "$printer" "$work/cups.log" || { e2e_fail "PDF printer not added"; exit 1; }
outbox=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
outbox_existed=$([ -d "$outbox" ] && echo yes)

e2e_start_xvfb "$work" 1024x768x24 || { e2e_fail "virtual screen did not start"; exit 1; }
e2e_start_pulseaudio "$scratch/pulse" "$work/pulseaudio.log" ||
    { e2e_fail "sound server did not start"; exit 1; }
# A silent stream keeps the null sink rendering continuously, so that the
# recording holds each sound at its true length.
pacat --latency-msec=20 --rate=48000 --channels=1 --format=s16le /dev/zero &
e2e_track $!

e2e_start_recording "$scratch/printing.raw" || { e2e_fail "recorder did not start"; exit 1; }

mkdir -p -m 700 "$scratch/home"
mkdir -p "$scratch/home/dorvane/jex/picture"
convert -size 64x48 "xc:$picture_colour" "$scratch/home/dorvane/jex/picture/picture.jpg"
e2e_launch "$program" "$scratch/home" "$work/jex.log"
program_pid=$e2e_program_pid

drawing_shown() { [ -n "$(e2e_windows_titled 'JEX drawing')" ]; }
if ! e2e_wait_until "$window_wait_seconds" "$program_pid" drawing_shown; then
    e2e_fail "the drawing window was not shown within $window_wait_seconds s"
    exit 1
fi
# The keys and buttons answer once the start-up sound is over.
sleep 2

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.3
}

completed_jobs() { lpstat -W completed -o "$printer" 2>/dev/null | wc -l; }
page_written() {
    page=$(find "$outbox" -maxdepth 1 -name "*job_${job}.pdf" 2>/dev/null | head -n 1)
    [ -n "$page" ] && [ -s "$page" ]
}

click "${forwards_key[@]}"
click "${five_key[@]}"
click "${target_button[@]}"
# Whether the target now shows on the drawing area, as a yellow square.
import -window root "$work/screen.png" 2>/dev/null
target_shown=$(convert "$work/screen.png" -crop 634x570+6+72 +repage \
    -format "%[fx:int(mean*w*h+0.5)]" -fx 'r>0.9 && g>0.9 && b<0.2' info: 2>/dev/null)
before=$(completed_jobs)
clicked=$(date +%s.%N)
click "${print_button[@]}"
page=
job_done() { [ "$(completed_jobs)" -gt "$before" ]; }
if e2e_wait_until "$page_wait_seconds" "$program_pid" job_done; then
    job=$(lpstat -W completed -o "$printer" | awk '{ print $1 }' | sed 's/.*-//' | sort -n |
        tail -n 1)
    if e2e_wait_until "$page_wait_seconds" "$program_pid" page_written; then
        written=$(date +%s.%N)
        mv "$page" "$work/page.pdf"
        e2e_pass "the printer wrote the page of job $job $(awk -v a="$clicked" -v b="$written" \
            'BEGIN { printf "%.2f", b - a }') s after the click"
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
    convert "$work/page.png" -format \
        "%[fx:int(255*p{int($1*w),int($2*h)}.r)] %[fx:int(255*p{int($1*w),int($2*h)}.g)] %[fx:int(255*p{int($1*w),int($2*h)}.b)]" \
        info:
}
# How many pixels of the page pass the test (an expression in r, g, b, 0..1).
count() { convert "$work/page.png" -format "%[fx:int(mean*w*h+0.5)]" -fx "$1" info: ; }
like() {
    local want=$1 got=$2 i
    read -ra w <<<"$want"
    read -ra g <<<"$got"
    for i in 0 1 2; do
        ((g[i] - w[i] < 40 && w[i] - g[i] < 40)) || return 1
    done
}

if [ -f "$work/page.pdf" ] &&
    # Without smoothing a line one printer dot wide keeps its full colour.
    pdftoppm -png -r "$raster_dpi" -aa no -aaVector no -f 1 -l 1 -singlefile \
        "$work/page.pdf" "$work/page" 2>"$work/pdftoppm.log"; then
    want=$(convert "xc:$picture_colour" -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:)
    for x in 0.1 0.5 0.9; do
        got=$(pixel "$x" 0.1)
        if like "$want" "$got"; then
            e2e_pass "the picture is printed at $x of the page's width ($got)"
        else
            e2e_fail "at $x of the width, 0.1 down the page: $got, expected the picture's $want"
        fi
    done
    got=$(pixel 0.5 0.95)
    if like "255 255 255" "$got"; then
        e2e_pass "the page's foot is blank paper"
    else
        e2e_fail "the page's foot is $got, expected white"
    fi
    red=$(count 'r>0.7 && g<0.35 && b<0.35')
    if ((${target_shown:-0} < 100)); then
        echo "SKIP: the target button placed no target on the screen, so no frame to look for"
    elif ((red >= 20)); then
        e2e_pass "the target is framed in red ($red pixels)"
    else
        e2e_fail "no red target frame on the page ($red red pixels)"
    fi
    dark=$(convert "$work/page.png" -gravity south -crop 100%x35%+0+0 +repage \
        -format "%[fx:int(mean*w*h+0.5)]" -fx 'r<0.3 && g<0.3 && b<0.3' info:)
    if ((dark >= 200)); then
        e2e_pass "the words under the drawing are printed ($dark dark pixels)"
    else
        e2e_fail "hardly any text under the drawing ($dark dark pixels)"
    fi
else
    e2e_fail "the printed page could not be read as a picture"
fi

# Leaves a second gap in the recording between the two reports.
sleep 1.5
lpadmin -x "$printer" >>"$work/cups.log" 2>&1
click "${print_button[@]}"
sleep 2.5
e2e_stop_recording
sox -t raw -r 48000 -e signed -b 16 -c 1 "$scratch/printing.raw" "$work/printing.wav"
mapfile -t bursts < <(sox "$work/printing.wav" -t raw -e signed -b 16 - |
    od -An -v -td2 -w2 |
    awk -v rate=48000 -v threshold="$sound_threshold" -v gap=0.03 -v leadin=0 \
        -f "$here/soundbursts.awk" | grep '^burst' | cut -d' ' -f2-)
echo "sounds heard (start, length in s): ${bursts[*]:-none}"
# The success sound is one unbroken chime; the failure sound is two notes
# with a short rest between them. The start-up's success sound comes first.
lengths=()
for burst in "${bursts[@]}"; do
    read -r _ length <<<"$burst"
    lengths+=("$length")
done
if [ ${#lengths[@]} -eq 4 ] &&
    awk -v a="${lengths[1]}" -v b="${lengths[2]}" -v c="${lengths[3]}" \
        'BEGIN { exit !(a > 0.74 && a < 0.94 && b > 0.25 && b < 0.45 && c > 0.4 && c < 0.6) }'; then
    e2e_pass "the print gave the success sound, the print with no printer the failure sound"
else
    e2e_fail "expected the start-up's and the print's success sounds, then the failure sound;" \
        "heard ${bursts[*]:-nothing}"
fi

cp "$scratch/cups/log/error_log" "$work/cups-error.log" 2>/dev/null
echo "Printed page, recording and logs: $work"
if ((e2e_failures > 0)); then
    echo "FAILED: $e2e_failures check(s)"
    exit 1
fi
echo "All checks passed"
