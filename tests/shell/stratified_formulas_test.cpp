// Reading a stratum's size and the number of strata, and the error each
// stratified formula raises at its edges.
#include "shell/stratified_formulas.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using namespace stratified;

TEST(StratumSize, ReadAsTheCleanedUnroundedNumber) {
    const std::pair<const char*, double> cases[] = {
        // clang-format off
        {"10.37", 10.37}, {"$2,000.5", 2000.5}, {"", 0}, {" 250 ", 250},
        {"12 ha", -1}, {"  ", -1}, // -1: a type mismatch
        // clang-format on
    };
    for (const auto& [text, expected] : cases) {
        double size = -1;
        EXPECT_EQ(errorOf([&] { size = stratumSize(QString::fromLatin1(text)); }),
                  expected < 0 ? err::TypeMismatch : 0)
            << text;
        EXPECT_DOUBLE_EQ(size, expected) << text;
    }
}

TEST(StrataInUse, LeadingNumberHalfToEvenHeldToFour) {
    const std::pair<const char*, int> cases[] = {
        {"4", 4}, {"", 0}, {"7", 4}, {"-1", 0}, {"2.5", 2}, {"3.5", 4}, {"3 strata", 3},
    };
    for (const auto& [text, strata] : cases)
        EXPECT_EQ(strataInUse(QString::fromLatin1(text)), strata) << text;
}

TEST(StratifiedFormulas, EdgesRaiseTheErrorsTheSheetsSkipOrReport) {
    EXPECT_EQ(errorOf([] { return stratumWeight(600, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorOf([] { return stratumWeight(0, 0); }), err::Overflow);
    EXPECT_EQ(errorOf([] { return densityPerArea(2, 0); }), err::DivisionByZero);
    // A sample size of 0 in an equation.
    EXPECT_EQ(errorOf([] { return varianceTerm(0.5, 3600, 0, 1); }), err::DivisionByZero);
    // An empty stratum size: no plots fit in it.
    EXPECT_EQ(errorOf([] { return finitePopulationCorrection(40, 0, 0.025); }),
              err::DivisionByZero);
    EXPECT_EQ(errorOf([] { return standardError(-1); }), err::InvalidCall);
    EXPECT_EQ(errorOf([] { return precisionPercent(0, 0); }), err::Overflow);
    EXPECT_EQ(errorOf([] { return optimalSampleSize({0.5}, {60}, {3600}, 40.3, 0); }),
              err::DivisionByZero);
    EXPECT_EQ(errorOf([] { return proportionalSampleSize({0.5}, {3600}, 2, 0); }),
              err::DivisionByZero);
}

} // namespace
} // namespace vernalt::test
