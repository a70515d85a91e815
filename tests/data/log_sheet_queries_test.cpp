// The log sheets' queries on a real database: their fields, the derived Section
// and Segment, the order with ties in file order, the counts per stratum and
// the check that strata are numbered consecutively.
#include "data/log_sheet_queries.h"

#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/grid.h"
#include "support/temp_database.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(LogSheetQueries, FieldsAreTheQueriesOwnNames) {
    TempDatabase database;
    for (bool lim : {true, false}) {
        for (int k = 0; k < 5; ++k) {
            QSqlQuery q = db::select(data::logSheetQuery(lim, k));
            const QSqlRecord r = q.record();
            QStringList names;
            for (int c = 0; c < r.count(); ++c)
                names << r.fieldName(c);
            EXPECT_EQ(names, data::logSheetFields(lim)) << lim << k;
        }
    }
    EXPECT_EQ(data::logSheetFields(true).size(), 16);
    EXPECT_EQ(data::logSheetFields(false).size(), 17);
}

TEST(LogSheetQueries, SectionAndSegmentAreHalvesRoundedUp) {
    TempDatabase database;
    // segment -> Section, subsegment -> Segment: n / 2 rounded up.
    const struct {
        double stored;
        double derived;
    } cases[] = {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {7, 4}, {8, 4}, {0, 0}};
    int id = 0;
    for (const auto& c : cases)
        db::exec(u"INSERT INTO SPM (id, Stratum, Transect, Segment, Subsegment) "
                 u"VALUES (?, 1, 1, ?, ?)"_s,
                 {++id, c.stored, c.stored});
    QSqlQuery q = db::select(data::logSheetQuery(false, 0));
    // Ordered by subsegment: 0, 1, 2, 3, 4, 7, 8.
    const double expected[] = {0, 1, 1, 2, 2, 4, 4};
    for (double e : expected) {
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(3).toDouble(), e); // Section
        EXPECT_EQ(q.value(4).toDouble(), e); // Segment
    }
}

TEST(LogSheetQueries, OrderedByStratumTransectSubsegmentThenFileOrder) {
    TempDatabase database;
    // id, stratum, transect, subsegment, location
    const struct {
        int id;
        double stratum, transect, subsegment;
        const char* location;
    } rows[] = {
        {1, 2, 1, 1, "e"},  {2, 1, 2, 1, "c"}, {3, 1, 1, 2, "b"},
        {4, 1, 1, 1, "a1"}, {5, 1, 2, 1, "d"}, {6, 1, 1, 1, "a2"},
    };
    for (const auto& r : rows)
        db::exec(u"INSERT INTO LIM (id, Stratum, Transect, Subsegment, Location) "
                 u"VALUES (?, ?, ?, ?, ?)"_s,
                 {r.id, r.stratum, r.transect, r.subsegment, QString::fromLatin1(r.location)});
    const auto locations = [](const QString& sql) {
        QStringList out;
        QSqlQuery q = db::select(sql);
        while (q.next())
            out << q.value(1).toString();
        return out.join(u' ');
    };
    EXPECT_EQ(locations(data::logSheetQuery(true, 0)), u"a1 a2 b c d e"_s);
    EXPECT_EQ(locations(data::logSheetQuery(true, 1)), u"a1 a2 b c d"_s);
    EXPECT_EQ(locations(data::logSheetQuery(true, 2)), u"e"_s);
    EXPECT_EQ(locations(data::logSheetQuery(true, 3)), QString());
    EXPECT_EQ(data::logSheetCounts(true), (std::array<int, 5>{6, 5, 1, 0, 0}));
    EXPECT_EQ(data::logSheetCounts(false), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

// The sheets filled by sorting their keys alone show what their queries give,
// row for row: numbers, texts and nulls among the keys, ties in file order.
TEST(LogSheetQueries, TheFastFillGivesTheQuerysOrder) {
    TempDatabase database;
    const QVariant keyValues[] = {1.0, 2.0, 2.5, -1.0, QVariant(), u"A"_s, u"b"_s, u"10"_s};
    std::uint32_t seed = 7;
    const auto next = [&](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (const QString& table : {u"LIM"_s, u"SPM"_s})
        for (int i = 1; i <= 200; ++i)
            db::exec(u"INSERT INTO "_s + table +
                         u" (id, Stratum, Transect, Subsegment, Segment, Length, Location) "
                         u"VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
                     {int(next(3)) + i / 50, // ties on every key now and then
                      next(6) ? QVariant(double(next(5))) : keyValues[next(8)], keyValues[next(8)],
                      keyValues[next(8)], double(next(9)), double(i),
                      i % 3 ? QVariant(u"O'Brien"_s) : QVariant()});
    for (const bool lim : {true, false}) {
        const std::array<int, 5> counts = data::logSheetCounts(lim);
        for (int k = 0; k < 5; ++k) {
            GridModel bySql, fast;
            for (GridModel* g : {&bySql, &fast}) {
                g->setCols(int(data::logSheetFields(lim).size()));
                g->setRows(counts[std::size_t(k)] + 1);
            }
            data::fillGridFromQuery(bySql, data::logSheetQuery(lim, k));
            EXPECT_EQ(data::fillLogSheet(fast, lim, k), counts[std::size_t(k)]);
            for (int r = 0; r < bySql.rows(); ++r)
                for (int c = 0; c < bySql.cols(); ++c)
                    ASSERT_EQ(fast.text(r, c), bySql.text(r, c))
                        << (lim ? "LIM" : "SPM") << " sheet " << k << " row " << r;
        }
    }
}

TEST(LogSheetQueries, StrataMustBeNumberedFromOne) {
    // The strata present, as which of 1 to 4 hold records.
    const struct {
        const char* name;
        std::array<bool, 4> present;
        bool gap;
    } cases[] = {
        {"none", {false, false, false, false}, false},
        {"1", {true, false, false, false}, false},
        {"1, 2, 3", {true, true, true, false}, false},
        {"1 to 4", {true, true, true, true}, false},
        {"2, 3", {false, true, true, false}, true},
        {"1, 3", {true, false, true, false}, true},
        {"1, 2, 4", {true, true, false, true}, true},
        {"4 alone", {false, false, false, true}, true},
    };
    for (const auto& c : cases) {
        std::array<bool, 4> empty{};
        for (std::size_t k = 0; k < 4; ++k)
            empty[k] = !c.present[k];
        EXPECT_EQ(data::strataGap(empty), c.gap) << c.name;
    }
}

} // namespace
} // namespace vernalt::test
