// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader's user hears as the program is keyed and read back:
// the step as it now stands after each key, what CE, CM and RM did, and the
// listing row by row. The status line keeps its own messages.
#include "entry/spoken.h"

#include "support/fakeplatform.h"
#include "support/keying.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

using Phrases = std::vector<std::string>;

using Spoken = RigTest<RunRig>;

TEST_F(Spoken, EachKeySaysTheProgramAsItNowStands) {
    const struct {
        std::vector<Key> keys;
        Phrases said;  // after keying F 5 0 first
        std::string warnings;
    } cases[] = {
        {{Key::repeat, Key::four}, {"repeat", "repeat 4"}, ""},
        {{Key::note, Key::three}, {"note", "note 3"}, ""},
        {{Key::leftbutton, Key::nine, Key::zero, Key::ce}, {"left", "left 9", "left 90",
                                                           "rubbed out left 90"}, ""},
        {{Key::ce, Key::ce}, {"rubbed out forward 50"}, "Nothing to rub out!"},
        {{Key::repeat, Key::two, Key::endbutton}, {"repeat", "repeat 2", "end"}, ""},
        {{Key::cm}, {"program cleared"}, ""},
        {{Key::cm, Key::rm}, {"program cleared", "program back, 1 step"}, ""},
        {{Key::rightbutton, Key::nine, Key::zero, Key::cm, Key::rm},
         {"right", "right 9", "right 90", "program cleared", "program back, 2 steps"}, ""},
        // Refused keys keep to the status line.
        {{Key::zero, Key::seven}, {"forward 500"}, "expecting a command!"},
        {{Key::endbutton}, {}, "no matching REPEAT!"},
        {{Key::cm, Key::cm}, {"program cleared"}, "Nothing to rub out!"},
        {{Key::cm, Key::ce}, {"program cleared"}, "Nothing to rub out!"},
    };
    for (const auto& c : cases) {
        initvariables(jex);
        press(jex, {Key::forwards, Key::five, Key::zero});
        EXPECT_EQ(platform.phrases(), (Phrases{"forward", "forward 5", "forward 50"}));
        platform.spoken.clear();
        for (Key key : c.keys) press(jex, {key});
        EXPECT_EQ(platform.phrases(), c.said) << c.said.size();
        EXPECT_EQ(jex.windows.graphics.warnings.caption, c.warnings) << c.warnings;
        platform.spoken.clear();
    }
}

TEST_F(Spoken, TheListingIsReadRowByRowWithoutChangingTheProgram) {
    rig.program(0, {"RP 4", "F 50", "R 90", "E", "PF1"});
    jex.store.slotname[1] = "hop";
    listing_GotFocus(jex);
    const struct {
        ListingMove move;
        std::string said;
        std::string shown;  // the row emphasised in the listing
    } reads[] = {
        {ListingMove::down, "1 of 5, repeat 4", "repeat  4"},
        {ListingMove::down, "2 of 5, forward 50", "forward  50"},
        {ListingMove::down, "3 of 5, right 90", "right  90"},
        {ListingMove::up, "2 of 5, forward 50", "forward  50"},
        {ListingMove::last, "5 of 5, hop", "hop"},
        {ListingMove::down, "5 of 5, hop", "hop"},
        {ListingMove::first, "1 of 5, repeat 4", "repeat  4"},
        {ListingMove::up, "1 of 5, repeat 4", "repeat  4"},
        {ListingMove::down, "2 of 5, forward 50", "forward  50"},
    };
    Phrases expected{"my program, 5 steps"};
    for (const auto& read : reads) {
        readlisting(jex, read.move);
        expected.push_back(read.said);
        EXPECT_EQ(rig.highlighted(), read.shown) << read.said;
    }
    EXPECT_EQ(platform.phrases(), expected);
    EXPECT_EQ(jex.store.stepcount[0], 5);
    EXPECT_TRUE(jex.saved);

    // Read afresh from the end after the focus comes back; rows rubbed out
    // meanwhile are never read.
    platform.spoken.clear();
    listing_GotFocus(jex);
    readlisting(jex, ListingMove::up);
    jex.store.stepcount[0] = 3;
    readlisting(jex, ListingMove::down);
    EXPECT_EQ(platform.phrases(), (Phrases{"my program, 5 steps", "5 of 5, hop", "1 of 3, repeat 4"}));

    platform.spoken.clear();
    initvariables(jex);
    listing_GotFocus(jex);
    readlisting(jex, ListingMove::down);
    EXPECT_EQ(platform.phrases(), (Phrases{"my program, no steps", "my program, no steps"}));
}

} // namespace
} // namespace jex::testing
