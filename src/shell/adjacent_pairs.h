// The serial correlation shared by the two analysis windows: which level the
// user asks for and the pairs of adjacent units of one transect that the
// coefficient is computed from.
//
// A transect is two sections of two segments of two subsegments each, so it
// holds 8 subsegments, 4 segments and 2 sections, and its units follow each
// other in the subtotal grid, transect after transect.
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

// Units of a level in one transect: 8 subsegments, 4 segments, 2 sections.
int unitsPerTransect(CorrelationLevel level);

// The question for the level.
QString correlationLevelPrompt();

// Asks for the level ("Correlation Length") until the answer names one;
// nothing when the user gives no answer.
std::optional<CorrelationLevel> askCorrelationLevel();

// Pairs every unit with the next unit of the same transect. `subtotals` are the
// level's units in sheet order, `perTransect` of them to a transect; a last
// transect with fewer units pairs the ones it has, and a unit is never paired
// with the first unit of the next transect. Row p of the result is pair p,
// stored position by position: units 1 and 2 of every transect, then units 2
// and 3 of every transect, and so on. Complete transects give
// units x (perTransect - 1) / perTransect pairs.
NumberTable adjacentPairs(std::span<const double> subtotals, int perTransect);

// Pairs needed before a correlation means anything.
inline constexpr int MinimumCorrelationPairs = 3;

// The coefficient r of the pairs; with fewer than MinimumCorrelationPairs it
// says so ("Too few pairs") and gives nothing.
std::optional<double> correlationOfPairs(const NumberTable& pairs);

} // namespace vernalt
