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

struct SavedCase {
    const char* what;
    std::function<void(FilesTest&, JexState&, FakePlatform&)> action;
    std::optional<bool> afterwards;  // nothing: as it was
};

class SavedFlag : public FilesTest, public ::testing::WithParamInterface<SavedCase> {};

TEST_P(SavedFlag, ChangesOnlyWhereItShould) {
    press(jex, {Key::repeat, Key::two, Key::forwards, Key::five, Key::endbutton});
    for (const bool before : {true, false}) {
        jex.saved = before;
        GetParam().action(*this, jex, platform);
        EXPECT_EQ(jex.saved, GetParam().afterwards.value_or(before)) << "from " << before;
    }
}

void savefile(FilesTest& test, JexState& jex, FakePlatform& platform, const char* name) {
    platform.chosenfile = (test.myfolder() / name).string();
    saveprogram(jex);
}

INSTANTIATE_TEST_SUITE_P(
    EveryChange, SavedFlag,
    ::testing::Values(
        SavedCase{"command key", [](auto&, JexState& j, auto&) { commandkey(j, "F"); }, false},
        SavedCase{"repeat refused",
                  [](auto&, JexState& j, auto&) {
                      press(j, {Key::repeat, Key::two, Key::repeat, Key::two, Key::repeat,
                                Key::two, Key::repeat});
                  },
                  false},
        SavedCase{"end refused", [](auto&, JexState& j, auto&) { commandkey(j, "E"); }, false},
        SavedCase{"command refused for a missing number",
                  [](auto&, JexState& j, auto&) {
                      const bool was = j.saved;
                      press(j, {Key::forwards});
                      j.saved = was;
                      press(j, {Key::backwards});
                  },
                  std::nullopt},
        SavedCase{"digit, ce, cm, rm",
                  [](auto&, JexState& j, auto&) { press(j, {Key::six, Key::ce, Key::cm, Key::rm}); },
                  std::nullopt},
        SavedCase{"use", [](auto&, JexState& j, auto&) { use2_Click(j); }, std::nullopt},
        SavedCase{"change", [](auto&, JexState& j, auto&) { change1_Click(j); }, std::nullopt},
        SavedCase{"name", [](auto&, JexState& j, auto&) { namebox_Change(j, NameBox::pf1, "x"); },
                  std::nullopt},
        SavedCase{"save", [](auto& t, JexState& j, auto& p) { savefile(t, j, p, "a.jex"); }, true},
        SavedCase{"save cancelled",
                  [](auto&, JexState& j, auto& p) {
                      p.chosenfile.reset();
                      saveprogram(j);
                  },
                  false},
        SavedCase{"save failed",
                  [](auto& t, JexState& j, auto& p) { savefile(t, j, p, "none/a.jex"); }, false},
        SavedCase{"load", [](auto&, JexState& j, auto& p) {
                      p.chosenfile = (fixtures() / "good" / "square.jex").string();
                      loadprogram(j);
                  },
                  true},
        SavedCase{"load refused", [](auto&, JexState& j, auto& p) {
                      p.chosenfile = (fixtures() / "bad" / "junk.jex").string();
                      loadprogram(j);
                  },
                  std::nullopt}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

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

    cancel_Click(jex);
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(jex.store.stepcount[0], 1);
    exitbutton_Click(jex);
    EXPECT_TRUE(window.shown);
    exitanyway_Click(jex);
    EXPECT_TRUE(platform.ended);
}

TEST_F(Leaving, DuringARunExitOnlyStopsIt) {
    for (const bool saved : {true, false}) {
        jex.saved = saved;
        jex.running = true;
        exitbutton_Click(jex);
        EXPECT_FALSE(jex.running);
        EXPECT_FALSE(platform.ended);
        EXPECT_FALSE(jex.windows.exitwindow.shown);
    }
    exitbutton_Click(jex);
    EXPECT_TRUE(jex.windows.exitwindow.shown);
}

TEST_F(Leaving, ACancelledSaveMakesExitAskEvenAfterAnEarlierSave) {
    press(jex, {Key::forwards, Key::five});
    platform.chosenfile = (myfolder() / "one.jex").string();
    save_Click(jex);
    platform.chosenfile.reset();
    save_Click(jex);
    exitbutton_Click(jex);
    EXPECT_FALSE(platform.ended);
    EXPECT_TRUE(jex.windows.exitwindow.shown);
}

TEST_F(Leaving, ACallAddedAfterALoadStillEndsAtOnce) {
    platform.chosenfile = (fixtures() / "good" / "square.jex").string();
    load_Click(jex);
    use1_Click(jex);
    exitbutton_Click(jex);
    EXPECT_TRUE(platform.ended);
}

using LoadGuard = FilesTest;

TEST_F(LoadGuard, ASavedProgramIsReplacedWithoutAQuestion) {
    jex.windows.graphics.warnings.caption = "old news";
    load_Click(jex);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(platform.opensasked.size(), 1u);
}

TEST_F(LoadGuard, AnUnsavedProgramAsksFirst) {
    press(jex, {Key::forwards, Key::five});
    platform.chosenfile = (fixtures() / "good" / "square.jex").string();
    platform.answeryes = false;
    jex.windows.graphics.warnings.caption = "old news";
    load_Click(jex);
    EXPECT_EQ(platform.questions, std::vector<std::string>{
                                      "JEX: You haven't saved your program. Do you want to continue?"});
    EXPECT_TRUE(platform.opensasked.empty());
    EXPECT_EQ(jex.store.stepcount[0], 1);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
    EXPECT_FALSE(jex.saved);

    platform.answeryes = true;
    load_Click(jex);
    EXPECT_EQ(platform.opensasked.size(), 1u);
    EXPECT_EQ(jex.store.slotname[0], "square");
}

TEST_F(LoadGuard, DuringARunLoadAndSaveOnlyStopIt) {
    press(jex, {Key::forwards, Key::five});
    for (void (*button)(JexState&) : {load_Click, save_Click}) {
        jex.running = true;
        button(jex);
        EXPECT_FALSE(jex.running);
    }
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.opensasked.empty());
    EXPECT_TRUE(platform.savesasked.empty());
}

} // namespace
} // namespace jex::testing
