// The prompts around File, Open that both analysis windows share: asking for
// the data file and the messages of an import that failed or found a fault.
// Each window passes its own text for a column header it does not know.
#pragma once

#include "data/csv_import.h"
#include "platform/errors.h"
#include "platform/hourglass.h"

#include <QString>
#include <optional>

namespace vernalt {

namespace data {

// Asks for the data file to open ("Open", comma-separated files or all
// files); empty when cancelled.
QString askDataFile();

// The message of a failed import: a refused file (ImportRefused) says why and
// that nothing was imported, a header name that is no column with
// `unknownColumnMessage` first; another unknown column gets
// `unknownColumnMessage` alone, a database in use the common message, anything
// else the error report tagged `procedureTag`.
void reportImportError(const RuntimeError& e, const QString& unknownColumnMessage,
                       const QString& procedureTag);

// No header line came before the first data line (or the file has none);
// `indentedLine` is the number of a refused line that blanks before "Stratum"
// kept from being the header, 0 for none.
void reportMissingHeader(qsizetype indentedLine = 0);

// A value outside the text columns was not numeric.
void reportNonNumeric();

// Runs `import` under the hourglass. On a run-time error (passed to
// `reportError`) or a missing header the hourglass ends, the user is told and
// nothing is given; the window keeps what it showed.
template <class Import, class Report>
std::optional<CsvImportResult> importOrReport(Hourglass& hourglass, Import&& import,
                                              Report&& reportError) {
    CsvImportResult imported;
    try {
        imported = import();
    } catch (const RuntimeError& e) {
        hourglass.end();
        reportError(e);
        return std::nullopt;
    }
    if (imported.missingHeader) {
        hourglass.end();
        reportMissingHeader(imported.indentedHeaderLine);
        return std::nullopt;
    }
    return imported;
}

} // namespace data
} // namespace vernalt
