// The database file: its tables and reference rows, transactions, bound values,
// quoted identifiers and the error numbers of the failures the windows react to.
#include "platform/database.h"
#include "support/error_of.h"
#include "support/temp_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The first field of the first row.
QVariant scalar(const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = db::select(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

int countOf(const QString& table) {
    return scalar(u"SELECT COUNT(*) FROM "_s + db::quoted(table)).toInt();
}

// Every row of the five tables, in a fixed order.
QList<QVariantList> everything() {
    QList<QVariantList> all;
    for (const char* t : {"Snags", "LIM", "SPM", "PlotSizes", "LogLengths"}) {
        QSqlQuery q = db::select(u"SELECT * FROM "_s + db::quoted(QString::fromLatin1(t)) +
                                 u" ORDER BY rowid"_s);
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            all << row;
        }
    }
    return all;
}

// The number and description of the RuntimeError a statement raises; 0 and ""
// when it runs through.
std::pair<int, QString> raised(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const RuntimeError& e) {
        return {e.number(), e.description()};
    }
    return {0, QString()};
}

// ---------------------------------------------------------------------------
// A new file: its tables and reference rows.

TEST(DatabaseCreate, HasTheFiveTablesWithTheirColumnsAndTypes) {
    TempDatabase temp;
    const struct {
        const char* table;
        const char* columns;
    } cases[] = {
        {"Snags", "id,STRATUM,LOCATION,Transect,Segment,Subsegment,WIDTH10,WIDTH20,WIDTH30,"
                  "WIDTH40,WIDTH33,WIDTH66,WIDTH99,WIDTH132,DISTANCE,SPECIES,CLASS,DBH,HEIGHT,"
                  "CAVITY,FORAGE,QUALIFYING,FOREST,DISTRICT,SUBWATERSHED,OBSERVER,DATE"},
        {"LIM", "id,Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,"
                "Condition,Length,Qualify,Tally 1,Tally 2,Tally 3,Tally 4"},
        {"SPM", "id,Stratum,Location,Transect,Segment,Subsegment,LED,Endpoint,Large,Small,"
                "Length,Condition,Qualify,Use,Species,PercentLength,EstimLength"},
        {"PlotSizes", "Measurement,Index,PlotSize,Width"},
        {"LogLengths", "Measurement,Index,PlotSize"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db::columns(QString::fromLatin1(c.table)).join(u','),
                  QString::fromLatin1(c.columns))
            << c.table;
    EXPECT_EQ(countOf(u"Snags"_s) + countOf(u"LIM"_s) + countOf(u"SPM"_s), 0);
    // Numeric columns store numbers, text columns keep the text.
    db::exec(u"INSERT INTO Snags (id, DBH, LOCATION, SPECIES) VALUES (?, ?, ?, ?)"_s,
             {u"1"_s, u"12.5"_s, u"007"_s, u"12"_s});
    EXPECT_EQ(scalar(u"SELECT typeof(id) || ',' || typeof(DBH) || ',' || DBH || ',' "
                     u"|| LOCATION || ',' || typeof(SPECIES) FROM Snags"_s)
                  .toString(),
              u"integer,real,12.5,007,text"_s);
}

TEST(DatabaseCreate, ReferenceRowsHoldThePlotSizesAndLogLengthsOfBothUnitSystems) {
    TempDatabase temp;
    // Index = 4 x sampling level + width level; area = width x length. Metric
    // widths 10, 20, 30, 40 m and lengths 12.5, 25, 50, 100 m; English widths 33,
    // 66, 99, 132 ft and lengths 50, 100, 200, 400 ft. The measurement is
    // compared without regard to case.
    const QString sql = u"SELECT group_concat(PlotSize || '/' || Width, ' ') FROM "
                        u"(SELECT * FROM PlotSizes WHERE Measurement = ? ORDER BY "
                        u"\"Index\")"_s;
    EXPECT_EQ(scalar(sql, {u"METRIC"_s}),
              u"125.0/10.0 250.0/20.0 375.0/30.0 500.0/40.0 250.0/10.0 500.0/20.0 750.0/30.0 "
              u"1000.0/40.0 500.0/10.0 1000.0/20.0 1500.0/30.0 2000.0/40.0 1000.0/10.0 "
              u"2000.0/20.0 3000.0/30.0 4000.0/40.0"_s);
    EXPECT_EQ(scalar(sql, {u"english"_s}),
              u"1650.0/33.0 3300.0/66.0 4950.0/99.0 6600.0/132.0 3300.0/33.0 6600.0/66.0 "
              u"9900.0/99.0 13200.0/132.0 6600.0/33.0 13200.0/66.0 19800.0/99.0 26400.0/132.0 "
              u"13200.0/33.0 26400.0/66.0 39600.0/99.0 52800.0/132.0"_s);
    EXPECT_EQ(scalar(u"SELECT group_concat(Measurement || ' ' || \"Index\" || ' ' || "
                     u"PlotSize, ',') FROM (SELECT * FROM LogLengths "
                     u"ORDER BY Measurement DESC, \"Index\")"_s)
                  .toString(),
              u"Metric 0 12.5,Metric 1 25.0,Metric 2 50.0,Metric 3 100.0,"
              u"English 0 50.0,English 1 100.0,English 2 200.0,English 3 400.0"_s);
    EXPECT_EQ(scalar(u"SELECT COUNT(*) FROM LogLengths WHERE Measurement = 'english'"_s), 4);
}

// ---------------------------------------------------------------------------
// Opening an existing file.

TEST(DatabaseReopen, LeavesAnExistingFileAsItIsAndRecreatesOnlyAMissingTable) {
    TempDatabase temp;
    db::exec(u"UPDATE PlotSizes SET PlotSize = 999 WHERE \"Index\" = 0"_s);
    db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'English'"_s);
    db::exec(u"INSERT INTO LIM (id, Stratum) VALUES (1, 2)"_s);
    const auto before = everything();
    db::close();
    EXPECT_EQ(everything(), before);

    db::exec(u"DROP TABLE LogLengths"_s);
    db::close();
    EXPECT_EQ(countOf(u"LogLengths"_s), 8);
    EXPECT_EQ(countOf(u"LIM"_s), 1);
    EXPECT_EQ(scalar(u"SELECT COUNT(*) FROM PlotSizes WHERE PlotSize = 999"_s), 2);
}

TEST(DatabaseReopen, SetPathSwitchesToAnotherFileAndDefaultsToTheProgramFolder) {
    TempDatabase first;
    db::exec(u"INSERT INTO SPM (id) VALUES (1)"_s);
    {
        TempDatabase second;
        EXPECT_EQ(countOf(u"SPM"_s), 0);
    }
    db::setPath(first.file());
    EXPECT_EQ(countOf(u"SPM"_s), 1);
    // No path: the program folder when it is writable.
    db::setPath({});
    const QString folder = QCoreApplication::applicationDirPath();
    if (QFileInfo(folder).isWritable())
        EXPECT_EQ(db::path(), QDir(folder).filePath(u"dataset.db"_s));
    else
        EXPECT_TRUE(db::path().endsWith(u"/dataset.db"_s));
    db::setPath(first.file());
}

// ---------------------------------------------------------------------------
// Transactions.

TEST(DatabaseTransaction, AFailedImportLeavesTheTablesAsTheyWere) {
    TempDatabase temp;
    db::exec(u"INSERT INTO Snags (id, STRATUM, OBSERVER) VALUES (1, 1, 'AB')"_s);
    const auto before = everything();
    const int number = errorOf([] {
        db::Transaction t;
        db::exec(u"DELETE FROM Snags"_s);
        db::exec(u"DELETE FROM PlotSizes"_s);
        db::exec(u"UPDATE LogLengths SET PlotSize = 1"_s);
        QSqlQuery insert = db::prepare(u"INSERT INTO Snags (id, DBH) VALUES (?, ?)"_s);
        db::BulkStatement bulk(u"INSERT INTO Snags (id, DBH) VALUES (?, ?)"_s);
        for (int i = 1; i <= 10; ++i) {
            insert.addBindValue(i);
            insert.addBindValue(i * 1.5);
            db::run(insert);
            bulk.bind(0, 100 + i);
            bulk.bind(1, 2.0);
            bulk.run();
        }
        // A statement that fails ends the import before its commit.
        db::exec(u"INSERT INTO Snags (id, PercentCover1) VALUES (101, 3)"_s);
        t.commit();
    });
    EXPECT_EQ(number, err::DbUnknownField);
    EXPECT_EQ(everything(), before);
}

TEST(DatabaseTransaction, CommittedWorkStaysAndAnInnerTransactionRollsBackAlone) {
    TempDatabase temp;
    {
        db::Transaction outer;
        db::exec(u"INSERT INTO LIM (id) VALUES (1)"_s);
        {
            db::Transaction inner;
            db::exec(u"INSERT INTO LIM (id) VALUES (2)"_s);
        }
        {
            db::Transaction inner;
            db::exec(u"INSERT INTO LIM (id) VALUES (3)"_s);
            inner.commit();
        }
        outer.commit();
    }
    db::close();
    EXPECT_EQ(scalar(u"SELECT group_concat(id) FROM LIM"_s), u"1,3"_s);
}

// ---------------------------------------------------------------------------
// Identifiers.

TEST(DatabaseNames, QuotedDoublesEmbeddedQuotes) {
    const std::pair<QString, QString> cases[] = {
        {u"Index"_s, u"\"Index\""_s},
        {u"Tally 1"_s, u"\"Tally 1\""_s},
        {u"say \"hi\""_s, u"\"say \"\"hi\"\"\""_s},
        {u""_s, u"\"\""_s},
    };
    for (const auto& [identifier, expected] : cases)
        EXPECT_EQ(db::quoted(identifier), expected) << identifier.toStdString();
}

TEST(DatabaseNames, MatchColumnIgnoresCaseAndFindsNothingForAnUnknownName) {
    TempDatabase temp;
    const struct {
        const char *table, *name, *expected;
    } cases[] = {
        {"LIM", "tally 1", "Tally 1"},
        {"lim", "INTERSECT", "Intersect"},
        {"Snags", "stratum", "STRATUM"},
        {"Snags", "PercentCover1", ""},
        {"SPM", "percentlength", "PercentLength"},
        {"NoSuchTable", "id", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db::matchColumn(QString::fromLatin1(c.table), QString::fromLatin1(c.name)),
                  QString::fromLatin1(c.expected))
            << c.table << " " << c.name;
    // The columns follow a changed table.
    db::exec(u"ALTER TABLE LIM ADD COLUMN Extra REAL"_s);
    EXPECT_EQ(db::matchColumn(u"LIM"_s, u"extra"_s), u"Extra"_s);
}

TEST(DatabaseNames, OddNamesWorkThroughQuoted) {
    TempDatabase temp;
    const QString table = db::quoted(u"Odd \"Table\""_s), cover = db::quoted(u"Percent Cover"_s),
                  odd = db::quoted(u"it's \"odd\""_s);
    db::exec(u"CREATE TABLE "_s + table + u" ("_s + cover + u" REAL, "_s + odd + u" TEXT)"_s);
    EXPECT_EQ(db::columns(u"Odd \"Table\""_s),
              (QStringList{u"Percent Cover"_s, u"it's \"odd\""_s}));
    EXPECT_EQ(db::matchColumn(u"odd \"table\""_s, u"IT'S \"ODD\""_s), u"it's \"odd\""_s);
    db::exec(u"INSERT INTO "_s + table + u" ("_s + cover + u", "_s + odd + u") VALUES (?, ?)"_s,
             {u"12.5"_s, u"x"_s});
    EXPECT_EQ(scalar(u"SELECT "_s + cover + u" FROM "_s + table), 12.5);
}

// ---------------------------------------------------------------------------
// Bulk statements.

TEST(DatabaseBulk, InsertsAndUpdatesManyRowsWithNullForUnboundValues) {
    TempDatabase temp;
    {
        db::Transaction t;
        db::BulkStatement insert(u"INSERT INTO Snags (id, DBH, OBSERVER, "
                                 u"HEIGHT) VALUES (?, ?, ?, ?)"_s);
        EXPECT_EQ(insert.parameterCount(), 4);
        for (int i = 1; i <= 1000; ++i) {
            insert.bind(0, i);
            insert.bind(1, u"12.5"_s); // a numeric text becomes a number in a REAL column
            insert.bind(2, i == 7 ? u"O'Neil"_s : u"AB"_s);
            if (i % 2 == 0)
                insert.bind(3, 0.25 * i);
            EXPECT_EQ(insert.run(), 1);
        }
        t.commit();
    }
    // Sum of HEIGHT over the even i: 0.25 x (2 + 4 + ... + 1000) = 0.25 x 250500.
    EXPECT_EQ(scalar(u"SELECT COUNT(*) || ' ' || SUM(DBH) || ' ' || COUNT(HEIGHT) || ' ' "
                     u"|| SUM(HEIGHT) || ' ' || typeof(DBH) FROM Snags"_s)
                  .toString(),
              u"1000 12500.0 500 62625.0 real"_s);
    EXPECT_EQ(scalar(u"SELECT id FROM Snags WHERE OBSERVER = ?"_s, {u"O'Neil"_s}), 7);
    // An update reports the rows it changed.
    db::BulkStatement update(u"UPDATE PlotSizes SET Width = ? WHERE Measurement = ? "
                             u"AND \"Index\" % 4 = ?"_s);
    update.bind(0, 11.0);
    update.bind(1, u"metric"_s);
    update.bind(2, 0);
    EXPECT_EQ(update.run(), 4); // Index 0, 4, 8, 12
    EXPECT_EQ(scalar(u"SELECT COUNT(*) FROM PlotSizes WHERE Width = 11"_s), 4);
}

TEST(DatabaseBulk, BindsVariantsByTheirType) {
    TempDatabase temp;
    db::exec(u"CREATE TABLE \"Any\" (\"v\")"_s); // no declared type: values keep theirs
    db::BulkStatement insert(u"INSERT INTO \"Any\" (\"v\") VALUES (?)"_s);
    for (const QVariant& v : {QVariant(3), QVariant(2.5), QVariant(u"x"_s), QVariant(),
                              QVariant(QString()), QVariant(true)}) {
        insert.bind(0, v);
        insert.run();
    }
    EXPECT_EQ(scalar(u"SELECT group_concat(typeof(\"v\")) FROM \"Any\""_s),
              u"integer,real,text,null,null,integer"_s);
}

TEST(DatabaseBulk, ClosingTheDatabaseEndsTheStatement) {
    TempDatabase temp;
    db::BulkStatement insert(u"INSERT INTO LIM (id) VALUES (?)"_s);
    db::close();
    EXPECT_EQ(errorOf([&] {
                  insert.bind(0, 1);
                  insert.run();
              }),
              err::DbGeneral);
    EXPECT_EQ(countOf(u"LIM"_s), 0); // the database opens again afterwards
}

// ---------------------------------------------------------------------------
// Reading records straight from SQLite.

TEST(DatabaseRead, GivesEachFieldAsANullANumberOrItsUtf8Text) {
    TempDatabase temp;
    db::exec(u"CREATE TABLE \"Any\" (\"n\", \"v\")"_s); // no declared type: values keep theirs
    db::exec(u"INSERT INTO \"Any\" VALUES (1, 7), (2, -2.5), (3, 'Fl\u00f6ssel'), (4, NULL), "
             u"(5, ''), (6, x'4142'), (7, '1.0')"_s);
    db::ReadCursor rows(u"SELECT \"v\" AS Value, \"n\" FROM \"Any\" ORDER BY \"n\""_s);
    EXPECT_EQ(rows.columnCount(), 2);
    EXPECT_EQ(rows.columnName(0), u"Value"_s);
    EXPECT_EQ(rows.columnName(1), u"n"_s);
    using Kind = db::ReadCursor::Kind;
    const struct {
        const char* name;
        Kind kind;
        double number;
        QByteArray utf8;
    } expected[] = {
        {"an integer is a number", Kind::Number, 7, "7"},
        {"a real is a number", Kind::Number, -2.5, "-2.5"},
        {"a text keeps its UTF-8 bytes", Kind::Text, 0, "Fl\xc3\xb6ssel"},
        {"a null is a null", Kind::Null, 0, ""},
        {"an empty text is a text", Kind::Text, 0, ""},
        {"a blob counts as a text", Kind::Text, 0, "AB"},
        {"a text that looks like a number stays a text", Kind::Text, 1, "1.0"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.kind(0), e.kind);
        EXPECT_EQ(rows.number(0), e.number);
        EXPECT_EQ(rows.utf8(0).toByteArray(), e.utf8);
        EXPECT_EQ(rows.kind(2), Kind::Null); // a column outside the query
    }
    EXPECT_FALSE(rows.next());
}

TEST(DatabaseRead, FailuresRaiseTheNumbersTheReadersShow) {
    TempDatabase temp;
    const struct {
        const char* name;
        QString sql;
        int error;
        const char* words;
    } cases[] = {
        // Unlike exec(), a reader shows an unknown column as a general failure.
        {"unknown column", u"SELECT Nope FROM LIM"_s, err::DbGeneral, "no such column: Nope"},
        {"unknown table", u"SELECT id FROM Nowhere"_s, err::DbGeneral, "no such table"},
        {"syntax error", u"SELECT id FROM LIM WHERE"_s, err::DbGeneral, "incomplete input"},
        {"empty statement", u" "_s, err::DbGeneral, "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [number, description] = raised([&] { db::ReadCursor rows(c.sql); });
        EXPECT_EQ(number, c.error);
        EXPECT_TRUE(description.contains(QString::fromLatin1(c.words)))
            << description.toStdString();
    }
}

TEST(DatabaseRead, ALockedDatabaseGives3261AndAClosedOneEndsTheCursor) {
    TempDatabase temp;
    db::exec(u"INSERT INTO LIM (id) VALUES (1), (2)"_s);
    {
        OtherProgram other(temp.file());
        ASSERT_TRUE(other.exec(u"BEGIN EXCLUSIVE"_s));
        ASSERT_TRUE(other.exec(u"INSERT INTO LIM (id) VALUES (3)"_s));
        db::ReadCursor rows(u"SELECT id FROM LIM"_s);
        EXPECT_EQ(errorOf([&] { rows.next(); }), err::DbLocked);
    }
    db::ReadCursor rows(u"SELECT id FROM LIM ORDER BY id"_s);
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.number(0), 1);
    db::close();
    EXPECT_EQ(errorOf([&] { rows.next(); }), err::DbGeneral);
    EXPECT_EQ(rows.kind(0), db::ReadCursor::Kind::Null);
}

// ---------------------------------------------------------------------------
// Failures and their error numbers.

TEST(DatabaseErrors, FailedStatementsRaiseTheirNumbers) {
    TempDatabase temp;
    const struct {
        const char* name;
        std::function<void()> statement;
        int error = err::DbUnknownField;
    } cases[] = {
        {"unknown column in an insert",
         [] { db::exec(u"INSERT INTO Snags (id, PercentCover1) VALUES (1, 2)"_s); }},
        {"unknown column in a select", [] { db::select(u"SELECT Nope FROM LIM"_s); }},
        {"unknown column in a prepared update", [] { db::prepare(u"UPDATE SPM SET Nope = ?"_s); }},
        // A misspelled name in double quotes is an unknown column too, never a text.
        {"misspelled quoted name",
         [] { db::exec(u"UPDATE \"SPM\" SET \"Qualify\" = 0 WHERE \"Stratun\" = 1"_s); }},
        {"unknown column in a bulk statement",
         [] { db::BulkStatement s(u"INSERT INTO LIM (id, Nope) VALUES (?, ?)"_s); }},
        {"bulk syntax error", [] { db::BulkStatement s(u"INSERT INTO LIM VALUES ("_s); },
         err::DbGeneral},
        {"bulk parameter out of range",
         [] { db::BulkStatement(u"INSERT INTO LIM (id) VALUES (?)"_s).bind(1, 2.0); },
         err::DbGeneral},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.statement), c.error) << c.name;
    const auto [number, description] =
        raised([] { db::exec(u"INSERT INTO \"NoSuchTable\" (id) VALUES (1)"_s); });
    EXPECT_EQ(number, err::DbGeneral);
    EXPECT_TRUE(description.contains(u"no such table"_s)) << description.toStdString();
}

TEST(DatabaseErrors, SQLiteFailuresMapToTheProgramsNumbers) {
    const struct {
        const char *text, *code;
        int expected;
    } cases[] = {
        {"no such column: Nope", "1", err::DbUnknownField},
        {"table Snags has no column named PercentCover1", "1", err::DbUnknownField},
        {"database is locked", "5", err::DbLocked},
        {"database table is locked", "6", err::DbLocked},
        {"attempt to write a readonly database", "8", err::DbReadOnly},
        {"file is not a database", "26", err::DbCannotOpen},
        {"unable to open database file", "14", err::DbCannotOpen},
        {"near \"Neil\": syntax error", "1", err::DbGeneral},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QSqlError e(u"Unable to execute statement"_s, QString::fromLatin1(c.text),
                          QSqlError::StatementError, QString::fromLatin1(c.code));
        EXPECT_EQ(raised([&] { db::raiseError(e); }),
                  std::pair(c.expected, QString::fromLatin1(c.text)));
    }
}

TEST(DatabaseErrors, ADatabaseLockedElsewhereGives3261) {
    TempDatabase temp;
    db::connection();
    {
        OtherProgram other(temp.file());
        ASSERT_TRUE(other.exec(u"BEGIN EXCLUSIVE"_s)) << other.error().toStdString();
        EXPECT_EQ(errorOf([] { db::exec(u"INSERT INTO LIM (id) VALUES (1)"_s); }), err::DbLocked);
        EXPECT_EQ(errorOf([] { db::Transaction t; }), err::DbLocked);
        EXPECT_EQ(errorOf([] {
                      db::BulkStatement s(u"INSERT INTO LIM (id) VALUES (?)"_s);
                      s.bind(0, 1);
                      s.run();
                  }),
                  err::DbLocked);
        db::close();
        EXPECT_EQ(errorOf([] { db::connection(); }), err::DbLocked);
    }
    db::exec(u"INSERT INTO LIM (id) VALUES (1)"_s);
    EXPECT_EQ(countOf(u"LIM"_s), 1);
}

TEST(DatabaseErrors, AFileThatCannotBeOpenedGivesItsNumberAndLeavesNoConnection) {
    const struct {
        const char* name;
        std::function<void(const QString&)> spoil;
        int error;
    } cases[] = {
        {"read-only file",
         [](const QString& file) {
             QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         },
         err::DbReadOnly},
        {"a data file, not a database",
         [](const QString& file) {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("STRATUM,TRANSECT,DBH\n1,3,12.5\nThis is a data file, not a database.\n");
         },
         err::DbCannotOpen},
        {"a folder in place of the file",
         [](const QString& file) {
             QFile::remove(file);
             QDir().mkpath(file);
         },
         err::DbCannotOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDatabase temp;
        db::connection();
        db::close();
        c.spoil(temp.file());
        EXPECT_EQ(errorOf([] { db::connection(); }), c.error);
        EXPECT_EQ(errorOf([] { db::select(u"SELECT * FROM PlotSizes"_s); }), c.error);
        TempDatabase good; // a good file opens afterwards
        EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
    }
}

} // namespace
} // namespace vernalt::test
