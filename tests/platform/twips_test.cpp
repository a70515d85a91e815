#include "platform/twips.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

// The offscreen screen the tests run on has 96 logical dots per inch:
// 1440 / 96 = 15 twips per pixel.
TEST(Twips, FactorsOfA96DpiScreen) {
    EXPECT_EQ(twipsPerPixelX(), 15);
    EXPECT_EQ(twipsPerPixelY(), 15);
}

TEST(Twips, Conversions) {
    EXPECT_EQ(twipsToPixelsX(1440), 96);
    EXPECT_EQ(twipsToPixelsY(7.5), 0) << "half a pixel goes to the even 0";
    EXPECT_EQ(twipsToPixelsY(22.5), 2) << "one and a half pixels go to the even 2";
    EXPECT_EQ(pixelsToTwipsX(10), 150);
    EXPECT_EQ(twipsRect(120, 240, 1500, 300), QRect(8, 16, 100, 20));
    EXPECT_EQ(twipsSize(4800, 3600), QSize(320, 240));
}

TEST(Twips, PlacesAWidget) {
    QWidget parent;
    QWidget child(&parent);
    placeTwips(&child, 120, 240, 1500, 300);
    EXPECT_EQ(child.geometry(), QRect(8, 16, 100, 20));
}

TEST(Twips, AnalysisMinimumSizeUsesIntegerDivision) {
    // 9420 / 15 = 628, 8070 / 15 = 538
    EXPECT_EQ(analysisMinimumSize(), QSize(628, 538));
}

} // namespace
} // namespace vernalt::test
