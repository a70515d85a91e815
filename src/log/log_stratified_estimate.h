// The stratified estimate of the log window's Formula page: one row per stratum
// in use with its statistics, weight and the running stratified mean and
// variance, then the stratified mean in both unit systems with its variance,
// standard error, bound, limits and precision.
//
// A stratum is in use when its size is a number and a level is chosen for it;
// the strata in use alone take part: the total area is the sum of their sizes,
// and the rows of the other strata stay empty.
//
// Each result is the text the page shows, and later results are computed from
// the texts of earlier ones, as the page shows them. A step that divides by
// zero or reads an empty cell or a word as a number is left empty and the next
// goes on; any other run-time error ends the estimate, keeping the results
// before it.
#pragma once

#include "log/log_estimate_formulas.h"
#include "platform/errors.h"

#include <QString>
#include <array>
#include <optional>

namespace vernalt::logest {

// The stratum sizes typed on the Formula page, each read once: the number its
// text gives once "," and "$" are removed (stratified::stratumSize), nothing
// for an empty text or a word. Index = stratum - 1.
struct StratumSizes {
    std::array<QString, 4> texts;                // txtLandscapeArea(1 to 4)
    std::array<std::optional<double>, 4> values; // the sizes that are numbers
};
StratumSizes readStratumSizes(const std::array<QString, 4>& texts);

// What the estimate reads of one stratum: the level chosen for it and that
// level's statistics on the stratum's sheet.
struct StratumInputs {
    int level = 0;       // 1 Subsegment to 4 Transect; 0: none chosen
    QString levelName;   // LevelNames of the level
    float length = 0;    // LevelLengths of the level
    QString average;     // grdOptimal(k), the level's row, column 0
    QString deviation;   // column 1
    QString variance;    // column 3
    QString count;       // grdOptimal2(k), column 2
    QString meanMetric;  // LevelMeanMetric(k), the per-area mean
    QString meanEnglish; // LevelMeanEnglish(k)
};

struct StratifiedInputs {
    bool lim = true;
    bool metric = true;
    Formula formula = logcap::NoFormula; // the Formula page's caption
    bool percentCoverItem = false;       // mnuPercentCover checked
    StratumSizes sizes;
    std::array<StratumInputs, 4> strata; // index = stratum - 1
    QString tValue;                      // txtTvalue
};

// Columns of a row of grdFormulaStratified; -1: none.
struct StratifiedColumns {
    int length, plotArea, plotAreaUnits, average, deviation, estimate, variance, weight, count,
        meanEquation, varianceEquation;
};
StratifiedColumns stratifiedColumns(bool lim);

struct StratifiedEstimate {
    // grdFormulaStratified rows 1 to 4 (index = stratum - 1), by column.
    std::array<std::array<QString, 12>, 4> rows;
    QString metricFigure;  // lblStratifiedMetricFormula
    QString englishFigure; // lblStratifiedEnglishFormula
    QString variance;      // lblStratifiedVar
    QString standardError; // lblStratifiedS
    QString bound;         // lblStratifiedBound
    QString upperLimit;    // lblStratifiedUpperLimit
    QString lowerLimit;    // lblStratifiedLowerLimit
    QString precision;     // lblStratifiedPrecision
    // Fewer than two strata in use are no stratified design: the figures stay
    // empty and the window says so.
    bool tooFewStrata = false;
    // Whether the English figure and its title are shown; set once the figures
    // are computed.
    std::optional<bool> englishShown;
    std::optional<QString> metricTitle;  // lblStratifiedMetricTitle, when it changes
    std::optional<QString> englishTitle; // lblStratifiedEnglishTitle, when it changes
    std::optional<RuntimeError> error;   // the error that ended the estimate, if any
};

// A stratum takes part when its size is a number and a level is chosen for it.
bool stratumInUse(const StratifiedInputs& in, int stratum);
// The total area of the strata in use, in single precision. A sum that
// overflows raises 6.
float stratifiedTotal(const StratifiedInputs& in);

StratifiedEstimate stratifiedEstimate(const StratifiedInputs& in);

} // namespace vernalt::logest
