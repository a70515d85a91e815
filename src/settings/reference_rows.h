// Reading and writing the rows of the reference tables LogLengths and
// PlotSizes (one row per Measurement and Index) for the settings windows.
#pragma once

#include "platform/database.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace vernalt {

class RuntimeError;

// One row as text: PlotSize and (for PlotSizes) Width as the boxes show them.
struct ReferenceRow {
    int index = 0;
    QString plotSize;
    QString width;
};

// The text of a field as a box shows it: a number through numberText(), a
// text as it is, null as "".
QString fieldText(const QVariant& field);

// The rows of `table` ("LogLengths" or "PlotSizes") of one unit system
// ("Metric" or "English") in Index order. Rows whose Index is not a whole
// number from 0 to maxIndex are left out. `withWidth` reads the Width column too.
std::vector<ReferenceRow> readReferenceRows(const QString& table, const QString& measurement,
                                            int maxIndex, bool withWidth);

// Sets PlotSize (and Width, when given) of the row with this Measurement and
// Index; adds the row when the table lacks it. Run inside a db::Transaction.
void writeReferenceRow(const QString& table, const QString& measurement, int index, double plotSize,
                       std::optional<double> width = std::nullopt);

// Reports a failed read or write of a settings window: a read-only database
// gets its own message ("Open database error"), any other error the common
// error report with `tag` (for a write, saveErrorReport: a database in use
// saved nothing).
void reportDatabaseError(const RuntimeError& e, const QString& tag,
                         db::Access access = db::Access::Reading);

} // namespace vernalt
