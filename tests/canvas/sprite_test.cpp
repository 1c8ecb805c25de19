// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's outline and its eight lines at the three headings worked out by
// hand, with pi taken as 3.14159.
#include "canvas/penline.h"
#include "canvas/sprite.h"
#include "run/motion.h"
#include "support/runrig.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace jex {
void PrintTo(const PenSpan& span, std::ostream* out) {
    *out << "row " << span.y << ": " << span.left << ".." << span.right;
}
} // namespace jex

namespace jex::testing {
namespace {

struct Pose {
    int heading;
    std::array<Int16, 8> offsets;              // A..H
    std::array<std::pair<int, int>, 8> points;  // P1..P4, Q1..Q4
};

std::ostream& operator<<(std::ostream& out, const Pose& pose) {
    return out << "heading " << pose.heading;
}

class Sprite : public ::testing::TestWithParam<Pose> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Headings, Sprite, ::testing::Values(
    Pose{0, {5, 0, 13, 0, 6, 0, 13, 0},
         {{{245, 237}, {255, 237}, {245, 263}, {255, 263},
           {245, 256}, {255, 256}, {245, 263}, {255, 263}}}},
                      // cos h is 1.3e-6 and sin h just under 1: the front faces right.
    Pose{90, {0, 5, 0, 12, 0, 6, 0, 12},
         {{{262, 245}, {262, 255}, {238, 245}, {238, 255},
           {244, 245}, {244, 255}, {238, 245}, {238, 255}}}},
                      // Negative offsets round downwards: the body is two rows shorter.
    Pose{180, {-5, 0, -12, 0, -7, 0, -13, 0},
         {{{255, 262}, {245, 262}, {255, 238}, {245, 238},
           {255, 243}, {245, 243}, {255, 237}, {245, 237}}}}));
// clang-format on

TEST_P(Sprite, OutlineAndLinesFollowTheHeading) {
    const Pose& pose = GetParam();
    RunRig rig;  // 500 x 500: canvasunit 25, spritesize 10
    JexState& jex = rig.jex;
    jex.robotheading = static_cast<Int16>(pose.heading);
    drawrobot(jex);
    placesprite(jex);

    EXPECT_EQ(jex.spriteoffsets, pose.offsets);
    for (int p = P1; p <= Q4; ++p) {
        const auto point = static_cast<SpritePoint>(p);
        EXPECT_EQ(std::pair(pointx(jex, point), pointy(jex, point)), pose.points[p])
            << "point " << p;
    }
    const GraphicsWindow& g = jex.windows.graphics;
    const auto ends = [&](SpritePoint a, SpritePoint b) {
        return std::tuple(pointx(jex, a), pointy(jex, a), pointx(jex, b), pointy(jex, b));
    };
    const auto line = [](const LineControl& l) { return std::tuple(l.x1, l.y1, l.x2, l.y2); };
    EXPECT_EQ(line(g.leftside), ends(P3, P1));
    EXPECT_EQ(line(g.rightside), ends(P4, P2));
    EXPECT_EQ(line(g.topside), ends(P1, P2));
    EXPECT_EQ(line(g.bottomside), ends(P3, P4));
    EXPECT_EQ(line(g.keys1), ends(Q1, Q2));
    EXPECT_EQ(line(g.keys2), ends(Q3, Q4));
    EXPECT_EQ(line(g.keys3), ends(Q3, Q1));
    EXPECT_EQ(line(g.keys4), ends(Q2, Q4));
    EXPECT_EQ(g.leftside.thickness, 11);
    EXPECT_EQ(g.keys1.thickness, 8);  // 7.5 rounds to the even 8
    EXPECT_EQ(g.keys1.colour, (Colour{255, 255, 255}));
    EXPECT_EQ(g.topside.colour, (Colour{0, 0, 0}));
    EXPECT_EQ(jex.windows.funnies.JEXangle.caption, std::to_string(pose.heading));
    EXPECT_FALSE(iscrashed(jex));
}

// The marking's quarter and half lengths (F and H) count one pixel more than
// the robot's length before halving: at a slant, and with a length whose
// half is a whole number, that pixel shows.
TEST(SpriteMarking, QuarterAndHalfLengthsCountOnePixelMore) {
    struct Case {
        int side, heading;
        std::array<Int16, 8> offsets;  // A..H
        std::pair<int, int> q1, q3;
    };
    const Case cases[] = {
        // canvasunit 25, spritesize 10: H is 26 sin h / 2 = 9.19, not 8.84.
        {500, 45, {4, 4, 9, 9, 4, 4, 9, 9}, {242, 250}, {237, 255}},
        // canvasunit 28, spritesize 11: F is 15 sin h / 2 = 7.49, not 6.99,
        // and H is 29 sin h / 2 = 14.49, not 13.99.
        {560, 90, {0, 5, 0, 14, 0, 7, 0, 14}, {273, 275}, {266, 275}},
    };
    for (const Case& c : cases) {
        RunRig rig(c.side, c.side);
        JexState& jex = rig.jex;
        jex.robotheading = static_cast<Int16>(c.heading);
        drawrobot(jex);
        EXPECT_EQ(jex.spriteoffsets, c.offsets) << c.heading;
        EXPECT_EQ(std::pair(pointx(jex, Q1), pointy(jex, Q1)), c.q1) << c.heading;
        EXPECT_EQ(std::pair(pointx(jex, Q3), pointy(jex, Q3)), c.q3) << c.heading;
    }
}

TEST(SpriteEdges, CrashIsACornerWithinSixPixelsOfAnEdge) {
    RunRig rig;  // facing up, the front corners are 13 rows above the centre
    struct Case {
        int x, y;
        bool crashed;
    };
    for (const Case& c :
         {Case{0, 231, false}, Case{0, 232, true}, Case{-239, 0, false}, Case{-240, 0, true},
          Case{239, 0, false}, Case{240, 0, true}, Case{0, -231, false}, Case{0, -232, true}}) {
        rig.jex.robotx = static_cast<Int16>(c.x);
        rig.jex.roboty = static_cast<Int16>(c.y);
        drawrobot(rig.jex);
        EXPECT_EQ(iscrashed(rig.jex), c.crashed) << c.x << ", " << c.y;
    }
}


// The pixels of a pen line, worked out by hand: straight lines keep the
// desktop's two rows or columns with a pixel more at each end (and twice that
// on a screen of double density), a diagonal is filled without smoothing, the
// same whichever end it starts from.
TEST(PenLine, CoversThePixelsWhoseCentresLieInsideTheSquareEndedLine) {
    struct Case {
        int x1, y1, x2, y2;
        double density;
        std::vector<PenSpan> spans;
    };
    // clang-format off
    for (const Case& c : {
             Case{0, 5, 3, 5, 1, {{4, -1, 4}, {5, -1, 4}}},
             Case{3, 5, 0, 5, 1, {{4, -1, 4}, {5, -1, 4}}},
             Case{0, 5, 3, 5, 2, {{8, -2, 8}, {9, -2, 8}, {10, -2, 8}, {11, -2, 8}}},
             Case{2, 0, 2, 2, 1, {{-1, 1, 3}, {0, 1, 3}, {1, 1, 3}, {2, 1, 3}}},
             Case{4, 4, 4, 4, 1, {{3, 3, 5}, {4, 3, 5}}},
             Case{0, 0, 2, 2, 1, {{-1, -1, 1}, {0, -1, 2}, {1, 0, 3}, {2, 1, 3}}},
             Case{2, 2, 0, 0, 1, {{-1, -1, 1}, {0, -1, 2}, {1, 0, 3}, {2, 1, 3}}},
             Case{0, 0, 6, 2, 1, {{-1, -1, 2}, {0, -1, 5}, {1, 1, 7}, {2, 4, 7}}},
         }) {
        // clang-format on
        std::vector<PenSpan> spans{{99, 0, 1}};
        penspans(c.x1, c.y1, c.x2, c.y2, c.density, spans);
        EXPECT_EQ(spans, c.spans) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2
                                  << " at " << c.density;
    }
}

} // namespace
} // namespace jex::testing
