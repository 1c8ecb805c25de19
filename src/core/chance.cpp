// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chance.h"

namespace jex {

void Chance::seed(double seed) {
    // A placement drawn again within the same millisecond must not draw the
    // same numbers: counting the seeds keeps them apart.
    std::seed_seq sequence{static_cast<std::uint32_t>(seed * 1000.0), ++seeds_};
    generator_.seed(sequence);
}

double Chance::draw() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

} // namespace jex
