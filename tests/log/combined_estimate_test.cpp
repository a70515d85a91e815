// The Parameter Estimates page of the combined design, worked by hand.
#include "log/combined_estimate.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::combined {
namespace {

// Two named strata: sizes 150.4 and 250.4 (total 400.8), estimates 10 and 20,
// variances 4 and 9, sample sizes 5 and 10, t = 1.67.
EstimateInputs twoStrata() {
    EstimateInputs in;
    in.strata[0] = {u"North"_s, u"150.4"_s, u"10"_s, u"4"_s, u"5"_s};
    in.strata[1] = {u"South"_s, u"250.4"_s, u"20"_s, u"9"_s, u"10"_s};
    in.tValue = u"1.67"_s;
    return in;
}

// "total size|total samples|weights", then "means|variances" of the running
// rows 1 to 3, then "estimate|variance|S|bound|upper|lower|precision".
QString shown(const EstimatePage& p) {
    const auto join = [](auto first, auto last) { return QStringList(first, last).join(u'|'); };
    return join(&p.totalSize, &p.totalSamples + 1) + u'|' +
           join(p.weights.begin(), p.weights.end()) + u' ' +
           join(p.means.begin() + 1, p.means.end()) + u'|' +
           join(p.variances.begin() + 1, p.variances.end()) + u' ' +
           QStringList{p.estimate,   p.variance,   p.standardError, p.bound,
                       p.upperLimit, p.lowerLimit, p.precision}
               .join(u'|');
}

TEST(CombinedEstimate, WorkedPages) {
    const struct {
        const char* name;
        void (*edit)(EstimateInputs&);
        QString shown;
        int error;
    } cases[] = {
        // Weights 150.4 / 400.8 = 0.37525 and 0.62475; mean (150.4 x 10 + 250.4 x
        // 20) / 400.8 = 16.2475; variance 0.375^2 x 4 / 5 + 0.625^2 x 9 / 10 = 0.1125
        // + 0.3515625 = 0.464; S = 0.68118; B = 1.67 x 0.681 = 1.13727; limits 16.2 +-
        // 1.14; precision 1.14 / 16.2 = 7.037 %.
        {"two strata chain through the shown texts", [](EstimateInputs&) {},
         u"400.8|15|0.375|0.625|| 16.2|||0.464|| 16.2|0.464|0.681|1.14|17.3|15.1|7.04"_s, 0},
        // (1500 x 10 + 500 x 20) / 2000 = 12.5; 0.75^2 x 4 / 5 + 0.25^2 x 9 / 10 =
        // 0.45 + 0.05625 = 0.50625 shown 0.506; S = 0.711; B = 1.19; 1.19 / 12.5.
        {"sizes are read without commas and dollars",
         [](EstimateInputs& in) {
             in.strata[0].size = u"$1,500"_s;
             in.strata[1].size = u"500"_s;
         },
         u"2000|15|0.75|0.25|| 12.5|||0.506|| 12.5|0.506|0.711|1.19|13.7|11.3|9.52"_s, 0},
        {"an unnamed row takes no part",
         [](EstimateInputs& in) {
             in.strata[2] = {{}, u"100"_s, u"50"_s, u"1"_s, u"1"_s};
         },
         u"400.8|15|0.375|0.625|| 16.2|||0.464|| 16.2|0.464|0.681|1.14|17.3|15.1|7.04"_s, 0},
        {"a running row skips an unnamed row below it",
         [](EstimateInputs& in) {
             in.strata[1].name.clear();
             in.strata[2] = {u"East"_s, u"250.4"_s, u"20"_s, u"9"_s, u"10"_s};
         },
         u"400.8|15|0.375||0.625| |16.2|||0.464| 16.2|0.464|0.681|1.14|17.3|15.1|7.04"_s, 0},
        {"a sample size of 0 leaves the variance empty", // 5 + 0 samples
         [](EstimateInputs& in) { in.strata[1].sampleSize = u"0"_s; },
         u"400.8|5|0.375|0.625|| 16.2||||| 16.2||||||"_s, 0},
        {"an empty estimate leaves the mean and the limits empty", // B = 1.67 x 0.681
         [](EstimateInputs& in) { in.strata[0].estimate.clear(); },
         u"400.8|15|0.375|0.625|| |||0.464|| |0.464|0.681|1.14|||"_s, 0},
        {"a named stratum without a size leaves its running row empty",
         [](EstimateInputs& in) { in.strata[1].size.clear(); }, u"150.4|15|1||| ||||| ||||||"_s, 0},
        {"all estimates 0 give a precision of 0",
         [](EstimateInputs& in) { in.strata[0].estimate = in.strata[1].estimate = u"0"_s; },
         u"400.8|15|0.375|0.625|| 0|||0.464|| 0|0.464|0.681|1.14|1.14|-1.14|0"_s, 0},
        {"a size that is no number leaves the total and the weights empty",
         [](EstimateInputs& in) { in.strata[1].size = u"big"_s; }, u"|15|||| ||||| ||||||"_s, 0},
        {"with no names the page is empty",
         [](EstimateInputs& in) { in.strata[0].name = in.strata[1].name = QString(); },
         u"||||| ||||| ||||||"_s, 0},
        {"one named stratum has no stratified estimate",
         [](EstimateInputs& in) { in.strata[1].name.clear(); }, u"150.4|5|1||| ||||| ||||||"_s, 0},
        // 0.140625 x -100 / 5 + 0.3515625 = -2.4609375.
        {"a negative stratified variance ends the page with error 5",
         [](EstimateInputs& in) { in.strata[0].variance = u"-100"_s; },
         u"400.8|15|0.375|0.625|| 16.2|||-2.4609|| 16.2|-2.4609|||||"_s, err::InvalidCall},
    };
    for (const auto& c : cases) {
        EstimateInputs in = twoStrata();
        c.edit(in);
        const EstimatePage p = estimatePage(in);
        EXPECT_EQ(shown(p).toStdString(), c.shown.toStdString()) << c.name;
        EXPECT_EQ(p.error ? p.error->number() : 0, c.error) << c.name;
    }
    // Negative estimates, like all 0, give a precision of 0.
    EstimateInputs in = twoStrata();
    in.strata[0].estimate = u"-10"_s;
    in.strata[1].estimate = u"-20"_s;
    const EstimatePage p = estimatePage(in);
    EXPECT_EQ(p.estimate + u'|' + p.precision, u"-16.2475|0"_s);
}

} // namespace
} // namespace vernalt::combined
