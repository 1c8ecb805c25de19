// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup.h"
#include "core/state.h"
#include "core/commands.h"
#include "support/fakeplatform.h"
#include "support/temphome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace jex::testing {
namespace {

class Startup : public ::testing::Test {
protected:
    TempHome home;
    Rig rig;
    JexState& jex = rig.jex;
    FakePlatform& platform = rig.platform;
};

TEST_F(Startup, ShowsEveryWindowWithEmptySlotsThenOneYeaAfterTheRobotIsCentred) {
    jex.robotx = 40;
    jex.windows.funnies.Slider1.value = 33;
    program_Load(jex);
    for (int slot = 0; slot < slotcount; ++slot) {
        EXPECT_EQ(jex.store.stepcount[slot], 0);
        EXPECT_EQ(jex.store.commands[1][slot], Command::done);
    }
    EXPECT_EQ(std::tuple(jex.store.slotname[0], jex.authorname), std::tuple("my program", "me"));
    EXPECT_EQ(jex.windows.graphics.progname.caption, "my program");
    EXPECT_EQ(jex.windows.graphics.myname.caption, "me");
    EXPECT_TRUE(jex.saved);
    EXPECT_FALSE(jex.running);
    EXPECT_EQ(jex.robotspeed, 33); // from the slider's position

    for (const Window* window :
         std::initializer_list<const Window*>{&jex.windows.buttons, &jex.windows.funnies,
                                              &jex.windows.program, &jex.windows.graphics})
        EXPECT_TRUE(window->shown);
    EXPECT_GT(jex.canvasunit, 0);
    ASSERT_EQ(platform.soundnames(), std::vector<std::string>{"yea"});
    EXPECT_EQ(jex.robotx, 0);
    const FunniesWindow& tools = jex.windows.funnies;
    EXPECT_EQ(std::tuple(tools.JEXX.caption, tools.JEXY.caption, tools.JEXangle.caption),
              std::tuple("0", "0", "0"));
    EXPECT_GE(platform.canvasrefreshes, 1);
}

TEST_F(Startup, MakesThePictureFolderAndUsesTheBuiltInPictureWithoutAFile) {
    program_Load(jex);
    EXPECT_TRUE(std::filesystem::is_directory(home.path() / "dorvane" / "jex" / "picture"));
    EXPECT_FALSE(jex.pictureloaded);
    EXPECT_EQ(platform.builtinpictures, 1);
    EXPECT_GE(platform.backgroundpaints, 1);
}

TEST_F(Startup, UsesThePictureFileWhenItLoads) {
    std::filesystem::create_directories(home.path() / "dorvane" / "jex" / "picture");
    std::ofstream(home.path() / "dorvane" / "jex" / "picture" / "picture.jpg") << "image";
    platform.picturereadable = true;
    program_Load(jex);
    EXPECT_EQ(platform.picturesasked,
              std::vector{(home.path() / "dorvane" / "jex" / "picture" / "picture.jpg").string()});
    EXPECT_TRUE(jex.pictureloaded);
    EXPECT_EQ(platform.builtinpictures, 0);
}

// A pipe would block the start-up for ever and a folder cannot be a picture:
// only a plain file is handed to the picture loader.
TEST_F(Startup, APictureThatIsNoPlainFileIsTakenAsMissing) {
    const auto picture = home.path() / "dorvane" / "jex" / "picture" / "picture.jpg";
    std::filesystem::create_directories(picture.parent_path());
    for (const bool pipe : {true, false}) {
        std::filesystem::remove_all(picture);
        if (pipe)
            ASSERT_EQ(mkfifo(picture.c_str(), 0600), 0);
        else
            std::filesystem::create_directory(picture);
        Rig fresh;
        fresh.platform.picturereadable = true;
        program_Load(fresh.jex);
        EXPECT_TRUE(fresh.platform.picturesasked.empty()) << (pipe ? "pipe" : "folder");
        EXPECT_FALSE(fresh.jex.pictureloaded);
        EXPECT_EQ(fresh.platform.builtinpictures, 1);
        EXPECT_EQ(fresh.platform.soundnames(), std::vector<std::string>{"yea"});
    }
}

TEST_F(Startup, AFolderInTheWayOfThePictureFolderIsNoError) {
    std::filesystem::create_directories(home.path() / "dorvane");
    std::ofstream(home.path() / "dorvane" / "jex") << "a file, not a folder";
    program_Load(jex);
    EXPECT_FALSE(jex.pictureloaded);
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"yea"});
}

} // namespace
} // namespace jex::testing
