// The stratified estimate of the log window, with figures worked out by hand.
#include "log/log_stratified_estimate.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

constexpr bool LIM = true, SPM = false, Metric = true, English = false;

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

// The rows of the sheet joined by "/" ("-" for an empty row), each row's cells by "|".
QString rows(const StratifiedEstimate& e) {
    QStringList out;
    for (const auto& row : e.rows) {
        const QString cells = QStringList(row.begin(), row.end()).join(u'|');
        out << (cells == QString(11, u'|') ? u"-"_s : cells);
    }
    return out.join(u'/');
}

// The figures joined by "|": metric and English estimate, variance, S, bound,
// upper and lower limit, precision.
QString figures(const StratifiedEstimate& e) {
    return QStringList{e.metricFigure, e.englishFigure, e.variance,   e.standardError,
                       e.bound,        e.upperLimit,    e.lowerLimit, e.precision}
        .join(u'|');
}

TEST(LogStratifiedEstimate, WorkedExamples) {
    // Two line-intersect strata at the Transect level.
    const StratumInputs one = at(4, 1000, u"2|1|6400|4|80|32.4"_s);
    const StratumInputs two = at(4, 1000, u"3|2|2500|5|50|20.3"_s);
    const StratumInputs oneFt = at(4, 3000, u"2|1|6400|4|80|32.4"_s);
    const StratumInputs twoFt = at(4, 3000, u"3|2|2500|5|50|20.3"_s);
    const struct {
        StratifiedEstimate e;
        QString rows, figures; // an empty text is not checked
    } cases[] = {
        // Two line-intersect strata.
        // Mean (60 x 80 + 40 x 50) / 100 = 68; variance 0.36 x 6400 / 4 + 0.16 x
        // 2500 / 5 = 656; S = sqrt(656) = 25.6; B = 2 x 25.6 = 51.2; 68 x 0.405 = 27.54.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s, u"40"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|0.6|4|||/2|Transect|1000|3|2|50|2500|0.4|5|68|656|/-/-"_s,
         u"68|27.5|656|25.6|51.2|119|16.8|75.3"_s},
        // The total is the sum of the unrounded sizes.
        // 10.37 / 15.37 = 0.6747 and 5 / 15.37 = 0.3253; mean 1079.6 / 15.37 = 70.24;
        // variance 0.675^2 x 1600 + 0.325^2 x 500 = 729 + 52.8.
        {estimate(LIM, Metric, logcap::Density, {u"10.37"_s, u"5"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|0.675|4|||/2|Transect|1000|3|2|50|2500|0.325|5|70.2|782|/-/-"_s,
         {}},
        // A stratum without a size takes no part.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s, {}, u"40"_s}, {one, two, two}),
         u"1|Transect|1000|2|1|80|6400|0.6|4|||/-/3|Transect|1000|3|2|50|2500|0.4|5|68|656|/-"_s,
         u"68|27.5|656|25.6|51.2|119|16.8|75.3"_s},
        // Two strip-plot strata correct for their sampled share.
        // 12.5 m x 4 = 50 m^2 = 0.005 ha; 2 / 50 x 10000 = 400 and 600 logs/ha; mean
        // (60 x 400 + 40 x 600) / 100 = 480; variance 0.36 x 40000 / 4 x (1 - 4 / 12000)
        // + 0.16 x 90000 / 5 x (1 - 5 / 8000) = 6477; S = 80.48, B = 161; 480 x 0.405.
        {estimate(SPM, Metric, logcap::Density, {u"60"_s, u"40"_s},
                  {at(1, 12.5f, u"2|1|40000|4||"_s), at(1, 12.5f, u"3|2|90000|5||"_s)}),
         u"1|Subsegment|50|0.005|2|1|400|40000|0.6|4||/"
         u"2|Subsegment|50|0.005|3|2|600|90000|0.4|5|480|6477/-/-"_s,
         u"480|194|6477|80.5|161|641|319|33.5"_s},
        // English means are converted to metric.
        // (60 x 32.4 + 40 x 20.3) / 100 = 27.56 shown 27.6; 27.6 / 0.405 = 68.1;
        // 68.1 x 0.405 = 27.58 shown 27.6; limits and precision around it.
        {estimate(LIM, English, logcap::Density, {u"60"_s, u"40"_s}, {oneFt, twoFt}),
         u"1|Transect|3000|2|1|32.4|6400|0.6|4|||/2|Transect|3000|3|2|20.3|2500|0.4|5|27.6|656|/-/-"_s,
         u"68.1|27.6|656|25.6|51.2|78.8|-23.6|186"_s},
        // English strip-plot weights are pounds per plot and tons per acre.
        // 600 lb / 1200 ft^2 x 43560 / 2000 = 10.89 tons/ac; no deviation gives 0.
        // Variance 0.36 x 1 / 4 x (1 - 4 / (60 / 0.028)) = 0.0898.
        {estimate(SPM, English, logcap::Weight, {u"60"_s, u"40"_s},
                  {at(1, 100, u"600|10|1|4||"_s), at(1, 100, u"0|0|0|4||"_s)}),
         u"1|Subsegment|1200|0.028|600|10|10.9|1|0.6|4||/"
         u"2|Subsegment|1200|0.028|0|0|0|0|0.4|4|6.54|0.09/-/-"_s,
         {}},
        // English line-intersect percent cover has one unit.
        // The length column shows 3000 x 12; the metric means, unconverted.
        {estimate(LIM, English, logcap::PercentCover, {u"60"_s, u"40"_s}, {oneFt, twoFt}),
         u"1|Transect|36000|2|1|80|6400|0.6|4|||/2|Transect|36000|3|2|50|2500|0.4|5|68|656|/-/-"_s,
         u"68||656|25.6|51.2|119|16.8|75.3"_s},
        // One stratum is no stratified design.
        {estimate(LIM, Metric, logcap::Density, {u"60"_s}, {one, two}),
         u"1|Transect|1000|2|1|80|6400|1|4|||/-/-/-"_s, u"|||||||"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rows(c.e), c.rows);
        if (!c.figures.isEmpty()) {
            EXPECT_EQ(figures(c.e), c.figures);
        }
        EXPECT_EQ(c.e.tooFewStrata, c.figures == u"|||||||"_s) << c.rows.toStdString();
        EXPECT_FALSE(c.e.error) << c.rows.toStdString();
    }
    EXPECT_EQ(cases[6].e.englishShown, false) << "percent cover has no English figure";
}

// "1,200" and "$5" are numbers once the commas and dollars go.
TEST(LogStratumSizes, AreNumbersOnceCommasAndDollarsGo) {
    const StratumSizes sizes = readStratumSizes({u"1,200"_s, u"$5"_s, u"forty"_s, {}});
    EXPECT_EQ(sizes.values, (std::array<std::optional<double>, 4>{1200, 5, {}, {}}));
}

} // namespace
} // namespace vernalt::logest
