// The Sample Sizes page of the combined design, worked by hand.
#include "log/combined_sample_size.h"

#include <QStringList>
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

// One field of the four stratum rows, joined by "|".
QString column(const SamplePage& p, QString SampleRow::*field) {
    QStringList out;
    for (const SampleRow& r : p.rows)
        out << r.*field;
    return out.join(u'|');
}

// The desired variance, then the optimal and the proportional totals of the
// designs of 2, 3 and 4 strata.
QString equations(const SamplePage& p) {
    return p.desiredVariance + u' ' +
           QStringList(p.optimalEquations.begin() + 1, p.optimalEquations.end()).join(u'|') + u' ' +
           QStringList(p.proportionalEquations.begin() + 1, p.proportionalEquations.end())
               .join(u'|');
}

// Rows 1 to 4 of an allocation grid ("total|stratum|samples|length") joined by
// "/", then the total length.
QString allocation(const std::array<std::array<QString, 4>, 5>& g, const QString& total) {
    QStringList out;
    for (std::size_t r = 1; r <= 4; ++r)
        out << QStringList(g[r].begin(), g[r].end()).join(u'|');
    return out.join(u'/') + u' ' + total;
}

TEST(CombinedSampleSize, TwoStrataFromStratumRowsToTransectLengths) {
    const SamplePage p = samplePage(twoStrata());
    EXPECT_FALSE(p.error);
    EXPECT_EQ(column(p, &SampleRow::weight) + u' ' + column(p, &SampleRow::plotLength) + u' ' +
                  column(p, &SampleRow::stdDev),
              u"0.25|0.75|| 25|50|| 4|6||"_s);
    // V = (20 x 0.2 / 2)^2 = 4; optimal (0.25 x 4 + 0.75 x 6)^2 / ((0.25 x 16 +
    // 0.75 x 36) / 400 + 4) = 30.25 / 4.0775 = 7.42; proportional 2^2 x 31 /
    // (0.2 x 20)^2 = 124 / 16 = 7.75.
    EXPECT_EQ(equations(p), u"4 7.42|| 7.75||"_s);
    // Optimal: 7 samples by N x S = 400 and 1800: 1.27 -> 2 and 5.73 -> 6, of 25
    // and 50; strata not in use get 0 samples. Proportional: 8 by the weights.
    EXPECT_EQ(allocation(p.optimal, p.optimalTotalLength), u"7|1|2|50/|2|6|300/|3|0|/|4|0| 350"_s);
    EXPECT_EQ(allocation(p.proportional, p.proportionalTotalLength),
              u"8|1|2|50/|2|6|300/|3|0|/|4|0| 350"_s);
}

TEST(CombinedSampleSize, TotalsRoundHalvesToEvenAndAllocateByTheShownWeights) {
    // 2^2 x (0.25 x V + 0.75 x V) / 16: V = 50 gives 12.5, V = 54 gives 13.5.
    for (const auto& [variance, total] : {std::pair{u"50"_s, u"12"_s}, {u"54"_s, u"14"_s}}) {
        SampleInputs in = twoStrata();
        in.strata[0].variance = in.strata[1].variance = variance;
        EXPECT_EQ(samplePage(in).proportional[1][ColTotal], total);
    }
    SampleInputs in = twoStrata();
    in.strata[0].size = u"1"_s;
    in.strata[1].size = u"2"_s;
    in.totalSize = u"3"_s;
    SamplePage p = samplePage(in);
    // 4 x (0.333 x 16 + 0.667 x 36) / 16 = 4 x 29.34 / 16 = 7.335 -> 7;
    // 0.333 x 7 = 2.331 -> 3, 0.667 x 7 = 4.669 -> 5.
    EXPECT_EQ(column(p, &SampleRow::weight) + u' ' + p.proportionalEquations[1],
              u"0.333|0.667|| 7.34"_s);
    EXPECT_EQ(allocation(p.proportional, p.proportionalTotalLength),
              u"7|1|3|75/|2|5|250/|3|0|/|4|0| 325"_s);

    // Three strata: 1 and 2: 4 x (0.2 x 16 + 0.6 x 36) / 16 = 4 x 24.8 / 16 = 6.2;
    // 1 to 3: 4 x (24.8 + 3.2) / 16 = 7. Then 0.2 x 7 = 1.4 -> 2, 0.6 x 7 = 4.2 -> 5,
    // 2 of 25, 5 of 50 and 2 of 100: 500.
    in = twoStrata();
    in.strata[2] = {u"East"_s, u"100"_s, u"Transect"_s, u"16"_s};
    in.totalSize = u"500"_s;
    p = samplePage(in);
    EXPECT_EQ(column(p, &SampleRow::weight) + u' ' + p.proportionalEquations[1] + u'|' +
                  p.proportionalEquations[2],
              u"0.2|0.6|0.2| 6.2|7"_s);
    EXPECT_EQ(allocation(p.proportional, p.proportionalTotalLength),
              u"7|1|2|50/|2|5|250/|3|2|200/|4|0| 500"_s);
}

TEST(CombinedSampleSize, WhatCannotBeComputedStaysEmpty) {
    SampleInputs in = twoStrata();
    in.estimate.clear(); // no mean: no totals
    SamplePage p = samplePage(in);
    EXPECT_FALSE(p.error);
    EXPECT_EQ(column(p, &SampleRow::stdDev) + u' ' + equations(p), u"4|6||  || ||"_s);
    EXPECT_EQ(QStringList(p.optimal[1].begin(), p.optimal[1].end()).join(u'|') +
                  p.optimalTotalLength,
              u"|1||"_s);

    in = twoStrata();
    in.strata[1].name.clear(); // one stratum: no total, no allocation
    in.totalSize = u"100"_s;
    p = samplePage(in);
    EXPECT_EQ(column(p, &SampleRow::weight), u"1|||"_s);
    EXPECT_EQ(p.optimal[1][ColTotal] + p.optimal[1][ColSamples] + p.proportional[1][ColSamples],
              QString());

    in = twoStrata();
    in.strata[1].level.clear(); // an unknown level: no lengths
    p = samplePage(in);
    EXPECT_EQ(column(p, &SampleRow::plotLength), u"25|||"_s);
    EXPECT_EQ(allocation(p.optimal, p.optimalTotalLength), u"7|1|2|50/|2|6|/|3|0|/|4|0| 50"_s);

    in = twoStrata();
    in.tValue = u"0"_s;
    EXPECT_EQ(equations(samplePage(in)), u" || 0||"_s);

    in = twoStrata();
    in.strata[0].variance = u"-16"_s; // ends the page with error 5
    p = samplePage(in);
    ASSERT_TRUE(p.error);
    EXPECT_EQ(p.error->number(), err::InvalidCall);
    EXPECT_EQ(column(p, &SampleRow::plotLength) + u' ' + column(p, &SampleRow::stdDev) + u' ' +
                  p.rows[1].stratum + p.desiredVariance,
              u"25||| ||| "_s);
}

} // namespace
} // namespace vernalt::combined
