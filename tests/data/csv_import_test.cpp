// Import of a data file into a table: the rows it writes, the files it refuses
// and the table left exactly as it was by every refusal and failure.
#include "data/csv_import.h"
#include "platform/database.h"
#include "support/error_of.h"
#include "support/temp_database.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QStringList SnagText = {u"LOCATION"_s, u"FOREST"_s, u"DISTRICT"_s, u"SUBWATERSHED"_s,
                              u"OBSERVER"_s, u"DATE"_s,   u"SPECIES"_s};

class CsvImport : public ::testing::Test {
  protected:
    QString write(QByteArrayView contents) {
        const QString path = dir.filePath(u"data%1.csv"_s.arg(++files));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents.data(), contents.size());
        return path;
    }
    data::CsvImportOptions snagOptions() const {
        data::CsvImportOptions o;
        o.table = u"Snags"_s;
        o.textColumns = SnagText;
        return o;
    }
    data::CsvImportResult importSnags(QByteArrayView contents) {
        return data::importCsv(write(contents), snagOptions());
    }
    // The rows of Snags by id: each value as SQLite quotes it (12.5, 3.0 for a
    // whole number stored as a number, 'text', NULL), joined by "|".
    static QStringList rows(const QString& columns) {
        QStringList quoted;
        for (const QString& c : columns.split(u','))
            quoted << u"quote("_s + c + u')';
        QSqlQuery q =
            db::select(u"SELECT "_s + quoted.join(u"||'|'||"_s) + u" FROM Snags ORDER BY id"_s);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
    static QStringList everything() { return rows(db::columns(u"Snags"_s).join(u',')); }
    TempDatabase database;
    QTemporaryDir dir;
    int files = 0;
};

// ---------------------------------------------------------------------------
// The rows written.

TEST_F(CsvImport, WritesOneRowPerDataLineNumberedInFileOrder) {
    const struct {
        const char* name;
        QByteArray contents;
        QString columns;
        QString rows; // separated by ";"
        bool nonNumeric;
    } cases[] = {
        {"numbers in file order", "STRATUM,TRANSECT,DBH\n1, 3,12.5\n2,1,7\n",
         u"id,STRATUM,Transect,DBH"_s, u"1|1.0|3.0|12.5;2|2.0|1.0|7.0"_s, false},
        {"empty fields are left out", "STRATUM,TRANSECT,DBH\n1,,3\n, ,4\n",
         u"id,STRATUM,Transect,DBH"_s, u"1|1.0|NULL|3.0;2|NULL|NULL|4.0"_s, false},
        {"lines without values use no id", "STRATUM,TRANSECT,DBH\n1,2,3\n,,,\n\n   \n , ,\n4,5,6\n",
         u"id,STRATUM"_s, u"1|1.0;2|4.0"_s, false},
        {"empty fields beyond the last header name", "STRATUM,DBH\n1,2,,  ,\n", u"id,STRATUM,DBH"_s,
         u"1|1.0|2.0"_s, false},
        {"a later header replaces the earlier one",
         "STRATUM,DBH\n1,10\nStratum,Height,CLASS\n2,20,3\n", u"id,STRATUM,DBH,HEIGHT,CLASS"_s,
         u"1|1.0|10.0|NULL|NULL;2|2.0|NULL|20.0|3.0"_s, false},
        {"header names cleaned and matched in any case", "stratum , (dbh) ,Subsegment\n1,2,3\n",
         u"STRATUM,DBH,Subsegment"_s, u"1.0|2.0|3.0"_s, false},
        {"text columns keep their text and apostrophes",
         "STRATUM,OBSERVER,DATE,SPECIES,LOCATION,FOREST\n1,O'Neil,6/5/2024,12,007, Gifford Pinchot "
         "\n",
         u"OBSERVER,DATE,SPECIES,LOCATION,FOREST"_s,
         u"'O''Neil'|'6/5/2024'|'12'|'007'|'Gifford Pinchot'"_s, false},
        {"letters beyond ASCII, in UTF-8 or else Latin-1",
         "STRATUM,OBSERVER\n1,Zo\xC3\xAB\n2,Zo\xC3\xAB\n3,Jos\xE9\n4,Zo\xC3\xAB\n", u"OBSERVER"_s,
         u"'Zo\u00EB';'Zo\u00EB';'Jos\u00E9';'Zo\u00EB'"_s, false},
        {"quotes are data", "STRATUM,OBSERVER,DBH\n1,\"J. Doe\",\"3\"\n", u"OBSERVER,DBH"_s,
         u"'\"J. Doe\"'|'\"3\"'"_s, true},
        {"a non-numeric value marks the import and keeps its row",
         "STRATUM,DBH,HEIGHT\n1,abc,2\n2,3,4\n", u"id,DBH,HEIGHT"_s, u"1|'abc'|2.0;2|3.0|4.0"_s,
         true},
        {"a header without data empties the table", "STRATUM,DBH\n", u"id"_s, u""_s, false},
        {"lines without values before the header are skipped", "\n,,,\n  \nSTRATUM,DBH\n5,6\n",
         u"id,STRATUM,DBH"_s, u"1|5.0|6.0"_s, false},
        // Every line end and a byte-order mark give the same rows.
        {"LF", "STRATUM,DBH\n1,2.5\n\n3,\n", u"id,STRATUM,DBH"_s, u"1|1.0|2.5;2|3.0|NULL"_s, false},
        {"CRLF", "STRATUM,DBH\r\n1,2.5\r\n\r\n3,\r\n", u"id,STRATUM,DBH"_s,
         u"1|1.0|2.5;2|3.0|NULL"_s, false},
        {"CR", "STRATUM,DBH\r1,2.5\r\r3,\r", u"id,STRATUM,DBH"_s, u"1|1.0|2.5;2|3.0|NULL"_s, false},
        {"mark and CRLF", "\xEF\xBB\xBFSTRATUM,DBH\r\n1,2.5\r\n3,", u"id,STRATUM,DBH"_s,
         u"1|1.0|2.5;2|3.0|NULL"_s, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = importSnags(c.contents);
        EXPECT_EQ(r.rows, c.rows.isEmpty() ? 0 : c.rows.count(u';') + 1);
        EXPECT_EQ(r.nonNumeric, c.nonNumeric);
        EXPECT_FALSE(r.missingHeader);
        EXPECT_EQ(rows(c.columns).join(u';'), c.rows);
    }
    EXPECT_EQ(importSnags("STRATUM,DBH\nStratum,Height,CLASS\n").header,
              QStringList({u"Stratum"_s, u"Height"_s, u"CLASS"_s}))
        << "the header of the file is the last one";
}

TEST_F(CsvImport, TheProgressFunctionIsCalledWhileWriting) {
    // 20000 data lines, an empty line and a second header among them.
    QByteArray contents = "STRATUM,DBH\n";
    for (int i = 0; i < 20000; ++i)
        contents += i == 5000 ? "\nSTRATUM,DBH\n1,2\n" : "1,2\n";
    data::CsvImportOptions o = snagOptions();
    int calls = 0;
    qint64 done = 0, total = 0;
    o.progress = [&](qint64 d, qint64 t) {
        EXPECT_GT(d, done);
        ++calls, done = d, total = t;
    };
    const auto r = data::importCsv(write(contents), o);
    EXPECT_EQ(r.rows, 20000);
    EXPECT_GE(calls, 2);
    EXPECT_EQ(total, 20000);
    EXPECT_LE(done, total);
}

// ---------------------------------------------------------------------------
// Refusals and failures: the table keeps exactly what it held.

class CsvImportRefused : public CsvImport {
  protected:
    void SetUp() override {
        importSnags("STRATUM,OBSERVER,DBH\n1,AB,10\n2,CD,\n");
        before = everything();
        ASSERT_EQ(before.size(), 2);
    }
    QStringList before;
};

TEST_F(CsvImportRefused, FailuresLeaveTheTableAsItWas) {
    const struct {
        const char* name;
        QByteArray contents;
        int error;
    } cases[] = {
        {"a header name that is no column, with a value under it",
         "Stratum,Location,%Cover(1)\n1,A,3\n", err::DbUnknownField},
        {"a header name that is no column, even without values",
         "Stratum,Location,%Cover(1)\n1,A,\n", err::DbUnknownField},
        {"an unknown name in a later header", "STRATUM\n1\n2\nSTRATUM,Colour\n3,4\n",
         err::DbUnknownField},
        {"a column named twice", "STRATUM,DBH,Stratum\n1,2,3\n", err::DbUnknownField},
        {"the record number named", "STRATUM,id\n1,2\n", err::DbUnknownField},
        {"a value under an empty header name", "STRATUM,,DBH\n1,2,3\n", err::DbUnknownField},
        {"a value beyond the last header name", "STRATUM,DBH\n1,2\n3,4\n5,6,7\n",
         err::SubscriptRange},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { importSnags(c.contents); }), c.error) << c.name;
        EXPECT_EQ(everything(), before) << c.name;
    }
}

// What a refusal tells the message: the line and its values up to the last one
// that is not empty, or the unknown name as written but for the blanks at either
// end.
TEST_F(CsvImportRefused, ARefusalSaysWhereAndWhat) {
    const auto refusalOf = [&](QByteArrayView contents) {
        try {
            importSnags(contents);
        } catch (const data::ImportRefused& e) {
            return e.refusal();
        }
        return data::Refusal{};
    };
    const data::Refusal beyond = refusalOf("STRATUM,DBH\n1,2\n3,4,5, ,\n");
    EXPECT_EQ(std::tuple(beyond.line, beyond.values, beyond.names), std::tuple(3, 3, 2));
    EXPECT_EQ(refusalOf("STRATUM,  Colour \tx ,DBH\n1,2,3\n").text, u"Colour \tx"_s);
    EXPECT_EQ(everything(), before);
}

TEST_F(CsvImportRefused, ADatabaseErrorRollsBackEveryRow) {
    db::exec(u"CREATE TRIGGER refuse BEFORE INSERT ON Snags WHEN NEW.DBH = 999 "
             u"BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    EXPECT_EQ(errorOf([&] { importSnags("STRATUM,DBH\n1,1\n2,2\n3,999\n4,4\n"); }), err::DbGeneral);
    EXPECT_EQ(everything(), before);
}

TEST_F(CsvImportRefused, ADataLineBeforeAnyHeaderChangesNothing) {
    const auto r = importSnags("1,2,3\nSTRATUM,DBH\n1,2\n");
    EXPECT_TRUE(r.missingHeader);
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(importSnags("\"STRATUM\",\"DBH\"\n1,2\n").missingHeader)
        << "quotes are data: a quoted header is no header";
    EXPECT_TRUE(importSnags("").missingHeader) << "an empty file has no header either";
    EXPECT_EQ(everything(), before);
}

TEST_F(CsvImportRefused, AFileThatCannotBeFound) {
    EXPECT_EQ(errorOf([&] { data::importCsv(dir.filePath(u"none.csv"_s), snagOptions()); }), 53);
    EXPECT_EQ(everything(), before);
}

// ---------------------------------------------------------------------------
// The options the log window's import uses.

TEST_F(CsvImport, TheLogWindowsOptions) {
    const struct {
        const char* name;
        std::function<void(data::CsvImportOptions&)> set;
        QByteArray contents;
        QString row;
        bool nonNumeric;
    } cases[] = {
        {"quotes removed before the header only", [](auto& o) { o.unquoteBeforeHeader = true; },
         "\"Stratum\",\"Species\"\n1,\"AB\"\n", u"1.0|NULL|'\"AB\"'"_s, false},
        {"a field of blanks as a value", [](auto& o) { o.blankFieldIsEmpty = false; },
         "Stratum,Length,Species\n1,  ,\n", u"1.0|''|NULL"_s, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        data::CsvImportOptions o;
        o.table = u"LIM"_s;
        o.textColumns = {u"Species"_s};
        c.set(o);
        const auto r = data::importCsv(write(c.contents), o);
        EXPECT_FALSE(r.missingHeader);
        EXPECT_EQ(r.nonNumeric, c.nonNumeric);
        QSqlQuery q = db::select(
            u"SELECT quote(Stratum) || '|' || quote(Length) || '|' || quote(Species) FROM LIM"_s);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), c.row);
    }
    // With the header first a leading empty line is refused.
    data::CsvImportOptions o;
    o.table = u"LIM"_s;
    o.headerFirst = true;
    EXPECT_TRUE(data::importCsv(write("\nStratum\n1\n"), o).missingHeader);
    EXPECT_FALSE(data::importCsv(write("Stratum\n\n1\n"), o).missingHeader);
}

} // namespace
} // namespace vernalt::test
