// The queries behind the log window's data sheets: sheet 0 holds every record
// of table LIM (line intersect) or SPM (strip plot, also the combined method),
// sheets 1 to 4 the records of stratum 1 to 4. Every sheet shows the stored
// Stratum, Location, Transect and Subsegment and two derived numbers in place
// of the stored segment: Section = segment / 2 rounded up, Segment =
// subsegment / 2 rounded up.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vernalt {
class GridModel;
class Progress;
} // namespace vernalt

namespace vernalt::data {

// The table a log import fills and the sheets read: "LIM" or "SPM".
QString logTable(bool lim);

// The query of log data sheet k (0 to 4), ordered by stratum, transect,
// subsegment and id (so records with equal keys keep the file's order).
QString logSheetQuery(bool lim, int sheet);

// Writes the records of log sheet k into a grid with a row for each, in the
// order of its query (fillSortedSheet). Returns the number of records.
int fillLogSheet(GridModel& grid, bool lim, int sheet, Progress* progress = nullptr);

// The names of the query's fields, in order: 16 for LIM, 17 for SPM.
const QStringList& logSheetFields(bool lim);

// The number of records of each log sheet: [0] every record of the table, [k]
// those of stratum k; one pass over the table.
std::array<int, 5> logSheetCounts(bool lim);

// The strata that make the stratum sheets unusable: true when a stratum sheet
// is empty while a later one holds records, so the strata are not numbered 1
// to m. `empty[k]` is for stratum k + 1.
bool strataGap(const std::array<bool, 4>& empty);

} // namespace vernalt::data
