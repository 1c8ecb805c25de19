// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways a value becomes a whole number.
#pragma once

#include <cmath>

namespace jex {

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline int roundhalfeven(double x) {
    double whole = std::floor(x);
    const double fraction = x - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int>(whole);
}

// The largest whole number not above x.
inline int wholepart(double x) { return static_cast<int>(std::floor(x)); }

} // namespace jex
