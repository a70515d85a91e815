#include "snag/sample_size.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/stratified_formulas.h"

#include <vector>

namespace vernalt {

namespace {

using namespace stratified;

// An overflow, a division by zero or a type mismatch leaves one cell empty.
constexpr std::initializer_list<int> Gaps = {err::Overflow, err::DivisionByZero, err::TypeMismatch};

// Row i of both sheets: the stratum's inputs copied, its weight, plot area,
// density, S and S^2 computed from the cells before them.
void fillSheetRow(const SampleSizeInputs& in, int i, double A, SampleSizePage& out) {
    const SampleSizeStratum& s = in.strata[std::size_t(i - 1)];
    auto& r0 = out.sheet0[std::size_t(i)];
    auto& r1 = out.sheet1[std::size_t(i)];
    r0[ColStratum] = s.stratum;
    r0[ColSize] = s.size;
    skipOn(Gaps, [&] { r0[ColWeight] = displayText(stratumWeight(stratumSize(r0[ColSize]), A)); });
    r0[ColPlotDimension] = s.plotDimension;
    r0[ColPlotSize] = s.plotSize;
    skipOn(Gaps, [&] {
        r0[ColPlotArea] = displayText(plotArea(leadingNumber(r0[ColPlotSize]), in.areaFactor));
    });
    r0[ColMeanPerPlot] = s.avgDensity;
    r1[ColSdPerPlot] = s.stdDev;
    skipOn(Gaps, [&] {
        r1[ColDensity] = displayText(
            densityPerArea(leadingNumber(r0[ColMeanPerPlot]), rounded(r0[ColPlotArea])));
    });
    skipOn(Gaps, [&] {
        r1[ColSd] =
            displayText(sdPerArea(leadingNumber(r1[ColSdPerPlot]), rounded(r0[ColPlotArea])));
    });
    skipOn(Gaps, [&] { r1[ColVariance] = displayText(squared(leadingNumber(r1[ColSd]))); });
}

// W, S and S^2 of strata 1 to k as the sheets show them.
struct DesignColumns {
    std::vector<double> weights, sds, variances;
};
DesignColumns designColumns(const SampleSizePage& out, int k) {
    DesignColumns d;
    for (int h = 1; h <= k; ++h) {
        d.weights.push_back(leadingNumber(out.sheet0[std::size_t(h)][ColWeight]));
        d.sds.push_back(rounded(out.sheet1[std::size_t(h)][ColSd]));
        d.variances.push_back(rounded(out.sheet1[std::size_t(h)][ColVariance]));
    }
    return d;
}

// Writes the sample size of the design with strata 1 to k into column `col` of
// row k, or the empty text when row k has no stratum number; a failing equation
// writes nothing.
template <class F> void writeEquation(SampleSizePage& out, int k, int col, F&& equation) {
    skipOn(Gaps, [&] {
        const QString value = displayText(equation());
        auto& row = out.sheet1[std::size_t(k)];
        row[std::size_t(col)] =
            leadingNumber(out.sheet0[std::size_t(k)][ColStratum]) > 0 ? value : QString();
    });
}

// The allocation of both totals over the strata in use.
void fillAllocations(int inUse, SampleSizePage& out) {
    for (int i = 1; i <= inUse; ++i) {
        const auto& r0 = out.sheet0[std::size_t(i)];
        auto& opt = out.optimal[std::size_t(i)];
        auto& prop = out.proportional[std::size_t(i)];
        skipOn(Gaps, [&] {
            double sumSizeSd = 0;
            for (int h = 1; h <= inUse; ++h)
                sumSizeSd = checked::add(
                    sumSizeSd, checked::mul(stratumSize(out.sheet0[std::size_t(h)][ColSize]),
                                            roundedOrZero(out.sheet1[std::size_t(h)][ColSd])));
            opt[ColPlots] = displayText(
                optimalShare(toDouble(out.optimal[1][ColTotal]), stratumSize(r0[ColSize]),
                             roundedOrZero(out.sheet1[std::size_t(i)][ColSd]), sumSizeSd));
        });
        skipOn(Gaps, [&] {
            opt[ColSampledArea] =
                displayText(sampledArea(toDouble(opt[ColPlots]), toDouble(r0[ColPlotArea])));
        });
        skipOn(Gaps, [&] {
            prop[ColPlots] = displayText(proportionalShare(toDouble(out.proportional[1][ColTotal]),
                                                           toDouble(r0[ColWeight])));
        });
        skipOn(Gaps, [&] {
            prop[ColSampledArea] =
                displayText(sampledArea(toDouble(prop[ColPlots]), toDouble(r0[ColPlotArea])));
        });
    }
}

} // namespace

SampleSizePage sampleSizePage(const SampleSizeInputs& in) {
    SampleSizePage out;
    try {
        const int inUse = strataInUse(in.numStrata);
        double Xst = 0, A = 0;
        skipOn(Gaps, [&] { Xst = NzZero(CleanRound(in.estimate)).toDouble(); });
        skipOn(Gaps, [&] {
            double sum = 0;
            for (int i = 0; i < inUse; ++i)
                sum = checked::add(sum, stratumSize(in.strata[std::size_t(i)].size));
            A = sum;
        });
        if (Xst == 0 && A == 0)
            return out;

        for (int i = 1; i <= inUse; ++i)
            if (!in.strata[std::size_t(i - 1)].stratum.isEmpty())
                fillSheetRow(in, i, A, out);
        skipOn(Gaps, [&] {
            out.sheet1[1][ColDesiredVariance] =
                displayText(desiredVariance(Xst, leadingNumber(in.tValue)));
        });

        for (int k = 2; k <= MaxStrata; ++k)
            writeEquation(out, k, ColOptimal, [&] {
                const DesignColumns d = designColumns(out, k);
                const double V = leadingNumber(out.sheet1[1][ColDesiredVariance]);
                return optimalSampleSize(d.weights, d.sds, d.variances, V, A);
            });
        const double tOptimal = leadingNumber(in.optimalTValue);
        for (int k = 2; k <= MaxStrata; ++k)
            writeEquation(out, k, ColProportional, [&] {
                const DesignColumns d = designColumns(out, k);
                return proportionalSampleSize(d.weights, d.variances, tOptimal, Xst);
            });

        // Every row names its stratum; only the figures of strata in use are written.
        for (int i = 1; i <= MaxStrata; ++i) {
            out.optimal[std::size_t(i)][ColAllocStratum] = numberText(i);
            out.proportional[std::size_t(i)][ColAllocStratum] = numberText(i);
        }

        // The design in use ends at the last stratum row on the sheet.
        int last = MaxStrata;
        while (last > 0 && out.sheet0[std::size_t(last)][ColStratum].isEmpty())
            --last;
        if ((inUse > 1 || last > 1) && last > 0) {
            const auto& equations = out.sheet1[std::size_t(last)];
            skipOn(Gaps, [&] {
                out.optimal[1][ColTotal] = displayText(leadingNumber(equations[ColOptimal]));
            });
            skipOn(Gaps, [&] {
                out.proportional[1][ColTotal] =
                    displayText(leadingNumber(equations[ColProportional]));
            });
        }
        fillAllocations(inUse, out);
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt
