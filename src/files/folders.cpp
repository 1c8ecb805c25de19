// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/folders.h"

#include "core/state.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace jex {
namespace {

constexpr char standin = '_';

#ifndef _WIN32
// A shared folder such as /tmp would let another user plant links where the
// pupils' programs go, so there is no fallback beyond the user database.
std::optional<std::filesystem::path> homefolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home);
    if (const passwd* account = getpwuid(getuid()); account && account->pw_dir && *account->pw_dir)
        return std::filesystem::path(account->pw_dir);
    return std::nullopt;
}
#endif

// Path separators and what Windows refuses are replaced everywhere, so that
// an author's folder has the same name on both systems.
bool refusedinname(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// Cuts a UTF-8 text to at most `length` bytes without splitting a character.
std::string cututf8(std::string text, std::size_t length) {
    if (text.size() <= length) return text;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    text.resize(length);
    return text;
}

} // namespace

std::optional<std::filesystem::path> dorvanefolder() {
#ifdef _WIN32
    return std::filesystem::path("C:\\dorvane");
#else
    const auto home = homefolder();
    if (!home) return std::nullopt;
    return *home / "dorvane";
#endif
}

std::optional<std::filesystem::path> picturefolder() {
    const auto root = dorvanefolder();
    if (!root) return std::nullopt;
    return *root / "jex" / "picture";
}

std::optional<std::filesystem::path> programsfolder() {
    const auto root = dorvanefolder();
    if (!root) return std::nullopt;
    return *root / "jex" / "programs";
}

std::string safename(std::string_view text, std::size_t longest) {
    std::string name;
    for (const char c : text)
        name += refusedinname(static_cast<unsigned char>(c)) ? standin : c;
    // A leading dot covers "." and "..", and hidden files a pupil cannot find.
    if (!name.empty() && name.front() == '.') name.front() = standin;
    return cututf8(std::move(name), longest);
}

bool hasextension(std::string_view filename, std::string_view extension) {
    if (filename.size() < extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), filename.end() - extension.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string safefoldername(std::string_view author) {
    return safename(author, longestfilename);
}

std::optional<std::filesystem::path> authorfolder(std::string_view author) {
    const auto programs = programsfolder();
    if (!programs) return std::nullopt;
    const std::string name = safefoldername(author);
    return name.empty() ? *programs : *programs / name;
}

void makefolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
}

void makepicturefolders() {
    const auto root = dorvanefolder();
    if (!root) return;
    makefolder(*root);
    makefolder(*root / "jex");
    makefolder(*root / "jex" / "picture");
}

void makeprogramfolders(const JexState& jex) {
    const auto root = dorvanefolder();
    if (!root) return;
    makefolder(*root);
    makefolder(*root / "jex");
    makefolder(*root / "jex" / "programs");
    makefolder(*authorfolder(jex.authorname));
}

} // namespace jex
