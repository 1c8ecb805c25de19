# SPDX-License-Identifier: GPL-3.0-or-later
# Finds the sounds in a recording: reads one signed sample a line and prints
#   noise <peak>                         the loudest sample of the quiet lead-in
#   burst <start s> <length s> <pitch>   for every stretch of sound
# The pitch (Hz) counts the sound's zero crossings: half as many cycles as
# crossings, between the first crossing and the last. Only samples louder
# than `threshold` decide the sign, so noise near zero adds no crossings.
# A sound is a run of samples louder than `threshold`; quiet gaps shorter
# than `gap` seconds belong to the sound around them, so a chime with short
# rests counts once while two separate plays count twice.
# Variables: rate (Hz), threshold (sample value), gap (s), leadin (s).

function report() {
    if (first < 0)
        return
    pitch = crossings > 1 ? (crossings - 1) / 2 / ((lastcross - firstcross) / rate) : 0
    printf "burst %.3f %.3f %.2f\n", first / rate, (last - first + 1) / rate, pitch
}

BEGIN {
    first = -1
    last = -1
    noise = 0
    maxgap = int(gap * rate)
    leadsamples = int(leadin * rate)
}

{
    level = $1 < 0 ? -$1 : $1
    if (NR <= leadsamples && level > noise)
        noise = level
    if (level > threshold) {
        sample = NR - 1
        if (last >= 0 && sample - last > maxgap) {
            report()
            first = -1
        }
        if (first < 0) {
            first = sample
            sign = 0
            crossings = 0
        }
        last = sample
        side = $1 > 0 ? 1 : -1
        if (sign != 0 && side != sign) {
            if (crossings == 0)
                firstcross = sample
            lastcross = sample
            crossings++
        }
        sign = side
    }
}

END {
    printf "noise %d\n", noise
    report()
}
