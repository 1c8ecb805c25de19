// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading programs, the defaults file read at start-up, and
// bringing every window into line with a program just read.
#pragma once

#include <filesystem>
#include <string>

namespace jex {

struct JexState;
struct ProgramFile;

// The save button's work: asks where, writes the file and names the program
// after it. A cancel or a failure shows "cancelled!" and marks the program
// unsaved; the program in memory is not touched.
void saveprogram(JexState& jex);

// Asks for a file and reads it. A file that cannot be read or is not a program
// a keypad could have made is refused with "can't open file!" and leaves
// everything as it was.
void loadprogram(JexState& jex);

// What opening a program file came to.
struct Opened {
    bool read = false;
    std::string refusal; // why the reader refused it; empty when it could not be read at all
};

// Reads a program file already chosen, with the load button's checks and
// its report.
Opened openprogram(JexState& jex, const std::filesystem::path& file);

// The line a terminal is told when a program file given to it was not
// opened: its name and why.
std::string notopenedline(const std::filesystem::path& file, const Opened& opened);

// Reads the defaults file, if there is a good one, without a word either way.
void getdefault(JexState& jex);

// Puts a program read from a file into memory, every slot's keypad expecting
// what its last step needs: that step's missing number, or a command.
void installprogram(JexState& jex, const ProgramFile& program);

// Shows the main program of a program just read, with its names, the robot at
// the centre and the drawing wiped; the program counts as saved.
void newprog(JexState& jex);

} // namespace jex
