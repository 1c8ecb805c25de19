// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalmeasures.h"
#include "soundwaves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <string>

namespace jex::sounds {
namespace {

using jex::testing::crossingpitch;

struct NoteCase {
    int number;
    int samplerate;
    double pitch; // as a musician would tune against, to 0.1 Hz
    std::size_t samples; // a tenth of the rate, halves rounded to even
};

// clang-format off
const NoteCase notecases[] = {
    {0, 39385, 518.2, 3938}, {1, 44178, 581.3, 4418}, {2, 49602, 652.7, 4960},
    {3, 52587, 691.9, 5259}, {4, 55623, 731.9, 5562}, {5, 58617, 771.3, 5862},
    {6, 66150, 870.4, 6615}, {7, 74255, 977.0, 7426}, {8, 78605, 1034.3, 7860},
    {9, 88200, 1160.5, 8820},
};
// clang-format on

void PrintTo(const NoteCase& note, std::ostream* out) {
    *out << "note" << note.number << " at " << note.samplerate << " Hz";
}

class NoteWave : public ::testing::TestWithParam<NoteCase> {};

TEST_P(NoteWave, IsNamedAndLastsATenthOfASecondAtItsRateAndPitch) {
    const NoteCase& expected = GetParam();
    const Sound sound = note(expected.number);
    EXPECT_EQ(sound.name, "NOTE" + std::to_string(expected.number));
    EXPECT_EQ(sound.samplerate, expected.samplerate);
    EXPECT_EQ(sound.samples.size(), expected.samples);
    EXPECT_NEAR(crossingpitch(sound.samples, sound.samplerate, 0, sound.samples.size()),
                expected.pitch, 0.05);
}

// Between the ramps an even square wave at full amplitude; the ramps rise
// from silence over the first two cycles and fall back over the last two.
TEST_P(NoteWave, IsAnEvenSquareWaveRisingFromSilenceAndFallingBack) {
    const std::vector<std::int16_t> wave = note(GetParam().number).samples;
    const std::size_t count = wave.size();
    std::size_t cycles = 0;
    for (std::size_t start = rampsamples; start + samplespercycle + rampsamples <= count;
         start += samplespercycle, ++cycles) {
        for (std::size_t i = start; i < start + halfcycle; ++i)
            ASSERT_EQ(wave[i], fullamplitude) << "sample " << i << " of the high half";
        for (std::size_t i = start + halfcycle; i < start + samplespercycle; ++i)
            ASSERT_EQ(wave[i], -fullamplitude) << "sample " << i << " of the low half";
    }
    EXPECT_GE(cycles, 47u);
    for (std::size_t i = rampsamples; i + rampsamples < count; ++i)
        ASSERT_EQ(std::abs(wave[i]), fullamplitude) << "sample " << i;

    EXPECT_EQ(wave.front(), 0);
    EXPECT_EQ(wave.back(), 0);
    for (std::size_t i = 1; i <= rampsamples; ++i) {
        ASSERT_GE(std::abs(wave[i]), std::abs(wave[i - 1])) << "rise at " << i;
        ASSERT_GE(std::abs(wave[count - 1 - i]), std::abs(wave[count - i])) << "fall at " << i;
    }
    // Linear: halfway up after one cycle, and still short of full one sample
    // before the end of the ramp.
    EXPECT_NEAR(std::abs(wave[samplespercycle]), fullamplitude / 2.0, 1.0);
    EXPECT_NEAR(std::abs(wave[count - 1 - samplespercycle]), fullamplitude / 2.0, 1.0);
    EXPECT_LT(std::abs(wave[rampsamples - 1]), fullamplitude);
    EXPECT_EQ(std::abs(wave[rampsamples]), fullamplitude);
}

INSTANTIATE_TEST_SUITE_P(AllTen, NoteWave, ::testing::ValuesIn(notecases), [](const auto& info) {
    return "note" + std::to_string(info.param.number);
});

TEST(Notes, OnlyTenExist) {
    EXPECT_THROW(note(10), std::out_of_range);
    EXPECT_THROW(note(-1), std::out_of_range);
}

} // namespace
} // namespace jex::sounds
