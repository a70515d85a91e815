#include "log/log_selection.h"

#include "shell/cleaning.h"

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// An answer that reads as a number once "," and "$" are removed, display-rounded.
std::optional<double> numericAnswer(const QString& answer) {
    const Value v = CleanRound(answer);
    if (!v.isNumber())
        return std::nullopt;
    return v.number();
}

} // namespace

std::optional<double> logLedAnswer(const QString& answer) {
    const std::optional<double> v = numericAnswer(answer);
    if (!v || *v < 0)
        return std::nullopt;
    return v;
}

std::optional<double> logLengthAnswer(const QString& answer) {
    if (!logLedAnswer(answer))
        return std::nullopt;
    if (answer == u"0"_s)
        return NoMinimumLength;
    // Unrounded, read once "," and "$" are removed, as the stratum sizes are.
    return toDouble(cleanText(answer));
}

std::optional<std::int32_t> logConditionAnswer(const QString& answer) {
    if (!numericAnswer(answer))
        return std::nullopt;
    if (answer == u"0"_s)
        return NoMaximumCondition;
    return toInt32(toDouble(cleanText(answer)));
}

QString logSpeciesAnswer(const QString& answer) {
    const Value v = CleanRound(answer);
    return v.isNumber() ? v.text() : answer;
}

bool logQualifies(const LogFields& log, const LogCriteria& c) {
    const bool sameSpecies = log.species == c.species;
    bool ok = c.rule == LogSpeciesRule::Exclude ? !sameSpecies : sameSpecies;
    ok = ok && log.led && *log.led < ExcludedLed && *log.led >= c.minLed;
    if (c.maxCondition)
        ok = ok && log.condition && *log.condition <= double(*c.maxCondition);
    ok = ok && log.length && *log.length >= c.minLength;
    if (c.needEndpoint)
        ok = ok && log.endpoint && *log.endpoint == 1;
    return ok;
}

} // namespace vernalt
