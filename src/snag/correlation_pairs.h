// The serial correlation of the snag window: which level and width the user
// asks for, where that level's subtotals lie in the subtotal grids, and the
// pairs of adjacent units of one transect that the coefficient is computed from.
//
// A transect is two sections of two segments of two subsegments each, so it
// holds 8 subsegments, 4 segments and 2 sections, and its units follow each
// other in the subtotal grid, transect after transect.
#pragma once

#include "shell/correlation.h"
#include "snag/plot_dimensions.h"

#include <QString>
#include <optional>
#include <span>

namespace vernalt {

// The levels a correlation can be asked for: SamplingLevel 0 to 2.
enum CorrelationLevel { CorrelationSubsegment = 0, CorrelationSegment = 1, CorrelationSection = 2 };

// The level named by an answer in any mix of upper and lower case ("SECTION",
// "subSegment"); nothing for any other answer, one with blanks around it included.
std::optional<CorrelationLevel> correlationLevel(const QString& answer);

// The width whose text the answer is exactly (the lowest when several width texts
// are equal); nothing for any other answer.
std::optional<int> correlationWidth(const QString& answer, const WidthTextArray& widthTexts);

// Units of a level in one transect: 8 subsegments, 4 segments, 2 sections.
int unitsPerTransect(CorrelationLevel level);

// Where the subtotals of a level and width lie: grid 0 holds subsegments
// (columns 0 to 3) and segments (columns 4 to 7), grid 1 sections and transects.
struct SubtotalPlace {
    int grid;
    int column;
};
SubtotalPlace subtotalPlace(CorrelationLevel level, int width);

// The two questions, and the answer shown with r and r squared.
QString correlationLevelPrompt();
QString correlationWidthPrompt(const WidthTextArray& widthTexts);
// "r=" r "r^2=" r squared, each rounded half to even to 2 decimals.
QString correlationResultText(double r);

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

} // namespace vernalt
