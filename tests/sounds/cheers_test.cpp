// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalmeasures.h"
#include "soundwaves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace jex::sounds {
namespace {

using jex::testing::peak;

// Both are long enough to be heard at every start-up and every mistake, so
// they must not click, clip or vanish.
struct CheerCase {
    const char* name;
    Sound (*make)();
};

void PrintTo(const CheerCase& cheer, std::ostream* out) {
    *out << cheer.name;
}

class CheerSound : public ::testing::TestWithParam<CheerCase> {};

TEST_P(CheerSound, StartsAndEndsInSilenceIsLoudWithoutClippingAndNeverClicks) {
    const Sound sound = GetParam().make();
    const std::size_t count = sound.samples.size();
    EXPECT_EQ(sound.samples.front(), 0);
    EXPECT_EQ(sound.samples.back(), 0);
    const std::size_t halfmillisecond = cheerrate / 2000;
    EXPECT_LT(peak(sound.samples, 0, halfmillisecond), 0.03 * 32767);
    EXPECT_LT(peak(sound.samples, count - halfmillisecond, count), 0.03 * 32767);

    const int loudest = peak(sound.samples, 0, count);
    EXPECT_LT(loudest, 32767);
    EXPECT_GT(loudest, 0.5 * 32767);

    // The sounds' partials stay below 5 kHz; at 88200 Hz such a wave moves at
    // most about a third of full scale from one sample to the next.
    int steepest = 0;
    for (std::size_t i = 1; i < count; ++i)
        steepest = std::max(steepest, std::abs(sound.samples[i] - sound.samples[i - 1]));
    EXPECT_LT(steepest, 32767 / 3);
}

INSTANTIATE_TEST_SUITE_P(YeaAndNay, CheerSound,
                         ::testing::Values(CheerCase{"yea", &yea}, CheerCase{"nay", &nay}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace jex::sounds
