// The single-stratum (simple random sampling) density estimate: from a plot
// dimension's name, the mean and standard deviation per plot, the number of
// plots and the landscape area, the plot size and area, the density and its
// variance per hectare or acre, the estimate X, its bound, limits and precision.
//
// Each result is the display-rounded text the sheet shows, and later results are
// computed from the texts of earlier ones. A step that overflows or divides by
// zero is left empty and the next step goes on; any other run-time error (the
// square root of a negative when the plots would cover more than the landscape)
// ends the estimate, keeping the results of the steps before it.
#pragma once

#include "platform/errors.h"
#include "snag/plot_dimensions.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vernalt {

// The plot size of the plot dimension a typed name names: the name in lower
// case is compared, level by level and width by width, with the level's word in
// lower case followed by the width text exactly as stored; the first match
// gives its size as a whole number. Empty when nothing matches.
QString plotSizeOfName(const QString& name, const WidthTextArray& widthTexts,
                       const DimensionSizeArray& sizes);

// What the sheet reads: its input boxes and the window's unit fields.
struct SimpleInputs {
    QString plotDimension;  // txtPlotDimensions
    QString averageDensity; // txtAverageDensity, mean count per plot
    QString stdDev;         // txtStdDev, per plot
    QString sampleSize;     // txtSampleSize, n
    QString landscapeArea;  // txtSimpleLandscapeArea, A
    QString tValue;         // txtSimpleTvalue
    WidthTextArray widthTexts;
    DimensionSizeArray plotSizes{};
    std::int32_t areaFactor = 0;
};

// The nine results, in the order they are computed.
struct SimpleEstimate {
    QString plotSize;                  // lblPlotSize
    QString plotArea;                  // lblPlotArea
    QString density;                   // lblAvgAcres
    QString variance;                  // lblVarianceAcres
    QString estimate;                  // lblSimpleX
    QString bound;                     // lblSimpleBound
    QString upperLimit;                // lblSimpleUpperLimit
    QString lowerLimit;                // lblSimpleLowerLimit
    QString precision;                 // lblSimplePrecision
    std::optional<RuntimeError> error; // the error that ended the estimate, if any
};

SimpleEstimate simpleEstimate(const SimpleInputs& in);

} // namespace vernalt
