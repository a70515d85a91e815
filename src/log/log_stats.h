// The statistics of one sampling level of the log analysis: count, mean and
// standard deviation of its unit subtotals, the per-area mean and variance of
// the metric in both unit systems, the units and survey distance a wanted
// precision needs, and the transect length still missing.
//
// Results chain through what is shown: every figure is the CleanRound text the
// window writes, and later figures are computed from those texts.
#pragma once

#include "log/log_captions.h"

#include <QString>
#include <optional>
#include <span>

namespace vernalt {

// The factors of the per-area conversion of a metric.
struct PerAreaFactors {
    double F = 0;            // per unit -> per hectare (metric) or per acre (English)
    std::optional<double> c; // English per-area = metric per-area x c; none for Percent Cover
};
// F by unit system, method (LIM or strip plot) and metric for a unit of length
// L (m or ft); nothing for NoFormula. L = 0 raises 11.
std::optional<PerAreaFactors> perAreaFactors(bool metric, bool lim, logcap::Formula formula,
                                             double L);

// The minimum transect: 1000 m or 3281 ft.
double minimumTransect(bool metric);

// What one level shows; an empty text is a figure that could not be computed.
struct LevelStatsInput {
    std::span<const double> subtotals; // the level's units, as grdSubtotals shows them
    double length = 0;                 // L, the unit length as the user sees it
    double t = 1.67;                   // t-value
    double precision = 0.2;            // E, the wanted relative precision
    bool metric = true;
    bool lim = true;
    logcap::Formula formula = logcap::NoFormula;
};
struct LevelStatsTexts {
    QString count, mean, sd;                   // lblNum, lblAvg, lblStdDev
    QString perArea, variance, unitsNeeded;    // grdOptimal columns 2, 3, 4
    QString distance, minimum, missing, other; // grdOptimal2 columns 0, 1, 3, 4
    QString meanMetric, meanEnglish;           // LevelMeanMetric, LevelMeanEnglish
};
// A level without units shows nothing. Otherwise, with m and s the shown mean
// and standard deviation:
//   per-area mean m x F, variance (s x F)^2, other system m x F x c or / c;
//   units needed n = (t x s)^2 / (E x m)^2 ("0" when m <= 0);
//   survey distance n x L, whatever the sign of m (none when m = 0 or E = 0);
//   missing length max(distance, minimum) - N x L, "0" once both are covered.
LevelStatsTexts levelStats(const LevelStatsInput& in);

} // namespace vernalt
