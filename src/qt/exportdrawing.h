// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's program turned into a picture or a page without a desktop: loaded
// as "load" loads it, run at full speed with the pen down, then written.
#pragma once

#include "qt/projectoroptions.h"

#include <filesystem>
#include <iosfwd>

namespace jex::qt {

struct ExportRequest {
    std::filesystem::path output; // ends .png for the picture, .pdf for the page
    std::filesystem::path programfile;
    ScreenSize screen; // the screen the windows are laid out for
};

enum ExportStatus { exported = 0, exportfailed = 1 };

// Keeps the toolkit's own notes (about the missing desktop session and the
// like) off standard error, where an export says at most one line.
void quiettoolkit();

// Needs an application made already (any screen will do: the layout follows
// the request). A program file that cannot be read, or an output that cannot
// be written, is told in one line on `errors`.
ExportStatus exportdrawing(const ExportRequest& request, std::ostream& errors);

} // namespace jex::qt
