// The estimated whole lengths of strip-plot logs on records put into table SPM:
// the sheet row that shows each (the sheets' order, whatever the kind of the
// fields it is taken on), what reaches the table, and a failure part-way.
#include "log/log_length_estimates.h"

#include "platform/grid.h"
#include "support/error_of.h"
#include "support/temp_database.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

constexpr int kColumn = 1; // the estimate column of the test sheets

// Records "(Stratum, Transect, Subsegment, id, PercentLength, Length, EstimLength)".
void insert(const QString& records) {
    db::exec(u"INSERT INTO SPM (Stratum, Transect, Subsegment, id, PercentLength, Length, "
             u"EstimLength) VALUES "_s +
             records);
}

// A sheet of `rows` rows below its header, every estimate cell "old".
struct Sheet {
    explicit Sheet(int rows) {
        g.setCols(2);
        g.setRows(rows + 1);
        for (int r = 1; r <= rows; ++r)
            g.setText(r, kColumn, u"old"_s);
    }
    // The estimates of a stratum (0: all); the error number, 0 for none.
    int estimate(std::int16_t stratum = 0) {
        return errorOf([&] { estimateLengths(g, kColumn, stratum, nullptr); });
    }
    QString cells() const {
        QStringList cells;
        for (int r = 1; r < g.rows(); ++r)
            cells << g.text(r, kColumn);
        return cells.join(u'|');
    }
    GridModel g;
};

// EstimLength of every record in the order they were put in.
using Stored = std::vector<std::optional<double>>;
Stored stored() {
    QSqlQuery q = db::select(u"SELECT EstimLength FROM SPM ORDER BY rowid"_s);
    Stored values;
    while (q.next())
        values.push_back(q.isNull(0) ? std::nullopt : std::optional(q.value(0).toDouble()));
    return values;
}

int changes() {
    QSqlQuery q = db::select(u"SELECT total_changes()"_s);
    return q.next() ? q.value(0).toInt() : -1;
}

constexpr std::nullopt_t null = std::nullopt;

// Four logs put in as records 1 to 4, their sheet order 4, 3, 2, 1 taken on
// fields of each kind: record 1 is class 5 of 4 long (8), record 2 class 3 of
// 10 (10 / 0.303 = 33.0033..., shown 33), record 3 without a class 12.345 long
// (as shown: 12.3), record 4 without an estimate (0): it keeps 8.7 and its cell
// stays.
TEST(LengthEstimates, ShownInTheSheetsOrderAndWritten) {
    const double third = 10 / 0.303;
    const struct {
        const char* kind;
        const char *log1, *log2, *log3, *log4; // Stratum, Transect, Subsegment, id
    } cases[] = {
        {"whole numbers", "2,1,1,1", "1,2,1,2", "1,1,2,3", "1,1,1,4"},
        {"a null first", "2,1,1,1", "1,2,1,2", "1,1,2,3", "NULL,9,9,4"},
        {"fractions", "2,1,1,1", "1,1.5,1,2", "1,1.25,2,3", "1,1,1,4"},
        {"negatives", "2,1,1,1", "1,2,1,2", "1,1,2,3", "1,1,-3,4"},
        {"texts after numbers", "'b',1,1,1", "'a',1,1,2", "1,1,2,3", "1,1,1,4"},
        {"whole numbers beyond 32 bits", "2,1,1,1", "1,2,1,2", "1,1,2,4294967400",
         "1,1,2,4294967000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TempDatabase database;
        insert(u"(%1,5,4,NULL),(%2,3,10,NULL),(%3,NULL,12.345,NULL),(%4,10,0,8.7)"_s.arg(
            QLatin1String(c.log1), QLatin1String(c.log2), QLatin1String(c.log3),
            QLatin1String(c.log4)));
        Sheet sheet(4);
        EXPECT_EQ(sheet.estimate(), 0);
        EXPECT_EQ(sheet.cells(), u"old|12.3|33|8"_s);
        EXPECT_EQ(stored(), (Stored{8.0, third, 12.3, 8.7}));
    }
}

// Logs alike in every field of the order show in the order they were put in,
// as SQL lists them: 40 logs 1 to 40 long, without a class or an id.
TEST(LengthEstimates, LogsAlikeInTheOrder) {
    TempDatabase database;
    QStringList logs, shown;
    for (int i = 1; i <= 40; ++i) {
        logs << u"(1,1,1,NULL,NULL,%1,NULL)"_s.arg(i);
        shown << QString::number(i);
    }
    insert(logs.join(u','));
    Sheet sheet(40);
    EXPECT_EQ(sheet.estimate(), 0);
    EXPECT_EQ(sheet.cells(), shown.join(u'|'));
}

// A sheet without the estimate column shows nothing; the table gets the estimates.
TEST(LengthEstimates, WithoutAColumnOnlyTheTable) {
    TempDatabase database;
    insert(u"(1,1,1,1,5,4,NULL)"_s);
    Sheet sheet(1);
    estimateLengths(sheet.g, -1, 0, nullptr);
    EXPECT_EQ(sheet.cells(), u"old"_s);
    EXPECT_EQ(stored(), (Stored{8.0}));
}

// A class SQL keeps as a text, 5d0, is class 5 to the program: 4 / 0.5; the
// class 0 of the next log is none: its length as shown.
TEST(LengthEstimates, AClassStoredAsAText) {
    TempDatabase database;
    insert(u"(1,1,1,1,'5d0',4,NULL),(1,1,2,2,0,4,NULL)"_s);
    Sheet sheet(2);
    EXPECT_EQ(sheet.estimate(), 0);
    EXPECT_EQ(sheet.cells(), u"8|4"_s);
}

TEST(LengthEstimates, OfOneStratumOnly) {
    TempDatabase database;
    insert(u"(1,1,1,1,5,4,NULL),(3,1,2,2,5,6,NULL),(3,1,1,3,NULL,2,NULL)"_s);
    Sheet sheet(2);
    EXPECT_EQ(sheet.estimate(3), 0);
    EXPECT_EQ(sheet.cells(), u"2|12"_s);
    EXPECT_EQ(stored(), (Stored{null, 12.0, 2.0}));
}

// A record is written only when its estimate is not 0 (a text length has none)
// and is not what it holds already (a text is not a number).
TEST(LengthEstimates, OnlyChangedRecordsAreWritten) {
    TempDatabase database;
    insert(u"(1,1,1,1,5,4,8),(1,1,2,2,5,4,'x'),(1,1,3,3,5,4,NULL),(1,1,4,4,NULL,'n/a',7)"_s);
    const int before = changes();
    Sheet sheet(4);
    EXPECT_EQ(sheet.estimate(), 0);
    EXPECT_EQ(sheet.cells(), u"8|8|8|old"_s);
    EXPECT_EQ(changes() - before, 2);
    EXPECT_EQ(stored(), (Stored{8.0, 8.0, 8.0, 7.0}));
    EXPECT_EQ(sheet.estimate(), 0);
    EXPECT_EQ(changes() - before, 2); // nothing left to write
}

// Another program writing the database: a run with nothing to write still
// shows its estimates; one that must write fails with 3261 and leaves the
// table and the sheet as they were.
TEST(LengthEstimates, ADatabaseInUseElsewhere) {
    TempDatabase database;
    insert(u"(1,1,1,1,5,4,8),(1,1,2,2,5,6,12)"_s);
    db::exec(u"PRAGMA busy_timeout = 0"_s); // fail at once
    OtherProgram other(database.file());
    ASSERT_TRUE(other.exec(u"BEGIN IMMEDIATE"_s));
    Sheet sheet(2);
    EXPECT_EQ(sheet.estimate(), 0);
    EXPECT_EQ(sheet.cells(), u"8|12"_s);
    ASSERT_TRUE(other.exec(u"ROLLBACK"_s));
    db::exec(u"UPDATE SPM SET Length = 2 WHERE id = 2"_s);
    ASSERT_TRUE(other.exec(u"BEGIN IMMEDIATE"_s));
    EXPECT_EQ(sheet.estimate(), err::DbLocked);
    EXPECT_EQ(sheet.cells(), u"8|12"_s);
    EXPECT_EQ(stored(), (Stored{8.0, 12.0}));
}

// A write that fails at its begin, at the third record or at its commit shows
// nothing: the sheet keeps its cells and the table what it held. Records 1 to
// 3 would be written 8, 12 and 15 (3 / 0.2); record 4 holds its 2 already.
TEST(LengthEstimates, AFailedWriteShowsNothing) {
    const struct {
        const char* name;
        const char* other; // what another program holds; none: record 3 is refused
        int error;
    } cases[] = {
        {"another program writing", "BEGIN IMMEDIATE", err::DbLocked},
        {"another program reading", "BEGIN", err::DbLocked},
        {"the third record refused", nullptr, err::DbGeneral},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDatabase database;
        insert(u"(1,1,1,1,5,4,3),(1,1,2,2,5,6,NULL),(1,1,3,3,2,3,7.5),(1,1,4,4,NULL,2,2)"_s);
        db::exec(u"PRAGMA busy_timeout = 0"_s);
        OtherProgram other(database.file());
        if (c.other) {
            ASSERT_TRUE(other.exec(QLatin1String(c.other)));
            ASSERT_TRUE(other.exec(u"SELECT count(*) FROM SPM"_s));
        } else {
            db::exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON SPM WHEN NEW.id = 3 "
                     u"BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
        }
        Sheet sheet(4);
        EXPECT_EQ(sheet.estimate(), c.error);
        EXPECT_EQ(sheet.cells(), u"old|old|old|old"_s);
        EXPECT_EQ(stored(), (Stored{3.0, null, 7.5, 2.0}));
    }
}

// 1e308 / 0.1 overflows: the run ends at that log, the table and the sheet
// left as they were, also when the failing log lies beyond the sheet.
TEST(LengthEstimates, AFailureStopsAtItsLog) {
    const struct {
        const char* transects; // of the three logs; the second one fails
        int rows;
        const char* sheet;
    } cases[] = {
        {"1,1,1", 3, "old|old|old"},
        {"1,1,1", 1, "old"},
        {"1.5,1.5,1.5", 3, "old|old|old"},
        {"3,2,1", 3, "old|old|old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.transects) + " on " + std::to_string(c.rows) + " rows");
        TempDatabase database;
        const QStringList t = QString::fromLatin1(c.transects).split(u',');
        insert(u"(1,%1,1,1,5,4,NULL),(1,%2,2,2,1,1e308,NULL),(1,%3,3,3,5,6,NULL)"_s.arg(t[0], t[1],
                                                                                        t[2]));
        Sheet sheet(c.rows);
        EXPECT_EQ(sheet.estimate(), 6);
        EXPECT_EQ(sheet.cells(), QLatin1String(c.sheet));
        EXPECT_EQ(stored(), (Stored{null, null, null}));
    }
}

} // namespace
} // namespace vernalt::test
