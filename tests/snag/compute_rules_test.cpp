// The plain rules of the Compute chain and the window's place: when the number
// of strata is asked, the gate of "Calculate Stratified Values", what a page
// does as it opens, the statistics of a plot dimension, a reachable title bar.
#include "snag/compute_rules.h"
#include "snag/snag_resize.h"
#include "snag/subtotals.h"

#include "platform/errors.h"
#include "support/error_of.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(AsksNumberOfStrata, SingleAlwaysStrataWhileTheNumberIsBelow) {
    // Sheet, number entered (a word counts as 0, 3.999 rounds to 4), whether it asks.
    const std::tuple<int, QString, bool> cases[] = {
        {0, u"3"_s, true},    {0, u""_s, true},      {2, u"3"_s, false},  {2, u"2"_s, false},
        {2, u"1"_s, true},    {1, u""_s, true},      {1, u"abc"_s, true}, {3, u"2.5"_s, true},
        {2, u"2.5"_s, false}, {4, u"3.999"_s, false}};
    for (const auto& [sheet, numStrata, asks] : cases)
        EXPECT_EQ(asksNumberOfStrata(sheet, numStrata), asks) << sheet << numStrata.toStdString();
}

TEST(StratifiedGate, ButtonTable) {
    // Number of strata, which rows have a plot dimension, enabled, warned about.
    const std::tuple<QString, std::array<bool, 4>, bool, bool> cases[] = {
        {u"1"_s, {1, 0, 0, 0}, true, false},    {u"1"_s, {0, 1, 1, 1}, false, false},
        {u"2"_s, {1, 1, 0, 0}, true, false},    {u"2"_s, {1, 0, 1, 1}, false, false},
        {u"3"_s, {1, 1, 0, 0}, false, false},   {u"3"_s, {1, 1, 1, 0}, true, false},
        {u"4"_s, {1, 1, 1, 1}, true, false},    {u"4"_s, {1, 1, 1, 0}, false, false},
        {u""_s, {1, 1, 1, 1}, false, true},     {u"5"_s, {1, 1, 1, 1}, false, false},
        {u"2.0"_s, {1, 1, 1, 1}, false, false}, {u" 2"_s, {1, 1, 1, 1}, false, false},
        {u"2.5"_s, {1, 1, 1, 1}, false, false}, {u"0"_s, {1, 1, 1, 1}, false, false}};
    for (const auto& [numStrata, rows, enabled, missing] : cases) {
        const StratifiedGate g = stratifiedGate(numStrata, rows);
        EXPECT_EQ(g.enabled, enabled) << numStrata.toStdString() << rows[1] << rows[2];
        EXPECT_EQ(g.strataMissing, missing) << numStrata.toStdString();
    }
    // "Densities" gates on the stratified sheet only, "Sample Size" computes.
    EXPECT_EQ(mainTabAction(1, 1), MainTabAction::StratifiedGate);
    EXPECT_EQ(mainTabAction(1, 0), MainTabAction::Nothing);
    EXPECT_EQ(mainTabAction(2, 0), MainTabAction::SampleSize);
    EXPECT_EQ(mainTabAction(3, 1), MainTabAction::Nothing);
}

// The deviation itself is the shared StdDev; here the count, the mean and the overflow.
TEST(DimensionStats, MeanSdAndCount) {
    const DimensionStats none = dimensionStats(std::vector<double>{});
    EXPECT_EQ(none.n + none.mean + none.sd, 0);
    // 1 0 0 1 0 0: mean 1/3, sd sqrt(4/15)
    const DimensionStats s = dimensionStats(std::vector<double>{1, 0, 0, 1, 0, 0});
    EXPECT_EQ(s.n, 6u);
    EXPECT_NEAR(s.mean, 1.0 / 3, 1e-12);
    EXPECT_NEAR(s.sd, std::sqrt(4.0 / 15), 1e-12);
    EXPECT_EQ(errorOf([] {
                  dimensionStats(std::vector<double>{1.5e308, 1.5e308});
              }),
              err::Overflow);
}

TEST(TitleBarOnSomeScreen, ByWhereTheWindowLies) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    const std::pair<QPoint, bool> cases[] = {
        {{7, 7}, true},          {{1500, 100}, true},
        {{-500, 10}, true}, // partly left
        {{-2000, -2000}, false}, {{5000, 100}, false},
        {{100, 1020}, false},  // only the top pixel rows show
        {{1400, 800}, false}}; // below the smaller second screen
    for (const auto& [at, shown] : cases)
        EXPECT_EQ(titleBarOnSomeScreen(QRect(at, QSize(628, 632)), screens), shown)
            << at.x() << "," << at.y();
}

} // namespace
} // namespace vernalt::test
