// Rating of the sixteen plot dimensions and the choice of one of them, with
// numbers worked out by hand from the formulas.
#include "snag/optimal_plot.h"

#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The worked figures of each formula are pinned by the rating below; here the edges.
TEST(OptimalFormulas, EdgesCurrencyAndCostCategory) {
    EXPECT_THROW(plotsNeeded(1.67, 1.5, 0, 2), RuntimeError); // no precision: a gap
    EXPECT_DOUBLE_EQ(surveyCost(5, 0, 2), 10);                // no count: what is needed
    // Whatever the locale: commas for thousands, half a cent to the even cent, the
    // sign before the "$".
    expectShown({currencyText(1234567.891), currencyText(0.125), currencyText(0.135),
                 currencyText(999.995), currencyText(-3.5)},
                "$1,234,567.89 $0.12 $0.14 $1,000.00 -$3.50");
    EXPECT_THROW(currencyText(1e15), RuntimeError);
    // A whole number 1 to 6, blanks around it allowed.
    EXPECT_EQ(std::tuple(costCategory(u"1"_s), costCategory(u"6"_s), costCategory(u"\t 3 "_s)),
              std::tuple(1, 6, 3));
    for (const QString& refused : {u"2.5"_s, u"0"_s, u"7"_s, u"abc"_s, u"+3"_s, u"03"_s, u"3 4"_s})
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

// Rows given a mean, deviation and count ("row mean sd count", "/" between rows, no
// count an empty one), anything else changed; texts of some rows, the lowest
// variance and total cost.
struct RatingCase {
    const char* statistics;
    void (*change)(OptimalInputs&);
    std::vector<std::pair<int, const char*>> rows;
    const char* lowest;
};

// Subsegment10 (125 m^2, a = 0.0125): 2 +- 1.5 snags a plot, 64 plots.
// clang-format off
const RatingCase RatingCases[] = {
    // 2 / 0.0125; (1.5 x 10000 / 125)^2; 39.2189; 39.2 x 0.0125; 0.265 + 0.11;
    // 64 x 0.375 since 39.2 < 64. A row without snags: 0 / 0 skipped, then "0",
    // 0.395 / 0.375 = 1.0533; 0.53 + 0.22; 2.12 + 1.36, 3.48 / 0.375 = 9.28
    {"0 2 1.5 64", nullptr,
     {{0, "160 14400 1 39.2 0.49 64 1 0.265 0.11 0.375 1 1 $24.00"},
      {1, "0 0 0 0 0 _ * 0.265 0.13 0.395 1.05 0 $0.00"},
      {4, "* * * * * * * 0.53 0.22 0.75 2 * *"}, {8, "* * * * * * * 1.06 * * * * *"},
      {14, "* * * * * * * 2.12 1.2 * * * *"}, {15, "* * * * * * * 2.12 1.36 3.48 9.28 * *"}},
     "14400 0.375"},
    // More needed than at hand, and another lowest variance. Segment20 (500 m^2,
    // a = 0.05): 0.5 / 0.05; (1 x 10000 / 500)^2; 2.7889 / 0.01 = 278.89; 279 x 0.05 =
    // 13.95 half to even; 0.53 + 0.26; 0.79 / 0.375 = 2.1067; 279 x 0.79; 14400 / 400 = 36
    {"0 2 1.5 64 / 5 0.5 1 10", nullptr,
     {{5, "10 400 1 279 14 * * * * 0.79 2.11 2.11 $220.41"}, {0, "* * 36 * * * * * * * * 36 *"}},
     "400"},
    // The cost per sample is display-rounded before it is added: metric category 6,
    // 15.64 is shown as 15.6 once rounded; 2.12 + 15.6 = 17.72
    {"", [](OptimalInputs& in) { in.costsPerSample[15] = 15.64; },
     {{15, "* * * * * * * * 15.64 17.7 * * *"}}, ""},
    // Every variance zero: the same count in every plot, sd 0; 2 / 0.05
    {"3 2 0 8", nullptr, {{3, "40 0 0 0 * * * * * * * * $0.00"}}, "-1"},
    // A zero plot size leaves its densities empty and never counts
    {"0 2 1.5 64 / 1 1 3", [](OptimalInputs& in) { in.plotSizes[1] = 0; },
     {{1, "_ _ 0 * * * * * * * * * *"}}, "14400"},
    // No category leaves the fixed cost alone: 2.12 / 0.265
    {"", [](OptimalInputs& in) { in.costsPerSample = {}; },
     {{0, "* * * * * * * * 0 0.265 * * *"}, {15, "* * * * * * * * * * 8 * *"}}, "* 0.265"},
};
// clang-format on

const std::array<std::int32_t, 16> MetricSizes = {125, 250,  375,  500,  250,  500,  750,  1000,
                                                  500, 1000, 1500, 2000, 1000, 2000, 3000, 4000};
const std::array<double, 16> CategoryOne = {0.11, 0.13, 0.15, 0.17, 0.22, 0.26, 0.30, 0.34,
                                            0.43, 0.51, 0.60, 0.68, 0.86, 1.02, 1.20, 1.36};

TEST(RateDimensions, WorkedByHand) {
    for (const RatingCase& c : RatingCases) {
        SCOPED_TRACE(c.statistics);
        // Metric plot sizes and costs per sample of category 1.
        OptimalInputs in{{}, {}, {}, MetricSizes, 10000, u"1.67"_s, u".2"_s, CategoryOne};
        for (const QString& row :
             QString::fromLatin1(c.statistics).split(u" / "_s, Qt::SkipEmptyParts)) {
            const QStringList f = row.split(u' ');
            const auto i = std::size_t(f[0].toInt());
            in.means[i] = f[1];
            in.sds[i] = f[2];
            in.counts[i] = f.value(3);
        }
        if (c.change)
            c.change(in);
        const OptimalRating r = rateDimensions(in);
        EXPECT_FALSE(r.error.has_value());
        for (const auto& [row, words] : c.rows)
            expectShown(rowTexts(r.rows[std::size_t(row)]), words);
        expectShown({r.lowestVariance, r.lowestTotalCost}, c.lowest);
    }
}

TEST(AutomaticRow, TheCheapestNonZeroTotalCostWins) {
    // The total costs of rows 1, 2, ... ("_" never written), the rest $0.00; the row chosen.
    const std::pair<const char*, int> cases[] = {
        {"", 1},                        // no cost at all: the first row
        {"$0.00 $5.00 $3.00 $3.00", 3}, // equal costs: the earlier row
        // Both show 1234 once rounded; the unrounded totals decide.
        {"$0.00 $0.00 $0.00 $0.00 $1,234.40 $0.00 $0.00 $0.00 $0.00 $1,233.60", 10},
        // No number, and dearer than any limit but still a cost.
        {"_ n/a $12,000,000.00", 3}};
    for (const auto& [texts, row] : cases) {
        const QStringList given = QString::fromLatin1(texts).split(u' ', Qt::SkipEmptyParts);
        std::array<QString, 16> totals;
        for (qsizetype i = 0; i < 16; ++i)
            totals[std::size_t(i)] =
                i >= given.size() ? u"$0.00"_s : QString(given[i]).remove(u'_');
        EXPECT_EQ(automaticRow(totals), row) << texts;
    }
}

} // namespace
} // namespace vernalt::test
