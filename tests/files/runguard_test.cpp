// SPDX-License-Identifier: GPL-3.0-or-later
// While a program runs, a click on any button of the keypad, the tools, the
// target, the name and file buttons, print or exit only stops the run: nothing
// is moved, drawn, edited, asked, written, printed or left.
#include "canvas/target.h"
#include "canvas/tools.h"
#include "files/exit.h"
#include "files/programbuttons.h"
#include "filesrig.h"
#include "printing/printbutton.h"
#include "run/runner.h"
#include "windows/controltable.h"

#include <functional>
#include <ostream>
#include <tuple>

namespace jex::testing {
namespace {

struct Guarded {
    std::string name;
    std::function<void(JexState&)> click;
};

void PrintTo(const Guarded& guarded, std::ostream* out) {
    *out << guarded.name;
}

// Every control of the main windows the table gives a click routine, and
// every key. (The exit window's buttons answer the question it asks.)
std::vector<Guarded> everybutton() {
    std::vector<Guarded> buttons;
    for (const ControlEntry& entry : controltable())
        if (entry.click && entry.window != "exitwindow")
            buttons.push_back(
                {std::string(entry.window) + "_" + std::string(entry.name), entry.click});
    for (int k = 0; k < keycount; ++k) {
        const Key key = static_cast<Key>(k);
        buttons.push_back({"key" + std::to_string(k), [key](JexState& j) { keypad_Click(j, key); }});
    }
    return buttons;
}

class RunGuard : public FilesTest, public ::testing::WithParamInterface<Guarded> {};

TEST_P(RunGuard, AClickDuringARunOnlyStopsIt) {
    press(jex, {Key::repeat, Key::two, Key::forwards, Key::three, Key::zero, Key::rightbutton,
                Key::four, Key::five, Key::endbutton});
    jex.windows.graphics.target.visible = true;
    Slider1_Change(jex, 10);
    platform.chosenfile = (myfolder() / "during.jex").string();
    jex.saved = false;
    const std::string caption = jex.windows.graphics.change1.caption;
    platform.backgroundpaints = 0;
    std::tuple<int, int, int> robot;
    platform.at(12, [&] {
        robot = {jex.robotx, jex.roboty, jex.robotheading};
        GetParam().click(jex);
    });
    press(jex, {Key::go});

    EXPECT_EQ(jex.windows.graphics.warnings.caption, "stopped!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"}); // the stop's alone
    EXPECT_EQ(platform.tick, 12);
    EXPECT_EQ(std::tuple(int{jex.robotx}, int{jex.roboty}, int{jex.robotheading}), robot);
    EXPECT_FALSE(pendown(jex));
    EXPECT_EQ(platform.backgroundpaints, 0);
    EXPECT_TRUE(jex.windows.graphics.target.visible);
    EXPECT_TRUE(platform.seeds.empty());
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.windows.graphics.change1.caption, caption);
    EXPECT_EQ(jex.store.stepcount, (SlotArray<Int16>{4, 0, 0}));
    EXPECT_EQ(step(jex, 2), "F 30");
    EXPECT_EQ(jex.entrystate[0], 0);
    EXPECT_TRUE(platform.savesasked.empty());
    EXPECT_TRUE(platform.opensasked.empty());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(myfolder() / "during.jex"));
    EXPECT_TRUE(platform.printer.calls.empty());
    EXPECT_FALSE(jex.saved);
    EXPECT_FALSE(jex.windows.exitwindow.shown);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, RunGuard, ::testing::ValuesIn(everybutton()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace jex::testing
