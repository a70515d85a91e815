#include "platform/value.h"
#include "support/error_of.h"

#include <QMetaType>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

// ---- number text ----

struct TextCase {
    const char* name;
    double x;
    const char* text;
};

const TextCase numberTexts[] = {
    {"a tenth", 0.1, "0.1"},
    {"one decimal", 1234.5, "1234.5"},
    {"whole number", 100, "100"},
    {"zero", 0, "0"},
    {"negative zero has no sign", -0.0, "0"},
    {"negative", -2.5, "-2.5"},
    {"a third to 15 digits", 1.0 / 3, "0.333333333333333"},
    {"two thirds rounds the 15th digit", 2.0 / 3, "0.666666666666667"},
    {"binary noise beyond 15 digits is hidden", 0.1 + 0.2, "0.3"},
    {"15 whole digits stay plain", 123456789012345.0, "123456789012345"},
    {"exponent 15 goes to exponent form", 1e15, "1E+15"},
    {"rounding up to 16 digits gives exponent form", 999999999999999.9, "1E+15"},
    {"large", 1e20, "1E+20"},
    {"three-digit exponent", 1e100, "1E+100"},
    {"exponent -4 stays plain", 0.0001, "0.0001"},
    {"exponent -5 goes to exponent form", 0.00001, "1E-05"},
    {"small with decimals", 1.5e-7, "1.5E-07"},
    {"negative small", -1.23e-5, "-1.23E-05"},
    {"tiny", 1e-300, "1E-300"},
    {"negative with four decimals", -1234.5679, "-1234.5679"},
    {"eight whole digits and a decimal", 12345678.9, "12345678.9"},
    // The shortest digits of a subnormal are coarser than 15: "5E-324".
    {"the smallest subnormal to 15 digits", 5e-324, "4.94065645841247E-324"},
    {"not a number", nan, "NaN"},
    {"infinity", inf, "Infinity"},
    {"minus infinity", -inf, "-Infinity"},
};

TEST(NumberText, ShortestFormUpTo15Digits) {
    for (const auto& c : numberTexts)
        EXPECT_EQ(numberText(c.x), QString::fromLatin1(c.text)) << c.name;
}

struct SingleCase {
    const char* name;
    float x;
    const char* text;
};

const SingleCase singleTexts[] = {
    {"a tenth is not its double widening", 0.1f, "0.1"},
    {"half", 12.5f, "12.5"},
    {"seven digits", 3.14159265f, "3.141593"},
    {"seven whole digits", 1234567.0f, "1234567"},
    {"eight whole digits go to exponent form", 12345678.0f, "1.234568E+07"},
    {"negative zero", -0.0f, "0"},
};

TEST(NumberText, SinglesUpTo7Digits) {
    for (const auto& c : singleTexts)
        EXPECT_EQ(singleText(c.x), QString::fromLatin1(c.text)) << c.name;
}

// ---- is-numeric and the two readings ----

TEST(IsNumeric, AcceptsPlainDecimalNumbersOnly) {
    const char* numeric[] = {"0",   "12",   " 12 ",   "-3.5", "+3.5",  ".5",   "5.",
                             "1e5", "1E-5", "2.5D+3", "1d2",  "\t7\t", "-.25", "007"};
    const char* other[] = {"",    " ",   "+",   "-",    ".",  "1e",  "1e+", "1.2.3", "12 ft", "1,5",
                           "abc", "--1", "1 2", "&H10", "e5", "inf", "NaN", "1e400", "- 1",   "$5"};
    for (const char* t : numeric)
        EXPECT_TRUE(isNumeric(QString::fromLatin1(t))) << t;
    for (const char* t : other)
        EXPECT_FALSE(isNumeric(QString::fromLatin1(t))) << t;
}

struct LeadingCase {
    const char* text;
    double value;
};

const LeadingCase leading[] = {
    {"12 ft", 12},  {"abc", 0},     {"1,5", 1},     {"  -3.5xyz", -3.5},
    {"1e3x", 1000}, {"1e", 1},      {"1e+", 1},     {".", 0},
    {"-", 0},       {".5", 0.5},    {"1 2 3", 123}, {"2.5d2", 250},
    {"", 0},        {"1.2.3", 1.2}, {"1e400", 0},   {"+7", 7},
    {"1e-400", 0},  {"-0", 0},      {"\r\n5", 5},   {"1\r\n2", 12},
};

TEST(LeadingNumber, ReadsAsFarAsTheNumberGoes) {
    for (const auto& c : leading) {
        const double v = leadingNumber(QString::fromLatin1(c.text));
        EXPECT_EQ(v, c.value) << c.text;
        if (v == 0) {
            EXPECT_FALSE(std::signbit(v)) << c.text << " gives no negative zero";
        }
    }
}

TEST(ToDouble, ReadsTheWholeTextOrRaises) {
    const struct {
        const char* text;
        double value;
        int error;
    } cases[] = {
        {" 2.5 ", 2.5, 0},
        {"-1.5E+2", -150, 0},
        {"3D-1", 0.3, 0},
        {"1e-400", 0, 0},
        {"abc", 0, err::TypeMismatch},
        {"", 0, err::TypeMismatch},
        {"12 ft", 0, err::TypeMismatch},
        {"1e400", 0, err::Overflow},
    };
    for (const auto& c : cases) {
        double got = 0;
        EXPECT_EQ(errorOf([&] { got = toDouble(QString::fromLatin1(c.text)); }), c.error) << c.text;
        EXPECT_EQ(got, c.value) << c.text;
    }
    // The size of a number past the double range is told by its digits and its
    // exponent together: 1 and 400 zeros (e-50 or not) is too large, 0.<400
    // zeros>1e50 too small.
    const QString zeros(400, u'0');
    EXPECT_EQ(errorOf([&] { toDouble(u'1' + zeros); }), err::Overflow);
    EXPECT_EQ(errorOf([&] { toDouble(u'1' + zeros + u"e-50"_s); }), err::Overflow);
    EXPECT_EQ(toDouble(u"0."_s + zeros + u"1e50"_s), 0);
}

// ---- whole-number conversion ----

struct IntCase {
    const char* name;
    int bits;
    double x;
    int value; // expected when error == 0
    int error;
};

const IntCase intCases[] = {
    {"half goes to the even neighbour below", 16, 0.5, 0, 0},
    {"half goes to the even neighbour above", 16, 1.5, 2, 0},
    {"2.5 goes down to 2", 16, 2.5, 2, 0},
    {"-1.5 to -2", 16, -1.5, -2, 0},
    {"-2.5 to -2", 16, -2.5, -2, 0},
    {"largest", 16, 32767.4, 32767, 0},
    {"32766.5 to the even 32766", 16, 32766.5, 32766, 0},
    {"32767.5 rounds to 32768: overflow", 16, 32767.5, 0, err::Overflow},
    {"-32768.5 rounds to the even -32768", 16, -32768.5, -32768, 0},
    {"-32768.6 rounds to -32769: overflow", 16, -32768.6, 0, err::Overflow},
    {"-32769.5 overflows", 16, -32769.5, 0, err::Overflow},
    {"NaN overflows", 16, nan, 0, err::Overflow},
    {"infinity overflows", 16, inf, 0, err::Overflow},
    {"32 bits: beyond 16 bits", 32, 40000.5, 40000, 0},
    {"32 bits: largest", 32, 2147483647.4, 2147483647, 0},
    {"2147483646.5 to the even neighbour", 32, 2147483646.5, 2147483646, 0},
    {"2147483647.5 overflows", 32, 2147483647.5, 0, err::Overflow},
    {"-2147483648.5 to the even -2147483648", 32, -2147483648.5, -2147483647 - 1, 0},
    {"-2147483649 overflows", 32, -2147483649.0, 0, err::Overflow},
    {"-infinity overflows", 32, -inf, 0, err::Overflow},
};

TEST(ToInt, RoundsHalfToEvenWithOverflow) {
    for (const auto& c : intCases) {
        int got = 0;
        const int e = errorOf([&] { got = c.bits == 16 ? toInt16(c.x) : toInt32(c.x); });
        EXPECT_EQ(e, c.error) << c.name;
        EXPECT_EQ(got, c.value) << c.name;
    }
}

// ---- rounding to decimals ----

struct RoundCase {
    const char* name;
    double x;
    int decimals;
    double expected;
};

// More halves and carries are in the cleaning tests, which round through this.
const RoundCase roundCases[] = {
    {"1234.5 to the even 1234", 1234.5, 0, 1234},
    {"1235.5 to the even 1236", 1235.5, 0, 1236},
    {"99.96 at one decimal carries to 100", 99.96, 1, 100},
    {"9.999 at two decimals carries to 10", 9.999, 2, 10},
    {"0.5 to 0", 0.5, 0, 0},
    {"1.5 to 2", 1.5, 0, 2},
    {"-2.5 to -2", -2.5, 0, -2},
    {"far below half rounds to 0", 0.004, 0, 0},
    {"2.675 is a half: to the even 2.68", 2.675, 2, 2.68},
    {"more than half beyond the 5", 2.3451, 2, 2.35},
    {"nothing to round", 123.456, 5, 123.456},
    {"carry through nines", 0.9995, 3, 1.0},
    {"binary noise is dropped", 0.1 + 0.2, 10, 0.3},
    {"infinity stays as it is", inf, 2, inf},
};

TEST(RoundHalfEven, RoundsTheDecimalTextTheUserSees) {
    for (const auto& c : roundCases)
        EXPECT_EQ(roundHalfEven(c.x, c.decimals), c.expected) << c.name;
}

TEST(RoundHalfEven, NeverGivesNegativeZeroAndRejectsNegativeDecimals) {
    EXPECT_FALSE(std::signbit(roundHalfEven(-0.004, 2)));
    EXPECT_FALSE(std::signbit(roundHalfEven(-0.0, 2)));
    EXPECT_FALSE(std::signbit(roundHalfEven(-0.5, 0)));
    EXPECT_EQ(errorOf([] { roundHalfEven(12.5, -1); }), err::InvalidCall);
    // The largest double to 15 digits, 1.79769313486232E+308, is past it.
    EXPECT_EQ(errorOf([] { roundHalfEven(std::numeric_limits<double>::max(), 0); }), err::Overflow);
}

// ---- the value type ----

TEST(ValueType, TextAndNumberOfEachKind) {
    EXPECT_EQ(Value(2.5).text(), QStringLiteral("2.5"));
    EXPECT_EQ(Value(-0.0).text(), QStringLiteral("0"));
    EXPECT_EQ(Value().text(), QString());
    EXPECT_EQ(Value("12 ft").text(), QStringLiteral("12 ft"));
    EXPECT_EQ(Value().toDouble(), 0);
    EXPECT_EQ(Value(" 7.5").toDouble(), 7.5);
    EXPECT_EQ(errorOf([] { Value("n/a").toDouble(); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([] { Value::null().text(); }), err::InvalidNull);
    EXPECT_EQ(errorOf([] { Value::null().toDouble(); }), err::InvalidNull);
}

TEST(ValueType, FromDatabaseField) {
    EXPECT_TRUE(Value::fromVariant(QVariant()).isNull());
    // A NULL field comes back as a typed variant without a value.
    EXPECT_TRUE(Value::fromVariant(QVariant(QMetaType::fromType<double>())).isNull());
    EXPECT_EQ(Value::fromVariant(QVariant(7.5)), Value(7.5));
    EXPECT_EQ(Value::fromVariant(QVariant(qlonglong(12))), Value(12));
    EXPECT_EQ(Value::fromVariant(QVariant(QStringLiteral("Oak"))), Value("Oak"));
    EXPECT_EQ(Value::fromVariant(QVariant(2.5f)), Value(2.5));
    EXPECT_EQ(Value::fromVariant(QVariant(true)), Value(-1)) << "True is -1";
    EXPECT_EQ(Value::fromVariant(QVariant(false)), Value(0));
}

TEST(ValueType, EqualityByKindAndContent) {
    EXPECT_EQ(Value(), Value());
    EXPECT_EQ(Value::null(), Value::null());
    EXPECT_FALSE(Value() == Value::null());
    EXPECT_FALSE(Value(1) == Value("1"));
    EXPECT_EQ(Value(1), Value(1.0));
}

} // namespace
} // namespace vernalt::test
