// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state.h"
#include "core/commands.h"
#include "entry/listing.h"
#include "support/fakeplatform.h"
#include "support/keying.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jex::testing {
namespace {

class Listing : public RigTest<> {
  protected:
    void SetUp() override {
        initvariables(jex);
        // A listing box of 6306 twips holds 14 lines of 18 points.
        jex.windows.program.programtext.height = 6306;
    }

    std::vector<std::string> shown() const {
        std::vector<std::string> lines;
        for (const PrintedLine& line : jex.windows.program.programtext.lines)
            lines.push_back(line.plain + line.emphasised);
        return lines;
    }

    void keyforwards(int count) {
        for (int i = 0; i < count; ++i) press(jex, {Key::forwards, Key::one});
    }
};

TEST_F(Listing, HeaderNamesTheSlotAndAnEmptySlotShowsNothingElse) {
    showlisting(jex, 0);
    EXPECT_EQ(jex.windows.program.nameheader.caption, "my program");
    EXPECT_TRUE(jex.windows.program.programtext.lines.empty());

    jex.currentslot = 1;
    jex.store.slotname[1] = "square";
    press(jex, {Key::pause, Key::four});
    EXPECT_EQ(jex.windows.program.nameheader.caption, "square");
    EXPECT_EQ(shown(), std::vector<std::string>{" pause  4"});
}

TEST_F(Listing, NestedBlocksAndEveryWord) {
    press(jex, {Key::repeat, Key::two, Key::repeat, Key::three, Key::note, Key::zero,
                Key::flash, Key::five, Key::endbutton, Key::pause, Key::one, Key::endbutton,
                Key::backwards, Key::seven, Key::leftbutton, Key::nine, Key::zero,
                Key::rightbutton, Key::one, Key::two, Key::three});
    EXPECT_EQ(shown(), (std::vector<std::string>{
                           " repeat  2", "  repeat  3", "   note  0", "   flash  5", "  end ",
                           "  pause  1", " end ", " backward  7", " left  90", " right  123"}));
}

TEST_F(Listing, VisibleLinesIsOneLessThanTheLinesThatFit) {
    EXPECT_EQ(visiblelines(jex), 13);
    jex.windows.program.programtext.height = 432 * 3;
    EXPECT_EQ(visiblelines(jex), 2);
    jex.windows.program.programtext.height = 432 * 3 - 1;
    EXPECT_EQ(visiblelines(jex), 1);
}

TEST_F(Listing, LongProgramShowsItsLastStepsIndentedByBlocksBegunAboveThem) {
    press(jex, {Key::repeat, Key::two});
    keyforwards(20);
    press(jex, {Key::backwards, Key::two});
    const auto lines = shown();
    ASSERT_EQ(lines.size(), 14u); // rows 9 to 22
    EXPECT_EQ(lines.back(), "  backward  2");
    EXPECT_EQ(lines.front(), "  forward  1");
}

// Which rows of a program of 30 steps (or 3) are shown when a step is
// highlighted: the step is the bottom line when it can be; a step outside
// the rows highlights none (0).
TEST_F(Listing, ShowStepKeepsTheHighlightedStepInView) {
    struct Case {
        int steps, row, firstshown, lastshown, highlighted;
    };
    for (const Case& c : {Case{30, 20, 7, 20, 20}, Case{30, 1, 1, 14, 1}, Case{30, 31, 17, 30, 0},
                          Case{3, 2, 1, 3, 2}, Case{3, -1, 1, 3, 0}}) {
        initvariables(jex);
        jex.windows.program.programtext.height = 6306;
        keyforwards(c.steps);
        showstep(jex, 0, c.row);
        const auto& printed = jex.windows.program.programtext.lines;
        ASSERT_EQ(printed.size(), static_cast<std::size_t>(c.lastshown - c.firstshown + 1))
            << c.row;
        for (int row = c.firstshown; row <= c.lastshown; ++row)
            EXPECT_EQ(printed[row - c.firstshown], row == c.highlighted
                                                       ? (PrintedLine{" ", "forward  1"})
                                                       : (PrintedLine{" forward  1", ""}))
                << "row " << row << " with step " << c.row << " shown";
    }
}

TEST_F(Listing, HighlightKeepsTheIndentationPlain) {
    press(jex, {Key::repeat, Key::three, Key::repeat, Key::two, Key::note, Key::four});
    showstep(jex, 0, 3);
    EXPECT_EQ(jex.windows.program.programtext.lines[2], (PrintedLine{"   ", "note  4"}));
}

TEST_F(Listing, RowsPastTheTerminatorAreEmpty) {
    keyforwards(3);
    press(jex, {Key::ce});
    buildlisting(jex, 0);
    EXPECT_EQ(jex.listinglines[2][0], " forward  1");
    EXPECT_EQ(jex.listinglines[3][0], "");
    EXPECT_EQ(jex.listinglines[4][0], "");
}

} // namespace
} // namespace jex::testing
