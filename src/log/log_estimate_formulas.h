// The formulas of the log window's parameter estimates and stratified sample
// size that the shared stratified formulas (shell/stratified_formulas.h)
// do not already give: the choice of a sampling level, strip-plot areas, the
// conversion between the two unit systems and the per-area factors of each
// metric.
//
// Each formula raises the run-time error that the calculations skip or report:
// division by zero (11), overflow (6, also 0/0), the square root of a negative (5).
#pragma once

#include "log/log_captions.h"

#include <QString>
#include <array>
#include <optional>

namespace vernalt::logest {

using logcap::Formula;

// Pi as every log formula writes it.
inline constexpr double Pi = 3.1416;

// ---- Sampling levels ---------------------------------------------------------------

// The automatic level choice of a data sheet, as a level number 1 to 4
// (SamplingLevel + 1), or 0 when no level is used. Among the used levels whose
// survey distance (distances[k], the text of level k + 1's cell) is a number,
// the first is taken and a later one replaces it only when its distance,
// display-rounded, is strictly shorter than the one kept; a used level without a
// distance is taken only while no level with one has been.
int automaticLevel(const std::array<bool, 4>& used, const std::array<QString, 4>& distances);

// The SamplingLevel a level name names ("Transect" or "transect" is 3), -1 for
// any other text.
int levelOfName(const QString& name);

// ---- Areas and units -------------------------------------------------------------------

// strip-plot area in square units: L x 4 m^2 (metric) or L x 12 ft^2 (English)
float stripArea(float length, bool metric);
// an area in square units in hectares or acres: area / 10000 or area / 43560
double areaUnits(double squareUnits, bool metric);
// strip-plot area in hectares or acres: L x 4 / 10000 or L x 12 / 43560
double stripAreaUnits(float length, bool metric);

// The factor f of a metric: English value = metric value x f (logs/ha to
// logs/ac 0.405, m/ha to ft/ac 1.328, m^3/ha to ft^3/ac 14.29, metric tons/ha
// to tons/ac 0.446); none for percent cover and before a metric is chosen.
std::optional<double> englishFactor(Formula f);
// metric value: English value / f
double toMetric(double english, double factor);
// English value: metric value x f
double toEnglish(double metricValue, double factor);

// The titles of the metric and English figures (the English one is empty for
// percent cover, whose figure has no second unit).
struct FigureTitles {
    QString metric, english;
};
// Titles of the single-stratum figures; nullopt before a metric is chosen.
std::optional<FigureTitles> simpleTitles(Formula f);
// Titles of the stratified figures; nullopt before a metric is chosen.
std::optional<FigureTitles> stratifiedTitles(Formula f);

// ---- Single-stratum estimate -----------------------------------------------------------

// standard error: SE = sqrt(s^2 / n)
double standardError(double variance, double n);
// bound of a line-intersect estimate: t x sqrt(s^2 / n)
double lineBound(double t, double variance, double n);
// bound of a strip-plot estimate with the finite-population correction of the
// n plots of area a sampled in a landscape of area A:
// t x sqrt(s^2 / n) x sqrt(1 - n x a / A)
double stripBound(double t, double variance, double n, double plotArea, double landscapeArea);

// ---- Per-area values -----------------------------------------------------------------

// The factor F that turns a line-intersect value per sampling unit of length P
// (for a tally: per strip plot of P square units) into a value per hectare or acre:
//   Density        15708 / P            68424.048 / P
//   Length         31416 / (2 P)        68424.048 / P
//   Percent Cover  3.1416 / (2 P)       3.1416 x 4.1603 / P
//   Volume         3.1416^2 / (8 P)     3.1416^2 x 37.8125 / P
//   Weight         3.1416^2 / (8 P)     3.1416^2 x 1.17975 / P
//   Tally          10000 / P            43560 / P
// nullopt before a metric is chosen.
std::optional<double> lineIntersectFactor(Formula f, bool metric, double P);

// The factor G that turns a value per strip plot, divided by the plot's area in
// square units, into a value per hectare or acre: 100 for percent cover (a
// percentage), 43560 / 2000 for weight in English units (pounds per plot, tons
// per acre), otherwise 10000 (metric) or 43560 (English).
double stripPlotFactor(Formula f, bool metric);
// per-area value of a strip plot: value per plot / plot area x G
double stripPerArea(double perPlot, double plotArea, double G);

} // namespace vernalt::logest
