// Cavity and forage use: the columns found, which rows qualify, the percentage.
#include "snag/habitat_use.h"

#include "platform/grid.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(HabitatUse, ColumnsFoundPercentUseAndEachBoundaryOfTheCriteria) {
    // A later title wins; a title in the first column is not found.
    QStringList titles = {u"Stratum"_s, u"Class"_s,  u"DBH"_s,        u"Height"_s, u"Species"_s,
                          u"Forage"_s,  u"Cavity"_s, u"Qualifying"_s, u"DBH"_s,    u"QUALIFYING"_s};
    const HabitatColumns later = findHabitatColumns(titles, u"cavity"_s);
    EXPECT_EQ(std::tuple(later.complete(), later.dbh, later.qualifying, later.code),
              std::tuple(true, 8, 9, 6));
    titles[0] = u"Class"_s;
    titles[1] = u"Condition"_s;
    EXPECT_FALSE(findHabitatColumns(titles, u"cavity"_s).complete());
    // 33.3 down, 66.7 up, 12.5 keeps its decimal; no code anywhere is no use, no failure.
    for (const auto& [signs, total, tenths] :
         {std::array{1, 3, 333}, {2, 3, 667}, {1, 8, 125}, {0, 0, 0}})
        EXPECT_DOUBLE_EQ(percentUse(signs, total), tenths / 10.0) << signs << "/" << total;
    // Minimum DBH 25, minimum height 5, maximum class 3, code 2, the species given left out.
    HabitatCriteria criteria{25, 5, 3, {}, 2};
    // Species left out, class, DBH, height, species, code ("_" empty); qualifies, has a code.
    const char* cases[] = {
        "9999 3 25 5 12 2 1 1",    // every value at its limit
        "9999 4 25 5 12 2 0 1",    // class above the maximum
        "9999 3 24.96 5 12 2 1 1", // DBH 24.96 reads as 25
        "9999 3 24.9 5 12 2 0 1",  // DBH below the minimum
        "9999 3 25 4.99 12 2 0 1", // height below
        "9999 3 25 5 12 1 0 1",    // another code
        "9999 3 25 5 _ 2 1 1",     // no species is not 9999
        "9999 _ 25 5 12 2 0 1",    // an empty class
        "9999 3 big 5 12 2 0 1",   // a DBH that is not a number
        "9999 3 25 5 12 _ 0 0",    // no code at all
        "9999 3 25 5 12 x 0 1",    // a code that is not a number
        "12 3 25 5 012 2 0 1",     // the species as shown: 012 is 12
        "12 3 25 5 12.5 2 1 1",    // 12.5 is not 12
        "abc 3 25 5 ABC 2 1 1",    // case counts
    };
    GridModel g;
    g.setFormatString(u"^Stratum|^Class|^DBH|^Height|^Species|^Cavity|^Qualifying"_s);
    g.setRows(2);
    const HabitatColumns columns = findHabitatColumns(g.formatTitles(), u"cavity"_s);
    for (const char* c : cases) {
        QStringList k = QString::fromLatin1(c).split(u' ');
        k.replaceInStrings(u"_"_s, QString());
        for (int column = 1; column <= 5; ++column)
            g.setText(1, column, k[column]);
        criteria.species = k[0];
        const HabitatRow r = habitatRow(g, 1, columns);
        EXPECT_EQ(std::pair(habitatQualifies(r, criteria), r.hasCode),
                  std::pair(k[6] == u'1', k[7] == u'1'))
            << c;
    }
}

} // namespace
} // namespace vernalt::test
