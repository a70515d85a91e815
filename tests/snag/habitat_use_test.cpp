#include "snag/habitat_use.h"

#include "platform/grid.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The titles of a data sheet, as the grid shows them.
const QStringList SheetTitles = {
    u"Stratum"_s, u"Location"_s, u"Transect"_s,     u"Section"_s,  u"Segment"_s,  u"Subsegment"_s,
    u"Width10"_s, u"Width20"_s,  u"Width30"_s,      u"Width40"_s,  u"Distance"_s, u"Species"_s,
    u"Class"_s,   u"DBH"_s,      u"Height"_s,       u"Cavity"_s,   u"Forage"_s,   u"Qualifying"_s,
    u"Forest"_s,  u"District"_s, u"Subwatershed"_s, u"Observer"_s, u"Date"_s,
};

TEST(FindHabitatColumns, OnADataSheet) {
    const HabitatColumns cavity = findHabitatColumns(SheetTitles, u"cavity"_s);
    EXPECT_EQ(cavity.species, 11);
    EXPECT_EQ(cavity.decayClass, 12);
    EXPECT_EQ(cavity.dbh, 13);
    EXPECT_EQ(cavity.height, 14);
    EXPECT_EQ(cavity.code, 15);
    EXPECT_EQ(cavity.qualifying, 17);
    EXPECT_TRUE(cavity.complete());
    EXPECT_TRUE(cavity.qualifyingFound);
    EXPECT_EQ(findHabitatColumns(SheetTitles, u"forage"_s).code, 16);
}

TEST(FindHabitatColumns, MissingAndRepeatedTitles) {
    QStringList noCode = SheetTitles;
    noCode[15] = u"Cav"_s;
    EXPECT_FALSE(findHabitatColumns(noCode, u"cavity"_s).complete());

    // A title in the first column stands at position 0, "not found".
    QStringList first = SheetTitles;
    first[12] = u"Condition"_s;
    first[0] = u"Class"_s;
    EXPECT_FALSE(findHabitatColumns(first, u"cavity"_s).complete());

    QStringList noMarks = SheetTitles;
    noMarks[17] = u"Qualify"_s;
    const HabitatColumns c = findHabitatColumns(noMarks, u"cavity"_s);
    EXPECT_TRUE(c.complete());
    EXPECT_FALSE(c.qualifyingFound);

    QStringList twice = SheetTitles;
    twice.append(u"DBH"_s);
    twice.append(u"QUALIFYING"_s);
    const HabitatColumns later = findHabitatColumns(twice, u"cavity"_s);
    EXPECT_EQ(later.dbh, 23);
    EXPECT_EQ(later.qualifying, 24);
}

TEST(PercentUse, IsDisplayRounded) {
    struct Case {
        int signs, total;
        double expected;
    } cases[] = {
        {1, 3, 33.3}, {2, 3, 66.7}, {1, 200, 0.5},
        {3, 3, 100},  {0, 5, 0},    {0, 0, 0}, // nothing carries a code: no use at all, no failure
        {1, 7, 14.3},                          // 14.2857...
        {1, 8, 12.5},                          // exactly 12.5 keeps its one decimal
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(percentUse(c.signs, c.total), c.expected) << c.signs << "/" << c.total;
}

TEST(CellNumber, ReadsTheShownValue) {
    EXPECT_EQ(cellNumber(u"24.96"_s), 25.0);
    EXPECT_EQ(cellNumber(u"$1,000"_s), 1000.0);
    EXPECT_EQ(cellNumber(u""_s), std::nullopt);
    EXPECT_EQ(cellNumber(u"n/a"_s), std::nullopt);

    GridModel g;
    g.setCols(2);
    g.setRows(2);
    g.setNumber(1, 0, 24.96);
    g.setText(1, 1, u"24.96"_s);
    EXPECT_EQ(cellNumber(g, 1, 0), 25.0);
    EXPECT_EQ(cellNumber(g, 1, 1), 25.0);
}

// One data row of a sheet: class, DBH, height, species, code in their columns.
struct Row {
    QString decayClass, dbh, height, species, code;
};

class HabitatRows : public ::testing::Test {
  protected:
    HabitatRow row(const Row& r) {
        g_.setFormatString(u"^Stratum|^Class|^DBH|^Height|^Species|^Cavity|^Qualifying"_s);
        g_.setRows(2);
        g_.setText(1, 1, r.decayClass);
        g_.setText(1, 2, r.dbh);
        g_.setText(1, 3, r.height);
        g_.setText(1, 4, r.species);
        g_.setText(1, 5, r.code);
        return habitatRow(g_, 1, findHabitatColumns(g_.formatTitles(), u"cavity"_s));
    }
    GridModel g_;
};

TEST_F(HabitatRows, QualifyingAtEachBoundary) {
    HabitatCriteria c;
    c.minDbh = 25;
    c.minHeight = 5;
    c.maxClass = 3;
    c.species = u"9999"_s;
    c.code = 2;
    struct Case {
        Row r;
        bool qualifies, hasCode;
        const char* what;
    } cases[] = {
        {{u"3"_s, u"25"_s, u"5"_s, u"12"_s, u"2"_s}, true, true, "every value at its limit"},
        {{u"4"_s, u"25"_s, u"5"_s, u"12"_s, u"2"_s}, false, true, "class above the maximum"},
        {{u"3"_s, u"24.96"_s, u"5"_s, u"12"_s, u"2"_s}, true, true, "DBH 24.96 reads as 25"},
        {{u"3"_s, u"24.9"_s, u"5"_s, u"12"_s, u"2"_s}, false, true, "DBH below the minimum"},
        {{u"3"_s, u"25"_s, u"4.99"_s, u"12"_s, u"2"_s}, false, true, "height below"},
        {{u"3"_s, u"25"_s, u"5"_s, u"12"_s, u"1"_s}, false, true, "another code"},
        {{u"3"_s, u"25"_s, u"5"_s, u"9999"_s, u"2"_s}, false, true, "species 9999 left out"},
        {{u"3"_s, u"25"_s, u"5"_s, u""_s, u"2"_s}, true, true, "no species is not 9999"},
        {{u""_s, u"25"_s, u"5"_s, u"12"_s, u"2"_s}, false, true, "an empty class"},
        {{u"3"_s, u"big"_s, u"5"_s, u"12"_s, u"2"_s}, false, true, "a DBH that is not a number"},
        {{u"3"_s, u"25"_s, u"5"_s, u"12"_s, u""_s}, false, false, "no code at all"},
        {{u"3"_s, u"25"_s, u"5"_s, u"12"_s, u"x"_s}, false, true, "a code that is not a number"},
    };
    for (const Case& k : cases) {
        const HabitatRow r = row(k.r);
        EXPECT_EQ(habitatQualifies(r, c), k.qualifies) << k.what;
        EXPECT_EQ(r.hasCode, k.hasCode) << k.what;
    }
}

TEST_F(HabitatRows, SpeciesAsItsShownText) {
    HabitatCriteria c;
    c.species = u"12"_s;
    c.maxClass = 5;
    c.code = 1;
    EXPECT_FALSE(habitatQualifies(row({u"1"_s, u"1"_s, u"1"_s, u"012"_s, u"1"_s}), c));
    EXPECT_TRUE(habitatQualifies(row({u"1"_s, u"1"_s, u"1"_s, u"12.5"_s, u"1"_s}), c));
    c.species = u"abc"_s;
    EXPECT_TRUE(habitatQualifies(row({u"1"_s, u"1"_s, u"1"_s, u"ABC"_s, u"1"_s}), c));
    EXPECT_FALSE(habitatQualifies(row({u"1"_s, u"1"_s, u"1"_s, u"abc"_s, u"1"_s}), c));
}

} // namespace
} // namespace vernalt::test
