// The width answer and the shown answer of the snag window's correlation.
#include "snag/correlation_pairs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(CorrelationAnswers, WidthIsOneOfTheTextsExactly) {
    const WidthTextArray metric{u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(correlationWidth(u"40"_s, metric), 3);
    for (const QString& refused : {u"40 "_s, u"40.0"_s, u"25"_s})
        EXPECT_EQ(correlationWidth(refused, metric), std::nullopt) << refused.toStdString();
    const WidthTextArray repeated{u"5"_s, u"15"_s, u"15"_s, u"30"_s};
    EXPECT_EQ(correlationWidth(u"15"_s, repeated), 1) << "the lowest of equal widths";
}

TEST(CorrelationAnswers, RAndItsSquareEachRoundedHalfToEven) {
    // r^2 is the square of the unrounded r: 0.015625 -> 0.02, 0.555025 -> 0.56.
    EXPECT_EQ(correlationResultText(-0.125), u"r=-0.12\r\nr^2=0.02"_s);
    EXPECT_EQ(correlationResultText(0.745), u"r=0.74\r\nr^2=0.56"_s);
    EXPECT_EQ(correlationResultText(1), u"r=1\r\nr^2=1"_s);
}

} // namespace
} // namespace vernalt::test
