// The prompts around File, Open that both analysis windows share: asking for
// the data file and the messages of an import that failed or found a fault.
// Each window passes its own text for a column header it does not know.
#pragma once

#include <QString>

namespace vernalt {

class RuntimeError;

namespace data {

// Asks for the data file to open ("Open", comma-separated files or all
// files); empty when cancelled.
QString askDataFile();

// The message of a failed import: `unknownColumnMessage` for a header naming
// no column, the common one for a database in use, otherwise the error report
// tagged `procedureTag`.
void reportImportError(const RuntimeError& e, const QString& unknownColumnMessage,
                       const QString& procedureTag);

// A data line came before any header line.
void reportMissingHeader();

// A value outside the text columns was not numeric.
void reportNonNumeric();

// Keeps the window painted during a long import; no input is handled.
void keepPainted();

} // namespace data
} // namespace vernalt
