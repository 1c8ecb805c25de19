// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textids.h"
#include "core/texts.h"
#include "files/exit.h"
#include "core/controls.h"

namespace jex {
namespace {

constexpr Colour brightgreen{0, 255, 0};
constexpr Colour toolgreen{192, 255, 192};
constexpr Colour toolblue{128, 128, 255};
constexpr Colour yellow{255, 255, 0};
constexpr Colour white{255, 255, 255};
constexpr Colour blue{0, 0, 255};
constexpr Colour red{255, 0, 0};
constexpr Colour black{0, 0, 0};
constexpr Colour darkgrey{64, 64, 64};

void style(Control& control, Colour background, Font font, Colour foreground = black) {
    control.background = background;
    control.foreground = foreground;
    control.font = font;
}

void designbuttons(ButtonsWindow& buttons) {
    buttons.background = darkgrey;
    buttons.titletext = textid::keypadtitle;
    for (Control& key : buttons.keys) key.background = darkgrey;
}

} // namespace

void designtools(FunniesWindow& funnies) {
    const Font font{13.8, false};
    funnies.background = toolgreen;
    funnies.font = font;
    funnies.titletext = textid::toolstitle;
    for (Control* label : {&funnies.xheading, &funnies.JEXX, &funnies.yheading, &funnies.JEXY,
                           &funnies.angleheading, &funnies.JEXangle, &funnies.speed,
                           &funnies.penlabel})
        style(*label, toolgreen, font);
    for (Control* button :
         {&funnies.penon, &funnies.penoff, &funnies.centre, &funnies.clear, &funnies.target}) {
        style(*button, toolblue, font);
        button->height = 492;
    }
    style(funnies.Slider1, toolgreen, font);
    funnies.Slider1.height = 492;
    funnies.penlabel.height = 372;
    funnies.speed.height = 372;
}

namespace {

void designprogram(ProgramWindow& program) {
    const Font font{18, false};
    program.background = brightgreen;
    program.font = font;
    program.titletext = textid::programtitle;
    style(program.exitbutton, blue, font, white);
    program.exitbutton.height = 500;
    program.exitbutton.caption = text(textid::exitcaption);
    style(program.nameheader, white, Font{18, true}, red);
    style(program.programtext, white, font);
}

void designgraphics(GraphicsWindow& graphics) {
    const Font font{graphicspoints, false};
    graphics.background = brightgreen;
    graphics.font = font;
    graphics.titletext = textid::drawingtitle;
    for (Control* label : {&graphics.pname, &graphics.mname, &graphics.warnings})
        style(*label, brightgreen, font);
    for (Control* box : {&graphics.progname, &graphics.myname}) style(*box, white, font);
    for (Control* yellowone : {&graphics.change1, &graphics.change2, &graphics.use1,
                               &graphics.use2, &graphics.pf1, &graphics.pf2})
        style(*yellowone, yellow, font);
    for (Control* button : {&graphics.load, &graphics.printbutton, &graphics.save})
        style(*button, white, font);
    style(graphics.Picture1, brightgreen, Font{7.8, false}, blue);
    style(graphics.target, yellow, Font{7.8, true});
    for (LineControl* marking :
         {&graphics.keys1, &graphics.keys2, &graphics.keys3, &graphics.keys4})
        marking->colour = white;
    for (LineControl* body :
         {&graphics.leftside, &graphics.rightside, &graphics.topside, &graphics.bottomside})
        body->colour = black;
}

} // namespace

void designwindows(Windows& windows) {
    designbuttons(windows.buttons);
    designtools(windows.funnies);
    designprogram(windows.program);
    designgraphics(windows.graphics);
    designexitwindow(windows.exitwindow);
}

} // namespace jex
