// SPDX-License-Identifier: GPL-3.0-or-later
// The name boxes within their widths, and the change and use buttons in every
// editing state.
#include "files/names.h"

#include "files/programbuttons.h"
#include "files/programfile.h"
#include "filesrig.h"

#include <cmath>
#include <iterator>

namespace jex::testing {
namespace {

// Each box, where its name goes (slot -1 is the author) and how its width is
// measured; the fake makes every character half the font's size wide.
struct Box {
    NameBox box;
    Control GraphicsWindow::*control;
    int slot;
    double points;
    int spaces;
    const char* defaultname;
};

const Box boxes[] = {
    {NameBox::progname, &GraphicsWindow::progname, 0, 18, 3, "my program"},
    {NameBox::pf1, &GraphicsWindow::pf1, 1, 18, 5, "function 1"},
    {NameBox::pf2, &GraphicsWindow::pf2, 2, 18, 5, "function 2"},
    {NameBox::myname, &GraphicsWindow::myname, -1, 13.8, 2, "me"},
};

std::string& storedname(JexState& jex, const Box& box) {
    return box.slot < 0 ? jex.authorname : jex.store.slotname[box.slot];
}
const std::string& shown(JexState& jex, const Box& box) {
    return (jex.windows.graphics.*box.control).caption;
}

// How many characters fit, with the box's spaces after them: the program's
// name in the listing's heading, a function's in the listing (both laid out
// in twips), the author's in its own box.
std::size_t capacity(JexState& jex, const Box& box) {
    const double limit = box.box == NameBox::progname ? jex.windows.program.nameheader.width / 15.0
                         : box.box == NameBox::myname
                             ? jex.windows.graphics.myname.width
                             : jex.windows.program.programtext.width / 15.0;
    return static_cast<std::size_t>(std::floor(limit / (box.points / 2)) - box.spaces);
}

using NameBoxes = FilesTest;

// A name that fits is kept whole; a longer one keeps its longest front part
// that fits, with a warning. Soft hyphens take no width but a byte each in
// the file: a box holds no more of them than a file's text field carries, and
// what it keeps is written and read back whole. An emptied box stays empty
// and names by default.
TEST_F(NameBoxes, ANameIsKeptToTheWidthOfItsBoxAndWhatAFileCarriesOrNamesByDefault) {
    std::string letters, hyphens = "ab";
    for (std::size_t i = 0; i < 100000; ++i)
        letters += static_cast<char>('a' + i % 26);
    for (std::size_t i = 0; i < 253; ++i)
        hyphens += "\u00AD";
    for (const Box& box : boxes) {
        const std::size_t room = capacity(jex, box);
        ASSERT_GT(room, 5u) << box.defaultname;
        const std::string fitting = letters.substr(0, room);
        for (const auto& [typed, kept] : {std::pair{fitting, fitting},
                                          {letters.substr(0, room + 1), fitting},
                                          {letters, fitting},
                                          {hyphens, hyphens},
                                          {hyphens + "\u00AD\u00ADc", hyphens}}) {
            platform.sounds.clear();
            platform.clocktime += 1; // each name typed a while after the last
            namebox_Change(jex, box.box, typed);
            const bool fits = typed == kept;
            const std::string what =
                std::string(box.defaultname) + " " + std::to_string(typed.size());
            EXPECT_EQ(shown(jex, box), kept) << what;
            EXPECT_EQ(storedname(jex, box), kept) << what;
            EXPECT_EQ(jex.windows.graphics.warnings.caption, fits ? "" : "Too long!") << what;
            EXPECT_EQ(platform.soundnames(),
                      fits ? std::vector<std::string>{} : std::vector<std::string>{"nay"})
                << what;
        }
        const ReadResult read = readprogram(writeprogram({jex.authorname, jex.store}));
        ASSERT_TRUE(read.program) << read.refusal;
        const std::string& saved =
            box.slot < 0 ? read.program->authorname : read.program->store.slotname[box.slot];
        EXPECT_EQ(fieldbytes(saved), fieldbytes(storedname(jex, box))) << box.defaultname;
        namebox_Change(jex, box.box, "");
        EXPECT_EQ(shown(jex, box), "") << box.defaultname;
        EXPECT_EQ(storedname(jex, box), box.defaultname) << box.defaultname;
    }
}

TEST_F(NameBoxes, LettersOfSeveralBytesAreNeverCutInTwo) {
    const Box& box = boxes[3];
    std::string name;
    for (std::size_t i = 0; i <= capacity(jex, box); ++i)
        name += "é";
    namebox_Change(jex, box.box, name);
    EXPECT_EQ(jex.authorname, name.substr(0, name.size() - 2));
}

// A letter the file cannot hold shows as it will be saved: its nearest form
// the file holds, or nothing at all; what the box shows is what the saved
// file reads back.
TEST_F(NameBoxes, ANameShowsAsItsFileWillKeepIt) {
    const struct {
        const char* typed;
        const char* shown;
    } names[] = {
        {"Łucja Wąsowska", "Lucja Wasowska"},      // Polish
        {"Żaneta Ćwik-Józefów", "Zaneta Cwik-Józefów"},
        {"Dŵr Ŷw Siân", "Dwr Yw Siân"},            // Welsh: â is the file's own
        {"ẃ ẁ ẅ ỳ", "w w w y"},
        {"Řehoř Čapek Šárka", "Rehor Capek Šárka"}, // Czech: Š and á are the file's own
        {"Ștefan Ţuţu", "Stefan Tutu"},             // Romanian, both commas and cedillas
        {"Jose\u0301 Zoe\u0308", "José Zoë"},      // accents typed apart join their letter
        {"w\u0302 n\u0328", "w n"},                 // or are dropped
        {"Νίκος", ""},                              // Greek has no Latin form
        {"Tom 😀🐱", "Tom "},                        // nor have emoji
        {"Ана Ben", " Ben"},                         // nor has Cyrillic
        {"ﬁn \xC3", "fin "},                        // a ligature; a broken byte
        {"Jose\xC3\u0301", "Jose"},                 // an accent after a broken byte is dropped
        {"the \"best\"\r\n", "the best"},            // quotes and line ends the file cannot hold
    };
    for (const Box& box : {boxes[0], boxes[3]}) {
        for (const auto& name : names) {
            namebox_Change(jex, box.box, name.typed);
            EXPECT_EQ(shown(jex, box), name.shown) << name.typed;
            EXPECT_EQ(storedname(jex, box), *name.shown ? name.shown : box.defaultname)
                << name.typed;
            const ReadResult read = readprogram(writeprogram({jex.authorname, jex.store}));
            ASSERT_TRUE(read.program) << read.refusal;
            const std::string& saved =
                box.slot < 0 ? read.program->authorname : read.program->store.slotname[0];
            EXPECT_EQ(saved, storedname(jex, box)) << name.typed;
        }
    }
}

TEST_F(NameBoxes, AFunctionsNewNameShowsInTheListingOfItsCalls) {
    use2_Click(jex);
    namebox_Change(jex, NameBox::pf2, "zigzag");
    EXPECT_EQ(jex.windows.program.programtext.lines.back().plain, " zigzag");
    EXPECT_EQ(jex.store.slotname[2], "zigzag");
}

TEST_F(NameBoxes, LeavingABoxShowsTheListingAndClearsTheStatusLine) {
    namebox_Change(jex, NameBox::progname, std::string(500, 'w'));
    jex.windows.program.nameheader.caption = "";
    namebox_LostFocus(jex);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "");
    EXPECT_EQ(jex.windows.program.nameheader.caption, jex.store.slotname[0]);
}

// --- change and use ----------------------------------------------------------

enum Button { change1, change2, use1, use2 };
constexpr void (*click[])(JexState&) = {change1_Click, change2_Click, use1_Click, use2_Click};

struct EditingCase {
    int editing; // the slot being edited before the click
    Button button;
    int afterwards;
    const char* change1caption;
    const char* change2caption;
    const char* message;
    const char* added; // the step the click appended to the slot, if any
};

class ChangeAndUse : public FilesTest, public ::testing::WithParamInterface<EditingCase> {};

TEST_P(ChangeAndUse, InEveryEditingState) {
    const EditingCase& c = GetParam();
    if (c.editing != 0) click[c.editing == 1 ? change1 : change2](jex);
    ASSERT_EQ(jex.currentslot, c.editing);
    const SlotArray<Int16> counts = jex.store.stepcount;
    platform.sounds.clear();

    click[c.button](jex);
    EXPECT_EQ(jex.currentslot, c.afterwards);
    EXPECT_EQ(jex.windows.graphics.change1.caption, c.change1caption);
    EXPECT_EQ(jex.windows.graphics.change2.caption, c.change2caption);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, c.message);
    EXPECT_EQ(platform.sounds.size(), std::string(c.message).empty() ? 0u : 1u);
    const int n = jex.store.stepcount[c.editing];
    if (*c.added) {
        EXPECT_EQ(n, counts[c.editing] + 1);
        EXPECT_EQ(step(jex, n, c.editing), c.added);
        EXPECT_EQ(step(jex, n + 1, c.editing), "DONE");
    } else {
        EXPECT_EQ(jex.store.stepcount, counts);
    }
    EXPECT_EQ(jex.windows.program.nameheader.caption, jex.store.slotname[jex.currentslot]);
}

constexpr const char* nothing = "";
constexpr const char* notinhere = "can't use this in here!";

INSTANTIATE_TEST_SUITE_P(
    Table, ChangeAndUse,
    ::testing::Values(EditingCase{0, change1, 1, "end change", "change", nothing, nothing},
                      EditingCase{0, change2, 2, "change", "end change", nothing, nothing},
                      EditingCase{0, use1, 0, "change", "change", nothing, "PF1 0"},
                      EditingCase{0, use2, 0, "change", "change", nothing, "PF2 0"},
                      EditingCase{1, change1, 0, "change", "change", nothing, nothing},
                      EditingCase{1, change2, 2, "change", "end change", nothing, nothing},
                      EditingCase{1, use1, 1, "end change", "change", notinhere, nothing},
                      EditingCase{1, use2, 1, "end change", "change", nothing, "PF2 0"},
                      EditingCase{2, change1, 1, "end change", "change", nothing, nothing},
                      EditingCase{2, change2, 0, "change", "change", nothing, nothing},
                      EditingCase{2, use1, 2, "change", "end change", notinhere, nothing},
                      EditingCase{2, use2, 2, "change", "end change", notinhere, nothing}));

using ChangeAndUseWhileKeying = FilesTest;

TEST_F(ChangeAndUseWhileKeying, ACommandWaitingForItsNumberBlocksUseAndChange) {
    for (const Key command : {Key::forwards, Key::note, Key::repeat}) {
        press(jex, {Key::cm, command});
        for (const Button button : {use1, use2, change1, change2}) {
            click[button](jex);
            EXPECT_EQ(jex.windows.graphics.warnings.caption, "expecting a number!");
            EXPECT_EQ(jex.store.stepcount[0], 1);
            EXPECT_EQ(jex.currentslot, 0);
        }
        press(jex, {Key::five});
    }
}

TEST_F(ChangeAndUseWhileKeying, ACallEndsTheNumberBeforeIt) {
    for (const auto& digits :
         {std::vector<Key>{Key::five}, std::vector<Key>{Key::five, Key::five}}) {
        press(jex, {Key::forwards});
        for (Key digit : digits)
            press(jex, {digit});
        use1_Click(jex);
        const int n = jex.store.stepcount[0];
        EXPECT_EQ(step(jex, n, 0), "PF1 0");
        EXPECT_EQ(jex.entrystate[0], 0);
        press(jex, {Key::seven});
        EXPECT_EQ(jex.windows.graphics.warnings.caption, "expecting a command!");
        EXPECT_EQ(step(jex, n, 0), "PF1 0");
        EXPECT_EQ(step(jex, n - 1, 0), digits.size() == 1 ? "F 5" : "F 55");
    }
}

TEST_F(ChangeAndUseWhileKeying, AnOpenRepeatKeepsTheKeypadWhereItIs) {
    press(jex, {Key::repeat, Key::two, Key::forwards, Key::five});
    change1_Click(jex);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "No matching END!");
    EXPECT_EQ(jex.currentslot, 0);
    use1_Click(jex); // a call inside the repeat is fine
    EXPECT_EQ(step(jex, 3, 0), "PF1 0");

    press(jex, {Key::endbutton});
    change1_Click(jex);
    press(jex, {Key::repeat, Key::three});
    change1_Click(jex);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "No matching END!");
    EXPECT_EQ(jex.currentslot, 1);
    press(jex, {Key::endbutton, Key::forwards});
    change1_Click(jex); // a number still missing does not keep a function open
    EXPECT_EQ(jex.currentslot, 0);
    EXPECT_EQ(jex.windows.graphics.change1.caption, "change");
}

TEST_F(ChangeAndUseWhileKeying, AFullSlotTakesNoCall) {
    for (int i = 0; i < maxsteps; ++i)
        use2_Click(jex);
    EXPECT_EQ(jex.store.stepcount[0], maxsteps);
    use1_Click(jex);
    EXPECT_EQ(jex.windows.graphics.warnings.caption, "program full!");
    EXPECT_EQ(jex.store.stepcount[0], maxsteps);
}

} // namespace
} // namespace jex::testing
