#include "shell/adjacent_pairs.h"

#include "platform/prompts.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

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

NumberTable adjacentPairs(std::span<const double> subtotals, std::span<const int> transects) {
    const std::size_t n = std::min(subtotals.size(), transects.size());
    // Calls pair(position, i) for every unit i that has a next unit in its
    // transect, in sheet order; position is the place of unit i in its transect.
    auto eachPair = [&](auto&& pair) {
        std::size_t position = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            position = i > 0 && transects[i] == transects[i - 1] ? position + 1 : 0;
            if (transects[i + 1] == transects[i])
                pair(position, i);
        }
    };
    // The pairs of each position, then the first row of each position's pairs.
    std::vector<std::size_t> rowOf;
    std::size_t count = 0;
    eachPair([&](std::size_t position, std::size_t) {
        if (position == rowOf.size()) // positions grow one at a time
            rowOf.push_back(0);
        ++rowOf[position];
        ++count;
    });
    std::size_t row = 0;
    for (std::size_t& r : rowOf)
        row += std::exchange(r, row);

    NumberTable pairs(int(count), 2);
    eachPair([&](std::size_t position, std::size_t i) {
        const int p = int(rowOf[position]++);
        pairs.set(p, 0, subtotals[i]);
        pairs.set(p, 1, subtotals[i + 1]);
    });
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
