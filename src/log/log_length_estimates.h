// The whole lengths of the strip-plot logs estimated from the piece measured in
// the plot: worked out for the logs of table SPM, shown in a data sheet in the
// sheets' order and written back into the table.
#pragma once

#include <cstdint>

class QLabel;

namespace vernalt {

class GridModel;

// Estimates the whole length of each log of one stratum (0 for every log).
// Each estimate is shown display-rounded in column `column` of `sheet` (none
// when -1), record n of the sheets' order (stratum, transect, subsegment, id)
// in the n-th row below the fixed rows; then the estimates are written into
// table SPM in one statement: a log without an estimate (0) keeps what it held,
// and one that holds its estimate already is not written.
// An estimate that fails (error 6, a quotient too large) ends the run at that
// log, taken in the sheets' order: the rows before it show their estimates and
// the table is left as it was. Progress goes to `status` (none when null).
void estimateLengths(GridModel& sheet, int column, std::int16_t stratum, QLabel* status);

} // namespace vernalt
