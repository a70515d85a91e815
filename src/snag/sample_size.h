// The stratified sample size: the number of plots needed to estimate Xst within
// a bound of 20 % of Xst, under optimal and under proportional allocation, for
// the designs made of the first 2, 3 and 4 strata, and the distribution of the
// total of the design in use over the strata with the area each one samples.
//
// The page is two sheets of seven columns and two allocation grids of four, each
// with rows 1 to 4 for strata 1 to 4. Every cell is the text the page shows, made
// from texts written earlier in the same run: the weights, S and S^2 are read
// back from the sheet, the allocations from the totals. The page starts empty; an
// overflow, a division by zero or a type mismatch leaves that one cell empty and
// the next goes on.
//
// Only the strata in use (1 to the number of strata) take part: the total area
// is the sum of their sizes, and their rows alone are written and summed; the
// allocation grids still number all four rows.
#pragma once

#include "platform/errors.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace vernalt {

// What the page reads of one stratum row of the stratified sheet.
struct SampleSizeStratum {
    QString stratum;       // txtStratifiedStratum
    QString size;          // txtStratifiedStratumSize
    QString plotDimension; // txtStratifiedPlotDimensions
    QString plotSize;      // lblStratifiedPlotSize
    QString avgDensity;    // txtStratifiedAvgDensity
    QString stdDev;        // txtStratifiedStdDev
};

struct SampleSizeInputs {
    std::array<SampleSizeStratum, 4> strata; // index = stratum - 1
    QString estimate;                        // lblStratifiedX, Xst
    QString numStrata;                       // txtNumStrata
    QString tValue;                          // txtSimpleTvalue: desired variance
    QString optimalTValue;                   // txtOptimalTvalue: proportional equations
    std::int32_t areaFactor = 0;
};

// Columns of grdSampleSize(0).
enum SheetColumn0 {
    ColStratum,
    ColSize,
    ColWeight,
    ColPlotDimension,
    ColPlotSize,
    ColPlotArea,
    ColMeanPerPlot
};
// Columns of grdSampleSize(1).
enum SheetColumn1 {
    ColSdPerPlot,
    ColDensity,
    ColSd,
    ColVariance,
    ColDesiredVariance,
    ColOptimal,
    ColProportional
};
// Columns of grdOptimalAllocation and grdProportionalAllocation.
enum AllocationColumn { ColTotal, ColAllocStratum, ColPlots, ColSampledArea };

struct SampleSizePage {
    // Index = grid row; row 0 (the titles) is not written.
    std::array<std::array<QString, 7>, 5> sheet0;
    std::array<std::array<QString, 7>, 5> sheet1;
    std::array<std::array<QString, 4>, 5> optimal;
    std::array<std::array<QString, 4>, 5> proportional;
    std::optional<RuntimeError> error; // an error that ended the page, if any
};

SampleSizePage sampleSizePage(const SampleSizeInputs& in);

} // namespace vernalt
