// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup.h"

#include "canvas/tools.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/loadsave.h"
#include "windows/layout.h"
#include "windows/picture.h"

#include <utility>

namespace jex {
namespace {

// The captions the program's language gives, control by control.
constexpr std::pair<Control GraphicsWindow::*, int> drawingcaptions[] = {
    {&GraphicsWindow::pname, textid::programname}, {&GraphicsWindow::mname, textid::myname},
    {&GraphicsWindow::progname, textid::myprogram}, {&GraphicsWindow::myname, textid::me},
    {&GraphicsWindow::change1, textid::change},     {&GraphicsWindow::use1, textid::use},
    {&GraphicsWindow::change2, textid::change},     {&GraphicsWindow::use2, textid::use},
    {&GraphicsWindow::load, textid::load},          {&GraphicsWindow::printbutton, textid::print},
    {&GraphicsWindow::save, textid::save},
};
constexpr std::pair<Control FunniesWindow::*, int> toolcaptions[] = {
    {&FunniesWindow::xheading, textid::xvalue}, {&FunniesWindow::yheading, textid::yvalue},
    {&FunniesWindow::angleheading, textid::heading}, {&FunniesWindow::speed, textid::speed},
    {&FunniesWindow::centre, textid::centre},   {&FunniesWindow::clear, textid::clear},
    {&FunniesWindow::target, textid::target},   {&FunniesWindow::penlabel, textid::pen},
    {&FunniesWindow::penon, textid::on},        {&FunniesWindow::penoff, textid::off},
};

} // namespace

void startwindows(JexState& jex) {
    for (auto [control, textnumber] : drawingcaptions)
        (jex.windows.graphics.*control).caption = text(textnumber);
    for (auto [control, textnumber] : toolcaptions)
        (jex.windows.funnies.*control).caption = text(textnumber);
    setpen(jex, false);
    jex.windows.graphics.target.visible = false;
    jex.platform.paintbackground();
}

void program_Load(JexState& jex) {
    getpicture(jex);
    initvariables(jex);
    layoutwindows(jex);
    startwindows(jex);
    getdefault(jex);
    jex.store.slotname[0] = text(textid::myprogram);
    jex.authorname = text(textid::me);
    centrerobot(jex);
    playwave(jex, "yea");
}

} // namespace jex
