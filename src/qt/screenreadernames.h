// SPDX-License-Identifier: GPL-3.0-or-later
// Names a screen reader announces for the controls whose caption does not
// say what they are: the name boxes, the slider, the listing, the drawing
// area, and the buttons whose caption is shared or only half the story.
#pragma once

#include <array>

class QWidget;

namespace jex::qt {

// The four windows in the order they are shown: keypad, tools, listing,
// drawing.
void nameforscreenreaders(const std::array<QWidget*, 4>& windows);

} // namespace jex::qt
