// SPDX-License-Identifier: GPL-3.0-or-later
// The key faces as the keypad will show them: drawn by Qt's SVG renderer.
#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSvgRenderer>
#include <QtGlobal>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

const QString keydir = QStringLiteral(JEX_KEY_DIR);

enum class Face { Digit, Command, Go };

struct KeyCase {
    const char* file;
    Face face;
};

const KeyCase keycases[] = {
    {"101-seven", Face::Digit},
    {"102-eight", Face::Digit},
    {"103-nine", Face::Digit},
    {"104-note", Face::Command},
    {"105-forwards", Face::Command},
    {"106-flash", Face::Command},
    {"107-four", Face::Digit},
    {"108-five", Face::Digit},
    {"109-six", Face::Digit},
    {"110-leftbutton", Face::Command},
    {"111-pause", Face::Command},
    {"112-rightbutton", Face::Command},
    {"113-one", Face::Digit},
    {"114-two", Face::Digit},
    {"115-three", Face::Digit},
    {"116-repeat", Face::Command},
    {"117-backwards", Face::Command},
    {"118-endbutton", Face::Command},
    {"119-zero", Face::Digit},
    {"120-test", Face::Command},
    {"121-go", Face::Go},
    {"122-cm", Face::Command},
    {"123-ce", Face::Command},
    {"124-rm", Face::Command},
};

// Drawn over a purple that no face uses, so unpainted corners stand out.
const QColor backdrop(128, 0, 128);

QImage render(const QString& name, int side) {
    QSvgRenderer renderer(keydir + "/" + name + ".svg");
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(backdrop);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

bool isred(QColor c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}
bool isgreen(QColor c) {
    return c.green() > 120 && c.red() < 80 && c.blue() < 100;
}
bool iswhite(QColor c) {
    return c.red() > 230 && c.green() > 230 && c.blue() > 230;
}
bool isblack(QColor c) {
    return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

// Where the symbol was drawn: the pixels of the ink colour inside the face.
struct Ink {
    int count = 0;
    QRect box;
    double centrex = 0, centrey = 0;
};

template <typename IsInk> Ink findink(const QImage& image, IsInk isink) {
    Ink ink;
    double sumx = 0, sumy = 0;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            if (isink(image.pixelColor(x, y))) {
                ++ink.count;
                sumx += x;
                sumy += y;
                ink.box |= QRect(x, y, 1, 1);
            }
    if (ink.count > 0) {
        ink.centrex = sumx / ink.count;
        ink.centrey = sumy / ink.count;
    }
    return ink;
}

void PrintTo(const KeyCase& key, std::ostream* out) {
    *out << key.file << ".svg";
}

class KeyFace : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFace, IsFiftyByFiftyAndValid) {
    QSvgRenderer renderer(keydir + "/" + GetParam().file + ".svg");
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(50, 50));
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 50, 50));
}

TEST_P(KeyFace, ShowsABigCentredSymbolInHighContrast) {
    const QImage image = render(GetParam().file, 50);
    Ink ink;
    switch (GetParam().face) {
    case Face::Digit:
        EXPECT_TRUE(isred(image.pixelColor(6, 6)));
        ink = findink(image, iswhite);
        break;
    case Face::Command:
        EXPECT_TRUE(iswhite(image.pixelColor(6, 44)));
        ink = findink(image, isblack);
        break;
    case Face::Go:
        EXPECT_TRUE(isgreen(image.pixelColor(6, 6)));
        ink = findink(image, iswhite);
        break;
    }
    EXPECT_GT(ink.count, 120) << "too little of the symbol is drawn";
    EXPECT_GE(std::max(ink.box.width(), ink.box.height()), 26) << "the symbol is small";
    EXPECT_GE(std::min(ink.box.width(), ink.box.height()), 12) << "the symbol is thin";
    EXPECT_NEAR(ink.box.center().x(), 24.5, 3.0);
    EXPECT_NEAR(ink.box.center().y(), 24.5, 3.0);
}

TEST_P(KeyFace, HasRoundedCornersAndFillsTheRestOfTheSquare) {
    const QImage image = render(GetParam().file, 50);
    EXPECT_EQ(image.pixelColor(0, 0), backdrop);
    EXPECT_EQ(image.pixelColor(49, 49), backdrop);
    EXPECT_NE(image.pixelColor(25, 0), backdrop);
    EXPECT_NE(image.pixelColor(0, 25), backdrop);
}

INSTANTIATE_TEST_SUITE_P(AllKeys, KeyFace, ::testing::ValuesIn(keycases), [](const auto& info) {
    std::string name = info.param.file;
    return name.substr(name.find('-') + 1);
});

int inkbetween(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isblack(image.pixelColor(x, y))) ++count;
    return count;
}

TEST(KeyFaceArrows, ForwardsPointsUpAndBackwardsDown) {
    // The arrow head is the wide part: most ink across the row it sits on.
    const QImage forwards = render("105-forwards", 50);
    const QImage backwards = render("117-backwards", 50);
    const QRect upperrow(4, 18, 42, 4), lowerrow(4, 28, 42, 4);
    EXPECT_GT(inkbetween(forwards, upperrow), inkbetween(forwards, lowerrow) + 20);
    EXPECT_GT(inkbetween(backwards, lowerrow), inkbetween(backwards, upperrow) + 20);
}

TEST(KeyFaceArrows, LeftTurnsLeftAndRightTurnsRight) {
    // Both come up from the bottom and bend; the head ends on the side they turn to.
    const QImage left = render("110-leftbutton", 50);
    const QImage right = render("112-rightbutton", 50);
    const QRect lefttop(4, 4, 21, 21), righttop(25, 4, 21, 21);
    EXPECT_GT(inkbetween(left, lefttop), inkbetween(left, righttop) + 40);
    EXPECT_GT(inkbetween(right, righttop), inkbetween(right, lefttop) + 40);
}

TEST(BuiltInPicture, IsAPlainGreenSquare) {
    QSvgRenderer renderer(keydir + "/125-green.svg");
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(50, 50));
    for (int side : {50, 7, 333}) {
        const QImage image = render("125-green", side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                ASSERT_EQ(image.pixelColor(x, y), QColor(0, 255, 0))
                    << "at " << x << "," << y << " of " << side;
    }
}

} // namespace

int main(int argc, char** argv) {
    // Text in the faces needs the font database, which needs a GUI
    // application; listing the tests runs this too, without the test's
    // environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
