// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told of the controls whose caption does not say
// what they are (the name boxes, the slider, the listing, the drawing area,
// the buttons whose caption is shared or only half the story), and which
// label names which read-out. Both editions name their controls from here.
#pragma once

#include "core/textids.h"
#include "core/texts.h"

#include <array>
#include <string>

namespace jex {

// The four windows in the order they are shown.
enum class ShownWindow { keypad, tools, listing, drawing };

struct ScreenReaderName {
    ShownWindow window;
    const char* control;
    int words;
    int more = 0; // a second word after the first, or none
};

inline constexpr std::array<ScreenReaderName, 13> screenreadernames = {{
    {ShownWindow::tools, "Slider1", textid::speed},
    {ShownWindow::tools, "penon", textid::pen, textid::on},
    {ShownWindow::tools, "penoff", textid::pen, textid::off},
    {ShownWindow::listing, "programtext", textid::listing},
    {ShownWindow::drawing, "progname", textid::programname},
    {ShownWindow::drawing, "myname", textid::myname},
    {ShownWindow::drawing, "pf1", textid::functionone},
    {ShownWindow::drawing, "pf2", textid::functiontwo},
    {ShownWindow::drawing, "change1", textid::change, textid::functionone},
    {ShownWindow::drawing, "use1", textid::use, textid::functionone},
    {ShownWindow::drawing, "change2", textid::change, textid::functiontwo},
    {ShownWindow::drawing, "use2", textid::use, textid::functiontwo},
    {ShownWindow::drawing, "Picture1", textid::drawingarea},
}};

// What a screen reader says of the control, in the language in use.
inline std::string saidname(const ScreenReaderName& name) {
    return text(name.words) + (name.more ? " " + text(name.more) : "");
}

// Each read-out is a bare number, the slider and the name boxes bare
// controls; the label beside each says what it is.
struct LabelledControl {
    ShownWindow window;
    const char* label;
    const char* control;
};

inline constexpr std::array<LabelledControl, 6> labelledcontrols = {{
    {ShownWindow::tools, "xheading", "JEXX"},
    {ShownWindow::tools, "yheading", "JEXY"},
    {ShownWindow::tools, "angleheading", "JEXangle"},
    {ShownWindow::tools, "speed", "Slider1"},
    {ShownWindow::drawing, "pname", "progname"},
    {ShownWindow::drawing, "mname", "myname"},
}};

} // namespace jex
