#include "shell/statistics.h"

#include "support/error_of.h"

#include <QRadioButton>
#include <QWidget>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(GetOption, GivesTheCheckedIndexPassingOverMissingMembers) {
    QWidget group;
    std::array<QRadioButton*, 5> optStratum{};
    for (auto*& b : optStratum)
        b = new QRadioButton(&group);
    EXPECT_EQ(GetOption(optStratum), -1) << "nothing checked";
    optStratum[2]->setChecked(true);
    EXPECT_EQ(GetOption(optStratum), 2) << "Stratum 2 checked";
    optStratum[0]->setChecked(true); // auto-exclusive in one parent
    EXPECT_EQ(GetOption(optStratum), 0);
    EXPECT_EQ(GetOption({optStratum[3], optStratum[0]}), 1) << "list of buttons";
    EXPECT_EQ(GetOption({{7, optStratum[3]}, {9, optStratum[0]}}), 9) << "indexed pairs";
    std::array<QRadioButton*, 3> gaps{nullptr, optStratum[1], optStratum[2]};
    optStratum[2]->setChecked(true);
    EXPECT_EQ(GetOption(gaps), 2);
    EXPECT_EQ(GetOption(std::array<QRadioButton*, 0>{}), -1) << "a group with no buttons";
}

TEST(RoundUp, RoundsUpToDecimals) {
    struct Case {
        const char* name;
        double x, digits, expected;
    } const cases[] = {
        {"two decimals", 1.231, 2, 1.24},
        {"half", 0.5, 0, 1},
        {"zero", 0, 0, 0},
        {"whole stays", 5, 0, 5},
        {"tolerance below 0.00001 stays on the step", 2.000001, 0, 2},
        {"above the tolerance goes up", 2.00002, 0, 3},
        {"negative moves towards zero", -2.5, 0, -2},
        {"negative tens", 12.1, -1, 20},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundUp(c.x, c.digits), c.expected) << c.name;
    EXPECT_EQ(errorOf([] { RoundUp(1e300, 10); }), err::Overflow);
}

TEST(StdDev, SampleStandardDeviationOfTheNumericElements) {
    // mean 5, squared deviations 9+1+1+1+0+0+4+16 = 32, 32/7
    const std::vector<double> xs{2, 4, 4, 4, 5, 5, 7, 9};
    EXPECT_NEAR(StdDev(xs, logFunction(u"StdDev"_s)), std::sqrt(32.0 / 7.0), 1e-12);
    // 1 and 3: mean 2, squared deviations 1+1, divisor 1
    const std::vector<Value> mixed{1.0, u"x"_s, Value::null(), u" 3 "_s, Value()};
    EXPECT_DOUBLE_EQ(StdDev(mixed, snagFunction(u"StdDev"_s)), std::sqrt(2.0));
    // Indexed from 1: element 0 (100) is not part of the array; 2, 4, 6 give sd 2.
    const std::vector<double> from1{100, 2, 4, 6};
    EXPECT_DOUBLE_EQ(StdDev(from1, QString(), 1), 2);
    // Indexed from 0: 100, 2, 4, 6: mean 28, deviations 72,26,24,22 -> 5184+676+576+484=6920
    EXPECT_DOUBLE_EQ(StdDev(from1, QString(), 0), std::sqrt(6920.0 / 3.0));
}

TEST(StdDev, TooFewNumbersGiveZero) {
    EXPECT_EQ(StdDev(std::vector<double>{3.5}), 0) << "one element";
    EXPECT_EQ(StdDev(std::vector<double>{}), 0) << "no element";
    EXPECT_EQ(StdDev(std::vector<double>{4, 4}), 0) << "two equal elements";
    const std::vector<Value> words{u"a"_s, Value::null(), Value(), u"12 ft"_s};
    EXPECT_EQ(StdDev(words), 0) << "no numeric element";
}

} // namespace
} // namespace vernalt::test
