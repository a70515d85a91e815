// Statistics of one sampling level: the worked examples by hand from the formulas.
#include "log/log_stats.h"
#include "support/texts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using logcap::Formula;

// The texts of a level joined by "|": count, mean, sd, per area, variance, units
// needed, distance, minimum, missing, other unit, mean metric, mean English.
QString levelTexts(const std::vector<double>& units, double L, bool metric, bool lim, Formula f,
                   double precision = 0.2) {
    LevelStatsInput in{units, L, 1.67, precision, metric, lim, f};
    const LevelStatsTexts s = levelStats(in);
    return QStringList{s.count,    s.mean,    s.sd,      s.perArea, s.variance,   s.unitsNeeded,
                       s.distance, s.minimum, s.missing, s.other,   s.meanMetric, s.meanEnglish}
        .join(u'|');
}

// ---- Worked examples (t = 1.67, E = 0.2) -----------------------------------------------------

TEST(LevelStats, WorkedExamplesAndEdges) {
    const struct {
        QString actual, expected;
    } cases[] = {
        // The metric density of both methods: the end-to-end runs.
        // English line-intersect weight.
        // Units 0, 1, 2: m = 1, s = 1. F = 3.1416^2 x 1.17975 / 400 = 0.0291093;
        // metric 0.0291093 / 0.446 = 0.0652675; variance 0.00084735; n = 2.7889 /
        // 0.04 = 69.7225; distance 27889; missing 27889 - 3 x 400.
        {levelTexts({0, 1, 2}, 400, false, true, logcap::Weight),
         u"3|1|1|0.029|0.0008|69.7|27889|3281|26689|0.065|0.065|0.029"_s},
        // Percent cover keeps its mean in the metric slot only.
        // English strip plot: F = 100 / (12 x 50); m = 4, s = sqrt(2) shown 1.41.
        // n = (1.67 x 1.41)^2 / 0.8^2 = 5.54465 / 0.64 = 8.6635; distance 433.2.
        {levelTexts({3, 5}, 50, false, false, logcap::PercentCover),
         u"2|4|1.41|0.667|0.055|8.66|433|3281|3181||0.667|"_s},
        // No metric chosen leaves the per-area figures empty.
        // Units 1 and 3: m = 2, s = sqrt(2) shown 1.41; n = (1.67 x 1.41)^2 / (0.2 x 2)^2
        // = 5.54461 / 0.16 = 34.654; distance 866.35; missing 1000 - 2 x 25.
        {levelTexts({1, 3}, 25, true, false, logcap::NoFormula),
         u"2|2|1.41|||34.7|866|1000|950|||"_s},
        // A negative mean needs no units but has a distance.
        // Units -1 and -3: m = -2, s = sqrt(2) shown 1.41; F = 10000 / (4 x 25) = 100.
        // Negative figures keep 4 decimals: -200, other -200 x 0.405 = -81; variance
        // 141^2 = 19881. n = (1.67 x 1.41)^2 / (0.2 x -2)^2 = 5.54461 / 0.16 = 34.654;
        // distance 866.35; missing 1000 - 2 x 25.
        {levelTexts({-1, -3}, 25, true, false, logcap::Tally),
         u"2|-2|1.41|-200|19881|0|866|1000|950|-81|-200|-81"_s},
        // A single unit has no deviation: F = 15708 / 100 = 157.08, 4F = 628.32,
        // English 628.32 x 0.405 = 254.47; no units needed; 1000 - 100 still to survey.
        {levelTexts({4}, 100, true, true, logcap::Density),
         u"1|4|0|628|0|0|0|1000|900|254|628|254"_s},
        // Mean 0 needs no units and has no distance.
        {levelTexts({0, 0}, 25, true, false, logcap::Tally), u"2|0|0|0|0|0||1000|950|0|0|0"_s},
        // Precision 0 leaves the units and distance empty.
        // Units 1 and 3 as above with m = 2: per area 200, variance 19881; E = 0
        // divides by zero; missing 1000 - 2 x 25.
        {levelTexts({1, 3}, 25, true, false, logcap::Tally, 0),
         u"2|2|1.41|200|19881|||1000|950|81|200|81"_s},
        // Length 0 leaves the per-area figures empty.
        // L = 0 divides by zero in F; n = 5.54461 / 0.16 = 34.654 units of length 0.
        {levelTexts({1, 3}, 0, true, true, logcap::Density), u"2|2|1.41|||34.7|0|1000|1000|||"_s},
        // Covered on both counts.
        // 60 units of 25 m (1500 m surveyed), all 2: s = 0, distance 0, minimum 1000.
        {levelTexts(std::vector<double>(60, 2.0), 25, true, false, logcap::Tally),
         u"60|2|0|200|0|0|0|1000|0|81|200|81"_s},
        // No units show nothing.
        {levelTexts({}, 25, true, false, logcap::Tally), u"|||||||||||"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}

// ---- Per-area factors: F and the factor c of the other unit system; those of
// the worked examples above are not repeated ---------------------------

TEST(PerAreaFactors, ByUnitsMethodAndMetric) {
    constexpr bool M = true, E = false, LIM = true, SPM = false;
    const double pi2 = 9.86965056; // 3.1416^2
    const struct {
        bool metric, lim;
        Formula f;
        double L, F, c; // c = 0: none
    } cases[] = {
        {E, LIM, logcap::Density, 100, 684.24048, 0.405},   // 68424.048 / L
        {M, LIM, logcap::Length, 10, 1570.8, 1.328},        // 31416 / 2L
        {E, LIM, logcap::Length, 10, 6842.4048, 1.328},     // 68424.048 / L
        {M, LIM, logcap::PercentCover, 2, 0.7854, 0},       // 3.1416 / 2L
        {E, LIM, logcap::PercentCover, 10, 1.306999848, 0}, // 3.1416 x 4.1603 / L
        {M, LIM, logcap::Tally, 25, 100, 0.405},            // per strip: 10000 / 4L
        {M, LIM, logcap::Volume, 8, pi2 / 64, 14.29},       // 3.1416^2 / 8L
        {E, LIM, logcap::Volume, 10, 37.31961618, 14.29},   // 3.1416^2 x 37.8125 / L
        {M, LIM, logcap::Weight, 2, 0.61685316, 0.446},     // 3.1416^2 / 8L
        {E, SPM, logcap::Length, 100, 36.3, 1.328},         // 43560 / 12L
        {E, SPM, logcap::Weight, 100, 0.01815, 0.446},      // 43560 / (12 x 2000 x L)
        {M, SPM, logcap::PercentCover, 25, 1, 0},           // 100 / 4L
        {E, LIM, logcap::Tally, 50, 72.6, 0.405},           // the strip: 43560 / 12L
    };
    for (const auto& k : cases) {
        const PerAreaFactors f = perAreaFactors(k.metric, k.lim, k.f, k.L).value();
        EXPECT_NEAR(f.F, k.F, 1e-9 * k.F) << k.f << k.metric << k.lim;
        EXPECT_EQ(f.c.value_or(0), k.c) << k.f << k.metric << k.lim;
    }
    EXPECT_FALSE(perAreaFactors(true, true, logcap::NoFormula, 100)) << "no metric, no factor";
}

} // namespace
} // namespace vernalt::test
