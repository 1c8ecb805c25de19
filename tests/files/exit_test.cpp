// SPDX-License-Identifier: GPL-3.0-or-later
// The saved flag, the exit button with its exit window, and the question
// asked before an unsaved program is replaced by a load.
#include "files/exit.h"

#include "entry/keypad.h"
#include "files/loadsave.h"
#include "files/names.h"
#include "files/programbuttons.h"
#include "filesrig.h"
#include "fixtures.h"

#include <functional>

namespace jex::testing {
namespace {

using SavedFlag = FilesTest;

TEST_F(SavedFlag, ChangesOnlyWhereItShould) {
    const auto choose = [this](const std::filesystem::path& file) {
        platform.chosenfile = file.string();
    };
    // What the action does, and the flag afterwards (nothing: as it was).
    const std::vector<std::tuple<const char*, std::function<void()>, std::optional<bool>>> changes{
        {"command key", [&] { commandkey(jex, Command::forwards); }, false},
        {"repeat refused",
         [&] {
             press(jex, {Key::repeat, Key::two, Key::repeat, Key::two, Key::repeat, Key::two,
                         Key::repeat});
         },
         false},
        {"end refused", [&] { commandkey(jex, Command::end); }, false},
        {"digit, ce, cm, rm",
         [&] {
             press(jex, {Key::six, Key::ce, Key::cm, Key::rm});
         },
         {}},
        {"use", [&] { use2_Click(jex); }, {}},
        {"change", [&] { change1_Click(jex); }, {}},
        {"name", [&] { namebox_Change(jex, NameBox::pf1, "x"); }, {}},
        {"save", [&] { choose(myfolder() / "a.jex"), saveprogram(jex); }, true},
        {"save cancelled", [&] { platform.chosenfile.reset(), saveprogram(jex); }, false},
        {"save failed", [&] { choose(myfolder() / "none/a.jex"), saveprogram(jex); }, false},
        {"load", [&] { choose(fixtures() / "good/square.jex"), loadprogram(jex); }, true},
        {"load refused", [&] { choose(fixtures() / "bad/junk.jex"), loadprogram(jex); }, {}},
    };
    for (const auto& [what, action, afterwards] : changes) {
        for (const bool before : {true, false}) {
            choose(fixtures() / "good/square.jex");
            loadprogram(jex);
            jex.saved = before;
            action();
            EXPECT_EQ(jex.saved, afterwards.value_or(before)) << what << " from " << before;
        }
    }
    // A command key refused for a missing number changes nothing.
    press(jex, {Key::forwards});
    jex.saved = true;
    press(jex, {Key::backwards});
    EXPECT_TRUE(jex.saved);
}

using Leaving = FilesTest;

TEST_F(Leaving, ASavedProgramEndsAtOnce) {
    exitbutton_Click(jex);
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(jex.windows.exitwindow.shown);
}

TEST_F(Leaving, AnUnsavedProgramShowsTheExitWindowFirst) {
    press(jex, {Key::forwards});
    exitbutton_Click(jex);
    EXPECT_FALSE(platform.ended);
    const ExitWindow& window = jex.windows.exitwindow;
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.Label1.caption, "You haven't saved your program!");
    EXPECT_EQ(window.cancel.caption, "cancel");
    EXPECT_EQ(window.exitanyway.caption, "exit anyway");
    // Centred on the 1024 x 768 screen of 15 twips a pixel, the three rows stacked
    // as wide as the window, the message fitting in its row.
    EXPECT_NEAR(window.left * 2 + window.width, 1024 * 15, 1);
    EXPECT_NEAR(window.top * 2 + window.height, 768 * 15, 1);
    EXPECT_EQ(window.cancel.top, window.Label1.bottom());
    EXPECT_EQ(window.exitanyway.top, window.cancel.bottom());
    EXPECT_EQ(window.exitanyway.bottom(), window.height);
    for (const Control* row : {&window.Label1, &window.cancel, &window.exitanyway})
        EXPECT_EQ(row->width, window.width);
    EXPECT_GE(window.width / 15.0, platform.textwidth(window.Label1.font, window.Label1.caption));

    // Still shown, perhaps under the drawing: every press brings it up again.
    EXPECT_EQ(window.frontrequests, 1);
    exitbutton_Click(jex);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.frontrequests, 2);

    cancel_Click(jex);
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(jex.store.stepcount[0], 1);
    exitbutton_Click(jex);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.frontrequests, 3);
    EXPECT_FALSE(platform.ended);
    exitanyway_Click(jex);
    EXPECT_TRUE(platform.ended);
}

TEST_F(Leaving, TheExitWindowSpeaksInLargeTypeOnItsOwnColours) {
    const ExitWindow& window = jex.windows.exitwindow;
    const Colour green{0, 255, 0}, blue{0, 0, 255}, red{255, 0, 0};
    for (const Control* row : {&window.Label1, &window.cancel, &window.exitanyway})
        EXPECT_EQ(row->font.points, 18);
    EXPECT_EQ(window.font.points, 18);
    EXPECT_EQ(window.Label1.background, green);
    EXPECT_EQ(window.cancel.background, blue);
    EXPECT_EQ(window.exitanyway.background, red);
    EXPECT_EQ(window.titletext, 0);
}

using LoadGuard = FilesTest;

TEST_F(LoadGuard, AnUnsavedProgramAsksFirst) {
    press(jex, {Key::forwards, Key::five});
    platform.chosenfile = (fixtures() / "good" / "square.jex").string();
    platform.answeryes = false;
    jex.windows.graphics.warnings.caption = "old news";
    load_Click(jex);
    EXPECT_EQ(
        platform.questions,
        std::vector<std::string>{"JEX: You haven't saved your program. Do you want to continue?"});
    EXPECT_TRUE(platform.opensasked.empty());
    EXPECT_EQ(jex.store.stepcount[0], 1);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
    EXPECT_FALSE(jex.saved);

    platform.answeryes = true;
    load_Click(jex);
    EXPECT_EQ(platform.opensasked.size(), 1u);
    EXPECT_EQ(jex.store.slotname[0], "square");
}

} // namespace
} // namespace jex::testing
