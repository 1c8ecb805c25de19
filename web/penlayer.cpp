// SPDX-License-Identifier: GPL-3.0-or-later
#include "penlayer.h"

#include <algorithm>

namespace jex::web {

void PenLayer::reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    left_ = top_ = 0;
    right_ = width_;
    bottom_ = height_;
}

void PenLayer::draw(int x1, int y1, int x2, int y2, double density, Colour colour) {
    penspans(x1, y1, x2, y2, density, spans_);
    // Little-endian: red is the first byte.
    const std::uint32_t rgba = 0xff000000u | static_cast<std::uint32_t>(colour.blue) << 16 |
                               static_cast<std::uint32_t>(colour.green) << 8 | colour.red;
    for (const PenSpan& span : spans_) {
        if (span.y < 0 || span.y >= height_) continue;
        const int left = std::max(span.left, 0);
        const int right = std::min(span.right, width_);
        if (left >= right) continue;
        std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(span.y) * width_;
        std::fill(row + left, row + right, rgba);
        if (right_ <= left_ || bottom_ <= top_) {
            left_ = left;
            right_ = right;
            top_ = span.y;
            bottom_ = span.y + 1;
        } else {
            left_ = std::min(left_, left);
            right_ = std::max(right_, right);
            top_ = std::min(top_, span.y);
            bottom_ = std::max(bottom_, span.y + 1);
        }
    }
}

PenLayer::Area PenLayer::taken() {
    const Area area{left_, top_, std::max(right_ - left_, 0), std::max(bottom_ - top_, 0)};
    left_ = top_ = right_ = bottom_ = 0;
    return area;
}

} // namespace jex::web
