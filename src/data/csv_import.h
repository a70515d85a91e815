// Import of a comma-separated data file into a table of the database, shared by
// both analysis windows. The file's header lines name the columns; every data
// line after a header becomes one row, numbered 1, 2, 3 in `id` in file order.
// The import is all or nothing: the table is emptied and refilled in one
// transaction through one prepared statement with bound values, so a failure
// anywhere leaves the table exactly as it was.
#pragma once

#include "platform/errors.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vernalt {

// The path of the data file whose records the tables hold: the one imported
// last by either analysis window. A refused or failed import leaves it as it was.
extern QString DataFilePath;

namespace data {

struct CsvImportOptions {
    QString table; // "Snags", "LIM" or "SPM"
    // Columns that may hold text (compared without regard to case): a value
    // there that is not numeric does not make the import erroneous.
    QStringList textColumns;
    // A field of blanks only is an empty field (left out of its row). When
    // false it is a value: stored as empty text, and not numeric.
    bool blankFieldIsEmpty = true;
    // Double quotes are removed from the lines before the first header line (so
    // a quoted header is read); the lines after it keep theirs.
    bool unquoteBeforeHeader = false;
    // Any line before the first header line, even an empty one, means the
    // header is missing. When false only a line that holds a value does.
    bool headerFirst = false;
    // Called every thousand data lines or so while the rows are written, with
    // the data lines done and the data lines of the file (lines after a header
    // that are neither empty nor a header). May be empty.
    std::function<void(qint64 done, qint64 total)> progress;
};

struct CsvImportResult {
    // No header line came before the first data line, or the file has none at
    // all (an empty file too): nothing was changed.
    bool missingHeader = false;
    // With missingHeader: the number of the line that was refused (from 1)
    // when, but for the spaces or tabs it begins with, it is a header line;
    // 0 otherwise.
    qsizetype indentedHeaderLine = 0;
    int rows = 0;            // rows written, with ids 1 to rows
    bool nonNumeric = false; // a value outside the text columns was not numeric
    QStringList header;      // the names of the last header line, as split
};

// Why a file was refused, for the message the user is shown.
struct Refusal {
    enum class Why {
        TooManyValues, // a data line with a value beyond the last header name
        UnknownName,   // a header name that is no column of the table
        MissingColumn, // a column of the table that the database file lacks
        Unreadable,    // the file cannot be found or read
    };
    Why why = Why::UnknownName;
    QString text;       // the header name as written, the missing column, or the file
    QString table;      // the table imported into
    qsizetype line = 0; // TooManyValues: the line's number in the file, from 1
    int values = 0;     // TooManyValues: the values of the line, up to its last non-empty one
    int names = 0;      // TooManyValues: the names of the header line it follows
};

// A refused file: the run-time error the case raises (9, 3127, 53 or 75) with
// the details of why.
class ImportRefused : public RuntimeError {
  public:
    ImportRefused(int number, Refusal refusal);
    const Refusal& refusal() const { return refusal_; }

  private:
    Refusal refusal_;
};

// Replaces the rows of options.table by the data lines of `file`.
//
// Before anything is written every name of every header line is checked: a
// name that, cleaned (cleanColumnName), is not a column of the table (without
// regard to case) raises ImportRefused 3127 (UnknownName, or MissingColumn
// when the name is a column that the program makes the table with but that
// the database file lacks); `id`, or a column named twice in one header,
// raises 3127. A data line before the first header line, or a file without
// any header line, gives missingHeader and changes nothing. While the rows are
// written, a value under an empty header name raises 3127 and a value beyond
// the last header name raises ImportRefused 9 (TooManyValues); the table is
// then left as it was, as on any database error. A file that cannot be read
// raises ImportRefused 53 (file not found) or 75 (access error), Unreadable.
//
// Values are bound, never written into the statement: a numeric value goes to
// a numeric column as its number; text columns and values that are not
// numeric receive the text trimmed of spaces. An empty field leaves its column
// null; a line whose fields are all empty gives no row and uses no id.
//
// Called inside a db::Transaction of the caller, the import is part of it (a
// savepoint), so further statements of the caller can share its all or nothing.
CsvImportResult importCsv(const QString& file, const CsvImportOptions& options);

// Raises ImportRefused 3127 (MissingColumn) when `table` lacks `column`.
void requireColumn(const QString& table, const QString& column);

} // namespace data
} // namespace vernalt
