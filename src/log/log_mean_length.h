// The whole length of a strip-plot log estimated from the piece measured in the
// plot and its length class, and the text of the mean-and-median report.
#pragma once

#include "platform/value.h"

#include <QString>
#include <optional>

namespace vernalt {

// The share of the whole log that length class 1 to 9 stands for (0.1 .. 0.9,
// class 3 being 0.303); nothing for any other class, null or text included.
std::optional<double> percentLengthFactor(const Value& percentLength);

// The estimated whole length: Length / factor for a class 1 to 9, otherwise
// the measured length as shown (NzZero). 0 means no estimate: a length that is
// null, empty or not a number. Raises 6 when the quotient overflows.
double estimatedLength(const Value& percentLength, const Value& length);

// "Mean = <mean> m" CR LF "Median = <median> m" (" ft" in English units).
QString meanLengthText(double mean, double median, bool metric);

} // namespace vernalt
