// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/relayout.h"

#include "canvas/sprite.h"
#include "canvas/target.h"
#include "core/platform.h"
#include "core/state.h"
#include "entry/listing.h"
#include "files/exit.h"
#include "windows/layout.h"

namespace jex {

void relayout(JexState& jex) {
    layoutwindows(jex);
    jex.platform.paintbackground();
    for (const TrailStroke& stroke : jex.trail.strokes())
        jex.platform.drawpenline(canvasx(jex, stroke.x1), canvasy(jex, stroke.y1),
                                 canvasx(jex, stroke.x2), canvasy(jex, stroke.y2));
    drawrobot(jex);
    placesprite(jex);
    if (jex.windows.graphics.target.visible) drawtarget(jex);
    if (jex.windows.exitwindow.shown) layoutexitwindow(jex);
    showlisting(jex, jex.currentslot);
    jex.platform.refreshcanvas();
}

} // namespace jex
