#include "log/combined_sample_size.h"

#include "log/combined_estimate.h"
#include "log/log_estimate_formulas.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"
#include "shell/stratified_formulas.h"

#include <cstddef>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::combined {

namespace {

using namespace stratified;

// An overflow, a division by zero or a type mismatch leaves one box or cell empty.
constexpr std::initializer_list<int> Gaps = {err::Overflow, err::DivisionByZero, err::TypeMismatch};

using Grid = std::array<std::array<QString, 4>, 5>;

// Stratum h of the page: its name filled in.
bool present(const SampleInputs& in, std::size_t h) {
    return inUse(in.strata[h].name);
}

// Row h of the stratum table: copies, weight, level, its length, S.
void fillRow(const SampleInputs& in, std::size_t h, SampleRow& row) {
    const SampleStratum& s = in.strata[h];
    row.stratum = s.name;
    row.size = s.size;
    skipOn(Gaps, [&] {
        const double size = requiredSize(row.size);
        const QString w = displayText(stratumWeight(size, leadingNumber(in.totalSize)));
        row.weight = size >= 0 ? w : QString();
    });
    row.plotDimensions = s.level;
    const int level = logest::levelOfName(s.level);
    if (level >= 0)
        row.plotLength = singleText(in.levelLengths[std::size_t(level)]);
    skipOn(Gaps, [&] { row.stdDev = displayText(standardError(toDouble(s.variance))); });
}

// W, S and Var of the present strata among 1 to k, as the page shows them.
struct Design {
    std::vector<double> weights, sds, variances;
};
Design design(const SampleInputs& in, const SamplePage& p, std::size_t k) {
    Design d;
    for (std::size_t h = 0; h < k; ++h) {
        if (!present(in, h))
            continue;
        d.weights.push_back(toDouble(p.rows[h].weight));
        d.sds.push_back(toDouble(p.rows[h].stdDev));
        d.variances.push_back(toDouble(in.strata[h].variance));
    }
    return d;
}

// The total of a grid: the design's total rounded half to even to a whole number.
void writeTotal(const QString& equation, Grid& g) {
    skipOn(Gaps, [&] { g[1][ColTotal] = numberText(roundHalfEven(toDouble(equation), 0)); });
}

// Column 3 of the present rows with a known level (samples x level length), and
// the total length as the running sum of what is shown, rounded at each step.
QString fillLengths(const SampleInputs& in, Grid& g) {
    QString total = u"0"_s;
    bool any = false;
    for (std::size_t i = 1; i <= 4; ++i) {
        const std::size_t h = i - 1;
        const int level = logest::levelOfName(in.strata[h].level);
        if (!present(in, h) || level < 0)
            continue;
        skipOn(Gaps, [&] {
            g[i][ColLength] = displayText(checked::mul(
                toDouble(g[i][ColSamples]), double(in.levelLengths[std::size_t(level)])));
        });
        if (g[i][ColLength].isEmpty())
            continue;
        any = true;
        skipOn(Gaps, [&] {
            total = displayText(checked::add(leadingNumber(total), leadingNumber(g[i][ColLength])));
        });
    }
    return any ? total : QString();
}

} // namespace

SamplePage samplePage(const SampleInputs& in) {
    SamplePage p;
    try {
        // The stratified mean; without one there is no desired variance.
        std::optional<double> x;
        skipOn(Gaps, [&] { x = rounded(in.estimate); });
        const auto mean = [&] {
            if (!x)
                raise(err::TypeMismatch);
            return *x;
        };

        for (std::size_t h = 0; h < 4; ++h)
            if (present(in, h))
                fillRow(in, h, p.rows[h]);

        skipOn(Gaps, [&] {
            p.desiredVariance = displayText(desiredVariance(mean(), leadingNumber(in.tValue)));
        });
        for (std::size_t k = 2; k <= 4; ++k) {
            if (!present(in, k - 1))
                continue;
            skipOn(Gaps, [&] {
                const Design d = design(in, p, k);
                p.optimalEquations[k - 1] = displayText(
                    optimalSampleSize(d.weights, d.sds, d.variances, toDouble(p.desiredVariance),
                                      toDouble(in.totalSize)));
            });
        }
        for (std::size_t k = 2; k <= 4; ++k) {
            if (!present(in, k - 1))
                continue;
            skipOn(Gaps, [&] {
                const Design d = design(in, p, k);
                p.proportionalEquations[k - 1] = displayText(
                    proportionalSampleSize(d.weights, d.variances, toDouble(in.tValue), mean()));
            });
        }

        for (std::size_t i = 1; i <= 4; ++i) {
            p.optimal[i][ColStratumNumber] = numberText(double(i));
            p.proportional[i][ColStratumNumber] = numberText(double(i));
        }

        // The design entered ends at the last named of strata 2 to 4; one
        // stratum alone has no total.
        std::array<QString, 4> names;
        for (std::size_t h = 0; h < 4; ++h)
            names[h] = in.strata[h].name;
        const auto m = std::size_t(currentRow(names));
        if (m > 0) {
            writeTotal(p.optimalEquations[m], p.optimal);
            writeTotal(p.proportionalEquations[m], p.proportional);
        }

        // A stratum not in the design gets no samples.
        for (std::size_t r = 1; r <= 4; ++r) {
            const std::size_t h = r - 1;
            if (!present(in, h)) {
                p.optimal[r][ColSamples] = numberText(0);
                continue;
            }
            skipOn(Gaps, [&] {
                const double n = toDouble(p.optimal[1][ColTotal]);
                double sumSizeSd = 0;
                for (std::size_t g = 0; g < 4; ++g)
                    if (present(in, g))
                        sumSizeSd =
                            checked::add(sumSizeSd, checked::mul(stratumSize(p.rows[g].size),
                                                                 toDouble(p.rows[g].stdDev)));
                const double share = optimalShare(n, stratumSize(p.rows[h].size),
                                                  toDouble(p.rows[h].stdDev), sumSizeSd);
                p.optimal[r][ColSamples] = numberText(RoundUp(share, 0));
            });
        }
        for (std::size_t r = 1; r <= 4; ++r) {
            const std::size_t h = r - 1;
            if (!present(in, h)) {
                p.proportional[r][ColSamples] = numberText(0);
                continue;
            }
            skipOn(Gaps, [&] {
                const double share = proportionalShare(toDouble(p.proportional[1][ColTotal]),
                                                       toDouble(p.rows[h].weight));
                p.proportional[r][ColSamples] = numberText(RoundUp(share, 0));
            });
        }

        p.optimalTotalLength = fillLengths(in, p.optimal);
        p.proportionalTotalLength = fillLengths(in, p.proportional);
    } catch (const RuntimeError& e) {
        p.error = e;
    }
    return p;
}

} // namespace vernalt::combined
