// The value one log contributes to the metric being analysed (density, length,
// percent cover, tally, volume, weight), before the values are summed per
// sampling unit. Line-intersect (LIM) values are terms in the log's length or
// diameter at the intersection; strip-plot (SPM) values are the amount of the
// log piece in the strip, from diameters in inches and lengths in feet
// (English) or centimetres and metres (metric).
//
// Inputs are field values already read through NzZero (display-rounded, 0 for
// none). Arithmetic is checked: an overflow raises 6, a division by zero 11.
#pragma once

#include <QString>
#include <optional>

namespace vernalt {

class GridModel;

// Pi in every log formula.
inline constexpr double LogPi = 3.1416;

// ---- Density ------------------------------------------------------------------------------
// LIM: 1 / length, rounded half to even to 3 decimals (16 gives 0.062).
double limDensity(double length);

// ---- Length ---------------------------------------------------------------------------------
// SPM: the recorded length, display-rounded.
double spmLength(double length);

// ---- Percent cover -----------------------------------------------------------------------------
// SPM mean diameter in feet or metres: (large + small) / 2, / 12 (English) or
// * 0.01 (metric), display-rounded.
double spmMeanDiameter(double large, double small, bool metric);
// SPM: the area seen from above, mean diameter * length, not rounded again.
double spmPercentCover(double large, double small, double length, bool metric);

// ---- Volume and weight --------------------------------------------------------------------------
// SPM mean radius in feet or metres: (large + small) / 4, / 12 (English) or
// * 0.01 (metric).
double spmRadius(double large, double small, bool metric);
// LIM volume: the stored intersect diameter squared, display-rounded; no
// diameter gives 0.
double limVolume(std::optional<double> storedIntersect);
// SPM volume: r^2 * length * pi, display-rounded.
double spmVolume(double large, double small, double length, bool metric);

// The weight factor of a decay class: class 1 takes the first, every other class
// (0 and none included) the second: LIM and SPM metric 0.4 / 0.3, SPM English
// 24.96 / 18.72.
double logWeightFactor(double decayClass, bool lim, bool metric);
// LIM weight: intersect (display-rounded) squared * factor, display-rounded.
double limWeight(double intersect, double decayClass);
// SPM weight: r^2 * length * factor * pi, display-rounded.
double spmWeight(double large, double small, double length, double decayClass, bool metric);

// ---- Tally --------------------------------------------------------------------------------------
// A tally cell's value: its display rounding when that is above 0 and the cell
// is not "9999", else 0. An empty cell, or a text that is not a number, gives 0.
double tallyValue(const QString& cell);
// The same, straight from a grid (a number the grid holds is not re-parsed).
double tallyValue(const GridModel& grid, int row, int col);

} // namespace vernalt
