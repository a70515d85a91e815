// The median of a table column, on a real database file.
#include "log/median.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "support/temp_database.h"

#include <QVariantList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class ColumnMedian : public ::testing::Test {
  protected:
    // One LIM record per (stratum, length); a null length is an empty field.
    void add(int stratum, const QVariant& length) {
        db::exec(u"INSERT INTO LIM (Stratum, Length) VALUES (?, ?)"_s, {stratum, length});
    }
    TempDatabase database;
};

TEST_F(ColumnMedian, OddCountTakesTheMiddleValueWhateverTheStoredOrder) {
    for (int v : {4, 1, 5, 3, 2})
        add(1, v);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 3.0);
}

TEST_F(ColumnMedian, EvenCountTakesTheMeanOfTheTwoMiddleValues) {
    for (int v : {4, 2, 1, 3})
        add(1, v);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 2.5);
}

TEST_F(ColumnMedian, OneAndTwoValues) {
    add(1, 7.5);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 7.5);
    add(1, 8.5);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 8.0);
}

TEST_F(ColumnMedian, EqualMiddleValues) {
    for (int v : {1, 6, 6, 9})
        add(1, v);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 6.0);
}

TEST_F(ColumnMedian, NullsAreNeitherCountedNorRead) {
    add(1, QVariant());
    add(1, 10);
    add(1, QVariant());
    add(1, 20);
    add(1, 30);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 20.0);
}

TEST_F(ColumnMedian, OneStratumOrAll) {
    add(1, 1);
    add(3, 10);
    add(3, 30);
    add(3, 20);
    add(2, 100);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 3), 20.0);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 20.0); // 1 10 20 30 100
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 2), 100.0);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 4), std::nullopt);
}

TEST_F(ColumnMedian, NoValueGivesNothing) {
    add(1, QVariant());
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), std::nullopt);
}

TEST_F(ColumnMedian, StripTableAndNamesThatNeedQuoting) {
    db::exec(u"INSERT INTO SPM (Stratum, EstimLength) VALUES (1, 4), (1, 2), (2, 9)"_s);
    EXPECT_EQ(columnMedian(u"SPM"_s, u"EstimLength"_s, 1), 3.0);
    db::exec(u"INSERT INTO LIM (Stratum, [Tally 1]) VALUES (1, 5), (1, 7)"_s);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Tally 1"_s, 0), 6.0);
}

TEST_F(ColumnMedian, AnUnknownColumnOrTableRaises) {
    add(1, 1);
    EXPECT_THROW(columnMedian(u"LIM"_s, u"Nonsense"_s, 0), RuntimeError);
    EXPECT_THROW(columnMedian(u"LIM]; DROP TABLE LIM; --"_s, u"Length"_s, 0), RuntimeError);
    EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 1.0); // the table is still there
}

TEST_F(ColumnMedian, ATextValueIsATypeMismatch) {
    add(1, 1);
    add(1, u"long"_s);
    add(1, 3);
    try {
        columnMedian(u"LIM"_s, u"Length"_s, 0); // 1, 3, "long": the middle is 3
        columnMedian(u"LIM"_s, u"Length"_s, 1);
        add(1, 4); // 1, 3, 4, "long": 3 and 4
        EXPECT_EQ(columnMedian(u"LIM"_s, u"Length"_s, 0), 3.5);
        add(1, u"x"_s);
        add(1, u"y"_s); // 1, 3, 4, "long", "x", "y": 4 and "long"
        columnMedian(u"LIM"_s, u"Length"_s, 0);
        FAIL() << "no type mismatch";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
}

} // namespace
} // namespace vernalt::test
