#include "shell/adjacent_pairs.h"

#include "platform/prompts.h"

#include <cstddef>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The line break of the program's prompts and messages.
const QString LineBreak = u"\r\n"_s;

} // namespace

std::optional<CorrelationLevel> correlationLevel(const QString& answer) {
    const QString name = answer.toLower();
    if (name == u"subsegment")
        return CorrelationSubsegment;
    if (name == u"segment")
        return CorrelationSegment;
    if (name == u"section")
        return CorrelationSection;
    return std::nullopt;
}

int unitsPerTransect(CorrelationLevel level) {
    switch (level) {
    case CorrelationSubsegment:
        return 8;
    case CorrelationSegment:
        return 4;
    case CorrelationSection:
        break;
    }
    return 2;
}

QString correlationLevelPrompt() {
    return u"For which length would you like to obtain a Pearson correlation coefficient?"_s +
           LineBreak + LineBreak + u"Please enter Section, Segment or Subsegment"_s;
}

std::optional<CorrelationLevel> askCorrelationLevel() {
    for (;;) {
        const QString answer =
            prompts().inputBox(correlationLevelPrompt(), u"Correlation Length"_s);
        if (answer.isEmpty())
            return std::nullopt;
        if (const std::optional<CorrelationLevel> level = correlationLevel(answer))
            return level;
    }
}

NumberTable adjacentPairs(std::span<const double> subtotals, int perTransect) {
    const auto n = std::ptrdiff_t(subtotals.size());
    const std::ptrdiff_t block = perTransect < 1 ? 1 : perTransect;
    // Each transect gives one pair fewer than its units; the last may be short.
    const std::ptrdiff_t transects = (n + block - 1) / block;
    NumberTable pairs(int(n - transects), 2);
    int p = 0;
    // Position k pairs unit k with unit k + 1 of every transect (from 0 here).
    for (std::ptrdiff_t k = 0; k + 1 < block; ++k)
        for (std::ptrdiff_t i = k; i + 1 < n; i += block) {
            pairs.set(p, 0, subtotals[std::size_t(i)]);
            pairs.set(p, 1, subtotals[std::size_t(i + 1)]);
            ++p;
        }
    return pairs;
}

std::optional<double> correlationOfPairs(const NumberTable& pairs) {
    if (pairs.rows() < MinimumCorrelationPairs) {
        prompts().message(
            u"At least three pairs of adjacent units are needed to compute a correlation."_s,
            u"Too few pairs"_s);
        return std::nullopt;
    }
    return CorrelationCoefficient(pairs, -1, -1, 0);
}

} // namespace vernalt
