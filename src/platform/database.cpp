// The program's SQLite database: where the file lives, opening it (creating its
// tables and reference rows when they are missing), running statements with
// bound values, and turning SQLite failures into the program's error numbers.
#include "platform/database.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QStandardPaths>

#include <array>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace vernalt::db {

namespace {

const QString kConnectionName = u"vernalt-dataset"_s;
const QString kFileName = u"dataset.db"_s;
// How long a statement waits for another program's lock before it fails with 3261.
constexpr int kBusyTimeoutMs = 1000;

struct State {
    QString overridePath;                // set by setPath(); empty: the default place
    QHash<QString, QStringList> columns; // declared columns per table (key lower case)
    int depth = 0;                       // open Transactions on the connection
    quint64 generation = 0;              // grows on every close()
    sqlite3* handle = nullptr;           // the open connection's SQLite handle
    QSet<Statement*> statements;         // alive on the open connection
};

State& state() {
    static State s;
    return s;
}

// ---------------------------------------------------------------------------
// The tables and their reference rows.

enum class Type { Integer, Real, Text, TextNoCase };

struct Column {
    const char* name;
    Type type;
};

constexpr Column kSnags[] = {
    {"id", Type::Integer},        {"STRATUM", Type::Real},  {"LOCATION", Type::Text},
    {"Transect", Type::Real},     {"Segment", Type::Real},  {"Subsegment", Type::Real},
    {"WIDTH10", Type::Real},      {"WIDTH20", Type::Real},  {"WIDTH30", Type::Real},
    {"WIDTH40", Type::Real},      {"WIDTH33", Type::Real},  {"WIDTH66", Type::Real},
    {"WIDTH99", Type::Real},      {"WIDTH132", Type::Real}, {"DISTANCE", Type::Real},
    {"SPECIES", Type::Text},      {"CLASS", Type::Real},    {"DBH", Type::Real},
    {"HEIGHT", Type::Real},       {"CAVITY", Type::Real},   {"FORAGE", Type::Real},
    {"QUALIFYING", Type::Real},   {"FOREST", Type::Text},   {"DISTRICT", Type::Text},
    {"SUBWATERSHED", Type::Text}, {"OBSERVER", Type::Text}, {"DATE", Type::Text},
};

constexpr Column kLim[] = {
    {"id", Type::Integer},     {"Stratum", Type::Real},   {"Location", Type::Text},
    {"Transect", Type::Real},  {"Segment", Type::Real},   {"Subsegment", Type::Real},
    {"Species", Type::Text},   {"Intersect", Type::Real}, {"LED", Type::Real},
    {"Condition", Type::Real}, {"Length", Type::Real},    {"Qualify", Type::Real},
    {"Tally 1", Type::Real},   {"Tally 2", Type::Real},   {"Tally 3", Type::Real},
    {"Tally 4", Type::Real},
};

constexpr Column kSpm[] = {
    {"id", Type::Integer},         {"Stratum", Type::Real},     {"Location", Type::Text},
    {"Transect", Type::Real},      {"Segment", Type::Real},     {"Subsegment", Type::Real},
    {"LED", Type::Real},           {"Endpoint", Type::Real},    {"Large", Type::Real},
    {"Small", Type::Real},         {"Length", Type::Real},      {"Condition", Type::Real},
    {"Qualify", Type::Real},       {"Use", Type::Real},         {"Species", Type::Text},
    {"PercentLength", Type::Real}, {"EstimLength", Type::Real},
};

constexpr Column kPlotSizes[] = {
    {"Measurement", Type::TextNoCase},
    {"Index", Type::Integer},
    {"PlotSize", Type::Real},
    {"Width", Type::Real},
};

constexpr Column kLogLengths[] = {
    {"Measurement", Type::TextNoCase},
    {"Index", Type::Integer},
    {"PlotSize", Type::Real},
};

// The default plot dimensions of one unit system: the length of each sampling
// level (subsegment, segment, section, transect) and the four strip widths.
struct UnitDefaults {
    const char* measurement;
    std::array<double, 4> lengths;
    std::array<double, 4> widths;
};

constexpr UnitDefaults kUnitDefaults[] = {
    {"Metric", {12.5, 25, 50, 100}, {10, 20, 30, 40}},
    {"English", {50, 100, 200, 400}, {33, 66, 99, 132}},
};

QString typeName(Type t) {
    switch (t) {
    case Type::Integer:
        return u"INTEGER"_s;
    case Type::Real:
        return u"REAL"_s;
    case Type::Text:
        return u"TEXT"_s;
    case Type::TextNoCase:
        return u"TEXT COLLATE NOCASE"_s;
    }
    return u"TEXT"_s;
}

template <std::size_t N> QString createStatement(const char* table, const Column (&cols)[N]) {
    QStringList defs;
    for (const Column& c : cols)
        defs << quoted(QString::fromLatin1(c.name)) + u' ' + typeName(c.type);
    return u"CREATE TABLE "_s + quoted(QString::fromLatin1(table)) + u" ("_s + defs.join(u", "_s) +
           u')';
}

// PlotSizes: for each unit system sixteen rows, Index = 4 x sampling level +
// width level, PlotSize = width x length, Width = the strip width.
QList<QVariantList> plotSizeRows() {
    QList<QVariantList> rows;
    for (const UnitDefaults& u : kUnitDefaults)
        for (int level = 0; level < 4; ++level)
            for (int w = 0; w < 4; ++w)
                rows.append({QString::fromLatin1(u.measurement), 4 * level + w,
                             u.widths[w] * u.lengths[level], u.widths[w]});
    return rows;
}

// LogLengths: for each unit system the length of the four sampling levels.
QList<QVariantList> logLengthRows() {
    QList<QVariantList> rows;
    for (const UnitDefaults& u : kUnitDefaults)
        for (int level = 0; level < 4; ++level)
            rows.append({QString::fromLatin1(u.measurement), level, u.lengths[level]});
    return rows;
}

struct TableSpec {
    QString name;
    QString create;
    QString insert; // empty: the table starts empty
    QList<QVariantList> (*rows)() = nullptr;
};

QList<TableSpec> tableSpecs() {
    return {
        {u"Snags"_s, createStatement("Snags", kSnags), {}, nullptr},
        {u"LIM"_s, createStatement("LIM", kLim), {}, nullptr},
        {u"SPM"_s, createStatement("SPM", kSpm), {}, nullptr},
        {u"PlotSizes"_s, createStatement("PlotSizes", kPlotSizes),
         u"INSERT INTO \"PlotSizes\" (\"Measurement\", \"Index\", \"PlotSize\", \"Width\") "
         u"VALUES (?, ?, ?, ?)"_s,
         &plotSizeRows},
        {u"LogLengths"_s, createStatement("LogLengths", kLogLengths),
         u"INSERT INTO \"LogLengths\" (\"Measurement\", \"Index\", \"PlotSize\") VALUES (?, ?, ?)"_s,
         &logLengthRows},
    };
}

// ---------------------------------------------------------------------------
// Errors.

// SQLite's primary result codes that the mapping knows.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;

int errorNumber(const QSqlError& e) {
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff; // extended codes keep it low
    const QString text = e.databaseText() + u' ' + e.driverText();
    if (text.contains(u"no such column"_s, Qt::CaseInsensitive) ||
        text.contains(u"has no column named"_s, Qt::CaseInsensitive))
        return err::DbUnknownField;
    if ((ok && (code == kSqliteBusy || code == kSqliteLocked)) ||
        text.contains(u"database is locked"_s, Qt::CaseInsensitive) ||
        text.contains(u"database table is locked"_s, Qt::CaseInsensitive))
        return err::DbLocked;
    if ((ok && code == kSqliteReadOnly) ||
        text.contains(u"readonly database"_s, Qt::CaseInsensitive))
        return err::DbReadOnly;
    if ((ok && (code == kSqliteNotADb || code == kSqliteCantOpen || code == kSqliteCorrupt)) ||
        text.contains(u"not a database"_s, Qt::CaseInsensitive) ||
        text.contains(u"unable to open database"_s, Qt::CaseInsensitive))
        return err::DbCannotOpen;
    return err::DbGeneral;
}

QString errorText(const QSqlError& e) {
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.driverText().trimmed() : db;
}

// Statements that change the layout of a table make the column cache stale.
bool changesSchema(const QString& sql) {
    const QString head = sql.trimmed().section(u' ', 0, 0).toUpper();
    return head == u"CREATE"_s || head == u"ALTER"_s || head == u"DROP"_s;
}

void bindAll(QSqlQuery& q, const QVariantList& params) {
    for (const QVariant& v : params)
        q.addBindValue(v);
}

// Runs one statement on a connection; false on failure (the error stays in q).
bool runOn(QSqlQuery& q, const QString& sql, const QVariantList& params = {}) {
    if (!q.prepare(sql))
        return false;
    bindAll(q, params);
    return q.exec();
}

void runOrRaise(const QSqlDatabase& d, const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q(d);
    if (!runOn(q, sql, params))
        raiseError(q.lastError());
}

// ---------------------------------------------------------------------------
// Opening.

// A file counts as read-only when the user may not write it or when none of its
// write permission bits is set (so a file marked read-only stays read-only for
// root too), or when its folder cannot be written (SQLite needs its journal there).
bool readOnlyFile(const QFileInfo& fi) {
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!fi.isWritable() || !(fi.permissions() & anyWrite))
        return true;
    return !QFileInfo(fi.absolutePath()).isWritable();
}

QStringList existingTables(const QSqlDatabase& d) {
    QSqlQuery q(d);
    q.setForwardOnly(true);
    if (!runOn(q, u"SELECT name FROM sqlite_master WHERE type = 'table'"_s))
        raiseError(q.lastError());
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toLower();
    return names;
}

// Creates the tables that are missing, with their reference rows, all in one
// transaction; tables that exist are left exactly as they are.
void createMissingTables(const QSqlDatabase& d) {
    const QStringList have = existingTables(d);
    QList<TableSpec> missing;
    for (const TableSpec& t : tableSpecs())
        if (!have.contains(t.name.toLower()))
            missing.append(t);
    if (missing.isEmpty())
        return;

    runOrRaise(d, u"BEGIN IMMEDIATE"_s);
    try {
        for (const TableSpec& t : missing) {
            runOrRaise(d, t.create);
            if (!t.rows)
                continue;
            QSqlQuery insert(d);
            if (!insert.prepare(t.insert))
                raiseError(insert.lastError());
            for (const QVariantList& row : t.rows()) {
                bindAll(insert, row);
                if (!insert.exec())
                    raiseError(insert.lastError());
            }
        }
        runOrRaise(d, u"COMMIT"_s);
    } catch (...) {
        QSqlQuery(d).exec(u"ROLLBACK"_s);
        throw;
    }
}

// The SQLite handle behind a connection of the QSQLITE driver (which uses the
// system's SQLite library, the one this program links).
sqlite3* handleOf(const QSqlDatabase& d) {
    const QVariant v = d.driver()->handle();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(v.constData());
    return nullptr;
}

[[noreturn]] void raiseSqlite(int rc, const QString& text) {
    raiseError(QSqlError(QString(), text.isEmpty() ? QString::fromUtf8(sqlite3_errstr(rc)) : text,
                         QSqlError::StatementError, QString::number(rc)));
}

void dropConnection() {
    if (QSqlDatabase::contains(kConnectionName)) {
        {
            QSqlDatabase d = QSqlDatabase::database(kConnectionName, false);
            d.close();
        }
        QSqlDatabase::removeDatabase(kConnectionName);
    }
}

QSqlDatabase openConnection() {
    const QString file = path();
    const QFileInfo fi(file);
    if (fi.exists()) {
        if (fi.isDir())
            raise(err::DbCannotOpen, u"Cannot open the database '"_s + file + u"'."_s);
        if (readOnlyFile(fi))
            raise(err::DbReadOnly, u"The database '"_s + file +
                                       u"' cannot be opened for updating; it is read-only."_s);
    } else {
        QDir().mkpath(fi.absolutePath());
    }

    QSqlDatabase d = QSqlDatabase::addDatabase(u"QSQLITE"_s, kConnectionName);
    d.setDatabaseName(file);
    d.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(kBusyTimeoutMs));
    if (!d.open()) {
        const QString why = errorText(d.lastError());
        d = QSqlDatabase();
        dropConnection();
        raise(err::DbCannotOpen, u"Cannot open the database '"_s + file + u"': "_s + why);
    }

    State& s = state();
    s.handle = handleOf(d);
    if (s.handle) {
#ifdef SQLITE_DBCONFIG_DQS_DML
        // A double-quoted name is always an identifier: a misspelled column
        // fails with 3127 instead of silently reading as a text.
        sqlite3_db_config(s.handle, SQLITE_DBCONFIG_DQS_DML, 0, static_cast<int*>(nullptr));
        sqlite3_db_config(s.handle, SQLITE_DBCONFIG_DQS_DDL, 0, static_cast<int*>(nullptr));
#endif
    }

    try {
        // Reading the schema is the first access to the file: a file that is no
        // database fails here, as does one that another program holds locked.
        createMissingTables(d);
        // A larger page cache lets a bulk import run without spilling to the
        // file before its commit; temporary sort tables stay in memory.
        runOrRaise(d, u"PRAGMA cache_size = -32768"_s);
        runOrRaise(d, u"PRAGMA temp_store = MEMORY"_s);
    } catch (const RuntimeError& e) {
        d = QSqlDatabase();
        s.handle = nullptr;
        dropConnection();
        if (e.number() == err::DbGeneral || e.number() == err::DbCannotOpen)
            raise(err::DbCannotOpen,
                  u"Cannot open the database '"_s + file + u"': "_s + e.description());
        throw;
    }
    return d;
}

} // namespace

// ---------------------------------------------------------------------------

QString path() {
    const State& s = state();
    if (!s.overridePath.isEmpty())
        return s.overridePath;
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty() && QFileInfo(appDir).isWritable())
        return QDir(appDir).filePath(kFileName);
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataDir);
    return QDir(dataDir).filePath(kFileName);
}

void setPath(const QString& file) {
    close();
    state().overridePath = file;
}

QSqlDatabase connection() {
    if (QSqlDatabase::contains(kConnectionName)) {
        QSqlDatabase d = QSqlDatabase::database(kConnectionName, false);
        if (d.isOpen())
            return d;
        d = QSqlDatabase();
        dropConnection();
    }
    return openConnection();
}

void close() {
    State& s = state();
    const QSet<Statement*> alive = s.statements;
    for (Statement* b : alive)
        b->finish();
    s.handle = nullptr;
    dropConnection();
    s.columns.clear();
    s.depth = 0;
    ++s.generation;
}

int exec(const QString& sql, const QVariantList& params) {
    QSqlQuery q(connection());
    if (changesSchema(sql))
        state().columns.clear();
    if (!runOn(q, sql, params))
        raiseError(q.lastError());
    return q.numRowsAffected();
}

QSqlQuery select(const QString& sql, const QVariantList& params) {
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!runOn(q, sql, params))
        raiseError(q.lastError());
    return q;
}

QSqlQuery prepare(const QString& sql) {
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (changesSchema(sql))
        state().columns.clear();
    if (!q.prepare(sql))
        raiseError(q.lastError());
    return q;
}

void run(QSqlQuery& prepared) {
    if (!prepared.exec())
        raiseError(prepared.lastError());
}

qint64 dataVersion() {
    QSqlQuery q = select(u"PRAGMA data_version"_s);
    const qint64 version = q.next() ? q.value(0).toLongLong() : 0;
    // A connection opened again (perhaps on another file) never gives an earlier number.
    return qint64(state().generation << 32) + version;
}

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(u'"', u"\"\""_s);
    return u'"' + inner + u'"';
}

QStringList columns(const QString& table) {
    State& s = state();
    const QString key = table.toLower();
    if (auto it = s.columns.constFind(key); it != s.columns.constEnd())
        return *it;
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!runOn(q, u"PRAGMA table_info("_s + quoted(table) + u')'))
        raiseError(q.lastError());
    QStringList names;
    const int nameField = q.record().indexOf(u"name"_s);
    while (q.next())
        names << q.value(nameField).toString();
    if (!names.isEmpty()) // an unknown table is not remembered: it may be created later
        s.columns.insert(key, names);
    return names;
}

QStringList ownColumns(const QString& table) {
    const auto names = [](const auto& cols) {
        QStringList out;
        for (const Column& c : cols)
            out << QString::fromLatin1(c.name);
        return out;
    };
    const QString t = table.toLower();
    if (t == u"snags"_s)
        return names(kSnags);
    if (t == u"lim"_s)
        return names(kLim);
    if (t == u"spm"_s)
        return names(kSpm);
    if (t == u"plotsizes"_s)
        return names(kPlotSizes);
    if (t == u"loglengths"_s)
        return names(kLogLengths);
    return {};
}

QString matchColumn(const QString& table, const QString& name) {
    for (const QString& c : columns(table))
        if (c.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return {};
}

FileProblem fileProblem(int errorNumber, Access access) {
    const QString file = QDir::toNativeSeparators(path());
    if (errorNumber == err::DbLocked && access == Access::Saving)
        return {u"Database in use"_s,
                u"The database file\n"_s + file +
                    u"\nis in use by another program, so the results of this command were not "
                    u"saved: the database is unchanged.\n\nClose the other program (or the other "
                    u"copy of Vernalt), then run the command again."_s};
    switch (errorNumber) {
    case err::DbCannotOpen:
        return {u"Damaged database"_s,
                u"The database file\n"_s + file +
                    u"\nis damaged or is not a database, so it cannot be opened.\n\n"
                    u"Move it to another folder or rename it, then try again. A new database, "
                    u"with the default plot sizes and unit lengths, will be made in its place; "
                    u"import your data file again."_s};
    case err::DbLocked:
        return {u"Database in use"_s,
                u"The database file\n"_s + file +
                    u"\nis in use by another program, so it cannot be opened.\n\n"
                    u"Close the other program (or the other copy of Vernalt), then try again."_s};
    default:
        return {};
    }
}

void raiseError(const QSqlError& e) {
    const int number = errorNumber(e);
    QString text = errorText(e);
    if (text.isEmpty())
        text = errorDescription(number);
    raise(number, text);
}

// ---------------------------------------------------------------------------

namespace {
sqlite3_stmt* stmtOf(void* p) {
    return static_cast<sqlite3_stmt*>(p);
}
QString lastMessage() {
    const State& s = state();
    return s.handle ? QString::fromUtf8(sqlite3_errmsg(s.handle)) : QString();
}
} // namespace

Statement::Statement(const QString& sql, Errors errors) : errors_(errors) {
    connection();
    State& s = state();
    if (!s.handle)
        raise(err::DbGeneral, u"The database driver gives no access to SQLite."_s);
    if (changesSchema(sql))
        s.columns.clear();
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare16_v2(
        s.handle, sql.utf16(), static_cast<int>(sql.size() * sizeof(char16_t)), &st, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = lastMessage();
        sqlite3_finalize(st);
        fail(rc, text);
    }
    if (!st)
        raise(err::DbGeneral, u"The statement is empty."_s);
    statement_ = st;
    s.statements.insert(this);
}

Statement::~Statement() {
    finish();
}

void Statement::finish() {
    if (!statement_)
        return;
    sqlite3_finalize(stmtOf(statement_));
    statement_ = nullptr;
    state().statements.remove(this);
}

void Statement::fail(int rc) const {
    fail(rc, lastMessage());
}

void Statement::fail(int rc, const QString& text) const {
    if (errors_ == Errors::AsExec)
        raiseSqlite(rc, text);
    const int primary = rc & 0xff;
    raise(primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? err::DbLocked : err::DbGeneral,
          text);
}

BulkStatement::BulkStatement(const QString& sql) : Statement(sql, Errors::AsExec) {}

namespace {
sqlite3_stmt* liveStatement(void* p) {
    if (!p)
        raise(err::DbGeneral, u"The statement ended when the database was closed."_s);
    return stmtOf(p);
}
void checkBind(int rc) {
    if (rc != SQLITE_OK)
        raiseSqlite(rc, lastMessage());
}
} // namespace

int BulkStatement::parameterCount() const {
    return statement_ ? sqlite3_bind_parameter_count(stmtOf(statement_)) : 0;
}

void BulkStatement::bindNull(int index) {
    checkBind(sqlite3_bind_null(liveStatement(statement_), index + 1));
}

void BulkStatement::bind(int index, double value) {
    checkBind(sqlite3_bind_double(liveStatement(statement_), index + 1, value));
}

void BulkStatement::bind(int index, qint64 value) {
    checkBind(sqlite3_bind_int64(liveStatement(statement_), index + 1, value));
}

void BulkStatement::bind(int index, QStringView text) {
    sqlite3_stmt* st = liveStatement(statement_);
    if (text.isNull()) // a null text is NULL, as QSqlQuery binds it
        checkBind(sqlite3_bind_null(st, index + 1));
    else
        checkBind(sqlite3_bind_text16(st, index + 1, text.utf16(),
                                      static_cast<int>(text.size() * sizeof(char16_t)),
                                      SQLITE_TRANSIENT));
}

void BulkStatement::bindUtf8(int index, QByteArrayView utf8) {
    static const char empty = 0;
    checkBind(sqlite3_bind_text(liveStatement(statement_), index + 1,
                                utf8.isEmpty() ? &empty : utf8.data(),
                                static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

void BulkStatement::bind(int index, const QVariant& value) {
    if (value.isNull()) {
        bindNull(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::ULongLong:
        bind(index, value.toDouble());
        break;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        bind(index, value.toLongLong());
        break;
    default:
        bind(index, value.toString()); // a null QString is NULL
    }
}

int BulkStatement::run() {
    sqlite3_stmt* st = liveStatement(statement_);
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        const QString text = lastMessage();
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        raiseSqlite(rc, text);
    }
    const int changed = sqlite3_changes(state().handle);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    return changed;
}

// ---------------------------------------------------------------------------

ReadCursor::ReadCursor(const QString& sql) : Statement(sql, Errors::AsReader) {}

int ReadCursor::columnCount() const {
    return statement_ ? sqlite3_column_count(stmtOf(statement_)) : 0;
}

QString ReadCursor::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(liveStatement(statement_), column));
}

bool ReadCursor::next() {
    const int rc = sqlite3_step(liveStatement(statement_));
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail(rc);
    return false;
}

ReadCursor::Kind ReadCursor::kind(int column) const {
    switch (sqlite3_column_type(stmtOf(statement_), column)) {
    case SQLITE_NULL:
        return Kind::Null;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return Kind::Number;
    default:
        return Kind::Text;
    }
}

double ReadCursor::number(int column) const {
    return sqlite3_column_double(stmtOf(statement_), column);
}

QByteArrayView ReadCursor::utf8(int column) const {
    sqlite3_stmt* st = stmtOf(statement_);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    return QByteArrayView(text, sqlite3_column_bytes(st, column));
}

// ---------------------------------------------------------------------------

Transaction::Transaction() {
    State& s = state();
    const QSqlDatabase d = connection();
    if (s.depth == 0)
        runOrRaise(d, u"BEGIN IMMEDIATE"_s);
    else
        runOrRaise(d, u"SAVEPOINT vernalt_"_s + QString::number(s.depth));
    level_ = ++s.depth;
    generation_ = s.generation;
}

Transaction::~Transaction() {
    State& s = state();
    if (done_ || generation_ != s.generation)
        return; // committed, or the connection was closed under it (which rolled it back)
    QSqlDatabase d = QSqlDatabase::database(kConnectionName, false);
    if (d.isOpen()) {
        QSqlQuery q(d);
        if (level_ == 1) {
            q.exec(u"ROLLBACK"_s);
        } else {
            const QString point = u"vernalt_"_s + QString::number(level_ - 1);
            q.exec(u"ROLLBACK TO "_s + point);
            q.exec(u"RELEASE "_s + point);
        }
    }
    s.depth = level_ - 1;
}

void Transaction::commit() {
    if (done_)
        return;
    State& s = state();
    if (generation_ != s.generation)
        raise(err::DbGeneral, u"The database was closed before the changes were saved."_s);
    const QSqlDatabase d = connection();
    if (level_ == 1)
        runOrRaise(d, u"COMMIT"_s);
    else
        runOrRaise(d, u"RELEASE vernalt_"_s + QString::number(level_ - 1));
    done_ = true;
    s.depth = level_ - 1;
}

// ---------------------------------------------------------------------------
// SQL functions of the program.

ScopedFunction::ScopedFunction(const char* name, int argCount, Body body, void* data)
    : name_(name), argCount_(argCount) {
    connection();
    State& s = state();
    if (!s.handle)
        raise(err::DbGeneral, u"The database driver gives no access to SQLite."_s);
    generation_ = s.generation;
    if (sqlite3_create_function_v2(s.handle, name, argCount, SQLITE_UTF8, data, body, nullptr,
                                   nullptr, nullptr) != SQLITE_OK)
        raise(err::DbGeneral, lastMessage());
}

ScopedFunction::~ScopedFunction() {
    const State& s = state();
    if (s.handle && generation_ == s.generation)
        sqlite3_create_function_v2(s.handle, name_.constData(), argCount_, SQLITE_UTF8, nullptr,
                                   nullptr, nullptr, nullptr, nullptr);
}

Value argumentValue(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return Value::null();
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return Value(sqlite3_value_double(v));
    default:
        return Value(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                       sqlite3_value_bytes(v)));
    }
}

} // namespace vernalt::db
