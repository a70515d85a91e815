// The queries behind the data sheets and the filling of a sheet's grid from a
// query. The snag window's five sheets: sheet 0 holds every record of table
// Snags, sheets 1 to 4 the records of stratum 1 to 4.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace vernalt {

class GridModel;
class Progress;

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

// Where the records of a snag sheet filled by fillSnagSheet stand: the grid
// row of each record, in the order of the table, and what was true of the
// database when the sheet was filled.
struct SheetRecords {
    QString query;                   // the sheet's query; empty: nothing is known
    int sheet = 0;                   // which snag sheet (0 to 4)
    std::vector<std::uint32_t> rows; // rows[n]: the grid row of the table's n-th record
    qint64 dataVersion = -1;         // db::dataVersion() when filled
    // True when the records still stand where they were put: the sheet was
    // filled from `sheetQuery` and no other program has changed the database
    // since (this program changes table Snags only by an import, which fills
    // the sheet again, and by marking, which refreshes the marks).
    bool hold(const QString& sheetQuery) const;
    void forget() { *this = SheetRecords(); }
};

// Writes the records of a query into the rows of a grid from its first row
// below the fixed rows, one field per column from column 0: a number as its
// numberText, a text as it is, a null as an empty cell. The grid must already
// have a row for every record (a record beyond its last row raises 9). Returns
// the number of records written. With a `progress`, "Filling n of m records"
// moves as the records are written.
int fillGridFromQuery(GridModel& grid, const QString& sql, Progress* progress = nullptr);

// The same for snag sheet k, giving the records of snagSheetQuery(metric, k) in
// its order, faster (fillSortedSheet). `placed`, when given, learns where each
// record stands.
int fillSnagSheet(GridModel& grid, bool metric, int sheet, Progress* progress = nullptr,
                  SheetRecords* placed = nullptr);

// The records of `columns` + `from` ("SELECT a, b " and "FROM t WHERE ...")
// into the rows of a grid, as fillGridFromQuery writes them, in the order an
// ORDER BY of the comma-separated `keys` gives them (equal keys keep the
// table's order), but without the database sorting whole records: they are
// read once in the table's order, their keys sorted and the rows put into
// that order. `rows`, when given, gets the grid row of each record in the
// table's order.
int fillSortedSheet(GridModel& grid, const QString& columns, const QString& from,
                    const QString& keys, Progress* progress = nullptr,
                    std::vector<std::uint32_t>* rows = nullptr);

// Writes the fields `fields` of table Snags (their values now) into the columns
// `columns` of a sheet whose records stand as `placed` says, in one pass over
// the table. False, with some cells written, when the table no longer has as
// many records as the sheet: the sheet must then be filled again. With a
// `progress`, "Filling n of m records" moves as the records are written.
bool refreshSnagColumns(GridModel& grid, const SheetRecords& placed, const QStringList& fields,
                        const std::vector<int>& columns, Progress* progress = nullptr);

} // namespace data
} // namespace vernalt
