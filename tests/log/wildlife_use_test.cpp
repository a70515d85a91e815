// The use-code answer, the used mark and the percentage of wildlife use.
#include "log/wildlife_use.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(WildlifeUse, CodeAnswers) {
    EXPECT_EQ(wildlifeCodeAnswer(u"3"_s), std::int16_t{3});
    EXPECT_EQ(wildlifeCodeAnswer(u"0"_s), std::int16_t{0});
    EXPECT_EQ(wildlifeCodeAnswer(u"2.5"_s), std::int16_t{2}); // half to even
    EXPECT_EQ(wildlifeCodeAnswer(u"3.5"_s), std::int16_t{4});
    EXPECT_EQ(wildlifeCodeAnswer(u"-2"_s), std::nullopt);
    EXPECT_EQ(wildlifeCodeAnswer(u"abc"_s), std::nullopt);
    EXPECT_EQ(wildlifeCodeAnswer(u"3 dens"_s), std::nullopt);
    try {
        wildlifeCodeAnswer(u"40000"_s);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST(WildlifeUse, UsedOnlyWhenAvailableAndTheCodeInPlainDigits) {
    EXPECT_TRUE(wildlifeUsed(true, u"3"_s, 3));
    EXPECT_TRUE(wildlifeUsed(true, u"12"_s, 12));
    EXPECT_FALSE(wildlifeUsed(false, u"3"_s, 3));
    EXPECT_FALSE(wildlifeUsed(true, u"03"_s, 3));
    EXPECT_FALSE(wildlifeUsed(true, u"3.0"_s, 3));
    EXPECT_FALSE(wildlifeUsed(true, u""_s, 0));
    EXPECT_FALSE(wildlifeUsed(true, u"4"_s, 3));
}

TEST(WildlifeUse, PercentToOneDecimal) {
    EXPECT_EQ(wildlifePercentUse(1, 3), 33.3);
    EXPECT_EQ(wildlifePercentUse(1, 2), 50.0);
    EXPECT_EQ(wildlifePercentUse(2, 3), 66.7);
    EXPECT_EQ(wildlifePercentUse(0, 5), 0.0);
    EXPECT_EQ(wildlifePercentUse(1, 8), 12.5); // 12.5 has one decimal already
    EXPECT_EQ(wildlifePercentUse(1, 16), 6.2); // 6.25, half to the even 6.2
    EXPECT_EQ(wildlifePercentUse(0, 0), 0.0);  // no log available: none used
}

} // namespace
} // namespace vernalt::test
