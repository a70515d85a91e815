// The program's database: the SQLite file dataset.db with the tables Snags,
// LIM, SPM, PlotSizes and LogLengths. Created with its tables and default
// reference rows on first use. Every statement binds its values as parameters;
// SQLite failures are raised as RuntimeErrors with the numbers the windows
// react to (3051 read-only, 3127 unknown column, 3261 in use, 3044 cannot open).
#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace vernalt {

namespace db {

// The file in use: dataset.db in the program's folder, or in the per-user data
// folder when the program's folder cannot be written; setPath() overrides it
// (tests) and closes any open connection.
QString path();
void setPath(const QString& file);

// The open connection, created on first use (the file, its tables and default
// rows too, when absent). A file that cannot be opened raises 3044; one that
// exists but cannot be written (no write permission, even for root) raises
// 3051; one held locked by another process raises 3261 when a statement needs
// it, or already here while the other process holds it exclusively. A failed
// open leaves no connection behind: the next call tries again.
QSqlDatabase connection();
void close();

// Runs one statement with its values bound in order ("?" placeholders).
// Returns the number of rows changed.
int exec(const QString& sql, const QVariantList& params = {});
// Runs a SELECT with bound values; the query is forward-only and positioned
// before the first row (read it with next()).
QSqlQuery select(const QString& sql, const QVariantList& params = {});
// A prepared statement to run many times (bulk imports and updates).
QSqlQuery prepare(const QString& sql);
void run(QSqlQuery& prepared); // exec() of a prepared statement, raising on failure

// A statement prepared straight on SQLite (no QVariant per value) on the open
// connection. Closing the connection ends it; using it after that raises.
class Statement {
  public:
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

  protected:
    // How a failure to prepare or to step is raised: as exec() raises it (an
    // unknown column is 3127), or as a reader of records raises it (a locked
    // database is 3261, anything else 3146 with SQLite's own message).
    enum class Errors { AsExec, AsReader };
    Statement(const QString& sql, Errors errors);
    ~Statement();
    [[noreturn]] void fail(int rc) const;
    void* statement_ = nullptr; // the sqlite3_stmt; null once the connection closed

  private:
    friend void close();
    void finish();
    [[noreturn]] void fail(int rc, const QString& text) const;
    Errors errors_;
};

// A SELECT read one record at a time straight from SQLite: for reading many
// records without a QVariant per field. A field is a null, a number (stored as
// an integer or a real) or a text (a blob counts as a text). The query fails
// with 3261 when the database is locked, with 3146 and SQLite's message on
// anything else (an unknown column too).
class ReadCursor : public Statement {
  public:
    explicit ReadCursor(const QString& sql);

    enum class Kind { Null, Number, Text };
    int columnCount() const;
    QString columnName(int column) const;
    // Moves to the next record; false after the last.
    bool next();
    // The fields of the current record; a column outside the query is a null.
    Kind kind(int column) const;
    double number(int column) const;       // 0 for a null, the leading number of a text
    QByteArrayView utf8(int column) const; // valid until the next call of next()
};

// A statement prepared once and run many times straight on SQLite, for bulk
// imports and updates of many rows: binding a value costs a small fraction of
// what QSqlQuery::addBindValue costs. Values are bound by position (from 0) and
// cleared by each run(); a position left unbound is NULL. Failures raise as
// exec() does. Closing the connection ends the statement (run() then raises).
class BulkStatement : public Statement {
  public:
    explicit BulkStatement(const QString& sql);

    int parameterCount() const;
    void bindNull(int index);
    void bind(int index, double value);
    void bind(int index, qint64 value);
    void bind(int index, int value) { bind(index, qint64{value}); }
    void bind(int index, QStringView text); // a null text (QString()) is NULL
    void bind(int index, const QString& text) { bind(index, QStringView(text)); }
    // Text given as UTF-8 bytes (copied), bound without a conversion; an empty
    // text is the empty text, never NULL.
    void bindUtf8(int index, QByteArrayView utf8);
    void bind(int index, const QVariant& value); // null or invalid: NULL
    // Runs the statement with the values bound, then clears them. Returns the
    // number of rows changed.
    int run();
};

// A number that changes whenever another connection (another program) has
// committed changes to the database file since it was last read here; this
// connection's own changes leave it as it is (SQLite's data_version), and
// whenever the connection was closed and opened again.
qint64 dataVersion();

// "Index" -> "\"Index\"": an identifier quoted for SQL.
QString quoted(const QString& identifier);
// The columns of a table as declared (original case).
QStringList columns(const QString& table);
// Finds a column case-insensitively; "" when the table has none of that name.
QString matchColumn(const QString& table, const QString& name);
// The columns the program makes a table with (a database file made elsewhere
// or by an older program may lack some); empty for a table it does not make.
QStringList ownColumns(const QString& table);

// What the user is told, wherever it is met, when the database file cannot be
// used at all: the file is damaged or is no database (3044), or another program
// holds it (3261). Names the file and says what to do. Both texts are empty for
// any other error number. A command that saves its results (`Access::Saving`)
// and finds the file held says instead that nothing was saved.
struct FileProblem {
    QString title, text;
};
enum class Access { Reading, Saving };
FileProblem fileProblem(int errorNumber, Access access = Access::Reading);

// Raises the RuntimeError that matches a failed statement.
[[noreturn]] void raiseError(const QSqlError& e);

// All or nothing: begins on construction (BEGIN IMMEDIATE, so a database in use
// elsewhere fails at once with 3261), rolls back on destruction unless commit()
// ran. A Transaction inside another one is a savepoint of the outer one.
class Transaction {
  public:
    Transaction();
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

  private:
    bool done_ = false;
    int level_ = 0;          // 1 for the outermost, deeper ones are savepoints
    quint64 generation_ = 0; // the connection it began on
};

} // namespace db
} // namespace vernalt

// ---- SQL functions of the program ----------------------------------------------------

#include "platform/value.h"

#include <QByteArray>

struct sqlite3_context;
struct sqlite3_value;

namespace vernalt::db {

// A scalar function of the program's own made callable from SQL on the open
// connection for the life of this object, so that a set-based statement can
// apply the program's own rules (its rounding) to every row. SQL calls
// `body(context, argc, argv)` with SQLite's own argument values; the body gives
// its result with the sqlite3_result_ functions and may use `data`
// (sqlite3_user_data). The function is gone again when this object ends.
class ScopedFunction {
  public:
    using Body = void (*)(sqlite3_context*, int, sqlite3_value**);
    ScopedFunction(const char* name, int argCount, Body body, void* data);
    ~ScopedFunction();
    ScopedFunction(const ScopedFunction&) = delete;
    ScopedFunction& operator=(const ScopedFunction&) = delete;

  private:
    QByteArray name_;
    int argCount_;
    quint64 generation_; // the connection it is defined on
};

// An argument of a scoped function as the field holds it: null, a number (a
// whole number too) or a text, the empty text included.
Value argumentValue(sqlite3_value* v);

} // namespace vernalt::db
