// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textids.h"
#include "core/texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace jex {
namespace {

// Every number named in textids.h, read from the header itself so that a
// name added there without its text cannot be missed.
TEST(Texts, EveryNamedNumberHasAText) {
    std::ifstream header(JEX_TEXTIDS);
    const std::string source(std::istreambuf_iterator<char>(header), {});
    const std::regex named(R"(inline constexpr int (\w+) = (\d+);)");
    int found = 0;
    for (std::sregex_iterator at(source.begin(), source.end(), named), end; at != end;
         ++at, ++found)
        EXPECT_FALSE(text(std::stoi((*at)[2])).empty()) << (*at)[1];
    EXPECT_GT(found, 100);
}

TEST(Texts, UnknownNumberGivesNothing) {
    EXPECT_EQ(text(106), "");
    EXPECT_EQ(text(-1), "");
}

} // namespace
} // namespace jex
