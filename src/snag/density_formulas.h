// The density formulas that the optimal-plot rating and the estimate sheets
// share. Each raises the run-time error that the window's calculations skip or
// report: division by zero (11), overflow (6, also 0/0), the square root of a
// negative (5).
#pragma once

namespace vernalt {

// plot area in hectares or acres: a = P / AreaFactor
double plotArea(double plotSize, double areaFactor);
// density per area unit: mean count per plot / a
double densityPerArea(double meanPerPlot, double plotArea);
// variance of the density per area unit: (sd x AreaFactor / P)^2
double variancePerArea(double sdPerPlot, double areaFactor, double plotSize);
// bound on the error of the estimate: t x sqrt(s^2 / n) x sqrt(1 - n x a / A)
double simpleBound(double t, double variance, double n, double plotArea, double landscapeArea);
// precision in percent: 100 x B / X
double precisionPercent(double bound, double estimate);

// A number held as a single-precision value; a number beyond its range raises 6.
float single(double x);

} // namespace vernalt
