// The single-stratum estimate of the log window, with figures worked out by hand.
#include "log/log_single_estimate.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::logest {
namespace {

// Inputs "method|units|formula|level|length|average|deviation|variance|units
// counted|mean metric|mean English|t|landscape area"; shown "the equation row
// joined by '|', then metric, English, standard error, bound, upper and lower
// limits, precision", and the error that ended the estimate.
QString shown(const QString& inputs, int& error) {
    const QStringList s = inputs.split(u'|');
    const SingleEstimate e =
        singleEstimate({s[0] == u"LIM"_s, s[1] == u"metric"_s, logcap::formulaOfCaption(s[2]), s[3],
                        s[4].toFloat(), s[5], s[6], s[7], s[8], s[9], s[10], s[11], s[12]});
    error = e.error ? e.error->number() : 0;
    return QStringList(e.row.begin(), e.row.end()).join(u'|') + u' ' +
           QStringList{e.metricFigure, e.englishFigure, e.standardError, e.bound,
                       e.upperLimit,   e.lowerLimit,    e.precision}
               .join(u'|');
}

TEST(LogSingleEstimate, WorkedExamples) {
    const struct {
        const char *inputs, *shown;
    } cases[] = {
        // SE = sqrt(400 / 16) = 5; B = 2 x 5; limits 100 +- 10; precision 10 / 100; 100 x 0.405.
        {"LIM|metric|Density|Transect|1000|5|3|400|16|100|40.5|2|",
         "Transect|1000|5|3|100|400|16| 100|40.5|5|10|110|90|10"},
        // A t-value that is a word leaves the bound empty.
        {"LIM|metric|Density|Transect|1000|5|3|400|16|100|40.5|two|",
         "Transect|1000|5|3|100|400|16| 100|40.5|5||||"},
        // 40.5 / 0.405 = 100, and back 100 x 0.405 = 40.5.
        {"LIM|English|Density|Segment|200|1|0|0|16|99|40.5|2|5000",
         "Segment|200|1|0|40.5|0|16| 100|40.5|0|0|40.5|40.5|0"},
        // 10 / 0.446 = 22.42 shown 22.4; 22.4 x 0.446 = 9.9904 shown 9.99.
        {"LIM|English|Weight|Segment|200|1|0|0|16|99|10|2|5000",
         "Segment|200|1|0|10|0|16| 22.4|9.99|0|0|9.99|9.99|0"},
        // 100 ft x 12 = 1200 ft^2 = 0.0275 ac shown 0.028; B = 2 x 5 x sqrt(1 - 16 x
        // 0.028 / 100) = 9.978: the 16 plots, not one, are the sampled share.
        {"SPM|English|Density|Section|100|5|3|400|16|100|40.5|2.00|100",
         "Section|1200|0.028|5|3|40.5|400|16 100|40.5|5|9.98|50.5|30.5|24.6"},
        // 12.5 m x 4 = 50 m^2 = 0.005 ha; an area that is a word is not read.
        {"SPM|metric|Volume|Subsegment|12.5||||||||abc", "Subsegment|50|0.005||||| 0|0|0|0|0|0|0"},
        // 200 m x 4 = 800 m^2 = 0.08 ha; B = 10 x sqrt(1 - 16 x 0.08 / 1250) = 9.9949.
        {"SPM|metric|Density|Transect|200|5|3|400|16|100|40.5|2|1250",
         "Transect|800|0.08|5|3|100|400|16 100|40.5|5|9.99|110|90|9.99"},
        // No landscape area: no bound.
        {"SPM|metric|Density|Transect|200|5|3|400|16|100|40.5|2|",
         "Transect|800|0.08|5|3|100|400|16 100|40.5|5||||"},
        // Before any statistics.
        {"LIM|metric|Density|Transect|1000|||||||1.67|", "Transect|1000|||||| 0|0|0|0|0|0|0"},
        // Percent cover has one unit: SE = sqrt(4 / 25) = 0.4; B = 0.8; 0.8 / 12.5.
        {"LIM|English|Percent Cover|Subsegment|50|0.2|0.1|4|25|12.5||2|",
         "Subsegment|50|0.2|0.1|12.5|4|25| 12.5||0.4|0.8|13.3|11.7|6.4"},
    };
    for (const auto& c : cases) {
        int error = -1;
        EXPECT_EQ(shown(QLatin1String(c.inputs), error), QLatin1String(c.shown)) << c.inputs;
        EXPECT_EQ(error, 0) << c.inputs;
    }
    // 16 x 0.08 ha > 1 ha: the square root of a negative ends the estimate.
    int error = 0;
    EXPECT_EQ(shown(u"SPM|metric|Density|Transect|200|5|3|400|16|100|40.5|2|1"_s, error),
              u"Transect|800|0.08|5|3|100|400|16 100||5||||"_s);
    EXPECT_EQ(error, err::InvalidCall);
    SingleInputs percentCover;
    percentCover.formula = logcap::PercentCover;
    EXPECT_FALSE(singleEstimate(percentCover).englishShown);
}

} // namespace
} // namespace vernalt::logest
