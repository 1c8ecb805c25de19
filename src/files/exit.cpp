// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/exit.h"

#include "core/numbers.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"

#include <algorithm>

namespace jex {
namespace {

constexpr Font largetype{18, false};
constexpr Colour green{0, 255, 0};
constexpr Colour blue{0, 0, 255};
constexpr Colour red{255, 0, 0};
constexpr Colour white{255, 255, 255};
constexpr Colour black{0, 0, 0};

constexpr int rowheight = 700;    // twips: large type with room for a finger
constexpr int narrowest = 4800;   // twips
constexpr double sidemargin = 24; // pixels each side of the message

void style(Control& control, Colour background, Colour foreground, int caption) {
    control.background = background;
    control.foreground = foreground;
    control.font = largetype;
    control.caption = text(caption);
}

} // namespace

void exitbutton_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    if (jex.saved) {
        jex.platform.endprogram();
        return;
    }
    // Shown again, or already shown but perhaps lost under the drawing: either
    // way it comes to the front, where the pupil cannot miss it.
    layoutexitwindow(jex);
    jex.windows.exitwindow.shown = true;
    ++jex.windows.exitwindow.frontrequests;
}

void cancel_Click(JexState& jex) {
    jex.windows.exitwindow.shown = false;
}

void exitanyway_Click(JexState& jex) {
    jex.platform.endprogram();
}

void designexitwindow(ExitWindow& exitwindow) {
    exitwindow.background = green;
    exitwindow.font = largetype;
    exitwindow.titletext = 0; // no title text
    style(exitwindow.Label1, green, black, textid::notsaved);
    style(exitwindow.cancel, blue, white, textid::cancel);
    style(exitwindow.exitanyway, red, white, textid::exitanyway);
}

void layoutexitwindow(JexState& jex) {
    ExitWindow& exitwindow = jex.windows.exitwindow;
    const ScreenInfo screen = jex.platform.screen();
    const double messagepixels =
        jex.platform.textwidth(exitwindow.Label1.font, exitwindow.Label1.caption) + 2 * sidemargin;
    const int inside = std::max(narrowest, roundhalfeven(messagepixels * screen.twipsperpixelx));

    int top = 0;
    for (Control* row : {&exitwindow.Label1, &exitwindow.cancel, &exitwindow.exitanyway}) {
        row->left = 0;
        row->top = top;
        row->width = inside;
        row->height = rowheight;
        top += rowheight;
    }
    const FrameMargins& frame = screen.frame;
    exitwindow.width = inside + roundhalfeven((frame.left + frame.right) * screen.twipsperpixelx);
    exitwindow.height = top + roundhalfeven((frame.top + frame.bottom) * screen.twipsperpixely);
    exitwindow.left =
        (roundhalfeven(screen.widthpixels * screen.twipsperpixelx) - exitwindow.width) / 2;
    exitwindow.top =
        (roundhalfeven(screen.heightpixels * screen.twipsperpixely) - exitwindow.height) / 2;
}

} // namespace jex
