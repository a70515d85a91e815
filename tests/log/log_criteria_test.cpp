// The selection-criteria prompts of the log window.
#include "log_metrics_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogCriteriaPrompts = LogMetricsTest;

TEST_F(LogCriteriaPrompts, LedIsAskedAgainUntilPositiveAndDisplayRounded) {
    script.input(kLedPrompt, u"LED"_s, u"-5"_s);
    retry();
    script.input(kLedPrompt, u"LED"_s, u"abc"_s);
    retry();
    script.input(kLedPrompt, u"LED"_s, u"12.345"_s);
    EXPECT_EQ(w->GetLED(), 12.3);
    script.input(kLedPrompt, u"LED"_s, u""_s);
    EXPECT_EQ(w->GetLED(), -1);
}

TEST_F(LogCriteriaPrompts, LengthTitleFollowsTheMethod) {
    script.input(kLengthPrompt, u"Length"_s, u"12.345"_s);
    EXPECT_EQ(w->GetLength(), 12.345);
    script.input(kLengthPrompt, u"Length"_s, u"0"_s);
    EXPECT_EQ(w->GetLength(), -1000000);
    useSpm();
    script.input(kEstimLengthPrompt, u"EstimLength"_s, u"-1"_s);
    retry();
    script.input(kEstimLengthPrompt, u"EstimLength"_s, u"3"_s);
    EXPECT_EQ(w->GetLength(), 3);
    // Combination asks for the Length.
    w->mnuSPM->setChecked(false);
    w->mnuCombo->setChecked(true);
    script.input(kLengthPrompt, u"Length"_s, u""_s);
    EXPECT_EQ(w->GetLength(), -1);
}

TEST_F(LogCriteriaPrompts, ConditionTakesAnyNumberRounded) {
    script.input(kConditionPrompt, u"Condition"_s, u"abc"_s);
    retry();
    script.input(kConditionPrompt, u"Condition"_s, u"2.5"_s);
    EXPECT_EQ(w->GetCondition(), 2);
    script.input(kConditionPrompt, u"Condition"_s, u"0"_s);
    EXPECT_EQ(w->GetCondition(), 1000000);
    script.input(kConditionPrompt, u"Condition"_s, u"-5"_s);
    EXPECT_EQ(w->GetCondition(), -5);
}

TEST_F(LogCriteriaPrompts, SpeciesByMode) {
    script.input(kExcludePrompt, u"Species"_s, u"012"_s);
    EXPECT_EQ(w->GetSpecies(), u"12"_s);
    script.input(kExcludePrompt, u"Species"_s, u"abc"_s);
    EXPECT_EQ(w->GetSpecies(), u"abc"_s);
    useSingleSpecies();
    script.input(kIncludePrompt, u"Species"_s, u""_s);
    EXPECT_EQ(w->GetSpecies(), u"-1"_s);
}

} // namespace
} // namespace vernalt::test
