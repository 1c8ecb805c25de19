// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks, where its tables are found, and how a
// language's texts lie over the English ones.
#include "core/languages.h"
#include "core/textids.h"
#include "core/texts.h"
#include "support/temphome.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace jex {
namespace {

using Environment = std::map<std::string, std::string>;

std::vector<std::string> desktopof(const Environment& environment) {
    return desktoplanguages([&](const char* name) {
        const auto found = environment.find(name);
        return found == environment.end() ? std::string() : found->second;
    });
}

TEST(DesktopLanguages, FollowLanguageThenTheFirstLocaleSet) {
    using Wanted = std::vector<std::string>;
    EXPECT_EQ(desktopof({}), Wanted{});
    EXPECT_EQ(desktopof({{"LANG", "fr_FR.UTF-8"}}), Wanted{"fr_FR.UTF-8"});
    EXPECT_EQ(desktopof({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "nl_NL"}}), Wanted{"nl_NL"});
    EXPECT_EQ(desktopof({{"LANG", "fr"}, {"LC_MESSAGES", "nl"}, {"LC_ALL", "pl_PL"}}),
              Wanted{"pl_PL"});
    EXPECT_EQ(desktopof({{"LANGUAGE", "cy:de::es"}, {"LANG", "en_GB.UTF-8"}}),
              (Wanted{"cy", "de", "es", "en_GB.UTF-8"}));
    // An unset locale still lets LANGUAGE speak; a plain C locale does not.
    EXPECT_EQ(desktopof({{"LANGUAGE", "de"}}), Wanted{"de"});
    EXPECT_EQ(desktopof({{"LANGUAGE", "de"}, {"LANG", "C"}}), Wanted{"C"});
    EXPECT_EQ(desktopof({{"LANGUAGE", "de"}, {"LC_ALL", "C.UTF-8"}}), Wanted{"C.UTF-8"});
    EXPECT_EQ(desktopof({{"LANGUAGE", "de"}, {"LC_ALL", "POSIX"}}), Wanted{"POSIX"});
}

TEST(TableNames, GoFromTheRegionToTheLanguageAndNeverOutOfTheFolder) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(tablenames("de"), Names{"de"});
    EXPECT_EQ(tablenames("de_AT.UTF-8@euro"), (Names{"de_AT", "de"}));
    EXPECT_EQ(tablenames("cy_GB"), (Names{"cy_GB", "cy"}));
    EXPECT_EQ(tablenames("fr.UTF-8"), Names{"fr"});
    for (const char* refused :
         {"", "../de", "de/..", "de_", "_DE", "d e", "de_AT_x", "/etc/x", "..", "de-AT"})
        EXPECT_EQ(tablenames(refused), Names{}) << refused;
}

class LanguageFolders : public ::testing::Test {
  protected:
    void TearDown() override { uselanguage({}); }

    std::filesystem::path folder(const std::string& name) {
        const auto made = home.path() / name;
        std::filesystem::create_directories(made);
        return made;
    }
    static void write(const std::filesystem::path& file, const std::string& contents) {
        std::ofstream(file, std::ios::binary) << contents;
    }

    testing::TempHome home;
};

TEST_F(LanguageFolders, ALanguageSpeaksTextByTextAndEnglishFillsTheGaps) {
    const auto installed = folder("installed");
    write(installed / "de.txt", "# Deutsch\n130 \"vorwärts\"\n172 \" von \"\n");
    EXPECT_EQ(chooselanguage({"de_DE.UTF-8"}, {installed}), "de");
    EXPECT_EQ(text(textid::forward), "vorwärts");
    EXPECT_EQ(text(textid::writtenby), " von ");
    EXPECT_EQ(text(textid::backward), "backward");
    EXPECT_EQ(text(textid::filefilter), "JEX files |*.jex|");
    uselanguage({});
    EXPECT_EQ(text(textid::forward), "forward");
}

TEST_F(LanguageFolders, ATeachersTableCorrectsTheInstalledOneEntryByEntry) {
    const auto installed = folder("installed");
    const auto teacher = folder("teacher");
    write(installed / "fr.txt", "130 \"avance\"\n131 \"recule\"\n");
    // Written on Windows: a byte order mark and CR LF line ends.
    write(teacher / "fr.txt", "\xEF\xBB\xBF"
                              "131 \"en arrière\"\r\n132 \"à gauche\"\r\n");
    EXPECT_EQ(chooselanguage({"fr"}, {installed, teacher}), "fr");
    EXPECT_EQ(text(textid::forward), "avance");
    EXPECT_EQ(text(textid::backward), "en arrière");
    EXPECT_EQ(text(textid::left), "à gauche");

    // A language only the teacher has is found as well.
    write(teacher / "it.txt", "130 \"avanti\"\n");
    EXPECT_EQ(chooselanguage({"it_IT"}, {installed, teacher}), "it");
    EXPECT_EQ(text(textid::forward), "avanti");
}

TEST_F(LanguageFolders, TheFirstWantedLanguageWithATableSpeaks) {
    const auto installed = folder("installed");
    write(installed / "nl.txt", "130 \"vooruit\"\n");
    write(installed / "pl.txt", "130 \"naprzód\"\n");
    EXPECT_EQ(chooselanguage({"sv_SE", "pl_PL", "nl"}, {installed}), "pl");
    EXPECT_EQ(text(textid::forward), "naprzód");
    // English is a language of its own: it ends the search.
    EXPECT_EQ(chooselanguage({"en_GB.UTF-8", "nl"}, {installed}), "");
    EXPECT_EQ(text(textid::forward), "forward");
    // Nothing found: English, and the caller hears that nothing was found.
    EXPECT_EQ(chooselanguage({"nl"}, {}), std::nullopt);
    EXPECT_EQ(chooselanguage({"sv", "C", "../installed/nl"}, {installed}), std::nullopt);
    EXPECT_EQ(text(textid::forward), "forward");
}

TEST_F(LanguageFolders, WhatIsNotATableIsPassedOver) {
    const auto installed = folder("installed");
    std::filesystem::create_directory(installed / "de.txt"); // a folder, not a file
    write(installed / "es.txt", std::string((1 << 20) + 1, 'x'));
    EXPECT_EQ(readlanguage("de", {installed}), std::nullopt);
    EXPECT_EQ(readlanguage("es", {installed}), std::nullopt);
    EXPECT_EQ(readlanguage("fr", {installed / "missing"}), std::nullopt);
    // A table with no usable line is still the language, all in English.
    write(installed / "nl.txt", "vooruit\n130 vooruit\n\"130\" \"x\"\n");
    EXPECT_EQ(readlanguage("nl", {installed}), TextTable{});
}

} // namespace
} // namespace jex
