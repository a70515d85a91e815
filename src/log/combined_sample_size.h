// The Sample Sizes page of the combined LIM-and-SPM design: from the stratified
// mean of the Parameter Estimates page and a variance per stratum typed on this
// page, the number of samples needed for a bound of 20 % of the mean under
// optimal and proportional allocation (for the designs of strata 1 and 2, 1 to 3
// and 1 to 4), the allocation of the design entered to its strata (each share
// rounded up) and the transect length each stratum needs.
//
// A stratum is present when its name is filled in; only present strata are
// summed and allocated, and the others get 0 samples in their allocation rows.
// Later steps read back the texts that earlier ones wrote (weights, standard
// deviations, the desired variance, the totals). The page starts empty: an
// overflow, a division by zero or a type mismatch leaves that one box or cell
// empty and the next goes on; any other error ends the page.
#pragma once

#include "platform/errors.h"

#include <QString>
#include <array>
#include <optional>

namespace vernalt::combined {

// What the page reads of one stratum (index = stratum - 1).
struct SampleStratum {
    QString name;     // txtStratum
    QString size;     // txtStratumSize
    QString level;    // cboTransectName: "Subsegment" ... "Transect" or empty
    QString variance; // txtSSVariableVariance, typed on this page
};

struct SampleInputs {
    std::array<SampleStratum, 4> strata;
    QString estimate;                    // txtComboFormula, the stratified mean X
    QString totalSize;                   // txtTotalSize, N
    QString tValue;                      // txtSSTvalue
    std::array<float, 4> levelLengths{}; // LevelLengths, Subsegment to Transect
};

// What the page shows of one stratum.
struct SampleRow {
    QString stratum;        // txtSSstratum
    QString size;           // txtSSstratumSize
    QString weight;         // txtSSstratumWeight
    QString plotDimensions; // txtSSPlotDimensions
    QString plotLength;     // txtSSPlotLength
    QString stdDev;         // txtSSVariableStdDev
};

// Columns of grdComboSSOptimalAllocation and grdComboSSProportionalAllocation.
enum AllocationColumn { ColTotal, ColStratumNumber, ColSamples, ColLength };

struct SamplePage {
    std::array<SampleRow, 4> rows;
    QString desiredVariance; // txtSSDesiredAbsVariance
    // Index j (1 to 3): the total of the design of strata 1 to j + 1; index 0 stays empty.
    std::array<QString, 4> optimalEquations;
    std::array<QString, 4> proportionalEquations;
    // Index = grid row; row 0 (titles) and column 0 of rows 2 to 4 are not written.
    std::array<std::array<QString, 4>, 5> optimal;
    std::array<std::array<QString, 4>, 5> proportional;
    QString optimalTotalLength;        // lblComboSSOptTotalTransectLength
    QString proportionalTotalLength;   // lblComboSSPropTotalTransectLength
    std::optional<RuntimeError> error; // an error that ended the page, if any
};

SamplePage samplePage(const SampleInputs& in);

} // namespace vernalt::combined
