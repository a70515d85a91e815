#include "log/log_sample_size_plan.h"

#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"
#include "shell/stratified_formulas.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::logest {

namespace {

// A mean as shown read as a number: its display rounding, 0 when it is empty.
double meanOf(const QString& text) {
    return text.isEmpty() ? 0 : CleanRound(text).toDouble();
}

// One run of the page: the inputs, the page as written so far and the strata in use.
class Plan {
  public:
    Plan(const PlanInputs& in, SamplePlan& out) : in_(in), out_(out) {
        for (int i = 1; i <= 4; ++i)
            if (!in.sizes.texts[std::size_t(i - 1)].isEmpty() &&
                !in.strata[std::size_t(i - 1)].stratum.isEmpty())
                strata_.push_back(i);
    }

    void compute() {
        // 1. The stratified means.
        const double Xm = meanOf(in_.metricMean);
        const double Xe = meanOf(in_.englishMean);
        // 2. The stratum rows.
        for (int i : strata_) {
            copyRow(i);
            writePerArea(i);
        }
        // 3. The desired absolute variance: a bound of 20 % of the mean.
        const double X = in_.metric || in_.formula == logcap::PercentCover ? Xm : Xe;
        const double t = leadingNumber(in_.tValue);
        s1(1, 4) = displayText(stratified::desiredVariance(X, t));
        writeTotals(X, t);
        // 5 and 6. Fewer than two strata: no design to allocate.
        if (strata_.size() < 2) {
            out_.tooFewStrata = true;
            return;
        }
        allocate();
        writeLengths(out_.optimal, out_.optimalLength);
        writeLengths(out_.proportional, out_.proportionalLength);
    }

  private:
    QString& s0(int r, int c) { return out_.sheet0[std::size_t(r)][std::size_t(c)]; }
    QString& s1(int r, int c) { return out_.sheet1[std::size_t(r)][std::size_t(c)]; }

    // The size of a stratum in use; a size that is no number raises 13.
    double sizeOf(int i) const {
        const std::optional<double>& size = in_.sizes.values[std::size_t(i - 1)];
        if (!size)
            raise(err::TypeMismatch);
        return *size;
    }

    // The length of the level a text names; nothing for any other text.
    std::optional<float> lengthOf(const QString& name) const {
        const int k = levelOfName(name);
        if (k < 0)
            return std::nullopt;
        return in_.levelLengths[std::size_t(k)];
    }

    // Row i: the stratum, its size and weight, level, unit length or plot area
    // and the per-unit average and deviation of the stratified sheet.
    void copyRow(int i) {
        const PlanStratum& row = in_.strata[std::size_t(i - 1)];
        const double size = sizeOf(i);
        s0(i, 0) = row.stratum;
        s0(i, 1) = in_.sizes.texts[std::size_t(i - 1)];
        s0(i, 2) =
            size >= 0 ? displayText(stratified::stratumWeight(size, in_.totalSize)) : QString();
        s0(i, 3) = row.levelName;
        const std::optional<float> L = lengthOf(s0(i, 3));
        if (in_.lim && in_.formula != logcap::Tally) {
            s0(i, 4) = L ? singleText(*L) : QString();
            s0(i, 5) = row.average;
            s1(i, 0) = row.deviation;
            return;
        }
        s0(i, 4) = L ? singleText(stripArea(*L, in_.metric)) : QString();
        if (in_.lim) { // a tally's strip, its area unrounded
            s0(i, 5) = numberText(areaUnits(toDouble(s0(i, 4)), in_.metric));
            s0(i, 6) = row.average;
            s1(i, 0) = row.deviation;
        } else {
            s0(i, 5) = displayText(areaUnits(leadingNumber(s0(i, 4)), in_.metric));
            s0(i, 6) = cleanRoundText(row.average);
            s1(i, 0) = cleanRoundText(row.deviation);
        }
    }

    // Row i: the per-area mean, standard deviation and variance.
    void writePerArea(int i) {
        QString mean, deviation;
        if (in_.lim) {
            const double P = leadingNumber(s0(i, 4));
            const double a = leadingNumber(s0(i, in_.formula == logcap::Tally ? 6 : 5));
            const double s = leadingNumber(s1(i, 0));
            if (const auto F = lineIntersectFactor(in_.formula, in_.metric, P)) {
                if (a >= 0)
                    mean = displayText(checked::mul(*F, a));
                if (s >= 0)
                    deviation = displayText(checked::mul(*F, s));
            }
        } else {
            const double A = leadingNumber(s0(i, 4));
            const Formula f = in_.percentCoverItem ? logcap::PercentCover : in_.formula;
            const double G = stripPlotFactor(f, in_.metric);
            const double average = leadingNumber(s0(i, 6));
            if (average >= 0)
                mean = displayText(stripPerArea(average, A, G));
            if (CleanRound(s1(i, 0)).toDouble() >= 0)
                deviation = displayText(stripPerArea(leadingNumber(s1(i, 0)), A, G));
        }
        s1(i, 1) = mean;
        s1(i, 2) = deviation;
        s1(i, 3) =
            sizeOf(i) >= 0 ? displayText(stratified::squared(toDouble(s1(i, 2)))) : QString();
    }

    // 4. The total sample size of the strata in use 1 to k, on each row k after
    // the first stratum in use.
    void writeTotals(double X, double t) {
        const double D = leadingNumber(s1(1, 4));
        for (std::size_t j = 1; j < strata_.size(); ++j) {
            std::vector<double> W, S, V;
            for (std::size_t h = 0; h <= j; ++h) {
                W.push_back(leadingNumber(s0(strata_[h], 2)));
                S.push_back(leadingNumber(s1(strata_[h], 2)));
                V.push_back(leadingNumber(s1(strata_[h], 3)));
            }
            const int k = strata_[j];
            s1(k, 5) = displayText(stratified::optimalSampleSize(W, S, V, D, in_.totalSize));
            s1(k, 6) = displayText(stratified::proportionalSampleSize(W, V, t, X));
        }
    }

    // 6 and 7. The totals of the whole design, and the units of each stratum
    // rounded up.
    void allocate() {
        auto& optimal = out_.optimal;
        auto& proportional = out_.proportional;
        const int k = strata_.back();
        optimal[1][0] = numberText(roundHalfEven(toDouble(s1(k, 5)), 0));
        proportional[1][0] = numberText(roundHalfEven(toDouble(s1(k, 6)), 0));

        const double nOptimal = leadingNumber(optimal[1][0]);
        const double nProportional = leadingNumber(proportional[1][0]);
        double sumSizeSd = 0;
        for (int j : strata_)
            sumSizeSd = checked::add(sumSizeSd, checked::mul(sizeOf(j), leadingNumber(s1(j, 2))));
        for (int h : strata_) {
            const double share =
                stratified::optimalShare(nOptimal, sizeOf(h), leadingNumber(s1(h, 2)), sumSizeSd);
            optimal[std::size_t(h)][2] = numberText(RoundUp(share, 0));
            const double proportionalUnits =
                stratified::proportionalShare(nProportional, leadingNumber(s0(h, 2)));
            proportional[std::size_t(h)][2] = numberText(RoundUp(proportionalUnits, 0));
        }
    }

    // 8. The transect length of each stratum and their sum.
    void writeLengths(std::array<std::array<QString, 4>, 5>& grid, QString& total) {
        total = u"0"_s;
        for (int h : strata_) {
            auto& row = grid[std::size_t(h)];
            if (const auto L = lengthOf(s0(h, 3)))
                row[3] = displayText(checked::mul(toDouble(row[2]), *L));
            total = displayText(checked::add(leadingNumber(row[3]), leadingNumber(total)));
        }
    }

    const PlanInputs& in_;
    SamplePlan& out_;
    std::vector<int> strata_; // the strata in use, in order
};

} // namespace

SamplePlan samplePlan(const PlanInputs& in) {
    SamplePlan out;
    // The allocation grids number their four stratum rows whether the stratum
    // is in use or not.
    for (int h = 1; h <= 4; ++h) {
        out.optimal[std::size_t(h)][1] = numberText(h);
        out.proportional[std::size_t(h)][1] = numberText(h);
    }
    try {
        Plan(in, out).compute();
    } catch (const RuntimeError& e) {
        out.error = e;
    }
    return out;
}

} // namespace vernalt::logest
