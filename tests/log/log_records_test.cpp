// The records the log analyses read: each field as stored and display-rounded,
// the Nz readings of a missing value, and the errors a missing field and a bad
// query show.
#include "log/log_records.h"
#include "shell/cleaning.h"
#include "support/error_of.h"
#include "support/temp_database.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(LogRecords, ReadsEachFieldAsStoredAndDisplayRounded) {
    TempDatabase temp;
    db::exec(u"INSERT INTO LIM (id, Stratum, Species, Length) VALUES "
             u"(1, 2, 'PSME', 3.456), (2, NULL, '', 0)"_s);
    // A field stores -0 as 0: record 2's length is read as a computed -0.
    LogRecords r(u"SELECT Stratum, Species, CASE id WHEN 2 THEN -0.0 ELSE Length END AS Length "
                 u"FROM LIM ORDER BY id"_s);
    EXPECT_EQ(r.fieldNames(), (QStringList{u"Stratum"_s, u"Species"_s, u"Length"_s}));
    EXPECT_EQ(r.position(u"length"_s), 2);
    EXPECT_EQ(r.position(u"Tally 1"_s), -1);

    ASSERT_TRUE(r.next());
    EXPECT_EQ(r.raw(0).number(), 2);
    EXPECT_EQ(r.raw(1).text(), u"PSME"_s);
    EXPECT_EQ(r.raw(2).number(), 3.456);
    EXPECT_EQ(r.cleaned(2).number(), 3.46); // from 1 to 10: two decimals
    EXPECT_EQ(r.nzMissing(2).number(), 3.46);

    ASSERT_TRUE(r.next());
    EXPECT_TRUE(r.raw(0).isNull());
    EXPECT_EQ(r.nzZero(0).number(), 0);
    EXPECT_EQ(r.nzMissing(0).number(), MissingValue);
    EXPECT_EQ(r.nzMissing(1).number(), MissingValue); // an empty text is no value
    ASSERT_TRUE(std::signbit(r.raw(2).number()));
    EXPECT_FALSE(std::signbit(r.cleaned(2).number())); // never -0
    EXPECT_FALSE(r.next());
}

TEST(LogRecords, AFieldTheQueryLacksIs3265AndABadQueryIsADatabaseError) {
    TempDatabase temp;
    db::exec(u"INSERT INTO LIM (id) VALUES (1)"_s);
    LogRecords r(u"SELECT id FROM LIM"_s);
    ASSERT_TRUE(r.next());
    EXPECT_EQ(errorOf([&] { r.raw(-1); }), 3265);
    EXPECT_EQ(errorOf([&] { r.cleaned(1); }), 3265);
    EXPECT_EQ(errorOf([] { LogRecords bad(u"SELECT Nope FROM LIM"_s); }), err::DbGeneral);
}

} // namespace
} // namespace vernalt::test
