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

class Startup : public RigTest<> {
  protected:
    TempHome home;
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

// The picture folder is made, and the picture in it used when it is a plain
// file that loads. Anything else is taken as missing, without an error: a pipe
// would block the start-up for ever, a folder cannot be a picture, and a file
// may stand where the folders should be.
TEST(StartupPicture, IsAPlainFileThatLoadsOrElseTheBuiltInOne) {
    enum Made { nothing, file, pipe, folder, fileforfolders };
    for (const Made made : {nothing, file, pipe, folder, fileforfolders}) {
        TempHome home;
        const auto picture = home.path() / "dorvane" / "jex" / "picture" / "picture.jpg";
        if (made == fileforfolders) {
            std::filesystem::create_directories(home.path() / "dorvane");
            std::ofstream(home.path() / "dorvane" / "jex") << "a file, not a folder";
        } else if (made != nothing) {
            std::filesystem::create_directories(picture.parent_path());
        }
        if (made == file) std::ofstream(picture) << "image";
        if (made == pipe) {
            ASSERT_EQ(mkfifo(picture.c_str(), 0600), 0);
        }
        if (made == folder) std::filesystem::create_directory(picture);
        Rig rig;
        rig.platform.picturereadable = true;
        program_Load(rig.jex);
        EXPECT_EQ(std::filesystem::is_directory(picture.parent_path()), made != fileforfolders)
            << made;
        EXPECT_EQ(rig.platform.picturesasked,
                  made == file ? std::vector{picture.string()} : std::vector<std::string>{})
            << made;
        EXPECT_EQ(rig.jex.pictureloaded, made == file) << made;
        EXPECT_EQ(rig.platform.builtinpictures, made == file ? 0 : 1) << made;
        EXPECT_GE(rig.platform.backgroundpaints, 1) << made;
        EXPECT_EQ(rig.platform.soundnames(), std::vector<std::string>{"yea"}) << made;
    }
}

} // namespace
} // namespace jex::testing
