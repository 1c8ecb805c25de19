// SPDX-License-Identifier: GPL-3.0-or-later
// From the model's units (twips or pixels) to the screen's pixels.
#pragma once

#include "core/numbers.h"
#include "core/platform.h"

#include <QRect>

namespace jex::qt {

// How many model units make one pixel, along x and y.
struct Units {
    double x = 1;
    double y = 1;

    static Units pixels(const ScreenInfo& = {}) { return {}; }
    static Units twips(const ScreenInfo& screen) {
        return {screen.twipsperpixelx, screen.twipsperpixely};
    }
};

// Both edges are rounded, so that neighbours that touch in the model touch on
// the screen too.
inline QRect topixels(int left, int top, int width, int height, Units units) {
    const int x1 = roundhalfeven(left / units.x);
    const int y1 = roundhalfeven(top / units.y);
    const int x2 = roundhalfeven((left + width) / units.x);
    const int y2 = roundhalfeven((top + height) / units.y);
    return {x1, y1, std::max(x2 - x1, 0), std::max(y2 - y1, 0)};
}

} // namespace jex::qt
