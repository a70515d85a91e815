// The serial correlation shared by the two analysis windows: which level the
// user asks for and the pairs of adjacent units of one transect that the
// coefficient is computed from.
//
// A full transect holds 8 subsegments, 4 segments and 2 sections, but a survey
// may stop short or skip units: the pairs follow the transect each unit really
// lies in, as the subtotals found it (shell/sampling_units.h).
#pragma once

#include "shell/correlation.h"

#include <QString>
#include <optional>
#include <span>

namespace vernalt {

// The levels a correlation can be asked for: SamplingLevel 0 to 2.
enum CorrelationLevel { CorrelationSubsegment = 0, CorrelationSegment = 1, CorrelationSection = 2 };

// The level named by an answer in any mix of upper and lower case ("SECTION",
// "subSegment"); nothing for any other answer, one with blanks around it included.
std::optional<CorrelationLevel> correlationLevel(const QString& answer);

// The question for the level.
QString correlationLevelPrompt();

// Asks for the level ("Correlation Length") until the answer names one;
// nothing when the user gives no answer.
std::optional<CorrelationLevel> askCorrelationLevel();

// Pairs every unit with the next unit of the same transect. `subtotals` are the
// level's units in sheet order and `transects` the transect of each (equal
// numbers side by side: the same transect). A transect of k units gives k - 1
// pairs, whatever k is, and a unit is never paired with the first unit of the
// next transect; a unit without a transect number is not paired. Row p of the
// result is pair p, stored position by position: units 1 and 2 of every
// transect, then units 2 and 3 of every transect that has a third, and so on.
NumberTable adjacentPairs(std::span<const double> subtotals, std::span<const int> transects);

// Pairs needed before a correlation means anything.
inline constexpr int MinimumCorrelationPairs = 3;

// The coefficient r of the pairs; with fewer than MinimumCorrelationPairs it
// says so ("Too few pairs") and gives nothing.
std::optional<double> correlationOfPairs(const NumberTable& pairs);

} // namespace vernalt
