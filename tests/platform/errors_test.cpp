#include "platform/errors.h"

#include "support/scripted_prompts.h"

#include <gtest/gtest.h>
#include <limits>

namespace vernalt::test {
namespace {

template <class F> int errorOf(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(ErrorDescription, KnownAndUnknownNumbers) {
    EXPECT_EQ(errorDescription(5), QStringLiteral("Invalid procedure call or argument"));
    EXPECT_EQ(errorDescription(6), QStringLiteral("Overflow"));
    EXPECT_EQ(errorDescription(9), QStringLiteral("Subscript out of range"));
    EXPECT_EQ(errorDescription(11), QStringLiteral("Division by zero"));
    EXPECT_EQ(errorDescription(13), QStringLiteral("Type mismatch"));
    EXPECT_EQ(errorDescription(91),
              QStringLiteral("Object variable or With block variable not set"));
    EXPECT_EQ(errorDescription(94), QStringLiteral("Invalid use of Null"));
    EXPECT_EQ(errorDescription(31999),
              QStringLiteral("Application-defined or object-defined error"));
    for (int n :
         {err::DbReadOnly, err::DbUnknownField, err::DbLocked, err::DbCannotOpen, err::DbGeneral})
        EXPECT_NE(errorDescription(n), errorDescription(31999)) << n;
}

TEST(RuntimeErrorType, CarriesNumberAndDescription) {
    const RuntimeError e(11);
    EXPECT_EQ(e.number(), 11);
    EXPECT_EQ(e.description(), QStringLiteral("Division by zero"));
    EXPECT_STREQ(e.what(), "11 : Division by zero");
    const RuntimeError own(err::DbLocked, QStringLiteral("In use"));
    EXPECT_EQ(own.description(), QStringLiteral("In use"));
}

struct ArithmeticCase {
    const char* name;
    double (*op)();
    int error;
};

const double big = 1e308;
const double nan = std::numeric_limits<double>::quiet_NaN();

const ArithmeticCase arithmetic[] = {
    {"x/0 is division by zero", [] { return checked::div(1, 0); }, err::DivisionByZero},
    {"-x/0 is division by zero", [] { return checked::div(-2.5, 0); }, err::DivisionByZero},
    {"0/0 is overflow", [] { return checked::div(0, 0); }, err::Overflow},
    {"a quotient too large is overflow", [] { return checked::div(big, 1e-10); }, err::Overflow},
    {"a product too large is overflow", [] { return checked::mul(1e200, 1e200); }, err::Overflow},
    {"a sum too large is overflow", [] { return checked::add(big, big); }, err::Overflow},
    {"a difference too large is overflow", [] { return checked::sub(-big, big); }, err::Overflow},
    {"square root of a negative is an invalid call", [] { return checked::sqrt(-1); },
     err::InvalidCall},
    {"fractional power of a negative is an invalid call", [] { return checked::pow(-8, 1.0 / 3); },
     err::InvalidCall},
    {"a power too large is overflow", [] { return checked::pow(10, 400); }, err::Overflow},
    {"zero to a negative power is overflow", [] { return checked::pow(0, -1); }, err::Overflow},
    {"NaN is overflow", [] { return checked::result(nan); }, err::Overflow},
};

TEST(CheckedArithmetic, RaisesWhereIeeeWouldGiveInfOrNaN) {
    for (const auto& c : arithmetic)
        EXPECT_EQ(errorOf(c.op), c.error) << c.name;
}

TEST(CheckedArithmetic, OrdinaryResultsPassThrough) {
    EXPECT_EQ(checked::div(7, 2), 3.5);
    EXPECT_EQ(checked::div(0, 5), 0);
    EXPECT_EQ(checked::sqrt(6.25), 2.5);
    EXPECT_EQ(checked::sqrt(0), 0);
    EXPECT_EQ(checked::pow(2, 10), 1024);
    EXPECT_EQ(checked::pow(-2, 3), -8);
    EXPECT_EQ(checked::mul(1.5, -4), -6);
    EXPECT_EQ(checked::add(0.25, 0.5), 0.75);
    EXPECT_EQ(checked::sub(1, 3), -2);
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
    EXPECT_TRUE(script.done());
}

TEST(Trapped, ACleanRunShowsNothing) {
    ScriptedPrompts script;
    int runs = 0;
    EXPECT_TRUE(trapped(prompts(), logProcedure(QStringLiteral("OpenFile")), [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
}

TEST(Trapped, ASkippedStatementDoesNotReachTheTrap) {
    ScriptedPrompts script;
    double x = 0;
    EXPECT_TRUE(trapped(prompts(), snagProcedure(QStringLiteral("SampleSize")), [&] {
        skipOn({err::Overflow, err::DivisionByZero}, [&] { x = checked::div(1, 0); });
        x = 3;
    }));
    EXPECT_EQ(x, 3);
}

TEST(ErrorReport, OwnDescriptionAndLogTag) {
    ScriptedPrompts script;
    script.message(QStringLiteral("3261 : In use - Log Procedure 'OpenFile'"),
                   QStringLiteral("Error"), MsgIcon::Exclamation);
    errorReport(prompts(), RuntimeError(err::DbLocked, QStringLiteral("In use")),
                logProcedure(QStringLiteral("OpenFile")));
}

} // namespace
} // namespace vernalt::test
