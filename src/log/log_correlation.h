// The answer of the log window's serial correlation: r and r squared as the
// display rounding shows them.
#pragma once

#include <QString>

namespace vernalt {

// "r=" CleanRound(r), a line break, "r^2=" CleanRound(r^2).
QString logCorrelationText(double r);

} // namespace vernalt
