// The formulas of the log window's estimates and sample size, with numbers
// worked out by hand. The line-intersect factors are worked in log_stats_test,
// through the statistics that use them.
#include "log/log_estimate_formulas.h"

#include "support/error_of.h"

#include <QStringList>

#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

using test::errorOf;

// Cases give the used levels as flags and the distances separated by "|".
TEST(LogAutomaticLevel, TakesTheShortestRoundedDistanceOfTheUsedLevels) {
    const struct {
        const char *used, *distances;
        int level;
    } cases[] = {
        {"1111", "1200|950|950|1100", 2}, // the first of two equal minima
        {"0111", "|800|650|", 3},         // an unused level is passed over
        {"1100", "12.3|12.3||", 1},       // 12.3 ties with 12.3, compared in double
        {"0110", "|||", 3},               // no distance: the last used level
        {"0000", "5|4|3|2", 0},           // no level used
        {"1111", "|500||", 2},            // a used level without distance gives way
        {"1100", "150.4|150.2||", 2},     // the later distance is compared rounded
        {"1100", "150|151||", 1},         // a longer later distance keeps the first
    };
    for (const auto& c : cases) {
        std::array<bool, 4> used;
        std::array<QString, 4> distances;
        const QStringList d = QString::fromLatin1(c.distances).split(u'|');
        for (std::size_t k = 0; k < 4; ++k) {
            used[k] = c.used[k] == '1';
            distances[k] = d[qsizetype(k)];
        }
        EXPECT_EQ(automaticLevel(used, distances), c.level) << c.used << ' ' << c.distances;
    }
}

TEST(LogFormulas, LevelNamesBoundsAndStripPlots) {
    EXPECT_EQ(levelOfName(u"SubSegment"_s), 0); // in any case
    EXPECT_EQ(levelOfName(u"transect"_s), 3);
    EXPECT_EQ(levelOfName(u"Section "_s), -1);
    EXPECT_DOUBLE_EQ(lineBound(2, 400, 16), 10); // 2 x sqrt(400 / 16)
    // 4 plots of 0.5 in 10: 10 x sqrt(1 - 0.2)
    EXPECT_NEAR(stripBound(2, 400, 16, 0.125, 10), 10 * std::sqrt(0.8), 1e-12);
    EXPECT_EQ(errorOf([] { stripBound(2, 400, 16, 1, 10); }), err::InvalidCall);
    EXPECT_EQ(errorOf([] { stripBound(2, 400, 16, 0.028, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { lineBound(2, 400, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { lineIntersectFactor(logcap::Density, true, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { stripPerArea(5, 0, 10000); }), err::DivisionByZero);
}

} // namespace
} // namespace vernalt::logest
