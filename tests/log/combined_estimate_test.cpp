// The Parameter Estimates page of the combined design, worked by hand.
#include "log/combined_estimate.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::combined {
namespace {

// Two named strata: sizes 150.4 and 250.4 (total 400.8), estimates 10 and 20,
// variances 4 and 9, sample sizes 5 and 10, t = 1.67.
EstimateInputs twoStrata() {
    EstimateInputs in;
    in.strata[0] = {u"North"_s, u"150.4"_s, u"10"_s, u"4"_s, u"5"_s};
    in.strata[1] = {u"South"_s, u"250.4"_s, u"20"_s, u"9"_s, u"10"_s};
    in.tValue = u"1.67"_s;
    return in;
}

TEST(CombinedEstimate, TwoStrataChainThroughTheShownTexts) {
    const EstimatePage p = estimatePage(twoStrata());
    EXPECT_FALSE(p.error);
    EXPECT_EQ(p.totalSize, u"400.8"_s); // sizes unrounded
    EXPECT_EQ(p.totalSamples, u"15"_s);
    EXPECT_EQ(p.weights[0], u"0.375"_s); // 150.4 / 400.8 = 0.37525
    EXPECT_EQ(p.weights[1], u"0.625"_s); // 250.4 / 400.8 = 0.62475
    EXPECT_TRUE(p.weights[2].isEmpty());
    // (150.4 x 10 + 250.4 x 20) / 400.8 = 16.2475
    EXPECT_EQ(p.means[1], u"16.2"_s);
    // 0.375^2 x 4 / 5 + 0.625^2 x 9 / 10 = 0.1125 + 0.3515625
    EXPECT_EQ(p.variances[1], u"0.464"_s);
    EXPECT_TRUE(p.means[0].isEmpty());
    EXPECT_TRUE(p.variances[0].isEmpty());
    EXPECT_EQ(p.estimate, u"16.2"_s);
    EXPECT_EQ(p.variance, u"0.464"_s);
    EXPECT_EQ(p.standardError, u"0.681"_s); // sqrt(0.464) = 0.68118
    EXPECT_EQ(p.bound, u"1.14"_s);          // 1.67 x 0.681 = 1.13727
    EXPECT_EQ(p.upperLimit, u"17.3"_s);     // 16.2 + 1.14
    EXPECT_EQ(p.lowerLimit, u"15.1"_s);     // 16.2 - 1.14 = 15.06
    EXPECT_EQ(p.precision, u"7.04"_s);      // 1.14 / 16.2 x 100 = 7.037
}

TEST(CombinedEstimate, SizesAreReadWithoutCommasAndDollars) {
    EstimateInputs in = twoStrata();
    in.strata[0].size = u"$1,500"_s;
    in.strata[1].size = u"500"_s;
    const EstimatePage p = estimatePage(in);
    EXPECT_EQ(p.totalSize, u"2000"_s);
    EXPECT_EQ(p.weights[0], u"0.75"_s);
    EXPECT_EQ(p.weights[1], u"0.25"_s);
    // (1500 x 10 + 500 x 20) / 2000 = 12.5
    EXPECT_EQ(p.means[1], u"12.5"_s);
}

TEST(CombinedEstimate, AnUnnamedRowTakesNoPart) {
    EstimateInputs in = twoStrata();
    in.strata[2] = {QString(), u"100"_s, u"50"_s, u"1"_s, u"1"_s};
    const EstimatePage p = estimatePage(in);
    EXPECT_EQ(p.totalSize, u"400.8"_s);
    EXPECT_EQ(p.totalSamples, u"15"_s);
    EXPECT_TRUE(p.weights[2].isEmpty());
    EXPECT_TRUE(p.means[2].isEmpty());
    EXPECT_EQ(p.estimate, u"16.2"_s); // the current row is still row 1
}

TEST(CombinedEstimate, ARunningRowSkipsAnUnnamedRowBelowIt) {
    EstimateInputs in = twoStrata();
    in.strata[1].name.clear();
    in.strata[2] = {u"East"_s, u"250.4"_s, u"20"_s, u"9"_s, u"10"_s};
    const EstimatePage p = estimatePage(in);
    EXPECT_TRUE(p.means[1].isEmpty());
    EXPECT_EQ(p.means[2], u"16.2"_s); // rows 0 and 2 as rows 0 and 1 above
    EXPECT_EQ(p.estimate, u"16.2"_s);
}

struct GapCase {
    const char* name;
    void (*edit)(EstimateInputs&);
    const char16_t *mean, *variance, *estimate, *standardError, *precision;
};

const GapCase kGaps[] = {
    {"a sample size of 0 leaves the variance empty",
     [](EstimateInputs& in) { in.strata[1].sampleSize = u"0"_s; }, u"16.2", u"", u"16.2", u"", u""},
    {"an empty estimate leaves the mean empty",
     [](EstimateInputs& in) { in.strata[0].estimate.clear(); }, u"", u"0.464", u"", u"0.681", u""},
    {"a named stratum without a size leaves its running row empty",
     [](EstimateInputs& in) { in.strata[1].size.clear(); }, u"", u"", u"", u"", u""},
    {"all estimates 0 give a precision of 0",
     [](EstimateInputs& in) {
         in.strata[0].estimate = u"0"_s;
         in.strata[1].estimate = u"0"_s;
     },
     u"0", u"0.464", u"0", u"0.681", u"0"},
    {"a negative estimate gives a precision of 0",
     [](EstimateInputs& in) {
         in.strata[0].estimate = u"-10"_s;
         in.strata[1].estimate = u"-20"_s;
     },
     u"-16.2475", u"0.464", u"-16.2475", u"0.681", u"0"},
};

TEST(CombinedEstimate, AStepThatCannotBeComputedStaysEmpty) {
    for (const GapCase& c : kGaps) {
        SCOPED_TRACE(c.name);
        EstimateInputs in = twoStrata();
        c.edit(in);
        const EstimatePage p = estimatePage(in);
        EXPECT_FALSE(p.error);
        EXPECT_EQ(p.means[1], QString::fromUtf16(c.mean));
        EXPECT_EQ(p.variances[1], QString::fromUtf16(c.variance));
        EXPECT_EQ(p.estimate, QString::fromUtf16(c.estimate));
        EXPECT_EQ(p.standardError, QString::fromUtf16(c.standardError));
        EXPECT_EQ(p.precision, QString::fromUtf16(c.precision));
    }
}

TEST(CombinedEstimate, ASizeThatIsNotANumberLeavesTotalAndWeightsEmpty) {
    EstimateInputs in = twoStrata();
    in.strata[1].size = u"big"_s;
    const EstimatePage p = estimatePage(in);
    EXPECT_TRUE(p.totalSize.isEmpty());
    EXPECT_TRUE(p.weights[0].isEmpty());
    EXPECT_TRUE(p.weights[1].isEmpty());
    EXPECT_TRUE(p.estimate.isEmpty());
    EXPECT_EQ(p.totalSamples, u"15"_s);
}

TEST(CombinedEstimate, WithNoNamesThePageIsEmpty) {
    EstimateInputs in = twoStrata();
    in.strata[0].name.clear();
    in.strata[1].name.clear();
    const EstimatePage p = estimatePage(in);
    EXPECT_TRUE(p.totalSize.isEmpty());
    EXPECT_TRUE(p.totalSamples.isEmpty());
    EXPECT_TRUE(p.weights[0].isEmpty());
    EXPECT_TRUE(p.standardError.isEmpty());
    EXPECT_TRUE(p.bound.isEmpty());
    EXPECT_TRUE(p.upperLimit.isEmpty());
}

TEST(CombinedEstimate, OneNamedStratumHasNoStratifiedEstimate) {
    EstimateInputs in = twoStrata();
    in.strata[1].name.clear();
    const EstimatePage p = estimatePage(in);
    EXPECT_EQ(p.totalSize, u"150.4"_s);
    EXPECT_EQ(p.weights[0], u"1"_s);
    EXPECT_TRUE(p.estimate.isEmpty());
    EXPECT_TRUE(p.standardError.isEmpty());
}

TEST(CombinedEstimate, ANegativeStratifiedVarianceEndsThePageWithError5) {
    EstimateInputs in = twoStrata();
    in.strata[0].variance = u"-100"_s; // 0.140625 x -100 / 5 + 0.3515625 = -2.4609375
    const EstimatePage p = estimatePage(in);
    ASSERT_TRUE(p.error);
    EXPECT_EQ(p.error->number(), err::InvalidCall);
    EXPECT_EQ(p.variance, u"-2.4609"_s);
    EXPECT_TRUE(p.standardError.isEmpty());
    EXPECT_TRUE(p.bound.isEmpty());
}

TEST(CombinedEstimate, CurrentRowIsTheLastNamedOfRowsOneToThree) {
    EXPECT_EQ(currentRow({u"a"_s, u"b"_s, u"c"_s, QString()}), 2);
    EXPECT_EQ(currentRow({u"a"_s, QString(), QString(), u"d"_s}), 3);
    EXPECT_EQ(currentRow({u"a"_s, QString(), QString(), QString()}), 0);
    EXPECT_EQ(currentRow({QString(), QString(), QString(), QString()}), 0);
}

TEST(CombinedEstimate, StratifiedVarianceSumsTheTermsWithoutCorrection) {
    // 0.5^2 x 4 / 2 + 0.5^2 x 8 / 4 = 0.5 + 0.5
    EXPECT_DOUBLE_EQ(stratifiedVariance({0.5, 0.5}, {4, 8}, {2, 4}), 1.0);
    EXPECT_DOUBLE_EQ(stratifiedVariance({}, {}, {}), 0.0);
    EXPECT_THROW(stratifiedVariance({0.5}, {4}, {0}), RuntimeError);
}

} // namespace
} // namespace vernalt::combined
