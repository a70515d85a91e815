#include "snag/stratified_estimate.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/stratified_formulas.h"
#include "snag/simple_estimate.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

using namespace stratified;

// An overflow or a division by zero leaves one result empty.
constexpr std::initializer_list<int> Gaps = {err::Overflow, err::DivisionByZero};

// The results of stratum row h, from its inputs and the total area A.
void fillRow(const StratifiedInputs& in, int h, double A, StratumRowResults& res) {
    const StratumRowInputs& row = in.rows[std::size_t(h)];
    const double P = leadingNumber(res.plotSize);
    skipOn(Gaps, [&] { res.plotArea = displayText(plotArea(P, in.areaFactor)); });
    skipOn(Gaps, [&] {
        res.density =
            P > 0
                ? displayText(densityPerArea(leadingNumber(row.avgDensity), rounded(res.plotArea)))
                : u"0"_s;
    });
    skipOn(Gaps, [&] {
        res.variance =
            P > 0 ? displayText(variancePerArea(leadingNumber(row.stdDev), rounded(res.plotArea)))
                  : u"0"_s;
    });
    skipOn(Gaps, [&] { res.weight = displayText(stratumWeight(stratumSize(row.size), A)); });
}

// The stratified mean of strata 1 to h + 1, from the densities shown.
double meanOfStrata(const StratifiedInputs& in, const StratifiedSheet& out, int h, double A) {
    std::vector<double> sizes, densities;
    for (int i = 0; i <= h; ++i) {
        sizes.push_back(stratumSize(in.rows[std::size_t(i)].size));
        densities.push_back(rounded(out.rows[std::size_t(i)].density));
    }
    return stratifiedMean(sizes, densities, A);
}

// The stratified variance of strata 1 to h + 1: the terms added in stratum order,
// each from the weight, variance and plot area shown.
double varianceOfStrata(const StratifiedInputs& in, const StratifiedSheet& out, int h) {
    double sum = 0;
    for (int i = 0; i <= h; ++i) {
        const StratumRowInputs& row = in.rows[std::size_t(i)];
        const StratumRowResults& res = out.rows[std::size_t(i)];
        const double weight = leadingNumber(res.weight);
        const double variance = rounded(res.variance);
        const double n = rounded(row.sampleSize);
        const double fpc = finitePopulationCorrection(leadingNumber(row.sampleSize),
                                                      stratumSize(row.size), rounded(res.plotArea));
        sum = checked::add(sum, varianceTerm(weight, variance, n, fpc));
    }
    return sum;
}

// The estimate's standard error, bound, limits and precision, from the texts of
// its variance and estimate.
void fillResults(const StratifiedInputs& in, StratifiedSheet& out) {
    skipOn(Gaps,
           [&] { out.standardError = displayText(standardError(leadingNumber(out.variance))); });
    skipOn(Gaps, [&] {
        out.bound = displayText(bound(leadingNumber(in.tValue), roundedOrZero(out.standardError)));
    });
    skipOn(Gaps, [&] {
        out.upperLimit =
            displayText(upperLimit(leadingNumber(out.estimate), roundedOrZero(out.bound)));
    });
    skipOn(Gaps, [&] {
        out.lowerLimit =
            displayText(lowerLimit(leadingNumber(out.estimate), roundedOrZero(out.bound)));
    });
    skipOn(Gaps, [&] {
        out.precision =
            displayText(precisionPercent(leadingNumber(out.bound), roundedOrZero(out.estimate)));
    });
}

} // namespace

double totalArea(const std::array<StratumRowInputs, 4>& rows, int inUse) {
    double A = 0;
    for (int j = 0; j < inUse && j < MaxStrata; ++j)
        A = checked::add(A, stratumSize(rows[std::size_t(j)].size));
    return A;
}

StratifiedSheet stratifiedSheet(const StratifiedInputs& in) {
    StratifiedSheet out;
    try {
        const int inUse = strataInUse(in.numStrata);
        double A = 0;
        for (int h = 0; h < inUse; ++h) {
            const StratumRowInputs& row = in.rows[std::size_t(h)];
            StratumRowResults& res = out.rows[std::size_t(h)];
            if (row.plotDimension.isEmpty())
                break;
            const QString size = plotSizeOfName(row.plotDimension, in.widthTexts, in.plotSizes);
            if (!size.isEmpty())
                res.plotSize = size;
            skipOn(Gaps, [&] { A = totalArea(in.rows, inUse); });
            fillRow(in, h, A, res);
            if (h == 0)
                continue;

            // The equations of strata 1 to h + 1; a row without a stratum number shows 0.
            const bool numbered = leadingNumber(row.stratum) > 0;
            skipOn(Gaps, [&] {
                out.meanEquations[std::size_t(h)] =
                    numbered ? displayText(meanOfStrata(in, out, h, A)) : u"0"_s;
            });
            skipOn(Gaps, [&] {
                out.varianceEquations[std::size_t(h)] =
                    numbered ? displayText(varianceOfStrata(in, out, h)) : u"0"_s;
            });
            if (!row.stratum.isEmpty()) {
                out.estimate = displayText(leadingNumber(out.meanEquations[std::size_t(h)]));
                out.variance = displayText(leadingNumber(out.varianceEquations[std::size_t(h)]));
            }
        }
        fillResults(in, out);
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt
