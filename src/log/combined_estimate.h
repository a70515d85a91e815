// The Parameter Estimates page of the combined LIM-and-SPM design: from the
// stratum rows the user types (name, size, estimate, variance, sample size) it
// derives the totals, the stratum weights, the running stratified means and
// variances, and for the last named stratum the stratified estimate with its
// variance, standard error, bound, limits and precision.
//
// A stratum is in use when its name is filled in; only strata in use are summed
// and weighted, and the rows of the others stay empty. Every result is the text
// the page shows, computed from texts written earlier in the same run (the
// weights, the total, the running row of the current stratum). The page starts
// empty: an overflow, a division by zero or a type mismatch leaves that one box
// empty and the next goes on; any other error ends the page.
#pragma once

#include "platform/errors.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace vernalt::combined {

// What the page reads of one stratum row (index = stratum - 1).
struct EstimateStratum {
    QString name;       // txtStratum
    QString size;       // txtStratumSize
    QString estimate;   // txtEstimates
    QString variance;   // txtVariance
    QString sampleSize; // txtSampleSize
};

struct EstimateInputs {
    std::array<EstimateStratum, 4> strata;
    QString tValue; // txtComboTvalue
};

struct EstimatePage {
    QString totalSize;                 // txtTotalSize
    QString totalSamples;              // txtTotalSamples
    std::array<QString, 4> weights;    // txtStratumWeight
    std::array<QString, 4> means;      // txtStratifiedMeans; index 0 stays empty
    std::array<QString, 4> variances;  // txtStratifiedVariance; index 0 stays empty
    QString estimate;                  // txtComboFormula
    QString variance;                  // txtComboVar
    QString standardError;             // txtComboS
    QString bound;                     // txtComboBound
    QString upperLimit;                // txtComboUpperLimit
    QString lowerLimit;                // txtComboLowerLimit
    QString precision;                 // txtComboPrecision
    std::optional<RuntimeError> error; // an error that ended the page, if any
};

// A stratum takes part when its name (or label) is filled in.
bool inUse(const QString& name);
// The row whose running mean and variance the summary boxes show: the highest
// of rows 1 to 3 whose name is filled in, else 0.
int currentRow(const std::array<QString, 4>& names);
// A stratum size that a formula needs: as stratified::stratumSize, except that
// an empty text raises 13 too.
double requiredSize(const QString& text);

// stratified variance without finite-population correction: sum of W_h^2 x s_h^2 / n_h
double stratifiedVariance(const std::vector<double>& weights, const std::vector<double>& variances,
                          const std::vector<double>& sampleSizes);

EstimatePage estimatePage(const EstimateInputs& in);

} // namespace vernalt::combined
