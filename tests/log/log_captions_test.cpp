// The caption and header tables of the log window, spot checks in both unit
// systems, per method and per metric.
#include "log/log_captions.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using namespace logcap;

TEST(LogCaptions, TheFormulaPageCaptionNamesTheMetricExactly) {
    struct Case {
        QString caption;
        Formula formula;
    } cases[] = {
        {u"Formula"_s, NoFormula},      {u"Density"_s, Density},
        {u"density"_s, NoFormula},      {u"Percent Cover"_s, PercentCover},
        {u"PercentCover"_s, NoFormula}, {u"Tally"_s, Tally},
        {u"Weight"_s, Weight},          {u"Volume "_s, NoFormula},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formulaOfCaption(c.caption), c.formula) << c.caption.toStdString();
}

TEST(LogCaptions, OptimalGridHeaders) {
    struct Case {
        const char* name;
        Formula f;
        bool metric;
        QString first, second;
    } cases[] = {
        {"English density", Density, false,
         u"^Average|^Std. Dev.|^Log Density (logs/ac)|^Variance|^Estimated Sample Size Required (n)"_s,
         u"^Estimated Total Survey Distance Required (ft)|^Minimum Transect Required (ft)|^Current "
         u"Number of Samples Collected (N)|^Additional Samples Required (ft)|^Log Density (logs/ha)"_s},
        {"metric tally", Tally, true,
         u"^Average (logs/plot)|^Standard Deviation (logs/plot)|^Log Density (logs/ha)|^Variance|^"
         u"Estimated Sample Size Required (n)"_s,
         u"^Estimated Total Survey Distance Required (m)|^Minimum Transect Required (m)|^Current "
         u"Number of Samples Collected (N)|^Additional Samples Required (m)|^Log Density (logs/ac)"_s},
        {"English percent cover ends in a blank that is not centred", PercentCover, false,
         u"^Average|^Std. Dev.|^Percent Cover|^Variance|^Estimated Sample Size Required (n)"_s,
         u"^Estimated Total Survey Distance Required (ft)|^Minimum Transect Required (ft)|^Current "
         u"Number of Samples Collected (N)|^Additional Samples Required (ft)| "_s},
        {"metric percent cover too", PercentCover, true,
         u"^Average|^Standard Deviation|^Percent Cover|^Variance|^Estimated Sample Size Required (n)"_s,
         u"^Estimated Total Survey Distance Required (m)|^Minimum Transect Required (m)|^Current "
         u"Number of Samples Collected (N)|^Additional Samples Required (m)| "_s},
        {"metric weight", Weight, true,
         u"^Average|^Standard Deviation|^Weight (metric tons/ha)|^Variance|^Estimated Sample Size "
         u"Required (n)"_s,
         u"^Estimated Total Survey Distance Required (m)|^Minimum Transect Required (m)|^Current "
         u"Number of Samples Collected (N)|^Additional Samples Required (m)|^Weight (tons/ac)"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(optimalHeader(c.f, c.metric), c.first) << c.name;
        EXPECT_EQ(optimal2Header(c.f, c.metric), c.second) << c.name;
    }
}

TEST(LogCaptions, PageHeadings) {
    struct Case {
        const char* name;
        Formula f;
        bool metric;
        PageCaptions expected;
    } cases[] = {
        {"English length",
         Length,
         false,
         {u"Total Length (ft/ac)"_s, u"Total Length (ft/ac) Estimates"_s,
          u"Optimal Transect Length for Estimating Total Length of Logs (ft/ac)"_s,
          u"Sample Size Determination for Estimating Total Length of Logs on a Stratified "
          u"Watershed"_s}},
        {"metric tally puts the unit after Estimates",
         Tally,
         true,
         {u"Density (logs/ha)"_s, u"Log Density Estimates (logs/ha)"_s,
          u"Optimal Transect Length for Estimating Log Density (logs/ha)"_s,
          u"Sample Size Determination for Estimating Log Density on a Stratified Watershed"_s}},
        {"metric volume heads the sample size with its unit",
         Volume,
         true,
         {u"Volume (m^3/ha)"_s, u"Log Volume (m^3/ha) Estimates"_s,
          u"Optimal Transect Length for Estimating Log Volume (m^3/ha)"_s,
          u"Sample Size Determination for Estimating Log Volume on a Stratified Watershed "
          u"(m^3/ha)"_s}},
        {"English weight has no unit there",
         Weight,
         false,
         {u"Weight (tons/ac)"_s, u"Log Weight (tons/ac) Estimates"_s,
          u"Optimal Transect Length for Estimating Log Weight (tons/ac)"_s,
          u"Sample Size Determination for Estimating Log Weight on a Stratified Watershed"_s}},
        {"percent cover is the same in both",
         PercentCover,
         true,
         {u"Percent Cover"_s, u"Percent Cover Estimates"_s,
          u"Optimal Transect Length for Estimating Percent Cover of Logs"_s,
          u"Sample Size Determination for Estimating Percent Cover of Logs on a Stratified "
          u"Watershed"_s}},
    };
    for (const Case& c : cases) {
        const PageCaptions p = pageCaptions(c.f, c.metric);
        EXPECT_EQ(p.title, c.expected.title) << c.name;
        EXPECT_EQ(p.formula, c.expected.formula) << c.name;
        EXPECT_EQ(p.optimal, c.expected.optimal) << c.name;
        EXPECT_EQ(p.sampleSizeHeader, c.expected.sampleSizeHeader) << c.name;
    }
}

TEST(LogCaptions, FormulaSheetsUnderLineIntersectAlwaysGetTheirHeaders) {
    EXPECT_EQ(formulaSimpleHeader(true, NoFormula, false, QString()),
              u"^Name|^Length (ft)|^Average|^Std. Dev.|^|^Variance|^Sample Size (n)"_s);
    EXPECT_EQ(
        formulaSimpleHeader(true, Volume, true, u"Volume (m^3/ha)"_s),
        u"^Name|^Length (m)|^Average|^Std. Dev.|^Volume (m^3/ha)|^Variance|^Sample Size (n)"_s);
    EXPECT_EQ(formulaStratifiedHeader(true, Density, true, u"Density (logs/ha)"_s),
              u"^Stratum|^Names|^Transect Length (m)|^Average|^Std. Dev.|^Density (logs/ha)|^"
              u"Variance|^Stratum Weight|^Sample Size (n)|^Stratified Mean Equations|^Stratified "
              u"Variance Equations"_s);
    EXPECT_EQ(formulaSimpleCols(true), 7);
    EXPECT_EQ(formulaStratifiedCols(true), 11);
}

TEST(LogCaptions, FormulaSheetsUnderStripPlotsNeedAMetric) {
    EXPECT_FALSE(formulaSimpleHeader(false, NoFormula, true, QString()).has_value());
    EXPECT_FALSE(formulaStratifiedHeader(false, NoFormula, false, QString()).has_value());
    EXPECT_EQ(formulaSimpleHeader(false, Weight, false, u"Weight (tons/ac)"_s),
              u"^Name|^Strip Plot Area (ft^2)|^Strip Plot Area (ac)|^Average (lbs/plot)|^Std. Dev. "
              u"(lbs/plot)|^Weight (tons/ac)|^Variance|^Sample Size (n)"_s);
    EXPECT_EQ(formulaStratifiedHeader(false, PercentCover, true, u"Percent Cover"_s),
              u"^Stratum|^Name|^Strip Plot Area (m^2)|^Strip Plot Area (ha)|^Average (m^2/plot)|^"
              u"Std. Dev. (m^2/plot)|^Percent Cover|^Variance|^Stratum Weight|^Sample Size (n)|^"
              u"Stratified Mean Equations|^Stratified Variance Equations"_s);
    EXPECT_EQ(formulaSimpleCols(false), 8);
    EXPECT_EQ(formulaStratifiedCols(false), 12);
}

TEST(LogCaptions, SampleSizeHeaders) {
    EXPECT_FALSE(sampleSizeHeaders(true, NoFormula, true).has_value());

    // The whole English strip-plot density pair.
    auto h = sampleSizeHeaders(false, Density, false);
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->first, u"^Stratum Number|^Stratum Size(ac)|^Stratum Weight|^Section Name|^Strip "
                        u"Plot Area (ft^2)|^Strip Plot Area (ac)|^Section Density (logs/plot)"_s);
    EXPECT_EQ(h->second, u"^Section StDev (logs/plot)|^Average Density (logs/ac)|^Standard "
                         u"Deviation (logs/ac)|^Variance|^Desired Absolute Variance|^Optimal "
                         u"Equations|^Proportional Equations"_s);

    // Tally takes the strip-plot headers under line intersect too.
    EXPECT_EQ(sampleSizeHeaders(true, Tally, false)->first, h->first);
    EXPECT_EQ(sampleSizeHeaders(true, Tally, false)->second, h->second);

    // Line intersect: six plot titles, then the estimate.
    h = sampleSizeHeaders(true, Density, true);
    EXPECT_EQ(h->first, u"^Stratum Number|^Stratum Size(ha)|^Stratum Weight|^Plot Dimensions "
                        u"(name)|^Plot Length (m)|^Plot Average"_s);
    EXPECT_EQ(h->second, u"^Plot Standard Deviation|^Log Density (logs/ha)|^Standard Deviation "
                         u"(logs/ha)|^Variance|^Desired Absolute Variance|^Optimal Equations|^"
                         u"Proportional Equations"_s);
    EXPECT_TRUE(
        sampleSizeHeaders(true, Length, true)
            ->second.startsWith(u"^Plot Standard Deviation|^Length|^Standard Deviation|"_s));
    EXPECT_TRUE(
        sampleSizeHeaders(false, Weight, true)
            ->second.startsWith(
                u"^Section StDev (kg/plot)|^Weight (metric tons/ha)|^Standard Deviation|"_s));
}

TEST(LogCaptions, UnitCaptionsAndAllocationHeaders) {
    const UnitCaptions e = unitCaptions(false), m = unitCaptions(true);
    EXPECT_EQ(e.totalTransectLength, u"Total Transect Length Required (ft) ="_s);
    EXPECT_EQ(m.totalTransectLength, u"Total Transect Length Required (m) ="_s);
    EXPECT_EQ(e.combo3, u"  Stratum Size   (acres)"_s);
    EXPECT_EQ(m.combo3, u"Stratum Size (hectares)"_s);
    EXPECT_EQ(e.combo14, u"Plot Length (ft)"_s);
    EXPECT_EQ(m.combo14, u"Plot Length (meters)"_s);
    EXPECT_EQ(e.totalSize, u"Total acres"_s);
    EXPECT_EQ(m.landscapeAreaFrame, u"Landscape Area (hectares)"_s);
    EXPECT_EQ(allocationHeader(false), u"^Total Number of Samples Required|^Stratum Number|^Number "
                                       u"of Samples per Stratum|^Transect Length Required (ft)"_s);
    EXPECT_EQ(comboAllocationHeader(true), u"^Total Number of Samples Required|^Stratum Number|^"
                                           u"Number of Samples per Stratum|^Sample Size (m)"_s);
}

TEST(LogCaptions, FormulaLabelLayouts) {
    const auto m = formulaLabelPlaces(true);
    const auto e = formulaLabelPlaces(false);
    // Metric first: the metric title at the left of the first line.
    EXPECT_EQ(m[0].top, 480);
    EXPECT_EQ(m[0].left, 0);
    EXPECT_EQ(m[2].left, 5400); // a second-placed English title
    // English first: its title at -100, the metric pair second at 5500.
    EXPECT_EQ(e[2].top, 480);
    EXPECT_EQ(e[2].left, -100);
    EXPECT_EQ(e[0].left, 5500);
    EXPECT_EQ(e[6].top, 120);
    EXPECT_EQ(e[7].left, 1920);
}

TEST(LogCaptions, CombinedMetricCaptions) {
    EXPECT_EQ(comboCaptions(0, true).estimates, u"Parameter Estimates (logs/ha)"_s);
    EXPECT_EQ(comboCaptions(0, false).variance, u"Parameter Variance (logs/ac)^2"_s);
    EXPECT_EQ(comboCaptions(1, true).formula, u"Total Length (m/ha)"_s);
    for (bool metric : {true, false}) {
        const ComboCaptions pc = comboCaptions(2, metric);
        EXPECT_EQ(pc.estimates, u"Percent Cover Estimates"_s);
        EXPECT_EQ(pc.variance, u"Percent Cover Variance"_s);
        EXPECT_EQ(pc.formula, u"Percent Cover (st)"_s);
    }
    EXPECT_EQ(comboCaptions(4, true).variance, u"Weight Variance (metric tons/ha)^2"_s);
    EXPECT_EQ(comboCaptions(3, false).formula, u"Volume (ft^3/ac)"_s);
}

} // namespace
} // namespace vernalt::test
