// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the target at random away from the centre, and removing it.
#include "canvas/target.h"
#include "canvas/tools.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

namespace jex::testing {
namespace {

// On a 400 x 400 drawing area the target is 40 wide: its centre lies within
// -177..176 on each axis, and not within 46 of the centre on both at once.
class Target : public ::testing::Test {
protected:
    // The random number that gives this offset on a 400-pixel side.
    static double drawing(int offset) { return (offset + 177 + 0.5) / 354; }

    RunRig rig{400, 400};
    JexState& jex = rig.jex;
    FakePlatform& platform = rig.platform;
    Control& target = jex.windows.graphics.target;
};

TEST_F(Target, PlacedAwayFromTheCentreAndCaptionedWithItsPosition) {
    ASSERT_EQ(target.width, 40);
    platform.clocktime = 3600.25;
    platform.randoms = {drawing(30), drawing(-46), drawing(30), drawing(-47)};
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(30, -47));
    EXPECT_EQ(platform.seeds, (std::vector<double>{3600.25, 3600.25}));
    EXPECT_EQ(target.caption, "X=30\rY=-47");
    EXPECT_EQ(std::tuple(target.left, target.top), std::tuple(180 + 30, 180 + 47));
    EXPECT_TRUE(target.visible);
}

TEST_F(Target, ExactlyItsSidePlusSixFromTheCentreIsStillTooNear) {
    // 46 to the right and level with the centre lies on the edge of the
    // robot's home, which belongs to it; 47 is clear. Likewise below it.
    platform.randoms = {drawing(46), drawing(0), drawing(47), drawing(0)};
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(47, 0));
    platform.randoms = {drawing(0), drawing(-46), drawing(0), drawing(-47)};
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(0, -47));
}

TEST_F(Target, StaysInsideTheDrawingArea) {
    platform.randoms = {0.0, 0.999999, 0.999999, 0.0};
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(-177, 176));
    EXPECT_EQ(std::tuple(target.left, target.top), std::tuple(3, 4));
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(176, -177));
    EXPECT_EQ(target.right(), 400 - 4);
    EXPECT_EQ(target.bottom(), 400 - 3);
}

TEST_F(Target, AreaWithNoRoomAwayFromTheCentreTakesTheFirstPosition) {
    jex.windows.graphics.Picture1.width = 60;
    jex.windows.graphics.Picture1.height = 60;
    platform.randoms = {0.5, 0.75};
    target_Click(jex);
    EXPECT_EQ(std::tuple(jex.targetx, jex.targety), std::tuple(0, 3));
    EXPECT_EQ(platform.seeds.size(), 1u);
    EXPECT_TRUE(target.visible);
}

TEST_F(Target, ClickingTheTargetRemovesIt) {
    platform.randoms = {0.0, 0.0};
    target_Click(jex);
    graphicstarget_Click(jex);
    EXPECT_FALSE(target.visible);
    graphicstarget_Click(jex);
    EXPECT_FALSE(target.visible);
}

} // namespace
} // namespace jex::testing
