// SPDX-License-Identifier: GPL-3.0-or-later
// The .jex program file: two comma-separated fields a line, texts in double
// quotes, numbers bare, an empty value as nothing; Windows-1252 and CR LF.
//
//   "JEX simulator file","<author>"
//   then for each slot: "<slot name>",<step count>
//   and one line a step, the terminator "DONE" last.
#pragma once

#include "core/programstore.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace jex {

// What a program file holds.
struct ProgramFile {
    std::string authorname;
    ProgramStore store; // rows above each terminator are empty
};

inline constexpr std::string_view fileheader = "JEX simulator file";

// No file this program writes comes near these; anything larger is refused
// before it is looked at.
inline constexpr std::size_t largestprogramfile = 64 * 1024;
inline constexpr std::size_t longesttextfield = 255; // bytes
inline constexpr std::string_view filetoolarge = "file too large"; // the reader's refusal

// Text fields have no escapes: a double quote would end the field early and a
// line end would split the line. Names lose them before they are stored.
std::string writablename(std::string_view name);

// The bytes a text field holds for a text; the reader takes no more than
// `longesttextfield` of them.
std::string fieldbytes(std::string_view text);

// The file's bytes.
std::string writeprogram(const ProgramFile& program);

// A file is taken whenever its structure is sound and it holds only steps a
// keypad could have made, however odd (the runner refuses at run time what it
// cannot do); otherwise `refusal` says what is wrong with it. Nothing is
// stored anywhere.
struct ReadResult {
    std::optional<ProgramFile> program;
    std::string refusal;
};
ReadResult readprogram(std::string_view bytes);

} // namespace jex
