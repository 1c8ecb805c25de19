// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, loading, the defaults file and the folders they use.
#include "files/loadsave.h"

#include "core/startup.h"
#include "core/texts.h"
#include "files/programbuttons.h"
#include "files/programfile.h"
#include "filesrig.h"
#include "fixtures.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace jex::testing {
namespace {

// F 10, R 90, a call of function 1 in the main program and B 5 in function 1:
// the square of the file example.
void keysquare(JexState& jex) {
    press(jex, {Key::forwards, Key::one, Key::zero, Key::rightbutton, Key::nine, Key::zero});
    use1_Click(jex);
    change1_Click(jex);
    press(jex, {Key::backwards, Key::five});
    change1_Click(jex);
}

std::vector<std::string> filesin(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

using Saving = FilesTest;

TEST_F(Saving, WritesTheExampleByteForByteAndNamesTheProgramAfterTheFile) {
    keysquare(jex);
    platform.chosenfile = (myfolder() / "square").string();
    save_Click(jex);

    ASSERT_EQ(platform.savesasked.size(), 1u);
    const FileRequest& asked = platform.savesasked[0];
    EXPECT_EQ(asked.title, "save");
    EXPECT_EQ(asked.folder, myfolder().string());
    EXPECT_EQ(asked.filename, "my program");
    EXPECT_EQ(asked.filter, "JEX files |*.jex|");
    EXPECT_EQ(bytesof(myfolder() / "square.jex"), bytesof(fixtures() / "good" / "square.jex"));
    EXPECT_EQ(filesin(myfolder()), std::vector<std::string>{"square.jex"});
    EXPECT_EQ(jex.store.slotname[0], "square");
    EXPECT_EQ(jex.windows.graphics.progname.caption, "square");
    EXPECT_TRUE(jex.saved);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(Saving, AnEmptyProgramIsSevenLines) {
    platform.chosenfile = (myfolder() / "my program.jex").string();
    save_Click(jex);
    EXPECT_EQ(bytesof(myfolder() / "my program.jex"), bytesof(fixtures() / "good" / "empty.jex"));
}

TEST_F(Saving, TheProgramIsNamedByAllOfWhatWasTyped) {
    for (const auto& [typed, file, name] :
         {std::tuple{"v2.1", "v2.1.jex", "v2.1"}, {"abc", "abc.jex", "abc"},
          {"Loop.JEX", "Loop.JEX", "Loop"}, {"say \"hi\".jex", "say \"hi\".jex", "say hi"}}) {
        platform.chosenfile = (myfolder() / typed).string();
        save_Click(jex);
        EXPECT_TRUE(std::filesystem::exists(myfolder() / file)) << typed;
        EXPECT_EQ(jex.store.slotname[0], name) << typed;
    }
}

TEST_F(Saving, ACancelOrAFailureSaysCancelledAndMarksTheProgramUnsaved) {
    keysquare(jex);
    platform.chosenfile = (myfolder() / "square.jex").string();
    save_Click(jex);
    const std::string before = bytesof(myfolder() / "square.jex");
    press(jex, {Key::leftbutton, Key::four, Key::five});

    std::filesystem::create_directory(myfolder() / "folder.jex");
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>((myfolder() / ".jex").string()),
          std::optional<std::string>((myfolder() / "missing" / "square.jex").string()),
          std::optional<std::string>((myfolder() / "folder.jex").string())}) {
        jex.saved = true;
        platform.chosenfile = answer;
        save_Click(jex);
        EXPECT_EQ(jex.windows.graphics.warnings.caption, "cancelled!");
        EXPECT_FALSE(jex.saved);
        EXPECT_EQ(jex.store.slotname[0], "square");
    }
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(bytesof(myfolder() / "square.jex"), before);
    EXPECT_EQ(filesin(myfolder()), (std::vector<std::string>{"folder.jex", "square.jex"}));
}

TEST_F(Saving, ReplacesAnEarlierFileWhole) {
    keysquare(jex);
    platform.chosenfile = (myfolder() / "square.jex").string();
    save_Click(jex);
    press(jex, {Key::cm});
    change1_Click(jex);
    press(jex, {Key::cm});
    change1_Click(jex);
    save_Click(jex);
    // Clearing leaves the numbers in the rows, so the terminators keep them.
    EXPECT_EQ(bytesof(myfolder() / "square.jex"),
              "\"JEX simulator file\",\"me\"\r\n\"square\",0\r\n\"DONE\",10\r\n"
              "\"function 1\",0\r\n\"DONE\",5\r\n\"function 2\",0\r\n\"DONE\",\r\n");
}

using Loading = FilesTest;

TEST_F(Loading, BringsEveryWindowIntoLineWithTheProgramRead) {
    std::filesystem::copy_file(fixtures() / "good" / "nested.jex", myfolder() / "stars.jex");
    change2_Click(jex);
    press(jex, {Key::repeat});  // function 2 waits for a number, a repeat open
    jex.robotx = 40;
    const int paints = platform.backgroundpaints;
    platform.chosenfile = (myfolder() / "stars.jex").string();
    jex.saved = true;
    load_Click(jex);

    ASSERT_EQ(platform.opensasked.size(), 1u);
    EXPECT_EQ(platform.opensasked[0].folder, myfolder().string());
    EXPECT_EQ(platform.opensasked[0].filename, "my program");
    const ProgramFile inmemory{jex.authorname, jex.store};
    EXPECT_EQ(describe(inmemory),
              describe(*readprogram(bytesof(fixtures() / "good" / "nested.jex")).program));
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.windows.graphics.change1.caption, "change");
    EXPECT_EQ(jex.windows.graphics.change2.caption, "change");
    EXPECT_EQ(jex.windows.graphics.progname.caption, "stars");
    EXPECT_EQ(jex.windows.graphics.myname.caption, "class 4");
    EXPECT_EQ(jex.windows.graphics.pf1.caption, "f1");
    EXPECT_EQ(jex.windows.graphics.pf2.caption, "f2");
    EXPECT_EQ(jex.windows.program.nameheader.caption, "stars");
    EXPECT_FALSE(jex.windows.program.programtext.lines.empty());
    EXPECT_EQ(jex.entrystate, (SlotArray<Int16>{0, 0, 0}));
    EXPECT_EQ(jex.openrepeats, (SlotArray<Int16>{0, 0, 1}));  // function 2 leaves one open
    EXPECT_EQ(jex.robotx, 0);
    EXPECT_GT(platform.backgroundpaints, paints);
    EXPECT_TRUE(jex.saved);
    EXPECT_TRUE(platform.sounds.empty());

    press(jex, {Key::cm, Key::rm});  // the backup holds the program read
    EXPECT_EQ(jex.store.stepcount[0], 9);
}

TEST_F(Loading, OpenRepeatsAreCountedAfresh) {
    std::filesystem::copy_file(fixtures() / "good" / "pending.jex", myfolder() / "p.jex");
    platform.chosenfile = (myfolder() / "p.jex").string();
    load_Click(jex);
    EXPECT_EQ(jex.openrepeats, (SlotArray<Int16>{0, 1, 0}));
    EXPECT_EQ(jex.entrystate, (SlotArray<Int16>{0, 0, 0}));
}

TEST_F(Loading, StartsInTheFolderOfTheNameInTheBoxMadeSafe) {
    jex.windows.graphics.myname.caption = "../..";
    load_Click(jex);
    jex.windows.graphics.myname.caption = "";
    load_Click(jex);
    ASSERT_EQ(platform.opensasked.size(), 2u);
    EXPECT_EQ(platform.opensasked[0].folder, (*programsfolder() / "_._..").string());
    EXPECT_EQ(platform.opensasked[1].folder, programsfolder()->string());
}

TEST_F(Loading, AFileRenamedOnDiskKeepsTheNameInside) {
    std::filesystem::copy_file(fixtures() / "good" / "square.jex", myfolder() / "other.jex");
    platform.chosenfile = (myfolder() / "other.jex").string();
    load_Click(jex);
    EXPECT_EQ(jex.store.slotname[0], "square");
}

// Every refused file leaves the program, its names and its state as they were.
class RefusedLoad : public FilesTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(RefusedLoad, LeavesEverythingAsItWas) {
    keysquare(jex);
    press(jex, {Key::repeat, Key::two});
    jex.windows.graphics.myname.caption = "me";
    const std::string program = describe({jex.authorname, jex.store});
    const auto names = std::tuple(jex.store.slotname, jex.authorname, jex.entrystate,
                                  jex.openrepeats, jex.windows.program.programtext.lines);

    const std::filesystem::path file = myfolder() / "bad.jex";
    if (GetParam() == "huge") {
        std::string huge = bytesof(fixtures() / "good" / "square.jex");
        while (huge.size() < 4 * largestprogramfile) huge += "\"F\",10\r\n";
        std::ofstream(file, std::ios::binary) << huge;
        platform.chosenfile = file.string();
    } else if (GetParam() == "cancelled") {
        platform.chosenfile.reset();
    } else if (GetParam() == "missing") {
        platform.chosenfile = (myfolder() / "missing.jex").string();
    } else {
        std::filesystem::copy_file(fixtures() / "bad" / (GetParam() + ".jex"), file);
        platform.chosenfile = file.string();
    }
    platform.answeryes = true;
    load_Click(jex);

    EXPECT_EQ(describe({jex.authorname, jex.store}), program);
    EXPECT_EQ(std::tuple(jex.store.slotname, jex.authorname, jex.entrystate, jex.openrepeats,
                         jex.windows.program.programtext.lines),
              names);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "can't open file!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"});
    EXPECT_FALSE(jex.saved);
}

std::vector<std::string> refusedcases() {
    std::vector<std::string> cases = fixturenames("bad", ".jex");
    cases.insert(cases.end(), {"huge", "cancelled", "missing"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RefusedLoad, ::testing::ValuesIn(refusedcases()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(Defaults, GiveTheStepsAndFunctionNamesButNotTheProgramOrAuthorName) {
    TempHome home;
    const std::filesystem::path folder = home.path() / "dorvane/jex/programs/defaults";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(fixtures() / "good" / "nested.jex", folder / "defaults.jex");
    Rig rig;
    program_Load(rig.jex);
    EXPECT_EQ(rig.jex.store.stepcount, (SlotArray<Int16>{9, 3, 2}));
    EXPECT_EQ(rig.jex.store.slotname, (SlotArray<std::string>{"my program", "f1", "f2"}));
    EXPECT_EQ(rig.jex.authorname, "me");
    EXPECT_EQ(rig.jex.windows.graphics.myname.caption, "me");
    EXPECT_TRUE(rig.jex.saved);
    EXPECT_EQ(rig.platform.soundnames(), std::vector<std::string>{"yea"});
}

TEST(Defaults, ABadDefaultsFileIsPassedOverInSilence) {
    TempHome home;
    const std::filesystem::path folder = home.path() / "dorvane/jex/programs/defaults";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(fixtures() / "bad" / "cut-in-slot.jex", folder / "defaults.jex");
    Rig rig;
    program_Load(rig.jex);
    EXPECT_EQ(rig.jex.store.stepcount, (SlotArray<Int16>{0, 0, 0}));
    EXPECT_EQ(rig.jex.store.slotname[0], "my program");
    EXPECT_EQ(rig.jex.authorname, "me");
    EXPECT_EQ(rig.platform.soundnames(), std::vector<std::string>{"yea"});
}

TEST(Folders, AnAuthorsNameNeverLeavesTheProgramsFolder) {
    for (const auto& [author, folder] : {std::pair{"Sam", "Sam"}, {".", "_"}, {"..", "_."},
                                         {"../../etc", "_._.._etc"}, {"/root", "_root"},
                                         {".hidden", "_hidden"}, {"a\\b:c*?\"<>|", "a_b_c______"},
                                         {"tab\there", "tab_here"}, {"Renée", "Renée"}})
        EXPECT_EQ(safefoldername(author), folder) << author;

    const std::string longname = safefoldername(std::string(300, 'a') + "é");
    EXPECT_LE(longname.size(), 255u);
    EXPECT_EQ(safefoldername(std::string(254, 'a') + "é"), std::string(254, 'a'));
}

TEST(Folders, WithoutHomeTheAccountsHomeIsUsedNeverASharedFolder) {
    TempHome home;
    unsetenv("HOME");
    const passwd* account = getpwuid(getuid());
    ASSERT_TRUE(account);
    EXPECT_EQ(dorvanefolder(), std::filesystem::path(account->pw_dir) / "dorvane");
    setenv("HOME", "", 1);
    EXPECT_EQ(dorvanefolder(), std::filesystem::path(account->pw_dir) / "dorvane");
}

} // namespace
} // namespace jex::testing
