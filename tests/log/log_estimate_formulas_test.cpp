// The formulas of the log window's estimates and sample size, with numbers
// worked out by hand.
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
        const char* name;
        const char* used;
        QString distances;
        int level;
    } cases[] = {
        {"the first of two equal minima", "1111", u"1200|950|950|1100"_s, 2},
        {"an unused level is passed over", "0111", u"|800|650|"_s, 3},
        {"ties keep the earlier level", "0110", u"|800|800|"_s, 2},
        {"a tie of 12.3 is compared in double", "1100", u"12.3|12.3||"_s, 1},
        {"a tie of 0.3 is compared in double", "1100", u"0.3|0.3||"_s, 1},
        {"no distance: the last used level", "0110", u"|||"_s, 3},
        {"no level used", "0000", u"5|4|3|2"_s, 0},
        {"a used level without distance gives way", "1111", u"|500||"_s, 2},
        {"the later distance is compared rounded", "1100", u"150.4|150.2||"_s, 2},
        {"a longer later distance keeps the first", "1100", u"150|151||"_s, 1},
    };
    for (const auto& c : cases) {
        std::array<bool, 4> used;
        std::array<QString, 4> distances;
        const QStringList d = c.distances.split(u'|');
        for (std::size_t k = 0; k < 4; ++k) {
            used[k] = c.used[k] == '1';
            distances[k] = d[qsizetype(k)];
        }
        EXPECT_EQ(automaticLevel(used, distances), c.level) << c.name;
    }
}

TEST(LogLevelOfName, ComparesTheNameInLowerCase) {
    EXPECT_EQ(levelOfName(u"SubSegment"_s), 0);
    EXPECT_EQ(levelOfName(u"transect"_s), 3);
    EXPECT_EQ(levelOfName(u"Section "_s), -1);
}

TEST(LogBounds, TheStripBoundCorrectsForTheSampledShare) {
    EXPECT_DOUBLE_EQ(lineBound(2, 400, 16), 10); // 2 x sqrt(400 / 16)
    // 4 plots of 0.5 in 10: 10 x sqrt(1 - 0.2)
    EXPECT_NEAR(stripBound(2, 400, 16, 0.125, 10), 10 * std::sqrt(0.8), 1e-12);
    EXPECT_EQ(errorOf([] { stripBound(2, 400, 16, 1, 10); }), err::InvalidCall);
    EXPECT_EQ(errorOf([] { stripBound(2, 400, 16, 0.028, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { lineBound(2, 400, 0); }), err::DivisionByZero);
}

TEST(LogPerArea, LineIntersectFactorsPerMetric) {
    const struct {
        const char* name;
        Formula f;
        bool metric;
        double P, factor;
    } cases[] = {
        {"density, metric: 15708 / P", logcap::Density, true, 100, 157.08},
        {"density, English: 68424.048 / P", logcap::Density, false, 100, 684.24048},
        {"length, metric: 31416 / 2P", logcap::Length, true, 100, 157.08},
        {"length, English", logcap::Length, false, 10, 6842.4048},
        {"percent cover, metric: 3.1416 / 2P", logcap::PercentCover, true, 50, 0.031416},
        {"percent cover, English: 3.1416 x 4.1603 / P", logcap::PercentCover, false, 10, 1.30700},
        {"volume, metric: 3.1416^2 / 8P", logcap::Volume, true, 1, 1.23370632},
        {"volume, English: 3.1416^2 x 37.8125 / P", logcap::Volume, false, 1, 373.1961618},
        {"weight, metric", logcap::Weight, true, 2, 0.61685316},
        {"weight, English: 3.1416^2 x 1.17975 / P", logcap::Weight, false, 1, 11.6437203},
        {"tally, metric: 10000 / P", logcap::Tally, true, 400, 25},
        {"tally, English: 43560 / P", logcap::Tally, false, 1200, 36.3},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(lineIntersectFactor(c.f, c.metric, c.P).value_or(-1), c.factor, 1e-5) << c.name;
    EXPECT_FALSE(lineIntersectFactor(logcap::NoFormula, true, 1));
    EXPECT_EQ(errorOf([] { lineIntersectFactor(logcap::Density, true, 0); }), err::DivisionByZero);
}

TEST(LogPerArea, StripPlots) {
    // 5 per plot of 50 m^2: 5 / 50 x 10000; 600 lb per 1200 ft^2: 600 / 1200 x 43560 / 2000.
    EXPECT_DOUBLE_EQ(stripPerArea(5, 50, stripPlotFactor(logcap::Density, true)), 1000);
    EXPECT_DOUBLE_EQ(stripPerArea(600, 1200, stripPlotFactor(logcap::Weight, false)), 10.89);
    EXPECT_DOUBLE_EQ(stripPerArea(3, 300, stripPlotFactor(logcap::PercentCover, false)), 1);
    EXPECT_EQ(errorOf([] { stripPerArea(5, 0, 10000); }), err::DivisionByZero);
}

} // namespace
} // namespace vernalt::logest
