// The single-stratum density estimate, worked by hand in both unit systems.
#include "snag/simple_estimate.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const WidthTextArray MetricWidths = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
const DimensionSizeArray MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                        500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};

TEST(PlotSizeOfName, NamesMatchInAnyCaseButNothingIsTrimmed) {
    // Two widths with one text: the lower wins. Only the typed name is lowered.
    const WidthTextArray same = {u"10"_s, u"10"_s, u"30A"_s, u"40"_s};
    QStringList shown;
    for (const QString& name :
         {u"SEGMENT10"_s, u"transect40"_s, u" Segment10"_s, u"Segment10 "_s, u"Segment15"_s})
        shown << plotSizeOfName(name, MetricWidths, MetricSizes);
    shown << plotSizeOfName(u"Section10"_s, same, MetricSizes)
          << plotSizeOfName(u"Section30A"_s, same, MetricSizes);
    expectShown(shown, "250 4000 _ _ _ 500 _");
}

// Plot dimension, mean and deviation per plot, plots, landscape area, t; English
// or metric; the error that ends the estimate; plot size, plot area, density,
// variance, X, bound, upper and lower limit, precision.
struct Case {
    const char* inputs;
    bool english;
    int error;
    const char* shown;
};

// clang-format off
const Case Cases[] = {
    // a = 250 / 10000; 2 / 0.025 per ha; (1.5 x 10000 / 250)^2; 1.67 x sqrt(3600 / 64)
    // x sqrt(1 - 64 x 0.025 / 1000) = 12.525 x 0.9992 = 12.515; 12.5 / 80 = 15.625%
    {"Segment10|2|1.5|64|1000|1.67", false, 0, "250 0.025 80 3600 80 12.5 92.5 67.5 15.6"},
    // 6600 / 43560 = 0.15152 acres; 3 / 0.152 (the shown area) = 19.74; 13.2^2 = 174.24;
    // 2 x sqrt(174 / 25) x sqrt(1 - 25 x 0.152 / 500) = 5.2764 x 0.99619 = 5.2563;
    // 24.96, 14.44; 5.26 / 19.7 = 26.70%
    {"subsegment132|3|2|25|500|2", true, 0, "6600 0.152 19.7 174 19.7 5.26 25 14.4 26.7"},
    // The finite population factor carries the sample size: s^2 = (0.25 x 10000 /
    // 250)^2 = 100, A = 1000 a: 8.35 x sqrt(1 - 4 / 1000) = 8.333
    {"Segment10|1|0.25|4|25|1.67", false, 0, "* * * 100 * 8.33 * * *"},
    // Leading numbers, cleaned and rounded inputs: t 1.666 shown as 1.67
    {"Segment10|2 per plot|1.5,0|64|1,000|1.666", false, 0, "* * 80 3600 * 12.5 * * *"},
    // No sample size: no bound, limits at X, precision 0
    {"Segment10|2|1.5||1000|1.67", false, 0, "* * * * * _ 80 80 0"},
    // The area prompt cancelled: no bound
    {"Segment10|2|1.5|64||1.67", false, 0, "* * * * * _ 80 * *"},
    // Estimate 0: no precision
    {"Segment10|0|1.5|64|1000|1.67", false, 0, "* * * * 0 12.5 12.5 -12.5 _"},
    // An unknown name: 2 / 0 and 1.5 x 10000 / 0 show nothing; the empty s^2 reads 0
    {" Segment10|2|1.5|64|1000|1.67", false, 0, "_ 0 _ _ _ 0 0 * _"},
    // 64 plots of 0.025 ha cover 1.6 ha, more than the landscape: the estimate ends
    {"Segment10|2|1.5|64|1|1.67", false, 5, "* * * * 80 _ _ * _"},
};
// clang-format on

TEST(SimpleEstimate, WorkedByHand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.inputs);
        const QStringList f = QString::fromLatin1(c.inputs).split(u'|');
        SimpleInputs in{f[0], f[1], f[2], f[3], f[4], f[5], MetricWidths, MetricSizes, 10000};
        if (c.english) {
            in.widthTexts = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};
            in.plotSizes = {1650, 3300,  4950,  6600,  3300,  6600,  9900,  13200,
                            6600, 13200, 19800, 26400, 13200, 26400, 39600, 52800};
            in.areaFactor = 43560;
        }
        const SimpleEstimate e = simpleEstimate(in);
        EXPECT_EQ(e.error ? e.error->number() : 0, c.error);
        expectShown({e.plotSize, e.plotArea, e.density, e.variance, e.estimate, e.bound,
                     e.upperLimit, e.lowerLimit, e.precision},
                    c.shown);
    }
}

} // namespace
} // namespace vernalt::test
