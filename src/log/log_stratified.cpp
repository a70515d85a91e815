// The stratified estimate of the Formula page: "Stratified" writes one row per
// stratum in use (a stratum with a size and a level) with its statistics,
// weight and the running stratified mean and variance, then the stratified
// mean in both unit systems with its variance, standard error, bound, limits
// and precision, and ends with the sample size (SampleSize).
//
// The strata in use alone take part: the total area is the sum of their sizes,
// each read as the number its text gives once "," and "$" are removed, and the
// rows of the other strata are emptied.
#include "log/frmMainLog.h"
#include "log/log_estimate_formulas.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
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

// A step that divides by zero or reads an empty cell or a word as a number is
// left empty; the run goes on with the next one. Any other error ends the run.
template <class F> void step(F&& statement) {
    skipOn({err::DivisionByZero, err::TypeMismatch}, std::forward<F>(statement));
}

QString shown(double x) {
    return cleanRoundText(Value(x));
}

bool holdsNumber(const QString& text) {
    return isNumeric(cleanText(text));
}

// Columns of a stratum row: line intersect, strip plots (-1: none).
struct StratifiedColumns {
    int length, plotArea, plotAreaUnits, average, deviation, estimate, variance, weight, count,
        meanEquation, varianceEquation;
};
constexpr StratifiedColumns kLineColumns{2, -1, -1, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr StratifiedColumns kStripColumns{-1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The level of a stratum: the automatic choice or the one its menu imposes; 0 = none.
int stratumLevel(frmMainLog& w, int k) {
    const std::array<QAction*, 5>& items = w.selectionItems(k);
    if (items[0]->isChecked()) {
        std::array<bool, 4> used{};
        std::array<QString, 4> distances;
        for (int r = 1; r <= 4; ++r) {
            used[std::size_t(r - 1)] = w.mnuUseLength[std::size_t(r - 1)]->isChecked();
            distances[std::size_t(r - 1)] = w.grdOptimal2[std::size_t(k)]->text(r, 0);
        }
        return logest::automaticLevel(used, distances);
    }
    int level = 0;
    for (int r = 1; r <= 4; ++r)
        if (items[std::size_t(r)]->isChecked())
            level = r;
    return level;
}

// A sheet has statistics when any level has an average: a level left out of
// the statistics (Subsegment unchecked, say) leaves its row empty.
bool hasStatistics(const Grid& stats) {
    for (int r = 1; r <= 4; ++r)
        if (!stats.text(r, 0).isEmpty())
            return true;
    return false;
}

// Steps 1 and 2: at least one size, every size a number, and statistics for
// every stratum with a size. False (after its message) when a check fails.
bool sizesReady(frmMainLog& w) {
    bool anySize = false;
    for (int k = 1; k <= 4; ++k)
        anySize = anySize || holdsNumber(w.txtLandscapeArea[std::size_t(k)]->text());
    if (!anySize) {
        prompts().message(u"Please enter a value into the Stratum Size."_s,
                          u"Error - Stratum Size"_s);
        w.ssTabFormula->setCurrentIndex(1);
        w.txtLandscapeArea[1]->setFocus();
        return false;
    }
    for (int k = 1; k <= 4; ++k) {
        const QString size = w.txtLandscapeArea[std::size_t(k)]->text();
        if (size.isEmpty())
            continue;
        if (!holdsNumber(size)) {
            prompts().message(
                u"Please enter the stratum size for each stratum to calculate with"_s);
            return false;
        }
        if (!hasStatistics(*w.grdOptimal[std::size_t(k)])) {
            prompts().message(u"Please calculate subtotals for Stratum "_s + numberText(k));
            return false;
        }
    }
    return true;
}

// One run of the stratified estimate over the window's controls.
class StratifiedRun {
  public:
    explicit StratifiedRun(frmMainLog& w)
        : w_(w), lim_(w.mnuLIM->isChecked()), metric_(w.mnuMetric->isChecked()),
          formula_(logcap::formulaOfCaption(w.ssTabMain->tabText(frmMainLog::PageFormula))),
          metricFirst_(metric_ || formula_ == logcap::PercentCover),
          col_(lim_ ? kLineColumns : kStripColumns), sheet_(w.grdFormulaStratified) {}

    // Step 3: the level of each stratum with a size; those with a level are in
    // use and their sizes make the total area.
    void chooseLevels() {
        double total = 0;
        for (int k = 1; k <= 4; ++k) {
            const QString text = w_.txtLandscapeArea[std::size_t(k)]->text();
            if (!holdsNumber(text))
                continue;
            level_[std::size_t(k)] = stratumLevel(w_, k);
            if (inUse(k)) {
                size_[std::size_t(k)] = stratified::stratumSize(text);
                total = checked::add(total, size_[std::size_t(k)]);
            }
        }
        total_ = float(total);
    }
    float total() const { return total_; }

    // The results of an earlier run go first.
    void emptyResults() {
        for (int i = 1; i <= 4; ++i)
            for (int c = 0; c < sheet_->cols(); ++c)
                sheet_->setText(i, c, QString());
        for (QLabel* l :
             {w_.lblStratifiedMetricFormula, w_.lblStratifiedEnglishFormula, w_.lblStratifiedVar,
              w_.lblStratifiedS, w_.lblStratifiedBound, w_.lblStratifiedUpperLimit,
              w_.lblStratifiedLowerLimit, w_.lblStratifiedPrecision})
            l->clear();
    }

    // Steps 4 to 7: the rows of the strata in use, each after the first with the
    // equations of the strata up to it, then the figures of the last one.
    void compute() {
        int counted = 0, last = 0;
        for (int i = 1; i <= 4; ++i) {
            if (!inUse(i))
                continue;
            writeRow(i);
            last = i;
            if (++counted >= 2)
                writeEquations(i);
        }
        if (counted < 2)
            prompts().message(u"Please use a non-stratified equation"_s);
        else
            writeFigures(last);
    }

  private:
    bool inUse(int i) const { return level_[std::size_t(i)] > 0; }

    void writeRow(int i) {
        const int r = level_[std::size_t(i)];
        const float L = w_.LevelLengths[std::size_t(r - 1)];
        const Grid* stats = w_.grdOptimal[std::size_t(i)];
        sheet_->setText(i, 0, numberText(i));
        sheet_->setText(i, 1, w_.LevelNames[std::size_t(r - 1)]);
        if (lim_) {
            step([&] {
                const float length = !metric_ && formula_ == logcap::PercentCover ? L * 12 : L;
                sheet_->setText(i, col_.length, singleText(length));
            });
        } else {
            step([&] { sheet_->setText(i, col_.plotArea, shown(logest::stripArea(L, metric_))); });
            step([&] {
                sheet_->setText(i, col_.plotAreaUnits, shown(logest::stripAreaUnits(L, metric_)));
            });
        }
        sheet_->setText(i, col_.average, cleanRoundText(stats->text(r, 0)));
        sheet_->setText(i, col_.deviation, cleanRoundText(stats->text(r, 1)));
        if (lim_)
            sheet_->setText(i, col_.estimate,
                            metricFirst_ ? w_.LevelMeanMetric[std::size_t(i)][std::size_t(r)]
                                         : w_.LevelMeanEnglish[std::size_t(i)][std::size_t(r)]);
        else
            step([&] { sheet_->setText(i, col_.estimate, stripMean(i)); });
        sheet_->setText(i, col_.variance, cleanRoundText(stats->text(r, 3)));
        step([&] {
            const double s = size_[std::size_t(i)];
            sheet_->setText(i, col_.weight,
                            s > 0 ? shown(stratified::stratumWeight(s, total_)) : QString());
        });
        sheet_->setText(i, col_.count, cleanRoundText(w_.grdOptimal2[std::size_t(i)]->text(r, 2)));
    }

    // The per-area mean of a strip-plot row: average / plot area x G, 0 without
    // a deviation.
    QString stripMean(int i) const {
        if (!(leadingNumber(sheet_->text(i, col_.deviation)) > 0))
            return u"0"_s;
        const Formula f = w_.mnuPercentCover->isChecked() ? logcap::PercentCover : formula_;
        return shown(logest::stripPerArea(leadingNumber(sheet_->text(i, col_.average)),
                                          leadingNumber(sheet_->text(i, col_.plotArea)),
                                          logest::stripPlotFactor(f, metric_)));
    }

    // Step 5: the stratified mean and variance of the strata in use 1 to i.
    void writeEquations(int i) {
        step([&] {
            std::vector<double> sizes, means;
            for (int h = 1; h <= i; ++h)
                if (inUse(h)) {
                    sizes.push_back(size_[std::size_t(h)]);
                    means.push_back(toDouble(sheet_->text(h, col_.estimate)));
                }
            sheet_->setText(i, col_.meanEquation,
                            shown(stratified::stratifiedMean(sizes, means, total_)));
        });
        step([&] {
            double sum = 0;
            for (int h = 1; h <= i; ++h)
                if (inUse(h))
                    sum = checked::add(sum, varianceTerm(h));
            sheet_->setText(i, col_.varianceEquation, shown(sum));
        });
    }

    // A stratum's share of the stratified variance: W^2 s^2 / n, for strip plots
    // times the correction 1 - n / (N / a).
    double varianceTerm(int h) const {
        const double W = toDouble(sheet_->text(h, col_.weight));
        const double s2 = toDouble(sheet_->text(h, col_.variance));
        const double n = toDouble(sheet_->text(h, col_.count));
        const double fpc =
            lim_ ? 1
                 : stratified::finitePopulationCorrection(
                       n, size_[std::size_t(h)], toDouble(sheet_->text(h, col_.plotAreaUnits)));
        return stratified::varianceTerm(W, s2, n, fpc);
    }

    // Step 7: the stratified figures from the equations of row `last`.
    void writeFigures(int last) {
        const QString meanEquation = sheet_->text(last, col_.meanEquation);
        const std::optional<double> factor = logest::englishFactor(formula_);
        w_.lblStratifiedEnglishTitle->setVisible(true);
        w_.lblStratifiedEnglishFormula->setVisible(true);
        if (metricFirst_)
            w_.lblStratifiedMetricFormula->setText(meanEquation);
        else if (factor)
            step([&] {
                w_.lblStratifiedMetricFormula->setText(
                    shown(logest::toMetric(toDouble(meanEquation), *factor)));
            });
        w_.lblStratifiedVar->setText(sheet_->text(last, col_.varianceEquation));
        step([&] {
            w_.lblStratifiedS->setText(
                shown(stratified::standardError(toDouble(w_.lblStratifiedVar->text()))));
        });
        step([&] {
            w_.lblStratifiedBound->setText(shown(stratified::bound(
                toDouble(w_.txtTvalue->text()), toDouble(w_.lblStratifiedS->text()))));
        });
        if (const auto titles = logest::stratifiedTitles(formula_)) {
            if (factor) {
                step([&] {
                    const QString m = w_.lblStratifiedMetricFormula->text();
                    const bool holds = formula_ == logcap::Tally ? !m.isEmpty() : toDouble(m) > 0;
                    w_.lblStratifiedEnglishFormula->setText(
                        holds ? shown(logest::toEnglish(toDouble(m), *factor)) : u"0"_s);
                });
                w_.lblStratifiedEnglishTitle->setText(titles->english);
            } else {
                w_.lblStratifiedEnglishFormula->setVisible(false);
                w_.lblStratifiedEnglishTitle->setVisible(false);
            }
            w_.lblStratifiedMetricTitle->setText(titles->metric);
        }
        writeLimits(metricFirst_ ? w_.lblStratifiedMetricFormula : w_.lblStratifiedEnglishFormula);
    }

    // Limits and precision around the figure of the current unit system; a bound
    // that could not be computed leaves them empty.
    void writeLimits(const QLabel* base) {
        step([&] {
            const double B = toDouble(w_.lblStratifiedBound->text());
            const double X = leadingNumber(base->text());
            step([&] { w_.lblStratifiedUpperLimit->setText(shown(stratified::upperLimit(X, B))); });
            step([&] { w_.lblStratifiedLowerLimit->setText(shown(stratified::lowerLimit(X, B))); });
            step([&] {
                w_.lblStratifiedPrecision->setText(toDouble(base->text()) > 0
                                                       ? shown(stratified::precisionPercent(B, X))
                                                       : u"0"_s);
            });
        });
    }

    frmMainLog& w_;
    const bool lim_, metric_;
    const Formula formula_;
    const bool metricFirst_;
    const StratifiedColumns col_;
    Grid* sheet_;
    std::array<int, 5> level_{};   // the level of stratum k (1 to 4), 0 = not in use
    std::array<double, 5> size_{}; // the size of stratum k in use
    float total_ = 0;              // the total area of the strata in use
};

} // namespace

void frmMainLog::cmdDefaultStratified_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultStratified_Click"_s), [this] {
        if (!sizesReady(*this))
            return;
        StratifiedRun run(*this);
        run.chooseLevels();
        run.emptyResults();
        run.compute();
        // The sample size follows from what is shown.
        SampleSize(run.total());
        setStatusText(u"Status: Estimates Calculated"_s);
    });
}

} // namespace vernalt
