#include "data/csv_import.h"

#include "data/csv_lines.h"
#include "platform/database.h"
#include "platform/errors.h"

#include <QSqlQuery>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

QString DataFilePath;

namespace data {

ImportRefused::ImportRefused(int number, Refusal refusal)
    : RuntimeError(number), refusal_(std::move(refusal)) {}

namespace {

// Data lines between two calls of the progress function.
constexpr int ProgressLines = 1024;

// A column of the target table as the statement fills it.
struct Slot {
    QString column;       // the table's own name of the column
    bool numeric = false; // declared with a numeric type: numbers are bound as numbers
    bool text = false;    // may hold text without making the import erroneous
    // The last text with other than ASCII characters bound here and its UTF-8
    // form, so that a value repeated line after line is converted once.
    QByteArray lastBytes;
    QByteArray lastText;
};

// True for a declared type whose column stores numbers (SQLite's affinity rules:
// not TEXT, CHAR or CLOB, and not without a type or BLOB).
bool numericType(const QString& declared) {
    const QString t = declared.toUpper();
    if (t.contains(u"INT"_s))
        return true;
    if (t.contains(u"CHAR"_s) || t.contains(u"CLOB"_s) || t.contains(u"TEXT"_s))
        return false;
    return !t.isEmpty() && !t.contains(u"BLOB"_s);
}

bool numericColumn(const QString& table, const QString& column) {
    QSqlQuery q = db::select(u"PRAGMA table_info("_s + db::quoted(table) + u')');
    while (q.next())
        if (q.value(1).toString().compare(column, Qt::CaseInsensitive) == 0)
            return numericType(q.value(2).toString());
    return false;
}

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isEmptyField(QByteArrayView field, const CsvImportOptions& options) {
    return options.blankFieldIsEmpty ? trimSpaces(field).isEmpty() : field.isEmpty();
}

// Reads the lines as the import sees them: before the first header line,
// double quotes are removed when the options say so. A file that cannot be
// read is refused as Unreadable.
class ImportLines {
  public:
    ImportLines(const QString& file, const CsvImportOptions& options)
        : file_(file), unquote_(options.unquoteBeforeHeader) {
        readable([&] { reader_.emplace(file); });
    }
    bool next(QByteArrayView& line) {
        bool more = false;
        readable([&] { more = reader_->next(line); });
        if (!more)
            return false;
        ++number_;
        if (unquote_ && !headerSeen_ && line.contains('"')) {
            unquoted_ = withoutQuotes(line);
            line = unquoted_;
        }
        if (isHeaderLine(line))
            headerSeen_ = true;
        return true;
    }
    bool headerSeen() const { return headerSeen_; }
    qsizetype lineNumber() const { return number_; } // of the line read last, from 1

  private:
    template <class F> void readable(F&& read) {
        try {
            read();
        } catch (const RuntimeError& e) { // 53 or 75 from the reader
            Refusal r;
            r.why = Refusal::Why::Unreadable;
            r.text = file_;
            throw ImportRefused(e.number(), std::move(r));
        }
    }
    QString file_;
    std::optional<FileLineReader> reader_;
    bool unquote_;
    bool headerSeen_ = false;
    qsizetype number_ = 0;
    QByteArray unquoted_;
};

// True for a line that is a header line but for the spaces or tabs it begins with.
bool indentedHeader(QByteArrayView line) {
    qsizetype b = 0;
    while (b < line.size() && (line[b] == ' ' || line[b] == '\t'))
        ++b;
    return b > 0 && isHeaderLine(line.sliced(b));
}

[[noreturn]] void refuse(int number, Refusal::Why why, const QString& text, const QString& table) {
    Refusal r;
    r.why = why;
    r.text = text;
    r.table = table;
    throw ImportRefused(number, std::move(r));
}

// The columns that the header lines of the file name, each checked against
// the table, in the order of their first naming; missingHeader when a line
// before the first header holds a value.
struct HeaderScan {
    std::vector<Slot> targets;
    bool missingHeader = false;
    qsizetype indentedHeaderLine = 0;
    qint64 dataLines = 0; // after a header, neither empty nor a header
};

[[noreturn]] void invalidHeader(const QString& name, const QString& table, const char* why) {
    raise(err::DbUnknownField, u"The header name '"_s + name + u"' "_s + QLatin1StringView(why) +
                                   u" '"_s + table + u"'."_s);
}

// A header name without the spaces at either end (the ones it is read without).
QStringView trimmedName(const QString& name) {
    qsizetype b = 0, e = name.size();
    while (b < e && name[b] == u' ')
        ++b;
    while (e > b && name[e - 1] == u' ')
        --e;
    return QStringView(name).sliced(b, e - b);
}

// The slot of each name of a header line (-1 for an empty name), adding the
// columns not seen yet to `targets`.
std::vector<int> headerSlots(const QStringList& names, const CsvImportOptions& options,
                             std::vector<Slot>& targets) {
    std::vector<int> of;
    of.reserve(std::size_t(names.size()));
    for (const QString& name : names) {
        const QString clean = cleanColumnName(name);
        if (clean.isEmpty()) {
            of.push_back(-1);
            continue;
        }
        const QString column = db::matchColumn(options.table, clean);
        if (column.isEmpty()) {
            // A column the program makes the table with: the database file lacks it.
            for (const QString& own : db::ownColumns(options.table))
                if (own.compare(clean, Qt::CaseInsensitive) == 0)
                    refuse(err::DbUnknownField, Refusal::Why::MissingColumn, own, options.table);
            refuse(err::DbUnknownField, Refusal::Why::UnknownName, trimmedName(name).toString(),
                   options.table);
        }
        if (column.compare(u"id"_s, Qt::CaseInsensitive) == 0)
            invalidHeader(name, options.table, "names the record number of table");
        int slot = -1;
        for (std::size_t s = 0; s < targets.size(); ++s)
            if (targets[s].column == column)
                slot = int(s);
        if (slot < 0) {
            Slot added;
            added.column = column;
            added.numeric = numericColumn(options.table, column);
            for (const QString& t : options.textColumns)
                added.text = added.text || t.compare(column, Qt::CaseInsensitive) == 0;
            targets.push_back(std::move(added));
            slot = int(targets.size()) - 1;
        }
        for (int earlier : of)
            if (earlier == slot)
                invalidHeader(name, options.table, "is named twice in one header row of table");
        of.push_back(slot);
    }
    return of;
}

HeaderScan scanHeaders(const QString& file, const CsvImportOptions& options) {
    HeaderScan scan;
    ImportLines lines(file, options);
    std::vector<QByteArrayView> fields;
    QByteArrayView line;
    while (lines.next(line)) {
        if (isHeaderLine(line)) {
            headerSlots(splitHeader(line), options, scan.targets);
            continue;
        }
        if (lines.headerSeen()) {
            scan.dataLines += line.isEmpty() ? 0 : 1;
            continue;
        }
        bool refused = options.headerFirst;
        if (!refused && !line.isEmpty()) {
            splitFields(line, fields);
            for (QByteArrayView f : fields)
                refused = refused || !isEmptyField(f, options);
        }
        if (refused) {
            scan.missingHeader = true;
            if (indentedHeader(line))
                scan.indentedHeaderLine = lines.lineNumber();
            return scan;
        }
    }
    scan.missingHeader = !lines.headerSeen(); // an empty file too
    return scan;
}

QString insertStatement(const QString& table, const std::vector<Slot>& targets) {
    QString columns = db::quoted(db::matchColumn(table, u"id"_s));
    QString marks = u"?"_s;
    for (const Slot& s : targets) {
        columns += u", "_s + db::quoted(s.column);
        marks += u", ?"_s;
    }
    return u"INSERT INTO "_s + db::quoted(table) + u" ("_s + columns + u") VALUES ("_s + marks +
           u')';
}

} // namespace

CsvImportResult importCsv(const QString& file, const CsvImportOptions& options) {
    CsvImportResult result;
    // The file is read twice: its header lines first, checked before anything
    // is written, then every line.
    HeaderScan scan = scanHeaders(file, options);
    if (scan.missingHeader) {
        result.missingHeader = true;
        result.indentedHeaderLine = scan.indentedHeaderLine;
        return result;
    }
    std::vector<Slot>& targets = scan.targets;
    requireColumn(options.table, u"id"_s);

    db::Transaction transaction;
    db::exec(u"DELETE FROM "_s + db::quoted(options.table));
    db::BulkStatement insert(insertStatement(options.table, targets));

    std::vector<int> slotOf; // the slot of each field position of the current header
    std::vector<QByteArrayView> fields;
    ImportLines lines(file, options);
    QByteArrayView line;
    qint64 dataLines = 0;
    while (lines.next(line)) {
        if (isHeaderLine(line)) {
            result.header = splitHeader(line);
            slotOf = headerSlots(result.header, options, targets);
            continue;
        }
        if (!lines.headerSeen() || line.isEmpty())
            continue; // before the header no line holds a value (see scanHeaders)
        if (++dataLines % ProgressLines == 0 && options.progress)
            options.progress(dataLines, scan.dataLines);

        // Values are bound as the fields are read; the positions left unbound
        // (empty fields, columns this header does not name) are NULL.
        splitFields(line, fields);
        bool any = false;
        for (std::size_t j = 0; j < fields.size(); ++j) {
            if (isEmptyField(fields[j], options))
                continue;
            if (j >= slotOf.size()) {
                Refusal r;
                r.why = Refusal::Why::TooManyValues;
                r.table = options.table;
                r.line = lines.lineNumber();
                r.names = int(slotOf.size());
                r.values = int(fields.size());
                while (r.values > 0 && isEmptyField(fields[std::size_t(r.values - 1)], options))
                    --r.values;
                throw ImportRefused(err::SubscriptRange, std::move(r));
            }
            const int s = slotOf[j];
            if (s < 0)
                raise(err::DbUnknownField, u"A value was found under an empty header name."_s);
            Slot& slot = targets[std::size_t(s)];
            const QByteArrayView value = trimSpaces(fields[j]);
            const int position = s + 1; // position 0 is the id
            any = true;
            if (!slot.text) {
                double x = 0;
                const bool numeric = readNumber(value, x);
                result.nonNumeric = result.nonNumeric || !numeric;
                if (numeric && slot.numeric) {
                    insert.bind(position, x);
                    continue;
                }
            }
            if (isAscii(value)) {
                insert.bindUtf8(position, value); // the file's own bytes
            } else {
                if (slot.lastBytes != value) {
                    slot.lastBytes = value.toByteArray();
                    slot.lastText = fieldText(value).toUtf8();
                }
                insert.bindUtf8(position, slot.lastText);
            }
        }
        if (!any)
            continue; // nothing was bound
        insert.bind(0, result.rows + 1);
        insert.run();
        ++result.rows;
    }
    transaction.commit();
    return result;
}

void requireColumn(const QString& table, const QString& column) {
    if (db::matchColumn(table, column).isEmpty())
        refuse(err::DbUnknownField, Refusal::Why::MissingColumn, column, table);
}

} // namespace data
} // namespace vernalt
