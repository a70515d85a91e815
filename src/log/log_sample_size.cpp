// The Sample Size page: SampleSize, run at the end of the stratified estimate,
// finds the number of sampling units needed for a bound of 20 % of the
// stratified mean under optimal and proportional allocation, the units of each
// stratum and the transect length they need.
//
// Every cell is computed from the texts written before it. The strata in use
// are those the stratified sheet shows a row for; they alone are written,
// summed and allocated, and the page is emptied first. Any run-time error ends
// the page with the error report; what was written before it stays.
#include "log/frmMainLog.h"
#include "log/log_estimate_formulas.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"
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

} // namespace

void frmMainLog::SampleSize(float TotalStratumSize) {
    trapped(prompts(), logProcedure(u"SampleSize"_s), [this, TotalStratumSize] {
        Grid* sheet0 = grdSampleSize[0];
        Grid* sheet1 = grdSampleSize[1];
        Grid* optimal = grdOptimalAllocation;
        Grid* proportional = grdProportionalAllocation;
        emptyRows(sheet0, 7);
        emptyRows(sheet1, 7);
        emptyRows(optimal, 4);
        emptyRows(proportional, 4);
        lblOptTotalTransectLength->clear();
        lblPropTotalTransectLength->clear();

        const bool lim = mnuLIM->isChecked();
        const bool metric = mnuMetric->isChecked();
        const Formula formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        const bool tally = formula == logcap::Tally;
        const double N = TotalStratumSize;
        Grid* estimates = grdFormulaStratified;
        // The length of the level a text names; nullopt for any other text.
        const auto lengthOf = [this](const QString& name) -> std::optional<float> {
            const int k = logest::levelOfName(name);
            if (k < 0)
                return std::nullopt;
            return LevelLengths[std::size_t(k)];
        };

        std::array<bool, 5> inUse{};
        std::vector<int> strata;
        for (int i = 1; i <= 4; ++i) {
            inUse[std::size_t(i)] = !txtLandscapeArea[std::size_t(i)]->text().isEmpty() &&
                                    !estimates->text(i, 0).isEmpty();
            if (inUse[std::size_t(i)])
                strata.push_back(i);
        }

        // 1. The stratified means.
        const double Xm = meanOfLabel(lblStratifiedMetricFormula);
        const double Xe = meanOfLabel(lblStratifiedEnglishFormula);

        // 2. The stratum rows.
        for (int i : strata) {
            const QString sizeText = txtLandscapeArea[std::size_t(i)]->text();
            const double size = stratified::stratumSize(sizeText);
            sheet0->setText(i, 0, estimates->text(i, 0));
            sheet0->setText(i, 1, sizeText);
            sheet0->setText(i, 2,
                            size >= 0 ? shown(stratified::stratumWeight(size, N)) : QString());
            sheet0->setText(i, 3, estimates->text(i, 1));
            const std::optional<float> L = lengthOf(sheet0->text(i, 3));
            if (lim && !tally) {
                sheet0->setText(i, 4, L ? singleText(*L) : QString());
                sheet0->setText(i, 5, estimates->text(i, 3));
                sheet1->setText(i, 0, estimates->text(i, 4));
            } else {
                sheet0->setText(i, 4, L ? singleText(logest::stripArea(*L, metric)) : QString());
                if (lim) {
                    sheet0->setText(
                        i, 5, numberText(logest::areaUnits(toDouble(sheet0->text(i, 4)), metric)));
                    sheet0->setText(i, 6, estimates->text(i, 3));
                    sheet1->setText(i, 0, estimates->text(i, 4));
                } else {
                    sheet0->setText(
                        i, 5, shown(logest::areaUnits(leadingNumber(sheet0->text(i, 4)), metric)));
                    sheet0->setText(i, 6, cleanRoundText(estimates->text(i, 4)));
                    sheet1->setText(i, 0, cleanRoundText(estimates->text(i, 5)));
                }
            }

            // Per-area mean and standard deviation.
            QString mean, deviation;
            if (lim) {
                const double P = leadingNumber(sheet0->text(i, 4));
                const double a = leadingNumber(sheet0->text(i, tally ? 6 : 5));
                const double s = leadingNumber(sheet1->text(i, 0));
                if (const auto F = logest::lineIntersectFactor(formula, metric, P)) {
                    if (a >= 0)
                        mean = shown(checked::mul(*F, a));
                    if (s >= 0)
                        deviation = shown(checked::mul(*F, s));
                }
            } else {
                const double A = leadingNumber(sheet0->text(i, 4));
                const double G = logest::stripPlotFactor(
                    mnuPercentCover->isChecked() ? logcap::PercentCover : formula, metric);
                const double average = leadingNumber(sheet0->text(i, 6));
                if (average >= 0)
                    mean = shown(logest::stripPerArea(average, A, G));
                if (CleanRound(sheet1->text(i, 0)).toDouble() >= 0)
                    deviation =
                        shown(logest::stripPerArea(leadingNumber(sheet1->text(i, 0)), A, G));
            }
            sheet1->setText(i, 1, mean);
            sheet1->setText(i, 2, deviation);
            // Variance.
            sheet1->setText(i, 3,
                            size >= 0 ? shown(stratified::squared(toDouble(sheet1->text(i, 2))))
                                      : QString());
        }

        // 3. The desired absolute variance: a bound of 20 % of the mean.
        const double X = metric || formula == logcap::PercentCover ? Xm : Xe;
        const double t = leadingNumber(txtTvalue->text());
        sheet1->setText(1, 4, shown(stratified::desiredVariance(X, t)));

        // 4. The total sample size of the strata in use 1 to k, on each row k
        // after the first stratum in use.
        const double D = leadingNumber(sheet1->text(1, 4));
        for (std::size_t j = 1; j < strata.size(); ++j) {
            std::vector<double> W, S, V;
            for (std::size_t h = 0; h <= j; ++h) {
                const int row = strata[h];
                W.push_back(leadingNumber(sheet0->text(row, 2)));
                S.push_back(leadingNumber(sheet1->text(row, 2)));
                V.push_back(leadingNumber(sheet1->text(row, 3)));
            }
            const int k = strata[j];
            sheet1->setText(k, 5, shown(stratified::optimalSampleSize(W, S, V, D, N)));
            sheet1->setText(k, 6, shown(stratified::proportionalSampleSize(W, V, t, X)));
        }

        // 5 and 6. Fewer than two strata: no design to allocate.
        if (strata.size() < 2) {
            prompts().message(u"Please use a non-stratified equation"_s);
            return;
        }
        for (int h : strata) {
            optimal->setText(h, 1, numberText(h));
            proportional->setText(h, 1, numberText(h));
        }
        const int k = strata.back();
        optimal->setText(1, 0, numberText(roundHalfEven(toDouble(sheet1->text(k, 5)), 0)));
        proportional->setText(1, 0, numberText(roundHalfEven(toDouble(sheet1->text(k, 6)), 0)));

        // 7. The units of each stratum, rounded up.
        const double nOptimal = leadingNumber(optimal->text(1, 0));
        const double nProportional = leadingNumber(proportional->text(1, 0));
        double sumSizeSd = 0;
        for (int j : strata)
            sumSizeSd = checked::add(
                sumSizeSd,
                checked::mul(stratified::stratumSize(txtLandscapeArea[std::size_t(j)]->text()),
                             leadingNumber(sheet1->text(j, 2))));
        for (int h : strata) {
            const double share = stratified::optimalShare(
                nOptimal, stratified::stratumSize(txtLandscapeArea[std::size_t(h)]->text()),
                leadingNumber(sheet1->text(h, 2)), sumSizeSd);
            optimal->setText(h, 2, numberText(RoundUp(share, 0)));
            proportional->setText(
                h, 2,
                numberText(RoundUp(
                    stratified::proportionalShare(nProportional, leadingNumber(sheet0->text(h, 2))),
                    0)));
        }

        // 8. The transect length of each stratum and in all.
        for (const auto& [grid, label] : {std::pair{optimal, lblOptTotalTransectLength},
                                          std::pair{proportional, lblPropTotalTransectLength}}) {
            label->setText(u"0"_s);
            for (int h : strata) {
                if (const auto L = lengthOf(sheet0->text(h, 3)))
                    grid->setText(h, 3, shown(checked::mul(toDouble(grid->text(h, 2)), *L)));
                label->setText(shown(
                    checked::add(leadingNumber(grid->text(h, 3)), leadingNumber(label->text()))));
            }
        }
    });
}

} // namespace vernalt
