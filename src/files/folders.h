// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fixed folders, rooted in the user's home folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace jex {

struct JexState;

// The root of the program's folders: `dorvane` in the home folder. Without
// HOME it is the account's home from the user database; when no home can be
// found there is none, and the folders are neither made nor used.
std::optional<std::filesystem::path> dorvanefolder();
std::optional<std::filesystem::path> picturefolder();
std::optional<std::filesystem::path> programsfolder();

// The longest name of a file or folder, in bytes, as most file systems allow.
inline constexpr std::size_t longestfilename = 255;

// A text as the name of a file or folder of at most `longest` bytes: path
// separators, what Windows refuses and a leading dot become "_", so that the
// name stays in the folder it is made in, and the text is cut without
// splitting a character.
std::string safename(std::string_view text, std::size_t longest);

// Whether a file name ends in the extension (".jex"), in any case.
bool hasextension(std::string_view filename, std::string_view extension);

// An author's name as a folder name: a name that would leave the programs
// folder or that the file system refuses has those characters replaced. An
// empty name is the programs folder itself.
std::string safefoldername(std::string_view author);
std::optional<std::filesystem::path> authorfolder(std::string_view author);

// Creates one folder; a folder that exists already or cannot be made is
// passed over without a word.
void makefolder(const std::filesystem::path& folder);

void makepicturefolders();
void makeprogramfolders(const JexState& jex);

} // namespace jex
