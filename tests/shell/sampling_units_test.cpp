#include "shell/sampling_units.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

// A record of stratum s, transect t, section x, segment g and subsegment u (0 is
// an empty cell) with its four width flags. Keys are the numbers themselves.
UnitRecord rec(CellKey s, CellKey t, CellKey x, CellKey g, CellKey u, WidthSums flags) {
    return {s, t, {u, g, x, t}, flags};
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
    // The transect of each unit: subsegment 3 of transect 2 is a unit of its own.
    using Numbers = std::vector<int>;
    EXPECT_EQ(s.transects[Subsegment], (Numbers{0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(s.transects[Segment], (Numbers{0, 0, 1, 1}));
    EXPECT_EQ(s.transects[Section], (Numbers{0, 1, 1}));
    // Transect 4 of stratum 1, then of stratum 2, then 4 of stratum 1 again: three.
    const SheetSubtotals strata = sumUnits(std::vector<UnitRecord>{
        rec(1, 4, 1, 1, 1, {}), rec(1, 4, 1, 1, 2, {}), rec(2, 4, 1, 1, 1, {}),
        rec(1, 4, 1, 1, 1, {}), rec(1, 4, 1, 1, 0, {})});
    EXPECT_EQ(strata.transects[Subsegment], (Numbers{0, 0, 1, 2}));
    EXPECT_EQ(strata.transects[Transect], (Numbers{0, 1, 2}));
}

TEST(SumUnits, WhereRunsEnd) {
    const double big = 1.5e308;
    const struct {
        const char* name;
        std::vector<UnitRecord> records;
        Level level;
        Units units;
    } cases[] = {
        // clang-format off
        {"a value coming back after another one is a new unit",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 2, {1, 0, 0, 0}),
          rec(1, 1, 1, 1, 1, {1, 0, 0, 0})},
         Subsegment, {{1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}}},
        {"an empty level cell belongs to no unit and ends the run",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 0, {0, 1, 0, 0}),
          rec(1, 1, 1, 1, 1, {0, 0, 1, 0})},
         Subsegment, {{1, 0, 0, 0}, {0, 0, 1, 0}}},
        {"the record with the empty subsegment still counts in its segment",
         {rec(1, 1, 1, 1, 1, {1, 0, 0, 0}), rec(1, 1, 1, 1, 0, {0, 1, 0, 0})},
         Segment, {{1, 1, 0, 0}}},
        {"an empty stratum is one stratum of its own",
         {rec(0, 1, 1, 1, 1, {1, 0, 0, 0}), rec(0, 1, 1, 1, 1, {0.5, 0, 0, 0})},
         Subsegment, {{1.5, 0, 0, 0}}},
        {"an overflowing sum keeps its value",
         {rec(1, 1, 1, 1, 1, {big, 0, 0, 0}), rec(1, 1, 1, 1, 1, {big, 1, 0, 0})},
         Subsegment, {{big, 1, 0, 0}}},
        {"no records, no units", {}, Transect, {}},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(sumUnits(c.records).units[c.level], c.units) << c.name;
    // The collector starts again empty after it hands its units over.
    SubtotalCollector collector;
    collector.add(rec(1, 1, 1, 1, 1, {1, 1, 1, 1}));
    EXPECT_EQ(collector.finish().units[Transect].size(), 1u);
    collector.add(rec(1, 2, 1, 1, 1, {0, 0, 0, 1}));
    const SheetSubtotals again = collector.finish();
    EXPECT_EQ(again.units[Transect], (Units{{0, 0, 0, 1}}));
    EXPECT_EQ(again.transects[Transect], std::vector<int>{0});
}

} // namespace
} // namespace vernalt::test
