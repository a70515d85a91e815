// The serial correlation: the pairs of adjacent units, the level question and the
// weighted correlation coefficient.
#include "shell/adjacent_pairs.h"
#include "shell/correlation.h"

#include "support/error_of.h"
#include "support/scripted_prompts.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

NumberTable table(std::initializer_list<std::initializer_list<double>> rows) {
    NumberTable t(int(rows.size()), rows.size() ? int(rows.begin()->size()) : 0);
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (double v : row)
            t.set(r, c++, v);
        ++r;
    }
    return t;
}

TEST(CorrelationCoefficient, WeightedPearsonCorrelation) {
    ScriptedPrompts none; // no error box
    // x differs in the last place only: Sxx - Sx^2/Sw comes out near -7.6e-6
    // instead of a true value near 1e-22, and must not reach the square root.
    const double a = 123456.789;
    const double b = std::nextafter(a, 2 * a);
    // Column 2 is the opposite of column 1; columns 0 and 1 rise together.
    const NumberTable three = table({{1, 2, 9}, {2, 4, 8}, {3, 6, 7}});
    // x 0, 2, 4; y 0, 1, 1; and the same with the columns swapped.
    const NumberTable w = table({{0, 0}, {2, 1}, {4, 1}});
    const NumberTable wy = table({{0, 0}, {1, 2}, {1, 4}});
    const struct {
        const char* name;
        NumberTable data;
        int x, y, mode;
        double expected;
    } cases[] = {
        {"two pairs are too few", table({{1, 2}, {2, 4}}), -1, -1, 0, 99},
        {"one column is too few", table({{1}, {2}, {3}}), -1, -1, 0, 99},
        {"a constant column gives 0", table({{5, 1}, {5, 2}, {5, 3}}), -1, -1, 0, 0},
        {"x variance rounded below zero gives 0", table({{a, 1}, {a, 2}, {b, 3}}), -1, -1, 0, 0},
        {"y variance rounded below zero gives 0", table({{1, a}, {2, a}, {3, b}}), -1, -1, 0, 0},
        {"-1, -1 select columns 0 and 1", three, -1, -1, 0, 1},
        {"7 selects column 0", three, 7, 2, 0, -1},
        {"9 selects column 1", three, 2, 9, 0, -1},
        // Equal weights: deviations x -2, 0, 2; y -2/3, 1/3, 1/3; r = 2 / sqrt(8 * 2/3).
        {"mode 9 is mode 0: equal weights", w, 0, 1, 9, std::sqrt(3.0) / 2},
        // Mode 1, w = |1/x| with x = 0 weighing 1: w = 1, 0.5, 0.25; Sw 1.75, Sx 2, Sy 0.75,
        // Sxx 6, Syy 0.75, Sxy 2; num 8/7, factors 26/7 and 3/7; r = 8 / sqrt(78).
        {"weights 1/x", w, 0, 1, 1, 8 / std::sqrt(78.0)},
        // Mode 2, w = |1/x^2|: 1, 0.25, 0.0625; Sw 1.3125, Sx 0.75, Sy 0.3125, Sxx 2,
        // Syy 0.3125, Sxy 0.75; num 0.75 - 0.234375/1.3125 = 4/7; factors
        // 2 - 0.5625/1.3125 = 11/7 and 0.3125 - 0.09765625/1.3125 = 5/21;
        // r = (4/7) / sqrt(55/147) = 4 sqrt(3) / sqrt(55).
        {"weights 1/x^2", w, 0, 1, 2, 4 * std::sqrt(3.0) / std::sqrt(55.0)},
        // Modes 3 and 4 weigh by y as 1 and 2 weigh by x; r is symmetric in x and y.
        {"weights 1/y", wy, 0, 1, 3, 8 / std::sqrt(78.0)},
        {"weights 1/y^2", wy, 0, 1, 4, 4 * std::sqrt(3.0) / std::sqrt(55.0)},
        // x = y = 0, 1e-100, 2e-100: both spreads are 2e-200 and their product
        // 4e-400 is 0 to a double: no coefficient, and no error box either.
        {"spreads too small to multiply give 0",
         table({{0, 0}, {1e-100, 1e-100}, {2e-100, 2e-100}}), -1, -1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(CorrelationCoefficient(c.data, c.x, c.y, c.mode), c.expected, 1e-12) << c.name;
    // A run-time error shows its own message and gives 0.
    for (const NumberTable& bad : {NumberTable(), table({{1e200, 1}, {2e200, 2}, {3e200, 4}})}) {
        ScriptedPrompts prompts;
        prompts.message(u"Error in module CorrelationCoefficient!"_s, u"Attention!"_s,
                        MsgIcon::Exclamation);
        EXPECT_EQ(CorrelationCoefficient(bad, -1, -1, 0), 0);
    }
}

TEST(NumberTable, ACellOutsideTheTableIsASubscriptError) {
    NumberTable t(2, 3);
    t.set(1, 2, 7.5);
    EXPECT_EQ(t.at(1, 2), 7.5);
    for (const auto& [row, column] :
         {std::pair(2, 0), std::pair(0, 3), std::pair(-1, 0), std::pair(0, -1)}) {
        EXPECT_EQ(errorOf([&] { t.at(row, column); }), err::SubscriptRange)
            << row << ", " << column;
        EXPECT_EQ(errorOf([&] { t.set(row, column, 1); }), err::SubscriptRange)
            << row << ", " << column;
    }
    t.redim(-2, 2); // negative counts give an empty table, dimensioned all the same
    EXPECT_EQ(std::pair(t.rows(), t.columns()), std::pair(0, 2));
    EXPECT_EQ(CorrelationCoefficient(t, -1, -1, 0), 99);
}

// Transect numbers of units laid out transect after transect, `lengths` units each.
std::vector<int> transects(std::initializer_list<int> lengths) {
    std::vector<int> v;
    int t = 0;
    for (const int n : lengths)
        v.insert(v.end(), std::size_t(n), t++);
    return v;
}

// The unit of row r has the subtotal r + 1; each pair shows as "x,y".
TEST(AdjacentPairs, PositionByPositionWithinEachTransect) {
    const std::pair<std::vector<int>, const char*> cases[] = {
        {transects({2, 1}), "1,2"}, // three sections: the third has no partner
        {transects({1}), ""},       // one segment: no pair
        {{}, ""},                   // no transect: no pair
        // An incomplete first transect of 7 subsegments, then 8: never 7 with 8.
        {transects({7, 8}), "1,2 8,9 2,3 9,10 3,4 10,11 4,5 11,12 5,6 12,13 6,7 13,14 14,15"},
        {transects({3, 4, 2}), "1,2 4,5 8,9 2,3 5,6 6,7"},
    };
    for (const auto& [numbers, expected] : cases) {
        // One unit more than there are transect numbers: a unit without one is
        // never paired.
        std::vector<double> subtotals(numbers.size() + 1);
        std::iota(subtotals.begin(), subtotals.end(), 1.0);
        const NumberTable t = adjacentPairs(subtotals, numbers);
        QStringList pairs;
        for (int p = 0; p < t.rows() && t.columns() == 2; ++p)
            pairs << u"%1,%2"_s.arg(t.at(p, 0)).arg(t.at(p, 1));
        EXPECT_TRUE(t.isDimensioned());
        EXPECT_EQ(pairs.join(u' ').toStdString(), expected);
    }
}

TEST(CorrelationAnswers, LevelInAnyCaseButUntrimmed) {
    const std::pair<const char*, std::optional<CorrelationLevel>> cases[] = {
        {"SECTION", CorrelationSection},
        {"segment", CorrelationSegment},
        {"subSegment", CorrelationSubsegment},
        {" section", std::nullopt},
        {"transect", std::nullopt},
        {"sections", std::nullopt},
    };
    for (const auto& [answer, level] : cases)
        EXPECT_EQ(correlationLevel(QString::fromLatin1(answer)), level) << answer;
}

// An answer that names no level asks again; no answer (or Cancel) gives none.
TEST(CorrelationAnswers, AskedUntilTheAnswerNamesALevel) {
    ScriptedPrompts prompts;
    const QString title = u"Correlation Length"_s;
    prompts.input(correlationLevelPrompt(), title, u"transect"_s)
        .input(correlationLevelPrompt(), title, u"Segment"_s)
        .input(correlationLevelPrompt(), title, u""_s);
    EXPECT_EQ(askCorrelationLevel(), CorrelationSegment);
    EXPECT_EQ(askCorrelationLevel(), std::nullopt);
}

} // namespace
} // namespace vernalt::test
