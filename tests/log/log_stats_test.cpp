// Statistics of one sampling level: the worked examples by hand from the formulas.
#include "log/log_stats.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using logcap::Formula;

// 20 units with mean 0.25 and standard deviation 0.5: sum 5, sum of squares 6.
std::vector<double> twentyUnits() {
    std::vector<double> u(20, 0.0);
    u[0] = 1.5;
    u[1] = 1.5;
    u[2] = 1;
    u[3] = 0.5;
    u[4] = 0.5;
    return u;
}

// 12 units with mean 2 and standard deviation 1.5: sum 24, sum of squares 72.75.
std::vector<double> twelveUnits() {
    return {6.75, 1.75, 1.75, 1.75, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5};
}

LevelStatsInput input(const std::vector<double>& units, double L, bool metric, bool lim,
                      Formula f) {
    LevelStatsInput in;
    in.subtotals = units;
    in.length = L;
    in.metric = metric;
    in.lim = lim;
    in.formula = f;
    return in;
}

// The texts of a level joined by "|": count, mean, sd, per area, variance, units
// needed, distance, minimum, missing, other unit, mean metric, mean English.
QString joined(const LevelStatsTexts& s) {
    QStringList l;
    for (QString LevelStatsTexts::*f :
         {&LevelStatsTexts::count, &LevelStatsTexts::mean, &LevelStatsTexts::sd,
          &LevelStatsTexts::perArea, &LevelStatsTexts::variance, &LevelStatsTexts::unitsNeeded,
          &LevelStatsTexts::distance, &LevelStatsTexts::minimum, &LevelStatsTexts::missing,
          &LevelStatsTexts::other, &LevelStatsTexts::meanMetric, &LevelStatsTexts::meanEnglish})
        l << s.*f;
    return l.join(u'|');
}

// ---- Worked examples (t = 1.67, E = 0.2) -----------------------------------------------------

TEST(LevelStats, WorkedExamplesAndEdges) {
    const struct {
        const char* name;
        std::vector<double> units;
        double L;
        bool metric, lim;
        Formula f;
        QString texts;
    } cases[] = {
        // F = 1000 x 3.1416 x 5 / 100 = 157.08; 0.25F = 39.27; (0.5F)^2 = 6168.5316;
        // English 39.27 x 0.405 = 15.90435; n = 0.697225 / 0.0025 = 278.89; distance
        // 27889; missing 27889 - 20 x 100.
        {"metric line-intersect density", twentyUnits(), 100, true, true, logcap::Density,
         u"20|0.25|0.5|39.3|6169|279|27889|1000|25889|15.9|39.3|15.9"_s},
        // F = 10000 / (4 x 25) = 100; n = 6.275025 / 0.16 = 39.2189; distance 980.47;
        // the minimum 1000 is larger: missing 1000 - 12 x 25.
        {"metric strip-plot density", twelveUnits(), 25, true, false, logcap::Density,
         u"12|2|1.5|200|22500|39.2|980|1000|700|81|200|81"_s},
        // Units 0, 1, 2: m = 1, s = 1. F = 3.1416^2 x 1.17975 / 400 = 0.0291093;
        // metric 0.0291093 / 0.446 = 0.0652675; variance 0.00084735; n = 2.7889 /
        // 0.04 = 69.7225; distance 27889; missing 27889 - 3 x 400.
        {"English line-intersect weight",
         {0, 1, 2},
         400,
         false,
         true,
         logcap::Weight,
         u"3|1|1|0.029|0.0008|69.7|27889|3281|26689|0.065|0.065|0.029"_s},
        // F = 157.08: 4F = 628.32; English 254.4696.
        {"a single unit needs the minimum less its length",
         {4},
         100,
         true,
         true,
         logcap::Density,
         u"1|4|0|628|0|0|0|1000|900|254|628|254"_s},
        // English strip plot: F = 100 / (12 x 50); m = 4, s = sqrt(2) shown 1.41.
        // n = (1.67 x 1.41)^2 / 0.8^2 = 5.54465 / 0.64 = 8.6635; distance 433.2.
        {"percent cover keeps its mean in the metric slot only",
         {3, 5},
         50,
         false,
         false,
         logcap::PercentCover,
         u"2|4|1.41|0.667|0.055|8.66|433|3281|3181||0.667|"_s},
        {"no metric chosen leaves the per-area figures empty", twelveUnits(), 25, true, false,
         logcap::NoFormula, u"12|2|1.5|||39.2|980|1000|700|||"_s},
        // Units -1 and -3: m = -2, s = sqrt(2) shown 1.41; F = 10000 / (4 x 25) = 100.
        // Negative figures keep 4 decimals: -200, other -200 x 0.405 = -81; variance
        // 141^2 = 19881. n = (1.67 x 1.41)^2 / (0.2 x -2)^2 = 5.54461 / 0.16 = 34.654;
        // distance 866.35; missing 1000 - 2 x 25.
        {"a negative mean needs no units but has a distance",
         {-1, -3},
         25,
         true,
         false,
         logcap::Tally,
         u"2|-2|1.41|-200|19881|0|866|1000|950|-81|-200|-81"_s},
        {"mean 0 needs no units and has no distance",
         {0, 0},
         25,
         true,
         false,
         logcap::Tally,
         u"2|0|0|0|0|0||1000|950|0|0|0"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(joined(levelStats(input(c.units, c.L, c.metric, c.lim, c.f))), c.texts);
    }
}

TEST(LevelStats, PrecisionZeroLeavesUnitsAndDistanceEmpty) {
    const std::vector<double> u = {1, 3};
    LevelStatsInput in = input(u, 25, true, false, logcap::Tally);
    in.precision = 0;
    const LevelStatsTexts s = levelStats(in);
    EXPECT_EQ(s.unitsNeeded, u""_s);
    EXPECT_EQ(s.distance, u""_s);
    EXPECT_EQ(s.missing, u"950"_s); // 1000 - 2 x 25
}

TEST(LevelStats, LengthZeroLeavesThePerAreaFiguresEmpty) {
    const std::vector<double> u = {1, 3};
    const LevelStatsTexts s = levelStats(input(u, 0, true, true, logcap::Density));
    EXPECT_EQ(s.mean, u"2"_s);
    EXPECT_EQ(s.perArea, u""_s);
    EXPECT_EQ(s.variance, u""_s);
    EXPECT_EQ(s.meanMetric, u""_s);
    EXPECT_EQ(s.distance, u"0"_s);
    EXPECT_EQ(s.missing, u"1000"_s);
}

TEST(LevelStats, CoveredOnBothCountsGivesZeroMissing) {
    // 60 units of 25 m (1500 m surveyed), all 2: s = 0, distance 0, minimum 1000.
    const std::vector<double> u(60, 2.0);
    EXPECT_EQ(levelStats(input(u, 25, true, false, logcap::Tally)).missing, u"0"_s);
}

TEST(LevelStats, NoUnitsShowNothing) {
    const LevelStatsTexts s = levelStats(input({}, 25, true, false, logcap::Tally));
    EXPECT_TRUE(s.count.isEmpty());
    EXPECT_TRUE(s.mean.isEmpty());
    EXPECT_TRUE(s.minimum.isEmpty());
    EXPECT_TRUE(s.missing.isEmpty());
}

// ---- Per-area factors
// ----------------------------------------------------------------------------

struct FactorCase {
    const char* name;
    bool metric, lim;
    Formula f;
    double L, F, c;
};

class PerAreaFactorsTable : public ::testing::TestWithParam<FactorCase> {};

TEST_P(PerAreaFactorsTable, GivesFAndC) {
    const FactorCase& k = GetParam();
    const std::optional<PerAreaFactors> f = perAreaFactors(k.metric, k.lim, k.f, k.L);
    ASSERT_TRUE(f.has_value());
    EXPECT_NEAR(f->F, k.F, 1e-9 * k.F);
    if (k.c == 0)
        EXPECT_FALSE(f->c.has_value());
    else
        EXPECT_EQ(f->c, k.c);
}

INSTANTIATE_TEST_SUITE_P(
    ByUnitsMethodAndMetric, PerAreaFactorsTable,
    ::testing::Values(
        FactorCase{"MetricLimLength", true, true, logcap::Length, 10, 1570.8, 1.328},
        FactorCase{"MetricLimPercentCover", true, true, logcap::PercentCover, 2, 0.7854, 0},
        FactorCase{"MetricLimTally", true, true, logcap::Tally, 25, 100, 0.405},
        FactorCase{"MetricLimVolume", true, true, logcap::Volume, 8, 9.86965056 / 64, 14.29},
        FactorCase{"MetricSpmPercentCover", true, false, logcap::PercentCover, 25, 1, 0},
        FactorCase{"MetricSpmWeight", true, false, logcap::Weight, 25, 100, 0.446},
        FactorCase{"EnglishLimDensity", false, true, logcap::Density, 100, 684.24048, 0.405},
        FactorCase{"EnglishLimTally", false, true, logcap::Tally, 50, 72.6, 0.405},
        FactorCase{"EnglishLimVolume", false, true, logcap::Volume, 10, 37.31961618, 14.29},
        FactorCase{"EnglishSpmLength", false, false, logcap::Length, 100, 36.3, 1.328},
        FactorCase{"EnglishSpmWeight", false, false, logcap::Weight, 100, 0.01815, 0.446}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PerAreaFactors, NoneWithoutAMetric) {
    EXPECT_FALSE(perAreaFactors(true, true, logcap::NoFormula, 100).has_value());
}

} // namespace
} // namespace vernalt::test
