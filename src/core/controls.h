// SPDX-License-Identifier: GPL-3.0-or-later
// The windows and the controls the rules write and read back. They are plain
// data: the Qt layer draws them and never holds a value of its own.
#pragma once

#include "core/types.h"

#include <string>
#include <vector>

namespace jex {

struct Font {
    double points = 13.8;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// The type of the drawing window's names, buttons and status line.
inline constexpr double graphicspoints = 13.8;
// Labels keep this many pixels clear at each side of their text.
inline constexpr int labelpadding = 2;

// A control's position and size are in its window's own units: screen pixels
// in the keypad and drawing windows, twips in the tools and listing windows.
struct Control {
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;  // caption of a button or label, text of a text box
    Colour background{255, 255, 255};
    Colour foreground{0, 0, 0};
    Font font;
    bool visible = true;
    int bitmap = 0;  // picture resource of a picture button, 0 for none

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// A straight line object lying over the drawing area, in its pixels. The
// drawing area paints it over its own picture, never into it.
struct LineControl {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int thickness = 1;  // pixels
    Colour colour{0, 0, 0};
    bool visible = true;
    friend bool operator==(const LineControl&, const LineControl&) = default;
};

// The speed a run starts with: each step is highlighted, a move glides about
// ten units a tick and a quarter turn takes a second, so a first run is
// plainly animated without being slow.
inline constexpr int startingspeed = 20;

struct Slider : Control {
    int value = startingspeed;
    int minimum = 1;
    int maximum = 50;
    int largechange = 5;
};

// One line printed into the listing box: a plain part, then an emphasised
// part in bold and underlined.
struct PrintedLine {
    std::string plain;
    std::string emphasised;
    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

struct ListingBox : Control {
    std::vector<PrintedLine> lines;
};

// Windows are placed on the screen in twips; `shown` follows the first show.
struct Window {
    int left = 0, top = 0, width = 0, height = 0;
    bool shown = false;
    Colour background{192, 192, 192};
    Font font;
    int titletext = 0;  // string table number of the title
    // Counts the requests to bring the window above the others and give it
    // the keyboard: a shown window may lie hidden under another.
    int frontrequests = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

enum class Key {
    seven, eight, nine, note, forwards, flash,
    four, five, six, leftbutton, pause, rightbutton,
    one, two, three, repeat, backwards, endbutton,
    zero, test, go, cm, ce, rm,
};
inline constexpr int keycount = 24;

// The robot's keypad.
struct ButtonsWindow : Window {
    std::array<Control, keycount> keys;
    Control& key(Key k) { return keys[static_cast<int>(k)]; }
    const Control& key(Key k) const { return keys[static_cast<int>(k)]; }
};

// The pen buttons' two colours: the button showing the selected one is the
// pen's state.
inline constexpr Colour penselected{192, 255, 192};
inline constexpr Colour penunselected{128, 128, 255};

// The drawing tools and read-outs.
struct FunniesWindow : Window {
    Control xheading, JEXX, yheading, JEXY, angleheading, JEXangle, speed;
    Slider Slider1;
    Control penlabel, penon, penoff, target, clear, centre;
};

// The main window with the listing.
struct ProgramWindow : Window {
    Control exitbutton, nameheader;
    ListingBox programtext;
};

// Program names, functions, files, the status line and the drawing area.
struct GraphicsWindow : Window {
    Control pname, mname, progname, myname;
    Control Picture1;
    Control warnings;
    Control load, printbutton, save;
    Control pf1, pf2, change1, change2, use1, use2;
    Control target;  // lies inside Picture1, in its pixels
    // Counts the messages put in `warnings`, so that one shown twice running
    // can be told twice though the caption stays the same.
    int warningsshown = 0;

    // The robot sprite, lying over Picture1: four thick black body lines and
    // four white lines marking its rear part, painted in front of the body.
    LineControl leftside, rightside, topside, bottomside;
    LineControl keys1, keys2, keys3, keys4;
};

// Asks before an unsaved program is left: a message and two buttons stacked,
// each as wide as the window. Placed in twips.
struct ExitWindow : Window {
    Control Label1, cancel, exitanyway;
};

struct Windows {
    ButtonsWindow buttons;
    FunniesWindow funnies;
    ProgramWindow program;
    GraphicsWindow graphics;
    ExitWindow exitwindow;
};

// Sets the properties the windows have before any layout: fonts, colours,
// fixed sizes and the captions that never change.
void designwindows(Windows& windows);
// The tools window alone, as designed: the sizes a low screen shrinks from.
void designtools(FunniesWindow& funnies);

} // namespace jex
