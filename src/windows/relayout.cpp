// SPDX-License-Identifier: GPL-3.0-or-later
#include "relayout.h"

#include "canvas/sprite.h"
#include "canvas/target.h"
#include "core/platform.h"
#include "core/state.h"
#include "entry/listing.h"
#include "files/exit.h"
#include "windows/layout.h"

#include <string>

namespace jex::web {

void relayout(JexState& jex, const Windows& designed) {
    GraphicsWindow& graphics = jex.windows.graphics;
    FunniesWindow& funnies = jex.windows.funnies;

    // What the layout sets afresh but the pupil has changed since.
    const std::string progname = graphics.progname.caption, myname = graphics.myname.caption;
    const std::string change1 = graphics.change1.caption, change2 = graphics.change2.caption;
    const Colour penon = funnies.penon.background, penoff = funnies.penoff.background;
    const bool target = graphics.target.visible;

    const Slider slider = funnies.Slider1;
    funnies = designed.funnies;
    funnies.Slider1.value = slider.value;

    layoutwindows(jex);

    graphics.progname.caption = progname;
    graphics.myname.caption = myname;
    graphics.change1.caption = change1;
    graphics.change2.caption = change2;
    funnies.penon.background = penon;
    funnies.penoff.background = penoff;

    // The drawing is made again from the pen strokes, around the new centre.
    for (const TrailStroke& stroke : jex.trail.strokes())
        jex.platform.drawpenline(canvasx(jex, stroke.x1), canvasy(jex, stroke.y1),
                                 canvasx(jex, stroke.x2), canvasy(jex, stroke.y2));
    drawrobot(jex);
    placesprite(jex);
    if (target) drawtarget(jex);
    if (jex.windows.exitwindow.shown) layoutexitwindow(jex);
    showlisting(jex, jex.currentslot);
    jex.platform.refreshcanvas();
}

} // namespace jex::web
