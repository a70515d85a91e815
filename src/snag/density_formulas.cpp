#include "snag/density_formulas.h"

#include "platform/errors.h"

#include <cmath>
#include <limits>

namespace vernalt {

double plotArea(double plotSize, double areaFactor) {
    return checked::div(plotSize, areaFactor);
}

double densityPerArea(double meanPerPlot, double plotArea) {
    return checked::div(meanPerPlot, plotArea);
}

double variancePerArea(double sdPerPlot, double areaFactor, double plotSize) {
    const double sdPerArea = checked::div(checked::mul(sdPerPlot, areaFactor), plotSize);
    return checked::mul(sdPerArea, sdPerArea);
}

double simpleBound(double t, double variance, double n, double plotArea, double landscapeArea) {
    const double standardError = checked::sqrt(checked::div(variance, n));
    const double sampledShare = checked::div(checked::mul(n, plotArea), landscapeArea);
    const double finitePopulation = checked::sqrt(checked::sub(1, sampledShare));
    return checked::mul(checked::mul(t, standardError), finitePopulation);
}

double precisionPercent(double bound, double estimate) {
    return checked::mul(checked::div(bound, estimate), 100);
}

float single(double x) {
    if (!std::isfinite(x) || std::fabs(x) > double(std::numeric_limits<float>::max()))
        raise(err::Overflow);
    return float(x);
}

} // namespace vernalt
