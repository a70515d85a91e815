#include "snag/subtotals.h"

#include "platform/errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace vernalt::test {
namespace {

struct StatsCase {
    const char* name;
    std::vector<double> subtotals;
    std::size_t n;
    double mean, sd;
};

TEST(DimensionStats, MeanSdAndCount) {
    const StatsCase cases[] = {
        // clang-format off
        {"no unit: nothing", {}, 0, 0, 0},
        {"one unit: its subtotal, no deviation", {5}, 1, 5, 0},
        {"two equal units", {3, 3}, 2, 3, 0},
        {"1 0 0 1 0 0: mean 1/3, sd sqrt(4/15)", {1, 0, 0, 1, 0, 0}, 6, 1.0 / 3, std::sqrt(4.0 / 15)},
        {"2 4 4 4 5 5 7 9: mean 5, sd sqrt(32/7)", {2, 4, 4, 4, 5, 5, 7, 9}, 8, 5, std::sqrt(32.0 / 7)},
        {"3 1: mean 2, sd sqrt 2", {3, 1}, 2, 2, std::sqrt(2.0)},
        // clang-format on
    };
    for (const StatsCase& c : cases) {
        const DimensionStats s = dimensionStats(c.subtotals);
        EXPECT_EQ(s.n, c.n) << c.name;
        EXPECT_NEAR(s.mean, c.mean, 1e-12) << c.name;
        EXPECT_NEAR(s.sd, c.sd, 1e-12) << c.name;
    }
}

TEST(DimensionStats, InfiniteSumIsOverflow) {
    const std::vector<double> huge = {1.5e308, 1.5e308};
    try {
        dimensionStats(huge);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST(PlotDimensionPlace, GridColumnAndWidth) {
    // p = 4 x level + width; grid 0 holds subsegment and segment, grid 1 section and transect.
    struct Case {
        int p, grid, column, width;
    } cases[] = {{0, 0, 0, 0}, {5, 0, 5, 1},  {7, 0, 7, 3},
                 {8, 1, 0, 0}, {14, 1, 6, 2}, {15, 1, 7, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(subtotalGrid(c.p), c.grid) << c.p;
        EXPECT_EQ(subtotalColumn(c.p), c.column) << c.p;
        EXPECT_EQ(dimensionWidth(c.p), c.width) << c.p;
    }
}

} // namespace
} // namespace vernalt::test
