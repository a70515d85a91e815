// The stratified-random sampling estimate: from up to four stratum rows (size,
// plot dimension, mean and standard deviation per plot, plots measured) the plot
// size and area, density and variance per hectare or acre and weight of each
// stratum, the stratified mean and variance of strata 1 to k for k = 2, 3, 4, and
// from the last of them the estimate Xst, its variance, standard error, bound,
// limits and precision.
//
// Each result is the display-rounded text the sheet shows, and later results are
// computed from the texts of earlier ones. The sheet starts empty: a result that
// cannot be computed stays empty. An overflow or a division by zero leaves that
// one result empty and the next goes on; any other run-time error (a word as a
// stratum size, an empty sample size in an equation, the square root of a
// negative variance) ends the estimate, keeping the results before it.
//
// Only the strata in use (1 to the number of strata) take part: the total area
// is the sum of their sizes, and rows beyond them stay empty.
#pragma once

#include "platform/errors.h"
#include "snag/plot_dimensions.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace vernalt {

// One row of the stratified sheet's inputs, as its text boxes hold them.
struct StratumRowInputs {
    QString stratum;       // txtStratifiedStratum, the stratum number
    QString size;          // txtStratifiedStratumSize, N (hectares or acres)
    QString plotDimension; // txtStratifiedPlotDimensions, a plot dimension's name
    QString avgDensity;    // txtStratifiedAvgDensity, mean count per plot
    QString stdDev;        // txtStratifiedStdDev, per plot
    QString sampleSize;    // txtStratifiedSampleSize, n plots measured
};

struct StratifiedInputs {
    std::array<StratumRowInputs, 4> rows; // index = stratum - 1
    QString numStrata;                    // txtNumStrata
    QString tValue;                       // txtSimpleTvalue
    WidthTextArray widthTexts;
    DimensionSizeArray plotSizes{};
    std::int32_t areaFactor = 0;
};

// The results of one stratum row.
struct StratumRowResults {
    QString plotSize; // lblStratifiedPlotSize, P in square metres or feet
    QString plotArea; // lblStratifiedPlotArea, a = P / AreaFactor
    QString density;  // lblStratifiedAvgAcres, X per area unit
    QString variance; // lblStratifiedVarianceHectares, s^2 per area unit
    QString weight;   // lblStratifiedStratumWeight, W = N / A
};

struct StratifiedSheet {
    std::array<StratumRowResults, 4> rows;
    // Element k - 1 holds the equation of strata 1 to k (k = 2 to 4); element 0 unused.
    std::array<QString, 4> meanEquations;
    std::array<QString, 4> varianceEquations;
    QString estimate;                  // lblStratifiedX
    QString variance;                  // lblStratifiedVar
    QString standardError;             // lblStratifiedS
    QString bound;                     // lblStratifiedBound
    QString upperLimit;                // lblStratifiedUpperLimit
    QString lowerLimit;                // lblStratifiedLowerLimit
    QString precision;                 // lblStratifiedPrecision
    std::optional<RuntimeError> error; // the error that ended the estimate, if any
};

// The total area A: the sum of the sizes of the strata in use (1 to `inUse`).
// A word as a size raises 13.
double totalArea(const std::array<StratumRowInputs, 4>& rows, int inUse);

StratifiedSheet stratifiedSheet(const StratifiedInputs& in);

} // namespace vernalt
