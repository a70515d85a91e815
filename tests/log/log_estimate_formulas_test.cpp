// The formulas of the log window's estimates and sample size, and the single,
// stratified and sample-size pages they fill, with numbers worked out by hand.
// The line-intersect factors are worked in log_stats_test, through the
// statistics that use them.
#include "log/log_estimate_formulas.h"
#include "log/log_sample_size_plan.h"
#include "log/log_single_estimate.h"
#include "log/log_stratified_estimate.h"
#include "support/error_of.h"
#include "support/texts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

using test::errorOf;
constexpr bool LIM = true, SPM = false, Metric = true, English = false;

// Cases give the used levels and the distances of the four levels.
TEST(LogAutomaticLevel, TakesTheShortestRoundedDistanceOfTheUsedLevels) {
    using D = std::array<QString, 4>;
    const struct {
        std::array<bool, 4> used;
        D distances;
        int level;
    } cases[] = {
        {{1, 1, 1, 1}, {u"120"_s, u"95"_s, u"95"_s, u"110"_s}, 2}, // the first of two equal minima
        {{0, 1, 1, 1}, {u""_s, u"800"_s, u"650"_s, u""_s}, 3},     // an unused level is passed over
        {{1, 1, 0, 0}, {u"12.3"_s, u"12.3"_s}, 1}, // 12.3 ties with 12.3, compared in double
        {{0, 1, 1, 0}, {}, 3},                     // no distance: the last used level
        {{0, 0, 0, 0}, {u"5"_s, u"4"_s, u"3"_s, u"2"_s}, 0}, // no level used
        {{1, 1, 1, 1}, {u""_s, u"500"_s}, 2},        // a used level without distance gives way
        {{1, 1, 0, 0}, {u"150.4"_s, u"150.2"_s}, 2}, // the later distance is compared rounded
        {{1, 1, 0, 0}, {u"150"_s, u"151"_s}, 1},     // a longer later distance keeps the first
    };
    for (const auto& c : cases)
        EXPECT_EQ(automaticLevel(c.used, c.distances), c.level) << c.distances[0].toStdString();
}

TEST(LogFormulas, LevelNamesAndBoundsOfNoUnits) {
    EXPECT_EQ(levelOfName(u"SubSegment"_s), 0); // in any case
    EXPECT_EQ(levelOfName(u"transect"_s), 3);
    EXPECT_EQ(levelOfName(u"Section "_s), -1);
    // The bounds' figures and the square root of a negative: the single estimates.
    EXPECT_EQ(errorOf([] { stripBound(2, 400, 16, 0.028, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { lineBound(2, 400, 0); }), err::DivisionByZero);
}

// ---- Single-stratum estimate ------------------------------------------------------------

// Inputs "method|units|formula|level|length|average|deviation|variance|units
// counted|mean metric|mean English|t|landscape area"; shown "the equation row
// joined by '|', then metric, English, standard error, bound, upper and lower
// limits, precision", then the error that ended the estimate.
QString shown(const char* inputs) {
    const QStringList s = QString::fromLatin1(inputs).split(u'|');
    const SingleEstimate e =
        singleEstimate({s[0] == u"LIM"_s, s[1] == u"metric"_s, logcap::formulaOfCaption(s[2]), s[3],
                        s[4].toFloat(), s[5], s[6], s[7], s[8], s[9], s[10], s[11], s[12]});
    return QStringList(e.row.begin(), e.row.end()).join(u'|') + u' ' +
           QStringList{e.metricFigure, e.englishFigure, e.standardError, e.bound,
                       e.upperLimit,   e.lowerLimit,    e.precision}
               .join(u'|') +
           u' ' + QString::number(e.error ? e.error->number() : 0);
}

TEST(LogSingleEstimate, WorkedExamples) {
    const struct {
        const char *inputs, *shown;
    } cases[] = {
        // SE = sqrt(400 / 16) = 5; B = 2 x 5; limits 100 +- 10; precision 10 / 100; 100 x 0.405.
        {"LIM|metric|Density|Transect|1000|5|3|400|16|100|40.5|2|",
         "Transect|1000|5|3|100|400|16| 100|40.5|5|10|110|90|10 0"},
        // A t-value that is a word leaves the bound empty.
        {"LIM|metric|Density|Transect|1000|5|3|400|16|100|40.5|two|",
         "Transect|1000|5|3|100|400|16| 100|40.5|5|||| 0"},
        // 40.5 / 0.405 = 100, and back 100 x 0.405 = 40.5.
        {"LIM|English|Density|Segment|200|1|0|0|16|99|40.5|2|5000",
         "Segment|200|1|0|40.5|0|16| 100|40.5|0|0|40.5|40.5|0 0"},
        // The English figure comes back from the rounded metric one: 10 / 0.446 = 22.42
        // shown 22.4, and 22.4 x 0.446 = 9.9904 shown 9.99.
        {"LIM|English|Weight|Segment|200|1|0|0|16|99|10|2|5000",
         "Segment|200|1|0|10|0|16| 22.4|9.99|0|0|9.99|9.99|0 0"},
        // 100 ft x 12 = 1200 ft^2 = 0.0275 ac shown 0.028; B = 2 x 5 x sqrt(1 - 16 x
        // 0.028 / 100) = 9.978: the 16 plots, not one, are the sampled share.
        {"SPM|English|Density|Section|100|5|3|400|16|100|40.5|2.00|100",
         "Section|1200|0.028|5|3|40.5|400|16 100|40.5|5|9.98|50.5|30.5|24.6 0"},
        // Before any statistics: 12.5 m x 4 = 50 m^2 = 0.005 ha; an area that is a word
        // is not read.
        {"SPM|metric|Volume|Subsegment|12.5||||||||abc",
         "Subsegment|50|0.005||||| 0|0|0|0|0|0|0 0"},
        // 200 m x 4 = 800 m^2 = 0.08 ha; no landscape area: no bound.
        {"SPM|metric|Density|Transect|200|5|3|400|16|100|40.5|2|",
         "Transect|800|0.08|5|3|100|400|16 100|40.5|5|||| 0"},
        // 16 x 0.08 ha > 1 ha: the square root of a negative ends the estimate.
        {"SPM|metric|Density|Transect|200|5|3|400|16|100|40.5|2|1",
         "Transect|800|0.08|5|3|100|400|16 100||5|||| 5"},
        // A line-intersect tally counts in a strip 4 m wide: 25 x 4 m = 0.01 ha of 0.1 ha.
        // SE = sqrt(266256 / 4) = 258; B = 1.67 x 258 x sqrt(1 - 4 x 0.01 / 0.1) = 333.7;
        // 900 +- 334; 334 / 900 = 37.1 %; 900 x 0.405 = 364.5, half to even 364.
        {"LIM|metric|Tally|Segment|25|9|5.16|266256|4|900|364|1.67|0.1",
         "Segment|25|9|5.16|900|266256|4| 900|364|258|334|1234|566|37.1 0"},
        // Percent cover has one unit: SE = sqrt(4 / 25) = 0.4; B = 0.8; 0.8 / 12.5.
        {"LIM|English|Percent Cover|Subsegment|50|0.2|0.1|4|25|12.5||2|",
         "Subsegment|50|0.2|0.1|12.5|4|25| 12.5||0.4|0.8|13.3|11.7|6.4 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.inputs), QLatin1String(c.shown)) << c.inputs;
}

// ---- Stratified estimate ------------------------------------------------------------

// A stratum measured at `level` (1 to 4) of that length, with the statistics
// "average|deviation|variance|units counted|mean metric|mean English".
StratumInputs at(int level, float length, const QString& stats) {
    static const QString names[4] = {u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s};
    const QStringList s = stats.split(u'|');
    return {level, names[level - 1], length, s[0], s[1], s[2], s[3], s[4], s[5]};
}

StratifiedEstimate estimate(bool lim, bool metric, Formula f, const std::array<QString, 4>& sizes,
                            const std::array<StratumInputs, 4>& strata) {
    return stratifiedEstimate(
        {lim, metric, f, false, readStratumSizes(sizes), strata, u"2"_s}); // t = 2
}

// The rows of the sheet joined by "/" ("-" for an empty row), each row's cells by
// "|", then the figures: metric and English estimate, variance, S, bound, upper
// and lower limit, precision; then "one" when one stratum is no stratified design.
QString shown(const StratifiedEstimate& e) {
    QStringList rows;
    for (const auto& row : e.rows) {
        const QString cells = QStringList(row.begin(), row.end()).join(u'|');
        rows << (cells == QString(11, u'|') ? u"-"_s : cells);
    }
    return rows.join(u'/') + u' ' +
           QStringList{e.metricFigure, e.englishFigure, e.variance,   e.standardError,
                       e.bound,        e.upperLimit,    e.lowerLimit, e.precision}
               .join(u'|') +
           (e.tooFewStrata ? u" one"_s : QString()) + (e.error ? u" error"_s : QString());
}

TEST(LogStratifiedEstimate, WorkedExamples) {
    // Two line-intersect strata at the Transect level.
    const StratumInputs one = at(4, 1000, u"2|1|6400|4|80|32.4"_s);
    const StratumInputs two = at(4, 1000, u"3|2|2500|5|50|20.3"_s);
    const StratumInputs oneFt = at(4, 3000, u"2|1|6400|4|80|32.4"_s);
    const StratumInputs twoFt = at(4, 3000, u"3|2|2500|5|50|20.3"_s);
    const struct {
        StratifiedEstimate e;
        QString shown;
    } cases[] = {
        // Two line-intersect strata. The figures chain through the shown texts.
        // Mean (60 x 80 + 40 x 50) / 100 = 68; variance 0.36 x 6400 / 4 + 0.16 x
        // 2500 / 5 = 656; S = sqrt(656) = 25.6; B = 2 x 25.6 = 51.2; 68 x 0.405 = 27.54;
        // 68 +- 51.2; 51.2 / 68 = 75.3 %.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|0.6|4|||/2|Transect|1000|3|2|50|2500|0.4|5|68|656|/-/- "
         u"68|27.5|656|25.6|51.2|119|16.8|75.3"_s},
        // The total is the sum of the unrounded sizes.
        // 10.37 / 15.37 = 0.6747 and 5 / 15.37 = 0.3253; mean 1079.6 / 15.37 = 70.24;
        // variance 0.675^2 x 1600 + 0.325^2 x 500 = 729 + 52.8 = 781.8; S = 27.96
        // shown 28, B = 56; 70.2 x 0.405 = 28.43; 70.2 +- 56; 56 / 70.2 = 79.77 %.
        {estimate(LIM, Metric, logcap::Density, {u"10.37"_s, u"5"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|0.675|4|||/2|Transect|1000|3|2|50|2500|0.325|5|70.2|782|"
         u"/-/- 70.2|28.4|782|28|56|126|14.2|79.8"_s},
        // A stratum without a size takes no part.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s, {}, u"40"_s}, {one, two, two}),
         u"1|Transect|1000|2|1|80|6400|0.6|4|||/-/3|Transect|1000|3|2|50|2500|0.4|5|68|656|/- "
         u"68|27.5|656|25.6|51.2|119|16.8|75.3"_s},
        // Two strip-plot strata correct for their sampled share.
        // 12.5 m x 4 = 50 m^2 = 0.005 ha; 2 / 50 x 10000 = 400 and 600 logs/ha; mean
        // (60 x 400 + 40 x 600) / 100 = 480; variance 0.36 x 40000 / 4 x (1 - 4 / 12000)
        // + 0.16 x 90000 / 5 x (1 - 5 / 8000) = 6477; S = 80.48, B = 161; 480 x 0.405.
        {estimate(SPM, Metric, logcap::Density, {u"60"_s, u"40"_s},
                  {at(1, 12.5f, u"2|1|40000|4||"_s), at(1, 12.5f, u"3|2|90000|5||"_s)}),
         u"1|Subsegment|50|0.005|2|1|400|40000|0.6|4||/"
         u"2|Subsegment|50|0.005|3|2|600|90000|0.4|5|480|6477/-/- "
         u"480|194|6477|80.5|161|641|319|33.5"_s},
        // English means are converted to metric.
        // (60 x 32.4 + 40 x 20.3) / 100 = 27.56 shown 27.6; 27.6 / 0.405 = 68.1;
        // 68.1 x 0.405 = 27.58 shown 27.6; limits and precision around it.
        {estimate(LIM, English, logcap::Density, {u"60"_s, u"40"_s}, {oneFt, twoFt}),
         u"1|Transect|3000|2|1|32.4|6400|0.6|4|||/2|Transect|3000|3|2|20.3|2500|0.4|5|27.6|656|"
         u"/-/- 68.1|27.6|656|25.6|51.2|78.8|-23.6|186"_s},
        // English strip-plot weights are pounds per plot and tons per acre.
        // 600 lb / 1200 ft^2 x 43560 / 2000 = 10.89 tons/ac; no deviation gives 0.
        // Variance 0.36 x 1 / 4 x (1 - 4 / (60 / 0.028)) = 0.0898, shown in the
        // sheet 0.09: S = 0.3, B = 0.6. 6.54 / 0.446 = 14.66 shown 14.7, and back
        // 14.7 x 0.446 = 6.556 shown 6.56; 6.56 +- 0.6; 0.6 / 6.56 = 9.146 %.
        {estimate(SPM, English, logcap::Weight, {u"60"_s, u"40"_s},
                  {at(1, 100, u"600|10|1|4||"_s), at(1, 100, u"0|0|0|4||"_s)}),
         u"1|Subsegment|1200|0.028|600|10|10.9|1|0.6|4||/"
         u"2|Subsegment|1200|0.028|0|0|0|0|0.4|4|6.54|0.09/-/- "
         u"14.7|6.56|0.09|0.3|0.6|7.16|5.96|9.15"_s},
        // English line-intersect percent cover has one unit.
        // The length column shows 3000 x 12; the metric means, unconverted.
        {estimate(LIM, English, logcap::PercentCover, {u"60"_s, u"40"_s}, {oneFt, twoFt}),
         u"1|Transect|36000|2|1|80|6400|0.6|4|||/2|Transect|36000|3|2|50|2500|0.4|5|68|656|/-/- "
         u"68||656|25.6|51.2|119|16.8|75.3"_s},
        // One stratum is no stratified design.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|1|4|||/-/-/- ||||||| one"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.e), c.shown);
    EXPECT_EQ(cases[6].e.englishShown, false) << "percent cover has no English figure";
}

// "1,200" and "$5" are numbers once the commas and dollars go.
TEST(LogStratumSizes, AreNumbersOnceCommasAndDollarsGo) {
    const StratumSizes sizes = readStratumSizes({u"1,200"_s, u"$5"_s, u"forty"_s, {}});
    EXPECT_EQ(sizes.values, (std::array<std::optional<double>, 4>{1200, 5, {}, {}}));
}

// ---- Sample size ------------------------------------------------------------

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
template <std::size_t N> QString gridRows(const std::array<std::array<QString, N>, 5>& grid) {
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
        QString sheet0, rest; // sheet 1, optimal and proportional grids, lengths, error
    } cases[] = {
        // F = 15708 / 1000 = 15.708: means 31.4 and 47.1, deviations 15.7 and 31.4,
        // variances 15.7^2 = 246 and 31.4^2 = 986; D = (0.2 x 68 / 2)^2 = 46.24.
        // Optimal: (0.6 x 15.7 + 0.4 x 31.4)^2 / (46.2 + 542 / 100) = 483.12 / 51.62
        // = 9.36; proportional: 2^2 x 542 / 13.6^2 = 11.72. Units 9 x 942 / 2198 =
        // 3.86 and 9 x 1256 / 2198 = 5.14 rounded up; 12 x 0.6 and 12 x 0.4.
        {"two strata",
         plan(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, 100, two, u"68"_s, {}),
         u"1|60|0.6|Transect|1000|2|/2|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|46.2||/2|47.1|31.4|986||9.36|11.7 9|1|4|4000/|2|6|6000/|3||/|4|| "
         u"12|1|8|8000/|2|5|5000/|3||/|4|| 10000|13000 0"_s},
        {"a stratum not in use is left out of the sums",
         plan(LIM, Metric, logcap::Density, {u"60"_s, {}, u"40"_s}, 100,
              u"1|Transect|2|1/|||/3|Transect|3|2"_s, u"68"_s, {}),
         u"1|60|0.6|Transect|1000|2|/||||||/3|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|46.2||/||||||/2|47.1|31.4|986||9.36|11.7 9|1|4|4000/|2||/|3|6|6000/"
         u"|4|| 12|1|8|8000/|2||/|3|5|5000/|4|| 10000|13000 0"_s},
        {"a zero t-value ends the page",
         plan(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, 100, two, u"68"_s, {}, u"0"_s),
         u"1|60|0.6|Transect|1000|2|/2|40|0.4|Transect|1000|3|"_s,
         u"1|31.4|15.7|246|||/2|47.1|31.4|986||| |1||/|2||/|3||/|4|| |1||/|2||/|3||/|4|| | 11"_s},
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
         u"1|72.6|36.3|1318|7.62||/2|109|72.6|5271||70.5|381 70|1|30|3000/|2|40|4000/|3||/|4|| "
         u"381|1|229|22900/|2|153|15300/|3||/|4|| 7000|38200 0"_s},
        // 50 m x 4 = 200 m^2 = 0.02 ha; G = 10000: means 2 / 200 x 10000 = 100 and 150,
        // deviations 50 and 100, variances 2500 and 10000; D = (0.2 x 480 / 2)^2 = 2304.
        // Optimal (0.6 x 50 + 0.4 x 100)^2 / (2304 + 5500 / 100) = 4900 / 2359 = 2.08,
        // 2 units: 2 x 3000 / 7000 = 0.86 and 2 x 4000 / 7000 = 1.14, rounded up;
        // proportional 2^2 x 5500 / 96^2 = 2.39, 2 units: 2 x 0.6 and 2 x 0.4.
        {"strip plots use the area of their strip",
         plan(SPM, Metric, logcap::Density, {u"60"_s, u"40"_s}, 100,
              u"1|Subsegment|2|1/2|Subsegment|3|2"_s, u"480"_s, {}),
         u"1|60|0.6|Subsegment|200|0.02|2/2|40|0.4|Subsegment|200|0.02|3"_s,
         u"1|100|50|2500|2304||/2|150|100|10000||2.08|2.39 2|1|1|50/|2|2|100/|3||/|4|| "
         u"2|1|2|100/|2|1|50/|3||/|4|| 150|150 0"_s},
        // One stratum: its row and no design; the stratified figures are empty.
        {"one stratum", plan(LIM, Metric, logcap::Density, {u"60"_s}, 60, two, {}, {}),
         u"1|60|1|Transect|1000|2|"_s,
         u"1|31.4|15.7|246|0|| |1||/|2||/|3||/|4|| |1||/|2||/|3||/|4|| | 0"_s},
    };
    for (const auto& c : cases) {
        const SamplePlan& p = c.p;
        EXPECT_EQ(gridRows(p.sheet0) + u' ' + gridRows(p.sheet1) + u' ' + gridRows(p.optimal) +
                      u' ' + gridRows(p.proportional) + u' ' + p.optimalLength + u'|' +
                      p.proportionalLength + u' ' +
                      QString::number(p.error ? p.error->number() : 0),
                  c.sheet0 + u' ' + c.rest)
            << c.name;
        EXPECT_EQ(p.tooFewStrata, c.sheet0.count(u'/') == 0) << c.name;
    }
}

} // namespace
} // namespace vernalt::logest
