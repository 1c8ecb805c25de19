// SPDX-License-Identifier: GPL-3.0-or-later
// While a program runs, a click on change, use, load, save or print only
// stops the run: nothing is edited, asked, written or printed.
#include "canvas/tools.h"
#include "files/programbuttons.h"
#include "filesrig.h"
#include "printing/printbutton.h"

#include <ostream>

namespace jex::testing {
namespace {

struct Guarded {
    const char* name;
    void (*click)(JexState&);
};

void PrintTo(const Guarded& guarded, std::ostream* out) {
    *out << guarded.name;
}

class RunGuard : public FilesTest, public ::testing::WithParamInterface<Guarded> {};

TEST_P(RunGuard, AClickDuringARunOnlyStopsIt) {
    press(jex, {Key::pause, Key::nine, Key::nine});
    Slider1_Change(jex, 10);
    platform.chosenfile = (myfolder() / "during.jex").string();
    jex.saved = false;
    const std::string caption = jex.windows.graphics.change1.caption;
    platform.at(3, [&] { GetParam().click(jex); });
    press(jex, {Key::go});

    EXPECT_EQ(jex.windows.graphics.warnings.caption, "stopped!");
    EXPECT_LT(platform.tick, 20); // not the 99 tenths of the pause
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.windows.graphics.change1.caption, caption);
    EXPECT_EQ(jex.store.stepcount, (SlotArray<Int16>{1, 0, 0}));
    EXPECT_TRUE(platform.savesasked.empty());
    EXPECT_TRUE(platform.opensasked.empty());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(myfolder() / "during.jex"));
    EXPECT_TRUE(platform.printer.calls.empty());
    EXPECT_FALSE(jex.saved);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, RunGuard,
                         ::testing::Values(Guarded{"change1", change1_Click},
                                           Guarded{"change2", change2_Click},
                                           Guarded{"use1", use1_Click}, Guarded{"use2", use2_Click},
                                           Guarded{"load", load_Click}, Guarded{"save", save_Click},
                                           Guarded{"print", printbutton_Click}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace jex::testing
