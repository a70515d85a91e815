// The program's database: the SQLite file dataset.db with the tables Snags,
// LIM, SPM, PlotSizes and LogLengths. Created with its tables and default
// reference rows on first use. Every statement binds its values as parameters;
// SQLite failures are raised as RuntimeErrors with the numbers the windows
// react to (3051 read-only, 3127 unknown column, 3261 in use, 3044 cannot open).
#pragma once

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
// exists but cannot be written raises 3051; one held locked by another process
// raises 3261 when a statement needs it.
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

// "Index" -> "\"Index\"": an identifier quoted for SQL.
QString quoted(const QString& identifier);
// The columns of a table as declared (original case).
QStringList columns(const QString& table);
// Finds a column case-insensitively; "" when the table has none of that name.
QString matchColumn(const QString& table, const QString& name);

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
