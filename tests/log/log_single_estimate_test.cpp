// The single-stratum estimate of the log window, with figures worked out by hand.
#include "log/log_single_estimate.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

constexpr bool LIM = true, SPM = false, Metric = true, English = false;

// "average|deviation|variance|units counted|mean metric|mean English" of the level.
SingleEstimate estimate(bool lim, bool metric, Formula f, const QString& level, float length,
                        const QString& stats, const QString& t, const QString& area) {
    const QStringList s = stats.split(u'|');
    return singleEstimate(
        {lim, metric, f, level, length, s[0], s[1], s[2], s[3], s[4], s[5], t, area});
}

// The figures joined by "|": metric, English, standard error, bound, upper and
// lower limits, precision.
QString figures(const SingleEstimate& e) {
    return QStringList{e.metricFigure, e.englishFigure, e.standardError, e.bound,
                       e.upperLimit,   e.lowerLimit,    e.precision}
        .join(u'|');
}

TEST(LogSingleEstimate, WorkedExamples) {
    const QString usual = u"5|3|400|16|100|40.5"_s; // SE = sqrt(400 / 16) = 5
    const struct {
        const char* name;
        SingleEstimate e;
        QString row, figures;
        int error;
    } cases[] = {
        // B = 2 x 5; limits 100 +- 10; precision 10 / 100; 100 x 0.405.
        {"line intersect, metric",
         estimate(LIM, Metric, logcap::Density, u"Transect"_s, 1000, usual, u"2"_s, {}),
         u"Transect|1000|5|3|100|400|16|"_s, u"100|40.5|5|10|110|90|10"_s, 0},
        {"a t-value that is a word leaves the bound empty",
         estimate(LIM, Metric, logcap::Density, u"Transect"_s, 1000, usual, u"two"_s, {}),
         u"Transect|1000|5|3|100|400|16|"_s, u"100|40.5|5||||"_s, 0},
        // 40.5 / 0.405 = 100, and back 100 x 0.405 = 40.5.
        {"English density",
         estimate(LIM, English, logcap::Density, u"Segment"_s, 200, u"1|0|0|16|99|40.5"_s, u"2"_s,
                  u"5000"_s),
         u"Segment|200|1|0|40.5|0|16|"_s, u"100|40.5|0|0|40.5|40.5|0"_s, 0},
        {"English tally",
         estimate(LIM, English, logcap::Tally, u"Segment"_s, 200, u"1|0|0|16|99|40.5"_s, u"2"_s,
                  u"5000"_s),
         u"Segment|200|1|0|40.5|0|16|"_s, u"100|40.5|0|0|40.5|40.5|0"_s, 0},
        // 10 / 0.446 = 22.42 shown 22.4; 22.4 x 0.446 = 9.9904 shown 9.99.
        {"English weight",
         estimate(LIM, English, logcap::Weight, u"Segment"_s, 200, u"1|0|0|16|99|10"_s, u"2"_s,
                  u"5000"_s),
         u"Segment|200|1|0|10|0|16|"_s, u"22.4|9.99|0|0|9.99|9.99|0"_s, 0},
        // 100 ft x 12 = 1200 ft^2 = 0.0275 ac shown 0.028; B = 2 x 5 x sqrt(1 - 16 x
        // 0.028 / 100) = 9.978: the 16 plots, not one, are the sampled share.
        // Limits 40.5 +- 9.98, precision 9.98 / 40.5.
        {"English strip plots",
         estimate(SPM, English, logcap::Density, u"Section"_s, 100, usual, u"2.00"_s, u"100"_s),
         u"Section|1200|0.028|5|3|40.5|400|16"_s, u"100|40.5|5|9.98|50.5|30.5|24.6"_s, 0},
        // 12.5 m x 4 = 50 m^2 = 0.005 ha; an area that is a word is not read.
        {"metric strips are 4 m wide",
         estimate(SPM, Metric, logcap::Volume, u"Subsegment"_s, 12.5f, u"|||||"_s, {}, u"abc"_s),
         u"Subsegment|50|0.005|||||"_s, u"0|0|0|0|0|0|0"_s, 0},
        // 200 m x 4 = 800 m^2 = 0.08 ha; B = 10 x sqrt(1 - 16 x 0.08 / 1250) = 9.9949.
        {"metric strip plots",
         estimate(SPM, Metric, logcap::Density, u"Transect"_s, 200, usual, u"2"_s, u"1250"_s),
         u"Transect|800|0.08|5|3|100|400|16"_s, u"100|40.5|5|9.99|110|90|9.99"_s, 0},
        {"no landscape area: no bound",
         estimate(SPM, Metric, logcap::Density, u"Transect"_s, 200, usual, u"2"_s, {}),
         u"Transect|800|0.08|5|3|100|400|16"_s, u"100|40.5|5||||"_s, 0},
        // 16 x 0.08 ha > 1 ha: the square root of a negative ends the estimate.
        {"plots covering more than the landscape",
         estimate(SPM, Metric, logcap::Density, u"Transect"_s, 200, usual, u"2"_s, u"1"_s),
         u"Transect|800|0.08|5|3|100|400|16"_s, u"100||5||||"_s, err::InvalidCall},
        {"before any statistics",
         estimate(LIM, Metric, logcap::Density, u"Transect"_s, 1000, u"|||||"_s, u"1.67"_s, {}),
         u"Transect|1000||||||"_s, u"0|0|0|0|0|0|0"_s, 0},
        // SE = sqrt(4 / 25) = 0.4; B = 0.8; limits 12.5 +- 0.8; precision 0.8 / 12.5.
        {"percent cover has one unit",
         estimate(LIM, English, logcap::PercentCover, u"Subsegment"_s, 50, u"0.2|0.1|4|25|12.5|"_s,
                  u"2"_s, {}),
         u"Subsegment|50|0.2|0.1|12.5|4|25|"_s, u"12.5||0.4|0.8|13.3|11.7|6.4"_s, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QStringList(c.e.row.begin(), c.e.row.end()).join(u'|'), c.row) << c.name;
        EXPECT_EQ(figures(c.e), c.figures) << c.name;
        EXPECT_EQ(c.e.error ? c.e.error->number() : 0, c.error) << c.name;
    }
    EXPECT_EQ(cases[0].e.metricTitle, u"Density (logs/ha)"_s);
    EXPECT_EQ(cases[0].e.englishTitle, u"Density (logs/ac)"_s);
    EXPECT_FALSE(cases[11].e.englishShown) << "percent cover has no English figure";
}

} // namespace
} // namespace vernalt::logest
