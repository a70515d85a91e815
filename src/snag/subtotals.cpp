#include "snag/subtotals.h"

#include "platform/errors.h"
#include "shell/statistics.h"

namespace vernalt {

// mean = sum / n; sd = sample standard deviation (divisor n - 1)
DimensionStats dimensionStats(std::span<const double> subtotals) {
    DimensionStats s;
    s.n = subtotals.size();
    if (s.n == 0)
        return s;
    double sum = 0;
    for (double x : subtotals)
        sum += x;
    s.mean = checked::div(checked::result(sum), double(s.n));
    s.sd = StdDev(subtotals);
    return s;
}

} // namespace vernalt
