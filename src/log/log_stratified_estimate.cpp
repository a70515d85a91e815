#include "log/log_stratified_estimate.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/stratified_formulas.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::logest {

namespace {

// A step that divides by zero or reads an empty cell or a word as a number is
// left empty; the estimate goes on with the next one.
template <class F> void step(F&& statement) {
    skipOn({err::DivisionByZero, err::TypeMismatch}, std::forward<F>(statement));
}

// One run of the estimate: the inputs, the sheet as written so far and the
// sizes of the strata in use.
class Sheet {
  public:
    Sheet(const StratifiedInputs& in, StratifiedEstimate& out)
        : in_(in), out_(out), col_(stratifiedColumns(in.lim)),
          metricFirst_(in.metric || in.formula == logcap::PercentCover),
          total_(stratifiedTotal(in)) {}

    void compute() {
        int counted = 0, last = 0;
        for (int i = 1; i <= 4; ++i) {
            if (!stratumInUse(in_, i))
                continue;
            writeRow(i);
            last = i;
            if (++counted >= 2)
                writeEquations(i);
        }
        if (counted < 2)
            out_.tooFewStrata = true;
        else
            writeFigures(last);
    }

  private:
    QString& cell(int i, int c) const { return out_.rows[std::size_t(i - 1)][std::size_t(c)]; }
    double size(int i) const { return *in_.sizes.values[std::size_t(i - 1)]; }

    void writeRow(int i) {
        const StratumInputs& s = in_.strata[std::size_t(i - 1)];
        const float L = s.length;
        cell(i, 0) = numberText(i);
        cell(i, 1) = s.levelName;
        if (in_.lim) {
            step([&] {
                // English percent cover is measured along the line in inches.
                const float length =
                    !in_.metric && in_.formula == logcap::PercentCover ? L * 12 : L;
                cell(i, col_.length) = singleText(length);
            });
        } else {
            step([&] { cell(i, col_.plotArea) = displayText(double(stripArea(L, in_.metric))); });
            step([&] { cell(i, col_.plotAreaUnits) = displayText(stripAreaUnits(L, in_.metric)); });
        }
        cell(i, col_.average) = cleanRoundText(s.average);
        cell(i, col_.deviation) = cleanRoundText(s.deviation);
        if (in_.lim)
            cell(i, col_.estimate) = metricFirst_ ? s.meanMetric : s.meanEnglish;
        else
            step([&] { cell(i, col_.estimate) = stripMean(i); });
        cell(i, col_.variance) = cleanRoundText(s.variance);
        step([&] {
            cell(i, col_.weight) =
                size(i) > 0 ? displayText(stratified::stratumWeight(size(i), total_)) : QString();
        });
        cell(i, col_.count) = cleanRoundText(s.count);
    }

    // The per-area mean of a strip-plot row: average / plot area x G, 0 without
    // a deviation.
    QString stripMean(int i) const {
        if (!(leadingNumber(cell(i, col_.deviation)) > 0))
            return u"0"_s;
        const Formula f = in_.percentCoverItem ? logcap::PercentCover : in_.formula;
        return displayText(stripPerArea(leadingNumber(cell(i, col_.average)),
                                        leadingNumber(cell(i, col_.plotArea)),
                                        stripPlotFactor(f, in_.metric)));
    }

    // The stratified mean and variance of the strata in use 1 to i.
    void writeEquations(int i) {
        step([&] {
            std::vector<double> sizes, means;
            for (int h = 1; h <= i; ++h)
                if (stratumInUse(in_, h)) {
                    sizes.push_back(size(h));
                    means.push_back(toDouble(cell(h, col_.estimate)));
                }
            cell(i, col_.meanEquation) =
                displayText(stratified::stratifiedMean(sizes, means, total_));
        });
        step([&] {
            double sum = 0;
            for (int h = 1; h <= i; ++h)
                if (stratumInUse(in_, h))
                    sum = checked::add(sum, varianceTerm(h));
            cell(i, col_.varianceEquation) = displayText(sum);
        });
    }

    // A stratum's share of the stratified variance: W^2 s^2 / n, for strip plots
    // times the correction 1 - n / (N / a).
    double varianceTerm(int h) const {
        const double W = toDouble(cell(h, col_.weight));
        const double s2 = toDouble(cell(h, col_.variance));
        const double n = toDouble(cell(h, col_.count));
        const double fpc = in_.lim ? 1
                                   : stratified::finitePopulationCorrection(
                                         n, size(h), toDouble(cell(h, col_.plotAreaUnits)));
        return stratified::varianceTerm(W, s2, n, fpc);
    }

    // The stratified figures from the equations of row `last`.
    void writeFigures(int last) {
        const QString& meanEquation = cell(last, col_.meanEquation);
        const std::optional<double> factor = englishFactor(in_.formula);
        out_.englishShown = true;
        if (metricFirst_)
            out_.metricFigure = meanEquation;
        else if (factor)
            step([&] {
                out_.metricFigure = displayText(toMetric(toDouble(meanEquation), *factor));
            });
        out_.variance = cell(last, col_.varianceEquation);
        step([&] {
            out_.standardError = displayText(stratified::standardError(toDouble(out_.variance)));
        });
        step([&] {
            out_.bound =
                displayText(stratified::bound(toDouble(in_.tValue), toDouble(out_.standardError)));
        });
        if (const std::optional<FigureTitles> titles = stratifiedTitles(in_.formula)) {
            if (factor) {
                step([&] {
                    const QString& m = out_.metricFigure;
                    const bool holds =
                        in_.formula == logcap::Tally ? !m.isEmpty() : toDouble(m) > 0;
                    out_.englishFigure =
                        holds ? displayText(toEnglish(toDouble(m), *factor)) : u"0"_s;
                });
                out_.englishTitle = titles->english;
            } else {
                out_.englishShown = false;
            }
            out_.metricTitle = titles->metric;
        }
        writeLimits(metricFirst_ ? out_.metricFigure : out_.englishFigure);
    }

    // Limits and precision around the figure of the current unit system; a bound
    // that could not be computed leaves them empty.
    void writeLimits(const QString& base) {
        step([&] {
            const double B = toDouble(out_.bound);
            const double X = leadingNumber(base);
            step([&] { out_.upperLimit = displayText(stratified::upperLimit(X, B)); });
            step([&] { out_.lowerLimit = displayText(stratified::lowerLimit(X, B)); });
            step([&] {
                out_.precision =
                    toDouble(base) > 0 ? displayText(stratified::precisionPercent(B, X)) : u"0"_s;
            });
        });
    }

    const StratifiedInputs& in_;
    StratifiedEstimate& out_;
    const StratifiedColumns col_;
    const bool metricFirst_;
    const float total_; // the total area of the strata in use
};

} // namespace

StratumSizes readStratumSizes(const std::array<QString, 4>& texts) {
    StratumSizes sizes;
    sizes.texts = texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        if (isNumeric(cleanText(texts[k])))
            sizes.values[k] = stratified::stratumSize(texts[k]);
    return sizes;
}

StratifiedColumns stratifiedColumns(bool lim) {
    if (lim)
        return {2, -1, -1, 3, 4, 5, 6, 7, 8, 9, 10};
    return {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
}

bool stratumInUse(const StratifiedInputs& in, int stratum) {
    const auto k = std::size_t(stratum - 1);
    return in.sizes.values[k] && in.strata[k].level > 0;
}

float stratifiedTotal(const StratifiedInputs& in) {
    double total = 0;
    for (int k = 1; k <= 4; ++k)
        if (stratumInUse(in, k))
            total = checked::add(total, *in.sizes.values[std::size_t(k - 1)]);
    return float(total);
}

StratifiedEstimate stratifiedEstimate(const StratifiedInputs& in) {
    StratifiedEstimate out;
    try {
        Sheet(in, out).compute();
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt::logest
