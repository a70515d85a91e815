// The Sample Size page: SampleSize, run at the end of the stratified estimate,
// shows the sample size (log_sample_size_plan.h) of the strata the stratified
// sheet shows.
#include "log/frmMainLog.h"
#include "log/log_sample_size_plan.h"

#include "platform/prompts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Writes rows 1 to 4 of a page grid, the cells of an earlier run included.
template <std::size_t N>
void writeRows(Grid* grid, const std::array<std::array<QString, N>, 5>& rows) {
    for (int r = 1; r <= 4 && r < grid->rows(); ++r)
        for (int c = 0; c < int(N) && c < grid->cols(); ++c)
            grid->setText(r, c, rows[std::size_t(r)][std::size_t(c)]);
}

} // namespace

void frmMainLog::SampleSize(const logest::StratumSizes& sizes, float TotalStratumSize) {
    trapped(prompts(), logProcedure(u"SampleSize"_s), [&] {
        logest::PlanInputs in;
        in.lim = mnuLIM->isChecked();
        in.metric = mnuMetric->isChecked();
        in.formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        in.percentCoverItem = mnuPercentCover->isChecked();
        in.sizes = sizes;
        in.totalSize = TotalStratumSize;
        const logest::StratifiedColumns col = logest::stratifiedColumns(in.lim);
        for (int i = 1; i <= 4; ++i)
            in.strata[std::size_t(i - 1)] = {grdFormulaStratified->text(i, 0),
                                             grdFormulaStratified->text(i, 1),
                                             grdFormulaStratified->text(i, col.average),
                                             grdFormulaStratified->text(i, col.deviation)};
        in.metricMean = lblStratifiedMetricFormula->text();
        in.englishMean = lblStratifiedEnglishFormula->text();
        in.tValue = txtTvalue->text();
        in.levelLengths = LevelLengths;

        const logest::SamplePlan p = logest::samplePlan(in);
        writeRows(grdSampleSize[0], p.sheet0);
        writeRows(grdSampleSize[1], p.sheet1);
        writeRows(grdOptimalAllocation, p.optimal);
        writeRows(grdProportionalAllocation, p.proportional);
        lblOptTotalTransectLength->setText(p.optimalLength);
        lblPropTotalTransectLength->setText(p.proportionalLength);
        if (p.error)
            throw *p.error;
        if (p.tooFewStrata)
            prompts().message(u"Please use a non-stratified equation"_s);
    });
}

} // namespace vernalt
