// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/layout.h"

#include "core/numbers.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "entry/feedback.h"
#include "entry/keys.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace jex {
namespace {

constexpr int keysize = 56;
constexpr int keypitch = 62;      // a key and the gap after it
constexpr int keypadwidth = 378;  // pixels inside the keypad window
constexpr int keypadheight = 254;
constexpr int bottomgap = 400;    // twips left free at the bottom of the screen
constexpr int toolwidth = 1200;   // twips

// A window manager's frame takes room inside each window's outer size; the
// controls have to fit in what is left.
int framewidthtwips(const ScreenInfo& screen) {
    return roundhalfeven((screen.frame.left + screen.frame.right) * screen.twipsperpixelx);
}
int frameheighttwips(const ScreenInfo& screen) {
    return roundhalfeven((screen.frame.top + screen.frame.bottom) * screen.twipsperpixely);
}
double clientwidthpixels(const Window& window, const ScreenInfo& screen) {
    return window.width / screen.twipsperpixelx - screen.frame.left - screen.frame.right;
}
double clientheightpixels(const Window& window, const ScreenInfo& screen) {
    return window.height / screen.twipsperpixely - screen.frame.top - screen.frame.bottom;
}

int notnegative(int size) { return std::max(size, 0); }

int screenwidthtwips(const ScreenInfo& screen) {
    return roundhalfeven(screen.widthpixels * screen.twipsperpixelx);
}
int screenheighttwips(const ScreenInfo& screen) {
    return roundhalfeven(screen.heightpixels * screen.twipsperpixely);
}

// Each control of the tools window beside the same control of another copy.
std::vector<std::pair<Control*, const Control*>> toolcontrols(FunniesWindow& funnies,
                                                              const FunniesWindow& other) {
    std::vector<std::pair<Control*, const Control*>> pairs;
    for (Control FunniesWindow::*member :
         {&FunniesWindow::xheading, &FunniesWindow::JEXX, &FunniesWindow::yheading,
          &FunniesWindow::JEXY, &FunniesWindow::angleheading, &FunniesWindow::JEXangle,
          &FunniesWindow::speed, &FunniesWindow::penlabel, &FunniesWindow::penon,
          &FunniesWindow::penoff, &FunniesWindow::target, &FunniesWindow::clear,
          &FunniesWindow::centre})
        pairs.emplace_back(&(funnies.*member), &(other.*member));
    pairs.emplace_back(&funnies.Slider1, &other.Slider1);
    return pairs;
}

// Puts a control directly to the right of another, the same size.
void placebeside(Control& control, const Control& neighbour) {
    control.left = neighbour.right();
    control.top = neighbour.top;
    control.width = neighbour.width;
    control.height = neighbour.height;
}

} // namespace

void setmargins(JexState& jex) {
    const ScreenInfo screen = jex.platform.screen();
    jex.marginx = static_cast<Int16>(roundhalfeven(screen.twipsperpixelx * 6));
    jex.marginy = static_cast<Int16>(roundhalfeven(screen.twipsperpixely * 6));
}

void placekey(JexState&, Control& key, int left, int top, int bitmap) {
    key.left = left;
    key.top = top;
    key.width = keysize;
    key.height = keysize;
    key.bitmap = bitmap;
}

void fitheight(JexState& jex, Control& control) {
    const ScreenInfo screen = jex.platform.screen();
    control.height = roundhalfeven(control.font.points * 1.4 * 20 / screen.twipsperpixely);
}

void placefield(JexState& jex, Control& control, int left, int top, int widthtwips) {
    const ScreenInfo screen = jex.platform.screen();
    control.left = left;
    control.top = top;
    fitheight(jex, control);
    control.width = notnegative(roundhalfeven(widthtwips / screen.twipsperpixelx));
}

void placetool(JexState& jex, Control& control, int top) {
    control.left = jex.marginx;
    control.width = toolwidth;
    control.top = top;
}

void placetoolrow(JexState& jex, Control& control, int row) {
    const ScreenInfo screen = jex.platform.screen();
    const FunniesWindow& funnies = jex.windows.funnies;
    control.left = jex.marginx;
    control.width = toolwidth;
    control.top = funnies.height - frameheighttwips(screen) - (control.height + jex.marginy) * row;
}

void layoutkeypad(JexState& jex) {
    const ScreenInfo screen = jex.platform.screen();
    ButtonsWindow& buttons = jex.windows.buttons;
    buttons.shown = true;
    for (int index = 0; index < keycount; ++index) {
        const Key key = static_cast<Key>(index);
        placekey(jex, buttons.key(key), 6 + keypitch * keycolumn(key), 6 + keypitch * keyrow(key),
                 keybitmap(key));
    }
    buttons.width = roundhalfeven(keypadwidth * screen.twipsperpixelx) + framewidthtwips(screen);
    buttons.height = roundhalfeven(keypadheight * screen.twipsperpixely) + frameheighttwips(screen);
    buttons.left = screenwidthtwips(screen) - buttons.width;
    buttons.top = screenheighttwips(screen) - buttons.height - bottomgap;
}

namespace {

// The tools stacked from the top (read-outs and speed) and from the bottom
// (pen, target, clear, centre), each control at its design height times
// `scale`, its type too.
void stacktools(JexState& jex, const FunniesWindow& design, double scale) {
    const ScreenInfo screen = jex.platform.screen();
    FunniesWindow& funnies = jex.windows.funnies;
    for (auto [control, designed] : toolcontrols(funnies, design)) {
        // Qt refuses type of no size at all, which only a screen too small
        // for any tool would ask for.
        control->font.points = std::max(designed->font.points * scale, 1.0);
        control->height = roundhalfeven(designed->height * scale);
    }
    const int readoutheight = roundhalfeven(funnies.font.points * scale * 1.2 * 20);
    for (Control* readout : {&funnies.xheading, &funnies.yheading, &funnies.angleheading,
                             &funnies.JEXX, &funnies.JEXY, &funnies.JEXangle})
        readout->height = readoutheight;

    placetool(jex, funnies.xheading, jex.marginy);
    placetool(jex, funnies.JEXX, funnies.xheading.bottom() + jex.marginy);
    placetool(jex, funnies.yheading, funnies.JEXX.bottom() + jex.marginy);
    placetool(jex, funnies.JEXY, funnies.yheading.bottom() + jex.marginy);
    placetool(jex, funnies.angleheading, funnies.JEXY.bottom() + jex.marginy);
    placetool(jex, funnies.JEXangle, funnies.angleheading.bottom() + jex.marginy);
    placetool(jex, funnies.speed, funnies.JEXangle.bottom() + jex.marginy);
    placetool(jex, funnies.Slider1, funnies.speed.bottom() + jex.marginy);

    placetoolrow(jex, funnies.centre, 1);
    placetoolrow(jex, funnies.clear, 2);
    placetoolrow(jex, funnies.target, 3);
    placetoolrow(jex, funnies.penlabel, 6);

    Control& penon = funnies.penon;
    Control& penoff = funnies.penoff;
    penon.left = jex.marginx;
    penon.width = toolwidth / 2;
    penon.top = funnies.height - frameheighttwips(screen) - (jex.marginy + penon.height) * 4;
    placebeside(penoff, penon);
}

bool toolstacksmeet(const JexState& jex) {
    const FunniesWindow& funnies = jex.windows.funnies;
    return funnies.Slider1.bottom() + jex.marginy > funnies.penlabel.top;
}

} // namespace

void layouttools(JexState& jex) {
    const ScreenInfo screen = jex.platform.screen();
    FunniesWindow& funnies = jex.windows.funnies;
    funnies.shown = true;
    funnies.height = jex.windows.buttons.top;

    // On a low screen the stack from the bottom would cover the one from the
    // top, the speed slider first. Then every tool shrinks, type and all, by
    // the largest factor that keeps a margin between the two stacks; where
    // they do not meet nothing changes. The sizes shrink from the design,
    // never from an earlier layout.
    FunniesWindow design;
    designtools(design);
    stacktools(jex, design, 1.0);
    if (toolstacksmeet(jex)) {
        double fits = 0.0, meets = 1.0;
        while (meets - fits > 0.001) {
            const double scale = (fits + meets) / 2;
            stacktools(jex, design, scale);
            (toolstacksmeet(jex) ? meets : fits) = scale;
        }
        stacktools(jex, design, fits);
    }

    funnies.width = 2 * jex.marginx + funnies.xheading.width + framewidthtwips(screen);
    funnies.left = screenwidthtwips(screen) - funnies.width;
    funnies.top = 0;
}

void layoutlisting(JexState& jex) {
    const ScreenInfo screen = jex.platform.screen();
    ProgramWindow& program = jex.windows.program;
    const ButtonsWindow& buttons = jex.windows.buttons;
    program.top = 0;
    program.left = buttons.left;
    program.height = buttons.top;
    program.width = buttons.width - jex.windows.funnies.width;

    const int clientwidth = notnegative(program.width - framewidthtwips(screen));
    const int clientheight = program.height - frameheighttwips(screen);
    program.exitbutton.top = 0;
    program.exitbutton.left = 0;
    program.exitbutton.width = clientwidth;

    program.nameheader.top = program.exitbutton.height;
    program.nameheader.left = 0;
    program.nameheader.width = clientwidth;
    program.nameheader.height = roundhalfeven(program.nameheader.font.points * 1.4 * 20);

    program.programtext.top = program.nameheader.bottom();
    program.programtext.left = 0;
    program.programtext.width = clientwidth;
    program.programtext.height = notnegative(clientheight - program.nameheader.bottom());
    program.shown = true;
}

void layoutwindows(JexState& jex) {
    setmargins(jex);
    layoutkeypad(jex);
    layouttools(jex);
    layoutlisting(jex);
    layoutgraphics(jex);
}

void layoutgraphics(JexState& jex) {
    const ScreenInfo screen = jex.platform.screen();
    GraphicsWindow& graphics = jex.windows.graphics;
    graphics.shown = true;
    graphics.top = 0;
    graphics.left = 0;
    graphics.width = jex.windows.program.left;
    graphics.height = screenheighttwips(screen) - bottomgap;

    const int columntwips = (graphics.width - framewidthtwips(screen) - 3 * jex.marginx) / 2;
    placefield(jex, graphics.pname, 6, 6, columntwips);
    const int columnwidth = graphics.pname.width;
    placefield(jex, graphics.mname, graphics.pname.right() + 6, graphics.pname.top, 0);
    graphics.mname.width = columnwidth;

    graphics.progname.left = graphics.pname.left;
    graphics.progname.top = graphics.pname.bottom() + 6;
    fitheight(jex, graphics.progname);
    graphics.progname.width = columnwidth;
    graphics.myname.left = graphics.mname.left;
    graphics.myname.top = graphics.progname.top;
    fitheight(jex, graphics.myname);
    graphics.myname.width = graphics.mname.width;

    // The function buttons form the bottom row, function 1 under "my name".
    const int halfcolumn = roundhalfeven(graphics.myname.width / 2.0);
    Control& change1 = graphics.change1;
    change1.left = graphics.myname.left;
    change1.width = halfcolumn;
    fitheight(jex, change1);
    change1.top = roundhalfeven(clientheightpixels(graphics, screen) - change1.height - 6);
    placebeside(graphics.use1, change1);

    Control& pf1 = graphics.pf1;
    pf1.left = graphics.myname.left;
    pf1.width = graphics.myname.width;
    fitheight(jex, pf1);
    pf1.top = change1.top - pf1.height;
    Control& pf2 = graphics.pf2;
    pf2.left = graphics.progname.left;
    pf2.width = graphics.progname.width;
    fitheight(jex, pf2);
    pf2.top = pf1.top;

    Control& change2 = graphics.change2;
    change2.left = pf2.left;
    change2.width = roundhalfeven(pf2.width / 2.0);
    fitheight(jex, change2);
    change2.top = change1.top;
    placebeside(graphics.use2, change2);

    Control& warnings = graphics.warnings;
    warnings.left = graphics.myname.left;
    warnings.width = graphics.myname.width;
    warnings.font.points = graphicspoints;
    fitheight(jex, warnings);
    warnings.top = pf1.top - warnings.height - 6;
    fitmessage(jex);

    // load, print and save share the left-hand column.
    const int third = notnegative(roundhalfeven((columnwidth - 12) / 3.0));
    Control* previous = nullptr;
    for (Control* button : {&graphics.load, &graphics.printbutton, &graphics.save}) {
        button->width = third;
        button->left = previous ? previous->right() + 6 : 6;
        fitheight(jex, *button);
        button->top = warnings.top;
        previous = button;
    }

    Control& picture = graphics.Picture1;
    picture.top = graphics.progname.bottom() + 6;
    picture.left = 6;
    picture.width = notnegative(roundhalfeven(clientwidthpixels(graphics, screen) - 12));
    picture.height = notnegative(graphics.load.top - (picture.top + 12));

    setcanvasunits(jex);

    graphics.target.width = 2 * jex.canvasunit;
    graphics.target.height = graphics.target.width;
}

bool layoutserves(const JexState& jex) {
    const Control& picture = jex.windows.graphics.Picture1;
    return picture.width >= smallestdrawing && picture.height >= smallestdrawing &&
           jex.windows.funnies.centre.font.points >= smallesttooltype;
}

void setcanvasunits(JexState& jex) {
    jex.canvashalf = static_cast<Int16>(roundhalfeven(jex.windows.graphics.Picture1.height / 2.0));
    jex.canvasunit = static_cast<Int16>(wholepart(jex.canvashalf / 10.0));
    jex.spritesize = static_cast<Int16>(wholepart(2.0 * jex.canvasunit / 5));
    // Even on a small screen one unit of distance must move the robot.
    jex.movestep = static_cast<Int16>(std::max(1, wholepart(jex.canvasunit / 22.0)));
}

} // namespace jex
