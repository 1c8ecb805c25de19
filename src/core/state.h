// SPDX-License-Identifier: GPL-3.0-or-later
// All of the simulator's state, by the names the rest of the program uses.
// One instance lives as long as the program; a test makes a fresh one.
#pragma once

#include "core/pentrail.h"
#include "core/programstore.h"
#include "core/types.h"
#include "core/controls.h"

#include <array>
#include <string>

namespace jex {

class Platform;

struct JexState {
    explicit JexState(Platform& platform);
    JexState(const JexState&) = delete;
    JexState& operator=(const JexState&) = delete;

    Platform& platform;
    Windows windows;

    // Program store and editing
    ProgramStore store;  // commands, arguments, stepcount, slotname
    std::string authorname;
    Int16 currentslot = 0;
    SlotArray<Int16> entrystate{};
    ProgramSteps backupsteps;  // what RM puts back
    bool saved = true;

    // Listing
    StepTable<std::string> listinglines;  // rows 1..100 are used
    SlotArray<Int16> listingindent{};
    Int16 readingrow = 0;  // the row last read out with the keyboard, 0 for none

    // Run control
    bool running = false;
    SlotArray<Int16> steppointer{};
    SlotArray<Int16> repeatlevel{};
    SlotArray<std::array<Int16, 9>> repeatstate{};
    std::array<Int16, 3> callstack{};
    Int16 calldepth = 0;
    bool programended = false;

    // Robot, drawing and target
    Int16 robotx = 0, roboty = 0;
    Int16 robotheading = 0;
    double headingradians = 0;
    Int16 movestartx = 0, movestarty = 0;
    Int16 turnstartheading = 0;
    Int16 robotspeed = 0;
    Int16 targetx = 0, targety = 0;
    PenTrail trail;  // emptied at start-up and by clear
    std::array<Int16, 16> spriteoutline{};
    std::array<Int16, 8> spriteoffsets{};

    // Window layout and picture
    Int16 marginx = 0, marginy = 0;
    Int16 canvashalf = 0, canvasunit = 0, spritesize = 0, movestep = 0;
    bool pictureloaded = false;

    // The keypad window's own counter, counted down by its timer.
    Int16 tickcount = 0;

    // The last refusal told with the failure sound, and when it was last
    // refused (seconds since midnight): a burst of the same refusal sounds once.
    int lastrefusal = 0;
    double lastrefusedat = 0;
};

// Sets the initial values of the program store and the editing state.
void initvariables(JexState& jex);

// The only way a run is asked to stop.
void stoprun(JexState& jex);

// The guard every button starts with: while a run is in progress a click only
// asks it to stop. True when it did, and the click does nothing more.
bool stopifrunning(JexState& jex);

// Plays one of the program's sounds to its end; the name is matched without
// regard to case.
void playwave(JexState& jex, std::string_view name);

} // namespace jex
