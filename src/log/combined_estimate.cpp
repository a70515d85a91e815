#include "log/combined_estimate.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/stratified_formulas.h"

#include <cstddef>

using namespace Qt::StringLiterals;

namespace vernalt::combined {

namespace {

using namespace stratified;

// An overflow, a division by zero or a type mismatch leaves one box empty.
constexpr std::initializer_list<int> Gaps = {err::Overflow, err::DivisionByZero, err::TypeMismatch};

// Checked sum of `read(h)` over the strata in use.
template <class F> double sumInUse(const EstimateInputs& in, F&& read) {
    double sum = 0;
    for (std::size_t h = 0; h < 4; ++h)
        if (inUse(in.strata[h].name))
            sum = checked::add(sum, read(in.strata[h]));
    return sum;
}

// Running row k: the mean and variance over the strata in use among rows 0 to k.
void runningRow(const EstimateInputs& in, std::size_t k, EstimatePage& p) {
    skipOn(Gaps, [&] {
        std::vector<double> sizes, estimates;
        for (std::size_t h = 0; h <= k; ++h) {
            const EstimateStratum& s = in.strata[h];
            if (!inUse(s.name))
                continue;
            sizes.push_back(requiredSize(s.size));
            estimates.push_back(toDouble(s.estimate));
        }
        p.means[k] = displayText(stratifiedMean(sizes, estimates, toDouble(p.totalSize)));
    });
    skipOn(Gaps, [&] {
        std::vector<double> weights, variances, samples;
        for (std::size_t h = 0; h <= k; ++h) {
            const EstimateStratum& s = in.strata[h];
            if (!inUse(s.name))
                continue;
            weights.push_back(toDouble(p.weights[h]));
            variances.push_back(toDouble(s.variance));
            samples.push_back(toDouble(s.sampleSize));
        }
        p.variances[k] = displayText(stratifiedVariance(weights, variances, samples));
    });
}

} // namespace

bool inUse(const QString& name) {
    return !name.isEmpty();
}

int currentRow(const std::array<QString, 4>& names) {
    int m = 3;
    while (m > 0 && !inUse(names[std::size_t(m)]))
        --m;
    return m;
}

double requiredSize(const QString& text) {
    if (cleanText(text).isEmpty())
        raise(err::TypeMismatch);
    return stratumSize(text);
}

double stratifiedVariance(const std::vector<double>& weights, const std::vector<double>& variances,
                          const std::vector<double>& sampleSizes) {
    double sum = 0;
    for (std::size_t h = 0; h < weights.size() && h < variances.size() && h < sampleSizes.size();
         ++h)
        sum = checked::add(sum, varianceTerm(weights[h], variances[h], sampleSizes[h], 1));
    return sum;
}

EstimatePage estimatePage(const EstimateInputs& in) {
    EstimatePage p;
    std::array<QString, 4> names;
    bool anyInUse = false;
    for (std::size_t h = 0; h < 4; ++h) {
        names[h] = in.strata[h].name;
        anyInUse = anyInUse || inUse(names[h]);
    }
    // With no stratum named there is nothing to total, weigh or estimate.
    if (!anyInUse)
        return p;
    try {
        skipOn(Gaps, [&] {
            p.totalSize = numberText(
                sumInUse(in, [](const EstimateStratum& s) { return stratumSize(s.size); }));
        });
        skipOn(Gaps, [&] {
            p.totalSamples = numberText(sumInUse(
                in, [](const EstimateStratum& s) { return NzZero(s.sampleSize).toDouble(); }));
        });
        for (std::size_t h = 0; h < 4; ++h) {
            const EstimateStratum& s = in.strata[h];
            if (!inUse(s.name) || s.size.isEmpty())
                continue;
            skipOn(Gaps, [&] {
                p.weights[h] =
                    displayText(stratumWeight(stratumSize(s.size), toDouble(p.totalSize)));
            });
        }
        for (std::size_t k = 1; k < 4; ++k)
            if (inUse(in.strata[k].name) && !in.strata[k].size.isEmpty())
                runningRow(in, k, p);

        const auto m = std::size_t(currentRow(names));
        p.estimate = cleanRoundText(p.means[m]);
        p.variance = cleanRoundText(p.variances[m]);
        skipOn(Gaps, [&] { p.standardError = displayText(standardError(toDouble(p.variance))); });
        skipOn(Gaps, [&] {
            p.bound = displayText(bound(leadingNumber(in.tValue), toDouble(p.standardError)));
        });
        skipOn(Gaps, [&] {
            p.upperLimit = displayText(upperLimit(toDouble(p.estimate), toDouble(p.bound)));
        });
        skipOn(Gaps, [&] {
            p.lowerLimit = displayText(lowerLimit(toDouble(p.estimate), toDouble(p.bound)));
        });
        skipOn(Gaps, [&] {
            const double x = toDouble(p.estimate);
            p.precision = x > 0 ? displayText(precisionPercent(toDouble(p.bound), x)) : u"0"_s;
        });
    } catch (const RuntimeError& e) {
        p.error = e;
    }
    return p;
}

} // namespace vernalt::combined
