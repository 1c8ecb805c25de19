// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace jex::bench {

// The titles of the four windows a pupil sees, as the program shows them:
// listing, keypad, tools and drawing.
std::vector<std::string> windowtitles();

} // namespace jex::bench
