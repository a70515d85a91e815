// The median of the values of one column of a table of the database, over all
// records or over the records of one stratum.
#pragma once

#include <QString>
#include <optional>

namespace vernalt {

// The median of the non-null values of `column` in `table`, over every record
// (stratum 0) or over those whose Stratum is `stratum`: the middle value in
// ascending order, or the mean of the two middle ones. Nothing when there is no
// value. The names are quoted and the stratum is bound, so any name is safe. A
// table or column that does not exist raises the database's error; a value that
// is not a number raises 13.
std::optional<double> columnMedian(const QString& table, const QString& column, int stratum);

} // namespace vernalt
