#include "snag/compute_rules.h"

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
}

TEST(MainTabAction, DensitiesGatesSampleSizeComputes) {
    EXPECT_EQ(mainTabAction(1, 1), MainTabAction::StratifiedGate);
    EXPECT_EQ(mainTabAction(1, 0), MainTabAction::Nothing);
    EXPECT_EQ(mainTabAction(2, 0), MainTabAction::SampleSize);
    EXPECT_EQ(mainTabAction(2, 1), MainTabAction::SampleSize);
    EXPECT_EQ(mainTabAction(3, 1), MainTabAction::Nothing);
}

} // namespace
} // namespace vernalt::test
