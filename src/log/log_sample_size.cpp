// The Sample Size page: SampleSize, run at the end of the stratified estimate,
// finds the number of sampling units needed for a bound of 20 % of the
// stratified mean under optimal and proportional allocation, the units of each
// stratum and the transect length they need.
//
// Every cell is computed from the texts written before it. The strata in use
// are those the stratified sheet shows a row for; they alone are written,
// summed and allocated (the allocation grids still number all four rows), and
// the page is emptied first. Any run-time error ends the page with the error
// report; what was written before it stays.
#include "log/frmMainLog.h"
#include "log/log_estimate_formulas.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"
#include "shell/stratified_formulas.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

using logcap::Formula;

QString shown(double x) {
    return cleanRoundText(Value(x));
}

// A mean label read as a number: its display rounding, 0 when it is empty.
double meanOfLabel(const QLabel* label) {
    return label->text().isEmpty() ? 0 : CleanRound(label->text()).toDouble();
}

void emptyRows(Grid* grid, int cols) {
    for (int r = 1; r <= 4 && r < grid->rows(); ++r)
        for (int c = 0; c < cols && c < grid->cols(); ++c)
            grid->setText(r, c, QString());
}

// One run of the sample size over the window's controls. s0 and s1 are the two
// per-stratum sheets, rows 1 to 4 strata 1 to 4.
class SampleSizeRun {
  public:
    SampleSizeRun(frmMainLog& w, double N)
        : w_(w), lim_(w.mnuLIM->isChecked()), metric_(w.mnuMetric->isChecked()),
          formula_(logcap::formulaOfCaption(w.ssTabMain->tabText(frmMainLog::PageFormula))), N_(N),
          s0_(w.grdSampleSize[0]), s1_(w.grdSampleSize[1]) {
        for (int i = 1; i <= 4; ++i)
            if (!w.txtLandscapeArea[std::size_t(i)]->text().isEmpty() &&
                !w.grdFormulaStratified->text(i, 0).isEmpty())
                strata_.push_back(i);
    }

    // The results of an earlier run go first; the allocation grids number
    // their four stratum rows whether the stratum is in use or not.
    void emptyPage() {
        emptyRows(s0_, 7);
        emptyRows(s1_, 7);
        for (Grid* allocation : {w_.grdOptimalAllocation, w_.grdProportionalAllocation}) {
            emptyRows(allocation, 4);
            for (int h = 1; h <= 4; ++h)
                allocation->setText(h, 1, numberText(h));
        }
        w_.lblOptTotalTransectLength->clear();
        w_.lblPropTotalTransectLength->clear();
    }

    void compute() {
        // 1. The stratified means.
        const double Xm = meanOfLabel(w_.lblStratifiedMetricFormula);
        const double Xe = meanOfLabel(w_.lblStratifiedEnglishFormula);
        // 2. The stratum rows.
        for (int i : strata_) {
            copyRow(i);
            writePerArea(i);
        }
        // 3. The desired absolute variance: a bound of 20 % of the mean.
        const double X = metric_ || formula_ == logcap::PercentCover ? Xm : Xe;
        const double t = leadingNumber(w_.txtTvalue->text());
        s1_->setText(1, 4, shown(stratified::desiredVariance(X, t)));
        writeTotals(X, t);
        // 5 and 6. Fewer than two strata: no design to allocate.
        if (strata_.size() < 2) {
            prompts().message(u"Please use a non-stratified equation"_s);
            return;
        }
        allocate();
        writeLengths(w_.grdOptimalAllocation, w_.lblOptTotalTransectLength);
        writeLengths(w_.grdProportionalAllocation, w_.lblPropTotalTransectLength);
    }

  private:
    // The length of the level a text names; nullopt for any other text.
    std::optional<float> lengthOf(const QString& name) const {
        const int k = logest::levelOfName(name);
        if (k < 0)
            return std::nullopt;
        return w_.LevelLengths[std::size_t(k)];
    }

    double sizeOf(int i) const {
        return stratified::stratumSize(w_.txtLandscapeArea[std::size_t(i)]->text());
    }

    // Row i: the stratum, its size and weight, level, unit length or plot area
    // and the per-unit average and deviation of the stratified sheet.
    void copyRow(int i) {
        const Grid* estimates = w_.grdFormulaStratified;
        const double size = sizeOf(i);
        s0_->setText(i, 0, estimates->text(i, 0));
        s0_->setText(i, 1, w_.txtLandscapeArea[std::size_t(i)]->text());
        s0_->setText(i, 2, size >= 0 ? shown(stratified::stratumWeight(size, N_)) : QString());
        s0_->setText(i, 3, estimates->text(i, 1));
        const std::optional<float> L = lengthOf(s0_->text(i, 3));
        if (lim_ && formula_ != logcap::Tally) {
            s0_->setText(i, 4, L ? singleText(*L) : QString());
            s0_->setText(i, 5, estimates->text(i, 3));
            s1_->setText(i, 0, estimates->text(i, 4));
            return;
        }
        s0_->setText(i, 4, L ? singleText(logest::stripArea(*L, metric_)) : QString());
        if (lim_) { // a tally's strip, its area unrounded
            s0_->setText(i, 5, numberText(logest::areaUnits(toDouble(s0_->text(i, 4)), metric_)));
            s0_->setText(i, 6, estimates->text(i, 3));
            s1_->setText(i, 0, estimates->text(i, 4));
        } else {
            s0_->setText(i, 5, shown(logest::areaUnits(leadingNumber(s0_->text(i, 4)), metric_)));
            s0_->setText(i, 6, cleanRoundText(estimates->text(i, 4)));
            s1_->setText(i, 0, cleanRoundText(estimates->text(i, 5)));
        }
    }

    // Row i: the per-area mean, standard deviation and variance.
    void writePerArea(int i) {
        QString mean, deviation;
        if (lim_) {
            const double P = leadingNumber(s0_->text(i, 4));
            const double a = leadingNumber(s0_->text(i, formula_ == logcap::Tally ? 6 : 5));
            const double s = leadingNumber(s1_->text(i, 0));
            if (const auto F = logest::lineIntersectFactor(formula_, metric_, P)) {
                if (a >= 0)
                    mean = shown(checked::mul(*F, a));
                if (s >= 0)
                    deviation = shown(checked::mul(*F, s));
            }
        } else {
            const double A = leadingNumber(s0_->text(i, 4));
            const Formula f = w_.mnuPercentCover->isChecked() ? logcap::PercentCover : formula_;
            const double G = logest::stripPlotFactor(f, metric_);
            const double average = leadingNumber(s0_->text(i, 6));
            if (average >= 0)
                mean = shown(logest::stripPerArea(average, A, G));
            if (CleanRound(s1_->text(i, 0)).toDouble() >= 0)
                deviation = shown(logest::stripPerArea(leadingNumber(s1_->text(i, 0)), A, G));
        }
        s1_->setText(i, 1, mean);
        s1_->setText(i, 2, deviation);
        s1_->setText(i, 3,
                     sizeOf(i) >= 0 ? shown(stratified::squared(toDouble(s1_->text(i, 2))))
                                    : QString());
    }

    // 4. The total sample size of the strata in use 1 to k, on each row k after
    // the first stratum in use.
    void writeTotals(double X, double t) {
        const double D = leadingNumber(s1_->text(1, 4));
        for (std::size_t j = 1; j < strata_.size(); ++j) {
            std::vector<double> W, S, V;
            for (std::size_t h = 0; h <= j; ++h) {
                W.push_back(leadingNumber(s0_->text(strata_[h], 2)));
                S.push_back(leadingNumber(s1_->text(strata_[h], 2)));
                V.push_back(leadingNumber(s1_->text(strata_[h], 3)));
            }
            const int k = strata_[j];
            s1_->setText(k, 5, shown(stratified::optimalSampleSize(W, S, V, D, N_)));
            s1_->setText(k, 6, shown(stratified::proportionalSampleSize(W, V, t, X)));
        }
    }

    // 6 and 7. The totals of the whole design, and the units of each stratum
    // rounded up.
    void allocate() {
        Grid* optimal = w_.grdOptimalAllocation;
        Grid* proportional = w_.grdProportionalAllocation;
        const int k = strata_.back();
        optimal->setText(1, 0, numberText(roundHalfEven(toDouble(s1_->text(k, 5)), 0)));
        proportional->setText(1, 0, numberText(roundHalfEven(toDouble(s1_->text(k, 6)), 0)));

        const double nOptimal = leadingNumber(optimal->text(1, 0));
        const double nProportional = leadingNumber(proportional->text(1, 0));
        double sumSizeSd = 0;
        for (int j : strata_)
            sumSizeSd =
                checked::add(sumSizeSd, checked::mul(sizeOf(j), leadingNumber(s1_->text(j, 2))));
        for (int h : strata_) {
            const double share = stratified::optimalShare(
                nOptimal, sizeOf(h), leadingNumber(s1_->text(h, 2)), sumSizeSd);
            optimal->setText(h, 2, numberText(RoundUp(share, 0)));
            const double proportionalUnits =
                stratified::proportionalShare(nProportional, leadingNumber(s0_->text(h, 2)));
            proportional->setText(h, 2, numberText(RoundUp(proportionalUnits, 0)));
        }
    }

    // 8. The transect length of each stratum and their sum.
    void writeLengths(Grid* grid, QLabel* total) {
        total->setText(u"0"_s);
        for (int h : strata_) {
            if (const auto L = lengthOf(s0_->text(h, 3)))
                grid->setText(h, 3, shown(checked::mul(toDouble(grid->text(h, 2)), *L)));
            total->setText(
                shown(checked::add(leadingNumber(grid->text(h, 3)), leadingNumber(total->text()))));
        }
    }

    frmMainLog& w_;
    const bool lim_, metric_;
    const Formula formula_;
    const double N_; // the total area of the strata in use
    Grid* s0_;
    Grid* s1_;
    std::vector<int> strata_; // the strata in use, in order
};

} // namespace

void frmMainLog::SampleSize(float TotalStratumSize) {
    trapped(prompts(), logProcedure(u"SampleSize"_s), [this, TotalStratumSize] {
        SampleSizeRun run(*this, TotalStratumSize);
        run.emptyPage();
        run.compute();
    });
}

} // namespace vernalt
