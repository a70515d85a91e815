// The width question, the place of the subtotals and the answer of the snag
// window's correlation.
#include "snag/correlation_pairs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(CorrelationAnswers, WidthIsOneOfTheTextsExactly) {
    const WidthTextArray metric{u"10"_s, u"20"_s, u"30"_s, u"40"_s};
    EXPECT_EQ(correlationWidth(u"10"_s, metric), 0);
    EXPECT_EQ(correlationWidth(u"40"_s, metric), 3);
    EXPECT_EQ(correlationWidth(u"40 "_s, metric), std::nullopt);
    EXPECT_EQ(correlationWidth(u"40.0"_s, metric), std::nullopt);
    EXPECT_EQ(correlationWidth(u"25"_s, metric), std::nullopt);
    const WidthTextArray repeated{u"5"_s, u"15"_s, u"15"_s, u"30"_s};
    EXPECT_EQ(correlationWidth(u"15"_s, repeated), 1) << "the lowest of equal widths";
}

TEST(CorrelationAnswers, PlaceOfTheSubtotals) {
    const struct {
        CorrelationLevel level;
        int width, grid, column;
    } cases[] = {
        // clang-format off
        {CorrelationSubsegment, 0, 0, 0}, {CorrelationSubsegment, 3, 0, 3},
        {CorrelationSegment, 0, 0, 4},    {CorrelationSegment, 2, 0, 6},
        {CorrelationSection, 0, 1, 0},    {CorrelationSection, 3, 1, 3},
        // clang-format on
    };
    for (const auto& c : cases) {
        const SubtotalPlace at = subtotalPlace(c.level, c.width);
        EXPECT_EQ(at.grid, c.grid) << c.level << ' ' << c.width;
        EXPECT_EQ(at.column, c.column) << c.level << ' ' << c.width;
    }
}

TEST(CorrelationAnswers, Texts) {
    EXPECT_EQ(correlationWidthPrompt({u"10"_s, u"20"_s, u"30"_s, u"40"_s}),
              u"For which width would you like to obtain a Pearson correlation coefficient?"
              u"\r\n\r\nPlease enter 10, 20, 30 or 40"_s);
    // r rounded half to even to 2 decimals, then the square of the unrounded r.
    EXPECT_EQ(correlationResultText(0.5), u"r=0.5\r\nr^2=0.25"_s);
    EXPECT_EQ(correlationResultText(-0.125), u"r=-0.12\r\nr^2=0.02"_s) << "0.015625 -> 0.02";
    EXPECT_EQ(correlationResultText(0.745), u"r=0.74\r\nr^2=0.56"_s) << "0.555025 -> 0.56";
    EXPECT_EQ(correlationResultText(1), u"r=1\r\nr^2=1"_s);
    EXPECT_EQ(correlationResultText(0), u"r=0\r\nr^2=0"_s);
}

} // namespace
} // namespace vernalt::test
