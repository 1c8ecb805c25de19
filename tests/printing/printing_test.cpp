// SPDX-License-Identifier: GPL-3.0-or-later
// What the print button sends to the printer, on a printer that writes down
// every operation, and how a missing or refusing printer is met.
#include "printing/printbutton.h"
#include "printing/printlisting.h"
#include "printrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

class Printing : public RigTest<PrintRig> {
  protected:
    void placesprite() {
        GraphicsWindow& g = jex.windows.graphics;
        int n = 0;
        for (LineControl* line : {&g.leftside, &g.rightside, &g.topside, &g.bottomside, &g.keys1,
                                  &g.keys2, &g.keys3, &g.keys4}) {
            *line = {n, n + 1, n + 2, n + 3, 1, {}, true};
            n += 10;
        }
    }

    static PrintCall line(double x1, double y1, double x2, double y2, Colour c) {
        return PrintCall::shape("line", {x1, y1, x2, y2}, c);
    }
    using call = PrintCall;
};

TEST_F(Printing, AnEmptyProgramPrintsTheWholeRecordInOrder) {
    placesprite();
    printbutton_Click(jex);

    const Colour black{0, 0, 0}, white{255, 255, 255};
    const std::vector<PrintCall> expected{
        // The job is named in the printer's queue as the page is titled.
        call("settitle", {}, "my program written by me"), call("pagesize"),
        call("setlinewidth", {1}), call("setcurrentx", {0}),
        call("setcurrenty", {0}),
        // 640 wide, and as many units down as the 8 x 11 inch page's shape gives.
        call("setscale", {640, 880}),
        // The pen: 5 dots times 1.2; the body 144 and the marking 122 twips,
        // at 2.4 twips a dot, times 1.2.
        call("setlinewidth", {6}), call("setlinewidth", {72}), line(0, 1, 2, 3, black),
        line(10, 11, 12, 13, black), line(20, 21, 22, 23, black), line(30, 31, 32, 33, black),
        call("setlinewidth", {61}), line(60, 61, 62, 63, white), line(70, 71, 72, 73, white),
        line(50, 51, 52, 53, white), line(40, 41, 42, 43, white),
        // The date ends at the right edge, right under the drawing.
        call("setfontsize", {10}), call("setcurrenty", {500}), call("textwidth", {}, "06/12/2026"),
        call("setcurrentx", {640 - 50}), call("printline", {}, "06/12/2026"),
        // The title is centred as one text and printed in three pieces.
        call("setfontsize", {18}), call("textwidth", {}, "my program written by me"),
        call("setcurrentx", {(640 - 216) / 2.0}), call("print", {}, "my program"),
        call("print", {}, " written by "), call("print", {}, "me"), call("newline"),
        call("newline"), call("setfontsize", {14}), call("setcurrentx", {0.25 * 640 / 3}),
        call("print", {}, "my program "), call("setcurrentx", {1.25 * 640 / 3}),
        call("print", {}, "function 1 "), call("setcurrentx", {2.25 * 640 / 3}),
        call("print", {}, "function 2 "), call("newline"), call("enddocument")};
    EXPECT_EQ(rig.calls(), expected);

    EXPECT_EQ(jex.windows.graphics.warnings.caption, "Print finished");
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].name, "yea");
    EXPECT_EQ(platform.sounds[0].tick, 8);
}

TEST_F(Printing, ScaleAndLineWidthsFollowThePageAndTheScreen) {
    struct Case {
        PageSize page;
        double screentwips;
        int width, height;
        double scaleheight;
        int pen, body, marking;
    };
    const std::vector<Case> cases{
        // A4's printable area at 300 dots an inch on a 96-dot screen.
        {{11338, 16044, 300}, 15, 640, 480, 640.0 * 16044 / 11338, 6, 35, 30},
        // A landscape page: the drawing still spans the width.
        {{15840, 11520, 600}, 15, 640, 480, 640.0 * 11520 / 15840, 8, 99, 84},
        // A 120-dot screen: 12 twips a pixel, so each pixel becomes more paper.
        {{11520, 15840, 1200}, 12, 600, 400, 825, 8, 192, 163},
        // Halves go to the even neighbour: 2.5 gives 2, 7.5 gives 8.
        {{4800, 6600, 600}, 15, 640, 480, 880, 2, 30, 25},
        {{14400, 19800, 600}, 15, 640, 480, 880, 8, 90, 76},
        // The marking is exactly 122 / 2.4 x 15120 / (15 x 976) = 52.5 dots,
        // a half however it is reached on paper: it goes to the even 52.
        {{15120, 19800, 600}, 15, 976, 480, 976.0 * 19800 / 15120, 5, 62, 52},
    };
    for (const Case& c : cases) {
        PrintRig one;
        one.platform.printer.page = c.page;
        one.platform.screeninfo.twipsperpixelx = c.screentwips;
        one.jex.windows.graphics.Picture1.width = c.width;
        one.jex.windows.graphics.Picture1.height = c.height;
        printprogram(one.jex);

        const std::vector<PrintCall> scale = one.only("setscale");
        ASSERT_EQ(scale.size(), 1u);
        EXPECT_EQ(scale[0].numbers[0], c.width);
        EXPECT_DOUBLE_EQ(scale[0].numbers[1], c.scaleheight);
        std::vector<double> widths;
        for (const PrintCall& w : one.only("setlinewidth"))
            widths.push_back(w.numbers[0]);
        EXPECT_EQ(widths,
                  (std::vector<double>{1, double(c.pen), double(c.body), double(c.marking)}))
            << "page " << c.page.widthtwips << " at " << c.page.dotsperinch << " dots an inch";
    }
}

TEST_F(Printing, PenStrokesArePrintedInBlueFromTheCentreUpwards) {
    // An odd size: the centre is the whole part of its half.
    jex.windows.graphics.Picture1.width = 641;
    jex.windows.graphics.Picture1.height = 501;
    jex.trail.record({0, 0, 0, 50});
    jex.trail.record({0, 50, -30, 50});
    jex.trail.record({-30, 50, 100, -120});
    printprogram(jex);

    const Colour blue{0, 0, 255};
    const std::vector<PrintCall> lines = rig.only("line");
    ASSERT_EQ(lines.size(), 3u + 8u);
    EXPECT_EQ(lines[0], line(320, 250, 320, 200, blue));
    EXPECT_EQ(lines[1], line(320, 200, 290, 200, blue));
    EXPECT_EQ(lines[2], line(290, 200, 420, 370, blue));
    // The robot comes after the trail, over it.
    EXPECT_EQ(lines[3].numbers[6], 0);
}

TEST_F(Printing, TheBackgroundAndTheTargetsRedFrameOnlyWhenShown) {
    Control& target = jex.windows.graphics.target;
    target.left = 400;
    target.top = 90;
    target.width = 50;
    target.height = 50;
    printprogram(jex);
    EXPECT_TRUE(rig.only("paintpicture").empty());
    EXPECT_TRUE(rig.only("rectangle").empty());

    PrintRig shown;
    shown.jex.pictureloaded = true;
    shown.jex.windows.graphics.target = target;
    shown.jex.windows.graphics.target.visible = true;
    printprogram(shown.jex);
    ASSERT_EQ(shown.only("paintpicture").size(), 1u);
    EXPECT_EQ(shown.only("paintpicture")[0].numbers, (std::vector<double>{0, 0, 640, 500}));
    EXPECT_EQ(shown.calls()[6].operation, "paintpicture"); // under everything else drawn
    const std::vector<PrintCall> frames = shown.only("rectangle");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].numbers, (std::vector<double>{400, 90, 50, 50, 255, 0, 0}));
    EXPECT_EQ(shown.only("setlinewidth").back().numbers[0], 1); // one dot
}

TEST_F(Printing, RowsRunToTheLongestSlotWithShortSlotsLeftEmpty) {
    fillslot(jex.store, 0, 3);
    fillslot(jex.store, 1, 10);
    jex.store.slotname[1] = "zigzag";
    printprogram(jex);

    const std::vector<std::string> texts = rig.texts();
    // The date, three title pieces and three headings come first.
    ASSERT_EQ(texts.size(), 1u + 3u + 3u + 10u * 3u);
    EXPECT_EQ(texts[5], "zigzag ");
    for (int row = 1; row <= 10; ++row) {
        const std::size_t first = 7 + (row - 1) * 3;
        EXPECT_EQ(texts[first], row <= 3 ? " forward  " + std::to_string(row) : "") << row;
        EXPECT_EQ(texts[first + 1], " forward  " + std::to_string(row)) << row;
        EXPECT_EQ(texts[first + 2], "") << row;
    }
    // Heading line and rows each end with one new line, after the title's two.
    EXPECT_EQ(rig.only("newline").size(), 2u + 1u + 10u);
    // The page's origin, the date, the title, the headings, then every cell.
    EXPECT_EQ(rig.only("setcurrentx").size(), 1u + 1u + 1u + 3u + 10u * 3u);
}

TEST_F(Printing, TheDateFollowsThePattern) {
    const CalendarDate date{3, 7, 2009};
    EXPECT_EQ(datetext("dd/mm/yyyy", date), "03/07/2009");
    EXPECT_EQ(datetext("mm/dd/yy", date), "07/03/09");
    EXPECT_EQ(datetext("d.m.yyyy", date), "3.7.2009");
    EXPECT_EQ(datetext("yyyy-mm-dd", {31, 12, 1999}), "1999-12-31");
}

void drawsomething(PrintRig& rig) {
    rig.jex.pictureloaded = true;
    rig.jex.windows.graphics.target.visible = true;
    rig.jex.trail.record({0, 0, 0, 50});
    fillslot(rig.jex.store, 0, 2);
    fillslot(rig.jex.store, 2, 1);
}

// "printer error", the failure sound, nothing more sent, and the half-built
// document thrown away.
void expectprintererror(const PrintRig& rig) {
    EXPECT_EQ(rig.jex.windows.graphics.warnings.caption, "printer error");
    EXPECT_EQ(rig.platform.soundnames(), std::vector<std::string>{"nay"});
}

TEST(PrintFailures, NoPrinterIsAPrinterError) {
    PrintRig rig;
    rig.platform.printer.available = false;
    rig.jex.windows.graphics.warnings.caption = "finished!";
    printbutton_Click(rig.jex);
    expectprintererror(rig);
    EXPECT_TRUE(rig.calls().empty());
}

TEST(PrintFailures, ARefusalAnywhereStopsThePrintAndAbandonsIt) {
    PrintRig whole;
    drawsomething(whole);
    printprogram(whole.jex);
    const std::vector<PrintCall> all = whole.calls();
    ASSERT_EQ(all.back().operation, "enddocument");

    for (std::size_t refused = 1; refused <= all.size(); ++refused) {
        PrintRig rig;
        drawsomething(rig);
        rig.platform.printer.refuse = static_cast<int>(refused);
        printprogram(rig.jex);

        std::vector<PrintCall> expected(all.begin(), all.begin() + static_cast<long>(refused));
        expected.push_back({"abandon"});
        EXPECT_EQ(rig.calls(), expected)
            << "refused " << all[refused - 1].operation << " at " << refused;
        expectprintererror(rig);
    }
}

TEST(PrintFailures, AWidthOfNoWholeDotIsAnError) {
    // So coarse a printer that the robot's marking would be no dots wide; one
    // that says nothing of its dots would make every width none.
    // The first still draws the body, one dot wide.
    for (auto [dotsperinch, bodylines] : {std::pair{4.8, 4u}, std::pair{0.0, 0u}}) {
        PrintRig rig;
        rig.platform.printer.page.dotsperinch = dotsperinch;
        printprogram(rig.jex);
        expectprintererror(rig);
        EXPECT_EQ(rig.only("line").size(), bodylines) << dotsperinch;
        EXPECT_TRUE(rig.only("print").empty());
        EXPECT_EQ(rig.calls().back().operation, "abandon");
    }
}

} // namespace
} // namespace jex::testing
