// SPDX-License-Identifier: GPL-3.0-or-later
// The program file over a folder of stored files: the good ones read as
// expected and are written back byte for byte; every bad one is refused.
#include "files/programfile.h"

#include "files/cp1252.h"
#include "fixtures.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

class GoodFile : public ::testing::TestWithParam<std::string> {};

TEST_P(GoodFile, ReadsAsExpectedAndIsWrittenBackByteForByte) {
    const std::string expect = bytesof(fixtures() / "good" / (GetParam() + ".expect"));
    ASSERT_FALSE(expect.empty()) << "no expectation for " << GetParam();
    const std::size_t firstline = expect.find('\n');
    const std::string rewritten = expect.substr(std::string("rewritten as ").size(),
                                                firstline - std::string("rewritten as ").size());

    const ReadResult read = readprogram(bytesof(fixtures() / "good" / (GetParam() + ".jex")));
    ASSERT_TRUE(read.program) << read.refusal;
    EXPECT_EQ(describe(*read.program), expect.substr(firstline + 1));
    EXPECT_EQ(writeprogram(*read.program), bytesof(fixtures() / "good" / rewritten));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GoodFile, ::testing::ValuesIn(fixturenames("good", ".jex")),
                         paramname);

TEST(ProgramFile, AFileLargerThanAnyProgramIsRefusedUnread) {
    EXPECT_EQ(readprogram(hugefile(largestprogramfile + 1)).refusal, "file too large");
}

TEST(ProgramFile, NamesLoseWhatCouldNotBeReadBack) {
    ProgramFile program = *readprogram(bytesof(fixtures() / "good" / "empty.jex")).program;
    program.authorname = "Jo \"JJ\"\tSmith\r\n";
    program.store.slotname[1] = "ok";
    const ReadResult again = readprogram(writeprogram(program));
    ASSERT_TRUE(again.program) << again.refusal;
    EXPECT_EQ(again.program->authorname, "Jo JJSmith");
    EXPECT_EQ(again.program->store.slotname[1], "ok");
}

// Whatever reaches the writer, it never writes a field the reader refuses: a
// name longer than a field loses its end.
TEST(ProgramFile, ANameLongerThanAFieldLosesItsEndRatherThanTheFile) {
    ProgramFile program = *readprogram(bytesof(fixtures() / "good" / "empty.jex")).program;
    program.authorname = std::string(250, 'a') + "\u200B\u200B\u200B\u200B\u200B\u200B";
    program.store.slotname[2] = std::string(300, 'f');
    const ReadResult again = readprogram(writeprogram(program));
    ASSERT_TRUE(again.program) << again.refusal;
    EXPECT_EQ(again.program->authorname, std::string(250, 'a') + "?????");
    EXPECT_EQ(again.program->store.slotname[2], std::string(255, 'f'));
}

TEST(Cp1252, LettersOfTheCodePageRoundTripAndOthersBecomeQuestionMarks) {
    std::string everybyte;
    for (int b = 0x20; b < 0x100; ++b)
        everybyte += static_cast<char>(b);
    EXPECT_EQ(utf8tocp1252(cp1252toutf8(everybyte)), everybyte);
    EXPECT_EQ(cp1252toutf8("\xe9\xdf\x80\x9c"), "\xC3\xA9\xC3\x9F\xE2\x82\xAC\xC5\x93");
    EXPECT_EQ(utf8tocp1252("Ω 漢 é"), "? ? \xe9");
    EXPECT_EQ(utf8tocp1252("a\xff\xc3"), "a??");
    EXPECT_EQ(utf8tocp1252("\xc0\xa2\xe0\x80\x8a"), "?????"); // an overlong quote, line end
}

} // namespace
} // namespace jex::testing
