// The stratified estimate, worked by hand for two and three strata in metric
// units (Segment10 250 m^2, Section10 500 m^2, Section20 1000 m^2).
#include "snag/stratified_estimate.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The number of strata, then per row: stratum, size, plot dimension, mean and
// deviation per plot, plots; the error number (-1: not checked); per row the plot
// size, area, density, variance and weight; the mean and variance equations 1, 2
// and 3; X, s^2, SE, bound, upper and lower limit, precision.
struct Case {
    const char* inputs;
    int error;
    const char *rows, *equations, *results;
};

// Two strata: 600 ha of Segment10 (2 +- 1.5 per plot, 40 plots) and 400 ha of
// Section20 (3 +- 2 per plot, 25 plots), and cases changed from them. Rows of
// strata not in use are seen to take no part in the whole analysis.
// clang-format off
const Case Cases[] = {
    // a = 250 / 10000; X = 2 / 0.025; s^2 = (1.5 / 0.025)^2; W = 600 / 1000;
    // mean (600 x 80 + 400 x 30) / 1000 = 60; variance 0.36 x 3600 / 40 x
    // (1 - 40 / 24000) + 0.16 x 400 / 25 x (1 - 25 / 4000) = 32.346 + 2.544 = 34.89;
    // SE sqrt(34.9) = 5.9076; B = 1.67 x 5.91 = 9.8697; 9.87 / 60 = 16.45%, half to even
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400|Section20|3|2|25", 0,
     "250 0.025 80 3600 0.6 | 1000 0.1 30 400 0.4 | _ _ _ _ _", "60 34.9 _",
     "60 34.9 5.91 9.87 69.9 50.1 16.4"},
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
    // Total area 0 leaves weights and means empty
    {"2 / 1||Segment10|2|1.5|40 / 2|0|Section20|3|2|25", 0, "* * 80 * _ | * * * * _", "_", ""},
    // An empty sample size in an equation ends the estimate after the mean
    {"2 / 1|600|Segment10|2|1.5|40 / 2|400|Section20|3|2|", err::TypeMismatch, "", "60 _",
     "_ * _"},
    // A word as a stratum size ends the estimate after the plot size lookup
    {"2 / 1|600|Segment10|2|1.5|40 / 2|big|Section20|3|2|25", err::TypeMismatch, "250 _", "", ""},
    // More plots than fit give a negative variance and end the estimate: 24000 and
    // 4000 plots fit; 30000 and 5000 make both corrections -0.25:
    // 0.36 x 3600 / 30000 x -0.25 + 0.16 x 400 / 5000 x -0.25 = -0.0108 - 0.0032
    {"2 / 1|600|Segment10|2|1.5|30000 / 2|400|Section20|3|2|5000", err::InvalidCall, "", "",
     "* -0.014 _ _"},
};
// clang-format on

TEST(StratifiedSheet, WorkedByHand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.inputs);
        const QStringList parts = QString::fromLatin1(c.inputs).split(u" / "_s);
        StratifiedInputs in{{},
                            parts[0],
                            u"1.67"_s,
                            {u"10"_s, u"20"_s, u"30"_s, u"40"_s},
                            {125, 250, 375, 500, 250, 500, 750, 1000, 500, 1000, 1500, 2000, 1000,
                             2000, 3000, 4000},
                            10000};
        for (qsizetype h = 1; h < parts.size(); ++h) {
            const QStringList f = parts[h].split(u'|');
            in.rows[std::size_t(h - 1)] = {f[0], f[1], f[2], f[3], f[4], f[5]};
        }
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

} // namespace
} // namespace vernalt::test
