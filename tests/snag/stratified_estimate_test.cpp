// The stratified estimate, worked by hand for two and three strata in metric
// units (Segment10 250 m^2, Section10 500 m^2, Section20 1000 m^2).
#include "snag/stratified_estimate.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// Two strata: 600 ha of Segment10 (2 +- 1.5 per plot, 40 plots) and 400 ha of
// Section20 (3 +- 2 per plot, 25 plots).
StratifiedInputs twoStrata() {
    StratifiedInputs in;
    in.numStrata = u"2"_s;
    in.tValue = u"1.67"_s;
    in.widthTexts = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    in.plotSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                    500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
    in.areaFactor = 10000;
    in.rows[0] = {u"1"_s, u"600"_s, u"Segment10"_s, u"2"_s, u"1.5"_s, u"40"_s};
    in.rows[1] = {u"2"_s, u"400"_s, u"Section20"_s, u"3"_s, u"2"_s, u"25"_s};
    return in;
}

struct Case {
    const char* name;
    void (*change)(StratifiedInputs&);
    int error;             // -1: not checked
    const char* rows;      // per row: plot size, area, density, variance, weight
    const char* equations; // mean and variance equations 1, 2 and 3
    const char* results;   // X, s^2, SE, bound, upper, lower, precision
};

// clang-format off
const Case Cases[] = {
    // a = 250 / 10000; X = 2 / 0.025; s^2 = (1.5 / 0.025)^2; W = 600 / 1000;
    // mean (600 x 80 + 400 x 30) / 1000 = 60; variance 0.36 x 3600 / 40 x
    // (1 - 40 / 24000) + 0.16 x 400 / 25 x (1 - 25 / 4000) = 32.346 + 2.544 = 34.89;
    // SE sqrt(34.9) = 5.9076; B = 1.67 x 5.91 = 9.8697; 9.87 / 60 = 16.45%, half to even
    {"two strata", [](StratifiedInputs&) {}, 0,
     "250 0.025 80 3600 0.6 | 1000 0.1 30 400 0.4 | _ _ _ _ _", "60 34.9 _",
     "60 34.9 5.91 9.87 69.9 50.1 16.4"},
    // A = 3000, the "1,500" weighing 1500; stratum 3: a = 0.05, X = 20, s^2 = 16^2.
    // (1500 x 80 + 900 x 30) / 3000 = 49; 22.485 + 1.436 = 23.921;
    // (147000 + 600 x 20) / 3000 = 53; 23.921 + 0.04 x 256 / 20 x (1 - 20 / 12000) = 24.432;
    // sqrt(24.4) = 4.9396; 1.67 x 4.94 = 8.2498; 61.25 and 44.75 half to even; 15.57%
    {"three strata: the last equation gives the estimate", [](StratifiedInputs& in) {
         in.numStrata = u"3"_s;
         in.rows[0].size = u"1,500"_s;
         in.rows[1].size = u"900"_s;
         in.rows[2] = {u"3"_s, u"600"_s, u"Section10"_s, u"1"_s, u"0.8"_s, u"20"_s};
     }, 0,
     "250 0.025 80 3600 0.5 | 1000 0.1 30 400 0.3 | 500 0.05 20 256 0.2", "49 23.9 53 24.4",
     "53 24.4 4.94 8.25 61.2 44.8 15.6"},
    {"rows left from four strata take no part", [](StratifiedInputs& in) {
         in.rows[2] = {u"3"_s, u"5000"_s, u"Segment20"_s, u"4"_s, u"1"_s, u"10"_s};
         in.rows[3].size = u"2500"_s;
     }, 0,
     "* * * * 0.6 | * * * * 0.4 | _ _ _ _ _ | _ _ _ _ _", "60 * _ * * _", "60 34.9"},
    // W = 1; the results read the empty estimate and variance as 0; 0 / 0 shows nothing.
    {"one stratum has no equation", [](StratifiedInputs& in) { in.numStrata = u"1"_s; }, 0,
     "250 0.025 80 3600 1 | _ _ _ _ _", "_", "_ _ 0 0 0 0 _"},
    {"an empty plot dimension stops the rows",
     [](StratifiedInputs& in) { in.rows[1].plotDimension.clear(); }, 0,
     "* * 80 * * | _ _ _ _ _", "_", "_"},
    {"an unknown plot dimension gives zero densities",
     [](StratifiedInputs& in) { in.rows[1].plotDimension = u"Segment 10"_s; }, -1,
     "* * * * * | _ 0 0 0 0.4", "", ""},
    {"a row without stratum number shows zero equations and gives no estimate",
     [](StratifiedInputs& in) { in.rows[1].stratum.clear(); }, -1, "", "0 0", "_"},
    {"sample size 0 leaves the variance equation empty",
     [](StratifiedInputs& in) { in.rows[1].sampleSize = u"0"_s; }, 0, "", "60 _", "60"},
    {"total area 0 leaves weights and means empty", [](StratifiedInputs& in) {
         in.rows[0].size.clear();
         in.rows[1].size = u"0"_s;
     }, 0, "* * 80 * _ | * * * * _", "_", ""},
    {"an empty sample size in an equation ends the estimate after the mean",
     [](StratifiedInputs& in) { in.rows[1].sampleSize.clear(); }, err::TypeMismatch,
     "", "60 _", "_ * _"},
    {"a word as a stratum size ends the estimate after the plot size lookup",
     [](StratifiedInputs& in) { in.rows[1].size = u"big"_s; }, err::TypeMismatch,
     "250 _", "", ""},
    // 24000 and 4000 plots fit; 30000 and 5000 make both corrections -0.25:
    // 0.36 x 3600 / 30000 x -0.25 + 0.16 x 400 / 5000 x -0.25 = -0.0108 - 0.0032
    {"more plots than fit give a negative variance and end the estimate", [](StratifiedInputs& in) {
         in.rows[0].sampleSize = u"30000"_s;
         in.rows[1].sampleSize = u"5000"_s;
     }, err::InvalidCall, "", "", "* -0.014 _ _"},
};
// clang-format on

TEST(StratifiedSheet, WorkedByHand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        StratifiedInputs in = twoStrata();
        c.change(in);
        const StratifiedSheet s = stratifiedSheet(in);
        if (c.error >= 0) {
            EXPECT_EQ(s.error ? s.error->number() : 0, c.error);
        }
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
