// The queries behind the data sheets and the filling of a sheet's grid from a
// query. The snag window's five sheets: sheet 0 holds every record of table
// Snags, sheets 1 to 4 the records of stratum 1 to 4.
#pragma once

#include <QString>
#include <array>

namespace vernalt {

class GridModel;

namespace data {

// The query of snag data sheet k (0 to 4): 23 fields (the four width flags of
// the unit system), Section and Segment derived from the segment and subsegment
// numbers, ordered by transect, subsegment and id (so equal keys keep file order).
QString snagSheetQuery(bool metric, int sheet);

// The titles of the snag data sheets, with the four strip-width texts.
QString snagSheetFormat(const std::array<QString, 4>& widthTexts);

// The number of records of each snag sheet: [0] every record, [k] those of
// stratum k; one pass over the table.
std::array<int, 5> snagSheetCounts();

// Writes the records of a query into the rows of a grid from its first row
// below the fixed rows, one field per column from column 0: a number as its
// numberText, a text as it is, a null as an empty cell. The grid must already
// have a row for every record (a record beyond its last row raises 9). Returns
// the number of records written.
int fillGridFromQuery(GridModel& grid, const QString& sql);

// The same for snag sheet k, giving the records of snagSheetQuery(metric, k) in
// its order, faster: the records are read in the table's order and placed by a
// sort of their keys alone, not sorted whole by the database.
int fillSnagSheet(GridModel& grid, bool metric, int sheet);

} // namespace data
} // namespace vernalt
