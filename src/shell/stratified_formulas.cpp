#include "shell/stratified_formulas.h"

#include "platform/errors.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <cmath>
#include <cstddef>

namespace vernalt::stratified {

double stratumSize(const QString& text) {
    const QString cleaned = cleanText(text);
    if (cleaned.isEmpty())
        return 0;
    return toDouble(cleaned); // raises 13 on a word
}

int strataInUse(const QString& numStrata) {
    const double n = leadingNumber(numStrata);
    if (!(n > 0))
        return 0;
    if (n >= MaxStrata)
        return MaxStrata;
    return int(roundHalfEven(n, 0));
}

double rounded(const QString& text) {
    return CleanRound(text).toDouble();
}

double roundedOrZero(const QString& text) {
    return CleanRoundOrZero(text).toDouble();
}

double plotArea(double plotSize, double areaFactor) {
    return checked::div(plotSize, areaFactor);
}

double densityPerArea(double meanPerPlot, double plotArea) {
    return checked::div(meanPerPlot, plotArea);
}

double sdPerArea(double sdPerPlot, double plotArea) {
    return checked::div(sdPerPlot, plotArea);
}

double variancePerArea(double sdPerPlot, double plotArea) {
    return squared(sdPerArea(sdPerPlot, plotArea));
}

double squared(double x) {
    return checked::mul(x, x);
}

double stratumWeight(double size, double totalArea) {
    return checked::div(size, totalArea);
}

double stratifiedMean(const std::vector<double>& sizes, const std::vector<double>& densities,
                      double totalArea) {
    double sum = 0;
    for (std::size_t i = 0; i < sizes.size() && i < densities.size(); ++i)
        sum = checked::add(sum, checked::mul(sizes[i], densities[i]));
    return checked::div(sum, totalArea);
}

double finitePopulationCorrection(double sampleSize, double size, double plotArea) {
    const double plotsInStratum = checked::div(size, plotArea);
    return checked::sub(1, checked::div(sampleSize, plotsInStratum));
}

double varianceTerm(double weight, double variance, double sampleSize, double fpc) {
    const double perPlot = checked::div(checked::mul(squared(weight), variance), sampleSize);
    return checked::mul(perPlot, fpc);
}

double standardError(double variance) {
    return checked::sqrt(variance);
}

double bound(double t, double standardError) {
    return checked::mul(t, standardError);
}

double upperLimit(double estimate, double bound) {
    return checked::add(estimate, bound);
}

double lowerLimit(double estimate, double bound) {
    return checked::sub(estimate, bound);
}

double precisionPercent(double bound, double estimate) {
    return checked::mul(checked::div(bound, estimate), 100);
}

double desiredVariance(double estimate, double t) {
    return squared(checked::div(checked::mul(RelativeBound, estimate), t));
}

namespace {

// sum of a_h x b_h over the common length of both
double sumOfProducts(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        sum = checked::add(sum, checked::mul(a[i], b[i]));
    return sum;
}

} // namespace

double optimalSampleSize(const std::vector<double>& weights, const std::vector<double>& sds,
                         const std::vector<double>& variances, double desiredVariance,
                         double totalArea) {
    const double numerator = squared(sumOfProducts(weights, sds));
    const double finiteTerm =
        checked::mul(checked::div(1, totalArea), sumOfProducts(weights, variances));
    return checked::div(numerator, checked::add(desiredVariance, finiteTerm));
}

double proportionalSampleSize(const std::vector<double>& weights,
                              const std::vector<double>& variances, double t, double estimate) {
    const double numerator = checked::mul(squared(t), sumOfProducts(weights, variances));
    return checked::div(numerator, squared(checked::mul(RelativeBound, estimate)));
}

double optimalShare(double total, double size, double sd, double sumSizeSd) {
    return checked::div(checked::mul(total, checked::mul(size, sd)), sumSizeSd);
}

double proportionalShare(double total, double weight) {
    return checked::mul(total, weight);
}

double sampledArea(double plots, double plotArea) {
    return checked::mul(plots, plotArea);
}

} // namespace vernalt::stratified
