// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/sprite.h"
#include "canvas/tools.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/textids.h"
#include "entry/feedback.h"
#include "entry/keys.h"
#include "support/fakeplatform.h"
#include "support/keying.h"
#include "windows/controltable.h"
#include "windows/layout.h"
#include "windows/relayout.h"
#include "windows/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

namespace jex::testing {
namespace {

void layoutall(JexState& jex) {
    initvariables(jex);
    layoutwindows(jex);
    startwindows(jex);
}

// A rig laid out on a screen of that size.
struct Laidout : Rig {
    explicit Laidout(ScreenInfo screen) {
        platform.screeninfo = screen;
        layoutall(jex);
    }
};

struct Box {
    int left, top, width, height;
    friend bool operator==(const Box&, const Box&) = default;
};
std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << box.left << "," << box.top << " " << box.width << "x" << box.height;
}
Box boxof(const Window& w) { return {w.left, w.top, w.width, w.height}; }
Box boxof(const Control& c) { return {c.left, c.top, c.width, c.height}; }

class Layout1024 : public ::testing::Test {
protected:
    Laidout rig{{1024, 768, 15, 15, {}}};
    JexState& jex = rig.jex;
    const Windows& windows = jex.windows;
};

TEST_F(Layout1024, WindowsTileTheScreenDownTo400TwipsAboveTheBottom) {
    EXPECT_EQ(std::tuple(jex.marginx, jex.marginy), std::tuple(90, 90));
    EXPECT_EQ(boxof(windows.buttons), (Box{9690, 7310, 5670, 3810}));
    EXPECT_EQ(boxof(windows.funnies), (Box{13980, 0, 1380, 7310}));
    EXPECT_EQ(boxof(windows.program), (Box{9690, 0, 4290, 7310}));
    EXPECT_EQ(boxof(windows.graphics), (Box{0, 0, 9690, 11120}));
    EXPECT_EQ(windows.graphics.background, (Colour{0, 255, 0}));
    EXPECT_EQ(windows.program.background, (Colour{0, 255, 0}));
    EXPECT_EQ(windows.buttons.background, (Colour{64, 64, 64}));
    EXPECT_EQ(windows.funnies.background, (Colour{192, 255, 192}));

    // Keys of 56 pixels with gaps of 6, each with its picture.
    for (const auto& [key, box, bitmap] : {std::tuple{Key::seven, Box{6, 6, 56, 56}, 101},
                                           {Key::flash, Box{316, 6, 56, 56}, 106},
                                           {Key::rm, Box{316, 192, 56, 56}, 124},
                                           {Key::go, Box{130, 192, 56, 56}, 121}}) {
        EXPECT_EQ(boxof(windows.buttons.key(key)), box) << keyindex(key);
        EXPECT_EQ(windows.buttons.key(key).bitmap, bitmap) << keyindex(key);
    }
}

// Every control of the windows in its place with its colour (pixels in the
// drawing window, twips in the others), the tools stacked from the top and
// from the bottom with the pen up, the listing filling the rest of its
// window; a caption is checked where the table gives one.
TEST_F(Layout1024, EveryControlHasItsPlaceColourAndCaption) {
    const Colour green{0, 255, 0}, toolgreen{192, 255, 192}, toolblue{128, 128, 255},
        blue{0, 0, 255}, yellow{255, 255, 0}, white{255, 255, 255};
    struct Design {
        const char* control;
        Box box;
        Colour background;
        const char* caption;
    };
    // clang-format off
    const Design designs[] = {
        {"funnies.xheading", {90, 90, 1200, 331}, toolgreen, "X value"},
        {"funnies.JEXX", {90, 511, 1200, 331}, toolgreen, ""},
        {"funnies.yheading", {90, 932, 1200, 331}, toolgreen, "Y value"},
        {"funnies.JEXY", {90, 1353, 1200, 331}, toolgreen, ""},
        {"funnies.angleheading", {90, 1774, 1200, 331}, toolgreen, "heading"},
        {"funnies.JEXangle", {90, 2195, 1200, 331}, toolgreen, ""},
        {"funnies.speed", {90, 2616, 1200, 372}, toolgreen, "speed"},
        {"funnies.Slider1", {90, 3078, 1200, 492}, toolgreen, ""},
        {"funnies.penlabel", {90, 4538, 1200, 372}, toolgreen, "pen"},
        {"funnies.penon", {90, 4982, 600, 492}, toolblue, "on"},
        {"funnies.penoff", {690, 4982, 600, 492}, toolgreen, "off"},
        {"funnies.target", {90, 5564, 1200, 492}, toolblue, "target"},
        {"funnies.clear", {90, 6146, 1200, 492}, toolblue, "clear"},
        {"funnies.centre", {90, 6728, 1200, 492}, toolblue, "centre"},
        {"program.exitbutton", {0, 0, 4290, 500}, blue, "exit"},
        {"program.nameheader", {0, 500, 4290, 504}, white, ""},
        {"program.programtext", {0, 1004, 4290, 6306}, white, ""},
        {"graphics.pname", {6, 6, 314, 26}, green, "program name"},
        {"graphics.mname", {326, 6, 314, 26}, green, "my name"},
        {"graphics.progname", {6, 38, 314, 26}, white, "my program"},
        {"graphics.myname", {326, 38, 314, 26}, white, "me"},
        {"graphics.Picture1", {6, 70, 634, 569}, green, ""},
        {"graphics.warnings", {326, 651, 314, 26}, green, ""},
        {"graphics.load", {6, 651, 101, 26}, white, "load"},
        {"graphics.printbutton", {113, 651, 101, 26}, white, "print"},
        {"graphics.save", {220, 651, 101, 26}, white, "save"},
        {"graphics.pf1", {326, 683, 314, 26}, yellow, "function 1"},
        {"graphics.pf2", {6, 683, 314, 26}, yellow, "function 2"},
        {"graphics.change1", {326, 709, 157, 26}, yellow, "change"},
        {"graphics.change2", {6, 709, 157, 26}, yellow, "change"},
        {"graphics.use1", {483, 709, 157, 26}, yellow, "use"},
        {"graphics.use2", {163, 709, 157, 26}, yellow, "use"},
    };
    // clang-format on
    for (const Design& design : designs) {
        const ControlEntry* entry = findcontrol(design.control);
        ASSERT_TRUE(entry) << design.control;
        const Control& control = controlin(*entry, windows);
        EXPECT_EQ(boxof(control), design.box) << design.control;
        EXPECT_EQ(control.background, design.background) << design.control;
        if (*design.caption) {
            EXPECT_EQ(control.caption, design.caption) << design.control;
        }
    }
    EXPECT_EQ(windows.graphics.Picture1.foreground, blue); // the pen's colour
    EXPECT_EQ(windows.program.nameheader.foreground, (Colour{255, 0, 0}));
    EXPECT_FALSE(windows.graphics.target.visible);
    EXPECT_EQ(boxof(windows.graphics.target), (Box{0, 0, 56, 56})); // two units
}

// Below 439 pixels a unit of distance would round to nothing; it stays one
// pixel so that the robot still moves.
TEST(CanvasUnits, FollowTheHeight) {
    Rig rig;
    JexState& jex = rig.jex;
    for (const auto& [height, half, unit, sprite, step] :
         {std::array{400, 200, 20, 8, 1},
          {569, 284, 28, 11, 1}, // 284.5 halves to even
          {401, 200, 20, 8, 1},
          {439, 220, 22, 8, 1},
          {500, 250, 25, 10, 1},
          {900, 450, 45, 18, 2}}) {
        jex.windows.graphics.Picture1.height = height;
        setcanvasunits(jex);
        EXPECT_EQ(std::tuple(jex.canvashalf, jex.canvasunit, jex.spritesize, jex.movestep),
                  std::tuple(half, unit, sprite, step))
            << "height " << height;
    }
}

void expectinside(const Control& control, double clientwidth, double clientheight,
                  std::string_view name) {
    EXPECT_GE(control.left, 0) << name;
    EXPECT_GE(control.top, 0) << name;
    EXPECT_LE(control.right(), clientwidth + 1) << name;
    EXPECT_LE(control.bottom(), clientheight + 1) << name;
}

TEST(LayoutWithFrames, ControlsStayInsideTheFramedWindowsWhichStillTile) {
    Laidout rig({1280, 1024, 15, 15, {2, 28, 2, 4}});
    const Windows& w = rig.jex.windows;

    EXPECT_EQ(w.graphics.right(), w.program.left);
    EXPECT_EQ(w.program.right(), w.funnies.left);
    EXPECT_EQ(w.funnies.right(), 1280 * 15);
    EXPECT_EQ(w.buttons.right(), 1280 * 15);
    EXPECT_EQ(w.program.bottom(), w.buttons.top);
    EXPECT_EQ(w.buttons.bottom(), 1024 * 15 - 400);
    EXPECT_EQ(w.graphics.bottom(), 1024 * 15 - 400);

    const double keypadwidth = w.buttons.width / 15.0 - 4, keypadheight = w.buttons.height / 15.0 - 32;
    for (const Control& key : w.buttons.keys) expectinside(key, keypadwidth, keypadheight, "key");

    // Every control inside its window: pixels in the drawing window, twips in
    // the others; the exit window is laid out when it is shown.
    const std::map<std::string_view, std::pair<double, double>> clients = {
        {"graphics", {w.graphics.width / 15.0 - 4, w.graphics.height / 15.0 - 32}},
        {"funnies", {w.funnies.width - 60, w.funnies.height - 32 * 15}},
        {"program", {w.program.width - 60, w.program.height - 32 * 15}}};
    for (const ControlEntry& entry : controltable()) {
        const auto client = clients.find(entry.window);
        if (client == clients.end()) continue;
        expectinside(controlin(entry, w), client->second.first, client->second.second, entry.name);
    }
}

// The tools window's controls, each with its name, as the rules' table lists them.
std::vector<std::pair<const Control*, std::string_view>> tools(const Windows& windows) {
    std::vector<std::pair<const Control*, std::string_view>> all;
    for (const ControlEntry& entry : controltable())
        if (entry.window == "funnies") all.push_back({&controlin(entry, windows), entry.name});
    return all;
}

bool overlap(const Control& a, const Control& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

class LowScreens : public ::testing::TestWithParam<int> {};

// Below about 710 pixels the stack from the bottom would cover the speed
// slider: every tool stays whole, apart from the others, inside the window,
// with smaller type that fits its control.
TEST_P(LowScreens, KeepEveryToolVisibleAndApart) {
    Laidout rig({800, GetParam(), 15, 15, {}});
    const FunniesWindow& f = rig.jex.windows.funnies;
    const auto all = tools(rig.jex.windows);
    for (auto [control, name] : all) {
        expectinside(*control, f.width, f.height, name);
        EXPECT_GT(control->height, 0) << name;
        EXPECT_GE(control->height, roundhalfeven(control->font.points * 1.2 * 20)) << name;
        EXPECT_TRUE(control->visible) << name;
        for (auto [other, othername] : all) {
            if (other == control) continue;
            EXPECT_FALSE(overlap(*control, *other)) << name << " " << othername;
        }
    }
    EXPECT_GE(f.penlabel.top - f.Slider1.bottom(), rig.jex.marginy);
    // The type shrinks, alike in every tool, but stays legible.
    EXPECT_GT(f.centre.font.points, 9.0);
    EXPECT_LT(f.centre.font.points, 13.8);
    EXPECT_DOUBLE_EQ(f.xheading.font.points, f.centre.font.points);
}

INSTANTIATE_TEST_SUITE_P(Heights, LowScreens, ::testing::Values(600, 640, 700, 709));

TEST(LowScreenTools, WhereTheStacksDoNotMeetNothingChanges) {
    for (int height : {710, 768}) {
        Laidout rig({1024, height, 15, 15, {}});
        const FunniesWindow& f = rig.jex.windows.funnies;
        const int foot = f.height;
        for (auto [control, name] : tools(rig.jex.windows))
            EXPECT_DOUBLE_EQ(control->font.points, 13.8) << name;
        EXPECT_EQ(boxof(f.Slider1), (Box{90, 3078, 1200, 492}));
        EXPECT_EQ(boxof(f.centre), (Box{90, foot - 582, 1200, 492}));
        EXPECT_EQ(boxof(f.penon), (Box{90, foot - 4 * 582, 600, 492}));
        EXPECT_EQ(f.penlabel.top, foot - 6 * 462);
    }
}

TEST(LayoutOnATinyScreen, GivesNoNegativeSizes) {
    Laidout rig({320, 240, 15, 15, {}});
    const GraphicsWindow& g = rig.jex.windows.graphics;
    for (const Control* control : {&g.pname, &g.load, &g.Picture1, &g.change1, &g.target})
        EXPECT_GE(std::min(control->width, control->height), 0);
    EXPECT_GE(rig.jex.windows.program.programtext.height, 0);
    EXPECT_GE(rig.jex.canvasunit, 0);
    EXPECT_EQ(rig.jex.movestep, 1);
}

// A phone, upright or on its side, and a small laptop screen are too small
// to be served (the drawing a strip, or the tools' type unreadable); a
// netbook and an upright tablet are served.
TEST(LayoutOnATinyScreen, SaysWhichScreensItCannotServe) {
    struct Case {
        int width, height;
        bool served;
    };
    for (const Case& c : {Case{412, 915, false}, Case{915, 412, false}, Case{540, 960, false},
                          Case{640, 480, false}, Case{600, 800, true}, Case{768, 1024, true},
                          Case{800, 600, true}, Case{1024, 600, true}}) {
        Laidout rig({c.width, c.height, 15, 15, {}});
        EXPECT_EQ(layoutserves(rig.jex), c.served) << c.width << "x" << c.height;
    }
}

TEST(LayoutAtOtherResolutions, UsesTheScreensTwipsPerPixel) {
    Laidout rig({1920, 1080, 10, 10, {}}); // 144 dots to the inch
    EXPECT_EQ(rig.jex.marginx, 60);
    EXPECT_EQ(rig.jex.windows.buttons.width, 3780);
    EXPECT_EQ(rig.jex.windows.buttons.left, 19200 - 3780);
    EXPECT_EQ(rig.jex.windows.graphics.pname.height, 39);  // 13.8 points, 1.4 lines, in pixels
}

// A resized screen lays the windows out again: every control takes the place,
// size and type a fresh layout gives it on that screen (the tools shrunk from
// their design, never from the shrinking of a lower screen), while what the
// pupil made stays: names, the pen, the target, the speed, the listing, and
// the drawing drawn again from its strokes around the new centre.
TEST(Relayout, TakesTheNewScreensPlacesAndKeepsWhatThePupilMade) {
    Laidout rig({1024, 600, 15, 15, {}});
    JexState& jex = rig.jex;
    GraphicsWindow& g = jex.windows.graphics;
    press(jex, {Key::forwards, Key::two});
    g.progname.caption = "stars";
    g.change1.caption = "end change";
    g.target.visible = true;
    jex.windows.funnies.Slider1.value = 37;
    setpen(jex, true);
    jex.trail.record({0, 0, 0, 20});
    jex.trail.record({0, 20, 10, 20});

    rig.platform.screeninfo = {1024, 768, 15, 15, {}};
    rig.platform.penlines.clear();
    relayout(jex);

    Laidout fresh({1024, 768, 15, 15, {}});
    for (const ControlEntry& entry : controltable()) {
        const Control& control = entry.control(jex.windows);
        Control laidout = entry.control(fresh.jex.windows);
        if (&control == &g.target) {  // placed where it is drawn
            laidout.left = control.left;
            laidout.top = control.top;
        }
        EXPECT_EQ(boxof(control), boxof(laidout)) << entry.window << "." << entry.name;
        EXPECT_DOUBLE_EQ(control.font.points, laidout.font.points) << entry.name;
    }
    EXPECT_EQ(boxof(jex.windows.funnies), boxof(fresh.jex.windows.funnies));
    EXPECT_EQ(jex.canvasunit, fresh.jex.canvasunit);

    EXPECT_EQ(g.progname.caption, "stars");
    EXPECT_EQ(g.change1.caption, "end change");
    EXPECT_EQ(g.use1.caption, "use");
    EXPECT_TRUE(g.target.visible);
    EXPECT_TRUE(pendown(jex));
    EXPECT_EQ(jex.windows.funnies.Slider1.value, 37);
    ASSERT_EQ(rig.platform.penlines.size(), 2u);
    EXPECT_EQ(rig.platform.penlines[1].x2, canvasx(fresh.jex, 10));
    EXPECT_EQ(rig.platform.penlines[1].y2, canvasy(fresh.jex, 20));
    EXPECT_EQ(jex.windows.program.programtext.lines.size(), 1u);
}

// A message too long for the status line is set in the largest smaller type
// that fits it whole; the line keeps its height, and a wider screen (or a
// shorter message) has the designed type again.
TEST(MessageLine, FitsEveryMessageWholeInTheLargestTypeThatFits) {
    Laidout rig({1024, 768, 15, 15, {}});
    JexState& jex = rig.jex;
    const Control& line = jex.windows.graphics.warnings;
    const int height = line.height;
    const auto room = [&] { return line.width - 2 * labelpadding; };
    const auto width = [&](double points) { return rig.platform.textwidth({points, false}, line.caption); };
    showmessage(jex, textid::expectingcommand);
    EXPECT_DOUBLE_EQ(line.font.points, graphicspoints);

    rig.platform.screeninfo = {560, 768, 15, 15, {}};
    layoutwindows(jex);
    ASSERT_GT(width(graphicspoints), room());
    EXPECT_LE(width(line.font.points), room());
    EXPECT_GT(width(line.font.points + 0.1), room());
    EXPECT_EQ(line.height, height);
    showmessage(jex, textid::expectingnumber);
    const double shorter = line.font.points;
    EXPECT_LE(width(shorter), room());
    showmessage(jex, textid::expectingcommand);
    EXPECT_LT(line.font.points, shorter);

    rig.platform.screeninfo = {1024, 768, 15, 15, {}};
    layoutwindows(jex);
    EXPECT_DOUBLE_EQ(line.font.points, graphicspoints);
    EXPECT_EQ(line.height, height);
}

} // namespace
} // namespace jex::testing
