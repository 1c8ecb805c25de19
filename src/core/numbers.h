// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways a value becomes a whole number.
#pragma once

#include <cmath>

namespace jex {

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline int roundhalfeven(double x) {
    double whole = std::floor(x);
    const double fraction = x - whole;
    int result = static_cast<int>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

// The largest whole number not above x.
inline int wholepart(double x) { return static_cast<int>(std::floor(x)); }

} // namespace jex
