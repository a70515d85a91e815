// Sampling units of a snag data sheet, their subtotals per strip width, and the
// statistics of a plot dimension over its units.
//
// A sampling unit of a level (subsegment, segment, section, transect) is a run of
// consecutive records with the same value in that level's column, within one
// transect of one stratum: a run ends where the level value, the transect or the
// stratum changes, so the last unit of one transect and the first unit of the
// next never merge, even when they carry the same number. A record whose level
// cell is empty belongs to no unit of that level (and ends the run before it).
// A unit's subtotal for a strip width is the sum of its records' flags.
#pragma once

#include "snag/plot_dimensions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vernalt {

// Identifies the text of a cell: equal keys for equal texts, 0 for an empty cell
// (GridModel::cellKey gives them).
using CellKey = std::uint64_t;
inline constexpr CellKey EmptyCell = 0;

// The four strip-width sums of one unit, by WidthLevel.
using WidthSums = std::array<double, WidthCount>;

// One record of a data sheet as the subtotals see it.
struct UnitRecord {
    CellKey stratum = EmptyCell;
    CellKey transect = EmptyCell;
    std::array<CellKey, LevelCount> levels{}; // subsegment, segment, section, transect
    WidthSums flags{};                        // the record's width flags
};

// The units of each level in sheet order, each with its width sums.
struct SheetSubtotals {
    std::array<std::vector<WidthSums>, LevelCount> units;
};

// Collects the units of the four levels from records given in sheet order.
class SubtotalCollector {
  public:
    void add(const UnitRecord& record);
    // Ends the open runs and hands the units over; the collector starts again empty.
    SheetSubtotals finish();

  private:
    struct Run {
        bool open = false;
        CellKey stratum = EmptyCell, transect = EmptyCell, value = EmptyCell;
        WidthSums sums{};
    };
    void close(int level);
    std::array<Run, LevelCount> runs_;
    SheetSubtotals result_;
};

// The units of a whole list of records.
SheetSubtotals sumUnits(std::span<const UnitRecord> records);

// Mean, sample standard deviation and number of the subtotals of a plot dimension.
struct DimensionStats {
    std::size_t n = 0;
    double mean = 0; // sum / n
    double sd = 0;   // sqrt(sum((x - mean)^2) / (n - 1)); 0 for fewer than two units
};
// n = 0 gives {0, 0, 0}: the dimension has no unit and no statistics. A sum that
// is not a finite number raises error 6.
DimensionStats dimensionStats(std::span<const double> subtotals);

// Where plot dimension p (4 x level + width) lies in the subtotal grids: grid
// p / 8 (levels 0 and 1 in grid 0, levels 2 and 3 in grid 1), column p % 8.
constexpr int subtotalGrid(int p) {
    return p / 8;
}
constexpr int subtotalColumn(int p) {
    return p % 8;
}
constexpr int dimensionWidth(int p) {
    return p % WidthCount;
}

} // namespace vernalt
