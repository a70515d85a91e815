// The database file: its tables and reference rows, transactions, bound values,
// quoted identifiers and the error numbers of the failures the windows react to.
#include "platform/database.h"
#include "platform/errors.h"
#include "support/temp_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlRecord>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The number of the RuntimeError that f raises; 0 when it runs through.
int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

QList<QVariantList> rowsOf(const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = db::select(sql, params);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

// Every row of the five tables, in a fixed order.
QList<QVariantList> everything() {
    QList<QVariantList> all;
    for (const char* t : {"Snags", "LIM", "SPM", "PlotSizes", "LogLengths"})
        all << rowsOf(u"SELECT * FROM "_s + db::quoted(QString::fromLatin1(t)) +
                      u" ORDER BY rowid"_s);
    return all;
}

int countOf(const QString& table) {
    return rowsOf(u"SELECT COUNT(*) FROM "_s + db::quoted(table)).at(0).at(0).toInt();
}

// ---------------------------------------------------------------------------
// A new file: its tables and reference rows.

TEST(DatabaseCreate, HasTheFiveTablesWithTheirColumns) {
    TempDatabase temp;
    struct Case {
        const char* table;
        const char* columns;
    };
    const Case cases[] = {
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
    for (const Case& c : cases)
        EXPECT_EQ(db::columns(QString::fromLatin1(c.table)).join(u','),
                  QString::fromLatin1(c.columns))
            << c.table;
    EXPECT_EQ(countOf(u"Snags"_s), 0);
    EXPECT_EQ(countOf(u"LIM"_s), 0);
    EXPECT_EQ(countOf(u"SPM"_s), 0);
}

TEST(DatabaseCreate, PlotSizesHoldWidthTimesLengthForEachDimension) {
    TempDatabase temp;
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
    // Index = 4 x sampling level + width level; area = width x length.
    struct Case {
        const char* measurement;
        int index;
        double area;
        double width;
    };
    const Case cases[] = {
        {"Metric", 0, 125, 10},      // 12.5 m x 10 m
        {"Metric", 3, 500, 40},      // 12.5 x 40
        {"Metric", 4, 250, 10},      // 25 x 10
        {"Metric", 9, 1000, 20},     // 50 x 20
        {"Metric", 15, 4000, 40},    // 100 x 40
        {"English", 0, 1650, 33},    // 50 ft x 33 ft
        {"English", 6, 9900, 99},    // 100 x 99
        {"English", 11, 26400, 132}, // 200 x 132
        {"English", 15, 52800, 132}, // 400 x 132
    };
    for (const Case& c : cases) {
        const auto rows = rowsOf(u"SELECT \"PlotSize\", \"Width\" FROM \"PlotSizes\" "
                                 u"WHERE \"Measurement\" = ? AND \"Index\" = ?"_s,
                                 {QString::fromLatin1(c.measurement), c.index});
        ASSERT_EQ(rows.size(), 1) << c.measurement << c.index;
        EXPECT_DOUBLE_EQ(rows[0][0].toDouble(), c.area) << c.measurement << c.index;
        EXPECT_DOUBLE_EQ(rows[0][1].toDouble(), c.width) << c.measurement << c.index;
    }
    // Metric areas sum: (12.5+25+50+100) x (10+20+30+40) = 187.5 x 100
    // English: (50+100+200+400) x (33+66+99+132) = 750 x 330.
    const auto sums = rowsOf(u"SELECT \"Measurement\", SUM(\"PlotSize\"), COUNT(*) FROM "
                             u"\"PlotSizes\" GROUP BY \"Measurement\" ORDER BY 1"_s);
    ASSERT_EQ(sums.size(), 2);
    EXPECT_EQ(sums[0][0].toString(), u"English"_s);
    EXPECT_DOUBLE_EQ(sums[0][1].toDouble(), 247500);
    EXPECT_EQ(sums[0][2].toInt(), 16);
    EXPECT_EQ(sums[1][0].toString(), u"Metric"_s);
    EXPECT_DOUBLE_EQ(sums[1][1].toDouble(), 18750);
    EXPECT_EQ(sums[1][2].toInt(), 16);
}

TEST(DatabaseCreate, LogLengthsHoldTheFourLevelsOfEachUnitSystem) {
    TempDatabase temp;
    const auto rows = rowsOf(u"SELECT \"Measurement\", \"Index\", \"PlotSize\" FROM "
                             u"\"LogLengths\" ORDER BY \"Measurement\" DESC, \"Index\""_s);
    const QList<QVariantList> expected = {
        {u"Metric"_s, 0, 12.5},   {u"Metric"_s, 1, 25.0},   {u"Metric"_s, 2, 50.0},
        {u"Metric"_s, 3, 100.0},  {u"English"_s, 0, 50.0},  {u"English"_s, 1, 100.0},
        {u"English"_s, 2, 200.0}, {u"English"_s, 3, 400.0},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0].toString(), expected[i][0].toString()) << i;
        EXPECT_EQ(rows[i][1].toInt(), expected[i][1].toInt()) << i;
        EXPECT_DOUBLE_EQ(rows[i][2].toDouble(), expected[i][2].toDouble()) << i;
    }
}

TEST(DatabaseCreate, MeasurementIsComparedWithoutRegardToCase) {
    TempDatabase temp;
    EXPECT_EQ(rowsOf(u"SELECT COUNT(*) FROM \"PlotSizes\" WHERE \"Measurement\" = 'METRIC'"_s)
                  .at(0)
                  .at(0)
                  .toInt(),
              16);
    EXPECT_EQ(rowsOf(u"SELECT COUNT(*) FROM \"LogLengths\" WHERE \"Measurement\" = 'english'"_s)
                  .at(0)
                  .at(0)
                  .toInt(),
              4);
}

TEST(DatabaseCreate, NumericColumnsStoreNumbersAndTextColumnsKeepTheText) {
    TempDatabase temp;
    db::exec(u"INSERT INTO \"Snags\" (\"id\", \"DBH\", \"LOCATION\", \"SPECIES\") "
             u"VALUES (?, ?, ?, ?)"_s,
             {u"1"_s, u"12.5"_s, u"007"_s, u"12"_s});
    const auto row = rowsOf(u"SELECT typeof(\"id\"), typeof(\"DBH\"), \"DBH\", \"LOCATION\", "
                            u"typeof(\"SPECIES\") FROM \"Snags\""_s)
                         .at(0);
    EXPECT_EQ(row[0].toString(), u"integer"_s);
    EXPECT_EQ(row[1].toString(), u"real"_s);
    EXPECT_DOUBLE_EQ(row[2].toDouble(), 12.5);
    EXPECT_EQ(row[3].toString(), u"007"_s);
    EXPECT_EQ(row[4].toString(), u"text"_s);
}

// ---------------------------------------------------------------------------
// Opening an existing file.

TEST(DatabaseReopen, LeavesAnExistingFileAsItIs) {
    TempDatabase temp;
    db::exec(
        u"UPDATE \"PlotSizes\" SET \"PlotSize\" = ? WHERE \"Measurement\" = ? AND \"Index\" = ?"_s,
        {999, u"Metric"_s, 0});
    db::exec(u"DELETE FROM \"LogLengths\" WHERE \"Measurement\" = 'English'"_s);
    const auto before = everything();
    db::close();
    db::connection();
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
    EXPECT_EQ(countOf(u"LogLengths"_s), 4);
}

TEST(DatabaseReopen, RecreatesOnlyAMissingTableWithItsDefaultRows) {
    TempDatabase temp;
    db::exec(u"INSERT INTO \"LIM\" (\"id\", \"Stratum\") VALUES (1, 2)"_s);
    db::exec(u"DROP TABLE \"LogLengths\""_s);
    db::close();
    EXPECT_EQ(countOf(u"LogLengths"_s), 8);
    EXPECT_EQ(countOf(u"LIM"_s), 1);
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
}

TEST(DatabaseReopen, SetPathSwitchesToAnotherFile) {
    TempDatabase first;
    db::exec(u"INSERT INTO \"SPM\" (\"id\") VALUES (1)"_s);
    {
        TempDatabase second;
        EXPECT_EQ(countOf(u"SPM"_s), 0);
    }
    db::setPath(first.file());
    EXPECT_EQ(countOf(u"SPM"_s), 1);
}

TEST(DatabasePath, DefaultsToTheProgramFolderWhenItIsWritable) {
    TempDatabase temp;
    db::setPath({});
    if (QFileInfo(QCoreApplication::applicationDirPath()).isWritable())
        EXPECT_EQ(db::path(),
                  QDir(QCoreApplication::applicationDirPath()).filePath(u"dataset.db"_s));
    else
        EXPECT_TRUE(db::path().endsWith(u"/dataset.db"_s));
    db::setPath(temp.file());
}

// ---------------------------------------------------------------------------
// Transactions.

TEST(DatabaseTransaction, AnUncommittedTransactionLeavesTheTablesAsTheyWere) {
    TempDatabase temp;
    db::exec(u"INSERT INTO \"Snags\" (\"id\", \"STRATUM\", \"OBSERVER\") VALUES (1, 1, 'AB')"_s);
    const auto before = everything();
    const int number = errorNumberOf([] {
        db::Transaction t;
        db::exec(u"DELETE FROM \"Snags\""_s);
        db::exec(u"DELETE FROM \"PlotSizes\""_s);
        db::exec(u"UPDATE \"LogLengths\" SET \"PlotSize\" = 1"_s);
        QSqlQuery insert = db::prepare(u"INSERT INTO \"Snags\" (\"id\", \"DBH\") VALUES (?, ?)"_s);
        for (int i = 1; i <= 100; ++i) {
            insert.addBindValue(i);
            insert.addBindValue(i * 1.5);
            db::run(insert);
        }
        // A statement that fails ends the import before its commit.
        db::exec(u"INSERT INTO \"Snags\" (\"id\", \"PercentCover1\") VALUES (101, 3)"_s);
        t.commit();
    });
    EXPECT_EQ(number, err::DbUnknownField);
    EXPECT_EQ(everything(), before);
}

TEST(DatabaseTransaction, ACommittedTransactionKeepsItsChanges) {
    TempDatabase temp;
    {
        db::Transaction t;
        db::exec(u"INSERT INTO \"LIM\" (\"id\", \"Length\") VALUES (1, 4.5)"_s);
        db::exec(u"INSERT INTO \"LIM\" (\"id\", \"Length\") VALUES (2, 5.5)"_s);
        t.commit();
    }
    db::close();
    EXPECT_EQ(countOf(u"LIM"_s), 2);
}

TEST(DatabaseTransaction, AnInnerTransactionRollsBackAloneAsASavepoint) {
    TempDatabase temp;
    {
        db::Transaction outer;
        db::exec(u"INSERT INTO \"LIM\" (\"id\") VALUES (1)"_s);
        {
            db::Transaction inner;
            db::exec(u"INSERT INTO \"LIM\" (\"id\") VALUES (2)"_s);
        }
        {
            db::Transaction inner;
            db::exec(u"INSERT INTO \"LIM\" (\"id\") VALUES (3)"_s);
            inner.commit();
        }
        outer.commit();
    }
    const auto rows = rowsOf(u"SELECT \"id\" FROM \"LIM\" ORDER BY \"id\""_s);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0].toInt(), 1);
    EXPECT_EQ(rows[1][0].toInt(), 3);
}

// ---------------------------------------------------------------------------
// Values and identifiers.

TEST(DatabaseValues, AnApostropheIsStoredAsItIs) {
    TempDatabase temp;
    db::exec(u"INSERT INTO \"Snags\" (\"id\", \"OBSERVER\") VALUES (?, ?)"_s, {1, u"O'Neil"_s});
    EXPECT_EQ(rowsOf(u"SELECT \"OBSERVER\" FROM \"Snags\" WHERE \"OBSERVER\" = ?"_s, {u"O'Neil"_s})
                  .at(0)
                  .at(0)
                  .toString(),
              u"O'Neil"_s);
}

TEST(DatabaseValues, QuotedDoublesEmbeddedQuotes) {
    struct Case {
        QString identifier;
        QString expected;
    };
    const Case cases[] = {
        {u"Index"_s, u"\"Index\""_s},
        {u"Tally 1"_s, u"\"Tally 1\""_s},
        {u"say \"hi\""_s, u"\"say \"\"hi\"\"\""_s},
        {u""_s, u"\"\""_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db::quoted(c.identifier), c.expected) << c.identifier.toStdString();
}

TEST(DatabaseValues, OddColumnNamesWorkThroughQuoted) {
    TempDatabase temp;
    const QString table = u"Odd \"Table\""_s;
    db::exec(u"CREATE TABLE "_s + db::quoted(table) + u" ("_s + db::quoted(u"Percent Cover"_s) +
             u" REAL, "_s + db::quoted(u"Intersect"_s) + u" REAL, "_s +
             db::quoted(u"it's \"odd\""_s) + u" TEXT)"_s);
    EXPECT_EQ(db::columns(table),
              (QStringList{u"Percent Cover"_s, u"Intersect"_s, u"it's \"odd\""_s}));
    EXPECT_EQ(db::matchColumn(u"odd \"table\""_s, u"PERCENT COVER"_s), u"Percent Cover"_s);
    EXPECT_EQ(db::matchColumn(table, u"IT'S \"ODD\""_s), u"it's \"odd\""_s);
    db::exec(u"INSERT INTO "_s + db::quoted(table) + u" ("_s + db::quoted(u"Percent Cover"_s) +
                 u", "_s + db::quoted(u"it's \"odd\""_s) + u") VALUES (?, ?)"_s,
             {u"12.5"_s, u"x"_s});
    EXPECT_DOUBLE_EQ(
        rowsOf(u"SELECT "_s + db::quoted(u"Percent Cover"_s) + u" FROM "_s + db::quoted(table))
            .at(0)
            .at(0)
            .toDouble(),
        12.5);
}

TEST(DatabaseValues, MatchColumnIgnoresCaseAndFindsNothingForAnUnknownName) {
    TempDatabase temp;
    struct Case {
        const char* table;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"LIM", "tally 1", "Tally 1"},
        {"lim", "INTERSECT", "Intersect"},
        {"Snags", "stratum", "STRATUM"},
        {"Snags", "PercentCover1", ""},
        {"SPM", "percentlength", "PercentLength"},
        {"NoSuchTable", "id", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db::matchColumn(QString::fromLatin1(c.table), QString::fromLatin1(c.name)),
                  QString::fromLatin1(c.expected))
            << c.table << " " << c.name;
}

TEST(DatabaseValues, ColumnsFollowAChangedTable) {
    TempDatabase temp;
    EXPECT_EQ(db::matchColumn(u"LIM"_s, u"Extra"_s), QString());
    db::exec(u"ALTER TABLE \"LIM\" ADD COLUMN \"Extra\" REAL"_s);
    EXPECT_EQ(db::matchColumn(u"LIM"_s, u"extra"_s), u"Extra"_s);
}

// ---------------------------------------------------------------------------
// Bulk statements.

TEST(DatabaseBulk, InsertsManyRowsWithTheirValuesAndNullForUnboundOnes) {
    TempDatabase temp;
    {
        db::Transaction t;
        db::BulkStatement insert(u"INSERT INTO \"Snags\" (\"id\", \"DBH\", \"OBSERVER\", "
                                 u"\"HEIGHT\") VALUES (?, ?, ?, ?)"_s);
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
    const auto row = rowsOf(u"SELECT COUNT(*), SUM(\"DBH\"), COUNT(\"HEIGHT\"), SUM(\"HEIGHT\"), "
                            u"typeof(\"DBH\") FROM \"Snags\""_s)
                         .at(0);
    EXPECT_EQ(row[0].toInt(), 1000);
    EXPECT_DOUBLE_EQ(row[1].toDouble(), 12500);
    EXPECT_EQ(row[2].toInt(), 500);
    EXPECT_DOUBLE_EQ(row[3].toDouble(), 62625);
    EXPECT_EQ(row[4].toString(), u"real"_s);
    EXPECT_EQ(rowsOf(u"SELECT \"OBSERVER\" FROM \"Snags\" WHERE \"id\" = 7"_s).at(0).at(0),
              QVariant(u"O'Neil"_s));
}

TEST(DatabaseBulk, BindsVariantsByTheirType) {
    TempDatabase temp;
    db::exec(u"CREATE TABLE \"Any\" (\"v\")"_s); // no declared type: values keep theirs
    db::BulkStatement insert(u"INSERT INTO \"Any\" (\"v\") VALUES (?)"_s);
    const QVariant values[] = {QVariant(3), QVariant(2.5),       QVariant(u"x"_s),
                               QVariant(),  QVariant(QString()), QVariant(true)};
    for (const QVariant& v : values) {
        insert.bind(0, v);
        insert.run();
    }
    QStringList types;
    for (const auto& r : rowsOf(u"SELECT typeof(\"v\") FROM \"Any\" ORDER BY rowid"_s))
        types << r.at(0).toString();
    EXPECT_EQ(types.join(u','), u"integer,real,text,null,null,integer"_s);
}

TEST(DatabaseBulk, UpdatesReportTheRowsChanged) {
    TempDatabase temp;
    db::BulkStatement update(u"UPDATE \"PlotSizes\" SET \"Width\" = ? WHERE \"Measurement\" = ? "
                             u"AND \"Index\" % 4 = ?"_s);
    update.bind(0, 11.0);
    update.bind(1, u"metric"_s);
    update.bind(2, 0);
    EXPECT_EQ(update.run(), 4); // Index 0, 4, 8, 12
    EXPECT_EQ(
        rowsOf(u"SELECT COUNT(*) FROM \"PlotSizes\" WHERE \"Width\" = 11"_s).at(0).at(0).toInt(),
        4);
}

TEST(DatabaseBulk, FailuresRaiseTheirNumbers) {
    TempDatabase temp;
    EXPECT_EQ(errorNumberOf([] {
                  db::BulkStatement s(u"INSERT INTO \"LIM\" (\"id\", \"Nope\") VALUES (?, ?)"_s);
              }),
              err::DbUnknownField);
    EXPECT_EQ(errorNumberOf([] { db::BulkStatement s(u"INSERT INTO \"LIM\" VALUES ("_s); }),
              err::DbGeneral);
    EXPECT_EQ(errorNumberOf([] {
                  db::BulkStatement s(u"INSERT INTO \"LIM\" (\"id\") VALUES (?)"_s);
                  s.bind(1, 2.0); // only one parameter, at index 0
              }),
              err::DbGeneral);
}

TEST(DatabaseBulk, ClosingTheDatabaseEndsTheStatement) {
    TempDatabase temp;
    db::BulkStatement insert(u"INSERT INTO \"LIM\" (\"id\") VALUES (?)"_s);
    db::close();
    EXPECT_EQ(errorNumberOf([&] {
                  insert.bind(0, 1);
                  insert.run();
              }),
              err::DbGeneral);
    EXPECT_EQ(countOf(u"LIM"_s), 0); // the database opens again afterwards
}

TEST(DatabaseBulk, AnUncommittedImportLeavesTheTableAsItWas) {
    TempDatabase temp;
    db::exec(u"INSERT INTO \"SPM\" (\"id\", \"Length\") VALUES (1, 3)"_s);
    const auto before = everything();
    {
        db::Transaction t;
        db::exec(u"DELETE FROM \"SPM\""_s);
        db::BulkStatement insert(u"INSERT INTO \"SPM\" (\"id\", \"Length\") VALUES (?, ?)"_s);
        for (int i = 1; i <= 500; ++i) {
            insert.bind(0, i);
            insert.bind(1, 2.0);
            insert.run();
        }
    }
    EXPECT_EQ(everything(), before);
}

// ---------------------------------------------------------------------------
// Failures and their error numbers.

TEST(DatabaseErrors, AnUnknownColumnGives3127) {
    TempDatabase temp;
    EXPECT_EQ(
        errorNumberOf([] {
            db::exec(u"INSERT INTO \"Snags\" (\"id\", \"PercentCover1\") VALUES (?, ?)"_s, {1, 2});
        }),
        err::DbUnknownField);
    EXPECT_EQ(errorNumberOf([] { db::select(u"SELECT Nope FROM \"LIM\""_s); }),
              err::DbUnknownField);
    EXPECT_EQ(errorNumberOf([] { db::prepare(u"UPDATE \"SPM\" SET Nope = ?"_s); }),
              err::DbUnknownField);
    // A misspelled name in double quotes is an unknown column too, never a text.
    EXPECT_EQ(errorNumberOf(
                  [] { db::exec(u"UPDATE \"SPM\" SET \"Qualify\" = 0 WHERE \"Stratun\" = 1"_s); }),
              err::DbUnknownField);
}

TEST(DatabaseErrors, OtherFailuresGive3146WithSQLitesText) {
    TempDatabase temp;
    try {
        db::exec(u"INSERT INTO \"NoSuchTable\" (\"id\") VALUES (1)"_s);
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::DbGeneral);
        EXPECT_TRUE(e.description().contains(u"no such table"_s)) << e.what();
    }
}

TEST(DatabaseErrors, SQLiteFailuresMapToTheProgramsNumbers) {
    struct Case {
        const char* text;
        const char* code;
        int expected;
    };
    const Case cases[] = {
        {"no such column: Nope", "1", err::DbUnknownField},
        {"table Snags has no column named PercentCover1", "1", err::DbUnknownField},
        {"database is locked", "5", err::DbLocked},
        {"database table is locked", "6", err::DbLocked},
        {"attempt to write a readonly database", "8", err::DbReadOnly},
        {"file is not a database", "26", err::DbCannotOpen},
        {"unable to open database file", "14", err::DbCannotOpen},
        {"near \"Neil\": syntax error", "1", err::DbGeneral},
    };
    for (const Case& c : cases) {
        const QSqlError e(u"Unable to execute statement"_s, QString::fromLatin1(c.text),
                          QSqlError::StatementError, QString::fromLatin1(c.code));
        try {
            db::raiseError(e);
        } catch (const RuntimeError& r) {
            EXPECT_EQ(r.number(), c.expected) << c.text;
            EXPECT_EQ(r.description(), QString::fromLatin1(c.text));
        }
    }
}

TEST(DatabaseErrors, ADatabaseLockedByAnotherConnectionGives3261) {
    TempDatabase temp;
    db::connection();
    const QString other = u"database-test-other"_s;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(u"QSQLITE"_s, other);
        d.setDatabaseName(temp.file());
        ASSERT_TRUE(d.open());
        QSqlQuery lock(d);
        ASSERT_TRUE(lock.exec(u"BEGIN EXCLUSIVE"_s)) << lock.lastError().text().toStdString();

        EXPECT_EQ(errorNumberOf([] { db::exec(u"INSERT INTO \"LIM\" (\"id\") VALUES (1)"_s); }),
                  err::DbLocked);
        EXPECT_EQ(errorNumberOf([] { db::Transaction t; }), err::DbLocked);
        EXPECT_EQ(errorNumberOf([] {
                      db::BulkStatement s(u"INSERT INTO \"LIM\" (\"id\") VALUES (?)"_s);
                      s.bind(0, 1);
                      s.run();
                  }),
                  err::DbLocked);
        db::close();
        EXPECT_EQ(errorNumberOf([] { db::connection(); }), err::DbLocked);

        ASSERT_TRUE(lock.exec(u"ROLLBACK"_s));
        d.close();
    }
    QSqlDatabase::removeDatabase(other);
    db::exec(u"INSERT INTO \"LIM\" (\"id\") VALUES (1)"_s);
    EXPECT_EQ(countOf(u"LIM"_s), 1);
}

TEST(DatabaseErrors, ADatabaseLockedByAnotherProgramGives3261) {
    const QString sqlite = QStandardPaths::findExecutable(u"sqlite3"_s);
    if (sqlite.isEmpty())
        GTEST_SKIP() << "the sqlite3 command is not installed";
    TempDatabase temp;
    db::connection();
    db::close();
    QProcess holder;
    holder.start(sqlite, {temp.file()});
    ASSERT_TRUE(holder.waitForStarted());
    holder.write("BEGIN EXCLUSIVE;\nDELETE FROM LIM;\nSELECT 'held';\n");
    while (!holder.readAllStandardOutput().contains("held"))
        ASSERT_TRUE(holder.waitForReadyRead(5000));

    EXPECT_EQ(errorNumberOf([] { db::connection(); }), err::DbLocked);

    holder.write("ROLLBACK;\n.quit\n");
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(5000));
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
}

TEST(DatabaseErrors, AReadOnlyFileGives3051) {
    TempDatabase temp;
    db::connection();
    db::close();
    const auto writable = QFile::permissions(temp.file());
    ASSERT_TRUE(
        QFile::setPermissions(temp.file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_EQ(errorNumberOf([] { db::connection(); }), err::DbReadOnly);
    EXPECT_EQ(errorNumberOf([] { db::select(u"SELECT * FROM \"PlotSizes\""_s); }), err::DbReadOnly);
    QFile::setPermissions(temp.file(), writable);
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
}

TEST(DatabaseErrors, AFileThatIsNoDatabaseGives3044) {
    TempDatabase temp;
    {
        QFile f(temp.file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("STRATUM,TRANSECT,DBH\n1,3,12.5\nThis is a data file, not a database.\n");
    }
    EXPECT_EQ(errorNumberOf([] { db::connection(); }), err::DbCannotOpen);
    EXPECT_EQ(errorNumberOf([] { db::exec(u"DELETE FROM \"Snags\""_s); }), err::DbCannotOpen);
    // A good file opens afterwards: the failed attempt left no connection behind.
    TempDatabase good;
    EXPECT_EQ(countOf(u"PlotSizes"_s), 32);
}

TEST(DatabaseErrors, AFolderInPlaceOfTheFileGives3044) {
    TempDatabase temp;
    ASSERT_TRUE(QDir().mkpath(temp.file()));
    EXPECT_EQ(errorNumberOf([] { db::connection(); }), err::DbCannotOpen);
}

} // namespace
} // namespace vernalt::test
