// Rating of the sixteen plot dimensions and the choice of one of them, with
// numbers worked out by hand from the formulas.
#include "snag/optimal_plot.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const std::array<std::int32_t, 16> MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                                  500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
// Metric costs per sample of category 1.
const std::array<double, 16> MetricCategory1 = {0.11, 0.13, 0.15, 0.17, 0.22, 0.26, 0.30, 0.34,
                                                0.43, 0.51, 0.60, 0.68, 0.86, 1.02, 1.20, 1.36};

OptimalInputs metricInputs() {
    OptimalInputs in;
    in.plotSizes = MetricSizes;
    in.areaFactor = 10000;
    in.tValue = u"1.67"_s;
    in.precisionLevel = u".2"_s;
    in.costsPerSample = MetricCategory1;
    return in;
}

// ---- Formulas -------------------------------------------------------------------------

TEST(OptimalFormulas, PlotsNeededForThePrecision) {
    // (1.67 x 1.5)^2 / (0.2 x 2)^2 = 6.275025 / 0.16
    EXPECT_DOUBLE_EQ(plotsNeeded(1.67, 1.5, 0.2, 2), 39.21890625);
    EXPECT_THROW(plotsNeeded(1.67, 1.5, 0.2, 0), RuntimeError); // no snags: a gap
    EXPECT_THROW(plotsNeeded(1.67, 1.5, 0, 2), RuntimeError);   // no precision: a gap
}

TEST(OptimalFormulas, FixedCostDoublesWithEachLevel) {
    EXPECT_DOUBLE_EQ(fixedCost(0), 0.265);
    EXPECT_DOUBLE_EQ(fixedCost(1), 0.53);
    EXPECT_DOUBLE_EQ(fixedCost(2), 1.06);
    EXPECT_DOUBLE_EQ(fixedCost(3), 2.12);
}

TEST(OptimalFormulas, SurveyCostTakesTheLargerOfNeededAndAtHand) {
    EXPECT_DOUBLE_EQ(surveyCost(39.2, 64, 0.375), 24);   // fewer needed than at hand
    EXPECT_DOUBLE_EQ(surveyCost(279, 10, 0.79), 220.41); // more needed than at hand
    EXPECT_DOUBLE_EQ(surveyCost(0, 64, 0.375), 0);       // none needed
    EXPECT_DOUBLE_EQ(surveyCost(5, 0, 2), 10);           // no count: what is needed
}

struct CurrencyCase {
    const char* name;
    double dollars;
    const char16_t* text;
};

TEST(OptimalFormulas, CurrencyTextIsFixedWhateverTheLocale) {
    const CurrencyCase cases[] = {
        {"whole dollars get two decimals", 24, u"$24.00"},
        {"zero", 0, u"$0.00"},
        {"thousands get commas", 1234.56, u"$1,234.56"},
        {"millions get two commas", 1234567.891, u"$1,234,567.89"},
        {"a hundred has no comma", 100, u"$100.00"},
        {"half a cent goes to the even cent", 0.125, u"$0.12"},
        {"half a cent up to the even cent", 0.135, u"$0.14"},
        {"rounding carries into the thousands", 999.995, u"$1,000.00"},
        {"below zero the sign comes first", -3.5, u"-$3.50"},
    };
    for (const CurrencyCase& c : cases)
        EXPECT_EQ(currencyText(c.dollars), QString::fromUtf16(c.text)) << c.name;
    EXPECT_THROW(currencyText(1e15), RuntimeError);
}

TEST(OptimalFormulas, CostCategoryIsAWholeNumberOneToSix) {
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(costCategory(QString::number(k)), k);
    EXPECT_EQ(costCategory(u"  3 "_s), 3);
    EXPECT_EQ(costCategory(u"\t4"_s), 4);
    for (const QString& refused : {u"2.5"_s, u"3.0"_s, u"0"_s, u"7"_s, u"abc"_s, u"+3"_s, u"03"_s,
                                   u"3 4"_s, u""_s, u"   "_s})
        EXPECT_FALSE(costCategory(refused).has_value()) << refused.toStdString();
}

// ---- Rating -----------------------------------------------------------------------------

TEST(RateDimensions, TheWorkedSubsegment10Row) {
    OptimalInputs in = metricInputs();
    in.means[0] = u"2"_s;
    in.sds[0] = u"1.5"_s;
    in.counts[0] = u"64"_s;
    const OptimalRating r = rateDimensions(in);
    ASSERT_FALSE(r.error.has_value());
    const OptimalRow& row = r.rows[0];
    EXPECT_EQ(row.meanDensity, u"160"_s);    // 2 / 0.0125
    EXPECT_EQ(row.variance, u"14400"_s);     // (1.5 x 10000 / 125)^2
    EXPECT_EQ(row.relativeVariance, u"1"_s); // the only non-zero variance
    EXPECT_EQ(row.plotsNeeded, u"39.2"_s);   // 39.2189...
    EXPECT_EQ(row.sampleArea, u"0.49"_s);    // 39.2 x 0.0125
    EXPECT_EQ(row.plotsAtHand, u"64"_s);     // copied
    EXPECT_EQ(row.relativeVariance1, u"1"_s);
    EXPECT_EQ(row.fixedCost, u"0.265"_s);
    EXPECT_EQ(row.costPerSample, u"0.11"_s);
    EXPECT_EQ(row.costPerUnit, u"0.375"_s); // 0.265 + 0.11
    EXPECT_EQ(row.relativeCost, u"1"_s);    // it is the lowest
    EXPECT_EQ(row.product, u"1"_s);
    EXPECT_EQ(row.totalCost, u"$24.00"_s); // 64 x 0.375, since 39.2 < 64
    EXPECT_EQ(r.lowestVariance, u"14400"_s);
    EXPECT_EQ(r.lowestTotalCost, u"0.375"_s);
}

TEST(RateDimensions, RowsWithoutSnagsShowZerosAndTheirCosts) {
    OptimalInputs in = metricInputs();
    in.means[0] = u"2"_s;
    in.sds[0] = u"1.5"_s;
    in.counts[0] = u"64"_s;
    const OptimalRating r = rateDimensions(in);
    const OptimalRow& row = r.rows[1]; // Subsegment20, empty statistics
    EXPECT_EQ(row.meanDensity, u"0"_s);
    EXPECT_EQ(row.variance, u"0"_s);
    EXPECT_EQ(row.relativeVariance, u"0"_s);
    EXPECT_EQ(row.plotsNeeded, u"0"_s); // 0 / 0 skipped, then "0"
    EXPECT_EQ(row.sampleArea, u"0"_s);
    EXPECT_EQ(row.plotsAtHand, u""_s);
    EXPECT_EQ(row.costPerSample, u"0.13"_s);
    EXPECT_EQ(row.costPerUnit, u"0.395"_s);
    EXPECT_EQ(row.relativeCost, u"1.05"_s); // 0.395 / 0.375 = 1.0533
    EXPECT_EQ(row.product, u"0"_s);
    EXPECT_EQ(row.totalCost, u"$0.00"_s);
    // Fixed cost by level, whatever the category.
    const char16_t* fixed[] = {u"0.265", u"0.53", u"1.06", u"2.12"};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(r.rows[i].fixedCost, QString::fromUtf16(fixed[i / 4])) << i;
    EXPECT_EQ(r.rows[4].costPerUnit, u"0.75"_s); // 0.53 + 0.22
    EXPECT_EQ(r.rows[4].relativeCost, u"2"_s);
    EXPECT_EQ(r.rows[15].costPerSample, u"1.36"_s);
    EXPECT_EQ(r.rows[15].costPerUnit, u"3.48"_s); // 2.12 + 1.36
    EXPECT_EQ(r.rows[15].relativeCost, u"9.28"_s);
    EXPECT_EQ(r.rows[14].costPerSample, u"1.2"_s); // plain text, not two decimals
}

TEST(RateDimensions, MoreNeededThanAtHandAndAnotherLowestVariance) {
    OptimalInputs in = metricInputs();
    in.means[0] = u"2"_s;
    in.sds[0] = u"1.5"_s;
    in.counts[0] = u"64"_s;
    in.means[5] = u"0.5"_s; // Segment20: P 500, a 0.05
    in.sds[5] = u"1"_s;
    in.counts[5] = u"10"_s;
    const OptimalRating r = rateDimensions(in);
    const OptimalRow& row = r.rows[5];
    EXPECT_EQ(row.meanDensity, u"10"_s); // 0.5 / 0.05
    EXPECT_EQ(row.variance, u"400"_s);   // (1 x 10000 / 500)^2
    EXPECT_EQ(row.relativeVariance, u"1"_s);
    EXPECT_EQ(row.plotsNeeded, u"279"_s);   // 2.7889 / 0.01 = 278.89
    EXPECT_EQ(row.sampleArea, u"14"_s);     // 279 x 0.05 = 13.95, half to even
    EXPECT_EQ(row.costPerUnit, u"0.79"_s);  // 0.53 + 0.26
    EXPECT_EQ(row.relativeCost, u"2.11"_s); // 0.79 / 0.375 = 2.1067
    EXPECT_EQ(row.product, u"2.11"_s);
    EXPECT_EQ(row.totalCost, u"$220.41"_s); // 279 x 0.79
    EXPECT_EQ(r.lowestVariance, u"400"_s);
    EXPECT_EQ(r.rows[0].relativeVariance, u"36"_s); // 14400 / 400
    EXPECT_EQ(r.rows[0].product, u"36"_s);
}

TEST(RateDimensions, BaseCostIsRoundedForDisplayBeforeItIsAdded) {
    // Metric category 6: Transect40 costs 15.64 per sample, shown as 15.6
    // once rounded; 2.12 + 15.6 = 17.72 shows 17.7.
    OptimalInputs in = metricInputs();
    in.costsPerSample[15] = 15.64;
    const OptimalRating r = rateDimensions(in);
    EXPECT_EQ(r.rows[15].costPerSample, u"15.64"_s);
    EXPECT_EQ(r.rows[15].costPerUnit, u"17.7"_s);
    // English category 6: Transect132 costs 19.07, 19.1 rounded: 2.12 + 19.1 = 21.22.
    in.costsPerSample[15] = 19.07;
    EXPECT_EQ(rateDimensions(in).rows[15].costPerUnit, u"21.2"_s);
}

TEST(RateDimensions, EveryVarianceZero) {
    OptimalInputs in = metricInputs();
    in.means[3] = u"2"_s; // the same count in every plot: sd 0
    in.sds[3] = u"0"_s;
    in.counts[3] = u"8"_s;
    const OptimalRating r = rateDimensions(in);
    EXPECT_EQ(r.lowestVariance, u"-1"_s);
    for (const OptimalRow& row : r.rows)
        EXPECT_EQ(row.relativeVariance, u"0"_s);
    EXPECT_EQ(r.rows[3].plotsNeeded, u"0"_s);
    EXPECT_EQ(r.rows[3].totalCost, u"$0.00"_s);
    EXPECT_EQ(r.rows[3].meanDensity, u"40"_s); // 2 / 0.05
}

TEST(RateDimensions, AZeroPlotSizeLeavesItsDensitiesEmpty) {
    OptimalInputs in = metricInputs();
    in.means[0] = u"2"_s;
    in.sds[0] = u"1.5"_s;
    in.counts[0] = u"64"_s;
    in.means[1] = u"1"_s;
    in.sds[1] = u"3"_s;
    in.plotSizes[1] = 0;
    const OptimalRating r = rateDimensions(in);
    ASSERT_FALSE(r.error.has_value());
    EXPECT_EQ(r.rows[1].meanDensity, u""_s);
    EXPECT_EQ(r.rows[1].variance, u""_s);
    EXPECT_EQ(r.rows[1].relativeVariance, u"0"_s);
    EXPECT_EQ(r.lowestVariance, u"14400"_s); // the zero-sized plot never counts
}

TEST(RateDimensions, NoCategoryLeavesTheFixedCostAlone) {
    OptimalInputs in = metricInputs();
    in.costsPerSample = {};
    const OptimalRating r = rateDimensions(in);
    EXPECT_EQ(r.rows[0].costPerSample, u"0"_s);
    EXPECT_EQ(r.rows[0].costPerUnit, u"0.265"_s);
    EXPECT_EQ(r.lowestTotalCost, u"0.265"_s);
    EXPECT_EQ(r.rows[15].relativeCost, u"8"_s); // 2.12 / 0.265
}

// ---- Choice ---------------------------------------------------------------------------

TEST(AutomaticRow, TheCheapestNonZeroTotalCostWins) {
    std::array<QString, 16> totals;
    totals.fill(u"$0.00"_s);
    EXPECT_EQ(automaticRow(totals), 1) << "no cost at all: the first row";

    totals[1] = u"$5.00"_s;
    totals[2] = u"$3.00"_s;
    totals[3] = u"$3.00"_s;
    EXPECT_EQ(automaticRow(totals), 3) << "equal costs: the earlier row";

    // Both show 1234 once rounded; the unrounded totals decide.
    totals.fill(u"$0.00"_s);
    totals[4] = u"$1,234.40"_s;
    totals[9] = u"$1,233.60"_s;
    EXPECT_EQ(automaticRow(totals), 10);
    totals[9] = u"$1,234.60"_s;
    EXPECT_EQ(automaticRow(totals), 5);

    totals[0] = u""_s;               // a cell never written
    totals[1] = u"n/a"_s;            // nor one that reads as no number
    totals[2] = u"$12,000,000.00"_s; // dearer than any limit: still a cost
    totals[4] = u"$0.00"_s;
    totals[9] = u"$0.00"_s;
    EXPECT_EQ(automaticRow(totals), 3);
}

TEST(MenuRow, TheCheckedItemImposesItsRow) {
    std::array<bool, 17> checked{};
    checked[0] = true;
    EXPECT_EQ(menuRow(checked), 0) << "Automatic";
    checked[0] = false;
    checked[6] = true;
    EXPECT_EQ(menuRow(checked), 6) << "Segment20";
    checked[9] = true;
    EXPECT_EQ(menuRow(checked), 9) << "the later checked item";
    EXPECT_EQ(menuRow(std::array<bool, 17>{}), 0) << "nothing checked";
}

} // namespace
} // namespace vernalt::test
