#include "snag/subtotals.h"

#include "platform/errors.h"
#include "support/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace vernalt::test {
namespace {

// The deviation itself is the shared StdDev; here the count, the mean and the overflow.
TEST(DimensionStats, MeanSdAndCount) {
    const DimensionStats none = dimensionStats(std::vector<double>{});
    EXPECT_EQ(none.n + none.mean + none.sd, 0);
    // 1 0 0 1 0 0: mean 1/3, sd sqrt(4/15)
    const DimensionStats s = dimensionStats(std::vector<double>{1, 0, 0, 1, 0, 0});
    EXPECT_EQ(s.n, 6u);
    EXPECT_NEAR(s.mean, 1.0 / 3, 1e-12);
    EXPECT_NEAR(s.sd, std::sqrt(4.0 / 15), 1e-12);
    EXPECT_EQ(errorOf([] {
                  dimensionStats(std::vector<double>{1.5e308, 1.5e308});
              }),
              err::Overflow);
}

} // namespace
} // namespace vernalt::test
