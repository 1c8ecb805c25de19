// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of a sound that a listener would make with an oscilloscope.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace jex::testing {

// Pitch from the rising zero crossings between two sample indices: whole
// cycles counted over the time they span. A run of zero samples belongs to
// neither side, so silence at the ends adds no crossing. 0 when fewer than two
// crossings.
inline double crossingpitch(const std::vector<std::int16_t>& samples, int samplerate,
                            std::size_t from, std::size_t to) {
    std::size_t first = 0, last = 0, count = 0;
    bool wasnegative = false;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        if (samples[i] == 0) continue;
        const bool negative = samples[i] < 0;
        if (wasnegative && !negative) {
            if (count == 0) first = i;
            last = i;
            ++count;
        }
        wasnegative = negative;
    }
    if (count < 2) return 0;
    return static_cast<double>(samplerate) * static_cast<double>(count - 1) /
           static_cast<double>(last - first);
}

inline int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int loudest = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        loudest = std::max(loudest, std::abs(static_cast<int>(samples[i])));
    return loudest;
}

} // namespace jex::testing
