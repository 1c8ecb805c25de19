// SPDX-License-Identifier: GPL-3.0-or-later
// Program files are the same in every language: a program saved in one opens
// unchanged in another, and the bytes differ only in the default names.
#include "core/languages.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/cp1252.h"
#include "files/loadsave.h"
#include "files/programbuttons.h"
#include "filesrig.h"
#include "fixtures.h"

namespace jex::testing {
namespace {

const std::vector<std::filesystem::path> shipped{JEX_LANGUAGES};

// A started simulator speaking one language: the language is chosen first,
// as the program does before its windows are laid out.
class InLanguage {
  public:
    explicit InLanguage(const char* language) {
        if (*language) {
            EXPECT_EQ(chooselanguage({language}, shipped), language);
        }
        program_Load(jex);
        std::filesystem::create_directories(folder());
    }
    ~InLanguage() { uselanguage({}); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    std::filesystem::path folder() const {
        return *programsfolder() / safefoldername(jex.authorname);
    }

    // The square of the file example keyed in, then saved as `name`.
    std::string keyandsave(const std::string& name) {
        keysquare(jex);
        rig.platform.chosenfile = (folder() / name).string();
        save_Click(jex);
        return bytesof(folder() / (name + ".jex"));
    }

    TempHome home;
    Rig rig;
    JexState& jex = rig.jex;
};

std::string replaced(std::string bytes, const std::string& from, const std::string& to) {
    for (auto at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    return bytes;
}

// Saved in each language, the square differs from the English file only in
// the default names; the English file opens unchanged and saves back to the
// same bytes.
TEST(ProgramFilesInEveryLanguage, DifferOnlyInTheDefaultNamesAndOpenUnchanged) {
    std::string english;
    {
        InLanguage en("");
        english = en.keyandsave("square");
    }
    ASSERT_EQ(english, bytesof(fixtures() / "good" / "square.jex"));
    for (const char* language : {"de", "fr", "es", "nl", "pl", "cy"}) {
        InLanguage speaking(language);
        const std::string saved = speaking.keyandsave("square");
        // What the file holds besides the names is the same to the byte: the
        // header, the command tokens and the terminator are never translated.
        std::string expected = english;
        for (int name : {textid::functionone, textid::functiontwo})
            expected = replaced(expected, '"' + englishtable().at(name) + '"',
                                '"' + utf8tocp1252(text(name)) + '"');
        expected = replaced(expected, ",\"me\"", ",\"" + utf8tocp1252(text(textid::me)) + '"');
        EXPECT_EQ(saved, expected) << language;
        EXPECT_EQ(saved.substr(0, 21), "\"JEX simulator file\",") << language;

        std::filesystem::copy_file(fixtures() / "good" / "square.jex",
                                   speaking.folder() / "in.jex");
        speaking.rig.platform.chosenfile = (speaking.folder() / "in.jex").string();
        loadprogram(speaking.jex);
        EXPECT_EQ(speaking.jex.store.slotname[1], "function 1") << language;
        EXPECT_EQ(speaking.jex.authorname, "me") << language;
        // The listing speaks the language; the steps are the file's.
        EXPECT_EQ(speaking.jex.windows.program.programtext.lines.at(0).plain,
                  " " + text(textid::forward) + "  10")
            << language;
        speaking.rig.platform.chosenfile = (speaking.folder() / "square").string();
        save_Click(speaking.jex);
        EXPECT_EQ(bytesof(speaking.folder() / "square.jex"), english) << language;
    }
}

} // namespace
} // namespace jex::testing
