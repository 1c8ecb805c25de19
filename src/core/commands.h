// SPDX-License-Identifier: GPL-3.0-or-later
// What a step is: the robot's commands, each with its token in a program
// file, its word in the listing, its key, the digits the keypad takes for its
// number and the numbers the robot can do. The keypad, the listing, the
// runner and the program file all read this one table.
#pragma once

#include "core/controls.h"
#include "core/textids.h"
#include "core/types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace jex {

// `none` is a row no step was ever written to (or cleared): no command.
enum class Command : std::uint8_t {
    none, forwards, backwards, left, right, pause, note, flash, repeat, end, callone, calltwo, done,
};

enum class CommandKind : std::uint8_t {
    none,
    move,     // forwards and backwards, any distance
    turn,     // left and right, any angle
    counted,  // pause and flash: a count of tenths of a second or of flashes
    note,     // one digit, the pitch
    repeat,   // opens a block run `number` times
    end,      // closes the innermost repeat; holds the end marker
    call,     // runs a function's slot
    done,     // the end of a slot
};

struct CommandInfo {
    Command command = Command::none;
    std::string_view token;  // as a program file holds it
    int word = 0;            // text id of its listing word; 0 when it has none
    CommandKind kind = CommandKind::none;
    std::optional<Key> key;  // the keypad key that keys it
    int digits = 0;          // digits the keypad takes for its number; 0 takes none
    int smallest = 0, largest = 0;  // the numbers the robot can do, when it takes digits
    int direction = 1;       // a move's or turn's sign: backwards and left are negative
    int calls = 0;           // the slot a call runs
};

namespace commandlimits {
inline constexpr int largestcount = 999;  // three digits
inline constexpr int largestnote = 9;     // one digit
inline constexpr int anynumber = 32767;   // what 16 bits hold
} // namespace commandlimits

inline constexpr std::array<CommandInfo, 13> commandtable = {{
    {Command::none, "", 0, CommandKind::none, std::nullopt, 0, 0, 0, 1, 0},
    {Command::forwards, "F", textid::forward, CommandKind::move, Key::forwards, 3, -commandlimits::anynumber - 1,
     commandlimits::anynumber, 1, 0},
    {Command::backwards, "B", textid::backward, CommandKind::move, Key::backwards, 3,
     -commandlimits::anynumber - 1, commandlimits::anynumber, -1, 0},
    {Command::left, "L", textid::left, CommandKind::turn, Key::leftbutton, 3, -commandlimits::anynumber - 1,
     commandlimits::anynumber, -1, 0},
    {Command::right, "R", textid::right, CommandKind::turn, Key::rightbutton, 3,
     -commandlimits::anynumber - 1, commandlimits::anynumber, 1, 0},
    {Command::pause, "P", textid::pause, CommandKind::counted, Key::pause, 3, 1, commandlimits::largestcount, 1,
     0},
    {Command::note, "N", textid::note, CommandKind::note, Key::note, 1, 0, commandlimits::largestnote, 1, 0},
    {Command::flash, "FL", textid::flash, CommandKind::counted, Key::flash, 3, 1, commandlimits::largestcount, 1,
     0},
    {Command::repeat, "RP", textid::repeat, CommandKind::repeat, Key::repeat, 3, 1, commandlimits::largestcount,
     1, 0},
    {Command::end, "E", textid::end, CommandKind::end, Key::endbutton, 0, 0, 0, 1, 0},
    {Command::callone, "PF1", 0, CommandKind::call, std::nullopt, 0, 0, 0, 1, 1},
    {Command::calltwo, "PF2", 0, CommandKind::call, std::nullopt, 0, 0, 0, 1, 2},
    {Command::done, "DONE", 0, CommandKind::done, std::nullopt, 0, 0, 0, 1, 0},
}};

constexpr const CommandInfo& commandinfo(Command command) {
    return commandtable[static_cast<std::size_t>(command)];
}

constexpr bool tableinorder() {
    for (std::size_t i = 0; i < commandtable.size(); ++i)
        if (static_cast<std::size_t>(commandtable[i].command) != i) return false;
    return true;
}
static_assert(tableinorder(), "the command table is indexed by its commands");
constexpr CommandKind kindof(Command command) { return commandinfo(command).kind; }
constexpr std::string_view tokenof(Command command) { return commandinfo(command).token; }

// The command a program file's token names; none for a token it does not know.
constexpr Command commandfortoken(std::string_view token) {
    for (const CommandInfo& info : commandtable)
        if (info.command != Command::none && info.token == token) return info.command;
    return Command::none;
}

// The command a keypad key keys; none for the digits and the other keys.
constexpr Command commandforkey(Key key) {
    for (const CommandInfo& info : commandtable)
        if (info.key == key) return info.command;
    return Command::none;
}

// The call step that runs a function's slot.
constexpr Command callof(int slot) {
    for (const CommandInfo& info : commandtable)
        if (info.kind == CommandKind::call && info.calls == slot) return info.command;
    return Command::none;
}

// Whether the robot can do the step: a command that takes digits needs its
// number, within its range; a call or an end takes no number, so digits keyed
// onto theirs change nothing. No command is no step.
constexpr bool candostep(Command command, int number) {
    const CommandInfo& info = commandinfo(command);
    if (info.kind == CommandKind::none) return false;
    if (info.digits == 0) return true;
    return number != awaitingnumber && number >= info.smallest && number <= info.largest;
}

// Whether a number keyed for the command has all the digits it takes: a
// note's single digit, three digits for the others.
constexpr bool hasalldigits(Command command, int number) {
    const int digits = commandinfo(command).digits;
    if (number == awaitingnumber) return false;
    int smallestfull = 1;
    for (int d = 1; d < digits; ++d) smallestfull *= 10;
    return digits <= 1 || number >= smallestfull;
}

// A call may only run a slot after the one it is in: the main program calls
// both functions, function 1 calls function 2.
constexpr bool callallowed(Command call, int slot) { return slot < commandinfo(call).calls; }

// The keypad's entry state of a slot.
namespace entry {
inline constexpr Int16 command = 0;      // a command; digits are refused
inline constexpr Int16 firstdigit = 1;   // the first digit of a counted command; 0 is refused
inline constexpr Int16 seconddigit = 2;  // an optional second digit
inline constexpr Int16 lastdigit = 3;    // an optional last digit, or a note's single digit
} // namespace entry

// What the keypad expects once the command is keyed: the first digit of its
// number, or the only one.
constexpr Int16 entrystateafter(Command command) {
    const int digits = commandinfo(command).digits;
    if (digits == 0) return entry::command;
    return digits == 1 ? entry::lastdigit : entry::firstdigit;
}

} // namespace jex
