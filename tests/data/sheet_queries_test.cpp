// The snag data sheets' queries: their text, order, derived columns and stratum
// filters, and the filling of a grid from a query.
#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "support/temp_database.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class SheetQueries : public ::testing::Test {
  protected:
    // One record: id, stratum, transect, segment, subsegment (null when < 0).
    static void add(int id, double stratum, double transect, double segment, double subsegment) {
        const auto v = [](double x) { return x < 0 ? QVariant() : QVariant(x); };
        db::exec(u"INSERT INTO Snags (id, STRATUM, Transect, Segment, Subsegment) "
                 u"VALUES (?, ?, ?, ?, ?)"_s,
                 {id, v(stratum), v(transect), v(segment), v(subsegment)});
    }
    // An empty sheet as the window makes it: its titles, and a row for each of
    // `records` records.
    static void emptySheet(GridModel& g, int records) {
        g.setFixedCols(0);
        g.setRows(records + 1);
        g.setFormatString(data::snagSheetFormat({u"10"_s, u"20"_s, u"30"_s, u"40"_s}));
    }
    // The grid filled from the query of a sheet, with one row per record.
    static std::unique_ptr<GridModel> sheet(int k, bool metric = true) {
        auto g = std::make_unique<GridModel>();
        emptySheet(*g, data::snagSheetCounts()[std::size_t(k)]);
        data::fillGridFromQuery(*g, data::snagSheetQuery(metric, k));
        return g;
    }
    // Columns 0 (stratum), 2 (transect), 3 (section), 4 (segment), 5 (subsegment) of a row.
    static QString keys(const GridModel& g, int r) {
        QStringList out;
        for (int c : {0, 2, 3, 4, 5})
            out << g.text(r, c);
        return out.join(u' ');
    }
    TempDatabase database;
};

TEST_F(SheetQueries, QueryTextsAndTitles) {
    const QString sheet0 = data::snagSheetQuery(true, 0);
    EXPECT_TRUE(sheet0.startsWith(
        u"SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
        u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment,WIDTH10,WIDTH20,WIDTH30,WIDTH40,"
        u"DISTANCE,SPECIES,"_s));
    EXPECT_TRUE(sheet0.endsWith(u"OBSERVER,DATE FROM Snags  ORDER BY transect, subsegment, id;"_s))
        << "two blanks where the condition is empty";
    const QString sheet2 = data::snagSheetQuery(false, 2);
    EXPECT_TRUE(sheet2.contains(u"Subsegment,WIDTH33,WIDTH66,WIDTH99,WIDTH132,DISTANCE"_s));
    EXPECT_TRUE(
        sheet2.endsWith(u"FROM Snags WHERE stratum=2 ORDER BY transect, subsegment, id;"_s));
    EXPECT_EQ(data::snagSheetFormat({u"33"_s, u"66"_s, u"99"_s, u"132"_s}),
              u"^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width33|^Width66|"
              u"^Width99|^Width132|^Distance|^Species|^Class|^DBH|^Height|^Cavity|^Forage|"
              u"^Qualifying|^Forest|^District|^Subwatershed|^Observer|^Date"_s);
}

TEST_F(SheetQueries, OrderedByTransectSubsegmentAndFileOrder) {
    add(1, 1, 2, 1, 3);
    add(2, 1, 1, 1, 2);
    add(3, 2, 1, 1, 2);
    add(4, 1, 1, 1, 1);
    add(5, 1, 2, 1, 3);
    const auto g = sheet(0);
    ASSERT_EQ(g->rows(), 6);
    // transect 1: subsegment 1 (id 4), subsegment 2 (ids 2, 3); transect 2: subsegment 3 (ids 1, 5)
    const QString expected[] = {u"1 1 1 1 1"_s, u"1 1 1 1 2"_s, u"2 1 1 1 2"_s, u"1 2 1 2 3"_s,
                                u"1 2 1 2 3"_s};
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(keys(*g, r), expected[r - 1]) << r;
}

TEST_F(SheetQueries, SectionAndSegmentAreHalvesRoundedUp) {
    // segment n gives section ceil(n / 2); subsegment n gives segment ceil(n / 2)
    const struct {
        double number;
        const char* half;
    } cases[] = {{1, "1"}, {2, "1"}, {3, "2"}, {4, "2"}, {7, "4"}, {8, "4"}, {16, "8"}, {0, "0"}};
    int id = 0;
    for (const auto& c : cases) {
        ++id;
        add(id, 1, id, c.number, c.number);
    }
    const auto g = sheet(0);
    for (int r = 1; r <= id; ++r) {
        EXPECT_EQ(g->text(r, 3), QString::fromLatin1(cases[r - 1].half)) << "section, row " << r;
        EXPECT_EQ(g->text(r, 4), QString::fromLatin1(cases[r - 1].half)) << "segment, row " << r;
    }
}

TEST_F(SheetQueries, StrataFilterTheSheets) {
    add(1, 1, 1, 1, 1);
    add(2, 3, 1, 1, 1);
    add(3, 5, 1, 1, 1);
    add(4, 3, 2, 1, 1);
    add(5, -1, 1, 1, 1);
    const std::array<int, 5> counts = data::snagSheetCounts();
    EXPECT_EQ(counts, (std::array<int, 5>{5, 1, 0, 2, 0}))
        << "stratum 5 and a record without stratum are on sheet 0 only";
    const auto three = sheet(3);
    ASSERT_EQ(three->rows(), 3);
    EXPECT_EQ(keys(*three, 1), u"3 1 1 1 1"_s);
    EXPECT_EQ(keys(*three, 2), u"3 2 1 1 1"_s);
    EXPECT_EQ(sheet(2)->rows(), 1) << "the title row only";
}

TEST_F(SheetQueries, TheUnitSystemChoosesTheWidthColumns) {
    db::exec(u"INSERT INTO Snags (id, WIDTH10, WIDTH40, WIDTH33, WIDTH132, DATE, OBSERVER) "
             u"VALUES (1, 1, 0, 0, 1, '6/5/2024', 'O''Neil')"_s);
    const auto metric = sheet(0, true);
    EXPECT_EQ(metric->text(1, 6), u"1"_s);
    EXPECT_EQ(metric->text(1, 9), u"0"_s);
    EXPECT_EQ(metric->text(1, 21), u"O'Neil"_s);
    EXPECT_EQ(metric->text(1, 22), u"6/5/2024"_s);
    for (int c : {1, 3, 4, 5, 7}) // nulls stay empty
        EXPECT_EQ(metric->text(1, c), QString()) << c;
    const auto english = sheet(0, false);
    EXPECT_EQ(english->text(1, 6), u"0"_s);
    EXPECT_EQ(english->text(1, 9), u"1"_s);
}

TEST_F(SheetQueries, TheFastFillGivesTheQuerysOrder) {
    // Records in no order, with nulls, texts, negative and fractional keys and
    // ids not in the table's order: the fast fill must match the database's own sort.
    const QVariant keyValues[] = {QVariant(), 1.0,    2.0,     2.5, -3.0, 10.0,
                                  u"A"_s,     u"b"_s, u"10"_s, 0.0, 7.0};
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (int i = 1; i <= 300; ++i) {
        const int id = (i * 7919) % 1009; // unique, not in insertion order
        db::exec(u"INSERT INTO Snags (id, STRATUM, Transect, Subsegment, Segment, DBH, OBSERVER) "
                 u"VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
                 {id, QVariant(double(next(5))), keyValues[next(11)], keyValues[next(11)],
                  double(next(9)), double(i), i % 3 ? QVariant(u"JD"_s) : QVariant()});
    }
    const std::array<int, 5> counts = data::snagSheetCounts();
    for (int k = 0; k < 5; ++k) {
        GridModel bySql, fast;
        for (GridModel* g : {&bySql, &fast})
            emptySheet(*g, counts[std::size_t(k)]);
        data::fillGridFromQuery(bySql, data::snagSheetQuery(true, k));
        EXPECT_EQ(data::fillSnagSheet(fast, true, k), counts[std::size_t(k)]);
        for (int r = 0; r < bySql.rows(); ++r)
            for (int c = 0; c < bySql.cols(); ++c)
                ASSERT_EQ(fast.text(r, c), bySql.text(r, c)) << "sheet " << k << " row " << r;
    }
}

// The width columns of a filled sheet again from the table: the rows of the
// records stay where they are, each gets its record's marks as now stored.
TEST_F(SheetQueries, RefreshedColumnsShowTheStoredValuesOfEachRowsRecord) {
    add(1, 1, 2, 1, 1);
    add(2, 2, 1, 1, 2);
    add(3, 1, 1, 1, 1);
    db::exec(u"UPDATE Snags SET WIDTH10 = 0, DBH = id * 10"_s);
    GridModel g;
    emptySheet(g, 3);
    data::SheetRecords placed;
    ASSERT_EQ(data::fillSnagSheet(g, true, 0, nullptr, &placed), 3);
    // Sheet order: transect 1 subsegment 1 (id 3), transect 1 subsegment 2 (id 2), id 1.
    EXPECT_EQ(placed.rows, (std::vector<std::uint32_t>{3, 2, 1}));
    EXPECT_TRUE(placed.hold(data::snagSheetQuery(true, 0)));
    EXPECT_FALSE(placed.hold(data::snagSheetQuery(false, 0)));

    db::exec(u"UPDATE Snags SET WIDTH10 = id, WIDTH20 = 'x' || id, DBH = 0"_s);
    db::exec(u"UPDATE Snags SET WIDTH10 = NULL WHERE id = 2"_s);
    ASSERT_TRUE(data::refreshSnagColumns(g, placed, {u"WIDTH10"_s, u"WIDTH20"_s}, {6, 7}));
    const auto row = [&](int r) -> QString {
        return g.text(r, 6) + u' ' + g.text(r, 7) + u' ' + g.text(r, 13);
    };
    EXPECT_EQ(row(1), u"3 x3 30"_s) << "DBH is not refreshed";
    EXPECT_EQ(row(2), u" x2 20"_s);
    EXPECT_EQ(row(3), u"1 x1 10"_s);

    db::exec(u"DELETE FROM Snags WHERE id = 2"_s);
    EXPECT_FALSE(data::refreshSnagColumns(g, placed, {u"WIDTH10"_s}, {6}));
    add(2, 2, 1, 1, 2);
    add(4, 2, 1, 1, 2);
    EXPECT_FALSE(data::refreshSnagColumns(g, placed, {u"WIDTH10"_s}, {6})) << "one more record";
}

TEST_F(SheetQueries, AnotherProgramsChangeOrAReopenedDatabaseEndsWhatASheetKnows) {
    add(1, 1, 1, 1, 1);
    GridModel g;
    emptySheet(g, 1);
    data::SheetRecords placed;
    data::fillSnagSheet(g, true, 0, nullptr, &placed);
    db::exec(u"UPDATE Snags SET DBH = 5"_s); // this program's own change
    EXPECT_TRUE(placed.hold(data::snagSheetQuery(true, 0)));
    ASSERT_TRUE(OtherProgram(db::path()).exec(u"UPDATE Snags SET DBH = 6"_s));
    EXPECT_FALSE(placed.hold(data::snagSheetQuery(true, 0)));

    data::fillSnagSheet(g, true, 0, nullptr, &placed);
    EXPECT_TRUE(placed.hold(data::snagSheetQuery(true, 0)));
    db::close();
    EXPECT_FALSE(placed.hold(data::snagSheetQuery(true, 0)));
}

// The status panel during a fill: each count of records written shown (an
// eager pace), and the panel's own text back at the end.
TEST_F(SheetQueries, AFillMovesTheProgressFigure) {
    for (int id = 1; id <= 3; ++id)
        add(id, 1, 4 - id, 1, 1);
    const ProgressPace usual = progressPace();
    progressPace() = {0, 1, 0};
    QLabel panel(u"Status: Data file read"_s);
    QStringList seen;
    bool busy = true, filling = true;
    // Runs each time the fill lets the events through, and asks to run again.
    std::function<void()> look = [&] {
        if (!filling)
            return;
        seen << panel.text();
        busy = busy && QApplication::overrideCursor() != nullptr;
        QMetaObject::invokeMethod(&panel, look, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(&panel, look, Qt::QueuedConnection);
    {
        GridModel g;
        g.setRows(4);
        Progress progress(&panel);
        data::fillSnagSheet(g, true, 0, &progress);
        g.setRows(4);
        data::fillGridFromQuery(g, data::snagSheetQuery(true, 1), &progress);
        filling = false;
    }
    QCoreApplication::processEvents();
    progressPace() = usual;
    seen.removeDuplicates();
    EXPECT_EQ(seen,
              (QStringList{u"Status: Filling 1 of 3 records"_s, u"Status: Filling 2 of 3 records"_s,
                           u"Status: Filling 3 of 3 records"_s}));
    EXPECT_TRUE(busy) << "the hourglass through the whole fill";
    EXPECT_EQ(panel.text(), u"Status: Data file read"_s);
}

TEST_F(SheetQueries, ASheetWithTooFewRows) {
    add(1, 1, 1, 1, 1);
    add(2, 1, 1, 1, 1);
    GridModel g;
    emptySheet(g, 1); // a row for one of the two records
    EXPECT_THROW(data::fillSnagSheet(g, true, 0), RuntimeError);
    EXPECT_THROW(data::fillGridFromQuery(g, data::snagSheetQuery(true, 0)), RuntimeError);
}

} // namespace
} // namespace vernalt::test
