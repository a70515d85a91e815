// Sampling units of a data sheet and their subtotals, shared by the two analysis
// windows.
//
// A sampling unit of a level (subsegment, segment, section, transect) is a run of
// consecutive records with the same value in that level's column, within one
// transect of one stratum: a run ends where the level value, the transect or the
// stratum changes, so the last unit of one transect and the first unit of the
// next never merge, even when they carry the same number. A record whose level
// cell is empty belongs to no unit of that level (and ends the run before it).
// A unit's subtotal for a strip width is the sum of its records' flags (the log
// window carries its per-log value in the first sum and leaves the others 0).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vernalt {

inline constexpr int LevelCount = 4; // Subsegment, Segment, Section, Transect
inline constexpr int WidthCount = 4; // the strip widths

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

// The units of each level in sheet order, each with its width sums and the
// transect it lies in. Transects are numbered from 0 in sheet order: a new
// number starts wherever the transect or the stratum changes from one record to
// the next, so equal numbers of neighbouring units mean the same transect.
struct SheetSubtotals {
    std::array<std::vector<WidthSums>, LevelCount> units;
    std::array<std::vector<int>, LevelCount> transects;
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
        int transectNumber = 0;
        WidthSums sums{};
    };
    void close(int level);
    std::array<Run, LevelCount> runs_;
    SheetSubtotals result_;
    // The transect of the last record and its number (-1 before the first record).
    CellKey lastStratum_ = EmptyCell, lastTransect_ = EmptyCell;
    int transectNumber_ = -1;
};

// The units of a whole list of records.
SheetSubtotals sumUnits(std::span<const UnitRecord> records);

} // namespace vernalt
