// The cost table itself is a constant of the program; what is tested is how it
// is read: keys out of range, and the two-decimal text of a cost.
#include "settings/cost_table.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

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
