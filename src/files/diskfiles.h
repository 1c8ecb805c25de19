// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole files, so that a failure never leaves a file half
// written or an earlier one destroyed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace jex {

// The whole file, or nothing when it cannot be read or holds more than
// `largest` bytes.
std::optional<std::string> readwholefile(const std::filesystem::path& file, std::size_t largest);

// Writes a temporary file in the same folder and renames it over the target
// only once it is complete on the disk, then makes the folder's new entry
// last too. A target that exists but may not be written is left alone.
// Temporary files of earlier saves into the folder that were killed half way
// are removed first. False when anything failed; the target is then as it
// was, unless only the folder's sync failed after the rename.
bool replacefile(const std::filesystem::path& file, std::string_view bytes);

} // namespace jex
