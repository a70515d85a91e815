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
    EXPECT_TRUE(cavity.complete() && cavity.qualifyingFound);
    EXPECT_EQ(findHabitatColumns(SheetTitles, u"forage"_s).code, 16);
    // A later title overrides an earlier one, in any case.
    const HabitatColumns later =
        findHabitatColumns(SheetTitles + QStringList{u"DBH"_s, u"QUALIFYING"_s}, u"cavity"_s);
    EXPECT_EQ(later.dbh, 23);
    EXPECT_EQ(later.qualifying, 24);
    // A title in the first column stands at position 0, "not found".
    QStringList first = SheetTitles;
    first[12] = u"Condition"_s;
    first[0] = u"Class"_s;
    EXPECT_FALSE(findHabitatColumns(first, u"cavity"_s).complete());
    first[0] = u"Stratum"_s;
    first[12] = u"Class"_s;
    first[17] = u"Qualify"_s;
    EXPECT_FALSE(findHabitatColumns(first, u"cavity"_s).qualifyingFound);
}

TEST(PercentUse, IsDisplayRounded) {
    // 14.2857... shows 14.3; 12.5 keeps its decimal; no code anywhere is no use, no failure.
    const std::array<int, 3> cases[] = {{1, 3, 333}, {2, 3, 667}, {1, 200, 5}, {0, 0, 0},
                                        {1, 7, 143}, {1, 8, 125}, {3, 3, 1000}};
    for (const auto& [signs, total, tenths] : cases)
        EXPECT_DOUBLE_EQ(percentUse(signs, total), tenths / 10.0) << signs << "/" << total;
}

TEST(HabitatQualifies, AtEachBoundary) {
    // Minimum DBH 25, minimum height 5, maximum class 3, code 2, the species given left out.
    HabitatCriteria criteria{25, 5, 3, {}, 2};
    const struct {
        const char* excluded;
        const char *decayClass, *dbh, *height, *species, *code;
        bool qualifies, hasCode;
        const char* what;
    } cases[] = {
        // clang-format off
        {"9999", "3", "25", "5", "12", "2", true, true, "every value at its limit"},
        {"9999", "4", "25", "5", "12", "2", false, true, "class above the maximum"},
        {"9999", "3", "24.96", "5", "12", "2", true, true, "DBH 24.96 reads as 25"},
        {"9999", "3", "24.9", "5", "12", "2", false, true, "DBH below the minimum"},
        {"9999", "3", "25", "4.99", "12", "2", false, true, "height below"},
        {"9999", "3", "25", "5", "12", "1", false, true, "another code"},
        {"9999", "3", "25", "5", "9999", "2", false, true, "species 9999 left out"},
        {"9999", "3", "25", "5", "", "2", true, true, "no species is not 9999"},
        {"9999", "", "25", "5", "12", "2", false, true, "an empty class"},
        {"9999", "3", "big", "5", "12", "2", false, true, "a DBH that is not a number"},
        {"9999", "3", "25", "5", "12", "", false, false, "no code at all"},
        {"9999", "3", "25", "5", "12", "x", false, true, "a code that is not a number"},
        {"12", "3", "25", "5", "012", "2", false, true, "the species as shown: 012 is 12"},
        {"12", "3", "25", "5", "12.5", "2", true, true, "12.5 is not 12"},
        {"abc", "3", "25", "5", "ABC", "2", true, true, "case counts"},
        {"abc", "3", "25", "5", "abc", "2", false, true, "the species left out"},
        // clang-format on
    };
    GridModel g;
    g.setFormatString(u"^Stratum|^Class|^DBH|^Height|^Species|^Cavity|^Qualifying"_s);
    g.setRows(2);
    const HabitatColumns columns = findHabitatColumns(g.formatTitles(), u"cavity"_s);
    for (const auto& k : cases) {
        int column = 1;
        for (const char* text : {k.decayClass, k.dbh, k.height, k.species, k.code})
            g.setText(1, column++, QString::fromLatin1(text));
        criteria.species = QString::fromLatin1(k.excluded);
        const HabitatRow r = habitatRow(g, 1, columns);
        EXPECT_EQ(habitatQualifies(r, criteria), k.qualifies) << k.what;
        EXPECT_EQ(r.hasCode, k.hasCode) << k.what;
    }
}

} // namespace
} // namespace vernalt::test
