// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area's menu: a copy of the picture, the picture saved, and the
// printed page saved as a PDF file, with every failure told as a failed save.
#include "core/pentrail.h"
#include "files/folders.h"
#include "printing/drawingmenu.h"
#include "printing/printbutton.h"
#include "printrig.h"
#include "support/temphome.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

class DrawingMenu : public RigTest<PrintRig> {
  protected:
    std::vector<std::string> captions() {
        std::vector<std::string> shown;
        for (const DrawingMenuEntry& entry : Picture1_RightClick(jex))
            shown.push_back(entry.caption);
        return shown;
    }
    const std::string& warnings() const { return jex.windows.graphics.warnings.caption; }

    TempHome home;
};

TEST_F(DrawingMenu, DuringARunARightClickOnlyStopsIt) {
    jex.running = true;
    jex.windows.graphics.warnings.caption = "running";
    EXPECT_TRUE(captions().empty());
    EXPECT_FALSE(jex.running);
    EXPECT_EQ(warnings(), "running");
    // A menu left open while a run began does nothing either, but stop it.
    jex.running = true;
    drawingmenu_Click(jex, DrawingMenuItem::copypicture);
    EXPECT_FALSE(jex.running);
    EXPECT_EQ(platform.picturescopied, 0);
}

TEST_F(DrawingMenu, CopyingSaysSoWithoutASound) {
    drawingmenu_Click(jex, DrawingMenuItem::copypicture);
    EXPECT_EQ(platform.picturescopied, 1);
    EXPECT_EQ(warnings(), "picture copied!");
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(DrawingMenu, APictureIsOfferedInTheAuthorsFolderUnderTheProgramsName) {
    jex.authorname = "Sam";
    jex.store.slotname[0] = "a/b: square?";
    platform.chosenfile = "/somewhere/square";
    drawingmenu_Click(jex, DrawingMenuItem::savepicture);

    ASSERT_EQ(platform.savesasked.size(), 1u);
    const FileRequest& asked = platform.savesasked.front();
    EXPECT_EQ(asked.title, "save picture…");
    EXPECT_EQ(asked.folder, authorfolder("Sam")->string());
    EXPECT_TRUE(std::filesystem::is_directory(asked.folder)); // made when missing
    EXPECT_EQ(asked.filename, "a_b_ square_.png");
    EXPECT_EQ(asked.filter, "PNG pictures |*.png|");
    // A name typed without the extension gets it; one typed with it keeps it.
    EXPECT_EQ(platform.picturepaths, std::vector<std::string>{"/somewhere/square.png"});
    platform.chosenfile = "/somewhere/Square.PNG";
    drawingmenu_Click(jex, DrawingMenuItem::savepicture);
    EXPECT_EQ(platform.picturepaths.back(), "/somewhere/Square.PNG");
    EXPECT_EQ(warnings(), "");
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(DrawingMenu, ANameTooLongForAFileIsCutWithoutSplittingACharacter) {
    std::string accented;
    for (int i = 0; i < 150; ++i)
        accented += "é";
    // 251 bytes and ".png" make the longest name a file system takes.
    jex.store.slotname[0] = "b" + accented;
    EXPECT_EQ(offeredfilename(jex, ".png"), "b" + accented.substr(0, 250) + ".png");
    // One byte more would cut an "é" in two: it goes whole.
    jex.store.slotname[0] = "ab" + accented;
    EXPECT_EQ(offeredfilename(jex, ".png"), "ab" + accented.substr(0, 248) + ".png");
    jex.store.slotname[0] = "";
    EXPECT_EQ(offeredfilename(jex, ".pdf"), "my program.pdf");
}

TEST_F(DrawingMenu, ACancelOrAnUnwritableFileSaysCancelledWithTheFailureSound) {
    platform.chosenfile.reset();
    drawingmenu_Click(jex, DrawingMenuItem::savepicture);
    EXPECT_EQ(warnings(), "cancelled!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"});
    EXPECT_TRUE(platform.picturepaths.empty());

    platform.chosenfile = "/nowhere/picture.png";
    platform.picturewritable = false;
    jex.windows.graphics.warnings.caption.clear();
    drawingmenu_Click(jex, DrawingMenuItem::savepicture);
    EXPECT_EQ(warnings(), "cancelled!");
    EXPECT_EQ(platform.soundnames(), (std::vector<std::string>{"nay", "nay"}));

    platform.chosenfile.reset();
    platform.clocktime += 1;
    drawingmenu_Click(jex, DrawingMenuItem::savepage);
    EXPECT_TRUE(platform.pdfpaths.empty());
    EXPECT_EQ(platform.soundnames().size(), 3u);
}

TEST_F(DrawingMenu, TheSavedPageIsExactlyThePrintedPage) {
    fillslot(jex.store, 0, 3);
    fillslot(jex.store, 1, 12);
    jex.trail.record({0, 0, 0, 50});
    jex.trail.record({0, 50, 40, 50});
    Control& target = jex.windows.graphics.target;
    target.left = 100;
    target.top = 120;
    target.width = target.height = 40;
    target.visible = true;
    printbutton_Click(jex);
    ASSERT_GT(platform.printer.calls.size(), 30u);

    platform.chosenfile = "/somewhere/page";
    drawingmenu_Click(jex, DrawingMenuItem::savepage);
    EXPECT_EQ(platform.pdfpaths, std::vector<std::string>{"/somewhere/page.pdf"});
    EXPECT_EQ(platform.pdfprinter.calls, platform.printer.calls);
    EXPECT_EQ(platform.savesasked.back().filename, "my program.pdf");
    EXPECT_EQ(platform.savesasked.back().filter, "PDF pages |*.pdf|");
    // Unlike the print, a saved page is not announced.
    EXPECT_EQ(warnings(), "");
}

TEST_F(DrawingMenu, APageTheFileRefusesSaysCancelled) {
    platform.chosenfile = "/somewhere/page.pdf";
    platform.pdfprinter.refuse = 5;
    drawingmenu_Click(jex, DrawingMenuItem::savepage);
    EXPECT_EQ(warnings(), "cancelled!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"});
    ASSERT_EQ(platform.pdfprinter.calls.size(), 6u); // nothing more after the refusal
    EXPECT_EQ(platform.pdfprinter.calls.back().operation, "abandon");
}

} // namespace
} // namespace jex::testing
