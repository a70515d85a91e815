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

// Transect numbers of units laid out transect after transect, `lengths` units each.
std::vector<int> transects(std::initializer_list<int> lengths) {
    std::vector<int> v;
    int t = 0;
    for (const int n : lengths)
        v.insert(v.end(), std::size_t(n), t++);
    return v;
}

TEST(AdjacentPairs, PositionByPositionWithinEachTransect) {
    const struct {
        const char* name;
        std::vector<int> transects;
        Pairs expected;
    } cases[] = {
        // clang-format off
        {"two transects of sections: rows 1-2, then 3-4", transects({2, 2}), {{1, 2}, {3, 4}}},
        {"two transects of segments: position by position", transects({4, 4}),
         {{1, 2}, {5, 6}, {2, 3}, {6, 7}, {3, 4}, {7, 8}}},
        {"one transect of segments", transects({4}), {{1, 2}, {2, 3}, {3, 4}}},
        {"three sections: the third has no partner", transects({2, 1}), {{1, 2}}},
        {"one segment: no pair", transects({1}), {}},
        {"no transect: no pair", {}, {}},
        {"an incomplete first transect: 7 subsegments, then 8; never 7 with 8",
         transects({7, 8}),
         {{1, 2}, {8, 9}, {2, 3}, {9, 10}, {3, 4}, {10, 11}, {4, 5}, {11, 12}, {5, 6}, {12, 13},
          {6, 7}, {13, 14}, {14, 15}}},
        {"transects of 3, 4 and 2 segments", transects({3, 4, 2}),
         {{1, 2}, {4, 5}, {8, 9}, {2, 3}, {5, 6}, {6, 7}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        // One unit more than there are transect numbers: a unit without one is
        // never paired.
        const NumberTable t = adjacentPairs(rows(int(c.transects.size()) + 1), c.transects);
        EXPECT_TRUE(t.isDimensioned()) << c.name;
        EXPECT_EQ(pairsOf(t), c.expected) << c.name;
    }
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

} // namespace
} // namespace vernalt::test
