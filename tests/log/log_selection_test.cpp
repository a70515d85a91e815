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

TEST(LogSelection, EachCriterion) {
    const LogCriteria all; // minimum LED 0, no minimum length, no maximum condition, exclude 9999
    const LogCriteria strict{.minLed = 12.5, .minLength = 2, .maxCondition = 3, .species = u"7"_s};
    LogCriteria single = strict, weight = strict;
    single.rule = LogSpeciesRule::Only;
    weight.maxCondition.reset();
    const LogCriteria endpoint{.needEndpoint = true}, led123{.minLed = 12.3};
    const LogCriteria lowerAbc{.species = u"abc"_s, .rule = LogSpeciesRule::Only};

    // The log "species, LED, condition, length, endpoint" under the criteria.
    const struct {
        LogFields log;
        const LogCriteria& criteria;
        bool qualifies;
    } cases[] = {
        {{u"1"_s, 0, 0, -999999, 1}, all, true},           // every log with a LED below 9999 counts
        {{u"9999"_s, 5, 0, 5, 1}, all, false},             // 9999 excludes only species 9999
        {{u"1"_s, 9999, 0, 5, 1}, all, false},             // a LED of 9999 never counts
        {{u"1"_s, 12000, 0, 5, 1}, all, false},            // nor one above it
        {{u"1"_s, 12.5, 3, 2, 1}, strict, true},           // a LED equal to the minimum counts
        {{u"1"_s, 12.3, 0, 5, 1}, led123, true},           // a LED of 12.3 meets a minimum of 12.3
        {{u"1"_s, 12.4, 3, 2, 1}, strict, false},          // a LED below the minimum
        {{u"1"_s, 20, 4, 2, 1}, strict, false},            // a condition above the maximum
        {{u"1"_s, 20, 3, 1.9, 1}, strict, false},          // a length below the minimum
        {{u"1"_s, 20, 3, -999999, 1}, strict, false},      // a missing length fails a minimum
        {{u"1"_s, 20, 3, std::nullopt, 1}, strict, false}, // a length that is not a number
        {{u"7"_s, 20, 3, 2, 1}, strict, false},            // the excluded species
        {{u"7"_s, 20, 3, 2, 1}, single, true},             // Single keeps its species
        {{u"8"_s, 20, 3, 2, 1}, single, false},            // and drops every other
        {{u"ABC"_s, 20, 3, 2, 1}, lowerAbc, false},        // species codes are case-sensitive
        {{u"1"_s, std::nullopt, 0, 5, 1}, all, false},     // a LED that is not a number
        {{u"1"_s, 5, std::nullopt, 5, 1}, all, false},     // a condition that is not a number
        {{u"1"_s, 20, std::nullopt, 2, 1},
         weight,
         true}, // weight tests no condition, even one that is not a number
        {{u"1"_s, 5, 0, 0, 0.0}, endpoint, false}, // strip density needs Endpoint 1
        {{u"1"_s, 5, 0, 0, 0.0}, all, true},       // other metrics ignore Endpoint
    };
    for (const auto& c : cases)
        EXPECT_EQ(logQualifies(c.log, c.criteria), c.qualifies) << &c - cases;
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

// Single Species asks the one species to include, Multiple Species the one to
// exclude: of two logs of 1 / 5 each, species 7 counts alone, then all but 7.
TEST_F(LogCriteriaPrompts, TheSpeciesMenuChoosesTheSpeciesThatCount) {
    frmMainLog* w = open();
    addLog(w, u"Species=7"_s);
    addLog(w, u"Species=8"_s);
    const auto qualify = [w]() -> QString {
        return columnOf(*w->grdStratum[0], 11, 1, 2).join(u' ');
    };
    w->mnuSingleSpecies->trigger();
    criteria(w, "0|0|0|-");
    prompts_.input(u"Please enter the code of the species you want INCLUDED from this analysis. "
                   u"NOTE: Species code is case sensitive."_s,
                   u"Species"_s, u"7"_s);
    w->FormulaDen();
    EXPECT_EQ(qualify(), u"0.2 0"_s);
    EXPECT_FALSE(w->mnuMultipleSpecies->isChecked());
    w->mnuMultipleSpecies->trigger();
    criteria(w, "0|0|0|7");
    w->FormulaDen();
    EXPECT_EQ(qualify(), u"0 0.2"_s);
    EXPECT_FALSE(w->mnuSingleSpecies->isChecked());
}

} // namespace
} // namespace vernalt::test
