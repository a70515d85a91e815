#include "settings/size_boxes.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(DerivedLength, IsTheFirstWidthAreaOverTheFirstWidth) {
    const std::array<const char*, 3> cases[] = {
        // area, first width, length
        {"125", "10", "12.5"},   {"1000", "30", "33.3333333333333"}, // 15 significant digits
        {"125", "10 m", "12.5"},                                     // the width's leading number
        {"125", "0", ""},                                            // no width, no length
        {"", "10", ""},                                              // no area (no row): no length
        {"1e300", "1e-300", ""},                                     // a length too large
        {"12 m2", "10", ""},                                         // an area that is no number
        {"1e999", "10", ""},                                         // one too large to read
    };
    for (const auto& [area, width, length] : cases)
        EXPECT_EQ(derivedLengthText(QString::fromLatin1(area), QString::fromLatin1(width)),
                  QString::fromLatin1(length))
            << area << " / " << width;
}

TEST(PlotArea, IsWidthTimesLengthOfTheLeadingNumbers) {
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("15"), QStringLiteral("12.5")), 187.5);
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("10 m"), QStringLiteral("12.5")), 125);
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("abc"), QStringLiteral("12.5")), 0);
}

TEST(PositiveNumber, AcceptsOnlyFinitePositiveNumbers) {
    for (const char* yes : {"12.5", " 10 ", "1e2", ".5", "+3"})
        EXPECT_TRUE(isPositiveNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", "0", "-1", "abc", "10 ft", "1,5", "1e999"})
        EXPECT_FALSE(isPositiveNumber(QString::fromLatin1(no))) << no;
}

} // namespace
} // namespace vernalt::test
