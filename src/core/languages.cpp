// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/languages.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

namespace jex {
namespace {

// No language needs more; a larger file is not a table.
constexpr std::uintmax_t largesttable = 1 << 20;
constexpr std::string_view byteordermark = "\xEF\xBB\xBF";

bool isplainlocale(std::string_view locale) {
    return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

bool isletter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isletterordigit(char c) {
    return isletter(c) || (c >= '0' && c <= '9');
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::string> readfile(const std::filesystem::path& file) {
    std::error_code failed;
    if (!std::filesystem::is_regular_file(file, failed)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, failed);
    if (failed || size > largesttable) return std::nullopt;
    // C's files rather than streams: the web edition then carries no stream
    // library, a fifth of its size.
    const std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in) return std::nullopt;
    std::string contents(static_cast<std::size_t>(size), '\0');
    contents.resize(std::fread(contents.data(), 1, contents.size(), in.get()));
    if (std::ferror(in.get())) return std::nullopt;
    // An editor on Windows may start the file with a byte order mark.
    if (std::string_view(contents).starts_with(byteordermark))
        contents.erase(0, byteordermark.size());
    return contents;
}

} // namespace

std::vector<std::string> desktoplanguages(const std::function<std::string(const char*)>& variable) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.empty()) break;
    }
    std::vector<std::string> wanted;
    if (!isplainlocale(locale)) {
        const std::string languages = variable("LANGUAGE");
        std::string_view list = languages;
        while (!list.empty()) {
            const auto colon = list.find(':');
            if (colon != 0) wanted.emplace_back(list.substr(0, colon));
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    if (!locale.empty()) wanted.push_back(locale);
    return wanted;
}

std::vector<std::string> tablenames(std::string_view code) {
    code = code.substr(0, code.find_first_of(".@"));
    const auto underscore = code.find('_');
    const std::string_view language = code.substr(0, underscore);
    if (language.empty() || !std::all_of(language.begin(), language.end(), isletter)) return {};
    if (underscore == std::string_view::npos) return {std::string(language)};
    const std::string_view region = code.substr(underscore + 1);
    if (region.empty() || !std::all_of(region.begin(), region.end(), isletterordigit)) return {};
    return {std::string(code), std::string(language)};
}

std::optional<TextTable> readlanguage(std::string_view name,
                                      const std::vector<std::filesystem::path>& folders) {
    std::optional<TextTable> language;
    for (const std::filesystem::path& folder : folders) {
        const auto contents = readfile(folder / (std::string(name) + ".txt"));
        if (!contents) continue;
        if (!language) language.emplace();
        for (auto& [number, words] : readtable(*contents))
            (*language)[number] = std::move(words);
    }
    return language;
}

std::optional<std::string> chooselanguage(const std::vector<std::string>& wanted,
                                          const std::vector<std::filesystem::path>& folders) {
    for (const std::string& code : wanted) {
        for (const std::string& name : tablenames(code)) {
            if (auto language = readlanguage(name, folders)) {
                uselanguage(std::move(*language));
                return name;
            }
            if (name == "en") {
                uselanguage({});
                return std::string();
            }
        }
    }
    uselanguage({});
    return std::nullopt;
}

} // namespace jex
