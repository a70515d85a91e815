// The single-stratum density estimate, worked by hand in both unit systems.
#include "snag/simple_estimate.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const DimensionSizeArray MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                        500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
const DimensionSizeArray EnglishSizes = {1650, 3300,  4950,  6600,  3300,  6600,  9900,  13200,
                                         6600, 13200, 19800, 26400, 13200, 26400, 39600, 52800};

SimpleInputs metric() {
    SimpleInputs in;
    in.widthTexts = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    in.plotSizes = MetricSizes;
    in.areaFactor = 10000;
    in.tValue = u"1.67"_s;
    return in;
}

SimpleInputs english() {
    SimpleInputs in;
    in.widthTexts = {u"33"_s, u"66"_s, u"99"_s, u"132"_s};
    in.plotSizes = EnglishSizes;
    in.areaFactor = 43560;
    in.tValue = u"1.67"_s;
    return in;
}

TEST(PlotSizeOfName, NamesMatchInAnyCaseButNothingIsTrimmed) {
    const SimpleInputs in = metric();
    EXPECT_EQ(plotSizeOfName(u"Segment10"_s, in.widthTexts, in.plotSizes), u"250"_s);
    EXPECT_EQ(plotSizeOfName(u"SEGMENT10"_s, in.widthTexts, in.plotSizes), u"250"_s);
    EXPECT_EQ(plotSizeOfName(u"transect40"_s, in.widthTexts, in.plotSizes), u"4000"_s);
    EXPECT_EQ(plotSizeOfName(u" Segment10"_s, in.widthTexts, in.plotSizes), u""_s);
    EXPECT_EQ(plotSizeOfName(u"Segment10 "_s, in.widthTexts, in.plotSizes), u""_s);
    EXPECT_EQ(plotSizeOfName(u"Segment15"_s, in.widthTexts, in.plotSizes), u""_s);
    // Two widths with the same text: the lower width wins.
    WidthTextArray same = {u"10"_s, u"10"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(plotSizeOfName(u"Section10"_s, same, in.plotSizes), u"500"_s);
    // A width text with capitals never matches: only the typed name is lowered.
    WidthTextArray capital = {u"10A"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(plotSizeOfName(u"Section10A"_s, capital, in.plotSizes), u""_s);
}

TEST(SimpleEstimate, MetricSegment10) {
    SimpleInputs in = metric();
    in.plotDimension = u"Segment10"_s;
    in.averageDensity = u"2"_s;
    in.stdDev = u"1.5"_s;
    in.sampleSize = u"64"_s;
    in.landscapeArea = u"1000"_s;
    const SimpleEstimate e = simpleEstimate(in);
    ASSERT_FALSE(e.error.has_value());
    EXPECT_EQ(e.plotSize, u"250"_s);
    EXPECT_EQ(e.plotArea, u"0.025"_s); // 250 / 10000
    EXPECT_EQ(e.density, u"80"_s);     // 2 / 0.025 per hectare
    EXPECT_EQ(e.variance, u"3600"_s);  // (1.5 x 10000 / 250)^2
    EXPECT_EQ(e.estimate, u"80"_s);
    // 1.67 x sqrt(3600 / 64) x sqrt(1 - 64 x 0.025 / 1000) = 12.525 x 0.9992 = 12.515
    EXPECT_EQ(e.bound, u"12.5"_s);
    EXPECT_EQ(e.upperLimit, u"92.5"_s);
    EXPECT_EQ(e.lowerLimit, u"67.5"_s);
    EXPECT_EQ(e.precision, u"15.6"_s); // 12.5 / 80 x 100 = 15.625
}

TEST(SimpleEstimate, EnglishSubsegment132) {
    SimpleInputs in = english();
    in.plotDimension = u"subsegment132"_s;
    in.averageDensity = u"3"_s;
    in.stdDev = u"2"_s;
    in.sampleSize = u"25"_s;
    in.landscapeArea = u"500"_s;
    in.tValue = u"2"_s;
    const SimpleEstimate e = simpleEstimate(in);
    ASSERT_FALSE(e.error.has_value());
    EXPECT_EQ(e.plotSize, u"6600"_s);
    EXPECT_EQ(e.plotArea, u"0.152"_s); // 6600 / 43560 = 0.15152 acres
    EXPECT_EQ(e.density, u"19.7"_s);   // 3 / 0.152 (the shown area) = 19.74 per acre
    EXPECT_EQ(e.variance, u"174"_s);   // (2 x 43560 / 6600)^2 = 13.2^2 = 174.24
    EXPECT_EQ(e.estimate, u"19.7"_s);
    // 2 x sqrt(174 / 25) x sqrt(1 - 25 x 0.152 / 500) = 5.2764 x 0.99619 = 5.2563
    EXPECT_EQ(e.bound, u"5.26"_s);
    EXPECT_EQ(e.upperLimit, u"25"_s);   // 24.96
    EXPECT_EQ(e.lowerLimit, u"14.4"_s); // 14.44
    EXPECT_EQ(e.precision, u"26.7"_s);  // 5.26 / 19.7 x 100 = 26.70
}

TEST(SimpleEstimate, TheFinitePopulationFactorCarriesTheSampleSize) {
    // s^2 = (0.25 x 10000 / 250)^2 = 100, n = 4, a = 0.025, A = 25 = 1000 a:
    // 1.67 x sqrt(100 / 4) x sqrt(1 - 4 / 1000) = 8.35 x 0.998 = 8.333
    SimpleInputs in = metric();
    in.plotDimension = u"Segment10"_s;
    in.averageDensity = u"1"_s;
    in.stdDev = u"0.25"_s;
    in.sampleSize = u"4"_s;
    in.landscapeArea = u"25"_s;
    const SimpleEstimate e = simpleEstimate(in);
    EXPECT_EQ(e.variance, u"100"_s);
    EXPECT_EQ(e.bound, u"8.33"_s);
}

TEST(SimpleEstimate, ReadsLeadingNumbersAndRoundedInputs) {
    SimpleInputs in = metric();
    in.plotDimension = u"Segment10"_s;
    in.averageDensity = u"2 per plot"_s; // leading number 2
    in.stdDev = u"1.5,0"_s;              // leading number 1.5
    in.sampleSize = u"64"_s;
    in.landscapeArea = u"1,000"_s; // 1000 once cleaned
    in.tValue = u"1.666"_s;        // shown as 1.67
    const SimpleEstimate e = simpleEstimate(in);
    EXPECT_EQ(e.density, u"80"_s);
    EXPECT_EQ(e.variance, u"3600"_s);
    EXPECT_EQ(e.bound, u"12.5"_s);
}

TEST(SimpleEstimate, GapsLeaveTheirResultsEmpty) {
    SimpleInputs in = metric();
    in.plotDimension = u"Segment10"_s;
    in.averageDensity = u"2"_s;
    in.stdDev = u"1.5"_s;
    in.landscapeArea = u"1000"_s;

    in.sampleSize = u""_s; // no sample size: no bound; limits at X, precision 0
    SimpleEstimate e = simpleEstimate(in);
    ASSERT_FALSE(e.error.has_value());
    EXPECT_EQ(e.bound, u""_s);
    EXPECT_EQ(e.upperLimit, u"80"_s);
    EXPECT_EQ(e.lowerLimit, u"80"_s);
    EXPECT_EQ(e.precision, u"0"_s);

    in.sampleSize = u"64"_s;
    in.landscapeArea = u""_s; // the area prompt cancelled: the same
    e = simpleEstimate(in);
    EXPECT_EQ(e.bound, u""_s);
    EXPECT_EQ(e.upperLimit, u"80"_s);

    in.landscapeArea = u"1000"_s;
    in.averageDensity = u"0"_s; // estimate 0: no precision
    e = simpleEstimate(in);
    EXPECT_EQ(e.estimate, u"0"_s);
    EXPECT_EQ(e.bound, u"12.5"_s);
    EXPECT_EQ(e.upperLimit, u"12.5"_s);
    EXPECT_EQ(e.lowerLimit, u"-12.5"_s);
    EXPECT_EQ(e.precision, u""_s);
}

TEST(SimpleEstimate, AnUnknownNameGivesNoPlotSize) {
    SimpleInputs in = metric();
    in.plotDimension = u" Segment10"_s;
    in.averageDensity = u"2"_s;
    in.stdDev = u"1.5"_s;
    in.sampleSize = u"64"_s;
    in.landscapeArea = u"1000"_s;
    const SimpleEstimate e = simpleEstimate(in);
    ASSERT_FALSE(e.error.has_value());
    EXPECT_EQ(e.plotSize, u""_s);
    EXPECT_EQ(e.plotArea, u"0"_s);
    EXPECT_EQ(e.density, u""_s);  // 2 / 0
    EXPECT_EQ(e.variance, u""_s); // 1.5 x 10000 / 0
    EXPECT_EQ(e.estimate, u""_s);
    EXPECT_EQ(e.bound, u"0"_s); // s^2 reads 0
    EXPECT_EQ(e.upperLimit, u"0"_s);
    EXPECT_EQ(e.precision, u""_s);
}

TEST(SimpleEstimate, PlotsCoveringMoreThanTheLandscapeEndTheEstimate) {
    // 64 plots of 0.025 ha cover 1.6 ha, more than a landscape of 1 ha.
    SimpleInputs in = metric();
    in.plotDimension = u"Segment10"_s;
    in.averageDensity = u"2"_s;
    in.stdDev = u"1.5"_s;
    in.sampleSize = u"64"_s;
    in.landscapeArea = u"1"_s;
    const SimpleEstimate e = simpleEstimate(in);
    ASSERT_TRUE(e.error.has_value());
    EXPECT_EQ(e.error->number(), 5);
    EXPECT_EQ(e.estimate, u"80"_s);
    EXPECT_EQ(e.bound, u""_s);
    EXPECT_EQ(e.upperLimit, u""_s);
    EXPECT_EQ(e.precision, u""_s);
}

} // namespace
} // namespace vernalt::test
