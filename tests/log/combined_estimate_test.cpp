// The Parameter Estimates and Sample Sizes pages of the combined design, worked
// by hand.
#include "log/combined_estimate.h"
#include "log/combined_sample_size.h"
#include "support/texts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::combined {
namespace {

// The page of the stratum rows "name|size|estimate|variance|sample size",
// separated by "/", with t = 1.67; shown as "total size|total samples|weights",
// then "means|variances" of the running rows 1 to 3, then
// "estimate|variance|S|bound|upper|lower|precision", then the error number.
QString page(const char* rows) {
    EstimateInputs in;
    const QStringList strata = QString::fromLatin1(rows).split(u'/');
    for (qsizetype h = 0; h < strata.size(); ++h) {
        const QStringList s = strata[h].split(u'|');
        in.strata[std::size_t(h)] = {s[0], s[1], s[2], s[3], s[4]};
    }
    in.tValue = u"1.67"_s;
    const EstimatePage p = estimatePage(in);
    const auto join = [](auto first, auto last) { return QStringList(first, last).join(u'|'); };
    return join(&p.totalSize, &p.totalSamples + 1) + u'|' +
           join(p.weights.begin(), p.weights.end()) + u' ' +
           join(p.means.begin() + 1, p.means.end()) + u'|' +
           join(p.variances.begin() + 1, p.variances.end()) + u' ' +
           QStringList{p.estimate,   p.variance,   p.standardError, p.bound,
                       p.upperLimit, p.lowerLimit, p.precision}
               .join(u'|') +
           u' ' + QString::number(p.error ? p.error->number() : 0);
}

TEST(CombinedEstimate, WorkedPages) {
    const struct {
        const char *rows, *shown;
    } cases[] = {
        // Weights 150.4 / 400.8 = 0.37525 and 0.62475; mean (150.4 x 10 + 250.4 x
        // 20) / 400.8 = 16.2475; variance 0.375^2 x 4 / 5 + 0.625^2 x 9 / 10 = 0.1125
        // + 0.3515625 = 0.464; S = 0.68118; B = 1.67 x 0.681 = 1.13727; limits 16.2 +-
        // 1.14; precision 1.14 / 16.2 = 7.037 %: the page chains through the shown texts.
        {"North|150.4|10|4|5/South|250.4|20|9|10",
         "400.8|15|0.375|0.625|| 16.2|||0.464|| 16.2|0.464|0.681|1.14|17.3|15.1|7.04 0"},
        // Sizes without commas and dollars: (1500 x 10 + 500 x 20) / 2000 = 12.5;
        // 0.75^2 x 4 / 5 + 0.25^2 x 9 / 10 = 0.45 + 0.05625 = 0.50625 shown 0.506;
        // S = 0.711; B = 1.19; 1.19 / 12.5.
        {"North|$1,500|10|4|5/South|500|20|9|10",
         "2000|15|0.75|0.25|| 12.5|||0.506|| 12.5|0.506|0.711|1.19|13.7|11.3|9.52 0"},
        // An unnamed row takes no part.
        {"North|150.4|10|4|5/South|250.4|20|9|10/|100|50|1|1",
         "400.8|15|0.375|0.625|| 16.2|||0.464|| 16.2|0.464|0.681|1.14|17.3|15.1|7.04 0"},
        // A running row skips an unnamed row below it.
        {"North|150.4|10|4|5/|250.4|20|9|10/East|250.4|20|9|10",
         "400.8|15|0.375||0.625| |16.2|||0.464| 16.2|0.464|0.681|1.14|17.3|15.1|7.04 0"},
        // A sample size of 0 leaves the variance empty; 5 + 0 samples.
        {"North|150.4|10|4|5/South|250.4|20|9|0", "400.8|5|0.375|0.625|| 16.2||||| 16.2|||||| 0"},
        // An empty estimate leaves the mean and the limits empty; B = 1.67 x 0.681.
        {"North|150.4||4|5/South|250.4|20|9|10",
         "400.8|15|0.375|0.625|| |||0.464|| |0.464|0.681|1.14||| 0"},
        // A named stratum without a size leaves its running row empty.
        {"North|150.4|10|4|5/South||20|9|10", "150.4|15|1||| ||||| |||||| 0"},
        // All estimates 0 give a precision of 0.
        {"North|150.4|0|4|5/South|250.4|0|9|10",
         "400.8|15|0.375|0.625|| 0|||0.464|| 0|0.464|0.681|1.14|1.14|-1.14|0 0"},
        // A negative estimate gives a precision of 0; negative figures keep 4 decimals:
        // -16.2475 +- 1.14.
        {"North|150.4|-10|4|5/South|250.4|-20|9|10",
         "400.8|15|0.375|0.625|| -16.2475|||0.464|| "
         "-16.2475|0.464|0.681|1.14|-15.1075|-17.3875|0 0"},
        // Without names the page is empty.
        {"|150.4|10|4|5/|250.4|20|9|10", "||||| ||||| |||||| 0"},
        // A size that is no number leaves the total and the weights empty.
        {"North|150.4|10|4|5/South|big|20|9|10", "|15|||| ||||| |||||| 0"},
        // One named stratum has no stratified estimate.
        {"North|150.4|10|4|5/|250.4|20|9|10", "150.4|5|1||| ||||| |||||| 0"},
        // 0.140625 x -100 / 5 + 0.3515625 = -2.4609375: a negative stratified
        // variance ends the page with error 5.
        {"North|150.4|10|-100|5/South|250.4|20|9|10",
         "400.8|15|0.375|0.625|| 16.2|||-2.4609|| 16.2|-2.4609||||| 5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page(c.rows).toStdString(), c.shown) << c.rows;
}

// ---- Sample Sizes ------------------------------------------------------------

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
    // V = (20 x 0.2 / 2)^2 = 4; optimal (0.25 x 4 + 0.75 x 6)^2 / ((0.25 x 16 +
    // 0.75 x 36) / 400 + 4) = 30.25 / 4.0775 = 7.42; proportional 2^2 x 31 /
    // (0.2 x 20)^2 = 124 / 16 = 7.75.
    // Optimal: 7 samples by N x S = 400 and 1800: 1.27 -> 2 and 5.73 -> 6, of 25
    // and 50; strata not in use get 0 samples. Proportional: 8 by the weights.
    EXPECT_EQ(rows(p) + u' ' + equations(p) + u' ' + allocation(p.optimal, p.optimalTotalLength) +
                  u' ' + allocation(p.proportional, p.proportionalTotalLength) +
                  (p.error ? u" error"_s : QString()),
              u"0.25|0.75|| 25|50|| 4|6|| 4 7.42|| 7.75|| 7|1|2|50/|2|6|300/|3|0|/|4|0| 350 "
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
