// The Parameter Estimates page of the combined design, worked by hand.
#include "log/combined_estimate.h"

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
        // All estimates 0 give a precision of 0, as negative ones do.
        {"North|150.4|0|4|5/South|250.4|0|9|10",
         "400.8|15|0.375|0.625|| 0|||0.464|| 0|0.464|0.681|1.14|1.14|-1.14|0 0"},
        // A size that is no number leaves the total and the weights empty.
        {"North|150.4|10|4|5/South|big|20|9|10", "|15|||| ||||| |||||| 0"},
        // With no names the page is empty; one named stratum has no stratified estimate.
        {"|150.4|10|4|5/|250.4|20|9|10", "||||| ||||| |||||| 0"},
        {"North|150.4|10|4|5/|250.4|20|9|10", "150.4|5|1||| ||||| |||||| 0"},
        // 0.140625 x -100 / 5 + 0.3515625 = -2.4609375: a negative stratified
        // variance ends the page with error 5.
        {"North|150.4|10|-100|5/South|250.4|20|9|10",
         "400.8|15|0.375|0.625|| 16.2|||-2.4609|| 16.2|-2.4609||||| 5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page(c.rows).toStdString(), c.shown) << c.rows;
    const QString negative = page("North|150.4|-10|4|5/South|250.4|-20|9|10");
    EXPECT_TRUE(negative.contains(u" -16.2475|"_s) && negative.endsWith(u"|0 0"_s))
        << negative.toStdString();
}

} // namespace
} // namespace vernalt::combined
