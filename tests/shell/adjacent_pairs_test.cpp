// The pairs of adjacent units and the level question of the serial correlation.
#include "shell/adjacent_pairs.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using Pairs = std::vector<std::pair<double, double>>;

// Subtotals 1, 2, ..., n: each unit's value is its row in the subtotal grid.
std::vector<double> rows(int n) {
    std::vector<double> v(std::size_t(std::max(n, 0)));
    std::iota(v.begin(), v.end(), 1.0);
    return v;
}

Pairs pairsOf(const NumberTable& t) {
    Pairs out;
    EXPECT_EQ(t.columns(), 2);
    for (int p = 0; p < t.rows(); ++p)
        out.emplace_back(t.at(p, 0), t.at(p, 1));
    return out;
}

TEST(AdjacentPairs, PositionByPositionWithinEachTransect) {
    const struct {
        const char* name;
        int units, perTransect;
        Pairs expected;
    } cases[] = {
        // clang-format off
        {"two transects of sections: rows 1-2, then 3-4", 4, 2, {{1, 2}, {3, 4}}},
        {"two transects of segments: position by position", 8, 4,
         {{1, 2}, {5, 6}, {2, 3}, {6, 7}, {3, 4}, {7, 8}}},
        {"two transects of subsegments: 14 pairs", 16, 8,
         {{1, 2}, {9, 10}, {2, 3}, {10, 11}, {3, 4}, {11, 12}, {4, 5}, {12, 13}, {5, 6}, {13, 14},
          {6, 7}, {14, 15}, {7, 8}, {15, 16}}},
        {"one transect of segments", 4, 4, {{1, 2}, {2, 3}, {3, 4}}},
        {"three sections: the third has no partner", 3, 2, {{1, 2}}},
        {"one segment: no pair", 1, 4, {}},
        {"no unit: no pair", 0, 4, {}},
        {"six segments: 3 pairs in the first transect, 1 in the second", 6, 4,
         {{1, 2}, {5, 6}, {2, 3}, {3, 4}}},
        {"twelve subsegments: 7 + 3 pairs", 12, 8,
         {{1, 2}, {9, 10}, {2, 3}, {10, 11}, {3, 4}, {11, 12}, {4, 5}, {5, 6}, {6, 7}, {7, 8}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const NumberTable t = adjacentPairs(rows(c.units), c.perTransect);
        EXPECT_TRUE(t.isDimensioned()) << c.name;
        EXPECT_EQ(pairsOf(t), c.expected) << c.name;
    }
    // Units 4 and 5 (segments) lie in different transects: never a pair.
    EXPECT_EQ(pairsOf(adjacentPairs(std::vector<double>{7, 0, 3, 5, 2, 9, 1, 4}, 4)),
              (Pairs{{7, 0}, {2, 9}, {0, 3}, {9, 1}, {3, 5}, {1, 4}}));
}

TEST(CorrelationAnswers, LevelInAnyCaseButUntrimmed) {
    const struct {
        const char* answer;
        std::optional<CorrelationLevel> level;
    } cases[] = {
        {"Section", CorrelationSection}, {"SECTION", CorrelationSection},
        {"segment", CorrelationSegment}, {"subSegment", CorrelationSubsegment},
        {" section", std::nullopt},      {"section ", std::nullopt},
        {"transect", std::nullopt},      {"sections", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(correlationLevel(QString::fromLatin1(c.answer)), c.level) << c.answer;
}

TEST(CorrelationAnswers, UnitsPerTransect) {
    EXPECT_EQ(unitsPerTransect(CorrelationSubsegment), 8);
    EXPECT_EQ(unitsPerTransect(CorrelationSegment), 4);
    EXPECT_EQ(unitsPerTransect(CorrelationSection), 2);
}

TEST(CorrelationAnswers, LevelQuestion) {
    EXPECT_EQ(correlationLevelPrompt(),
              u"For which length would you like to obtain a Pearson correlation coefficient?"
              u"\r\n\r\nPlease enter Section, Segment or Subsegment"_s);
}

} // namespace
} // namespace vernalt::test
