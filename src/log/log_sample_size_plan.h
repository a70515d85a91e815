// The Sample Size page of the log window: the number of sampling units needed
// for a bound of 20 % of the stratified mean under optimal and proportional
// allocation, the units of each stratum and the transect length they need.
//
// The strata in use are those with a size whose row the stratified sheet shows;
// they alone are written, summed and allocated (the allocation grids still
// number all four rows). Each cell is the text the page shows, computed from
// the texts written before it. Any run-time error ends the page, keeping what
// was written before it.
#pragma once

#include "log/log_stratified_estimate.h"

#include <QString>
#include <array>
#include <optional>

namespace vernalt::logest {

// What the page reads of one row of the stratified sheet (grdFormulaStratified).
struct PlanStratum {
    QString stratum;   // column 0, empty when the stratum is not in use
    QString levelName; // column 1
    QString average;   // the per-unit average (stratifiedColumns().average)
    QString deviation; // the per-unit deviation (stratifiedColumns().deviation)
};

struct PlanInputs {
    bool lim = true;
    bool metric = true;
    Formula formula = logcap::NoFormula; // the Formula page's caption
    bool percentCoverItem = false;       // mnuPercentCover checked
    StratumSizes sizes;
    double totalSize = 0;                // N, the total area of the strata in use
    std::array<PlanStratum, 4> strata;   // index = stratum - 1
    QString metricMean;                  // lblStratifiedMetricFormula
    QString englishMean;                 // lblStratifiedEnglishFormula
    QString tValue;                      // txtTvalue
    std::array<float, 4> levelLengths{}; // LevelLengths, Subsegment to Transect
};

struct SamplePlan {
    // Index = grid row; row 0 (the titles) is not written.
    std::array<std::array<QString, 7>, 5> sheet0;       // grdSampleSize(0)
    std::array<std::array<QString, 7>, 5> sheet1;       // grdSampleSize(1)
    std::array<std::array<QString, 4>, 5> optimal;      // grdOptimalAllocation
    std::array<std::array<QString, 4>, 5> proportional; // grdProportionalAllocation
    QString optimalLength;                              // lblOptTotalTransectLength
    QString proportionalLength;                         // lblPropTotalTransectLength
    // Fewer than two strata in use: no design to allocate, and the window says so.
    bool tooFewStrata = false;
    std::optional<RuntimeError> error; // the error that ended the page, if any
};

SamplePlan samplePlan(const PlanInputs& in);

} // namespace vernalt::logest
