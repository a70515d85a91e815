// The serial correlation of the snag window: the width the user asks for, where
// a level's subtotals lie in the subtotal grids, and the answer it shows. The
// level and the pairing are shared with the log window (shell/adjacent_pairs.h).
#pragma once

#include "shell/adjacent_pairs.h"
#include "snag/plot_dimensions.h"

#include <QString>
#include <optional>

namespace vernalt {

// The width whose text the answer is exactly (the lowest when several width texts
// are equal); nothing for any other answer.
std::optional<int> correlationWidth(const QString& answer, const WidthTextArray& widthTexts);

// Where the subtotals of a level and width lie: grid 0 holds subsegments
// (columns 0 to 3) and segments (columns 4 to 7), grid 1 sections and transects.
struct SubtotalPlace {
    int grid;
    int column;
};
SubtotalPlace subtotalPlace(CorrelationLevel level, int width);

// The question for the width.
QString correlationWidthPrompt(const WidthTextArray& widthTexts);
// "r=" r "r^2=" r squared, each rounded half to even to 2 decimals.
QString correlationResultText(double r);

} // namespace vernalt
