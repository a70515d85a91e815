#include "snag/strip_flags.h"

#include "platform/database.h"
#include "support/temp_database.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using Marks = std::array<int, 4>;

// A record that meets the criteria below in everything but its distance.
StripRecord recordAt(const Value& distance) {
    return stripRecord(distance, Value(3), Value(30), Value(10), Value(u"12"_s));
}

// Minimum DBH 25, minimum height 5, maximum class 3, the species given left out.
StripCriteria everySpeciesBut(const QString& species) {
    return {25, 5, 3, species, SpeciesRule::Exclude};
}

TEST(CriterionValue, ReadsRecordValuesAsTheyAreShown) {
    struct Case {
        Value v;
        std::optional<double> expected;
        const char* what;
    } cases[] = {
        {Value::null(), 0.0, "no value counts as 0"},
        {Value(), 0.0, "the empty value counts as 0"},
        {Value(u""_s), 0.0, "the empty text counts as 0"},
        {Value(10.04), 10.0, "one decimal at 10 or more"},
        {Value(5.004), 5.0, "two decimals at 1 or more"},
        {Value(99.96), 100.0, "decimals chosen before rounding"},
        {Value(u"10.04"_s), 10.0, "a numeric text"},
        {Value(u"$1,234.5"_s), 1234.0, "cleaned, then half to even"},
        {Value(u"n/a"_s), std::nullopt, "a text that is not a number has no value"},
        {Value(u"  "_s), std::nullopt, "blanks are not a number"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(criterionValue(c.v), c.expected) << c.what;
}

TEST(SpeciesKey, IsTheTextOfTheDisplayRoundedValue) {
    struct Case {
        Value v;
        QString expected;
        const char* what;
    } cases[] = {
        {Value(u"012"_s), u"12"_s, "leading zero dropped"},
        {Value(5.0), u"5"_s, "a whole number"},
        {Value(u"12.5"_s), u"12.5"_s, "one decimal kept"},
        {Value::null(), u"0"_s, "no species reads as 0"},
        {Value(u"PSME"_s), u"PSME"_s, "a code as typed"},
        {Value(u"psme"_s), u"psme"_s, "letters keep their case"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(speciesKey(c.v), c.expected) << c.what;
}

// Half widths 5, 10, 15, 20 m and 16.5, 33, 49.5, 66 ft, each met exactly.
TEST(StripMarks, DistanceAgainstEachHalfWidth) {
    const StripCriteria c = everySpeciesBut(u"9999"_s);
    struct Case {
        bool metric;
        Value distance;
        Marks expected;
        const char* what;
    } cases[] = {
        // clang-format off
        {true, Value(0), {1, 1, 1, 1}, "on the line"},
        {true, Value(5), {1, 1, 1, 1}, "exactly at the narrowest half width"},
        {true, Value(5.004), {1, 1, 1, 1}, "5.004 reads as 5"},
        {true, Value(5.1), {0, 1, 1, 1}, "just outside the narrowest"},
        {true, Value(10.04), {0, 1, 1, 1}, "10.04 reads as 10, inside the 20 m strip"},
        {true, Value(10.06), {0, 0, 1, 1}, "10.06 reads as 10.1"},
        {true, Value(15), {0, 0, 1, 1}, "at the 30 m half width"},
        {true, Value(20), {0, 0, 0, 1}, "at the widest half width"},
        {true, Value(20.04), {0, 0, 0, 1}, "20.04 reads as 20"},
        {true, Value(20.5), {0, 0, 0, 0}, "beyond every strip"},
        {true, Value::null(), {1, 1, 1, 1}, "a missing distance counts as 0"},
        {true, Value(u"far"_s), {0, 0, 0, 0}, "a distance that is not a number"},
        {false, Value(16.5), {1, 1, 1, 1}, "16.5 ft"}, {false, Value(16.6), {0, 1, 1, 1}, "16.6 ft"},
        {false, Value(33), {0, 1, 1, 1}, "33 ft"},     {false, Value(33.04), {0, 1, 1, 1}, "33.04 ft"},
        {false, Value(49.5), {0, 0, 1, 1}, "49.5 ft"}, {false, Value(66), {0, 0, 0, 1}, "66 ft"},
        {false, Value(66.4), {0, 0, 0, 0}, "66.4 ft"},
        // clang-format on
    };
    for (const Case& k : cases)
        EXPECT_EQ(stripMarks(recordAt(k.distance), c, halfWidths(k.metric)), k.expected) << k.what;
    // One width alone agrees with the four.
    EXPECT_EQ(stripMark(recordAt(Value(10)), c, 10), 1);
    EXPECT_EQ(stripMark(recordAt(Value(10.1)), c, 10), 0);
    // A record failing the criteria counts in no strip.
    EXPECT_EQ(stripMarks(recordAt(Value(0)), everySpeciesBut(u"12"_s), halfWidths(true)),
              (Marks{0, 0, 0, 0}));
}

TEST(MeetsCriteria, EachBoundary) {
    // Minimum height 5, maximum class 3, species 9999 left out.
    struct Case {
        double minDbh;
        Value decayClass, dbh, height;
        bool expected;
        const char* what;
    } cases[] = {
        // clang-format off
        {25, Value(3), Value(25), Value(5), true, "all three at their limits"},
        {25, Value(4), Value(25), Value(5), false, "class above the maximum"},
        {25, Value(3.004), Value(25), Value(5), true, "class 3.004 reads as 3"},
        {25, Value(3.01), Value(25), Value(5), false, "class 3.01 stays above 3"},
        {25, Value(3), Value(24.96), Value(5), true, "DBH 24.96 reads as 25"},
        {25, Value(3), Value(24.9), Value(5), false, "DBH below the minimum"},
        {25, Value(3), Value(25), Value(4.99), false, "height below the minimum"},
        {25, Value::null(), Value(25), Value(5), true, "no class counts as class 0"},
        {25, Value(3), Value::null(), Value(5), false, "no DBH counts as 0, below 25"},
        {25, Value(u"x"_s), Value(25), Value(5), false, "a class that is not a number"},
        {25, Value(3), Value(u"big"_s), Value(5), false, "a DBH that is not a number"},
        {25, Value(3), Value(25), Value(u"?"_s), false, "a height that is not a number"},
        // Minima are held in double precision; 10.09 reads as 10.1, 10.04 as 10.
        {10.1, Value(1), Value(10.1), Value(10), true, "10.1 at 10.1"},
        {10.1, Value(1), Value(10.09), Value(10), true, "10.09 at 10.1"},
        {10.1, Value(1), Value(10.04), Value(10), false, "10.04 below 10.1"},
        {25.4, Value(1), Value(25.4), Value(10), true, "25.4 at 25.4"},
        {12.5, Value(1), Value(12.5), Value(10), true, "12.5 at 12.5"},
        // clang-format on
    };
    for (const Case& k : cases) {
        StripCriteria c = everySpeciesBut(u"9999"_s);
        c.minDbh = k.minDbh;
        const StripRecord r = stripRecord(Value(0), k.decayClass, k.dbh, k.height, Value(u"12"_s));
        EXPECT_EQ(meetsCriteria(r, c), k.expected) << k.what;
    }
}

TEST(MeetsCriteria, SpeciesComparedAsText) {
    struct Case {
        SpeciesRule rule;
        QString answer;
        Value species;
        bool expected;
        const char* what;
    } cases[] = {
        // clang-format off
        {SpeciesRule::Exclude, u"9999"_s, Value(u"12"_s), true, "9999 keeps every species"},
        {SpeciesRule::Exclude, u"9999"_s, Value(u"9999"_s), false, "except one recorded as 9999"},
        {SpeciesRule::Exclude, u"12"_s, Value(u"12"_s), false, "the excluded species"},
        {SpeciesRule::Exclude, u"12"_s, Value(u"012"_s), false, "012 is species 12"},
        {SpeciesRule::Exclude, u"12"_s, Value(u"13"_s), true, "another species"},
        {SpeciesRule::Exclude, u"PSME"_s, Value(u"psme"_s), true, "case counts"},
        {SpeciesRule::Exclude, u"0"_s, Value::null(), false, "no species is species 0"},
        {SpeciesRule::Only, u"12"_s, Value(12.0), true, "the only species"},
        {SpeciesRule::Only, u"12"_s, Value(u"13"_s), false, "any other species"},
        {SpeciesRule::Only, u"9999"_s, Value(u"12"_s), false, "9999 is no wildcard"},
        // clang-format on
    };
    for (const Case& k : cases) {
        StripCriteria c = everySpeciesBut(k.answer);
        c.rule = k.rule;
        const StripRecord r = stripRecord(Value(0), Value(1), Value(30), Value(10), k.species);
        EXPECT_EQ(meetsCriteria(r, c), k.expected) << k.what;
    }
}

// The marks written into table Snags in one statement: the values are read as a
// sheet shows them, display-rounded half to even on their decimal text, which
// the database's own ROUND does not do (10.05 and 2.345 are just below their
// halves in binary). Minimum DBH 10, minimum height 2.35, maximum class 3,
// species 12 left out; half widths 5, 10, 15, 20 m.
TEST(MarkTable, WritesTheMarksOfTheRules) {
    TempDatabase database;
    struct Case {
        QVariant distance, decayClass, dbh, height, species;
        const char* marks;
        const char* what;
    } cases[] = {
        // clang-format off
        {10.05, 3, 10, 5, u"df"_s, "0111", "distance 10.05 reads as 10.0"},
        {5.005, 3, 10, 5, u"df"_s, "1111", "5.005 reads as 5.00"},
        {0.00005, 3, 10, 5, u"df"_s, "1111", "0.00005 reads as 0.0000"},
        {-20.00005, -0.00005, 10, 5, u"df"_s, "1111", "negatives keep 4 decimals: -20, 0"},
        {1e15, 3, 1e20, 5, u"df"_s, "0000", "far out; a large DBH is kept"},
        {0, 3, 9.995, 5, u"df"_s, "1111", "DBH 9.995 reads as 10.00"},
        {0, 3, 9.9949, 5, u"df"_s, "0000", "DBH 9.9949 reads as 9.99"},
        {0, 3, 10, 2.345, u"df"_s, "0000", "height 2.345 reads as 2.34"},
        {0, 3, 10, 2.355, u"df"_s, "1111", "height 2.355 reads as 2.36"},
        {u"1,234"_s, 3, 10, 5, u"df"_s, "0000", "a distance text cleaned to 1234"},
        {0, 3, u"$12.5"_s, 5, u"df"_s, "1111", "a DBH text $12.5"},
        {0, u"n/a"_s, 10, 5, u"df"_s, "0000", "a class that is no number meets nothing"},
        {{}, 3, 10, 5, u"$12"_s, "0000", "species $12 is 12"},
        {{}, 3, 10, 5, 12.0, "0000", "species 12.0 is 12"},
        {{}, 3, 10, 5, {}, "1111", "no distance (0), no species (0)"},
        // clang-format on
    };
    const int n = int(std::size(cases));
    for (int i = 0; i < n; ++i) {
        const Case& k = cases[i];
        db::exec(u"INSERT INTO Snags (id, DISTANCE, CLASS, DBH, HEIGHT, SPECIES) "
                 u"VALUES (?, ?, ?, ?, ?, ?)"_s,
                 {i + 1, k.distance, k.decayClass, k.dbh, k.height, k.species});
    }
    const StripCriteria c{10, 2.35, 3, u"12"_s, SpeciesRule::Exclude};
    const std::array<QString, 4> widths = {u"WIDTH10"_s, u"WIDTH20"_s, u"WIDTH30"_s, u"WIDTH40"_s};
    const std::array<QString, 5> fields = {u"DISTANCE"_s, u"CLASS"_s, u"DBH"_s, u"HEIGHT"_s,
                                           u"SPECIES"_s};
    qint64 heard = 0;
    EXPECT_EQ(markTable(c, halfWidths(true), widths, fields, [&](qint64 done) { heard = done; }),
              n);
    EXPECT_EQ(heard, n);
    QSqlQuery q = db::select(u"SELECT WIDTH10, WIDTH20, WIDTH30, WIDTH40 FROM Snags ORDER BY id"_s);
    for (const Case& k : cases) {
        ASSERT_TRUE(q.next());
        QString marks;
        for (int level = 0; level < 4; ++level)
            marks += q.isNull(level) ? u"-"_s : numberText(q.value(level).toDouble());
        EXPECT_EQ(marks, QString::fromLatin1(k.marks)) << k.what;
    }
    // Marked again, nothing is written, and every record's marks are heard of
    // all the same, once each, in the table's order.
    QStringList heardMarks;
    qint64 lastRowid = 0;
    bool ordered = true;
    const MarkedRecord marked = [&](qint64 rowid, const std::array<int, 4>& m) {
        ordered = ordered && rowid > lastRowid;
        lastRowid = rowid;
        QString text;
        for (int level : m)
            text += QString::number(level);
        heardMarks << text;
    };
    EXPECT_EQ(markTable(c, halfWidths(true), widths, fields, {}, marked), 0)
        << "every record holds its marks";
    EXPECT_TRUE(ordered);
    ASSERT_EQ(heardMarks.size(), n);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(heardMarks[i], QString::fromLatin1(cases[i].marks)) << cases[i].what;
}

} // namespace
} // namespace vernalt::test
