#include "platform/errors.h"

#include "support/error_of.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>
#include <limits>

namespace vernalt::test {
namespace {

TEST(ErrorDescription, KnownAndUnknownNumbers) {
    const std::pair<int, const char*> cases[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {11, "Division by zero"},
        {13, "Type mismatch"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {31999, "Application-defined or object-defined error"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(errorDescription(n), QString::fromLatin1(text)) << n;
    for (int n :
         {err::DbReadOnly, err::DbUnknownField, err::DbLocked, err::DbCannotOpen, err::DbGeneral})
        EXPECT_NE(errorDescription(n), errorDescription(31999)) << n;
    EXPECT_STREQ(RuntimeError(11).what(), "11 : Division by zero");
    EXPECT_EQ(RuntimeError(err::DbLocked, QStringLiteral("In use")).description(),
              QStringLiteral("In use"));
}

const double big = 1e308;

const struct {
    const char* name;
    double (*op)();
    int error;
    double value; // when error == 0
} arithmetic[] = {
    {"x/0 is division by zero", [] { return checked::div(1, 0); }, err::DivisionByZero, 0},
    {"-x/0 is division by zero", [] { return checked::div(-2.5, 0); }, err::DivisionByZero, 0},
    {"0/0 is overflow", [] { return checked::div(0, 0); }, err::Overflow, 0},
    {"a quotient too large is overflow", [] { return checked::div(big, 1e-10); }, err::Overflow, 0},
    {"a product too large is overflow", [] { return checked::mul(1e200, 1e200); }, err::Overflow,
     0},
    {"a sum too large is overflow", [] { return checked::add(big, big); }, err::Overflow, 0},
    {"a difference too large is overflow", [] { return checked::sub(-big, big); }, err::Overflow,
     0},
    {"square root of a negative is an invalid call", [] { return checked::sqrt(-1); },
     err::InvalidCall, 0},
    {"fractional power of a negative is an invalid call", [] { return checked::pow(-8, 1.0 / 3); },
     err::InvalidCall, 0},
    {"a power too large is overflow", [] { return checked::pow(10, 400); }, err::Overflow, 0},
    {"zero to a negative power is overflow", [] { return checked::pow(0, -1); }, err::Overflow, 0},
    {"a power of NaN is overflow",
     [] { return checked::pow(std::numeric_limits<double>::quiet_NaN(), 0); }, err::Overflow, 0},
    {"NaN/0 is overflow", [] { return checked::div(std::numeric_limits<double>::quiet_NaN(), 0); },
     err::Overflow, 0},
    {"NaN is overflow", [] { return checked::result(std::numeric_limits<double>::quiet_NaN()); },
     err::Overflow, 0},
    {"7/2", [] { return checked::div(7, 2); }, 0, 3.5},
    {"0/5", [] { return checked::div(0, 5); }, 0, 0},
    {"sqrt 6.25", [] { return checked::sqrt(6.25); }, 0, 2.5},
    {"sqrt 0", [] { return checked::sqrt(0); }, 0, 0},
    {"2^10", [] { return checked::pow(2, 10); }, 0, 1024},
    {"(-2)^3", [] { return checked::pow(-2, 3); }, 0, -8},
    {"1.5 x -4", [] { return checked::mul(1.5, -4); }, 0, -6},
    {"0.25 + 0.5", [] { return checked::add(0.25, 0.5); }, 0, 0.75},
    {"1 - 3", [] { return checked::sub(1, 3); }, 0, -2},
};

TEST(CheckedArithmetic, RaisesWhereIeeeWouldGiveInfOrNaN) {
    for (const auto& c : arithmetic) {
        double got = 0;
        EXPECT_EQ(errorOf([&] { got = c.op(); }), c.error) << c.name;
        EXPECT_EQ(got, c.value) << c.name;
    }
}

TEST(SkipOn, SkipsOnlyTheListedNumbers) {
    double x = 1;
    EXPECT_FALSE(skipOn({err::Overflow, err::DivisionByZero}, [&] { x = checked::div(5, 0); }));
    EXPECT_EQ(x, 1) << "the skipped statement leaves x as it was";
    EXPECT_FALSE(skipOn({err::Overflow, err::DivisionByZero}, [&] { x = checked::div(0, 0); }));
    EXPECT_TRUE(skipOn({err::Overflow, err::DivisionByZero}, [&] { x = checked::div(5, 2); }));
    EXPECT_EQ(x, 2.5);
    EXPECT_EQ(errorOf([] {
                  skipOn({err::Overflow, err::DivisionByZero}, [] { raise(err::TypeMismatch); });
              }),
              err::TypeMismatch);
    EXPECT_EQ(errorOf([] { skipOn({}, [] { raise(err::Overflow); }); }), err::Overflow);
}

TEST(Tags, NameTheWindowAndProcedure) {
    EXPECT_EQ(snagProcedure(QStringLiteral("SetLabels")),
              QStringLiteral(" - Snag Procedure 'SetLabels'"));
    EXPECT_EQ(logProcedure(QStringLiteral("OpenFile")),
              QStringLiteral(" - Log Procedure 'OpenFile'"));
    EXPECT_EQ(snagFunction(QStringLiteral("StdDev")), QStringLiteral(" - Snag Function 'StdDev'"));
    EXPECT_EQ(logFunction(QStringLiteral("StdDev")), QStringLiteral(" - Log Function 'StdDev'"));
}

TEST(Trapped, ReportsTheErrorWithTheTagAndStops) {
    ScriptedPrompts script;
    script.message(QStringLiteral("11 : Division by zero - Snag Procedure 'CalculateStats'"),
                   QStringLiteral("Error"), MsgIcon::Exclamation);
    bool after = false;
    EXPECT_FALSE(trapped(prompts(), snagProcedure(QStringLiteral("CalculateStats")), [&] {
        checked::div(1, 0);
        after = true;
    }));
    EXPECT_FALSE(after);
}

TEST(Trapped, ASkippedStatementDoesNotReachTheTrap) {
    ScriptedPrompts script; // no prompt expected
    double x = 0;
    EXPECT_TRUE(trapped(prompts(), snagProcedure(QStringLiteral("SampleSize")), [&] {
        skipOn({err::Overflow, err::DivisionByZero}, [&] { x = checked::div(1, 0); });
        x = 3;
    }));
    EXPECT_EQ(x, 3);
}

TEST(ErrorReport, OwnDescriptionAndLogTag) {
    ScriptedPrompts script;
    script.message(QStringLiteral("3146 : disk I/O error - Log Procedure 'OpenFile'"),
                   QStringLiteral("Error"), MsgIcon::Exclamation);
    errorReport(prompts(), RuntimeError(err::DbGeneral, QStringLiteral("disk I/O error")),
                logProcedure(QStringLiteral("OpenFile")));
}

} // namespace
} // namespace vernalt::test
