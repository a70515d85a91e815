// The selection-criteria prompts of the log window: a refused answer is asked
// again, Cancel gives -1, and the length is asked under the method's name.
// The answers themselves are read as log_selection_test works them out.
#include "log_metrics_fixture.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogCriteriaPrompts = LogMetricsTest;

TEST_F(LogCriteriaPrompts, RefusedAnswersAreAskedAgainAndCancelGivesMinusOne) {
    script.input(kLedPrompt, u"LED"_s, u"-5"_s);
    retry();
    script.input(kLedPrompt, u"LED"_s, u"12.345"_s);
    EXPECT_EQ(w->GetLED(), 12.3);
    script.input(kLedPrompt, u"LED"_s, u""_s);
    EXPECT_EQ(w->GetLED(), -1);
    script.input(kConditionPrompt, u"Condition"_s, u"abc"_s);
    retry();
    script.input(kConditionPrompt, u"Condition"_s, u"0"_s);
    EXPECT_EQ(w->GetCondition(), 1000000);
    useSingleSpecies();
    script.input(kIncludePrompt, u"Species"_s, u""_s);
    EXPECT_EQ(w->GetSpecies(), u"-1"_s);
}

TEST_F(LogCriteriaPrompts, LengthTitleFollowsTheMethod) {
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

} // namespace
} // namespace vernalt::test
