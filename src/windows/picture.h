// SPDX-License-Identifier: GPL-3.0-or-later
// The picture under the drawing, read once at start-up.
#pragma once

#include <filesystem>

namespace jex {

struct JexState;

// Empty when no home folder can be found.
std::filesystem::path picturefile();

// Loads the picture file, or the built-in plain green picture when it cannot
// be read; neither case is reported.
void getpicture(JexState& jex);

} // namespace jex
