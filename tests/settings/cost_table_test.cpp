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
    // 2.345 and 2.355 round half to even by their texts; a number in exponent
    // form is left as it is.
    const std::pair<double, const char*> cases[] = {
        {0.3, "0.30"},   {12, "12.00"}, {0.05, "0.05"}, {2.345, "2.34"},
        {2.355, "2.36"}, {0, "0.00"},   {1e20, "1E+20"}};
    for (const auto& [x, text] : cases)
        EXPECT_EQ(twoDecimalText(x).toStdString(), text) << x;
}

} // namespace
} // namespace vernalt::test
