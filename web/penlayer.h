// SPDX-License-Identifier: GPL-3.0-or-later
// The pen's lines on the page: a picture of their own, lying over the
// background picture, filled here pixel by pixel by the rules' pen line and
// handed to the page as it changes. A run at full speed costs the page one
// copy of what changed a frame, however many lines it drew.
#pragma once

#include "canvas/penline.h"
#include "core/types.h"

#include <cstdint>
#include <vector>

namespace jex::web {

class PenLayer {
  public:
    // Empty (transparent), `width` by `height` pixels of the screen.
    void reset(int width, int height);
    void draw(int x1, int y1, int x2, int y2, double density, Colour colour);

    int width() const { return width_; }
    int height() const { return height_; }
    // RGBA, row after row, as the page's ImageData reads it.
    const std::uint32_t* pixels() const { return pixels_.data(); }

    // The rectangle changed since the last taken(), empty when none.
    struct Area {
        int left = 0, top = 0, width = 0, height = 0;
    };
    Area taken();

  private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<PenSpan> spans_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0; // changed, right and bottom excluded
};

} // namespace jex::web
