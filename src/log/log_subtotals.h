// The subtotals of the per-log values of a log data sheet per sampling unit of
// each level (subsegment, segment, section, transect), which the statistics per
// level and the serial correlation read back from grdSubtotals.
//
// A sampling unit is the rule both windows share (shell/sampling_units.h): a run of
// consecutive records with the same text in the level's column within one
// transect of one stratum; a record whose level cell is empty belongs to no unit.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace vernalt {

class GridModel;

inline constexpr int LogLevelCount = 4; // SamplingLevel 0 Subsegment .. 3 Transect

// The header of grdSubtotals column `level`: the level's word, "_" and its
// length as the user sees it ("Subsegment_12.5").
QString subtotalHeader(int level, float length);

// The column whose header, in lower case and without the blanks that widen
// it, is `name`: the first or the last such column; -1 when there is none.
int sheetColumn(const GridModel& sheet, const QString& name, bool last);

// The value a log adds to its units: its cell as CleanRound shows it. A cell
// that is empty or not a number adds nothing (0).
double perLogValue(const GridModel& sheet, int row, int col);

// Where a sheet's values and keys are; the stratum column may be missing (-1).
struct LogSheetColumns {
    int value = -1;
    std::array<int, LogLevelCount> levels{};
    int stratum = -1;
};
// The columns of a sheet by their headers (sheetColumn): the last "qualify", the
// first "subsegment", "segment", "section", "transect" and "stratum".
LogSheetColumns logSheetColumns(const GridModel& sheet);

// The subtotal of every unit of every level, in sheet order: units[k][i] is the
// sum of the per-log values of unit i of level k, display-rounded (CleanRound)
// as grdSubtotals shows it, and transects[k][i] the number of the transect it
// lies in (shell/sampling_units.h). A sum that would overflow keeps its last value.
struct LogSubtotals {
    std::array<std::vector<double>, LogLevelCount> units;
    std::array<std::vector<int>, LogLevelCount> transects;
};
LogSubtotals logSubtotals(const GridModel& sheet, const LogSheetColumns& columns);

// The subtotals of level `level` as grdSubtotals shows them: column `level` from
// row 1 down to the first cell that holds no number; none for a column the
// grid does not have.
std::vector<double> levelSubtotals(const GridModel& subtotals, int level);

} // namespace vernalt
