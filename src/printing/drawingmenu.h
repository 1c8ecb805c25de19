// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area's own menu, opened by a right click: the drawing leaves
// the program as a picture on the clipboard, a picture file or the printed
// page as a PDF file.
#pragma once

#include <string>
#include <vector>

namespace jex {

struct JexState;

enum class DrawingMenuItem { copypicture, savepicture, savepage };

struct DrawingMenuEntry {
    DrawingMenuItem item;
    std::string caption;
};

// A right click on the drawing area. During a run it only asks the run to
// stop and there is no menu; otherwise the menu's entries, in order.
std::vector<DrawingMenuEntry> Picture1_RightClick(JexState& jex);

// An entry of the menu chosen. A save asks where, starting in the author's
// folder with the program's name; a cancel or a failure says "cancelled!"
// with the failure sound.
void drawingmenu_Click(JexState& jex, DrawingMenuItem item);

// The file name a picture or a page of the program is offered under:
// the program's name made safe as an author's folder name is, with the
// extension (".png", ".pdf").
std::string offeredfilename(const JexState& jex, std::string_view extension);

} // namespace jex
