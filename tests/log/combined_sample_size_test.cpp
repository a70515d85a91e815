// The Sample Sizes page of the combined design, worked by hand.
#include "log/combined_sample_size.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::combined {
namespace {

// Two strata named with words: sizes 100 and 300 of 400 (weights 0.25 and
// 0.75), levels Segment (25) and Section (50), typed variances 16 and 36
// (S = 4 and 6), mean 20, t = 2.
SampleInputs twoStrata() {
    SampleInputs in;
    in.strata[0] = {u"North"_s, u"100"_s, u"Segment"_s, u"16"_s};
    in.strata[1] = {u"South"_s, u"300"_s, u"Section"_s, u"36"_s};
    in.estimate = u"20"_s;
    in.totalSize = u"400"_s;
    in.tValue = u"2"_s;
    in.levelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
    return in;
}

TEST(CombinedSampleSize, TwoStrataFromStratumRowsToTransectLengths) {
    const SamplePage p = samplePage(twoStrata());
    EXPECT_FALSE(p.error);
    EXPECT_EQ(p.rows[0].stratum, u"North"_s);
    EXPECT_EQ(p.rows[1].size, u"300"_s);
    EXPECT_EQ(p.rows[0].weight, u"0.25"_s);
    EXPECT_EQ(p.rows[1].weight, u"0.75"_s);
    EXPECT_EQ(p.rows[0].plotDimensions, u"Segment"_s);
    EXPECT_EQ(p.rows[0].plotLength, u"25"_s);
    EXPECT_EQ(p.rows[1].plotLength, u"50"_s);
    EXPECT_EQ(p.rows[0].stdDev, u"4"_s);
    EXPECT_EQ(p.rows[1].stdDev, u"6"_s);
    for (std::size_t h : {2u, 3u})
        EXPECT_TRUE(p.rows[h].stratum.isEmpty() && p.rows[h].weight.isEmpty());
    // V = (20 x 0.2 / 2)^2
    EXPECT_EQ(p.desiredVariance, u"4"_s);
    // (0.25 x 4 + 0.75 x 6)^2 / ((0.25 x 16 + 0.75 x 36) / 400 + 4) = 30.25 / 4.0775
    EXPECT_EQ(p.optimalEquations[1], u"7.42"_s);
    // 2^2 x 31 / (0.2 x 20)^2 = 124 / 16
    EXPECT_EQ(p.proportionalEquations[1], u"7.75"_s);
    EXPECT_TRUE(p.optimalEquations[0].isEmpty());
    EXPECT_TRUE(p.optimalEquations[2].isEmpty());
    EXPECT_TRUE(p.proportionalEquations[3].isEmpty());

    // Optimal: 7 samples by N x S = 400 and 1800: 1.27 -> 2 and 5.73 -> 6.
    EXPECT_EQ(p.optimal[1][ColTotal], u"7"_s);
    EXPECT_EQ(p.optimal[1][ColStratumNumber], u"1"_s);
    EXPECT_EQ(p.optimal[2][ColStratumNumber], u"2"_s);
    EXPECT_EQ(p.optimal[1][ColSamples], u"2"_s);
    EXPECT_EQ(p.optimal[2][ColSamples], u"6"_s);
    EXPECT_EQ(p.optimal[1][ColLength], u"50"_s);  // 2 x 25
    EXPECT_EQ(p.optimal[2][ColLength], u"300"_s); // 6 x 50
    EXPECT_EQ(p.optimalTotalLength, u"350"_s);
    // Proportional: 8 samples by the weights: 2 and 6.
    EXPECT_EQ(p.proportional[1][ColTotal], u"8"_s);
    EXPECT_EQ(p.proportional[1][ColSamples], u"2"_s);
    EXPECT_EQ(p.proportional[2][ColSamples], u"6"_s);
    EXPECT_EQ(p.proportionalTotalLength, u"350"_s);
    // Strata not in use get no samples.
    for (const auto* g : {&p.optimal, &p.proportional}) {
        EXPECT_EQ((*g)[3], (std::array<QString, 4>{u""_s, u"3"_s, u"0"_s, u""_s}));
        EXPECT_EQ((*g)[4], (std::array<QString, 4>{u""_s, u"4"_s, u"0"_s, u""_s}));
    }
}

TEST(CombinedSampleSize, TheTotalsRoundHalvesToEven) {
    // 2^2 x (0.25 x V + 0.75 x V) / 16: V = 50 gives 12.5, V = 54 gives 13.5.
    const struct {
        const char16_t* variance;
        const char16_t* total;
    } cases[] = {{u"50", u"12"}, {u"54", u"14"}};
    for (const auto& c : cases) {
        SampleInputs in = twoStrata();
        in.strata[0].variance = QString::fromUtf16(c.variance);
        in.strata[1].variance = QString::fromUtf16(c.variance);
        const SamplePage p = samplePage(in);
        EXPECT_EQ(p.proportional[1][ColTotal], QString::fromUtf16(c.total));
    }
}

TEST(CombinedSampleSize, WeightsAreUsedAsShown) {
    SampleInputs in = twoStrata();
    in.strata[0].size = u"1"_s;
    in.strata[1].size = u"2"_s;
    in.totalSize = u"3"_s;
    const SamplePage p = samplePage(in);
    EXPECT_EQ(p.rows[0].weight, u"0.333"_s);
    EXPECT_EQ(p.rows[1].weight, u"0.667"_s);
    // 4 x (0.333 x 16 + 0.667 x 36) / 16 = 4 x 29.34 / 16 = 7.335
    EXPECT_EQ(p.proportionalEquations[1], u"7.34"_s);
    EXPECT_EQ(p.proportional[1][ColTotal], u"7"_s);
    // 0.333 x 7 = 2.331 -> 3, 0.667 x 7 = 4.669 -> 5
    EXPECT_EQ(p.proportional[1][ColSamples], u"3"_s);
    EXPECT_EQ(p.proportional[2][ColSamples], u"5"_s);
}

TEST(CombinedSampleSize, ThreeStrataGiveTheTotalsOfBothDesigns) {
    SampleInputs in = twoStrata();
    in.strata[2] = {u"East"_s, u"100"_s, u"Transect"_s, u"16"_s};
    in.totalSize = u"500"_s;
    const SamplePage p = samplePage(in);
    // weights 0.2, 0.6, 0.2
    EXPECT_EQ(p.rows[2].weight, u"0.2"_s);
    // strata 1 and 2: 4 x (0.2 x 16 + 0.6 x 36) / 16 = 4 x 24.8 / 16 = 6.2
    EXPECT_EQ(p.proportionalEquations[1], u"6.2"_s);
    // strata 1 to 3: 4 x (24.8 + 3.2) / 16 = 7
    EXPECT_EQ(p.proportionalEquations[2], u"7"_s);
    EXPECT_EQ(p.proportional[1][ColTotal], u"7"_s);
    // 0.2 x 7 = 1.4 -> 2; 0.6 x 7 = 4.2 -> 5; 2 x 100 = 200 for Transect
    EXPECT_EQ(p.proportional[3][ColSamples], u"2"_s);
    EXPECT_EQ(p.proportional[3][ColLength], u"200"_s);
    // 2 x 25 + 5 x 50 + 200 = 500
    EXPECT_EQ(p.proportionalTotalLength, u"500"_s);
}

TEST(CombinedSampleSize, WithoutAMeanThereAreNoTotals) {
    SampleInputs in = twoStrata();
    in.estimate.clear();
    const SamplePage p = samplePage(in);
    EXPECT_FALSE(p.error);
    EXPECT_EQ(p.rows[1].stdDev, u"6"_s);
    EXPECT_TRUE(p.desiredVariance.isEmpty());
    EXPECT_TRUE(p.optimalEquations[1].isEmpty());
    EXPECT_TRUE(p.proportionalEquations[1].isEmpty());
    EXPECT_TRUE(p.optimal[1][ColTotal].isEmpty());
    EXPECT_TRUE(p.optimal[1][ColSamples].isEmpty());
    EXPECT_TRUE(p.optimal[1][ColLength].isEmpty());
    EXPECT_TRUE(p.optimalTotalLength.isEmpty());
    EXPECT_EQ(p.optimal[1][ColStratumNumber], u"1"_s);
}

TEST(CombinedSampleSize, OneStratumHasNoTotalAndNoAllocation) {
    SampleInputs in = twoStrata();
    in.strata[1].name.clear();
    in.totalSize = u"100"_s;
    const SamplePage p = samplePage(in);
    EXPECT_EQ(p.rows[0].weight, u"1"_s);
    EXPECT_TRUE(p.optimal[1][ColTotal].isEmpty());
    EXPECT_TRUE(p.optimal[1][ColSamples].isEmpty());
    EXPECT_TRUE(p.proportional[1][ColSamples].isEmpty());
    EXPECT_TRUE(p.rows[1].stratum.isEmpty());
}

TEST(CombinedSampleSize, AnUnknownLevelLeavesItsLengthsEmpty) {
    SampleInputs in = twoStrata();
    in.strata[1].level.clear();
    const SamplePage p = samplePage(in);
    EXPECT_TRUE(p.rows[1].plotLength.isEmpty());
    EXPECT_EQ(p.optimal[2][ColSamples], u"6"_s);
    EXPECT_TRUE(p.optimal[2][ColLength].isEmpty());
    EXPECT_EQ(p.optimalTotalLength, u"50"_s);
}

TEST(CombinedSampleSize, AZeroTValueLeavesTheDesiredVarianceEmpty) {
    SampleInputs in = twoStrata();
    in.tValue = u"0"_s;
    const SamplePage p = samplePage(in);
    EXPECT_TRUE(p.desiredVariance.isEmpty());
    EXPECT_TRUE(p.optimalEquations[1].isEmpty());
    EXPECT_EQ(p.proportionalEquations[1], u"0"_s);
}

TEST(CombinedSampleSize, ANegativeVarianceEndsThePageWithError5) {
    SampleInputs in = twoStrata();
    in.strata[0].variance = u"-16"_s;
    const SamplePage p = samplePage(in);
    ASSERT_TRUE(p.error);
    EXPECT_EQ(p.error->number(), err::InvalidCall);
    EXPECT_EQ(p.rows[0].plotLength, u"25"_s);
    EXPECT_TRUE(p.rows[0].stdDev.isEmpty());
    EXPECT_TRUE(p.rows[1].stratum.isEmpty());
    EXPECT_TRUE(p.desiredVariance.isEmpty());
}

TEST(CombinedSampleSize, LevelNamesAreMatchedInAnyCase) {
    EXPECT_EQ(levelIndex(u"Subsegment"_s), 0);
    EXPECT_EQ(levelIndex(u"SEGMENT"_s), 1);
    EXPECT_EQ(levelIndex(u"section"_s), 2);
    EXPECT_EQ(levelIndex(u"Transect"_s), 3);
    EXPECT_EQ(levelIndex(QString()), -1);
    EXPECT_EQ(levelIndex(u"Segment10"_s), -1);
}

} // namespace
} // namespace vernalt::combined
