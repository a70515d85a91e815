#include "snag/subtotals.h"

#include "platform/errors.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

// A record of stratum s, transect t, section x, segment g and subsegment u (0 is
// an empty cell) with its four width flags. Keys are the numbers themselves.
UnitRecord rec(CellKey s, CellKey t, CellKey x, CellKey g, CellKey u, WidthSums flags) {
    UnitRecord r;
    r.stratum = s;
    r.transect = t;
    r.levels = {u, g, x, t};
    r.flags = flags;
    return r;
}

using Units = std::vector<WidthSums>;
enum Level { Subsegment, Segment, Section, Transect };

// Two transects of stratum 1; subsegment 3 ends transect 1 and starts transect 2.
const std::vector<UnitRecord> TwoTransects = {
    rec(1, 1, 1, 1, 1, {1, 1, 1, 1}), rec(1, 1, 1, 1, 1, {0, 1, 1, 1}),
    rec(1, 1, 1, 1, 2, {0, 0, 1, 1}), rec(1, 1, 1, 2, 3, {0, 1, 0, 1}),
    rec(1, 2, 1, 2, 3, {1, 1, 1, 1}), rec(1, 2, 1, 2, 4, {0, 0, 0, 1}),
    rec(1, 2, 2, 3, 5, {0, 0, 1, 1}),
};

TEST(SumUnits, EachLevelOfTwoTransects) {
    const SheetSubtotals s = sumUnits(TwoTransects);
    // clang-format off
    EXPECT_EQ(s.units[Subsegment],
              (Units{{1, 2, 2, 2}, {0, 0, 1, 1}, {0, 1, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 1}}));
    // clang-format on
    EXPECT_EQ(s.units[Segment], (Units{{1, 2, 3, 3}, {0, 1, 0, 1}, {1, 1, 1, 2}, {0, 0, 1, 1}}));
    EXPECT_EQ(s.units[Section], (Units{{1, 3, 3, 4}, {1, 1, 1, 2}, {0, 0, 1, 1}}));
    EXPECT_EQ(s.units[Transect], (Units{{1, 3, 3, 4}, {1, 1, 2, 3}}));
}

struct RunCase {
    const char* name;
    std::vector<UnitRecord> records;
    Level level;
    Units units;
};

TEST(SumUnits, WhereRunsEnd) {
    const double big = 1.5e308;
    const RunCase cases[] = {
        // clang-format off
        {"same subsegment in the next transect is a new unit",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 2, 1, 1, 1, {0, 1, 0, 0})},
         Subsegment, {{1, 0, 0, 0}, {0, 1, 0, 0}}},
        {"same section in the next transect is a new unit",
         {rec(1, 1, 2, 3, 6, {1, 1, 0, 0}), rec(1, 2, 2, 3, 6, {0, 1, 1, 0})},
         Section, {{1, 1, 0, 0}, {0, 1, 1, 0}}},
        {"same transect number in the next stratum is a new unit",
         {rec(1, 4, 1, 1, 1, {1, 0, 0, 0}), rec(2, 4, 1, 1, 1, {1, 0, 0, 0})},
         Transect, {{1, 0, 0, 0}, {1, 0, 0, 0}}},
        {"same subsegment in the next stratum is a new unit",
         {rec(1, 4, 1, 1, 1, {0, 0, 0, 1}), rec(2, 4, 1, 1, 1, {0, 0, 0, 1})},
         Subsegment, {{0, 0, 0, 1}, {0, 0, 0, 1}}},
        {"a value coming back after another one is a new unit",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 2, {1, 0, 0, 0}),
          rec(1, 1, 1, 1, 1, {1, 0, 0, 0})},
         Subsegment, {{1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}}},
        {"an empty level cell belongs to no unit and ends the run",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 0, {0, 1, 0, 0}),
          rec(1, 1, 1, 1, 1, {0, 0, 1, 0})},
         Subsegment, {{1, 0, 0, 0}, {0, 0, 1, 0}}},
        {"records with an empty level cell at the end make no unit",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 0, {0, 1, 0, 0})},
         Subsegment, {{1, 0, 0, 0}}},
        {"the record with the empty subsegment still counts in its segment",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 0, {0, 1, 0, 0})},
         Segment, {{1, 1, 0, 0}}},
        {"an empty stratum is one stratum of its own",
         {rec(0, 1, 1, 1, 1, {1, 0, 0, 0}), rec(0, 1, 1, 1, 1, {1, 0, 0, 0})},
         Subsegment, {{2, 0, 0, 0}}},
        {"fractional flags add up",
         {rec(1, 1, 1, 1, 1, {0.5, 0, 0, 0}), rec(1, 1, 1, 1, 1, {0.25, 0, 0, 0})},
         Subsegment, {{0.75, 0, 0, 0}}},
        {"an overflowing sum keeps its value",
         {rec(1, 1, 1, 1, 1, {big, 0, 0, 0}), rec(1, 1, 1, 1, 1, {big, 1, 0, 0})},
         Subsegment, {{big, 1, 0, 0}}},
        {"no records, no units", {}, Transect, {}},
        // clang-format on
    };
    for (const RunCase& c : cases)
        EXPECT_EQ(sumUnits(c.records).units[c.level], c.units) << c.name;
}

TEST(SumUnits, CollectorStartsAgainAfterFinish) {
    SubtotalCollector collector;
    collector.add(rec(1, 1, 1, 1, 1, {1, 1, 1, 1}));
    EXPECT_EQ(collector.finish().units[Transect].size(), 1u);
    collector.add(rec(1, 1, 1, 1, 1, {0, 0, 0, 1}));
    EXPECT_EQ(collector.finish().units[Transect], (Units{{0, 0, 0, 1}}));
}

struct StatsCase {
    const char* name;
    std::vector<double> subtotals;
    std::size_t n;
    double mean, sd;
};

TEST(DimensionStats, MeanSdAndCount) {
    const StatsCase cases[] = {
        // clang-format off
        {"no unit: nothing", {}, 0, 0, 0},
        {"one unit: its subtotal, no deviation", {5}, 1, 5, 0},
        {"two equal units", {3, 3}, 2, 3, 0},
        {"1 0 0 1 0 0: mean 1/3, sd sqrt(4/15)", {1, 0, 0, 1, 0, 0}, 6, 1.0 / 3, std::sqrt(4.0 / 15)},
        {"2 4 4 4 5 5 7 9: mean 5, sd sqrt(32/7)", {2, 4, 4, 4, 5, 5, 7, 9}, 8, 5, std::sqrt(32.0 / 7)},
        {"3 1: mean 2, sd sqrt 2", {3, 1}, 2, 2, std::sqrt(2.0)},
        // clang-format on
    };
    for (const StatsCase& c : cases) {
        const DimensionStats s = dimensionStats(c.subtotals);
        EXPECT_EQ(s.n, c.n) << c.name;
        EXPECT_NEAR(s.mean, c.mean, 1e-12) << c.name;
        EXPECT_NEAR(s.sd, c.sd, 1e-12) << c.name;
    }
}

TEST(DimensionStats, InfiniteSumIsOverflow) {
    const std::vector<double> huge = {1.5e308, 1.5e308};
    try {
        dimensionStats(huge);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST(PlotDimensionPlace, GridColumnAndWidth) {
    // p = 4 x level + width; grid 0 holds subsegment and segment, grid 1 section and transect.
    struct Case {
        int p, grid, column, width;
    } cases[] = {{0, 0, 0, 0}, {5, 0, 5, 1},  {7, 0, 7, 3},
                 {8, 1, 0, 0}, {14, 1, 6, 2}, {15, 1, 7, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(subtotalGrid(c.p), c.grid) << c.p;
        EXPECT_EQ(subtotalColumn(c.p), c.column) << c.p;
        EXPECT_EQ(dimensionWidth(c.p), c.width) << c.p;
    }
}

} // namespace
} // namespace vernalt::test
