// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped languages' tables against the English one: the same numbers,
// the same spaces at the ends, the file filter and the date in their forms,
// default names a program file can hold, a printed title that reads as a
// phrase, French spacing, and keys named in each language's own words.
#include "core/textids.h"
#include "core/texts.h"
#include "entry/keyboardtable.h"
#include "files/cp1252.h"
#include "printing/printlisting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <regex>
#include <sstream>

namespace jex {
namespace {

const std::filesystem::path shipped = JEX_LANGUAGES;

std::vector<std::string> languages() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(shipped))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TextTable tableof(const std::string& language) {
    std::ifstream in(shipped / (language + ".txt"), std::ios::binary);
    return readtable(std::string(std::istreambuf_iterator<char>(in), {}));
}

std::string listed(const std::vector<int>& numbers, const TextTable& from) {
    std::ostringstream lines;
    for (int number : numbers)
        lines << "\n  " << number << " \"" << from.at(number) << '"';
    return lines.str();
}

class EveryLanguage : public ::testing::TestWithParam<std::string> {
  protected:
    TextTable table = tableof(GetParam());
};

// A number missing is listed with its English text, ready to be translated
// and added to the table.
TEST_P(EveryLanguage, HasExactlyTheEnglishNumbers) {
    std::vector<int> missing, extra;
    for (const auto& [number, english] : englishtable())
        if (!table.contains(number)) missing.push_back(number);
    for (const auto& [number, translated] : table)
        if (!englishtable().contains(number)) extra.push_back(number);
    EXPECT_TRUE(missing.empty()) << GetParam() << ".txt lacks these English texts:"
                                 << listed(missing, englishtable());
    EXPECT_TRUE(extra.empty()) << GetParam()
                               << ".txt has numbers English does not:" << listed(extra, table);
}

// The spaces at the ends stay where the English has them. A message that
// ends with "!" keeps its tone; a question stays a question. One word cut
// short to fit its button ("impr.") ends no sentence.
TEST_P(EveryLanguage, KeepsTheEndsOfTheEnglishTexts) {
    const auto spacesbefore = [](const std::string& s) {
        return std::min(s.find_first_not_of(' '), s.size());
    };
    const auto spacesafter = [](const std::string& s) {
        const auto last = s.find_last_not_of(' ');
        return last == std::string::npos ? s.size() : s.size() - last - 1;
    };
    const auto ending = [](const std::string& s) {
        const auto last = s.find_last_not_of(' ');
        const char c = last == std::string::npos ? ' ' : s[last];
        if (c == '.' && s.find(' ') == std::string::npos) return ' ';
        return std::string_view("!?.").find(c) == std::string_view::npos ? ' ' : c;
    };
    for (const auto& [number, translated] : table) {
        const auto english = englishtable().find(number);
        if (english == englishtable().end()) continue;
        const std::string& original = english->second;
        EXPECT_FALSE(translated.empty()) << number;
        EXPECT_EQ(std::tuple(spacesbefore(translated), spacesafter(translated), ending(translated)),
                  std::tuple(spacesbefore(original), spacesafter(original), ending(original)))
            << GetParam() << " " << number << " \"" << translated << '"';
    }
}

TEST_P(EveryLanguage, KeepsTheFormsTheProgramTakesApart) {
    // One filter entry: a description, then the pattern between bars.
    EXPECT_TRUE(
        std::regex_match(table[textid::filefilter], std::regex(R"([^|]*[^| ] \|\*\.jex\|)")))
        << table[textid::filefilter];
    // The date has its day, month and year, each once.
    const std::string date =
        datetext(table[textid::datepattern], CalendarDate{.day = 25, .month = 11, .year = 2034});
    for (const char* part : {"25", "11", "34"})
        EXPECT_NE(date.find(part), std::string::npos) << table[textid::datepattern] << ": " << date;
    EXPECT_EQ(std::regex_replace(date, std::regex("[0-9]"), "").find_first_of("dmy"),
              std::string::npos)
        << date;
    // A tool tip puts the key's name before its keyboard keys.
    const std::string tip = table[textid::keytooltip];
    EXPECT_LT(tip.find("%1"), tip.find("%2")) << tip;
    EXPECT_NE(tip.find("%2"), std::string::npos) << tip;
}

// The default names are written into program files, which hold Windows-1252:
// each must come back from the file as it went in.
TEST_P(EveryLanguage, DefaultNamesSurviveAProgramFile) {
    for (int name : {textid::myprogram, textid::functionone, textid::functiontwo, textid::me}) {
        const std::string& translated = table[name];
        EXPECT_EQ(cp1252toutf8(utf8tocp1252(translated)), translated) << GetParam() << " " << name;
        EXPECT_EQ(translated.find_first_of("\",\r\n"), std::string::npos) << translated;
    }
    // The two functions stay apart in the listing and in the file.
    EXPECT_NE(table[textid::functionone], table[textid::functiontwo]);
}

// A page printed with the default names carries this title.
TEST_P(EveryLanguage, TitlesAPrintedPageAsAPhrase) {
    const std::map<std::string, std::string> titles = {
        {"cy", "fy rhaglen – awdur: fi"},    {"de", "mein Programm – von: ich"},
        {"es", "mi programa – autor: yo"},   {"fr", "mon programme écrit par moi"},
        {"nl", "mijn programma – maker: ik"}, {"pl", "mój program – autor: ja"},
    };
    const auto expected = titles.find(GetParam());
    ASSERT_NE(expected, titles.end()) << GetParam() << " needs its title here";
    EXPECT_EQ(table[textid::myprogram] + table[textid::writtenby] + table[textid::me],
              expected->second);
}

// French sets a narrow no-break space before ! ? ; and a no-break space
// before a colon.
TEST(LanguageTables, FrenchSpacesItsPunctuation) {
    const auto spacedbefore = [](const std::string& text, std::string_view marks,
                                 std::string_view space) {
        for (auto at = text.find_first_of(marks); at != std::string::npos;
             at = text.find_first_of(marks, at + 1))
            if (at < space.size() || text.compare(at - space.size(), space.size(), space) != 0)
                return false;
        return true;
    };
    // An address keeps its own colons and question marks.
    const std::regex address(R"(\w+://\S*)");
    for (const auto& [number, written] : tableof("fr")) {
        const std::string translated = std::regex_replace(written, address, "");
        EXPECT_TRUE(spacedbefore(translated, "!?;", "\u202F")) << number << " \"" << written << '"';
        EXPECT_TRUE(spacedbefore(translated, ":", "\u00A0")) << number << " \"" << written << '"';
    }
}

// Every key the program names (the keypad's tool tips, --help, the help
// window) is named in the language's own words: the English names are left
// only where that language's keyboards and teachers use them too.
TEST_P(EveryLanguage, NamesTheKeysInItsOwnWords) {
    const std::vector<std::string> english = {
        "Up",    "Down",    "Left",      "Right", "Return", "Enter", "Del",    "Ins",
        "Backspace", "Shift", "Page Up", "Page Down", "Home", "End",   "Escape", "Space"};
    const std::set<std::string> onkeyboards = {"Enter", "Del",       "Ins",  "Backspace", "Shift",
                                               "Page Up", "Page Down", "Home", "End"};
    const std::map<std::string, std::set<std::string>> kept = {
        {"cy", onkeyboards}, {"de", {"Enter"}}, {"es", {}},
        {"fr", {}},          {"nl", onkeyboards}, {"pl", onkeyboards},
    };
    const auto keeps = kept.find(GetParam());
    ASSERT_NE(keeps, kept.end()) << GetParam() << " needs its kept key names here";
    uselanguage(table);
    std::string shown = keyboardhelp() + text(textid::helpkeyname);
    for (int index = 0; index < keycount; ++index)
        shown += keytooltip(static_cast<Key>(index)) + '\n';
    uselanguage({});
    // The kept names go first, so that "Page Up" kept finds no "Up".
    for (const std::string& word : keeps->second)
        shown = std::regex_replace(shown, std::regex(word), "");
    for (const std::string& word : english) {
        EXPECT_FALSE(std::regex_search(shown, std::regex("(^|[^A-Za-z])" + word + "([^A-Za-z]|$)")))
            << GetParam() << " names a key \"" << word << "\" in English:\n" << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryLanguage, ::testing::ValuesIn(languages()),
                         [](const auto& language) { return language.param; });

} // namespace
} // namespace jex
