// The criteria answers and the selection test of the log analyses, and the
// window's prompts for them.
#include "log/log_selection.h"
#include "log_window_fixture.h"
#include "support/error_of.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// ---- Answers ----------------------------------------------------------------------------

// The answer read as a minimum LED, a minimum length and a maximum condition;
// "-" for an answer asked again.
QString answers(const QString& answer) {
    const auto text = [](auto v) { return v ? QString::number(double(*v)) : u"-"_s; };
    return text(logLedAnswer(answer)) + u' ' + text(logLengthAnswer(answer)) + u' ' +
           text(logConditionAnswer(answer));
}

// A LED is display-rounded, a length and a condition are not (the condition is
// rounded half to even to a whole number); "0" means no minimum length and no
// maximum condition; "," and "$" are removed.
TEST(LogCriteriaAnswers, LedLengthAndCondition) {
    const struct {
        const char *answer, *read;
    } cases[] = {
        {"12.345", "12.3 12.345 12"},
        {"2.5", "2.5 2.5 2"},
        {"0", "0 -1e+06 1e+06"},
        {"0.0", "0 0 0"},
        {"1,000", "1000 1000 1000"},
        {"$5", "5 5 5"},
        {"-5", "- - -5"},
        {"12 cm", "- - -"},
        {"abc", "- - -"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answers(QLatin1String(c.answer)), QLatin1String(c.read)) << c.answer;
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
        {"a length below the minimum", log(u"1"_s, 20, 3, 1.9), strict, false},
        {"the excluded species", log(u"7"_s, 20, 3, 2), strict, false},
        {"Single keeps its species", log(u"7"_s, 20, 3, 2), single, true},
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

// ---- The prompts of the window: a refused answer is asked again (a cancel: the
// metrics' table, log_metrics_test).

using LogCriteriaPrompts = LogWindowTest;

TEST_F(LogCriteriaPrompts, ARefusedAnswerIsAskedAgain) {
    frmMainLog* w = open();
    criteria(w, "-5");
    prompts_.message(u"Please enter a positive numeric value"_s, u"Error"_s, MsgIcon::None);
    criteria(w, "12.345");
    EXPECT_EQ(w->GetLED(), 12.3);
}

} // namespace
} // namespace vernalt::test
