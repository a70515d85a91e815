// The statistics of a snag plot dimension over its sampling units, and where
// each plot dimension lies in the subtotal grids. The units themselves are
// collected by shell/sampling_units.h.
#pragma once

#include "snag/plot_dimensions.h"

#include <cstddef>
#include <span>

namespace vernalt {

// Mean, sample standard deviation and number of the subtotals of a plot dimension.
struct DimensionStats {
    std::size_t n = 0;
    double mean = 0; // sum / n
    double sd = 0;   // sqrt(sum((x - mean)^2) / (n - 1)); 0 for fewer than two units
};
// n = 0 gives {0, 0, 0}: the dimension has no unit and no statistics. A sum that
// is not a finite number raises error 6.
DimensionStats dimensionStats(std::span<const double> subtotals);

// Where plot dimension p (4 x level + width) lies in the subtotal grids: grid
// p / 8 (levels 0 and 1 in grid 0, levels 2 and 3 in grid 1), column p % 8.
constexpr int subtotalGrid(int p) {
    return p / 8;
}
constexpr int subtotalColumn(int p) {
    return p % 8;
}
constexpr int dimensionWidth(int p) {
    return p % WidthCount;
}

} // namespace vernalt
