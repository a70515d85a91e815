#include "settings/size_boxes.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

struct LengthCase {
    const char* name;
    const char16_t* area;
    const char16_t* firstWidth;
    const char16_t* length;
};

const LengthCase lengthCases[] = {
    {"a whole multiple of the width", u"125", u"10", u"12.5"},
    {"English default", u"13200", u"33", u"400"},
    {"not a whole multiple shows 15 significant digits", u"1000", u"30", u"33.3333333333333"},
    {"a width with a unit after it counts as its number", u"125", u"10 m", u"12.5"},
    {"a width of 0 leaves the length empty", u"125", u"0", u""},
    {"an empty width leaves the length empty", u"125", u"", u""},
    {"a width that is no number leaves the length empty", u"125", u"wide", u""},
    {"an empty area (no row) leaves the length empty", u"", u"10", u""},
    {"an area that is no number leaves the length empty", u"12 m2", u"10", u""},
};

TEST(DerivedLength, IsTheFirstWidthAreaOverTheFirstWidth) {
    for (const LengthCase& c : lengthCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(derivedLengthText(QString::fromUtf16(c.area), QString::fromUtf16(c.firstWidth)),
                  QString::fromUtf16(c.length));
    }
}

TEST(PlotArea, IsWidthTimesLengthOfTheLeadingNumbers) {
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("15"), QStringLiteral("12.5")), 187.5);
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("132"), QStringLiteral("400")), 52800);
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("10 m"), QStringLiteral("12.5")), 125);
    EXPECT_DOUBLE_EQ(plotArea(QStringLiteral("abc"), QStringLiteral("12.5")), 0);
}

TEST(PositiveNumber, AcceptsOnlyFinitePositiveNumbers) {
    for (const char16_t* yes : {u"12.5", u" 10 ", u"1e2", u".5", u"+3"})
        EXPECT_TRUE(isPositiveNumber(QString::fromUtf16(yes)))
            << QString::fromUtf16(yes).toStdString();
    for (const char16_t* no : {u"", u"0", u"-1", u"abc", u"10 ft", u"1,5", u"1e999"})
        EXPECT_FALSE(isPositiveNumber(QString::fromUtf16(no)))
            << QString::fromUtf16(no).toStdString();
}

} // namespace
} // namespace vernalt::test
