#include "snag/compute_rules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(AsksNumberOfStrata, SingleAlwaysStrataWhileTheNumberIsBelow) {
    struct Case {
        const char* name;
        int sheet;
        QString numStrata;
        bool asks;
    } cases[] = {
        // clang-format off
        {"Single with 3 entered still asks", 0, u"3"_s, true},
        {"Single with nothing entered", 0, u""_s, true},
        {"Stratum 2 with 3 entered asks nothing", 2, u"3"_s, false},
        {"Stratum 2 with 2 entered asks nothing", 2, u"2"_s, false},
        {"Stratum 2 with 1 entered asks", 2, u"1"_s, true},
        {"Stratum 1 with nothing entered asks", 1, u""_s, true},
        {"Stratum 1 with a word counts as 0", 1, u"abc"_s, true},
        {"Stratum 3 with 2.5 asks", 3, u"2.5"_s, true},
        {"Stratum 2 with 2.5 asks nothing", 2, u"2.5"_s, false},
        {"Stratum 4 with 3.999 rounds to 4", 4, u"3.999"_s, false},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(asksNumberOfStrata(c.sheet, c.numStrata), c.asks) << c.name;
}

TEST(StratifiedGate, ButtonTable) {
    struct Case {
        const char* name;
        QString numStrata;
        std::array<bool, 4> rows;
        bool enabled, missing;
    } cases[] = {
        {"1 with row 0", u"1"_s, {true, false, false, false}, true, false},
        {"1 without row 0", u"1"_s, {false, true, true, true}, false, false},
        {"2 with rows 0 and 1", u"2"_s, {true, true, false, false}, true, false},
        {"2 without row 1", u"2"_s, {true, false, true, true}, false, false},
        {"3 with rows 0 and 1 only", u"3"_s, {true, true, false, false}, false, false},
        {"3 with rows 0 to 2", u"3"_s, {true, true, true, false}, true, false},
        {"4 with all rows", u"4"_s, {true, true, true, true}, true, false},
        {"4 without row 3", u"4"_s, {true, true, true, false}, false, false},
        {"empty: missing", u""_s, {true, true, true, true}, false, true},
        {"5", u"5"_s, {true, true, true, true}, false, false},
        {"2.0 is not 2", u"2.0"_s, {true, true, true, true}, false, false},
        {"a blank before 2", u" 2"_s, {true, true, true, true}, false, false},
        {"2.5", u"2.5"_s, {true, true, true, true}, false, false},
        {"0", u"0"_s, {true, true, true, true}, false, false},
    };
    for (const auto& c : cases) {
        const StratifiedGate g = stratifiedGate(c.numStrata, c.rows);
        EXPECT_EQ(g.enabled, c.enabled) << c.name;
        EXPECT_EQ(g.strataMissing, c.missing) << c.name;
    }
}

TEST(MainTabAction, DensitiesGatesSampleSizeComputes) {
    struct Case {
        int mainPage, formulaPage;
        MainTabAction action;
    } cases[] = {
        // clang-format off
        {1, 1, MainTabAction::StratifiedGate}, {1, 0, MainTabAction::Nothing},
        {2, 0, MainTabAction::SampleSize},     {2, 1, MainTabAction::SampleSize},
        {0, 1, MainTabAction::Nothing},        {3, 1, MainTabAction::Nothing},
        {4, 0, MainTabAction::Nothing},        {9, 1, MainTabAction::Nothing},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(mainTabAction(c.mainPage, c.formulaPage), c.action)
            << c.mainPage << " " << c.formulaPage;
}

} // namespace
} // namespace vernalt::test
