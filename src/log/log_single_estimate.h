// The single-stratum estimate of the log window's Formula page: the equation
// row of the chosen level (its length or strip-plot area and its statistics),
// then the estimate in both unit systems, its standard error, bound, limits and
// precision.
//
// Each result is the text the page shows, and later results are computed from
// the texts of earlier ones, as the page shows them. A step that overflows,
// divides by zero or reads a word as a number is left empty and the next goes
// on; any other run-time error (the square root of a negative when the plots
// would cover more than the landscape) ends the estimate, keeping the results
// before it.
#pragma once

#include "log/log_estimate_formulas.h"
#include "platform/errors.h"

#include <QString>
#include <array>
#include <optional>

namespace vernalt::logest {

// What the estimate reads: the mode of the window, the chosen level and its
// statistics on the Single/Combined sheet, the t-value and the landscape area.
struct SingleInputs {
    bool lim = true;                     // line intersect, else strip plots
    bool metric = true;                  // metric units, else English
    Formula formula = logcap::NoFormula; // the Formula page's caption
    QString levelName;                   // LevelNames of the level
    float length = 0;                    // LevelLengths of the level, current unit system
    QString average;                     // grdOptimal(0), the level's row, column 0
    QString deviation;                   // column 1
    QString variance;                    // column 3
    QString count;                       // grdOptimal2(0), column 2: the units counted
    QString meanMetric;                  // LevelMeanMetric(0), the per-area mean
    QString meanEnglish;                 // LevelMeanEnglish(0)
    QString tValue;                      // txtTvalue
    QString landscapeArea;               // txtLandscapeArea(0), A
};

// Columns of the equation row (grdFormulaSimple row 1); -1: none.
struct SingleColumns {
    int length, plotArea, plotAreaUnits, average, deviation, estimate, variance, count;
};
SingleColumns singleColumns(bool lim);

struct SingleEstimate {
    std::array<QString, 8> row;          // grdFormulaSimple row 1, by column
    QString metricFigure;                // lblSimpleMetricFormula
    QString englishFigure;               // lblSimpleEnglishFormula
    QString standardError;               // lblSimpleStdErr
    QString bound;                       // lblSimpleBound
    QString upperLimit;                  // lblSimpleUpperLimit
    QString lowerLimit;                  // lblSimpleLowerLimit
    QString precision;                   // lblSimplePrecision
    bool englishShown = true;            // lblSimpleEnglishTitle and lblSimpleEnglishFormula
    std::optional<QString> metricTitle;  // lblSimpleMetricTitle, when it changes
    std::optional<QString> englishTitle; // lblSimpleEnglishTitle, when it changes
    std::optional<RuntimeError> error;   // the error that ended the estimate, if any
};

// True when the bound needs the landscape area: strip plots, and the strip of
// a tally.
bool needsLandscapeArea(const SingleInputs& in);

SingleEstimate singleEstimate(const SingleInputs& in);

} // namespace vernalt::logest
