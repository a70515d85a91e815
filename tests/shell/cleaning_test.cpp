#include "shell/cleaning.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

struct NumberCase {
    const char* name;
    Value input;
    double expected;
};

void expectNumber(const Value& result, double expected, const char* name) {
    ASSERT_TRUE(result.isNumber())
        << name << ": gave text \"" << result.text().toStdString() << '"';
    EXPECT_DOUBLE_EQ(result.number(), expected) << name;
}

void expectText(const Value& result, const QString& expected, const char* name) {
    ASSERT_TRUE(result.isText()) << name << ": gave a number " << result.number();
    EXPECT_EQ(result.text(), expected) << name;
}

TEST(CleanRound, RoundsNumericInputByItsSize) {
    const NumberCase cases[] = {
        {"thousands comma removed, half to even below", u"1,234.5"_s, 1234},
        {"thousands comma removed, half to even above", u"1,235.5"_s, 1236},
        {"dollar removed, one decimal, half to even", u"$45.25"_s, 45.2},
        {"number with one decimal, half goes up to even", 45.75, 45.8},
        {"three decimals, half to even", 0.0625, 0.062},
        {"below 0.01 keeps four decimals", 0.009999, 0.01},
        {"decimals chosen before rounding: 99.96", 99.96, 100},
        {"decimals chosen before rounding: 9.999", 9.999, 10},
        {"every negative value gets four decimals", -1234.56789, -1234.5679},
        {"negative text", u"-250.123456"_s, -250.1235},
        {"100 stays whole", 100, 100},
        {"zero", 0, 0},
        {"comma is always a thousands separator", u"1,5"_s, 15},
        {"half not exact in binary rounds by its text: 2.345", 2.345, 2.34},
        {"half not exact in binary rounds by its text: 0.0125", 0.0125, 0.012},
        {"half at 1 or more to even: 2.355", u"2.355"_s, 2.36},
        {"blanks around a number", u"  12.34  "_s, 12.3},
        {"exponent form", u"1.5E3"_s, 1500},
        {"exactly 10 gets one decimal", u"10.05"_s, 10.0},
        {"exactly 0.01 gets three decimals", u"0.0105"_s, 0.010},
        {"exactly 1 gets two decimals", u"1.005"_s, 1.0},
    };
    for (const auto& c : cases)
        expectNumber(CleanRound(c.input), c.expected, c.name);
}

TEST(CleanRound, ReturnsNonNumericTextCleaned) {
    expectText(CleanRound(u"12 ft"_s), u"12 ft"_s, "words stay as they are");
    expectText(CleanRound(u"$"_s), QString(), "a lone dollar sign cleans to empty");
    expectText(CleanRound(Value()), QString(), "the empty value gives the empty text");
    expectText(CleanRound(u""_s), QString(), "the empty text gives the empty text");
    expectText(CleanRound(u"a,b$c"_s), u"abc"_s, "commas and dollars leave any text");
}

TEST(CleanRound, NullRaisesInvalidUseOfNull) {
    try {
        CleanRound(Value::null());
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::InvalidNull);
    }
    try {
        CleanRoundOrZero(Value::null());
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::InvalidNull);
    }
}

TEST(CleanRoundOrZero, GivesZeroForEmptyOrWords) {
    expectNumber(CleanRoundOrZero(u""_s), 0, "empty text");
    expectNumber(CleanRoundOrZero(Value()), 0, "empty value");
    expectNumber(CleanRoundOrZero(u"n/a"_s), 0, "words");
    expectNumber(CleanRoundOrZero(u"$1,000"_s), 1000, "dollars and thousands");
    expectNumber(CleanRoundOrZero(12.345), 12.3, "number rounded");
}

TEST(Nz, NullAndEmptyGiveTheirMarker) {
    expectNumber(NzZero(Value::null()), 0, "NzZero of null");
    expectNumber(NzMissing(Value::null()), -999999, "NzMissing of null");
    expectNumber(NzZero(u""_s), 0, "NzZero of empty text");
    expectNumber(NzMissing(Value()), -999999, "NzMissing of empty value");
    expectNumber(NzZero(7.5), 7.5, "NzZero of a number");
    expectNumber(NzMissing(7.5), 7.5, "NzMissing of a number");
    expectNumber(NzZero(u"1,234.5"_s), 1234, "NzZero rounds like CleanRound");
    expectText(NzZero(u"  "_s), u"  "_s, "two blanks are not empty");
    expectText(NzMissing(u"$x"_s), u"x"_s, "NzMissing cleans words");
}

TEST(CleanRoundText, IsTheTextTheUserSees) {
    EXPECT_EQ(cleanRoundText(u"1,234.5"_s), u"1234"_s);
    EXPECT_EQ(cleanRoundText(Value(45.75)), u"45.8"_s);
    EXPECT_EQ(cleanRoundText(Value(-0.00001)), u"0"_s); // never "-0"
    EXPECT_EQ(cleanRoundText(u"12 ft"_s), u"12 ft"_s);
    EXPECT_EQ(cleanRoundOrZeroText(u"n/a"_s), u"0"_s);
    EXPECT_EQ(nzMissingText(Value::null()), u"-999999"_s);
}

} // namespace
} // namespace vernalt::test
