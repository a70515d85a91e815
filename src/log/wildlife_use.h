// Wildlife use of the logs of one data sheet: among the logs that meet the
// criteria (available), those whose recorded use code is the one asked for
// (used), and the percentage used.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace vernalt {

// The use code typed: the number it begins with, rounded half to even; nothing
// when the answer is not a number or the code is below 0 (asked again). Raises
// error 6 when the code does not fit 16 bits.
std::optional<std::int16_t> wildlifeCodeAnswer(const QString& answer);

// A log is used when it is available and its use cell holds the code written
// in plain digits (3, not 03 or 3.0).
bool wildlifeUsed(bool available, const QString& useCell, std::int16_t code);

// used / available * 100, rounded half to even to 1 decimal (1 of 3 gives
// 33.3); 0 when no log is available (none to use, none used).
double wildlifePercentUse(std::int32_t used, std::int32_t available);

} // namespace vernalt
