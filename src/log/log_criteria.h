// The selection criteria of the log window asked in one go: minimum LED,
// minimum length, maximum condition (when asked) and species, in that order.
#pragma once

#include "log/log_selection.h"

#include <optional>

namespace vernalt {

class frmMainLog;

// Asks GetLED, GetLength, GetCondition (only `withCondition`) and GetSpecies;
// nothing as soon as one is cancelled (the later ones are not asked). The
// species rule follows the checked species mode.
std::optional<LogCriteria> askLogCriteria(frmMainLog& w, bool withCondition);

} // namespace vernalt
