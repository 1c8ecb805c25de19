// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, loading, the defaults file and the folders they use.
#include "files/loadsave.h"

#include "windows/startup.h"
#include "core/texts.h"
#include "files/programbuttons.h"
#include "files/programfile.h"
#include "filesrig.h"
#include "fixtures.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace jex::testing {
namespace {

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
    // Heard step by step, the function's slot with its name, and the save.
    EXPECT_EQ(platform.phrases(),
              (std::vector<std::string>{"forward", "forward 1", "forward 10", "right", "right 9",
                                        "right 90", "function 1", "function 1, no steps",
                                        "backward", "backward 5", "my program, 3 steps",
                                        "saved as square"}));
}

// A name of any length the file system allows saves: the temporary file's
// name does not grow with it.
TEST_F(Saving, TheProgramIsNamedByAllOfWhatWasTyped) {
    const std::string longest(251, 'a');
    for (const auto& [typed, file, name] :
         {std::tuple<std::string, std::string, std::string>{"v2.1", "v2.1.jex", "v2.1"},
          {"Loop.JEX", "Loop.JEX", "Loop"},
          {"say \"hi\".jex", "say \"hi\".jex", "say hi"},
          {longest + ".jex", longest + ".jex", longest.substr(0, 28)}}) { // as its box holds it
        jex.saved = false;
        platform.chosenfile = (myfolder() / typed).string();
        save_Click(jex);
        EXPECT_TRUE(jex.saved) << typed;
        EXPECT_TRUE(std::filesystem::exists(myfolder() / file)) << typed;
        EXPECT_EQ(jex.store.slotname[0], name) << typed;
    }
    EXPECT_EQ(filesin(myfolder()).size(), 4u);
}

// A teacher's master copy made read-only is not replaced.
TEST_F(Saving, ACancelOrAFailureSaysCancelledAndMarksTheProgramUnsaved) {
    keysquare(jex);
    platform.chosenfile = (myfolder() / "square.jex").string();
    save_Click(jex);
    const std::string before = bytesof(myfolder() / "square.jex");
    press(jex, {Key::leftbutton, Key::four, Key::five});
    platform.spoken.clear();

    std::filesystem::create_directory(myfolder() / "folder.jex");
    const std::filesystem::path master = myfolder() / "master.jex";
    std::filesystem::copy_file(fixtures() / "good" / "nested.jex", master);
    std::filesystem::permissions(master, std::filesystem::perms::owner_read);
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(), std::optional<std::string>((myfolder() / ".jex").string()),
          std::optional<std::string>((myfolder() / "missing" / "square.jex").string()),
          std::optional<std::string>((myfolder() / "folder.jex").string()),
          std::optional<std::string>(master.string())}) {
        jex.saved = true;
        platform.chosenfile = answer;
        save_Click(jex);
        EXPECT_EQ(jex.windows.graphics.warnings.caption, "cancelled!");
        EXPECT_FALSE(jex.saved);
        EXPECT_EQ(jex.store.slotname[0], "square");
    }
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_TRUE(platform.spoken.empty());
    EXPECT_EQ(bytesof(myfolder() / "square.jex"), before);
    EXPECT_EQ(bytesof(master), bytesof(fixtures() / "good" / "nested.jex"));
    EXPECT_EQ(filesin(myfolder()),
              (std::vector<std::string>{"folder.jex", "master.jex", "square.jex"}));
}

// What a killed save left behind goes at the next save into the folder; a
// save still going on (its file locked) and everything else stay.
TEST_F(Saving, LeftoversOfKilledSavesGoAtTheNextSave) {
    for (const char* name : {".jex-saving-Ab12Cd", ".jex-saving-LOCKED", ".jex-saving-short",
                             ".jex-saving-toolong1", ".notes.jex.Ab12Cd", "keep.jex"})
        std::ofstream(myfolder() / name) << "x";
    const int live = ::open((myfolder() / ".jex-saving-LOCKED").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    platform.chosenfile = (myfolder() / "new.jex").string();
    save_Click(jex);
    ::close(live);
    EXPECT_EQ(
        filesin(myfolder()),
        (std::vector<std::string>{".jex-saving-LOCKED", ".jex-saving-short", ".jex-saving-toolong1",
                                  ".notes.jex.Ab12Cd", "keep.jex", "new.jex"}));
}

// The dialog offers the program's name made safe as a file name in the
// author's folder, with room left for the extension.
TEST_F(Saving, TheNameOfferedStaysInTheAuthorsFolder) {
    for (const auto& [name, offered] :
         {std::pair<std::string, std::string>{"square 1/2", "square 1_2"},
          {"../../x", "_._.._x"},
          {std::string(300, 'n'), std::string(251, 'n')}}) {
        jex.store.slotname[0] = name;
        platform.chosenfile.reset();
        save_Click(jex);
        ASSERT_FALSE(platform.savesasked.empty());
        EXPECT_EQ(platform.savesasked.back().filename, offered) << name;
    }
}

using Loading = FilesTest;

TEST_F(Loading, BringsEveryWindowIntoLineWithTheProgramRead) {
    // Named "stars" inside: the name inside wins over the file's.
    std::filesystem::copy_file(fixtures() / "good" / "nested.jex", myfolder() / "other.jex");
    change2_Click(jex);
    press(jex, {Key::repeat}); // function 2 waits for a number, a repeat open
    jex.robotx = 40;
    const int paints = platform.backgroundpaints;
    platform.chosenfile = (myfolder() / "other.jex").string();
    jex.saved = true;
    platform.spoken.clear();
    load_Click(jex);
    // The program read, not the robot's return to the centre on the way.
    EXPECT_EQ(platform.phrases(), std::vector<std::string>{"stars, 9 steps"});

    ASSERT_EQ(platform.opensasked.size(), 1u);
    EXPECT_EQ(platform.opensasked[0].folder, myfolder().string());
    EXPECT_EQ(platform.opensasked[0].filename, "my program");
    const ProgramFile inmemory{jex.authorname, jex.store};
    EXPECT_EQ(describe(inmemory),
              describe(*readprogram(bytesof(fixtures() / "good" / "nested.jex")).program));
    EXPECT_EQ(jex.currentslot, 0);
    const GraphicsWindow& g = jex.windows.graphics;
    EXPECT_EQ(std::tie(g.change1.caption, g.change2.caption, g.progname.caption, g.myname.caption,
                       g.pf1.caption, g.pf2.caption, jex.windows.program.nameheader.caption),
              std::tuple("change", "change", "stars", "class 4", "f1", "f2", "stars"));
    EXPECT_EQ(jex.windows.program.programtext.lines.size(), 9u); // the main program's steps
    EXPECT_EQ(jex.entrystate, (SlotArray<Int16>{0, 0, 0}));
    EXPECT_EQ(jex.store.openrepeats(2), 1); // function 2 leaves one open
    EXPECT_EQ(jex.robotx, 0);
    EXPECT_GT(platform.backgroundpaints, paints);
    EXPECT_TRUE(jex.saved);
    EXPECT_TRUE(platform.sounds.empty());
    // Loaded while function 1 is edited, its button says "change" again.
    change1_Click(jex);
    ASSERT_EQ(jex.currentslot, 1);
    load_Click(jex);
    EXPECT_EQ(jex.windows.graphics.change1.caption, "change");

    press(jex, {Key::cm, Key::rm}); // the backup holds the program read
    EXPECT_EQ(jex.store.stepcount[0], 9);
}

// Steps a keypad leaves behind are loaded as they are, listed as they are,
// and each slot's keypad expects what its last step needs.
TEST_F(Loading, OddStepsAreKeptAndTheKeypadCanFinishTheLastStep) {
    platform.chosenfile = (fixtures() / "good" / "keypad-oddities.jex").string();
    load_Click(jex);
    ASSERT_EQ(jex.store.stepcount[0], 6);
    std::vector<std::string> listed;
    for (const PrintedLine& line : jex.windows.program.programtext.lines)
        listed.push_back(line.plain);
    EXPECT_EQ(listed, (std::vector<std::string>{" forward ", " function 1", " repeat ",
                                                "  function 2", " end ", " note  53"}));
    EXPECT_EQ(jex.entrystate, (SlotArray<Int16>{0, 0, 0}));

    platform.chosenfile = (fixtures() / "good" / "pending.jex").string();
    load_Click(jex);
    EXPECT_EQ(jex.entrystate, (SlotArray<Int16>{1, 1, 3}));
    press(jex, {Key::four, Key::two, Key::go});
    EXPECT_EQ(step(jex, 2), "F 42");
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "finished!");
    change2_Click(jex);
    press(jex, {Key::zero});
    EXPECT_EQ(step(jex, 1, 2), "N 0");
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

// Every refused file leaves the program, its names and its state as they were.
class RefusedLoad : public FilesTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(RefusedLoad, LeavesEverythingAsItWas) {
    keysquare(jex);
    press(jex, {Key::repeat, Key::two});
    const auto everything = [this] {
        return std::tuple(describe({jex.authorname, jex.store}), jex.entrystate,
                          jex.windows.program.programtext.lines);
    };
    const auto before = everything();

    // "missing" names no file at all.
    platform.chosenfile = (fixtures() / "bad" / (GetParam() + ".jex")).string();
    if (GetParam() == "cancelled") platform.chosenfile.reset();
    if (GetParam() == "huge") {
        std::ofstream(myfolder() / "huge.jex", std::ios::binary)
            << hugefile(4 * largestprogramfile);
        platform.chosenfile = (myfolder() / "huge.jex").string();
    }
    if (platform.chosenfile) {
        ASSERT_EQ(std::filesystem::exists(*platform.chosenfile), GetParam() != "missing");
    }
    load_Click(jex);

    EXPECT_EQ(everything(), before);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "can't open file!");
    EXPECT_EQ(platform.soundnames(), std::vector<std::string>{"nay"});
    EXPECT_FALSE(jex.saved);
}

std::vector<std::string> refusedcases() {
    std::vector<std::string> cases = fixturenames("bad", ".jex");
    cases.insert(cases.end(), {"huge", "cancelled", "missing"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RefusedLoad, ::testing::ValuesIn(refusedcases()), paramname);

// A start-up with a stored file as the defaults file: a good one gives its
// steps and function names but not the program's or the author's name, a bad
// one is passed over in silence.
TEST(Defaults, GiveTheStepsAndFunctionNamesOnly) {
    using Names = SlotArray<std::string>;
    for (const auto& [file, counts, names] :
         {std::tuple{"good/nested.jex", SlotArray<Int16>{9, 3, 2}, Names{"my program", "f1", "f2"}},
          {"bad/cut-in-slot.jex", {0, 0, 0}, Names{"my program", "function 1", "function 2"}}}) {
        TempHome home;
        const std::filesystem::path folder = home.path() / "dorvane/jex/programs/defaults";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(fixtures() / file, folder / "defaults.jex");
        Rig rig;
        program_Load(rig.jex);
        EXPECT_EQ(rig.jex.store.stepcount, counts) << file;
        EXPECT_EQ(rig.jex.store.slotname, names) << file;
        EXPECT_EQ(rig.jex.authorname, "me") << file;
        EXPECT_EQ(rig.jex.windows.graphics.myname.caption, "me") << file;
        EXPECT_TRUE(rig.jex.saved) << file;
        EXPECT_EQ(rig.platform.soundnames(), std::vector<std::string>{"yea"}) << file;
    }
}

TEST(Folders, AnAuthorsNameNeverLeavesTheProgramsFolder) {
    for (const auto& [author, folder] : {std::pair{"Sam", "Sam"},
                                         {".", "_"},
                                         {"..", "_."},
                                         {"../../etc", "_._.._etc"},
                                         {"/root", "_root"},
                                         {"a\\b:c*?\"<>|", "a_b_c______"},
                                         {"tab\there", "tab_here"},
                                         {"Renée", "Renée"}})
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

TEST(Folders, WithNoHomeAtAllSavingAndLoadingFailAsUsual) {
    if (geteuid() != 0) GTEST_SKIP() << "becoming an unknown account needs root";
    const pid_t child = fork();
    if (child == 0) {
        // An account the user database does not know, without HOME.
        unsetenv("HOME");
        if (setuid(4242424) != 0 || getpwuid(getuid()) || dorvanefolder()) _exit(2);
        Rig rig;
        program_Load(rig.jex);
        press(rig.jex, {Key::forwards, Key::five});
        rig.platform.chosenfile = "/tmp/anywhere.jex";
        save_Click(rig.jex);
        const bool cancelled = rig.jex.windows.graphics.warnings.caption == "cancelled!";
        load_Click(rig.jex);
        const bool refused = rig.jex.windows.graphics.warnings.caption == "can't open file!";
        const bool asked = !rig.platform.savesasked.empty() || !rig.platform.opensasked.empty();
        _exit(cancelled && refused && !asked && rig.jex.store.stepcount[0] == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

} // namespace
} // namespace jex::testing
