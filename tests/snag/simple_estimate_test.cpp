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
    const std::pair<QString, QString> cases[] = {{u"SEGMENT10"_s, u"250"_s},
                                                 {u"transect40"_s, u"4000"_s},
                                                 {u" Segment10"_s, u""_s},
                                                 {u"Segment10 "_s, u""_s},
                                                 {u"Segment15"_s, u""_s}};
    for (const auto& [name, size] : cases)
        EXPECT_EQ(plotSizeOfName(name, MetricWidths, MetricSizes), size) << name.toStdString();
    // Two widths with one text: the lower wins. Only the typed name is lowered.
    const WidthTextArray same = {u"10"_s, u"10"_s, u"30A"_s, u"40"_s};
    EXPECT_EQ(plotSizeOfName(u"Section10"_s, same, MetricSizes), u"500"_s);
    EXPECT_EQ(plotSizeOfName(u"Section30A"_s, same, MetricSizes), u""_s);
}

struct Case {
    const char* name;
    void (*change)(SimpleInputs&);
    int error;
    // plot size, plot area, density, variance, X, bound, upper, lower, precision
    const char* shown;
};

// clang-format off
const Case Cases[] = {
    // a = 250 / 10000; 2 / 0.025 per ha; (1.5 x 10000 / 250)^2; 1.67 x sqrt(3600 / 64)
    // x sqrt(1 - 64 x 0.025 / 1000) = 12.525 x 0.9992 = 12.515; 12.5 / 80 = 15.625%
    {"metric Segment10", [](SimpleInputs&) {}, 0, "250 0.025 80 3600 80 12.5 92.5 67.5 15.6"},
    // 6600 / 43560 = 0.15152 acres; 3 / 0.152 (the shown area) = 19.74; 13.2^2 = 174.24;
    // 2 x sqrt(174 / 25) x sqrt(1 - 25 x 0.152 / 500) = 5.2764 x 0.99619 = 5.2563;
    // 24.96, 14.44; 5.26 / 19.7 = 26.70%
    {"English subsegment132", [](SimpleInputs& in) {
         in.widthTexts = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};
         in.plotSizes = {1650, 3300, 4950, 6600, 3300, 6600, 9900, 13200,
                         6600, 13200, 19800, 26400, 13200, 26400, 39600, 52800};
         in.areaFactor = 43560;
         in.plotDimension = u"subsegment132"_s;
         in.averageDensity = u"3"_s;
         in.stdDev = u"2"_s;
         in.sampleSize = u"25"_s;
         in.landscapeArea = u"500"_s;
         in.tValue = u"2"_s;
     }, 0, "6600 0.152 19.7 174 19.7 5.26 25 14.4 26.7"},
    // s^2 = (0.25 x 10000 / 250)^2 = 100, A = 1000 a: 8.35 x sqrt(1 - 4 / 1000) = 8.333
    {"the finite population factor carries the sample size", [](SimpleInputs& in) {
         in.averageDensity = u"1"_s;
         in.stdDev = u"0.25"_s;
         in.sampleSize = u"4"_s;
         in.landscapeArea = u"25"_s;
     }, 0, "* * * 100 * 8.33 * * *"},
    {"leading numbers, cleaned and rounded inputs", [](SimpleInputs& in) {
         in.averageDensity = u"2 per plot"_s;
         in.stdDev = u"1.5,0"_s;
         in.landscapeArea = u"1,000"_s;
         in.tValue = u"1.666"_s; // shown as 1.67
     }, 0, "* * 80 3600 * 12.5 * * *"},
    {"no sample size: no bound, limits at X, precision 0",
     [](SimpleInputs& in) { in.sampleSize.clear(); }, 0, "* * * * * _ 80 80 0"},
    {"the area prompt cancelled: no bound",
     [](SimpleInputs& in) { in.landscapeArea.clear(); }, 0, "* * * * * _ 80 * *"},
    {"estimate 0: no precision",
     [](SimpleInputs& in) { in.averageDensity = u"0"_s; }, 0, "* * * * 0 12.5 12.5 -12.5 _"},
    // 2 / 0 and 1.5 x 10000 / 0 show nothing; the empty s^2 reads 0
    {"an unknown name gives no plot size",
     [](SimpleInputs& in) { in.plotDimension = u" Segment10"_s; }, 0, "_ 0 _ _ _ 0 0 * _"},
    // 64 plots of 0.025 ha cover 1.6 ha, more than the landscape
    {"plots covering more than the landscape end the estimate",
     [](SimpleInputs& in) { in.landscapeArea = u"1"_s; }, 5, "* * * * 80 _ _ * _"},
};
// clang-format on

TEST(SimpleEstimate, WorkedByHand) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        SimpleInputs in;
        in.widthTexts = MetricWidths;
        in.plotSizes = MetricSizes;
        in.areaFactor = 10000;
        in.tValue = u"1.67"_s;
        in.plotDimension = u"Segment10"_s;
        in.averageDensity = u"2"_s;
        in.stdDev = u"1.5"_s;
        in.sampleSize = u"64"_s;
        in.landscapeArea = u"1000"_s;
        c.change(in);
        const SimpleEstimate e = simpleEstimate(in);
        EXPECT_EQ(e.error ? e.error->number() : 0, c.error);
        expectShown({e.plotSize, e.plotArea, e.density, e.variance, e.estimate, e.bound,
                     e.upperLimit, e.lowerLimit, e.precision},
                    c.shown);
    }
}

} // namespace
} // namespace vernalt::test
