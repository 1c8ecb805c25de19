// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a WAVE file chunk by chunk, independently of the writer under test, so
// that a wrong header field or byte order shows up as a difference.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace jex::testing {

struct WaveContents {
    std::uint32_t riffsize = 0;  // as stated in the RIFF header
    std::uintmax_t filesize = 0; // as found on disk
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplerate = 0;
    std::uint32_t byterate = 0;
    std::uint16_t blockalign = 0;
    std::uint16_t bitspersample = 0;
    std::uint32_t datasize = 0;
    std::vector<std::int16_t> samples;
};

// Empty when the file is missing, is not RIFF/WAVE, or lacks a "fmt " or
// "data" chunk, or when a chunk runs past the end of the file.
std::optional<WaveContents> readwave(const std::filesystem::path& path);

} // namespace jex::testing
