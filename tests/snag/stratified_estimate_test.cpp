// The stratified estimate, worked by hand for two and three strata in metric
// units (Segment10 250 m^2, Section10 500 m^2, Section20 1000 m^2).
#include "snag/stratified_estimate.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const WidthTextArray MetricWidths = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
const DimensionSizeArray MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                        500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};

StratifiedInputs metric(const QString& numStrata) {
    StratifiedInputs in;
    in.numStrata = numStrata;
    in.tValue = u"1.67"_s;
    in.widthTexts = MetricWidths;
    in.plotSizes = MetricSizes;
    in.areaFactor = 10000;
    return in;
}

// Two strata: 600 ha of Segment10 (2 +- 1.5 per plot, 40 plots) and 400 ha of
// Section20 (3 +- 2 per plot, 25 plots).
StratifiedInputs twoStrata() {
    StratifiedInputs in = metric(u"2"_s);
    in.rows[0] = {u"1"_s, u"600"_s, u"Segment10"_s, u"2"_s, u"1.5"_s, u"40"_s};
    in.rows[1] = {u"2"_s, u"400"_s, u"Section20"_s, u"3"_s, u"2"_s, u"25"_s};
    return in;
}

// Three strata, the first size typed with a thousands separator: A = 3000.
StratifiedInputs threeStrata() {
    StratifiedInputs in = metric(u"3"_s);
    in.rows[0] = {u"1"_s, u"1,500"_s, u"Segment10"_s, u"2"_s, u"1.5"_s, u"40"_s};
    in.rows[1] = {u"2"_s, u"900"_s, u"Section20"_s, u"3"_s, u"2"_s, u"25"_s};
    in.rows[2] = {u"3"_s, u"600"_s, u"Section10"_s, u"1"_s, u"0.8"_s, u"20"_s};
    return in;
}

void expectRow(const StratumRowResults& r, const char* size, const char* area, const char* density,
               const char* variance, const char* weight, const char* what) {
    EXPECT_EQ(r.plotSize, QString::fromLatin1(size)) << what;
    EXPECT_EQ(r.plotArea, QString::fromLatin1(area)) << what;
    EXPECT_EQ(r.density, QString::fromLatin1(density)) << what;
    EXPECT_EQ(r.variance, QString::fromLatin1(variance)) << what;
    EXPECT_EQ(r.weight, QString::fromLatin1(weight)) << what;
}

void expectEmptyRow(const StratumRowResults& r, const char* what) {
    expectRow(r, "", "", "", "", "", what);
}

TEST(StratifiedSheet, TwoStrata) {
    const StratifiedSheet s = stratifiedSheet(twoStrata());
    ASSERT_FALSE(s.error);
    // a = 250 / 10000; X = 2 / 0.025; s^2 = (1.5 / 0.025)^2; W = 600 / 1000
    expectRow(s.rows[0], "250", "0.025", "80", "3600", "0.6", "stratum 1");
    expectRow(s.rows[1], "1000", "0.1", "30", "400", "0.4", "stratum 2");
    expectEmptyRow(s.rows[2], "stratum 3");
    // (600 x 80 + 400 x 30) / 1000 = 60
    EXPECT_EQ(s.meanEquations[1], u"60"_s);
    // 0.36 x 3600 / 40 x (1 - 40 / 24000) + 0.16 x 400 / 25 x (1 - 25 / 4000)
    // = 32.346 + 2.544 = 34.89
    EXPECT_EQ(s.varianceEquations[1], u"34.9"_s);
    EXPECT_EQ(s.meanEquations[2], u""_s);
    EXPECT_EQ(s.estimate, u"60"_s);
    EXPECT_EQ(s.variance, u"34.9"_s);
    EXPECT_EQ(s.standardError, u"5.91"_s); // sqrt(34.9) = 5.9076
    EXPECT_EQ(s.bound, u"9.87"_s);         // 1.67 x 5.91 = 9.8697
    EXPECT_EQ(s.upperLimit, u"69.9"_s);    // 69.87
    EXPECT_EQ(s.lowerLimit, u"50.1"_s);    // 50.13
    EXPECT_EQ(s.precision, u"16.4"_s);     // 9.87 / 60 x 100 = 16.45, half to even
}

TEST(StratifiedSheet, ThreeStrataTheLastEquationGivesTheEstimate) {
    const StratifiedSheet s = stratifiedSheet(threeStrata());
    ASSERT_FALSE(s.error);
    // "1,500" is 1500 in the weight as in the total: 1500 / 3000.
    expectRow(s.rows[0], "250", "0.025", "80", "3600", "0.5", "stratum 1");
    expectRow(s.rows[1], "1000", "0.1", "30", "400", "0.3", "stratum 2");
    // a = 0.05; X = 1 / 0.05; s^2 = (0.8 / 0.05)^2
    expectRow(s.rows[2], "500", "0.05", "20", "256", "0.2", "stratum 3");
    // (1500 x 80 + 900 x 30) / 3000 = 49; 22.485 + 1.436 = 23.921
    EXPECT_EQ(s.meanEquations[1], u"49"_s);
    EXPECT_EQ(s.varianceEquations[1], u"23.9"_s);
    // (147000 + 600 x 20) / 3000 = 53; 23.921 + 0.04 x 256 / 20 x (1 - 20 / 12000) = 24.432
    EXPECT_EQ(s.meanEquations[2], u"53"_s);
    EXPECT_EQ(s.varianceEquations[2], u"24.4"_s);
    EXPECT_EQ(s.estimate, u"53"_s);
    EXPECT_EQ(s.variance, u"24.4"_s);
    EXPECT_EQ(s.standardError, u"4.94"_s); // sqrt(24.4) = 4.9396
    EXPECT_EQ(s.bound, u"8.25"_s);         // 1.67 x 4.94 = 8.2498
    EXPECT_EQ(s.upperLimit, u"61.2"_s);    // 61.25, half to even
    EXPECT_EQ(s.lowerLimit, u"44.8"_s);    // 44.75, half to even
    EXPECT_EQ(s.precision, u"15.6"_s);     // 8.25 / 53 x 100 = 15.57
}

TEST(StratifiedSheet, SizesOfStrataNotInUseTakeNoPart) {
    // A size and a whole row left from an earlier four-strata analysis.
    StratifiedInputs in = twoStrata();
    in.rows[2] = {u"3"_s, u"5000"_s, u"Segment20"_s, u"4"_s, u"1"_s, u"10"_s};
    in.rows[3].size = u"2500"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.rows[0].weight, u"0.6"_s);
    EXPECT_EQ(s.rows[1].weight, u"0.4"_s);
    expectEmptyRow(s.rows[2], "stratum 3");
    expectEmptyRow(s.rows[3], "stratum 4");
    EXPECT_EQ(s.meanEquations[1], u"60"_s);
    EXPECT_EQ(s.meanEquations[2], u""_s);
    EXPECT_EQ(s.varianceEquations[3], u""_s);
    EXPECT_EQ(s.estimate, u"60"_s);
    EXPECT_EQ(s.variance, u"34.9"_s);
}

TEST(StratifiedSheet, DecimalSizesWeighTheSameAsTheyAddUp) {
    // 10.37 + 9.63 = 20: weights 0.5185 and 0.4815 shown as 0.519 and 0.481.
    StratifiedInputs in = twoStrata();
    in.rows[0].size = u"10.37"_s;
    in.rows[1].size = u"9.63"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    EXPECT_EQ(s.rows[0].weight, u"0.518"_s); // 0.5185 half to even
    EXPECT_EQ(s.rows[1].weight, u"0.482"_s); // 0.4815 half to even
    // (10.37 x 80 + 9.63 x 30) / 20 = 55.925
    EXPECT_EQ(s.meanEquations[1], u"55.9"_s);
}

TEST(StratifiedSheet, OneStratumHasNoEquation) {
    StratifiedInputs in = twoStrata();
    in.numStrata = u"1"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    ASSERT_FALSE(s.error);
    // With one stratum the whole area is the stratum's: W = 1.
    expectRow(s.rows[0], "250", "0.025", "80", "3600", "1", "stratum 1");
    expectEmptyRow(s.rows[1], "stratum 2");
    EXPECT_EQ(s.meanEquations[1], u""_s);
    EXPECT_EQ(s.estimate, u""_s);
    EXPECT_EQ(s.variance, u""_s);
    // The results read the empty estimate and variance as 0; 0 / 0 shows nothing.
    EXPECT_EQ(s.standardError, u"0"_s);
    EXPECT_EQ(s.bound, u"0"_s);
    EXPECT_EQ(s.upperLimit, u"0"_s);
    EXPECT_EQ(s.lowerLimit, u"0"_s);
    EXPECT_EQ(s.precision, u""_s);
}

TEST(StratifiedSheet, AnEmptyPlotDimensionStopsTheRows) {
    StratifiedInputs in = twoStrata();
    in.rows[1].plotDimension.clear();
    const StratifiedSheet s = stratifiedSheet(in);
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.rows[0].density, u"80"_s);
    expectEmptyRow(s.rows[1], "stratum 2");
    EXPECT_EQ(s.meanEquations[1], u""_s);
    EXPECT_EQ(s.estimate, u""_s);
}

TEST(StratifiedSheet, AnUnknownPlotDimensionGivesZeroDensities) {
    StratifiedInputs in = twoStrata();
    in.rows[1].plotDimension = u"Segment 10"_s; // a blank matches nothing
    const StratifiedSheet s = stratifiedSheet(in);
    expectRow(s.rows[1], "", "0", "0", "0", "0.4", "stratum 2");
}

TEST(StratifiedSheet, NamesMatchInAnyCase) {
    StratifiedInputs in = twoStrata();
    in.rows[0].plotDimension = u"SEGMENT10"_s;
    EXPECT_EQ(stratifiedSheet(in).rows[0].plotSize, u"250"_s);
}

TEST(StratifiedSheet, ARowWithoutStratumNumberShowsZeroEquations) {
    StratifiedInputs in = twoStrata();
    in.rows[1].stratum.clear();
    const StratifiedSheet s = stratifiedSheet(in);
    EXPECT_EQ(s.meanEquations[1], u"0"_s);
    EXPECT_EQ(s.varianceEquations[1], u"0"_s);
    EXPECT_EQ(s.estimate, u""_s); // not taken from a row without a number
}

TEST(StratifiedSheet, SampleSizeZeroLeavesTheVarianceEquationEmpty) {
    StratifiedInputs in = twoStrata();
    in.rows[1].sampleSize = u"0"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.meanEquations[1], u"60"_s);
    EXPECT_EQ(s.varianceEquations[1], u""_s);
    EXPECT_EQ(s.estimate, u"60"_s);
}

TEST(StratifiedSheet, TotalAreaZeroLeavesWeightsAndMeansEmpty) {
    StratifiedInputs in = twoStrata();
    in.rows[0].size.clear();
    in.rows[1].size = u"0"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.rows[0].density, u"80"_s);
    EXPECT_EQ(s.rows[0].weight, u""_s);
    EXPECT_EQ(s.rows[1].weight, u""_s);
    EXPECT_EQ(s.meanEquations[1], u""_s);
}

int errorNumber(const StratifiedSheet& s) {
    return s.error ? s.error->number() : 0;
}

TEST(StratifiedSheet, AnEmptySampleSizeInAnEquationEndsTheEstimate) {
    StratifiedInputs in = twoStrata();
    in.rows[1].sampleSize.clear();
    const StratifiedSheet s = stratifiedSheet(in);
    EXPECT_EQ(errorNumber(s), err::TypeMismatch);
    EXPECT_EQ(s.meanEquations[1], u"60"_s); // written before the error
    EXPECT_EQ(s.varianceEquations[1], u""_s);
    EXPECT_EQ(s.estimate, u""_s);
    EXPECT_EQ(s.standardError, u""_s);
}

TEST(StratifiedSheet, AWordAsAStratumSizeEndsTheEstimate) {
    StratifiedInputs in = twoStrata();
    in.rows[1].size = u"big"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    EXPECT_EQ(errorNumber(s), err::TypeMismatch);
    EXPECT_EQ(s.rows[0].plotSize, u"250"_s); // the lookup comes before the total area
    EXPECT_EQ(s.rows[0].plotArea, u""_s);
}

TEST(StratifiedSheet, MorePlotsThanFitGiveANegativeVarianceAndEndTheEstimate) {
    // 24000 and 4000 plots fit in the strata; 30000 and 5000 measured make both
    // corrections -0.25: 0.36 x 3600 / 30000 x -0.25 + 0.16 x 400 / 5000 x -0.25.
    StratifiedInputs in = twoStrata();
    in.rows[0].sampleSize = u"30000"_s;
    in.rows[1].sampleSize = u"5000"_s;
    const StratifiedSheet s = stratifiedSheet(in);
    EXPECT_EQ(errorNumber(s), err::InvalidCall);
    EXPECT_EQ(s.variance, u"-0.014"_s);
    EXPECT_EQ(s.standardError, u""_s);
    EXPECT_EQ(s.bound, u""_s);
}

} // namespace
} // namespace vernalt::test
