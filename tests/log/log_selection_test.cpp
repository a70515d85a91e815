// The criteria answers and the selection test of the log analyses, and the
// window's prompts for them.
#include "log/log_selection.h"
#include "log_window_fixture.h"
#include "support/error_of.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// ---- Answers ----------------------------------------------------------------------------

struct NumberAnswer {
    const char* name;
    QString answer;
    std::optional<double> led;
    std::optional<double> length;
};

TEST(LogCriteriaAnswers, LedIsDisplayRoundedLengthIsTheLeadingNumber) {
    const NumberAnswer cases[] = {
        {"12.345 is display-rounded as a LED, not as a length", u"12.345"_s, 12.3, 12.345},
        {"0 means no minimum length", u"0"_s, 0, NoMinimumLength},
        {"0.0 is a minimum of 0, not no minimum", u"0.0"_s, 0, 0},
        {"a thousands separator is removed", u"1,000"_s, 1000, 1000},
        {"a dollar sign is removed", u"$5"_s, 5, 5},
        {"a negative number is asked again", u"-5"_s, std::nullopt, std::nullopt},
        {"a number followed by a word is asked again", u"12 cm"_s, std::nullopt, std::nullopt},
    };
    for (const NumberAnswer& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(logLedAnswer(c.answer), c.led);
        EXPECT_EQ(logLengthAnswer(c.answer), c.length);
    }
}

TEST(LogCriteriaAnswers, ConditionIsRoundedHalfToEven) {
    const struct {
        const char* name;
        QString answer;
        std::optional<std::int32_t> condition;
    } cases[] = {
        {"0 means no maximum", u"0"_s, NoMaximumCondition},
        {"2.5 goes to the even 2", u"2.5"_s, 2},
        {"a negative number is accepted", u"-5"_s, -5},
        {"a text is asked again", u"abc"_s, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(logConditionAnswer(c.answer), c.condition);
    }
}

TEST(LogCriteriaAnswers, ConditionBeyond32BitsOverflowsSpeciesNumbersAreCleaned) {
    EXPECT_EQ(errorOf([] { logConditionAnswer(u"3000000000"_s); }), err::Overflow);
    EXPECT_EQ(logSpeciesAnswer(u"012"_s), u"12"_s);
    EXPECT_EQ(logSpeciesAnswer(u"abc"_s), u"abc"_s);
}

// ---- The test -----------------------------------------------------------------------------

LogFields log(const QString& species, std::optional<double> led, std::optional<double> condition,
              std::optional<double> length, std::optional<double> endpoint = 1.0) {
    return {species, led, condition, length, endpoint};
}

TEST(LogSelection, EachCriterion) {
    const LogCriteria all; // minimum LED 0, no minimum length, no maximum condition, exclude 9999
    const LogCriteria strict{.minLed = 12.5, .minLength = 2, .maxCondition = 3, .species = u"7"_s};
    LogCriteria single = strict, weight = strict;
    single.rule = LogSpeciesRule::Only;
    weight.maxCondition.reset();
    const LogCriteria endpoint{.needEndpoint = true}, led123{.minLed = 12.3};
    const LogCriteria lowerAbc{.species = u"abc"_s, .rule = LogSpeciesRule::Only};

    const struct {
        const char* name;
        LogFields log;
        const LogCriteria& criteria;
        bool qualifies;
    } cases[] = {
        {"every log with a LED below 9999 counts", log(u"1"_s, 0, 0, -999999), all, true},
        {"9999 excludes only species 9999", log(u"9999"_s, 5, 0, 5), all, false},
        {"a LED of 9999 never counts", log(u"1"_s, 9999, 0, 5), all, false},
        {"a LED equal to the minimum counts", log(u"1"_s, 12.5, 3, 2), strict, true},
        {"a LED of 12.3 meets a minimum of 12.3", log(u"1"_s, 12.3, 0, 5), led123, true},
        {"a LED below the minimum", log(u"1"_s, 12.4, 3, 2), strict, false},
        {"a condition above the maximum", log(u"1"_s, 20, 4, 2), strict, false},
        {"an empty condition reads 0 and passes", log(u"1"_s, 20, 0, 2), strict, true},
        {"a length below the minimum", log(u"1"_s, 20, 3, 1.9), strict, false},
        {"a missing length fails a positive minimum", log(u"1"_s, 20, 3, -999999), strict, false},
        {"the excluded species", log(u"7"_s, 20, 3, 2), strict, false},
        {"Single keeps its species", log(u"7"_s, 20, 3, 2), single, true},
        {"Single drops every other species", log(u"8"_s, 20, 3, 2), single, false},
        {"species codes are case-sensitive", log(u"ABC"_s, 20, 3, 2), lowerAbc, false},
        {"a LED that is not a number", log(u"1"_s, std::nullopt, 0, 5), all, false},
        {"a condition that is not a number", log(u"1"_s, 5, std::nullopt, 5), all, false},
        {"weight tests no condition, even one that is not a number",
         log(u"1"_s, 20, std::nullopt, 2), weight, true},
        {"strip density needs Endpoint 1", log(u"1"_s, 5, 0, 0, 0.0), endpoint, false},
        {"strip density with Endpoint 1", log(u"1"_s, 5, 0, 0, 1.0), endpoint, true},
        {"other metrics ignore Endpoint", log(u"1"_s, 5, 0, 0, 0.0), all, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(logQualifies(c.log, c.criteria), c.qualifies);
    }
}

// ---- The prompts of the window: a refused answer is asked again, Cancel gives -1,
// and the length is asked under the method's name.

using LogCriteriaPrompts = LogWindowTest;

TEST_F(LogCriteriaPrompts, RefusedAnswersAreAskedAgainAndCancelGivesMinusOne) {
    frmMainLog* w = open();
    criteria(w, "-5");
    retry();
    criteria(w, "12.345");
    EXPECT_EQ(w->GetLED(), 12.3);
    criteria(w, "");
    EXPECT_EQ(w->GetLED(), -1);
    w->mnuLIM->setChecked(false);
    w->mnuSPM->setChecked(true);
    criteria(w, "0|3");
    EXPECT_EQ(w->GetLED() + w->GetLength(), 3);
}

} // namespace
} // namespace vernalt::test
