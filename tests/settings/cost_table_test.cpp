#include "settings/cost_table.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

using namespace Qt::StringLiterals;

struct CostCase {
    const char* name;
    bool metric;
    int category;
    int plotDimension;
    double cost;
    const char16_t* text;
};

const CostCase costCases[] = {
    {"metric Transect40 under 6 is the table's last cell", true, 6, 15, 15.64, u"15.64"},
    {"English Transect132 under 6 is the table's highest cost", false, 6, 15, 19.07, u"19.07"},
    {"metric Subsegment10 under 1 is the lowest cost", true, 1, 0, 0.11, u"0.11"},
    {"English Section99 under 3 ends in a zero", false, 3, 10, 1.40, u"1.40"},
    {"metric Subsegment10 under 5 ends in a zero", true, 5, 0, 0.30, u"0.30"},
    {"metric Transect30 under 1 ends in a zero", true, 1, 14, 1.20, u"1.20"},
    {"English Transect99 under 5 ends in a zero", false, 5, 14, 11.20, u"11.20"},
    {"English Transect132 under 5 ends in a zero", false, 5, 15, 14.10, u"14.10"},
    {"metric Transect30 under 6", true, 6, 14, 12.24, u"12.24"},
    {"English Transect33 under 1", false, 1, 12, 1.05, u"1.05"},
};

TEST(CostPerSampleTable, GivesTheCostAsNumberAndAsTwoDecimalText) {
    for (const CostCase& c : costCases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(costPerSample(c.metric, c.category, c.plotDimension), c.cost);
        EXPECT_EQ(costPerSampleText(c.metric, c.category, c.plotDimension),
                  QString::fromUtf16(c.text));
    }
}

TEST(CostPerSampleTable, EveryCostLiesBetweenTheSmallestAndTheLargest) {
    for (bool metric : {false, true})
        for (int category = 1; category <= 6; ++category)
            for (int p = 0; p < 16; ++p)
                EXPECT_TRUE(costPerSample(metric, category, p) >= 0.11 &&
                            costPerSample(metric, category, p) <= 19.07)
                    << metric << " " << category << " " << p;
}

TEST(CostPerSampleTable, NamesCategoriesDensitiesAndRows) {
    EXPECT_EQ(costCategoryTitle(1), u"Easy Low Density (1)"_s);
    EXPECT_EQ(costCategoryTitle(4), u"Moderate Higher Density (4)"_s);
    EXPECT_EQ(costCategoryTitle(6), u"Difficult Higher Density (6)"_s);
    EXPECT_EQ(costDensityText(true, 1), u"(< 0.8/ha)"_s);
    EXPECT_EQ(costDensityText(true, 6), u"(> 3.2/ha)"_s);
    EXPECT_EQ(costDensityText(false, 5), u"(< 1/ac)"_s);
    EXPECT_EQ(costDensityText(false, 2), u"(> 5/ac)"_s);
    EXPECT_EQ(costRowName(true, 0), u"Subsegment10"_s);
    EXPECT_EQ(costRowName(true, 15), u"Transect40"_s);
    EXPECT_EQ(costRowName(false, 3), u"Subsegment132"_s);
    EXPECT_EQ(costRowName(false, 6), u"Segment99"_s);
}

TEST(CostPerSampleTable, OutOfRangeKeysRaiseSubscriptOutOfRange) {
    EXPECT_EQ(errorOf([] { costPerSample(true, 0, 0); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([] { costPerSample(true, 7, 0); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([] { costPerSample(false, 1, -1); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([] { costPerSample(false, 1, 16); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([] { costCategoryTitle(0); }), err::SubscriptRange);
}

TEST(TwoDecimalText, AlwaysShowsTwoDecimalsAndALeadingDigit) {
    const std::pair<double, const char16_t*> cases[] = {
        {0.3, u"0.30"},   {12, u"12.00"},   {0.05, u"0.05"},
        {2.345, u"2.34"}, {2.355, u"2.36"}, {0, u"0.00"},
    };
    for (const auto& [x, text] : cases)
        EXPECT_EQ(twoDecimalText(x), QString::fromUtf16(text)) << x;
}

} // namespace
} // namespace vernalt::test
