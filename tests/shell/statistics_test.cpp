#include "shell/statistics.h"

#include "support/error_of.h"

#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(GetOption, GivesTheCheckedIndexPassingOverMissingMembers) {
    QWidget group;
    std::array<QRadioButton*, 5> optStratum{};
    for (auto*& b : optStratum)
        b = new QRadioButton(&group);
    EXPECT_EQ(GetOption(optStratum), -1) << "nothing checked";
    optStratum[2]->setChecked(true);
    EXPECT_EQ(GetOption(optStratum), 2) << "Stratum 2 checked";
    EXPECT_EQ(GetOption(std::array<QRadioButton*, 3>{nullptr, optStratum[1], optStratum[2]}), 2);
    EXPECT_EQ(GetOption(std::array<QRadioButton*, 0>{}), -1) << "a group with no buttons";
}

// floor(x * 10^decimals + 0.99999) / 10^decimals
TEST(RoundUp, RoundsUpToDecimals) {
    const std::array<double, 3> cases[] = {
        // clang-format off
        // x, decimals, rounded up
        {1.231, 2, 1.24},  {0, 0, 0},
        {2.000001, 0, 2},  {2.00002, 0, 3}, // within 0.00001 above a step it stays there
        {-2.5, 0, -2},     {12.1, -1, 20},  // negatives move towards zero; tens
        // clang-format on
    };
    for (const auto& [x, decimals, rounded] : cases)
        EXPECT_DOUBLE_EQ(RoundUp(x, decimals), rounded) << x << ", " << decimals;
    EXPECT_EQ(errorOf([] { RoundUp(1e300, 10); }), err::Overflow);
}

TEST(StdDev, SampleStandardDeviation) {
    // mean 5, squared deviations 9+1+1+1+0+0+4+16 = 32, 32/7
    const std::vector<double> xs{2, 4, 4, 4, 5, 5, 7, 9};
    EXPECT_NEAR(StdDev(xs), std::sqrt(32.0 / 7.0), 1e-12);
    // Indexed from 1: element 0 (100) is not part of the array; 2, 4, 6 give sd 2.
    const std::vector<double> from1{100, 2, 4, 6};
    EXPECT_DOUBLE_EQ(StdDev(from1, QString(), 1), 2);
    // Indexed from 0: 100, 2, 4, 6: mean 28, deviations 72,26,24,22 -> 5184+676+576+484=6920
    EXPECT_DOUBLE_EQ(StdDev(from1, QString(), 0), std::sqrt(6920.0 / 3.0));
    EXPECT_EQ(StdDev(from1, QString(), 3), 0) << "fewer than two elements";
    // A step that overflows is passed over without a message, the others count:
    // sum 3, mean 0.75; the squared deviations of -1e200 and 1e200 overflow, those
    // of 0 and 3 are 0.5625 and 5.0625, so sd = sqrt(5.625 / 3) = sqrt(1.875).
    EXPECT_DOUBLE_EQ(StdDev(std::vector<double>{-1e200, 1e200, 0, 3}), std::sqrt(1.875));
}

} // namespace
} // namespace vernalt::test
