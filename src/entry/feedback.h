// SPDX-License-Identifier: GPL-3.0-or-later
// The status line `warnings` and the sounds that go with it.
#pragma once

namespace jex {

struct JexState;

// Shows the listing of the slot being edited and clears the status line.
void refreshlisting(JexState& jex);

// Shows the message in the status line, counted as told once more.
void showmessage(JexState& jex, int textnumber);

// Sets the status line's type to its designed size, or to the largest smaller
// size at which its message fits the line whole (as the platform measures
// it), so that no message is ever shown cut off. Its height stays as laid out.
void fitmessage(JexState& jex);

// Shows the message in the status line and plays the failure sound.
void reportproblem(JexState& jex, int textnumber);

// A key, a button or a typed letter refused while the program is keyed in:
// as reportproblem, but the same refusal again less than half a second after
// the last one (a key the keyboard repeats, or presses that waited while the
// failure sound played) is shown without sounding again. What the pupil asked
// for through a dialog, a print or a run's end always sounds.
void refusekey(JexState& jex, int textnumber);

// Shows the message, waits about 0.8 s, then plays the success sound.
void reportsuccess(JexState& jex, int textnumber);

// Whether the slot being edited may be run or left: no number pending and no
// repeat block open. Reports why not.
bool readytorun(JexState& jex);

} // namespace jex
