#include "shell/cleaning.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// A number expected as a number, a text as a text: Value compares kind and content.
TEST(CleanRound, RoundsNumbersByTheirSizeAndCleansText) {
    const auto round = static_cast<Value (*)(const Value&)>(&CleanRound);
    const auto orZero = static_cast<Value (*)(const Value&)>(&CleanRoundOrZero);
    const auto nzZero = static_cast<Value (*)(const Value&)>(&NzZero);
    const auto nzMissing = static_cast<Value (*)(const Value&)>(&NzMissing);
    const struct {
        const char* name;
        Value (*clean)(const Value&);
        Value input, expected;
    } cases[] = {
        // clang-format off
        // Numbers round half to even to decimals chosen by their size before rounding:
        // >= 100: 0, >= 10: 1, >= 1: 2, >= 0.01: 3, else (negatives too): 4.
        {"half down, ','", round, u"1,234.5"_s, 1234}, {"half up", round, 45.75, 45.8},
        {"4 decimals", round, 0.009999, 0.01},         {"99.96 has 1", round, 99.96, 100},
        {"negative", round, -1234.56789, -1234.5679},  {"zero", round, 0, 0},
        {">= 10", round, u"10.05"_s, 10.0},            {">= 1", round, u"1.005"_s, 1.0},
        {">= 0.01", round, u"0.0105"_s, 0.010},        {"thousands", round, u"1,5"_s, 15},
        {"blanks", round, u"  12.34  "_s, 12.3},       {"exponent", round, u"1.5E3"_s, 1500},
        // Halves no double holds round by their text: 2.345 (a double below the half)
        // down to 2.34, 0.0125 (above it) down to 0.012, 2.355 up.
        {"2.345", round, 2.345, 2.34},                 {"0.0125", round, 0.0125, 0.012},
        {"2.355", round, u"2.355"_s, 2.36},
        // Halves at three and four decimals: 0.013|5 up to the even 0.014, 0.0012|5
        // down to the even 0.0012, -0.0001|5 (negatives keep four) away to -0.0002.
        {"0.0135", round, u"0.0135"_s, 0.014},         {"0.00125", round, u"0.00125"_s, 0.0012},
        {"-0.00015", round, u"-0.00015"_s, -0.0002},
        // Texts lose every "," and then every "$".
        {"words", round, u"12 ft"_s, u"12 ft"_s},      {"cleaned", round, u"a,b$c"_s, u"abc"_s},
        {"empty value", round, Value(), u""_s},        {"or zero: words", orZero, u"n/a"_s, 0},
        {"or zero: $ and ,", orZero, u"$1,000"_s, 1000}, {"or zero: rounds", orZero, 12.345, 12.3},
        {"NzZero: null", nzZero, Value::null(), 0},    {"NzZero: empty text", nzZero, u""_s, 0},
        {"NzZero: rounds", nzZero, u"1,234.5"_s, 1234}, {"blanks", nzZero, u"  "_s, u"  "_s},
        {"NzMissing: empty", nzMissing, Value(), -999999},
        {"NzMissing: text", nzMissing, u"$x"_s, u"x"_s}, // two blanks (above) are not empty
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.clean(c.input), c.expected) << c.name;
    EXPECT_EQ(errorOf([] { CleanRound(Value::null()); }), err::InvalidNull);
    EXPECT_EQ(errorOf([] { CleanRoundOrZero(Value::null()); }), err::InvalidNull);
}

// k / 1000 for k up to 200,000, each rounded twice (the second time is
// remembered): k to 10^(3 - d) half to even with whole numbers, d the decimals
// of its size (0 from 100, 1 from 10, 2 from 1, the 3 it has below 1).
TEST(DisplayRound, ThreeDecimalValuesAgainstWholeNumbers) {
    int wrong = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (long k = 0; k < 200'000; ++k) {
            const int d = k >= 100'000 ? 0 : k >= 10'000 ? 1 : k >= 1'000 ? 2 : 3;
            const long m = d == 0 ? 1000 : d == 1 ? 100 : d == 2 ? 10 : 1;
            const long q = k / m, rest = k % m;
            const bool up = 2 * rest > m || (2 * rest == m && q % 2 == 1);
            const double expected = double(q + (up ? 1 : 0)) / (d == 0   ? 1.0
                                                                : d == 1 ? 10.0
                                                                : d == 2 ? 100.0
                                                                         : 1000.0);
            wrong += displayRound(double(k) / 1000) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(CleanRoundText, IsTheTextTheUserSees) {
    // 2.345f is 2.34500002861 as a double, above the half; its text "2.345" is
    // the half and goes to the even 2.34.
    EXPECT_EQ(displayText(2.345f), u"2.34"_s);
    EXPECT_EQ(displayText(double(2.345f)), u"2.35"_s);
    EXPECT_EQ(cleanRoundText(Value(-0.00001)), u"0"_s); // never "-0"
    // What a missing field shows: 0, or the marker; a word shown by CleanRoundOrZero is 0.
    EXPECT_EQ(nzZeroText(Value::null()), u"0"_s);
    EXPECT_EQ(nzMissingText(Value::null()), u"-999999"_s);
    EXPECT_EQ(NzMissing(u""_s), Value(-999999));
    EXPECT_EQ(cleanRoundOrZeroText(u"n/a"_s), u"0"_s);
}

} // namespace
} // namespace vernalt::test
