// The formulas of the log window's estimates and sample size, with numbers
// worked out by hand.
#include "log/log_estimate_formulas.h"

#include "platform/errors.h"

#include <QStringList>

#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

// Cases give the used levels as flags and the distances separated by "|".
TEST(LogAutomaticLevel, TakesTheShortestRoundedDistanceOfTheUsedLevels) {
    struct Case {
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
    for (const Case& c : cases) {
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
    EXPECT_EQ(levelOfName(u"Transect"_s), 3);
    EXPECT_EQ(levelOfName(u"segment"_s), 1);
    EXPECT_EQ(levelOfName(u"SubSegment"_s), 0);
    EXPECT_EQ(levelOfName(u"Section "_s), -1);
    EXPECT_EQ(levelOfName(QString()), -1);
}

TEST(LogStripPlots, AreFourMetresOrTwelveFeetWide) {
    EXPECT_EQ(stripArea(100, false), 1200.0f);
    EXPECT_EQ(stripArea(12.5f, true), 50.0f);
    EXPECT_NEAR(stripAreaUnits(100, false), 1200.0 / 43560, 1e-12);
    EXPECT_DOUBLE_EQ(stripAreaUnits(12.5f, true), 0.005);
    EXPECT_DOUBLE_EQ(areaUnits(400, true), 0.04);
}

TEST(LogUnits, ConvertWithTheMetricsFactor) {
    EXPECT_EQ(englishFactor(logcap::Density), 0.405);
    EXPECT_EQ(englishFactor(logcap::Tally), 0.405);
    EXPECT_EQ(englishFactor(logcap::Length), 1.328);
    EXPECT_EQ(englishFactor(logcap::Volume), 14.29);
    EXPECT_EQ(englishFactor(logcap::Weight), 0.446);
    EXPECT_FALSE(englishFactor(logcap::PercentCover));
    EXPECT_FALSE(englishFactor(logcap::NoFormula));
    EXPECT_DOUBLE_EQ(toMetric(40.5, 0.405), 100);
    EXPECT_NEAR(toEnglish(22.4, 0.446), 9.9904, 1e-12);
    EXPECT_THROW(toMetric(1, 0), RuntimeError);
}

TEST(LogTitles, TheStratifiedDensityIsMarkedSt) {
    EXPECT_EQ(simpleTitles(logcap::Density)->metric, u"Density (logs/ha)"_s);
    EXPECT_EQ(stratifiedTitles(logcap::Density)->english, u"Density st (logs/ac)"_s);
    EXPECT_EQ(stratifiedTitles(logcap::Weight)->english, u"Weight (tons/ac)"_s);
    EXPECT_TRUE(simpleTitles(logcap::PercentCover)->english.isEmpty());
    EXPECT_FALSE(simpleTitles(logcap::NoFormula));
}

TEST(LogBounds, TheStripBoundCorrectsForTheSampledShare) {
    EXPECT_DOUBLE_EQ(standardError(400, 16), 5);
    EXPECT_DOUBLE_EQ(lineBound(2, 400, 16), 10);
    // 10 x sqrt(1 - 16 x 0.028 / 100) = 10 x sqrt(0.99552) = 9.97757
    EXPECT_NEAR(stripBound(2, 400, 16, 0.028, 100), 9.97757, 1e-5);
    // 4 plots of 0.5 in 10: 10 x sqrt(1 - 0.2) = 8.94427
    EXPECT_NEAR(stripBound(2, 400, 16, 0.125, 10), 10 * std::sqrt(0.8), 1e-12);

    const auto error = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(error([] { stripBound(2, 400, 16, 1, 10); }), err::InvalidCall)
        << "plots covering more than the landscape";
    EXPECT_EQ(error([] { stripBound(2, 400, 16, 0.028, 0); }), err::DivisionByZero);
    EXPECT_EQ(error([] { lineBound(2, 400, 0); }), err::DivisionByZero);
}

TEST(LogPerArea, LineIntersectFactorsPerMetric) {
    struct Case {
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
    for (const Case& c : cases) {
        const auto F = lineIntersectFactor(c.f, c.metric, c.P);
        ASSERT_TRUE(F) << c.name;
        EXPECT_NEAR(*F, c.factor, 1e-5) << c.name;
    }
    EXPECT_FALSE(lineIntersectFactor(logcap::NoFormula, true, 1));
    EXPECT_THROW(lineIntersectFactor(logcap::Density, true, 0), RuntimeError);
}

TEST(LogPerArea, StripPlotFactors) {
    EXPECT_EQ(stripPlotFactor(logcap::PercentCover, false), 100);
    EXPECT_EQ(stripPlotFactor(logcap::Weight, false), 21.78);
    EXPECT_EQ(stripPlotFactor(logcap::Weight, true), 10000);
    EXPECT_EQ(stripPlotFactor(logcap::Density, false), 43560);
    EXPECT_DOUBLE_EQ(stripPerArea(5, 50, 10000), 1000);
    EXPECT_THROW(stripPerArea(5, 0, 10000), RuntimeError);
}

} // namespace
} // namespace vernalt::logest
