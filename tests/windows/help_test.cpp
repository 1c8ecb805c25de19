// SPDX-License-Identifier: GPL-3.0-or-later
// What the help window says about the keypad and the tools.
#include "core/textids.h"
#include "core/texts.h"
#include "entry/keys.h"
#include "windows/help.h"

#include <gtest/gtest.h>

#include <set>

namespace jex::testing {
namespace {

TEST(Help, EveryKeypadKeyIsExplainedOnceInItsOwnWordsAndTheDigitsTogether) {
    const std::vector<HelpEntry> help = keypadhelp();
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.front().name, "0 to 9");
    EXPECT_FALSE(help.front().key);

    std::set<int> explained;
    std::set<std::string> sayings;
    for (const HelpEntry& entry : help) {
        EXPECT_FALSE(entry.name.empty());
        EXPECT_FALSE(entry.does.empty()) << entry.name;
        sayings.insert(entry.does);
        if (!entry.key) continue;
        EXPECT_LT(keydigit(*entry.key), 0) << entry.name;
        EXPECT_TRUE(explained.insert(keyindex(*entry.key)).second) << entry.name;
        // Named as the key's tool tip and a screen reader name it, saying what
        // it does in the messages' words.
        EXPECT_EQ(entry.name, text(textid::firstkeypadname + keyindex(*entry.key)));
        EXPECT_TRUE(entry.key != Key::forwards || entry.does == text(textid::forwardsdoes));
        EXPECT_TRUE(entry.key != Key::rm || entry.does == text(textid::rmdoes)) << entry.does;
    }
    EXPECT_EQ(explained.size(), static_cast<std::size_t>(keycount - 10));
    EXPECT_EQ(sayings.size(), help.size()) << "two keys are said to do the same";
}

TEST(Help, TheToolsComeInPairsOfNameAndWhatItDoes) {
    const std::vector<HelpEntry> help = toolhelp();
    ASSERT_EQ(help.size(), 10u);
    EXPECT_EQ(help.front().name, "pen on, pen off");
    EXPECT_EQ(help.back().name, "stopping the robot");
    for (const HelpEntry& entry : help) {
        EXPECT_FALSE(entry.does.empty()) << entry.name;
        EXPECT_FALSE(entry.key);
    }
}

} // namespace
} // namespace jex::testing
