#include "shell/cleaning.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// A number expected as a number, a text as a text: Value compares kind and content.
struct CleanCase {
    const char* name;
    Value (*clean)(const Value&);
    Value input, expected;
};

TEST(CleanRound, RoundsNumbersByTheirSizeAndCleansText) {
    const auto round = static_cast<Value (*)(const Value&)>(&CleanRound);
    const auto orZero = static_cast<Value (*)(const Value&)>(&CleanRoundOrZero);
    const auto nzZero = static_cast<Value (*)(const Value&)>(&NzZero);
    const auto nzMissing = static_cast<Value (*)(const Value&)>(&NzMissing);
    const CleanCase cases[] = {
        {"thousands comma removed, half to even below", round, u"1,234.5"_s, 1234},
        {"dollar removed, one decimal, half to even", round, u"$45.25"_s, 45.2},
        {"number with one decimal, half goes up to even", round, 45.75, 45.8},
        {"three decimals, half to even", round, 0.0625, 0.062},
        {"below 0.01 keeps four decimals", round, 0.009999, 0.01},
        {"decimals chosen before rounding: 99.96", round, 99.96, 100},
        {"every negative value gets four decimals", round, -1234.56789, -1234.5679},
        {"zero", round, 0, 0},
        {"comma is always a thousands separator", round, u"1,5"_s, 15},
        {"half not exact in binary rounds by its text: 2.345", round, 2.345, 2.34},
        {"half not exact in binary rounds by its text: 0.0125", round, 0.0125, 0.012},
        {"half at 1 or more to even: 2.355", round, u"2.355"_s, 2.36},
        {"blanks around a number", round, u"  12.34  "_s, 12.3},
        {"exponent form", round, u"1.5E3"_s, 1500},
        {"exactly 10 gets one decimal", round, u"10.05"_s, 10.0},
        {"exactly 0.01 gets three decimals", round, u"0.0105"_s, 0.010},
        {"exactly 1 gets two decimals", round, u"1.005"_s, 1.0},
        {"words stay as they are", round, u"12 ft"_s, u"12 ft"_s},
        {"a lone dollar sign cleans to empty", round, u"$"_s, u""_s},
        {"the empty value gives the empty text", round, Value(), u""_s},
        {"commas and dollars leave any text", round, u"a,b$c"_s, u"abc"_s},
        {"or zero: empty text", orZero, u""_s, 0},
        {"or zero: words", orZero, u"n/a"_s, 0},
        {"or zero: dollars and thousands", orZero, u"$1,000"_s, 1000},
        {"or zero: number rounded", orZero, 12.345, 12.3},
        {"NzZero of null", nzZero, Value::null(), 0},
        {"NzMissing of null", nzMissing, Value::null(), -999999},
        {"NzMissing of empty value", nzMissing, Value(), -999999},
        {"NzMissing of a number", nzMissing, 7.5, 7.5},
        {"NzZero rounds like CleanRound", nzZero, u"1,234.5"_s, 1234},
        {"two blanks are not empty", nzZero, u"  "_s, u"  "_s},
        {"NzMissing cleans words", nzMissing, u"$x"_s, u"x"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.clean(c.input), c.expected) << c.name;
    EXPECT_EQ(errorOf([] { CleanRound(Value::null()); }), err::InvalidNull);
    EXPECT_EQ(errorOf([] { CleanRoundOrZero(Value::null()); }), err::InvalidNull);
}

TEST(CleanRoundText, IsTheTextTheUserSees) {
    EXPECT_EQ(displayText(1234.5), u"1234"_s);
    EXPECT_EQ(displayText(0.012345), u"0.012"_s); // at least 0.01: three decimals
    // 2.345f is 2.34500002861 as a double, above the half; its text "2.345" is
    // the half and goes to the even 2.34.
    EXPECT_EQ(displayText(2.345f), u"2.34"_s);
    EXPECT_EQ(displayText(double(2.345f)), u"2.35"_s);
    EXPECT_EQ(cleanRoundText(u"1,234.5"_s), u"1234"_s);
    EXPECT_EQ(cleanRoundText(Value(45.75)), u"45.8"_s);
    EXPECT_EQ(cleanRoundText(Value(-0.00001)), u"0"_s); // never "-0"
    EXPECT_EQ(cleanRoundText(u"12 ft"_s), u"12 ft"_s);
    EXPECT_EQ(cleanRoundOrZeroText(u"n/a"_s), u"0"_s);
    EXPECT_EQ(nzMissingText(Value::null()), u"-999999"_s);
}

} // namespace
} // namespace vernalt::test
