// Which logs count in a log analysis: the answers to the four criteria prompts
// (minimum LED, minimum length, maximum condition, species) and the test that a
// log's fields must pass.
#pragma once

#include "platform/value.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vernalt {

// The answer "0" to the length prompt: no minimum length.
inline constexpr double NoMinimumLength = -1000000;
// The answer "0" to the condition prompt: no maximum condition.
inline constexpr std::int32_t NoMaximumCondition = 1000000;
// A log whose LED is this or more is never counted.
inline constexpr double ExcludedLed = 9999;

// ---- Answers to the prompts -----------------------------------------------------------
// Each gives nothing for an answer that must be asked again.

// Minimum LED: a number (commas and "$" removed) of 0 or more, display-rounded
// (12.345 gives 12.3, 0.12345 gives 0.123).
std::optional<double> logLedAnswer(const QString& answer);
// Minimum length: checked as the LED; "0" gives NoMinimumLength, any other
// answer its number, "," and "$" removed, unrounded (12.345 gives 12.345,
// 1,000 gives 1000).
std::optional<double> logLengthAnswer(const QString& answer);
// Maximum condition: any number, negative ones too; "0" gives NoMaximumCondition,
// any other its number, "," and "$" removed, rounded half to even (2.5 gives 2,
// 1,500 gives 1500).
// Raises error 6 when that number does not fit 32 bits.
std::optional<std::int32_t> logConditionAnswer(const QString& answer);
// Species code: a numeric answer as the display rounding writes it ("012" gives
// "12"), any other answer as typed.
QString logSpeciesAnswer(const QString& answer);

// ---- The selection test -----------------------------------------------------------------

// How the species code is used: Multiple leaves it out (9999, which no log
// carries, keeps them all), Single keeps only it.
enum class LogSpeciesRule { Exclude, Only };

struct LogCriteria {
    // Held in double precision, so a log of LED 12.3 meets a minimum of 12.3.
    double minLed = 0;
    double minLength = NoMinimumLength;
    // Not tested when absent (the weight asks no maximum condition).
    std::optional<std::int32_t> maxCondition = NoMaximumCondition;
    QString species = QStringLiteral("9999");
    LogSpeciesRule rule = LogSpeciesRule::Exclude;
    // Only logs whose Endpoint is 1 count (strip-plot density).
    bool needEndpoint = false;
};

// The fields of one log the test reads, already cleaned.
struct LogFields {
    QString species;
    std::optional<double> led;
    std::optional<double> condition;
    std::optional<double> length;
    std::optional<double> endpoint;
};

// Species by the rule, LED below 9999 and at least the minimum, condition at
// most the maximum, length at least the minimum, and Endpoint 1 where asked.
bool logQualifies(const LogFields& log, const LogCriteria& criteria);

} // namespace vernalt
