// The estimate sheets as plain functions, worked by hand: the single-stratum
// estimate (simple_estimate.h) in both unit systems, the stratified estimate
// (stratified_estimate.h) and the stratified sample size (sample_size.h) in
// metric units. The whole analysis shows a plain case of each with two strata;
// here three strata and the edges.
#include "snag/sample_size.h"
#include "snag/simple_estimate.h"
#include "snag/stratified_estimate.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const WidthTextArray MetricWidths = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
const DimensionSizeArray MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                        500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};

// The fields of the stratum rows of a case's inputs ("head / row / row ...").
std::vector<QStringList> rowsOf(const QStringList& parts) {
    std::vector<QStringList> rows;
    for (qsizetype h = 1; h < parts.size(); ++h)
        rows.push_back(parts[h].split(u'|'));
    return rows;
}

// Names match in any case but are not trimmed (the cases of the estimate below).
TEST(PlotSizeOfName, TheLowerOfTwoWidthsWithOneText) {
    // Only the typed name is lowered.
    const WidthTextArray same = {u"10"_s, u"10"_s, u"30A"_s, u"40"_s};
    expectShown({plotSizeOfName(u"SECTION10"_s, same, MetricSizes),
                 plotSizeOfName(u"Section30A"_s, same, MetricSizes)},
                "500 _");
}

// Plot dimension, mean and deviation per plot, plots, landscape area, t; English
// or metric; the error that ends the estimate; plot size, plot area, density,
// variance, X, bound, upper and lower limit, precision.
struct SimpleCase {
    const char* inputs;
    bool english;
    int error;
    const char* shown;
};

// clang-format off
const SimpleCase SimpleCases[] = {
    // 6600 / 43560 = 0.15152 acres; 3 / 0.152 (the shown area) = 19.74; 13.2^2 = 174.24;
    // 2 x sqrt(174 / 25) x sqrt(1 - 25 x 0.152 / 500) = 5.2764 x 0.99619 = 5.2563;
    // 24.96, 14.44; 5.26 / 19.7 = 26.70%
    {"subsegment132|3|2|25|500|2", true, 0, "6600 0.152 19.7 174 19.7 5.26 25 14.4 26.7"},
    // The finite population factor carries the sample size: s^2 = (0.25 x 10000 /
    // 250)^2 = 100, A = 1000 a: 8.35 x sqrt(1 - 4 / 1000) = 8.333
    {"Segment10|1|0.25|4|25|1.67", false, 0, "* * * 100 * 8.33 * * *"},
    // Leading numbers, cleaned and rounded inputs: t 1.666 shown as 1.67. The case
    // the others change: a = 250 / 10000; 2 / 0.025 per ha; (1.5 x 10000 / 250)^2;
    // 1.67 x sqrt(3600 / 64) x sqrt(1 - 64 x 0.025 / 1000) = 12.525 x 0.9992 = 12.515;
    // 12.5 / 80 = 15.625%, half to even
    {"Segment10|2 per plot|1.5,0|64|1,000|1.666", false, 0,
     "250 0.025 80 3600 80 12.5 92.5 67.5 15.6"},
    // No sample size: no bound, limits at X, precision 0
    {"Segment10|2|1.5||1000|1.67", false, 0, "* * * * * _ 80 80 0"},
    // Estimate 0: no precision
    {"Segment10|0|1.5|64|1000|1.67", false, 0, "* * * * 0 12.5 12.5 -12.5 _"},
    // An unknown name: 2 / 0 and 1.5 x 10000 / 0 show nothing; the empty s^2 reads 0
    {" Segment10|2|1.5|64|1000|1.67", false, 0, "_ 0 _ _ _ 0 0 * _"},
    // 64 plots of 0.025 ha cover 1.6 ha, more than the landscape: the estimate ends
    {"Segment10|2|1.5|64|1|1.67", false, 5, "* * * * 80 _ _ * _"},
};
// clang-format on

TEST(SimpleEstimate, WorkedByHand) {
    for (const SimpleCase& c : SimpleCases) {
        SCOPED_TRACE(c.inputs);
        const QStringList f = QString::fromLatin1(c.inputs).split(u'|');
        SimpleInputs in{f[0], f[1], f[2], f[3], f[4], f[5], MetricWidths, MetricSizes, 10000};
        if (c.english) { // Subsegment132: 6600 ft^2
            in.widthTexts = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};
            in.plotSizes[3] = 6600;
            in.areaFactor = 43560;
        }
        const SimpleEstimate e = simpleEstimate(in);
        EXPECT_EQ(e.error ? e.error->number() : 0, c.error);
        expectShown({e.plotSize, e.plotArea, e.density, e.variance, e.estimate, e.bound,
                     e.upperLimit, e.lowerLimit, e.precision},
                    c.shown);
    }
}

// The number of strata, then per row: stratum, size, plot dimension, mean and
// deviation per plot, plots; the error number (-1: not checked); per row the plot
// size, area, density, variance and weight; the mean and variance equations 1, 2
// and 3; X, s^2, SE, bound, upper and lower limit, precision.
struct StratifiedCase {
    const char* inputs;
    int error;
    const char *rows, *equations, *results;
};

// Two strata: 600 ha of Segment10 (2 +- 1.5 per plot, 40 plots) and 400 ha of
// Section20 (3 +- 2 per plot, 25 plots), and cases changed from them:
// a = 250 / 10000; X = 2 / 0.025; s^2 = (1.5 / 0.025)^2; W = 600 / 1000;
// mean (600 x 80 + 400 x 30) / 1000 = 60; variance 0.36 x 3600 / 40 x
// (1 - 40 / 24000) + 0.16 x 400 / 25 x (1 - 25 / 4000) = 32.346 + 2.544 = 34.89.
// clang-format off
const StratifiedCase StratifiedCases[] = {
    // Three strata, the last equation gives the estimate. A = 3000, the "1,500"
    // weighing 1500; stratum 3: a = 0.05, X = 20, s^2 = 16^2.
    // (1500 x 80 + 900 x 30) / 3000 = 49; 22.485 + 1.436 = 23.921;
    // (147000 + 600 x 20) / 3000 = 53; 23.921 + 0.04 x 256 / 20 x (1 - 20 / 12000) = 24.432;
    // sqrt(24.4) = 4.9396; 1.67 x 4.94 = 8.2498; 61.25 and 44.75 half to even; 15.57%
    {"3 / 1|1,500|Segment10|2|1.5|40 / 2|900|Section20|3|2|25 / 3|600|Section10|1|0.8|20", 0,
     "250 0.025 80 3600 0.5 | 1000 0.1 30 400 0.3 | 500 0.05 20 256 0.2", "49 23.9 53 24.4",
     "53 24.4 4.94 8.25 61.2 44.8 15.6"},
    // One stratum has no equation: W = 1; the results read the empty estimate and
    // variance as 0; 0 / 0 shows nothing
    {"1 / 1|600|Segment10|2|1.5|40 / 2|400|Section20|3|2|25", 0, "250 0.025 80 3600 1 | _ _ _ _ _",
     "_", "_ _ 0 0 0 0 _"},
    // An empty plot dimension stops the rows
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400||3|2|25", 0, "* * 80 * * | _ _ _ _ _", "_", "_"},
    // An unknown plot dimension gives zero densities
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400|Segment 10|3|2|25", -1, "* * * * * | _ 0 0 0 0.4", "",
     ""},
    // A row without stratum number shows zero equations and gives no estimate
    {"2 / 1|600|Segment10|2|1.5|40 / |400|Section20|3|2|25", -1, "", "0 0", "_"},
    // Sample size 0 leaves the variance equation empty
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400|Section20|3|2|0", 0, "", "60 _", "60"},
    // An empty sample size in an equation ends the estimate after the mean
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400|Section20|3|2|", err::TypeMismatch, "", "60 _",
     "_ * _"},
    // More plots than fit give a negative variance and end the estimate: 24000 and
    // 4000 plots fit; 30000 and 5000 make both corrections -0.25:
    // 0.36 x 3600 / 30000 x -0.25 + 0.16 x 400 / 5000 x -0.25 = -0.0108 - 0.0032
    {"2 / 1|600|Segment10|2|1.5|30000 / 2|400|Section20|3|2|5000", err::InvalidCall, "", "",
     "* -0.014 _ _"},
};
// clang-format on

TEST(StratifiedSheet, WorkedByHand) {
    for (const StratifiedCase& c : StratifiedCases) {
        SCOPED_TRACE(c.inputs);
        const QStringList parts = QString::fromLatin1(c.inputs).split(u" / "_s);
        StratifiedInputs in{{}, parts[0], u"1.67"_s, MetricWidths, MetricSizes, 10000};
        for (std::size_t h = 0; const QStringList& f : rowsOf(parts))
            in.rows[h++] = {f[0], f[1], f[2], f[3], f[4], f[5]};
        const StratifiedSheet s = stratifiedSheet(in);
        const int error = s.error ? s.error->number() : 0;
        EXPECT_TRUE(c.error < 0 || error == c.error) << error;
        QStringList rows;
        for (const StratumRowResults& r : s.rows)
            rows << r.plotSize << r.plotArea << r.density << r.variance << r.weight;
        expectShown(rows, c.rows);
        expectShown({s.meanEquations[1], s.varianceEquations[1], s.meanEquations[2],
                     s.varianceEquations[2], s.meanEquations[3], s.varianceEquations[3]},
                    c.equations);
        expectShown({s.estimate, s.variance, s.standardError, s.bound, s.upperLimit, s.lowerLimit,
                     s.precision},
                    c.results);
    }
}

// The number of strata and the estimate, then per row: stratum, size, plot
// dimension, plot size, mean and deviation per plot; rows 1, 2, ... of the four
// grids (sheet 0, sheet 1, the optimal and proportional allocations); the row
// from which all four grids are empty but for the allocation grids' stratum
// numbers (0: not checked; 1: nothing is written, not even those). t = 1.67 for
// the desired variance, t' = 2 for the proportional equations.
struct SampleSizeCase {
    const char* inputs;
    std::vector<const char*> rows;
    int emptyFrom;
};

// The two strata of the cases changed from them: W = 600 / 1000, a = 250 / 10000;
// 2 / 0.025 = 80; S = 1.5 / 0.025 = 60; V = (0.2 x 60 / 1.67)^2 = 51.63; optimal
// (0.6 x 60 + 0.4 x 20)^2 / (51.6 + (2160 + 160) / 1000) = 1936 / 53.92 = 35.905.
// clang-format off
const SampleSizeCase SampleSizeCases[] = {
    // A = 1500 + 900 + 600; V = (0.2 x 53 / 1.67)^2 = 40.29; optimal 2: 36^2 / (40.3 +
    // 1920 / 3000) = 31.66, 3: 39.2^2 / (40.3 + 1971.2 / 3000) = 37.52; proportional
    // 2: 4 x 1920 / 10.6^2 = 68.35, 3: 4 x 1971.2 / 112.36 = 70.17; sum N S = 117600:
    // 37.5 x 90000 / 117600 = 28.70, 28.7 x 0.025 = 0.7175 half to even; 0.5, 0.3, 0.2 x 70.2
    {"3|53 / 1|1,500|Segment10|250|2|1.5 / 2|900|Section20|1000|3|2 / 3|600|Section10|500|1|0.8",
     {"1 1,500 0.5 Segment10 250 0.025 2 | 1.5 80 60 3600 40.3 _ _ | 37.5 1 28.7 0.718 | "
      "70.2 1 35.1 0.878",
      "2 900 0.3 Section20 1000 0.1 3 | 2 30 20 400 _ 31.7 68.4 | _ 2 5.74 0.574 | _ 2 21.1 2.11",
      "3 600 0.2 Section10 500 0.05 1 | 0.8 20 16 256 _ 37.5 70.2 | _ 3 3.06 0.153 | _ 3 14 0.7"},
     4},
    // No estimate and no area write nothing
    {"2| / 1||Segment10|250|2|1.5 / 2|0|Section20|1000|3|2", {}, 1},
    // No estimate leaves the proportional equations empty: 1936 / (2320 / 1000) = 834.5
    {"2| / 1|600|Segment10|250|2|1.5 / 2|400|Section20|1000|3|2",
     {"* * * * * * * | * * * * 0 * *", "* * * * * * * | * * * * * 834 _"}, 0},
    // One stratum weighs 1 and has no equation and no total
    {"1|60 / 1|600|Segment10|250|2|1.5 / 2|400|Section20|1000|3|2",
     {"1 600 1 Segment10 250 0.025 2 | 1.5 80 60 3600 51.6 _ _ | _ 1 _ _ | _ 1 _ _"}, 2},
    // A stratum without number keeps its row but no equation
    {"2|60 / 1|600|Segment10|250|2|1.5 / B|400|Section20|1000|3|2",
     {"", "B * * * * * * | * * 20 * * _ _"}, 0},
    // A zero total area leaves weights and optimal equations empty
    {"2|60 / 1|0|Segment10|250|2|1.5 / 2||Section20|1000|3|2",
     {"* * _ * * * * | * * * * 51.6 * *", "* * * * * * * | * * * * * _ *"}, 0},
};
// clang-format on

TEST(SampleSizePage, WorkedByHand) {
    for (const SampleSizeCase& c : SampleSizeCases) {
        SCOPED_TRACE(c.inputs);
        const QStringList parts = QString::fromLatin1(c.inputs).split(u" / "_s);
        const QStringList head = parts[0].split(u'|');
        SampleSizeInputs in{{}, head[1], head[0], u"1.67"_s, u"2"_s, 10000};
        for (std::size_t h = 0; const QStringList& f : rowsOf(parts))
            in.strata[h++] = {f[0], f[1], f[2], f[3], f[4], f[5]};
        const SampleSizePage p = sampleSizePage(in);
        EXPECT_FALSE(p.error);
        const auto row = [&](int r) {
            const auto i = std::size_t(r);
            return listOf(p.sheet0[i]) + listOf(p.sheet1[i]) + listOf(p.optimal[i]) +
                   listOf(p.proportional[i]);
        };
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            expectShown(row(int(r) + 1), c.rows[r]);
        // Empty rows but for the allocations' stratum numbers, cells 15 and 19.
        for (int r = c.emptyFrom ? c.emptyFrom : 5; r <= 4; ++r) {
            QStringList empty(22);
            if (c.emptyFrom > 1)
                empty[14 + ColAllocStratum] = empty[18 + ColAllocStratum] = QString::number(r);
            EXPECT_EQ(row(r), empty) << "row " << r;
        }
    }
}

} // namespace
} // namespace vernalt::test
