// The Sample Size page of the log window, with figures worked out by hand.
#include "log/log_sample_size_plan.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

constexpr bool LIM = true, Metric = true, English = false;

// Strata 1 to 4 given as "stratum|level|average|deviation" rows of the
// stratified sheet, separated by "/"; t = 2 unless given.
SamplePlan plan(bool lim, bool metric, Formula f, const std::array<QString, 4>& sizes, double N,
                const QString& strata, const QString& metricMean, const QString& englishMean,
                const QString& t = u"2"_s) {
    PlanInputs in{lim, metric, f,          false,       readStratumSizes(sizes),
                  N,   {},     metricMean, englishMean, t};
    const QStringList rows = strata.split(u'/');
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList s = rows[i].split(u'|');
        in.strata[std::size_t(i)] = {s[0], s[1], s[2], s[3]};
    }
    in.levelLengths = metric ? std::array<float, 4>{50, 100, 500, 1000}
                             : std::array<float, 4>{100, 200, 300, 400};
    return samplePlan(in);
}

// Rows 1 to 4 of a grid joined by "/", trailing empty rows left out.
template <std::size_t N> QString rows(const std::array<std::array<QString, N>, 5>& grid) {
    QStringList out;
    for (std::size_t r = 1; r <= 4; ++r)
        out << QStringList(grid[r].begin(), grid[r].end()).join(u'|');
    while (!out.isEmpty() && out.last() == QString(qsizetype(N) - 1, u'|'))
        out.removeLast();
    return out.join(u'/');
}

TEST(LogSamplePlan, WorkedExamples) {
    const QString two = u"1|Transect|2|1/2|Transect|3|2"_s;
    const struct {
        const char* name;
        SamplePlan p;
        QString sheet0, sheet1, optimal, proportional, lengths;
        int error;
    } cases[] = {
        // F = 15708 / 1000 = 15.708: means 31.4 and 47.1, deviations 15.7 and 31.4,
        // variances 15.7^2 = 246 and 31.4^2 = 986; D = (0.2 x 68 / 2)^2 = 46.24.
        // Optimal: (0.6 x 15.7 + 0.4 x 31.4)^2 / (46.2 + 542 / 100) = 483.12 / 51.62
        // = 9.36; proportional: 2^2 x 542 / 13.6^2 = 11.72. Units 9 x 942 / 2198 =
        // 3.86 and 9 x 1256 / 2198 = 5.14 rounded up; 12 x 0.6 and 12 x 0.4.
        {"two strata",
         plan(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, 100, two, u"68"_s, {}),
         u"1|60|0.6|Transect|1000|2|/2|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|46.2||/2|47.1|31.4|986||9.36|11.7"_s,
         u"9|1|4|4000/|2|6|6000/|3||/|4||"_s, u"12|1|8|8000/|2|5|5000/|3||/|4||"_s,
         u"10000|13000"_s, 0},
        {"a stratum not in use is left out of the sums",
         plan(LIM, Metric, logcap::Density, {u"60"_s, {}, u"40"_s}, 100,
              u"1|Transect|2|1/|||/3|Transect|3|2"_s, u"68"_s, {}),
         u"1|60|0.6|Transect|1000|2|/||||||/3|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|46.2||/||||||/2|47.1|31.4|986||9.36|11.7"_s,
         u"9|1|4|4000/|2||/|3|6|6000/|4||"_s, u"12|1|8|8000/|2||/|3|5|5000/|4||"_s,
         u"10000|13000"_s, 0},
        {"a zero t-value ends the page",
         plan(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, 100, two, u"68"_s, {}, u"0"_s),
         u"1|60|0.6|Transect|1000|2|/2|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|||/2|47.1|31.4|986|||"_s, u"|1||/|2||/|3||/|4||"_s,
         u"|1||/|2||/|3||/|4||"_s, u"|"_s, err::DivisionByZero},
        // 100 ft x 12 = 1200 ft^2 = 0.0275... ac, unrounded; F = 43560 / 1200 = 36.3:
        // means 72.6 and 108.9, deviations 36.3 and 72.6, variances 1318 and 5271;
        // D = (0.2 x 27.6 / 2)^2 = 7.62. Optimal 50.82^2 / (7.62 + 2899.2 / 100) =
        // 70.54, 70 units (half to even): 70 x 2178 / 5082 = 30 and 40; proportional
        // 4 x 2899.2 / 5.52^2 = 380.6: 381 x 0.6 = 228.6 and 381 x 0.4 = 152.4.
        {"an English tally uses the strip of its level",
         plan(LIM, English, logcap::Tally, {u"60"_s, u"40"_s}, 100,
              u"1|Subsegment|2|1/2|Subsegment|3|2"_s, {}, u"27.6"_s),
         u"1|60|0.6|Subsegment|1200|0.0275482093663912|2/"
         u"2|40|0.4|Subsegment|1200|0.0275482093663912|3"_s,
         u"1|72.6|36.3|1318|7.62||/2|109|72.6|5271||70.5|381"_s,
         u"70|1|30|3000/|2|40|4000/|3||/|4||"_s, u"381|1|229|22900/|2|153|15300/|3||/|4||"_s,
         u"7000|38200"_s, 0},
        // One stratum: its row and no design; the stratified figures are empty.
        {"one stratum", plan(LIM, Metric, logcap::Density, {u"60"_s}, 60, two, {}, {}),
         u"1|60|1|Transect|1000|2|"_s, u"1|31.4|15.7|246|0||"_s, u"|1||/|2||/|3||/|4||"_s,
         u"|1||/|2||/|3||/|4||"_s, u"|"_s, 0},
    };
    for (const auto& c : cases) {
        const SamplePlan& p = c.p;
        EXPECT_EQ(rows(p.sheet0) + u' ' + rows(p.sheet1) + u' ' + rows(p.optimal) + u' ' +
                      rows(p.proportional) + u' ' + p.optimalLength + u'|' + p.proportionalLength,
                  c.sheet0 + u' ' + c.sheet1 + u' ' + c.optimal + u' ' + c.proportional + u' ' +
                      c.lengths)
            << c.name;
        EXPECT_EQ(p.tooFewStrata, c.sheet0.count(u'/') == 0) << c.name;
        EXPECT_EQ(p.error ? p.error->number() : 0, c.error) << c.name;
    }
}

} // namespace
} // namespace vernalt::logest
