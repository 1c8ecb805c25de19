// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"

#include <gtest/gtest.h>

namespace jex {
namespace {

TEST(Texts, KeepTheirSpacesAndPunctuationExactly) {
    EXPECT_EQ(text(172), " written by ");
    EXPECT_EQ(text(170), "JEX files |*.jex|");
    EXPECT_EQ(text(153), "can't use this in here!");
    EXPECT_EQ(text(169), "You haven't saved your program. Do you want to continue?");
    EXPECT_EQ(text(123), "Too many REPEATS!");
}

TEST(Texts, SlotNamesAreConsecutive) {
    EXPECT_EQ(text(150), "my program");
    EXPECT_EQ(text(151), "function 1");
    EXPECT_EQ(text(152), "function 2");
}

TEST(Texts, EveryNumberTheProgramUsesHasAText) {
    const int used[] = {90,  91,  92,  93,  100, 101, 102, 103, 104, 105, 107, 108, 109, 111, 114,
                        115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 130, 131, 132,
                        133, 134, 135, 136, 137, 138, 142, 149, 150, 151, 152, 153, 154, 155, 156,
                        157, 158, 159, 160, 161, 162, 165, 166, 167, 168, 169, 170, 171, 172, 174,
                        175, 176, 177, 178};
    for (int number : used) EXPECT_FALSE(text(number).empty()) << number;
}

TEST(Texts, UnknownNumberGivesNothing) {
    EXPECT_EQ(text(106), "");
    EXPECT_EQ(text(-1), "");
}

} // namespace
} // namespace jex
