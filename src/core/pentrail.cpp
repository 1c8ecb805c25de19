// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pentrail.h"

namespace jex {
namespace {

std::uint64_t key(const TrailStroke& stroke) {
    const auto bits = [](Int16 value) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(value)); };
    return bits(stroke.x1) << 48 | bits(stroke.y1) << 32 | bits(stroke.x2) << 16 | bits(stroke.y2);
}

} // namespace

void PenTrail::record(const TrailStroke& stroke) {
    if (kept_.insert(key(stroke)).second) strokes_.push_back(stroke);
}

void PenTrail::clear() {
    strokes_.clear();
    kept_.clear();
}

} // namespace jex
