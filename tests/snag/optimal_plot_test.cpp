// Rating of the sixteen plot dimensions and the choice of one of them, with
// numbers worked out by hand from the formulas.
#include "snag/optimal_plot.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The worked figures of each formula are pinned by the rating below; here the edges.
TEST(OptimalFormulas, Edges) {
    EXPECT_THROW(plotsNeeded(1.67, 1.5, 0.2, 0), RuntimeError); // no snags: a gap
    EXPECT_THROW(plotsNeeded(1.67, 1.5, 0, 2), RuntimeError);   // no precision: a gap
    EXPECT_DOUBLE_EQ(surveyCost(5, 0, 2), 10);                  // no count: what is needed
}

TEST(OptimalFormulas, CurrencyTextIsFixedWhateverTheLocale) {
    // Commas for thousands, half a cent to the even cent, the sign before the "$".
    const std::pair<double, const char16_t*> cases[] = {
        {24, u"$24.00"},   {1234567.891, u"$1,234,567.89"}, {100, u"$100.00"}, {0.125, u"$0.12"},
        {0.135, u"$0.14"}, {999.995, u"$1,000.00"},         {-3.5, u"-$3.50"}};
    for (const auto& [dollars, text] : cases)
        EXPECT_EQ(currencyText(dollars), QString::fromUtf16(text)) << dollars;
    EXPECT_THROW(currencyText(1e15), RuntimeError);
}

TEST(OptimalFormulas, CostCategoryIsAWholeNumberOneToSix) {
    EXPECT_EQ(costCategory(u"1"_s), 1);
    EXPECT_EQ(costCategory(u"6"_s), 6);
    EXPECT_EQ(costCategory(u"\t 3 "_s), 3);
    for (const QString& refused : {u"2.5"_s, u"3.0"_s, u"0"_s, u"7"_s, u"abc"_s, u"+3"_s, u"03"_s,
                                   u"3 4"_s, u""_s, u"   "_s})
        EXPECT_FALSE(costCategory(refused).has_value()) << refused.toStdString();
}

// The texts of a row: mean density, variance, relative variance, plots needed,
// sample area, plots at hand, relative variance, fixed cost, cost per sample,
// cost per unit, relative cost, product, total cost.
QStringList rowTexts(const OptimalRow& r) {
    return {r.meanDensity,  r.variance,          r.relativeVariance, r.plotsNeeded,   r.sampleArea,
            r.plotsAtHand,  r.relativeVariance1, r.fixedCost,        r.costPerSample, r.costPerUnit,
            r.relativeCost, r.product,           r.totalCost};
}

// Subsegment10 (125 m^2, a = 0.0125): 2 +- 1.5 snags a plot, 64 plots.
void subsegment10(OptimalInputs& in) {
    in.means[0] = u"2"_s;
    in.sds[0] = u"1.5"_s;
    in.counts[0] = u"64"_s;
}

struct RatingCase {
    const char* name;
    void (*change)(OptimalInputs&);
    std::vector<std::pair<int, const char*>> rows;
    const char* everyRow; // words for all sixteen rows
    const char* lowest;   // the lowest variance and total cost
};

// clang-format off
const RatingCase RatingCases[] = {
    // 2 / 0.0125; (1.5 x 10000 / 125)^2; 39.2189; 39.2 x 0.0125; 0.265 + 0.11;
    // 64 x 0.375 since 39.2 < 64. A row without snags: 0 / 0 skipped, then "0",
    // 0.395 / 0.375 = 1.0533; 0.53 + 0.22; 2.12 + 1.36, 3.48 / 0.375 = 9.28
    {"the worked Subsegment10 row and rows without snags", subsegment10,
     {{0, "160 14400 1 39.2 0.49 64 1 0.265 0.11 0.375 1 1 $24.00"},
      {1, "0 0 0 0 0 _ * 0.265 0.13 0.395 1.05 0 $0.00"},
      {4, "* * * * * * * 0.53 0.22 0.75 2 * *"}, {8, "* * * * * * * 1.06 * * * * *"},
      {14, "* * * * * * * 2.12 1.2 * * * *"}, {15, "* * * * * * * 2.12 1.36 3.48 9.28 * *"}},
     "", "14400 0.375"},
    // Segment20 (500 m^2, a = 0.05): 0.5 / 0.05; (1 x 10000 / 500)^2; 2.7889 / 0.01 =
    // 278.89; 279 x 0.05 = 13.95 half to even; 0.53 + 0.26; 0.79 / 0.375 = 2.1067;
    // 279 x 0.79; 14400 / 400 = 36
    {"more needed than at hand, and another lowest variance", [](OptimalInputs& in) {
         subsegment10(in);
         in.means[5] = u"0.5"_s;
         in.sds[5] = u"1"_s;
         in.counts[5] = u"10"_s;
     },
     {{5, "10 400 1 279 14 * * * * 0.79 2.11 2.11 $220.41"}, {0, "* * 36 * * * * * * * * 36 *"}},
     "", "400"},
    // Metric category 6: 15.64 is shown as 15.6 once rounded; 2.12 + 15.6 = 17.72
    {"the cost per sample is display-rounded before it is added",
     [](OptimalInputs& in) { in.costsPerSample[15] = 15.64; },
     {{15, "* * * * * * * * 15.64 17.7 * * *"}}, "", ""},
    // The same count in every plot: sd 0; 2 / 0.05
    {"every variance zero", [](OptimalInputs& in) {
         in.means[3] = u"2"_s;
         in.sds[3] = u"0"_s;
         in.counts[3] = u"8"_s;
     },
     {{3, "40 * * 0 * * * * * * * * $0.00"}}, "* * 0 * * * * * * * * * *", "-1"},
    {"a zero plot size leaves its densities empty and never counts", [](OptimalInputs& in) {
         subsegment10(in);
         in.means[1] = u"1"_s;
         in.sds[1] = u"3"_s;
         in.plotSizes[1] = 0;
     },
     {{1, "_ _ 0 * * * * * * * * * *"}}, "", "14400"},
    // 2.12 / 0.265
    {"no category leaves the fixed cost alone", [](OptimalInputs& in) { in.costsPerSample = {}; },
     {{0, "* * * * * * * * 0 0.265 * * *"}, {15, "* * * * * * * * * * 8 * *"}},
     "", "* 0.265"},
};
// clang-format on

TEST(RateDimensions, WorkedByHand) {
    for (const RatingCase& c : RatingCases) {
        SCOPED_TRACE(c.name);
        OptimalInputs in;
        in.plotSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                        500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
        in.areaFactor = 10000;
        in.tValue = u"1.67"_s;
        in.precisionLevel = u".2"_s;
        // Metric costs per sample of category 1.
        in.costsPerSample = {0.11, 0.13, 0.15, 0.17, 0.22, 0.26, 0.30, 0.34,
                             0.43, 0.51, 0.60, 0.68, 0.86, 1.02, 1.20, 1.36};
        c.change(in);
        const OptimalRating r = rateDimensions(in);
        EXPECT_FALSE(r.error.has_value());
        for (const auto& [row, words] : c.rows)
            expectShown(rowTexts(r.rows[std::size_t(row)]), words);
        for (const OptimalRow& row : r.rows)
            expectShown(rowTexts(row), c.everyRow);
        expectShown({r.lowestVariance, r.lowestTotalCost}, c.lowest);
    }
}

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

TEST(MenuRow, TheLastCheckedItemImposesItsRow) {
    std::array<bool, 17> checked{};
    EXPECT_EQ(menuRow(checked), 0) << "nothing checked";
    checked[6] = checked[9] = true;
    EXPECT_EQ(menuRow(checked), 9);
}

} // namespace
} // namespace vernalt::test
