// SPDX-License-Identifier: GPL-3.0-or-later
// Basic shapes shared by every part of the simulator.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace jex {

// Program numbers are 16-bit, as on the robot.
using Int16 = std::int16_t;

inline constexpr int slotcount = 3;  // 0 the main program, 1 function 1, 2 function 2
inline constexpr int lastrow = 100;  // rows 0..100 of each slot
inline constexpr int maxsteps = 99;  // the terminator needs row 100
inline constexpr int maxopenrepeats = 3;  // repeat blocks open at once in a slot

template <class T> using SlotArray = std::array<T, slotcount>;

// A table indexed [step][slot], steps 0..100.
template <class T> using StepTable = std::array<SlotArray<T>, lastrow + 1>;

// The number of a step: a value, or empty when nothing was ever stored there.
// Empty counts as 0 wherever it is compared or shown, but a file keeps it apart.
using Argument = std::optional<Int16>;

inline int valueof(const Argument& argument) { return argument.value_or(0); }

// Markers that an argument can hold besides a keyed number.
inline constexpr Int16 awaitingnumber = -1;
inline constexpr Int16 endmarker = -2;

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

} // namespace jex
