// SPDX-License-Identifier: GPL-3.0-or-later
// A printer that is missing or refuses anything: "printer error", the failure
// sound, nothing more sent, and the half-built document thrown away.
#include "printing/printbutton.h"
#include "printrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

void drawsomething(PrintRig& rig) {
    rig.jex.pictureloaded = true;
    rig.jex.windows.graphics.target.visible = true;
    rig.jex.trail.record({0, 0, 0, 50});
    rig.fill(0, 2);
    rig.fill(2, 1);
}

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
        expected.push_back({"abandon", {}, {}});
        EXPECT_EQ(rig.calls(), expected)
            << "refused " << all[refused - 1].operation << " at " << refused;
        expectprintererror(rig);
    }
}

TEST(PrintFailures, AWidthOfNoWholeDotIsAnError) {
    // So coarse a printer that the robot's marking would be no dots wide; one
    // that says nothing of its dots would make the widths endless.
    // The first still draws the body, one dot wide.
    for (auto [twipsperdot, bodylines] : {std::pair{300.0, 4u}, std::pair{0.0, 0u}}) {
        PrintRig rig;
        rig.platform.printer.page.twipsperdot = twipsperdot;
        printprogram(rig.jex);
        expectprintererror(rig);
        EXPECT_EQ(rig.only("line").size(), bodylines) << twipsperdot;
        EXPECT_TRUE(rig.only("print").empty());
        EXPECT_EQ(rig.calls().back().operation, "abandon");
    }
}

} // namespace
} // namespace jex::testing
