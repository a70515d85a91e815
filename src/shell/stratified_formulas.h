// The formulas of the stratified estimate and of the stratified sample size, and
// the way both read a stratum's size and the number of strata in use.
//
// Each formula raises the run-time error that the calculations skip or report:
// division by zero (11), overflow (6, also 0/0), the square root of a negative (5).
#pragma once

#include <QString>
#include <vector>

namespace vernalt::stratified {

// The relative bound the sample size aims at: 20 % of the estimate.
inline constexpr double RelativeBound = 0.2;
// At most four strata.
inline constexpr int MaxStrata = 4;

// ---- Reading the inputs ---------------------------------------------------------

// The size of a stratum (hectares or acres), read the same way everywhere: the
// number its text gives once every "," and "$" is removed, unrounded ("1,500" is
// 1500, "10.37" is 10.37); an empty text is 0; any other text raises 13.
double stratumSize(const QString& text);

// The strata in use: the number at the start of the number-of-strata text,
// rounded half to even and held to 0 to 4 ("2" is 2, "" is 0, "7" is 4).
int strataInUse(const QString& numStrata);

// A shown text read back through the display rounding; empty or a word raises 13.
double rounded(const QString& text);
// The same, with 0 for an empty text or a word.
double roundedOrZero(const QString& text);

// ---- Per stratum ----------------------------------------------------------------

// plot area in hectares or acres: a = P / AreaFactor
double plotArea(double plotSize, double areaFactor);
// density per area unit: X = mean per plot / a
double densityPerArea(double meanPerPlot, double plotArea);
// standard deviation per area unit: S = sd per plot / a
double sdPerArea(double sdPerPlot, double plotArea);
// variance per area unit: s^2 = (sd per plot / a)^2
double variancePerArea(double sdPerPlot, double plotArea);
// square of a shown standard deviation: S^2
double squared(double x);
// stratum weight: W = N / A
double stratumWeight(double size, double totalArea);

// ---- Stratified estimate --------------------------------------------------------

// stratified mean: sum of N_h x X_h / A (the same as sum of W_h x X_h)
double stratifiedMean(const std::vector<double>& sizes, const std::vector<double>& densities,
                      double totalArea);
// finite-population correction of a stratum: 1 - n / (N / a), N / a plots fit in it
double finitePopulationCorrection(double sampleSize, double size, double plotArea);
// one stratum's share of the stratified variance: W^2 x s^2 / n x fpc
double varianceTerm(double weight, double variance, double sampleSize, double fpc);
// standard error: S(e) = sqrt(V)
double standardError(double variance);
// bound on the error of estimation: B = t x S(e)
double bound(double t, double standardError);
// upper limit: X + B
double upperLimit(double estimate, double bound);
// lower limit: X - B
double lowerLimit(double estimate, double bound);
// current level of precision in percent: 100 x B / X
double precisionPercent(double bound, double estimate);

// ---- Stratified sample size -----------------------------------------------------

// desired absolute variance: V = (0.2 x Xst / t)^2
double desiredVariance(double estimate, double t);
// plots needed under optimal allocation: (sum W S)^2 / (V + (1 / A) x sum W S^2)
double optimalSampleSize(const std::vector<double>& weights, const std::vector<double>& sds,
                         const std::vector<double>& variances, double desiredVariance,
                         double totalArea);
// plots needed under proportional allocation: t'^2 x sum W S^2 / (0.2 x Xst)^2
double proportionalSampleSize(const std::vector<double>& weights,
                              const std::vector<double>& variances, double t, double estimate);
// a stratum's plots under optimal allocation: n x N_i S_i / sum N_h S_h
double optimalShare(double total, double size, double sd, double sumSizeSd);
// a stratum's plots under proportional allocation: n x W_i
double proportionalShare(double total, double weight);
// the area sampled in a stratum: n_i x a_i
double sampledArea(double plots, double plotArea);

} // namespace vernalt::stratified
