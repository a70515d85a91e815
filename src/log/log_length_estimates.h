// The whole lengths of the strip-plot logs estimated from the piece measured in
// the plot: worked out for the logs of table SPM, shown in a data sheet in the
// sheets' order and written back into the table.
#pragma once

#include <cstdint>

class QLabel;

namespace vernalt {

class GridModel;

// Estimates the whole length of each log of one stratum (0 for every log) and
// writes the estimates into table SPM in one transaction: a log without an
// estimate (0) keeps what it held, and one that holds its estimate already is
// not written. Once they are committed, each estimate is shown display-rounded
// in column `column` of `sheet` (none when -1), record n of the sheets' order
// (stratum, transect, subsegment, id) in the n-th row below the fixed rows.
// An estimate that fails (error 6, a quotient too large) ends the run with the
// failure of the first such log in the sheets' order; a write that fails (the
// database in use elsewhere, a record refused) ends it with its error. Either
// way the table and the sheet are left as they were. Progress goes to `status`
// (none when null).
void estimateLengths(GridModel& sheet, int column, std::int16_t stratum, QLabel* status);

} // namespace vernalt
