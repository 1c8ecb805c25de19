// SPDX-License-Identifier: GPL-3.0-or-later
// The program's twelve sounds, made from their definitions at build time and
// stored as WAVE files: ten square-wave notes and the success and failure
// sounds "yea" and "nay".
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace jex::sounds {

// Mono 16-bit signed PCM.
struct Sound {
    std::string name; // as the resource is named, in capitals: "YEA", "NOTE0"
    int samplerate = 0;
    std::vector<std::int16_t> samples;
};

// The notes differ only in their sample rate, so a higher rate plays the one
// waveform faster and higher: the pitch of a note is its rate / 76.
inline constexpr std::array<int, 10> noterates = {39385, 44178, 49602, 52587, 55623,
                                                  58617, 66150, 74255, 78605, 88200};
inline constexpr int samplespercycle = 76;
inline constexpr int halfcycle = samplespercycle / 2;
// The notes rise from silence over two cycles and fall back over the last two,
// so they start and stop without a click.
inline constexpr int rampsamples = 2 * samplespercycle;
// The notes are played at full 16-bit height, as on the robot.
inline constexpr int fullamplitude = 32767;

inline constexpr int cheerrate = 88200;
inline constexpr int yeasamples = 74088; // 0.84 s
inline constexpr int naysamples = 88200; // 1.00 s

// Sample count of a note lasting 0.1 s at that rate: rate / 10, to the nearest
// whole sample, halves to the even neighbour.
int notelength(int samplerate);

// The note waveform at that rate: a square wave of 76 samples per cycle, 38
// high then 38 low, under the rising and falling ramps.
std::vector<std::int16_t> notewave(int samplerate);

Sound note(int number); // 0..9
Sound yea();            // a quick rising major arpeggio
Sound nay();            // two soft, slightly buzzy falling tones

// All twelve: YEA, NAY, NOTE0 .. NOTE9.
std::vector<Sound> allsounds();

// The complete RIFF/WAVE file: PCM format 1, one channel, 16 bits,
// little-endian whatever the machine.
std::vector<std::uint8_t> wavefile(const Sound& sound);

// Writes `<folder>/<name>.WAV`. Returns false when the file cannot be written
// completely; a partly written file is removed.
bool writewave(const std::filesystem::path& folder, const Sound& sound);

} // namespace jex::sounds
