// The stratified estimate of the Formula page: "Stratified" checks the stratum
// sizes, shows the estimate (log_stratified_estimate.h) and ends with the
// sample size (SampleSize).
#include "log/frmMainLog.h"
#include "log/log_stratified_estimate.h"

#include "platform/prompts.h"
#include "platform/value.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

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

// At least one size, every size a number, and statistics for every stratum
// with a size. False (after its message) when a check fails.
bool sizesReady(frmMainLog& w, const logest::StratumSizes& sizes) {
    bool anySize = false;
    for (const std::optional<double>& size : sizes.values)
        anySize = anySize || size.has_value();
    if (!anySize) {
        prompts().message(u"Please enter a value into the Stratum Size."_s,
                          u"Error - Stratum Size"_s);
        w.ssTabFormula->setCurrentIndex(1);
        w.txtLandscapeArea[1]->setFocus();
        return false;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (sizes.texts[k].isEmpty())
            continue;
        if (!sizes.values[k]) {
            prompts().message(
                u"Please enter the stratum size for each stratum to calculate with"_s);
            return false;
        }
        if (!hasStatistics(*w.grdOptimal[k + 1])) {
            prompts().message(u"Please calculate subtotals for Stratum "_s +
                              numberText(int(k) + 1));
            return false;
        }
    }
    return true;
}

// What the estimate reads: the window's mode, and each stratum's level and
// that level's statistics.
logest::StratifiedInputs stratifiedInputs(frmMainLog& w, const logest::StratumSizes& sizes) {
    logest::StratifiedInputs in;
    in.lim = w.mnuLIM->isChecked();
    in.metric = w.mnuMetric->isChecked();
    in.formula = logcap::formulaOfCaption(w.ssTabMain->tabText(frmMainLog::PageFormula));
    in.percentCoverItem = w.mnuPercentCover->isChecked();
    in.sizes = sizes;
    in.tValue = w.txtTvalue->text();
    for (std::size_t k = 1; k <= 4; ++k) {
        logest::StratumInputs& s = in.strata[k - 1];
        s.level = stratumLevel(w, int(k));
        if (s.level == 0)
            continue;
        const auto r = std::size_t(s.level);
        s.levelName = w.LevelNames[r - 1];
        s.length = w.LevelLengths[r - 1];
        s.average = w.grdOptimal[k]->text(int(r), 0);
        s.deviation = w.grdOptimal[k]->text(int(r), 1);
        s.variance = w.grdOptimal[k]->text(int(r), 3);
        s.count = w.grdOptimal2[k]->text(int(r), 2);
        s.meanMetric = w.LevelMeanMetric[k][r];
        s.meanEnglish = w.LevelMeanEnglish[k][r];
    }
    return in;
}

// The sheet's rows, the figures and their titles; an empty result empties its
// cell or label.
void showStratified(frmMainLog& w, const logest::StratifiedEstimate& e) {
    Grid* sheet = w.grdFormulaStratified;
    for (int i = 1; i <= 4; ++i)
        for (int c = 0; c < sheet->cols(); ++c)
            sheet->setText(i, c, c < 12 ? e.rows[std::size_t(i - 1)][std::size_t(c)] : QString());
    const std::array<const QString*, 8> texts = {&e.metricFigure,  &e.englishFigure, &e.variance,
                                                 &e.standardError, &e.bound,         &e.upperLimit,
                                                 &e.lowerLimit,    &e.precision};
    const std::array<QLabel*, 8> figures = {
        w.lblStratifiedMetricFormula, w.lblStratifiedEnglishFormula,
        w.lblStratifiedVar,           w.lblStratifiedS,
        w.lblStratifiedBound,         w.lblStratifiedUpperLimit,
        w.lblStratifiedLowerLimit,    w.lblStratifiedPrecision};
    for (std::size_t i = 0; i < figures.size(); ++i)
        figures[i]->setText(*texts[i]);
    if (e.englishShown) {
        w.lblStratifiedEnglishTitle->setVisible(*e.englishShown);
        w.lblStratifiedEnglishFormula->setVisible(*e.englishShown);
    }
    if (e.englishTitle)
        w.lblStratifiedEnglishTitle->setText(*e.englishTitle);
    if (e.metricTitle)
        w.lblStratifiedMetricTitle->setText(*e.metricTitle);
}

} // namespace

void frmMainLog::cmdDefaultStratified_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultStratified_Click"_s), [this] {
        const logest::StratumSizes sizes =
            logest::readStratumSizes({txtLandscapeArea[1]->text(), txtLandscapeArea[2]->text(),
                                      txtLandscapeArea[3]->text(), txtLandscapeArea[4]->text()});
        if (!sizesReady(*this, sizes))
            return;
        const logest::StratifiedInputs in = stratifiedInputs(*this, sizes);
        // A total that overflows ends the run before the sheet is emptied.
        const float total = logest::stratifiedTotal(in);
        showStratified(*this, logest::StratifiedEstimate{}); // an earlier run's results go first
        const logest::StratifiedEstimate e = logest::stratifiedEstimate(in);
        showStratified(*this, e);
        if (e.error)
            throw *e.error;
        if (e.tooFewStrata)
            prompts().message(u"Please use a non-stratified equation"_s);
        // The sample size follows from what is shown.
        SampleSize(sizes, total);
        setStatus(u"Status: Estimates Calculated"_s);
    });
}

} // namespace vernalt
