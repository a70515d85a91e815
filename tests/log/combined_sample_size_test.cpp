// The Sample Sizes page of the combined design, worked by hand.
#include "log/combined_sample_size.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::combined {
namespace {

// The page of the stratum rows "name|size|level|variance" separated by "/",
// the mean, the total size and t; unit lengths 12.5, 25, 50 and 100.
SamplePage page(const char* rows, const QString& mean, const QString& total,
                const QString& t = u"2"_s) {
    SampleInputs in;
    const QStringList strata = QString::fromLatin1(rows).split(u'/');
    for (qsizetype h = 0; h < strata.size(); ++h) {
        const QStringList s = strata[h].split(u'|');
        in.strata[std::size_t(h)] = {s[0], s[1], s[2], s[3]};
    }
    in.estimate = mean;
    in.totalSize = total;
    in.tValue = t;
    in.levelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
    return samplePage(in);
}
// Two strata named with words: sizes 100 and 300 of 400 (weights 0.25 and
// 0.75), levels Segment (25) and Section (50), typed variances 16 and 36
// (S = 4 and 6), mean 20, t = 2.
const char* const TwoStrata = "North|100|Segment|16/South|300|Section|36";

// The weights, unit lengths and deviations of the four rows, each joined by "|".
QString rows(const SamplePage& p) {
    QStringList out;
    for (QString SampleRow::*field :
         {&SampleRow::weight, &SampleRow::plotLength, &SampleRow::stdDev}) {
        QStringList cells;
        for (const SampleRow& r : p.rows)
            cells << r.*field;
        out << cells.join(u'|');
    }
    return out.join(u' ');
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
    const SamplePage p = page(TwoStrata, u"20"_s, u"400"_s);
    EXPECT_FALSE(p.error);
    EXPECT_EQ(rows(p), u"0.25|0.75|| 25|50|| 4|6||"_s);
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
    EXPECT_EQ(
        page("N|100|Segment|50/S|300|Section|50", u"20"_s, u"400"_s).proportional[1][ColTotal] +
            u'|' +
            page("N|100|Segment|54/S|300|Section|54", u"20"_s, u"400"_s).proportional[1][ColTotal],
        u"12|14"_s);
    // 4 x (0.333 x 16 + 0.667 x 36) / 16 = 4 x 29.34 / 16 = 7.335 -> 7;
    // 0.333 x 7 = 2.331 -> 3, 0.667 x 7 = 4.669 -> 5.
    SamplePage p = page("North|1|Segment|16/South|2|Section|36", u"20"_s, u"3"_s);
    EXPECT_EQ(rows(p).section(u' ', 0, 0) + u' ' + p.proportionalEquations[1] + u' ' +
                  allocation(p.proportional, p.proportionalTotalLength),
              u"0.333|0.667|| 7.34 7|1|3|75/|2|5|250/|3|0|/|4|0| 325"_s);

    // Three strata: 1 and 2: 4 x (0.2 x 16 + 0.6 x 36) / 16 = 4 x 24.8 / 16 = 6.2;
    // 1 to 3: 4 x (24.8 + 3.2) / 16 = 7. Then 0.2 x 7 = 1.4 -> 2, 0.6 x 7 = 4.2 -> 5,
    // 2 of 25, 5 of 50 and 2 of 100: 500.
    p = page("North|100|Segment|16/South|300|Section|36/East|100|Transect|16", u"20"_s, u"500"_s);
    EXPECT_EQ(rows(p).section(u' ', 0, 0) + u' ' + p.proportionalEquations[1] + u'|' +
                  p.proportionalEquations[2] + u' ' +
                  allocation(p.proportional, p.proportionalTotalLength),
              u"0.2|0.6|0.2| 6.2|7 7|1|2|50/|2|5|250/|3|2|200/|4|0| 500"_s);
}

TEST(CombinedSampleSize, WhatCannotBeComputedStaysEmpty) {
    SamplePage p = page(TwoStrata, QString(), u"400"_s); // no mean: no totals
    EXPECT_FALSE(p.error);
    EXPECT_EQ(rows(p).section(u' ', 2) + u' ' + equations(p) + u' ' +
                  allocation(p.optimal, p.optimalTotalLength).section(u'/', 0, 0),
              u"4|6||  || || |1||"_s);
    p = page("North|100|Segment|16/|300|Section|36", u"20"_s, u"100"_s); // one stratum
    EXPECT_EQ(rows(p).section(u' ', 0, 0) + u' ' + p.optimal[1][ColTotal] +
                  p.optimal[1][ColSamples] + p.proportional[1][ColSamples],
              u"1||| "_s);
    p = page("North|100|Segment|16/South|300||36", u"20"_s, u"400"_s); // no level: no lengths
    EXPECT_EQ(rows(p).section(u' ', 1, 1) + u' ' + allocation(p.optimal, p.optimalTotalLength),
              u"25||| 7|1|2|50/|2|6|/|3|0|/|4|0| 50"_s);
    EXPECT_EQ(equations(page(TwoStrata, u"20"_s, u"400"_s, u"0"_s)), u" || 0||"_s);

    p = page("North|100|Segment|-16/South|300|Section|36", u"20"_s, u"400"_s);
    ASSERT_TRUE(p.error); // ends the page with error 5
    EXPECT_EQ(p.error->number(), err::InvalidCall);
    EXPECT_EQ(rows(p).section(u' ', 1) + u' ' + p.rows[1].stratum + p.desiredVariance,
              u"25||| ||| "_s);
}

} // namespace
} // namespace vernalt::combined
