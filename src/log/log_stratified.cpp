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
#include "snag/stratified_formulas.h"

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

} // namespace

void frmMainLog::cmdDefaultStratified_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultStratified_Click"_s), [this] {
        // 1. At least one size, and every size a number.
        bool anySize = false;
        for (int k = 1; k <= 4; ++k)
            anySize = anySize || holdsNumber(txtLandscapeArea[std::size_t(k)]->text());
        if (!anySize) {
            prompts().message(u"Please enter a value into the Stratum Size."_s,
                              u"Error - Stratum Size"_s);
            ssTabFormula->setCurrentIndex(1);
            txtLandscapeArea[1]->setFocus();
            return;
        }
        // 2. Every stratum with a size has statistics.
        for (int k = 1; k <= 4; ++k) {
            const QString size = txtLandscapeArea[std::size_t(k)]->text();
            if (size.isEmpty())
                continue;
            if (!holdsNumber(size)) {
                prompts().message(
                    u"Please enter the stratum size for each stratum to calculate with"_s);
                return;
            }
            if (grdOptimal[std::size_t(k)]->text(1, 0).isEmpty()) {
                prompts().message(u"Please calculate subtotals for Stratum "_s + numberText(k));
                return;
            }
        }

        const bool lim = mnuLIM->isChecked();
        const bool metric = mnuMetric->isChecked();
        const Formula formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        const bool percentCover = mnuPercentCover->isChecked();
        const bool metricFirst = metric || formula == logcap::PercentCover;
        const StratifiedColumns col = lim ? kLineColumns : kStripColumns;
        Grid* sheet = grdFormulaStratified;

        // 3. The level of each stratum with a size, and the total area of those in use.
        std::array<int, 5> level{};
        std::array<double, 5> size{};
        double total = 0;
        for (int k = 1; k <= 4; ++k) {
            const QString text = txtLandscapeArea[std::size_t(k)]->text();
            if (!holdsNumber(text))
                continue;
            level[std::size_t(k)] = stratumLevel(*this, k);
            if (level[std::size_t(k)] > 0) {
                size[std::size_t(k)] = stratified::stratumSize(text);
                total = checked::add(total, size[std::size_t(k)]);
            }
        }
        const auto inUse = [&](int i) { return level[std::size_t(i)] > 0; };

        // The results of an earlier run go first.
        for (int i = 1; i <= 4; ++i)
            for (int c = 0; c < sheet->cols(); ++c)
                sheet->setText(i, c, QString());
        for (QLabel* l : {lblStratifiedMetricFormula, lblStratifiedEnglishFormula, lblStratifiedVar,
                          lblStratifiedS, lblStratifiedBound, lblStratifiedUpperLimit,
                          lblStratifiedLowerLimit, lblStratifiedPrecision})
            l->clear();

        // 4. The rows, each followed by the equations of the strata in use up to it.
        const float totalSingle = float(total);
        int counted = 0;
        int last = 0;
        for (int i = 1; i <= 4; ++i) {
            if (!inUse(i))
                continue;
            const int r = level[std::size_t(i)];
            const float L = LevelLengths[std::size_t(r - 1)];
            Grid* stats = grdOptimal[std::size_t(i)];
            sheet->setText(i, 0, numberText(i));
            sheet->setText(i, 1, LevelNames[std::size_t(r - 1)]);
            if (lim) {
                step([&] {
                    const float shownLength =
                        !metric && formula == logcap::PercentCover ? float(L * 12) : L;
                    sheet->setText(i, col.length, singleText(shownLength));
                });
            } else {
                step([&] { sheet->setText(i, col.plotArea, shown(logest::stripArea(L, metric))); });
                step([&] {
                    sheet->setText(i, col.plotAreaUnits, shown(logest::stripAreaUnits(L, metric)));
                });
            }
            sheet->setText(i, col.average, cleanRoundText(stats->text(r, 0)));
            sheet->setText(i, col.deviation, cleanRoundText(stats->text(r, 1)));
            if (lim) {
                sheet->setText(i, col.estimate,
                               metricFirst ? LevelMeanMetric[std::size_t(i)][std::size_t(r)]
                                           : LevelMeanEnglish[std::size_t(i)][std::size_t(r)]);
            } else {
                step([&] {
                    const double G = logest::stripPlotFactor(
                        percentCover ? logcap::PercentCover : formula, metric);
                    sheet->setText(i, col.estimate,
                                   leadingNumber(sheet->text(i, col.deviation)) > 0
                                       ? shown(logest::stripPerArea(
                                             leadingNumber(sheet->text(i, col.average)),
                                             leadingNumber(sheet->text(i, col.plotArea)), G))
                                       : u"0"_s);
                });
            }
            sheet->setText(i, col.variance, cleanRoundText(stats->text(r, 3)));
            step([&] {
                const double s = size[std::size_t(i)];
                sheet->setText(i, col.weight,
                               s > 0 ? shown(stratified::stratumWeight(s, totalSingle))
                                     : QString());
            });
            sheet->setText(i, col.count, cleanRoundText(grdOptimal2[std::size_t(i)]->text(r, 2)));
            last = i;
            if (++counted < 2)
                continue;

            // 5. The running equations over the strata in use 1 to i.
            step([&] {
                std::vector<double> sizes, means;
                for (int h = 1; h <= i; ++h)
                    if (inUse(h)) {
                        sizes.push_back(size[std::size_t(h)]);
                        means.push_back(toDouble(sheet->text(h, col.estimate)));
                    }
                sheet->setText(i, col.meanEquation,
                               shown(stratified::stratifiedMean(sizes, means, totalSingle)));
            });
            step([&] {
                double sum = 0;
                for (int h = 1; h <= i; ++h) {
                    if (!inUse(h))
                        continue;
                    const double W = toDouble(sheet->text(h, col.weight));
                    const double s2 = toDouble(sheet->text(h, col.variance));
                    const double n = toDouble(sheet->text(h, col.count));
                    const double fpc = lim ? 1
                                           : stratified::finitePopulationCorrection(
                                                 n, size[std::size_t(h)],
                                                 toDouble(sheet->text(h, col.plotAreaUnits)));
                    sum = checked::add(sum, stratified::varianceTerm(W, s2, n, fpc));
                }
                sheet->setText(i, col.varianceEquation, shown(sum));
            });
        }

        // 6. Fewer than two strata in use: no stratified figures.
        if (counted < 2) {
            prompts().message(u"Please use a non-stratified equation"_s);
        } else {
            // 7. The figures of the last stratum's equations.
            const QString meanEquation = sheet->text(last, col.meanEquation);
            const QString varianceEquation = sheet->text(last, col.varianceEquation);
            const std::optional<double> factor = logest::englishFactor(formula);
            lblStratifiedEnglishTitle->setVisible(true);
            lblStratifiedEnglishFormula->setVisible(true);
            if (metricFirst)
                lblStratifiedMetricFormula->setText(meanEquation);
            else if (factor)
                step([&] {
                    lblStratifiedMetricFormula->setText(
                        shown(logest::toMetric(toDouble(meanEquation), *factor)));
                });
            lblStratifiedVar->setText(varianceEquation);
            step([&] {
                lblStratifiedS->setText(
                    shown(stratified::standardError(toDouble(lblStratifiedVar->text()))));
            });
            step([&] {
                lblStratifiedBound->setText(shown(stratified::bound(
                    toDouble(txtTvalue->text()), toDouble(lblStratifiedS->text()))));
            });
            if (const auto titles = logest::stratifiedTitles(formula)) {
                if (factor) {
                    step([&] {
                        const QString m = lblStratifiedMetricFormula->text();
                        const bool holds =
                            formula == logcap::Tally ? !m.isEmpty() : toDouble(m) > 0;
                        lblStratifiedEnglishFormula->setText(
                            holds ? shown(logest::toEnglish(toDouble(m), *factor)) : u"0"_s);
                    });
                    lblStratifiedEnglishTitle->setText(titles->english);
                } else {
                    lblStratifiedEnglishFormula->setVisible(false);
                    lblStratifiedEnglishTitle->setVisible(false);
                }
                lblStratifiedMetricTitle->setText(titles->metric);
            }
            QLabel* base = metricFirst ? lblStratifiedMetricFormula : lblStratifiedEnglishFormula;
            step([&] {
                const double B = toDouble(lblStratifiedBound->text());
                const double X = leadingNumber(base->text());
                step(
                    [&] { lblStratifiedUpperLimit->setText(shown(stratified::upperLimit(X, B))); });
                step(
                    [&] { lblStratifiedLowerLimit->setText(shown(stratified::lowerLimit(X, B))); });
                step([&] {
                    lblStratifiedPrecision->setText(toDouble(base->text()) > 0
                                                        ? shown(stratified::precisionPercent(B, X))
                                                        : u"0"_s);
                });
            });
        }

        // 8. The sample size follows from what is shown.
        SampleSize(totalSingle);
        setStatusText(u"Status: Estimates Calculated"_s);
    });
}

} // namespace vernalt
