// The plain rules of the Compute chain and the window's place: when the number
// of strata is asked, the gate of "Calculate Stratified Values", what a page
// does as it opens, the statistics of a plot dimension, the plot dimensions'
// names and areas and the reading of table PlotSizes, the correlation's width
// and answer, a reachable title bar.
#include "snag/compute_rules.h"
#include "snag/correlation_pairs.h"
#include "snag/snag_resize.h"
#include "snag/subtotals.h"

#include "platform/database.h"
#include "support/error_of.h"
#include "support/temp_database.h"
#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(ComputeRules, NumberOfStrataAskedAndStratifiedGate) {
    // Sheet, number entered (a word counts as 0, 2.5 rounds to 2, 3.999 to 4), whether it asks.
    const std::tuple<int, QString, bool> asks[] = {{0, u"3"_s, true},   {2, u"2"_s, false},
                                                   {2, u"1"_s, true},   {1, u"abc"_s, true},
                                                   {3, u"2.5"_s, true}, {4, u"3.999"_s, false}};
    for (const auto& [sheet, numStrata, asked] : asks)
        EXPECT_EQ(asksNumberOfStrata(sheet, numStrata), asked) << sheet << numStrata.toStdString();
    // Number of strata, which rows have a plot dimension, enabled, warned about;
    // only the texts "1" to "4" count.
    const std::tuple<QString, std::array<bool, 4>, bool, bool> gates[] = {
        {u"1"_s, {1, 0, 0, 0}, true, false},  {u"3"_s, {1, 1, 0, 1}, false, false},
        {u"4"_s, {1, 1, 1, 1}, true, false},  {u""_s, {1, 1, 1, 1}, false, true},
        {u"5"_s, {1, 1, 1, 1}, false, false}, {u" 2"_s, {1, 1, 1, 1}, false, false}};
    for (const auto& [numStrata, rows, enabled, missing] : gates) {
        const StratifiedGate g = stratifiedGate(numStrata, rows);
        EXPECT_EQ(std::pair(g.enabled, g.strataMissing), std::pair(enabled, missing))
            << numStrata.toStdString();
    }
    // "Densities" gates on the stratified sheet only.
    EXPECT_EQ(std::pair(mainTabAction(1, 1), mainTabAction(1, 0)),
              std::pair(MainTabAction::StratifiedGate, MainTabAction::Nothing));
    // A plot dimension without units has no statistics; the deviation itself is
    // the shared StdDev.
    const DimensionStats none = dimensionStats(std::vector<double>{});
    EXPECT_EQ(none.n + none.mean + none.sd, 0);
}

TEST(PlotDimensions, NamesAreasAndTheRowsRead) {
    const WidthTextArray metric = {u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(errorOf([&] { plotDimensionName(16, metric); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([] { levelName(4); }), err::SubscriptRange);
    // Halves go to the even neighbour; beyond 32 bits is an overflow.
    for (const auto& [size, area] : {std::pair{2.5, 2}, {3.5, 4}, {-0.5, 0}})
        EXPECT_EQ(wholePlotArea(size), area) << size;
    EXPECT_EQ(errorOf([] { wholePlotArea(3e9); }), err::Overflow);
    // A row beyond the sixteen fails after the rows before it (metric index 14:
    // 3000 m^2); a unit system without rows keeps what the entries held.
    TempDatabase database;
    DimensionSizeArray sizes{};
    sizes.fill(7);
    WidthTextArray widths = {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'Metric' AND "
             u"\"Index\" = 15"_s);
    EXPECT_EQ(errorOf([&] { readPlotSizes(true, sizes, widths); }), err::SubscriptRange);
    EXPECT_EQ(std::tuple(sizes[14], sizes[15], widths[3]), std::tuple(3000, 7, u"40"_s));
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English'"_s);
    readPlotSizes(false, sizes, widths);
    EXPECT_EQ(std::tuple(sizes[14], sizes[15], widths[3]), std::tuple(3000, 7, u"40"_s));
}

TEST(CorrelationAnswers, WidthIsOneOfTheTextsExactly) {
    // The lowest of equal widths; no blank, no other spelling.
    const WidthTextArray widths{u"5"_s, u"15"_s, u"15"_s, u"30"_s};
    EXPECT_EQ(std::tuple(correlationWidth(u"15"_s, widths), correlationWidth(u"30 "_s, widths),
                         correlationWidth(u"30.0"_s, widths)),
              std::tuple(1, std::nullopt, std::nullopt));
}

TEST(TitleBarOnSomeScreen, ByWhereTheWindowLies) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    // Left, top, shown: partly left; only the top pixel rows show; below the smaller
    // second screen.
    for (const auto& [x, y, shown] :
         {std::array{1500, 100, 1}, {-500, 10, 1}, {5000, 100, 0}, {100, 1020, 0}, {1400, 800, 0}})
        EXPECT_EQ(titleBarOnSomeScreen(QRect(x, y, 628, 632), screens), bool(shown))
            << x << "," << y;
}

} // namespace
} // namespace vernalt::test
