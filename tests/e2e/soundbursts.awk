# SPDX-License-Identifier: GPL-3.0-or-later
# Finds the sounds in a recording: reads one signed sample a line and prints
#   noise <peak>                 the loudest sample of the quiet lead-in
#   burst <start s> <length s>   for every stretch of sound
# A sound is a run of samples louder than `threshold`; quiet gaps shorter
# than `gap` seconds belong to the sound around them, so a chime with short
# rests counts once while two separate plays count twice.
# Variables: rate (Hz), threshold (sample value), gap (s), leadin (s).

function report() {
    if (first >= 0)
        printf "burst %.3f %.3f\n", first / rate, (last - first + 1) / rate
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
        if (first < 0)
            first = sample
        last = sample
    }
}

END {
    printf "noise %d\n", noise
    report()
}
