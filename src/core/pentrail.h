// SPDX-License-Identifier: GPL-3.0-or-later
// The pen lines of completed moves, kept for printing.
#pragma once

#include "core/types.h"

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace jex {

// One stroke from (x1, y1) to (x2, y2), in robot coordinates: pixels from the
// centre of the drawing area, y upwards.
struct TrailStroke {
    Int16 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const TrailStroke&, const TrailStroke&) = default;
};

// Every stroke is kept, in the order drawn, but a stroke identical to one
// already kept is not stored again: a program that goes round the same square
// for ever holds four strokes, so memory follows what is drawn, not how long
// the robot runs.
class PenTrail {
public:
    void record(const TrailStroke& stroke);
    void clear();

    const std::vector<TrailStroke>& strokes() const { return strokes_; }
    std::size_t count() const { return strokes_.size(); }

private:
    std::vector<TrailStroke> strokes_;
    std::unordered_set<std::uint64_t> kept_;
};

} // namespace jex
