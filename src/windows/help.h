// SPDX-License-Identifier: GPL-3.0-or-later
// What the help window says: each keypad key and each tool with what it does,
// in the words of the string table.
#pragma once

#include "core/controls.h"

#include <optional>
#include <string>
#include <vector>

namespace jex {

struct HelpEntry {
    std::string name;
    std::string does;
    // The keypad key the entry is about; none for the digits as a group and
    // for the tools.
    std::optional<Key> key;
    // How a tool is reached from the keyboard; empty for the keypad's keys.
    std::string keys = {};
};

// The keypad's keys: the ten digits as one entry, then the other keys in the
// keypad's order.
std::vector<HelpEntry> keypadhelp();

// The tool window's and the drawing window's tools, and how a run is stopped,
// each with the click and the keys that work it.
std::vector<HelpEntry> toolhelp();

} // namespace jex
